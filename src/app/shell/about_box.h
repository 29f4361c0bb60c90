#pragma once
// The "About" window: the editor's name and version with credits and two links, the terms of
// use, and tips on building missions.

#include <QDialog>

namespace app {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);

 private:
  // The pages of the tabs, inside `pages`.
  static QWidget* buildVersionPage(QWidget* pages);
  static QWidget* buildLicensePage(QWidget* pages);
  static QWidget* buildFaqPage(QWidget* pages);
};

}  // namespace app
