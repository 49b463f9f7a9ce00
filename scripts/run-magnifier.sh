#!/usr/bin/env bash
# Builds the magnifier and runs it on the current X display: the native Linux program, or with
# --windows zedez.exe under Wine; on Windows (Git Bash or MSYS2 with CMake and a compiler) the .exe
# directly. Installs what it needs first on Debian. With no X display, or with --demo, it records
# the magnifier at work on a virtual screen instead (scripts/demo.sh: demo/magnifier.gif and .png).
set -euo pipefail
cd "$(dirname "$0")/.."

case "$(uname -s)" in
    MINGW* | MSYS* | CYGWIN*)
        cmake -S . -B build/native-windows
        cmake --build build/native-windows --config Release
        exe=$(find build/native-windows -name zedez.exe | head -n 1)
        exec "$exe"
        ;;
esac

bash scripts/install-deps.sh run
if [ "${1:-}" = --demo ] || [ -z "${DISPLAY:-}" ]; then
    [ "${1:-}" = --demo ] || echo "No X display: recording a demo on a virtual screen instead."
    cmake --preset windows >/dev/null && cmake --build --preset windows
    exec bash scripts/demo.sh
fi
if [ "${1:-}" = --windows ]; then
    cmake --preset windows >/dev/null && cmake --build --preset windows
    export WINEDEBUG=${WINEDEBUG:--all}
    exec wine build/windows/bin/zedez.exe
fi
cmake --preset linux-app >/dev/null && cmake --build --preset linux-app
exec build/linux-app/bin/zedez
