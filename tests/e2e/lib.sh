# Shared helpers of the end-to-end scenarios. A scenario is a bash script in scenarios/ that
# sources this file, calls e2e_begin, drives the magnifier and checks pixels and the registry,
# and exits non-zero (through `fail`) when a check does not hold. run.sh runs each scenario with
# its own X display, its own Wine prefix and its own scratch folder.
#
# Set by run.sh:
#   E2E_BIN              folder with zedez.exe and probe.exe
#   E2E_TEMPLATE_PREFIX  a Wine prefix made once per run; each scenario works on a copy
#   E2E_WORK             this scenario's scratch folder (screenshots are kept there on failure)
# Optional: E2E_DISPLAY_FIRST, the first X display number to try (100 unless set).
#
# Settings seam: the magnifier reads its options at start-up from
#   HKEY_CURRENT_USER\Software\Korvane-Software\Magnifier   (REG_SZ values)
# "Set.Zoom" (e.g. 400), "Window.Left"/"Window.Top"/"Window.Width"/"Window.Height" (outer rect
# in pixels), and the flags "Set.AutoRefresh", "Set.FollowMouse", "Set.FollowText",
# "Set.ShowCursor", "Set.ShowLines", "Set.ShowCoordinates", "Set.ShowColorsHex",
# "Set.ShowColorsDec", "Set.ShowColorsCMY", "Set.ShowColorsCMYK", "Window.OnTop" ("1" or "0").
# Call set_settings KEY=VALUE ... before start_magnifier.

set -u
E2E_SCREEN_W=1024
E2E_SCREEN_H=768

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "${E2E_WORK:-}" ]; then
        import -window root "$E2E_WORK/failure.png" 2>/dev/null && echo "  screenshot: $E2E_WORK/failure.png" >&2
    fi
    exit 1
}

log() { echo "  $*"; }

# wait_for SECONDS DESCRIPTION COMMAND...: polls COMMAND every 0.1 s until it succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "timed out after ${seconds}s waiting for: $what"
        fi
        sleep 0.1
    done
}

_free_display() {
    local n
    for n in $(seq "${E2E_DISPLAY_FIRST:-100}" "$((${E2E_DISPLAY_FIRST:-100} + 99))"); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

e2e_cleanup() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
    fi
    if [ -n "${E2E_XVFB_PID:-}" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
    if [ -n "${WINEPREFIX:-}" ] && [ -d "${WINEPREFIX:-}" ]; then
        rm -rf "$WINEPREFIX"
    fi
}

# e2e_begin: own X display (a 1024x768 screen), own copy of the Wine prefix, Wine drawing the
# window frames itself (there is no window manager), cleanup on exit.
e2e_begin() {
    local display
    display=$(_free_display) || fail "no free X display number"
    Xvfb ":$display" -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$display"
    trap e2e_cleanup EXIT
    wait_for 20 "Xvfb on $DISPLAY" xdpyinfo
    export WINEPREFIX="$E2E_WORK/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    cp -a "$E2E_TEMPLATE_PREFIX" "$WINEPREFIX"
    xdotool mousemove 0 0
}

# set_settings KEY=VALUE...: stores the magnifier's settings (REG_SZ) in one registry import.
set_settings() {
    local reg="$E2E_WORK/settings.reg" pair
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Korvane-Software\\Magnifier]\r\n'
        for pair in "$@"; do
            printf '"%s"="%s"\r\n' "${pair%%=*}" "${pair#*=}"
        done
    } >"$reg"
    wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1 || fail "could not import settings"
}

# view_settings KEY=VALUE...: the window at (600, 400), 300 x 300, following only the mouse,
# auto refresh on, every overlay and the cursor off; the arguments override these.
view_settings() {
    set_settings Window.Left=600 Window.Top=400 Window.Width=300 Window.Height=300 \
        Set.FollowMouse=1 Set.FollowText=0 Set.AutoRefresh=1 Set.ShowCursor=0 Set.ShowLines=0 \
        Set.ShowCoordinates=0 Set.ShowColorsHex=0 Set.ShowColorsDec=0 Set.ShowColorsCMY=0 \
        Set.ShowColorsCMYK=0 Window.OnTop=1 "$@"
}

