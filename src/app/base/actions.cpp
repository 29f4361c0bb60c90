#include "app/base/actions.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include "app/base/icons.h"

namespace app {

const std::vector<ActionSpec>& actionTable() {
  using enum KeyScope;
  // Hints are the texts the tool bar has always shown ("Save As " with its blank included).
  static const std::vector<ActionSpec> table = {
      // File
      {"NewMissionAction", "&New Mission", "New Mission", "document-new", "Ctrl+N", Window,
       "NewMissionBtn"},
      {"LoadAction", "&Open...", "Load Mission", "document-open", "Ctrl+O", Window, "LoadBtn"},
      {"LoadByLstAction", "&Load by lst...", "Load a mission chosen from the game's lists",
       "load-by-list", ""},
      {"SaveAction", "&Save", "Save", "document-save", "Ctrl+S", Window, "SaveBtn"},
      {"SaveAsAction", "Save &as...", "Save As ", "document-save-as", "Ctrl+Shift+S; Ctrl+A",
       Window, "SaveAsBtn"},
      {"ImportJsonAction", "&Import JSON…", "Open a mission written as JSON", nullptr, ""},
      {"ExportJsonAction", "&Export as JSON…", "Write the mission as JSON", nullptr, ""},
      {"ExitAction", "E&xit", "Close the editor", "exit", "Ctrl+Q", Window},
      // Edit
      {"UndoAction", "&Undo", "Undo", "edit-undo", "Ctrl+Z", Window},
      {"RedoAction", "&Redo", "Redo", "edit-redo", "Ctrl+Y; Ctrl+Shift+Z", Window},
      {"CutAction", "Cu&t", "Cut FG", "fg-cut", "Ctrl+X", List, "CutBtn"},
      {"CopyAction", "&Copy", "Copy FG", "fg-copy", "Ctrl+C", List, "CopyBtn"},
      {"PasteAction", "&Paste", "Paste FG", "fg-paste", "Ctrl+V", List, "PasteBtn"},
      {"DeleteAction", "&Delete", "Delete FG or Message", "fg-delete", "Del", List, "DeleteBut"},
      {"NewFGAction", "Add &FG", "New FG or Message", "fg-add", "Ins", List, "NewFGBut"},
      {"UpAction", "Move &up", "Move FG or Message Up", "fg-up", "", None, "UpBtn"},
      {"DownAction", "&Move down", "Move FG or Message Down", "fg-down", "", None, "DownBtn"},
      // View
      {"MapAction", "&Map", "Map", "map", "", None, "MapBtn"},
      {"BriefAction", "&Briefings", "Briefings", "briefings", "", None, "BriefBtn"},
      {"GoalSummaryAction", "&Goal summary", "Show the goals in the flight-group list",
       "goal-summary", "Ctrl+G", Window},
      {"UndoHistoryAction", "Undo &History", "Show every step Undo can take back", nullptr, ""},
      {"MissionFlowAction", "Mission &Flow",
       "When each flight group can arrive, and what can never happen", nullptr, ""},
      {"WhereUsedAction", "Where is it &used?", "Every place that names the current flight group",
       nullptr, ""},
      // Tools
      {"ErrorCheckAction", "&Error Check", "Error Check", "error-check", "", None, "ErrorCheckBtn"},
      {"LstAction", "Edit .&lst Files", "Edit .lst Files", "list-files", "", None, "LstBtn"},
      {"BattleAction", "&Campaign/Battle Manager", "Campaign/Battle Manager", "battle-manager", "",
       None, "BattleBtn"},
      {"OptAction", "&OPT File Manager", "OPT File Manager", "model-files", "", None, "OptBtn"},
      {"LibraryAction", "FG &Library", "FG Library page", "library", "", None, "LibShowBut"},
      {"AddToLibAction", "&Add selected FGs to library", "Add selected FGs to current library",
       "library-add", "", None, "PutIntoLib"},
      {"PrefsAction", "&Preferences...", "Preferences", "preferences", "", None, "PrefsBtn"},
      // Help
      {"AboutAction", "&About / FAQ", "About / FAQ", "about", "", None, "AboutBtn"},
      {"HomePageAction", "&Home page", "Home page", "home-page", "", None, "HomePageBtn"},
  };
  return table;
}

const ActionSpec* findActionSpec(QStringView id) {
  for (const ActionSpec& spec : actionTable())
    if (id == QLatin1String(spec.id)) return &spec;
  return nullptr;
}

const std::vector<MenuSpec>& menuBarLayout() {
  static const std::vector<MenuSpec> menus = {
      {"&File",
       "FileMenu",
       {"NewMissionAction", "LoadAction", "Reopen", "LoadByLstAction", "-", "SaveAction",
        "SaveAsAction", "-", "ImportJsonAction", "ExportJsonAction", "-", "ExitAction"}},
      {"&Edit",
       "EditMenu",
       {"UndoAction", "RedoAction", "-", "CutAction", "CopyAction", "PasteAction", "DeleteAction",
        "-", "NewFGAction", "UpAction", "DownAction"}},
      {"&View",
       "ViewMenu",
       {"MapAction", "BriefAction", "MissionFlowAction", "WhereUsedAction", "-",
        "GoalSummaryAction", "-", "UndoHistoryAction"}},
      {"&Tools",
       "ToolsMenu",
       {"ErrorCheckAction", "-", "LstAction", "BattleAction", "OptAction", "-", "LibraryAction",
        "AddToLibAction", "-", "PrefsAction"}},
      {"&Help", "HelpMenu", {"AboutAction", "HomePageAction"}},
  };
  return menus;
}

const QStringList& toolBarLayout() {
  // The file commands together, then the list's, the windows of the mission, the tools, the
  // library and the editor's own.
  static const QStringList bar = {"NewMissionAction",
                                  "LoadAction",
                                  "SaveAction",
                                  "SaveAsAction",
                                  "-",
                                  "NewFGAction",
                                  "DeleteAction",
                                  "UpAction",
                                  "DownAction",
                                  "CutAction",
                                  "CopyAction",
                                  "PasteAction",
                                  "-",
                                  "MapAction",
                                  "BriefAction",
                                  "-",
                                  "ErrorCheckAction",
                                  "LstAction",
                                  "BattleAction",
                                  "OptAction",
                                  "-",
                                  "LibraryAction",
                                  "AddToLibAction",
                                  "-",
                                  "PrefsAction",
                                  "AboutAction",
                                  "HomePageAction"};
  return bar;
}

const QStringList& flightGroupPopupLayout() {
  static const QStringList popup = {"NewFGAction",
                                    "DeleteAction",
                                    "CopyAction",
                                    "PasteAction",
                                    "UpAction",
                                    "DownAction",
                                    "-",
                                    "WhereUsedAction",
                                    "-",
                                    "UndoAction",
                                    "RedoAction",
                                    "-",
                                    "NewMissionAction",
                                    "LoadAction",
                                    "SaveAction",
                                    "SaveAsAction",
                                    "Reopen",
                                    "LoadByLstAction"};
  return popup;
}

ActionSet::ActionSet(QObject* owner, const std::vector<ActionSpec>& table) : table_(&table) {
  for (const ActionSpec& spec : table) {
    auto* a = new QAction(QString::fromUtf8(spec.text), owner);
    a->setObjectName(QLatin1String(spec.id));
    a->setToolTip(QString::fromUtf8(spec.hint));
    a->setStatusTip(QString::fromUtf8(spec.hint));
    if (spec.icon) a->setIcon(icon(QLatin1String(spec.icon)));
    QList<QKeySequence> keys;
    for (const QString& k :
         QString::fromLatin1(spec.shortcuts).split(QStringLiteral("; "), Qt::SkipEmptyParts))
      keys << QKeySequence(k, QKeySequence::PortableText);
    a->setShortcuts(keys);
    // The keys are shown in the menus; the window or the lists handle them (see KeyScope).
    a->setShortcutContext(Qt::WidgetShortcut);
    a->setShortcutVisibleInContextMenu(true);
    actions_ << a;
  }
}

QAction* ActionSet::action(QStringView id) const {
  for (QAction* a : actions_)
    if (a->objectName() == id) return a;
  return nullptr;
}

const ActionSpec* ActionSet::spec(QStringView id) const {
  for (const ActionSpec& spec : *table_)
    if (id == QLatin1String(spec.id)) return &spec;
  return nullptr;
}

void ActionSet::buildMenuBar(QMenuBar* bar, QAction* reopen,
                             const std::vector<MenuSpec>& menus) const {
  for (const MenuSpec& spec : menus) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(spec.title));
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
    QAction* a = action(item);
    const ActionSpec* spec = this->spec(item);
    if (!a || !spec) continue;
    bar->addAction(a);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a))) {
      if (spec->button) button->setObjectName(QLatin1String(spec->button));
      button->setAutoRaise(true);
    }
  }
}

