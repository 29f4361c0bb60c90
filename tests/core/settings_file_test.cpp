#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_dir.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include <sys/wait.h>

namespace fs = std::filesystem;
using shell::Settings;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

// Sets an environment variable for the life of the object and restores the old value.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(SettingsParse, EmptyTextGivesEveryDefault) {
  const Settings s = shell::parseSettings("");
  const Settings d;
  for (const auto& key : shell::settingKeys())
    EXPECT_EQ(shell::settingValue(s, key), shell::settingValue(d, key)) << key.key;
  EXPECT_EQ(s.gameDirectory, "Undefined");
  EXPECT_TRUE(s.modelDirectory.empty());
  EXPECT_EQ(shell::settingKeys().size(), 39u);
}

TEST(SettingsParse, KeysAndSectionsInAnyCase) {
  const Settings s = shell::parseSettings(
      "[DIRECTORIES]\r\n"
      "zyn=/games/zyn\r\n"
      "  ZYNED =  /editor  \r\n"
      "[options]\r\n"
      "Autolink=0\r\n"
      "Dobackups=0\r\n"
      "defaultship=17\r\n"
      "[ Map ]\r\n"
      "iconzoomsmall=250\r\n"
      "ZOOMSPEED=12\r\n");
  EXPECT_EQ(s.gameDirectory, "/games/zyn");
  EXPECT_EQ(s.editorDirectory, "/editor");
  EXPECT_FALSE(s.autoLink);
  EXPECT_FALSE(s.doBackups);
  EXPECT_EQ(s.defaultShip, 17);
  EXPECT_EQ(s.iconZoomSmall, 250);
  EXPECT_EQ(s.zoomSpeed, 12);
}

TEST(SettingsParse, BooleansAndNumbers) {
  const Settings s = shell::parseSettings(
      "[Options]\n"
      "CheckPlayable=0\n"
      "AdjustForRes=2\n"     // any number but 0 is on
      "UseWiz=yes\n"         // no number: the default (on)
      "ConfirmDeletes=\n"    // empty: the default (on)
      "DefaultFormat=abc\n"  // the default, 1
      "OpenProgWith=$3\n"    // hexadecimal forms are numbers too
      "DefaultAI= 4 \n"
      "DefaultShip=99999999999\n"  // beyond a whole number: the default
      "[Map]\n"
      "GhostText=1\n"
      "AutoCtr=0x2\n"
      "DblClickLink=1.5\n");
  EXPECT_FALSE(s.checkPlayable);
  EXPECT_TRUE(s.adjustForRes);
  EXPECT_TRUE(s.useWiz);
  EXPECT_TRUE(s.confirmDeletes);
  EXPECT_EQ(s.defaultFormat, 1);
  EXPECT_EQ(s.openProgWith, 3);
  EXPECT_EQ(s.defaultAI, 4);
  EXPECT_EQ(s.defaultShip, 1);
  EXPECT_TRUE(s.ghostText);
  EXPECT_EQ(s.autoCtr, 2);
  EXPECT_EQ(s.dblClickLink, 0);
}

TEST(SettingsParse, NumbersOutOfTheirRangeGiveTheDefault) {
  // A new flight group's craft type and rank are bytes; the map divides by 20 - ZoomSpeed.
  for (const char* text : {"[Options]\nDefaultShip=-1\nDefaultAI=256\n[Map]\nZoomSpeed=20\n",
                           "[Options]\nDefaultShip=300\nDefaultAI=-1\n[Map]\nZoomSpeed=4\n"}) {
    const Settings s = shell::parseSettings(text);
    EXPECT_EQ(s.defaultShip, 1) << text;
    EXPECT_EQ(s.defaultAI, 2) << text;
    EXPECT_EQ(s.zoomSpeed, 8) << text;
  }
  const Settings edges =
      shell::parseSettings("[Options]\nDefaultShip=255\nDefaultAI=0\n[Map]\nZoomSpeed=18\n");
  EXPECT_EQ(edges.defaultShip, 255);
  EXPECT_EQ(edges.defaultAI, 0);
  EXPECT_EQ(edges.zoomSpeed, 18);
  EXPECT_EQ(shell::parseSettings("[Map]\nZoomSpeed=5\n").zoomSpeed, 5);
}

