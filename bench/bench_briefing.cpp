// One frame of the briefing preview while it plays a busy briefing: a timer tick of the player,
// then the map painted as the editor paints it (the background layer drawn again because a zoom
// is under way, then eight boxes and eight tags over thirty craft with their names).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <array>
#include <string>

#include "app/briefing/briefing_painter.h"
#include "briefing/editing.h"
#include "briefing/playback.h"
#include "map_mission.h"

namespace {

namespace brf = briefing;

struct BusyBriefing {
  model::Mission mission = testgen::busyMapMission(30);
  brf::CommandList commands;
  brf::Player player;
  std::array<brf::DisplayState, 2> zooming;  // two ticks of the zoom, boxes and tags mid-way

  BusyBriefing() {
    namespace fg = model::fg;
    const std::size_t point = model::Briefing1;
    for (int i = 0; i < 30; ++i) {
      model::FlightGroup& g = mission.flightGroups[static_cast<std::size_t>(i)];
      g.set(fg::WaypointEnabled, model::i16{1}, point);
      g.set(fg::WaypointX, static_cast<model::i16>(-800 + i % 6 * 320), point);
      g.set(fg::WaypointY, static_cast<model::i16>(-500 + i / 6 * 250), point);
    }
    model::Briefing& b = mission.briefings[0];
    b.strings[1] = "Escort the [convoy] past the minefield and hold the [gate].";
    auto add = [&](int time, int code, int index = 0, int x = 0, int y = 0, int colour = 0) {
      brf::Command c = brf::newCommand(code, time);
      c.index = static_cast<std::uint16_t>(index);
      c.x = static_cast<std::int16_t>(x);
      c.y = static_cast<std::int16_t>(y);
      c.colour = static_cast<std::uint16_t>(colour);
      commands.push_back(c);
    };
    add(0, brf::BriefingText, 1);
    for (int i = 0; i < brf::SlotCount; ++i) {
      b.tags[static_cast<std::size_t>(i)] = "Waypoint area " + std::to_string(i + 1);
      add(1, brf::FirstBox + i, i * 3);
      add(1, brf::FirstTag + i, i, -700 + i * 180, -300 + i % 3 * 250, i % 5);
    }
    add(2, brf::ZoomMap, 0, 64, 64);
    commands.push_back(brf::Command::endMarker());
    player.setCommands(&commands);
    player.setTags(b.tags);
    player.setRunningTime(30000);
    player.rewind();
    player.tick();  // the boxes and tags
    player.tick();  // the zoom begins
    for (brf::DisplayState& v : zooming) {
      player.tick();
      v = player.view();
    }
  }
};

void BriefingFrame(benchmark::State& st) {
  static BusyBriefing busy;
  QImage image(brf::PreviewWidth, brf::PreviewHeight, QImage::Format_RGB32);
  app::BriefingFramePainter frame;
  const app::BriefingScene scene{&busy.mission,  0,    &busy.player.view(),
                                 &busy.commands, true, app::craftIcons()};
  std::size_t n = 0;
  for (auto _ : st) {
    // Back to one of two moments of the zoom, so that each frame zooms as playing does.
    busy.player.view() = busy.zooming[n++ % 2];
    busy.player.tick();
    QPainter p(&image);
    frame.paint(p, scene, 1);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BriefingFrame)->Unit(benchmark::kMillisecond);

}  // namespace
