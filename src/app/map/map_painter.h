#pragma once
// Stateless painters of the map: the background with its grid, one flight group with its marks,
// the team palette strip, and the whole map in its painting order. They read a MapState and the
// Mission and keep nothing, so the window, the export and the benchmark draw the same picture.

#include <QColor>
#include <QFont>
#include <QPainter>

#include "app/base/colour.h"
#include "map/scene.h"
#include "model/colours.h"
#include "model/mission.h"

namespace app {

// The map's small font and the height of one of its lines.
QFont mapFont();
int mapLineHeight();

// Black (or the briefing's dark blue) with the kilometre grid and the state texts.
void paintMapBackground(QPainter& p, const map::MapState& s);
// One flight group: route lines, markers, labels, annotations, craft, player number, brackets;
// its craft label `labelShift` pixels lower (map::craftLabelShifts).
void paintFlightGroup(QPainter& p, const map::MapState& s, const model::Mission& m, int fg,
                      int labelShift = 0);
// The team palette strip along the bottom edge.
void paintPaletteStrip(QPainter& p, const map::MapState& s);
// Everything but the current flight group: the background cache of a drag.
void paintMapBackdrop(QPainter& p, const map::MapState& s, const model::Mission& m);
// The current flight group when it is drawn: what a drag redraws over the backdrop.
void paintCurrentFlightGroup(QPainter& p, const map::MapState& s, const model::Mission& m);
// The whole map: backdrop, then the current flight group on top.
void paintMap(QPainter& p, const map::MapState& s, const model::Mission& m);

}  // namespace app
