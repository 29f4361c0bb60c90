#include "shell/vocabulary.h"

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_dir.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include <sys/wait.h>

namespace fs = std::filesystem;
using shell::Vocabulary;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(VocabularyBuiltIn, TablesHaveTheirSizes) {
  const std::vector<std::pair<std::string_view, std::size_t>> sizes = {
      {"Teams", 19},    {"Ships", 93},       {"FGNames", 28}, {"OpShips", 5},  {"Appear", 11},
      {"Short", 93},    {"EDHistry", 0},     {"OrdDesc", 18}, {"Orders", 51},  {"Conds", 51},
      {"Percents", 51}, {"Class", 32},       {"CMD", 13},     {"Planets", 31}, {"Musts", 4},
      {"Players", 9},   {"Status", 26},      {"AI", 6},       {"IFF", 6},      {"Radio", 17},
      {"Form", 35},     {"Missiles", 9},     {"Counters", 4}, {"Beams", 5},    {"ObjCats", 10},
      {"ShipCats", 16}, {"WPEnable", 22},    {"When", 21},    {"DepWhen", 21}, {"OrdTexts", 40},
      {"Colors", 4},    {"Orientation", 256}};
  const Vocabulary v;
  for (const auto& [name, size] : sizes) EXPECT_EQ(v.table(name).size(), size) << name;
  EXPECT_EQ(Vocabulary::fileOrder().size(), 31u);
  EXPECT_EQ(Vocabulary::tableNames().size(), 32u);
  EXPECT_TRUE(v.table("NoSuchTable").empty());
}

TEST(VocabularyBuiltIn, EntriesOtherFeaturesRelyOn) {
  const Vocabulary v;
  EXPECT_EQ(v.text("Ships", 0), "(None)");
  EXPECT_EQ(v.text("Short", 0), "None");
  EXPECT_EQ(v.text("Orders", 0), "Hold Steady");
  EXPECT_EQ(v.text("Orders", 1), "Fly home");
  EXPECT_EQ(v.text("Orders", 2), "Circle waypoints");
  EXPECT_EQ(v.text("Orders", 7), "Attack targets");
  EXPECT_EQ(v.text("Orders", 36), "Self-Destruct");
  EXPECT_EQ(v.text("Orders", 39), "SShip hold Steady 6");
  EXPECT_EQ(v.text("Orders", 40), "40");
  EXPECT_EQ(v.text("Orders", 50), "50");
  EXPECT_EQ(v.text("OrdTexts", 0), "Stationary.        Systems: 100%         No return fire.");
  EXPECT_EQ(v.text("Conds", 0), "(Always true)");
  EXPECT_EQ(v.text("Conds", 1), "arrive");
  EXPECT_EQ(v.text("Conds", 2), "be destroyed");
  EXPECT_EQ(v.text("Conds", 10), "(Never true)");
  const std::vector<std::string> amounts = {"100%", "75%",          "50%",
                                            "25%",  "At least one", "All but one"};
  for (std::size_t i = 0; i < amounts.size(); ++i)
    EXPECT_EQ(v.text("Percents", int(i)), amounts[i]);
  EXPECT_EQ(v.text("Class", 12), "Team");
  EXPECT_EQ(v.text("Class", 21), "All Teams except");
  EXPECT_EQ(v.text("Class", 23), "Global Unit (GU)");
  EXPECT_EQ(v.text("Class", 31), "31");
  EXPECT_EQ(v.text("When", 12), "not disabled");
  EXPECT_EQ(v.text("When", 20), "20");
  EXPECT_EQ(v.text("Planets", 16), "2 Red Stars");
  EXPECT_EQ(v.text("Planets", 17), "17");
  EXPECT_EQ(v.text("Radio", 16), "Player 8");
  EXPECT_EQ(v.text("Players", 0), "(A.I.)");
  EXPECT_EQ(v.text("Players", 8), "8");
  EXPECT_EQ(v.text("WPEnable", 0), " Start 1");
  EXPECT_EQ(v.text("WPEnable", 13), " Hyperspace");
  EXPECT_EQ(v.text("WPEnable", 21), " Briefing 8");
  EXPECT_EQ(v.text("ObjCats", 3), "4");
  EXPECT_EQ(v.text("ShipCats", 6), "Mines");
  EXPECT_EQ(v.text("ShipCats", 7), "7");
  EXPECT_EQ(v.text("ShipCats", 15), "15");
  EXPECT_EQ(v.text("Musts", 3), "BONUS must NOT");
  EXPECT_EQ(v.text("Form", 34), "(Single Point)");
  EXPECT_EQ(v.text("DepWhen", 10), "10");
  EXPECT_EQ(v.text("Status", 21), "Infinite Warheads");
}

