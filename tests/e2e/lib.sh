# Sourced by every scenario; its helpers work for either program. run.sh sets E2E_SYSTEM (windows or
# linux), E2E_BIN, E2E_TEMPLATE_PREFIX (the Wine prefix each copies), E2E_WORK (its scratch folder),
# E2E_VERSION_TEXT and E2E_RELEASE_DATE.
set -u
SETTINGS_KEY='HKCU\Software\Korvane-Software\Magnifier'
E2E_SYSTEM=${E2E_SYSTEM:-windows}
native() { [ "$E2E_SYSTEM" = linux ]; }
# only_on SYSTEM: ends a scenario that the other system's program has no part in (run.sh: SKIP).
only_on() { [ "$E2E_SYSTEM" = "$1" ] || { echo "for the $1 program only"; exit 77; }; }
SHOT="$E2E_WORK/shot.ppm"
E2E_AWK="$(dirname "${BASH_SOURCE[0]}")/awk"
SCREEN_OX=0  # X's x of the program's x 0: on Windows the width of the monitors left of the primary
exec 3>&2  # for failures inside wait_for, whose output goes to a file

fail() {
    echo "FAIL: $*" >&3
    [ -n "${DISPLAY:-}" ] && import -window root "$E2E_WORK/failure.png" && echo "  screenshot: $E2E_WORK/failure.png" >&3
    exit 1
}
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
expect_in() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ] || fail "$4: $1 is not within $2..$3"; }

# wait_for SECONDS WHAT COMMAND...: polls COMMAND; a timeout shows the end of its last output.
wait_for() {
    local deadline=$((SECONDS + $1)) what=$2 && shift 2
    until "$@" >"$E2E_WORK/wait.out" 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what $(tail -3 "$E2E_WORK/wait.out")"
        sleep 0.1
    done
}

# e2e_begin [COMMAND...]: a display of its own (scripts/virtual-screen.sh's COMMAND, screen_start
# 1024x768 unless said); for Windows a copy of the prefix and one wineserver for the scenario; for
# Linux openbox, a configuration folder of its own and the program's accessibility bridge on.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-screen.sh"
E2E_PROBE_PY="$(dirname "${BASH_SOURCE[0]}")/probe/probe.py"
e2e_begin() {
    SCREEN_WORK=$E2E_WORK E2E_APP_PID=
    if native; then
        export XDG_CONFIG_HOME="$E2E_WORK/config" XDG_RUNTIME_DIR="$E2E_WORK/runtime" \
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
        SETTINGS_FILE=$XDG_CONFIG_HOME/zedez/settings.ini AUTOSTART_DIR=$XDG_CONFIG_HOME/autostart
        mkdir -p -m 700 "$XDG_RUNTIME_DIR"
        trap '[ -z "$E2E_APP_PID" ] || kill "$E2E_APP_PID" 2>/dev/null; screen_cleanup' EXIT
    else
        export WINEPREFIX="$E2E_WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        trap 'screen_cleanup; rm -rf "$WINEPREFIX"' EXIT
        cp -a "$E2E_TEMPLATE_PREFIX" "$WINEPREFIX"
    fi
    [ $# -gt 0 ] || set -- screen_start 1024x768
    "$@" 2>&3 || fail "no X display from $*"
    if native; then wm_start; else wineserver -p; fi
    xdotool mousemove 0 0
}
# wm_start, wm_stop: openbox (framing the native windows) started and waited for, or ended.
wm_start() {
    openbox --sm-disable >/dev/null 2>&1 & WM_PID=$! && SCREEN_PIDS+=($WM_PID)
    wait_for 20 "openbox" eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}
wm_stop() { kill "$WM_PID" && wait "$WM_PID"; WM_PID=; }
compositor_start() {  # xcompmgr, which from then on paints every window
    xcompmgr >/dev/null 2>&1 & COMPOSITOR_PID=$! && SCREEN_PIDS+=($!)
    wait_for 20 "xcompmgr" "$E2E_PYTHON" "$E2E_PROBE_PY" composited
}
E2E_PYTHON=/usr/bin/python3  # Debian's, with its gi bindings
# a11y_bus_start: the accessibility bus on this D-Bus session, waited for.
a11y_bus_start() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately & SCREEN_PIDS+=($!)
    wait_for 20 "the accessibility bus" eval 'dbus-send --session --print-reply \
        --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true'
}

