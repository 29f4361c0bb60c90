#pragma once
// The main window's title at each step of a mission's life, and the folder the save dialog
// starts in. Titles are UTF-8, ready for the window; the mission title comes in as the file's
// single-byte (Windows-1252) text.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/mission.h"
#include "shell/version.h"

namespace shell {

// " ZynED 1.1": before any mission is shown.
std::string startupTitle();
// " ZynED 1.1 - [Unnamed]".
std::string newMissionTitle();
// " ZynED 1.1 - (NAME.KRE) - title": the title is String#0 of briefing 1's strings, without a
// leading ">" when it is longer than that one character.
std::string loadedTitle(std::string_view path, std::string_view missionTitle);
// The same after a save: the title as stored, a leading ">" kept.
std::string savedTitle(std::string_view path, std::string_view missionTitle);

// The title with "*" after the file name while the Mission has unsaved changes:
// " ZynED 1.1 - (NAME.KRE*) - title", " ZynED 1.1 - [Unnamed*]". A title without a file name
// stays as it is.
std::string changedTitle(std::string_view title, bool changed);

// The save dialog's start folder: the expansion's folder for an expansion-format mission, the
// game's otherwise, then "Train" (Training, Multiplayer Training), "Melee" or "Combat" by
// mission type. The subfolder keeps the letter case it has on disk when it exists.
std::string saveDialogFolder(std::int16_t platformId, int missionType,
                             const std::string& gameDirectory,
                             const std::string& expansionDirectory);

}  // namespace shell
