#!/bin/sh
# Starts the program in one display case and prints what it printed: each line of its standard
# output marked "stdout: ", then its standard error as it is, then "status N". The program runs with
# no display settings of the caller's and no X cookies; an X server a case needs is its own, on a
# display number the server finds free, and is stopped whatever happens.
#
#   program_display.sh PROGRAM CASE
set -u
program=$1
dir=$(mktemp -d)
server=
stale=
made_socket_dir=

cleanup()
{
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    [ -n "$stale" ] && rm -f "$stale"
    [ -n "$made_socket_dir" ] && rmdir /tmp/.X11-unix 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

# Xvfb with the given options, on the abstract socket only, like a server in a container that
# shares the host's network. Xvfb writes its display number to the pipe once it takes connections.
start_server()
{
    mkfifo "$dir/ready"
    Xvfb -displayfd 3 -nolisten tcp -nolisten unix "$@" 3>"$dir/ready" >"$dir/server.log" 2>&1 &
    server=$!
    if ! read -r number <"$dir/ready"; then
        echo "Xvfb did not start:"
        cat "$dir/server.log"
        exit 1
    fi
    display=:$number
}

run()
{
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XAUTHORITY="$dir/no-cookies" "$@" \
        </dev/null >"$dir/out" 2>"$dir/err"
    status=$?
    sed 's/^/stdout: /' "$dir/out"
    cat "$dir/err"
    echo "status $status"
}

case $2 in
no-display)
    run "$program"
    ;;
stale-socket)
    # A socket file left by a server that is gone: a plain file where no server listens, on the
    # file system nor on the abstract socket.
    if [ ! -d /tmp/.X11-unix ]; then
        mkdir -m 1777 /tmp/.X11-unix && made_socket_dir=yes
    fi
    number=4000
    until ! grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix 2>/dev/null \
        && [ ! -e /tmp/.X$number-lock ] && (set -C && : >/tmp/.X11-unix/X$number) 2>/dev/null; do
        number=$((number + 1))
        if [ "$number" -gt 4100 ]; then
            echo "no stale socket file could be made in /tmp/.X11-unix"
            exit 1
        fi
    done
    stale=/tmp/.X11-unix/X$number
    run DISPLAY=:$number "$program"
    ;;
refusing-server)
    # The server wants a cookie the program does not have.
    : >"$dir/server-cookies"
    xauth -q -f "$dir/server-cookies" add :0 . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
    start_server -auth "$dir/server-cookies"
    run DISPLAY="$display" "$program"
    ;;
unknown-host)
    # Names under .invalid never exist; a resolver that cannot be reached is asked once, briefly.
    run RES_OPTIONS="timeout:1 attempts:1" DISPLAY=nosuchhost.invalid:0 "$program"
    ;;
abstract-socket)
    start_server
    run DISPLAY="$display" timeout 3 "$program"
    ;;
offscreen)
    run timeout 3 "$program" -platform offscreen
    ;;
missing-plugin)
    # A display is set, but the platform plugin named is not there: Qt's reason is told.
    run DISPLAY=:0 QT_QPA_PLATFORM=nosuch "$program"
    ;;
platform-fallback)
    # The first platform plugin of the list is missing: Qt says so and takes the next.
    run QT_QPA_PLATFORM="nosuch;offscreen" timeout 3 "$program"
    ;;
*)
    echo "no such case: $2"
    exit 2
    ;;
esac
