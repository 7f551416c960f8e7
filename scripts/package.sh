#!/usr/bin/env bash
# Sets up and builds the Debian package of logvane in build-package/: the program built for /usr
# (warnings are errors), without tests and benchmarks, packed by CPack. The last line printed is
# the absolute path of the .deb, for scripts/check_package.sh and for apt-get install.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh package
cmake -S . -B build-package -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_BUILD_TYPE=Release \
    -DLOGVANE_WERROR=ON -DLOGVANE_TESTS=OFF -DLOGVANE_BENCH=OFF
cmake --build build-package -j"$(nproc)"
# A package left from an earlier version would otherwise be taken for this one.
rm -f build-package/*.deb
cpack --config build-package/CPackConfig.cmake -B "$PWD/build-package"

debs=(build-package/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "CPack should have made one .deb in build-package/, it made: ${debs[*]}" >&2
    exit 1
fi
realpath "${debs[0]}"
