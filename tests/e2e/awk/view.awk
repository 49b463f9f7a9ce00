# The test pictures of the view and the program's rounding, for the other programs here.
# fine(x, y): every pixel of a 16 x 16 cell has its own red (by x) and green (by y), neighbouring
# cells differ in blue, and nothing is grey. cell(i, j): solid cells. hex(): R, G, B as RRGGBB.
# inverse(c): the colour RRGGBB inverted. rhe(v): v rounded, halves to even.
function fine(x, y) {
    R = 16 + x % 16 * 15; G = 16 + y % 16 * 15; B = 24 + (int(x / 16) + 3 * int(y / 16)) % 8 * 32
    return hex()
}
function cell(i, j) { R = 30 + 45 * (i % 5); G = 30 + 45 * (j % 5); B = 230 - 50 * ((i + 2 * j) % 5); return hex() }
function hex() { return sprintf("%02X%02X%02X", R, G, B) }
function inverse(c,    k, o) {
    for (k = 1; k <= 6; k++) o = o substr("FEDCBA9876543210", index("0123456789ABCDEF", substr(c, k, 1)), 1)
    return o
}
function rhe(v,    f) { f = int(v); if (f > v) f--; return v - f > 0.5 || (v - f == 0.5 && f % 2) ? f + 1 : f }
