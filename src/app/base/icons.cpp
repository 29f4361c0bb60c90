#include "app/base/icons.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>

#include <optional>
#include <span>
#include <vector>

#include "app/base/resources.h"
#include "app/base/svg_drawing.h"
#include "shell/icon_cache.h"

static void registerResources() {
  Q_INIT_RESOURCE(zyned);
  Q_INIT_RESOURCE(drawn_icons);
}

namespace app {

void initResources() {
  static const bool done = (registerResources(), true);
  (void)done;
}

namespace {

constexpr const char* Outline = "#26323f";
constexpr const char* LightOutline = "#dfe6ee";

// Names the freedesktop icon themes have; the theme's drawing wins for these.
const QStringList& themeNames() {
  static const QStringList names = {QStringLiteral("document-new"), QStringLiteral("document-open"),
                                    QStringLiteral("document-save"), QStringLiteral("edit-undo"),
                                    QStringLiteral("edit-redo")};
  return names;
}

// Qt's theme lookup reads the index of every theme on the way (hundreds of folders) at its first
// ask, which costs more than all else the tool bar does at start. The themes' own caches say at
// once that none of them has an icon; only when one lists it, or cannot tell, is Qt asked.
class ThemeCaches {
 public:
  ThemeCaches() {
    QStringList themes;
    const auto add = [&themes](const QString& theme) {
      if (!theme.isEmpty() && !themes.contains(theme)) themes << theme;
    };
    add(QIcon::themeName());
    add(QIcon::fallbackThemeName());
    add(QStringLiteral("hicolor"));
    for (qsizetype i = 0; i < themes.size() && !unsure_; ++i)
      for (const QString& path : QIcon::themeSearchPaths()) {
        const QFileInfo folder(path + QLatin1Char('/') + themes[i]);
        if (!folder.isDir()) continue;
        read(folder);
        QFile index(folder.filePath() + QStringLiteral("/index.theme"));
        if (index.open(QIODevice::ReadOnly))
          for (const std::string& parent : shell::iconThemeParents(index.readAll().toStdString()))
            add(QString::fromStdString(parent));
      }
  }

  bool mayDraw(const QString& name) const {
    if (unsure_) return true;
    const std::string key = name.toStdString();
    for (const QByteArray& cache : caches_) {
      const auto has = shell::iconCacheHas(bytes(cache), key);
      if (!has || *has) return true;
    }
    for (const QString& folder : QIcon::fallbackSearchPaths())
      for (const char* suffix : {".png", ".svg", ".xpm"})
        if (QFileInfo::exists(folder + QLatin1Char('/') + name + QLatin1String(suffix)))
          return true;
    return false;
  }

 private:
  static std::span<const unsigned char> bytes(const QByteArray& a) {
    return {reinterpret_cast<const unsigned char*>(a.constData()),
            static_cast<std::size_t>(a.size())};
  }

  // A cache counts when it is newer than its theme's folder and every folder it describes, as
  // for Qt and the desktop's own lookup.
  void read(const QFileInfo& folder) {
    const QFileInfo info(folder.filePath() + QStringLiteral("/icon-theme.cache"));
    QFile file(info.filePath());
    if (folder.filePath().startsWith(QLatin1Char(':')) || !info.exists() ||
        info.lastModified() < folder.lastModified() || !file.open(QIODevice::ReadOnly)) {
      unsure_ = true;
      return;
    }
    const QByteArray cache = file.readAll();
    const auto folders = shell::iconCacheFolders(bytes(cache));
    if (!folders) {
      unsure_ = true;
      return;
    }
    for (const std::string& sub : *folders) {
      const QFileInfo f(folder.filePath() + QLatin1Char('/') + QString::fromStdString(sub));
      if (f.exists() && f.lastModified() > info.lastModified()) {
        unsure_ = true;
        return;
      }
    }
    caches_.push_back(cache);
  }

