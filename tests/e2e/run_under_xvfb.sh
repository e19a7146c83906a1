#!/usr/bin/env bash
# Runs a command on a private X display with its own session bus and accessibility bus,
# so Qt windows publish their widgets over AT-SPI and a test can drive them.
#
#   run_under_xvfb.sh [--size WIDTHxHEIGHT] [--] command [args...]
#
# Sets up, all private to this run and torn down on every exit path:
#   Xvfb (display number picked by the server itself: -displayfd, safe in parallel),
#   an X authority cookie, a session D-Bus daemon, the AT-SPI bus launcher,
#   accessibility switched on for the session (org.a11y.Status IsEnabled, which Qt reads),
#   XDG_RUNTIME_DIR / XDG_DATA_HOME / XDG_CONFIG_HOME / XDG_CACHE_HOME in a temporary folder,
#   QT_QPA_PLATFORM=xcb and QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (Qt publishes its widgets
#   even if the command clears the bus setting).
# Exits with the command's status; 77 (skipped) when a needed program is missing.
# Needs: xvfb, xauth, dbus-daemon (dbus), at-spi2-core.
set -euo pipefail

groups=()  # process groups started here, each led by a setsid'd child

# Each group is signalled with its leader too: a leader only just forked may not have
# made its group yet.
signal_group() {
    kill "-$1" -- "-$2" 2>/dev/null || kill "-$1" "$2" 2>/dev/null
}

stop_groups() {
    local i g
    for ((i = ${#groups[@]} - 1; i >= 0; i--)); do
        signal_group TERM "${groups[i]}" || true
    done
    for g in "${groups[@]}"; do
        for _ in $(seq 100); do
            signal_group 0 "$g" || break
            sleep 0.05
        done
        signal_group KILL "$g" || true
    done
    groups=()
}

# Watchdog mode: learns each group from a pipe only the runner writes to. End of file
# without "done" means the runner was killed outright (a CTest time-out SIGKILLs the
# runner and its descendants), so the watchdog, forked off to init and in a session of
# its own, tears down whatever is left and removes the temporary folder.
if [[ ${1-} == --watchdog ]]; then
    while read -r line; do
        [[ $line == done ]] && exit 0
        groups+=("$line")
    done
    stop_groups
    rm -rf "$2"
    exit 0
fi

size=1920x1080
if [[ ${1-} == --size ]]; then
    size=$2
    shift 2
fi
[[ ${1-} == -- ]] && shift
if [[ $# -eq 0 || ! $size =~ ^[0-9]+x[0-9]+$ ]]; then
    echo "usage: $0 [--size WIDTHxHEIGHT] [--] command [args...]" >&2
    exit 2
fi

launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb xauth mcookie dbus-daemon dbus-send setsid "$launcher"; do
    if ! command -v "$tool" >/dev/null; then
        echo "run_under_xvfb: $tool is missing (scripts/install-deps.sh installs it)" >&2
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vt-e2e.XXXXXX")
exec {guard}> >(exec setsid -f "$BASH" "$0" --watchdog "$work" >/dev/null 2>&1)

cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    stop_groups
    echo done >&"$guard"
    exec {guard}>&-
    if [[ $status -ne 0 && $status -ne 77 ]]; then
        for log in "$work"/*.log; do
            [[ -s $log ]] && { echo "--- ${log##*/}"; tail -n 20 "$log"; } >&2
        done
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Starts "$@" in a new process group (setsid without fork: a background child of a
# non-interactive shell is never a group leader) and records the group.
spawn() {
    local log=$1
    shift
    setsid "$@" >>"$work/$log" 2>&1 {guard}>&- &
    watch "$!"
}

watch() {
    groups+=("$1")
    echo "$1" >&"$guard"
}

# Polls "$@" every 50 ms for up to 10 s, while the service spawned last is running.
wait_until() {
    local what=$1
    shift
    for _ in $(seq 200); do
        "$@" && return 0
        if ! kill -0 "${groups[-1]}" 2>/dev/null; then
            echo "run_under_xvfb: $what ended at start" >&2
            return 1
        fi
        sleep 0.05
    done
    echo "run_under_xvfb: timed out waiting for $what" >&2
    return 1
}

file_filled() { [[ -s $1 ]]; }
bus_name_owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}

mkdir -m 700 "$work/runtime" "$work/data" "$work/config" "$work/cache"
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
unset SESSION_MANAGER WAYLAND_DISPLAY

# X server: the cookie is loaded from the server's file whatever its display number.
cookie=$(mcookie)
touch "$work/server.auth" "$work/client.auth"
xauth -q -f "$work/server.auth" add :0 . "$cookie"
spawn xvfb.log Xvfb -displayfd 3 -auth "$work/server.auth" -nolisten tcp -noreset \
    -screen 0 "${size}x24" 3>"$work/display"
wait_until "the X server" file_filled "$work/display"
export DISPLAY=:$(head -n 1 "$work/display")
export XAUTHORITY=$work/client.auth
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"

# Session bus, then the accessibility bus it hands out to applications.
spawn dbus.log dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus"
wait_until "the session bus" file_filled "$work/bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
spawn atspi.log "$launcher" --launch-immediately
wait_until "the accessibility bus" bus_name_owned org.a11y.Bus
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The command gets its own group too, so whatever it leaves running is stopped with it.
exec 4<&0
setsid "$@" <&4 4<&- {guard}>&- &
watch "$!"
exec 4<&-
set +e
wait "$!"
status=$?
set -e
exit "$status"
