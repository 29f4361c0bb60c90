#include "app/base/icons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

#include <vector>

#include "app/base/resources.h"

static void registerResources() {
  Q_INIT_RESOURCE(zyned);
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

bool darkPalette() {
  const QColor window = QApplication::palette().color(QPalette::Window);
  const QColor text = QApplication::palette().color(QPalette::WindowText);
  return text.lightness() > window.lightness();
}

// Draws SVG data at exactly the size and device pixel ratio asked.
class SvgIconEngine : public QIconEngine {
 public:
  explicit SvgIconEngine(QByteArray svg) : svg_(std::move(svg)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    QSvgRenderer renderer(data());
    if (mode == QIcon::Disabled) painter->setOpacity(painter->opacity() * 0.4);
    renderer.render(painter, QRectF(rect));
    if (mode == QIcon::Disabled) painter->setOpacity(painter->opacity() / 0.4);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    // A drawing is kept: buttons ask again on every repaint, the window's icon twice at start.
    const bool dark = darkPalette();
    for (const Drawn& d : drawn_)
      if (d.size == size && d.mode == mode && d.dark == dark && d.scale == scale) return d.pixmap;
    // Qt asks with the size in device pixels already.
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    {
      QPainter p(&pm);
      p.setRenderHint(QPainter::Antialiasing);
      paint(&p, QRect(QPoint(), pm.size()), mode, state);
    }
    pm.setDevicePixelRatio(scale);
    if (drawn_.size() == MaxDrawn) drawn_.erase(drawn_.begin());
    drawn_.push_back({size, mode, dark, scale, pm});
    return pm;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new SvgIconEngine(svg_); }
  QString key() const override { return QStringLiteral("ZynEDSvgIconEngine"); }

 private:
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

QIcon ownIcon(const QString& name) {
  QByteArray svg = svgData(name);
  if (svg.isEmpty()) return {};
  return QIcon(new SvgIconEngine(std::move(svg)));
}

QIcon icon(const QString& name) {
  if (themeNames().contains(name) && QIcon::hasThemeIcon(name))
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
