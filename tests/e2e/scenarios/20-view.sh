# The view shows the screen scaled by the zoom. At 200% and 400% every screen pixel is an exact
# 2 x 2 or 4 x 4 block where the geometry puts it, the focus pixel's at the middle; the view
# follows the pointer and stays pixel-identical while nothing moves; the centre cross (7040, on at
# 400%) inverts two adjacent columns and rows at the middle and nothing else. With 7035 on, the
# cursor is drawn with its hotspot on the pointer; with it off, none appears. At 50% and 10%
# black and white pixels average to grey, solid cells keep their colour where the geometry puts
# them, and what lies beyond the screen (at 10%) is black.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin
make_view_pattern "$E2E_WORK/pattern.png"

# start_view ZOOM FX FY KEY=VALUE...: the magnifier over the picture, the pointer at (FX, FY).
start_view() {
    view_settings Set.Zoom=$1 "${@:4}"
    show_image "$E2E_WORK/pattern.png" "$2" "$3"
    start_magnifier
    xdotool mousemove "$2" "$3"  # only now: Wine puts the pointer back where it was when it starts
}
for zoom in 200 400; do
    z=$((zoom / 100)) lines=$((zoom / 400))
    start_view $zoom 200 150 Set.ShowLines=$lines
    wait_for 20 "the view around (200, 150) at $zoom%" view_shows $z 200 150 $lines
    echo "  $zoom%: client ${CLIENT_W}x$CLIENT_H, captured ${VIEW_W}x$VIEW_H at ($VIEW_L, $VIEW_T)"
    # The focus pixel's block holds the client's middle, within the rounding of a pixel fraction.
    expect_in $((CLIENT_W / 2 - (200 - VIEW_L) * z)) -1 $((z + 1)) "focus block's x off the middle"
    expect_in $((CLIENT_H / 2 - (150 - VIEW_T) * z)) -1 $((z + 1)) "focus block's y off the middle"
    if [ $lines = 1 ]; then
        xdotool mousemove 260 210
        wait_for 20 "the view to follow the pointer" view_shows $z 260 210 1
        keeps_showing 2 $z 260 210 1
    fi
    close_magnifier
done

# Wine hands out only the image of a cursor that the program's own windows set, so the pointer
# rests on the magnifier: at 100%, pointing at the client's middle, the view captures its own
# client area, which keeps the picture it showed before.
for cursor in 1 0; do
    start_view 100 200 150 Set.ShowCursor=$cursor
    wait_for 20 "the view of the picture at 100%" view_shows 1 200 150 0
    x=$((CLIENT_W / 2)) y=$((CLIENT_H / 2))
    view_geometry 1 $((CLIENT_L + x)) $((CLIENT_T + y))
    expect_eq "$VIEW_L,$VIEW_T,$VIEW_W,$VIEW_H" "$CLIENT_L,$CLIENT_T,$CLIENT_W,$CLIENT_H" "view of the middle"
    xdotool mousemove $((CLIENT_L + x)) $((CLIENT_T + y))
    if [ $cursor = 1 ]; then
        wait_for 20 "the cursor in the view" eval 'view_shows 1 200 150 0; [ "$DIFF_N" -ge 20 ]'
        expect_eq "$DIFF_LEFT,$DIFF_TOP" "$x,$y" "top-left of the cursor image, its hotspot"
    else
        keeps_showing 2 1 200 150 0  # auto refresh renders four times a second
    fi
    close_magnifier
done

# expect_shown SX SY WANT TOLERANCE: the view pixel showing screen pixel (SX, SY) is WANT, RRGGBB
# or grey (808080 within 48), within TOLERANCE in every channel.
expect_shown() {
    local xy got k d
    xy=$(view_xy "$1" "$2") && got=$(client_pixel $xy)
    [ "$3" = grey ] && set -- "$1" "$2" 808080 48
    for k in 0 2 4; do
        d=$((16#${got:k:2} - 16#${3:k:2}))
        [ "${d#-}" -le "$4" ] || fail "screen ($1, $2) shows as $got at ($xy), not $3 within $4"
    done
}
at_cell() { echo $((544 + 64 * $1)) $((32 + 64 * $2)) "$(cell "$1" "$2")"; }  # the cell's middle
for zoom in 50 10; do
    start_view $zoom 512 300 Window.Left=740 Window.Top=480 Window.Width=260 Window.Height=260
    view_geometry 0.$zoom 512 300
    wait_for 20 "the reduced view at $zoom%" client_pixel_is $(view_xy 700 300) "$(cell 2 4)"
    echo "  $zoom%: client ${CLIENT_W}x$CLIENT_H, captured ${VIEW_W}x$VIEW_H at ($VIEW_L, $VIEW_T)"
    spots=("300 450 grey" "400 500 grey" "450 420 grey" "$(at_cell 1 2)" "$(at_cell 2 5)" "$(at_cell 3 1)")
    # Ten times the view around (512, 300) reaches far beyond the screen, where it is black.
    [ $zoom = 10 ] && spots+=("100 700 grey" "$(at_cell 5 1)" "$(at_cell 7 0)" "-200 -200 000000"
        "1200 -200 000000" "-200 900 000000" "1200 900 000000")
    for spot in "${spots[@]}"; do expect_shown $spot $((zoom == 50 ? 3 : 6)); done
    close_magnifier
done
