# With 7035 on, the cursor is drawn into the view with its hotspot on the pointer; with it off,
# none appears. Wine hands out only the image of a cursor that the program's own windows set, so
# the pointer rests on the magnifier: at 100% with the pointer at the client's middle, the view
# captures exactly its own client area, which keeps the picture it showed before.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin
make_view_pattern "$E2E_WORK/pattern.png"

for show in 1 0; do
    view_settings Set.Zoom=100 Set.ShowCursor=$show
    show_image "$E2E_WORK/pattern.png" 200 150
    start_magnifier
    xdotool mousemove 200 150
    wait_for 20 "the view of the picture" view_shows 1 200 150 0
    px=$((CLIENT_W / 2)) py=$((CLIENT_H / 2))
    view_geometry 1 $((CLIENT_L + px)) $((CLIENT_T + py))
    expect_eq "$VIEW_L,$VIEW_T,$VIEW_W,$VIEW_H" "$CLIENT_L,$CLIENT_T,$CLIENT_W,$CLIENT_H" "the view around the client's middle"
    xdotool mousemove $((CLIENT_L + px)) $((CLIENT_T + py))
    if [ $show = 1 ]; then
        cursor_drawn() { view_shows 1 200 150 0; [ "$DIFF_N" -ge 20 ]; }
        wait_for 20 "the cursor in the view" cursor_drawn
        expect_eq "$DIFF_LEFT,$DIFF_TOP" "$px,$py" "top-left of the cursor image, its hotspot"
    else
        keeps_showing 2 1 200 150 0  # auto refresh renders four times a second
    fi
    close_magnifier
done
