// "zyned-cli --help", "--version" and "help COMMAND", and the zyned-cli(1) manual page: one
// description of the tool, made from the registered commands.
#include <ostream>

#include "command.h"
#include "help.h"
#include "shell/version.h"

namespace cli {
namespace {

int runHelp(const std::vector<std::string>& args, Context& ctx);
const Registration helpRegistration{{"help", "[COMMAND]",
                                     "what a command does, its options and its exit status",
                                     runHelp, "Without COMMAND, the overview that --help prints."}};

std::string commandBody(const Command& c) {
  std::string body(c.summary);
  if (!c.details.empty()) body += "\n\n" + std::string(c.details);
  return body;
}

int runHelp(const std::vector<std::string>& args, Context& ctx) {
  if (args.empty()) {
    ctx.out << shell::helpText(manual());
    return Success;
  }
  if (args.size() != 1) return usage(*findCommand("help"), ctx);
  const Command* command = findCommand(args.front());
  if (!command) {
    ctx.err << "zyned-cli: unknown command \"" << args.front() << "\"\n\n";
    printCommandList(ctx.err);
    return UsageError;
  }
  printCommandHelp(*command, ctx.out);
  return Success;
}

}  // namespace

shell::Manual manual() {
  shell::Manual m;
  m.name = "zyned-cli";
  m.purpose = "the ZynED mission editor's file commands, without a window";
  m.synopsis = {"[--config-dir DIR] [--editor-dir DIR] COMMAND [ARGS...]", "help [COMMAND]",
                "--help | --version"};
  m.sections = {
      {"Description",
       "zyned-cli reads, checks, prints, converts and writes the game's mission files and the "
       "files around them with the same code as the editor zyned(1), for scripts, version "
       "control and machines without a display. Text it prints is UTF-8; text in the game's "
       "files is Windows-1252.",
       {}},
      {"Options",
       "--config-dir DIR\tthe folder of the settings file ZynED.ini, for every command that "
       "reads the settings (before or after the command's name)\n"
       "--editor-dir DIR\tthe editor directory whose vocabulary files replace the built-in "
       "tables (default: the one the settings name)\n"
       "-h, --help\tprint this overview and exit\n"
       "--version\tprint the version and exit",
       {}},
      {"Commands", "", {}},
      {"Exit status",
       "0\tsuccess\n"
       "1\ta refused or failed file, or a check that found an error (the message goes to "
       "standard error)\n"
       "2\ta usage error",
       {}},
      {"Environment",
       "ZYNED_CONFIG_DIR\tthe settings folder when --config-dir is not given; without either it "
       "is $XDG_CONFIG_HOME/ZynED, else ~/.config/ZynED",
       {}},
      {"See also", "zyned(1)", {}},
  };
  for (const Command& c : commands())
    m.sections[2].subsections.push_back({commandTitle(c), commandBody(c), {}});
  return m;
}

void printCommandHelp(const Command& command, std::ostream& out) {
  out << "usage: zyned-cli " << commandTitle(command) << "\n\n"
      << shell::formatBody(commandBody(command), 0);
}

void printVersion(std::ostream& out) {
  out << "zyned-cli " << shell::VersionText << '\n';
}

}  // namespace cli
