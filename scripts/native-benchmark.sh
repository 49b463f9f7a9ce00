# The native Linux program's measures of scripts/run-benchmark.sh (6 and 7), sourced by it (which has
# sourced virtual-screen.sh and set work, IDLE_ROUNDS, median and cpu_ticks). On an Xvfb screen of
# 1024 x 768 with openbox, each run in a D-Bus session of its own with the accessibility bus
# started on it (at-spi-bus-launcher --launch-immediately), as on a desktop:
#   6. idle (pointer still) and then a moving pointer (xdotool, 100 steps a second across a busy
#      picture, away from the windows), NATIVE_SECONDS each, for: the program in a 300 x 300 window
#      at 32, 32 at 200%, with the first-run overlays and with none (auto refresh, the cursor and
#      both following options as a first run stores them); magnus --refresh-interval=10, its
#      window (300 x 300 at 2x on a first start) moved to the same place; bare_window frame and
#      bare_window pointer (bench/x11/bare_window.cpp). The subjects take turns within each round.
#   7. typing into a GTK 3 text view (tests/x11/atspi_text_view.py) for NATIVE_SECONDS, pointer
#      still: with no magnifier, with the program (first-run options: it follows the caret) and
#      with magnus.
# CPU is user plus system time from /proc/PID/stat (fields 14 and 15) over the measured time, in
# per cent of one core, for the subject, the X server, the accessibility bus (at-spi-bus-launcher,
# its dbus-daemon and at-spi2-registryd of the run's session) and the text view. The program
# follows the caret in every run, so the bus is counted as its own: "ours" is program + X server +
# bus for the program, program + X server for the others.
# NATIVE_SUBJECTS (a list of overlays, plain, magnus, frame, pointer) narrows the idle and moving runs to those;
# NATIVE_BEFORE=PATH measures that build of the program too, in turn with this one, as "before";
# NATIVE_PROGRAM=PATH measures that one in place of the build's.

cmake --preset linux-app >/dev/null
cmake --build --preset linux-app --target zedez bare_window >/dev/null
native_bin=$PWD/build/linux-app/bin
program=${NATIVE_PROGRAM:-$native_bin/zedez}
seconds=${NATIVE_SECONDS:-20}
clock_hz=$(getconf CLK_TCK)
native=$work/native
mkdir -p "$native/runtime"
chmod 700 "$native/runtime"

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds, for at most SECONDS.
wait_until() {
    local end=$((SECONDS + $1)) limit=$1 what=$2
    shift 2
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || { echo "$what: not within $limit s" >&2 && return 1; }
        sleep 0.1
    done
}

# The processes started here, ended by their ids when the benchmark ends or a run is over.
native_pids=()
native_stop() {
    local pid
    for pid in "$@"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
}
native_cleanup() {
    native_stop "${native_pids[@]}"
    native_pids=()
    if [ -n "${bus_pid:-}" ]; then kill "$bus_pid" 2>/dev/null || true; fi
}
trap 'native_cleanup; cleanup' EXIT

screen_cleanup
screen_start 1024x768
xvfb_pid=${SCREEN_PIDS[-1]}
openbox --sm-disable >/dev/null 2>&1 &
SCREEN_PIDS+=($!)
wait_until 20 "openbox" bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
convert -size 1024x768 -seed 17 plasma:fractal "$native/busy.png"
display -window root "$native/busy.png" || true  # exits 1 when done

# A D-Bus session with the accessibility bus on it: bus_address, bus_pid, bus_launcher.
bus_start() {
    local said
    mapfile -t said < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    bus_address=${said[0]} bus_pid=${said[1]}
    DBUS_SESSION_BUS_ADDRESS=$bus_address /usr/libexec/at-spi-bus-launcher --launch-immediately \
        >/dev/null 2>&1 &
    bus_launcher=$!
    native_pids+=("$bus_launcher")
    wait_until 20 "the accessibility bus" bash -c "DBUS_SESSION_BUS_ADDRESS='$bus_address' \
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true"
}
# The accessibility bus's processes of this session: the launcher, its dbus-daemon and the
# registry, which the bus starts when it is first asked for (they all carry the session's address).
bus_processes() {
    local proc
    for proc in /proc/[0-9]*; do
        case "$(cat "$proc/comm" 2>/dev/null)" in
            at-spi-bus-laun* | at-spi2-registr* | dbus-daemon) ;;
            *) continue ;;
        esac
        [ "${proc#/proc/}" != "$bus_pid" ] &&
            (tr '\0' '\n' <"$proc/environ") 2>/dev/null |
            grep -qxF "DBUS_SESSION_BUS_ADDRESS=$bus_address" && echo "${proc#/proc/}"
    done
    return 0
}
bus_end() {
    local rest
    rest=$(bus_processes)
    native_stop "$bus_launcher"
    native_stop $rest
    kill "$bus_pid" 2>/dev/null || true
    bus_pid=
}

