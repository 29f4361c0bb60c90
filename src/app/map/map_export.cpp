#include "app/map/map_export.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdio>
#include <cstring>

#include "app/map/map_painter.h"
#include "map/filters.h"
#include "model/mission_file.h"
#include "shell/settings_file.h"

namespace app {

namespace {

const char* const Usage =
    "usage: zyned --export-map OUT.png [--plane xy|xz|yz] [--zoom N] [--size WxH] [--names] "
    "[--all-wps] [--briefing N] [--config-dir DIR] FILE";

void say(const QString& s) {
  std::fprintf(stderr, "%s\n", s.toLocal8Bit().constData());
}

// The values of the options, into `o`; false with `error` set when `v` is no such value.
bool parsePlane(const QString& v, MapExportOptions& o, QString& error) {
  const QString p = v.toLower();
  if (p == QLatin1String("xy"))
    o.plane = map::Plane::XY;
  else if (p == QLatin1String("xz"))
    o.plane = map::Plane::XZ;
  else if (p == QLatin1String("yz"))
    o.plane = map::Plane::YZ;
  else
    return error = QStringLiteral("unknown plane '%1' (xy, xz or yz)").arg(v), false;
  return true;
}

bool parseZoom(const QString& v, MapExportOptions& o, QString& error) {
  bool ok = false;
  o.zoom = v.toInt(&ok);
  if (!ok || o.zoom < map::MinZoom || o.zoom > map::MaxZoom)
    return error = QStringLiteral("zoom '%1' is not a number from 4 to 2000").arg(v), false;
  return true;
}

bool parseSize(const QString& v, MapExportOptions& o, QString& error) {
  const QStringList wh = v.toLower().split(QLatin1Char('x'));
  bool okW = false, okH = false;
  if (wh.size() == 2) {
    o.width = wh[0].toInt(&okW);
    o.height = wh[1].toInt(&okH);
  }
  if (!okW || !okH || o.width < 16 || o.height < 16 || o.width > 10000 || o.height > 10000)
    return error = QStringLiteral("size '%1' is not WIDTHxHEIGHT (16 to 10000)").arg(v), false;
  return true;
}

bool parseBriefing(const QString& v, MapExportOptions& o, QString& error) {
  bool ok = false;
  o.briefing = v.toInt(&ok);
  if (!ok || o.briefing < 1 || o.briefing > 8)
    return error = QStringLiteral("briefing '%1' is not a number from 1 to 8").arg(v), false;
  return true;
}

}  // namespace

bool wantsMapExport(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--export-map") == 0) return true;
  return false;
}

bool parseMapExportArgs(const QStringList& args, MapExportOptions& o, QString& error) {
  QStringList files;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    auto value = [&](QString& v) {
      if (i + 1 >= args.size()) {
        error = a + QStringLiteral(" needs a value");
        return false;
      }
      v = args[++i];
      return true;
    };
    QString v;
    if (a == QLatin1String("--export-map")) {
      if (!value(o.output)) return false;
    } else if (a == QLatin1String("--plane")) {
      if (!value(v) || !parsePlane(v, o, error)) return false;
    } else if (a == QLatin1String("--zoom")) {
      if (!value(v) || !parseZoom(v, o, error)) return false;
    } else if (a == QLatin1String("--size")) {
      if (!value(v) || !parseSize(v, o, error)) return false;
    } else if (a == QLatin1String("--names")) {
      o.names = true;
    } else if (a == QLatin1String("--all-wps")) {
      o.allWPs = true;
    } else if (a == QLatin1String("--briefing")) {
      if (!value(v) || !parseBriefing(v, o, error)) return false;
    } else if (a == QLatin1String("--config-dir")) {
      if (!value(v)) return false;
      o.configDir = v.toStdString();
    } else if (a.startsWith(QLatin1String("--config-dir="))) {
      o.configDir = a.mid(13).toStdString();
    } else if (a.startsWith(QLatin1String("--")) && a != QLatin1String("--")) {
      return error = QStringLiteral("unknown option %1").arg(a), false;
    } else if (a != QLatin1String("--")) {
      files << a;
    }
  }
  if (o.output.isEmpty()) return error = QStringLiteral("no output file"), false;
  if (files.size() != 1) return error = QStringLiteral("name exactly one mission file"), false;
  o.input = files.front();
  return true;
}

