#!/usr/bin/env bash
# Builds the Windows program and its benchmarks and prints, under Wine on virtual X displays:
#   1. for each window size and zoom, the floor of one rendering (one BitBlt of the on-screen part
#      into a DIB plus one view-sized StretchBlt, every object kept), the program's rendering and
#      their ratio;
#   2. the whole rendered tick with the first-run overlays: rendering, centre cross, coordinate and
#      colour read-outs, paint, set against the floor plus the paint; and where the overlays' time
#      goes;
#   3. the idle CPU of the magnifier and of the wineserver over 20 s, pointer still, default
#      options, next to a bare window whose 10 ms timer only calls GetCursorPos, and next to one
#      that also makes the queries every tick of the magnifier must make;
#   4. the CPU of the magnifier and of the wineserver while the pointer moves for 10 s across a
#      busy picture, default options, next to a floor window that captures, scales and paints on
#      every 10 ms tick in which the pointer moved;
#   5. on a 3840 x 2160 screen, a 1920 x 1080 view at 50% against its floor, and the live GDI
#      objects and the working set over 10,000 renderings.
# Then builds the native Linux program (the linux-app preset) and prints, on Xvfb with openbox:
#   6. the CPU of the program, of the X server and of the accessibility bus while idle and while the
#      pointer moves at 100 Hz, 20 s each, the program in a 300 x 300 window at 200% with the
#      first-run overlays and with none, next to magnus (Debian's GTK magnifier) refreshing every
#      10 ms in the same size and zoom, and to bare_window (bench/x11/), a Qt window on the same
#      10 ms timer that only asks for the pointer and the buttons and reads one frame;
#   7. the same while a GTK 3 text view is typed into, the program following the caret, next to
#      the text view alone and to magnus.
# Figures only; speed is never a pass/fail test. Takes about half an hour; with the argument
# "idle" only part 3 runs, with "moving" only part 4; with "native" only the native program's 6
# and 7, with "pointer" only its 6, with "typing" only its 7.
# IDLE_ROUNDS (3 unless set) is how many times 3, 4, 6 and 7 measure each process, of which they
# print the medians; NATIVE_SECONDS (20 unless set) is how long 6 and 7 measure.
set -euo pipefail
cd "$(dirname "$0")/.."
part=${1:-all}
case "$part" in
    all | idle | moving | native | pointer | typing) ;;
    *) echo "usage: run-benchmark.sh [all|idle|moving|native|pointer|typing]" >&2 && exit 2 ;;
esac
bash scripts/install-deps.sh run
if [[ ! $part =~ ^(native|pointer|typing)$ ]]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target zedez render_bench idle_timer >/dev/null
fi
bin=$PWD/build/windows/bin
IDLE_ROUNDS=${IDLE_ROUNDS:-3}
SETTINGS_KEY='HKCU\Software\Korvane-Software\Magnifier'

work=$(mktemp -d /tmp/zedez-bench.XXXXXX)
. scripts/virtual-screen.sh
SCREEN_WORK=$work
cleanup() {
    screen_cleanup
    rm -rf "$work"
}
trap cleanup EXIT

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

median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# cpu_ticks PID: user plus system time in clock ticks (fields 14 and 15 of /proc/PID/stat).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# start_windowed EXE [ARGUMENT]: starts EXE and prints its process id once its window shows.
start_windowed() {
    local name _ pid
    name=$(basename "$1")
    wine "$@" >/dev/null 2>&1 &
    for _ in $(seq 300); do
        pid=$(our_pid "$name") && xdotool search --onlyvisible --classname "$name" >/dev/null 2>&1 &&
            echo "$pid" && return 0
        sleep 0.1
    done
    return 1
}

# idle_cpu LABEL EXE [ARGUMENT]: starts EXE, lets it settle, then prints its CPU and the wineserver's over
# 20 s, in per cent of one core, and keeps them in IDLE_APP and IDLE_SERVER.
idle_cpu() {
    local label=$1 exe=$2 app server
    app=$(start_windowed "$exe" ${3:-}) || { echo "$label did not start" >&2; return 1; }
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
    printf "%-30s %10s %14s\n" "$label" "$IDLE_APP" "$IDLE_SERVER"
}

if [[ ! $part =~ ^(native|pointer|typing)$ ]]; then
    screen_start 1024x768
    wine_prefix "$work/prefix"
fi

if [ "$part" = all ]; then
    echo "== One rendering: the floor against the program (median us) =="
    wine "$bin/render_bench.exe" render
    echo
    echo "== The whole tick: rendering, centre cross, read-outs and paint (median us) =="
    wine "$bin/render_bench.exe" tick
    wineserver -w
    echo
