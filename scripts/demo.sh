#!/usr/bin/env bash
# Records the magnifier at work on a virtual screen, for anyone without a display: a colourful test
# picture with some text, the magnifier with its first-run settings plus the CMYK read-out, and the
# pointer moving along a path over the picture. Writes demo/magnifier.gif (the animated capture,
# pointer drawn in) and demo/magnifier.png (its last frame). Runs build/windows/bin/zedez.exe under
# Wine on Xvfb in a fresh Wine prefix; scripts/run-magnifier.sh --demo installs and builds first.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=$PWD/build/windows/bin/zedez.exe out=$PWD/demo
[ -f "$exe" ] || { echo "No $exe: run scripts/run-magnifier.sh --demo" >&2; exit 1; }
width=720 height=400

work=$(mktemp -d /tmp/zedez-demo.XXXXXX)
. scripts/virtual-screen.sh
SCREEN_WORK=$work
cleanup() {
    screen_cleanup
    rm -rf "$work"
}
trap cleanup EXIT

# poll SECONDS WHAT COMMAND...: runs COMMAND until it succeeds, for at most SECONDS.
poll() {
    local deadline=$((SECONDS + $1)) what=$2 && shift 2
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || { echo "Timed out waiting for $what" >&2; exit 1; }
        sleep 0.1
    done
}

screen_start "${width}x$height"
wine_prefix "$work/prefix" managed
echo "Virtual screen $DISPLAY, Wine prefix $WINEPREFIX"

# The test picture: shapes on the left (the magnifier sits on the right), text, a rainbow.
convert -size "${width}x${height}" 'gradient:#14213d-#3a0ca3' \
    \( -size 660x40 xc:white -colorspace HSL -channel R -fx 'i/w' -channel G -fx 1 \
    -channel B -fx 0.5 +channel -colorspace sRGB \) -geometry +30+235 -composite \
    -fill '#ef476f' -draw 'circle 90,95 90,40' -fill '#ffd166' -draw 'rectangle 170,45 260,135' \
    -fill '#06d6a0' -draw 'polygon 290,135 340,45 390,135' \
    -font DejaVu-Sans-Bold -pointsize 30 -fill white -annotate +30+200 'Ridoduvuzi Zedez' \
    -font DejaVu-Sans -pointsize 15 -fill '#f1faee' \
    -annotate +30+310 'A screen magnifier for Windows: zoom, centre cross, coordinates' \
    -annotate +30+332 'and the colour under the pointer as RGB, CMY or CMYK.' "$work/picture.png"
# The pointer, drawn into every frame (a screen capture leaves it out): its tip is at (1, 1).
convert -size 14x22 xc:none -fill white -stroke black -strokewidth 1 \
    -draw 'polygon 1,1 1,17 5,13 8,20 10,19 7,12 12,12' "$work/pointer.png"

# The magnifier's first-run settings, plus the CMYK read-out and a larger window on the right of
# the screen.
{
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Korvane-Software\\Magnifier]\r\n'
    printf '"%s"="%s"\r\n' Set.ShowColorsCMYK 1 Window.Left 470 Window.Top 14 Window.Width 236 \
        Window.Height 190
} >"$work/settings.reg"
wine regedit /S "Z:${work//\//\\}\\settings.reg"

xdotool mousemove 60 95
wine "$exe" >/dev/null 2>&1 &
poll 60 "the magnifier's window" xdotool search --onlyvisible --classname zedez.exe
# Wine's desktop cleared the root window when it started: the picture goes on it now.
shows_picture() {
    import -window root -depth 8 "$work/shot.png" &&
        [ "$(convert "$work/shot.png" -format '%[hex:p{90,95}]' info: | cut -c1-6)" = EF476F ]
}
display -window root "$work/picture.png" || true  # exits with 1 even when it worked
poll 20 "the picture on the screen" shows_picture

# The path: waypoints over the shapes, the title, along the rainbow and over the text.
points=$(awk 'BEGIN {
    n = split("60 95 215 90 340 105 230 190 40 255 680 255 420 300 120 322", p, " ")
    for (i = 1; i + 3 <= n; i += 2) {
        steps = int(sqrt((p[i + 2] - p[i]) ^ 2 + (p[i + 3] - p[i + 1]) ^ 2) / 30) + 1
        for (s = 0; s < steps; s++)
            printf "%d %d\n", p[i] + (p[i + 2] - p[i]) * s / steps,
                p[i + 1] + (p[i + 3] - p[i + 1]) * s / steps
    }
    printf "%d %d\n", p[n - 1], p[n] }')
frame=0
while read -r x y; do
    xdotool mousemove "$x" "$y"
    sleep 0.15  # the magnifier follows within a few of its 10 ms ticks
    frame=$((frame + 1))
    import -window root -depth 8 "$work/shot.png"
    convert "$work/shot.png" "$work/pointer.png" -geometry "+$((x - 1))+$((y - 1))" -composite \
        "$work/frame-$(printf %03d "$frame").png"
done <<<"$points"

mkdir -p "$out"
last="$work/frame-$(printf %03d "$frame").png"
cp "$last" "$out/magnifier.png"
# One palette for every frame, so that unchanged pixels stay unchanged and only the magnifier
# and the pointer make each frame; the last frame stays two seconds more.
convert -delay 12 "$work"/frame-*.png -delay 200 "$last" +dither +remap -layers Optimize \
    -loop 0 "$out/magnifier.gif"
echo "Demo: $frame frames of the magnifier following the pointer:"
echo "  $out/magnifier.gif ($(stat -c %s "$out/magnifier.gif") bytes)"
echo "  $out/magnifier.png (the last frame)"
