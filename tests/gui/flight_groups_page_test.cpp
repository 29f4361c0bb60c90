// The "Flight Groups" page driven through its widgets, on a document of its own.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app/base/refusal_note.h"
#include "app/base/translations.h"
#include "app/document/mission_document.h"
#include "app/editing/fg_widgets.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/ship_list.h"
#include "editor_fixture.h"
#include "in_language.h"
#include "page_fixture.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

using namespace model;
using testing_gui::ScriptedPrompter;

namespace {

class FlightGroupsPageTest : public testing_gui::PageFixture {
 protected:
  // A mission of `n` flight groups named "G1".."Gn", unchanged.
  void start(int n = 3, const std::function<void(Mission&)>& edit = {}) {
    makePage(n, edit);
    page->resize(800, 500);
  }

  QString line(int row) { return page->shipList()->item(row)->text(); }
  QColor colour(int row) { return page->shipList()->item(row)->foreground().color(); }
  void showTab(app::FlightGroupsPage::Tab tab) { page->pages()->setCurrentIndex(tab); }
};

TEST_F(FlightGroupsPageTest, ListShowsEveryGroupInItsColourAndFollowsEdits) {
  start(3, [](Mission& m) {
    m.flightGroups[1].set(fg::Iff, u8{3});
    m.flightGroups[2].set(fg::ArrivalDifficulty, u8{6});  // never appears
  });
  QListWidget* list = page->shipList();
  ASSERT_EQ(list->count(), 3);
  EXPECT_TRUE(line(0).contains(QStringLiteral("G1")));
  EXPECT_EQ(colour(0), QColor(255, 0, 0));
  EXPECT_EQ(colour(1), QColor(255, 255, 0));
  EXPECT_EQ(colour(2), QColor(128, 128, 128));

  select({0});
  find<QComboBox>("IFFBox")->setCurrentIndex(0);
  testing_gui::EditorFixture::retype(find<QSpinBox>("FGSizeSpin"), QStringLiteral("4\n"));
  EXPECT_EQ(colour(0), QColor(0, 255, 0));
  EXPECT_TRUE(line(0).contains(QStringLiteral("[ 4 ]"))) << line(0).toStdString();
  EXPECT_EQ(find<QLabel>("FGInfo")->text(), QStringLiteral("Flight Group #1 of 3"));
  EXPECT_TRUE(find<QLabel>("TotalFGsLab")->text().endsWith(QStringLiteral(" Craft (medium)")));

  // Ctrl+G adds the goal summary to every line.
  Mission& m = testing_gui::contentOf(doc);
  set(m.flightGroups[0].goalBytes(0), goal::Condition, u8{2});
  set(m.flightGroups[0].goalBytes(0), goal::Argument, u8{1});
  set(m.flightGroups[0].goalBytes(0), goal::Team, u8{1});
  page->toggleGoalSummary();
  EXPECT_TRUE(page->goalSummary());
  EXPECT_TRUE(line(0).contains(QStringLiteral("[2Nd]"))) << line(0).toStdString();
}

// The craft of a global unit are numbered in list order: an edit of one group renumbers the
// lines of the later groups of its unit.
TEST_F(FlightGroupsPageTest, AnEditRenumbersTheLaterLinesOfItsUnit) {
  start(3, [](Mission& m) {
    for (std::size_t i = 0; i < 3; ++i) {
      m.flightGroups[i].set(fg::GlobalUnit, u8{5});
      m.flightGroups[i].set(fg::CraftCount, u8{2});
    }
  });
  EXPECT_TRUE(line(2).endsWith(QStringLiteral("G3 5"))) << line(2).toStdString();
  select({0});
  testing_gui::EditorFixture::retype(find<QSpinBox>("FGSizeSpin"), QStringLiteral("3\n"));
  EXPECT_TRUE(line(1).endsWith(QStringLiteral("G2 4"))) << line(1).toStdString();
  EXPECT_TRUE(line(2).endsWith(QStringLiteral("G3 6"))) << line(2).toStdString();
  select({1});
  testing_gui::EditorFixture::retype(find<QSpinBox>("GUSpin"), QStringLiteral("6\n"));
  EXPECT_TRUE(line(2).endsWith(QStringLiteral("G3 4"))) << line(2).toStdString();
}

TEST_F(FlightGroupsPageTest, EditWritesEverySelectedGroupAsOneStep) {
  start(3);
  select({0, 2});
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{0, 2}));
  const auto untouched = group(1).bytes;
  const int steps = doc.undoStack()->count();

  find<QComboBox>("AIBox")->setCurrentIndex(4);
  EXPECT_EQ(group(0).get(fg::AiRank), 4);
  EXPECT_EQ(group(2).get(fg::AiRank), 4);
  EXPECT_EQ(group(1).bytes, untouched);
  EXPECT_EQ(doc.undoStack()->count(), steps + 1);

  // A byte holds no more than 255: the box offers no more, so nothing is stored wrapped; waves
  // store value - 1.
  testing_gui::EditorFixture::retype(find<QSpinBox>("GGSpin"), QStringLiteral("300\n"));
  testing_gui::EditorFixture::retype(find<QSpinBox>("WaveSpin"), QStringLiteral("3\n"));
  find<QLineEdit>("CargoEd")->textEdited(QStringLiteral("Spare parts"));
  for (std::size_t i : {0u, 2u}) {
    EXPECT_EQ(group(i).get(fg::GlobalGroup), 255);
    EXPECT_EQ(group(i).get(fg::WaveCount), 2);
    EXPECT_EQ(group(i).text(fg::Cargo), "Spare parts");
  }
  EXPECT_EQ(group(1).bytes, untouched);

  doc.undoStack()->undo();
  EXPECT_EQ(group(0).text(fg::Cargo), "");
  EXPECT_EQ(group(0).get(fg::GlobalGroup), 255);
}

