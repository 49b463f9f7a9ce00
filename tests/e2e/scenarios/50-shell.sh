# What it keeps and says: first-run values stored; odd stored values (and a 40,000-character Run
# entry) start safely and come back canonical; autorun from a non-ANSI folder and a hidden copy;
# About in English and German; on Windows 98 a refusal in the user's language, nothing stored.
. "$(dirname "$0")/../lib.sh"
e2e_begin
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
about_text() { printf '%s' "Korvane $1     \r\nVersion $E2E_VERSION_TEXT  [$E2E_RELEASE_DATE]     \r\n\r\nCopyright © ${E2E_RELEASE_DATE:0:4} Korvane     \r\n\r\nHomepage:          \r\neMail:                   \r\n\r\nThis program is freeware.     \r\n\r\n"; }

start_magnifier
close_magnifier
expect_settings Window.Left=32 Window.Top=32 Window.Width=128 Window.Height=128 Set.Zoom=200 \
    Set.AutoRefresh=1 Set.FollowMouse=1 Set.FollowText=1 Set.ShowCursor=1 Set.ShowLines=1 \
    Set.ShowCoordinates=1 Set.ShowColorsHex=1 Set.ShowColorsDec=1 Set.ShowColorsCMY=0 \
    Set.ShowColorsCMYK=0 Window.OnTop=1

# A non-ANSI folder; its Run entry named after the file, 40,000 characters long; another program's.
folder="$WINEPREFIX/drive_c/Lupe-Ωμέγα"
mkdir -p "$folder" && cp "$E2E_BIN/zedez.exe" "$folder/" || fail "could not copy the program"
export ZEDEZ_EXE='C:\Lupe-Ωμέγα\zedez.exe'
reg_import "$RUN_KEY" "zedez.exe=$(printf 'C:\\%.0s' $(seq 13334))" 'other.exe="C:\other.exe"'
# Set.ShowCoordinates is "1" and half a character, as other tools can leave a text; the window
# is partly below the screen, as users park it.
set_settings "Window.Left=7$(printf '%99999s')" Window.Top='&H2C6' Window.Width=-5 Window.Height= \
    Set.AutoRefresh=1.0 Set.FollowMouse=' 1' Set.FollowText=word Set.ShowCursor=1e309 \
    Set.ShowLines=99999999999 'Set.ShowCoordinates:=hex(1):31,00,30' Set.ShowColorsHex=-1 \
    Set.Zoom=150.5
start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 7,710,128,64 "stored window rectangle"
menu_pick 20 20 8020  # Autorun, unchecked: the long entry named no file
run_entry() { wine reg query "$RUN_KEY" /v "$1" | tr -d '\r' | sed -n "s/^    $1    REG_SZ    //p"; }
case "$(run_entry zedez.exe)" in '"C:\Lupe-'*'\zedez.exe"') ;; *) fail "Run entry $(run_entry zedez.exe)" ;; esac
menu_pick 20 20 9990  # About
expect_msgbox " About ..." "$(about_text "Ridoduvuzi Zedez")"
close_magnifier
expect_settings Window.Left=7 Window.Top=710 Window.Width=128 Window.Height=64 Set.Zoom=0 \
    Set.AutoRefresh=1 Set.FollowMouse=1 Set.FollowText=0 Set.ShowCursor=0 Set.ShowLines=0 \
    Set.ShowCoordinates=1 Set.ShowColorsHex=0

# The mark now comes from the entry, so the item unchecks and removes only that value. A window
# stored with too little of it on the screen to grab (28 x 23 pixels) opens at its size inside
# the screen's work area.
set_settings Window.Left=-100 Window.Top=745
start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 0,704,128,64 "window brought onto the screen"
menu_pick 20 20 8020
[ -z "$(run_entry zedez.exe)" ] && [ "$(run_entry other.exe)" = '"C:\other.exe"' ] ||
    fail "unchecking autorun left $(wine reg query "$RUN_KEY" | tr -d '\r')"
close_magnifier
expect_settings Window.Left=0 Window.Top=704

# German: the About box, picked from the menu, of a copy that start-up cannot see (Wine counts a
# leading dot as hidden): its autorun mark still follows the entry, so that a second click
# deletes what the first wrote.
cp "$E2E_BIN/zedez.exe" "$WINEPREFIX/drive_c/.zedez.exe" && export ZEDEZ_EXE='C:\.zedez.exe'
export ZEDEZ_LOCALE=de_DE.UTF-8
start_magnifier
menu_pick 20 20 8020
expect_eq "$(run_entry .zedez.exe)" '"C:\.zedez.exe"' "the hidden copy's Run entry"
menu_pick 20 20 8020
expect_eq "$(run_entry .zedez.exe)" "" "the hidden copy's Run entry after a second click"
menu_pick 20 20 9990
expect_msgbox " Über ..." "$(about_text "Zezovirure Vova")"
close_magnifier

wine reg delete 'HKCU\Software\Korvane-Software' /f >/dev/null || fail "could not empty the store"
wine reg add 'HKCU\Software\Wine\AppDefaults\zedez.exe' /v Version /d win98 /f >/dev/null || fail "no win98"
in_locale wine "$E2E_BIN/zedez.exe" & E2E_APP_PID=$!
# A close request while the refusal is shown (an installer or the session ending) stores nothing.
wait_for 20 "the refusal" eval 'MSGBOX=$(probe msgbox) && [ "${MSGBOX#*text }" != "" ]'
expect_eq "$MSGBOX" "title  Zezovirure Vova - ERROR!"$'\n'"text Sorry, this program can't run in Windows 95/98/ME." "refusal"
probe close || fail "probe could not ask the refused program to close"
probe msgbox ok >/dev/null
wait_exit && fail "the refusal ended with exit code 0"
wine reg query 'HKCU\Software\Korvane-Software' >/dev/null 2>&1 && fail "the refusal created the settings key"
true