TEST(SettingsParse, OneSignAtMostAndOnlyInFront) {
  // DefaultWPs takes any whole number; its default is 0.
  const std::pair<const char*, int> cases[] = {
      {"-5", -5},
      {"+5", 5},
      {"-2147483648", INT_MIN},
      {"2147483647", INT_MAX},
      {"--5", 0},
      {"+-5", 0},
      {"-+5", 0},
      {"2147483648", 0},
      {"-2147483649", 0},
      {"$-5", 0},
      {"0x+5", 0},
      {"-$10", -16},
      {"--9223372036854775808", 0},
      {"-$-8000000000000000", 0},
  };
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(shell::parseSettings(std::string("[Map]\nDefaultWPs=") + value).defaultWPs, expected)
        << value;
}

TEST(SettingsParse, LinesEndInCrLfOrCrAndKeepTheirEndsWhenWritten) {
  for (const std::string eol : {"\r\n", "\n", "\r"}) {
    const std::string text =
        "[Directories]" + eol + "Zyn=/games/zyn" + eol + "[Options]" + eol + "UseWiz=0" + eol;
    Settings s = shell::parseSettings(text);
    EXPECT_EQ(s.gameDirectory, "/games/zyn");
    EXPECT_FALSE(s.useWiz);
    s.useWiz = true;
    const std::string merged = shell::mergeSettings(text, s);
    EXPECT_TRUE(merged.starts_with("[Directories]" + eol + "Zyn=/games/zyn" + eol)) << merged;
    EXPECT_NE(merged.find(eol + "UseWiz=1" + eol), std::string::npos);
  }
}

TEST(SettingsParse, BrokenLinesAndMisplacedKeysAreIgnored) {
  const Settings s = shell::parseSettings(
      "GameDirectory=/nowhere\n"  // before any section
      "[Directories\n"            // no closing bracket
      "Zyn=/wrong\n"              // still in no known section
      "garbage line\n"
      "=value without key\n"
      "; Zyn=/comment\n"
      "[Directories]\n"
      "Zyn=/first\n"
      "Zyn=/second\n"  // the first occurrence counts
      "[Map]\n"
      "Zyn=/map\n"  // a key of another section
      "[Directories]\n"
      "Wave=/later\n");  // only the first section of a name is read
  EXPECT_EQ(s.gameDirectory, "/first");
  EXPECT_EQ(s.waveDirectory, "Undefined");
}

TEST(SettingsParse, WhatFallsBackToADefaultIsTold) {
  const std::pair<const char*, const char*> cases[] = {
      {"[Options]\nDefaultShip=lots\n", "DefaultShip=lots in [Options] is no number"},
      {"[Options]\nDefaultShip=300\n", "DefaultShip=300 in [Options] is outside 0 to 255"},
      {"[Map]\nCentre=--1\n", "Centre=--1 in [Map] is no number"},
      {"[Map]\ngarbage line\n", "line 2 \"garbage line\" is not a setting"},
      {"[Directories\n", "line 1 \"[Directories\" is not a setting"},
  };
  for (const auto& [text, problem] : cases) {
    const auto found = shell::settingsProblems(text);
    ASSERT_EQ(found.size(), 1u) << text;
    EXPECT_TRUE(found[0].starts_with(problem)) << found[0];
  }
  // Comments, blank lines, text values and keys the editor does not know are fine.
  EXPECT_TRUE(
      shell::settingsProblems("; note\n\n[Directories]\nZyn=any text\n[Mine]\nX=y\n").empty());
}

