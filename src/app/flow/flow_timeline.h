#pragma once
// The timeline of the "Mission Flow" window: a row per flight group in order of earliest
// arrival, each with a bar from that time on (solid when exact, hatched when only a lower
// bound), the messages as marks on a row of their own, and the groups that never arrive at the
// end with their reason. Drawn in the colours of the flight-group list, on its dark ground.

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

#include "flow/analysis.h"

namespace model {
struct Mission;
}
namespace shell {
class Vocabulary;
}

namespace app {

// What one row shows, made from the analysis; the painter reads nothing else.
struct TimelineRow {
  enum Kind { Group, Messages, Never } kind = Group;
  int group = -1;
  QString label;  // "#3 Heavy Fighter Gold"
  QString time;   // "1:30", ">= 1:30", "never"
  QString note;   // the reason of a group that never arrives
  QString tip;    // the whole story, for the tool tip
  QColor colour;
  flow::Time at;
  bool onlyIfHuman = false;
};
struct TimelineMark {
  int message = -1;
  flow::Time at;
  QColor colour;
  QString tip;
};
struct TimelineContent {
  std::vector<TimelineRow> rows;
  std::vector<TimelineMark> marks;  // on the Messages row
  int span = 60;                    // seconds the axis shows
};
// The rows and marks of a Mission's analysis.
TimelineContent timelineContent(const model::Mission& m, const shell::Vocabulary& v,
                                const flow::Result& r);

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
  QPoint markPoint(int message) const;

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
    int rowHeight = 18, header = 22, labelWidth = 200, timeWidth = 60, left = 0, right = 0;
    int x(int seconds, int span) const;
  };
  Geometry geometry() const;
  int rowAt(QPoint p) const;
  int markAt(QPoint p) const;
  QString tipAt(QPoint p) const;

  TimelineContent content_;
  int current_ = -1;
};

}  // namespace app
