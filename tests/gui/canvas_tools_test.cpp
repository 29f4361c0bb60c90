// The map's canvas tools without the window: every gesture that edits is one undo step whatever
// the number of moves and craft, and cancel (the window's Escape) leaves neither a step nor a
// changed byte; the pan gesture edits nothing and cancel puts the view back.
#include <gtest/gtest.h>

#include <QUndoStack>

#include <functional>

#include "app/document/mission_document.h"
#include "app/map/map_tools.h"
#include "map/palette.h"
#include "model/mission_file.h"
#include "shell/settings.h"

namespace {

using namespace model;

// The window's side of the tools: the selection and the view, nothing drawn.
class ToolHost : public app::MapToolHost {
 public:
  ToolHost() {
    Mission m;
    m.newMission();
    m.addFlightGroup();
    m.flightGroups[0].setText(fg::Name, "G1");
    m.flightGroups[1].setText(fg::Name, "G2");
    m.flightGroups[1].set(fg::WaypointX, i16{2000}, Start1);
    m.flightGroups[0].set(fg::WaypointEnabled, i16{1}, Waypoint1);
    m.flightGroups[0].set(fg::WaypointY, i16{-3000}, Waypoint1);
    doc.replaceMission(std::move(m));
    state.view.centrePixel = {state.width / 2, state.height / 2};
  }
  QPointF pixelOf(int group, std::size_t point) const {
    const Vec3 at = map::pointPosition(doc.mission().flightGroups.at(group), point);
    return {state.view.mapToScreenX(at.x), state.view.mapToScreenY(at.y)};
  }

  app::MissionDocument doc;
  map::MapState state;
  shell::Settings settings;

  app::MissionDocument& document() override { return doc; }
  const map::MapState& mapState() const override { return state; }
  const shell::Settings& mapSettings() const override { return settings; }
  QString craftName(int type) const override { return QStringLiteral("type %1").arg(type); }
  void pick(int group, std::size_t point, bool keepSelection) override {
    if (!keepSelection) doc.selectFlightGroups({group});
    state.current = group;
    state.currentPoint = point;
  }
  void placed(int group) override { pick(group, Start1, false); }
  void dragStarted(const std::vector<int>& groups) override { state.moving = groups; }
  void dragEnded() override { state.moving.clear(); }
  void centreOn(map::ViewPoint at) override { state.view.centreOn(at); }
  void panTo(double x, double y) override {
    state.view.panX = x;
    state.view.panY = y;
  }
  void setZoom(int zoom) override { state.view.zoom = zoom; }
  void zoomKeeping(int zoom, map::ViewPoint, QPointF) override { state.view.zoom = zoom; }
  void redraw() override {}
  void zoomOutOnDoubleClick() override {}
  void pointerAt(QPointF) override {}
  void note(QPointF, const QString&) override {}
};

app::CanvasEvent mouse(QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
  return {at, button, held, Qt::NoModifier};
}

// A pixel of the palette strip's first cell.
QPointF paletteCell(const map::MapState& s) {
  for (int y = s.height - 1; y >= 0; --y)
    if (map::paletteSlotAt(10, y, s.height)) return {10, double(y)};
  return {};
}

struct Gesture {
  const char* name;
  std::function<QPointF(ToolHost&)> start;  // sets the host up, says where the press goes
  Qt::MouseButton button;
  int steps;  // after the release
};

// The names a point goes by in undo steps and in what the map tells a screen reader.
TEST(CanvasTools, EveryKindOfPointHasItsName) {
  EXPECT_EQ(app::pointName(Start1 + 1), "Start 2");
  EXPECT_EQ(app::pointName(Waypoint1 + 7), "WP 8");
  EXPECT_EQ(app::pointName(Rendezvous), "Rendezvous");
  EXPECT_EQ(app::pointName(Hyperspace), "Hyperspace");
  EXPECT_EQ(app::pointName(Briefing1 + 7), "Brief 8");
}

TEST(CanvasTools, AGestureIsOneStepAndCancelLeavesNothing) {
  const std::vector<Gesture> gestures{
      {"a craft dragged", [](ToolHost& h) { return h.pixelOf(1, Start1); }, Qt::LeftButton, 1},
      {"two selected craft dragged together",
       [](ToolHost& h) {
         h.doc.selectFlightGroups({0, 1});
         return h.pixelOf(0, Start1);
       },
       Qt::LeftButton, 1},
      {"a route point dragged",
       [](ToolHost& h) {
         h.state.toggles.allWPs = true;
         return h.pixelOf(0, Waypoint1);
       },
       Qt::LeftButton, 1},
      {"a craft placed from the palette and dragged",
       [](ToolHost& h) {
         h.state.toggles.palette = true;
         return paletteCell(h.state);
       },
       Qt::LeftButton, 1},
      {"the view panned", [](ToolHost& h) { return h.pixelOf(1, Start1); }, Qt::MiddleButton, 0},
  };
  for (const Gesture& g : gestures) {
    for (const bool cancelled : {false, true}) {
      const std::string what = std::string(g.name) + (cancelled ? ", cancelled" : "");
      ToolHost host;
      app::MapTools tools(host);
      const QPointF at = g.start(host);
      const auto image = writeMission(host.doc.mission());
      tools.press(mouse(at, g.button, g.button));
      for (const QPointF by : {QPointF(30, 20), QPointF(60, 45)})
        tools.move(mouse(at + by, Qt::NoButton, g.button));
      EXPECT_TRUE(tools.active()) << what;
      if (cancelled)
        tools.cancel();
      else
        tools.release(mouse(at + QPointF(60, 45), g.button, Qt::NoButton));
      EXPECT_FALSE(tools.active()) << what;
      EXPECT_FALSE(host.doc.inTransaction()) << what;
      const int steps = cancelled ? 0 : g.steps;
      EXPECT_EQ(host.doc.undoStack()->count(), steps) << what;
      EXPECT_EQ(writeMission(host.doc.mission()) == image, steps == 0) << what;
      if (g.button == Qt::MiddleButton) {
        EXPECT_EQ(host.state.view.panX, cancelled ? 0 : 60) << what;
        EXPECT_EQ(host.state.view.panY, cancelled ? 0 : 45) << what;
      }
      if (steps == 0) continue;
      host.doc.undoStack()->undo();
      EXPECT_EQ(writeMission(host.doc.mission()), image) << what;
    }
  }
}

// Several selected craft keep their places to each other as the first follows the cursor.
TEST(CanvasTools, SelectedCraftMoveByTheSameDistance) {
  ToolHost host;
  app::MapTools tools(host);
  host.doc.selectFlightGroups({0, 1});
  const QPointF at = host.pixelOf(0, Start1);
  const double gap =
      host.doc.mission().flightGroups[1].x(Start1) - host.doc.mission().flightGroups[0].x(Start1);
  tools.press(mouse(at, Qt::LeftButton, Qt::LeftButton));
  tools.move(mouse(at + QPointF(80, 0), Qt::NoButton, Qt::LeftButton));
  tools.release(mouse(at + QPointF(80, 0), Qt::LeftButton, Qt::NoButton));
  const auto& groups = host.doc.mission().flightGroups;
  EXPECT_NE(groups[0].x(Start1), 0);
  EXPECT_EQ(groups[1].x(Start1) - groups[0].x(Start1), gap);
}

}  // namespace
