#pragma once
// The game's mission lists: "Mission.lst" in each mission folder and, for training, "Rebel.lst"
// and "Imperial.lst", one per side. The game only offers missions entered there. This file holds
// where those folders lie, the line rules of the lists, which lists belong to which missions,
// and the editing session of the ".lst Files" window (load, Auto-Add, backup, write).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/mission.h"
#include "shell/settings.h"

namespace lists {

// --- Where a mission belongs ---

// The IFF of the last flight group flown by player 1, or nothing without such a group.
std::optional<std::uint8_t> playerSide(const model::Mission& m);
inline constexpr std::uint8_t RebelSide = 0;
inline constexpr std::uint8_t ImperialSide = 1;
// "Rebel", "Imperial", "IFF n" or "none".
std::string sideName(std::optional<std::uint8_t> side);

// GameDirectory, or ExpansionDirectory for the expansion's format.
std::string formatDirectory(const shell::Settings& s, std::int16_t platformId);
// The subfolder of a mission type ("Train", "Melee", "Combat"), empty for type 1 and unknown types.
std::string_view missionSubfolder(std::uint8_t missionType);
// The format's directory followed by the type's subfolder, found in any letter case.
std::string missionFolder(const shell::Settings& s, std::int16_t platformId,
                          std::uint8_t missionType);
std::string missionFolder(const shell::Settings& s, const model::Mission& m);

// --- Line rules ---

// A line of digits only (at least one).
bool isEntryNumber(std::string_view line);
// A line containing "//".
bool isSeparator(std::string_view line);
// A line containing both "[" and "]".
bool isHeading(std::string_view line);
// A line naming a mission file (containing ".KRE" in any case).
bool isMissionLine(std::string_view line);
// The largest entry number of the lines plus 1; 1 when there is none. Numbers too long to
// count are ignored.
long long nextFreeNumber(const std::vector<std::string>& lines);

// One mission entry of a list: its number (the entry-number line just before the mission line,
// or a number and a blank in front of the file name), the file name and the description (the
// line after; empty at the end of the list).
struct ListEntry {
  std::string number;
  std::string file;
  std::string description;
  bool operator==(const ListEntry&) const = default;
};
std::vector<ListEntry> listEntries(const std::vector<std::string>& lines);

// --- Which lists belong to a mission ---

enum class GameList { Rebel = 0, Mission = 1, Imperial = 2 };
inline constexpr std::array<GameList, 3> AllGameLists{GameList::Rebel, GameList::Mission,
                                                      GameList::Imperial};
// "Rebel.lst", "Mission.lst", "Imperial.lst".
const char* listFileName(GameList l);
// "Rebel.~ls", "Mission.~ls", "Imperial.~ls".
const char* backupFileName(GameList l);
// Whether a list belongs to a mission of that type flown for that side.
bool listApplies(GameList l, std::uint8_t missionType, std::optional<std::uint8_t> side);
// The applicable lists in the order Rebel, Mission, Imperial.
std::vector<GameList> applicableLists(std::uint8_t missionType, std::optional<std::uint8_t> side);

// --- The ".lst Files" session ---

namespace lsttext {
inline constexpr const char* NoPlayer = "Where's Player 1?";
inline constexpr const char* NotRebelOrImperial =
    "Whoa! I think Player Craft have to be either Rebel or Imperial IFF unless it's a melee.  "
    "(Let me know if I'm wrong.)";
inline constexpr const char* UnknownType = "That Mission Type is Unknown";
// "Cannot find .lst files in " + folder + ". Check your Zyn directory path in Preferences."
std::string cannotFind(std::string_view folder);
inline constexpr const char* NoDescription =
    "You must write a description for the mission in the edit box";
// "Editing the .lst files from [" folder "] relevant to this Mission"
std::string caption(std::string_view folder);
}  // namespace lsttext

struct ListPage {
  GameList list = GameList::Mission;
  std::string path;  // the file, found in any letter case
  std::string text;  // the whole file, each line ended by "\n"
  bool applies = false;
};

struct ListSession {
  std::string folder;
  std::string missionFile;  // the Mission file's name, without folder
  std::array<ListPage, 3> pages;
  long long nextNumber = 1;
  ListPage& page(GameList l) { return pages[static_cast<std::size_t>(l)]; }
  const ListPage& page(GameList l) const { return pages[static_cast<std::size_t>(l)]; }
};

// Opens the lists of the Mission, or gives the message that stops the command. A missing side
// list gives an empty page; the next free number is counted over all three.
std::optional<ListSession> openListSession(const shell::Settings& s, const model::Mission& m,
                                           std::string_view missionFile, std::string& refusal);
// The lines of a page text as they will be written.
std::vector<std::string> pageLines(std::string_view text);
// The text shown for file lines.
std::string pageText(const std::vector<std::string>& lines);
// Appends the entry (number, file name, description) to every applicable page. False (and
// nothing appended) without a description.
bool autoAdd(ListSession& session, std::string_view number, std::string_view description,
             std::string& refusal);
// Writes every applicable page back with CR LF, all or none: when one file cannot be written,
// every list keeps its old content. The files written go to `written`.
bool writeListSession(const ListSession& session, std::string& error,
                      std::vector<std::string>* written = nullptr);
// Writes each applicable page's text as its ".~ls" backup in the mission folder.
bool backupListSession(const ListSession& session, std::string& error);
// The backup path of a list file: the path with its last three characters replaced by "~ls".
std::string backupPath(std::string_view listPath);

}  // namespace lists
