# The window opens at 128 x 128 pixels at (32, 32) when nothing is stored (the stored rectangle
# is checked with the settings). Dragging the frame below 128 x 64 snaps it back to that minimum,
# one side at a time. Closing the window as the system does ends the program with exit code 0.
. "$(dirname "$0")/../lib.sh"
e2e_begin

start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 32,32,128,128 "first-run window rectangle"
outer_size_is() { read_window_rect && [ "${OUTER_W}x$OUTER_H" = "$1" ]; }
for case in "100 100 128x100" "300 300 300x300" "200 40 200x64" "128 64 128x64"; do
    read -r w h size <<<"$case"
    # The frame's bottom-right corner, dragged so that the outer size would be w x h.
    x=$((OUTER_L + OUTER_W - 2)) y=$((OUTER_T + OUTER_H - 2)) x2=$((OUTER_L + w - 2)) y2=$((OUTER_T + h - 2))
    xdotool mousemove $x $y mousedown 1 mousemove $x2 $y mousemove $x2 $y2 mouseup 1
    wait_for 20 "the window at $size after dragging it to ${w}x$h" outer_size_is "$size"
done
close_magnifier

