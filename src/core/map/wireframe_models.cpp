// The line models of the craft drawn as wireframes. Each model is built from a few primitives
// (rings joined into prisms, outlines mirrored across the craft's centre plane); small craft are
// in their own units with a scale factor, everything else in metres.
#include <cmath>
#include <map>
#include <numbers>

#include "map/wireframes.h"

namespace map {
namespace {

using Pts = std::vector<ModelPoint>;

// A primitive with chained settings.
struct Part {
  ModelPart p;
  Part(Primitive prim, Pts pts, std::uint8_t mirror = NoMirror) {
    p.primitive = prim;
    p.points = std::move(pts);
    p.mirror = mirror;
  }
  Part& above(int z) { return p.above = z, *this; }
  Part& below(int z) { return p.below = z, *this; }
  Part& shade(int pc) { return p.shade = pc, *this; }
  Part& dotted() { return p.pen = PenStyle::Dotted, p.afterDot = true, *this; }
  Part& dashed() { return p.pen = PenStyle::Dashed, *this; }
  Part& width(int w) { return p.width = w, *this; }
  Part& scale(double s) { return p.scale = s, *this; }
  operator ModelPart() const { return p; }
};

Part poly(Pts pts, std::uint8_t mirror = NoMirror) {
  return {Primitive::Polyline, std::move(pts), mirror};
}
Part loop(Pts pts, std::uint8_t mirror = NoMirror) {
  return {Primitive::Loop, std::move(pts), mirror};
}
Part spokes(Pts pts, std::uint8_t mirror = NoMirror) {
  return {Primitive::Spokes, std::move(pts), mirror};
}
Part prism(Pts a, const Pts& b, std::uint8_t mirror = NoMirror) {
  a.insert(a.end(), b.begin(), b.end());
  return {Primitive::Prism, std::move(a), mirror};
}
Part ladder(Pts a, const Pts& b, std::uint8_t mirror = NoMirror) {
  a.insert(a.end(), b.begin(), b.end());
  return {Primitive::Ladder, std::move(a), mirror};
}

// Four corners at height u: lateral +-w, forward f0 (back) .. f1 (front).
Pts rect(int w, int f0, int f1, int u) {
  return {{w, f0, u}, {-w, f0, u}, {-w, f1, u}, {w, f1, u}};
}
// A trapezoid at height u: half widths wb at the back f0 and wf at the front f1.
Pts trap(int wb, int wf, int f0, int f1, int u) {
  return {{wb, f0, u}, {-wb, f0, u}, {-wf, f1, u}, {wf, f1, u}};
}
// A ring of n points of radius r across the craft (lateral/up) at forward f.
Pts around(int r, int f, int n = 6) {
  Pts pts;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * std::numbers::pi * i / n;
    pts.push_back({static_cast<int>(std::lround(r * std::cos(a))), f,
                   static_cast<int>(std::lround(r * std::sin(a)))});
  }
  return pts;
}
// A ring of n points of radius r lying flat (lateral/forward) at height u.
Pts flat(int r, int u, int n = 8, int f = 0) {
  Pts pts;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * std::numbers::pi * (i + 0.5) / n;
    pts.push_back({static_cast<int>(std::lround(r * std::cos(a))),
                   f + static_cast<int>(std::lround(r * std::sin(a))), u});
  }
  return pts;
}
Part cylinder(int r, int f0, int f1, int n = 6) {
  return prism(around(r, f0, n), around(r, f1, n));
}
Part drum(int r, int u0, int u1, int n = 8, int f = 0) {
  return prism(flat(r, u0, n, f), flat(r, u1, n, f));
}
// A pointed hull: nose at f1, a flat back of half width w at f0, top at ut and keel at ub.
Part wedge(int w, int f0, int f1, int ut, int ub, int keel = 0) {
  return prism({{0, f1, ut}, {-w, f0, ut}, {w, f0, ut}},
               {{0, f1 - keel, ub}, {-w + keel / 4, f0, ub}, {w - keel / 4, f0, ub}});
}

