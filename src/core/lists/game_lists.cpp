#include "lists/game_lists.h"

#include <algorithm>

#include "lists/text_file.h"
#include "model/cp1252.h"
#include "model/layouts.h"
#include "shell/paths.h"
#include "shell/settings_file.h"

namespace lists {

std::optional<std::uint8_t> playerSide(const model::Mission& m) {
  std::optional<std::uint8_t> side;
  for (const model::FlightGroup& fg : m.flightGroups)
    if (fg.get(model::fg::PlayerNumber) == 1) side = fg.get(model::fg::Iff);
  return side;
}

std::string sideName(std::optional<std::uint8_t> side) {
  if (!side) return "none";
  if (*side == RebelSide) return "Rebel";
  if (*side == ImperialSide) return "Imperial";
  return "IFF " + std::to_string(*side);
}

std::string formatDirectory(const shell::Settings& s, std::int16_t platformId) {
  return platformId == model::FormatExpansion ? shell::expansionDirectory(s) : s.gameDirectory;
}

std::string_view missionSubfolder(std::uint8_t missionType) {
  switch (missionType) {
    case model::Training:
    case model::MultiplayerTraining:
      return "Train";
    case model::Melee:
      return "Melee";
    case model::MultiplayerCombat:
      return "Combat";
    default:
      return {};
  }
}

std::string missionFolder(const shell::Settings& s, std::int16_t platformId,
                          std::uint8_t missionType) {
  return findPath(formatDirectory(s, platformId), missionSubfolder(missionType));
}

std::string missionFolder(const shell::Settings& s, const model::Mission& m) {
  return missionFolder(s, m.platformId, m.missionType());
}

bool isEntryNumber(std::string_view line) {
  return !line.empty() &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isSeparator(std::string_view line) {
  return line.find("//") != std::string_view::npos;
}

bool isHeading(std::string_view line) {
  return line.find('[') != std::string_view::npos && line.find(']') != std::string_view::npos;
}

bool isMissionLine(std::string_view line) {
  return containsNoCase(line, ".KRE");
}

long long nextFreeNumber(const std::vector<std::string>& lines) {
  long long largest = 0;
  for (const std::string& line : lines) {
    if (!isEntryNumber(line)) continue;
    const std::size_t start = std::min(line.find_first_not_of('0'), line.size());
    if (line.size() - start > 15) continue;  // no list numbers its missions that far
    largest = std::max(largest, start == line.size() ? 0LL : std::stoll(line.substr(start)));
  }
  return largest + 1;
}

std::vector<ListEntry> listEntries(const std::vector<std::string>& lines) {
  std::vector<ListEntry> out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!isMissionLine(lines[i])) continue;
    ListEntry e;
    e.file = lines[i];
    if (const std::size_t blank = e.file.find(' ');
        blank != std::string::npos && isEntryNumber(e.file.substr(0, blank))) {
      e.number = e.file.substr(0, blank);
      e.file = e.file.substr(e.file.find_last_of(' ') + 1);
    } else if (i > 0 && isEntryNumber(lines[i - 1])) {
      e.number = lines[i - 1];
    }
    if (i + 1 < lines.size()) e.description = lines[++i];
    out.push_back(std::move(e));
  }
  return out;
}

bool listLineFromUtf8(std::string_view what, std::string_view utf8, std::string& line,
                      std::string& refusal) {
  line = model::utf8ToCp1252(utf8);
  const auto refuse = [&](const std::string& why) {
    refusal = "The " + std::string(what) + " \"" + std::string(utf8) +
              "\" cannot be entered in a game list: " + why + ".";
    return false;
  };
  if (utf8.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    return refuse("it holds a line break");
  // Character by character: one that does not come back from Windows-1252 is not in it.
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t size = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string_view character = utf8.substr(i, size);
    if (model::cp1252ToUtf8(model::utf8ToCp1252(character)) != character)
      return refuse("a game list cannot hold \"" + std::string(character) + "\"");
    i += size;
  }
  return true;
}

