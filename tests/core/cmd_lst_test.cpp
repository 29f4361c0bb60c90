#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "cli_runner.h"
#include "model/mission_file.h"
#include "shell/settings_file.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::readFile;
using testsupport::writeFile;

class LstCommand : public ::testing::Test {
 protected:
  LstCommand() {
    shell::Settings s;
    s.gameDirectory = dir / "Zyn";
    shell::writeSettings(shell::settingsFilePath(dir.str()), s);
    fs::create_directories(dir / "Zyn/Train");
    writeFile(dir / "Zyn/Train/Mission.lst", "1\r\nm1.kre\r\nOne\r\n");
    writeFile(dir / "Zyn/Train/imperial.lst", "// Imperial\r\n5\r\nI5.KRE\r\nFive\r\n");
    mission.newMission();
    mission.platformId = model::FormatBase;
    mission.header.set(model::header::MissionType, std::uint8_t{3});
    model::FlightGroup fg;
    fg.set(model::fg::PlayerNumber, std::uint8_t{1});
    fg.set(model::fg::Iff, std::uint8_t{1});
    mission.flightGroups.push_back(fg);
  }
  std::string save() {
    const std::string file = dir / "NEW.KRE";
    EXPECT_TRUE(model::saveMissionFile(mission, file).ok);
    return "'" + file + "'";
  }
  testsupport::CliRun run(const std::string& args) {
    return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(), args);
  }
  testsupport::TempDir dir;
  model::Mission mission;
};

TEST_F(LstCommand, PrintsFolderSideListsAndEntries) {
  const auto r = run("lst " + save());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Folder: " + dir / "Zyn/Train" +
                       "\nSide: Imperial\nLists: Mission.lst, Imperial.lst\nNext: 6\n"
                       "[Mission.lst]\n1\tm1.kre\tOne\n[Imperial.lst]\n5\tI5.KRE\tFive\n");
}

TEST_F(LstCommand, AddWritesTheApplicableListsWithBackups) {
  const auto r = run("lst-add " + save() + " --description 'Über' --backup");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"),
            "1\r\nm1.kre\r\nOne\r\n6\r\nNEW.KRE\r\n\xDC"
            "ber\r\n");
  EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.~ls"), "1\r\nm1.kre\r\nOne\r\n");
  EXPECT_EQ(readFile(dir / "Zyn/Train/imperial.lst").substr(0, 12), "// Imperial\r");
  EXPECT_FALSE(fs::exists(dir / "Zyn/Train/Rebel.lst"));
  // Listed already (a list naming "new.kre" enters "NEW.KRE" too): refused, unless --again.
  writeFile(dir / "Zyn/Train/Mission.lst", "1\r\nnew.kre\r\nOne\r\n");
  const auto twice = run("lst-add " + save() + " --description x --number 9");
  EXPECT_EQ(twice.status, 1);
  EXPECT_EQ(twice.err,
            "NEW.KRE is already in Mission.lst and Imperial.lst. Nothing was written; --again adds "
            "it a second time.\n");
  EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"), "1\r\nnew.kre\r\nOne\r\n");
  EXPECT_EQ(run("lst-add " + save() + " --description x --number 9 --again").status, 0);
  EXPECT_NE(readFile(dir / "Zyn/Train/Mission.lst").find("9\r\nNEW.KRE\r\nx\r\n"),
            std::string::npos);
}

TEST_F(LstCommand, RefusalsWriteNothing) {
  const auto empty = run("lst-add " + save() + " --description '' --backup");
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.err, "You must write a description for the mission in the edit box\n");
  EXPECT_FALSE(fs::exists(dir / "Zyn/Train/Mission.~ls"));
  mission.flightGroups.clear();
  const std::string file = save();
  const auto r = run("lst-add " + file + " --description x");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Where's Player 1?\n");
  EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"), "1\r\nm1.kre\r\nOne\r\n");
  EXPECT_EQ(run("lst-add " + file + " --description ''").status, 1);
  EXPECT_EQ(run("lst-add " + file).status, 2);
  EXPECT_EQ(run("lst-add " + file + " --description x --number 1a").status, 2);
}

