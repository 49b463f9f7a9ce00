# A plain PPM (P3, 8 bits) on input, "x y RRGGBB" for each pixel out, x and y counted from the
# variables x and y.
NR == 2 { w = $1 }
NR > 3 {
    for (i = 1; i <= NF; i++) {
        v[n % 3] = $i
        if (++n % 3 == 0)
            printf "%d %d %02X%02X%02X\n", x + (n / 3 - 1) % w, y + int((n / 3 - 1) / w), v[0], v[1], v[2]
    }
}
