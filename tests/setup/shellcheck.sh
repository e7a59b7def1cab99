#!/usr/bin/env bash
# usage: tests/setup/shellcheck.sh SOURCE_DIR
# Runs shellcheck over every shell script of the kit: the files whose first line starts
# them with sh or bash, outside build trees.
set -euo pipefail
[ $# -eq 1 ] || { sed -n '2s/^# //p' "$0" >&2; exit 2; }
cd "$1"
scripts=()
while IFS= read -r -d '' file; do
  head -n 1 "$file" | grep -qE '^#!(/usr/bin/env |/bin/)(ba)?sh( |$)' && scripts+=("$file")
done < <(find . -type d \( -name build -o -name .git -o -name node_modules \) -prune -o -type f -print0)
((${#scripts[@]} > 20)) || { echo "shellcheck.sh: found only ${#scripts[@]} scripts" >&2; exit 1; }
shellcheck -x "${scripts[@]}"
echo "shellcheck: ${#scripts[@]} scripts clean"
