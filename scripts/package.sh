#!/usr/bin/env bash
# Makes the release in dist/ from a build of the windows preset and one of the deb preset (the
# native Linux program, hardened as Debian builds, stripped as it is packaged):
#   zedez-VERSION-win64.zip   zedez.exe, README.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt (the
#                             portable copy)
#   zedez-VERSION-setup.exe   the per-user installer (packaging/zedez.nsi, 64-bit NSIS)
#   zedez_VERSION_amd64.deb   the Linux program for Debian and Ubuntu, made by CPack
#                             (packaging/linux/CMakeLists.txt says what it holds)
#   SHA256SUMS                of the three
# VERSION is the one in CMakeLists.txt as users see it: major "." minor in two digits (1.10); the
# .deb's adds the revision as Debian orders it (packaging/linux/CMakeLists.txt).
# The same commit gives the same bytes from any folder: every file time is SOURCE_DATE_EPOCH (the
# last commit's time unless set). With ZEDEZ_SIGN_PFX (a PKCS#12 file) and ZEDEZ_SIGN_PASSWORD,
# the exe, the uninstaller and the installer are signed with osslsigncode and each signature is
# verified. Installs what it needs first on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
script=$PWD/scripts/package.sh

# sign FILE [NAME]: signs FILE in place and verifies the signature against the certificates in
# the PKCS#12 file and the system's. makensis calls it for the uninstaller.
sign() {
    local trusted
    trusted=$(mktemp) && trap 'rm -f "$trusted"' RETURN
    for legacy in "" -legacy; do  # -legacy: a file made with older ciphers
        openssl pkcs12 $legacy -in "$ZEDEZ_SIGN_PFX" -nokeys -passin fd:3 3<<<"$ZEDEZ_SIGN_PASSWORD" \
            >"$trusted" 2>/dev/null && break
    done
    cat /etc/ssl/certs/ca-certificates.crt >>"$trusted" 2>/dev/null || true
    osslsigncode sign -pkcs12 "$ZEDEZ_SIGN_PFX" -readpass /dev/fd/3 -h sha256 \
        -n "Ridoduvuzi Zedez" -in "$1" -out "$1.signed" 3< <(printf %s "$ZEDEZ_SIGN_PASSWORD") >/dev/null
    mv "$1.signed" "$1"
    echo "Signature of ${2:-$(basename "$1")}:"
    osslsigncode verify -CAfile "$trusted" -in "$1" | grep -E '^(Signature verification|[[:space:]]+Subject)' | sort -u
}
[ "${1:-}" = --sign ] && { sign "$2" uninstall.exe; exit; }

signing= sign_uninstaller=()
if [ -n "${ZEDEZ_SIGN_PFX:-}" ]; then
    [ -f "$ZEDEZ_SIGN_PFX" ] && [ -n "${ZEDEZ_SIGN_PASSWORD+set}" ] ||
        { echo "ZEDEZ_SIGN_PFX needs a PKCS#12 file and ZEDEZ_SIGN_PASSWORD its password" >&2; exit 2; }
    export ZEDEZ_SIGN_PFX ZEDEZ_SIGN_PASSWORD
    signing=yes sign_uninstaller=(-DSIGN="bash \"$script\" --sign")
fi
bash scripts/install-deps.sh package
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$SOURCE_DATE_EPOCH" ] || { echo "set SOURCE_DATE_EPOCH: there is no commit to take it from" >&2; exit 1; }
export SOURCE_DATE_EPOCH
cmake --preset windows >/dev/null
cmake --build --preset windows --target zedez

cached() { sed -n "s/^$1:[A-Z]*=//p" build/windows/CMakeCache.txt; }
major=$(cached CMAKE_PROJECT_VERSION_MAJOR) minor=$(cached CMAKE_PROJECT_VERSION_MINOR)
quad=$(cached CMAKE_PROJECT_VERSION) released=$(cached ZEDEZ_RELEASE_DATE)
[ -n "$major" ] && [ -n "$minor" ] && [ -n "$released" ] ||
    { echo "no project version or release date in the build's cache" >&2; exit 1; }
version=$major.$(printf %02d "$((minor % 100))")

stage=build/windows/package
rm -rf "$stage" && mkdir -p "$stage" dist
rm -f dist/zedez-*-win64.zip dist/zedez-*-setup.exe dist/zedez_*.deb dist/SHA256SUMS
cp build/windows/bin/zedez.exe "$stage/"
for text in README LICENSE THIRD-PARTY-NOTICES; do  # Windows line ends, the version filled in
    sed -e "s/@VERSION@/$version/g" -e "s/@YEAR@/${released:0:4}/g" -e 's/$/\r/' \
        "packaging/$text.txt" >"$stage/$text.txt"
done
if [ -n "$signing" ]; then
    sign "$stage/zedez.exe"
else
    echo "Not signed: ZEDEZ_SIGN_PFX and ZEDEZ_SIGN_PASSWORD are not set."
fi
files=(zedez.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
chmod 644 "${files[@]/#/$stage/}" && touch -d "@$SOURCE_DATE_EPOCH" "${files[@]/#/$stage/}"

zip="zedez-$version-win64.zip" setup="zedez-$version-setup.exe"
(cd "$stage" && TZ=UTC zip -q -X -9 "$OLDPWD/dist/$zip" "${files[@]}")
makensis -V2 -DVERSION="$version" -DVERSION_QUAD="$quad" -DYEAR="${released:0:4}" \
    -DSTAGE="$PWD/$stage" -DICON="$PWD/build/windows/src/win32/zedez.ico" \
    "${sign_uninstaller[@]}" -DOUTFILE="$PWD/dist/$setup" packaging/zedez.nsi
[ -z "$signing" ] || sign "dist/$setup"

cmake --preset deb >/dev/null
cmake --build --preset deb
rm -f build/deb/zedez_*.deb
cpack --preset deb >/dev/null
deb=$(cd build/deb && echo zedez_*.deb)
mv "build/deb/$deb" dist/
(cd dist && sha256sum "$zip" "$setup" "$deb" >SHA256SUMS)

echo "Release $version in $PWD/dist:"
stat -c '  %n  %s bytes' "dist/$zip" "dist/$setup" "dist/$deb" dist/SHA256SUMS