# ticks PID...: their CPU time together, in clock ticks; a process that is gone counts 0.
ticks() {
    local total=0 pid t
    for pid in "$@"; do
        t=$(cpu_ticks "$pid" 2>/dev/null) && total=$((total + t))
    done
    echo "$total"
}

# The program's settings: what its first run stores, in a 300 x 300 window at 32, 32; "plain" has
# every overlay off.
# In a session of its own too: without one, the toolkit would have D-Bus start one through X.
first=$native/first
mkdir -p "$first"
bus_start
DBUS_SESSION_BUS_ADDRESS=$bus_address XDG_CONFIG_HOME=$first XDG_RUNTIME_DIR=$native/runtime \
    "$program" >/dev/null 2>&1 &
first_pid=$!
native_pids+=("$first_pid")
wait_until 30 "the program's first window" xdotool search --onlyvisible --pid "$first_pid"
native_stop "$first_pid"  # SIGTERM: it stores its settings as it closes
bus_end
test -s "$first/zedez/settings.ini" || { echo "the program stored no settings" >&2 && exit 1; }
for settings in overlays plain; do
    mkdir -p "$native/$settings"
    sed -e 's/^Window.Left=.*/Window.Left=32/' -e 's/^Window.Top=.*/Window.Top=32/' \
        -e 's/^Window.Width=.*/Window.Width=300/' -e 's/^Window.Height=.*/Window.Height=300/' \
        "$first/zedez/settings.ini" >"$native/$settings/settings.ini"
done
sed -i -E 's/^(Set.Show(Lines|Coordinates|Colors[A-Za-z]*))=.*/\1=0/' "$native/plain/settings.ini"

declare -A label=(
    [overlays]="zedez, first-run overlays"
    [plain]="zedez, no overlays"
    [magnus]="magnus, 10 ms"
    [frame]="bare_window frame"
    [pointer]="bare_window pointer"
    [none]="no magnifier"
    [before-overlays]="before, first-run overlays"
    [before-plain]="before, no overlays"
)

# subject_start NAME: starts it in the session and sets subject_pid once its window shows.
subject_start() {
    local environment=(DBUS_SESSION_BUS_ADDRESS="$bus_address" XDG_RUNTIME_DIR="$native/runtime"
        NO_AT_BRIDGE=0 GTK_A11Y=atk)
    subject_pid=
    case "$1" in
        none) return 0 ;;
        overlays | plain | before-*)
            rm -rf "$native/config"
            mkdir -p "$native/config/zedez"
            cp "$native/${1#before-}/settings.ini" "$native/config/zedez/"
            env "${environment[@]}" XDG_CONFIG_HOME="$native/config" \
                "$([[ $1 == before-* ]] && echo "$NATIVE_BEFORE" || echo "$program")" \
                >/dev/null 2>&1 &
            ;;
        magnus)  # a cache of its own: a first start, 300 x 300 at 2x
            rm -rf "$native/cache"
            env "${environment[@]}" XDG_CACHE_HOME="$native/cache" magnus --refresh-interval=10 \
                >/dev/null 2>&1 &
            ;;
        frame | pointer) env "${environment[@]}" "$native_bin/bare_window" "$1" >/dev/null 2>&1 & ;;
    esac
    subject_pid=$!
    native_pids+=("$subject_pid")
    wait_until 30 "${label[$1]}'s window" xdotool search --onlyvisible --pid "$subject_pid"
    if [ "$1" = magnus ]; then
        xdotool windowmove "$(xdotool search --onlyvisible --pid "$subject_pid" | head -1)" 32 32
    fi
}

