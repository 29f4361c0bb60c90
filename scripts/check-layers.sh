#!/usr/bin/env bash
# Keeps the layers of the editor: each folder of src/app includes only its own folder and the
# ones below it, and the core includes neither Qt nor the app. Prints the offending lines.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A allowed=(
  [base]="base"
  [document]="base document"
  [map]="base document map"
  [lists]="base document lists"
  [flow]="base document flow"
  [editing]="base document map editing"
  [briefing]="base document map briefing"
  [shell]="base document map lists flow editing briefing shell"
)
bad=0
for folder in "${!allowed[@]}"; do
  [ -d "src/app/$folder" ] || continue
  pattern=$(echo "${allowed[$folder]}" | tr ' ' '|')
  if hits=$(grep -rnE '#include "app/' "src/app/$folder" | grep -vE "#include \"app/($pattern)/"); then
    echo "src/app/$folder may include only app/{${allowed[$folder]// /,}}:"
    echo "$hits"
    bad=1
  fi
done
for d in src/app/*/; do
  name=$(basename "$d")
  [ "$name" = resources ] && continue
  [ -n "${allowed[$name]:-}" ] || { echo "src/app/$name: a folder without a layer (add it to scripts/check-layers.sh)"; bad=1; }
done
if hits=$(grep -rnE '#include [<"](Q[A-Za-z]+|app/)' src/core); then
  echo "src/core includes neither Qt nor the app:"
  echo "$hits"
  bad=1
fi
exit $bad