TEST(VocabularyBuiltIn, OrientationNamesItsThreeAngles) {
  const Vocabulary v;
  EXPECT_EQ(v.text("Orientation", 0), "On edge");
  EXPECT_EQ(v.text("Orientation", 1), "1");
  EXPECT_EQ(v.text("Orientation", 64), "Flat");
  EXPECT_EQ(v.text("Orientation", 192), "Upside down");
  EXPECT_EQ(v.text("Orientation", 255), "255");
}

TEST(VocabularyBuiltIn, CraftNamesFollowTheSlotsAndClasses) {
  const Vocabulary v;
  const std::set<int> unsupported = {10, 11, 31, 39, 72, 73, 74, 79, 81, 82, 85, 88, 89};
  std::set<std::string> names;
  for (int t = 1; t <= 92; ++t) {
    const std::string name = v.text("Ships", t);
    const std::string shortName = v.text("Short", t);
    if (unsupported.count(t)) {
      EXPECT_EQ(name, "-") << t;
      EXPECT_EQ(shortName, "-") << t;
      continue;
    }
    EXPECT_NE(name, "-") << t;
    EXPECT_FALSE(shortName.empty() || shortName == "-") << t;
    EXPECT_LE(shortName.size(), 10u) << t;
    EXPECT_TRUE(names.insert(name).second) << "craft name used twice: " << name;
  }
  EXPECT_NE(v.text("Ships", 75).find("Mine"), std::string::npos);
  EXPECT_NE(v.text("Ships", 76).find("Mine"), std::string::npos);
  EXPECT_NE(v.text("Ships", 77).find("Mine"), std::string::npos);
  EXPECT_EQ(v.text("Ships", 87), "Planet");
  EXPECT_NE(v.text("Ships", 26).find("Pod"), std::string::npos);  // the container
  for (int t : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14, 15})
    EXPECT_TRUE(v.text("Ships", t).find("Fighter") != std::string::npos ||
                v.text("Ships", t) == "Interceptor" || v.text("Ships", t) == "Raider" ||
                v.text("Ships", t).find("Bomber") != std::string::npos)
        << t;
  for (int t : {60, 61, 62, 63, 64, 65, 78})
    EXPECT_NE(v.text("Ships", t).find("Platform"), std::string::npos) << t;
}

TEST(VocabularyText, ValuesBeyondTheTableGiveTheFallback) {
  Vocabulary v;
  EXPECT_EQ(v.text("Ships", 93), "");
  EXPECT_EQ(v.text("Ships", 93, "Unk"), "Unk");
  EXPECT_EQ(v.text("Ships", -1, "Unk"), "Unk");
  EXPECT_EQ(v.text("Nothing", 0, "Unk"), "Unk");
  v.setTable("Musts", {"a"});
  EXPECT_EQ(v.text("Musts", 0), "a");
  EXPECT_EQ(v.text("Musts", 1, "?"), "?");
  EXPECT_EQ(Vocabulary::builtIn("Musts").size(), 4u);  // built-ins stay as shipped
}

