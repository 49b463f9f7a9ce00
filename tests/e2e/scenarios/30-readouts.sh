# The read-outs by their colours (glyphs depend on Wine's fonts): coordinates, measurement, the hex
# box and the R, G, B and C, M, Y, K cells.
. "$(dirname "$0")/../lib.sh"
e2e_begin

# Dark blue, an orange patch at (600, 400): RGB(200, 120, 40) is CMYK (0, 40, 80, 21.57), so the
# boxes are R C80000, G 007800, B 000028, C FFFFFF, M FF99FF, Y FFFF33 and K C8C8C8.
SURROUND=104070 PATCH=C87828 TEXT=EFEFEF OUTLINE=5F5F5F
convert -size 1024x768 "xc:#$SURROUND" -fill "#$PATCH" -draw 'rectangle 592,392 607,407' "$E2E_WORK/screen.png"
view_settings Window.Left=40 Window.Top=40 Window.Width=260 Window.Height=200 Set.Zoom=400 \
    Set.ShowCoordinates=1 Set.ShowColorsHex=1 Set.ShowColorsDec=1 Set.ShowColorsCMYK=1 Set.ShowLines=1
start_magnifier
show_image "$E2E_WORK/screen.png" 600 400
xdotool mousemove 600 400

# The hexadecimal box's left column, left of the text, near its bottom holds no glyph.
wait_for 20 "the hexadecimal box in the pointer's colour" client_pixel_is 5 $((CLIENT_H - 8)) $PATCH
expect_eq "$(client_pixel 1 $((CLIENT_H - 8)))" $SURROUND "the view left of the hexadecimal box"
# colours X Y W H: "RRGGBB count meanX meanY" for each colour in that part of the client area.
colours() { client_pixels "$@" | awk '{ n[$3]++; x[$3] += $1; y[$3] += $2 }
    END { for (c in n) print c, n[c], int(x[c] / n[c]), int(y[c] / n[c]) }'; }
stats=$(colours $((CLIENT_W / 2)) $((CLIENT_H - 48)) $((CLIENT_W - CLIENT_W / 2)) 48)
# The R, G, B and C, M, Y, K boxes in their places (awk/cells.awk).
awk -f "$E2E_AWK/cells.awk" <<<"$stats" || fail "cells at the bottom right: $(tr '\n' ';' <<<"$stats")"

# count COLOUR X Y W H: how many pixels of that colour that part of the client area holds.
count() { colours "${@:2}" | awk -v c="$1" '$1 == c { n = $2 } END { print n + 0 }'; }
expect_in "$(count $TEXT 0 0 $((CLIENT_W / 2)) 16)" 10 9999 "text pixels at the top left"
expect_in "$(count $OUTLINE 0 0 $((CLIENT_W / 2)) 16)" 10 9999 "outline pixels at the top left"
expect_eq "$(count $TEXT $((CLIENT_W / 2)) 0 $((CLIENT_W / 2)) 32)" 0 "text pixels at the top right"

# A measurement: the left button held on the view, where Wine sees it, and moved. The anchor is
# where a tick last saw the pointer move with no button held: wait for the read-out to move first.
top_left() { screenshot && client_pixels 0 0 $((CLIENT_W / 2)) 16; }
before=$(top_left)
x=$((CLIENT_L + CLIENT_W / 2)) y=$((CLIENT_T + CLIENT_H / 2))
xdotool mousemove $x $y
wait_for 20 "the read-out of the new pointer position" eval '[ "$(top_left)" != "$before" ]'
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove $((x + 5 * step)) $((y + 4 * step)); done
# Both lines at the top right; the window is read again in case the press dragged it along.
two_lines() {
    screenshot && read_window_rect && [ "$(count $TEXT $((CLIENT_W / 2)) 0 $((CLIENT_W / 2)) 13)" -ge 10 ] &&
        [ "$(count $TEXT $((CLIENT_W / 2)) 14 $((CLIENT_W / 2)) 13)" -ge 10 ]
}
wait_for 20 "distance and angle at the top right while the button is held" two_lines
# The grey measuring line runs from the view's centre toward the anchor, up and to the left.
expect_in "$(count 808080 0 0 $((CLIENT_W / 2)) $((CLIENT_H / 2)))" 20 9999 "measuring line toward the anchor"
xdotool mouseup 1
close_magnifier
