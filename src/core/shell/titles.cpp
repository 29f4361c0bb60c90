#include "shell/titles.h"

#include "model/cp1252.h"
#include "shell/file_history.h"
#include "shell/paths.h"

namespace shell {

namespace {

std::string fileTitle(std::string_view path, std::string_view missionTitle) {
  return startupTitle() + " - (" + baseName(path) + ") - " + model::cp1252ToUtf8(missionTitle);
}

}  // namespace

std::string startupTitle() {
  return std::string(" ZynED ") + VersionText;
}

std::string newMissionTitle() {
  return startupTitle() + " - [" + model::UnnamedFile + "]";
}

std::string loadedTitle(std::string_view path, std::string_view missionTitle) {
  if (missionTitle.size() > 1 && missionTitle.front() == '>') missionTitle.remove_prefix(1);
  return fileTitle(path, missionTitle);
}

std::string savedTitle(std::string_view path, std::string_view missionTitle) {
  return fileTitle(path, missionTitle);
}

std::string saveDialogFolder(std::int16_t platformId, int missionType,
                             const std::string& gameDirectory,
                             const std::string& expansionDirectory) {
  const std::string& base =
      platformId == model::FormatExpansion ? expansionDirectory : gameDirectory;
  const char* sub = nullptr;
  switch (missionType) {
    case model::Training:
    case model::MultiplayerTraining:
      sub = "Train";
      break;
    case model::Melee:
      sub = "Melee";
      break;
    case model::MultiplayerCombat:
      sub = "Combat";
      break;
    default:
      return base;
  }
  return findEntryNoCase(base, sub).value_or(joinPath(base, sub));
}

std::string changedTitle(std::string_view title, bool changed) {
  std::string out(title);
  if (!changed) return out;
  // The file name follows the first " - ", in round brackets after a load or a save and in
  // square ones for a new mission.
  const auto dash = out.find(" - ");
  if (dash == std::string::npos || dash + 3 >= out.size()) return out;
  const char open = out[dash + 3];
  const char close = open == '(' ? ')' : open == '[' ? ']' : '\0';
  if (!close) return out;
  // The last closing bracket of the file part: a file name may hold brackets of its own.
  const auto next = out.find(" - ", dash + 3);
  const auto end = out.rfind(close, next == std::string::npos ? std::string::npos : next);
  if (end == std::string::npos || end <= dash + 3) return out;
  out.insert(end, "*");
  return out;
}

}  // namespace shell
