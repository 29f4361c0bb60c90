#include "app/base/window_memory.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

#include <vector>

#include "shell/paths.h"
#include "shell/settings_file.h"
#include "shell/window_places.h"

namespace app {
namespace {

std::string keyOf(const QWidget* w) {
  return w->objectName().toStdString();
}

const std::string* find(const shell::SectionValues& values, const std::string& key) {
  for (const auto& [k, v] : values)
    if (shell::equalsNoCase(k, key)) return &v;
  return nullptr;
}

void put(shell::SectionValues& values, const std::string& key, const std::string& value) {
  for (auto& [k, v] : values)
    if (k == key) {
      v = value;
      return;
    }
  values.emplace_back(key, value);
}

// What a splitter has been through: shown at all, placed by the user or the last run, and the
// position it takes of its own until then.
class SplitterWatch : public QObject {
 public:
  explicit SplitterWatch(QSplitter* s) : QObject(s), splitter_(s) {
    setObjectName(name());
    s->installEventFilter(this);
    connect(s, &QSplitter::splitterMoved, this, [this] { placed = true; });
  }

  static SplitterWatch* of(QSplitter* s) {
    auto* w =
        static_cast<SplitterWatch*>(s->findChild<QObject*>(name(), Qt::FindDirectChildrenOnly));
    return w ? w : new SplitterWatch(s);
  }
  static const SplitterWatch* find(const QSplitter* s) {
    return static_cast<const SplitterWatch*>(
        s->findChild<QObject*>(name(), Qt::FindDirectChildrenOnly));
  }

  void fit() {
    if (!placed && arrange && splitter_->isVisible()) arrange(splitter_);
  }

  bool shown = false;
  bool placed = false;
  std::function<void(QSplitter*)> arrange;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == splitter_ && (e->type() == QEvent::Show || e->type() == QEvent::Resize) &&
        splitter_->isVisible()) {
      shown = true;
      fit();
    }
    return false;
  }

 private:
  // Known by its name: the class has no meta-object of its own to be found by.
  static QString name() { return QStringLiteral("SplitterWatch"); }

  QSplitter* splitter_;
};

// Gives the splitters of `window` the sizes remembered for them.
void setSizes(const shell::SectionValues& values, const std::string& window,
              const QList<QSplitter*>& splitters) {
  for (QSplitter* s : splitters) {
    const std::string* text = find(values, window + "." + keyOf(s));
    const auto sizes = text ? shell::parseSizes(*text) : std::nullopt;
    if (sizes && static_cast<int>(sizes->size()) == s->count()) {
      s->setSizes(QList<int>(sizes->begin(), sizes->end()));
      SplitterWatch::of(s)->placed = true;
    }
  }
}

}  // namespace

bool WindowMemory::remembers(const QWidget* window) const {
  const auto values = shell::readSectionFile(iniPath_, shell::WindowsSection);
  const std::string* text = find(values, keyOf(window));
  return text && shell::parseWindowRect(*text).has_value();
}

void WindowMemory::restoreSplitters(const QWidget* window,
                                    const QList<QSplitter*>& splitters) const {
  if (splitters.isEmpty()) return;
  for (QSplitter* s : splitters) SplitterWatch::of(s);
  setSizes(shell::readSectionFile(iniPath_, shell::WindowsSection), keyOf(window), splitters);
}

bool WindowMemory::restore(QWidget* window, const QList<QSplitter*>& splitters) const {
  for (QSplitter* s : splitters) SplitterWatch::of(s);
  const auto values = shell::readSectionFile(iniPath_, shell::WindowsSection);
  const std::string name = keyOf(window);
  const std::string* place = find(values, name);
  const auto rect = place ? shell::parseWindowRect(*place) : std::nullopt;
  if (!rect) return false;
  // The window's own screen first: it takes a place that lies on no screen of now.
  const QScreen* own = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  std::vector<shell::Rect> screens;
  for (const QScreen* s : QGuiApplication::screens()) {
    const QRect a = s->availableGeometry();
    screens.insert(s == own ? screens.begin() : screens.end(),
                   {a.x(), a.y(), a.width(), a.height()});
  }
  const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
  const shell::Rect fitted = shell::fitOnScreens(*rect, screens, minimum.width(), minimum.height());
  window->resize(fitted.width, fitted.height);
  window->move(fitted.x, fitted.y);
  setSizes(values, name, splitters);
  const std::string* maximised = find(values, name + ".Maximized");
  if (maximised && *maximised == "1")
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
  return true;
}

