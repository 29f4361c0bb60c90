// The application-wide input rules on plain widgets: the wheel, Ctrl+A and long combo entries.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "app/base/combo_text.h"
#include "app/base/input_policy.h"

namespace {

// A scrolling page with a combo box, a spin box, a line edit and a memo, in a window whose
// Ctrl+A is a shortcut of its own.
struct Page {
  QWidget window;
  QScrollArea* area = new QScrollArea(&window);
  QWidget* inner = new QWidget;
  QComboBox* combo = new QComboBox(inner);
  QSpinBox* spin = new QSpinBox(inner);
  QLineEdit* line = new QLineEdit(QStringLiteral("Red Leader"), inner);
  QPlainTextEdit* memo = new QPlainTextEdit(QStringLiteral("two\nlines"), inner);
  QAction* saveAs = new QAction(&window);
  int saveAsCount = 0;

  Page() {
    app::InputPolicy::install();
    combo->addItems({QStringLiteral("Rebel"), QStringLiteral("Imperial"), QStringLiteral("Blue")});
    combo->setCurrentIndex(1);
    spin->setValue(5);
    auto* layout = new QVBoxLayout(inner);
    for (QWidget* w : {static_cast<QWidget*>(combo), static_cast<QWidget*>(spin),
                       static_cast<QWidget*>(line), static_cast<QWidget*>(memo)})
      layout->addWidget(w);
    inner->setMinimumHeight(2000);
    area->setWidget(inner);
    new QVBoxLayout(&window);
    window.layout()->addWidget(area);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    window.addAction(saveAs);
    QObject::connect(saveAs, &QAction::triggered, [this] { ++saveAsCount; });
    window.resize(300, 200);
    window.show();
    // The active window on every platform, so that its boxes take the focus.
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
  }

  static void wheel(QWidget* w) {
    QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
  }
  // Ctrl+A as the application delivers it: first offered as a shortcut override.
  static bool ctrlA(QWidget* w) {
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier, "a");
    override.ignore();
    QApplication::sendEvent(w, &override);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "a");
    QApplication::sendEvent(w, &press);
    return override.isAccepted();
  }
};

TEST(InputPolicy, WheelOverAnUnfocusedBoxChangesNothing) {
  Page page;
  page.line->setFocus();
  Page::wheel(page.combo);
  Page::wheel(page.spin);
  EXPECT_EQ(page.combo->currentIndex(), 1);
  EXPECT_EQ(page.spin->value(), 5);
  // The wheel gives such boxes no focus of its own either.
  EXPECT_EQ(page.combo->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(page.spin->focusPolicy(), Qt::StrongFocus);
}

TEST(InputPolicy, WheelOverTheFocusedBoxStillChangesIt) {
  Page page;
  page.spin->setFocus();
  ASSERT_TRUE(page.spin->hasFocus());
  Page::wheel(page.spin);
  EXPECT_NE(page.spin->value(), 5);
}

// A paste from a clipboard holding nothing leaves a memo as it was (the toolkit's own paste would
// crash); one holding text pastes it.
TEST(InputPolicy, PastingNothingIntoAMemoDoesNothing) {
  Page page;
  QTextEdit rich;
  for (QWidget* memo : {static_cast<QWidget*>(page.memo), static_cast<QWidget*>(&rich)}) {
    QApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Insert, Qt::ShiftModifier);
    QApplication::clipboard()->setText(QStringLiteral("Gold"));
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
  }
  EXPECT_TRUE(page.memo->toPlainText().contains(QStringLiteral("Gold")));
  EXPECT_EQ(rich.toPlainText(), QStringLiteral("Gold"));
}

TEST(InputPolicy, CtrlASelectsAllInTextEntriesAndIsTheShortcutElsewhere) {
  Page page;
  EXPECT_TRUE(Page::ctrlA(page.line));
  EXPECT_EQ(page.line->selectedText(), QStringLiteral("Red Leader"));
  EXPECT_TRUE(Page::ctrlA(page.memo));
  EXPECT_EQ(page.memo->textCursor().selectedText().size(), 9);
  EXPECT_TRUE(Page::ctrlA(page.spin));
  EXPECT_EQ(page.spin->findChild<QLineEdit*>()->selectedText(), QStringLiteral("5"));
  EXPECT_FALSE(Page::ctrlA(page.combo));  // not editable: the window's shortcut
  page.combo->setEditable(true);
  EXPECT_TRUE(Page::ctrlA(page.combo));
}

}  // namespace

