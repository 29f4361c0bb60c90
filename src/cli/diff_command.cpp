// zyned-cli diff: two missions compared field by field, either side a mission file or its JSON.
// Exits like diff(1): 0 the same, 1 different, 2 trouble.
#include <iostream>

#include "command.h"
#include "json/diff.h"
#include "json/mission_json.h"
#include "model/mission_file.h"

namespace cli {
namespace {

constexpr int Trouble = 2;

// A mission file (any the commands read) or JSON (its first character other than white space is
// "{"); "-" is standard input.
bool loadSide(const std::string& path, model::Mission& m, Context& ctx) {
  std::string text;
  if (!readInput(path, text, ctx)) return false;
  const auto first = text.find_first_not_of(" \t\r\n");
  const std::string name = path == "-" ? "standard input" : path;
  if (first != std::string::npos && text[first] == '{') {
    const json::MissionResult r = json::missionFromJson(text, m);
    if (!r.ok()) ctx.err << name << ": " << r.error << '\n';
    return r.ok();
  }
  if (path != "-") return loadForCommand(path, m, ctx);
  const model::ReadResult r =
      model::readMission({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, m);
  if (!r.ok()) ctx.err << name << ": " << r.message << '\n';
  return r.ok();
}

int runDiff(const std::vector<std::string>& args, Context& ctx);
const Registration diffCommand{
    {"diff", "A B",
     "the fields two missions differ in, one line each (A, B: mission files or their JSON)",
     runDiff,
     "One line per differing value, in file order, such as 'FlightGroups[2] \"Beta\": "
     "CraftType 5 -> 12'. Flight groups and messages are matched up first, so an "
     "inserted or removed record is one line. A side is a mission file or its JSON, "
     "\"-\" standard input. Exit status as diff(1): 0 the same, 1 different, 2 trouble."}};

int runDiff(const std::vector<std::string>& args, Context& ctx) {
  if (args.size() != 2 || (args[0] == "-" && args[1] == "-")) {
    usage(*findCommand("diff"), ctx);
    return Trouble;
  }
  for (const std::string& a : args)
    if (a != "-" && a.starts_with('-')) {
      usage(*findCommand("diff"), ctx);
      return Trouble;
    }
  model::Mission a, b;
  if (!loadSide(args[0], a, ctx) || !loadSide(args[1], b, ctx)) return Trouble;
  const std::vector<std::string> lines = json::diffMissions(a, b);
  for (const std::string& line : lines) ctx.out << line << '\n';
  ctx.out.flush();
  if (!ctx.out) return Trouble;
  return lines.empty() ? Success : Failed;
}

}  // namespace
}  // namespace cli
