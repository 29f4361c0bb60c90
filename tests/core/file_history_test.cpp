#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/file_history.h"
#include "shell/paths.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using shell::FileHistory;
using testsupport::readFile;
using testsupport::TempDir;
using Paths = std::vector<std::string>;

TEST(FileHistory, SameFileTwiceKeepsOneEntryAtTheTop) {
  FileHistory h;
  h.add("/m/a.kre");
  h.add("/m/b.kre");
  h.add("/m/a.kre");
  EXPECT_EQ(h.entries(), (Paths{"/m/a.kre", "/m/b.kre"}));
}

TEST(FileHistory, PathsCompareWithoutCase) {
  FileHistory h;
  h.add("/m/Mission1.KRE");
  h.add("/m/b.kre");
  h.add("/M/mission1.kre");
  // The newest spelling wins.
  EXPECT_EQ(h.entries(), (Paths{"/M/mission1.kre", "/m/b.kre"}));
  EXPECT_TRUE(shell::equalsNoCase("C:\\Zyn\\TRAIN\\x.kre", "c:\\zyn\\train\\X.KRE"));
  EXPECT_FALSE(shell::equalsNoCase("/m/a.kre", "/m/a.kre2"));
}

// On a file system that tells letter cases apart, two missions whose names differ only in case
// are two files and two entries.
TEST(FileHistory, TwoFilesDifferingOnlyInCaseAreTwoEntries) {
  TempDir dir;
  const std::string a = dir / "Mission.kre", b = dir / "mission.kre";
  std::ofstream(a) << "a";
  std::ofstream(b) << "b";
  if (fs::equivalent(a, b)) GTEST_SKIP() << "this file system ignores letter case";
  FileHistory h;
  h.add(a);
  h.add(b);
  EXPECT_EQ(h.entries(), (Paths{b, a}));
  EXPECT_EQ(FileHistory(Paths{a, b}).size(), 2u);
}

// One entry per file: a file named two ways, and a name whose file is gone beside one that differs
// only in letter case.
TEST(FileHistory, OneEntryPerFile) {
  TempDir dir;
  fs::create_directories(dir / "sub");
  const std::string file = dir / "Mission.kre";
  std::ofstream(file) << "m";
  fs::create_symlink(file, dir / "link.kre");
  const std::string others[] = {dir / "sub/../Mission.kre", dir / "link.kre", dir / "MISSION.KRE",
                                dir / "sub/../mission.kre"};
  for (const std::string& other : others) {
    SCOPED_TRACE(other);
    FileHistory h;
    h.add(file);
    h.add(other);
    EXPECT_EQ(h.entries(), Paths{other});
    EXPECT_EQ(FileHistory(Paths{other, file}).entries(), Paths{other});
  }
}

TEST(FileHistory, TenthFileDropsTheOldest) {
  FileHistory h;
  for (int i = 1; i <= 9; ++i) h.add("/m/" + std::to_string(i) + ".kre");
  EXPECT_EQ(h.size(), 9u);
  h.add("/m/10.kre");
  ASSERT_EQ(h.size(), 9u);
  EXPECT_EQ(h.at(0), "/m/10.kre");
  EXPECT_EQ(h.at(8), "/m/2.kre");
  // Re-adding one already present drops nothing.
  h.add("/m/5.kre");
  EXPECT_EQ(h.size(), 9u);
  EXPECT_EQ(h.at(0), "/m/5.kre");
  EXPECT_EQ(h.at(8), "/m/2.kre");
}

TEST(FileHistory, StoredListIsCleanedOnTheWayIn) {
  Paths stored{"/a.kre", "", "/b.kre", "/A.KRE"};
  for (int i = 0; i < 10; ++i) stored.push_back("/x" + std::to_string(i) + ".kre");
  FileHistory h(stored);
  ASSERT_EQ(h.size(), 9u);
  EXPECT_EQ(h.at(0), "/a.kre");
  EXPECT_EQ(h.at(1), "/b.kre");
  EXPECT_EQ(h.at(2), "/x0.kre");
  h.add("");
  EXPECT_EQ(h.size(), 9u);
}

TEST(FileHistory, Captions) {
  FileHistory h;
  h.add("C:\\Games\\Zyn\\Train\\old.kre");
  h.add("/home/u/missions/R&D.kre");
  EXPECT_EQ(h.captions(false), (Paths{"&0 R&&D.kre", "&1 old.kre"}));
  EXPECT_EQ(h.captions(true),
            (Paths{"&0 /home/u/missions/R&&D.kre", "&1 C:\\Games\\Zyn\\Train\\old.kre"}));
  for (std::size_t i = 0; i < h.size(); ++i)
    EXPECT_EQ(shell::reopenIndexFromCaption(h.captions(true)[i]), i);
  EXPECT_EQ(shell::reopenIndexFromCaption("no amp"), std::nullopt);
  EXPECT_EQ(shell::reopenIndexFromCaption("&x"), std::nullopt);
  EXPECT_EQ(shell::reopenIndexFromCaption("&"), std::nullopt);
}

