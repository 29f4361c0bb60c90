// zyned-cli flow and usages: when each flight group can arrive, each message be sent and each
// goal be met, and every place that names a flight group.
#include <optional>
#include <ostream>

#include "command.h"
#include "flow/analysis.h"
#include "flow/report.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"

namespace cli {
namespace {

int runFlow(const std::vector<std::string>& arguments, Context& ctx);
int runUsages(const std::vector<std::string>& arguments, Context& ctx);

const Command flowCommand{
    "flow", "FILE|LIST [--difficulty easy|medium|hard] [--json | --dot] [--editor-dir DIR]",
    "earliest arrivals, messages and goals at each difficulty, what can never happen and where "
    "the game decides (text, JSON or a Graphviz graph)",
    runFlow,
    "Times are lower bounds in minutes and seconds from the mission start, \">= 1:30\" where a "
    "step is one the file cannot answer; \"never\" only where every reading of the game's rules "
    "gives never, with the reason; \"not at Hard\" for a group left out of that level. The text "
    "has a column per difficulty and lists the flight groups by earliest arrival, then the "
    "messages, the global goals in use, the findings (never-arrives, never-sent, goal-never-met, "
    "names-nothing) and the advisories (group-not-at-level, none-at-level, unknown-condition, "
    "mother-ship-not-at-level), each with the levels it holds at and its chain of why.\n\n"
    "A LIST (a file ending in .lst) reports every mission it names as check LIST does.\n\n"
    "--difficulty LEVEL\teasy, medium or hard alone, counted as the error check counts (all "
    "three without it; the graph shows medium)\n"
    "--json\tone JSON object; numbers count from 1 as the lists do\n"
    "--dot\tthe dependency graph in Graphviz's language, for dot -Tsvg\n\n"
    "Exit status 1 for a file that cannot be read (and a LIST naming a missing mission or one "
    "with an error), 2 for a usage error."};
const Registration flowRegistration{flowCommand};

const Command usagesCommand{"usages", "FILE N [--editor-dir DIR]",
                            "every place that names flight group N (from 1), one per line",
                            runUsages,
                            "Arrival, departure and jump-to-order-4 triggers, mother ships, order "
                            "targets, the group's goals, message and global-goal triggers, and "
                            "the briefings' boxes, tags and texts that name it.\n\n"
                            "Exit status 1 for a file that cannot be read or N outside the flight "
                            "groups, 2 for a usage error."};
const Registration usagesRegistration{usagesCommand};

bool isFileArgument(const std::string& a) {
  return a.size() <= 1 || a[0] != '-';
}

int runFlow(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  const bool json = std::erase(args, std::string("--json")) > 0;
  const bool dot = std::erase(args, std::string("--dot")) > 0;
  std::optional<std::string> level;
  if (!takeOption(args, "--difficulty", level)) return usage(flowCommand, ctx);
  flow::Levels levels = flow::Levels::all();
  flow::Difficulty shown = flow::Difficulty::Medium;  // the graph's level
  if (level) {
    const auto d = flow::difficultyFromWord(*level);
    if (!d) {
      ctx.err << "zyned-cli flow: unknown difficulty \"" << *level << "\" (easy, medium or hard)\n";
      return UsageError;
    }
    levels = flow::Levels::only(*d);
    shown = *d;
  }
  std::vector<std::string> forSettings = args;
  std::string settingsPath;
  if (!takeSettingsPath(forSettings, ctx, settingsPath)) return usage(flowCommand, ctx);
  shell::Vocabulary vocabulary;
  if (!loadVocabulary(args, ctx, vocabulary)) return usage(flowCommand, ctx);
  if ((json && dot) || args.size() != 1 || !isFileArgument(args[0])) return usage(flowCommand, ctx);
  if (isListArgument(args[0])) {
    if (json || dot) return usage(flowCommand, ctx);
    return checkList(args[0], readSettingsWarning(settingsPath, ctx), vocabulary, levels, ctx);
  }

  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;
  const flow::Result r = flow::analyse(mission, vocabulary, levels);
  if (json)
    ctx.out << flow::flowJson(mission, vocabulary, r);
  else if (dot)
    ctx.out << flow::flowDot(mission, vocabulary, r.at(shown));
  else
    ctx.out << flow::timelineText(mission, vocabulary, r);
  return Success;
}

int runUsages(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  shell::Vocabulary vocabulary;
  if (!loadVocabulary(args, ctx, vocabulary)) return usage(usagesCommand, ctx);
  if (args.size() != 2 || !isFileArgument(args[0])) return usage(usagesCommand, ctx);
  const std::string& number = args[1];
  if (number.empty() || number.size() > 5 ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    ctx.err << "zyned-cli usages: \"" << number << "\" is not a flight-group number\n";
    return UsageError;
  }
  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;
  const std::size_t n = std::stoul(number);
  if (n < 1 || n > mission.flightGroups.size()) {
    ctx.err << "zyned-cli usages: \"" << args[0] << "\" has flight groups 1 to "
            << mission.flightGroups.size() << ", not " << n << '\n';
    return Failed;
  }
  for (const flow::Usage& u : flow::usages(mission, vocabulary, static_cast<int>(n) - 1))
    ctx.out << model::cp1252ToUtf8(u.text.english()) << '\n';
  return Success;
}

}  // namespace
}  // namespace cli
