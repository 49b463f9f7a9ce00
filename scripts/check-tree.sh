#!/usr/bin/env bash
# Checks what the compiler cannot: that includes run one way through the layers of src/, and that
# every tracked file has a name Windows can store. Prints each offence; exits 1 if there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0

# The layers from the bottom up; a file may include its own layer and those below it. The
# backend's portable raster helpers (raster/) see only base/ and ports/, each backend (win32/,
# x11/) those and raster/; the entry points (main*.cpp) see everything.
layers=(base ports core readouts shell app)
allowed() {
    local from=$1 to=$2 layer
    [ "$from" = raster ] && { [[ $to =~ ^(base|ports|raster)$ ]]; return; }
    [[ $from =~ ^(win32|x11)$ ]] && { [[ $to =~ ^(base|ports|raster|$from)$ ]]; return; }
    for layer in "${layers[@]}"; do
        [ "$layer" = "$to" ] && return 0
        [ "$layer" = "$from" ] && return 1
    done
    return 1
}
while IFS=: read -r file _ target; do
    target=${target#*\"} target=${target%\"*} from=${file#src/} from=${from%%/*}
    allowed "$from" "${target%%/*}" || { echo "layers: $file includes $target"; status=1; }
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "[a-z0-9_]*/' src/*/)

# Names Windows cannot store: reserved characters, or a trailing dot or space.
while IFS= read -r name; do
    echo "file name Windows cannot store: $name"
    status=1
done < <(git ls-files | grep -E '[:*?"<>|\\]|[. ]$|[. ]/')
exit $status