TEST(FileHistory, Messages) {
  EXPECT_EQ(shell::missingFileMessage("/m/a.kre"), "/m/a.kre does not exist");
  EXPECT_EQ(shell::baseName("C:\\a\\b.kre"), "b.kre");
  EXPECT_EQ(shell::baseName("/a/b.kre"), "b.kre");
  EXPECT_EQ(shell::baseName("b.kre"), "b.kre");
}

TEST(HistoryFile, WritesOnePathPerLineAndReadsBack) {
  TempDir dir;
  FileHistory h;
  h.add("/m/a.kre");
  h.add("/m/b.kre");
  const auto saved = shell::writeHistory(h, dir.str());
  ASSERT_TRUE(saved.ok());
  EXPECT_TRUE(saved.message.empty());
  EXPECT_EQ(readFile(dir.path() / "EDHistry.txt"), "/m/b.kre\r\n/m/a.kre\r\n");
  EXPECT_EQ(shell::readHistory(dir.str()).entries(), h.entries());

  ASSERT_TRUE(shell::writeHistory(FileHistory{}, dir.str()).ok());
  EXPECT_TRUE(shell::readHistory(dir.str()).empty());
}

TEST(HistoryFile, FoundWithoutRegardToCaseAndRewrittenInPlace) {
  TempDir dir;
  {
    std::ofstream out(dir.path() / "edhistry.TXT", std::ios::binary);
    out << "/m/x.kre\n/m/y.kre";  // line feeds only, no end on the last line
  }
  ASSERT_EQ(shell::findHistoryFile(dir.str()), (dir.path() / "edhistry.TXT").string());
  FileHistory h = shell::readHistory(dir.str());
  EXPECT_EQ(h.entries(), (Paths{"/m/x.kre", "/m/y.kre"}));
  h.add("/m/z.kre");
  ASSERT_TRUE(shell::writeHistory(h, dir.str()).ok());
  EXPECT_FALSE(fs::exists(dir.path() / "EDHistry.txt"));
  EXPECT_EQ(readFile(dir.path() / "edhistry.TXT"), "/m/z.kre\r\n/m/x.kre\r\n/m/y.kre\r\n");
}

TEST(HistoryFile, PathsComeBackByteForByteAfterAByteOrderMark) {
  TempDir dir;
  const std::string accented =
      "/m/caf\xC3\xA9/\xC3\xA9t\xC3\xA9.kre";  // UTF-8, as the system names it
  {
    std::ofstream out(dir.path() / "EDHistry.txt", std::ios::binary);
    out << "\xEF\xBB\xBF" << accented << "\r\n/m/b.kre\r\n";
  }
  EXPECT_EQ(shell::readHistory(dir.str()).entries(), (Paths{accented, "/m/b.kre"}));

  // Without the mark too, and through a write and read.
  FileHistory h;
  h.add(accented);
  ASSERT_TRUE(shell::writeHistory(h, dir.str()).ok());
  EXPECT_EQ(shell::readHistory(dir.str()).entries(), Paths{accented});
}

TEST(HistoryFile, MissingFolderOrFile) {
  TempDir dir;
  EXPECT_EQ(shell::findHistoryFile(dir.str()), std::nullopt);
  EXPECT_TRUE(shell::readHistory(dir.str()).empty());
  EXPECT_TRUE(shell::readHistory("Undefined").empty());

  FileHistory h;
  h.add("/m/a.kre");
  const auto r = shell::writeHistory(h, (dir.path() / "gone").string());
  EXPECT_EQ(r.status, shell::HistorySaveStatus::NoEditorDirectory);
  EXPECT_EQ(r.message, "Can't find your ZynED directory. Use Preferences to set it.");
  EXPECT_FALSE(fs::exists(dir.path() / "gone"));
}

TEST(HistoryFile, WriteFailureIsReportedAndLeavesNoTemporaryFile) {
  TempDir dir;
  fs::create_directory(dir.path() / "EDHistry.txt");  // a folder where the file should go
  FileHistory h;
  h.add("/m/a.kre");
  const auto r = shell::writeHistory(h, dir.str());
  EXPECT_EQ(r.status, shell::HistorySaveStatus::WriteFailed);
  EXPECT_EQ(r.message, "Error saving History file.");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1u);
}

}  // namespace
