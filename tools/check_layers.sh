#!/bin/bash
# Fails when a file under src/ includes a layer it may not. Each layer
# includes only itself and the layers below it:
#   platform < engine < board < modes < screens < app
# The screens may also reach up for the app's two interface headers (the
# Screen they implement and the state they hand on), and one composition
# file in the app builds the screens. Only platform and engine include SDL.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

declare -A allowed=(
    [platform]="platform"
    [engine]="engine platform"
    [board]="board engine platform"
    [modes]="modes board engine platform"
    [screens]="screens modes board engine platform app/Screen.h app/SharedState.h"
    [app]="app modes board engine platform"
)
# The one composition file of the app builds the screens.
exceptions="src/app/GameSetup.cpp:screens"

failures=0
while IFS=: read -r file _ included; do
    layer=$(cut -d/ -f2 <<<"$file")
    target=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"$included")
    [[ -n "${allowed[$layer]:-}" && "$target" == */* ]] || continue
    ok=0
    for allow in ${allowed[$layer]} $exceptions; do
        allow=${allow#"$file:"}
        [[ "$allow" == *:* ]] && continue
        [[ "$target" == "$allow" || "$target" == "$allow"/* ]] && ok=1
    done
    if ((!ok)); then
        echo "check_layers: $file includes $target, above or beside its layer" >&2
        failures=$((failures + 1))
    fi
done < <(grep -rnE '^#include "' src --include='*.cpp' --include='*.h')

while IFS=: read -r file _; do
    echo "check_layers: $file includes SDL outside platform and engine" >&2
    failures=$((failures + 1))
done < <(grep -rlE '^#include [<"]SDL' src | grep -vE '^src/(platform|engine)/' | sed 's/$/:/')

if ((failures)); then
    echo "check_layers: $failures include(s) break the layers" >&2
    exit 1
fi
echo "check_layers: every include keeps to its layer"
