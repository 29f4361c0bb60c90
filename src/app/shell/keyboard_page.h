#pragma once
// Preferences › Keyboard: every action of the main window, the map and the briefing editor,
// grouped by window and searchable, with the keys in force. A row's keys are chosen by pressing
// them in the key field ("Clear" takes them all away); a key that another action of the same
// window already has where both work is refused, or moved over after a question. "Reset" gives a
// row its table's keys back, "Reset All" every row. The result goes into the "Keys" section.

#include <QKeySequence>
#include <QLineEdit>
#include <QList>
#include <QWidget>

#include <vector>

#include "app/shell/keyboard_reference.h"
#include "shell/key_bindings.h"

class QLabel;
class QLayout;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace app {

class Prompter;

// A field that takes the next key pressed in it (with its modifiers) as a key of its own; Tab
// and Shift+Tab still move the focus on, so the page can be left without a mouse.
class KeyCatcher : public QLineEdit {
  Q_OBJECT
 public:
  explicit KeyCatcher(QWidget* parent = nullptr);
 signals:
  void keyCaught(const QKeySequence& key);

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

class KeyboardPage : public QWidget {
  Q_OBJECT
 public:
  KeyboardPage(shell::KeyBindings bindings, Prompter& prompter, QWidget* parent = nullptr);

  // The section as the page leaves it: unknown names and untouched lines as they were read.
  const shell::KeyBindings& bindings() const { return bindings_; }
  void setPrompter(Prompter& prompter) { prompter_ = &prompter; }

 private:
  QLayout* buildSearch();
  void buildList();
  void fillList();
  QLayout* buildEditRow();
  void connectSignals();
  struct Row {
    KeyedAction action;
    QString name;  // in the "Keys" section
    QTreeWidgetItem* item = nullptr;
  };
  QList<QKeySequence> keysOf(const Row& row) const;
  QList<QKeySequence> tableKeys(const Row& row) const;
  void setKeys(const Row& row, const QList<QKeySequence>& keys);
  void showRow(const Row& row);
  void showCurrent();
  Row* current();
  // Another action of the row's window that has `key` where the row's keys work too.
  const Row* clashWith(const Row& row, const QKeySequence& key) const;
  void keyPressed(const QKeySequence& key);
  void clearKeys();
  void resetRow();
  void resetAll();
  void filter(const QString& words);

  shell::KeyBindings bindings_;
  Prompter* prompter_;
  std::vector<Row> rows_;
  QLineEdit* search_ = nullptr;
  QTreeWidget* list_ = nullptr;
  KeyCatcher* catcher_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* resetAll_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace app
