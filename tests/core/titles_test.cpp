#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "model/mission.h"
#include "shell/titles.h"

namespace {

TEST(WindowTitle, StartAndNewMission) {
  EXPECT_EQ(shell::startupTitle(), " ZynED 1.1");
  EXPECT_EQ(shell::newMissionTitle(), " ZynED 1.1 - [Unnamed]");
}

TEST(WindowTitle, LoadDropsALeadingMarkOnlyFromLongerTitles) {
  EXPECT_EQ(shell::loadedTitle("/games/zyn/TRAIN/m1.kre", ">Ambush"),
            " ZynED 1.1 - (m1.kre) - Ambush");
  EXPECT_EQ(shell::loadedTitle("/m1.kre", ">"), " ZynED 1.1 - (m1.kre) - >");
  EXPECT_EQ(shell::loadedTitle("/m1.kre", "A>B"), " ZynED 1.1 - (m1.kre) - A>B");
  EXPECT_EQ(shell::loadedTitle("C:\\Zyn\\m2.kre", ""), " ZynED 1.1 - (m2.kre) - ");
  // Only the first mark goes.
  EXPECT_EQ(shell::loadedTitle("m.kre", ">>x"), " ZynED 1.1 - (m.kre) - >x");
}

TEST(WindowTitle, SaveKeepsTheTitleAsStored) {
  EXPECT_EQ(shell::savedTitle("/games/m1.kre", ">Ambush"), " ZynED 1.1 - (m1.kre) - >Ambush");
}

TEST(WindowTitle, MissionTitleIsConvertedFromTheFileCharacterSet) {
  EXPECT_EQ(shell::loadedTitle("/m.kre", ">Caf\xE9"), " ZynED 1.1 - (m.kre) - Caf\xC3\xA9");
}

TEST(WindowTitle, FromTheMission) {
  model::Mission m;
  m.newMission();
  m.briefings[0].strings[0] = ">Title";
  EXPECT_EQ(shell::loadedTitle("/x/y/Z.KRE", m.title()), " ZynED 1.1 - (Z.KRE) - Title");
  EXPECT_EQ(shell::savedTitle("/x/y/Z.KRE", m.title()), " ZynED 1.1 - (Z.KRE) - >Title");
}

TEST(SaveDialogFolder, ByFormatAndMissionType) {
  namespace fs = std::filesystem;
  const std::string game = "/g/zyn", expansion = "/g/zyn/Quelvane";
  auto folder = [&](std::int16_t format, int type) {
    return shell::saveDialogFolder(format, type, game, expansion);
  };
  EXPECT_EQ(folder(model::FormatExpansion, 0), (fs::path(expansion) / "Train").string());
  EXPECT_EQ(folder(model::FormatBase, 0), (fs::path(game) / "Train").string());
  EXPECT_EQ(folder(model::FormatBase, 3), (fs::path(game) / "Train").string());
  EXPECT_EQ(folder(model::FormatBase, 2), (fs::path(game) / "Melee").string());
  EXPECT_EQ(folder(model::FormatExpansion, 4), (fs::path(expansion) / "Combat").string());
  EXPECT_EQ(folder(model::FormatBase, 1), game);
  EXPECT_EQ(folder(model::FormatExpansion, 1), expansion);
}

TEST(SaveDialogFolder, KeepsTheCaseOfAnExistingSubfolder) {
  namespace fs = std::filesystem;
  const fs::path game =
      fs::temp_directory_path() / ("zyned_titles_" + std::to_string(std::random_device{}()));
  fs::remove_all(game);
  fs::create_directories(game / "TRAIN");
  EXPECT_EQ(shell::saveDialogFolder(model::FormatBase, 0, game.string(), game.string()),
            (game / "TRAIN").string());
  EXPECT_EQ(shell::saveDialogFolder(model::FormatBase, 2, game.string(), game.string()),
            (game / "Melee").string());
  fs::remove_all(game);
}

}  // namespace

TEST(ChangedTitle, StarAfterTheFileNameOnlyWhileChanged) {
  EXPECT_EQ(shell::changedTitle(" ZynED 1.1 - (M1.KRE) - Rescue", true),
            " ZynED 1.1 - (M1.KRE*) - Rescue");
  EXPECT_EQ(shell::changedTitle(" ZynED 1.1 - (M1.KRE) - Rescue", false),
            " ZynED 1.1 - (M1.KRE) - Rescue");
  EXPECT_EQ(shell::changedTitle(" ZynED 1.1 - (a (b).kre) - x - y", true),
            " ZynED 1.1 - (a (b).kre*) - x - y");
  EXPECT_EQ(shell::changedTitle(" ZynED 1.1 - [Unnamed]", true), " ZynED 1.1 - [Unnamed*]");
  EXPECT_EQ(shell::changedTitle(" ZynED 1.1", true), " ZynED 1.1");
}
