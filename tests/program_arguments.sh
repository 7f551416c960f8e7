#!/bin/sh
# Starts the program with the arguments of one case, offscreen, in a folder of logs of its own, and
# prints what came of it: its standard output and error, "status N", then the ADIF files the folder
# holds. A program that converted files waits at its message, so it is stopped after 5 s
# (status 124).
#
#   program_arguments.sh PROGRAM CASE
set -u
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

log='PBand=432 MHz
130803;1300;Q3XY;1;55;003;59;040;;JO01AA;9;;;;'
mkdir "$dir/sub"
for name in -reverse.edi "with blank.edi" sub/relative.edi fusion.edi; do
    printf '%s\n' "$log" >"$dir/$name"
done
cd "$dir" || exit 1

run()
{
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" </dev/null >out 2>err
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
*)
    echo "no such case: $2"
    exit 2
    ;;
esac
