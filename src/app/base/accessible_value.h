#pragma once
// What a painted canvas (the map, the briefing preview) shows as current, for a screen reader:
// its accessible value ("Red, flight group 1"; "12.5 s: Zoom 16"). The canvas calls
// setAccessibleValue once when it is made (so that its accessible interface carries the value)
// and again whenever what is current changes.

#include <QString>

class QWidget;

namespace app {

void setAccessibleValue(QWidget* canvas, const QString& value);

}  // namespace app
