# Two masks of the coordinate read-out's text pixels, "x y" a line: first with the pointer at a
# negative x, then at the same x but positive. Exits 0 when the first is the second with a minus
# sign put in: for some blank column s of the second and some d from 1 to 12, the first holds the
# second's pixels left of s in place and those from s on d pixels further right, and besides them
# only a bar in one or two adjacent rows within columns s to s + d - 1. Prints s and d, or what
# the masks hold.
FNR == NR { neg[$1, $2]; n++; next }
{ pos[$1, $2]; p++; column[$1]; if ($1 > right) right = $1 }
END {
    for (s = 0; s <= right; s++) {
        if (s in column) continue
        for (d = 1; d <= 12; d++) if (minus_at(s, d)) { print "minus at column", s, "width", d; exit 0 }
    }
    print "no minus sign: " n " text pixels at the negative x, " p " at the positive"
    exit 1
}
function minus_at(s, d,    k, xy, x, rows, low, high, extra) {
    for (k in pos) {
        split(k, xy, SUBSEP); x = xy[1] < s ? xy[1] : xy[1] + d
        if (!((x, xy[2]) in neg)) return 0
    }
    for (k in neg) {
        split(k, xy, SUBSEP)
        if (xy[1] < s && (k in pos) || xy[1] >= s + d && ((xy[1] - d, xy[2]) in pos)) continue
        if (xy[1] < s || xy[1] >= s + d) return 0
        if (!extra++ || xy[2] < low) low = xy[2]
        if (extra == 1 || xy[2] > high) high = xy[2]
    }
    return extra && high - low <= 1
}