# get_setting KEY: prints the stored text of a setting, or nothing.
get_setting() {
    wine reg query 'HKCU\Software\Korvane-Software\Magnifier' /v "$1" 2>/dev/null |
        tr -d '\r' | awk -v key="$1" '$1 == key { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}

probe() { wine "$E2E_BIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

_window_shown() { xdotool search --onlyvisible --classname zedez.exe >/dev/null && probe rect >/dev/null; }

# start_magnifier: runs the program in the background and waits until its window is shown.
start_magnifier() {
    wine "$E2E_BIN/zedez.exe" >"$E2E_WORK/zedez.log" 2>&1 &
    E2E_APP_PID=$!
    wait_for 60 "the magnifier's window" _window_shown
    read_window_rect
}

# read_window_rect: sets OUTER_L OUTER_T OUTER_R OUTER_B and CLIENT_L CLIENT_T CLIENT_R CLIENT_B
# (screen pixels), CLIENT_W, CLIENT_H and TOPMOST.
read_window_rect() {
    local out
    out=$(probe rect) || fail "probe could not read the window"
    read -r _ OUTER_L OUTER_T OUTER_R OUTER_B <<<"$(grep '^outer' <<<"$out")"
    read -r _ CLIENT_L CLIENT_T CLIENT_R CLIENT_B <<<"$(grep '^client' <<<"$out")"
    read -r _ TOPMOST <<<"$(grep '^topmost' <<<"$out")"
    CLIENT_W=$((CLIENT_R - CLIENT_L))
    CLIENT_H=$((CLIENT_B - CLIENT_T))
}

_app_gone() { ! kill -0 "$E2E_APP_PID" 2>/dev/null; }

# close_magnifier: closes the window as the system would and checks that the program ended
# by itself with exit code 0.
close_magnifier() {
    probe close >/dev/null || fail "probe could not close the window"
    wait_for 30 "the magnifier to end" _app_gone
    local code=0
    wait "$E2E_APP_PID" || code=$?
    [ "$code" -eq 0 ] || fail "the magnifier ended with exit code $code"
}

# show_image FILE [X Y]: makes the image the X screen's background (tiled from the top-left
# corner) and waits until the screen's pixel (X, Y), by default (0, 0), is the image's. Wine
# clears the background whenever its desktop process starts, so show the image while Wine runs
# (after start_magnifier, or right after set_settings). display(1) exits with 1 even when it
# worked, hence the check of the screen.
show_image() {
    display -window root "$1" >/dev/null 2>&1 || true
    wait_for 20 "$1 on the screen" _screen_pixel_is "${2:-0}" "${3:-0}" "$(pixel "$1" "${2:-0}" "${3:-0}")"
}

_screen_pixel_is() {
    screenshot "$E2E_WORK/root.png"
    [ "$(pixel "$E2E_WORK/root.png" "$1" "$2")" = "$3" ]
}

move_pointer() { xdotool mousemove "$1" "$2"; }

screenshot() { import -window root "$1" || fail "screenshot failed"; }

# pixel FILE X Y: the colour at (X, Y) of a screenshot as RRGGBB.
pixel() { convert "$1" -format '%[hex:p{'"$2"','"$3"'}]' info: 2>/dev/null | cut -c1-6; }

# client_pixel FILE X Y: the same, relative to the magnifier's client area.
client_pixel() { pixel "$1" $((CLIENT_L + $2)) $((CLIENT_T + $3)); }

# expect_eq ACTUAL EXPECTED WHAT
expect_eq() {
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

# client_pixel_is X Y RRGGBB: takes a fresh screenshot and compares one client pixel (for wait_for).
client_pixel_is() {
    screenshot "$E2E_WORK/poll.png"
    [ "$(client_pixel "$E2E_WORK/poll.png" "$1" "$2")" = "$3" ]
}