# measure COMMAND...: runs COMMAND and sets cpu_app, cpu_x, cpu_bus and cpu_view (the text view's,
# view_pid) in per cent of one core over the time it took.
measure() {
    local bus a0 x0 b0 v0 t0 a1 x1 b1 v1 t1
    bus=($(bus_processes))
    a0=$(ticks $subject_pid) x0=$(ticks "$xvfb_pid") b0=$(ticks "${bus[@]}") v0=$(ticks $view_pid)
    t0=$(date +%s%N)
    "$@" >/dev/null
    a1=$(ticks $subject_pid) x1=$(ticks "$xvfb_pid") b1=$(ticks "${bus[@]}") v1=$(ticks $view_pid)
    t1=$(date +%s%N)
    read -r cpu_app cpu_x cpu_bus cpu_view < <(awk -v a=$((a1 - a0)) -v x=$((x1 - x0)) \
        -v b=$((b1 - b0)) -v v=$((v1 - v0)) -v hz="$clock_hz" -v ns=$((t1 - t0)) 'BEGIN {
        f = 100 / hz / (ns / 1e9); printf "%.2f %.2f %.2f %.2f\n", a * f, x * f, b * f, v * f }')
}

# ours SUBJECT APP X BUS: what counts as the subject's.
ours() {
    case "$1" in
        overlays | plain | before-*)
            awk -v a="$2" -v x="$3" -v b="$4" 'BEGIN { printf "%.2f", a + x + b }' ;;
        *) awk -v a="$2" -v x="$3" 'BEGIN { printf "%.2f", a + x }' ;;
    esac
}

if [ "$part" != typing ]; then
    # A path across the busy picture for `seconds` at 100 steps a second, right of the windows.
    path=()
    while read -r x y; do path+=(mousemove "$x" "$y" sleep 0.01); done < <(awk -v n=$((seconds * 100)) \
        'BEGIN { for (i = 0; i < n; i++) printf "%d %d\n", 650 + 300 * sin(i / 70), 520 + 200 * sin(i / 45 + 1) }')
    subjects=(${NATIVE_SUBJECTS:-overlays plain magnus frame pointer})
    if [ -n "${NATIVE_BEFORE:-}" ]; then subjects+=(before-overlays before-plain); fi
    declare -A samples
    echo
    echo "== Native: idle, then a moving pointer at 100 Hz, ${seconds} s each (per cent of one core), $IDLE_ROUNDS rounds =="
    row() { printf "%-26s %-7s %8s %8s %8s %8s\n" "$@"; }
    row subject state program "X server" "a11y bus" ours
    for round in $(seq "$IDLE_ROUNDS"); do
        for subject in "${subjects[@]}"; do
            bus_start
            xdotool mousemove "${path[1]}" "${path[2]}"
            subject_start "$subject"
            view_pid=
            sleep 5  # start-up and its first renderings are not idle
            for state in idle moving; do
                if [ "$state" = idle ]; then measure sleep "$seconds"; else measure xdotool "${path[@]}"; fi
                samples[$subject.$state.app]+=" $cpu_app" samples[$subject.$state.x]+=" $cpu_x"
                samples[$subject.$state.bus]+=" $cpu_bus"
                samples[$subject.$state.ours]+=" $(ours "$subject" "$cpu_app" "$cpu_x" "$cpu_bus")"
                row "${label[$subject]}" "$state" "$cpu_app" "$cpu_x" "$cpu_bus" \
                    "$(ours "$subject" "$cpu_app" "$cpu_x" "$cpu_bus")"
            done
            native_stop "$subject_pid"
            bus_end
        done
    done
    echo "-- medians"
    declare -A med
    for subject in "${subjects[@]}"; do
        for state in idle moving; do
            for what in app x bus ours; do
                med[$subject.$state.$what]=$(median "${samples[$subject.$state.$what]}")
            done
            row "${label[$subject]}" "$state" "${med[$subject.$state.app]}" "${med[$subject.$state.x]}" \
                "${med[$subject.$state.bus]}" "${med[$subject.$state.ours]}"
        done
    done
    echo "-- ratios of the medians (ours against the other's program + X server)"
    native_ratio() {  # LABEL A B [TARGET]: nothing when a side was not measured
        [ -n "$2" ] && [ -n "$3" ] || return 0
        awk -v a="$2" -v b="$3" -v label="$1" -v target="${4:-}" 'BEGIN {
            printf "%-56s %5.2f%s\n", label, a / b, target == "" ? "" : "   (target: at most " target ")" }'
    }
    for subject in overlays plain before-overlays before-plain; do
        [ -n "${med[$subject.idle.ours]:-}" ] || continue
        native_ratio "moving, ${label[$subject]} / magnus" "${med[$subject.moving.ours]}" \
            "${med[magnus.moving.ours]:-}" 0.5
        native_ratio "moving, ${label[$subject]}, program + X / magnus" \
            "$(awk -v a="${med[$subject.moving.app]}" -v x="${med[$subject.moving.x]}" 'BEGIN { print a + x }')" \
            "${med[magnus.moving.ours]:-}"
        native_ratio "idle, ${label[$subject]} / bare_window frame" "${med[$subject.idle.ours]}" \
            "${med[frame.idle.ours]:-}" 1.3
        native_ratio "idle, ${label[$subject]} / bare_window pointer" "${med[$subject.idle.ours]}" \
            "${med[pointer.idle.ours]:-}"
        native_ratio "idle, ${label[$subject]} / magnus" "${med[$subject.idle.ours]}" \
            "${med[magnus.idle.ours]:-}"
    done
