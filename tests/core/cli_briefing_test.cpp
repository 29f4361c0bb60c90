#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_dir.h"

#include "briefing/commands.h"
#include "briefing/editing.h"
#include "model/mission_file.h"

namespace {

namespace rec = model::briefing;

struct BriefingCommands : ::testing::Test {
  BriefingCommands() {
    m.newMission();
    m.briefings[1].strings[1] = "Caf\xe9 [Unnamed]";
  }
  std::string save() {
    EXPECT_TRUE(model::saveMissionFile(m, dir / "m.kre").ok);
    return "'" + (dir / "m.kre") + "' ";
  }
  testsupport::CliRun run(const std::string& args) {
    return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(), args);
  }
  testsupport::TempDir dir;
  model::Mission m;
};

TEST_F(BriefingCommands, PrintsRunningTimeWordsAndLines) {
  const auto r = run("briefing " + save() + "1 --editor-dir '" + dir.str() + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Running time: 30\nWords: 2\n<end marker>\n");
  EXPECT_EQ(run("briefing " + save() + "9").status, 2);
}

TEST_F(BriefingCommands, LinesComeInTheListsTimeOrder) {
  // Stored out of order: a stop at 2 s before a text at 1 s.
  briefing::encode(
      {briefing::newCommand(briefing::StopPoint, 40),
       briefing::newCommand(briefing::BriefingText, 20), briefing::Command::endMarker()},
      m.briefings[0]);
  const auto r = run("briefing " + save() + "1 --editor-dir '" + dir.str() + "'");
  ASSERT_EQ(r.status, 0);
  const auto text = r.out.find("Briefing Text:"), stop = r.out.find("Stop Point");
  ASSERT_NE(stop, std::string::npos);
  EXPECT_LT(text, stop);
}

TEST_F(BriefingCommands, DamagedStreamIsSaidOnStderr) {
  m.briefings[0].set(rec::EventWordsUsed, model::i16{1000});
  const auto r = run("briefing " + save() + "1 --editor-dir '" + dir.str() + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("1000 words"), std::string::npos);
}

TEST_F(BriefingCommands, AutoBriefWritesTheStream) {
  const std::string out = dir / "out.kre";
  const auto r = run("autobrief " + save() + "2 '" + out + "' --seconds 3 --zoom 48 --center 0");
  ASSERT_EQ(r.status, 0) << r.err;
  model::Mission back;
  ASSERT_TRUE(model::loadMissionFile(out, back).ok());
  const auto list = briefing::decode(back.briefings[1]).commands;
  ASSERT_EQ(list.size(), 7u);  // move, zoom, text, box, clear, stop, end
  EXPECT_EQ(list[3].code, 9);
  EXPECT_EQ(back.briefings[1].get(rec::RunningTime), 60);
  EXPECT_EQ(run("autobrief " + save() + "1 '" + out + "'").status, 1);  // no text
  EXPECT_EQ(run("autobrief " + save() + "2 '" + out + "' --zoom 33").status, 2);
}

}  // namespace
