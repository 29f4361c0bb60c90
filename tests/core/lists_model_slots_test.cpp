#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "lists/model_slots.h"
#include "lists/text_file.h"
#include "lists/wave_catalogue.h"
#include "shell/paths.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(ModelSlots, SlotTable) {
  EXPECT_EQ(lists::slotLine(14), (lists::SlotLine{0, 10}));
  EXPECT_EQ(lists::slotLine(44), (lists::SlotLine{1, 13}));
  EXPECT_EQ(lists::slotLine(66), (lists::SlotLine{2, 1}));
  EXPECT_EQ(lists::slotLine(70), lists::slotLine(71));
  EXPECT_FALSE(lists::slotLine(10));
  EXPECT_FALSE(lists::isFunctionalSlot(10));
  EXPECT_FALSE(lists::isFunctionalSlot(72));
  EXPECT_TRUE(lists::isFunctionalSlot(1));
  EXPECT_EQ(lists::slotPartner(83), 84);
  EXPECT_EQ(lists::defaultModel(10), "");
}

struct Ivfiles {
  TempDir dir;
  shell::Settings settings;
  Ivfiles() {
    settings.gameDirectory = dir / "Zyn";
    fs::create_directories(dir / "Zyn/IVFILES/new");
    fs::create_directories(dir / "Zyn/Quelvane/ivfiles");
    fs::create_directories(dir / "editor");
    writeFile(dir / "Zyn/Quelvane/ivfiles/SPEC640.LST", "ivfiles\\one.opt\nivfiles\\two.opt\n");
    writeFile(dir / "Zyn/IVFILES/spec2640.lst", "ivfiles\\b1.opt\r\n");
    writeFile(dir / "Zyn/IVFILES/one.opt", "x");
  }
};

TEST(ModelSlots, ListsComeFromTheExpansionAndTheGame) {
  Ivfiles t;
  lists::SlotLists l;
  std::string error;
  ASSERT_TRUE(lists::loadSlotLists(t.settings, l, error)) << error;
  EXPECT_EQ(l.paths[0], t.dir / "Zyn/Quelvane/ivfiles/SPEC640.LST");
  EXPECT_EQ(l.paths[1], t.dir / "Zyn/IVFILES/spec2640.lst");
  EXPECT_EQ(l.line(1), "ivfiles\\one.opt");
  EXPECT_EQ(l.line(56), "ivfiles\\b1.opt");
  EXPECT_EQ(l.line(66), "");  // spec3640 is missing: an empty list
}

TEST(ModelSlots, MarkersAndStatus) {
  Ivfiles t;
  lists::SlotLists l;
  l.setLine(1, "ivfiles\\one.opt");
  l.setLine(2, lists::restoredLine(2));
  l.setLine(3, shell::lowerAscii(lists::restoredLine(3)));
  EXPECT_EQ(lists::slotMarker(l, 1), "* ");
  EXPECT_EQ(lists::slotMarker(l, 2), "  ");
  EXPECT_EQ(lists::slotMarker(l, 3), "  ");
  EXPECT_EQ(lists::slotStatus(t.settings, l, 1), "Assigned to: one.opt");
  EXPECT_EQ(lists::slotStatus(t.settings, l, 2),
            "Assigned to: " + lists::defaultModel(2) + "  *AVAILABLE*");
  EXPECT_EQ(lists::slotStatus(t.settings, l, 87), "Planets use .ACT files");
  EXPECT_EQ(lists::slotStatus(t.settings, l, 10), "Ship slot not functional");
}

TEST(ModelSlots, SharedLinesAndAssignedPaths) {
  Ivfiles t;
  lists::SlotLists l;
  const auto line =
      lists::assignedLine(t.settings.gameDirectory, t.dir / "Zyn/IVFILES/new/Big.OPT");
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, "ivfiles\\new\\big.opt");
  l.setLine(70, *line);
  EXPECT_EQ(l.line(71), *line);
  EXPECT_EQ(l.lines[0].size(), 33u);
  EXPECT_FALSE(lists::assignedLine(t.settings.gameDirectory, "/elsewhere/x.opt"));
}