TEST_F(FlightGroupsPageTest, TypedTextThatIsNoNumberIsReportedAndChangesNothing) {
  start(1);
  auto* gg = find<app::NumberSpin>("GGSpin");
  const auto before = group(0).bytes;
  testing_gui::EditorFixture::retype(gg, QStringLiteral("abc\n"));
  EXPECT_EQ(group(0).bytes, before);
  EXPECT_EQ(app::shownRefusal(gg), QStringLiteral("'abc' is not a valid integer value"));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(gg->value(), 0);
  // A number above the byte's range is held to it, never wrapped.
  testing_gui::EditorFixture::retype(gg, QStringLiteral("5000\n"));
  EXPECT_EQ(group(0).get(fg::GlobalGroup), 255);
  // The box shows what the group holds.
  EXPECT_EQ(gg->value(), 255);
}

// The refusal is said in the user's language and repeats what was typed as it was typed, also
// characters a mission file could not hold.
TEST_F(FlightGroupsPageTest, ARefusalInTheUsersLanguageRepeatsWhatWasTyped) {
  const testing_gui::InLanguage language(QStringLiteral("de"));
  ASSERT_TRUE(language.installed());
  start(1);
  auto* gg = find<app::NumberSpin>("GGSpin");
  testing_gui::EditorFixture::retype(gg, QString::fromUtf8("x\u21921\n"));
  EXPECT_EQ(app::shownRefusal(gg),
            QString::fromUtf8("\u201ex\u21921\u201c ist keine g\u00fcltige ganze Zahl"));
}

// A number past what the byte holds is held to its range in every box of the tabs, never
// stored as its low byte (300 would have become 44).
TEST_F(FlightGroupsPageTest, NumbersPastAByteAreHeldToItNeverWrapped) {
  start(1);
  const std::pair<const char*, Field<u8>> boxes[] = {{"GGSpin", fg::GlobalGroup},
                                                     {"GUSpin", fg::GlobalUnit},
                                                     {"SpacingSpin", fg::FormationSpacing},
                                                     {"WaveSpin", fg::WaveCount},
                                                     {"OpFGCountSpin", fg::OptionalCraftCount},
                                                     {"OpShipWavesSpin", fg::OptionalCraftWaves},
                                                     {"ExpTimeSpin", fg::ExplosionTime}};
  // The optional craft's boxes take a number once their row holds a craft.
  showTab(app::FlightGroupsPage::OptionsTab);
  find<QComboBox>("OpShipTypes")->setCurrentIndex(4);
  find<QListWidget>("OpFGList")->setCurrentRow(0);
  find<QComboBox>("OpShipBox")->setCurrentIndex(5);
  for (const auto& [name, field] : boxes) {
    auto* spin = find<app::NumberSpin>(name);
    testing_gui::EditorFixture::retype(spin, QStringLiteral("300\n"));
    EXPECT_EQ(group(0).get(field), 255) << name;
  }
}

