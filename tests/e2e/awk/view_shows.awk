# Input: "x y RRGGBB" of the view's client pixels. Checks that they show the picture fine(), placed
# ox pixels right of the screen's coordinates, magnified z (whole) times from screen pixel (L, T)
# on, within w x h pixels; the rectangle "left top right bottom" in the variable hole black; with
# the variable lines 1 inverted along two adjacent columns and rows at the middle of the cw x ch
# client area or just before it, and nowhere else. Prints "OK N LEFT TOP description": OK 1 when
# that holds, N pixels differ, the first column and row that do ("-" for none).
function band(list, middle,    a) {
    return split(list, a) == 2 && a[2] == a[1] + 1 && a[1] >= middle - 2 && a[1] <= middle
}
function screen(x, y) { return x >= gap[1] && x < gap[3] && y >= gap[2] && y < gap[4] ? "000000" : fine(x + ox, y) }
BEGIN { split(hole, gap) }
$1 >= w || $2 >= h || $3 == (want = screen(L + int($1 / z), T + int($2 / z))) { next }
n++ == 0 || $1 < left { left = $1 }
n == 1 || $2 < top { top = $2 }
$3 != inverse(want) { other++; next }
{ inverted[$1, $2]; column[$1]++; row[$2]++ }
END {
    for (x = 0; x < w; x++) if (column[x] >= h - 4) { columns = columns " " x; full[x] }
    for (y = 0; y < h; y++) if (row[y] >= w - 4) { rows = rows " " y; fullRow[y] }
    for (k in inverted) { split(k, p, SUBSEP); if (!(p[1] in full || p[2] in fullRow)) stray++ }
    ok = lines ? !other && !stray && band(columns, int(cw / 2)) && band(rows, int(ch / 2)) : !n
    printf "%d %d %s %s %d differ, %d not inverted; inverted columns%s, rows%s and %d more\n",
        ok, n, n ? left : "-", n ? top : "-", n, other, columns, rows, stray
}
