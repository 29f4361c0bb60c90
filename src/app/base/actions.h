#pragma once
// Every command of the main window declared once: its id (the QAction's objectName), menu text,
// shortcuts, hint (tool tip), icon and where it goes. The menu bar, the tool bar and the pop-up
// menus are built from this table, so a command looks and behaves the same everywhere, and
// windows look actions up by id.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class QAction;
class QKeyEvent;
class QMenuBar;
class QObject;
class QToolBar;
class QUndoStack;
class QWidget;

namespace app {

// Who handles an action's keys. The window takes its keys before its controls do (except Ctrl+A
// in a text entry); list keys work while the flight-group or message list has the focus and are
// handled by the lists. Either way the shortcut is shown in the menus.
enum class KeyScope { None, Window, List };

struct ActionSpec {
  const char* id;         // objectName of the QAction
  const char* text;       // menu text with its mnemonic
  const char* hint;       // tool tip and status tip
  const char* icon;       // app::icon name, or nullptr
  const char* shortcuts;  // portable key texts separated by "; ", first one shown
  KeyScope scope = KeyScope::None;
  const char* button = nullptr;  // objectName of its tool-bar button, when it has one
};

// The table, in no particular order.
const std::vector<ActionSpec>& actionTable();
const ActionSpec* findActionSpec(QStringView id);

// The menu bar: menu titles ("&File") each followed by its action ids, "-" for a separator and
// "Reopen" for the reopen submenu.
struct MenuSpec {
  const char* title;
  const char* objectName;
  QStringList items;
};
const std::vector<MenuSpec>& menuBarLayout();
// The tool bar, left to right; "-" is a separator.
const QStringList& toolBarLayout();
// The flight-group list's pop-up menu, top to bottom ("-" and "Reopen" as for the menu bar).
const QStringList& flightGroupPopupLayout();

// The actions of one window, made from its table (the main window's by default; every other
// window with keys declares a table of the same shape).
class ActionSet {
 public:
  // Creates every action of `table` (which must outlive the set) as a child of `owner`.
  explicit ActionSet(QObject* owner, const std::vector<ActionSpec>& table = actionTable());

  QAction* action(QStringView id) const;
  QList<QAction*> all() const { return actions_; }

  const ActionSpec* spec(QStringView id) const;

  // Fills the menu bar; `reopen` is put where the layout says "Reopen".
  void buildMenuBar(QMenuBar* bar, QAction* reopen,
                    const std::vector<MenuSpec>& menus = menuBarLayout()) const;
  // The actions of a pop-up `layout`, separators made as children of `owner`.
  QList<QAction*> popupActions(const QStringList& layout, QAction* reopen, QObject* owner) const;
  // Fills the tool bar and names its buttons.
  void buildToolBar(QToolBar* bar, const QStringList& layout = toolBarLayout()) const;
  // The window-scope action whose shortcut this key press is, or null.
  QAction* windowActionFor(const QKeyEvent& key) const;

 private:
  const std::vector<ActionSpec>* table_;
  QList<QAction*> actions_;
};

// Undo and Redo on `stack`: enabled while there is a step to take, named after it
// ("&Undo Move 2 craft", "&Redo Edit Delay").
void bindUndoRedo(QUndoStack* stack, QAction* undo, QAction* redo);

}  // namespace app
