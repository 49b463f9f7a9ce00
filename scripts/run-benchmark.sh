#!/usr/bin/env bash
# Builds the Windows program and its benchmarks and prints, under Wine on virtual X displays:
#   1. for each window size and zoom, the floor of one rendering (one BitBlt of the on-screen part
#      into a DIB plus one view-sized StretchBlt, every object kept), the program's rendering and
#      their ratio;
#   2. the whole rendered tick: rendering, centre cross, coordinate and colour read-outs, paint;
#   3. the idle CPU of the magnifier and of the wineserver over 20 s, pointer still, default
#      options, next to a bare window whose 10 ms timer only calls GetCursorPos;
#   4. on a 3840 x 2160 screen, a 1920 x 1080 view at 50% against its floor, and the live GDI
#      objects and the working set over 10,000 renderings.
# Figures only; speed is never a pass/fail test. Takes about four minutes. E2E_DISPLAY_FIRST is
# the first X display number tried (200 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target zedez render_bench idle_timer >/dev/null
bin=$PWD/build/windows/bin

work=$(mktemp -d /tmp/zedez-bench.XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
screens=()
cleanup() {
    wineserver -k 2>/dev/null || true
    local pid
    for pid in "${screens[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

next_display=${E2E_DISPLAY_FIRST:-200}
# start_screen WxH: a virtual X screen of that size on a free display number, as DISPLAY.
start_screen() {
    while [ -e "/tmp/.X${next_display}-lock" ] || [ -e "/tmp/.X11-unix/X${next_display}" ]; do
        next_display=$((next_display + 1))
    done
    Xvfb ":$next_display" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    screens+=($!)
    export DISPLAY=":$next_display"
    next_display=$((next_display + 1))
    local _
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start on $DISPLAY" >&2
    exit 1
}

# our_pid NAME...: the process of this Wine prefix with one of these names (a Windows process
# is named after its .exe).
our_pid() {
    local proc comm name
    for proc in /proc/[0-9]*; do
        comm=$(cat "$proc/comm" 2>/dev/null) || continue
        for name in "$@"; do
            if [ "$comm" = "$name" ] &&
                tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
                echo "${proc#/proc/}"
                return 0
            fi
        done
    done
    return 1
}

# cpu_ticks PID: user plus system time in clock ticks (fields 14 and 15 of /proc/PID/stat).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# idle_cpu LABEL EXE: starts EXE, lets it settle, then prints its CPU and the wineserver's over
# 20 s, in per cent of one core, and keeps them in IDLE_APP and IDLE_SERVER.
idle_cpu() {
    local label=$1 exe=$2 name app="" server _
    name=$(basename "$exe")
    wine "$exe" >/dev/null 2>&1 &
    for _ in $(seq 300); do
        app=$(our_pid "$name") && xdotool search --onlyvisible --classname "$name" >/dev/null 2>&1 &&
            break
        sleep 0.1
    done
    [ -n "$app" ] || { echo "$label did not start" >&2; return 1; }
    sleep 5  # start-up and its first renderings are not idle
    server=$(our_pid wineserver64 wineserver) || { echo "no wineserver" >&2; return 1; }
    local app0 server0 app1 server1 hz
    app0=$(cpu_ticks "$app")
    server0=$(cpu_ticks "$server")
    sleep 20
    app1=$(cpu_ticks "$app")
    server1=$(cpu_ticks "$server")
    kill "$app"
    wineserver -w
    hz=$(getconf CLK_TCK)
    IDLE_APP=$(awk -v t=$((app1 - app0)) -v hz="$hz" 'BEGIN { printf "%.2f", t * 100 / hz / 20 }')
    IDLE_SERVER=$(awk -v t=$((server1 - server0)) -v hz="$hz" 'BEGIN { printf "%.2f", t * 100 / hz / 20 }')
    printf "%-26s %10s %14s\n" "$label" "$IDLE_APP" "$IDLE_SERVER"
}

start_screen 1024x768
wineboot -i >/dev/null 2>&1
wineserver -w

echo "== One rendering: the floor against the program (median us) =="
wine "$bin/render_bench.exe" render
echo
echo "== The whole tick: rendering, centre cross, read-outs and paint (median us) =="
wine "$bin/render_bench.exe" tick
wineserver -w
echo
echo "== Idle, pointer still, 20 s (per cent of one core) =="
printf "%-26s %10s %14s\n" "process" "program" "wineserver"
xdotool mousemove 700 500
idle_cpu "zedez.exe (defaults)" "$bin/zedez.exe"
app=$IDLE_APP server=$IDLE_SERVER
idle_cpu "bare 10 ms timer" "$bin/idle_timer.exe"
awk -v a="$app" -v s="$server" -v ba="$IDLE_APP" -v bs="$IDLE_SERVER" 'BEGIN {
    printf "%-26s %10.2f %14.2f   (both together %.2f)\n", "ratio", a / ba, s / bs, (a + s) / (ba + bs)
}'
# Apart: the 10 ms tick alone, without the forced rendering every 250 ms.
wine reg add 'HKCU\Software\Korvane-Software\Magnifier' /v Set.AutoRefresh /d 0 /f >/dev/null 2>&1
idle_cpu "zedez.exe, no auto refresh" "$bin/zedez.exe"

start_screen 3840x2160
echo
echo "== A 1920 x 1080 view at 50% of a 3840 x 2160 screen (median us) =="
wine "$bin/render_bench.exe" render 1920 1080 0.5
echo
echo "== GDI objects and memory over 10,000 renderings =="
wine "$bin/render_bench.exe" memory 1920 1080 0.5