// The Ship tab says what each box holds (the waves, then the craft in each), and a number held to
// its box's range says so.
TEST_F(FlightGroupsPageTest, ShipBoxesSayWhatTheyHoldAndAHeldNumberSaysSo) {
  start(1);
  const std::pair<const char*, QString> labels[] = {
      {"WaveSpin", QStringLiteral("Waves:")}, {"FGSizeSpin", QStringLiteral("Craft per wave:")}};
  for (const auto& [box, text] : labels) {
    QString shown;
    for (QLabel* l : page->findChildren<QLabel*>())
      if (l->buddy() == find<QWidget>(box)) shown = l->text();
    EXPECT_EQ(shown, text) << box;
  }
  auto* size = find<app::NumberSpin>("FGSizeSpin");
  testing_gui::EditorFixture::retype(size, QStringLiteral("1000\n"));
  EXPECT_EQ(group(0).get(fg::CraftCount), 100);
  EXPECT_EQ(app::shownRefusal(size),
            QStringLiteral("1000 is past what this box takes (1 to 100): 100 is stored."));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(FlightGroupsPageTest, TypedDigitsAreOneValue) {
  start(1, [](Mission& m) {
    m.flightGroups[0].set(fg::CraftCount, u8{3});
    m.flightGroups[0].set(fg::SpecialCraft, u8{1});
  });
  auto* size = find<app::NumberSpin>("FGSizeSpin");
  size->editor()->selectAll();
  testing_gui::EditorFixture::type(size->editor(), QStringLiteral("15\n"));
  EXPECT_EQ(group(0).get(fg::CraftCount), 15);
  // Had "1" been taken on its way, the special craft would have left the group.
  EXPECT_EQ(group(0).get(fg::SpecialCraft), 1);
  EXPECT_EQ(doc.undoStack()->count(), 1);
}

TEST_F(FlightGroupsPageTest, CraftTypeWithAutoLinkMovesIffAndTeam) {
  start(2);
  Mission& m = testing_gui::contentOf(doc);
  m.teamIff[1] = 0;  // team 2 Rebel, team 1 Imperial
  m.flightGroups[1].autoLink = false;
  select({0, 1});
  auto* ship = find<QComboBox>("ShipBox");
  ship->setCurrentIndex(2);
  EXPECT_EQ(group(0).get(fg::CraftType), 2);
  EXPECT_EQ(group(0).get(fg::Iff), 0);
  EXPECT_EQ(group(0).get(fg::Team), 1);
  // Without auto-link only the type changes.
  EXPECT_EQ(group(1).get(fg::CraftType), 2);
  EXPECT_EQ(group(1).get(fg::Iff), 1);
  EXPECT_EQ(group(1).get(fg::Team), 0);
  EXPECT_EQ(find<QComboBox>("IFFBox")->currentIndex(), 0);
  EXPECT_EQ(find<QComboBox>("TeamBox")->currentIndex(), 1);
  EXPECT_EQ(colour(0), QColor(0, 255, 0));

  ship->setCurrentIndex(53);
  EXPECT_EQ(group(0).get(fg::Iff), 1);
  EXPECT_EQ(group(0).get(fg::Team), 0);
  EXPECT_TRUE(warnings().empty());

  // The auto-link check box writes the in-memory flag of every selected group.
  find<QCheckBox>("AutoLinkChk")->setChecked(false);
  EXPECT_FALSE(group(0).autoLink);
  select({1});
  find<QCheckBox>("AutoLinkChk")->setChecked(true);
  EXPECT_TRUE(group(1).autoLink);
  // Team change with auto-link: the IFF follows the team.
  find<QComboBox>("TeamBox")->setCurrentIndex(1);
  EXPECT_EQ(group(1).get(fg::Team), 1);
  EXPECT_EQ(group(1).get(fg::Iff), 0);
}

TEST_F(FlightGroupsPageTest, PlayableWarningsAndThePlanetStatusList) {
  start(1);
  testing_gui::contentOf(doc).platformId = FormatBase;
  auto* ship = find<QComboBox>("ShipBox");
  ship->setCurrentIndex(54);
  EXPECT_EQ(group(0).get(fg::CraftType), 54);
  ASSERT_EQ(warnings().size(), 1u);
  EXPECT_EQ(warnings()[0], QStringLiteral("That Ship is only available in Qvn"));
  ship->setCurrentIndex(31);
  ASSERT_EQ(warnings().size(), 2u);
  EXPECT_EQ(warnings()[1], QStringLiteral("That ship slot is not available in Zyn or Qvn"));
  settings.checkPlayable = false;
  ship->setCurrentIndex(54);
  EXPECT_EQ(warnings().size(), 2u);

  ship->setCurrentIndex(87);
  auto* status = find<QComboBox>("StatusBox");
  EXPECT_EQ(status->itemText(0).toStdString(), vocab.table(shell::tables::Planets)[0]);
  ship->setCurrentIndex(1);
  EXPECT_EQ(status->itemText(0), QStringLiteral("Normal"));

  // A player in a craft no player flies gets a warning; the value stays.
  ship->setCurrentIndex(30);
  find<QComboBox>("PlayerBox")->setCurrentIndex(0);
  find<QComboBox>("PlayerBox")->setCurrentIndex(2);
  EXPECT_EQ(group(0).get(fg::PlayerNumber), 2);
  EXPECT_EQ(warnings().back(), QStringLiteral("Non-Player Craft Chosen for Player"));
}

TEST_F(FlightGroupsPageTest, NameSetsMarkingsWhenLinked) {
  start(2, [](Mission& m) {
    m.flightGroups[0].set(fg::CraftType, u8{6});
    m.flightGroups[1].set(fg::CraftType, u8{1});
    m.flightGroups[1].set(fg::Markings, u8{2});
  });
  select({0, 1});
  auto* name = find<QComboBox>("ShipName");
  name->lineEdit()->selectAll();
  testing_gui::EditorFixture::type(name->lineEdit(), QStringLiteral("Rogue"));
  EXPECT_EQ(group(0).text(fg::Name), "Rogue");
  EXPECT_EQ(group(1).text(fg::Name), "Rogue");
  EXPECT_EQ(group(0).get(fg::Markings), 1);  // "Gold" is the first colour of type 6
  EXPECT_EQ(group(1).get(fg::Markings), 0);
  EXPECT_EQ(find<QComboBox>("ColorBox")->currentIndex(), 1);
  EXPECT_TRUE(line(0).endsWith(QStringLiteral("Rogue")) ||
              line(0).contains(QStringLiteral("Rogue")));
  // The name is stored as 20 bytes, zero-filled.
  for (std::size_t k = 5; k < 20; ++k) EXPECT_EQ(group(0).bytes[k], 0);

  // Without the link, or in a melee, the markings stay.
  settings.linkColor = false;
  name->setEditText(QStringLiteral("Blue"));
  EXPECT_EQ(group(0).get(fg::Markings), 1);
  settings.linkColor = true;
  testing_gui::contentOf(doc).header.set(header::MissionType, u8{Melee});
  name->setEditText(QStringLiteral("Green"));
  EXPECT_EQ(group(0).text(fg::Name), "Green");
  EXPECT_EQ(group(0).get(fg::Markings), 1);
}

TEST_F(FlightGroupsPageTest, TypingANameIsOneUndoStep) {
  start(2, [](Mission& m) {
    m.flightGroups[0].set(fg::CraftType, u8{1});
    m.flightGroups[0].set(fg::Markings, u8{2});
  });
  select({0});
  const auto before = group(0).bytes;
  auto* name = find<QComboBox>("ShipName");
  name->lineEdit()->selectAll();
  // "Red" on the way sets the markings; the later letters leave them as they are.
  testing_gui::EditorFixture::type(name->lineEdit(), QStringLiteral("Redwing"));
  EXPECT_EQ(group(0).text(fg::Name), "Redwing");
  EXPECT_EQ(group(0).get(fg::Markings), 0);
  EXPECT_EQ(doc.undoStack()->count(), 1);
  doc.undoStack()->undo();
  EXPECT_EQ(group(0).bytes, before);
  EXPECT_EQ(name->currentText(), QStringLiteral("G1"));
}

TEST_F(FlightGroupsPageTest, CountKeepsTheSpecialCraftRule) {
  start(2, [](Mission& m) {
    for (auto& g : m.flightGroups) g.set(fg::CraftCount, u8{3});
    m.flightGroups[0].set(fg::SpecialCraft, u8{3});  // not in the group
    m.flightGroups[1].set(fg::SpecialCraft, u8{1});
  });
  auto* special = find<QSpinBox>("SpecShpSpin");
  select({0});
  EXPECT_EQ(special->value(), 4);
  EXPECT_FALSE(find<QLineEdit>("SpecCargEd")->isVisibleTo(page.get()));
  select({0, 1});
  testing_gui::EditorFixture::retype(find<QSpinBox>("FGSizeSpin"), QStringLiteral("4\n"));
  EXPECT_EQ(group(0).get(fg::SpecialCraft), 4);
  EXPECT_EQ(group(1).get(fg::SpecialCraft), 1);
  EXPECT_EQ(special->value(), 5);
  // A number far outside the group, as a file may hold it, is shown as it is.
  testing_gui::contentOf(doc).flightGroups[1].set(fg::SpecialCraft, u8{7});
  select({1});
  EXPECT_EQ(special->value(), 8);
  EXPECT_FALSE(find<QLineEdit>("SpecCargEd")->isVisibleTo(page.get()));
  select({0, 1});

  // "Randomize?" shows the special cargo and locks the spin.
  find<QCheckBox>("RandomChk")->setChecked(true);
  EXPECT_EQ(group(0).get(fg::RandomSpecialCraft), 1);
  EXPECT_EQ(group(1).get(fg::RandomSpecialCraft), 1);
  EXPECT_TRUE(find<QLineEdit>("SpecCargEd")->isVisibleTo(page.get()));
  EXPECT_FALSE(special->isEnabled());
  find<QCheckBox>("RandomChk")->setChecked(false);
  EXPECT_TRUE(special->isEnabled());
  // Chosen with the arrows only (its text takes no typing): 5, 4, 3, 2.
  for (int i = 0; i < 3; ++i) testing_gui::EditorFixture::press(special, Qt::Key_Down);
  EXPECT_EQ(special->value(), 2);
  EXPECT_EQ(group(0).get(fg::SpecialCraft), 1);
  EXPECT_TRUE(find<QLineEdit>("SpecCargEd")->isVisibleTo(page.get()));
}

TEST_F(FlightGroupsPageTest, RoleBoxesWriteReadAndHoldFourChoices) {
  start(2, [](Mission& m) { m.flightGroups[1].setText(fg::Roles, "Apri6STA3sec"); });
  showTab(app::FlightGroupsPage::OptionsTab);
  auto* all = find<QComboBox>("CMDAllBox");
  auto* t1 = find<QComboBox>("CMDBox1");
  auto* t4 = find<QComboBox>("CMDBox4");
  select({1});
  EXPECT_EQ(all->currentIndex(), 6);
  EXPECT_EQ(find<QComboBox>("CMDBox3")->currentIndex(), 9);
  EXPECT_EQ(t1->currentIndex(), 0);

  select({0, 1});
  all->setCurrentIndex(1);
  EXPECT_EQ(group(0).text(fg::Roles), "aBAS");
  t1->setCurrentIndex(2);
  find<QComboBox>("CMDBox2")->setCurrentIndex(3);
  find<QComboBox>("CMDBox3")->setCurrentIndex(4);
  EXPECT_TRUE(prompter.shown.empty());
  t4->setCurrentIndex(12);
  ASSERT_EQ(prompter.texts(ScriptedPrompter::Kind::Information).size(), 1u);
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information)[0],
            QStringLiteral("Maximum of 4 CMD Choices per FG, Previous FG has been adjusted"));
  for (std::size_t i : {0u, 1u}) EXPECT_EQ(group(i).text(fg::Roles), "aBAS1COM2CON3MAN");
  EXPECT_EQ(t4->currentIndex(), 0);
  // The list marks mission-critical craft and primary targets.
  find<QComboBox>("CMDBox1")->setCurrentIndex(5);
  EXPECT_TRUE(line(0).contains(QStringLiteral(" *"))) << line(0).toStdString();
}

