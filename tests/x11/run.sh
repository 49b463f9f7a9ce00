#!/usr/bin/env bash
# Runs the X server tests (the linux-app preset's) on Xvfb; a 16-bit Xvfb without MIT-SHM and RandR
# (one without XFixes aborts when a client leaves); Xorg with two monitors of different heights.
set -uo pipefail
cd "$(dirname "$0")/../.."
tests=build/linux-app/bin/x11_tests
[ -x "$tests" ] || { echo "$tests is missing: build the linux-app preset first" >&2; exit 1; }
source scripts/virtual-screen.sh
SCREEN_WORK=$(mktemp -d)
trap 'screen_cleanup; rm -rf "$SCREEN_WORK"' EXIT
status=0

against() {
    echo "== $1 ($DISPLAY)"
    "$tests" --gtest_filter="$2" --gtest_brief=1 || status=1
    screen_cleanup
}
if screen_start 640x480; then against "Xvfb" '-*Monitor*'; else status=1; fi
if screen_start 640x480x16 -extension MIT-SHM -extension RANDR; then against "bare Xvfb" '-*Monitor*'; else status=1; fi
if monitors_start 1024x512 640x480; then against "two monitors" '*Monitor*'; else status=1; fi
exit $status
