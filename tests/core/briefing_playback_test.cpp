#include <gtest/gtest.h>

#include "briefing/editing.h"
#include "briefing/playback.h"
#include "briefing/preview.h"
#include "model/mission.h"

namespace {

using briefing::Command;
using briefing::CommandList;

Command commandAt(int time, int code, int index = 0, int x = 0, int y = 0) {
  Command c = briefing::newCommand(code, time);
  c.index = static_cast<std::uint16_t>(index);
  c.x = static_cast<std::int16_t>(x);
  c.y = static_cast<std::int16_t>(y);
  return c;
}

struct Playback : ::testing::Test {
  void load(CommandList l, int running = 600) {
    list = std::move(l);
    p.setCommands(&list);
    p.setRunningTime(running);
    std::array<std::string, 32> tags;
    tags[0] = "Ten chars!";
    p.setTags(tags);
    p.rewind();
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) p.tick();
  }
  CommandList list;
  briefing::Player p;
};

TEST_F(Playback, ZoomStepsTowardsItsTarget) {
  load({commandAt(1, 7, 0, 48, 48), Command::endMarker()});
  EXPECT_EQ(p.view().zoom, 32);
  p.view().zoomTarget = 48;  // the rewind ran the first command already; play it from 32
  p.view().zoomIn = true;
  std::vector<int> steps;
  for (int i = 0; i < 5; ++i) {
    p.animate();
    steps.push_back(p.view().zoom);
  }
  EXPECT_EQ(steps, (std::vector<int>{39, 46, 47, 48, 48}));
  EXPECT_FALSE(p.view().zoomIn);
}

TEST_F(Playback, MoveAtTimeZeroJumpsLaterMovesScroll) {
  load({commandAt(0, 6, 0, 1000, 0), commandAt(2, 6, 0, 0, 0), Command::endMarker()});
  EXPECT_EQ(p.view().ox, -200);  // 6.25 km at zoom 32
  EXPECT_FALSE(p.view().xRising);
  ticks(2);
  EXPECT_TRUE(p.view().xRising);
  std::vector<int> xs;
  while (p.view().xRising) {
    p.tick();
    xs.push_back(p.view().ox);
  }
  EXPECT_EQ(xs.front(), -186);
  EXPECT_EQ(xs.back(), 2);  // 4-pixel steps at the end overshoot a little
}

TEST_F(Playback, LoopsPastTheRunningTimeAndPausesAtStops) {
  load({commandAt(0, 5, 1), commandAt(10, 3), commandAt(15, 8), Command::endMarker()}, 20);
  p.setPauseAtStops(true);
  ASSERT_EQ(p.play(4), briefing::PlayStart::Started);
  ticks(10);
  EXPECT_FALSE(p.playing());
  EXPECT_EQ(p.current(), 1);
  p.play(4);
  ticks(11);
  EXPECT_EQ(p.time(), 0);  // 21 ticks: past the running time, from the start again
  EXPECT_TRUE(p.playing());
  EXPECT_EQ(p.play(0), briefing::PlayStart::NoInstructions);
  p.setRunningTime(0);
  EXPECT_EQ(p.play(4), briefing::PlayStart::ZeroRunningTime);
}

TEST_F(Playback, BoxesShrinkAndTagsTypeOut) {
  load({commandAt(0, 5), commandAt(1, 9, 2), commandAt(1, 18, 0, 0, 0), Command::endMarker()});
  ticks(1);
  EXPECT_EQ(p.view().box[0], 2);
  EXPECT_EQ(p.view().boxHalf[0], 15);
  EXPECT_EQ(p.view().revealed[0], 1);
  ticks(3);
  EXPECT_EQ(p.view().boxHalf[0], 12);
  EXPECT_EQ(p.view().revealed[0], 10);
}

