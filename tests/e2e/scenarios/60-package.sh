# The installer of dist/: folders it refuses, a silent install, one over the running copy with its
# menu open, one into another folder, a downgrade, and the uninstall.
. "$(dirname "$0")/../lib.sh"
e2e_begin
setup=$(ls "$(dirname "$0")"/../../../dist/zedez-*-setup.exe) || fail "no installer in dist/"
data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r') && dir="$data\\Programs\\Ridoduvuzi Zedez"
app=$(winepath -u "$dir") menu=$(winepath -u "$data\\..\\Roaming\\Microsoft\\Windows\\Start Menu")
KEY='HKCU\Software\Microsoft\Windows\CurrentVersion' version=${setup%-setup.exe} other='C:\zedez2'
APPS="$KEY\\Uninstall\\RidoduvuziZedez"

# Refused with exit code 2, writing and registering nothing: a folder no one may create (under
# Linux's /sys), a drive's root, a path under a file, a folder that holds other files.
mkdir "$E2E_WORK/foreign" && echo notes >"$E2E_WORK/foreign/README.txt"
for bad in 'Z:\sys\zedez' 'C:\' 'C:\windows\win.ini\zedez' "$(winepath -w "$E2E_WORK/foreign")"; do
    wine "$setup" /S "/D=$bad"
    expect_eq $? 2 "the installer's exit code for $bad"
done
! wine reg query "$APPS" && ! ls "$app" "$menu"/*/*.lnk || fail "a refused install left something"
expect_eq "$(ls "$E2E_WORK/foreign") $(cat "$E2E_WORK/foreign/README.txt")" "README.txt notes" "the foreign folder"

wine "$setup" /S || fail "the installer ended with $?"
ls "$app"/{zedez,uninstall}.exe "$app"/{README,LICENSE,THIRD-PARTY-NOTICES}.txt "$menu"/*/*.lnk || fail "not installed"
STORE_KEY=$APPS expect_settings DisplayName="Ridoduvuzi Zedez" Publisher=Korvane \
    DisplayVersion="${version##*/zedez-}" InstallLocation="$dir" DisplayIcon="$dir\\zedez.exe" \
    UninstallString="\"$dir\\uninstall.exe\"" InstallDate="$(date +%Y%m%d)"
ZEDEZ_EXE="$dir\\zedez.exe" start_magnifier
menu_pick 20 20 Up Up Up  # autorun at startup
STORE_KEY="$KEY\\Run" expect_settings zedez.exe="\"$dir\\zedez.exe\""
menu_pick 20 20 Down  # zoom 10%: the program stores it when asked to close

# The installer closes a copy whose menu is open and waits for its process to end.
sum=$(md5sum <"$app/zedez.exe") && echo stale >>"$app/zedez.exe" && echo notes >"$app/notes.txt"
xdotool mousemove $((CLIENT_L + 35)) $((CLIENT_T + 20)) click 3  # not where the last pick clicked
wait_for 20 "the popup menu" probe menu
wine "$setup" /S && wait_exit || fail "installing over the running copy, or that copy, ended with $?"
expect_eq "$(md5sum <"$app/zedez.exe")" "$sum" "the program installed again"

# Another folder: the copy there replaces this one, and takes its autorun entry with it; a file of
# the user's stays where it was.
wine "$setup" /S "/D=$other" || fail "installing into $other ended with $?"
expect_eq "$(ls "$app")" notes.txt "what the earlier copy left"
STORE_KEY=$APPS expect_settings InstallLocation="$other"
STORE_KEY="$KEY\\Run" expect_settings zedez.exe="\"$other\\zedez.exe\""

# A newer version installed (its version resource says 99.x): refused, nothing replaced.
exe=$(winepath -u "$other\\zedez.exe") && version_at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$exe")
printf c | dd of="$exe" bs=1 seek=$((${version_at%%:*} + 10)) conv=notrunc status=none  # major 99
sum=$(md5sum <"$exe") && wine "$setup" /S
expect_eq "$? $(md5sum <"$exe")" "2 $sum" "the older installer's exit code, and the program"

# The uninstaller starts a copy of itself from the temporary folder and returns: a copy that
# Wine did not start under load (seen once) is started again, and said.
wine "$other\\uninstall.exe" /S || fail "the uninstaller ended with $?"
for _ in $(seq 150); do [ -e "$exe" ] || break; sleep 0.1; done
[ -e "$exe" ] && echo "the uninstaller did not start: again" && wine "$other\\uninstall.exe" /S
wait_for 30 "the uninstaller to remove all but the settings" eval '! ls "$(winepath -u "$other")" &&
    ! ls "$menu"/*/*.lnk && ! wine reg query "$APPS" && ! wine reg query "$KEY\\Run" /v zedez.exe'
expect_settings Set.Zoom=10
