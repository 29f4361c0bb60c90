#pragma once
// Stateless painters of the briefing preview: the 562 x 355 map (grid, title, flight-group icons
// and names, boxes, tags) and the caption and description strips, drawn from the playback
// engine's view. They keep nothing between calls.

#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <tuple>

#include "briefing/commands.h"
#include "model/mission.h"

namespace app {

// Draws a 16 x 20 craft icon centred on a point, in an icon colour row.
using CraftIconPainter = std::function<void(QPainter&, QPointF, int craftType, int iffRow)>;

// The briefing's craft icon painter: the map's icons in the briefing's columns.
CraftIconPainter craftIcons();

struct BriefingScene {
  const model::Mission* mission = nullptr;
  int briefing = 0;  // 0..7
  const briefing::DisplayState* view = nullptr;
  const briefing::CommandList* commands = nullptr;
  bool showNames = true;
  CraftIconPainter icon;
};

inline constexpr int CaptionStripHeight = 48;
inline constexpr int DescriptionStripHeight = 20;

// The icon row of an IFF: 4 uses the red row and 5 the purple one.
int briefingIconRow(int iff);
QPoint briefingToScreen(const briefing::DisplayState& v, int x, int y);

// The map's background, and the flight-group names drawn on it: light enough to read there.
QColor briefingMapColour();
QColor briefingNameColour();
// The colour of highlighted words ("[" ... "]") in the caption strip.
QColor captionHighlightColour();
// A box of half-width `half` (15 when drawn, 8 at rest) around a flight group's point `c`.
QRect briefingBoxRect(QPoint c, int half);
// The left end of a flight group's name beside its point `c`: past its icon and past a box at
// rest, so that neither covers the first letter.
int briefingNameLeft(QPoint c);

// The layer redrawn only when the view changes: background, grid, title, flight groups.
void paintBriefingBackground(QPainter& p, const BriefingScene& s);
// What changes every tick: boxes and tags.
void paintBriefingOverlay(QPainter& p, const BriefingScene& s);
// The caption under the map: white on navy, bracketed words highlighted without their brackets.
void paintCaptionStrip(QPainter& p, const QRect& r, const QString& text);
// The description above the map: yellow, centred, on navy.
void paintDescriptionStrip(QPainter& p, const QRect& r, const QString& text);
// The caption of the current view: the briefing text it shows, or nothing.
QString briefingCaption(const BriefingScene& s);

// One frame of the preview map as the editor shows it while playing: the background layer is
// kept between frames and drawn again only when the view moved or zoomed or after
// `invalidate()` (the Mission changed); the boxes and tags go over it every frame.
class BriefingFramePainter {
 public:
  void invalidate() { key_ = {}; }
  void paint(QPainter& p, const BriefingScene& s, qreal dpr);

 private:
  QImage layer_;
  std::tuple<int, int, int, bool, qreal> key_{};
};

// The whole picture: description strip, map, caption strip.
QImage renderBriefingPicture(const BriefingScene& s, const QString& description, qreal dpr = 1);

}  // namespace app
