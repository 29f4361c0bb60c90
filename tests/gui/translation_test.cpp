// The editor in the pseudo-translation (made at build time from what lupdate finds in the
// sources, every text in brackets and 40 % longer): every label and button on every page, tab
// and window still shows its whole text.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include "app/base/translations.h"
#include "every_window.h"

namespace {

using namespace testing_gui;

// Widgets that show the mission's or the game's data (names, folders, vocabulary entries), not
// texts of the editor.
bool showsData(const QWidget* w) {
  static const QStringList names = {
      "ShipBox", "FGList", "MsgList", "DirLabel", "FileNameLabel", "PathLabel",
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
};

// Disabled while the flight-group pages cut texts in the pseudo-translation (the Ship, Arrival,
// Departure and WPs tabs: captions and check boxes in a column of fixed width); run it with
// --gtest_also_run_disabled_tests.
TEST_F(Translation, DISABLED_LabelsAndButtonsFitTheLongerTexts) {
  startWithRecords();
  QStringList faults;
  walk([&](QWidget* window, const QString& where) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || showsData(w)) continue;
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
    }
  });
  faults.removeDuplicates();
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " texts cut off:\n"
                                << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
