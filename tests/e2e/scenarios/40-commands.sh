# Menu, keys and drag: a zoom picked after a right-click shows at the next rendering; an overlay
# picked from the keyboard (F1) at once, with nothing moving and no auto refresh. A left drag moves
# the window by its distance. Topmost by default; Alt+F4 ends with 0 and stores the state; with
# "Window.OnTop" = "0" it is not topmost, and the menu's Close ends it too.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_view_pattern "$E2E_WORK/pattern.png"
view_settings Set.Zoom=200 Set.AutoRefresh=0
start_magnifier
show_image "$E2E_WORK/pattern.png" 200 150
expect_eq "$TOPMOST" 1 "topmost by default"

menu_pick 150 150 Down Down Down Down Down Down Down Down  # the eighth item: zoom 400%
xdotool mousemove 200 150
wait_for 20 "the view at 400% around (200, 150)" view_shows 4 200 150 0

probe focus || fail "the magnifier did not take the keyboard"
xdotool key F1
wait_for 20 "the popup menu from F1" probe menu
xdotool key Up Up Up Up Up Up Up Up Return  # eighth from the end: RGB values (hex)
wait_for 10 "the hexadecimal box at once" client_pixel_is 5 $((CLIENT_H - 8)) "$(awk "$VIEW_AWK"'BEGIN { print fine(200, 150) }')"

x=$((CLIENT_L + 100)) y=$((CLIENT_T + 100)) left=$OUTER_L top=$OUTER_T
xdotool mousemove $x $y mousedown 1 mousemove $((x + 50)) $((y + 30)) \
    mousemove $((x + 150)) $((y + 100)) mouseup 1
moved_to() { read_window_rect && [ "$OUTER_L,$OUTER_T" = "$1" ]; }
wait_for 20 "the window dragged by (150, 100) in a few steps" moved_to "$((left + 150)),$((top + 100))"

probe focus || fail "the magnifier did not take the keyboard"
xdotool key alt+F4
wait_exit || fail "Alt+F4 ended the magnifier with exit code $?"
expect_settings Window.Left=$((left + 150)) Window.Top=$((top + 100)) Set.Zoom=400 \
    Set.ShowColorsHex=1 Window.OnTop=1

set_settings Window.OnTop=0
start_magnifier
expect_eq "$TOPMOST" 0 "topmost with Window.OnTop = 0"
menu_pick 50 50 Up  # the last item: Close
wait_exit || fail "Close ended the magnifier with exit code $?"
