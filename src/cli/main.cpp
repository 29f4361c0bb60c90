// zyned-cli: the editor's file-level features without a window. Commands register themselves
// (command.h); this file only picks one. "--config-dir DIR" and "--editor-dir DIR" may stand
// before or after the command name, for every command.
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "help.h"
#include "options.h"

int main(int argc, char** argv) {
  cli::Context ctx{std::cout, std::cerr, {}, {}};
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!cli::takeSharedOptions(args, ctx)) {
    std::cerr << "zyned-cli: --config-dir and --editor-dir need a folder after them\n\n";
    cli::printCommandList(std::cerr);
    return cli::UsageError;
  }
  if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
    std::cout << shell::helpText(cli::manual());
    return cli::Success;
  }
  if (!args.empty() && args.front() == "--version") {
    cli::printVersion(std::cout);
    return cli::Success;
  }
  if (args.empty()) {
    cli::printCommandList(std::cerr);
    return cli::UsageError;
  }
  const cli::Command* command = cli::findCommand(args.front());
  if (!command) {
    std::cerr << "zyned-cli: unknown command \"" << args.front() << "\"\n\n";
    cli::printCommandList(std::cerr);
    return cli::UsageError;
  }
  args.erase(args.begin());
  // "zyned-cli COMMAND --help" is "zyned-cli help COMMAND" (after "--" it is an argument).
  for (const std::string& a : args) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      cli::printCommandHelp(*command, std::cout);
      return cli::Success;
    }
  }
  return command->run(args, ctx);
}
