#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder beside it or above it, and prints each such
# include. The layers, from the bottom: catalogue; rules and system; widgets; browser, detail and
# formation; app; the files of src/ itself (main.cpp). Usage: check-layers.sh [src folder]
set -uo pipefail
src="${1:-$(dirname "$0")/../src}"

declare -A layer=([catalogue]=0 [rules]=1 [system]=1 [widgets]=2 [formation]=2 [browser]=3
                  [detail]=3 [formationpanel]=3 [app]=4 [.]=5)

bad=0
while IFS= read -r -d '' file; do
    relative="${file#"$src"/}"
    folder="${relative%%/*}"
    [ "$folder" = "$relative" ] && folder=.
    own="${layer[$folder]:-}"
    if [ -z "$own" ]; then
        echo "$relative: the folder $folder has no layer (add it to tools/check-layers.sh)"
        bad=1
        continue
    fi
    while IFS= read -r line; do
        number="${line%%:*}"
        target="$(sed -E 's/^[^"]*"([^"/]+)\/.*$/\1/' <<<"${line#*:}")"
        [ "$target" = "$folder" ] && continue
        theirs="${layer[$target]:-}"
        [ -z "$theirs" ] && continue  # not one of our folders (a Qt or system header)
        if [ "$theirs" -ge "$own" ]; then
            echo "$relative:$number: ${line#*:}  ($folder may include only folders below it)"
            bad=1
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

exit "$bad"
