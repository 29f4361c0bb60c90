// zyned-cli list: the flight-group list and the flight-group name list of a mission file.
#include <algorithm>
#include <ostream>

#include "command.h"
#include "editing/descriptions.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"

namespace cli {
namespace {

int runList(const std::vector<std::string>& arguments, Context& ctx);

const Command listCommand{
    "list", "FILE [--goals] [--editor-dir DIR]",
    "the flight-group list lines, a blank line, then the flight-group name list", runList,
    "One line per flight group in file order as the Flight Groups page shows it: "
    "team, GG - GU, player or difficulty, waves x [ craft ], craft name, name, unit "
    "number and the role marks * and ^.\n\n--goals\tadd each flight group's goal summary "
    "([2Nd...], + for bonus goals)"};
const Registration listRegistration{listCommand};

int runList(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  const bool goals = std::erase(args, std::string("--goals")) > 0;
  shell::Vocabulary vocabulary;
  if (!loadVocabulary(args, ctx, vocabulary)) return usage(listCommand, ctx);
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) return usage(listCommand, ctx);

  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;

  for (const std::string& line : editing::listLines(mission, vocabulary, goals))
    ctx.out << model::cp1252ToUtf8(line) << '\n';
  ctx.out << '\n';
  for (const std::string& entry : editing::nameList(mission, vocabulary))
    ctx.out << model::cp1252ToUtf8(entry) << '\n';
  return Success;
}

}  // namespace
}  // namespace cli