// The list writer keeps every promise of the mission writer.
TEST_F(LstCommand, AddKeepsProtectionsModesOwnersAndLinks) {
  const std::string list = dir / "Zyn/Train/Mission.lst";
  const std::string old = readFile(list);
  const auto statOf = [](const std::string& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st;
  };
  struct Case {
    const char* name;
    std::function<bool()> setUp;  // false: the case cannot be set up here
    bool refused;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"no write permission", [&] { return ::chmod(list.c_str(), 0444) == 0; }, true, [] {}},
      {"immutable",
       [&] { return std::system(("chattr +i '" + list + "' 2>/dev/null").c_str()) == 0; }, true,
       [&] { std::system(("chattr -i '" + list + "'").c_str()); }},
      {"mode, owner and group",
       [&] {
         return ::geteuid() == 0 && ::chmod(list.c_str(), 0640) == 0 &&
                ::chown(list.c_str(), 4242, 4343) == 0;
       },
       false,
       [&] {
         const struct stat st = statOf(list);
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         EXPECT_EQ(st.st_uid, 4242u);
         EXPECT_EQ(st.st_gid, 4343u);
       }},
      {"symbolic link",
       [&] {
         fs::rename(list, dir / "Zyn/Mission.real");
         fs::create_symlink("../Mission.real", list);
         return true;
       },
       false,
       [&] {
         EXPECT_TRUE(fs::is_symlink(list));
         EXPECT_NE(readFile(dir / "Zyn/Mission.real"), old);
         fs::remove(list);
         fs::rename(dir / "Zyn/Mission.real", list);
       }},
      {"hard link",
       [&] {
         fs::create_hard_link(list, dir / "Zyn/Mission.other");
         return true;
       },
       false,
       [&] {
         EXPECT_EQ(readFile(dir / "Zyn/Mission.other"), readFile(list));
         EXPECT_EQ(fs::hard_link_count(list), 2u);
         fs::remove(dir / "Zyn/Mission.other");
       }},
  };
  const std::string file = save();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::permissions(list, fs::perms::owner_read | fs::perms::owner_write);
    writeFile(list, old);
    if (!c.setUp()) continue;  // e.g. giving a file away needs the superuser
    // Each case adds the mission again (the Imperial list keeps the earlier entries).
    const auto r = run("lst-add " + file + " --description x --again");
    c.check();
    EXPECT_EQ(r.status, c.refused ? 1 : 0) << r.err;
    if (c.refused) {
      EXPECT_NE(r.err.find("Mission.lst\": the file is write-protected."), std::string::npos)
          << r.err;
      EXPECT_EQ(readFile(list), old);
    } else {
      EXPECT_NE(readFile(list).find("NEW.KRE\r\nx\r\n"), std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Zyn/Train"), fs::directory_iterator()),
              2);
  }
}

// A list that is not single-byte text, or cannot be read, is an error naming the file: never an
// empty list, never rewritten.
TEST_F(LstCommand, ListsThatCannotBeReadAreErrors) {
  const std::string list = dir / "Zyn/Train/imperial.lst";
  const std::string old = readFile(list);
  struct Case {
    const char* name;
    std::string bytes;  // empty: a folder stands in the list's place
    const char* reason;
  };
  const Case cases[] = {
      {"UTF-16",
       std::string("\xFF\xFE"
                   "5\0\r\0\n\0",
                   8),
       "it is UTF-16 text"},
      {"zero bytes", std::string("5\r\nI5.KRE\r\nF\0ve\r\n", 16), "byte 13 is a zero byte"},
      {"a folder", "", "not a regular file"},
  };
  const std::string file = save();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(list);
    if (c.bytes.empty())
      fs::create_directory(list);
    else
      writeFile(list, c.bytes);
    for (const char* command : {"lst ", "lst-add --backup --description x "}) {
      const auto r = run(command + file);
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find("\"" + list + "\""), std::string::npos) << r.err;
      EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
    if (!c.bytes.empty()) {
      EXPECT_EQ(readFile(list), c.bytes);
    }
    EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"), "1\r\nm1.kre\r\nOne\r\n");
    EXPECT_FALSE(fs::exists(dir / "Zyn/Train/Mission.~ls"));
  }
  fs::remove_all(list);
  writeFile(list, old);
}

TEST_F(LstCommand, AddRefusesTextsAListCannotHold) {
  struct Case {
    const char* name;
    std::string missionFile, description, refusal;
  };
  const Case cases[] = {
      {"line break in the description", "NEW.KRE", "two\nlines",
       "The description \"two\nlines\" cannot be entered in a game list: it holds a line break."},
      {"character outside the list's set", "NEW.KRE", "tick \u2713",
       "The description \"tick \u2713\" cannot be entered in a game list: a game list cannot "
       "hold \"\u2713\"."},
      {"line break in the mission name", "NEW\n.KRE", "x",
       "The mission file name \"NEW\n.KRE\" cannot be entered in a game list: it holds a line "
       "break."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = dir / c.missionFile;
    ASSERT_TRUE(model::saveMissionFile(mission, file).ok);
    const auto r = run("lst-add '" + file + "' --backup --description '" + c.description + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, c.refusal + "\n");
    EXPECT_EQ(readFile(dir / "Zyn/Train/Mission.lst"), "1\r\nm1.kre\r\nOne\r\n");
    EXPECT_FALSE(fs::exists(dir / "Zyn/Train/Mission.~ls"));
  }
}

}  // namespace
