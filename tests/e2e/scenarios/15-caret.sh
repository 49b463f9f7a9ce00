# Caret and mouse: typing centres the view (100%) on the caret, the pointer takes it, the caret back in
# place takes it back; natively also GTK 4, the caret unchecked, a stopped editor and no a11y bus.
. "$(dirname "$0")/../lib.sh"
e2e_begin

view_settings Set.FollowMouse=1 Set.FollowText=1 Set.Zoom=100 Window.Left=700 Window.Top=520 \
    Window.Width=300 Window.Height=220
# editor N: a text editor with the keyboard; natively a GTK N view that prints where its caret is.
editor() {
    if native; then
        # GTK 3 speaks to the bus through ATK; GTK 4 on its own (ATK would turn it off).
        GTK_A11Y=$([ "$1" = 3 ] && echo atk) NO_AT_BRIDGE=0 "$E2E_PYTHON" \
            "$(dirname "$0")/../../x11/atspi_text_view.py" "$1" >"$E2E_WORK/editor$1" &
        EDITOR_PID=$! EDITOR=$1 && SCREEN_PIDS+=($!)
    else wine notepad & fi
}
! native || a11y_bus_start
start_magnifier
editor 3
# caret_point: sets FX, FY to the caret's point, the middle rounded halves to even.
caret_point() {
    local out
    if native; then out=$(grep '^caret' "$E2E_WORK/editor$EDITOR" | tail -1) && [ -n "$out" ]
    else out=$(probe caret); fi || return 1
    set -- $out
    FX=$2 FY=$(awk "$VIEW_AWK"'BEGIN { print rhe('"$3 + $4"' / 2) }')
}
# The typed text left of the caret, the blinking caret left out, is the same in view and screen;
# within SLACK rows (GTK 4 tells the caret by its line's box, which may sit a row or two lower).
crop() { convert "$SHOT" -crop "56x15+$(($1 + FX - 59))+$(($2 + FY - 7))" +repage "$E2E_WORK/$3.png"; }
view_matches_screen() {
    local dy
    screenshot && crop 0 0 screen || return 1
    for dy in $(seq -"${SLACK:-0}" "${SLACK:-0}"); do
        crop $((CLIENT_L - VIEW_L)) $((CLIENT_T - VIEW_T + dy)) view &&
            [ "$(compare -metric AE "$E2E_WORK/screen.png" "$E2E_WORK/view.png" null: 2>&1)" = 0 ] && return
    done
    return 1
}
# type_along TEXT: types where the editor's caret is, until the view shows it there.
type_along() {
    wait_for 30 "the editor's caret in front" caret_point
    START_X=$FX
    # Keys sent before the editor has the keyboard are lost: the text is long enough to spare a few.
    xdotool type --delay 20 "$1"
    # Settled: far enough along, and where the previous look found it.
    caret_settled() { local before=$FX && caret_point && [ "$FX" -ge $((START_X + 80)) ] && [ "$FX" = "$before" ]; }
    wait_for 10 "the caret to move along the typed text and stop" caret_settled
    echo "  caret point ($FX, $FY), client ${CLIENT_W}x$CLIENT_H"
    view_geometry 1 "$FX" "$FY"
}
type_along "Hello caret, here "
wait_for 20 "the view centred on the caret" view_matches_screen
[ "$(convert "$E2E_WORK/screen.png" -format '%k' info:)" -gt 1 ] || fail "the compared area holds no text"
xdotool mousemove 300 300
wait_for 20 "the view to follow the pointer" eval '! view_matches_screen'
if native; then probe focus && xdotool search --sync --name '^caret view$' windowactivate --sync
else probe focus && probe focus Notepad; fi || fail "could not move the keyboard away and back"
wait_for 20 "the view back on the caret" view_matches_screen
if ! native; then close_magnifier && exit 0; fi

# centred_on X Y: the view shows the typed text left of the point as the screen does, the point
# at the view's centre.
centred_on() { FX=$1 FY=$2 && view_geometry 1 "$1" "$2" && view_matches_screen; }
# GTK 4 gives the caret on its window only. Unchecked, the caret leaves the view on the pointer
# over the text while typing goes on; a stopped editor holds nothing up: the pointer takes the view.
kill "$EDITOR_PID" && editor 4 && SLACK=2
type_along "GTK four follows "
wait_for 20 "the view centred on GTK 4's caret" view_matches_screen
caret=$FX line=$FY
menu_pick 20 20 7030  # Follow Text cursor
xdotool mousemove $((START_X + 60)) "$line"
wait_for 20 "the view on the pointer over the text" centred_on $((START_X + 60)) "$line"
xdotool search --sync --name '^caret view$' windowactivate --sync type --delay 20 "and on"
wait_for 10 "the caret to move on" eval 'caret_point && [ "$FX" -gt "$caret" ]'
centred_on $((START_X + 60)) "$line" || fail "an unchecked caret took the view"
menu_pick 20 20 7030
kill -STOP "$EDITOR_PID"
xdotool mousemove $((START_X + 90)) "$line"
wait_for 5 "the view on the pointer beside a stopped editor" centred_on $((START_X + 90)) "$line"
kill -CONT "$EDITOR_PID"
close_magnifier
# No accessibility bus: the program starts at once, says so once, and follows the pointer.
DBUS_SESSION_BUS_ADDRESS= start_magnifier
xdotool mousemove $((START_X + 60)) "$line"
wait_for 10 "the view on the pointer without a bus" centred_on $((START_X + 60)) "$line"
[ "$(wc -l <"$E2E_WORK/stderr")" = 1 ] || fail "not one line on standard error: $(cat "$E2E_WORK/stderr")"
close_magnifier