const char* listFileName(GameList l) {
  switch (l) {
    case GameList::Rebel:
      return "Rebel.lst";
    case GameList::Imperial:
      return "Imperial.lst";
    default:
      return "Mission.lst";
  }
}

const char* backupFileName(GameList l) {
  switch (l) {
    case GameList::Rebel:
      return "Rebel.~ls";
    case GameList::Imperial:
      return "Imperial.~ls";
    default:
      return "Mission.~ls";
  }
}

bool listApplies(GameList l, std::uint8_t missionType, std::optional<std::uint8_t> side) {
  switch (missionType) {
    case model::Training:
    case model::MultiplayerTraining:
      if (l == GameList::Mission) return missionType == model::MultiplayerTraining;
      return side == (l == GameList::Rebel ? RebelSide : ImperialSide);
    case model::Melee:
      return l == GameList::Mission;
    case model::MultiplayerCombat:
      return true;
    default:
      return false;
  }
}

std::vector<GameList> applicableLists(std::uint8_t missionType, std::optional<std::uint8_t> side) {
  std::vector<GameList> out;
  for (const GameList l : AllGameLists)
    if (listApplies(l, missionType, side)) out.push_back(l);
  return out;
}

namespace lsttext {

std::string cannotFind(std::string_view folder) {
  return model::fillText(CannotFindForm, {std::string(folder)});
}

std::string caption(std::string_view folder) {
  return "Editing the .lst files from [" + std::string(folder) + "] relevant to this Mission";
}

namespace {
// "a", "a and b", "a, b and c".
std::string namesJoined(const std::vector<std::string>& names) {
  return model::joinedList(names, ", ", model::AndWord);
}
}  // namespace

std::string alreadyListed(std::string_view file, const std::vector<std::string>& listNames) {
  return model::fillText(AlreadyListedForm, {std::string(file), namesJoined(listNames)});
}

std::string alreadyListed(std::string_view file, const std::vector<GameList>& lists) {
  std::vector<std::string> names;
  for (const GameList l : lists) names.emplace_back(listFileName(l));
  return alreadyListed(file, names);
}

std::string listedAlready(std::string_view file, const std::vector<GameList>& lists) {
  std::vector<std::string> names;
  for (const GameList l : lists) names.emplace_back(listFileName(l));
  return std::string(file) + " is already in " + namesJoined(names) + ".";
}

std::string backedUp(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<std::string> parts;
  for (const auto& [list, backup] : files)
    parts.push_back(model::fillText(BackedUpAsForm, {fileNameOf(list), fileNameOf(backup)}));
  return model::fillText(BackedUpForm, {namesJoined(parts)});
}

}  // namespace lsttext

std::vector<std::string> pageLines(std::string_view text) {
  return splitLines(text);
}

std::string pageText(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out.append(line).push_back('\n');
  return out;
}

bool readGameLists(const std::string& folder, GameListFiles& out, std::string& error) {
  for (const GameList l : AllGameLists) {
    const auto i = static_cast<std::size_t>(l);
    out.paths[i] = findPath(folder, listFileName(l));
    out.lines[i].clear();
    out.found[i] = pathExists(out.paths[i]);
    if (out.found[i] && !readLines(out.paths[i], out.lines[i], error)) return false;
  }
  return true;
}

