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
// The width of an average character of its texts, rounded up.
int mapCharWidth();
// The room a craft's name takes beside it (a flight group's 20-character name after its blanks).
inline int mapLabelRoom(const map::MapState& s) {
  return s.toggles.namesOn ? 23 * s.charWidth : 0;
}

// Black (or the briefing's dark blue) with the kilometre grid and the state texts.
void paintMapBackground(QPainter& p, const map::MapState& s);
// One flight group: route lines, markers, labels, annotations, craft, player number, brackets;
// its labels where `shifts` move them (map::labelShifts).
void paintFlightGroup(QPainter& p, const map::MapState& s, const model::Mission& m, int fg,
                      const map::LabelShifts* shifts = nullptr);
// The team palette strip along the bottom edge.
void paintPaletteStrip(QPainter& p, const map::MapState& s);
// Everything but the flight groups a drag moves (the current one when nothing moves), their
// labels where `still` (map::stillLabels) lays them out: the background cache of a drag.
void paintMapBackdrop(QPainter& p, const map::MapState& s, const model::Mission& m,
                      const map::LabelLayout& still);
// Those flight groups, as far as they are drawn, their labels laid out around `still`: what a
// drag redraws over the backdrop.
void paintMovingFlightGroups(QPainter& p, const map::MapState& s, const model::Mission& m,
                             const map::LabelLayout& still);
// The whole map: backdrop, then the moving or current flight groups on top.
void paintMap(QPainter& p, const map::MapState& s, const model::Mission& m);

}  // namespace app
