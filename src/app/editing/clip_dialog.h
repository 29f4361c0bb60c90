#pragma once
// The condition and order clipboards' dialog: one line per entry, reorder and delete, and "&Use"
// (or a double-click) to hand the selected entry to the caller. Closing it, whatever the result,
// rewrites the clipboard's file.

#include <QDialog>

#include <functional>
#include <string>

#include "editing/clipboards.h"

class QLabel;
class QLayout;
class QListWidget;
class QPushButton;

namespace app {

class Prompter;

class ClipDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Conditions, Orders };
  using Describe = std::function<std::string(model::CBytes)>;

  ClipDialog(Mode mode, editing::Clipboard& clipboard, Describe describe,
             std::string editorDirectory, Prompter& prompter, QWidget* parent = nullptr);

  // The entry chosen with "&Use", or -1.
  int chosen() const { return chosen_; }
  void done(int result) override;

 private:
  QLayout* buildButtons();
  void useSelected();
  void fill(int select);
  int selected() const;

  editing::Clipboard& clip_;
  Describe describe_;
  std::string editorDirectory_;
  Prompter& prompter_;
  QListWidget* list_;
  QLabel* empty_ = nullptr;
  QPushButton* use_ = nullptr;
  int chosen_ = -1;
  bool edited_ = false;
};

}  // namespace app