TEST(VocabularySplitLines, LineEndsAndEmptyLines) {
  using shell::splitLines;
  using L = std::vector<std::string>;
  EXPECT_EQ(splitLines(""), L{});
  EXPECT_EQ(splitLines("a\r\nb\r\n"), (L{"a", "b"}));
  EXPECT_EQ(splitLines("a\nb\n"), (L{"a", "b"}));
  EXPECT_EQ(splitLines("a\r\nb"), (L{"a", "b"}));  // last line without a line end
  EXPECT_EQ(splitLines("a\r\n\r\nb\r\n\r\n"), (L{"a", "", "b", ""}));
  EXPECT_EQ(splitLines("\n"), (L{""}));
  EXPECT_EQ(splitLines("  padded  \r\n"), (L{"  padded  "}));            // nothing is trimmed
  EXPECT_EQ(splitLines("\xE9t\xE9\r\n\x80"), (L{"\xE9t\xE9", "\x80"}));  // bytes kept
  // A file saved as UTF-8 with a byte order mark is read as UTF-8.
  EXPECT_EQ(splitLines("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\r\nx"), (L{"\xE9t\xE9", "x"}));
  // Longer forms than a character needs bring no zero byte or line end into an entry.
  EXPECT_EQ(splitLines("\xEF\xBB\xBF"
                       "a\xC0\x80"
                       "b\xE0\x80\x8A"
                       "c\xED\xA0\x80"),
            (L{"a?b?c?"}));
}

TEST(VocabularySplitLines, JoinLinesRoundTrips) {
  const std::vector<std::string> entries = {"a", "", " b ", "\xE9", ""};
  EXPECT_EQ(shell::joinLines(entries), "a\r\n\r\n b \r\n\xE9\r\n\r\n");
  EXPECT_EQ(shell::splitLines(shell::joinLines(entries)), entries);
}

TEST(VocabularyLoad, MissingFolderOrFilesKeepBuiltIns) {
  Vocabulary v;
  EXPECT_TRUE(v.loadTables("/nonexistent/zyned/folder").empty());
  EXPECT_TRUE(v.loadTables("").empty());
  EXPECT_TRUE(v.loadTables("Undefined").empty());
  TempDir dir;
  EXPECT_TRUE(v.loadTables(dir.str()).empty());
  EXPECT_EQ(v.table("Ships"), Vocabulary::builtIn("Ships"));
}

TEST(VocabularyLoad, ReplacesTablesInFileOrder) {
  TempDir dir;
  writeFile(dir / "Colors.txt", "c1\r\nc2");
  writeFile(dir / "Teams.txt", "t1\r\n");
  writeFile(dir / "Conds.txt", "x\r\n\r\ny\r\n");
  writeFile(dir / "Unrelated.txt", "z");
  Vocabulary v;
  EXPECT_EQ(v.loadTables(dir.str()), (std::vector<std::string>{"Teams", "Conds", "Colors"}));
  EXPECT_EQ(v.table("Teams"), (std::vector<std::string>{"t1"}));
  EXPECT_EQ(v.table("Conds"), (std::vector<std::string>{"x", "", "y"}));
  EXPECT_EQ(v.table("Colors"), (std::vector<std::string>{"c1", "c2"}));
  EXPECT_EQ(v.table("Orders"), Vocabulary::builtIn("Orders"));
  EXPECT_EQ(v.text("Conds", 10, "Unk"), "Unk");
}

TEST(VocabularyLoad, AHundredLineShipsFileNamesHigherCraftTypes) {
  TempDir dir;
  std::string content;
  for (int i = 0; i < 100; ++i) content += "Craft " + std::to_string(i) + "\r\n";
  writeFile(dir / "Ships.txt", content);
  Vocabulary v;
  v.loadTables(dir.str());
  ASSERT_EQ(v.table("Ships").size(), 100u);
  EXPECT_EQ(v.text("Ships", 93), "Craft 93");
  EXPECT_EQ(v.text("Ships", 99), "Craft 99");
  EXPECT_EQ(v.text("Ships", 100, "-"), "-");
  EXPECT_EQ(v.table("Short").size(), 93u);
}