namespace {

// On a black ground (a high-contrast theme) text fields, spin boxes, lists, text boxes and check
// boxes are drawn with an outline in the theme's light colour, where the style's own would be
// black on black.
TEST(InputPolicy, FieldsKeepAVisibleOutlineOnABlackGround) {
  app::InputPolicy::install();
  QPalette contrast;
  for (QPalette::ColorRole r :
       {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::Dark, QPalette::Shadow})
    contrast.setColor(r, Qt::black);
  for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                QPalette::Light, QPalette::Midlight, QPalette::Mid})
    contrast.setColor(r, Qt::white);
  QLineEdit line;
  QSpinBox spin;
  QListWidget list;
  QPlainTextEdit memo;
  QCheckBox check;
  for (QWidget* w : {static_cast<QWidget*>(&line), static_cast<QWidget*>(&spin),
                     static_cast<QWidget*>(&list), static_cast<QWidget*>(&memo)}) {
    w->setPalette(contrast);
    w->resize(80, w->sizeHint().height());
    const QImage picture = w->grab().toImage();
    // The middle of the left edge, below any rounded corner.
    EXPECT_GT(picture.pixelColor(0, picture.height() / 2).lightness(), 128)
        << w->metaObject()->className();
  }
  // On the desktop's own ground the style draws the frame itself.
  QListWidget plain;
  plain.resize(80, 60);
  const QImage framed = plain.grab().toImage();
  const QColor edge = framed.pixelColor(0, framed.height() / 2);
  EXPECT_NE(edge, plain.palette().color(QPalette::Base));
  EXPECT_NE(edge, plain.palette().color(QPalette::Window));
  // A list without a frame gets no outline either.
  QListWidget bare;
  bare.setFrameShape(QFrame::NoFrame);
  bare.setPalette(contrast);
  bare.resize(80, 60);
  EXPECT_LT(bare.grab().toImage().pixelColor(0, 30).lightness(), 128);
  check.setPalette(contrast);
  check.resize(check.sizeHint());
  QStyleOptionButton o;
  o.initFrom(&check);
  const QRect box = check.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, &check);
  const QImage picture = check.grab().toImage();
  EXPECT_GT(picture.pixelColor(box.left(), box.center().y()).lightness(), 128);
}

TEST(InputPolicy, ComboEntriesTooLongForTheBoxAreWholeInTheToolTip) {
  app::InputPolicy::install();
  const QString entry = QStringLiteral("Team 1.Imperial (Kres - None) Global Group (GG)");
  for (const bool editable : {false, true}) {
    QComboBox box;
    box.setEditable(editable);
    box.addItem(entry);
    box.resize(70, box.sizeHint().height());
    box.show();
    EXPECT_EQ(app::cutComboText(box), entry) << editable;
    box.resize(box.fontMetrics().horizontalAdvance(entry) + 120, box.height());
    EXPECT_EQ(app::cutComboText(box), QString()) << editable;
  }
  QComboBox narrow;
  narrow.addItem(entry);
  narrow.resize(70, narrow.sizeHint().height());
  narrow.show();
  QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), narrow.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&narrow, &tip);
  EXPECT_EQ(QToolTip::text(), entry);
  QToolTip::hideText();
}

}  // namespace

namespace {

TEST(InputPolicy, ToolBarExtensionArrowIsTheBaseStylesDrawing) {
  app::InputPolicy::install();
  auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
  ASSERT_NE(style, nullptr);
  for (const auto which :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    const QIcon late = style->standardIcon(which);
    const QIcon base = style->baseStyle()->standardIcon(which);
    ASSERT_FALSE(late.isNull());
    EXPECT_EQ(late.pixmap(QSize(16, 16)).toImage(), base.pixmap(QSize(16, 16)).toImage());
  }
}

}  // namespace
