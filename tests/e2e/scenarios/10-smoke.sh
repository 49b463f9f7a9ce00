# The program starts, opens its window where the stored settings put it, and ends cleanly with
# exit code 0 when the window is closed.
. "$(dirname "$0")/../lib.sh"
e2e_begin

# No settings stored: the first-run rectangle, 128 x 128 pixels at (32, 32).
start_magnifier
log "outer ($OUTER_L, $OUTER_T)-($OUTER_R, $OUTER_B), client ${CLIENT_W}x${CLIENT_H}"
expect_eq "$OUTER_L,$OUTER_T" "32,32" "first-run window position"
expect_eq "$((OUTER_R - OUTER_L))x$((OUTER_B - OUTER_T))" "128x128" "first-run window size"
[ "$CLIENT_W" -gt 0 ] && [ "$CLIENT_H" -gt 0 ] || fail "the window has no client area"
close_magnifier

# A stored rectangle is applied as it is.
set_settings Window.Left=200 Window.Top=150 Window.Width=300 Window.Height=200
start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$((OUTER_R - OUTER_L)),$((OUTER_B - OUTER_T))" "200,150,300,200" \
    "stored window rectangle"
close_magnifier
