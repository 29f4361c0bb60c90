#pragma once
// "Flight Group Formations": where the craft of a flight group sit in each formation, seen from
// above, head-on and in profile. Steps through the formations; "&Use" accepts the dialog with
// the shown formation as its result, for the caller to write into the selected flight groups.

#include <QDialog>
#include <QWidget>

#include <string>

class QCheckBox;
class QPushButton;

namespace shell {
class Vocabulary;
}

namespace app {

class FormationPictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit FormationPictureBox(QWidget* parent = nullptr);
  void show(int formation, const QString& name, bool limitToCount, int craftCount);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int formation_ = 0;
  QString name_;
  bool limit_ = false;
  int craftCount_ = 1;
};

class FormationWindow : public QDialog {
  Q_OBJECT
 public:
  // With `iniPath` the window opens where it was left last time and remembers where it is left.
  FormationWindow(const shell::Vocabulary& vocab, int formation, int craftCount,
                  QWidget* parent = nullptr, std::string iniPath = {});

  // The formation shown (and chosen, after "&Use").
  int formation() const { return formation_; }

  // Whether "&Show for Current FG size" was ticked last; kept for the whole run.
  static bool showForCurrentSize();

 protected:
  void done(int result) override;

 private:
  void redraw();

  const shell::Vocabulary& vocab_;
  int formation_;
  int craftCount_;
  FormationPictureBox* picture_;
  QCheckBox* sizeCheck_;
  std::string iniPath_;
};

}  // namespace app
