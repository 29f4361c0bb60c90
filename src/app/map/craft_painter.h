#pragma once
// Stateless painters of craft: the 16 x 20 icons of the icon strip and the wireframe models.
// They draw into any QPainter and keep nothing between calls, so the map, its palette, the
// export and the briefing preview share them.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include "map/view.h"
#include "map/wireframes.h"
#include "model/records.h"

namespace app {

// Draws the 16x20 icon of `craftType` in the colour row `iffRow` (0..4) centred on `centre`.
// Black icon pixels leave the target unchanged.
void paintCraftIcon(QPainter& p, QPointF centre, int craftType, int iffRow);

// Draws the wireframe of `craftType` at `centre`, scaled for `zoom` (map zoom percent, as the map
// uses it), turned by `heading` (the flight group's heading: model::Heading), in `colour`;
// returns false when the model is not drawn at that zoom (icon instead). `plane`: 0 X-Y, 1 X-Z,
// 2 Y-Z.
bool paintCraftWireframe(QPainter& p, QPointF centre, int craftType, int zoom,
                         const model::Heading& heading, QColor colour, int plane = 0);
// The same with the map's wireframe settings (small-craft zoom, X-Y only, minimum size, icons
// only, briefing mode).
bool paintCraftWireframe(QPainter& p, QPointF centre, int craftType, int zoom,
                         const model::Heading& heading, QColor colour, map::Plane plane,
                         const map::WireframeOptions& options);

// Paints an already built drawing in `colour` (shades and silver parts as the drawing says).
void paintWireframeDrawing(QPainter& p, const map::WireframeDrawing& d, QColor colour);

// Draws icon column `column` (1..74) of colour row `row` with its top-left corner at `topLeft`.
void paintIconColumn(QPainter& p, QPointF topLeft, int column, int row);

// The colour of an icon row (0..4).
QColor iconRowColour(int row);

// The whole strip: 74 columns 19 pixels apart, 5 rows of 20 pixels (1404 x 100), black behind
// the icons, at device pixel ratio `dpr` (1 or 2).
const QImage& craftIconStrip(int dpr = 1);

}  // namespace app
