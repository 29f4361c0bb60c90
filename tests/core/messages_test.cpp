#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_dir.h"

#include <filesystem>

#include "editing/messages.h"
#include "lists/wave_list.h"
#include "model/mission_file.h"

using namespace editing;
using model::u8;
namespace msg = model::message;
namespace fg = model::fg;

namespace {

const std::string Dummy = lists::PlaceholderWave;

model::Mission missionWithMessages(int messages, u8 type = model::MissionType1) {
  model::Mission m;
  m.newMission();
  m.header.set(model::header::MissionType, type);
  std::vector<std::string> sounds;
  for (int i = 0; i < messages; ++i) {
    addMessage(m, model::newMessageTemplate(), sounds);
    m.messages.back().setText(msg::Text, "M" + std::to_string(i));
  }
  return m;
}

std::vector<std::string> messageTexts(const model::Mission& m) {
  std::vector<std::string> out;
  for (const auto& x : m.messages) out.push_back(x.textValue());
  return out;
}

std::vector<int> numbers(const model::Mission& m) {
  std::vector<int> out;
  for (const auto& x : m.messages) out.push_back(x.get(msg::MessageNumber));
  return out;
}

}  // namespace

// The line shows the text as the text box does, a leading digit included.
TEST(MessageLine, ShowsTheTextWholeAndMarksSounds) {
  model::Message x;
  x.set(msg::Color, model::u8{'1'});
  x.setText(msg::Text, "2nd wave");
  EXPECT_EQ(messageListLine(x, 0, nullptr), "  2nd wave");
  x.setText(msg::Text, "4 left");
  EXPECT_EQ(messageListLine(x, 0, nullptr), "  4 left");
  std::vector<std::string> sounds = {"Train\\x.wav", "TRAIN\\DUMMY.WAV"};
  EXPECT_EQ(messageListLine(x, 0, &sounds), "* 4 left");
  EXPECT_EQ(messageListLine(x, 1, &sounds), "  4 left");
}

TEST(MessageLine, GreyWhenSentToNoTeam) {
  model::Message x;
  x.set(msg::Color, u8{'2'});
  EXPECT_EQ(messageListColour(x), model::Grey);
  x.set(msg::SentToTeam, u8{1}, 7);
  EXPECT_EQ(messageListColour(x), (model::Rgb{0, 128, 255}));
  EXPECT_EQ(sentToText(x), "8");
}

TEST(NewMessage, ColourAndTeamFollowMissionType) {
  // Training missions send to team 1 in the colour of player 1's IFF; others stay red, unsent.
  const std::vector<std::pair<u8, char>> iffs = {{0, '1'}, {1, '0'}, {2, '2'}, {3, '3'},
                                                 {4, '1'}, {5, '3'}, {6, '0'}};
  for (const auto& [iff, colour] : iffs) {
    for (u8 type : {model::Training, model::MultiplayerTraining}) {
      model::Mission m = missionWithMessages(0, type);
      m.flightGroups[0].set(fg::Iff, iff);
      const model::Message x = newMessage(m, model::newMessageTemplate());
      EXPECT_EQ(x.get(msg::Color), colour) << int(iff);
      EXPECT_EQ(sentToText(x), "1");
    }
  }
  for (u8 type : {model::MissionType1, model::Melee, model::MultiplayerCombat}) {
    model::Mission m = missionWithMessages(2, type);
    const model::Message x = newMessage(m, model::newMessageTemplate());
    EXPECT_EQ(x.get(msg::Color), '0');
    EXPECT_EQ(sentToText(x), "-");
    EXPECT_EQ(x.get(msg::MessageNumber), 2);
    EXPECT_EQ(x.textValue(), "New Message");
  }
}

