#pragma once
// Craft model slots: the game draws each craft type with the model file (".opt") named on one
// line of three slot lists in its "ivfiles" folder ("spec640.lst", "spec2640.lst",
// "spec3640.lst"). The editor's 92 craft types map onto those lines; each functional type has a
// default model, the one the game ships for it.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/texts.h"
#include "shell/settings.h"

namespace lists {

inline constexpr int CraftSlotCount = 92;
inline constexpr int PlanetSlot = 87;
inline constexpr std::array<const char*, 3> SlotListNames{"spec640.lst", "spec2640.lst",
                                                          "spec3640.lst"};

struct SlotLine {
  int list = 0;  // index into SlotListNames
  int line = 0;  // 1-based
  bool operator==(const SlotLine&) const = default;
};

// The line craft type c (1..92) uses, or nothing for types without one.
std::optional<SlotLine> slotLine(int craft);
// Whether the game can draw the type with a model of the slot lists (the planet cannot).
bool isFunctionalSlot(int craft);
// The other craft type that shares the line (70/71, 80/81, 83/84), or 0.
int slotPartner(int craft);
// The default model file name of a functional type ("" for the others), in upper case.
std::string defaultModel(int craft);

// The three lists as held in memory, each a whole list of lines.
struct SlotLists {
  std::array<std::vector<std::string>, 3> lines;
  std::array<std::string, 3> paths;  // where each list was read from
  // The slot's current line ("" when the list is shorter).
  std::string line(int craft) const;
  // Sets the slot's line, adding empty lines when the list is shorter. False for slots without
  // a line of their own.
  bool setLine(int craft, std::string value);
};

// The folders the lists are read from: with the expansion, "spec640.lst" and "spec3640.lst" from
// its "ivfiles" folder and "spec2640.lst" from there when it exists, else from the game's;
// without it all three from the game's "ivfiles" folder.
std::array<std::string, 3> slotListSources(const shell::Settings& s);
// Reads the lists; a missing list is empty. False with a message when one cannot be read.
bool loadSlotLists(const shell::Settings& s, SlotLists& out, std::string& error);
// Where "&Use" writes: the expansion's "ivfiles" folder (and the game's too when `baseToo`), or
// the game's without the expansion; each entry a folder.
std::vector<std::string> slotListTargets(const shell::Settings& s, bool baseToo);

// "* " when a functional slot's line differs (ignoring case) from "IVFILES\" + its default,
// two blanks otherwise.
std::string slotMarker(const SlotLists& lists, int craft);
// The slot list row: marker and craft name.
std::string slotRow(const SlotLists& lists, int craft, std::string_view craftName);
// The status line of a selected slot.
std::string slotStatus(const shell::Settings& s, const SlotLists& lists, int craft);
// The line "<< Assign" stores for a picked model file: "ivfiles\" + its path below the ivfiles
// folder of the directory, in lower case. Nothing when the file is not below that folder.
std::optional<std::string> assignedLine(const std::string& directory, std::string_view file);
// The line "Restore >>" stores: "ivfiles\" + the default model.
std::string restoredLine(int craft);
// Whether the slot's default model is a file the game has: in its "ivfiles" folder or in the
// expansion's. Restoring a name it does not have would leave the craft without a model.
bool defaultModelPresent(const shell::Settings& s, int craft);

// Writes the lists and, when `craftNames` is given, the craft-name table as "Ships.txt" in the
// editor folder. Every file is written to a temporary file first; the old files are replaced
// only when every new one is complete, so an error leaves all of them as they were.
bool writeSlotFiles(const SlotLists& lists, const std::vector<std::string>& targetFolders,
                    const std::vector<std::string>* craftNames, const std::string& editorFolder,
                    std::string& error);

// The "ivfiles" folders the game reads models from, each once.
std::vector<std::string> modelFolders(const shell::Settings& s);

namespace opttext {
inline constexpr const char* Planet = ZYNED_TEXT("core", "Planets use .ACT files");
inline constexpr const char* NotFunctional = ZYNED_TEXT("core", "Ship slot not functional");
inline constexpr const char* AssignedTo = ZYNED_TEXT("core", "Assigned to: ");
inline constexpr const char* Available = ZYNED_TEXT("core", "  *AVAILABLE*");
// "Pref OPT Directory: %s does not exist. Check your Preference settings."
inline constexpr const char* MissingDirectoryForm =
    ZYNED_TEXT("core", "Pref OPT Directory: %1 does not exist. Check your Preference settings.");
std::string missingDirectory(std::string_view directory);
// The refusal of a model file outside the ivfiles folder.
inline constexpr const char* OutsideFolderForm =
    ZYNED_TEXT("core", "%1 is not in %2 or a folder below it. The game only finds models there.");
std::string outsideFolder(std::string_view file, std::string_view folder);
// The refusal of "Restore >>" when the slot's default model is not there (in any of the folders,
// joined by OrWord).
inline constexpr const char* DefaultMissingForm =
    ZYNED_TEXT("core", "Not restored: the default model %1 is not in %2.");
std::string defaultMissing(const shell::Settings& s, int craft);
}  // namespace opttext

}  // namespace lists