TEST_F(FlightGroupsPageTest, OptionalWeaponsArePackedAndToggled) {
  start(1, [](Mission& m) {
    // Bytes past the beam list's four items belong to nobody; they must survive.
    m.flightGroups[0].set(fg::OptionalBeams, u8{0xAA}, 4);
    m.flightGroups[0].set(fg::OptionalBeams, u8{0xAA}, 5);
  });
  showTab(app::FlightGroupsPage::OptionsTab);
  auto* missiles = find<QListWidget>("MissleSelBox");
  ASSERT_EQ(missiles->count(), 8);
  missiles->item(2)->setSelected(true);
  missiles->item(5)->setSelected(true);
  std::vector<u8> packed;
  for (std::size_t k = 0; k < 8; ++k) packed.push_back(group(0).get(fg::OptionalWarheads, k));
  EXPECT_EQ(packed, (std::vector<u8>{3, 6, 0, 0, 0, 0, 0, 0}));

  // Reading back after another group was shown selects the same items.
  page->refresh();
  EXPECT_TRUE(missiles->item(2)->isSelected());
  EXPECT_TRUE(missiles->item(5)->isSelected());
  EXPECT_FALSE(missiles->item(0)->isSelected());

  auto* toggle = find<QPushButton>("AllOptionsBtn");
  toggle->click();
  for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(group(0).get(fg::OptionalWarheads, k), k + 1);
  for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(group(0).get(fg::OptionalBeams, k), k + 1);
  for (std::size_t k = 0; k < 3; ++k)
    EXPECT_EQ(group(0).get(fg::OptionalCountermeasures, k), k + 1);
  EXPECT_EQ(group(0).get(fg::OptionalBeams, 4), 0xAA);
  EXPECT_EQ(group(0).get(fg::OptionalBeams, 5), 0xAA);
  EXPECT_EQ(find<QListWidget>("BeamSelBox")->selectedItems().size(), 4);
  toggle->click();
  for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(group(0).get(fg::OptionalWarheads, k), 0);
  EXPECT_EQ(group(0).get(fg::OptionalBeams, 5), 0xAA);
  // Selecting a group sets the toggle back to "on".
  toggle->click();
  page->newFlightGroup();
  select({0});
  toggle->click();
  EXPECT_EQ(group(0).get(fg::OptionalWarheads, 7), 8);
}