// ---- Small craft ---------------------------------------------------------------------------

struct FighterShape {
  int length = 100, body = 10, height = 8;
  int span = 45, rootFront = 10, rootBack = -40, tipFront = -20, tipBack = -40;
  int fin = 0;  // tail fin height
  bool ringWing = false;
};

// A fighter: outline, ridge and wings in detail; a dart and two wing lines below `detail`.
std::vector<ModelPart> fighter(const FighterShape& s, int detail, int shadeA, int shadeB = 0) {
  const int h = s.length / 2;
  std::vector<ModelPart> parts;
  parts.push_back(
      loop({{0, h, 0}, {s.body, h / 3, 0}, {s.body, -h, 0}, {-s.body, -h, 0}, {-s.body, h / 3, 0}})
          .above(detail - 1));
  parts.push_back(poly({{0, h, 0}, {0, h / 4, s.height}, {0, -h, s.height / 2}}).above(detail - 1));
  parts.push_back(loop({{s.body, s.rootFront, 0},
                        {s.span, s.tipFront, 0},
                        {s.span, s.tipBack, 0},
                        {s.body, s.rootBack, 0}},
                       MirrorL)
                      .above(detail - 1));
  parts.push_back(loop({{3, h / 2, s.height},
                        {-3, h / 2, s.height},
                        {-4, h / 6, s.height},
                        {4, h / 6, s.height}})
                      .above(detail - 1)
                      .shade(shadeA));
  if (s.fin)
    parts.push_back(poly({{0, -h, s.height / 2}, {0, -h + 6, s.fin}, {0, -h / 2, s.height}})
                        .above(detail - 1)
                        .shade(shadeB ? shadeB : shadeA));
  if (s.ringWing)
    parts.push_back(
        Part(loop(around(s.span, s.tipBack, 6))).above(detail - 1).shade(shadeB ? shadeB : shadeA));
  // The simple dart below the detail threshold.
  parts.push_back(loop({{0, h, 0}, {s.span, s.tipBack, 0}, {0, -h / 2, 0}, {-s.span, s.tipBack, 0}})
                      .below(detail));
  return parts;
}

// A boxy small craft: body, cockpit and fins.
std::vector<ModelPart> shuttle(int length, int width, int height, int span, int detail, int shadeA,
                               int shadeB = 0) {
  const int h = length / 2;
  std::vector<ModelPart> parts;
  parts.push_back(prism(trap(width, width * 2 / 3, -h, h * 2 / 3, height),
                        trap(width, width * 3 / 4, -h, h, 0)));
  parts.push_back(loop({{width, 0, height / 2},
                        {span, -h / 2, height / 4},
                        {span, -h, height / 4},
                        {width, -h, height / 2}},
                       MirrorL)
                      .above(detail - 1)
                      .shade(shadeA));
  parts.push_back(poly({{0, -h, height}, {0, -h - h / 5, height * 2}, {0, -h / 3, height}})
                      .above(detail - 1)
                      .shade(shadeB ? shadeB : shadeA));
  return parts;
}

CraftModel small(int minZoom, double factor, std::vector<ModelPart> parts, int dot = -1) {
  CraftModel m;
  m.minZoom = minZoom;
  m.factor = factor;
  m.dotAbove = dot;
  m.parts = std::move(parts);
  return m;
}

CraftModel metres(int minZoom, int dot, std::vector<ModelPart> parts) {
  CraftModel m;
  m.minZoom = minZoom;
  m.dotAbove = dot;
  m.parts = std::move(parts);
  return m;
}

