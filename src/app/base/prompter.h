#pragma once
// Every modal box and file dialog of the editor goes through a Prompter, so that tests can
// answer them without a user.

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace app {

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A question box ("Confirm") with the given buttons; returns the button pressed.
  virtual QMessageBox::StandardButton question(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons);
  virtual void information(QWidget* parent, const QString& text);
  virtual void warning(QWidget* parent, const QString& text);
  virtual void error(QWidget* parent, const QString& text);

  // An existing file to open, or an empty string when cancelled. `filter` is in Qt syntax.
  virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, const QStringList& history);
  // A file to save to (the overwrite question included), or an empty string when cancelled.
  // A name typed without an extension gets `defaultSuffix`.
  virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, const QString& defaultSuffix);

  // An existing folder chosen in the desktop's own folder dialog, or an empty string when
  // cancelled.
  virtual QString existingFolder(QWidget* parent, const QString& caption, const QString& dir);

  // Runs a modal dialog of the editor (Preferences, error list, start-up choice) and returns
  // its result code.
  virtual int exec(QDialog& dialog);
};

// The prompter that shows real boxes; used when none is given.
Prompter& defaultPrompter();

// The widget a box asked for over `parent` is shown over: `parent` when its window is on the
// screen, else the nearest window above it that is (a window still being built), else the
// active window.
QWidget* boxParent(QWidget* parent);

}  // namespace app

namespace app {

// Turns a filter written as "Name|pattern|Name|pattern" into the file dialog's form, keeping
// the names as they are. Letters of the patterns match either case, since mission files come
// from systems that ignore case; "*.*" matches every file.
QString dialogFilter(const QString& filter);

}  // namespace app