TEST(VocabularyLoad, FileNamesMatchInAnyLetterCase) {
  TempDir dir;
  writeFile(dir / "SHIPS.TXT", "upper\r\n");
  writeFile(dir / "orders.txt", "lower\r\n");
  writeFile(dir / "EdHistry.Txt", "C:\\A.KRE\r\n");
  Vocabulary v;
  EXPECT_EQ(v.loadTables(dir.str()), (std::vector<std::string>{"Ships", "EDHistry", "Orders"}));
  EXPECT_EQ(v.text("Ships", 0), "upper");
  EXPECT_EQ(v.text("Orders", 0), "lower");
  EXPECT_EQ(v.table("EDHistry"), (std::vector<std::string>{"C:\\A.KRE"}));
}

TEST(VocabularyLoad, AnExactNameWinsOverOtherSpellings) {
  TempDir dir;
  writeFile(dir / "IFF.txt", "exact\r\n");
  writeFile(dir / "iff.TXT", "other\r\n");
  Vocabulary v;
  v.loadTables(dir.str());
  EXPECT_EQ(v.text("IFF", 0), "exact");
}

TEST(VocabularyLoad, AFaultStopsLoadingAndKeepsWhatWasRead) {
  TempDir dir;
  writeFile(dir / "Teams.txt", "t\r\n");
  writeFile(dir / "Orders.txt", "o\r\n");
  // A folder by the name of a table file cannot be read as one.
  fs::create_directory(dir.path() / "Conds.txt");
  writeFile(dir / "Percents.txt", "p\r\n");
  writeFile(dir / "Colors.txt", "c\r\n");
  Vocabulary v;
  EXPECT_EQ(v.loadTables(dir.str()), (std::vector<std::string>{"Teams", "Orders"}));
  EXPECT_EQ(v.text("Teams", 0), "t");
  EXPECT_EQ(v.text("Orders", 0), "o");
  EXPECT_EQ(v.table("Conds"), Vocabulary::builtIn("Conds"));
  EXPECT_EQ(v.table("Percents"), Vocabulary::builtIn("Percents"));
  EXPECT_EQ(v.table("Colors"), Vocabulary::builtIn("Colors"));
}

TEST(VocabularyLoad, ABrokenLinkStopsLoading) {
  TempDir dir;
  writeFile(dir / "Teams.txt", "t\r\n");
  fs::create_symlink(dir.path() / "gone.txt", dir.path() / "ships.txt");
  writeFile(dir / "Colors.txt", "c\r\n");
  Vocabulary v;
  EXPECT_EQ(v.loadTables(dir.str()), (std::vector<std::string>{"Teams"}));
  EXPECT_EQ(v.table("Colors"), Vocabulary::builtIn("Colors"));
}

TEST(VocabularyLoad, AFileThatIsNotTextKeepsTheBuiltInsAndLoadingGoesOn) {
  TempDir dir;
  writeFile(dir / "Teams.txt", "t\r\n");
  writeFile(dir / "Ships.txt", std::string("\x7F"
                                           "ELF\x02\x01\x01\0\0\0\r\n\0\0",
                                           14));
  // Saved as two-byte text: every other byte is zero.
  writeFile(dir / "IFF.txt", std::string("\xFF\xFE"
                                         "R\0e\0d\0\r\0\n\0",
                                         12));
  writeFile(dir / "Colors.txt", "c\r\n");
  Vocabulary v;
  EXPECT_EQ(v.loadTables(dir.str()), (std::vector<std::string>{"Teams", "Colors"}));
  EXPECT_EQ(v.table("Ships"), Vocabulary::builtIn("Ships"));
  EXPECT_EQ(v.table("IFF"), Vocabulary::builtIn("IFF"));
  EXPECT_EQ(v.text("Colors", 0), "c");
  // High bytes and control characters other than zero are still single-byte text.
  EXPECT_TRUE(shell::isText("\xE9\x80\x1A\t"));
  EXPECT_FALSE(shell::isText(std::string_view("a\0b", 3)));
}

