# With option 7035 on, the mouse cursor is drawn into the view with its hotspot on the pointer;
# with it off, no cursor appears. Wine only hands out the image of a cursor that one of the
# program's own windows has set, so the pointer rests on the magnifier itself: at 100% with the
# pointer in the middle of the client area, the view captures exactly its own client area, and
# the cursor lands on the view centre.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_fine_pattern "$E2E_WORK/pattern.png"

# cursor_pixels SHOT: "count left top" of the client pixels that differ from the pattern the view
# showed around (200, 150) before the pointer moved onto the window; every later rendering
# copies that picture onto itself, so only a cursor can change it.
cursor_pixels() {
    dump_client "$1" "$E2E_WORK/cursor.txt"
    awk -v L="$PATTERN_L" -v T="$PATTERN_T" "$VIEW_PATTERN_AWK"'
        $3 != fine_hex(L + $1, T + $2) {
            n++
            if (left == "" || $1 < left) left = $1
            if (top == "" || $2 < top) top = $2
        }
        END { print n + 0, left, top }' "$E2E_WORK/cursor.txt"
}

cursor_shown() {
    screenshot "$E2E_WORK/poll.png"
    [ "$(cursor_pixels "$E2E_WORK/poll.png" | cut -d' ' -f1)" -ge 20 ]
}

for show in 1 0; do
    view_settings Set.Zoom=100 Set.ShowCursor=$show
    show_image "$E2E_WORK/pattern.png" 200 150
    start_magnifier
    move_pointer 200 150
    wait_for 20 "the view of the pattern" focus_block_shows 1 200 150
    PATTERN_L=$VIEW_L PATTERN_T=$VIEW_T

    px=$((CLIENT_W / 2)) py=$((CLIENT_H / 2))
    view_geometry 1 $((CLIENT_L + px)) $((CLIENT_T + py))
    [ "$VIEW_L,$VIEW_T,$VIEW_W,$VIEW_H" = "$CLIENT_L,$CLIENT_T,$CLIENT_W,$CLIENT_H" ] ||
        fail "the view around the client centre is not the client area itself"
    move_pointer $((CLIENT_L + px)) $((CLIENT_T + py))

    if [ $show = 1 ]; then
        wait_for 20 "the cursor in the view" cursor_shown
        read -r count left top <<<"$(cursor_pixels "$E2E_WORK/poll.png")"
        log "cursor: $count pixels changed from ($left, $top) on, pointer at ($px, $py)"
        expect_eq "$left,$top" "$px,$py" "top-left of the cursor image (its hotspot)"
    else
        # Auto refresh renders four times a second: two seconds see several renderings.
        deadline=$((SECONDS + 2))
        while [ $SECONDS -lt $deadline ]; do
            screenshot "$E2E_WORK/poll.png"
            read -r count left top <<<"$(cursor_pixels "$E2E_WORK/poll.png")"
            [ "$count" -eq 0 ] || fail "a cursor ($count pixels from ($left, $top) on) with 7035 off"
        done
    fi
    close_magnifier
done
