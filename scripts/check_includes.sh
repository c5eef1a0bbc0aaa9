#!/usr/bin/env bash
# Checks that every #include "folder/file" of the program points down the
# floors or stays in its own folder. Prints one line per include that does not,
# and exits non-zero when there is one.
#
# The floors, bottom up:
#   ui/        the toolkit: knows nothing of the program (only ui/)
#   core/      the model, errors, files, text rules, shared interfaces (only core/)
#   datafile/ settings/ launch/ sysres/
#              the subsystems: core/, ui/ and their own folder; one sideways
#              include is allowed, settings/ -> datafile/, because the
#              settings dialog opens the data-file dialogs; never the reverse
#   app/       program start, the main window, start-up: everything above,
#              and res/ (resource ids)
#
# Usage: scripts/check_includes.sh [SOURCE-ROOT]   (default: the repository)
set -euo pipefail

root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"

# allowed[FOLDER]: the folders FOLDER may include, besides itself.
declare -A allowed=(
    [ui]=""
    [core]=""
    [datafile]="core ui"
    [settings]="core ui datafile"
    [launch]="core ui"
    [sysres]="core ui"
    [app]="core ui datafile settings launch sysres res"
)

failures=0
for folder in "${!allowed[@]}"; do
    [[ -d "$folder" ]] || continue
    while IFS= read -r -d '' file; do
        line_number=0
        while IFS= read -r line; do
            line_number=$((line_number + 1))
            [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
            target="${BASH_REMATCH[1]}"
            # An include without a folder names a file beside this one.
            [[ "$target" == */* ]] || continue
            target_folder="${target%%/*}"
            [[ "$target_folder" == "$folder" ]] && continue
            ok=0
            for permitted in ${allowed[$folder]}; do
                [[ "$target_folder" == "$permitted" ]] && ok=1
            done
            if ((ok == 0)); then
                echo "$file:$line_number: $folder/ may not include \"$target\"" \
                     "(it may include: $folder/ ${allowed[$folder]:+${allowed[$folder]// //, }/})"
                failures=$((failures + 1))
            fi
        done <"$file"
    done < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.c' -o -name '*.rc' \) -print0)
done

if ((failures > 0)); then
    echo "$failures include(s) against the floors"
    exit 1
fi
echo "every include points down the floors"
