#!/usr/bin/env bash
# Developer tool: photographs a program's windows on a private X display.
#
#   screenshot.sh OUT.png WIDTHxHEIGHT [--window TITLE] [--delay SECONDS] [--] command [args...]
#
# Starts Xvfb at WIDTHxHEIGHT (through run_under_xvfb.sh), runs the command, waits up to
# 30 s for the window titled TITLE (without --window: any window) to be mapped, waits
# SECONDS more (default 1) for it to settle, grabs the whole screen into OUT.png, and
# ends the program. Example:
#   tests/e2e/screenshot.sh ssqx.png 1024x768 --delay 3 build/src/shell/vtstation --simulate
# Needs: imagemagick (import), x11-utils (xwininfo), plus what run_under_xvfb.sh needs.
set -euo pipefail

usage() {
    echo "usage: $0 OUT.png WIDTHxHEIGHT [--window TITLE] [--delay SECONDS] [--] command..." >&2
    exit 2
}

window_mapped() {
    local id
    if [[ -n $title ]]; then
        xwininfo -name "$title" 2>/dev/null | grep -q IsViewable
        return
    fi
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        xwininfo -id "$id" | grep -q IsViewable && return 0
    done
    return 1
}

# Inside the private display: run, wait, grab, end.
if [[ ${1-} == --inside ]]; then
    out=$2 title=$3 delay=$4
    shift 4
    "$@" &
    program=$!
    trap 'kill "$program" 2>/dev/null || true' EXIT
    for _ in $(seq 600); do
        window_mapped && break
        kill -0 "$program" 2>/dev/null || { echo "screenshot: $1 ended early" >&2; exit 1; }
        sleep 0.05
    done
    if ! window_mapped; then
        echo "screenshot: no window ${title:+titled '$title' }after 30 s; windows:" >&2
        xwininfo -root -children >&2
        exit 1
    fi
    sleep "$delay"
    import -window root "$out"
    echo "screenshot: wrote $out"
    exit 0
fi

[[ $# -ge 3 ]] || usage
out=$(realpath -m "$1") size=$2 title="" delay=1
shift 2
while [[ $# -gt 0 ]]; do
    case $1 in
        --window) title=$2; shift 2 ;;
        --delay) delay=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[[ $# -gt 0 ]] || usage
for tool in import xwininfo; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
exec "$(dirname "$0")/run_under_xvfb.sh" --size "$size" -- \
    "$BASH" "$0" --inside "$out" "$title" "$delay" "$@"
