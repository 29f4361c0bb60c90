// The editor in the pseudo-translation (made at build time from what lupdate finds in the
// sources, every text in brackets and 40 % longer): every text a user sees comes out marked, so
// it goes through translation and lupdate finds it, and every label and button on every page, tab
// and window still shows its whole text.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "app/base/translations.h"
#include "every_window.h"
#include "shell/error_check.h"

namespace {

using namespace testing_gui;

// Marked: a bracketed piece, or nothing a translation could change (numbers, signs, names of
// keys and files).
bool marked(const QString& text) {
  static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
  static const QRegularExpression fileName(QStringLiteral("^\\w+\\.lst$"));
  if (!words.match(text).hasMatch() || fileName.match(text).hasMatch()) return true;
  return text.contains(QLatin1Char('[')) && text.contains(QLatin1Char(']'));
}

// Widgets that show the mission's or the game's data (names, folders, vocabulary entries and the
// descriptions of triggers and orders made of them), not texts of the editor.
bool showsData(const QWidget* w) {
  static const QStringList names = {
      "ShipBox",       "FGList",           "MsgList",       "DirLabel",
      "FileNameLabel", "PathLabel",        "ZynEDDirLabel", "ZynDirLabel",
      "WaveDirLabel",  "MissionsDirLabel", "OPTDirLabel",   "OptFolderLabel",
      "Cond1Lab",      "Cond2Lab",         "Cond3Lab",      "Cond4Lab",
      "Order1Lab",     "Order2Lab",        "Order3Lab",     "Order4Lab",
      "XWOrderLab",    "CMDLab1",          "CMDLab2",       "CMDLab3",
      "CMDLab4",       "WPGrid",           "WPRawGrid",     "MissionFolderLabel",
      "FolderLabel",
  };
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || names.contains(p->objectName())) return true;
  return false;
}

class Translation : public EveryWindow {
 protected:
  void SetUp() override {
    EveryWindow::SetUp();
    ASSERT_TRUE(app::installTranslation(QStringLiteral("pseudo")));
  }
  void TearDown() override {
    EveryWindow::TearDown();
    app::removeTranslations();
  }

  QStringList unmarked(QWidget* window, const QString& where) {
    QStringList out;
    const auto check = [&](const QWidget* w, const QString& what, const QString& text) {
      if (!text.isEmpty() && !marked(text))
        out << where + QLatin1Char(' ') + QString::fromLatin1(w->metaObject()->className()) +
                   QLatin1Char(' ') + w->objectName() + QLatin1Char(' ') + what +
                   QStringLiteral(": ") + text;
    };
    if (window->objectName() != QLatin1String("MainWindow"))
      check(window, QStringLiteral("title"), window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || showsData(w)) continue;
      if (auto* l = qobject_cast<QLabel*>(w); l && l->textFormat() != Qt::RichText)
        check(w, QStringLiteral("text"), l->text());
      if (auto* b = qobject_cast<QAbstractButton*>(w)) check(w, QStringLiteral("text"), b->text());
      if (auto* g = qobject_cast<QGroupBox*>(w)) check(w, QStringLiteral("title"), g->title());
      if (auto* e = qobject_cast<QLineEdit*>(w))
        check(w, QStringLiteral("placeholder"), e->placeholderText());
      if (auto* t = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < t->count(); ++i) check(w, QStringLiteral("tab"), t->tabText(i));
      if (auto* h = qobject_cast<QHeaderView*>(w); h && h->model())
        for (int i = 0; i < h->count(); ++i)
          check(w, QStringLiteral("header"),
                h->model()->headerData(i, h->orientation()).toString());
      check(w, QStringLiteral("tool tip"), w->toolTip());
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
      for (QAction* menu : bar->actions()) {
        check(bar, QStringLiteral("menu"), menu->text());
        if (menu->menu())
          for (QAction* a : menu->menu()->actions()) check(bar, QStringLiteral("item"), a->text());
      }
    return out;
  }
};

TEST_F(Translation, EveryTextShownGoesThroughTranslation) {
  startWithRecords();
  QStringList faults;
  walk([&](QWidget* window, const QString& where) { faults << unmarked(window, where); });
  for (const auto& shown : prompter.shown)
    if (!marked(shown.text)) faults << QStringLiteral("box: ") + shown.text;
  faults.removeDuplicates();
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " texts not translated:\n"
                                << faults.join(QLatin1Char('\n')).toStdString();
}

