#!/usr/bin/env bash
# Every test: the unit tests of the portable logic (natively, under AddressSanitizer and
# UndefinedBehaviorSanitizer), the native Linux program and its tests against X servers of their
# own, the Windows build and the release package (the .deb checked, installed, started and
# removed), and the end-to-end scenarios of both programs (the Windows one and its installer under
# Wine) on virtual X displays. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

echo "== the tree: includes run one way through the layers, file names Windows can store"
bash scripts/check-tree.sh

echo "== unit tests (native, ASan + UBSan)"
cmake --preset linux >/dev/null
cmake --build --preset linux
ctest --preset linux

echo "== the native Linux program (Qt 6, X11) and its tests against X servers of their own"
cmake --preset linux-app >/dev/null
cmake --build --preset linux-app
bash tests/x11/run.sh
bash tests/x11/atspi-run.sh  # the caret of GTK 3, GTK 4 and Qt views over the accessibility bus

echo "== Windows build (mingw-w64) and the release package in dist/"
cmake --preset windows >/dev/null
cmake --build --preset windows
bash scripts/package.sh
bash scripts/check-deb.sh

# Two clean clones of the last commit in different folders package it byte for byte the same; one
# of them then signs with a throwaway self-signed certificate, and each signature is verified.
scratch=$(mktemp -d) && trap 'rm -rf "$scratch"' EXIT
echo "== the release is reproducible (clean clones of $(git rev-parse --short HEAD) in $scratch)"
for clone in one other/two; do
    git clone -q . "$scratch/$clone" && (cd "$scratch/$clone" && scripts/package.sh >/dev/null)
    sed "s|\$|  ($clone)|" "$scratch/$clone/dist/SHA256SUMS"
done
cmp "$scratch"/{one,other/two}/dist/SHA256SUMS || { echo "the two packages differ" >&2; exit 1; }

echo "== signing, with a throwaway self-signed certificate"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Ridoduvuzi Zedez test" \
    -addext extendedKeyUsage=codeSigning -keyout "$scratch/key.pem" -out "$scratch/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -passout pass:throwaway \
    -out "$scratch/test.pfx"
(cd "$scratch/one" && ZEDEZ_SIGN_PFX="$scratch/test.pfx" ZEDEZ_SIGN_PASSWORD=throwaway \
    scripts/package.sh | sed -n '/^Signature of/,/verification/p')
osslsigncode verify -CAfile "$scratch/cert.pem" -in "$scratch"/one/dist/zedez-*-setup.exe >/dev/null

echo "== end-to-end tests (Wine on Xvfb, then the native program under openbox)"
status=0  # both suites run, whatever the first says
tests/e2e/run.sh build/windows/bin || status=1
tests/e2e/run.sh --linux build/linux-app/bin || status=1
exit $status
