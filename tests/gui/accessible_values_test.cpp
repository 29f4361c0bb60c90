// What a screen reader hears of the main window's lists: the current line as the list's value,
// following a click or a key that makes another line current.
#include <QAccessible>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabWidget>

#include "editor_fixture.h"

namespace {

using testing_gui::EditorFixture;

class AccessibleValues : public EditorFixture {
 protected:
  static std::string value(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value).toStdString();
  }
  static void click(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QMouseEvent down(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &up);
  }
};

TEST_F(AccessibleValues, TheFlightGroupAndMessageListsTellTheirCurrentLine) {
  const std::string file = writeMission("lists.kre", 14, "Lists", [](model::Mission& m) {
    m.addFlightGroup();
    m.addFlightGroup();
    m.addMessage();
    m.addMessage();
  });
  start();
  ASSERT_TRUE(window->load(QString::fromStdString(file)));
  for (const char* name : {"ShipList", "MsgStrList"}) {
    SCOPED_TRACE(name);
    auto* list = find<QListWidget>(QString::fromLatin1(name));
    ASSERT_NE(list, nullptr);
    auto* pages = find<QTabWidget>(QStringLiteral("OverallPages"));
    for (int i = 0; i < pages->count(); ++i)
      if (pages->widget(i)->isAncestorOf(list)) pages->setCurrentIndex(i);
    ASSERT_TRUE(list->isVisible());
    ASSERT_GE(list->count(), 2);
    // The toolkit's list is still there underneath: its lines.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(list)->childCount(), list->count());
    click(list, 1);
    EXPECT_EQ(value(list), list->item(1)->text().simplified().toStdString());
    EditorFixture::press(list, Qt::Key_Up);
    EXPECT_EQ(value(list), list->item(0)->text().simplified().toStdString());
  }
}

}  // namespace
