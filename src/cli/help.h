#pragma once
// The tool's description: the overview of "--help", one command's help, the manual page.

#include <iosfwd>

#include "command.h"
#include "shell/manual.h"

namespace cli {

// zyned-cli's manual: its options and every registered command with its details.
shell::Manual manual();
// "usage: zyned-cli NAME USAGE", the summary and the details.
void printCommandHelp(const Command& command, std::ostream& out);
// "zyned-cli 1.1".
void printVersion(std::ostream& out);

}  // namespace cli