map::MapState exportMapState(const model::Mission& m, const MapExportOptions& o,
                             const shell::Settings& settings) {
  map::MapState s;
  s.width = o.width;
  s.height = o.height;
  s.lineHeight = mapLineHeight();
  s.charWidth = mapCharWidth();
  s.view.plane = o.plane;
  s.view.zoom = map::DefaultZoom;
  s.view.resize(o.width, o.height);
  if (o.briefing > 0) {
    s.view.briefing = true;
    s.briefingPoint = o.briefing - 1;
    s.view.zoom = o.zoom ? o.zoom : map::DefaultZoom;
    s.view.centreOn({0, 0});
  } else {
    const map::Fit fit = map::fitToBattlefield(m.mapCentre, m.mapExtent, o.plane, o.width, o.height,
                                               o.zoom ? 0 : mapLabelRoom(s));
    s.view.zoom = o.zoom ? o.zoom : map::clampZoom(fit.zoom);
    s.view.centreOn(fit.centre);
  }
  // The window's first state from the settings.
  map::MapToggles& t = s.toggles;
  t.namesOn = o.names || settings.defaultName;
  t.allWPs = !s.view.briefing && (o.allWPs || settings.defaultWPs == 1);
  t.currWPs = !s.view.briefing && !t.allWPs && settings.defaultWPs == 2;
  t.times = settings.defaultWPtime;
  t.distances = settings.defaultWPdist;
  t.linkHyper = settings.defaultHyp;
  t.linkWPs = true;
  t.ghostGrid = settings.ghostGrid;
  t.ghostText = settings.ghostText;
  s.wireframe.iconZoomSmall = settings.iconZoomSmall;
  s.wireframe.onlyXY = settings.onlyXY;
  s.wireframe.limitShrink = settings.limitShrink;
  s.shown = map::shownFlags(map::MapFilters{}, m);
  s.current = map::currentAfterFiltering(0, s.shown);
  return s;
}

QImage renderMapImage(const model::Mission& m, const map::MapState& s) {
  QImage img(s.width, s.height, QImage::Format_RGB32);
  QPainter p(&img);
  paintMap(p, s, m);
  return img;
}

int runMapExport(const QStringList& args) {
  MapExportOptions o;
  QString error;
  if (!parseMapExportArgs(args, o, error)) {
    say(QStringLiteral("zyned: ") + error);
    say(QString::fromLatin1(Usage));
    return 2;
  }
  model::Mission m;
  const model::ReadResult r = model::loadMissionFile(o.input.toStdString(), m);
  if (!r.ok()) {
    say(QStringLiteral("zyned: ") + QString::fromStdString(r.message));
    return 1;
  }
  const std::string dir = o.configDir.empty() ? shell::defaultConfigDir() : o.configDir;
  std::string unread;
  const shell::Settings settings =
      shell::readSettings(shell::settingsFilePath(dir), nullptr, &unread);
  if (!unread.empty())
    say(QStringLiteral("zyned: %1; the map settings' defaults are used")
            .arg(QString::fromStdString(unread)));
  const QImage img = renderMapImage(m, exportMapState(m, o, settings));
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  const model::SaveResult saved =
      model::saveFile(o.output.toStdString(), std::vector<std::uint8_t>(png.begin(), png.end()));
  if (!saved.ok) {
    say(QStringLiteral("zyned: ") + QString::fromStdString(saved.error));
    return 1;
  }
  return 0;
}

}  // namespace app
