#include "app/base/actions.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QWidget>

#include "app/base/icons.h"
#include "app/base/key_map.h"

namespace app {
namespace {
// The tool tip without its keys.
constexpr const char* TipProperty = "zynedTip";
}  // namespace

QList<QKeySequence> parseKeys(const char* keys) {
  QList<QKeySequence> out;
  const auto addOnce = [&out](const QKeySequence& k) {
    if (!k.isEmpty() && !out.contains(k)) out << k;
  };
  static const QLatin1String any("Any+");
  for (const QString& k :
       QString::fromLatin1(keys).split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
    if (!k.startsWith(any)) {
      addOnce(QKeySequence(k, QKeySequence::PortableText));
      continue;
    }
    const QKeySequence bare(k.mid(any.size()), QKeySequence::PortableText);
    const Qt::KeyboardModifier mods[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                         Qt::MetaModifier};
    for (unsigned set = 0; set < 16; ++set) {
      Qt::KeyboardModifiers held;
      for (unsigned m = 0; m < 4; ++m)
        if (set & (1u << m)) held |= mods[m];
      addOnce(QKeySequence(QKeyCombination(held, bare[0].key())));
    }
  }
  return out;
}

void ActionSet::add(const char* context, const Look& look, std::function<void()> run,
                    std::function<bool()> enabled, std::function<bool()> checked,
                    std::function<QString()> label) {
  auto* a = new QAction(QCoreApplication::translate(context, look.text), window_);
  a->setObjectName(QLatin1String(look.id));
  const QString hint = QCoreApplication::translate(context, look.hint);
  a->setStatusTip(hint);
  a->setProperty(TipProperty, hint);
  if (look.icon) a->setIcon(icon(QLatin1String(look.icon)));
  if (look.barText) a->setIconText(QCoreApplication::translate(context, look.barText));
  a->setShortcutVisibleInContextMenu(true);
  a->setAutoRepeat(look.keys.held == Held::Repeats);
  // An action without keys in its table works window-wide with keys the user gives it.
  const bool windowWide = look.keys.scope == KeyScope::Window || look.keys.scope == KeyScope::None;
  a->setShortcutContext(windowWide ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
  if (windowWide) window_->addAction(a);
  if (checked) a->setCheckable(true);
  QObject::connect(a, &QAction::triggered, &guard_, [this, run = std::move(run)] {
    run();
    refresh();
  });
  entries_.push_back({a, look.keys.scope, look.button, std::move(enabled), std::move(checked),
                      std::move(label), look.keys.keys});
}

void ActionSet::applyKeys(const Entry& e) const {
  e.action->setShortcuts(KeyMap::instance().keys(
      keyName(group_, e.action->objectName().toLatin1().constData()), e.tableKeys));
  setActionTip(e.action, e.action->property(TipProperty).toString());
}

void ActionSet::followKeyMap() {
  for (const Entry& e : entries_) applyKeys(e);
  QObject::connect(&KeyMap::instance(), &KeyMap::changed, &guard_, [this] {
    for (const Entry& e : entries_) applyKeys(e);
  });
}

void setActionTip(QAction* a, const QString& tip) {
  a->setProperty(TipProperty, tip);
  const QList<QKeySequence> keys = a->shortcuts();
  a->setToolTip(keys.isEmpty()
                    ? tip
                    : tip.trimmed() + QStringLiteral(" (") +
                          keys.first().toString(QKeySequence::NativeText) + QLatin1Char(')'));
}

const ActionSet::Entry* ActionSet::entry(QStringView id) const {
  for (const Entry& e : entries_)
    if (e.action->objectName() == id) return &e;
  return nullptr;
}

QAction* ActionSet::action(QStringView id) const {
  const Entry* e = entry(id);
  return e ? e->action : nullptr;
}

QList<QAction*> ActionSet::all() const {
  QList<QAction*> out;
  for (const Entry& e : entries_) out << e.action;
  return out;
}

KeyScope ActionSet::scope(const QAction* a) const {
  for (const Entry& e : entries_)
    if (e.action == a) return e.scope;
  return KeyScope::None;
}

void ActionSet::addScope(KeyScope scope, QWidget* widget) {
  for (const Entry& e : entries_)
    if (e.scope == scope) widget->addAction(e.action);
}

void ActionSet::refresh() {
  for (const Entry& e : entries_) {
    if (e.enabled) e.action->setEnabled(e.enabled());
    if (e.checked) e.action->setChecked(e.checked());
    if (e.label) e.action->setText(e.label());
  }
}

void ActionSet::buildMenuBar(QMenuBar* bar, QAction* reopen,
                             const std::vector<MenuSpec>& menus) const {
  for (const MenuSpec& spec : menus) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate(context_, spec.title));
    menu->setObjectName(QLatin1String(spec.objectName));
    for (const QString& item : spec.items) {
      if (item == QLatin1String("-"))
        menu->addSeparator();
      else if (item == QLatin1String("Reopen"))
        menu->addAction(reopen);
      else if (QAction* a = action(item))
        menu->addAction(a);
    }
  }
}

QList<QAction*> ActionSet::popupActions(const QStringList& layout, QAction* reopen,
                                        QObject* owner) const {
  QList<QAction*> out;
  for (const QString& item : layout) {
    if (item == QLatin1String("-")) {
      auto* sep = new QAction(owner);
      sep->setSeparator(true);
      out << sep;
    } else if (item == QLatin1String("Reopen")) {
      out << reopen;
    } else if (QAction* a = action(item)) {
      out << a;
    }
  }
  return out;
}

void ActionSet::buildToolBar(QToolBar* bar, const QStringList& layout) const {
  for (const QString& item : layout) {
    if (item == QLatin1String("-")) {
      bar->addSeparator();
      continue;
    }
    const Entry* e = entry(item);
    if (!e) continue;
    bar->addAction(e->action);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(e->action))) {
      if (e->button) button->setObjectName(QLatin1String(e->button));
      button->setAutoRaise(true);
    }
  }
}

QToolButton* ActionSet::makeButton(QStringView id, QWidget* parent) const {
  const Entry* e = entry(id);
  if (!e) return nullptr;
  auto* b = new QToolButton(parent);
  b->setDefaultAction(e->action);
  if (e->button) b->setObjectName(QLatin1String(e->button));
  return b;
}

void nameUndoRedo(QUndoStack* stack, QAction* undo, QAction* redo) {
  // Menu texts double an ampersand that the step's text holds.
  auto name = [](QAction* a, const QString& verb, const QString& step) {
    const QString plain = QString(verb).remove(QLatin1Char('&'));
    if (step.isEmpty()) {
      a->setText(verb);
      setActionTip(a, plain);
    } else {
      a->setText(verb + QLatin1Char(' ') +
                 QString(step).replace(QStringLiteral("&"), QStringLiteral("&&")));
      setActionTip(a, plain + QLatin1Char(' ') + step);
    }
  };
  const QString undoVerb = QObject::tr("&Undo"), redoVerb = QObject::tr("&Redo");
  QObject::connect(stack, &QUndoStack::undoTextChanged, undo,
                   [=](const QString& t) { name(undo, undoVerb, t); });
  QObject::connect(stack, &QUndoStack::redoTextChanged, redo,
                   [=](const QString& t) { name(redo, redoVerb, t); });
  name(undo, undoVerb, stack->undoText());
  name(redo, redoVerb, stack->redoText());
}

}  // namespace app