TEST(MessageOps, DeleteKeepsNumbersEqualToPositionsAndDropsSounds) {
  model::Mission m = missionWithMessages(6);
  std::vector<std::string> sounds = {"a", "b", "c", "d", "e", "f"};
  const MessageSelection s = deleteMessages(m, {{1, 3}, 3}, sounds);
  EXPECT_EQ(messageTexts(m), (std::vector<std::string>{"M0", "M2", "M4", "M5"}));
  EXPECT_EQ(numbers(m), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(sounds, (std::vector<std::string>{"a", "c", "e", "f"}));
  EXPECT_EQ(s, (MessageSelection{{3}, 3}));
  EXPECT_EQ(m.header.get(model::header::MessageCount), 4);
  deleteMessages(m, {{0, 1, 2, 3}, 0}, sounds);
  EXPECT_TRUE(m.messages.empty());
  EXPECT_EQ(sounds, std::vector<std::string>{Dummy});
}

TEST(MessageOps, PasteAppendsNumberedCopiesWithSoundsAndSelectsThem) {
  model::Mission m = missionWithMessages(3);
  std::vector<std::string> sounds = {"a", "b", "c"};
  const std::vector<model::Message> copied = {m.messages[0], m.messages[2]};
  const MessageSelection s = pasteMessages(m, copied, sounds);
  EXPECT_EQ(messageTexts(m), (std::vector<std::string>{"M0", "M1", "M2", "M0", "M2"}));
  EXPECT_EQ(numbers(m), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(sounds, (std::vector<std::string>{"a", "b", "c", Dummy, Dummy}));
  EXPECT_EQ(s, (MessageSelection{{3, 4}, 3}));
  EXPECT_EQ(m.header.get(model::header::MessageCount), 5);
}

TEST(MessageOps, MoveCarriesNumbersAndFirstSixteenSounds) {
  model::Mission m = missionWithMessages(18);
  std::vector<std::string> sounds;
  for (int i = 0; i < 18; ++i) sounds.push_back("s" + std::to_string(i));
  // The 16th message up trades its sound with the 15th; the 17th up leaves the sounds alone.
  MessageSelection s = moveMessagesUp(m, {{15}, 15}, sounds);
  EXPECT_EQ(s, (MessageSelection{{14}, 14}));
  EXPECT_EQ(sounds[14], "s15");
  EXPECT_EQ(m.messages[14].textValue(), "M15");
  const auto before = sounds;
  moveMessagesUp(m, {{16}, 16}, sounds);
  EXPECT_EQ(sounds, before);
  EXPECT_EQ(m.messages[15].textValue(), "M16");
  for (int i = 0; i < 18; ++i) EXPECT_EQ(numbers(m)[static_cast<std::size_t>(i)], i);
}

TEST(MessageOps, MoveRules) {
  model::Mission m = missionWithMessages(4);
  std::vector<std::string> sounds;
  EXPECT_FALSE(canMoveMessagesUp(m, {{0, 2}, 2}));  // the first line is selected
  EXPECT_FALSE(canMoveMessagesDown(m, {{1, 3}, 1}));
  const MessageSelection s = moveMessagesDown(m, {{1, 2}, 1}, sounds);
  EXPECT_EQ(messageTexts(m), (std::vector<std::string>{"M0", "M3", "M1", "M2"}));
  EXPECT_EQ(s, (MessageSelection{{2, 3}, 2}));
}

TEST(MessagesCommand, PrintsOneTabSeparatedLinePerMessage) {
  testsupport::TempDir dir;
  model::Mission m = missionWithMessages(2);
  m.messages[0].setText(msg::Text, "1Caf\xe9 open");
  m.messages[0].set(msg::Color, u8{'3'});
  m.messages[0].set(msg::Delay, u8{200});
  m.messages[0].set(msg::SentToTeam, u8{1}, 0);
  m.messages[0].set(msg::SentToTeam, u8{1}, 2);
  const std::string file = (dir.path() / "m.kre").string();
  ASSERT_TRUE(model::saveMissionFile(m, file).ok);
  const auto r =
      testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.path().string(), "messages '" + file + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\t  1Caf\xc3\xa9 open\t3\t1000\t1,3\n2\t  M1\t0\t0\t-\n");
  EXPECT_EQ(testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.path().string(), "messages").status,
            2);
}