TEST(ModelSlots, WriteRoundTripAndAllOrNothing) {
  Ivfiles t;
  lists::SlotLists l;
  std::string error;
  ASSERT_TRUE(lists::loadSlotLists(t.settings, l, error));
  l.setLine(14, "ivfiles\\x.opt");
  const Lines names{"None", "Renamed"};
  const auto targets = lists::slotListTargets(t.settings, true);
  ASSERT_EQ(targets.size(), 2u);
  ASSERT_TRUE(lists::writeSlotFiles(l, targets, &names, t.dir / "editor", error)) << error;
  const std::string spec640 = readFile(t.dir / "Zyn/Quelvane/ivfiles/SPEC640.LST");
  EXPECT_EQ(spec640.substr(0, 36), "ivfiles\\one.opt\r\nivfiles\\two.opt\r\n\r\n");
  EXPECT_EQ(readFile(t.dir / "Zyn/IVFILES/spec640.lst"), spec640);
  EXPECT_EQ(readFile(t.dir / "editor/Ships.txt"), "None\r\nRenamed\r\n");
  // No list of the expansion's craft was there and none was filled: none is made.
  EXPECT_FALSE(fs::exists(t.dir / "Zyn/Quelvane/ivfiles/spec3640.lst"));
  lists::SlotLists again;
  ASSERT_TRUE(lists::loadSlotLists(t.settings, again, error));
  EXPECT_EQ(again.lines, l.lines);
  // A folder in the place of one file: nothing is replaced.
  fs::remove(t.dir / "editor/Ships.txt");
  fs::create_directories(t.dir / "editor/Ships.txt");
  l.setLine(1, "ivfiles\\changed.opt");
  EXPECT_FALSE(lists::writeSlotFiles(l, targets, &names, t.dir / "editor", error));
  EXPECT_EQ(readFile(t.dir / "Zyn/Quelvane/ivfiles/SPEC640.LST"), spec640);
  for (const auto& entry : fs::directory_iterator(t.dir / "Zyn/Quelvane/ivfiles"))
    EXPECT_NE(entry.path().filename().string()[0], '.') << "temporary file left behind";
}

