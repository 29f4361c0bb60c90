// The handbook inside the editor: every link and picture resolves, the keyboard reference names
// every key of the action tables, F1 opens the section about the window, and the home page
// without an address is the handbook.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/base/handbook_window.h"
#include "app/map/map_actions.h"
#include "app/map/map_window.h"
#include "app/shell/help_page.h"
#include "editor_fixture.h"

namespace app {
const std::vector<ActionSpec>& briefingActions();  // the briefing editor's table
}

namespace {

QString handbookText(const QString& file) {
  QFile f(QStringLiteral(":/handbook/") + file);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class Handbook : public EditorFixture {};

TEST_F(Handbook, EveryLinkAndPictureResolves) {
  start();  // the main window makes the chapters available
  const QStringList chapters = QDir(QStringLiteral(":/handbook")).entryList({"*.md"});
  ASSERT_GE(chapters.size(), 12);
  static const QRegularExpression link(QStringLiteral(R"((!?)\[[^\]]*\]\(([^)\s]+)\))"));
  static const QRegularExpression heading(QStringLiteral(R"(^#+ (.+)$)"),
                                          QRegularExpression::MultilineOption);
  int links = 0;
  for (const QString& chapter : chapters) {
    for (const auto& m : link.globalMatch(handbookText(chapter))) {
      const QString target = m.captured(2);
      if (target.startsWith(QLatin1String("https://"))) continue;
      SCOPED_TRACE((chapter + QStringLiteral(" -> ") + target).toStdString());
      ++links;
      const QString file = target.section(QLatin1Char('#'), 0, 0);
      const QString anchor = target.section(QLatin1Char('#'), 1);
      const QString resolved = file.isEmpty() ? chapter : file;
      ASSERT_TRUE(QFile::exists(QStringLiteral(":/handbook/") + resolved));
      if (m.captured(1) == QLatin1String("!")) {
        EXPECT_FALSE(QImage(QStringLiteral(":/handbook/") + resolved).isNull());
      } else if (!anchor.isEmpty()) {
        QStringList anchors;
        for (const auto& h : heading.globalMatch(handbookText(resolved)))
          anchors << app::handbookAnchor(h.captured(1));
        EXPECT_TRUE(anchors.contains(anchor)) << anchors.join(QLatin1Char(' ')).toStdString();
      }
    }
  }
  EXPECT_GT(links, 50);
}

TEST_F(Handbook, KeyboardReferenceNamesEveryKeyOfTheActionTables) {
  start();
  const QString reference = handbookText(QStringLiteral("keyboard.md"));
  for (const auto* table : {&app::actionTable(), &app::mapActionTable(), &app::briefingActions()})
    for (const app::ActionSpec& a : *table) {
      if (!*a.shortcuts) continue;
      const QString first = QString::fromLatin1(a.shortcuts).section(QStringLiteral("; "), 0, 0);
      const QString row = QStringLiteral("| `") + first + QStringLiteral("`");
      const QString text = QString::fromUtf8(a.text).remove(QLatin1Char('&'));
      bool found = false;
      for (const QString& line : reference.split(QLatin1Char('\n')))
        found = found || (line.startsWith(row) && line.contains(QStringLiteral("| ") + text));
      EXPECT_TRUE(found) << a.id << " " << a.shortcuts;
    }
}

// Presses the handbook key on `target` and gives the page the handbook then shows.
QString pressHandbookKey(QWidget* target, QKeyCombination key) {
  target->window()->activateWindow();
  target->setFocus();
  QApplication::processEvents();
  // The key goes to the window's handbook action: the main window's table dispatches it, other
  // windows carry the action the handbook key installer gave them.
  QAction* action = nullptr;
  for (QAction* a : target->window()->findChildren<QAction*>())
    if (a->objectName() == QLatin1String("HandbookKeyAction") && a->shortcut() == QKeySequence(key))
      action = a;
  if (action) {
    action->trigger();
  } else {
    QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers());
    QApplication::sendEvent(target, &press);
  }
  QApplication::processEvents();
  app::HandbookWindow* handbook = nullptr;
  for (QWidget* w : QApplication::allWidgets())
    if (auto* h = qobject_cast<app::HandbookWindow*>(w); h && h->isVisible()) handbook = h;
  if (!handbook) return QStringLiteral("(no handbook)");
  const QString page = handbook->currentPage();
  handbook->close();
  QApplication::processEvents();
  return page;
}

TEST_F(Handbook, F1OpensTheSectionAboutTheWindowPageOrTab) {
  start();
  auto* pages = find<QTabWidget>(QStringLiteral("OverallPages"));
  pages->setCurrentWidget(find<QWidget>(QStringLiteral("TeamsPage")));
  EXPECT_EQ(pressHandbookKey(pages->tabBar(), Qt::Key_F1), QStringLiteral("main-window.md#teams"));
  pages->setCurrentIndex(0);
  window->flightGroupsPage()->pages()->setCurrentIndex(app::FlightGroupsPage::ArrivalTab);
  EXPECT_EQ(pressHandbookKey(window->flightGroupsPage()->pages()->tabBar(), Qt::Key_F1),
            QStringLiteral("main-window.md#arrival"));

  // The map keeps F1 for its X-Y plane: the handbook is on Shift+F1 there.
  app::MapWindow* map = window->mapWindow();
  map->show();
  EXPECT_EQ(pressHandbookKey(map, Qt::SHIFT | Qt::Key_F1), QStringLiteral("map.md"));
  map->hide();
}

TEST_F(Handbook, SearchListsTheSectionsHoldingEveryWord) {
  start();
  app::HandbookWindow* handbook = app::showHandbook(window.get(), QStringLiteral("index.md"));
  auto* contents = handbook->findChild<QTreeWidget*>(QStringLiteral("HandbookContents"));
  ASSERT_NE(contents, nullptr);
  EXPECT_GE(contents->topLevelItemCount(), 11);
  handbook->findChild<QLineEdit*>(QStringLiteral("HandbookSearch"))->setText("backup ls");
  ASSERT_GE(contents->topLevelItemCount(), 1);
  QStringList found;
  for (int i = 0; i < contents->topLevelItemCount(); ++i)
    for (int k = 0; k < contents->topLevelItem(i)->childCount(); ++k)
      found << contents->topLevelItem(i)->child(k)->data(0, Qt::UserRole).toString();
  EXPECT_TRUE(found.contains(QStringLiteral("mission-lists.md#edit-lst-files")))
      << found.join(QLatin1Char(' ')).toStdString();
  contents->setCurrentItem(contents->topLevelItem(0)->child(0));
  emit contents->itemActivated(contents->topLevelItem(0)->child(0), 0);
  EXPECT_EQ(handbook->currentPage(), found.front());
  handbook->close();
}

TEST_F(Handbook, HomePageWithoutAnAddressIsTheHandbook) {
  start();
  bool browserAsked = false;
  ASSERT_TRUE(app::openHomePage(window.get(), prompter, {}, [&](const QUrl&) {
    browserAsked = true;
    return true;
  }));
  EXPECT_FALSE(browserAsked);
  auto* handbook = window->findChild<app::HandbookWindow*>(QStringLiteral("HandbookWindow"));
  ASSERT_NE(handbook, nullptr);
  EXPECT_TRUE(handbook->isVisible());
  EXPECT_EQ(handbook->currentPage(), QStringLiteral("index.md"));
  handbook->close();
}

}  // namespace
