#pragma once
// What a painted canvas (the map, the briefing preview) shows as current, for a screen reader:
// its accessible value ("Red, flight group 1"; "12.5 s: Zoom 16"). The canvas calls
// setAccessibleValue once when it is made (so that its accessible interface carries the value)
// and again whenever what is current changes.
//
// A list of lines (flight groups, messages) tells its current line the same way: the toolkit's
// list speaks of its lines one by one, and tellCurrentLine adds the current line's text as the
// list's own value, sent again whenever another line becomes current.

#include <QString>

class QAbstractItemView;
class QWidget;

namespace app {

void setAccessibleValue(QWidget* canvas, const QString& value);

// Call once, after the list has its model.
void tellCurrentLine(QAbstractItemView* list);

}  // namespace app