TEST_F(FlightGroupsPageTest, OptionalCraftRows) {
  start(1);
  showTab(app::FlightGroupsPage::OptionsTab);
  auto* rows = find<QListWidget>("OpFGList");
  EXPECT_EQ(rows->count(), 0);
  find<QComboBox>("OpShipTypes")->setCurrentIndex(4);
  EXPECT_EQ(group(0).get(fg::OptionalCraftCategory), 4);
  ASSERT_EQ(rows->count(), 10);
  EXPECT_EQ(rows->item(0)->text(), QStringLiteral("<None>"));
  rows->setCurrentRow(2);
  find<QComboBox>("OpShipBox")->setCurrentIndex(5);
  EXPECT_EQ(group(0).get(fg::OptionalCraft, 2), 5);
  EXPECT_EQ(group(0).get(fg::OptionalCraftCount, 2), 1);  // a craft needs a count
  testing_gui::EditorFixture::retype(find<QSpinBox>("OpShipWavesSpin"), QStringLiteral("3\n"));
  EXPECT_EQ(group(0).get(fg::OptionalCraftWaves, 2), 2);
  testing_gui::EditorFixture::retype(find<QSpinBox>("OpFGCountSpin"), QStringLiteral("260\n"));
  EXPECT_EQ(group(0).get(fg::OptionalCraftCount, 2), 255);
  EXPECT_TRUE(rows->item(2)->text().startsWith(QStringLiteral("3 x [ 255 ]  ")))
      << rows->item(2)->text().toStdString();
  // Another group starts on its first row; coming back does too.
  testing_gui::EditorFixture::retype(find<QSpinBox>("OpShipWavesSpin"), QStringLiteral("1\n"));
  page->newFlightGroup();
  select({0});
  EXPECT_EQ(rows->currentRow(), 0);
  EXPECT_EQ(find<QComboBox>("OpShipBox")->currentIndex(), group(0).get(fg::OptionalCraft, 0));
  find<QComboBox>("OpShipTypes")->setCurrentIndex(1);
  EXPECT_EQ(rows->count(), 0);
}

TEST_F(FlightGroupsPageTest, OtherTabShowsOrientationAndUnknownBytes) {
  start(1, [](Mission& m) {
    m.flightGroups[0].bytes[1125] = 7;
    m.flightGroups[0].bytes[147] = 1;
    m.flightGroups[0].bytes[153] = 9;
    m.header.set(header::HeaderByte11, u8{5});
  });
  showTab(app::FlightGroupsPage::OtherTab);
  auto* orient = find<QComboBox>("OrientationBox");
  ASSERT_EQ(orient->count(), 256);
  EXPECT_EQ(orient->itemText(0), QStringLiteral("On edge"));
  EXPECT_EQ(orient->itemText(64), QStringLiteral("Flat"));
  EXPECT_EQ(orient->itemText(192), QStringLiteral("Upside down"));
  EXPECT_EQ(orient->currentIndex(), 64);
  orient->setCurrentIndex(192);
  EXPECT_EQ(group(0).get(fg::ObjectOrientation), 192);
  EXPECT_EQ(find<QLabel>("UnkPt5Lab")->text(), QStringLiteral("Pt 5:   7"));
  EXPECT_EQ(find<QLabel>("UnkPt3Lab")->text(),
            QStringLiteral("Unknowns Pt 3 (Departure?):   1, 0, 0, 0, 0, 0, 9"));
  EXPECT_EQ(find<QLabel>("MissionUnksLab")->text(), QStringLiteral("Mission Unks: 0,  5,  0"));
  QWidget* area = nullptr;
  page->whenMissionSettingsArea([&area](QWidget* a) { area = a; });
  ASSERT_NE(area, nullptr);
  EXPECT_TRUE(page->tabFrame(app::FlightGroupsPage::OtherTab)->isAncestorOf(area));
}

TEST_F(FlightGroupsPageTest, MouseClicksSelectLines) {
  start(4);
  QListWidget* list = page->shipList();
  page->show();
  auto click = [list](int row, Qt::KeyboardModifiers mods) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QMouseEvent down(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at),
                     Qt::LeftButton, Qt::LeftButton, mods);
    QApplication::sendEvent(list->viewport(), &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at),
                   Qt::LeftButton, Qt::NoButton, mods);
    QApplication::sendEvent(list->viewport(), &up);
  };
  click(1, Qt::NoModifier);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{1}));
  click(3, Qt::ControlModifier);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{1, 3}));
  // A shift-click reaches from the last line clicked.
  click(0, Qt::ShiftModifier);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list->selectedItems().size(), 4);
  EXPECT_EQ(doc.currentFlightGroup(), 0);
  click(0, Qt::NoModifier);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{0}));

  // The line clicked last is the current one: the pages, the label and Copy follow it.
  click(2, Qt::ControlModifier);
  EXPECT_EQ(doc.currentFlightGroup(), 2);
  EXPECT_EQ(find<QLabel>("FGInfo")->text(), QStringLiteral("Flight Group #3 of 4"));
  EXPECT_EQ(find<QComboBox>("ShipName")->currentText(), QStringLiteral("G3"));
  page->copy();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G3");
  // The arrow keys move the current line with the focus.
  testing_gui::EditorFixture::press(list, Qt::Key_Up);
  EXPECT_EQ(doc.currentFlightGroup(), 1);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{1}));
}

