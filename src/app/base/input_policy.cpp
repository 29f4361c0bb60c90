#include "app/base/input_policy.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolTip>
#include <QWheelEvent>

#include "app/base/combo_text.h"

namespace app {
namespace {

// A box whose value the wheel changes: combo boxes and spin boxes (date and time boxes too).
QWidget* valueBox(QObject* o) {
  if (auto* combo = qobject_cast<QComboBox*>(o)) return combo;
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(o)) return spin;
  return nullptr;
}

bool isSelectAll(const QKeyEvent& key) {
  const auto mods = key.modifiers() & ~Qt::KeypadModifier;
  return mods == Qt::ControlModifier && key.key() == Qt::Key_A;
}

void selectAll(QWidget* entry) {
  if (auto* line = qobject_cast<QLineEdit*>(entry))
    line->selectAll();
  else if (auto* text = qobject_cast<QTextEdit*>(entry))
    text->selectAll();
  else if (auto* plain = qobject_cast<QPlainTextEdit*>(entry))
    plain->selectAll();
}

}  // namespace

QLabel* captionFor(QWidget* control, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(control);
  return label;
}

void InputPolicy::install() {
  auto* app = QCoreApplication::instance();
  if (!app || app->findChild<InputPolicy*>(QString(), Qt::FindDirectChildrenOnly)) return;
  app->installEventFilter(new InputPolicy(app));
  if (qobject_cast<QApplication*>(app))
    QApplication::setStyle(new ComboTextStyle(QApplication::style()->name()));
}

QWidget* InputPolicy::textEntry(QWidget* focus) {
  if (!focus) return nullptr;
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(focus))
    return spin->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
  if (auto* combo = qobject_cast<QComboBox*>(focus)) return combo->lineEdit();
  if (qobject_cast<QLineEdit*>(focus)) return focus;
  // Memos get the focus on their viewport's parent; keys arrive at the memo itself.
  if (qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus)) return focus;
  return nullptr;
}

bool InputPolicy::keepsSelectAll(QWidget* focus) {
  return textEntry(focus) || qobject_cast<QAbstractItemView*>(focus);
}

namespace {

// The label among the widget's siblings that names it (its buddy): the accessible name then
// comes from that label.
const QLabel* buddyLabel(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (!parent) return nullptr;
  for (const QObject* o : parent->children())
    if (const auto* label = qobject_cast<const QLabel*>(o); label && label->buddy() == w)
      return label;
  return nullptr;
}
bool hasBuddyLabel(const QWidget* w) {
  return buddyLabel(w) != nullptr;
}

// The caption of the tab that `w` fills, or an empty text.
QString tabCaption(QWidget* w) {
  const QWidget* stack = w->parentWidget();
  const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
  return tabs && tabs->indexOf(w) >= 0 ? tabs->tabText(tabs->indexOf(w)) : QString();
}

// Lists and grids tell a screen reader only a name of their own, where other controls take the
// label naming them or the title of the group they sit in: such a view is named after its label
// or its group. A control that fills a tab on its own (a memo, a list, a scrolling view) is named
// after its tab.
void nameFromCaption(QWidget* w) {
  if (!(w->focusPolicy() & Qt::TabFocus)) return;
  const bool fromCaption = w->property("zynedNameFromCaption").toBool();
  if (!fromCaption && !w->accessibleName().isEmpty()) return;
  QString caption = tabCaption(w);
  if (caption.isEmpty() && qobject_cast<const QAbstractItemView*>(w)) {
    if (const QLabel* label = buddyLabel(w))
      caption = label->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(w->parentWidget()))
      caption = group->title();
  }
  caption.remove(QLatin1Char('&'));
  if (caption.isEmpty()) return;
  w->setAccessibleName(caption);
  w->setProperty("zynedNameFromCaption", true);
}

// A control that takes the focus and has neither a name of its own, a text nor a label naming it
// is named by its tool tip, for a screen reader to say (a tip changed later renames it).
void nameFromToolTip(QWidget* w) {
  if (!(w->focusPolicy() & Qt::TabFocus) || w->toolTip().isEmpty()) return;
  const bool fromTip = w->property("zynedNameFromTip").toBool();
  if (!fromTip && !w->accessibleName().isEmpty()) return;
  if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty()) return;
  if (!fromTip && hasBuddyLabel(w)) return;
  w->setAccessibleName(QString(w->toolTip()).remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
  w->setProperty("zynedNameFromTip", true);
}

// A memo, or the viewport the mouse works in.
bool isMemo(const QObject* o) {
  const auto memo = [](const QObject* w) {
    return qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
  };
  return o && (memo(o) || memo(o->parent()));
}

// The toolkit's memos read the first of the formats a paste offers without asking whether there
// is one, and crash on a clipboard that holds nothing (on X11, after the program that copied
// has ended): such a paste is no paste at all.
bool nothingToPaste(QClipboard::Mode mode) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
  return !data || data->formats().isEmpty();
}

}  // namespace

bool InputPolicy::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::ToolTipChange:
      if (watched->isWidgetType()) {
        nameFromCaption(static_cast<QWidget*>(watched));
        nameFromToolTip(static_cast<QWidget*>(watched));
      }
      break;
    case QEvent::Polish:
      // The wheel would give the box the focus first and then change it.
      if (QWidget* box = valueBox(watched); box && box->focusPolicy() == Qt::WheelFocus)
        box->setFocusPolicy(Qt::StrongFocus);
      break;
    case QEvent::Wheel:
      if (QWidget* box = valueBox(watched); box && !box->hasFocus()) {
        // Not for the box: ignored here, the application hands it on to the parent.
        event->ignore();
        return true;
      }
      break;
    case QEvent::ToolTip:
      // A combo box too narrow for its entry tells the whole entry, unless it has a tip of its
      // own.
      if (auto* box = qobject_cast<QComboBox*>(watched); box && box->toolTip().isEmpty()) {
        const QString whole = cutComboText(*box);
        if (whole.isEmpty()) {
          QToolTip::hideText();
          event->ignore();
        } else {
          QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), whole, box);
        }
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      // The middle button pastes the X11 selection.
      if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && isMemo(watched) &&
          QGuiApplication::clipboard()->supportsSelection() &&
          nothingToPaste(QClipboard::Selection))
        return true;
      break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      auto* widget = qobject_cast<QWidget*>(watched);
      if (!widget) break;
      if (event->type() == QEvent::KeyPress && key->matches(QKeySequence::Paste) &&
          isMemo(widget) && nothingToPaste(QClipboard::Clipboard))
        return true;
      const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
      if (event->type() == QEvent::ShortcutOverride && undoKey && textEntry(widget)) {
        // Not claimed by the entry: the window's Undo or Redo takes it if there is one.
        event->ignore();
        return true;
      }
      if (!isSelectAll(*key) || !keepsSelectAll(widget)) break;
      // Accepting the override keeps window shortcuts from taking the key; lists and tables
      // that can select select all themselves, one that cannot keeps the key from its parents.
      QWidget* entry = textEntry(widget);
      const auto* view = qobject_cast<QAbstractItemView*>(widget);
      if (event->type() == QEvent::KeyPress && view &&
          view->selectionMode() != QAbstractItemView::NoSelection)
        break;
      if (event->type() == QEvent::KeyPress) selectAll(entry);
      event->accept();
      return event->type() == QEvent::KeyPress;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace app
