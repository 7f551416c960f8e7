#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running logvane need. Installs only
# what is missing, so running it again costs nothing.
set -euo pipefail

packages=(
    cmake make g++                  # the build
    qt6-base-dev                    # Qt 6 Widgets, QtTest and the platform plugins
    libgtest-dev libbenchmark-dev   # tests and benchmarks
    clang libclang-rt-dev           # the fuzz target (libFuzzer)
    clang-format                    # the formatting check
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
