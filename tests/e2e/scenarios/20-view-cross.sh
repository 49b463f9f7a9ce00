# With option 7040 on, the centre cross inverts the view's pixels under it: a band two pixels
# wide through the middle of the client area, vertical and horizontal, and nothing else.
. "$(dirname "$0")/../lib.sh"
. "$(dirname "$0")/../view_lib.sh"
e2e_begin

make_fine_pattern "$E2E_WORK/pattern.png"

for lines in 0 1; do
    view_settings Set.Zoom=400 Set.ShowLines=$lines
    show_image "$E2E_WORK/pattern.png" 200 150
    start_magnifier
    move_pointer 200 150
    # A block away from the lines (the focus block lies under them).
    wait_for 20 "the view at 400%" focus_block_shows 4 200 150 190 140
    screenshot "$E2E_WORK/lines-$lines.png"
    dump_client "$E2E_WORK/lines-$lines.png" "$E2E_WORK/lines-$lines.txt"
    close_magnifier
done

# Per pixel: same, inverted or other; then the columns and rows that are inverted throughout
# (apart from where the two lines cross and invert each other back).
read -r other columns rows stray <<<"$(
    awk -v w="$CLIENT_W" -v h="$CLIENT_H" '
        function inverse(hex,    out, k, d) {
            out = ""
            for (k = 1; k <= 6; k++) {
                d = index("0123456789ABCDEF", substr(hex, k, 1)) - 1
                out = out substr("FEDCBA9876543210", d + 1, 1)
            }
            return out
        }
        NR == FNR { before[$1 " " $2] = $3; next }
        {
            key = $1 " " $2
            if ($3 == before[key]) next
            if ($3 != inverse(before[key])) { other++; next }
            inverted[key] = 1; perColumn[$1]++; perRow[$2]++
        }
        END {
            for (x = 0; x < w; x++) if (perColumn[x] >= h - 4) { cols = cols x ","; isCol[x] = 1 }
            for (y = 0; y < h; y++) if (perRow[y] >= w - 4) { rws = rws y ","; isRow[y] = 1 }
            for (key in inverted) { split(key, p, " "); if (!isCol[p[1]] && !isRow[p[2]]) stray++ }
            print other + 0, (cols == "" ? "-" : cols), (rws == "" ? "-" : rws), stray + 0
        }' "$E2E_WORK/lines-0.txt" "$E2E_WORK/lines-1.txt"
)"
log "client ${CLIENT_W}x${CLIENT_H}: inverted columns $columns rows $rows; $other other, $stray stray changes"
expect_eq "$other" 0 "pixels changed otherwise than inverted"
expect_eq "$stray" 0 "inverted pixels outside the cross"

# Two adjacent lines at the middle: half the width in twips, not rounded, lies on a pixel edge
# or inside pixel CLIENT_W / 2.
check_band() {
    local band=$1 half=$2 what=$3 first second
    IFS=, read -r first second _ <<<"$band"
    [ -n "$second" ] && [ $((second - first)) -eq 1 ] || fail "$what: not two adjacent lines ($band)"
    [ "$first" -ge $((half - 2)) ] && [ "$second" -le $((half + 1)) ] ||
        fail "$what at $first,$second is not at the middle ($half)"
}
check_band "$columns" $((CLIENT_W / 2)) "vertical line"
check_band "$rows" $((CLIENT_H / 2)) "horizontal line"
