# View helpers. VIEW_TWIPS: the program's twips per pixel, 1440 / dpi rounded (set_dpi sets it).
VIEW_TWIPS=${VIEW_TWIPS:-15}

# VIEW_AWK: the functions of awk/view.awk (fine(), cell(), inverse(), rhe()) for short programs.
VIEW_AWK=$(<"$E2E_AWK/view.awk")

# set_dpi DPI: the display scale of the programs started from now on (Xft.dpi for the native one).
set_dpi() {
    if native; then xrdb -merge <<<"Xft.dpi: $1"
    else wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; fi || fail "no $1 dpi"
    VIEW_TWIPS=$(awk "$VIEW_AWK"'BEGIN { print rhe(1440 / '"$1"') }')
}

# make_view_pattern FILE: fine() where x < 512 and y < 384; below it a checkerboard of single
# black and white pixels, grey only when averaged; from x = 512 on cell(i, j) at (512 + 64 i, 64 j).
make_view_pattern() {
    _pattern 128 128 'fine(x, y)' >"$E2E_WORK/fine.ppm"
    _pattern 2 2 'R = G = B = (x + y) % 2 * 255' >"$E2E_WORK/checker.ppm"
    _pattern 8 12 'cell(x, y)' >"$E2E_WORK/cells.ppm"
    convert \( -size 512x384 "tile:$E2E_WORK/fine.ppm" -size 512x384 "tile:$E2E_WORK/checker.ppm" -append \) \
        \( "$E2E_WORK/cells.ppm" -sample 6400% \) +append +repage "$1" || fail "could not make the picture"
}
_pattern() { awk -v W="$1" -v H="$2" "$VIEW_AWK"'BEGIN { print "P3", W, H, 255
    for (y = 0; y < H; y++) for (x = 0; x < W; x++) { '"$3"'; print R, G, B } }'; }

# view_geometry ZOOM FX FY: VIEW_L VIEW_T VIEW_W VIEW_H, the captured screen rectangle, and PIC_W
# PIC_H, the scaled picture. The left edge stays fractional in twips; pixels are rounded once.
view_geometry() {
    read -r VIEW_L VIEW_T VIEW_W VIEW_H PIC_W PIC_H < <(awk -v cw="$CLIENT_W" -v ch="$CLIENT_H" \
        -v z="$1" -v fx="$2" -v fy="$3" -v m="$VIEW_TWIPS" "$VIEW_AWK"'BEGIN {
            s = m; sw = cw * s; sh = ch * s; W = rhe(rhe(sw / z) / s); H = rhe(rhe(sh / z) / s)
            L = rhe((fx * m - sw / (z * 2)) / s); T = rhe(rhe(fy * m - sh / (z * 2)) / s)
            print L, T, W, H, rhe(z * W), rhe(z * H) }')
}
# view_shows ZOOM FX FY LINES: a new screenshot shows fine() around (FX, FY) magnified ZOOM (whole)
# times, with LINES 1 inverted along two columns and rows at the middle, black in VIEW_HOLE ("LEFT
# TOP RIGHT BOTTOM" on the screen). Sets DIFF_N, DIFF_LEFT, DIFF_TOP: how many pixels differ, where.
view_shows() {
    local ok seen
    view_geometry "$1" "$2" "$3"
    screenshot
    read -r ok DIFF_N DIFF_LEFT DIFF_TOP seen < <(client_pixels | awk -v z="$1" -v lines="$4" \
        -v L="$VIEW_L" -v T="$VIEW_T" -v cw="$CLIENT_W" -v ch="$CLIENT_H" -v ox="$SCREEN_OX" \
        -v hole="${VIEW_HOLE:-}" -v w=$((PIC_W < CLIENT_W ? PIC_W : CLIENT_W)) \
        -v h=$((PIC_H < CLIENT_H ? PIC_H : CLIENT_H)) -f "$E2E_AWK/view.awk" -f "$E2E_AWK/view_shows.awk")
    echo "$seen"
    [ "$ok" = 1 ]
}
