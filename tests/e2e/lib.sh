# Sourced by every scenario. run.sh sets E2E_BIN (zedez.exe, probe.exe), E2E_TEMPLATE_PREFIX (the
# Wine prefix each copies), E2E_WORK (its scratch folder) and E2E_VERSION_TEXT.
set -u
SETTINGS_KEY='HKCU\Software\Korvane-Software\Magnifier'
SHOT="$E2E_WORK/shot.ppm"
E2E_AWK="$(dirname "${BASH_SOURCE[0]}")/awk"
SCREEN_OX=0  # X's x of Windows x 0: the width of the monitors left of the primary
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
# 1024x768 unless said), a copy of the prefix and one wineserver for the whole scenario.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-screen.sh"
e2e_begin() {
    SCREEN_WORK=$E2E_WORK
    export WINEPREFIX="$E2E_WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    trap 'screen_cleanup; rm -rf "$WINEPREFIX"' EXIT
    cp -a "$E2E_TEMPLATE_PREFIX" "$WINEPREFIX"
    [ $# -gt 0 ] || set -- screen_start 1024x768
    "$@" 2>&3 || fail "no X display from $*"
    wineserver -p
    xdotool mousemove 0 0
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
set_settings() { reg_import "$SETTINGS_KEY" "$@"; }
# view_settings KEY=VALUE...: a 300 x 300 window at (600, 400) following only the mouse, no
# overlay, no cursor, auto refresh on; the arguments override these.
view_settings() {
    set_settings Window.Left=600 Window.Top=400 Window.Width=300 Window.Height=300 \
        Set.FollowMouse=1 Set.FollowText=0 Set.AutoRefresh=1 Set.ShowCursor=0 Set.ShowLines=0 \
        Set.ShowCoordinates=0 Set.ShowColorsHex=0 Set.ShowColorsDec=0 Set.ShowColorsCMY=0 \
        Set.ShowColorsCMYK=0 Window.OnTop=1 "$@"
}
# expect_settings NAME=VALUE...: the texts under STORE_KEY (SETTINGS_KEY unless set), in one read.
expect_settings() {
    local all=$(wine reg query "${STORE_KEY:-$SETTINGS_KEY}" | tr -d '\r') pair
    for pair in "$@"; do expect_eq "$(awk -v k="    ${pair%%=*}    REG_" 'index($0, k) == 1 {
        sub(/^ *[^ ]* *[^ ]*    /, ""); print }' <<<"$all")" "${pair#*=}" "stored ${pair%%=*}"; done
}

# in_locale COMMAND...: in the Unix locale ZEDEZ_LOCALE (C.UTF-8 unless set), which Wine writes as
# the user's language when a program starts.
in_locale() { LANG=${ZEDEZ_LOCALE:-C.UTF-8} LC_ALL=${ZEDEZ_LOCALE:-C.UTF-8} "$@"; }
probe() { in_locale wine "$E2E_BIN/probe.exe" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# start_magnifier: runs ZEDEZ_EXE (the built program unless set), again if Wine did not start it.
start_magnifier() { E2E_APP_PID= && wait_for 60 "the magnifier's window" magnifier_shown; }
magnifier_shown() { kill -0 "$E2E_APP_PID" 2>/dev/null || run_magnifier; read_window_rect; }
run_magnifier() { in_locale wine "${ZEDEZ_EXE:-$E2E_BIN/zedez.exe}" & E2E_APP_PID=$!; }
# read_window_rect: sets OUTER_L/T/W/H, CLIENT_L/T/W/H (screen pixels), TOPMOST; fails while hidden.
read_window_rect() {
    local out && out=$(probe rect) || return 1
    set -- $out
    OUTER_L=$2 OUTER_T=$3 OUTER_W=$(($4 - $2)) OUTER_H=$(($5 - $3)) TOPMOST=${12}
    CLIENT_L=$7 CLIENT_T=$8 CLIENT_W=$(($9 - $7)) CLIENT_H=$((${10} - $8))
}
# wait_exit: returns the magnifier's exit code once it has ended.
wait_exit() {
    wait_for 30 "the magnifier to end" eval '! kill -0 $E2E_APP_PID'
    wait "$E2E_APP_PID"
}
close_magnifier() {
    probe close || fail "probe could not close the window"
    wait_exit || fail "the magnifier ended with exit code $?"
}
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
# expect_msgbox TITLE TEXT: the message box's title and text (\, CR and LF written \\, \r, \n) as
# first read (the Enter that picked a menu item may close it at once); then presses OK.
expect_msgbox() {
    wait_for 20 "a message box" eval 'MSGBOX=$(probe msgbox) && [ "${MSGBOX#*text }" != "" ]'
    expect_eq "$MSGBOX" "title $1"$'\n'"text $2" "message box"
    probe msgbox ok
    wait_for 20 "the message box to close" eval '! probe msgbox'
}

# show_image FILE [X Y]: FILE as the screen's background, once pixel (X, Y) shows it. Wine clears it
# when its desktop starts anew: every screenshot then puts it back and fails, so a wait tries again.
show_image() {
    BACKGROUND=
    display -window root "$1"  # exits with 1 even when it worked
    wait_for 20 "$1 on the screen" screen_pixel_is "${2:-0}" "${3:-0}" "$(pixel "$1" "${2:-0}" "${3:-0}")"
    BACKGROUND="$1 ${2:-0} ${3:-0} $(pixel "$1" "${2:-0}" "${3:-0}")"
}
screenshot() {
    import -window root -depth 8 "$SHOT" || fail "screenshot failed"
    [ -n "${BACKGROUND:-}" ] || return 0
    set -- $BACKGROUND
    [ "$(pixel "$SHOT" "$2" "$3")" = "$4" ] && return 0
    echo "background lost: putting $1 back"
    display -window root "$1"
    return 1
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
