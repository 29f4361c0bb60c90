// zyned-cli check: the editor's error check on a mission file.
#include <ostream>

#include "command.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"
#include "shell/error_check.h"
#include "shell/settings_file.h"

namespace cli {
namespace {

int runCheck(const std::vector<std::string>& arguments, Context& ctx);

const Command checkCommand{
    "check", "FILE|LIST [--no-playable-check] [--editor-dir DIR]",
    "the error check: errors, then warnings, one per line; exit 1 when there is an error", runCheck,
    "Prints what the editor's Error and Warning List would show; nothing for a clean "
    "mission. Warnings alone give exit status 0. After the game's own rules, a "
    "warning names every reference to a flight group that no longer "
    "exists.\n\nA LIST (a file ending in .lst: a game mission list, a battle's or campaign's "
    "list) checks every mission it names: one block per mission with its errors, warnings, flow "
    "findings and advisories, then a summary line; exit 1 when a named mission is missing, "
    "cannot be read or has an error.\n\n--no-playable-check\tleave out the craft-slot checks "
    "(the CheckPlayable setting)"};
const Registration checkRegistration{checkCommand};

int runCheck(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  const auto flag = std::erase(args, std::string("--no-playable-check"));
  // The settings are read on a copy: loadVocabulary takes "--config-dir" out of args itself.
  std::vector<std::string> forSettings = args;
  std::string settingsPath;
  if (!takeSettingsPath(forSettings, ctx, settingsPath)) return usage(checkCommand, ctx);
  shell::Vocabulary vocabulary;
  if (!loadVocabulary(args, ctx, vocabulary)) return usage(checkCommand, ctx);
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
    return usage(checkCommand, ctx);

  shell::Settings settings = readSettingsWarning(settingsPath, ctx);
  if (flag > 0) settings.checkPlayable = false;

  if (isListArgument(args[0])) return checkList(args[0], settings, vocabulary, {}, ctx);
  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;

  const shell::CheckResult result = shell::runCheck(mission, vocabulary, settings);
  for (const std::string& line : result.lines()) ctx.out << model::cp1252ToUtf8(line) << '\n';
  return result.errors.empty() ? Success : Failed;
}

}  // namespace
}  // namespace cli
