#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lists/text_file.h"
#include "lists/wave_list.h"
#include "lists/wave_list_file.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

const std::string D = lists::PlaceholderWave;

Lines numbered(std::size_t n) {
  Lines out;
  for (std::size_t i = 0; i < n; ++i) out.push_back("w\\" + std::to_string(i) + ".wav");
  return out;
}

TEST(WaveList, AddedMessageGetsAPlaceholderUpTo19) {
  Lines s = numbered(18);
  EXPECT_TRUE(lists::onMessageAdded(s));
  EXPECT_EQ(s.back(), D);
  EXPECT_FALSE(lists::onMessageAdded(s));
  EXPECT_EQ(s.size(), 19u);
}

TEST(WaveList, DeletedMessagesTakeTheirEntries) {
  Lines s = numbered(6);
  EXPECT_TRUE(lists::onMessagesDeleted(s, {3, 1}, 4));
  EXPECT_EQ(s, (Lines{"w\\0.wav", "w\\2.wav", "w\\4.wav", "w\\5.wav"}));
  // A message beyond the list has no entry to take.
  EXPECT_FALSE(lists::onMessagesDeleted(s, {9}, 8));
}

TEST(WaveList, GoalSoundsKeepTheirLinesWhenMessagesGo) {
  Lines s = numbered(19);
  lists::onMessagesDeleted(s, {2, 17}, 17);
  ASSERT_EQ(s.size(), 19u);
  EXPECT_EQ(s[2], "w\\3.wav");
  EXPECT_EQ(s[15], D);
  EXPECT_EQ(s[16], "w\\16.wav");
  EXPECT_EQ(s[18], "w\\18.wav");
}

TEST(WaveList, LastMessageDeletedLeavesOnePlaceholder) {
  Lines s = numbered(3);
  lists::onMessagesDeleted(s, {0, 1, 2}, 0);
  EXPECT_EQ(s, Lines{D});
  Lines full = numbered(19);
  lists::onMessagesDeleted(full, {0}, 0);
  EXPECT_EQ(full[0], D);
  EXPECT_EQ(full[18], "w\\18.wav");
}

TEST(WaveList, MovesExchangeOnlyAmongTheFirst16) {
  Lines s = numbered(19);
  EXPECT_TRUE(lists::onMessagesMoved(s, 15, 14));
  EXPECT_EQ(s[14], "w\\15.wav");
  EXPECT_EQ(s[15], "w\\14.wav");
  EXPECT_FALSE(lists::onMessagesMoved(s, 16, 15));
  EXPECT_FALSE(lists::onMessagesMoved(s, 16, 17));
  Lines shortList = numbered(2);
  EXPECT_FALSE(lists::onMessagesMoved(shortList, 1, 2));
}

TEST(WaveList, MarkersAndCaptions) {
  Lines s = numbered(19);
  s[1] = "TRAIN\\Dummy.WAV";
  const struct {
    std::size_t message;
    const char* marker;
  } rows[] = {{0, "* "},    {1, "  "},    {15, "* "}, {16, "(S) "},
              {17, "(2) "}, {18, "(F) "}, {19, "  "}};
  for (const auto& r : rows) EXPECT_EQ(lists::soundMarker(s, true, r.message), r.marker);
  EXPECT_EQ(lists::soundMarker(s, false, 0), "  ");
  EXPECT_STREQ(lists::soundCaption(3), "WAV assigned to this message:");
  EXPECT_STREQ(lists::soundCaption(17), "WAV assigned to Secondary Success:");
}

TEST(WaveList, SetSoundFillsMissingLines) {
  Lines s;
  EXPECT_TRUE(lists::setSound(s, 2, "a.wav"));
  EXPECT_EQ(s, (Lines{D, D, "a.wav"}));
  EXPECT_FALSE(lists::setSound(s, 19, "b.wav"));
}

TEST(WaveList, PickedFileBecomesRelativeToTheWaveFolder) {
  EXPECT_EQ(lists::waveEntryFromFile("C:\\Game\\WAVE\\Train\\Hello.wav"), "Train\\Hello.wav");
  EXPECT_EQ(lists::waveEntryFromFile("/g/Quelvane/wave/rto1/To3glc00.wav"), "rto1\\To3glc00.wav");
  EXPECT_EQ(lists::waveEntryFromFile("/elsewhere/x.wav"), "/elsewhere/x.wav");
}

