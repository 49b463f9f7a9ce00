# Input: "x y RRGGBB" of a reduced view's client pixels, which show the W x H screen pixels from
# (L, T) on in PW x PH pixels. Checks that each is the exact mean, halves to even, of the screen
# pixels it covers (in whole units: a screen pixel is PW by PH of them), of the picture that
# make_view_pattern makes and black off the 1024 x 768 screen; those that show the magnifier's own
# window (the variable own: "left top width height") are left out. Prints how many differ and the
# first; exits 1 when any does.
function screen(x, y) {
    if (x < 0 || y < 0 || x >= 1024 || y >= 768) R = G = B = 0
    else if (x >= 512) cell(int((x - 512) / 64), int(y / 64))
    else if (y >= 384) R = G = B = (x + y) % 2 * 255
    else fine(x, y)
}
# part(p, unit, from, to): how much of screen pixel p (unit long) lies within from..to.
function part(p, unit, from, to) {
    return (p + 1) * unit < to ? (p + 1) * unit - (p * unit > from ? p * unit : from) : to - (p * unit > from ? p * unit : from)
}
function mean(s,    q) { q = int(s / A); if (q * A > s) q--; s -= q * A; return 2 * s > A || (2 * s == A && q % 2) ? q + 1 : q }
BEGIN { A = W * H; split(own, o) }
{
    r = g = b = mine = 0
    for (py = int($2 * H / PH); py * PH < ($2 + 1) * H; py++)
        for (px = int($1 * W / PW); px * PW < ($1 + 1) * W; px++) {
            mine += L + px >= o[1] && L + px < o[1] + o[3] && T + py >= o[2] && T + py < o[2] + o[4]
            screen(L + px, T + py); w = part(px, PW, $1 * W, ($1 + 1) * W) * part(py, PH, $2 * H, ($2 + 1) * H)
            r += R * w; g += G * w; b += B * w
        }
    want = sprintf("%02X%02X%02X", mean(r), mean(g), mean(b))
    if (!mine && $3 != want && !bad++) first = $1 "," $2 " " $3 " not " want
}
END { print bad + 0, "of", NR, "differ", first; exit bad > 0 }
