#pragma once
// "zyned --export-map": renders the map of a mission file into a PNG without showing a window.

#include <QImage>
#include <QStringList>

#include <string>

#include "map/scene.h"
#include "model/mission.h"
#include "shell/settings.h"

namespace app {

// What the export draws: the options of the command line.
struct MapExportOptions {
  QString output, input;
  map::Plane plane = map::Plane::XY;
  int zoom = 0;  // 0: fitted to the battlefield
  int width = 800, height = 600;
  bool names = false;     // on whatever the settings say
  bool allWPs = false;    // likewise
  int briefing = 0;       // 1..8: briefing mode at that briefing's points
  std::string configDir;  // the folder of "ZynED.ini" ("--config-dir"); empty: the user's
};

// Parses the arguments after "--export-map"; false with `error` set on a usage error.
bool parseMapExportArgs(const QStringList& args, MapExportOptions& out, QString& error);

// The map state the window starts with for this mission: default filters, current flight group
// 0, fitted (or at the given zoom, centred on the battlefield), the map settings of "ZynED.ini"
// (names, waypoints, times, distances, the hyperspace link, ghost colours, wireframes); in
// briefing mode centred on (0, 0) at zoom 32 unless a zoom is given.
map::MapState exportMapState(const model::Mission& m, const MapExportOptions& o,
                             const shell::Settings& settings = {});

// The picture of the map, as the window paints it.
QImage renderMapImage(const model::Mission& m, const map::MapState& s);

// The whole command: 0 written, 1 a file that could not be read or written, 2 a usage error.
// Messages go to stderr.
int runMapExport(const QStringList& args);

// Whether the program's arguments ask for the export (then no window is shown).
bool wantsMapExport(int argc, char** argv);

}  // namespace app