TEST(SettingsParse, AByteOrderMarkDoesNotHideTheFirstSection) {
  const std::string text =
      "\xEF\xBB\xBF[Directories]\r\nZyn=/games/zyn\r\n[Options]\r\nUseWiz=0\r\n";
  const Settings s = shell::parseSettings(text);
  EXPECT_EQ(s.gameDirectory, "/games/zyn");
  EXPECT_FALSE(s.useWiz);
  // Written back, the section is updated in place rather than added a second time.
  const std::string merged = shell::mergeSettings(text, s);
  EXPECT_TRUE(merged.starts_with("[Directories]\r\nZyn=/games/zyn\r\n")) << merged;
  EXPECT_EQ(merged.find("[Directories]", 1), std::string::npos);
}

TEST(SettingsParse, QuotedValuesKeepTheirBlanks) {
  const Settings s = shell::parseSettings("[Directories]\nMissions=\" /a b \"\nWave=\"\n");
  EXPECT_EQ(s.missionsDirectory, " /a b ");
  EXPECT_EQ(s.waveDirectory, "\"");
}

TEST(SettingsParse, IconZoomSmallIsClamped) {
  EXPECT_EQ(shell::parseSettings("[Map]\nIconZoomSmall=1\n").iconZoomSmall, 4);
  EXPECT_EQ(shell::parseSettings("[Map]\nIconZoomSmall=5000\n").iconZoomSmall, 2000);
  EXPECT_EQ(shell::parseSettings("[Map]\nIconZoomSmall=-30\n").iconZoomSmall, 4);
  EXPECT_EQ(shell::clampIconZoomSmall(1), 4);
  EXPECT_EQ(shell::clampIconZoomSmall(5000), 2000);
  EXPECT_EQ(shell::clampIconZoomSmall(4), 4);
  EXPECT_EQ(shell::clampIconZoomSmall(2000), 2000);
  EXPECT_EQ(shell::clampIconZoomSmall(99999999999LL), 2000);
  Settings s;
  s.iconZoomSmall = 1;
  EXPECT_NE(shell::mergeSettings("", s).find("IconZoomSmall=4\n"), std::string::npos);
}

TEST(SettingsMerge, NewFileHoldsEveryKeyInItsWrittenForm) {
  Settings s;
  s.gameDirectory = "/games/zyn";
  s.autoLink = false;
  const std::string text = shell::mergeSettings("", s);
  EXPECT_EQ(text.substr(0, 14), "[Directories]\n");
  EXPECT_NE(text.find("\nZyn=/games/zyn\n"), std::string::npos);
  EXPECT_NE(text.find("\nOPT=\n"), std::string::npos);
  EXPECT_NE(text.find("\n\n[Options]\nAutoLink=0\n"), std::string::npos);
  EXPECT_NE(text.find("\nDoBackups=1\n"), std::string::npos);
  EXPECT_NE(text.find("\n\n[Map]\nCentre=1\n"), std::string::npos);
  EXPECT_NE(text.find("\nIconZoomSmall=4\n"), std::string::npos);
  for (const auto& key : shell::settingKeys())
    EXPECT_NE(text.find("\n" + std::string(key.key) + "="), std::string::npos) << key.key;
}

TEST(SettingsMerge, RoundTripKeepsUnknownKeysSectionsAndOrder) {
  const std::string original =
      "; written by hand\r\n"
      "[Window]\r\n"
      "Left=10\r\n"
      "\r\n"
      "[options]\r\n"
      "Custom=keep me\r\n"
      "autolink=1\r\n"
      "DOBACKUPS=1\r\n"
      "autolink=0\r\n"
      "\r\n"
      "[Directories]\r\n"
      "zyn=/old\r\n"
      "Extra=/x\r\n";
  Settings s = shell::parseSettings(original);
  EXPECT_TRUE(s.autoLink);  // the first copy counts
  s.gameDirectory = "/new";
  s.doBackups = false;
  const std::string merged = shell::mergeSettings(original, s);
  // Unknown lines stay where they were, known keys are rewritten in place in their written
  // form, the duplicate goes, missing keys join their section, a missing section is appended.
  EXPECT_TRUE(
      merged.starts_with("; written by hand\r\n"
                         "[Window]\r\n"
                         "Left=10\r\n"
                         "\r\n"
                         "[Options]\r\n"
                         "Custom=keep me\r\n"
                         "AutoLink=1\r\n"
                         "DoBackups=0\r\n"))
      << merged;
  EXPECT_EQ(merged.find("autolink"), std::string::npos);
  EXPECT_NE(merged.find(
                "FileSavedMsg=1\r\nLanguage=System\r\n\r\n[Directories]\r\nZyn=/new\r\nExtra=/x\r\n"
                "Missions=Undefined\r\n"),
            std::string::npos);
  EXPECT_NE(merged.find("[Map]\r\nCentre=1\r\n"), std::string::npos);
  const Settings back = shell::parseSettings(merged);
  for (const auto& key : shell::settingKeys())
    EXPECT_EQ(shell::settingValue(back, key), shell::settingValue(s, key)) << key.key;
  // Merging again changes nothing.
  EXPECT_EQ(shell::mergeSettings(merged, s), merged);
}

