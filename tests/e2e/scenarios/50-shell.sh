# What it keeps and says: settings over three runs, odd stored values, autorun from a non-ASCII folder,
# About in English and German, the refusals of a system it cannot run on, nothing stored.
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

for run in 2 3; do
    start_magnifier
    close_magnifier
    expect_settings Window.Left=32 Window.Top=32 Window.Width=128 Window.Height=128
done

# A non-ASCII folder; its autorun entry (named after the file) 40,000 characters long, naming no
# file; another program's. entry NAME: the program that NAME's entry starts.
if native; then
    folder=$E2E_WORK/Lupe-Ωμέγα && export ZEDEZ_EXE=$E2E_WORK/Lupe-Ωμέγα/zedez && mine="\"$ZEDEZ_EXE\""
    mkdir -p "$folder" "$AUTOSTART_DIR" && cp "$E2E_BIN/zedez" "$folder/" || fail "could not copy the program"
    printf '[Desktop Entry]\nExec=/%s\n' "$(printf '%39999s' | tr ' ' x)" >"$AUTOSTART_DIR/zedez.desktop"
    printf '[Desktop Entry]\nExec=/usr/bin/other\n' >"$AUTOSTART_DIR/other.desktop"
    entry() { sed -n 's/^Exec=//p' "$AUTOSTART_DIR/$1.desktop" 2>/dev/null; }
    other=/usr/bin/other half=Set.ShowCoordinates=1$'\xC3'  # "1" and half a UTF-8 character
else
    folder="$WINEPREFIX/drive_c/Lupe-Ωμέγα" && export ZEDEZ_EXE='C:\Lupe-Ωμέγα\zedez.exe' mine=
    mkdir -p "$folder" && cp "$E2E_BIN/zedez.exe" "$folder/" || fail "could not copy the program"
    reg_import "$RUN_KEY" "zedez.exe=$(printf 'C:\\%.0s' $(seq 13334))" 'other.exe="C:\other.exe"'
    entry() { wine reg query "$RUN_KEY" /v "$1.exe" | tr -d '\r' | sed -n "s/^    $1.exe    REG_SZ    //p"; }
    other='"C:\other.exe"' half='Set.ShowCoordinates:=hex(1):31,00,30'  # "1" and half a UTF-16 unit
fi
# Set.ShowCoordinates is "1" and half a character, as other tools can leave a text; the window
# is partly below the screen, as users park it.
set_settings "Window.Left=7$(printf '%99999s')" Window.Top='&H2C6' Window.Width=-5 Window.Height= \
    Set.AutoRefresh=1.0 Set.FollowMouse=' 1' Set.FollowText=word Set.ShowCursor=1e309 \
    Set.ShowLines=99999999999 "$half" Set.ShowColorsHex=-1 Set.Zoom=150.5
start_magnifier
expect_eq "$OUTER_L,$OUTER_T,$OUTER_W,$OUTER_H" 7,710,128,64 "stored window rectangle"
menu_pick 20 20 8020  # Autorun, unchecked: the long entry named no file
case "$(entry zedez)" in "${mine:-?}" | '"C:\Lupe-'*'\zedez.exe"') ;; *) fail "autorun entry $(entry zedez)" ;; esac
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
[ -z "$(entry zedez)" ] && [ "$(entry other)" = "$other" ] || fail "unchecking autorun left $(entry other)"
! native || [ "$(ls "$AUTOSTART_DIR")" = other.desktop ] || fail "unchecking autorun left $(ls "$AUTOSTART_DIR")"
close_magnifier
expect_settings Window.Left=0 Window.Top=704

# German: the About box. On Windows of a copy start-up cannot see (Wine hides a leading dot), whose
# autorun mark follows the entry, so a second click deletes it; natively the menu on the screen too.
export ZEDEZ_LOCALE=de_DE.UTF-8
if native; then
    unset ZEDEZ_EXE
    start_magnifier
    xdotool mousemove $((CLIENT_L + 30)) $((CLIENT_T + 20)) click 3
    wait_for 20 "the menu" probe menu
    expect_eq "$(menu_lines | tr '\n' ';')" "$(printf 'Vergrößerung %s%%;' 10 25 50 75 90 100 200 400 800 1600)Aktualisiere \
alle 250ms;Dem Maus-Cursor folgen;Dem Text-Cursor folgen;Maus-Cursor anzeigen;Mittellinien anzeigen;Koordinaten \
anzeigen;RGB Farbwerte anzeigen (Hex);RGB Farbwerte anzeigen (Dez);CYM Farbwerte anzeigen;CYMK Farbwerte \
anzeigen;Fenster im Vordergrund;Autostart bei der Anmeldung;Über ...;Beenden;" "German menu on the screen"
    menu_choose 9990
else
    cp "$E2E_BIN/zedez.exe" "$WINEPREFIX/drive_c/.zedez.exe" && export ZEDEZ_EXE='C:\.zedez.exe'
    start_magnifier
    menu_pick 20 20 8020
    expect_eq "$(entry .zedez)" '"C:\.zedez.exe"' "the hidden copy's Run entry"
    menu_pick 20 20 8020
    expect_eq "$(entry .zedez)" "" "the hidden copy's Run entry after a second click"
    menu_pick 20 20 9990
fi
expect_msgbox " Über ..." "$(about_text "Zezovirure Vova")"
close_magnifier

clear_settings || fail "could not empty the store"
if native; then
    # A Wayland session, with a display for the box and without one; no display at all.
    refused() {
        wait_exit
        expect_eq "$? $(grep -cFx "$1" "$E2E_WORK/stderr")" "1 1" "exit code and standard error of the refusal"
    }
    XDG_SESSION_TYPE=wayland run_magnifier
    set -- "Ridoduvuzi Zedez braucht eine X11-Sitzung: unter Wayland darf kein Programm den Bildschirm lesen. \
Die Bildschirmlupe Ihres Desktops funktioniert dort."
    expect_msgbox " Zezovirure Vova - ERROR!" "$1"
    refused "$1"
    ZEDEZ_LOCALE=C WAYLAND_DISPLAY=wayland-0 DISPLAY= run_magnifier
    refused "Ridoduvuzi Zedez needs an X11 session: under Wayland no program may read the screen. Your desktop's \
own zoom works there."
    ZEDEZ_LOCALE=C DISPLAY= run_magnifier
    refused "Ridoduvuzi Zedez needs an X11 session: no X display could be opened (is DISPLAY set?)."
else
    wine reg add 'HKCU\Software\Wine\AppDefaults\zedez.exe' /v Version /d win98 /f >/dev/null || fail "no win98"
    in_locale wine "$E2E_BIN/zedez.exe" & E2E_APP_PID=$!
    # A close request while the refusal is shown (an installer or the session ending) stores nothing.
    wait_for 20 "the refusal" msgbox_shown
    expect_eq "$MSGBOX" "title  Zezovirure Vova - ERROR!"$'\n'"text Sorry, this program can't run in Windows 95/98/ME." "refusal"
    probe close || fail "probe could not ask the refused program to close"
    probe msgbox ok >/dev/null
    wait_exit && fail "the refusal ended with exit code 0"
fi
! settings_stored || fail "the refusal stored settings"
