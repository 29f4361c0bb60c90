#pragma once
// The "About" window: the editor's name and version with credits and two links, the terms of
// use, and tips on building missions.

#include <QDialog>

namespace app {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace app