TEST(SettingsMerge, ValuesThatWouldBreakTheFileAreGuarded) {
  Settings s;
  s.missionsDirectory = " /with blanks ";
  s.waveDirectory = "/a\r\n[Options]\r\nAutoLink=0";
  const std::string text = shell::mergeSettings("", s);
  EXPECT_NE(text.find("Missions=\" /with blanks \"\n"), std::string::npos);
  const Settings back = shell::parseSettings(text);
  EXPECT_EQ(back.missionsDirectory, " /with blanks ");
  EXPECT_EQ(back.waveDirectory, "/a[Options]AutoLink=0");
  EXPECT_TRUE(back.autoLink);
}

TEST(SettingsFile, MissingFileGivesDefaultsAndWriteCreatesIt) {
  TempDir dir;
  const std::string path = dir / "sub/ZynED.ini";
  bool found = true;
  const Settings read = shell::readSettings(path, &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(read.editorDirectory, "Undefined");

  Settings s;
  s.editorDirectory = "/ed";
  s.zoomSpeed = 15;
  std::string error;
  ASSERT_TRUE(shell::writeSettings(path, s, &error)) << error;
  const Settings back = shell::readSettings(path, &found);
  EXPECT_TRUE(found);
  EXPECT_EQ(back.editorDirectory, "/ed");
  EXPECT_EQ(back.zoomSpeed, 15);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), fs::directory_iterator()), 1);
}

TEST(SettingsFile, WriteKeepsWhatTheFileHeldBesides) {
  TempDir dir;
  const std::string path = dir / "ZynED.ini";
  writeFile(path, "[Recent]\r\nItem=1\r\n[MAP]\r\nghosttext=1\r\n");
  Settings s = shell::readSettings(path);
  EXPECT_TRUE(s.ghostText);
  s.onlyXY = true;
  ASSERT_TRUE(shell::writeSettings(path, s));
  const std::string text = readFile(path);
  EXPECT_EQ(text.substr(0, 36), "[Recent]\r\nItem=1\r\n[Map]\r\nGhostText=1");
  EXPECT_TRUE(shell::readSettings(path).onlyXY);
}

TEST(SettingsFile, APathThatIsAFolderFailsWithAMessage) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(shell::writeSettings(dir.str(), Settings{}, &error));
  EXPECT_FALSE(error.empty());
  bool found = true;
  shell::readSettings(dir.str(), &found);
  EXPECT_FALSE(found);
}

namespace {
// ASCII text as UTF-16, little or big endian, with an optional byte order mark.
std::string utf16(std::string_view ascii, bool little, bool mark) {
  std::string out = mark ? (little ? "\xFF\xFE" : "\xFE\xFF") : "";
  for (const char c : ascii) out += little ? std::string{c, '\0'} : std::string{'\0', c};
  return out;
}
}  // namespace

