#!/usr/bin/env bash
# Runs every end-to-end scenario (or those named as arguments) against a built Windows program,
# each with its own X display, Wine prefix and scratch folder. Prints one line per scenario and
# a closing "N passed, N failed" line; exits non-zero when any failed.
#   tests/e2e/run.sh BIN_DIR [scenario.sh ...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:?usage: run.sh BIN_DIR [scenario ...]}" && pwd)
shift
[ -f "$bin/zedez.exe" ] && [ -f "$bin/probe.exe" ] || { echo "no zedez.exe/probe.exe in $bin" >&2; exit 2; }

if [ $# -gt 0 ]; then
    scenarios=("$@")
else
    scenarios=("$here"/scenarios/*.sh)
fi

root=$(mktemp -d /tmp/zedez-e2e.XXXXXX)
echo "e2e: work folder $root"
template="$root/template-prefix"
start=$SECONDS
if ! WINEPREFIX="$template" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    bash -c 'wineboot -i >/dev/null 2>&1 && wineserver -w &&
             wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1 &&
             wineserver -w'; then
    echo "e2e: could not make a Wine prefix" >&2
    exit 2
fi
echo "e2e: Wine prefix ready in $((SECONDS - start))s"

passed=0
failed=0
for scenario in "${scenarios[@]}"; do
    name=$(basename "$scenario" .sh)
    work="$root/$name"
    mkdir -p "$work"
    t0=$SECONDS
    if E2E_BIN="$bin" E2E_TEMPLATE_PREFIX="$template" E2E_WORK="$work" \
        timeout 600 bash "$scenario" >"$work/output.txt" 2>&1; then
        passed=$((passed + 1))
        echo "PASS $name ($((SECONDS - t0))s)"
    else
        failed=$((failed + 1))
        echo "FAIL $name ($((SECONDS - t0))s)"
        sed 's/^/    /' "$work/output.txt"
    fi
done
rm -rf "$template"
[ "$failed" -eq 0 ] && rm -rf "$root"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
