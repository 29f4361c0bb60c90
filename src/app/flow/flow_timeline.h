#pragma once
// The timeline of the "Mission Flow" window: a row per flight group in order of earliest
// arrival, each with a bar per level shown from that time on (solid when exact, hatched when
// only a lower bound, greyed and dotted where the group is not at that level), the messages as
// marks on a row of their own, and the groups that never arrive at the end with their reason.
// Drawn in the colours of the flight-group list, on its dark ground.

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

#include <vector>

#include "flow/analysis.h"

namespace model {
struct Mission;
}
namespace shell {
class Vocabulary;
}

namespace app {

// One level's time in a row: a stripe of the row's band.
struct TimelineTime {
  flow::Time at;
  bool absent = false;  // not at this level: greyed
  QString time;         // "1:30", "≥ 1:30", "never", "—" (not at the level)
};
// What one row shows, made from the analysis; the painter reads nothing else.
struct TimelineRow {
  enum Kind { Group, Messages, Never } kind = Group;
  int group = -1;
  QString label;                     // "#3 Heavy Fighter Gold"
  std::vector<TimelineTime> levels;  // one per level shown
  QString note;                      // the reason of a group that never arrives
  QString tip;                       // the whole story, for the tool tip
  QColor colour;
  bool onlyIfHuman = false;
  bool absent = false;  // at none of the levels shown: greyed
};
struct TimelineMark {
  int message = -1;
  int level = 0;  // the stripe: the position of its level among those shown
  flow::Time at;
  QColor colour;
  QString tip;
};
struct TimelineContent {
  std::vector<QString> levels;  // the names of the levels shown, one stripe each
  std::vector<TimelineRow> rows;
  std::vector<TimelineMark> marks;  // on the Messages row
  int span = 60;                    // seconds the axis shows
};
// "Easy", "Medium", "Hard", translated.
QString levelName(flow::Difficulty d);
// The rows and marks of a Mission's analysis at the levels shown (all analysed when empty).
TimelineContent timelineContent(const model::Mission& m, const shell::Vocabulary& v,
                                const flow::Result& r, flow::Levels shown = {});

class FlowTimeline : public QWidget {
  Q_OBJECT
 public:
  explicit FlowTimeline(QWidget* parent = nullptr);

  void setContent(TimelineContent content);
  const TimelineContent& content() const { return content_; }
  void setCurrentGroup(int group);
  int currentGroup() const { return current_; }

  // Where things are drawn (for clicks and tests): a group's row, a message's mark.
  QRect rowRect(int group) const;
  // A message's mark in the stripe of its level (the position among the levels shown).
  QPoint markPoint(int message, int level = 0) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void groupClicked(int group);
  void messageClicked(int message);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  bool event(QEvent* e) override;

 private:
  struct Geometry {
    int rowHeight = 18, header = 22, labelWidth = 200, levelWidth = 60, timeWidth = 60;
    int left = 0, right = 0, stripes = 1;
    int x(int seconds, int span) const;
    // The part of a row's band where level `level` is drawn.
    QRect stripe(const QRect& band, int level) const;
  };
  Geometry geometry() const;
  int rowAt(QPoint p) const;
  const TimelineMark* markAt(QPoint p) const;
  QString tipAt(QPoint p) const;
  void paintAxis(QPainter& p, const Geometry& g, int bottom) const;
  void paintMarks(QPainter& p, const Geometry& g, const QRect& band) const;
  void paintBar(QPainter& p, const Geometry& g, const QRect& stripe, const TimelineTime& t,
                const QColor& colour) const;
  void paintRow(QPainter& p, const Geometry& g, const TimelineRow& row, const QRect& band) const;

  TimelineContent content_;
  int current_ = -1;
};

}  // namespace app
