#!/usr/bin/env bash
# Runs the X server tests, built beforehand (cmake --preset linux-app && cmake --build --preset
# linux-app), against servers of their own, one after the other:
#   an Xvfb screen of 640 x 480 at 24 bits, with every extension the backend uses;
#   a bare Xvfb at 16 bits without MIT-SHM or RandR: the screen read with XGetImage and
#     converted, the root as the one monitor (an Xvfb without XFixes aborts when a client
#     leaves, so the capture without XFixes goes untested);
#   Xorg with two monitors of different heights (the layout tests).
# Exits 1 when a test fails or a server does not start.
set -uo pipefail
cd "$(dirname "$0")/../.."
tests=build/linux-app/bin/x11_tests
[ -x "$tests" ] || { echo "$tests is missing: build the linux-app preset first" >&2; exit 1; }
source scripts/virtual-screen.sh
SCREEN_WORK=$(mktemp -d)
trap 'screen_cleanup; rm -rf "$SCREEN_WORK"' EXIT
status=0

# against NAME FILTER: the tests of FILTER against the server in DISPLAY, which is then stopped.
against() {
    echo "== $1 ($DISPLAY)"
    "$tests" --gtest_filter="$2" --gtest_brief=1 || status=1
    screen_cleanup
}

bare_start() {
    local file="$SCREEN_WORK/display.bare"
    Xvfb -displayfd 9 -screen 0 640x480x16 -nolisten tcp -extension MIT-SHM -extension RANDR \
        9>"$file" >/dev/null 2>&1 &
    SCREEN_PIDS+=($!)
    _screen_wait 20 $! "$file"
}

if screen_start 640x480; then against "Xvfb" '-XMonitorLayout.*'; else status=1; fi
if bare_start; then against "bare Xvfb" '-XMonitorLayout.*'; else status=1; fi
if monitors_start 1024x512 640x480; then against "two monitors" 'XMonitorLayout.*'; else status=1; fi
exit $status
