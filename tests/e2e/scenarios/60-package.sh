# The installer of dist/: a silent per-user install, one over the running copy, and the uninstall.
. "$(dirname "$0")/../lib.sh"
e2e_begin
setup=$(ls "$(dirname "$0")"/../../../dist/zedez-*-setup.exe) || fail "no installer in dist/"
data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r') && dir="$data\\Programs\\Ridoduvuzi Zedez"
app=$(winepath -u "$dir") menu=$(winepath -u "$data\\..\\Roaming\\Microsoft\\Windows\\Start Menu")
KEY='HKCU\Software\Microsoft\Windows\CurrentVersion' version=${setup%-setup.exe}

wine "$setup" /S || fail "the installer ended with $?"
ls "$app"/{zedez,uninstall}.exe "$app"/{README,LICENSE}.txt "$menu"/*/*.lnk || fail "not installed"
STORE_KEY="$KEY\\Uninstall\\RidoduvuziZedez" expect_settings DisplayName="Ridoduvuzi Zedez" \
    Publisher=Korvane DisplayVersion="${version##*/zedez-}" InstallLocation="$dir" \
    DisplayIcon="$dir\\zedez.exe" UninstallString="\"$dir\\uninstall.exe\""
ZEDEZ_EXE="$dir\\zedez.exe" start_magnifier
menu_pick 20 20 8020  # autorun at startup
STORE_KEY="$KEY\\Run" expect_settings zedez.exe="\"$dir\\zedez.exe\""
menu_pick 20 20 10  # zoom 10%: the program stores it when asked to close

sum=$(md5sum <"$app/zedez.exe") && echo stale >>"$app/zedez.exe"
wine "$setup" /S && wait_exit || fail "installing over the running copy, or that copy, ended with $?"
expect_eq "$(md5sum <"$app/zedez.exe")" "$sum" "the program installed again"

# The uninstaller starts a copy of itself from the temporary folder and returns: a copy that
# Wine did not start under load (seen once) is started again, and said.
wine "$dir\\uninstall.exe" /S || fail "the uninstaller ended with $?"
for _ in $(seq 150); do [ -e "$app/zedez.exe" ] || break; sleep 0.1; done
[ -e "$app/zedez.exe" ] && echo "the uninstaller did not start: again" && wine "$dir\\uninstall.exe" /S
wait_for 30 "the uninstaller to remove all but the settings" eval '! ls "$app" && ! ls "$menu"/*/*.lnk &&
    ! wine reg query "$KEY\\Uninstall\\RidoduvuziZedez" && ! wine reg query "$KEY\\Run" /v zedez.exe'
expect_settings Set.Zoom=10