void WindowMemory::place(QWidget* window, int lift, const QList<QSplitter*>& splitters) const {
  if (restore(window, splitters)) return;
  if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
  const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  const QScreen* screen = parent && parent->screen() ? parent->screen()
                          : window->screen()         ? window->screen()
                                                     : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect over = parent && parent->isVisible() ? parent->geometry() : area;
  const auto rect = [](const QRect& r) { return shell::Rect{r.x(), r.y(), r.width(), r.height()}; };
  const shell::Rect r =
      shell::placeAboveCentre(window->width(), window->height(), rect(over), lift, rect(area));
  window->resize(r.width, r.height);
  window->move(r.x, r.y);
}

bool WindowMemory::remember(const QWidget* window, const QList<QSplitter*>& splitters,
                            QString* error) const {
  auto values = shell::readSectionFile(iniPath_, shell::WindowsSection);
  const std::string name = keyOf(window);
  const bool maximised = window->isMaximized() || window->isFullScreen();
  // The size to come back to when the window is no longer maximised. The place is the frame's,
  // where restore moves it: the inside's place would lower the window by its title bar each run.
  const QRect g = maximised ? window->normalGeometry() : window->geometry();
  const QPoint frame = g.topLeft() - (window->geometry().topLeft() - window->pos());
  if (g.isValid())
    put(values, name, shell::windowRectText({frame.x(), frame.y(), g.width(), g.height()}));
  put(values, name + ".Maximized", maximised ? "1" : "0");
  for (const QSplitter* s : splitters) {
    // Sizes of a splitter never shown are those of a page never laid out.
    const SplitterWatch* watch = SplitterWatch::find(s);
    if (watch && !watch->shown) continue;
    const QList<int> sizes = s->sizes();
    put(values, name + "." + keyOf(s), shell::sizesText({sizes.begin(), sizes.end()}));
  }
  std::string why;
  if (shell::writeSectionFile(iniPath_, shell::WindowsSection, values, &why)) return true;
  if (error) *error = QString::fromStdString(why);
  return false;
}

bool WindowMemory::wasOpen(const QString& name) const {
  const auto values = shell::readSectionFile(iniPath_, shell::WindowsSection);
  const std::string* open = find(values, name.toStdString() + ".Open");
  return open && *open == "1";
}

bool WindowMemory::rememberOpen(const QString& name, bool open) const {
  auto values = shell::readSectionFile(iniPath_, shell::WindowsSection);
  put(values, name.toStdString() + ".Open", open ? "1" : "0");
  return shell::writeSectionFile(iniPath_, shell::WindowsSection, values, nullptr);
}

QSplitter* splitPage(QWidget* page, const QString& name, QWidget* left, QWidget* right) {
  auto* split = new QSplitter(Qt::Horizontal, page);
  split->setObjectName(name);
  split->setChildrenCollapsible(false);
  split->addWidget(left);
  split->addWidget(right);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  auto* h = new QHBoxLayout(page);
  h->setContentsMargins(4, 4, 4, 4);
  h->addWidget(split);
  SplitterWatch::of(split);
  return split;
}

void fitSplitter(QSplitter* splitter, std::function<void(QSplitter*)> arrange) {
  SplitterWatch* watch = SplitterWatch::of(splitter);
  watch->arrange = std::move(arrange);
  watch->fit();
}

void refitSplitter(QSplitter* splitter) {
  SplitterWatch::of(splitter)->fit();
}

}  // namespace app
