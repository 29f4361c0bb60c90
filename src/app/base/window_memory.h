#pragma once
// Every window keeps its size, place and splitter positions between runs, in the "Windows"
// section of "ZynED.ini" (shell/window_places.h). A window is known by its objectName, a
// splitter by its own.

#include <QList>
#include <QString>

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
  // Restores the window; the first time (nothing remembered) it opens at its own size centred
  // over its parent window (or the screen without one), `lift` pixels above that centre.
  void place(QWidget* window, int lift, const QList<QSplitter*>& splitters = {}) const;
  // Remembers the window and its splitters now (written into the file at once); false with
  // `error` when the file cannot be written.
  bool remember(const QWidget* window, const QList<QSplitter*>& splitters = {},
                QString* error = nullptr) const;

 private:
  std::string iniPath_;
};

// Fills `page` with a splitter named `name` between a list (`left`) and its controls (`right`);
// both grow with the page and the user sets their share, which WindowMemory keeps.
QSplitter* splitPage(QWidget* page, const QString& name, QWidget* left, QWidget* right);

}  // namespace app