QAction* ActionSet::windowActionFor(const QKeyEvent& key) const {
  const auto mods = key.modifiers() & ~Qt::KeypadModifier;
  const QKeySequence pressed(QKeyCombination(mods, Qt::Key(key.key())));
  for (QAction* a : actions_) {
    const ActionSpec* spec = this->spec(a->objectName());
    if (!spec || spec->scope != KeyScope::Window) continue;
    for (const QKeySequence& k : a->shortcuts())
      if (k.matches(pressed) == QKeySequence::ExactMatch) return a;
  }
  return nullptr;
}

void bindUndoRedo(QUndoStack* stack, QAction* undo, QAction* redo) {
  // Menu texts double an ampersand that the step's text holds.
  auto name = [](QAction* a, const QString& verb, const QString& step) {
    const QString plain = QString(verb).remove(QLatin1Char('&'));
    if (step.isEmpty()) {
      a->setText(verb);
      a->setToolTip(plain);
    } else {
      a->setText(verb + QLatin1Char(' ') +
                 QString(step).replace(QStringLiteral("&"), QStringLiteral("&&")));
      a->setToolTip(plain + QLatin1Char(' ') + step);
    }
  };
  const QString undoVerb = QObject::tr("&Undo"), redoVerb = QObject::tr("&Redo");
  QObject::connect(undo, &QAction::triggered, stack, &QUndoStack::undo);
  QObject::connect(redo, &QAction::triggered, stack, &QUndoStack::redo);
  QObject::connect(stack, &QUndoStack::undoTextChanged, undo,
                   [=](const QString& t) { name(undo, undoVerb, t); });
  QObject::connect(stack, &QUndoStack::redoTextChanged, redo,
                   [=](const QString& t) { name(redo, redoVerb, t); });
  QObject::connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  QObject::connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  name(undo, undoVerb, stack->undoText());
  name(redo, redoVerb, stack->redoText());
  undo->setEnabled(stack->canUndo());
  redo->setEnabled(stack->canRedo());
}

}  // namespace app
