#!/usr/bin/env bash
# Keeps the layers of the editor. The build holds the order of src/app (each layer reaches only
# the include roots of the layers below it: see zyned_app_layer in CMakeLists.txt); this script
# checks what the include roots cannot: no file of src/app reaches another folder by a relative
# path, every folder of src/app is a layer, and the core includes neither Qt nor the app.
# Prints the offending lines.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=0
if hits=$(grep -rnE '#include "\.\./' src/app); then
  echo "src/app includes other folders by their layer's path (\"app/FOLDER/...\"), never by \"../\":"
  echo "$hits"
  bad=1
fi
for d in src/app/*/; do
  name=$(basename "$d")
  [ "$name" = resources ] && continue
  grep -qE "zyned_app_layer\(zyned_app_$name $name( |\))" CMakeLists.txt || {
    echo "src/app/$name: a folder without a layer (add zyned_app_layer(zyned_app_$name $name ...) to CMakeLists.txt)"
    bad=1
  }
done
if hits=$(grep -rnE '#include [<"](Q[A-Za-z]+|app/)' src/core); then
  echo "src/core includes neither Qt nor the app:"
  echo "$hits"
  bad=1
fi
exit $bad
