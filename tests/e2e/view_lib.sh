# Helpers of the view scenarios (20-view-*.sh), sourced after lib.sh: test pictures for the X
# screen, the view geometry worked out on its own from the view's rules, and checks on the
# magnifier's client area.

VIEW_TWIPS=15  # twips per pixel at Wine's default 96 dpi

# The fine pattern: every pixel in a 16 x 16 cell has its own red (by x) and green (by y), and
# neighbouring cells differ in blue. No pixel is grey, so anything grey was drawn by the program.
VIEW_PATTERN_AWK='
function fine_r(x) { return 16 + (x % 16) * 15 }
function fine_g(y) { return 16 + (y % 16) * 15 }
function fine_b(x, y) { return 24 + ((int(x / 16) + 3 * int(y / 16)) % 8) * 32 }
function fine_hex(x, y) { return sprintf("%02X%02X%02X", fine_r(x), fine_g(y), fine_b(x, y)) }
function cell_r(i, j) { return 30 + 45 * (i % 5) }
function cell_g(i, j) { return 30 + 45 * (j % 5) }
function cell_b(i, j) { return 230 - 50 * ((i + 2 * j) % 5) }
function cell_hex(i, j) { return sprintf("%02X%02X%02X", cell_r(i, j), cell_g(i, j), cell_b(i, j)) }
'

# Nearest whole number, halves to the even neighbour.
VIEW_ROUND_AWK='
function floor_(v) { return v == int(v) ? v : (v >= 0 ? int(v) : int(v) - 1) }
function rhe(v,    f, d) {
    f = floor_(v); d = v - f
    if (d > 0.5) return f + 1
    if (d < 0.5) return f
    return (f % 2 == 0) ? f : f + 1
}
'

# _write_pattern FILE PIXEL: writes a screen-sized picture; PIXEL is awk code that sets r, g and
# b for the pixel (x, y).
_write_pattern() {
    awk -v W="$E2E_SCREEN_W" -v H="$E2E_SCREEN_H" "$VIEW_PATTERN_AWK"'
        BEGIN {
            printf "P3\n%d %d\n255\n", W, H
            for (y = 0; y < H; y++) {
                line = ""
                for (x = 0; x < W; x++) { '"$2"'; line = line r " " g " " b " " }
                print line
            }
        }' >"$E2E_WORK/pattern.ppm" || fail "could not write the pattern"
    convert "$E2E_WORK/pattern.ppm" "$1" || fail "could not convert the pattern"
}

# make_fine_pattern FILE: the fine pattern over the whole screen.
make_fine_pattern() { _write_pattern "$1" 'r = fine_r(x); g = fine_g(y); b = fine_b(x, y)'; }

# make_reduction_pattern FILE: left of x = 512 a checkerboard of single black and white pixels
# (grey once averaged, pure black or white if pixels were just dropped); from x = 512 on, solid
# 64 x 64 cells, cell (i, j) in cell_hex(i, j).
make_reduction_pattern() {
    _write_pattern "$1" 'if (x < 512) { r = g = b = ((x + y) % 2) ? 255 : 0 }
        else { i = int((x - 512) / 64); j = int(y / 64); r = cell_r(i, j); g = cell_g(i, j); b = cell_b(i, j) }'
}

fine_colour() { awk -v x="$1" -v y="$2" "$VIEW_PATTERN_AWK"'BEGIN { print fine_hex(x, y) }'; }
cell_colour() { awk -v i="$1" -v j="$2" "$VIEW_PATTERN_AWK"'BEGIN { print cell_hex(i, j) }'; }

