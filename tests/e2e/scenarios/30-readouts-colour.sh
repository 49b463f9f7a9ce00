# With a known colour under the pointer and the hexadecimal, decimal and CMYK read-outs on, the
# hexadecimal box at the bottom left is filled with exactly that colour and the tinted cells sit
# at the bottom right: R, G, B on the bottom line, C, M, Y, K one line higher. Only box colours
# are checked; glyph shapes depend on Wine's fonts.
. "$(dirname "$0")/../lib.sh"
e2e_begin

# A dark blue screen with an orange patch around (600, 400): RGB(200, 120, 40) is CMYK
# (0, 40, 80, 21.57), so the boxes are C FFFFFF, M FF99FF (255 - 102), Y FFFF33 (255 - 204),
# K C8C8C8 (255 - 55); the decimal boxes are C80000, 007800, 000028.
SURROUND=104070
PATCH=C87828
convert -size "${E2E_SCREEN_W}x${E2E_SCREEN_H}" "xc:#$SURROUND" -fill "#$PATCH" \
    -draw 'rectangle 592,392 607,407' "$E2E_WORK/screen.png" || fail "could not make the image"
view_settings Window.Left=40 Window.Top=40 Window.Width=260 Window.Height=200 Set.Zoom=400 \
    Set.ShowColorsHex=1 Set.ShowColorsDec=1 Set.ShowColorsCMYK=1
start_magnifier
show_image "$E2E_WORK/screen.png" 600 400
move_pointer 600 400

# The box's left column (one pixel left of the text) near its bottom holds no glyph.
HEX_X=5
HEX_Y=$((CLIENT_H - 8))
wait_for 20 "the hexadecimal box in the pointer's colour" client_pixel_is "$HEX_X" "$HEX_Y" "$PATCH"
shot="$E2E_WORK/readouts.png"
screenshot "$shot"
expect_eq "$(client_pixel "$shot" 1 "$HEX_Y")" "$SURROUND" "the view left of the hexadecimal box"

# colour_stats FILE X Y W H: for each colour in that client rectangle, "RRGGBB count meanX meanY".
colour_stats() {
    convert "$1" -crop "${4}x${5}+$((CLIENT_L + $2))+$((CLIENT_T + $3))" +repage txt:- |
        awk -F'[ ,:]+' '/^[0-9]/ {
                for (i = 1; i <= NF; i++) if ($i ~ /^#/) { c = toupper(substr($i, 2, 6)); break }
                n[c]++; sx[c] += $1; sy[c] += $2
            }
            END { for (c in n) printf "%s %d %d %d\n", c, n[c], sx[c] / n[c], sy[c] / n[c] }'
}

# The right half of the bottom 48 rows.
RIGHT_X=$((CLIENT_W / 2))
BOTTOM_Y=$((CLIENT_H - 48))
stats=$(colour_stats "$shot" "$RIGHT_X" "$BOTTOM_Y" $((CLIENT_W - RIGHT_X)) 48)
log "bottom right colours: $(tr '\n' ';' <<<"$stats")"

# box_at COLOUR: "meanX meanY" of a box colour, failing when it covers fewer than 20 pixels.
box_at() {
    local line
    line=$(awk -v c="$1" '$1 == c' <<<"$stats")
    [ -n "$line" ] || fail "no box of colour $1 at the bottom right"
    read -r _ count x y <<<"$line"
    [ "$count" -ge 20 ] || fail "box of colour $1 covers only $count pixels"
    echo "$x $y"
}

read -r rx ry <<<"$(box_at C80000)"
read -r gx gy <<<"$(box_at 007800)"
read -r bx by <<<"$(box_at 000028)"
read -r cx cy <<<"$(box_at FFFFFF)"
read -r mx my <<<"$(box_at FF99FF)"
read -r yx yy <<<"$(box_at FFFF33)"
read -r kx ky <<<"$(box_at C8C8C8)"
log "R ($rx,$ry) G ($gx,$gy) B ($bx,$by); C ($cx,$cy) M ($mx,$my) Y ($yx,$yy) K ($kx,$ky)"

[ "$rx" -lt "$gx" ] && [ "$gx" -lt "$bx" ] || fail "decimal cells not in the order R, G, B"
[ "$cx" -lt "$mx" ] && [ "$mx" -lt "$yx" ] && [ "$yx" -lt "$kx" ] ||
    fail "CMYK cells not in the order C, M, Y, K"
# K takes B's column and C, M, Y move one column left.
[ $((kx - bx)) -ge -2 ] && [ $((kx - bx)) -le 2 ] || fail "K is not in B's column"
[ $((yx - gx)) -ge -2 ] && [ $((yx - gx)) -le 2 ] || fail "Y is not in G's column"
[ $((mx - rx)) -ge -2 ] && [ $((mx - rx)) -le 2 ] || fail "M is not in R's column"
for y in "$ry" "$gy" "$by"; do
    [ $((ry - y)) -ge -1 ] && [ $((ry - y)) -le 1 ] || fail "decimal cells not on one line"
done
for y in "$cy" "$my" "$yy" "$ky"; do
    rise=$((by - y))
    [ "$rise" -ge 12 ] && [ "$rise" -le 16 ] || fail "CMYK cells $rise pixels above the decimal ones, not 14"
done
close_magnifier
