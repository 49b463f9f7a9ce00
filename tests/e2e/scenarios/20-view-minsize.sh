# Dragging the window's frame below 128 x 64 pixels snaps it back to that minimum, one side at a
# time: 100 x 100 becomes 128 x 100, 200 x 40 becomes 200 x 64.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

view_settings
start_magnifier

outer_size_is() {
    read_window_rect
    [ "$((OUTER_R - OUTER_L))x$((OUTER_B - OUTER_T))" = "$1" ]
}

# drag_corner W H: drags the frame's bottom-right corner so that the outer size would be W x H.
drag_corner() {
    read_window_rect
    xdotool mousemove $((OUTER_R - 2)) $((OUTER_B - 2)) mousedown 1 \
        mousemove $((OUTER_L + $1 - 2)) $((OUTER_B - 2)) \
        mousemove $((OUTER_L + $1 - 2)) $((OUTER_T + $2 - 2)) mouseup 1
}

for case in "100 100 128x100" "300 300 300x300" "200 40 200x64" "128 64 128x64"; do
    read -r w h expected <<<"$case"
    drag_corner "$w" "$h"
    wait_for 20 "the window at $expected after dragging to ${w}x${h}" outer_size_is "$expected"
    log "dragged to ${w}x${h}: $expected"
done
close_magnifier