void add(std::vector<ModelPart>& to, const std::vector<ModelPart>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

// ---- Larger craft ----------------------------------------------------------------------------

// A freighter: a long hull box, a raised bridge and an engine block.
std::vector<ModelPart> freighter(int length, int width, int height, int shadeBridge = 100) {
  const int h = length / 2;
  return {
      prism(rect(width, -h, h - width, height), rect(width * 5 / 4, -h, h, 0)),
      prism(rect(width / 2, -h + width, -h + 2 * width, height * 2),
            rect(width / 2, -h + width, -h + 2 * width, height))
          .shade(shadeBridge),
      loop(around(width / 2, -h - width / 4)),
  };
}

// The shared base of the gun, missile and beam platforms (types 60, 64, 65) and its add-ons.
std::vector<ModelPart> platformBase() {
  return {drum(150, -40, 40, 6), spokes({{0, 0, 40}, {0, 0, 90}}), loop(flat(60, 90, 6))};
}
std::vector<ModelPart> gunTurrets(double scale) {
  return {Part(poly({{150, 0, 0}, {260, 0, 0}}, MirrorL | MirrorF)).scale(scale),
          Part(poly({{0, 150, 0}, {0, 260, 0}}, MirrorF)).scale(scale),
          Part(loop(rect(30, 230, 290, 0), MirrorL)).scale(scale)};
}
std::vector<ModelPart> beamMast(double scale) {
  return {Part(poly({{0, 0, 90}, {0, 0, 260}})).scale(scale),
          Part(loop(around(50, 0, 6))).scale(scale),
          Part(poly({{-60, 0, 200}, {60, 0, 200}})).scale(scale)};
}
// The sensor and shield platforms (61, 63) share a square frame.
std::vector<ModelPart> frameBase() {
  return {prism(rect(130, -130, 130, 30), rect(130, -130, 130, -30)),
          poly({{130, 130, 30}, {-130, -130, 30}}, MirrorL)};
}
std::vector<ModelPart> dish(double scale) {
  return {Part(loop(flat(120, 160, 8))).scale(scale),
          Part(spokes({{0, 0, 30}, {0, 0, 160}, {120, 0, 160}, {-120, 0, 160}})).scale(scale)};
}

std::map<int, CraftModel> buildModels() {
  std::map<int, CraftModel> m;

  // Fighters: shapes of our own, told apart by span, sweep and fins.
  m[1] = small(794, 0.1566, fighter({80, 8, 8, 38, 5, -25, -25, -38, 14}, 794, 90));
  m[2] = small(475, 0.24444, fighter({70, 9, 9, 42, 0, -30, -10, -35, 16, true}, 475, 85, 65));
  m[3] = small(909, 0.1067, fighter({110, 9, 7, 30, 20, -40, -45, -55, 0}, 1293, 75));
  {
    auto p = fighter({90, 10, 9, 40, 10, -35, -30, -45, 12}, 0, 85);
    p.push_back(Part(poly({{40, -30, 0}, {40, -30, 14}}, MirrorL)).above(1000).shade(85));
    m[4] = small(808, 0.195, p);
  }
  m[5] = small(800, 0.08975, fighter({160, 14, 12, 80, -10, -60, -50, -75, 0}, 800, 100));
  m[6] = small(751, 0.12667, fighter({120, 11, 10, 50, 30, -40, 10, -10, 18}, 751, 72));
  m[7] = small(999, 0.07, fighter({180, 16, 14, 95, 0, -60, -70, -90, 24}, 999, 80));
  m[8] = small(1268, 0.088889, fighter({150, 14, 11, 75, 20, -50, -20, -60, 0}, 0, 75));
  m[13] = small(800, 0.1333, fighter({100, 10, 10, 55, 15, -45, -10, -40, 18}, 800, 70));
  m[14] = small(680, 0.1883, fighter({75, 9, 8, 45, 10, -30, -30, -38, 14, true}, 680, 70, 60));
  m[14].parts.push_back(Part(poly({{9, -37, 4}, {-9, -37, 4}})).above(679).shade(80));
  m[15] = small(607, 0.16667, fighter({95, 14, 12, 44, 0, -40, -25, -45, 0}, 607, 85));
  m[16] = small(751, 0.1695, fighter({85, 10, 9, 46, 12, -38, -38, -42, 15}, 751, 65, 80));

  // Shuttles, transports and tenders.
  m[17] = small(334, 0.46, shuttle(40, 8, 8, 16, 334, 80), 1500);
  m[18] = small(279, 0.46, shuttle(52, 10, 9, 14, 279, 80, 90), 800);
  {
    auto p = std::vector<ModelPart>{prism(rect(6, -16, 12, 6), rect(7, -16, 16, -4))};
    p.push_back(Part(loop(around(3, -17))).above(86));
    p.push_back(
        Part(poly({{7, 0, 1}, {11, -6, 1}, {11, -14, 1}, {7, -14, 1}}, MirrorL)).above(150));
    m[19] = metres(69, 100, p);
  }
  m[21] = small(505, 0.2, shuttle(110, 22, 18, 30, 0, 75, 85));
  m[22] = small(253, 0.396, shuttle(60, 14, 10, 20, 253, 90), 564);
  {
    auto p = shuttle(64, 12, 12, 12, 0, 100);
    p.push_back(Part(loop(rect(8, -20, 20, 16))).above(248));
    m[23] = small(247, 0.393, p, 564);
  }
  m[24] = small(636, 0.106, shuttle(200, 30, 24, 50, 636, 80, 70));
  {
    std::vector<ModelPart> p{prism(rect(25, -60, 60, 20), rect(25, -60, 60, -20))};
    p.push_back(Part(poly({{25, 40, 0}, {45, 80, 0}, {45, 100, 0}}, MirrorL)).above(350));
    m[25] = small(350, 0.167, p);
  }

  // The container: a truncated box of 20 m.
  m[26] = metres(100, 200, {prism(rect(10, -28, 28, 10), rect(19, -35, 35, -10))});
  {
    std::vector<ModelPart> p{prism(rect(6, -12, 10, 5), rect(6, -12, 10, -5)),
                             poly({{6, 10, 0}, {10, 18, 0}}, MirrorL)};
    p.push_back(Part(poly({{0, -12, 5}, {0, -18, 10}})).above(160));
    m[30] = metres(160, 350, p);
  }

  // Freighters.
  m[32] = metres(96, 100, freighter(70, 9, 8));
  {
    auto p = freighter(100, 12, 10);
    p.push_back(Part(prism(rect(18, -20, 20, 8), rect(18, -20, 20, -8), MirrorL)).above(130));
    m[33] = metres(129, 250, p);
  }
  {
    auto p = freighter(150, 16, 14, 90);
    p.push_back(Part(poly({{0, 75, 14}, {0, 75, 0}})).below(140));
    m[34] = metres(76, 140, p);
  }
  {
    auto p = freighter(130, 14, 12);
    p.push_back(Part(cylinder(10, -30, 30, 6)).above(168));
    p.push_back(Part(poly({{14, -65, 6}, {22, -70, 6}, {22, -50, 6}}, MirrorL)).above(360));
    m[36] = metres(108, 120, p);
  }
  m[37] = metres(125, 200,
                 {wedge(28, -55, 55, 10, -4, 8), poly({{0, -40, 10}, {0, -30, 18}, {0, 0, 10}})});
  m[38] = small(333, 0.32, shuttle(90, 14, 10, 30, 333, 90), 750);
  m[40] = small(
      74, 0.9542,
      {prism(rect(14, -50, 40, 10), rect(16, -55, 55, -6)), Part(loop(around(7, -58))).above(73)},
      100);
  m[41] = metres(62, 100,
                 {cylinder(14, -60, 60), prism(rect(8, 60, 75, 8), rect(8, 60, 75, -8)),
                  loop(around(8, -68))});

  // Starships: wedge hulls with towers; finer parts as the zoom grows.
  {
    std::vector<ModelPart> p{wedge(80, -180, 180, 20, -30, 20),
                             prism(rect(20, -170, -120, 50), rect(24, -175, -110, 20))};
    p.push_back(Part(poly({{0, 180, 20}, {0, -180, 20}})).above(100));
    p.push_back(Part(loop(around(16, -185), MirrorL)).above(250));
    p.push_back(Part(loop(rect(30, -60, 20, -30))).above(300).dotted());
    m[42] = metres(40, 70, p);
  }
  {
    std::vector<ModelPart> p{wedge(60, -180, 180, 25, -20, 10), cylinder(25, -190, -120)};
    p.push_back(Part(poly({{60, -180, 25}, {90, -150, 25}, {90, -100, 25}, {50, -30, 25}}, MirrorL))
                    .above(100));
    p.push_back(Part(loop(rect(10, 40, 90, 35))).above(250));
    p.push_back(Part(loop(rect(40, -100, 60, -20))).above(600).dotted());
    m[43] = metres(45, 100, p);
  }
  {
    std::vector<ModelPart> p{wedge(110, -300, 300, 25, -40, 30),
                             prism(rect(30, -280, -200, 80), rect(35, -290, -180, 25))};
    p.push_back(Part(poly({{110, -300, 0}, {150, -320, 0}, {150, -240, 0}}, MirrorL)).above(46));
    p.push_back(Part(loop(around(20, -300), MirrorL)).above(400));
    m[46] = metres(37, 40, p);
  }
  m[47] = metres(26, 30,
                 {cylinder(60, -250, 220, 8), wedge(60, 220, 300, 40, -40),
                  prism(rect(70, -300, -250, 60), rect(70, -300, -250, -60))});
  m[48] = metres(23, 30,
                 {prism(rect(50, -300, 260, 40), rect(70, -300, 300, -30)),
                  poly({{70, -100, 0}, {130, -160, 0}, {130, -240, 0}, {70, -240, 0}}, MirrorL),
                  loop(rect(20, 150, 250, 40), MirrorL)});
  {
    // The war cruiser and the guard cruiser share one model; the cruiser adds a group of parts.
    std::vector<ModelPart> p{wedge(350, -800, 800, 60, -120, 60),
                             prism(rect(60, -760, -600, 220), rect(80, -780, -560, 60))};
    p.push_back(Part(poly({{0, 800, 60}, {0, -800, 60}})).above(22));
    p.push_back(Part(loop(rect(40, -700, -660, 260))).above(100));
    p.push_back(Part(loop(rect(120, -300, 300, -120))).above(100).dotted());
    m[49] = metres(11, 22, p);
    CraftModel& w = m[49];
    // Parts only the war cruiser carries: hull plating always, the side towers above zoom 25.
    w.parts.push_back(poly({{350, -800, 60}, {200, -400, 60}, {120, 0, 60}}, MirrorL));
    w.parts.push_back(
        Part(prism(rect(40, -200, -100, 140), rect(40, -200, -100, 60), MirrorL)).above(25));
    CraftModel g = w;
    g.parts.resize(g.parts.size() - 2);
    g.zoomDivisor = 2574.25;
    g.minZoom = 22;
    g.minScale = 0.009;
    g.upOffset = 32;
    g.dotAbove = 40;
    m[50] = g;
  }
  {
    std::vector<ModelPart> p{wedge(120, -300, 300, 30, -50, 30)};
    p.push_back(Part(prism(rect(30, -280, -220, 70), rect(35, -290, -200, 30))).above(28));
    p.push_back(Part(poly({{120, -300, 0}, {120, -200, 40}}, MirrorL)).above(55));
    p.push_back(Part(loop(around(18, -305), MirrorL)).above(100));
    m[51] = metres(27, 40, p);
  }
  {
    std::vector<ModelPart> p{prism(trap(160, 60, -450, 450, 40), trap(180, 80, -450, 450, -60)),
                             prism(rect(50, -420, -320, 140), rect(60, -430, -300, 40))};
    p.push_back(Part(loop(around(30, -460), MirrorL)).above(100));
    m[52] = metres(16, 16, p);
  }
  {
    std::vector<ModelPart> p{wedge(320, -800, 800, 80, -140, 60), cylinder(90, -820, -600, 8)};
    p.push_back(Part(poly({{320, -800, 0}, {420, -700, 0}, {420, -300, 0}, {250, 0, 0}}, MirrorL))
                    .above(20));
    p.push_back(Part(prism(rect(60, -300, -150, 180), rect(60, -300, -150, 80))).above(35));
    m[53] = metres(8, 10, p);
  }
  {
    std::vector<ModelPart> p{wedge(900, -3000, 3000, 200, -400, 200),
                             prism(rect(200, -2900, -2300, 600), rect(260, -2950, -2200, 200))};
    p.push_back(Part(poly({{0, 3000, 200}, {0, -3000, 200}})).above(8));
    p.push_back(Part(loop(rect(120, -2800, -2500, 700))).above(8));
    m[54] = metres(0, 1, p);
  }

  // Platforms: shared bases and their add-ons.
  {
    auto base = platformBase();
    auto p60 = base;
    add(p60, gunTurrets(0.5));
    m[60] = metres(50, 70, p60);
    auto p64 = base;
    add(p64, beamMast(1.2));
    m[64] = metres(50, 70, p64);
    auto p65 = base;
    add(p65, gunTurrets(1.0));
    m[65] = metres(50, 70, p65);
    auto p62 = std::vector<ModelPart>{drum(120, -60, 60, 4), cylinder(40, -160, 160, 4)};
    add(p62, gunTurrets(1.0));
    m[62] = metres(50, 70, p62);
    auto frame = frameBase();
    auto p61 = frame;
    add(p61, dish(0.95));
    m[61] = metres(50, 70, p61);
    auto p63 = frame;
    add(p63, dish(0.4));
    m[63] = metres(50, 70, p63);
  }
  {
    // The repair dock: two long arms joined at the back, a crane, the berth marked dotted.
    std::vector<ModelPart> p{
        prism({{240, -450, 60}, {120, -450, 60}, {120, 450, 60}, {240, 450, 60}},
              {{240, -450, -60}, {120, -450, -60}, {120, 450, -60}, {240, 450, -60}}, MirrorL),
        ladder({{-120, -450, 60}, {120, -450, 60}}, {{-120, -400, 60}, {120, -400, 60}})};
    p.push_back(Part(poly({{0, -450, 60}, {0, -450, 160}, {0, -300, 160}})).above(100));
    p.push_back(Part(loop(rect(100, -350, 350, 0))).dotted());
    m[66] = metres(13, 16, p);
  }
  m[69] = metres(36, 40,
                 {drum(280, -30, 30, 12), loop(flat(80, 60, 6)),
                  spokes({{0, 0, 0}, {280, 0, 0}, {-280, 0, 0}, {0, 280, 0}, {0, -280, 0}})});
  m[90] = metres(8, 30,
                 {drum(700, -80, 80, 12), drum(250, -300, 300, 8),
                  spokes({{0, 0, 0}, {700, 0, 0}, {-700, 0, 0}, {0, 700, 0}, {0, -700, 0}})});
  m[91] = metres(
      12, 1,
      {Part(drum(800, -100, 100, 6)).width(2), drum(300, 100, 400, 6), loop(flat(500, -100, 6))});
  {
    std::vector<ModelPart> p{prism(rect(110, -300, 300, 40), rect(80, -300, 260, -50)),
                             prism(rect(20, -120, -40, 110), rect(24, -130, -30, 40))};
    p.push_back(Part(poly({{110, 300, 40}, {150, 150, 40}, {110, -100, 40}})).above(50));
    p.push_back(Part(loop(around(20, -310), MirrorL)).above(50));
    p.push_back(Part(poly({{-60, -280, 40}, {-60, 300, 40}}, MirrorL)).above(300).dotted());
    m[92] = metres(35, 40, p);
  }
  return m;
}

}  // namespace

const CraftModel* craftModel(int craftType) {
  static const std::map<int, CraftModel> models = buildModels();
  const auto it = models.find(craftType);
  return it == models.end() ? nullptr : &it->second;
}

}  // namespace map
