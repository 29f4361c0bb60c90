// Commands that load, check and convert mission files.
#include <algorithm>
#include <optional>
#include <ostream>

#include "command.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "older/import.h"
#include "shell/vocabulary.h"

namespace cli {

// Loads path into m; on refusal prints the reader's message to stderr.
// Missions of the older game are imported (with the briefing file beside them) into the format
// `m` is in; the import's notices go to stderr.
bool loadForCommand(const std::string& path, model::Mission& m, Context& ctx) {
  const model::ReadResult r = model::loadMissionFile(path, m);
  if (r.ok()) return true;
  if (r.status == model::ReadStatus::OlderFormat) {
    older::ImportOptions options;
    options.platformId = m.platformId;
    options.craftNames = shell::Vocabulary::builtIn(shell::tables::Ships);
    const older::ImportResult imported = older::importMissionFile(path, m, options);
    if (!imported.ok) {
      ctx.err << imported.error << '\n';
      return false;
    }
    for (const std::string& notice : imported.extras.notices)
      ctx.err << model::cp1252ToUtf8(notice) << '\n';
    return true;
  }
  if (r.message.find(path) == std::string::npos)  // say which file when the reader doesn't
    ctx.err << '"' << path << "\": " << r.message << '\n';
  else
    ctx.err << r.message << '\n';
  return false;
}

namespace {

// Positional arguments and an optional "--format 12|14" (or "--format=12").
struct Arguments {
  std::vector<std::string> positional;
  std::optional<std::int16_t> format;
  bool valid = true;
};

Arguments parse(const std::vector<std::string>& args) {
  Arguments a;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string value;
    if (args[i] == "--format") {
      if (i + 1 >= args.size()) {
        a.valid = false;
        break;
      }
      value = args[++i];
    } else if (args[i].rfind("--format=", 0) == 0) {
      value = args[i].substr(9);
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      a.valid = false;
      break;
    } else {
      a.positional.push_back(args[i]);
      continue;
    }
    if (value == "12")
      a.format = model::FormatBase;
    else if (value == "14")
      a.format = model::FormatExpansion;
    else
      a.valid = false;
  }
  return a;
}

std::string formatName(std::int16_t id) {
  return std::to_string(id) + (id == model::FormatBase ? " (Zyn Format)" : " (Qvn Format)");
}

std::string missionTypeName(int type) {
  switch (type) {
    case 0:
      return "0 (Training)";
    case 2:
      return "2 (Melee)";
    case 3:
      return "3 (Multiplayer Training)";
    case 4:
      return "4 (Multiplayer Combat)";
    default:
      return std::to_string(type);
  }
}

std::string twoDigits(int v) {
  std::string s = v < 10 ? "0" : "";
  return s.append(std::to_string(v));
}

int runInfo(const std::vector<std::string>& args, Context& ctx);
int runRoundtrip(const std::vector<std::string>& args, Context& ctx);
int runConvert(const std::vector<std::string>& args, Context& ctx);

const Registration infoCommand{
    {"info", "FILE", "format, counts, mission type, time limit and title of a mission", runInfo,
     "Prints Format: (12 or 14 with the format's name), Flight groups:, Messages:, "
     "Mission type: (number and name), Time limit: (M:SS) and Title: (String#0 of "
     "briefing 1's strings), one per line. FILE may be a mission of the older game, "
     "which is imported."}};
const Registration roundtripCommand{
    {"roundtrip", "FILE", "load and save in memory; exit 0 when the bytes are identical",
     runRoundtrip,
     "Prints \"identical: N bytes\" and exits 0 when the mission written again in memory "
     "has every byte of the file, else prints \"differs at offset N\" and exits 1."}};
const Registration convertCommand{
    {"convert", "--format 12|14 IN OUT", "save a mission in the base (12) or expansion (14) format",
     runConvert,
     "Prints the editor's notice (\"Zyn Format.  N bytes written.\"). Going to 12 drops "
     "both debriefings and keeps at most 1023 characters of the description; a note on "
     "standard error says so. IN may be a mission of the older game (imported with the "
     "briefing file beside it). OUT is written through a temporary file: a failed save "
     "leaves it as it was."}};

int runInfo(const std::vector<std::string>& args, Context& ctx) {
  const Arguments a = parse(args);
  if (!a.valid || a.format || a.positional.size() != 1) return usage(*findCommand("info"), ctx);
  model::Mission m;
  if (!loadForCommand(a.positional[0], m, ctx)) return Failed;
  const auto& h = m.header;
  ctx.out << "File: " << a.positional[0] << '\n'
          << "Format: " << formatName(m.platformId) << '\n'
          << "Flight groups: " << m.flightGroups.size() << '\n'
          << "Messages: " << m.messages.size() << '\n'
          << "Mission type: " << missionTypeName(m.missionType()) << '\n'
          << "Time limit: " << int{h.get(model::header::TimeLimitMinutes)} << ':'
          << twoDigits(h.get(model::header::TimeLimitSeconds)) << '\n'
          << "Title: " << model::cp1252ToUtf8(m.title()) << '\n';
  return Success;
}

int runRoundtrip(const std::vector<std::string>& args, Context& ctx) {
  const Arguments a = parse(args);
  if (!a.valid || a.format || a.positional.size() != 1)
    return usage(*findCommand("roundtrip"), ctx);
  const std::string& path = a.positional[0];
  model::Mission m;
  if (!loadForCommand(path, m, ctx)) return Failed;
  std::vector<std::uint8_t> original;
  std::string error;
  if (!model::readWholeFile(path, original, error)) {
    ctx.err << error << '\n';
    return Failed;
  }
  const std::vector<std::uint8_t> written = model::writeMission(m);
  const auto diff = std::mismatch(original.begin(), original.end(), written.begin(), written.end());
  if (diff.first == original.end() && diff.second == written.end()) {
    ctx.out << "identical: " << written.size() << " bytes\n";
    return Success;
  }
  ctx.out << "differs at offset " << (diff.first - original.begin()) << " (file " << original.size()
          << " bytes, written " << written.size() << " bytes)\n";
  return Failed;
}

// Saves and reports like the editor's notice.
int save(model::Mission& m, const std::string& path, Context& ctx) {
  const model::SaveResult r = model::saveMissionFile(m, path);
  if (!r.ok) {
    ctx.err << r.error << '\n';
    return Failed;
  }
  ctx.out << model::savedBytesNotice(m.platformId, r.bytes) << '\n';
  return Success;
}

int runConvert(const std::vector<std::string>& args, Context& ctx) {
  const Arguments a = parse(args);
  if (!a.valid || !a.format || a.positional.size() != 2) return usage(*findCommand("convert"), ctx);
  model::Mission m;
  m.platformId = *a.format;  // an imported older mission takes the chosen format
  if (!loadForCommand(a.positional[0], m, ctx)) return Failed;
  if (*a.format == model::FormatBase) {
    // The base format has no debriefings and a shorter description: say what is dropped.
    const model::BaseFormatLosses lost = model::baseFormatLosses(m);
    if (lost.debriefings)
      ctx.err << "note: the base format has no debriefings; they are not written\n";
    if (lost.descriptionCut > 0) ctx.err << "note: the description is cut to 1023 characters\n";
  }
  m.platformId = *a.format;
  return save(m, a.positional[1], ctx);
}

}  // namespace
}  // namespace cli