TEST(VocabularyLoad, AnUnreadableFileStopsLoading) {
  TempDir dir;
  writeFile(dir / "Teams.txt", "t\r\n");
  writeFile(dir / "Ships.txt", "s\r\n");
  writeFile(dir / "Colors.txt", "c\r\n");
  const fs::path ships = dir.path() / "Ships.txt";
  fs::permissions(ships, fs::perms::none);
  if (std::ifstream(ships).is_open()) GTEST_SKIP() << "permissions do not apply to this user";
  Vocabulary v;
  EXPECT_EQ(v.loadTables(dir.str()), (std::vector<std::string>{"Teams"}));
  EXPECT_EQ(v.table("Ships"), Vocabulary::builtIn("Ships"));
  EXPECT_EQ(v.table("Colors"), Vocabulary::builtIn("Colors"));
}

// The shipped example files are the built-in tables written out; they must not drift apart.
TEST(VocabularyFiles, ShippedFilesEqualTheBuiltInTables) {
  const fs::path folder = fs::path(ZYNED_SOURCE_DIR) / "data" / "vocabulary";
  for (const std::string_view file : Vocabulary::fileOrder()) {
    const std::string name(file.substr(0, file.size() - 4));
    if (name == "EDHistry") {
      EXPECT_FALSE(fs::exists(folder / file)) << "the file history is not shipped";
      continue;
    }
    ASSERT_TRUE(fs::exists(folder / file)) << file;
    EXPECT_EQ(readFile(folder / file), shell::joinLines(Vocabulary::builtIn(name))) << file;
  }
}

TEST(VocabularyFiles, LoadingTheShippedFilesChangesNothing) {
  Vocabulary v;
  const auto replaced = v.loadTables((fs::path(ZYNED_SOURCE_DIR) / "data" / "vocabulary").string());
  EXPECT_EQ(replaced.size(), 30u);
  for (const std::string_view name : Vocabulary::tableNames())
    EXPECT_EQ(v.table(name), Vocabulary::builtIn(name)) << name;
}

namespace {

using testsupport::CliRun;

CliRun runVocabCli(const std::string& configDir, const std::string& args) {
  return testsupport::runCliWithConfig(ZYNED_CLI_PATH, configDir, args);
}

}  // namespace

TEST(VocabularyCli, ExportWritesTheShippedFiles) {
  TempDir dir;
  const std::string out = dir.str() + "/export";
  ASSERT_EQ(runVocabCli(dir.str(), "vocab-export '" + out + "'").status, 0);
  const fs::path shipped = fs::path(ZYNED_SOURCE_DIR) / "data" / "vocabulary";
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(out)) {
    ++files;
    EXPECT_EQ(readFile(entry.path()), readFile(shipped / entry.path().filename())) << entry.path();
  }
  EXPECT_EQ(files, 30u);
}

TEST(VocabularyCli, VocabPrintsTheLoadedTableAsUtf8) {
  TempDir dir;
  writeFile(dir / "musts.TXT", "yes\r\n\r\nd\xE9j\xE0");
  CliRun run = runVocabCli(dir.str(), "vocab Musts --editor-dir '" + dir.str() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "0\tyes\n1\t\n2\td\xC3\xA9j\xC3\xA0\n");

  // Without the option the editor directory of the settings is read.
  writeFile(dir / "ZynED.ini", "[Directories]\nZynED=" + dir.str() + "\n");
  EXPECT_EQ(runVocabCli(dir.str(), "vocab musts").out, run.out);

  run = runVocabCli(dir.str() + "/none", "vocab Orientation");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, 20), "0\tOn edge\n1\t1\n2\t2\n3\t");
  EXPECT_EQ(runVocabCli(dir.str(), "vocab NoSuchTable").status, 2);
  EXPECT_EQ(runVocabCli(dir.str(), "vocab").status, 2);
  EXPECT_EQ(runVocabCli(dir.str(), "vocab Ships --editor-dir").status, 2);
}
