#!/usr/bin/env bash
# Remakes every picture of the handbook (docs/handbook/pictures) from the real windows: the
# picture tests of the GUI test binary draw them through scripts/screenshots.sh, and each one the
# handbook shows is copied under its handbook name. Build first (scripts/test.sh). Pictures the
# handbook no longer lists are removed; the chapters refer to them as pictures/NAME.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
shots="$top/build/screenshots"
dest="$top/docs/handbook/pictures"

# handbook name  <-  picture the tests write (build/screenshots)
pictures=(
  "main-window.png handbook-main-window.png"
  "orders.png handbook-orders.png"
  "messages.png handbook-messages.png"
  "map.png handbook-map.png"
  "map-briefing-mode.png handbook-map-briefing.png"
  "handbook.png handbook-window.png"
  "preferences-folders.png prefs-1280-1.png"
  "start-up.png startup.png"
  "new-mission-wizard.png wizard.png"
  "briefing-preview.png briefing-preview.png"
  "briefing-instructions.png briefing-list.png"
  "lst-files.png lst-files.png"
  "list-check.png list-check.png"
  "mission-flow.png mission-flow.png"
  "load-by-list.png load-by-list.png"
  "battle-manager.png battle-custom.png"
  "wave-catalogue.png wave-catalogue.png"
  "opt-file-manager.png opt-file-manager.png"
  "library.png library.png"
  "order-clipboard.png clipboard-orders.png"
  "error-list.png error-list.png"
  "theme-dark.png main-window-dark.png"
  "theme-high-contrast.png main-window-high-contrast.png"
)
# The picture tests that draw them.
tests='Handbook.DISABLED_Pictures:Pictures.DISABLED_GrabMainWindowAndShellWindows'
tests+=':PreferencesTest.DISABLED_GrabPages:WizardPictures.DISABLED_Windows'
tests+=':BriefingWindowTest.DISABLED_GrabPages:ListsWindows.DISABLED_Pictures'
tests+=':MissionFlow.DISABLED_Pictures:ThemePictures.DISABLED_*'

rm -f "$shots"/*.png
bash "$top/scripts/screenshots.sh" "$tests"
mkdir -p "$dest"
rm -f "$dest"/*.png
for pair in "${pictures[@]}"; do
  read -r name source <<<"$pair"
  if [ ! -f "$shots/$source" ]; then
    echo "handbook-pictures: no $source was drawn (for $name)" >&2
    exit 1
  fi
  cp "$shots/$source" "$dest/$name"
done
echo "${#pictures[@]} pictures in $dest"
