// The "WPs" tab: typed kilometres and raw values reach every selected flight group, refused
// text stores nothing, and each change can be undone.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

#include "app/editing/wps_page.h"
#include "context_fixture.h"

namespace {

namespace fg = model::fg;
using testing_gui::ContextFixture;
using PromptKind = testing_gui::ScriptedPrompter::Kind;

class WpsPageTest : public ContextFixture {
 protected:
  void open() {
    load(3, 0);
    doc.selectFlightGroups({0, 2}, 0);
    page = std::make_unique<app::WpsPage>(context);
    km = find<QTableWidget>(page.get(), "WPGrid");
    raw = find<QTableWidget>(page.get(), "WPRawGrid");
  }
  // Types `text` into a cell as the user does, key by key in the cell's editor, and presses Enter.
  static void edit(QTableWidget* grid, int row, int column, const QString& text) {
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, column)));
    ASSERT_NE(editor, nullptr);
    testing_gui::EditorFixture::retype(editor, text + QLatin1Char('\n'));
    QApplication::processEvents();  // Enter commits the cell from the event loop
  }
  int x(std::size_t group, std::size_t row) {
    return doc.mission().flightGroups.at(group).get(fg::WaypointX, row);
  }

  std::unique_ptr<app::WpsPage> page;
  QTableWidget* km = nullptr;
  QTableWidget* raw = nullptr;
};

TEST_F(WpsPageTest, KilometresReachEverySelectedGroup) {
  open();
  edit(km, 4, 0, QStringLiteral("1.5"));
  EXPECT_EQ(x(0, 4), 240);
  EXPECT_EQ(x(2, 4), 240);
  EXPECT_EQ(x(1, 4), 0);
  EXPECT_EQ(raw->item(4, 0)->text(), QStringLiteral("240"));
  EXPECT_EQ(km->item(4, 0)->text(), QStringLiteral("1.50"));
  doc.undoStack()->undo();
  EXPECT_EQ(x(0, 4), 0);
  EXPECT_EQ(x(2, 4), 0);
  EXPECT_EQ(km->item(4, 0)->text(), QStringLiteral("0.00"));
}

// Both grids name their rows as the Enabled list does, and each line of the list sits at its row,
// at the top and scrolled to the bottom.
TEST_F(WpsPageTest, RowsAreNamedAndLineUpWithEnabled) {
  open();
  page->resize(700, 300);
  page->show();
  QApplication::processEvents();
  auto* enabled = find<QListWidget>(page.get(), "WPEnabledList");
  const auto middle = [](QAbstractItemView* view, const QRect& r) {
    return view->viewport()->mapToGlobal(r.center()).y();
  };
  for (const int row : {0, 21})
    for (QTableWidget* grid : {km, raw}) {
      grid->scrollToItem(grid->item(row, 0));
      QApplication::processEvents();
      ASSERT_NE(grid->verticalHeaderItem(row), nullptr);
      EXPECT_EQ(grid->verticalHeaderItem(row)->text(), enabled->item(row)->text());
      EXPECT_NEAR(middle(grid, grid->visualItemRect(grid->item(row, 0))),
                  middle(enabled, enabled->visualItemRect(enabled->item(row))), 1)
          << row;
    }
}

TEST_F(WpsPageTest, RefusedTextStoresNothingAndSaysWhy) {
  open();
  struct Case {
    QTableWidget* grid;
    const char* text;
  };
  for (const Case& c : {Case{km, "abc"}, Case{km, "300"}, Case{raw, "40000"}, Case{raw, "1.5"},
                        Case{km, "2\u2192"}}) {
    edit(c.grid, 0, 0, QString::fromUtf8(c.text));
    EXPECT_EQ(x(0, 0), 0) << c.text;
  }
  // Each grid says what it takes.
  EXPECT_EQ(prompter.texts(PromptKind::Error),
            (std::vector<QString>{
                "\"abc\" is not a number of km.",
                "\"300\" km is off the map: coordinates run from -204.800 to 204.794 km.",
                "\"40000\" is off the map: raw coordinates run from -32768 to 32767.",
                "\"1.5\" is not a whole number.",
                QString::fromUtf8("\"2\u2192\" is not a number of km.")}));
  EXPECT_FALSE(doc.undoStack()->canUndo());
}

TEST_F(WpsPageTest, RawValuesAndThreeDecimals) {
  open();
  edit(raw, 1, 0, QStringLiteral("-2"));
  EXPECT_EQ(x(0, 1), -2);
  find<QCheckBox>(page.get(), "ThreeDec")->setChecked(true);
  EXPECT_EQ(km->item(1, 0)->text(), QStringLiteral("-0.013"));
}

TEST_F(WpsPageTest, BriefingPointsTakeStartOne) {
  open();
  edit(km, 0, 1, QStringLiteral("2"));
  prompter.answers = {QMessageBox::Yes};
  find<QPushButton>(page.get(), "BrfPointsBut")->click();
  for (std::size_t g : {0u, 2u})
    for (std::size_t row = 14; row < 22; ++row)
      EXPECT_EQ(doc.mission().flightGroups[g].get(fg::WaypointY, row), 320);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().flightGroups[0].get(fg::WaypointY, 14), 0);
}

}  // namespace