TEST_F(Playback, ClearAllBoxesClearsEveryBox) {
  load({commandAt(1, 9, 2), commandAt(1, 10, 4), commandAt(5, 8), Command::endMarker()});
  ticks(2);
  EXPECT_EQ(p.view().box[0], 2);
  EXPECT_EQ(p.view().box[1], 4);
  ticks(4);
  EXPECT_EQ(p.view().box, (std::array<int, briefing::SlotCount>{-1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST_F(Playback, PreviousInstructionRestoresTheSnapshot) {
  load({commandAt(0, 5, 1), commandAt(5, 9, 0), commandAt(10, 5, 2), commandAt(20, 8),
        Command::endMarker()});
  ticks(10);
  ASSERT_EQ(p.current(), 2);
  EXPECT_EQ(p.view().text, 2);
  p.previousInstruction();
  EXPECT_EQ(p.current(), 1);
  EXPECT_EQ(p.time(), 5);
  EXPECT_EQ(p.view().text, 1);
  EXPECT_EQ(p.view().box[0], 0);
  EXPECT_EQ(p.view().boxHalf[0], 8);  // stopped: shown settled
}

TEST_F(Playback, StepsByInstructionAndStopPointWrapAtTheEnd) {
  load({commandAt(0, 5, 1), commandAt(5, 9, 0), commandAt(10, 3), commandAt(20, 8),
        Command::endMarker()});
  p.nextInstruction();
  EXPECT_EQ(p.current(), 1);
  EXPECT_EQ(p.view().boxHalf[0], 8);
  p.nextStopPoint();
  EXPECT_EQ(p.current(), 2);
  EXPECT_EQ(p.time(), 11);  // one tick past the stop point, which runs again first
  EXPECT_TRUE(p.jumpPending());
  EXPECT_EQ(p.selected(), 2);
  p.nextInstruction();
  EXPECT_EQ(p.current(), 3);  // the last instruction is shown
  p.nextInstruction();
  EXPECT_EQ(p.current(), 0);
  EXPECT_EQ(p.time(), 0);
}

TEST_F(Playback, SeekShowsWhatPlayingFromTheStartShows) {
  load({commandAt(0, 5, 1), commandAt(8, 9, 0), commandAt(12, 5, 2), commandAt(30, 8),
        Command::endMarker()});
  p.seek(14);
  EXPECT_EQ(p.time(), 14);
  EXPECT_EQ(p.view().text, 2);
  EXPECT_EQ(p.view().boxHalf[0], 9);
  p.seek(3);
  EXPECT_EQ(p.view().text, 1);
  EXPECT_EQ(p.view().box[0], -1);
}

TEST(BriefingPreview, SnapPickAndDescription) {
  EXPECT_EQ(briefing::snap(300, briefing::snapStep(3)), 256);
  EXPECT_EQ(briefing::snap(-300, briefing::snapStep(3)), -256);
  model::Mission m;
  m.newMission();
  briefing::DisplayState v;
  m.flightGroups[0].set(model::fg::WaypointX, model::i16{100}, model::Briefing1);
  EXPECT_EQ(briefing::pickFlightGroup(m, 0, v, 130, 30), 0);
  EXPECT_EQ(briefing::pickFlightGroup(m, 0, v, 140, 0), -1);
  EXPECT_EQ(briefing::pickFlightGroup(m, 2, v, 100, 0), -1);  // disabled point
  EXPECT_EQ(briefing::descriptionFromList("a\r\nM1.KRE\r\nFirst\r\nm1.kre\r\nSecond\r\n", "m1.kre"),
            "Second");
  EXPECT_FALSE(briefing::descriptionFromList("x\r\nm1.kre\r\n", "m1.kre"));
}

TEST(BriefingPreview, BracketedWordsAreHighlightedWithoutTheirBrackets) {
  using Runs = std::vector<briefing::CaptionRun>;
  EXPECT_EQ(
      briefing::captionRuns("Meet [Red] at [Base 2]."),
      (Runs{{"Meet ", false}, {"Red", true}, {" at ", false}, {"Base 2", true}, {".", false}}));
  EXPECT_EQ(briefing::captionRuns("[[Gold]] and] [rest"),
            (Runs{{"Gold", true}, {" and ", false}, {"rest", true}}));
  EXPECT_EQ(briefing::captionRuns(""), Runs{});
}

}  // namespace
