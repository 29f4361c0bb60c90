#include <gtest/gtest.h>

#include <sys/wait.h>
#include "cli_runner.h"
#include "temp_dir.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "model/mission_file.h"

namespace {

namespace fs = std::filesystem;
using model::u8;
namespace fg = model::fg;

using testsupport::CliRun;

CliRun runCheckCli(const fs::path& dir, const std::string& args) {
  return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.string(), args);
}

class CheckCommand : public ::testing::Test {
 protected:
  CheckCommand() {
    m.newMission();
    m.platformId = model::FormatBase;
    fs::create_directories(dir.path() / "editor");
  }
  std::string save() {
    const std::string file = (dir.path() / "m.kre").string();
    EXPECT_TRUE(model::saveMissionFile(m, file).ok);
    return "'" + file + "' --editor-dir '" + (dir.path() / "editor").string() + "'";
  }
  testsupport::TempDir dir;
  model::Mission m;
};

TEST_F(CheckCommand, CleanMissionPrintsNothing) {
  const CliRun r = runCheckCli(dir.path(), "check " + save());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(CheckCommand, WarningsAloneDoNotFail) {
  m.header.set(model::header::MissionType, u8{model::Melee});
  const CliRun r = runCheckCli(dir.path(), "check " + save());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "WARNING: There is only one Player Craft in this Melee.\n");
}

TEST_F(CheckCommand, ErrorsThenWarningsInUtf8) {
  std::ofstream(dir.path() / "editor" / "Ships.txt", std::ios::binary) << "(None)\r\nCaf\xe9\r\n";
  m.header.set(model::header::MissionType, u8{model::Melee});
  m.flightGroups[0].set(fg::CraftType, u8{1});
  m.flightGroups[0].set(fg::Formation, u8{34});
  m.flightGroups[0].setText(fg::Name, "Lead");
  const CliRun r = runCheckCli(dir.path(), "check " + save());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "ERROR: Player FG  #1 Caf\xC3\xA9 Lead (1) has (Single Point) Formation. The mission "
            "will crash.\n"
            "WARNING: There is only one Player Craft in this Melee.\n");
}

TEST_F(CheckCommand, PlayableCheckCanBeSwitchedOff) {
  m.flightGroups[0].set(fg::CraftType, u8{10});
  const std::string args = save();
  CliRun r = runCheckCli(dir.path(), "check " + args);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "ERROR: Ship Slot #10 is not available in Zyn or Qvn.\n");
  r = runCheckCli(dir.path(), "check --no-playable-check " + args);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(CheckCommand, RefusedFileAndUsage) {
  const fs::path bad = dir.path() / "bad.kre";
  std::ofstream(bad, std::ios::binary) << "junk";
  CliRun r = runCheckCli(dir.path(), "check '" + bad.string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("bad.kre"), std::string::npos);
  EXPECT_NE(r.err.find("Unrecognized file type"), std::string::npos);

  r = runCheckCli(dir.path(), "check '" + (dir.path() / "missing.kre").string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing.kre"), std::string::npos);

  EXPECT_EQ(runCheckCli(dir.path(), "check").status, 2);
  EXPECT_EQ(runCheckCli(dir.path(), "check a.kre b.kre").status, 2);
  EXPECT_EQ(runCheckCli(dir.path(), "check a.kre --editor-dir").status, 2);
  EXPECT_EQ(runCheckCli(dir.path(), "check --bogus a.kre").status, 2);
}

// A list names missions by file name (a game list beside it, a battle's list in the combat
// folder beside its battle folder): each gets its block, the sums come last, and a missing
// mission or one with an error fails the command.
TEST_F(CheckCommand, ListsReportEveryMissionTheyName) {
  const fs::path train = dir.path() / "Zyn" / "Train";
  fs::create_directories(train);
  EXPECT_TRUE(model::saveMissionFile(m, (train / "clean.kre").string()).ok);
  m.flightGroups[0].set(fg::CraftType, u8{10});
  EXPECT_TRUE(model::saveMissionFile(m, (train / "BAD.KRE").string()).ok);
  std::ofstream(train / "Mission.lst", std::ios::binary)
      << "1\r\nclean.kre\r\nClean\r\n2\r\nbad.kre\r\nBad\r\n3\r\ngone.kre\r\nGone\r\n";
  const std::string editor = " --editor-dir '" + (dir.path() / "editor").string() + "'";
  const CliRun r =
      runCheckCli(dir.path(), "check '" + (train / "Mission.lst").string() + "'" + editor);
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.out, "== clean.kre (" + (train / "clean.kre").string() +
                       ")\n  nothing found\n"
                       "== bad.kre (" +
                       (train / "BAD.KRE").string() +
                       ")\n  ERROR: Ship Slot #10 is not available in Zyn or Qvn.\n"
                       "== gone.kre: missing\n\n"
                       "3 missions, 1 error, 0 warnings, 0 findings, 0 advisories, 1 missing "
                       "file\n");

  // A battle: its list in the battle folder, its missions in the combat folder.
  fs::create_directories(dir.path() / "Zyn" / "battle");
  fs::create_directories(dir.path() / "Zyn" / "COMBAT");
  fs::copy_file(train / "clean.kre", dir.path() / "Zyn" / "COMBAT" / "B1.KRE");
  std::ofstream(dir.path() / "Zyn" / "battle" / "b.lst", std::ios::binary)
      << "1\r\nb1.kre\r\nOne battle";
  const CliRun battle = runCheckCli(
      dir.path(), "flow '" + (dir.path() / "Zyn" / "battle" / "b.lst").string() + "'" + editor);
  EXPECT_EQ(battle.status, 0) << battle.err;
  EXPECT_NE(battle.out.find("== b1.kre (" + (dir.path() / "Zyn" / "COMBAT" / "B1.KRE").string()),
            std::string::npos)
      << battle.out;
  EXPECT_NE(battle.out.find("\n1 mission, 0 errors,"), std::string::npos) << battle.out;

  // A campaign: its list in the campaign folder, its missions in the train folder.
  fs::create_directories(dir.path() / "Zyn" / "Campaign");
  fs::copy_file(train / "clean.kre", train / "C1.KRE");
  std::ofstream(dir.path() / "Zyn" / "Campaign" / "c.lst", std::ios::binary)
      << "1\r\nc1.kre\r\nOne campaign";
  const CliRun campaign = runCheckCli(
      dir.path(), "flow '" + (dir.path() / "Zyn" / "Campaign" / "c.lst").string() + "'" + editor);
  EXPECT_EQ(campaign.status, 0) << campaign.err;
  EXPECT_NE(campaign.out.find("== c1.kre (" + (train / "C1.KRE").string()), std::string::npos)
      << campaign.out;
}

}  // namespace
