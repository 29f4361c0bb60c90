#pragma once
// A window's commands, declared once in its own table: how each looks (menu text, hint, icon,
// tool-bar button), its keys and where they work, what it does and when it can. `ActionSet`
// makes the QActions from the table and Qt dispatches the keys through each action's shortcut
// context, so no window filters or switches on keys. The menus, the tool bars and the pop-up
// menus show the same actions, so a command looks, works and is enabled alike everywhere.
//
// A window declares its table as a static member (it reaches the window's private parts):
//
//   const std::vector<ActionSpec<MapWindow>>& MapWindow::actionTable() {
//     static const std::vector<ActionSpec<MapWindow>> table = {
//         {"ZoomInAction", QT_TR_NOOP("Zoom &in"), QT_TR_NOOP("Zoom in a step"), nullptr,
//          keys("=; +", KeyScope::Window, Held::Repeats),
//          [](MapWindow& w) { w.setZoom(map::zoomInStep(w.state_.view.zoom)); }},
//     };
//     return table;
//   }
//   actions_ = std::make_unique<ActionSet>(*this, actionTable());
//   actions_->addScope(KeyScope::Canvas, canvas_);  // where Canvas keys work
//   actions_->refreshOn(&doc_, &MissionDocument::changed);

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QMenuBar;
class QToolBar;
class QToolButton;
class QUndoStack;
class QWidget;

namespace app {

// Where an action's keys work.
enum class KeyScope {
  None,    // no key: menus and buttons only
  Window,  // anywhere in the window, before its controls take the key (Qt::WindowShortcut)
  List,    // while one of the window's lists has the focus
  Canvas,  // while the window's canvas has the focus (the map; the briefing preview)
};

// Whether a key held down triggers the action again and again.
enum class Held { Once, Repeats };

struct ActionKeys {
  // Portable key texts separated by "; ", the first one shown in the menus; "Any+D" stands for
  // D with any modifiers held.
  const char* keys = "";
  KeyScope scope = KeyScope::None;
  Held held = Held::Once;
};
// An action's keys, where they work and whether holding them repeats; NoKeys: menus only.
constexpr ActionKeys keys(const char* keys, KeyScope scope, Held held = Held::Once) {
  return {keys, scope, held};
}
inline constexpr ActionKeys NoKeys{};

// One row of window W's table. Texts are marked with QT_TR_NOOP in W's context.
template <class W>
struct ActionSpec {
  const char* id;    // objectName of the QAction
  const char* text;  // menu text with its mnemonic
  const char* hint;  // tool tip and status tip
  const char* icon;  // app::icon name, or nullptr
  ActionKeys keys;
  std::function<void(W&)> run;
  std::function<bool(const W&)> enabled = {};  // empty: always enabled
  std::function<bool(const W&)> checked = {};  // set: a check mark showing this state
  const char* button = nullptr;                // objectName of its tool-bar button
  const char* barText = nullptr;  // the tool bar's shorter text ("Stop" for "Insert &Stop")
  // Set: the menu text as the window stands, marked like `text` ("Add &Message" while the
  // messages are in front); null from it keeps `text`.
  std::function<const char*(const W&)> label = {};
};

// The menu bar: menu titles ("&File", marked with QT_TR_NOOP in the window's context) each
// followed by its action ids, "-" for a separator and
// "Reopen" for the reopen submenu.
struct MenuSpec {
  const char* title;
  const char* objectName;
  QStringList items;
};

// The actions of one window, made from its table.
class ActionSet {
 public:
  // Creates every action of `table` as a child of `window`: window keys on the window, the other
  // scopes' keys on the widgets given to addScope. The window calls refresh() once it is built.
  // Each action's keys are those in force (KeyMap), named after W::KeyGroup, and follow the map
  // when it changes.
  template <class W>
  ActionSet(W& window, const std::vector<ActionSpec<W>>& table)
      : window_(&window), group_(W::KeyGroup), context_(W::staticMetaObject.className()) {
    const char* context = context_;
    for (const ActionSpec<W>& s : table) {
      const auto bind = [&window](const std::function<bool(const W&)>& p) {
        return p ? std::function<bool()>([&window, p] { return p(window); })
                 : std::function<bool()>();
      };
      std::function<QString()> label;
      if (s.label)
        label = [&window, context, l = s.label, text = s.text] {
          const char* now = l(window);
          return QCoreApplication::translate(context, now ? now : text);
        };
      add(
          context, {s.id, s.text, s.hint, s.icon, s.keys, s.button, s.barText},
          [&window, run = s.run] { run(window); }, bind(s.enabled), bind(s.checked),
          std::move(label));
    }
    followKeyMap();
  }

  QAction* action(QStringView id) const;
  QList<QAction*> all() const;
  KeyScope scope(const QAction* a) const;

  // The keys of `scope`'s actions work while `widget` (or a child of it) has the focus.
  void addScope(KeyScope scope, QWidget* widget);
  // Brings every action's enabled and checked state and its changing text up to date (after
  // each action it runs, and whenever a signal given to refreshOn comes).
  void refresh();
  template <class Sender, class Signal>
  void refreshOn(const Sender* sender, Signal signal) {
    QObject::connect(sender, signal, &guard_, [this] { refresh(); });
  }

  // Fills the menu bar; `reopen` is put where the layout says "Reopen".
  void buildMenuBar(QMenuBar* bar, QAction* reopen, const std::vector<MenuSpec>& menus) const;
  // The actions of a pop-up `layout`, separators made as children of `owner`.
  QList<QAction*> popupActions(const QStringList& layout, QAction* reopen, QObject* owner) const;
  // Fills the tool bar ("-" is a separator) and names its buttons.
  void buildToolBar(QToolBar* bar, const QStringList& layout) const;
  // A button of its own for the action, named as the table says.
  QToolButton* makeButton(QStringView id, QWidget* parent) const;

 private:
  struct Look {
    const char* id;
    const char* text;
    const char* hint;
    const char* icon;
    ActionKeys keys;
    const char* button;
    const char* barText;
  };
  struct Entry {
    QAction* action;
    KeyScope scope;
    const char* button;
    std::function<bool()> enabled, checked;
    std::function<QString()> label;
    const char* tableKeys;
  };
  void add(const char* context, const Look& look, std::function<void()> run,
           std::function<bool()> enabled, std::function<bool()> checked,
           std::function<QString()> label);
  const Entry* entry(QStringView id) const;
  void followKeyMap();
  void applyKeys(const Entry& e) const;

  QWidget* window_;
  const char* group_;
  const char* context_;  // where the table's texts are translated
  std::vector<Entry> entries_;
  // The context of every connection the set makes: they go when the set goes.
  QObject guard_;
};

// Sets an action's tool tip: `tip`, followed by its keys in force when it has any
// ("Save (Ctrl+S)"); the keys follow when they change.
void setActionTip(QAction* a, const QString& tip);

// The key sequences of a table's key text ("Ctrl+X; X", "Any+D" spelled out).
QList<QKeySequence> parseKeys(const char* keys);

// Undo and Redo named after the step they take back or do again ("&Undo Move 2 craft", tool tip
// "Undo Move 2 craft").
void nameUndoRedo(QUndoStack* stack, QAction* undo, QAction* redo);

}  // namespace app
