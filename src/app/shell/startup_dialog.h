#pragma once
// The "StartUp" choice offered when the editor opens: load a mission, make a new one, or load
// the last one used.

#include <QDialog>

class QRadioButton;

namespace app {

class StartUpDialog : public QDialog {
  Q_OBJECT
 public:
  enum Choice { LoadExisting = 0, CreateNew = 1, LoadLastUsed = 2 };

  explicit StartUpDialog(QWidget* parent = nullptr);
  Choice choice() const;
  void setChoice(Choice c);

 private:
  QRadioButton* buttons_[3];
};

}  // namespace app