# view_geometry ZOOM FX FY: from the client size, sets VIEW_L VIEW_T VIEW_W VIEW_H (the captured
# screen rectangle in pixels) and PIC_W PIC_H (the size of the scaled picture). Twips: the
# rectangle's left stays fractional, its top, width and height are whole twips; pixels are
# rounded once, after the division.
view_geometry() {
    read -r VIEW_L VIEW_T VIEW_W VIEW_H PIC_W PIC_H < <(
        awk -v cw="$CLIENT_W" -v ch="$CLIENT_H" -v z="$1" -v fx="$2" -v fy="$3" -v tpp="$VIEW_TWIPS" \
            "$VIEW_ROUND_AWK"'BEGIN {
                sw = cw * tpp; sh = ch * tpp
                left = fx * tpp - sw / (z * 2)
                top = rhe(fy * tpp - sh / (z * 2))
                w = rhe(sw / z); h = rhe(sh / z)
                W = rhe(w / tpp); H = rhe(h / tpp)
                print rhe(left / tpp), rhe(top / tpp), W, H, rhe(z * W), rhe(z * H)
            }')
}

# dump_client SHOT OUT: the client area's pixels as lines "x y RRGGBB".
dump_client() {
    convert "$1" -crop "${CLIENT_W}x${CLIENT_H}+${CLIENT_L}+${CLIENT_T}" +repage -depth 8 txt:- |
        awk 'NR > 1 { split($1, p, /[,:]/); print p[1], p[2], substr($3, 2, 6) }' >"$2"
}

# check_blocks DUMP ZOOM FX FY RADIUS: every screen pixel within RADIUS of the focus point must
# fill a ZOOM x ZOOM block of the view at ((x - VIEW_L) * ZOOM, (y - VIEW_T) * ZOOM) in its own
# colour. Prints the first mismatches; fails when there is any.
check_blocks() {
    awk -v z="$2" -v fx="$3" -v fy="$4" -v r="$5" -v L="$VIEW_L" -v T="$VIEW_T" \
        "$VIEW_PATTERN_AWK"'
        { colour[$1 " " $2] = $3 }
        END {
            bad = 0
            for (sy = fy - r; sy <= fy + r; sy++) for (sx = fx - r; sx <= fx + r; sx++) {
                want = fine_hex(sx, sy)
                for (j = 0; j < z; j++) for (i = 0; i < z; i++) {
                    key = ((sx - L) * z + i) " " ((sy - T) * z + j)
                    if (colour[key] != want) {
                        if (bad++ < 5) printf "  screen (%d, %d) -> view %s: %s, expected %s\n", sx, sy, key, colour[key], want
                    }
                }
            }
            exit bad > 0
        }' "$1"
}

# focus_block_shows ZOOM FX FY [SX SY]: a fresh screenshot of the view around the focus point
# (FX, FY) shows the block of screen pixel (SX, SY), by default the focus pixel, where the
# geometry puts it (for wait_for).
focus_block_shows() {
    view_geometry "$1" "$2" "$3"
    screenshot "$E2E_WORK/poll.png"
    dump_client "$E2E_WORK/poll.png" "$E2E_WORK/poll.txt"
    check_blocks "$E2E_WORK/poll.txt" "$1" "${4:-$2}" "${5:-$3}" 0 >/dev/null
}

# client_crop SHOT OUT: the client area of a screenshot as its own picture.
client_crop() {
    convert "$1" -crop "${CLIENT_W}x${CLIENT_H}+${CLIENT_L}+${CLIENT_T}" +repage "$2"
}

# expect_still SECONDS: the client area does not change at all for that long.
expect_still() {
    local deadline=$((SECONDS + $1)) first="$E2E_WORK/still-first.png" now="$E2E_WORK/still-now.png"
    screenshot "$E2E_WORK/still.png"
    client_crop "$E2E_WORK/still.png" "$first"
    while [ "$SECONDS" -lt "$deadline" ]; do
        screenshot "$E2E_WORK/still.png"
        client_crop "$E2E_WORK/still.png" "$now"
        local diff
        diff=$(compare -metric AE "$first" "$now" null: 2>&1)
        [ "$diff" = "0" ] || fail "the view changed while nothing moved ($diff pixels)"
        sleep 0.1
    done
}

restart_magnifier() {
    close_magnifier
    view_settings "$@"
    start_magnifier
}
