#pragma once
// Paints the formation viewer's picture: the craft of one formation in the three views, their
// numbers, the captions and the dividers. Stateless: everything it draws comes from its inputs.

#include <QString>

class QPainter;

namespace app {

struct FormationPicture {
  int formation = 0;
  QString name;               // the formation's name from the formation table
  bool limitToCount = false;  // "Show for Current FG size"
  int craftCount = 1;
};

// Paints into a 497 x 387 area whose top left corner is the painter's origin.
void paintFormation(QPainter& p, const FormationPicture& picture);

// The three craft sprites, drawn with their top left corner at (x, y): from above (nose up),
// head-on (wings left and right) and in profile (nose to the left).
void paintTopSprite(QPainter& p, int x, int y);
void paintHeadOnSprite(QPainter& p, int x, int y);
void paintProfileSprite(QPainter& p, int x, int y);

}  // namespace app
