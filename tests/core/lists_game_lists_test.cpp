#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "lists/custom_lists.h"
#include "lists/game_lists.h"
#include "lists/load_by_list.h"
#include "lists/text_file.h"
#include "model/safe_save.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using lists::GameList;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

model::Mission missionOf(std::uint8_t type, std::vector<std::pair<int, int>> playerIff,
                         std::int16_t format = 12) {
  model::Mission m;
  m.platformId = format;
  m.header.set(model::header::MissionType, type);
  for (const auto& [player, iff] : playerIff) {
    model::FlightGroup fg;
    fg.set(model::fg::PlayerNumber, static_cast<std::uint8_t>(player));
    fg.set(model::fg::Iff, static_cast<std::uint8_t>(iff));
    m.flightGroups.push_back(fg);
  }
  return m;
}

// A game folder with its training, combat and melee lists, in Windows letter case.
struct GameTree {
  TempDir dir;
  shell::Settings settings;
  GameTree() {
    settings.gameDirectory = dir / "ZYN";
    for (const char* sub : {"ZYN/TRAIN", "ZYN/combat", "ZYN/Melee"})
      fs::create_directories(dir / sub);
    writeFile(dir / "ZYN/TRAIN/mission.LST", "3\r\nt3.kre\r\nThree\r\n");
    writeFile(dir / "ZYN/TRAIN/Rebel.lst", "// rebels\n12\nR12.KRE\nTwelve\n12a\n");
    writeFile(dir / "ZYN/combat/Mission.lst", "7\rc7.kre\rSeven");
  }
  std::string path(const std::string& p) const { return dir / p; }
};

TEST(GameLists, SideIsTheLastPlayerOnesIff) {
  EXPECT_EQ(lists::playerSide(missionOf(0, {{1, 0}, {2, 1}, {1, 1}})), 1);
  EXPECT_FALSE(lists::playerSide(missionOf(0, {{0, 0}})));
  EXPECT_EQ(lists::sideName(std::uint8_t{3}), "IFF 3");
  EXPECT_EQ(lists::sideName(std::nullopt), "none");
}

TEST(GameLists, LineRules) {
  EXPECT_EQ(lists::nextFreeNumber({"3", "12", "xx", "7", "12a", ""}), 13);
  EXPECT_EQ(lists::nextFreeNumber({"abc"}), 1);
  EXPECT_EQ(lists::nextFreeNumber({"99999999999999999999999", "4"}), 5);
  EXPECT_TRUE(lists::isHeading("[ Tour 1 ]"));
  EXPECT_TRUE(lists::isSeparator("// x"));
  EXPECT_TRUE(lists::isMissionLine("a.Kre"));
  EXPECT_FALSE(lists::isEntryNumber(""));
}

