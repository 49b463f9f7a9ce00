# Two monitors, a 640 x 480 secondary left of the 1024 x 512 primary: windows stored on it or on none,
# the view, read-outs and a drag across the edge, black below the secondary.
. "$(dirname "$0")/../lib.sh"
e2e_begin monitors_start 1024x512 640x480
native || SCREEN_OX=640  # Windows counts x from the primary's left edge, X from the secondary's
S=$((-SCREEN_OX))  # the secondary's left edge, in the program's coordinates
monitors_seen() { local seen && seen=$(probe monitors | tr '\n' ' ') && echo "$seen" && [ "$seen" = "$1" ]; }
point() { xdotool mousemove $(($1 + SCREEN_OX)) "$2"; }  # X Y: the pointer at the program's (X, Y)
# on_secondary KEY=VALUE...: view_settings with a 300 x 200 window at (S + 40, 250).
on_secondary() { view_settings Window.Left=$((S + 40)) Window.Top=250 Window.Width=300 Window.Height=200 "$@"; }

# With the secondary off the primary is at x = 0 for both. Stored where no monitor is now: on the
# secondary, which Windows still counts left of the primary; right of the primary for X.
xrandr --output DUMMY1 --off || fail "could not switch the secondary off"
one="monitor 0 0 1024 512 "  # and no other on three looks: Wine takes in a change in steps
wait_for 20 "the primary alone" eval 'monitors_seen "$one" && monitors_seen "$one" && monitors_seen "$one"' 
if native; then on_secondary Window.Left=1300; else on_secondary; fi
start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" "$(native && echo 724 || echo 0),250,300,200" "window stored where no monitor is"
close_magnifier

monitors_layout 1024x512 640x480 || fail "could not switch the secondary on"
wait_for 20 "both monitors" monitors_seen "monitor $((S + 640)) 0 $((S + 1664)) 512 monitor $S 0 $((S + 640)) 480 "
_pattern 128 128 'fine(x, y)' >"$E2E_WORK/fine.ppm"
convert -size 1664x512 "tile:$E2E_WORK/fine.ppm" "$E2E_WORK/pattern.png" || fail "could not make the picture"
on_secondary Set.Zoom=200
show_image "$E2E_WORK/pattern.png"
start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" $((S + 40)),250,300,200 "window stored on the secondary"
for x in 940 240 620; do  # the primary, the secondary, across the edge
    point $((S + x)) 100
    wait_for 20 "the view around ($((S + x)), 100)" view_shows 2 $((S + x)) 100 0
done
close_magnifier
expect_settings Window.Left=$((S + 40)) Window.Top=250

# The read-outs on the secondary and on the primary (at -400 and at 400 on Windows, where the
# coordinates' text pixels, EFEFEF, show a minus sign in the first).
on_secondary Set.Zoom=400 Set.ShowCoordinates=1 Set.ShowColorsHex=1
start_magnifier
for x in $((S + 240)) $((S + 1040)); do
    point $x 100
    wait_for 20 "the hexadecimal box in the colour at ($x, 100)" client_pixel_is 5 $((CLIENT_H - 8)) \
        "$(awk "$VIEW_AWK"'BEGIN { print fine('$((x + SCREEN_OX))', 100) }')"
    client_pixels 0 0 "$CLIENT_W" 16 | awk '$3 == "EFEFEF" { print $1, $2 }' >"$E2E_WORK/text$x"
done
native || awk -f "$E2E_AWK/minus.awk" "$E2E_WORK/text-400" "$E2E_WORK/text400" || fail "coordinates at x = -400"

x=$((CLIENT_L + 100)) y=$((CLIENT_T + 100))
point $x $y && xdotool mousedown 1 && point $((x + 350)) $y && point $((x + 700)) $y && xdotool mouseup 1
moved_to() { read_window_rect && [ "$OUTER_L,$OUTER_T" = "$1" ]; }
wait_for 20 "the window dragged by 700 pixels onto the primary" moved_to $((S + 740)),250
close_magnifier
expect_settings Window.Left=$((S + 740)) Window.Top=250

# Below the secondary, from y = 480 on, there is no monitor.
on_secondary Set.Zoom=200 Window.Left=$((S + 740))
start_magnifier
point $((S + 620)) 460
VIEW_HOLE="$S 480 $((S + 640)) 512" wait_for 20 "black below the secondary" view_shows 2 $((S + 620)) 460 0
close_magnifier
