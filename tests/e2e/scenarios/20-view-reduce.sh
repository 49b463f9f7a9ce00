# At 50% and 10% the view shows the screen reduced with averaged colours: a checkerboard of
# single black and white pixels turns grey, solid cells keep their colour at the place the view
# geometry gives, and what lies off the screen (at 10%) is black. The program keeps running.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_reduction_pattern "$E2E_WORK/pattern.png"
FX=512 FY=300  # the window (740, 480)-(1000, 740) stays clear of every checked point

# view_xy SX SY: the client pixel that shows the middle of screen pixel (SX, SY).
view_xy() {
    awk -v sx="$1" -v sy="$2" -v L="$VIEW_L" -v T="$VIEW_T" -v W="$VIEW_W" -v H="$VIEW_H" \
        -v pw="$PIC_W" -v ph="$PIC_H" \
        'BEGIN { print int((sx + 0.5 - L) * pw / W), int((sy + 0.5 - T) * ph / H) }'
}

# near HEX1 HEX2 TOLERANCE: every channel within TOLERANCE.
near() {
    awk -v a="$1" -v b="$2" -v t="$3" 'function ch(h, i) { return index("0123456789ABCDEF", substr(h, i, 1)) - 1 }
        function v(h, k) { return ch(h, 2 * k - 1) * 16 + ch(h, 2 * k) }
        BEGIN { for (k = 1; k <= 3; k++) { d = v(a, k) - v(b, k); if (d > t || d < -t) exit 1 } }'
}

# grey HEX: a mid grey, as an even mix of black and white gives.
grey() {
    awk -v a="$1" 'function ch(h, i) { return index("0123456789ABCDEF", substr(h, i, 1)) - 1 }
        function v(h, k) { return ch(h, 2 * k - 1) * 16 + ch(h, 2 * k) }
        BEGIN { r = v(a, 1); g = v(a, 2); b = v(a, 3)
                if (r < 80 || r > 176 || g < 80 || g > 176 || b < 80 || b > 176) exit 1
                if (r - g > 8 || g - r > 8 || g - b > 8 || b - g > 8) exit 1 }'
}

expect_grey_at() {
    local xy got
    xy=$(view_xy "$2" "$3")
    got=$(client_pixel "$1" $xy)
    grey "$got" || fail "screen ($2, $3), view ($xy): $got is not the grey of black and white"
}

expect_cell_at() {
    local sx=$((512 + 64 * $2 + 32)) sy=$((64 * $3 + 32)) xy got want
    want=$(cell_colour "$2" "$3")
    xy=$(view_xy $sx $sy)
    got=$(client_pixel "$1" $xy)
    near "$got" "$want" "$4" || fail "cell ($2, $3) at screen ($sx, $sy), view ($xy): $got, expected $want"
}

view_visible() {
    screenshot "$E2E_WORK/poll.png"
    [ "$(client_pixel "$E2E_WORK/poll.png" "$@")" = "$(cell_colour 2 4)" ]
}

for zoom in 50 10; do
    factor=$(awk -v z=$zoom 'BEGIN { print z / 100 }')
    view_settings Set.Zoom=$zoom Window.Left=740 Window.Top=480 Window.Width=260 Window.Height=260
    show_image "$E2E_WORK/pattern.png" 700 300
    start_magnifier
    move_pointer $FX $FY
    view_geometry "$factor" $FX $FY
    log "zoom $zoom%: client ${CLIENT_W}x${CLIENT_H}, captured ${VIEW_W}x${VIEW_H} at ($VIEW_L, $VIEW_T), picture ${PIC_W}x${PIC_H}"
    wait_for 20 "the reduced view at $zoom%" view_visible $(view_xy 700 300)
    shot="$E2E_WORK/view-$zoom.png"
    screenshot "$shot"

    expect_grey_at "$shot" 300 150
    expect_grey_at "$shot" 400 250
    expect_grey_at "$shot" 450 450
    if [ $zoom = 50 ]; then
        expect_cell_at "$shot" 1 2 3
        expect_cell_at "$shot" 2 5 3
        expect_cell_at "$shot" 3 1 3
    else
        expect_grey_at "$shot" 100 700
        expect_cell_at "$shot" 1 2 6
        expect_cell_at "$shot" 5 1 6
        expect_cell_at "$shot" 7 0 6
        # Ten times the view around (512, 300) reaches far beyond the 1024 x 768 screen.
        for xy in "3 3" "$((CLIENT_W - 4)) 3" "3 $((CLIENT_H - 4))" "$((CLIENT_W - 4)) $((CLIENT_H - 4))"; do
            expect_eq "$(client_pixel "$shot" $xy)" 000000 "off-screen view pixel ($xy)"
        done
    fi
    probe rect >/dev/null || fail "the magnifier is gone at $zoom%"
    close_magnifier
done
