// zyned-cli schema: the JSON Schema of the mission JSON, for text editors.
#include <iostream>

#include "command.h"
#include "json/schema.h"

namespace cli {
namespace {

int runSchema(const std::vector<std::string>& args, Context& ctx);
const Registration schemaCommand{
    {"schema", "", "the JSON Schema of what dump prints and from-json reads", runSchema}};

int runSchema(const std::vector<std::string>& args, Context& ctx) {
  if (!args.empty()) return usage(*findCommand("schema"), ctx);
  ctx.out << json::missionSchema();
  ctx.out.flush();
  return ctx.out ? Success : Failed;
}

}  // namespace
}  // namespace cli
