# Caret and mouse: typing in Notepad centres the view (100%) on the caret's left edge at the middle
# of its height; the pointer moved takes the view, the caret that goes and comes back in place
# takes it back.
. "$(dirname "$0")/../lib.sh"
only_on windows  # the native program follows no caret yet
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

view_settings Set.FollowMouse=1 Set.FollowText=1 Set.Zoom=100 Window.Left=700 Window.Top=520 \
    Window.Width=300 Window.Height=220
start_magnifier
wine notepad &
# caret_point: sets FX, FY to the caret's point, the middle rounded halves to even.
caret_point() {
    local out && out=$(probe caret) || return 1
    set -- $out
    FX=$2 FY=$(awk "$VIEW_AWK"'BEGIN { print rhe('"$3 + $4"' / 2) }')
}
wait_for 30 "Notepad's caret in front" caret_point
START_X=$FX
# Keys sent before Notepad has the keyboard are lost: the text is long enough to spare a few.
xdotool type --delay 20 "Hello caret, here "
# Settled: far enough along, and where the previous look found it.
caret_settled() { local before=$FX && caret_point && [ "$FX" -ge $((START_X + 80)) ] && [ "$FX" = "$before" ]; }
wait_for 10 "the caret to move along the typed text and stop" caret_settled
echo "  caret point ($FX, $FY), client ${CLIENT_W}x$CLIENT_H"
view_geometry 1 "$FX" "$FY"

# The typed text left of the caret, the blinking caret left out, is the same in view and screen.
crop() { convert "$SHOT" -crop "56x15+$(($1 + FX - 59))+$(($2 + FY - 7))" +repage "$E2E_WORK/$3.png"; }
view_matches_screen() {
    screenshot && crop 0 0 screen && crop $((CLIENT_L - VIEW_L)) $((CLIENT_T - VIEW_T)) view &&
        [ "$(compare -metric AE "$E2E_WORK/screen.png" "$E2E_WORK/view.png" null: 2>&1)" = 0 ]
}
wait_for 20 "the view centred on the caret" view_matches_screen
[ "$(convert "$E2E_WORK/screen.png" -format '%k' info:)" -gt 1 ] || fail "the compared area holds no text"
xdotool mousemove 300 300
wait_for 20 "the view to follow the pointer" eval '! view_matches_screen'
probe focus && probe focus Notepad || fail "could not move the keyboard away and back"
wait_for 20 "the view back on the caret" view_matches_screen
close_magnifier
