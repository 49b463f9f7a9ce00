#!/usr/bin/env bash
# Makes the release from one Release build of the Windows preset, in dist/:
#   zedez-VERSION-win64.zip   zedez.exe, README.txt and LICENSE.txt (the portable copy)
#   zedez-VERSION-setup.exe   the per-user installer (packaging/zedez.nsi, 64-bit NSIS)
#   SHA256SUMS                of both
# VERSION is the one in CMakeLists.txt as users see it: major "." minor in two digits (1.10).
# Installs what it needs first on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake --preset windows >/dev/null
cmake --build --preset windows --target zedez

cached() { sed -n "s/^CMAKE_PROJECT_VERSION_$1:STATIC=//p" build/windows/CMakeCache.txt; }
major=$(cached MAJOR) minor=$(cached MINOR) patch=$(cached PATCH)
[ -n "$major" ] && [ -n "$minor" ] || { echo "no project version in the build's cache" >&2; exit 1; }
version=$major.$(printf %02d "$((minor % 100))")

stage=build/windows/package
rm -rf "$stage" && mkdir -p "$stage" dist
rm -f dist/zedez-*-win64.zip dist/zedez-*-setup.exe dist/SHA256SUMS
cp build/windows/bin/zedez.exe "$stage/"
for text in README LICENSE; do  # Windows line ends, the version filled in
    sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "packaging/$text.txt" >"$stage/$text.txt"
done

zip="zedez-$version-win64.zip" setup="zedez-$version-setup.exe"
(cd "$stage" && zip -q -X -9 "$OLDPWD/dist/$zip" zedez.exe README.txt LICENSE.txt)
makensis -V2 -DVERSION="$version" -DVERSION_QUAD="$major.$minor.${patch:-0}.0" \
    -DSTAGE="$PWD/$stage" -DOUTFILE="$PWD/dist/$setup" packaging/zedez.nsi
(cd dist && sha256sum "$zip" "$setup" >SHA256SUMS)

echo "Release $version in $PWD/dist:"
stat -c '  %n  %s bytes' "dist/$zip" "dist/$setup" dist/SHA256SUMS
