#pragma once
// The about window: what the editor is, its keys and a few answers, with the version.

#include <QDialog>

namespace app {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace app
