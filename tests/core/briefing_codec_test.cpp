#include <gtest/gtest.h>

#include <initializer_list>

#include "briefing/commands.h"
#include "briefing/editing.h"
#include "model/mission.h"

namespace {

using briefing::Command;
using briefing::CommandList;
namespace rec = model::briefing;

model::Briefing withWords(std::initializer_list<int> words, int used) {
  model::Briefing b;
  int i = 0;
  for (int w : words) b.set(rec::Events, static_cast<model::i16>(w), i++);
  b.set(rec::EventWordsUsed, static_cast<model::i16>(used));
  return b;
}

Command cmd(int time, int code, int index = 0, int x = 0, int y = 0, int colour = 0) {
  Command c;
  c.time = static_cast<std::uint16_t>(time);
  c.code = static_cast<std::uint16_t>(code);
  c.index = static_cast<std::uint16_t>(index);
  c.x = static_cast<std::int16_t>(x);
  c.y = static_cast<std::int16_t>(y);
  c.colour = static_cast<std::uint16_t>(colour);
  return c;
}

TEST(BriefingCodec, NewBriefingIsTheEndMarkerAlone) {
  model::Mission m;
  m.newMission();
  const briefing::Decoded d = briefing::decode(m.briefings[0]);
  ASSERT_EQ(d.commands.size(), 1u);
  EXPECT_TRUE(d.commands[0].isEnd());
  EXPECT_EQ(briefing::wordCount(d.commands), 2);
  EXPECT_EQ(briefing::seconds(m.briefings[0].get(rec::RunningTime)), "30");
}

TEST(BriefingCodec, RoundTripKeepsEveryParameterAndLaterWords) {
  model::Briefing b = withWords(
      {0, 6, 100, -200, 0, 7, 48, 48, 20, 5, 3, 30, 18, 16, -5, 60, 2, 40, 3, 9999, 34, 777}, 21);
  const CommandList list = briefing::decode(b).commands;
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[0].y, -200);
  EXPECT_EQ(list[3].index, 16);
  EXPECT_EQ(list[3].colour, 2);
  model::Briefing again = b;
  EXPECT_FALSE(briefing::encode(list, again));
  EXPECT_EQ(again, b);
  EXPECT_EQ(again.get(rec::Events, 21), 777);  // beyond the stream: untouched
}

TEST(BriefingCodec, CodeZeroReadsAsTheEndMarker) {
  model::Briefing b = withWords({0, 3, 50, 0, 9999, 34}, 6);
  const CommandList list = briefing::decode(b).commands;
  ASSERT_EQ(list.size(), 3u);
  EXPECT_TRUE(list[1].isEnd());
  briefing::encode(list, b);
  EXPECT_EQ(b.get(rec::Events, 2), 9999);
  EXPECT_EQ(b.get(rec::Events, 3), 34);
}

TEST(BriefingCodec, WordsAfterTheEndMarkerAreReadWhenCounted) {
  const model::Briefing b = withWords({9999, 34, 40, 3}, 4);
  const CommandList list = briefing::decode(b).commands;
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].code, 3);
}

TEST(BriefingCodec, DamagedStreamsStopAtTheRecord) {
  model::Briefing b;
  for (int i = 0; i < 398; i += 2) {
    b.set(rec::Events, model::i16{1}, i);
    b.set(rec::Events, model::i16{1}, i + 1);
  }
  b.set(rec::Events, model::i16{5}, 398);
  b.set(rec::Events, model::i16{18}, 399);  // a tag whose parameters lie beyond word 400
  b.set(rec::EventWordsUsed, model::i16{900});
  const briefing::Decoded d = briefing::decode(b);
  EXPECT_TRUE(d.countBeyondLimit);
  EXPECT_TRUE(d.overrun);
  EXPECT_TRUE(d.endMarkerAdded);
  EXPECT_EQ(d.commands.size(), 200u);
  EXPECT_TRUE(d.commands.back().isEnd());
}

TEST(BriefingCodec, FourHundredWordsFitAndMoreLoseCommandsBeforeTheEnd) {
  CommandList list(199, cmd(5, 3));
  list.push_back(Command::endMarker());
  ASSERT_EQ(briefing::wordCount(list), 400);
  model::Briefing b;
  EXPECT_FALSE(briefing::encode(list, b));
  EXPECT_EQ(b.get(rec::EventWordsUsed), 400);

  list.insert(list.begin(), cmd(0, 5, 1));  // 404 words
  list[list.size() - 2].code = 4;           // the first to go
  EXPECT_TRUE(briefing::encode(list, b));
  const CommandList back = briefing::decode(b).commands;
  EXPECT_EQ(briefing::wordCount(back), 399);
  EXPECT_EQ(back[0].code, 5);
  EXPECT_TRUE(back.back().isEnd());
  EXPECT_EQ(back[back.size() - 2].code, 3);
}

TEST(BriefingLines, EachCommandAsTheListShowsIt) {
  std::array<std::string, 32> strings, tags;
  strings[1] = "Hello";
  strings[2] = std::string(60, 'a');
  strings[3] = std::string(38, 'b') + "  " + std::string(10, 'c');
  tags[4] = "Base";
  const std::vector<std::string> names{"X-W Red"};
  const briefing::LineContext lc{&strings, &tags, &names};
  struct Case {
    Command c;
    std::string line;
  };
  const Case cases[] = {
      {Command::endMarker(), "<end marker>"},
      {cmd(0, 3), "0            Stop Point        " + std::string(97, '-')},
      {cmd(1, 5, 1), "0.05       Briefing Text:      \"Hello\""},
      {cmd(30, 5, 2), "1.5         Briefing Text:      \"" + std::string(55, 'a') + "....\""},
      {cmd(200, 4, 3), "10          Title Text:           \"" + std::string(38, 'b') + "....\""},
      {cmd(2000, 6, 0, 160, -80), "100         Move Map to        X: 1.00,   Y: -0.50"},
      {cmd(20000, 7, 0, 48, 48), "1000       Zoom Map to        X: 48,   Y: 48"},
      {cmd(25, 9, 0), "1.25       FG Box  #1:         X-W Red"},
      {cmd(2005, 16, 3), "100.25   FG Box  #8:         FG#3 (Does not exist)"},
      {cmd(65535, 18, 4, 0, 320, 3),
       "3276.75Map Tag #1:      \"Base\"    at    X: 0.00,   Y: 2.00     Color: Blue"},
      {cmd(0, 40), "0            40"},
  };
  for (const Case& k : cases) EXPECT_EQ(briefing::describe(k.c, lc), k.line);
}

TEST(BriefingNumbers, TypedSecondsAndKilometres) {
  int v = -1;
  EXPECT_TRUE(briefing::parseSeconds("1.5", v));
  EXPECT_EQ(v, 30);
  EXPECT_TRUE(briefing::parseKm("-", v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(briefing::parseKm("0.003125", v));  // half a unit: to even
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(briefing::parseKm("abc", v));
  EXPECT_FALSE(briefing::parseWhole("1.5", v));
}

}  // namespace
