# The view shows the screen scaled by the zoom. At 200% and 400% every screen pixel is an exact
# 2 x 2 or 4 x 4 block where the geometry puts it, the focus pixel's at the middle; the view
# follows the pointer and stays pixel-identical while nothing moves; the centre cross (7040, on at
# 400%) inverts two adjacent columns and rows at the middle and nothing else. At 50% and 10% black
# and white pixels average to grey, solid cells keep their colour where the geometry puts them,
# and what lies beyond the screen (at 10%) is black.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin
make_view_pattern "$E2E_WORK/pattern.png"

# expect_band "A,B,-" MIDDLE WHAT: two adjacent lines at the middle or just before it: half the
# size in twips, unrounded, lies on a pixel edge or inside pixel MIDDLE.
expect_band() {
    [ "$1" = "${1%%,*},$((${1%%,*} + 1)),-" ] || fail "$3: not two adjacent lines ($1)"
    expect_in "${1%%,*}" $(($2 - 2)) "$2" "$3"
}
for zoom in 200 400; do
    z=$((zoom / 100)) lines=$((zoom / 400))
    view_settings Set.Zoom=$zoom Set.ShowLines=$lines
    show_image "$E2E_WORK/pattern.png" 200 150
    start_magnifier
    xdotool mousemove 200 150  # only now: Wine puts the pointer back where it was when it starts
    wait_for 20 "the view around (200, 150) at $zoom%" view_shows $z 200 150 $lines
    echo "  $zoom%: client ${CLIENT_W}x$CLIENT_H, captured ${VIEW_W}x$VIEW_H at ($VIEW_L, $VIEW_T)"
    # The focus pixel's block holds the client's middle, within the rounding of a pixel fraction.
    expect_in $((CLIENT_W / 2 - (200 - VIEW_L) * z)) -1 $((z + 1)) "focus block's x off the middle"
    expect_in $((CLIENT_H / 2 - (150 - VIEW_T) * z)) -1 $((z + 1)) "focus block's y off the middle"
    if [ $lines = 1 ]; then
        expect_band "$DIFF_COLS" $((CLIENT_W / 2)) "vertical line"
        expect_band "$DIFF_ROWS" $((CLIENT_H / 2)) "horizontal line"
        xdotool mousemove 260 210
        wait_for 20 "the view to follow the pointer" view_shows $z 260 210 1
        keeps_showing 2 $z 260 210 1
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
    view_settings Set.Zoom=$zoom Window.Left=740 Window.Top=480 Window.Width=260 Window.Height=260
    show_image "$E2E_WORK/pattern.png" 700 300
    start_magnifier
    xdotool mousemove 512 300
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
