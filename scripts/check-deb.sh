#!/usr/bin/env bash
# Checks the .deb in dist/ (scripts/package.sh makes it): lintian finds no error (its other tags
# are shown), the desktop entry and the AppStream metainfo are valid, the icons' PNG files hold
# only the picture. Then, as root or through sudo, apt installs it; `zedez` from PATH shows its
# window on an X server of this script's own and stores its settings when told to end; `apt remove`
# takes away every path it installed and leaves those settings. What apt brought in besides is
# purged again. Refuses to run where zedez is installed already. Exits 1 on a failure.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-screen.sh
SCREEN_WORK=$(mktemp -d)
status=0 sudo=() pid=
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
fail() { echo "check-deb: $*" >&2 && status=1; }
installed() {
    dpkg-query -W -f='${Status} ${Package}\n' | sed -n 's/^install ok installed //p' | LC_ALL=C sort
}
apt_get() {
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive HOME="$HOME" apt-get -q -y "$@" >/dev/null
}
finish() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null
    screen_cleanup
    installed | grep -qx zedez && apt_get remove zedez
    local added && added=$(comm -13 "$SCREEN_WORK/packages" <(installed))
    [ -z "$added" ] || apt_get purge $added
    rm -rf "$SCREEN_WORK"
}

debs=(dist/zedez_*.deb) && deb=./${debs[0]}
[ ${#debs[@]} -eq 1 ] && [ -f "$deb" ] || { echo "check-deb: not one .deb in dist/" >&2; exit 1; }
! installed | grep -qx zedez || { echo "check-deb: remove the installed zedez first" >&2; exit 1; }
installed >"$SCREEN_WORK/packages"
trap finish EXIT

echo "== lintian, the validators and the icons ($deb)"
tags=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian reports an error"
grep -v '^running with root' <<<"$tags"
tree=$SCREEN_WORK/tree && dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree/usr/share/applications/zedez.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml || fail "metainfo invalid"
python3 - "$tree"/usr/share/icons/hicolor/*/apps/zedez.png <<'END' || fail "an icon holds more"
import struct, sys
for path in sys.argv[1:]:
    data, at, kinds = open(path, "rb").read(), 8, []
    while at < len(data):
        kinds.append(data[at + 4:at + 8].decode())
        at += 12 + struct.unpack(">I", data[at:at + 4])[0]
    kinds == ["IHDR", "IDAT", "IEND"] or sys.exit(f"{path}: chunks {kinds}")
END

echo "== apt install, start from PATH, apt remove"
# The paths of the package that are there before it comes: the only ones to be there after it.
dpkg-deb -c "$deb" | sed -E 's|.* \./|/|; s|(.)/$|\1|' | while read -r path; do
    [ -e "$path" ] && echo "$path"; done >"$SCREEN_WORK/before"
apt_get install "$deb" || { fail "apt cannot install $deb"; exit 1; }
[ "$(command -v zedez)" = /usr/bin/zedez ] || fail "zedez on PATH is $(command -v zedez)"
export HOME=$SCREEN_WORK/home && unset XDG_CONFIG_HOME && settings=$HOME/.config/zedez/settings.ini
# Its window shown, and SIGTERM (bit 14 of SigCgt) caught to store the settings.
shown() {
    local caught && caught=$(sed -n 's/^SigCgt:\s*/0x/p' "/proc/$pid/status" 2>/dev/null)
    xdotool search --onlyvisible --pid "$pid" >/dev/null && ((${caught:-0} & 1 << 14))
}
if screen_start 1024x768; then
    zedez 2>"$SCREEN_WORK/stderr" & pid=$!
    for _ in $(seq 300); do shown && break; sleep 0.1; done
    shown || fail "zedez shows no window"
    kill -TERM "$pid" && wait "$pid" || fail "zedez ended badly: $(cat "$SCREEN_WORK/stderr")"
    pid=
    [ -s "$settings" ] || fail "zedez stored no settings"
else
    fail "no X server"
fi
dpkg -L zedez | grep -vx /. >"$SCREEN_WORK/files"
apt_get remove zedez || fail "apt cannot remove zedez"
while read -r path; do
    [ -e "$path" ] && ! grep -qxF "$path" "$SCREEN_WORK/before" && fail "left behind: $path"
done <"$SCREEN_WORK/files"
[ -s "$settings" ] || fail "removing the package took the user's settings"
[ $status -eq 0 ] && echo "the package installs, starts from PATH and removes cleanly"
exit $status
