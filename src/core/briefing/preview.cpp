#include "briefing/preview.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "lists/game_lists.h"
#include "shell/paths.h"

namespace briefing {

int snapStep(int choice) {
  static const int steps[] = {2, 26, 51, 128};
  return choice >= 0 && choice < 4 ? steps[choice] : 2;
}

int snap(int value, int step) {
  return step > 0 ? value / step * step : value;
}

std::vector<CaptionRun> captionRuns(const std::string& text) {
  std::vector<CaptionRun> runs;
  bool highlighted = false;
  for (const char ch : text) {
    if (ch == '[' || ch == ']') {
      highlighted = ch == '[';
      continue;
    }
    if (runs.empty() || runs.back().highlighted != highlighted) runs.push_back({{}, highlighted});
    runs.back().text += ch;
  }
  return runs;
}

int pickFlightGroup(const model::Mission& m, int b, const DisplayState& view, int x, int y) {
  const int zoom = view.zoom == 0 ? 4 : std::abs(view.zoom);
  const int reach = 1200 / zoom;
  const std::size_t point = model::Briefing1 + static_cast<std::size_t>(b);
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i) {
    const model::FlightGroup& g = m.flightGroups[i];
    if (g.enabled(point) && std::abs(g.x(point) - x) <= reach && std::abs(g.y(point) - y) <= reach)
      return static_cast<int>(i);
  }
  return -1;
}

int pickTag(const CommandList& list, const DisplayState& view, int screenX, int screenY) {
  const int zoom = view.zoom == 0 ? 4 : std::abs(view.zoom);
  const int x = toMapX(view, screenX - 20), y = toMapY(view, screenY);
  int found = -1;
  for (int s = 0; s < SlotCount; ++s) {
    const int pos = view.tag[s];
    if (pos < 0 || pos >= static_cast<int>(list.size())) continue;
    const Command& c = list[pos];
    if (std::abs(c.x - x) <= 3200 / zoom && std::abs(c.y - y) <= 2200 / zoom) found = pos;
  }
  return found;
}

std::optional<std::string> descriptionListFile(const std::string& missionFolder, int side) {
  if (side == 0 || side == 1) {
    if (auto f = shell::findEntryNoCase(missionFolder, side == 0 ? "Rebel.lst" : "Imperial.lst"))
      return f;
  }
  return shell::findEntryNoCase(missionFolder, "Mission.lst");
}

std::optional<std::string> descriptionFromList(const std::string& listText,
                                               const std::string& missionFileName) {
  std::vector<std::string> lines;
  std::istringstream in(listText);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  const std::string name = shell::lowerAscii(missionFileName);
  if (name.empty()) return std::nullopt;
  std::optional<std::size_t> last;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (shell::lowerAscii(lines[i]).find(name) != std::string::npos) last = i;
  if (!last || *last + 1 >= lines.size()) return std::nullopt;
  return lines[*last + 1];
}

namespace {

std::string baseName(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::string missionDescription(const model::Mission& m, const std::string& missionFile,
                               const shell::Settings& settings) {
  if (missionFile.empty()) return NoDescriptionText;
  const std::optional<std::uint8_t> side = lists::playerSide(m);
  const auto file = descriptionListFile(lists::missionFolder(settings, m), side ? *side : -1);
  if (!file) return NoDescriptionText;
  std::ifstream in(*file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return descriptionFromList(text.str(), baseName(missionFile)).value_or(NoDescriptionText);
}

}  // namespace briefing
