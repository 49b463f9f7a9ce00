#!/usr/bin/env bash
# Runs the caret watcher's tests against real programs on a desktop as tests/e2e/lib.sh makes it: an
# Xvfb screen, openbox (which names the active window), a D-Bus session, the accessibility bus.
#   tests/x11/atspi-run.sh [BIN_DIR [GoogleTest arguments]]
root=$(cd "$(dirname "$0")/../.." && pwd)
[ -n "${E2E_WORK:-}" ] || E2E_WORK=$(mktemp -d) E2E_SYSTEM=linux exec dbus-run-session -- bash "$0" "$@"
. "$root/tests/e2e/lib.sh"
e2e_begin screen_start 1280x800
a11y_bus_start
NO_AT_BRIDGE=0 "${1:-$root/build/linux-app/bin}/x11_tests" --gtest_filter='*AtspiCaret*' "${@:2}"
status=$?
rm -rf "$E2E_WORK"
exit $status
