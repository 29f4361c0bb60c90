// The editor as a desktop user meets it: the wheel, Ctrl+A, the title star, raw values, the
// menu bar.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QWheelEvent>

#include "editor_fixture.h"
#include "model/layouts.h"

namespace {

using namespace testing_gui;
namespace fg = model::fg;

class Desktop : public EditorFixture {
 protected:
  void open(const std::function<void(model::Mission&)>& edit = {}) {
    const std::string file = writeMission("desk.kre", 14, "Desk", edit);
    start();
    ASSERT_TRUE(window->load(QString::fromStdString(file)));
  }
};

TEST_F(Desktop, WheelOverTheUnfocusedIffBoxChangesNothing) {
  open();
  auto* iff = find<QComboBox>("IFFBox");
  const auto before = mission().flightGroups[0].get(fg::Iff);
  QWheelEvent e(QPointF(5, 5), iff->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(iff, &e);
  EXPECT_EQ(mission().flightGroups[0].get(fg::Iff), before);
  EXPECT_FALSE(doc().isChanged());
}

TEST_F(Desktop, CtrlAInTheNameFieldSelectsAll) {
  open([](model::Mission& m) { m.flightGroups[0].setText(fg::Name, "Red Leader"); });
  QLineEdit* name = find<QComboBox>("ShipName")->lineEdit();
  name->setFocus();
  press(name, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
  EXPECT_EQ(name->selectedText(), QStringLiteral("Red Leader"));
  EXPECT_EQ(prompter.saveCalls, 0);
}

TEST_F(Desktop, TitleStarComesWithAnEditAndGoesWithUndo) {
  open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1 - (desk.kre) - Desk"));
  auto* ai = find<QComboBox>("AIBox");
  ai->setCurrentIndex(ai->currentIndex() == 1 ? 2 : 1);
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1 - (desk.kre*) - Desk"));
  doc().undoStack()->undo();
  EXPECT_EQ(window->windowTitle(), QStringLiteral(" ZynED 1.1 - (desk.kre) - Desk"));
}

TEST_F(Desktop, AValueOutsideItsTableShowsAsItsNumberAndIsKept) {
  open([](model::Mission& m) { m.flightGroups[0].set(fg::AiRank, std::uint8_t{255}); });
  auto* ai = find<QComboBox>("AIBox");
  EXPECT_EQ(ai->currentIndex(), -1);
  EXPECT_EQ(ai->placeholderText(), QStringLiteral("255"));
  find<QComboBox>("IFFBox")->setCurrentIndex(2);  // another edit refills the tab
  EXPECT_EQ(mission().flightGroups[0].get(fg::AiRank), 255);
  EXPECT_EQ(ai->placeholderText(), QStringLiteral("255"));
}

TEST_F(Desktop, MenuBarHoldsTheToolBarsActionsWithTheirShortcuts) {
  start();
  auto* file = find<QMenu>("FileMenu");
  QAction* saveAs = find<QAction>("SaveAsAction");
  ASSERT_TRUE(file && saveAs);
  EXPECT_TRUE(file->actions().contains(saveAs));
  EXPECT_EQ(saveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  for (const char* menu : {"EditMenu", "ViewMenu", "ToolsMenu", "HelpMenu"})
    EXPECT_FALSE(find<QMenu>(menu)->actions().isEmpty()) << menu;
  EXPECT_FALSE(saveAs->icon().isNull());
}

}  // namespace
