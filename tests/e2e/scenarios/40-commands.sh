# Menu, keys and drag: with no auto refresh and the pointer resting at (0, 0), the first tick
# renders (the centre cross shows). A zoom picked after a right-click shows at the next rendering;
# an overlay picked from the keyboard (F1) at once, with nothing moving: the hexadecimal box, after
# Follow Mouse was turned off, in the colour under the pointer where following stopped. A left
# drag moves the window by its distance. Topmost by default; Alt+F4 ends with 0 and stores the
# state; with "Window.OnTop" = "0" it is not topmost, and the menu's Close ends it too.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_view_pattern "$E2E_WORK/pattern.png"
view_settings Set.Zoom=200 Set.AutoRefresh=0 Set.ShowLines=1
xdotool mousemove 0 0  # after Wine's desktop has started, which puts the pointer in the middle
start_magnifier
wait_for 20 "the centre cross of the first tick" client_pixel_is $((CLIENT_W / 2)) 5 FFFFFF
show_image "$E2E_WORK/pattern.png" 200 150
expect_eq "$TOPMOST" 1 "topmost by default"

menu_pick 150 150 400  # zoom 400%
xdotool mousemove 200 150
wait_for 20 "the view at 400% around (200, 150)" view_shows 4 200 150 1

probe focus || fail "the magnifier did not take the keyboard"
key_pick 7020  # Follow Mouse cursor
key_pick 7060  # RGB values (hex)
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
    Set.ShowColorsHex=1 Set.FollowMouse=0 Window.OnTop=1

set_settings Window.OnTop=0
start_magnifier
expect_eq "$TOPMOST" 0 "topmost with Window.OnTop = 0"
menu_pick 50 50 9999  # Close
wait_exit || fail "Close ended the magnifier with exit code $?"
