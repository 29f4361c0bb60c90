#pragma once
// Every window keeps its size, place and splitter positions between runs, in the "Windows"
// section of "ZynED.ini" (shell/window_places.h). A window is known by its objectName, a
// splitter by its own. A splitter that was never shown (a page never opened) has no position of
// the user's: its remembered one stays as it was.

#include <QList>
#include <QString>

#include <functional>
#include <string>

class QSplitter;
class QWidget;

namespace app {

class WindowMemory {
 public:
  explicit WindowMemory(std::string iniPath) : iniPath_(std::move(iniPath)) {}

  // Puts the window back where it was, fitted onto the screen it is on now (never smaller than
  // its minimum size), maximised when it was, and gives the splitters their sizes. False when
  // nothing is remembered for the window (it keeps its size).
  bool restore(QWidget* window, const QList<QSplitter*>& splitters = {}) const;
  // Whether a size and place are remembered for the window.
  bool remembers(const QWidget* window) const;
  // Gives splitters of `window` built after it was restored their remembered sizes.
  void restoreSplitters(const QWidget* window, const QList<QSplitter*>& splitters) const;
  // Restores the window; the first time (nothing remembered) it opens at its own size centred
  // over its parent window (or the screen without one), `lift` pixels above that centre.
  void place(QWidget* window, int lift, const QList<QSplitter*>& splitters = {}) const;
  // Remembers the window and its splitters now (written into the file at once); false with
  // `error` when the file cannot be written.
  bool remember(const QWidget* window, const QList<QSplitter*>& splitters = {},
                QString* error = nullptr) const;
  // Whether the window named `name` was open when the editor closed last ("MapForm.Open=1").
  bool wasOpen(const QString& name) const;
  // Notes, as the editor closes, whether the window named `name` is open: the next start opens
  // again the windows that were.
  bool rememberOpen(const QString& name, bool open) const;

 private:
  std::string iniPath_;
};

// Fills `page` with a splitter named `name` between a list (`left`) and its controls (`right`);
// both grow with the page and the user sets their share, which WindowMemory keeps.
QSplitter* splitPage(QWidget* page, const QString& name, QWidget* left, QWidget* right);

// The splitter's own position until the user moves it or WindowMemory puts back the one of the
// last run: `arrange` sets its sizes each time it is shown or resized, and at refitSplitter (its
// contents changed width).
void fitSplitter(QSplitter* splitter, std::function<void(QSplitter*)> arrange);
void refitSplitter(QSplitter* splitter);

}  // namespace app
