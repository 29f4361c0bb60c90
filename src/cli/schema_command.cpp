// zyned-cli schema: the JSON Schema of the mission JSON, for text editors.
#include <iostream>

#include "command.h"
#include "json/schema.h"

namespace cli {
namespace {

int runSchema(const std::vector<std::string>& args, Context& ctx);
const Registration schemaCommand{
    {"schema", "", "the JSON Schema of what dump prints and from-json reads", runSchema,
     "A JSON Schema (draft 2020-12) made from the same field declarations as the "
     "reader and writer; the same text is installed as "
     "/usr/share/zyned/mission.schema.json for text editors."}};

int runSchema(const std::vector<std::string>& args, Context& ctx) {
  if (!args.empty()) return usage(*findCommand("schema"), ctx);
  ctx.out << json::missionSchema();
  ctx.out.flush();
  return ctx.out ? Success : Failed;
}

}  // namespace
}  // namespace cli
