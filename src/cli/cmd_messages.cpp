// zyned-cli messages: the message list of a mission file, one line per message.
#include <ostream>

#include "command.h"
#include "editing/messages.h"
#include "model/cp1252.h"
#include "model/mission_file.h"

namespace cli {
namespace {

int runMessages(const std::vector<std::string>& args, Context& ctx);

const Command messagesCommand{
    "messages", "FILE",
    "the message list: number, list line, colour, delay in seconds, teams sent to (tab-separated)",
    runMessages,
    "Five tab-separated fields per message, in file order: its number from 1, its "
    "line as the Messages page lists it, the colour (0 red, 1 green, 2 blue, 3 gold), "
    "the delay in seconds and the teams it is sent to (1..8 joined by \",\", \"-\" for "
    "none)."};
const Registration messagesRegistration{messagesCommand};

int runMessages(const std::vector<std::string>& args, Context& ctx) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
    return usage(messagesCommand, ctx);
  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;
  for (std::size_t i = 0; i < mission.messages.size(); ++i) {
    const model::Message& msg = mission.messages[i];
    ctx.out << i + 1 << '\t' << model::cp1252ToUtf8(editing::messageListLine(msg, i, nullptr))
            << '\t' << static_cast<char>(msg.get(model::message::Color)) << '\t'
            << msg.get(model::message::Delay) * editing::MessageDelayStep << '\t'
            << editing::sentToText(msg) << '\n';
  }
  return Success;
}

}  // namespace
}  // namespace cli
