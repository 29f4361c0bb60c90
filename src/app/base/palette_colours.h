#pragma once
// Colours of the editor's own (not the game's) worked out from the desktop's palette, so that a
// dark or high-contrast theme keeps them readable, and kept up when the theme changes.

#include <QColor>

#include <functional>

class QWidget;

namespace app {

// `colour`, lightened or darkened as little as needed to be readable on `ground` (a contrast of
// 4.5 or more).
QColor readableOn(const QColor& colour, const QColor& ground);
// The red of a refused value, readable on `ground`.
QColor refusedColour(const QColor& ground);
// Calls `apply` whenever the palette reaching `w` changes (the desktop's theme switched while the
// editor runs), for as long as `w` lives: for colours worked out from the palette and set on it.
void whenPaletteChanges(QWidget* w, std::function<void()> apply);

}  // namespace app
