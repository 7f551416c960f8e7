#!/usr/bin/env bash
# Installs the Debian packages a command needs, and of those only the ones that are missing, so
# running it again costs nothing.
#
#   setup.sh run      building and running the program (the default)
#   setup.sh test     that, and the tests and benchmarks
#   setup.sh ci       that, and the formatting check and the fuzz target
#   setup.sh package  building the program, its Debian package, and the package's checks
set -euo pipefail

packages=(
    cmake make g++                  # the build
    qt6-base-dev                    # Qt 6 Widgets, QtTest and the platform plugins
    libxkbcommon-dev                # keyboard layouts, which Qt's build files look for
    qt6-tools-dev qt6-l10n-tools    # CMake's Qt6LinguistTools, lupdate and lrelease
    qt6-translations-l10n           # Qt's own texts (a text area's menu) in the user's language
)
case "${1:-run}" in
    run) ;;
    test) packages+=(libgtest-dev libbenchmark-dev xvfb xauth) ;;
    ci) packages+=(libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-dev clang-format) ;;
    package)
        packages+=(
            dpkg-dev file           # CPack's Depends from the program's libraries (dpkg-shlibdeps)
            lintian                 # Debian's checks of the package
            desktop-file-utils      # desktop-file-validate
            appstream               # appstreamcli, for the software centre's metadata
            shared-mime-info        # update-mime-database, for the type of EDI logs
            libglib2.0-bin          # gio, to judge the icon by its content as GTK does
        )
        ;;
    *)
        echo "usage: $0 [run|test|ci|package]" >&2
        exit 2
        ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "logvane needs the Debian packages ${missing[*]}: run this as root, or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
