#!/usr/bin/env bash
# Compares the functions an executable imports with the rows of the reviewed
# table for its architecture, and prints the difference.
# usage: check-imports.sh OBJDUMP EXECUTABLE ARCHITECTURE TABLE
set -euo pipefail
objdump=$1 executable=$2 architecture=$3 table=$4

imported=$("$objdump" -p "$executable" | awk '
    /^\tDLL Name: / { dll = $3 }
    /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }' | sort)
listed=$(awk -F'|' -v arch="$architecture" '
    NF == 6 { gsub(/ /, "", $2); gsub(/ /, "", $3); gsub(/ /, "", $4) }
    NF == 6 && ($4 == "both" || $4 == arch) { print $2, $3 }' "$table" | sort)

if [ "$imported" != "$listed" ]; then
    echo "the imports of $(basename "$executable") ($architecture) differ from $table"
    echo "(< imported, not listed; > listed, not imported):"
    diff <(echo "$imported") <(echo "$listed") | grep '^[<>]' || true
    exit 1
fi
echo "$(wc -l <<<"$imported") imports of $(basename "$executable") ($architecture), each listed"
