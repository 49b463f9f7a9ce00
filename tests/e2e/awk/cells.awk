# Input: "RRGGBB count meanX meanY" for each colour at the bottom right of the view, with the
# read-outs of RGB(200, 120, 40). Exits 0 when the middles of the boxes of 20 pixels or more are
# R, G, B left to right on one line, and C, M, Y, K 12 to 16 pixels above it, M, Y, K in R's, G's,
# B's columns.
$2 >= 20 { x[$1] = $3; y[$1] = $4 }
function near(a, b, d) { return a - b <= d && b - a <= d }
END {
    r = "C80000"; g = "007800"; b = "000028"; m = "FF99FF"; k = "C8C8C8"
    ok = x[r] < x[g] && x[g] < x[b] && x["FFFFFF"] < x[m] && near(y[g], y[r], 1) && near(y[b], y[r], 1)
    ok = ok && near(x[m], x[r], 2) && near(x["FFFF33"], x[g], 2) && near(x[k], x[b], 2)
    for (c in x) if (c ~ /FFFFFF|FF99FF|FFFF33|C8C8C8/) { n++; ok = ok && near(y[b] - y[c], 14, 2) }
    exit !(ok && n == 4 && x[r] > 0)
}
