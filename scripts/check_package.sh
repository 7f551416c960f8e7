#!/usr/bin/env bash
# Checks a Debian package of logvane, as made by scripts/package.sh:
#
#   check_package.sh DEB
#
# lintian finds no error and no warning; the package holds the program and every file the desktop
# reads, under one application id; its Depends name runtime libraries only; the icon is known for
# an SVG image by its content; the desktop entry, the AppStream metadata and the media type pass
# their own tools; and the package's version is the one its changelog, metadata and manual page
# name. The tools come with `setup.sh package`.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 DEB (the package that scripts/package.sh made)" >&2
    exit 2
fi
deb=$1
app_id=io.github.tavren.logvane

for tool in dpkg-deb lintian desktop-file-validate appstreamcli update-mime-database gio; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run bash scripts/setup.sh package" >&2
        exit 1
    fi
done

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
passed() {
    echo "ok: $*"
}

unpacked=$(mktemp -d)
scratch=$(mktemp -d)
trap 'rm -rf "$unpacked" "$scratch"' EXIT
dpkg-deb -x "$deb" "$unpacked"

echo "== contents"
# Regular files only, by their path in the package.
contents=$(dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { print $6 }')
for path in \
    ./usr/bin/logvane \
    ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    ./usr/share/mime/packages/$app_id.xml \
    ./usr/share/man/man1/logvane.1.gz \
    ./usr/share/doc/logvane/copyright \
    ./usr/share/doc/logvane/changelog.gz; do
    if grep -qxF "$path" <<<"$contents"; then
        passed "$path"
    else
        fail "the package has no $path"
    fi
done

echo "== Depends"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# One package name a line, alternatives and versions taken off.
names=$(tr ',|' '\n\n' <<<"$depends" | sed -e 's/(.*)//' -e 's/:.*//' -e 's/[[:space:]]//g' \
    | grep -v '^$' || true)
if [ -z "$names" ]; then
    fail "the package depends on nothing: the program's libraries were not found"
elif grep -q -- '-dev$' <<<"$names"; then
    fail "the package depends on a development package: $(grep -- '-dev$' <<<"$names" | xargs)"
elif ! grep -qx 'libqt6widgets6' <<<"$names"; then
    fail "the package does not depend on libqt6widgets6"
else
    passed "runtime libraries only"
fi

echo "== one version"
# A file that is missing was reported above; here it names no version.
version=$(dpkg-deb -f "$deb" Version)
changelog_version=$(zcat "$unpacked/usr/share/doc/logvane/changelog.gz" 2>/dev/null \
    | sed -n '1s/^logvane (\([^)]*\)).*/\1/p' || true)
release_version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" 2>/dev/null | head -n 1 || true)
manual_version=$(zcat "$unpacked/usr/share/man/man1/logvane.1.gz" 2>/dev/null \
    | sed -n '1s/^\.TH .*"logvane \([^"]*\)".*/\1/p' || true)
if [ "$changelog_version" = "$version" ] && [ "$release_version" = "$version" ] \
    && [ "$manual_version" = "$version" ]; then
    passed "$version in the package, its changelog, its metadata and its manual page"
else
    fail "versions differ: package $version, changelog '$changelog_version'," \
        "metadata release '$release_version', manual page '$manual_version'"
fi

echo "== icon"
# GTK and gdk-pixbuf know an icon's format by its content, not by its name: an SVG whose "<svg"
# lies past its first 256 bytes is taken for plain XML, and menus show a broken image. A copy
# without extension leaves gio only the content to judge, as they do. A missing icon was reported
# above.
icon="$unpacked/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
if [ -f "$icon" ]; then
    cp "$icon" "$scratch/icon"
    icon_type=$(gio info -a standard::content-type "$scratch/icon" 2>&1 \
        | sed -n 's/^ *standard::content-type: //p' || true)
    if [ "$icon_type" = image/svg+xml ]; then
        passed "the icon is image/svg+xml by its content"
    else
        fail "the icon is '$icon_type' by its content, not image/svg+xml: put <svg in its first" \
            "256 bytes"
    fi
fi

echo "== desktop-file-validate"
# It reports errors on its output but exits 0 all the same: only silence is a pass.
validation=$(desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" 2>&1 || true)
if [ -z "$validation" ]; then
    passed "the desktop entry"
else
    echo "$validation"
    fail "desktop-file-validate"
fi

echo "== appstreamcli"
if appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" \
    && appstreamcli validate-tree --no-net "$unpacked"; then
    passed "the AppStream metadata, alone and beside the desktop entry and the icon"
else
    fail "appstreamcli validate"
fi

echo "== media type"
# The database is built from the package's file alone; pointing XDG_DATA_DIRS at it keeps
# update-mime-database from noting that the folder is not searched. The type goes by the name
# alone (a glob without the case-sensitive mark, so any letter case): the program takes only names
# that end in .edi, and a magic would offer it for logs under other names, which it refuses.
mime="$unpacked/usr/share/mime"
messages=$(XDG_DATA_DIRS="$unpacked/usr/share" update-mime-database "$mime" 2>&1 || echo failed)
if [ -n "$messages" ]; then
    echo "$messages"
    fail "update-mime-database"
elif ! grep -qxF 'text/x-reg1test:*.edi' <(cut -d: -f2- "$mime/globs2"); then
    fail "no glob *.edi for text/x-reg1test"
elif grep -qaF ':text/x-reg1test]' "$mime/magic"; then
    fail "text/x-reg1test has a magic: it should go by the glob *.edi alone"
else
    passed "text/x-reg1test: *.edi, and no magic"
fi

echo "== lintian"
lintian_status=0
report=$(lintian --display-info "$deb" 2>&1) || lintian_status=$?
# lintian warns that it runs as root, as CI does; that is no finding about the package.
report=$(grep -vx 'running with root privileges is not recommended!' <<<"$report" || true)
[ -n "$report" ] && echo "$report"
if [ "$lintian_status" -ne 0 ] || grep -qE '^[EW]: ' <<<"$report"; then
    fail "lintian found errors or warnings"
else
    passed "lintian: no error, no warning"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $deb failed"
    exit 1
fi
echo "all checks of $deb passed"