# reg_import KEY NAME=VALUE|NAME:=DATA|NAME...: REG_SZ values of any length under KEY in one import
# (again if Wine fails to start regedit); DATA as a .reg file writes it; a NAME alone is removed.
reg_import() {
    local key=$1 pair value && shift
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER%s]\r\n' "${key#HKCU}"
        for pair in "$@"; do
            value=${pair#*=} value=${value//\\/\\\\} value=\"${value//\"/\\\"}\"
            [[ $pair = *=* ]] || value=-
            [[ ${pair%%=*} = *: ]] && value=${pair#*:=} pair=${pair/:=/=}
            printf '"%s"=%s\r\n' "${pair%%=*}" "$value"
        done
    } | { printf '\xff\xfe' && iconv -f UTF-8 -t UTF-16LE; } >"$E2E_WORK/import.reg"
    wait_for 20 "the import into $key" wine regedit /S "Z:${E2E_WORK//\//\\}\\import.reg"
}
# set_settings NAME=VALUE|NAME...: stores what the program reads at start-up; a NAME alone is removed.
set_settings() {
    native || { reg_import "$SETTINGS_KEY" "$@" && return; }
    mkdir -p "${SETTINGS_FILE%/*}" && { [ -s "$SETTINGS_FILE" ] || echo "[Magnifier]" >"$SETTINGS_FILE"; }
    printf '%s\n' "$@" | awk -F= 'NR == FNR { set[$1] = $0; name[NR] = $1; next } !($1 in set)
        END { for (i = 1; i in name; i++) if (set[name[i]] ~ /=/) { print set[name[i]]; set[name[i]] = "" } }' \
        - "$SETTINGS_FILE" >"$E2E_WORK/set.ini" && mv "$E2E_WORK/set.ini" "$SETTINGS_FILE"
}
# settings_stored: whether the settings store exists. clear_settings: removes it.
settings_stored() { if native; then [ -e "$SETTINGS_FILE" ]; else wine reg query "${SETTINGS_KEY%\\*}" >/dev/null 2>&1; fi; }
clear_settings() { if native; then rm -f "$SETTINGS_FILE"; else wine reg delete "${SETTINGS_KEY%\\*}" /f >/dev/null; fi; }
# view_settings KEY=VALUE...: a quiet window following the mouse, but for what the arguments say.
view_settings() {
    set_settings Window.Left=600 Window.Top=400 Window.Width=300 Window.Height=300 \
        Set.FollowMouse=1 Set.FollowText=0 Set.AutoRefresh=1 Set.ShowCursor=0 Set.ShowLines=0 \
        Set.ShowCoordinates=0 Set.ShowColorsHex=0 Set.ShowColorsDec=0 Set.ShowColorsCMY=0 \
        Set.ShowColorsCMYK=0 Window.OnTop=1 "$@"
}
# expect_settings NAME=VALUE...: the stored texts (under STORE_KEY where set), read at once.
expect_settings() {
    local all pair
    if native; then  # as "reg query" shows them
        all=$(sed -n '/^\[Magnifier\]$/,/^\[/ s/^\([^=[]*\)=/    \1    REG_SZ    /p' "$SETTINGS_FILE") || fail "no settings file"
    else all=$(wine reg query "${STORE_KEY:-$SETTINGS_KEY}" | tr -d '\r'); fi
    for pair in "$@"; do expect_eq "$(awk -v k="    ${pair%%=*}    REG_" 'index($0, k) == 1 {
        sub(/^ *[^ ]* *[^ ]*    /, ""); print }' <<<"$all")" "${pair#*=}" "stored ${pair%%=*}"; done
}

