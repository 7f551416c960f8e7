#!/bin/sh
# Starts the program with the arguments of one case, offscreen or without a display, with logs and
# settings of its own, and prints its standard output and error, "status N", then the ADIF files
# written. A program that converted files in its window waits at its message: stopped after 5 s.
#
#   program_arguments.sh PROGRAM CASE
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

log='PBand=432 MHz
PWWLo=JO01aa
130803;1300;Q3XY;1;55;003;59;040;;JO01AA;9;;;;'
mkdir "$dir/sub"
for name in -reverse.edi "with blank.edi" sub/relative.edi fusion.edi; do
    printf '%s\n' "$log" >"$dir/$name"
done
mkdir -p "$dir/config/logvane"
printf '[fields]\ncontest=true\n' >"$dir/config/logvane/logvane.conf"
cd "$dir" || exit 1

run()
{
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$dir/config" "$@" \
        </dev/null >out 2>err
    status=$?
    cat out
    grep -v -e '^QStandardPaths' -e 'propagateSizeHints' err
    echo "status $status"
    find . -name '*.adi' | sort
}

case $2 in
help)
    run "$program" --help
    ;;
version)
    run "$program" --version
    ;;
unknown-option)
    # Told before Qt looks for a display, of which there is none here.
    run "$program" -x.edi
    ;;
files)
    # After "--" every argument is a file: Qt takes neither "-reverse.edi" nor "-style".
    run timeout 5 "$program" -platform offscreen -- -reverse.edi "with blank.edi" \
        sub/relative.edi -style fusion.edi
    ;;
convert)
    # Without a display; the groups of fields chosen in the settings.
    run "$program" --convert "with blank.edi" missing.edi sub/relative.edi
    grep -o '<COMMENT.*<EOR>' "with blank.adi"
    ;;
convert-options)
    run "$program" --convert --fields=station "--comment=73 de Q1" -- -reverse.edi
    grep -o '<COMMENT.*<EOR>' ./-reverse.adi
    ;;
convert-misuse)
    run "$program" --convert --fields=contest,bogus fusion.edi
    ;;
*)
    echo "no such case: $2"
    exit 2
    ;;
esac
