// zyned-cli dump: the whole Mission as JSON, losing nothing (json/mission_json.h); from-json
// turns it back into the identical file.
#include <iostream>

#include "command.h"
#include "json/mission_json.h"
#include "model/mission_file.h"

namespace cli {
namespace {

int runDump(const std::vector<std::string>& args, Context& ctx);
const Registration dumpCommand{
    {"dump", "FILE", "the whole mission as JSON (field names of the file format)", runDump,
     "Two-space indented UTF-8 JSON, keys in the file's order: PlatformId, Header, "
     "FlightGroups, Messages, GlobalGoals, Teams, Briefings, GlobalGoalStrings, the "
     "three text blocks and TrailingBytes. Nothing the file holds is left out: "
     "from-json gives back the identical file. The handbook's command-line chapter "
     "describes every key.\n\nVersion control shows missions readably through it:\n\n  "
     "echo '*.kre diff=zyned' >> .gitattributes\n  git config diff.zyned.textconv "
     "\"zyned-cli dump\""}};

int runDump(const std::vector<std::string>& args, Context& ctx) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
    return usage(*findCommand("dump"), ctx);
  model::Mission m;
  if (!loadForCommand(args[0], m, ctx)) return Failed;
  ctx.out << json::dumpMission(m);
  ctx.out.flush();
  return ctx.out ? Success : Failed;
}

}  // namespace
}  // namespace cli
