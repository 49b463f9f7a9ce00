# The view, exact at 96 to 192 dpi and 200% to 1600%, the centre cross and the cursor at its hotspot;
# at 50% and 10% every view pixel the exact mean of what it covers (natively under a compositor).
. "$(dirname "$0")/../lib.sh"
e2e_begin
make_view_pattern "$E2E_WORK/pattern.png"

# start_view ZOOM FX FY KEY[=VALUE]...: the magnifier over the picture, the pointer at (FX, FY).
start_view() {
    view_settings Set.Zoom=$1 "${@:4}"
    show_image "$E2E_WORK/pattern.png" "$2" "$3"
    start_magnifier
    xdotool mousemove "$2" "$3"  # only now: Wine puts the pointer back where it was when it starts
}
for run in "96 200 0" "144 400 1" "168 400 0" "192 400 0" "96 1600 0"; do
    read -r dpi zoom lines <<<"$run"
    z=$((zoom / 100))
    set_dpi $dpi
    start_view $zoom 200 150 Set.ShowLines=$lines Window.Left Window.Top Window.Width Window.Height
    expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 32,32,128,128 "first-run window at $dpi dpi"
    wait_for 20 "the view around (200, 150) at $zoom% and $dpi dpi" view_shows $z 200 150 $lines
    echo "  $dpi dpi: client ${CLIENT_W}x$CLIENT_H, captured ${VIEW_W}x$VIEW_H at ($VIEW_L, $VIEW_T)"
    [ $lines = 0 ] || { xdotool mousemove 260 210 && wait_for 20 "the view to follow the pointer" view_shows $z 260 210 1; }
    close_magnifier
done
set_dpi 96
! native || compositor_start

# cursor_shown X Y: the view of the picture around (200, 150) at 100% and the cursor's image with its
# hotspot at client pixel (X, Y): its top-left there, or where X's cursor image starts around it.
cursor_shown() {
    local at=($(native && probe cursor)) && set -- $(($1 + ${at[1]:-0})) $(($2 + ${at[2]:-0}))
    wait_for 20 "the cursor in the view from ($1, $2)" eval 'view_shows 1 200 150 0; echo "from $DIFF_LEFT,$DIFF_TOP"
        [ "$DIFF_N" -ge 20 ] && [ "$DIFF_LEFT,$DIFF_TOP" = '"$1,$2"' ]'
}
# Wine hands out only the image of a cursor the program's own windows set: pointing at the client's
# middle at 100%, the view captures its own client area, its picture kept, and the cursor there
# (the client's height even under openbox's 25-pixel frame). X hands out the picture's cursor too.
start_view 100 200 150 Set.ShowCursor=1 $(native && echo Window.Height=301)
view_geometry 1 200 150
if native; then cursor_shown $((200 - VIEW_L)) $((150 - VIEW_T))
else wait_for 20 "the view of the picture at 100%" view_shows 1 200 150 0; fi
x=$((CLIENT_W / 2)) y=$((CLIENT_H / 2))
view_geometry 1 $((CLIENT_L + x)) $((CLIENT_T + y))
expect_eq "$VIEW_L,$VIEW_T,$VIEW_W,$VIEW_H" "$CLIENT_L,$CLIENT_T,$CLIENT_W,$CLIENT_H" "view of the middle"
xdotool mousemove $((CLIENT_L + x)) $((CLIENT_T + y))
cursor_shown $x $y
close_magnifier

# means_shown: every pixel of the reduced view is the exact mean of the screen pixels it covers,
# the part off the screen black (awk/means.awk).
means_shown() {
    screenshot && client_pixels 0 0 $((PIC_W < CLIENT_W ? PIC_W : CLIENT_W)) \
        $((PIC_H < CLIENT_H ? PIC_H : CLIENT_H)) | awk -v L="$VIEW_L" -v T="$VIEW_T" -v W="$VIEW_W" \
        -v H="$VIEW_H" -v PW="$PIC_W" -v PH="$PIC_H" -v own="$OUTER_L $OUTER_T $OUTER_W $OUTER_H" \
        -f "$E2E_AWK/view.awk" -f "$E2E_AWK/means.awk"
}
# At 10% the view around (512, 300) reaches far beyond the screen's edges.
for zoom in 50 10; do
    start_view $zoom 512 300 Window.Left=740 Window.Top=480 Window.Width=260 Window.Height=260
    view_geometry 0.$zoom 512 300
    wait_for 30 "every pixel of the view at $zoom% the mean of what it covers" means_shown
    echo "  $zoom%: client ${CLIENT_W}x$CLIENT_H, captured ${VIEW_W}x$VIEW_H at ($VIEW_L, $VIEW_T)"
    close_magnifier
done
