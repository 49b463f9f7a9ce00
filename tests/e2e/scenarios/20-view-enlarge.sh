# At 200% and 400% every screen pixel around the focus point fills a 2 x 2 or 4 x 4 block of the
# view, at the place the view geometry gives; the view follows the pointer and stays still while
# nothing moves.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_fine_pattern "$E2E_WORK/pattern.png"

for zoom in 200 400; do
    factor=$((zoom / 100))
    view_settings Set.Zoom=$zoom
    # After the settings: Wine's first start in a prefix clears the X screen.
    show_image "$E2E_WORK/pattern.png" 200 150
    start_magnifier
    move_pointer 200 150  # only now: Wine puts the pointer back where it had it when it starts
    log "zoom $zoom%: client ${CLIENT_W}x${CLIENT_H}"

    wait_for 20 "the focus pixel magnified at $zoom%" focus_block_shows $factor 200 150
    view_geometry $factor 200 150
    log "captured ${VIEW_W}x${VIEW_H} at ($VIEW_L, $VIEW_T), picture ${PIC_W}x${PIC_H}"
    screenshot "$E2E_WORK/view-$zoom.png"
    dump_client "$E2E_WORK/view-$zoom.png" "$E2E_WORK/view-$zoom.txt"
    check_blocks "$E2E_WORK/view-$zoom.txt" $factor 200 150 6 ||
        fail "the screen around (200, 150) is not magnified exactly at $zoom%"

    # The focus pixel sits at the view centre: its block holds the client centre, within the
    # rounding of a fraction of a pixel.
    cx=$(( (200 - VIEW_L) * factor )) cy=$(( (150 - VIEW_T) * factor ))
    [ $((CLIENT_W / 2 - cx)) -ge -1 ] && [ $((CLIENT_W / 2 - cx)) -le $((factor + 1)) ] &&
        [ $((CLIENT_H / 2 - cy)) -ge -1 ] && [ $((CLIENT_H / 2 - cy)) -le $((factor + 1)) ] ||
        fail "focus block at ($cx, $cy) is not at the centre of ${CLIENT_W}x${CLIENT_H}"

    if [ "$zoom" = 400 ]; then
        move_pointer 260 210
        wait_for 20 "the view to follow the pointer" focus_block_shows $factor 260 210
        screenshot "$E2E_WORK/moved.png"
        dump_client "$E2E_WORK/moved.png" "$E2E_WORK/moved.txt"
        check_blocks "$E2E_WORK/moved.txt" $factor 260 210 6 ||
            fail "the view around (260, 210) is not magnified exactly"
        expect_still 2
    fi
    close_magnifier
done
