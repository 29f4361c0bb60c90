#include "app/briefing/briefing_export.h"

#include <QImage>

#include <algorithm>
#include <charconv>
#include <iostream>

#include "app/base/text.h"
#include "app/briefing/briefing_painter.h"
#include "briefing/playback.h"
#include "briefing/preview.h"
#include "model/mission_file.h"
#include "shell/settings_file.h"

namespace app {

namespace {

constexpr const char* Usage =
    "usage: zyned --export-briefing OUT.png --briefing N --at SECONDS FILE\n";

int usageError(const std::string& why) {
  std::cerr << why << '\n' << Usage;
  return 2;
}

// The command line's values, as typed.
struct BriefingRequest {
  std::string out, number, at, file;
};

// Reads the command line into `r`; the exit status when it is refused.
std::optional<int> readBriefingArguments(const std::vector<std::string>& arguments,
                                         BriefingRequest& r) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= arguments.size()) return false;
      into = arguments[++i];
      return true;
    };
    if (a == "--export-briefing") {
      if (!value(r.out)) return usageError("--export-briefing needs the picture's file name");
    } else if (a == "--briefing") {
      if (!value(r.number)) return usageError("--briefing needs a number from 1 to 8");
    } else if (a == "--at") {
      if (!value(r.at)) return usageError("--at needs a time in seconds");
    } else if (a == "--") {
      continue;
    } else if (!r.file.empty()) {
      return usageError("unexpected argument \"" + a + "\"");
    } else {
      r.file = a;
    }
  }
  return std::nullopt;
}

// Draws briefing `b` (1..8) of mission `file` at `ticks` into the picture `out`; the exit status.
int writeBriefingPicture(const std::string& file, const std::string& out, int b, int ticks,
                         const std::string& configDir) {
  model::Mission mission;
  const model::ReadResult r = model::loadMissionFile(file, mission);
  if (!r.ok()) {
    std::cerr << r.message << '\n';
    return 1;
  }
  const shell::Settings settings = shell::readSettings(shell::settingsFilePath(configDir));
  const model::Briefing& brief = mission.briefings[b - 1];
  briefing::CommandList commands = briefing::decode(brief).commands;
  briefing::Player player;
  player.setCommands(&commands);
  player.setTags(brief.tags);
  player.setRunningTime(brief.get(model::briefing::RunningTime));
  player.seek(ticks);

  BriefingScene scene;
  scene.mission = &mission;
  scene.briefing = b - 1;
  scene.view = &player.view();
  scene.commands = &commands;
  scene.icon = craftIcons();
  const QImage img =
      renderBriefingPicture(scene, fromFile(briefing::missionDescription(mission, file, settings)));
  if (!img.save(QString::fromStdString(out), "PNG")) {
    std::cerr << "Cannot write \"" << out << "\"\n";
    return 1;
  }
  return 0;
}

}  // namespace

bool wantsBriefingExport(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--export-briefing") != args.end();
}

std::optional<int> runBriefingExport(const std::vector<std::string>& arguments,
                                     const std::string& configDir) {
  if (!wantsBriefingExport(arguments)) return std::nullopt;
  BriefingRequest r;
  if (const auto refused = readBriefingArguments(arguments, r)) return *refused;
  int b = 1;
  if (!r.number.empty()) {
    auto [p, ec] = std::from_chars(r.number.data(), r.number.data() + r.number.size(), b);
    if (ec != std::errc() || p != r.number.data() + r.number.size() || b < 1 || b > 8)
      return usageError("--briefing takes a number from 1 to 8");
  }
  int ticks = 0;
  if (!r.at.empty() && (!briefing::parseSeconds(r.at, ticks) || ticks < 0))
    return usageError("--at takes a time in seconds, 0 or more");
  if (r.file.empty() || r.out.empty())
    return usageError("a mission file and a picture file are needed");

  return writeBriefingPicture(r.file, r.out, b, ticks, configDir);
}

}  // namespace app