fi
if [ "$part" = all ] || [ "$part" = idle ]; then
    echo "== Idle, pointer still, 20 s (per cent of one core), $IDLE_ROUNDS rounds =="
    printf "%-30s %10s %14s\n" "process" "program" "wineserver"
    xdotool mousemove 700 500
    runs=(defaults bare queries manual)
    declare -A app server
    for _ in $(seq "$IDLE_ROUNDS"); do
        idle_cpu "zedez.exe (defaults)" "$bin/zedez.exe"
        app[defaults]+=" $IDLE_APP" server[defaults]+=" $IDLE_SERVER"
        idle_cpu "bare 10 ms timer" "$bin/idle_timer.exe"
        app[bare]+=" $IDLE_APP" server[bare]+=" $IDLE_SERVER"
        idle_cpu "timer with the tick's queries" "$bin/idle_timer.exe" queries
        app[queries]+=" $IDLE_APP" server[queries]+=" $IDLE_SERVER"
        # Apart: the 10 ms tick alone, without the forced rendering every 250 ms.
        wine reg add "$SETTINGS_KEY" /v Set.AutoRefresh /d 0 /f >/dev/null 2>&1
        idle_cpu "zedez.exe, no auto refresh" "$bin/zedez.exe"
        app[manual]+=" $IDLE_APP" server[manual]+=" $IDLE_SERVER"
        wine reg delete "$SETTINGS_KEY" /f >/dev/null 2>&1
    done
    wineserver -w  # the next screen's programs start a new desktop on it
    echo "-- medians"
    for run in "${runs[@]}"; do
        app[$run]=$(median "${app[$run]}") server[$run]=$(median "${server[$run]}")
        printf "%-30s %10s %14s\n" "$run" "${app[$run]}" "${server[$run]}"
    done
    # ratio LABEL RUN REFERENCE: the medians of RUN against those of REFERENCE.
    ratio() {
        awk -v a="${app[$2]}" -v s="${server[$2]}" -v ba="${app[$3]}" -v bs="${server[$3]}" -v label="$1" 'BEGIN {
            printf "%-30s %10.2f %14.2f   (both together %.2f)\n", label, a / ba, s / bs, (a + s) / (ba + bs) }'
    }
    ratio "defaults / bare timer" defaults bare
    ratio "defaults / timer with queries" defaults queries
    ratio "no auto refresh / with queries" manual queries
fi

# moving_cpu LABEL EXE [ARGUMENT]: starts EXE with the busy picture on the screen, then prints its
# CPU and the wineserver's while the pointer runs along the path for about 10 s, in per cent of
# one core, and keeps their sum in MOVING_BOTH.
moving_cpu() {
    local label=$1 exe=$2 app server
    xdotool mousemove "${path_start[@]}"
    app=$(start_windowed "$exe" ${3:-}) || { echo "$label did not start" >&2; return 1; }
    display -window root "$work/busy.png" || true  # Wine cleared the background; exits 1 anyway
    sleep 3
    server=$(our_pid wineserver64 wineserver) || { echo "no wineserver" >&2; return 1; }
    local app0 server0 app1 server1 t0 t1 hz
    app0=$(cpu_ticks "$app")
    server0=$(cpu_ticks "$server")
    t0=$(date +%s%N)
    xdotool "${path[@]}"
    app1=$(cpu_ticks "$app")
    server1=$(cpu_ticks "$server")
    t1=$(date +%s%N)
    kill "$app"
    wineserver -w
    hz=$(getconf CLK_TCK)
    read -r app server MOVING_BOTH < <(awk -v a=$((app1 - app0)) -v s=$((server1 - server0)) \
        -v hz="$hz" -v ns=$((t1 - t0)) 'BEGIN { f = 100 / hz / (ns / 1e9)
            printf "%.2f %.2f %.2f\n", a * f, s * f, (a + s) * f }')
    printf "%-30s %10s %14s %8s %8.1f s\n" "$label" "$app" "$server" "$MOVING_BOTH" \
        "$(awk -v ns=$((t1 - t0)) 'BEGIN { print ns / 1e9 }')"
}

if [ "$part" = all ] || [ "$part" = moving ]; then
    echo
    echo "== Moving pointer, 10 s over a busy picture (per cent of one core), $IDLE_ROUNDS rounds =="
    # A busy picture, and a path that runs across it for 1000 steps of 10 ms, away from the
    # windows at the top left.
    convert -size 1024x768 -seed 17 plasma:fractal "$work/busy.png"
    path=()
    while read -r x y; do path+=(mousemove "$x" "$y" sleep 0.01); done < <(awk 'BEGIN {
        for (i = 0; i < 1000; i++) printf "%d %d\n", 625 + 350 * sin(i / 70), 470 + 250 * sin(i / 45 + 1) }')
    path_start=("${path[1]}" "${path[2]}")
    wine reg delete "$SETTINGS_KEY" /f >/dev/null 2>&1 || true
    printf "%-30s %10s %14s %8s %10s\n" "process" "program" "wineserver" "both" "time"
    moving_program="" moving_floor=""
    for _ in $(seq "$IDLE_ROUNDS"); do
        moving_cpu "zedez.exe (defaults)" "$bin/zedez.exe"
        moving_program+=" $MOVING_BOTH"
        moving_cpu "floor: capture, scale, paint" "$bin/idle_timer.exe" moving
        moving_floor+=" $MOVING_BOTH"
    done
    awk -v p="$(median "$moving_program")" -v f="$(median "$moving_floor")" 'BEGIN {
        printf "moving pointer: program %.2f %% floor %.2f %% ratio %.2f\n", p, f, p / f }'
fi
if [ "$part" = all ]; then
    screen_start 3840x2160
    echo
    echo "== A 1920 x 1080 view at 50% of a 3840 x 2160 screen (median us) =="
    wine "$bin/render_bench.exe" render 1920 1080 0.5
    echo
    echo "== GDI objects and memory over 10,000 renderings =="
    wine "$bin/render_bench.exe" memory 1920 1080 0.5
    screen_cleanup
fi
if [[ $part =~ ^(all|native|pointer|typing)$ ]]; then
    . scripts/native-benchmark.sh
fi
