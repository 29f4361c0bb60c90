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
            "ERROR: Player FG  Caf\xC3\xA9 Lead (1) has (Single Point) Formation. The mission will "
            "crash.\n"
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

}  // namespace