# in_locale COMMAND...: in the Unix locale ZEDEZ_LOCALE (C.UTF-8 unless set), which Wine writes as
# the user's language when a program starts, and where the native program finds it.
in_locale() { LANG=${ZEDEZ_LOCALE:-C.UTF-8} LC_ALL=${ZEDEZ_LOCALE:-C.UTF-8} "$@"; }
probe() {
    native && { x_probe "$@"; return; }
    in_locale wine "$E2E_BIN/probe.exe" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"
}
# start_magnifier: runs ZEDEZ_EXE (the built program unless set; its standard error to
# $E2E_WORK/stderr), again if Wine did not start it; shown once framed and in one place on two looks.
start_magnifier() { E2E_APP_PID= OUTER_L= && wait_for 60 "the magnifier's window" magnifier_shown; }
magnifier_shown() {
    local was=${OUTER_L:-},${OUTER_T:-},${OUTER_W:-},${OUTER_H:-}
    if [ -z "$E2E_APP_PID" ]; then run_magnifier
    elif ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
        native && fail "the magnifier ended at start: $(cat "$E2E_WORK/stderr")"
        run_magnifier
    fi
    read_window_rect && { ! native || [ "$was" = "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" ]; }
}
run_magnifier() {  # not through a function, so that E2E_APP_PID is the program's own
    LANG=${ZEDEZ_LOCALE:-C.UTF-8} LC_ALL=${ZEDEZ_LOCALE:-C.UTF-8} $(native || echo wine) \
        "${ZEDEZ_EXE:-$E2E_BIN/zedez$(native || echo .exe)}" 2>"$E2E_WORK/stderr" & E2E_APP_PID=$!
}
# x_probe: probe.exe's commands and answers for the native program, from the X tools and probe.py.
x_probe() {
    local id
    case $1 in
        menu) popup_menu >/dev/null ;;
        msgbox | cursor) "$E2E_PYTHON" "$E2E_PROBE_PY" "$@" ;;
        monitors) xrandr --listactivemonitors | awk 'NR > 1 { gsub(/\/[0-9]+/, "", $3); split($3, g, /[x+]/)
            print ($2 ~ /\*/ ? 0 : 1), "monitor", g[3], g[4], g[3] + g[1], g[4] + g[2] }' | sort | cut -d' ' -f2- ;;
        *)
            id=$(xdotool search --all --pid "$E2E_APP_PID" --name '^(Ridoduvuzi Zedez|Zezovirure Vova)$' | head -1)
            [ -n "$id" ] || return 2
            case $1 in
                rect) x_rect "$id" ;;
                close) "$E2E_PYTHON" "$E2E_PROBE_PY" close "$id" ;;
                focus) timeout 10 xdotool "$([ -n "${WM_PID:-}" ] && echo windowactivate || echo windowfocus)" --sync "$id" ;;
            esac
    esac
}
# x_rect ID: as "probe rect" answers; the outer rectangle the client's plus the frame's extents
# (left, right, top, bottom). 3 while hidden, or not yet framed by a running window manager.
x_rect() {
    local info extents && info=$(xwininfo -id "$1") || return 2
    set -- "$1" $(awk '/Absolute upper-left [XY]|^  (Width|Height):/ { print $NF }' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    set -- "$@" ${extents:-0 0 0 0}
    echo "outer $(($2 - $6)) $(($3 - $8)) $(($2 + $4 + $7)) $(($3 + $5 + $9))"
    echo "client $2 $3 $(($2 + $4)) $(($3 + $5))"
    echo "topmost $(xprop -id "$1" _NET_WM_STATE | grep -c _NET_WM_STATE_ABOVE)"
    grep -q IsViewable <<<"$info" && { [ -n "$extents" ] || [ -z "${WM_PID:-}" ]; } || return 3
}
# popup_menu: the id of the native program's open menu, a window that no window manager frames.
popup_menu() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^zedez$'); do
        xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && echo "$id" && return 0
    done
    return 2
}
# read_window_rect: sets OUTER_L/T/W/H, CLIENT_L/T/W/H (screen pixels), TOPMOST; fails while hidden.
read_window_rect() {
    local out && out=$(probe rect) || return 1
    set -- $out
    OUTER_L=$2 OUTER_T=$3 OUTER_W=$(($4 - $2)) OUTER_H=$(($5 - $3)) TOPMOST=${12}
    CLIENT_L=$7 CLIENT_T=$8 CLIENT_W=$(($9 - $7)) CLIENT_H=$((${10} - $8))
}
# wait_exit: returns the magnifier's exit code once it has ended. close_magnifier: closes it, code 0.
wait_exit() { wait_for 30 "the magnifier to end" eval '! kill -0 $E2E_APP_PID' && wait "$E2E_APP_PID"; }
close_magnifier() { probe close || fail "probe could not close the window"; wait_exit || fail "the magnifier ended with $?"; }
# The popup menu's items top to bottom, without the separators, which the arrow keys skip.
MENU_ITEMS=(10 25 50 75 90 100 200 400 800 1600 7010 7020 7030 7035 7040 7050 7060 7065 7070 7075
    8010 8020 9990 9999)