TEST(SettingsFile, Utf16FilesAreReadAndWrittenBackAsUtf16) {
  TempDir dir;
  const std::string path = dir / "ZynED.ini";
  for (const bool little : {true, false}) {
    for (const bool mark : {true, false}) {
      writeFile(path, utf16("[Directories]\r\nZyn=/games/zyn\r\n", little, mark));
      std::string error;
      Settings s = shell::readSettings(path, nullptr, &error);
      EXPECT_EQ(s.gameDirectory, "/games/zyn") << little << mark;
      EXPECT_TRUE(error.empty()) << error;
      s.useWiz = false;
      ASSERT_TRUE(shell::writeSettings(path, s));
      const std::string text = readFile(path);
      EXPECT_TRUE(text.starts_with(utf16("[Directories]\r\nZyn=/games/zyn\r\n", little, mark)));
      EXPECT_FALSE(shell::readSettings(path).useWiz);
    }
  }
}

TEST(SettingsFile, BrokenUtf16IsRefusedWithAMessageAndNotOverwritten) {
  TempDir dir;
  const std::string path = dir / "ZynED.ini";
  // Half a surrogate pair at the end.
  const std::string broken = utf16("[Map]\r\nGhostText=1", true, true) + std::string("\x00\xD8", 2);
  writeFile(path, broken);
  bool found = false;
  std::string error;
  const Settings s = shell::readSettings(path, &found, &error);
  EXPECT_TRUE(found);
  EXPECT_FALSE(s.ghostText);
  EXPECT_NE(error.find("UTF-16"), std::string::npos) << error;
  EXPECT_FALSE(shell::writeSettings(path, s, &error));
  EXPECT_EQ(readFile(path), broken);
}

