// Redrawing the map of a busy mission: the full redraw (background, every flight group with all
// its points, names, distances, times and wireframes) and the drag redraw (the background cache
// copied back, the current flight group drawn again as the window does it), beside a plain fill
// of the same image.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "app/map/map_painter.h"
#include "map_mission.h"

namespace {

struct BusyMap {
  model::Mission mission = testgen::busyMapMission(100);
  map::MapState state;
  BusyMap() {
    state.view.zoom = 200;
    state.view.resize(800, 600);
    state.view.centreOn({0, 0});
    state.toggles.namesOn = state.toggles.allWPs = state.toggles.linkWPs = true;
    state.toggles.times = state.toggles.distances = true;
    state.current = 0;
  }
};

const BusyMap& busy() {
  static const BusyMap b;
  return b;
}

void PlainFill(benchmark::State& st) {
  QImage img(800, 600, QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter p(&img);
    p.fillRect(img.rect(), Qt::black);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(PlainFill)->Unit(benchmark::kMillisecond);

void FullRedraw(benchmark::State& st) {
  QImage img(800, 600, QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter p(&img);
    app::paintMap(p, busy().state, busy().mission);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(FullRedraw)->Unit(benchmark::kMillisecond);

void DragRedraw(benchmark::State& st) {
  const map::LabelLayout still = map::stillLabels(busy().state, busy().mission);
  QImage cache(800, 600, QImage::Format_RGB32);
  {
    QPainter p(&cache);
    app::paintMapBackdrop(p, busy().state, busy().mission, still);
  }
  QImage img(800, 600, QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter p(&img);
    p.drawImage(0, 0, cache);
    app::paintMovingFlightGroups(p, busy().state, busy().mission, still);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(DragRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
