#include "editing/messages.h"

#include <algorithm>
#include <utility>

#include "lists/wave_list.h"

namespace editing {

using model::Message;
using model::Mission;
namespace msg = model::message;

namespace {

int messageCount(const Mission& m) {
  return static_cast<int>(m.messages.size());
}

std::vector<int> validSelection(const Mission& m, const MessageSelection& s) {
  std::vector<int> out;
  for (int i : s.selected)
    if (i >= 0 && i < messageCount(m)) out.push_back(i);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace

std::string shownMessageText(std::string_view text) {
  return std::string(text);
}

std::size_t messageTextRoom(char colour) {
  return colour == RedColour ? msg::Text.width : msg::Text.maxChars;
}

model::TextField messageTextField(char colour) {
  model::TextField f = msg::Text;
  f.maxChars = messageTextRoom(colour);
  return f;
}

model::Text messageTextProblem(char colour, std::string_view text) {
  if (colour == RedColour && !text.empty() && (text[0] == '1' || text[0] == '2' || text[0] == '3'))
    return {ZYNED_TEXT("core",
                       "A red message cannot begin with \"%1\": the game would read it as the "
                       "message's colour. Begin the text with a space or choose another colour."),
            {std::string(1, text[0])}};
  if (text.size() > messageTextRoom(colour))
    return {ZYNED_TEXT("core",
                       "A green, blue or gold message holds %1 characters, this one has %2: only a "
                       "red message holds more. Shorten it first."),
            {std::to_string(messageTextRoom(colour)), std::to_string(text.size())}};
  return {};
}

std::string messageListLine(const Message& message, std::size_t i,
                            const std::vector<std::string>* sounds) {
  return (sounds ? lists::soundMarker(*sounds, true, i) : std::string("  ")) +
         shownMessageText(message.text(msg::Text));
}

std::vector<std::string> messageListLines(const Mission& m,
                                          const std::vector<std::string>* sounds) {
  std::vector<std::string> out;
  out.reserve(m.messages.size());
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    out.push_back(messageListLine(m.messages[i], i, sounds));
  return out;
}

bool sentToAnyTeam(const Message& message) {
  for (std::size_t t = 0; t < MessageTeams; ++t)
    if (message.get(msg::SentToTeam, t) == 1) return true;
  return false;
}

model::Rgb messageListColour(const Message& message) {
  if (!sentToAnyTeam(message)) return model::Grey;
  return model::messageColour(static_cast<char>(message.get(msg::Color)));
}

char colourForPlayerIff(int iff) {
  switch (iff) {
    case 0:
    case 4:
      return '1';
    case 2:
      return '2';
    case 3:
    case 5:
      return '3';
    default:
      return '0';
  }
}

std::string sentToText(const Message& message) {
  std::string out;
  for (std::size_t t = 0; t < MessageTeams; ++t) {
    if (message.get(msg::SentToTeam, t) != 1) continue;
    if (!out.empty()) out += ',';
    out += std::to_string(t + 1);
  }
  return out.empty() ? "-" : out;
}

Message newMessage(const Mission& m, const Message& tmpl) {
  Message out = tmpl;
  out.fromFile = false;
  out.set(msg::MessageNumber, static_cast<model::i16>(m.messages.size()));
  const auto type = m.missionType();
  if (type == model::Training || type == model::MultiplayerTraining) {
    out.set(msg::SentToTeam, model::u8{1}, 0);
    int iff = 0;
    for (const auto& g : m.flightGroups)
      if (g.get(model::fg::PlayerNumber) == 1) iff = g.get(model::fg::Iff);
    out.set(msg::Color, static_cast<model::u8>(colourForPlayerIff(iff)));
  }
  out.updateSentToAnyTeam();
  return out;
}

void renumberMessages(Mission& m) {
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    m.messages[i].set(msg::MessageNumber, static_cast<model::i16>(i));
}

MessageSelection addMessage(Mission& m, const Message& tmpl, std::vector<std::string>& sounds) {
  const int index = messageCount(m);
  m.messages.push_back(newMessage(m, tmpl));
  lists::onMessageAdded(sounds);
  m.syncCounts();
  return {{index}, index};
}

MessageSelection pasteMessages(Mission& m, const std::vector<Message>& copied,
                               std::vector<std::string>& sounds) {
  MessageSelection out;
  for (const Message& c : copied) {
    const int index = messageCount(m);
    m.messages.push_back(c);
    m.messages.back().set(msg::MessageNumber, static_cast<model::i16>(index));
    lists::onMessageAdded(sounds);
    out.selected.push_back(index);
  }
  m.syncCounts();
  if (!out.selected.empty()) out.current = out.selected.front();
  return out;
}

MessageSelection deleteMessages(Mission& m, const MessageSelection& s,
                                std::vector<std::string>& sounds) {
  const std::vector<int> sel = validSelection(m, s);
  if (m.messages.empty()) {
    lists::onMessagesDeleted(sounds, {}, 0);
    return {{}, 0};
  }
  if (sel.empty()) return s;
  for (auto it = sel.rbegin(); it != sel.rend(); ++it) m.messages.erase(m.messages.begin() + *it);
  lists::onMessagesDeleted(sounds, sel, m.messages.size());
  renumberMessages(m);
  m.syncCounts();
  if (m.messages.empty()) return {{}, 0};
  const int current = std::clamp(s.current, 0, messageCount(m) - 1);
  return {{current}, current};
}

bool canMoveMessagesUp(const Mission& m, const MessageSelection& s) {
  const std::vector<int> sel = validSelection(m, s);
  return !sel.empty() && s.current > 0 && s.current < messageCount(m) && sel.front() != 0;
}

bool canMoveMessagesDown(const Mission& m, const MessageSelection& s) {
  const int last = messageCount(m) - 1;
  const std::vector<int> sel = validSelection(m, s);
  return !sel.empty() && s.current >= 0 && s.current < last && sel.back() != last;
}

std::vector<std::pair<int, int>> messageMoves(const Mission& m, const MessageSelection& s,
                                              bool up) {
  std::vector<std::pair<int, int>> out;
  if (up ? !canMoveMessagesUp(m, s) : !canMoveMessagesDown(m, s)) return out;
  std::vector<int> sel = validSelection(m, s);
  if (up)
    for (int i : sel) out.emplace_back(i, i - 1);
  else
    for (auto it = sel.rbegin(); it != sel.rend(); ++it) out.emplace_back(*it, *it + 1);
  return out;
}

namespace {

MessageSelection move(Mission& m, const MessageSelection& s, std::vector<std::string>& sounds,
                      bool up) {
  const auto moves = messageMoves(m, s, up);
  if (moves.empty()) return s;
  MessageSelection out{{}, s.current};
  for (auto [a, b] : moves) {
    Message& ma = m.messages[static_cast<std::size_t>(a)];
    Message& mb = m.messages[static_cast<std::size_t>(b)];
    // The pair trades places and keeps the numbers where they were, so numbers that equal
    // positions stay equal and other messages keep their bytes.
    const auto na = ma.get(msg::MessageNumber), nb = mb.get(msg::MessageNumber);
    std::swap(ma, mb);
    ma.set(msg::MessageNumber, na);
    mb.set(msg::MessageNumber, nb);
    lists::onMessagesMoved(sounds, static_cast<std::size_t>(a), static_cast<std::size_t>(b));
    if (out.current == a)
      out.current = b;
    else if (out.current == b)
      out.current = a;
    out.selected.push_back(b);
  }
  std::sort(out.selected.begin(), out.selected.end());
  return out;
}

}  // namespace

MessageSelection moveMessagesUp(Mission& m, const MessageSelection& s,
                                std::vector<std::string>& sounds) {
  return move(m, s, sounds, true);
}

MessageSelection moveMessagesDown(Mission& m, const MessageSelection& s,
                                  std::vector<std::string>& sounds) {
  return move(m, s, sounds, false);
}

}  // namespace editing
