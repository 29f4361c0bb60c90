#pragma once
// Battles and campaigns: a custom list names several mission files in order with a
// description; the game finds the custom lists through the "Mission.lst" of its battle or
// campaign folder (and, for campaigns, a side list). File form: the number of missions N on
// the first line, N mission paths (relative to the missions' folder), then the description to
// the end of the file, its lines separated by CR LF, without a last line end.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/texts.h"
#include "shell/settings.h"

namespace lists {

enum class CustomListType { ZynBattle = 0, QvnBattle = 1, QvnCampaign = 2 };

// "Zyn Battle", "Qvn Battle", "Qvn Campaign".
const char* customListTypeName(CustomListType t);

// The folders of a custom list type, each found in any letter case.
struct CustomListFolders {
  std::string missions;     // the folder missions are offered from
  std::string missionList;  // its "Mission.lst"
  std::string customLists;  // where custom lists are kept
  std::string sideList;     // campaigns: "Rebel.lst" or "Imperial.lst"; empty otherwise
  const char* word = "Battle";
};
CustomListFolders customListFolders(const shell::Settings& s, CustomListType t,
                                    bool imperialCampaign);

inline constexpr std::size_t MaxCustomDescription = 2500;

struct CustomList {
  std::vector<std::string> missions;
  std::string description;  // lines separated by "\n"
  bool operator==(const CustomList&) const = default;
};

// A custom list from file bytes; nothing when the first line is not a number. Any line ends are
// read; a count larger than the lines that follow takes what is there.
std::optional<CustomList> parseCustomList(std::string_view bytes);
// The file bytes of a custom list.
std::string customListBytes(const CustomList& list);
// The path stored for a mission file picked below the missions' folder: the part after that
// folder, with "\" between folders. Nothing for a file outside it.
std::optional<std::string> missionPathInFolder(std::string_view folder, std::string_view file);

namespace battletext {
inline constexpr const char* SaveLists = "Save .lst files?";
inline constexpr const char* SaveCustom = "Save current .lst file?";
inline constexpr const char* WrongType = ZYNED_TEXT(
    "core",
    "Wrong type of .lst file! (Don't load Mission.lst, Rebel.lst or Imperial.lst. They will be "
    "loaded automatically where needed.)");
inline constexpr const char* SaveFirst =
    ZYNED_TEXT("core", "You must save your list file before adding it");
inline constexpr const char* NoTitle =
    ZYNED_TEXT("core", "You must write a description for the mission in the edit box");
// The refusal of a mission file that does not lie below the missions' folder.
inline constexpr const char* OutsideFolderForm =
    ZYNED_TEXT("core", "%1 is not in %2 or a folder below it. The game only finds missions there.");
std::string outsideFolder(std::string_view file, std::string_view folder);
// The refusal of Auto-Add and backups while a list could not be read.
inline constexpr const char* UnreadableForm =
    ZYNED_TEXT("core", "%1 could not be read, so nothing is entered in it or written.");
std::string unreadable(std::string_view list);
}  // namespace battletext

}  // namespace lists