TEST(GameLists, PagesPerMissionTypeAndSide) {
  using L = std::vector<GameList>;
  const struct {
    int type;
    std::optional<std::uint8_t> side;
    L lists;
  } rows[] = {
      {0, 0, {GameList::Rebel}},
      {0, 1, {GameList::Imperial}},
      {3, 0, {GameList::Rebel, GameList::Mission}},
      {3, 1, {GameList::Mission, GameList::Imperial}},
      {2, 4, {GameList::Mission}},
      {4, 0, {GameList::Rebel, GameList::Mission, GameList::Imperial}},
      {1, 0, {}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(lists::applicableLists(static_cast<std::uint8_t>(r.type), r.side), r.lists) << r.type;
}

TEST(GameLists, EntriesOfAList) {
  const Lines lines{"// x", "[Tour]", "1", "a.kre", "First", "2 b.KRE", "Second", "c.kre"};
  EXPECT_EQ(lists::listEntries(lines),
            (std::vector<lists::ListEntry>{
                {"1", "a.kre", "First"}, {"2", "b.KRE", "Second"}, {"", "c.kre", ""}}));
}

TEST(GameLists, OpeningRefusals) {
  GameTree g;
  std::string why;
  EXPECT_FALSE(lists::openListSession(g.settings, missionOf(0, {}), "m.kre", why));
  EXPECT_EQ(why, "Where's Player 1?");
  EXPECT_FALSE(lists::openListSession(g.settings, missionOf(0, {{1, 3}}), "m.kre", why));
  EXPECT_EQ(why, lists::lsttext::NotRebelOrImperial);
  EXPECT_FALSE(lists::openListSession(g.settings, missionOf(1, {{1, 0}}), "m.kre", why));
  EXPECT_EQ(why, "That Mission Type is Unknown");
  // Without an expansion folder its format uses the game folder; no melee list there.
  fs::remove(g.path("ZYN/Melee"));
  EXPECT_FALSE(lists::openListSession(g.settings, missionOf(2, {{1, 3}}), "m.kre", why));
  EXPECT_EQ(why, lists::lsttext::cannotFind(g.path("ZYN/Melee")));
}

TEST(GameLists, TrainingSessionFindsListsInAnyCase) {
  GameTree g;
  std::string why;
  auto s = lists::openListSession(g.settings, missionOf(0, {{1, 0}}), "/x/NEW.KRE", why);
  ASSERT_TRUE(s) << why;
  EXPECT_EQ(s->folder, g.path("ZYN/TRAIN"));
  EXPECT_EQ(s->nextNumber, 13);
  EXPECT_TRUE(s->page(GameList::Rebel).applies);
  EXPECT_FALSE(s->page(GameList::Mission).applies);
  EXPECT_EQ(s->page(GameList::Mission).path, g.path("ZYN/TRAIN/mission.LST"));
  EXPECT_EQ(s->page(GameList::Imperial).text, "");
}

TEST(GameLists, AutoAddTwiceThenWriteOrDiscard) {
  GameTree g;
  std::string why;
  auto s = lists::openListSession(g.settings, missionOf(0, {{1, 0}}), "/x/NEW.KRE", why);
  ASSERT_TRUE(s);
  EXPECT_FALSE(lists::autoAdd(*s, "13", "", why));
  EXPECT_EQ(why, lists::lsttext::NoDescription);
  ASSERT_TRUE(lists::autoAdd(*s, "13", "New one", why));
  // The number entered is taken: the next Auto-Add offers the one after it.
  EXPECT_EQ(s->nextNumber, 14);
  ASSERT_TRUE(lists::autoAdd(*s, "14", "Again", why));
  EXPECT_EQ(s->nextNumber, 15);
  // "&Cancel": nothing was written.
  EXPECT_EQ(readFile(g.path("ZYN/TRAIN/Rebel.lst")), "// rebels\n12\nR12.KRE\nTwelve\n12a\n");
  ASSERT_TRUE(lists::backupListSession(*s, why));
  ASSERT_TRUE(lists::writeListSession(*s, why));
  const std::string expected =
      "// rebels\r\n12\r\nR12.KRE\r\nTwelve\r\n12a\r\n13\r\nNEW.KRE\r\nNew one\r\n14\r\nNEW.KRE\r\n"
      "Again\r\n";
  EXPECT_EQ(readFile(g.path("ZYN/TRAIN/Rebel.lst")), expected);
  EXPECT_EQ(readFile(g.path("ZYN/TRAIN/Rebel.~ls")), expected);
  EXPECT_FALSE(fs::exists(g.path("ZYN/TRAIN/Imperial.lst")));
  EXPECT_EQ(readFile(g.path("ZYN/TRAIN/mission.LST")), "3\r\nt3.kre\r\nThree\r\n");
}

// The page as the user left it may end without a line end: the entry still starts a line.
TEST(GameLists, AutoAddAfterALastLineWithoutLineEnd) {
  GameTree g;
  std::string why;
  auto s = lists::openListSession(g.settings, missionOf(0, {{1, 0}}), "/x/NEW.KRE", why);
  ASSERT_TRUE(s) << why;
  s->page(GameList::Rebel).text = "12\nR12.KRE\nTwelve";
  ASSERT_TRUE(lists::autoAdd(*s, "13", "New one", why));
  EXPECT_EQ(lists::pageLines(s->page(GameList::Rebel).text),
            (std::vector<std::string>{"12", "R12.KRE", "Twelve", "13", "NEW.KRE", "New one"}));
}

TEST(GameLists, ExpansionFormatUsesTheExpansionFolders) {
  GameTree g;
  fs::create_directories(g.path("ZYN/quelvane/Combat"));
  writeFile(g.path("ZYN/quelvane/Combat/Mission.lst"), "1\nq.kre\nQ\n");
  std::string why;
  auto s = lists::openListSession(g.settings, missionOf(4, {{1, 1}}, 14), "m.kre", why);
  ASSERT_TRUE(s) << why;
  EXPECT_EQ(s->folder, g.path("ZYN/quelvane/Combat"));
  EXPECT_EQ(s->nextNumber, 2);
}

TEST(GameLists, ListThatCannotBeWrittenLeavesEveryFileIntact) {
  GameTree g;
  std::string why;
  auto s = lists::openListSession(g.settings, missionOf(4, {{1, 0}}), "m.kre", why);
  ASSERT_TRUE(s);
  fs::create_directories(g.path("ZYN/combat/Rebel.lst"));  // a folder in the way
  lists::autoAdd(*s, "8", "Eight", why);
  EXPECT_FALSE(lists::writeListSession(*s, why));
  EXPECT_NE(why.find("Rebel.lst"), std::string::npos);
  EXPECT_EQ(readFile(g.path("ZYN/combat/Mission.lst")), "7\rc7.kre\rSeven");
  EXPECT_FALSE(fs::exists(g.path("ZYN/combat/Imperial.lst")));
  // Opened again, the list in the way stops the window instead of showing an empty page.
  EXPECT_FALSE(lists::openListSession(g.settings, missionOf(4, {{1, 0}}), "m.kre", why));
  EXPECT_NE(why.find("Rebel.lst\": not a regular file"), std::string::npos) << why;
}

TEST(GameLists, ListsWrittenTogetherAreAllOrNone) {
  // A combat mission writes three lists; the last one fails as it replaces its file. The list
  // already replaced, the one written in place for its two names and the one created all go
  // back to what they were.
  GameTree g;
  writeFile(g.path("ZYN/combat/Imperial.lst"), "5\r\ni5.kre\r\nFive\r\n");
  fs::create_hard_link(g.path("ZYN/combat/Mission.lst"), g.path("ZYN/combat/Mission.old"));
  std::string why;
  auto s = lists::openListSession(g.settings, missionOf(4, {{1, 0}}), "m.kre", why);
  ASSERT_TRUE(s) << why;
  ASSERT_TRUE(lists::autoAdd(*s, "8", "Eight", why));
  model::setReplaceFaultForTesting(
      [](const std::string& target) { return target.ends_with("Imperial.lst") ? EIO : 0; });
  const bool written = lists::writeListSession(*s, why);
  model::setReplaceFaultForTesting({});
  EXPECT_FALSE(written);
  EXPECT_NE(why.find("Imperial.lst\": " + std::string(std::strerror(EIO))), std::string::npos)
      << why;
  EXPECT_FALSE(fs::exists(g.path("ZYN/combat/Rebel.lst")));
  EXPECT_EQ(readFile(g.path("ZYN/combat/Mission.old")), "7\rc7.kre\rSeven");
  EXPECT_EQ(readFile(g.path("ZYN/combat/Imperial.lst")), "5\r\ni5.kre\r\nFive\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(g.path("ZYN/combat")), fs::directory_iterator()),
            3)
      << "a temporary or kept file was left behind";
}

TEST(CustomLists, FileFormRoundTrips) {
  const lists::CustomList list{{"a.kre", "extra\\b.kre", "c.kre"}, "Word"};
  EXPECT_EQ(lists::customListBytes(list), "3\r\na.kre\r\nextra\\b.kre\r\nc.kre\r\nWord");
  EXPECT_EQ(lists::parseCustomList(lists::customListBytes(list)), list);
  const lists::CustomList twoLines{{"a.kre"}, "One\nTwo"};
  EXPECT_EQ(lists::customListBytes(twoLines), "1\r\na.kre\r\nOne\r\nTwo");
  // Other line ends, and a count beyond the lines there are.
  EXPECT_EQ(lists::parseCustomList("2\na.kre\nb.kre\nDesc\rMore"),
            (lists::CustomList{{"a.kre", "b.kre"}, "Desc\nMore"}));
  EXPECT_EQ(lists::parseCustomList("99999999999\na.kre"), (lists::CustomList{{"a.kre"}, ""}));
  EXPECT_FALSE(lists::parseCustomList("// Mission.lst\r\n1\r\n"));
  EXPECT_FALSE(lists::parseCustomList(""));
}

TEST(CustomLists, MissionPathsBelowTheFolder) {
  EXPECT_EQ(lists::missionPathInFolder("/g/COMBAT", "/g/combat/extra/b.kre"), "extra\\b.kre");
  EXPECT_EQ(lists::missionPathInFolder("/g/combat/", "/g/combat/a.kre"), "a.kre");
  EXPECT_FALSE(lists::missionPathInFolder("/g/combat", "/g/combatx/a.kre"));
  EXPECT_FALSE(lists::missionPathInFolder("/g/combat", "/h/a.kre"));
}

TEST(CustomLists, FoldersPerType) {
  GameTree g;
  fs::create_directories(g.path("ZYN/Quelvane/CAMPAIGN"));
  fs::create_directories(g.path("ZYN/Quelvane/Train"));
  const auto battle = lists::customListFolders(g.settings, lists::CustomListType::ZynBattle, false);
  EXPECT_EQ(battle.missions, g.path("ZYN/combat"));
  EXPECT_EQ(battle.missionList, g.path("ZYN/battle/Mission.lst"));
  EXPECT_EQ(battle.sideList, "");
  const auto campaign =
      lists::customListFolders(g.settings, lists::CustomListType::QvnCampaign, true);
  EXPECT_EQ(campaign.missions, g.path("ZYN/Quelvane/Train"));
  EXPECT_EQ(campaign.sideList, g.path("ZYN/Quelvane/CAMPAIGN/Imperial.lst"));
  EXPECT_STREQ(campaign.word, "Campaign");
}

TEST(LoadByList, RowsOfAList) {
  const Lines lines{"// comment", "[ Tour of Duty ]", "1",      "a.kre",   "First mission", "//",
                    "2",          "12 B.KRE",         "Second", "last.kre"};
  const std::vector<lists::ListRow> expected{{"[ Tour of Duty ]", "----", true},
                                             {"First mission", "a.kre", false},
                                             {"", "----", false},
                                             {"Second", "12 B.KRE", false},
                                             {"last.kre", "last.kre", false}};
  EXPECT_EQ(lists::listRows(lines), expected);
  EXPECT_FALSE(lists::listsNothing(expected));
  EXPECT_EQ(lists::rowFileName("12 B.KRE"), "B.KRE");
  // Comments only: blank rows that load nothing, a list that lists nothing.
  EXPECT_TRUE(lists::listsNothing(lists::listRows({"// one", "// two", "//", "7"})));
  // A first mission without a description is still a row that loads it.
  EXPECT_EQ(lists::listRows({"x.kre", ""}), (std::vector<lists::ListRow>{{"", "x.kre", false}}));
}

TEST(LoadByList, ExpansionEntryFallsBackToTheBaseGame) {
  GameTree g;
  fs::create_directories(g.path("ZYN/Quelvane/Combat"));
  const auto& combat = lists::loadTabs()[2];
  const std::string expansion = g.path("ZYN/Quelvane");
  std::string tried;
  EXPECT_EQ(lists::findListedMission(g.settings, expansion, combat, "C7.KRE", &tried),
            std::nullopt);
  EXPECT_EQ(tried, g.path("ZYN/Quelvane/Combat/C7.KRE"));
  writeFile(g.path("ZYN/combat/c7.kre"), "x");
  EXPECT_EQ(lists::findListedMission(g.settings, expansion, combat, "C7.KRE", &tried),
            g.path("ZYN/combat/c7.kre"));
}

}  // namespace
