# The view, exact at 96 to 192 dpi: a first-run window of 128 x 128 pixels at (32, 32); at 200% and
# 400% every screen pixel an exact block where the geometry puts it; it follows the pointer and holds
# still while nothing moves; the centre cross (7040) inverts two columns and rows at the middle; the
# cursor (7035) at its hotspot. At 50% and 10% black and white average to grey, solid cells keep
# their colour where the geometry puts them, and beyond the screen is black.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin
make_view_pattern "$E2E_WORK/pattern.png"

# start_view ZOOM FX FY KEY[=VALUE]...: the magnifier over the picture, the pointer at (FX, FY).
start_view() {
    view_settings Set.Zoom=$1 "${@:4}"
    show_image "$E2E_WORK/pattern.png" "$2" "$3"
    start_magnifier
    xdotool mousemove "$2" "$3"  # only now: Wine puts the pointer back where it was when it starts
}
for run in "96 200 0" "144 400 1" "168 400 0" "192 400 0"; do
    read -r dpi zoom lines <<<"$run"
    z=$((zoom / 100))
    set_dpi $dpi
    start_view $zoom 200 150 Set.ShowLines=$lines Window.Left Window.Top Window.Width Window.Height
    expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 32,32,128,128 "first-run window at $dpi dpi"
    wait_for 20 "the view around (200, 150) at $zoom% and $dpi dpi" view_shows $z 200 150 $lines
    echo "  $dpi dpi: client ${CLIENT_W}x$CLIENT_H, captured ${VIEW_W}x$VIEW_H at ($VIEW_L, $VIEW_T)"
    # The focus pixel lies within a block of the middle: the view rectangle is whole pixels.
    read -r x y < <(view_xy 200 150)
    expect_in $((x - CLIENT_W / 2)) -$z $z "the focus pixel across the view at $dpi dpi"
    expect_in $((y - CLIENT_H / 2)) -$z $z "the focus pixel down the view at $dpi dpi"
    if [ $lines = 1 ]; then
        xdotool mousemove 260 210
        wait_for 20 "the view to follow the pointer" view_shows $z 260 210 1
        keeps_showing 2 $z 260 210 1
    fi
    close_magnifier
done
set_dpi 96

# Wine hands out only the image of a cursor that the program's own windows set, so the pointer
# rests on the magnifier: at 100%, pointing at the client's middle, the view captures its own
# client area, which keeps the picture it showed before, and the cursor at the hotspot.
start_view 100 200 150 Set.ShowCursor=1
wait_for 20 "the view of the picture at 100%" view_shows 1 200 150 0
x=$((CLIENT_W / 2)) y=$((CLIENT_H / 2))
view_geometry 1 $((CLIENT_L + x)) $((CLIENT_T + y))
expect_eq "$VIEW_L,$VIEW_T,$VIEW_W,$VIEW_H" "$CLIENT_L,$CLIENT_T,$CLIENT_W,$CLIENT_H" "view of the middle"
xdotool mousemove $((CLIENT_L + x)) $((CLIENT_T + y))
wait_for 20 "the cursor in the view" eval 'view_shows 1 200 150 0; [ "$DIFF_N" -ge 20 ]'
expect_eq "$DIFF_LEFT,$DIFF_TOP" "$x,$y" "top-left of the cursor image, its hotspot"
close_magnifier

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
