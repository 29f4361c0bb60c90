#pragma once
// The command registry of zyned-cli: each command lives in its own file and registers itself
// with a static `Registration`, so adding a command needs no edit of main.cpp.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "flow/analysis.h"
#include "shell/settings.h"

namespace model {
struct Mission;
}

namespace cli {

// Exit status of every command.
enum Exit : int { Success = 0, Failed = 1, UsageError = 2 };

// What a command gets besides its arguments.
struct Context {
  std::ostream& out;
  std::ostream& err;
  std::string configDir;  // from --config-dir, empty when not given
  std::string editorDir;  // from --editor-dir, empty when not given
};

struct Command {
  std::string_view name;
  std::string_view usage;    // the arguments after the name, e.g. "FILE"
  std::string_view summary;  // one line for the command list
  // The arguments after the name, without "--config-dir" and "--editor-dir" (in ctx).
  int (*run)(const std::vector<std::string>& args, Context& ctx);
  // What "zyned-cli help NAME" and the manual page say after the summary: paragraphs and
  // "TERM<TAB>TEXT" lines as shell::Manual bodies have them.
  std::string_view details = {};
};

// Registers a command at start-up: `static const cli::Registration reg{{"name", ...}};`
struct Registration {
  explicit Registration(const Command& command);
};

// Every registered command, sorted by name.
const std::vector<Command>& commands();
const Command* findCommand(std::string_view name);

// Loads a mission file for a command; on refusal prints the message to ctx.err.
bool loadForCommand(const std::string& path, model::Mission& m, Context& ctx);

// The text of a file, or of standard input for "-"; on failure prints why to ctx.err.
bool readInput(const std::string& path, std::string& text, Context& ctx);

// Whether an argument names a list (a file ending in ".lst", any letter case) rather than a
// mission.
bool isListArgument(const std::string& path);
// check LIST and flow LIST: every mission the list names, one block each and the summary line;
// Failed when a named mission is missing, cannot be read or has an error.
int checkList(const std::string& list, const shell::Settings& settings,
              const shell::Vocabulary& vocabulary, flow::Levels levels, Context& ctx);

// The name and its arguments, as usage lines show them ("schema", "check FILE ...").
std::string commandTitle(const Command& c);
// Prints the command's usage line to ctx.err and returns UsageError.
int usage(const Command& command, Context& ctx);
// The full list of commands, for an unknown or missing command.
void printCommandList(std::ostream& out);

}  // namespace cli
