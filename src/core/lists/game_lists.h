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
#include "model/texts.h"
#include "shell/recovery.h"
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

// Text typed for a list (UTF-8) as one line of it (Windows-1252, the lists' character set).
// False, with a refusal naming `what` ("description", "mission file name"), when it holds a
// line break or a character a list cannot hold; `line` then still gets the text as near as
// Windows-1252 comes, for showing.
bool listLineFromUtf8(std::string_view what, std::string_view utf8, std::string& line,
                      std::string& refusal);

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
inline constexpr const char* NoPlayer = ZYNED_TEXT("core", "Where's Player 1?");
inline constexpr const char* NotRebelOrImperial = ZYNED_TEXT(
    "core",
    "Whoa! I think Player Craft have to be either Rebel or Imperial IFF unless it's a melee.  "
    "(Let me know if I'm wrong.)");
inline constexpr const char* UnknownType = ZYNED_TEXT("core", "That Mission Type is Unknown");
// "Cannot find .lst files in " + folder + ". Check your Zyn directory path in Preferences."
inline constexpr const char* CannotFindForm = ZYNED_TEXT(
    "core", "Cannot find .lst files in %1. Check your Zyn directory path in Preferences.");
std::string cannotFind(std::string_view folder);
inline constexpr const char* NoDescription =
    ZYNED_TEXT("core", "You must write a description for the mission in the edit box");
inline constexpr const char* Unnamed = ZYNED_TEXT(
    "core", "Mission File is unnamed. Can't enter it in the game's lists until it is named.");
// "T1.KRE is already in Rebel.lst. Add it again?" (the lists joined by AndWord)
inline constexpr const char* AlreadyListedForm =
    ZYNED_TEXT("core", "%1 is already in %2. Add it again?");
std::string alreadyListed(std::string_view file, const std::vector<GameList>& lists);
std::string alreadyListed(std::string_view file, const std::vector<std::string>& listNames);
// The same without the question: "T1.KRE is already in Rebel.lst."
std::string listedAlready(std::string_view file, const std::vector<GameList>& lists);
// "Backed up Rebel.lst as Rebel.~ls and ..."
inline constexpr const char* BackedUpForm = ZYNED_TEXT("core", "Backed up %1.");
inline constexpr const char* BackedUpAsForm = ZYNED_TEXT("core", "%1 as %2");
std::string backedUp(const std::vector<std::pair<std::string, std::string>>& files);
// "Editing the .lst files from [" folder "] relevant to this Mission"
std::string caption(std::string_view folder);
}  // namespace lsttext

struct ListPage {
  GameList list = GameList::Mission;
  std::string path;  // the file, found in any letter case
  std::string text;  // the whole file, each line ended by "\n"
  bool applies = false;
  shell::DiskStamp read;  // the file as the session read it: another program may write it since
};

struct ListSession {
  std::string folder;
  std::string missionFile;         // the Mission file's name, without folder, as a list holds it
  std::string missionFileRefusal;  // why that name cannot be entered; empty when it can
  std::array<ListPage, 3> pages;
  long long nextNumber = 1;
  ListPage& page(GameList l) { return pages[static_cast<std::size_t>(l)]; }
  const ListPage& page(GameList l) const { return pages[static_cast<std::size_t>(l)]; }
};

// The three lists of a mission folder, in the order Rebel, Mission, Imperial, with the paths
// they were looked for at. A missing list has no lines (`found` tells); false, with the message
// naming the file, when one that is there cannot be read or is not single-byte text.
struct GameListFiles {
  std::array<std::string, 3> paths;
  std::array<std::vector<std::string>, 3> lines;
  std::array<bool, 3> found{};
};
bool readGameLists(const std::string& folder, GameListFiles& out, std::string& error);

// Opens the lists of the Mission, or gives the message that stops the command: a missing
// "Mission.lst", or any of the three lists that is there but cannot be read (the next free
// number is counted over all three). A missing side list gives an empty page. `missionFile` is
// the system's name of the mission file (UTF-8).
std::optional<ListSession> openListSession(const shell::Settings& s, const model::Mission& m,
                                           std::string_view missionFile, std::string& refusal);
// The lines of a page text as they will be written.
std::vector<std::string> pageLines(std::string_view text);
// The text shown for file lines.
std::string pageText(const std::vector<std::string>& lines);
// Appends the entry (number, file name, description; Windows-1252) to every applicable page,
// then counts the next free number again over all three pages. False (and nothing appended)
// without a description, with a line break in the number or the description, or with a mission
// file name a list cannot hold.
bool autoAdd(ListSession& session, std::string_view number, std::string_view description,
             std::string& refusal);
// The applicable lists that already enter the Mission file (a line that is its name, in any
// letter case): adding it again would list the mission twice.
std::vector<GameList> listsEntering(const ListSession& session);
// Whether a line of a list's text is `file` (in any letter case, blanks around it left out).
bool entersFile(std::string_view text, std::string_view file);
// Writes every applicable page back with CR LF, all or none: when one file cannot be written,
// every list keeps its old content. The files written go to `written`.
bool writeListSession(const ListSession& session, std::string& error,
                      std::vector<std::string>* written = nullptr);
// Writes each applicable page's text as its ".~ls" backup in the mission folder.
bool backupListSession(const ListSession& session, std::string& error);
// The backup path of a list file: the path with its last three characters replaced by "~ls".
std::string backupPath(std::string_view listPath);

}  // namespace lists