TEST_F(FlightGroupsPageTest, SelectingAnotherGroupPassesTheChangedFlagOn) {
  start(3);
  select({0});
  find<QComboBox>("AIBox")->setCurrentIndex(3);
  EXPECT_TRUE(doc.changedFlags().flightGroup);
  EXPECT_FALSE(doc.changedFlags().mission);
  // The same line again changes nothing.
  select({0});
  EXPECT_TRUE(doc.changedFlags().flightGroup);
  select({2});
  EXPECT_FALSE(doc.changedFlags().flightGroup);
  EXPECT_TRUE(doc.changedFlags().mission);
  EXPECT_EQ(doc.currentFlightGroup(), 2);
  EXPECT_EQ(find<QComboBox>("AIBox")->currentIndex(), group(2).get(fg::AiRank));
  EXPECT_EQ(find<QLabel>("FGInfo")->text(), QStringLiteral("Flight Group #3 of 3"));
}

TEST_F(FlightGroupsPageTest, ListCommandsAndTheirMenu) {
  start(2);
  QListWidget* list = page->shipList();
  select({1});
  page->newFlightGroup();
  ASSERT_EQ(doc.mission().flightGroups.size(), 3u);
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{2}));
  EXPECT_EQ(list->selectedItems().size(), 1);
  EXPECT_TRUE(list->item(2)->isSelected());

  select({0});
  page->copy();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G1");
  EXPECT_TRUE(find<QLineEdit>("BufEd")->text().contains(QStringLiteral("G1")));
  page->paste();
  ASSERT_EQ(doc.mission().flightGroups.size(), 4u);
  EXPECT_EQ(group(3).name(), "G1");

  // Delete asks first; No keeps everything.
  prompter.answers = {QMessageBox::No};
  page->deleteSelected();
  EXPECT_EQ(doc.mission().flightGroups.size(), 4u);
  settings.confirmDeletes = false;
  page->deleteSelected();
  EXPECT_EQ(doc.mission().flightGroups.size(), 3u);
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), 1u);

  // The pop-up menu: the list's commands, then the main window's.
  QAction extra(QStringLiteral("&Open..."));
  page->setFileActions({&extra});
  QStringList texts;
  for (QAction* a : list->findChild<QMenu*>()->actions())
    if (!a->isSeparator()) texts << a->text();
  EXPECT_EQ(texts, (QStringList{"Add &FG", "&Delete", "&Copy", "&Paste", "Move &up", "&Move down",
                                "&Open..."}));
  page->setFileActions({});
  EXPECT_EQ(list->findChild<QMenu*>()->actions().size(), 6);
}

TEST_F(FlightGroupsPageTest, MoveAndCutAreSingleSteps) {
  start(4);
  select({1, 2});
  page->moveUp();
  EXPECT_EQ(group(0).name(), "G2");
  EXPECT_EQ(group(1).name(), "G3");
  EXPECT_EQ(group(2).name(), "G1");
  EXPECT_EQ(doc.selectedFlightGroups(), (std::vector<int>{0, 1}));
  EXPECT_TRUE(line(0).contains(QStringLiteral("G2")));
  // The first line selected: up does nothing.
  const int steps = doc.undoStack()->count();
  page->moveUp();
  EXPECT_EQ(doc.undoStack()->count(), steps);

  select({3});
  prompter.answers = {QMessageBox::No};
  page->cut();
  EXPECT_EQ(doc.mission().flightGroups.size(), 4u);
  prompter.answers = {QMessageBox::Yes};
  page->cut();
  ASSERT_EQ(doc.mission().flightGroups.size(), 3u);
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G4");
  // Undo brings the group back and leaves the clipboard as it is.
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups.size(), 4u);
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G4");
  doc.undoStack()->undo();
  EXPECT_EQ(group(0).name(), "G1");
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G4");
}

