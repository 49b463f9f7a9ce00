# Menu and keys: the first tick, picks by mouse and F1, topmost as stored and from the menu, Alt+F4
# and Close; natively SIGTERM with the menu open and Alt+F4 without a window manager.
. "$(dirname "$0")/../lib.sh"
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

xdotool key alt+F4
wait_exit || fail "Alt+F4 ended the magnifier with exit code $?"
expect_settings Set.Zoom=400 Set.ShowColorsHex=1 Set.FollowMouse=0 Window.OnTop=1

set_settings Window.OnTop=0
start_magnifier
expect_eq "$TOPMOST" 0 "topmost with Window.OnTop = 0"
menu_pick 50 50 8010  # Window in foreground
wait_for 20 "the window on top" eval 'read_window_rect && [ "$TOPMOST" = 1 ]'
if native; then
    xdotool mousemove $((CLIENT_L + 90)) $((CLIENT_T + 50)) click 3 && wait_for 20 "the menu" probe menu
    kill -TERM "$E2E_APP_PID"
    wait_exit || fail "SIGTERM with the menu open ended the magnifier with exit code $?"
    expect_settings Window.OnTop=1 Set.Zoom=400
    wm_stop
    start_magnifier
    probe focus && xdotool key alt+F4 || fail "no keyboard for Alt+F4"
    wait_exit || fail "Alt+F4 without a window manager ended the magnifier with exit code $?"
    start_magnifier
fi
menu_pick 50 50 9999  # Close
wait_exit || fail "Close ended the magnifier with exit code $?"
