# The installer of dist/: folders refused, install, update, another folder, a held program file,
# downgrade, uninstall.
. "$(dirname "$0")/../lib.sh"
only_on windows
e2e_begin
setup=$(ls "$(dirname "$0")"/../../../dist/zedez-*-setup.exe) || fail "no installer in dist/"
data=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r') && dir="$data\\Programs\\Ridoduvuzi Zedez"
app=$(winepath -u "$dir") menu=$(winepath -u "$data\\..\\Roaming\\Microsoft\\Windows\\Start Menu")
KEY='HKCU\Software\Microsoft\Windows\CurrentVersion' version=${setup%-setup.exe} other='C:\zedez2'
APPS="$KEY\\Uninstall\\RidoduvuziZedez" foreign="$E2E_WORK/foreign" odir=$(winepath -u "$other")

# Refused, leaving no trace: a root, under a file, not empty.
mkdir "$foreign" && echo notes >"$foreign/README.txt"
for bad in 'C:\' 'C:\windows\win.ini\zedez' "$(winepath -w "$foreign")"; do
    wine "$setup" /S "/D=$bad"
    expect_eq "$? $(ls "$foreign") $(cat "$foreign/README.txt")" "2 README.txt notes" "refusing $bad"
done
! wine reg query "$APPS" && ! ls "$app" "$menu"/*/*.lnk || fail "a refused install left something"

wine "$setup" /S || fail "the installer ended with $?"
ls "$app"/{zedez,uninstall}.exe "$app"/{README,LICENSE,THIRD-PARTY-NOTICES}.txt "$menu"/*/*.lnk || fail "not installed"
STORE_KEY=$APPS expect_settings DisplayName="Ridoduvuzi Zedez" Publisher=Korvane \
    DisplayVersion="${version##*/zedez-}" InstallLocation="$dir" DisplayIcon="$dir\\zedez.exe" \
    UninstallString="\"$dir\\uninstall.exe\"" InstallDate="$(date +%Y%m%d)"
ZEDEZ_EXE="$dir\\zedez.exe" start_magnifier
menu_pick 20 20 8020  # autorun at startup
STORE_KEY="$KEY\\Run" expect_settings zedez.exe="\"$dir\\zedez.exe\""
menu_pick 20 20 10  # zoom 10%: the program stores it when asked to close
# A folder it cannot write (Linux's /sys) is refused before the running copy is closed.
wine "$setup" /S '/D=Z:\sys\zedez'; expect_eq "$? $(probe rect >/dev/null; echo $?)" "2 0" "refused, the copy running"

# The installer closes a copy whose menu is open (not where the last pick clicked) and waits for it.
sum=$(md5sum <"$app/zedez.exe") && echo stale >>"$app/zedez.exe" && echo notes >"$app/notes.txt"
xdotool mousemove $((CLIENT_L + 35)) $((CLIENT_T + 20)) click 3 && wait_for 20 "the menu" probe menu
wine "$setup" /S && wait_exit || fail "installing over the running copy, or that copy, ended with $?"
expect_eq "$(md5sum <"$app/zedez.exe")" "$sum" "the program installed again"

# Another folder: that copy replaces this one and takes its autorun entry; the user's file stays.
wine "$setup" /S "/D=$other" || fail "installing into $other ended with $?"
expect_eq "$(ls "$app")" notes.txt "what the earlier copy left"

# While a program holds zedez.exe open (as a virus scanner may), moving that copy on and
# uninstalling it are refused before they change anything; the refused move leaves no folder.
wine "$E2E_BIN/probe.exe" hold "$other\\zedez.exe" >"$E2E_WORK/hold" & holder=$!
wait_for 20 "zedez.exe held open" grep -q held "$E2E_WORK/hold"
wine "$setup" /S '/D=C:\zedez3'; moved=$?
wine "$other\\uninstall.exe" /S "_?=$other"
expect_eq "$moved $? $(ls "$odir" | wc -l) $(cd "$odir/.." && echo zedez?)" "2 2 5 zedez2" "refused, files, folders"
kill $holder && wait $holder
STORE_KEY=$APPS expect_settings InstallLocation="$other"
STORE_KEY="$KEY\\Run" expect_settings zedez.exe="\"$other\\zedez.exe\""

# A newer version installed (its version resource made to say 99.x): refused, nothing replaced.
exe=$odir/zedez.exe && at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$exe")
printf c | dd of="$exe" bs=1 seek=$((${at%%:*} + 10)) conv=notrunc status=none && sum=$(md5sum <"$exe")
wine "$setup" /S
expect_eq "$? $(md5sum <"$exe")" "2 $sum" "the older installer's exit code, and the program"

# Run in place, the uninstaller leaves only itself, in a folder this program may install into again.
wine "$other\\uninstall.exe" /S "_?=$other"; expect_eq "$? $(ls "$odir")" "0 uninstall.exe" "uninstalled in place"
wine "$setup" /S "/D=$other" || fail "installing where the uninstaller was left ended with $?"

# The uninstaller returns once its copy in the temporary folder runs; one Wine did not start is redone.
wine "$other\\uninstall.exe" /S || fail "the uninstaller ended with $?"
for _ in $(seq 150); do [ -e "$exe" ] || break; sleep 0.1; done
[ -e "$exe" ] && echo "the uninstaller did not start: again" && wine "$other\\uninstall.exe" /S
wait_for 30 "the uninstaller to remove all but the settings" eval '! ls "$odir" &&
    ! ls "$menu"/*/*.lnk && ! wine reg query "$APPS" && ! wine reg query "$KEY\\Run" /v zedez.exe'
expect_settings Set.Zoom=10