TEST_F(FlightGroupsPageTest, UndoGivesTheCopyBufferItsReferencesBack) {
  // G1's first order targets G4; G2's targets G3.
  start(4, [](Mission& m) {
    for (auto [from, to] : {std::pair<std::size_t, u8>{0, 3}, {1, 2}}) {
      Bytes order = m.flightGroups[from].orderBytes(0);
      set(order, order::Command, u8{7});
      set(order, order::Target1Type, u8{1});
      set(order, order::Target1, to);
    }
  });
  settings.confirmDeletes = false;
  auto bufferTarget = [this] {
    return doc.state().flightGroupBuffer.orderBytes(0)[order::Target1.offset];
  };
  select({0});
  page->copy();
  select({1});
  page->deleteSelected();
  EXPECT_EQ(bufferTarget(), 2);  // G4 is now the third group
  doc.undoStack()->undo();
  EXPECT_EQ(bufferTarget(), 3);
  doc.undoStack()->redo();
  EXPECT_EQ(bufferTarget(), 2);
  doc.undoStack()->undo();
  select({2});
  page->moveUp();
  EXPECT_EQ(bufferTarget(), 3);
  select({2});
  page->moveDown();
  EXPECT_EQ(bufferTarget(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(bufferTarget(), 3);
  const auto pasted = doc.undoStack()->index();
  page->paste();
  EXPECT_EQ(doc.undoStack()->index(), pasted + 1);
  EXPECT_EQ(group(4).orderBytes(0)[order::Target1.offset], 3);
  EXPECT_EQ(group(3).name(), "G4");
  doc.undoStack()->undo();

  doc.undoStack()->undo();  // the move up
  ASSERT_EQ(group(1).name(), "G2");

  // A cut copies before it renumbers: undone, the buffer names the restored groups again.
  select({0});
  prompter.answers = {QMessageBox::Yes};
  page->cut();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G1");
  EXPECT_EQ(bufferTarget(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G1");
  EXPECT_EQ(bufferTarget(), 3);
  EXPECT_TRUE(find<QLineEdit>("BufEd")->text().contains(QStringLiteral("G1")));

  // A buffer filled again after the operation belongs to the user: undo leaves it.
  select({1});
  page->deleteSelected();
  select({1});
  page->copy();
  doc.undoStack()->undo();
  EXPECT_EQ(doc.state().flightGroupBuffer.name(), "G3");
}

TEST_F(FlightGroupsPageTest, UndoOfADeleteGivesBackEveryByte) {
  start(4, [](Mission& m) {
    // References to groups 2 and 3 from an arrival trigger, an order and a message.
    Bytes arrival = m.flightGroups[0].part(fg::ArrivalTriggers, trigger::Size);
    set(arrival, trigger::Condition, u8{2});
    set(arrival, trigger::VariableType, u8{1});
    set(arrival, trigger::Variable, u8{3});
    Bytes order = m.flightGroups[3].orderBytes(0);
    set(order, order::Command, u8{7});
    set(order, order::Target1Type, u8{1});
    set(order, order::Target1, u8{2});
    m.addMessage();
    Bytes t = m.messages[0].part(message::Triggers, trigger::Size);
    set(t, trigger::Condition, u8{2});
    set(t, trigger::VariableType, u8{1});
    set(t, trigger::Variable, u8{3});
  });
  const auto groups = doc.mission().flightGroups;
  const auto messageBytes = doc.mission().messages[0].bytes;
  const auto header = doc.mission().header.bytes;
  prompter.answers = {QMessageBox::Yes};
  select({1});
  page->deleteSelected();
  const Mission& m = doc.mission();
  ASSERT_EQ(m.flightGroups.size(), 3u);
  EXPECT_EQ(m.flightGroups[0].bytes[fg::ArrivalTriggers + 2], 2);
  EXPECT_EQ(m.flightGroups[2].orderBytes(0)[order::Target1.offset], 1);
  EXPECT_EQ(m.messages[0].bytes[message::Triggers + 2], 2);
  EXPECT_EQ(m.header.get(header::FlightGroupCount), 3);
  EXPECT_EQ(page->shipList()->count(), 3);

  doc.undoStack()->undo();
  ASSERT_EQ(m.flightGroups.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(m.flightGroups[i].bytes, groups[i].bytes) << "group " << i;
    EXPECT_EQ(m.flightGroups[i].goalStrings.bytes, groups[i].goalStrings.bytes);
  }
  EXPECT_EQ(m.messages[0].bytes, messageBytes);
  EXPECT_EQ(m.header.bytes, header);
  EXPECT_EQ(page->shipList()->count(), 4);
  EXPECT_TRUE(line(1).contains(QStringLiteral("G2")));
}

TEST_F(FlightGroupsPageTest, DeletingEveryGroupLeavesQuietPages) {
  start(2);
  settings.confirmDeletes = false;
  select({0, 1});
  page->deleteSelected();
  EXPECT_TRUE(doc.mission().flightGroups.empty());
  EXPECT_EQ(page->shipList()->count(), 0);
  // Nothing to write into: the controls do nothing.
  find<QComboBox>("AIBox")->setCurrentIndex(1);
  testing_gui::EditorFixture::retype(find<QSpinBox>("FGSizeSpin"), QStringLiteral("7\n"));
  showTab(app::FlightGroupsPage::OptionsTab);
  showTab(app::FlightGroupsPage::OtherTab);
  page->newFlightGroup();
  EXPECT_EQ(doc.mission().flightGroups.size(), 1u);
  EXPECT_EQ(page->shipList()->count(), 1);
}

TEST_F(FlightGroupsPageTest, DeletingEveryGroupClearsTheBoxes) {
  start(2, [](Mission& m) { m.flightGroups[0].setText(fg::Cargo, "Spice"); });
  page->show();
  settings.confirmDeletes = false;
  select({0, 1});
  page->deleteSelected();
  EXPECT_EQ(find<QComboBox>("ShipName")->currentText(), QString());
  EXPECT_EQ(find<QComboBox>("ShipBox")->currentText(), QString());
  EXPECT_EQ(find<QSpinBox>("FGSizeSpin")->text(), QString());
  EXPECT_EQ(find<QLineEdit>("CargoEd")->text(), QString());
  // A new group shows its values again.
  page->newFlightGroup();
  EXPECT_EQ(find<QSpinBox>("FGSizeSpin")->text(),
            QString::number(doc.mission().flightGroups[0].get(fg::CraftCount)));
}

TEST_F(FlightGroupsPageTest, PasteSelectsAndShowsTheNewGroup) {
  start(40);
  page->show();
  select({0});
  page->copy();
  page->paste();
  QApplication::processEvents();
  QListWidget* list = page->shipList();
  EXPECT_EQ(doc.selectedFlightGroups(), std::vector<int>{40});
  EXPECT_EQ(list->currentRow(), 40);
  EXPECT_TRUE(list->viewport()->rect().intersects(list->visualItemRect(list->item(40))));
}

// Tab goes on to the box to the right, or the first one of the next line.
TEST_F(FlightGroupsPageTest, TabFollowsTheVisualOrder) {
  start();
  const std::pair<const char*, const char*> steps[] = {{"WaveSpin", "FGSizeSpin"},
                                                       {"FGSizeSpin", "TeamBox"},
                                                       {"TeamBox", "IFFBox"},
                                                       {"MissleBox", "Status2Box"},
                                                       {"OpShipWavesSpin", "OpFGCountSpin"}};
  for (const auto& [from, to] : steps) {
    QWidget* w = find<QWidget>(from);
    // The next widget Tab stops at: past labels and the entries inside the box itself.
    QWidget* next = w->nextInFocusChain();
    while (next && next != w && (!(next->focusPolicy() & Qt::TabFocus) || w->isAncestorOf(next)))
      next = next->nextInFocusChain();
    EXPECT_EQ(next, find<QWidget>(to)) << from;
  }
}

// Until the user moves the splitter the list is as wide as its lines; on a wide page the
// property tabs stop growing and the list takes the rest.
TEST_F(FlightGroupsPageTest, ListIsAsWideAsItsLinesUntilTheUserMovesTheSplitter) {
  start(2, [](Mission& m) { m.flightGroups[1].setText(fg::Name, "Relay Station"); });
  page->resize(1100, 500);
  page->show();
  QApplication::processEvents();
  app::ShipList* list = page->shipList();
  auto* split = find<QSplitter>("FlightGroupSplitter");
  EXPECT_GE(list->width(), list->sizeHint().width());
  EXPECT_LE(page->pages()->width(), 680);

  // Longer lines widen the list.
  const int before = list->width();
  doc.setText(RecordKind::FlightGroup, 0, fg::Name, "Relay Station Omega");
  QApplication::processEvents();
  EXPECT_GT(list->width(), before);
  EXPECT_GE(list->width(), list->sizeHint().width());

  // A position the user dragged to stays.
  QSplitterHandle* handle = split->handle(1);
  const QPoint at = handle->rect().center();
  auto mouse = [&](QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent e(type, p, handle->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(handle, &e);
  };
  mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
  mouse(QEvent::MouseMove, at - QPoint(100, 0), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, at - QPoint(100, 0), Qt::NoButton);
  const int dragged = split->sizes().first();
  EXPECT_LT(dragged, list->sizeHint().width());
  doc.setText(RecordKind::FlightGroup, 1, fg::Name, "Twenty letters long!");
  QApplication::processEvents();
  EXPECT_EQ(split->sizes().first(), dragged);
}

}  // namespace

namespace {

// Pictures of the page inside the main window, for a person to look at, in English ("fg-tab-N")
// and in the pseudo-translation ("fg-tab-pseudo-N"), whose longer texts must fit as well.
class FlightGroupsPageGrab : public testing_gui::EditorFixture,
                             public testing::WithParamInterface<const char*> {
 protected:
  void TearDown() override {
    testing_gui::EditorFixture::TearDown();
    app::removeTranslations();
  }
};

TEST_P(FlightGroupsPageGrab, DISABLED_GrabTabs) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the page";
  const std::string file = writeMission("dozen.kre", 14, "Dozen", [](Mission& m) {
    const char* names[] = {"Red",   "Gold",  "Blue",  "Alpha", "Beta",  "Gamma",
                           "Delta", "Eagle", "Rogue", "Omega", "Kappa", "Sigma"};
    while (m.flightGroups.size() < 12) m.addFlightGroup();
    for (std::size_t i = 0; i < 12; ++i) {
      FlightGroup& g = m.flightGroups[i];
      g.setText(fg::Name, names[i]);
      g.set(fg::Iff, static_cast<u8>(i % 6));
      g.set(fg::Team, static_cast<u8>(i % 3));
      g.set(fg::CraftType, static_cast<u8>(1 + i * 7));
      g.set(fg::CraftCount, static_cast<u8>(1 + i % 4));
      g.set(fg::GlobalGroup, static_cast<u8>(i / 4));
      g.set(fg::GlobalUnit, static_cast<u8>(i % 2 ? 5 : 0));
      g.set(fg::PlayerNumber, static_cast<u8>(i == 0 ? 1 : 0));
      g.set(fg::ArrivalDifficulty, static_cast<u8>(i == 7 ? 6 : i % 4));
    }
    m.flightGroups[2].setText(fg::Roles, "aMIS1PRI");
    m.flightGroups[3].set(fg::OptionalCraftCategory, u8{4});
    m.flightGroups[3].set(fg::OptionalCraft, u8{3}, 0);
    m.flightGroups[3].set(fg::OptionalCraftCount, u8{2}, 0);
  });
  const QString language = QString::fromLatin1(GetParam());
  if (language != QLatin1String("en")) {
    ASSERT_TRUE(app::installTranslation(language));
  }
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  window->resize(810, 580);
  auto* page = find<app::FlightGroupsPage>("FlightGroupsPage");
  page->copy();
  QItemSelection sel;
  for (int r : {3, 4})
    sel.select(page->shipList()->model()->index(r, 0), page->shipList()->model()->index(r, 0));
  page->shipList()->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  for (int i = 0; i < page->pages()->count(); ++i) {
    page->pages()->setCurrentIndex(i);
    QApplication::processEvents();
    const QString prefix =
        language == QLatin1String("en") ? QString() : language + QLatin1Char('-');
    window->grab().save(QString("%1/fg-tab-%2%3.png").arg(QString(out), prefix).arg(i));
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, FlightGroupsPageGrab, testing::Values("en", "pseudo"));

}  // namespace
