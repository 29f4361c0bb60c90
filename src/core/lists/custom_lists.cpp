#include "lists/custom_lists.h"

#include <algorithm>

#include "lists/game_lists.h"
#include "lists/text_file.h"
#include "shell/paths.h"
#include "shell/settings_file.h"

namespace lists {

const char* customListTypeName(CustomListType t) {
  switch (t) {
    case CustomListType::QvnBattle:
      return "Qvn Battle";
    case CustomListType::QvnCampaign:
      return "Qvn Campaign";
    default:
      return "Zyn Battle";
  }
}

CustomListFolders customListFolders(const shell::Settings& s, CustomListType t,
                                    bool imperialCampaign) {
  CustomListFolders f;
  const std::string game = s.gameDirectory;
  const std::string expansion = shell::expansionDirectory(s);
  switch (t) {
    case CustomListType::ZynBattle:
      f.missions = findPath(game, "combat");
      f.customLists = findPath(game, "battle");
      break;
    case CustomListType::QvnBattle:
      f.missions = findPath(expansion, "combat");
      f.customLists = findPath(expansion, "battle");
      break;
    case CustomListType::QvnCampaign:
      f.missions = findPath(expansion, "train");
      f.customLists = findPath(game, "Quelvane\\Campaign");
      f.sideList = findPath(f.customLists, imperialCampaign ? "Imperial.lst" : "Rebel.lst");
      f.word = "Campaign";
      break;
  }
  f.missionList = findPath(f.customLists, "Mission.lst");
  return f;
}

std::optional<CustomList> parseCustomList(std::string_view bytes) {
  // Reads one line from `pos`; `pos` moves past its line end.
  auto nextLine = [&](std::size_t& pos) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(pos, end - pos);
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
        bytes[end + 1] == '\n')
      ++end;
    pos = std::min(end + 1, bytes.size());
    return line;
  };
  std::size_t pos = 0;
  const std::string_view first = nextLine(pos);
  if (!isEntryNumber(first)) return std::nullopt;
  // A count beyond any real list is only as good as the lines that follow it.
  const std::size_t digits = first.size() - std::min(first.find_first_not_of('0'), first.size());
  const std::size_t count =
      digits > 9 ? bytes.size() : static_cast<std::size_t>(std::stoul(std::string(first)));
  CustomList list;
  while (list.missions.size() < count && pos < bytes.size())
    list.missions.emplace_back(nextLine(pos));
  // The description is shown with "\n" line ends.
  for (std::size_t i = pos; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      list.description.push_back('\n');
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      list.description.push_back(bytes[i]);
    }
  }
  return list;
}

std::string customListBytes(const CustomList& list) {
  std::string out = std::to_string(list.missions.size()) + "\r\n";
  for (const std::string& m : list.missions) out.append(m).append("\r\n");
  for (const char c : list.description) {
    if (c == '\n')
      out.append("\r\n");
    else if (c != '\r')
      out.push_back(c);
  }
  return out;
}

std::optional<std::string> missionPathInFolder(std::string_view folder, std::string_view file) {
  std::string base(folder);
  while (!base.empty() && (base.back() == '/' || base.back() == '\\')) base.pop_back();
  if (base.empty() || file.size() <= base.size() + 1) return std::nullopt;
  if (!shell::equalsNoCase(file.substr(0, base.size()), base)) return std::nullopt;
  const char sep = file[base.size()];
  if (sep != '/' && sep != '\\') return std::nullopt;
  std::string rest(file.substr(base.size() + 1));
  std::replace(rest.begin(), rest.end(), '/', '\\');
  return rest;
}

namespace battletext {
std::string outsideFolder(std::string_view file, std::string_view folder) {
  return model::fillText(OutsideFolderForm, {std::string(file), std::string(folder)});
}
std::string unreadable(std::string_view list) {
  return model::fillText(UnreadableForm, {std::string(list)});
}
}  // namespace battletext

}  // namespace lists
