# With the coordinate read-out on, outlined text (light grey on dark grey) appears at the top
# left of the view, and at the top right only while a measurement is in progress. Only colours
# are checked; glyph shapes depend on Wine's fonts.
. "$(dirname "$0")/../lib.sh"
e2e_begin

SURROUND=406080
TEXT=EFEFEF     # RGB(239, 239, 239)
OUTLINE=5F5F5F  # RGB(95, 95, 95)
convert -size "${E2E_SCREEN_W}x${E2E_SCREEN_H}" "xc:#$SURROUND" "$E2E_WORK/screen.png" ||
    fail "could not make the image"
view_settings Window.Left=40 Window.Top=40 Window.Width=260 Window.Height=200 Set.Zoom=400 \
    Set.ShowCoordinates=1
start_magnifier
show_image "$E2E_WORK/screen.png"
move_pointer 600 400

# count_colour FILE COLOUR X Y W H: how many pixels of that colour the client rectangle holds.
count_colour() {
    convert "$1" -crop "${5}x${6}+$((CLIENT_L + $3))+$((CLIENT_T + $4))" +repage txt:- |
        grep -ci "#$2"
}

shot="$E2E_WORK/coordinates.png"
top_left_has_text() {
    screenshot "$shot"
    [ "$(count_colour "$shot" "$TEXT" 0 0 $((CLIENT_W / 2)) 16)" -ge 10 ]
}
wait_for 20 "read-out text at the top left" top_left_has_text
outline=$(count_colour "$shot" "$OUTLINE" 0 0 $((CLIENT_W / 2)) 16)
[ "$outline" -ge 10 ] || fail "no outline around the text at the top left ($outline pixels)"
right=$(count_colour "$shot" "$TEXT" $((CLIENT_W / 2)) 0 $((CLIENT_W / 2)) 32)
expect_eq "$right" 0 "text pixels at the top right without a measurement"

# A measurement: hold the left button and move. The button goes down on the view, where Wine
# sees it; the window is read again on every poll in case the press dragged it along.
start_x=$((CLIENT_L + CLIENT_W / 2))
start_y=$((CLIENT_T + CLIENT_H / 2))
# The anchor is where a tick last saw the pointer move with no button held: wait until the
# read-out at the top left has changed from the old pointer position before pressing.
top_left_text() {
    convert "$1" -crop "$((CLIENT_W / 2))x16+${CLIENT_L}+${CLIENT_T}" +repage txt:- | tail -n +2
}
before=$(top_left_text "$shot")
move_pointer "$start_x" "$start_y"
read_out_moved() {
    screenshot "$E2E_WORK/poll.png"
    [ "$(top_left_text "$E2E_WORK/poll.png")" != "$before" ]
}
wait_for 20 "the read-out to show the new pointer position" read_out_moved
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8; do
    move_pointer $((start_x + 5 * step)) $((start_y + 4 * step))
done
top_right_has_two_lines() {
    screenshot "$shot"
    read_window_rect
    [ "$(count_colour "$shot" "$TEXT" $((CLIENT_W / 2)) 0 $((CLIENT_W / 2)) 13)" -ge 10 ] &&
        [ "$(count_colour "$shot" "$TEXT" $((CLIENT_W / 2)) 14 $((CLIENT_W / 2)) 13)" -ge 10 ]
}
wait_for 20 "distance and angle at the top right while the button is held" top_right_has_two_lines
xdotool mouseup 1
close_magnifier
