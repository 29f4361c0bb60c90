#include "command.h"

#include <algorithm>
#include <ostream>

namespace cli {
namespace {

// Built on first use: registrations run from static initialisers of other files.
std::vector<Command>& registry() {
  static std::vector<Command> all;
  return all;
}

}  // namespace

Registration::Registration(const Command& command) {
  auto& all = registry();
  const auto at =
      std::lower_bound(all.begin(), all.end(), command,
                       [](const Command& a, const Command& b) { return a.name < b.name; });
  all.insert(at, command);
}

const std::vector<Command>& commands() {
  return registry();
}

const Command* findCommand(std::string_view name) {
  for (const Command& c : registry())
    if (c.name == name) return &c;
  return nullptr;
}

std::string commandTitle(const Command& c) {
  return c.usage.empty() ? std::string(c.name) : std::string(c.name) + ' ' + std::string(c.usage);
}

int usage(const Command& command, Context& ctx) {
  ctx.err << "usage: zyned-cli " << commandTitle(command) << '\n';
  return UsageError;
}

void printCommandList(std::ostream& out) {
  out << "usage: zyned-cli [--config-dir DIR] [--editor-dir DIR] COMMAND ARGS...\n\ncommands:\n";
  for (const Command& c : registry())
    out << "  " << commandTitle(c) << "\n      " << c.summary << '\n';
}

}  // namespace cli