// Files as other tools leave them: every save keeps their form and reads back the same settings,
// the first save and the next.
TEST(SettingsFile, OddFilesSaveAndReadBackTheSameSettings) {
  TempDir dir;
  const std::string path = dir / "ZynED.ini";
  const std::string bom = "\xEF\xBB\xBF";
  struct Case {
    const char* name;
    std::string bytes;
    std::string kept;  // what every save keeps at the start of the file
    const char* game;  // the game folder the file holds
  };
  const Case cases[] = {
      {"byte order mark", bom + "[Directories]\r\nZyn=/g\r\n", bom + "[Directories]\r\n", "/g"},
      {"doubled byte order mark", bom + bom + "[Directories]\nZyn=/g\n",
       bom + bom + "[Directories]\n", "/g"},
      {"byte order mark and a zero byte",
       bom + std::string("\0\r\n[Directories]\r\nZyn=/g\r\n", 24), bom + std::string("\0\r\n", 3),
       "/g"},
      {"one zero byte", std::string(1, '\0'), std::string("\0\n", 2), "Undefined"},
      {"lone CR line ends", "[Directories]\rZyn=/g\r", "[Directories]\rZyn=/other\r", "/g"},
      {"UTF-16", utf16("[Directories]\r\nZyn=/g\r\n", true, false),
       utf16("[Directories]\r\nZyn=/other\r\n", true, false), "/g"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(path, c.bytes);
    std::string error;
    Settings s = shell::readSettings(path, nullptr, &error);
    EXPECT_EQ(s.gameDirectory, c.game);
    EXPECT_EQ(error, "");
    s.gameDirectory = "/other";
    for (int save = 1; save <= 2; ++save) {
      s.zoomSpeed = 10 + save;
      ASSERT_TRUE(shell::writeSettings(path, s, &error)) << error;
      EXPECT_TRUE(readFile(path).starts_with(c.kept)) << save;
      EXPECT_TRUE(shell::sameSettings(s, shell::readSettings(path, nullptr, &error))) << save;
      EXPECT_EQ(error, "");
    }
  }
}

TEST(SettingsFile, ASaveThatWouldNotReadBackKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir / "ZynED.ini";
  writeFile(path, "[Directories]\nZyn=/g\n");
  Settings s;
  s.gameDirectory = "/two\nlines";
  std::string error;
  EXPECT_FALSE(shell::writeSettings(path, s, &error));
  EXPECT_NE(error.find("would not read back the same (Directories.Zyn"), std::string::npos)
      << error;
  EXPECT_EQ(readFile(path), "[Directories]\nZyn=/g\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(SettingsDerived, ExpansionFolderInAnyCase) {
  TempDir dir;
  Settings s;
  s.gameDirectory = dir / "game";
  fs::create_directories(s.gameDirectory);
  EXPECT_FALSE(shell::expansionInstalled(s));
  EXPECT_EQ(shell::expansionDirectory(s), s.gameDirectory);
  EXPECT_EQ(shell::defaultModelDirectory(s), dir / "game/ivfiles/");

  fs::create_directories(dir / "game/QUELVANE/IVFiles");
  EXPECT_TRUE(shell::expansionInstalled(s));  // looked up afresh
  EXPECT_EQ(shell::expansionDirectory(s), dir / "game/QUELVANE");
  EXPECT_EQ(shell::defaultModelDirectory(s), dir / "game/QUELVANE/IVFiles/");
  EXPECT_EQ(shell::effectiveModelDirectory(s), dir / "game/QUELVANE/IVFiles/");
  s.modelDirectory = "/models";
  EXPECT_EQ(shell::effectiveModelDirectory(s), "/models");

  // A plain file of that name is no expansion.
  Settings t;
  t.gameDirectory = dir / "other";
  fs::create_directories(t.gameDirectory);
  writeFile(dir / "other/quelvane", "x");
  EXPECT_FALSE(shell::expansionInstalled(t));
  EXPECT_EQ(shell::expansionDirectory(t), t.gameDirectory);

  Settings undefined;
  EXPECT_FALSE(shell::expansionInstalled(undefined));
  EXPECT_EQ(shell::expansionDirectory(undefined), "Undefined");
}

TEST(SettingsDerived, AbbreviatedDirectoryInAnyOfTheFive) {
  Settings s;
  EXPECT_FALSE(shell::hasAbbreviatedDirectory(s));
  for (std::string Settings::*dir :
       {&Settings::missionsDirectory, &Settings::gameDirectory, &Settings::editorDirectory,
        &Settings::waveDirectory, &Settings::modelDirectory}) {
    Settings t;
    t.*dir = "C:\\Games\\Zyn\\QUELVA~1\\ivfiles";
    EXPECT_TRUE(shell::hasAbbreviatedDirectory(t));
  }
  s.gameDirectory = "/games/quelvane";
  EXPECT_FALSE(shell::hasAbbreviatedDirectory(s));
}

TEST(SettingsConfigDir, EnvironmentRules) {
  {
    ScopedEnv a("ZYNED_CONFIG_DIR", "/cfg/here");
    ScopedEnv b("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(shell::defaultConfigDir(), "/cfg/here");
  }
  {
    ScopedEnv a("ZYNED_CONFIG_DIR", nullptr);
    ScopedEnv b("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(shell::defaultConfigDir(), "/xdg/ZynED");
  }
  {
    ScopedEnv a("ZYNED_CONFIG_DIR", "");
    ScopedEnv b("XDG_CONFIG_HOME", "relative/path");  // not absolute: ignored
    ScopedEnv c("HOME", "/home/someone");
    EXPECT_EQ(shell::defaultConfigDir(), "/home/someone/.config/ZynED");
  }
  EXPECT_EQ(shell::settingsFilePath("/cfg"), "/cfg/ZynED.ini");
}

TEST(SettingsConfigDir, CommandLineOptionOverridesAndIsRemoved) {
  ScopedEnv a("ZYNED_CONFIG_DIR", "/from/env");
  using Args = std::vector<std::string>;
  Args args = {"settings", "--config-dir", "/one", "x", "--config-dir=/two"};
  EXPECT_EQ(shell::configDirFromArgs(args), "/two");
  EXPECT_EQ(args, (Args{"settings", "x"}));

  args = {"vocab", "Ships"};
  EXPECT_EQ(shell::configDirFromArgs(args), "/from/env");
  EXPECT_EQ(args, (Args{"vocab", "Ships"}));

  args = {"a", "--", "--config-dir", "/not/an/option"};
  EXPECT_FALSE(shell::takeConfigDirOption(args));
  EXPECT_EQ(args.size(), 4u);

  args = {"a", "--config-dir"};  // no folder: left for the usage check
  EXPECT_FALSE(shell::takeConfigDirOption(args));
  EXPECT_EQ(args, (Args{"a", "--config-dir"}));
}

namespace {

using testsupport::CliRun;

CliRun runSettingsCli(const std::string& env, const std::string& args) {
  return testsupport::runCli(ZYNED_CLI_PATH, env, args);
}

}  // namespace

TEST(SettingsCli, PrintsEverySettingThenTheDerivedValues) {
  TempDir dir;
  fs::create_directories(dir / "game/quelVANE");
  writeFile(dir / "ZynED.ini",
            "[options]\nautolink=0\n[Directories]\nZyn=" + (dir / "game") + "\n");
  const std::string env = "ZYNED_CONFIG_DIR='" + (dir / "elsewhere") + "'";
  const CliRun run = runSettingsCli(env, "settings --config-dir '" + dir.str() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, 31), "Directories.Missions=Undefined\n");
  EXPECT_NE(run.out.find("\nOptions.AutoLink=0\nOptions.CheckPlayable=1\n"), std::string::npos);
  EXPECT_NE(run.out.find("\nOptions.DoBackups=1\n"), std::string::npos);
  EXPECT_NE(run.out.find("\nMap.IconZoomSmall=4\nDerived.ExpansionDirectory=" + (dir / "game") +
                         "/quelVANE\nDerived.ExpansionInstalled=1\n"),
            std::string::npos)
      << run.out;
  std::size_t lines = 0;
  for (char c : run.out) lines += c == '\n';
  EXPECT_EQ(lines, 39u + 3u);

  // The option before the command name works too; without any, the environment decides.
  EXPECT_EQ(runSettingsCli(env, "--config-dir '" + dir.str() + "' settings").out, run.out);
  const CliRun fromEnv = runSettingsCli("ZYNED_CONFIG_DIR='" + dir.str() + "'", "settings");
  EXPECT_EQ(fromEnv.out, run.out);
  EXPECT_NE(runSettingsCli(env, "settings").out, run.out);
  EXPECT_EQ(runSettingsCli(env, "settings extra").status, 2);
}

TEST(SettingsCli, FolderOptionsStandBeforeOrAfterTheNameOfEveryCommand) {
  TempDir dir;
  fs::create_directories(dir / "editor");
  writeFile(dir / "editor/Ships.txt", "Nothing\r\nBlade\r\n");
  const std::string env = "ZYNED_CONFIG_DIR='" + (dir / "nowhere") + "'";
  const std::string editor = "--editor-dir '" + (dir / "editor") + "'";
  const std::string config = "--config-dir '" + dir.str() + "'";
  const CliRun after = runSettingsCli(env, "vocab Ships " + editor);
  EXPECT_EQ(after.out, "0\tNothing\n1\tBlade\n");
  EXPECT_EQ(runSettingsCli(env, editor + " vocab Ships").out, after.out);
  // Commands that need neither folder accept them all the same.
  const std::string file = "'" + (dir / "m.kre") + "'";
  EXPECT_EQ(runSettingsCli(env, "new --format 14 " + file + " " + config + " " + editor).status, 0);
  EXPECT_EQ(runSettingsCli(env, config + " info " + file + " " + editor).status, 0);
  EXPECT_EQ(runSettingsCli(env, "roundtrip " + file + " " + config).status, 0);
  EXPECT_EQ(runSettingsCli(env, "info " + file + " --editor-dir").status, 2);
}

TEST(SettingsCli, AnUnreadableSettingsFileIsRefusedWithAMessage) {
  TempDir dir;
  writeFile(dir / "ZynED.ini", "\xFF\xFE[\0");  // UTF-16 that ends in half a character
  const CliRun run = runSettingsCli("", "settings --config-dir '" + dir.str() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("UTF-16"), std::string::npos) << run.err;
}

TEST(SettingsCli, SetChangesSeveralKeysKeepingTheRestOfTheFile) {
  TempDir dir;
  writeFile(dir / "ZynED.ini", "; mine\r\n[Directories]\r\nZyn=/old\r\n[Windows]\r\nMap=1\r\n");
  const CliRun run =
      runSettingsCli("", "settings --config-dir '" + dir.str() +
                             "' --set directories.zyn=/new/game --set=Map.ZoomSpeed=12 "
                             "--set 'Options.Autolink=0'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Directories.Zyn=/new/game\n"), std::string::npos) << run.out;
  const Settings s = shell::readSettings(dir / "ZynED.ini");
  EXPECT_EQ(s.gameDirectory, "/new/game");
  EXPECT_EQ(s.zoomSpeed, 12);
  EXPECT_FALSE(s.autoLink);
  const std::string text = readFile(dir / "ZynED.ini");
  EXPECT_TRUE(text.starts_with("; mine\r\n[Directories]\r\n")) << text;
  EXPECT_NE(text.find("[Windows]\r\nMap=1\r\n"), std::string::npos) << text;
  EXPECT_EQ(
      runSettingsCli("", "settings --config-dir '" + dir.str() + "' --set Map.ZoomSpeed").status,
      2);
}

// Every refused key and value is named, and one refusal writes nothing.
TEST(SettingsCli, SetRefusesUnknownKeysAndValuesTheReaderWouldNotKeep) {
  TempDir dir;
  const std::string old = "[Directories]\nZyn=/old\n";
  writeFile(dir / "ZynED.ini", old);
  const std::pair<const char*, const char*> refusals[] = {
      {"Map.Nothing=1", "\"Map.Nothing\" is no setting."},
      {"Derived.ModelDirectory=/x", "\"Derived.ModelDirectory\" is no setting."},
      {"Zyn=/x", "\"Zyn\" is no setting."},
      {"Directories.Wave=a\nb", "Directories.Wave=a\nb: the value holds a line break."},
      {"Options.UseWiz=yes", "Options.UseWiz=yes: the value is neither 1 nor 0."},
      {"Options.DefaultShip=x", "Options.DefaultShip=x: the value is no whole number."},
      {"Options.DefaultShip=256", "Options.DefaultShip=256: the value is outside 0 to 255."},
      {"Map.ZoomSpeed=4", "Map.ZoomSpeed=4: the value is outside 5 to 18."},
      {"Map.IconZoomSmall=2001", "Map.IconZoomSmall=2001: the value is outside 4 to 2000."},
  };
  std::string args = "settings --config-dir '" + dir.str() + "' --set Directories.Zyn=/new";
  std::string expected;
  for (const auto& [assignment, refusal] : refusals) {
    args += std::string(" --set '") + assignment + "'";
    expected += std::string(refusal) + "\n";
  }
  const CliRun run = runSettingsCli("", args);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, expected);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(readFile(dir / "ZynED.ini"), old);
}

TEST(SettingsSection, AnOwnSectionIsWrittenWithoutTouchingTheRest) {
  TempDir dir;
  const std::string path = dir / "ZynED.ini";
  writeFile(path,
            "; mine\r\n[Map]\r\nGhostText=1\r\n[Windows]\r\nOld=1\r\n\r\n[Recent]\r\nA=b\r\n");
  const shell::SectionValues values = {{"MainWindow", "900x600+10+20"}, {"Map", " spaced "}};
  ASSERT_TRUE(shell::writeSectionFile(path, "Windows", values));
  EXPECT_EQ(readFile(path),
            "; mine\r\n[Map]\r\nGhostText=1\r\n[Windows]\r\nMainWindow=900x600+10+20\r\n"
            "Map=\" spaced \"\r\n\r\n[Recent]\r\nA=b\r\n");
  EXPECT_EQ(shell::readSectionFile(path, "windows"), values);
  // The settings keep their own keys and leave the section alone.
  Settings s = shell::readSettings(path);
  EXPECT_TRUE(s.ghostText);
  ASSERT_TRUE(shell::writeSettings(path, s));
  EXPECT_EQ(shell::readSectionFile(path, "Windows"), values);
  // A file without the section gets it at the end.
  EXPECT_EQ(shell::mergeSection("[Map]\nA=1\n", "Windows", {{"K", "v"}}),
            "[Map]\nA=1\n\n[Windows]\nK=v\n");
}
