# Sourced (functions only) by whatever runs the program under Wine without a display of its own: the
# end-to-end tests, the demo and the benchmark. Each server picks a free display number itself and
# says which (-displayfd), so that parallel runs never race for one.
#   screen_start WxH[xDEPTH] [ARGUMENT...]
#                               an Xvfb screen of that size (24-bit unless said), with those further
#                               arguments, exported as DISPLAY; it keeps its state when the last
#                               client leaves (-noreset), as a native program and its window
#                               manager may all end between two starts
#   monitors_start PRIMARY SECONDARY
#                               an Xorg server with two monitors (sizes WxH), the second left of
#                               the first, tops aligned, the first primary; exported as DISPLAY
#   monitors_layout PRIMARY SECONDARY
#                               that layout again, after `xrandr --output DUMMY1 --off` (which
#                               leaves the primary alone at x = 0)
#   wine_prefix DIR [managed]   a fresh Wine prefix in DIR, exported as WINEPREFIX with WINEDEBUG
#                               and WINEDLLOVERRIDES; "managed": Wine draws the window frames
#                               itself (Managed N), as there is no window manager
#   screen_cleanup              ends this prefix's wineserver and every server started here
# SCREEN_WORK is the caller's scratch folder (the display numbers and the Xorg files go there).
# On failure a function says why on standard error and returns 1.
SCREEN_PIDS=()

# _screen_wait SECONDS PID FILE: waits until the server PID has written its display number to FILE,
# and exports DISPLAY.
_screen_wait() {
    local deadline=$((SECONDS + $1))
    until grep -q '^[0-9]' "$3" 2>/dev/null; do
        kill -0 "$2" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ] || {
            echo "the X server did not name its display" >&2
            return 1
        }
        sleep 0.1
    done
    export DISPLAY=":$(head -1 "$3")"
}

screen_start() {
    local file="${SCREEN_WORK:?}/display.$((${#SCREEN_PIDS[@]} + 1))" size=$1
    [[ $size = *x*x* ]] || size+=x24
    Xvfb -displayfd 9 -screen 0 "$size" -nolisten tcp -noreset "${@:2}" 9>"$file" >/dev/null 2>&1 &
    SCREEN_PIDS+=($!)
    _screen_wait 20 $! "$file"
}

# The dummy driver's outputs DUMMY0 (the primary) and DUMMY1 are driven through RandR like real
# monitors. Xorg runs as root; it takes no virtual size from the configuration (with one, RandR
# would not grow the screen to hold both monitors) and opens no input devices.
monitors_start() {
    local dir="${SCREEN_WORK:?}/xorg" size
    mkdir -p "$dir/conf.d"
    {
        cat <<'END'
Section "ServerFlags"
    Option "DontVTSwitch" "true"
    Option "AllowMouseOpenFail" "true"
    Option "PciForceNone" "true"
    Option "AutoEnableDevices" "false"
    Option "AutoAddDevices" "false"
EndSection
Section "Device"
    Identifier "card"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Screen"
    Identifier "screen"
    Device "card"
    Monitor "monitor"
    DefaultDepth 24
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 1.0 - 2000.0
    VertRefresh 1.0 - 200.0
END
        for size in "$1" "$2"; do  # about 60 Hz, one pixel of each porch and of each sync
            awk -v w="${size%x*}" -v h="${size#*x}" 'BEGIN { printf "    Modeline \"%dx%d\" %.2f %d %d %d %d %d %d %d %d\n",
                w, h, (w + 3) * (h + 3) * 60 / 1e6, w, w + 1, w + 2, w + 3, h, h + 1, h + 2, h + 3 }'
        done
        echo EndSection
    } >"$dir/xorg.conf"
    Xorg -displayfd 9 -config "$dir/xorg.conf" -configdir "$dir/conf.d" -logfile "$dir/log" \
        -noreset -nolisten tcp 9>"$dir/display" >"$dir/output" 2>&1 &
    SCREEN_PIDS+=($!)
    _screen_wait 30 $! "$dir/display" && xrandr --addmode DUMMY1 "$2" && monitors_layout "$1" "$2" || {
        echo "Xorg with two monitors did not start; its output and log end:" >&2
        tail -5 "$dir/output" "$dir/log" >&2
        return 1
    }
}
# The query at the end makes the server ask the driver afresh: only then does it tell programs that
# read what it knows (Wine does) that the second output is connected.
monitors_layout() {
    local state
    xrandr --output DUMMY0 --mode "$1" --pos "${2%x*}x0" --primary --output DUMMY1 --mode "$2" --pos 0x0 &&
        state=$(xrandr --query) && grep -q "^DUMMY0 connected primary $1+${2%x*}+0 " <<<"$state" &&
        grep -q "^DUMMY1 connected $2+0+0 " <<<"$state" &&
        grep -q " current $((${1%x*} + ${2%x*})) x $((${1#*x} > ${2#*x} ? ${1#*x} : ${2#*x}))," <<<"$state"
}

wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    {
        wineboot -i && wineserver -w && { [ "${2:-}" != managed ] ||
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f && wineserver -w; }
    } >/dev/null 2>&1 || { echo "could not make a Wine prefix in $1" >&2; return 1; }
}

screen_cleanup() {
    local pid
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    for pid in "${SCREEN_PIDS[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
    SCREEN_PIDS=()
}
