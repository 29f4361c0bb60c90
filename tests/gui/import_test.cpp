// Opening missions of the older game from the open dialog, and their orders on the Orders tab.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <fstream>

#include "app/editing/flight_groups_page.h"
#include "editor_fixture.h"
#include "older/import.h"
#include "older_generator.h"

using PromptKind = testing_gui::ScriptedPrompter::Kind;

namespace {

class OlderImport : public testing_gui::EditorFixture {
 protected:
  // An older mission of two flight groups (orders 8 and 1) and a moon, fought over its surface.
  std::string writeOlder(const std::string& name) {
    testgen::OlderMissionFile f;
    testgen::put16(f.header, 6, 1);
    for (int order : {8, 1}) {
      auto& g = f.addFlightGroup();
      testgen::putText(g, 0, 16, order == 8 ? "ALPHA" : "BETA");
      testgen::put16(g, 56, 2);  // craft count
      testgen::put16(g, 134, order);
    }
    testgen::put16(f.addObjectGroup(), 50, 49);
    const std::string p = path(name);
    const auto bytes = f.bytes();
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return p;
  }
  void open(const std::string& p) {
    prompter.openNames = {QString::fromStdString(p)};
    window->openMission();
  }
  QString explanation() {
    auto* page = find<app::FlightGroupsPage>(QStringLiteral("FlightGroupsPage"));
    page->pages()->setCurrentIndex(app::FlightGroupsPage::OrdersTab);
    QApplication::processEvents();
    return find<QLabel>(QStringLiteral("XWOrderLab"))->text();
  }
};

TEST_F(OlderImport, OpensAsAnUnnamedMissionInTheChosenFormatWithTheNotices) {
  const std::string p = writeOlder("old.vtn");
  start();
  doc().setFormat(model::FormatBase);
  prompter.shown.clear();
  open(p);

  EXPECT_EQ(mission().flightGroups.size(), 3u);
  EXPECT_EQ(mission().flightGroups[0].name(), "Alpha");
  EXPECT_EQ(mission().platformId, model::FormatBase);
  EXPECT_FALSE(doc().named());
  EXPECT_TRUE(doc().isChanged());
  EXPECT_EQ(prompter.texts(PromptKind::Information),
            (std::vector<QString>{QString::fromLatin1(older::PlanetNotice),
                                  QString::fromLatin1(older::SurfaceNotice)}));
  EXPECT_EQ(prompter.texts(PromptKind::Error),
            std::vector<QString>{QString::fromLatin1(older::MissingBriefingMessage)});

  // Save asks for a name.
  prompter.saveNames = {QString::fromStdString(path("new.kre"))};
  EXPECT_TRUE(window->save());
  EXPECT_EQ(prompter.saveCalls, 1);
  EXPECT_EQ(doc().fileName(), path("new.kre"));
}

TEST_F(OlderImport, TheTitleNamesTheImportWhileItsNoticesAreUpAndSaveAsOffersItsName) {
  const std::string before = writeMission("before.kre");
  const std::string p = writeOlder("Old Raid.vtn");
  start({QString::fromStdString(before)});
  prompter.shown.clear();
  open(p);
  ASSERT_FALSE(prompter.shown.empty());
  for (const auto& box : prompter.shown) {
    EXPECT_EQ(box.windowTitle, window->windowTitle()) << box.text.toStdString();
    EXPECT_FALSE(box.windowTitle.contains(QStringLiteral("before.kre")));
  }
  window->saveAs();
  EXPECT_EQ(QFileInfo(prompter.lastSaveDir).fileName(), QStringLiteral("Old Raid.kre"));
}

TEST_F(OlderImport, DamagedFileIsRefusedAndTheOpenMissionStays) {
  const std::string good = writeMission("good.kre", 14, "Good");
  auto bytes = fileBytes(writeOlder("cut.vtn"));
  bytes.resize(bytes.size() - 10);
  {
    std::ofstream(path("cut.vtn"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(good)));
  const auto before = model::writeMission(mission());
  prompter.shown.clear();
  open(path("cut.vtn"));
  const auto errors = prompter.texts(PromptKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].contains(QStringLiteral("cut.vtn")));
  EXPECT_EQ(model::writeMission(mission()), before);
  EXPECT_EQ(doc().fileName(), good);
}

TEST_F(OlderImport, OrdersTabShowsTheOlderOrderWhileTheMissionStaysOpen) {
  const std::string p = writeOlder("old.vtn");
  start();
  open(p);
  model::Mission expected;
  const auto texts = older::importMissionFile(p, expected, {}).extras.orderTexts;
  ASSERT_EQ(texts.size(), 3u);

  EXPECT_EQ(explanation().toStdString(), texts[0]);
  doc().selectFlightGroups({2});
  EXPECT_EQ(explanation().toStdString(), older::ObjectOrderText);
  // The text goes with its flight group when the list changes.
  doc().selectFlightGroups({0});
  doc().moveFlightGroupsDown();
  doc().selectFlightGroups({1});
  EXPECT_EQ(explanation().toStdString(), texts[0]);

  // Another Mission forgets them.
  prompter.defaultAnswer = QMessageBox::No;
  window->newMission();
  EXPECT_FALSE(explanation().startsWith(QStringLiteral("[Vortan]")));
}

}  // namespace