std::optional<ListSession> openListSession(const shell::Settings& s, const model::Mission& m,
                                           std::string_view missionFile, std::string& refusal) {
  const auto side = playerSide(m);
  const std::uint8_t type = m.missionType();
  if (!side) {
    refusal = lsttext::NoPlayer;
    return std::nullopt;
  }
  if (*side != RebelSide && *side != ImperialSide && type != model::Melee) {
    refusal = lsttext::NotRebelOrImperial;
    return std::nullopt;
  }
  // Type 1 and types the game does not know have no lists of their own.
  if (missionSubfolder(type).empty()) {
    refusal = lsttext::UnknownType;
    return std::nullopt;
  }
  ListSession session;
  session.folder = missionFolder(s, m);
  listLineFromUtf8("mission file name", fileNameOf(missionFile), session.missionFile,
                   session.missionFileRefusal);
  // A mission never saved has no file the game could find.
  if (fileNameOf(missionFile).empty() || fileNameOf(missionFile) == model::UnnamedFile)
    session.missionFileRefusal = lsttext::Unnamed;
  if (!pathExists(findPath(session.folder, listFileName(GameList::Mission)))) {
    refusal = lsttext::cannotFind(session.folder);
    return std::nullopt;
  }
  // A list that is there but cannot be read would be replaced by a page without its entries,
  // and its numbers would be missing from the next free one: the window does not open.
  GameListFiles files;
  if (!readGameLists(session.folder, files, refusal)) return std::nullopt;
  std::vector<std::string> all;
  for (const GameList l : AllGameLists) {
    const auto i = static_cast<std::size_t>(l);
    ListPage& page = session.pages[i];
    page.list = l;
    page.path = files.paths[i];
    page.applies = listApplies(l, type, side);
    page.text = pageText(files.lines[i]);
    page.read = shell::readStamp(page.path);
    all.insert(all.end(), files.lines[i].begin(), files.lines[i].end());
  }
  session.nextNumber = nextFreeNumber(all);
  return session;
}

bool autoAdd(ListSession& session, std::string_view number, std::string_view description,
             std::string& refusal) {
  if (!session.missionFileRefusal.empty()) {
    refusal = session.missionFileRefusal;
    return false;
  }
  if (description.empty()) {
    refusal = lsttext::NoDescription;
    return false;
  }
  // Each part is one line of the list: a line break would make an entry of more lines.
  for (const auto& [what, text] :
       {std::pair<const char*, std::string_view>{"number", number}, {"description", description}}) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
      refusal = "The " + std::string(what) + " cannot be entered in a game list: it holds a " +
                "line break.";
      return false;
    }
  }
  for (ListPage& page : session.pages) {
    if (!page.applies) continue;
    if (!page.text.empty() && page.text.back() != '\n' && page.text.back() != '\r')
      page.text.push_back('\n');
    page.text.append(number).append("\n");
    page.text.append(session.missionFile).append("\n");
    page.text.append(description).append("\n");
  }
  // The number just entered is taken: the next entry gets the one after the largest.
  std::vector<std::string> all;
  for (const ListPage& page : session.pages) {
    const auto lines = pageLines(page.text);
    all.insert(all.end(), lines.begin(), lines.end());
  }
  session.nextNumber = nextFreeNumber(all);
  return true;
}

bool entersFile(std::string_view text, std::string_view file) {
  if (file.empty()) return false;
  for (const std::string& line : pageLines(text)) {
    const std::size_t from = line.find_first_not_of(" \t");
    const std::size_t to = line.find_last_not_of(" \t");
    if (from != std::string::npos &&
        shell::equalsNoCase(std::string_view(line).substr(from, to - from + 1), file))
      return true;
  }
  return false;
}

std::vector<GameList> listsEntering(const ListSession& session) {
  std::vector<GameList> out;
  for (const ListPage& page : session.pages)
    if (page.applies && entersFile(page.text, session.missionFile)) out.push_back(page.list);
  return out;
}

bool writeListSession(const ListSession& session, std::string& error,
                      std::vector<std::string>* written) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const ListPage& page : session.pages)
    if (page.applies) files.emplace_back(page.path, joinCrLf(pageLines(page.text)));
  if (!writeTextFiles(files, error)) return false;
  if (written)
    for (const auto& file : files) written->push_back(file.first);
  return true;
}

std::string backupPath(std::string_view listPath) {
  std::string out(listPath);
  if (out.size() >= 3) out.replace(out.size() - 3, 3, "~ls");
  return out;
}

bool backupListSession(const ListSession& session, std::string& error) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const ListPage& page : session.pages)
    if (page.applies)
      files.emplace_back(findPath(session.folder, backupFileName(page.list)),
                         joinCrLf(pageLines(page.text)));
  return writeTextFiles(files, error);
}

}  // namespace lists
