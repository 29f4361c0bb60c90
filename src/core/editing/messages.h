#pragma once
// The message list without a widget: the list line and its colour, the rules a new message
// follows, and new, paste, delete and move with the message numbers kept equal to the positions and
// the sound list kept in step.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/colours.h"
#include "model/mission.h"
#include "model/texts.h"

namespace editing {

// Teams a message can be sent to (the flags of teams 9 and 10 are carried through).
inline constexpr std::size_t MessageTeams = 8;
// The delay is stored in steps of 5 seconds; the box offers 0..1000 seconds.
inline constexpr int MessageDelayStep = 5;
inline constexpr int MaxMessageDelay = 1000;

// The text a message shows in the list, the text box and every description: the text as stored,
// a leading digit included (the colour is a field of its own, read before the text).
std::string shownMessageText(std::string_view text);

// A red message is stored without its colour digit, its text starting where the others keep
// theirs: it holds 63 characters, the others 62.
inline constexpr char RedColour = '0';
std::size_t messageTextRoom(char colour);
// The Text field as a text of `colour` is written into it (cut to the colour's room).
model::TextField messageTextField(char colour);
// Why a message of `colour` holding `text` would not read back as it is (empty: it would): a
// red text beginning with "1", "2" or "3" is read back as a message of that colour without the
// digit; a text past the colour's room loses its end.
model::Text messageTextProblem(char colour, std::string_view text);

// The sound marker (lists::soundMarker; two blanks without an active sound list) and the shown
// text.
std::string messageListLine(const model::Message& msg, std::size_t i,
                            const std::vector<std::string>* sounds);
std::vector<std::string> messageListLines(const model::Mission& m,
                                          const std::vector<std::string>* sounds);

// Whether any of teams 1..8 receives the message.
bool sentToAnyTeam(const model::Message& msg);
// The line colour: the message colour, grey when it is sent to no team.
model::Rgb messageListColour(const model::Message& msg);
// The colour character ("0".."3") of a message in a training mission, from the player's IFF.
char colourForPlayerIff(int iff);
// The teams a message is sent to as "1,3" ("-" for none).
std::string sentToText(const model::Message& msg);

// The message a New makes: the template, numbered by its position; in Training and Multiplayer
// Training missions sent to team 1 in the colour of player 1's IFF.
model::Message newMessage(const model::Mission& m, const model::Message& tmpl);

// The selected lines of the message list and the current (focused) one.
struct MessageSelection {
  std::vector<int> selected;  // ascending, no repeats
  int current = 0;
  bool operator==(const MessageSelection&) const = default;
};

// Appends a new message; it becomes the only selected line and the current one.
MessageSelection addMessage(model::Mission& m, const model::Message& tmpl,
                            std::vector<std::string>& sounds);
// Appends copies of `copied` (cut or copied earlier), numbered by their new positions, each with
// a sound entry as a new message gets; they become the selection, the first one current.
MessageSelection pasteMessages(model::Mission& m, const std::vector<model::Message>& copied,
                               std::vector<std::string>& sounds);
// Removes every selected message with its sound entry; the current line is held to the last
// one and becomes the only selected line. With no message the sound list is reset.
MessageSelection deleteMessages(model::Mission& m, const MessageSelection& s,
                                std::vector<std::string>& sounds);
// As for flight groups: up acts when the current line is not the first and the first line is
// not selected, down mirrors it. Numbers stay equal to positions; sound entries move along
// among the first 16.
bool canMoveMessagesUp(const model::Mission& m, const MessageSelection& s);
bool canMoveMessagesDown(const model::Mission& m, const MessageSelection& s);
MessageSelection moveMessagesUp(model::Mission& m, const MessageSelection& s,
                                std::vector<std::string>& sounds);
MessageSelection moveMessagesDown(model::Mission& m, const MessageSelection& s,
                                  std::vector<std::string>& sounds);

// The exchanges a move makes, in order: each pair (i, i - 1) for up or (i, i + 1) for down.
std::vector<std::pair<int, int>> messageMoves(const model::Mission& m, const MessageSelection& s,
                                              bool up);

// Sets every message's number to its position.
void renumberMessages(model::Mission& m);

}  // namespace editing
