// Undo and redo bring the user to what they changed: the page and tab of the changed field.
#include <QTabWidget>

#include "app/editing/flight_groups_page.h"
#include "editor_fixture.h"

namespace {

class UndoPlace : public testing_gui::EditorFixture {
 protected:
  QTabWidget* pages() { return find<QTabWidget>(QStringLiteral("OverallPages")); }
  QString inFront() { return pages()->currentWidget()->objectName(); }
  void bring(const char* page) { pages()->setCurrentWidget(find<QWidget>(page)); }
  QUndoStack* history() { return doc().undoStack(); }
};

TEST_F(UndoPlace, UndoAndRedoBringThePageAndTabOfTheChangeToTheFront) {
  start();
  auto* groups = find<app::FlightGroupsPage>(QStringLiteral("FlightGroupsPage"));
  QTabWidget* tabs = groups->pages();
  doc().setField(app::RecordKind::FlightGroup, 0, model::fg::CraftCount, 3);  // Ship tab
  bring("MessagesPage");
  tabs->setCurrentIndex(app::FlightGroupsPage::OrdersTab);
  history()->undo();
  EXPECT_EQ(inFront(), QStringLiteral("FlightGroupsPage"));
  EXPECT_EQ(tabs->currentIndex(), app::FlightGroupsPage::ShipTab);
  bring("TeamsPage");
  history()->redo();
  EXPECT_EQ(inFront(), QStringLiteral("FlightGroupsPage"));

  // A change no control shows in a field of its own: the page of its records.
  doc().setTextBlock(app::MissionDocument::Block::Description, "Escort the convoy.");
  bring("GlobalGoalsPage");
  history()->undo();
  EXPECT_EQ(inFront(), QStringLiteral("DescriptionPage"));
  history()->undo();  // the craft count again: its page and tab
  EXPECT_EQ(inFront(), QStringLiteral("FlightGroupsPage"));
  EXPECT_EQ(tabs->currentIndex(), app::FlightGroupsPage::ShipTab);
}

}  // namespace
