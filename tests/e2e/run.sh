#!/usr/bin/env bash
# Runs every end-to-end scenario, or those named, against the Windows program under Wine, or with
# --linux the native one, each on an X display, in a folder and a prefix or settings of its own.
#   tests/e2e/run.sh [--linux] BIN_DIR [scenario.sh ...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
export E2E_SYSTEM=windows
[ "${1:-}" != --linux ] || { E2E_SYSTEM=linux && shift; }
bin=$(cd "${1:?usage: run.sh [--linux] BIN_DIR [scenario ...]}" && pwd) && shift
for program in $([ $E2E_SYSTEM = linux ] && echo zedez || echo zedez.exe probe.exe); do
    [ -f "$bin/$program" ] || { echo "no $program in $bin" >&2; exit 2; }
done
[ $# -gt 0 ] || set -- "$here"/scenarios/*.sh
# The version text the program shows, from the version the build was configured with: major, then
# the minor as two digits; and the release date it shows.
cache="$bin/../CMakeCache.txt" && cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
major=$(cached CMAKE_PROJECT_VERSION_MAJOR) minor=$(cached CMAKE_PROJECT_VERSION_MINOR)
E2E_RELEASE_DATE=$(cached ZEDEZ_RELEASE_DATE)
[ -n "$major" ] && [ -n "$minor" ] && [ -n "$E2E_RELEASE_DATE" ] || { echo "no version in $cache" >&2; exit 2; }
export E2E_VERSION_TEXT="$major.$(printf '%02d' $((10#$minor % 100)))" E2E_RELEASE_DATE

root=$(mktemp -d /tmp/zedez-e2e.XXXXXX)
template="$root/template-prefix"
echo "e2e: work folder $root"
session=()  # the native program's scenarios each in a D-Bus session of their own, for AT-SPI
if [ $E2E_SYSTEM = linux ]; then
    session=(dbus-run-session --)
else
    # Wine draws the window frames itself (Managed N): there is no window manager.
    (. "$here/../../scripts/virtual-screen.sh" && wine_prefix "$template" managed) || exit 2
    echo "e2e: Wine prefix ready in ${SECONDS}s"
fi

passed=0 failed=0 skipped=0
for scenario in "$@"; do
    name=$(basename "$scenario" .sh) t0=$SECONDS
    mkdir -p "$root/$name"
    E2E_BIN="$bin" E2E_TEMPLATE_PREFIX="$template" E2E_WORK="$root/$name" \
        timeout 600 "${session[@]}" bash "$scenario" >"$root/$name/output.txt" 2>&1
    case $? in
        0) passed=$((passed + 1)) && echo "PASS $name ($((SECONDS - t0))s)" ;;
        77) skipped=$((skipped + 1)) && echo "SKIP $name ($(tail -1 "$root/$name/output.txt"))" ;;
        *) failed=$((failed + 1)) && echo "FAIL $name ($((SECONDS - t0))s)" && sed 's/^/    /' "$root/$name/output.txt" ;;
    esac
done
rm -rf "$template"
[ "$failed" -eq 0 ] && rm -rf "$root"
echo "e2e: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