fi

[ "$part" != pointer ] || return 0

# 7: a GTK 3 text view typed into, the pointer still, the caret moving at every key.
text=""
for line in $(seq $((seconds * 9 / 10))); do text+="the caret moves with every key typed here"$'\n'; done
typists=(none overlays magnus)
declare -A typing
echo
echo "== Native: typing into a GTK 3 text view, ${seconds} s or so (per cent of one core), $IDLE_ROUNDS rounds =="
trow() { printf "%-26s %8s %8s %8s %9s %6s\n" "$@"; }
trow subject program "X server" "a11y bus" "text view" time
for round in $(seq "$IDLE_ROUNDS"); do
    for subject in "${typists[@]}"; do
        bus_start
        xdotool mousemove 1000 20
        subject_start "$subject"
        env DBUS_SESSION_BUS_ADDRESS="$bus_address" XDG_RUNTIME_DIR="$native/runtime" \
            NO_AT_BRIDGE=0 GTK_A11Y=atk /usr/bin/python3 tests/x11/atspi_text_view.py 3 >"$native/view.out" 2>/dev/null &
        view_pid=$!
        native_pids+=("$view_pid")
        wait_until 30 "the text view" grep -q '^ready' "$native/view.out"
        wait_until 10 "the text view's window" xdotool search --onlyvisible --pid "$view_pid"
        xdotool windowmove "$(xdotool search --onlyvisible --pid "$view_pid" | head -1)" 420 360
        wait_until 10 "the text view's focus" bash -c \
            "[ \"\$(xdotool getactivewindow getwindowpid)\" = $view_pid ]"
        sleep 3
        t0=$(date +%s%N)
        measure xdotool type --delay 50 "$text"
        t1=$(date +%s%N)
        for what in app x bus view; do
            var=cpu_$what
            typing[$subject.$what]+=" ${!var}"
        done
        trow "${label[$subject]}" "$cpu_app" "$cpu_x" "$cpu_bus" "$cpu_view" \
            "$(awk -v ns=$((t1 - t0)) 'BEGIN { printf "%.1f s", ns / 1e9 }')"
        native_stop "$view_pid" "$subject_pid"
        view_pid=
        bus_end
    done
done
echo "-- medians"
declare -A tmed
for subject in "${typists[@]}"; do
    for what in app x bus view; do tmed[$subject.$what]=$(median "${typing[$subject.$what]}"); done
    trow "${label[$subject]}" "${tmed[$subject.app]}" "${tmed[$subject.x]}" "${tmed[$subject.bus]}" \
        "${tmed[$subject.view]}" ""
done
echo "-- what each magnifier adds to typing: its program, and the X server, bus and text view beyond typing alone"
for subject in overlays magnus; do
    awk -v label="${label[$subject]}" -v a="${tmed[$subject.app]}" -v x="${tmed[$subject.x]}" \
        -v b="${tmed[$subject.bus]}" -v v="${tmed[$subject.view]}" -v x0="${tmed[none.x]}" \
        -v b0="${tmed[none.bus]}" -v v0="${tmed[none.view]}" 'BEGIN {
        printf "%-26s %6.2f  (program %.2f, X server %+.2f, bus %+.2f, text view %+.2f)\n",
            label, a + (x - x0) + (b - b0) + (v - v0), a, x - x0, b - b0, v - v0 }'
done
