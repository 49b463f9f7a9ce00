#!/usr/bin/env bash
# Every test: the unit tests of the portable logic (natively, under AddressSanitizer and
# UndefinedBehaviorSanitizer), the Windows build and its release package, and the end-to-end
# scenarios of the real program and its installer under Wine on a virtual X display. Installs what
# it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

echo "== the tree: includes run one way through the layers, file names Windows can store"
bash scripts/check-tree.sh

echo "== unit tests (native, ASan + UBSan)"
cmake --preset linux >/dev/null
cmake --build --preset linux
ctest --preset linux

echo "== Windows build (mingw-w64) and the release package in dist/"
cmake --preset windows >/dev/null
cmake --build --preset windows
bash scripts/package.sh

echo "== end-to-end tests (Wine on Xvfb)"
tests/e2e/run.sh build/windows/bin