  bool unsure_ = false;
  std::vector<QByteArray> caches_;
};

bool themeMayDraw(const QString& name) {
  // Read again when the theme, where themes are looked up or the fallback folders change.
  static QStringList readFor;
  static std::optional<ThemeCaches> caches;
  const QStringList now = QStringList{QIcon::themeName(), QIcon::fallbackThemeName()} +
                          QIcon::themeSearchPaths() + QStringList{QString()} +
                          QIcon::fallbackSearchPaths();
  if (!caches || now != readFor) {
    caches.emplace();
    readFor = now;
  }
  return caches->mayDraw(name);
}

bool darkPalette() {
  const QColor window = QApplication::palette().color(QPalette::Window);
  const QColor text = QApplication::palette().color(QPalette::WindowText);
  return text.lightness() > window.lightness();
}

// Draws SVG data at exactly the size and device pixel ratio asked. The sizes the tool bars and
// windows ask for on a light palette were drawn when the editor was built (the same drawing):
// those are taken as they are.
class SvgIconEngine : public QIconEngine {
 public:
  SvgIconEngine(QString name, QByteArray svg) : name_(std::move(name)), svg_(std::move(svg)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    QSvgRenderer renderer(data());
    if (mode == QIcon::Disabled) painter->setOpacity(painter->opacity() * 0.4);
    renderer.render(painter, QRectF(rect));
    if (mode == QIcon::Disabled) painter->setOpacity(painter->opacity() / 0.4);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    // A drawing is kept: buttons ask again on every repaint, the window's icon twice at start.
    const bool dark = darkPalette();
    for (const Drawn& d : drawn_)
      if (d.size == size && d.mode == mode && d.dark == dark && d.scale == scale) return d.pixmap;
    // Qt asks with the size in device pixels already.
    QPixmap pm = QPixmap::fromImage(draw(size, mode, dark));
    pm.setDevicePixelRatio(scale);
    if (drawn_.size() == MaxDrawn) drawn_.erase(drawn_.begin());
    drawn_.push_back({size, mode, dark, scale, pm});
    return pm;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new SvgIconEngine(name_, svg_); }
  QString key() const override { return QStringLiteral("ZynEDSvgIconEngine"); }

 private:
  QImage draw(const QSize& size, QIcon::Mode mode, bool dark) const {
    if (!dark && mode == QIcon::Normal && size.width() == size.height()) {
      QImage drawn = predrawnIcon(name_, size.width());
      if (!drawn.isNull()) return drawn;
    }
    QSvgRenderer renderer(data());
    return drawSvg(renderer, size, mode == QIcon::Disabled ? 0.4 : 1.0);
  }

  QByteArray data() const {
    if (!darkPalette()) return svg_;
    QByteArray dark = svg_;
    return dark.replace(Outline, LightOutline);
  }

  struct Drawn {
    QSize size;
    QIcon::Mode mode;
    bool dark;
    qreal scale;
    QPixmap pixmap;
  };
  static constexpr std::size_t MaxDrawn = 8;

  QString name_;
  QByteArray svg_;
  std::vector<Drawn> drawn_;
};

QByteArray svgData(const QString& name) {
  initResources();
  QFile file(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

QImage predrawnIcon(const QString& name, int size) {
  initResources();
  const QResource drawn(QStringLiteral(":/drawn/%1-%2.argb").arg(name).arg(size));
  const QByteArray pixels = drawn.uncompressedData();
  if (pixels.size() != qsizetype{size} * size * 4) return {};
  // The image keeps its own copy: the resource's bytes are read-only.
  return QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                QImage::Format_ARGB32_Premultiplied)
      .copy();
}

QIcon ownIcon(const QString& name) {
  QByteArray svg = svgData(name);
  if (svg.isEmpty()) return {};
  return QIcon(new SvgIconEngine(name, std::move(svg)));
}

QIcon icon(const QString& name) {
  if (themeNames().contains(name) && themeMayDraw(name) && QIcon::hasThemeIcon(name))
    return QIcon::fromTheme(name, ownIcon(name));
  return ownIcon(name);
}

QIcon applicationIcon() {
  return ownIcon(QStringLiteral("zyned"));
}

QStringList iconNames() {
  initResources();
  QStringList names;
  for (const QString& file : QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")}))
    names << file.chopped(4);
  return names;
}

}  // namespace app
