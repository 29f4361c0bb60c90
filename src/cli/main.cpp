// zyned-cli: the editor's file-level features without a window. Commands register themselves
// (command.h); this file only picks one.
#include <iostream>
#include <string>
#include <vector>

#include "command.h"

int main(int argc, char** argv) {
  cli::Context ctx{std::cout, std::cerr, {}};
  int i = 1;
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--config-dir" && i + 1 < argc) {
      ctx.configDir = argv[++i];
    } else if (arg.rfind("--config-dir=", 0) == 0) {
      ctx.configDir = arg.substr(13);
    } else if (arg == "--help" || arg == "-h") {
      cli::printCommandList(std::cout);
      return cli::Success;
    } else {
      break;
    }
  }
  if (i >= argc) {
    cli::printCommandList(std::cerr);
    return cli::UsageError;
  }
  const cli::Command* command = cli::findCommand(argv[i]);
  if (!command) {
    std::cerr << "zyned-cli: unknown command \"" << argv[i] << "\"\n\n";
    cli::printCommandList(std::cerr);
    return cli::UsageError;
  }
  const std::vector<std::string> args(argv + i + 1, argv + argc);
  return command->run(args, ctx);
}