// A text of the core goes through translation with what fills it, and so do the words a list
// is joined with.
TEST_F(Translation, CoreFormsAndListsAreTranslatedWithWhatFillsThem) {
  EXPECT_EQ(app::coreText(shell::CraftMediumForm).arg(3),
            app::pseudoText(QStringLiteral("%1 Craft (medium)")).arg(3));
  EXPECT_EQ(
      app::coreList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                    model::AndWord),
      QStringLiteral("a, b") + app::pseudoText(QStringLiteral(" and ")) + QStringLiteral("c"));
  EXPECT_EQ(app::coreList({QStringLiteral("a")}, model::OrWord), QStringLiteral("a"));
}

// The check's findings come out translated, with the group's name and count in them.
TEST_F(Translation, CheckFindingsAreTranslatedWithWhatFillsThem) {
  startWithRecords();
  doc().setFields(QStringLiteral("Edit Craft per wave"),
                  {app::MissionDocument::fieldWrite(app::RecordKind::FlightGroup, 1,
                                                    model::fg::CraftCount, model::u8{7})});
  QString shown;
  prompter.onDialog = [&](QDialog& d) {
    shown = d.findChild<QPlainTextEdit*>(QStringLiteral("ErrorMemo"))->toPlainText();
    return int(QDialog::Accepted);
  };
  window->actions().action(u"ErrorCheckAction")->trigger();
  EXPECT_TRUE(
      shown.contains(app::pseudoText(QStringLiteral("WARNING: Player FG  %1 has %2 ships. "
                                                    "Some sounds in the game may be "
                                                    "played properly."))
                         .arg(QStringLiteral("#2 Light Fighter Unnamed (1)"), QStringLiteral("7"))))
      << shown.toStdString();
}

TEST_F(Translation, LabelsAndButtonsFitTheLongerTexts) {
  startWithRecords();
  QStringList faults;
  walk([&](QWidget* window, const QString& where) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      // The waypoint grids show their longest numbers whole (with three decimals in kilometres).
      if (w->objectName() == QLatin1String("WPGrid") ||
          w->objectName() == QLatin1String("WPRawGrid")) {
        auto* grid = static_cast<QTableWidget*>(w);
        const QString longest = w->objectName() == QLatin1String("WPGrid")
                                    ? QStringLiteral("-204.800")
                                    : QStringLiteral("-32768");
        for (int c = 0; c < grid->columnCount(); ++c)
          if (grid->columnWidth(c) < grid->fontMetrics().horizontalAdvance(longest) + 6)
            faults << where + QLatin1Char(' ') + w->objectName() + QStringLiteral(" cuts ") +
                          longest;
      }
      if (showsData(w)) continue;
      auto* label = qobject_cast<QLabel*>(w);
      auto* button = qobject_cast<QAbstractButton*>(w);
      auto* tool = qobject_cast<QToolButton*>(w);
      if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) continue;
      if ((label && !label->wordWrap() && !label->text().isEmpty() && label->pixmap().isNull()) ||
          (button && !button->text().isEmpty())) {
        if (w->width() + 1 < w->minimumSizeHint().width() ||
            (button && w->width() + 1 < w->sizeHint().width()))
          faults << where + QLatin1Char(' ') + w->objectName() + QStringLiteral(" \"") +
                        (label ? label->text() : button->text()) +
                        QStringLiteral("\" is cut off: ") + QString::number(w->width()) +
                        QStringLiteral(" of ") + QString::number(w->sizeHint().width());
      }
      // A list kept narrow on purpose still shows its rows whole.
      auto* list = qobject_cast<QListWidget*>(w);
      if (list && list->maximumWidth() < QWIDGETSIZE_MAX)
        for (int i = 0; i < list->count(); ++i)
          if (list->fontMetrics().horizontalAdvance(list->item(i)->text()) >
              list->viewport()->width())
            faults << where + QLatin1Char(' ') + w->objectName() + QStringLiteral(" cuts \"") +
                          list->item(i)->text() + QLatin1Char('"');
    }
  });
  faults.removeDuplicates();
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " texts cut off:\n"
                                << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