// The groups of the catalogue: each voice's rows, its section headings and no others, its
// recordings in the game's order; rows between the groups belong to no voice.
TEST(WaveCatalogue, RowsFollowTheCatalogueTable) {
  using lists::Voice;
  const auto names = [](std::vector<std::tuple<const char*, int, int>> ranges) {
    std::vector<std::string> out;
    for (const auto& [stem, first, last] : ranges)
      for (int n = first; n <= last; ++n)
        out.push_back(stem + std::string(n < 10 ? "0" : "") + std::to_string(n));
    return out;
  };
  struct Group {
    Voice voice;
    std::size_t first, last;
    std::vector<std::string> headings, files;
  };
  const std::vector<Group> groups{
      {Voice::TacticalOfficer2,
       0,
       118,
       {"( Mission Status )", "( Orders )", "( Reference to craft type )", "( Craft status )"},
       names({{"glc", 0, 26}, {"ord", 0, 23}, {"ref", 0, 14}, {"sts", 0, 41}})},
      {Voice::TrainingOfficer,
       121,
       213,
       {},
       {"01l",   "01r11", "01r12", "01r14", "01r16", "02r01", "02r09", "02r13", "02r14", "03l",
        "03r01", "04l",   "04r01", "04r05", "04r06", "04r07", "04r08", "04r10", "04r11", "04r12",
        "04r13", "04w02", "05l",   "05r07", "05r09", "05r10", "05r11", "05r14", "05r15", "05r16",
        "05w01", "06l",   "06r01", "06r10", "06r12", "06r16", "06w02", "07l",   "07r04", "07r05",
        "07r06", "07r07", "07r08", "07r09", "07w02", "08l",   "08r11", "08r12", "08w02", "09r01",
        "09r02", "09r03", "09r04", "09r05", "09r06", "09r07", "09r08", "09r09", "09r10", "10l",
        "10r02", "10r09", "10r10", "10r11", "10r12", "10w01", "12r14", "15r01", "15r06", "15r12",
        "15r13", "15w02", "16r07", "16r16", "17w02", "20r06", "21r01", "21w01"}},
      {Voice::Pilot6,
       216,
       298,
       {"( Bad news )", "( Wingmen actions )", "( Successful kills )", "( Orders )",
        "( Successful actions )", "( Warnings )"},
       names({{"bnz", 0, 10},
              {"igd", 0, 2},
              {"imd", 0, 13},
              {"udo", 0, 10},
              {"yud", 0, 14},
              {"yut", 4, 13}})},
      {Voice::BaseCommander,
       300,
       338,
       {"(success)", "(loss)"},
       names({{"win", 0, 17}, {"los", 0, 15}})},
  };
  const auto& all = lists::catalogueRows();
  ASSERT_EQ(all.size(), lists::CatalogueRowCount);
  EXPECT_EQ(lists::CatalogueRowCount, 339u);
  std::vector<bool> grouped(all.size());
  for (const Group& g : groups) {
    SCOPED_TRACE(g.first);
    const auto rows = lists::cataloguePhrases(g.voice);
    ASSERT_EQ(rows.data(), all.data() + g.first);
    ASSERT_EQ(rows.size(), g.last - g.first + 1);
    std::vector<std::string> headings, files;
    for (const auto& row : rows) {
      if (!row.baseName.empty()) {
        EXPECT_EQ(row.text.substr(0, 3), "   ") << row.text;
        files.push_back(row.baseName);
      } else if (std::any_of(row.text.begin(), row.text.end(),
                             [](unsigned char c) { return std::isalpha(c) != 0; })) {
        headings.push_back(row.text);
      }
    }
    EXPECT_EQ(headings, g.headings);
    EXPECT_EQ(files, g.files);
    for (std::size_t i = g.first; i <= g.last; ++i) grouped[i] = true;
  }
  for (std::size_t i = 0; i < all.size(); ++i)
    EXPECT_TRUE(grouped[i] || all[i].baseName.empty()) << i;
  const auto textOf = [&all](std::string_view file) {
    for (const auto& row : all)
      if (row.baseName == file) return row.text;
    return std::string();
  };
  EXPECT_EQ(textOf("ord00"), "   You have destroyed a friendly craft!");
  EXPECT_EQ(textOf("01l"), "   Do you have a problem with following orders?");
  EXPECT_EQ(textOf("yut13"), "   You're too close!");
  EXPECT_EQ(textOf("los06"), "   We have failed to defeat the Empire.   (...Rebels/enemy)");
}

TEST(WaveCatalogue, FoldersAndEntries) {
  using lists::Voice;
  using lists::VoiceSide;
  const auto& tactical = lists::cataloguePhrases(Voice::TacticalOfficer1);
  const auto glc00 = std::find_if(tactical.begin(), tactical.end(),
                                  [](const auto& p) { return p.baseName == "glc00"; });
  ASSERT_NE(glc00, tactical.end());
  EXPECT_EQ(glc00->text, "   Good Work!");
  EXPECT_EQ(lists::catalogueEntry(Voice::TacticalOfficer1, VoiceSide::Rebel, *glc00),
            "Rto1\\To3glc00.wav");
  EXPECT_FALSE(lists::catalogueEntry(Voice::TacticalOfficer2, VoiceSide::Pirate, *glc00));
  EXPECT_EQ(lists::voicePrefix(Voice::Pilot3, VoiceSide::Pirate), "Isp3\\Ip3");
  EXPECT_EQ(lists::voicePrefix(Voice::BaseCommander, VoiceSide::Pirate), "Pbc\\Pb1");
  // Lesson recordings are found under their plain names.
  for (const auto& p : lists::cataloguePhrases(Voice::TrainingOfficer))
    EXPECT_EQ(p.baseName.find(' '), std::string::npos);
}

}  // namespace