TEST(WaveList, DuplicateIgnoresCaseAndTheMessageItself) {
  const Lines s{"train\\a.wav", D};
  EXPECT_TRUE(lists::isWaveUsed(s, "TRAIN\\A.WAV"));
  EXPECT_FALSE(lists::isWaveUsed(s, "train\\a.wav", 0));
}

TEST(WaveList, SaveKeeps19LinesAndEverySoundBeyond) {
  EXPECT_EQ(lists::savedWaveLines(lists::newWaveList(25)).size(), 19u);
  Lines s = lists::newWaveList(22);
  s[20] = "extra.wav";
  EXPECT_EQ(lists::savedWaveLines(s).size(), 21u);
}

struct SoundGameTree {
  TempDir dir;
  shell::Settings settings;
  SoundGameTree() {
    fs::create_directories(dir / "Zyn/WAVE");
    fs::create_directories(dir / "Zyn/Quelvane/wave/Train");
    settings.gameDirectory = dir / "Zyn";
  }
};

TEST(WaveList, FoundInTheFormatsFolderElseTheOther) {
  SoundGameTree g;
  writeFile(g.dir / "Zyn/Quelvane/wave/M1.lst", "a.wav\r\n");
  EXPECT_EQ(lists::findWaveList(g.settings, 12, "/x/M1.KRE"), g.dir / "Zyn/Quelvane/wave/M1.lst");
  writeFile(g.dir / "Zyn/WAVE/m1.LST", "b.wav\n");
  EXPECT_EQ(lists::findWaveList(g.settings, 12, "/x/M1.KRE"), g.dir / "Zyn/WAVE/m1.LST");
  EXPECT_EQ(lists::findWaveList(g.settings, 14, "/x/M1.KRE"), g.dir / "Zyn/Quelvane/wave/M1.lst");
  EXPECT_FALSE(lists::findWaveList(g.settings, 14, "/x/M2.KRE"));
  // A new list goes to the format's folder, named after the mission.
  EXPECT_EQ(lists::waveListPath(g.settings, 14, "C:\\m\\New.kre"),
            g.dir / "Zyn/Quelvane/wave/New.lst");
}

TEST(WaveList, LoadKeepsBlankLinesAndSaveWritesCrLf) {
  SoundGameTree g;
  const std::string path = g.dir / "Zyn/WAVE/M.lst";
  writeFile(path, "a.wav\n\rb.wav\rc.wav");
  Lines s;
  std::string error;
  ASSERT_TRUE(lists::loadWaveList(path, s, error));
  EXPECT_EQ(s, (Lines{"a.wav", "", "b.wav", "c.wav"}));
  ASSERT_TRUE(lists::saveWaveList(path, s, error));
  EXPECT_EQ(readFile(path), "a.wav\r\n\r\nb.wav\r\nc.wav\r\n");
  EXPECT_FALSE(lists::loadWaveList(g.dir / "Zyn/WAVE", s, error));
  EXPECT_FALSE(lists::saveWaveList(g.dir / "Zyn/WAVE", s, error));
}

TEST(WaveList, WaveFilesFoundInAnyCaseFormatFolderFirst) {
  SoundGameTree g;
  writeFile(g.dir / "Zyn/Quelvane/wave/Train/Hello.wav", "x");
  EXPECT_EQ(lists::findWaveFile(g.settings, 12, "TRAIN\\hello.WAV"),
            g.dir / "Zyn/Quelvane/wave/Train/Hello.wav");
  fs::create_directories(g.dir / "Zyn/WAVE/train");
  writeFile(g.dir / "Zyn/WAVE/train/hello.wav", "y");
  EXPECT_EQ(lists::findWaveFile(g.settings, 12, "Train\\Hello.wav"),
            g.dir / "Zyn/WAVE/train/hello.wav");
  EXPECT_EQ(lists::findWaveFile(g.settings, 14, "Train\\Hello.wav"),
            g.dir / "Zyn/Quelvane/wave/Train/Hello.wav");
  EXPECT_FALSE(lists::findWaveFile(g.settings, 14, "none.wav"));
}

