#pragma once
// The "Error and Warning List" window: the findings of the error check, errors first.

#include <QDialog>
#include <QRect>
#include <QStringList>

class QCheckBox;
class QPlainTextEdit;

namespace app {

class ErrorListWindow : public QDialog {
  Q_OBJECT
 public:
  // Shows `errors`, then `warnings` unless `omitWarnings` is set.
  ErrorListWindow(const QStringList& errors, const QStringList& warnings, bool omitWarnings,
                  QWidget* parent = nullptr);

  // Moves the window off `area` (a notice shown at the same moment): below it where the screen
  // has room, else above it.
  void keepClearOf(const QRect& area);

  QString listText() const;
  bool omitWarnings() const;

 signals:
  // The moment the box is clicked: warnings are left out of later checks of this mission.
  void omitWarningsChanged(bool omit);

 private:
  QPlainTextEdit* memo_;
  QCheckBox* omitBox_;
};

}  // namespace app
