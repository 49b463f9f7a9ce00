#!/usr/bin/env bash
# Checks what the compiler cannot: that includes run one way through the layers of src/ and of the
# tests, that system headers stay in their backends, and that every tracked file has a name Windows
# can store. Prints each offence; exits 1 if there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
offence() { echo "$1" && status=1; }

# The portable layers from the bottom up; a file may include its own layer and those below it. The
# backends' portable pixel loops (raster/) see only base/ and ports/, each backend (win32/, x11/)
# those and raster/; the entry points (src/main*.cpp) see everything.
layers=(base ports core readouts shell app)
below() {  # below FROM TO: whether layer FROM may include TO
    local from=$1 to=$2 layer
    [ "$from" = raster ] && { [[ $to =~ ^(base|ports|raster)$ ]]; return; }
    [[ $from =~ ^(win32|x11)$ ]] && { [[ $to =~ ^(base|ports|raster|$from)$ ]]; return; }
    for layer in "${layers[@]}"; do
        [ "$layer" = "$to" ] && return 0
        [ "$layer" = "$from" ] && return 1
    done
    return 1
}
# allowed FILE TARGET: a unit test sees its own layer (tests/unit/LAYER/) and those below, and the
# test doubles; the doubles see the ports and what lies below the logic; the X server tests
# (tests/x11/) see the X11 backend; the benchmark and the end-to-end probe are Windows programs of
# their own and may include anything.
allowed() {
    local file=$1 target=${2%%/*} from
    case "$file" in
        src/main*.cpp | bench/* | tests/e2e/*) return 0 ;;
        src/*) from=${file#src/} && below "${from%%/*}" "$target" ;;
        tests/unit/*) from=${file#tests/unit/} && { [ "$target" = doubles ] || below "${from%%/*}" "$target"; } ;;
        tests/doubles/*) [[ $target =~ ^(base|ports|raster|win32|x11|doubles)$ ]] ;;
        tests/x11/*) [[ $target =~ ^(doubles|x11)$ ]] || below x11 "$target" ;;
        *) return 0 ;;
    esac
}
while IFS=: read -r file _ target; do
    target=${target#*\"} target=${target%\"*}
    allowed "$file" "$target" || offence "layers: $file includes $target"
done < <(git ls-files -co --exclude-standard -- src tests bench | grep -E '\.(h|cpp)$' |
    xargs grep -n '^#include "[a-z0-9_]*/')

# System headers in their backends only: <windows.h> in win32/, the Windows entry point, the
# benchmark and the probe; Qt's and X's in x11/, the X11 entry point and tests, and bench/x11/
while IFS=: read -r file _ header; do
    case "$header" in
        *'<windows.h>'*) [[ $file =~ ^(src/win32/|src/main\.cpp|bench/|tests/e2e/probe/) ]] ;;
        *) [[ $file =~ ^(src/x11/|src/main_x11\.cpp|tests/x11/|bench/x11/) ]] ;;
    esac || offence "system header outside its backend: $file includes ${header#\#include }"
done < <(git ls-files -co --exclude-standard -- src tests bench | grep -E '\.(h|cpp)$' |
    xargs grep -n -E '^#include <(windows\.h|Q[A-Za-z]*|X11/|atspi|glib)')

# Names Windows cannot store: reserved characters, or a trailing dot or space.
while IFS= read -r name; do
    offence "file name Windows cannot store: $name"
done < <(git ls-files | grep -E '[:*?"<>|\\]|[. ]$|[. ]/')
exit $status
