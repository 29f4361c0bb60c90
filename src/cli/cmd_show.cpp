// zyned-cli show: one flight group as the pages describe it: its list line, its triggers with
// their joins, its orders and its goals.
#include <ostream>

#include "command.h"
#include "editing/descriptions.h"
#include "editing/triggers.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"

namespace cli {
namespace {

int runShow(const std::vector<std::string>& arguments, Context& ctx);

const Command showCommand{
    "show", "FILE N [--editor-dir DIR]",
    "flight group N (from 1): list line, triggers, orders and goals", runShow,
    "Prints the flight group's list line with its goal summary, Arrival 1: to 4: and "
    "their joins, Departure 1: and 2:, the jump-to-order-4 triggers, Order 1: to 4: "
    "and Goal 1: to 8:, each with the text the pages show. N outside the list gives "
    "exit status 1."};
const Registration showRegistration{showCommand};

const char* andOr(bool orFlag) {
  return orFlag ? "or" : "and";
}

int runShow(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  shell::Vocabulary v;
  if (!loadVocabulary(args, ctx, v)) return usage(showCommand, ctx);
  if (args.size() != 2 || (args[0].size() > 1 && args[0][0] == '-')) return usage(showCommand, ctx);
  const std::string& number = args[1];
  if (number.empty() || number.size() > 5 ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    ctx.err << "zyned-cli show: \"" << number << "\" is not a flight-group number\n";
    return UsageError;
  }
  model::Mission m;
  if (!loadForCommand(args[0], m, ctx)) return Failed;
  const std::size_t n = std::stoul(number);
  if (n < 1 || n > m.flightGroups.size()) {
    ctx.err << "zyned-cli show: \"" << args[0] << "\" has flight groups 1 to "
            << m.flightGroups.size() << ", not " << n << '\n';
    return Failed;
  }
  const std::size_t i = n - 1;
  const model::FlightGroup& g = m.flightGroups[i];
  auto line = [&](const std::string& text) { ctx.out << model::cp1252ToUtf8(text) << '\n'; };
  auto triggers = [&](const editing::TriggerSetPlace& place, const std::string& label) {
    for (int t = 1; t <= place.count; ++t) {
      const auto bytes = editing::readTrigger(g.span(), place, t);
      line(label + " " + std::to_string(t) + ": " + editing::describeTrigger(m, v, bytes));
    }
  };
  using editing::OrFlag;

  line(editing::listLine(m, v, i, true));
  const auto arrival = editing::arrivalTriggers();
  triggers(arrival, "Arrival");
  line(std::string("Arrival joins: 1-2 ") +
       andOr(editing::readOr(g.span(), arrival, OrFlag::OneOrTwo)) + ", 3-4 " +
       andOr(editing::readOr(g.span(), arrival, OrFlag::ThreeOrFour)) + ", pairs " +
       andOr(editing::readOr(g.span(), arrival, OrFlag::PairOrPair)));
  const auto departure = editing::departureTriggers();
  triggers(departure, "Departure");
  line(std::string("Departure join: ") +
       andOr(editing::readOr(g.span(), departure, OrFlag::OneOrTwo)));
  const auto jump = editing::jumpTriggers();
  triggers(jump, "Jump to order 4");
  line(std::string("Jump to order 4 join: ") +
       andOr(editing::readOr(g.span(), jump, OrFlag::OneOrTwo)));
  for (std::size_t k = 0; k < model::fg::OrderCount; ++k)
    line("Order " + std::to_string(k + 1) + ": " + editing::describeOrder(m, v, g.orderBytes(k)));
  for (std::size_t k = 0; k < model::fg::GoalCount; ++k)
    line("Goal " + std::to_string(k + 1) + ": " + editing::describeGoal(m, v, g.goalBytes(k)));
  return Success;
}

}  // namespace
}  // namespace cli