TEST(WaveListFile, OpenedListCountsAsChangedOnlyWhileItDiffersFromTheFile) {
  SoundGameTree g;
  const std::string path = g.dir / "Zyn/Quelvane/wave/M1.lst";
  writeFile(path, "a.wav\r\nb.wav");
  lists::WaveListFile f;
  Lines s = f.open(g.settings, 12, "/x/M1.KRE");
  EXPECT_EQ(s, (Lines{"a.wav", "b.wav"}));
  EXPECT_EQ(f.path(), path);
  EXPECT_FALSE(f.changed(s));
  s[1] = D;
  EXPECT_TRUE(f.offersSave(s));
  fs::remove(path);
  EXPECT_FALSE(f.offersSave(s));  // only a list file that is still there is offered
  EXPECT_TRUE(f.open(g.settings, 12, "/x/M1.KRE").empty());
  EXPECT_EQ(f.path(), "none");
  EXPECT_FALSE(f.changed(s));
  // A list in UTF-16 counts as none, is left alone and the reason names it.
  const std::string utf16(
      "\xFF\xFE"
      "a\0",
      4);
  writeFile(path, utf16);
  std::string error;
  EXPECT_TRUE(f.open(g.settings, 12, "/x/M1.KRE", &error).empty());
  EXPECT_FALSE(f.active());
  EXPECT_NE(error.find("\"" + path + "\" as a list: it is UTF-16 text"), std::string::npos)
      << error;
  EXPECT_EQ(f.create(g.settings, 14, "/x/M1.KRE", 2).status,
            lists::WaveListFile::CreateStatus::Exists);
  EXPECT_EQ(readFile(path), utf16);
}

TEST(WaveListFile, CreateRefusesUnnamedAndNeverOverwrites) {
  SoundGameTree g;
  lists::WaveListFile f;
  EXPECT_EQ(f.create(g.settings, 12, "Unnamed", 3).status,
            lists::WaveListFile::CreateStatus::Unnamed);
  const auto r = f.create(g.settings, 12, "/m/M1.KRE", 25);
  ASSERT_EQ(r.status, lists::WaveListFile::CreateStatus::Created);
  const std::string path = g.dir / "Zyn/WAVE/M1.lst";
  EXPECT_EQ(r.message, path + " has been created.");
  EXPECT_EQ(r.sounds, Lines(25, D));
  EXPECT_EQ(readFile(path).size(), 25 * (D.size() + 2));
  // The next save keeps the first 19 lines.
  std::string error;
  ASSERT_TRUE(f.save(r.sounds, error));
  EXPECT_EQ(readFile(path).size(), 19 * (D.size() + 2));
  EXPECT_EQ(f.create(g.settings, 12, "/m/M1.KRE", 2).message, path + " already exists!");
  // A list of the same name that is not the active one is not overwritten either.
  lists::WaveListFile other;
  EXPECT_EQ(other.create(g.settings, 12, "/n/m1.kre", 2).status,
            lists::WaveListFile::CreateStatus::Exists);
  EXPECT_FALSE(other.save({"x.wav"}, error));
  EXPECT_EQ(error, "There is no matching .lst file to save!");
}

TEST(WaveListFile, SaveAsTakesTheListAlongAndKeepsTheOldFile) {
  SoundGameTree g;
  writeFile(g.dir / "Zyn/WAVE/Old.lst", "a.wav\r\n");
  lists::WaveListFile f;
  Lines s = f.open(g.settings, 12, "Old.kre");
  s.push_back("b.wav");
  std::string error;
  ASSERT_TRUE(f.follow(g.settings, 12, "/m/New.kre", s, error));
  EXPECT_EQ(f.path(), g.dir / "Zyn/WAVE/New.lst");
  EXPECT_EQ(readFile(g.dir / "Zyn/WAVE/New.lst"), "a.wav\r\nb.wav\r\n");
  EXPECT_EQ(readFile(g.dir / "Zyn/WAVE/Old.lst"), "a.wav\r\n");
  EXPECT_FALSE(f.changed(s));
}

}  // namespace
