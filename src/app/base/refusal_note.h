#pragma once
// A refusal told while the user types: a note beside the control, in the manner of a tool tip,
// that takes neither the focus nor a key, so that every key typed after it lands where it was
// typed. It stays a few seconds, until the control is left or the next note replaces it. Boxes
// are for commands (a click, a menu), never for a key in a text.

#include <QRect>
#include <QString>

class QWidget;

namespace app {

// Shows `why` beside `area` of `control` (its whole rectangle when `area` is empty).
void showRefusal(QWidget* control, const QString& why, const QRect& area = {});
// The note shown at `control` now (empty: none).
QString shownRefusal(const QWidget* control);

}  // namespace app
