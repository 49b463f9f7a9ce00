#!/usr/bin/env bash
# Runs the caret watcher's tests against real programs, in what a desktop gives them: an Xvfb
# screen with a window manager (openbox names the active window), a D-Bus session and the
# accessibility bus on it.
#   tests/x11/atspi-run.sh [BIN_DIR [GoogleTest arguments]]    BIN_DIR: build/linux-app/bin
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "${1:-}" = --in-session ]; then  # inside dbus-run-session: the bus, then the tests
    shift
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap 'kill $launcher 2>/dev/null; wait $launcher 2>/dev/null || true' EXIT
    deadline=$((SECONDS + 20))
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
        [ "$SECONDS" -lt "$deadline" ] || { echo "the accessibility bus did not start" >&2; exit 1; }
        sleep 0.1
    done
    NO_AT_BRIDGE=0 "$@"
    exit
fi

bin=${1:-$root/build/linux-app/bin}
shift $(($# > 0 ? 1 : 0))
export SCREEN_WORK
SCREEN_WORK=$(mktemp -d)
source "$root/scripts/virtual-screen.sh"
trap 'screen_cleanup; rm -rf "$SCREEN_WORK"' EXIT
screen_start 1280x800
openbox --sm-disable >/dev/null 2>&1 &
SCREEN_PIDS+=($!)
deadline=$((SECONDS + 20))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "openbox did not start" >&2; exit 1; }
    sleep 0.1
done
dbus-run-session -- "$0" --in-session "$bin/x11_tests" --gtest_filter='*AtspiCaret*' "$@"
