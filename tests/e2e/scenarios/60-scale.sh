# Exact at every display scale: at 96, 144, 168 and 192 dpi the first-run window is 128 x 128
# pixels at (32, 32), and at 400% each screen pixel around the pointer fills a 4 x 4 block where
# the view geometry puts it, the pointer's pixel at the view's middle (within the rounding of the
# view rectangle to whole pixels, at most one block).
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_view_pattern "$E2E_WORK/pattern.png"
for dpi in 96 144 168 192; do
    set_dpi $dpi
    wine reg delete "$SETTINGS_KEY" /f >/dev/null 2>&1
    set_settings Set.Zoom=400 Set.FollowText=0 Set.ShowCursor=0 Set.ShowLines=0 \
        Set.ShowCoordinates=0 Set.ShowColorsHex=0 Set.ShowColorsDec=0
    start_magnifier
    expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 32,32,128,128 "first-run window at $dpi dpi"
    show_image "$E2E_WORK/pattern.png" 300 200
    xdotool mousemove 300 200
    wait_for 20 "the view at 400% around (300, 200) at $dpi dpi" view_shows 4 300 200 0
    read -r x y < <(view_xy 300 200)
    expect_in $((x - CLIENT_W / 2)) -4 4 "the pointer's pixel across the view at $dpi dpi"
    expect_in $((y - CLIENT_H / 2)) -4 4 "the pointer's pixel down the view at $dpi dpi"
    close_magnifier
done