# menu_pick X Y ITEM: right-clicks client pixel (X, Y) and picks ITEM, every other call 10 pixels
# further right: two quick clicks are a double click. key_pick ITEM: the same from F1.
menu_pick() {
    MENU_PICKS=$((${MENU_PICKS:-0} + 1))
    xdotool mousemove $((CLIENT_L + SCREEN_OX + $1 + MENU_PICKS % 2 * 10)) $((CLIENT_T + $2)) click 3
    menu_choose "$3"
}
key_pick() { xdotool key F1 && menu_choose "$1"; }
# menu_choose ITEM: picks ITEM with the fewest arrow keys (just opened, Down selects the first item,
# Up the last) and waits for the menu to close.
menu_choose() {
    local i=0 n=${#MENU_ITEMS[@]} key count
    while [ $i -lt $n ] && [ "${MENU_ITEMS[i]}" != "$1" ]; do i=$((i + 1)); done
    [ $i -lt $n ] || fail "no menu item $1"
    if [ $((2 * i)) -lt $n ]; then key=Down count=$((i + 1)); else key=Up count=$((n - i)); fi
    wait_for 20 "the popup menu" probe menu
    xdotool key $(printf "$key %.0s" $(seq $count)) Return
    wait_for 20 "the popup menu to close" eval '! probe menu'
}
# menu_lines: the captions of the native program's open menu as the screen shows them (read by
# tesseract, in German), one a line; the check marks, read as a letter alone, left out.
menu_lines() {
    local id && id=$(popup_menu) || return 1
    set -- $(xwininfo -id "$id" | awk '/Absolute upper-left [XY]|^  (Width|Height):/ { print $NF }')
    import -window root -crop "$3x$4+$1+$2" +repage -resize 300% "$E2E_WORK/menu.png" &&
        tesseract "$E2E_WORK/menu.png" - -l deu 2>/dev/null | grep ..
}
# msgbox_shown: sets MSGBOX to what "probe msgbox" says once the box has its title and its text (under
# load Wine was seen to fill the text first).
msgbox_shown() { MSGBOX=$(probe msgbox) && [ "${MSGBOX#*text }" != "" ] && [ "${MSGBOX%%$'\n'*}" != "title " ]; }
# expect_msgbox TITLE TEXT: the box's title and text (\, CR, LF written \\, \r, \n; natively lines
# break at LF) as first read (the Enter that picked an item may close it at once); then OK.
expect_msgbox() {
    local text=$2
    native && text=${text//'\r\n'/'\n'}
    wait_for 20 "a message box" msgbox_shown
    expect_eq "$MSGBOX" "title $1"$'\n'"text $text" "message box"
    probe msgbox ok
    wait_for 20 "the message box to close" eval '! probe msgbox'
}

# show_image FILE [X Y]: FILE as the screen's background, once pixel (X, Y) shows it. Wine clears it
# when its desktop starts anew: every screenshot then puts it back and fails, so a wait tries again.
show_image() {
    BACKGROUND=
    put_image "$1"
    wait_for 20 "$1 on the screen" screen_pixel_is "${2:-0}" "${3:-0}" "$(pixel "$1" "${2:-0}" "${3:-0}")"
    BACKGROUND="$1 ${2:-0} ${3:-0} $(pixel "$1" "${2:-0}" "${3:-0}")"
}
screenshot() {
    import -window root -depth 8 "$SHOT" || fail "screenshot failed"
    [ -n "${BACKGROUND:-}" ] || return 0
    set -- $BACKGROUND
    [ "$(pixel "$SHOT" "$2" "$3")" = "$4" ] && return 0
    echo "background lost: putting $1 back" && put_image "$1"
    return 1
}
# put_image FILE: as the root window's background (display exits with 1 even when it worked);
# under a compositor, which paints a background of its own, in a window kept below all others.
put_image() {
    if [ -z "${COMPOSITOR_PID:-}" ]; then display -window root "$1"; return 0; fi
    [ -z "${BACKDROP_PID:-}" ] || kill "$BACKDROP_PID"
    "$E2E_PYTHON" "$E2E_PROBE_PY" backdrop "$1" & BACKDROP_PID=$! && SCREEN_PIDS+=($!)
}
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }  # FILE X Y: RRGGBB
client_pixel() { pixel "$SHOT" $((CLIENT_L + SCREEN_OX + $1)) $((CLIENT_T + $2)); }
screen_pixel_is() { screenshot && [ "$(pixel "$SHOT" "$1" "$2")" = "$3" ]; }
client_pixel_is() { screen_pixel_is $((CLIENT_L + SCREEN_OX + $1)) $((CLIENT_T + $2)) "$3"; }
# client_pixels [X Y W H]: "x y RRGGBB" for every pixel of the client area, or that part of it.
client_pixels() {
    local x=${1:-0} y=${2:-0}
    convert "$SHOT" -crop "${3:-$CLIENT_W}x${4:-$CLIENT_H}+$((CLIENT_L + SCREEN_OX + x))+$((CLIENT_T + y))" \
        -depth 8 -compress none ppm:- | awk -v x="$x" -v y="$y" -f "$E2E_AWK/pixels.awk"
}

# The view's helpers. VIEW_TWIPS: the program's twips per pixel, 1440 / dpi rounded (set_dpi sets
# it); VIEW_AWK: the functions of awk/view.awk (fine(), cell(), inverse(), rhe()) for short programs.
VIEW_TWIPS=${VIEW_TWIPS:-15} VIEW_AWK=$(<"$E2E_AWK/view.awk")

# set_dpi DPI: the display scale of the programs started from now on (Xft.dpi for the native one).
set_dpi() {
    if native; then xrdb -merge <<<"Xft.dpi: $1"
    else wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; fi || fail "no $1 dpi"
    VIEW_TWIPS=$(awk "$VIEW_AWK"'BEGIN { print rhe(1440 / '"$1"') }')
}

# make_view_pattern FILE: fine() where x < 512 and y < 384; below it a checkerboard of single
# black and white pixels, grey only when averaged; from x = 512 on cell(i, j) at (512 + 64 i, 64 j).
make_view_pattern() {
    _pattern 128 128 'fine(x, y)' >"$E2E_WORK/fine.ppm"
    _pattern 2 2 'R = G = B = (x + y) % 2 * 255' >"$E2E_WORK/checker.ppm"
    _pattern 8 12 'cell(x, y)' >"$E2E_WORK/cells.ppm"
    convert \( -size 512x384 "tile:$E2E_WORK/fine.ppm" -size 512x384 "tile:$E2E_WORK/checker.ppm" -append \) \
        \( "$E2E_WORK/cells.ppm" -sample 6400% \) +append +repage "$1" || fail "could not make the picture"
}
_pattern() { awk -v W="$1" -v H="$2" "$VIEW_AWK"'BEGIN { print "P3", W, H, 255
    for (y = 0; y < H; y++) for (x = 0; x < W; x++) { '"$3"'; print R, G, B } }'; }

# view_geometry ZOOM FX FY: VIEW_L VIEW_T VIEW_W VIEW_H, the captured screen rectangle, and PIC_W
# PIC_H, the scaled picture. The left edge stays fractional in twips; pixels are rounded once.
view_geometry() {
    read -r VIEW_L VIEW_T VIEW_W VIEW_H PIC_W PIC_H < <(awk -v cw="$CLIENT_W" -v ch="$CLIENT_H" \
        -v z="$1" -v fx="$2" -v fy="$3" -v m="$VIEW_TWIPS" "$VIEW_AWK"'BEGIN {
            s = m; sw = cw * s; sh = ch * s; W = rhe(rhe(sw / z) / s); H = rhe(rhe(sh / z) / s)
            L = rhe((fx * m - sw / (z * 2)) / s); T = rhe(rhe(fy * m - sh / (z * 2)) / s)
            print L, T, W, H, rhe(z * W), rhe(z * H) }')
}
# view_shows ZOOM FX FY LINES: a new screenshot shows fine() around (FX, FY) magnified ZOOM (whole)
# times, with LINES 1 inverted along two columns and rows at the middle, black in VIEW_HOLE ("LEFT
# TOP RIGHT BOTTOM" on the screen). Sets DIFF_N, DIFF_LEFT, DIFF_TOP: how many pixels differ, where.
view_shows() {
    local ok seen
    view_geometry "$1" "$2" "$3"
    screenshot
    read -r ok DIFF_N DIFF_LEFT DIFF_TOP seen < <(client_pixels | awk -v z="$1" -v lines="$4" \
        -v L="$VIEW_L" -v T="$VIEW_T" -v cw="$CLIENT_W" -v ch="$CLIENT_H" -v ox="$SCREEN_OX" \
        -v hole="${VIEW_HOLE:-}" -v w=$((PIC_W < CLIENT_W ? PIC_W : CLIENT_W)) \
        -v h=$((PIC_H < CLIENT_H ? PIC_H : CLIENT_H)) -f "$E2E_AWK/view.awk" -f "$E2E_AWK/view_shows.awk")
    echo "$seen"
    [ "$ok" = 1 ]
}
