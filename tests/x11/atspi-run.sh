#!/usr/bin/env bash
# Runs the caret watcher's tests against real programs in what a desktop gives them: an Xvfb
# screen, a window manager (openbox names the active window), a D-Bus session and the
# accessibility bus on it.   tests/x11/atspi-run.sh [BIN_DIR [GoogleTest arguments]]
set -euo pipefail
wait_for() {  # WHAT SHELL-COMMAND: polls the command for up to 20 seconds
    local end=$((SECONDS + 20))
    until bash -c "$2" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || { echo "$1 did not start" >&2; return 1; }
        sleep 0.1
    done
}
if [ "${1:-}" = --in-session ]; then  # inside dbus-run-session: the bus, then the tests
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    trap "kill $! 2>/dev/null" EXIT
    wait_for "the accessibility bus" "dbus-send --session --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true"
    NO_AT_BRIDGE=0 "${@:2}"
    exit
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
export SCREEN_WORK=$(mktemp -d)
source "$root/scripts/virtual-screen.sh"
trap 'screen_cleanup; rm -rf "$SCREEN_WORK"' EXIT
screen_start 1280x800
openbox --sm-disable >/dev/null 2>&1 &
SCREEN_PIDS+=($!)
wait_for openbox "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
dbus-run-session -- "$0" --in-session "${1:-$root/build/linux-app/bin}/x11_tests" \
    --gtest_filter='*AtspiCaret*' "${@:2}"
