// The icon set, the home page and where boxes open.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/base/icons.h"
#include "app/base/prompter.h"
#include "app/base/svg_drawing.h"
#include "app/shell/help_page.h"
#include "editor_fixture.h"
#include "icon_cache_writer.h"

namespace {

using namespace std::chrono_literals;
using testing_gui::ScriptedPrompter;

TEST(Icons, EveryIconIsDrawnSharpAtTwiceTheResolution) {
  const QStringList names = app::iconNames();
  EXPECT_GE(names.size(), 25);
  EXPECT_TRUE(names.contains(QStringLiteral("zyned")));
  for (const QString& name : names) {
    const QPixmap pm = app::ownIcon(name).pixmap(QSize(24, 24), 2.0);
    EXPECT_EQ(pm.size(), QSize(48, 48)) << name.toStdString();
    EXPECT_EQ(pm.devicePixelRatio(), 2.0);
    const QImage image = pm.toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    EXPECT_GT(drawn, 48 * 48 / 10) << name.toStdString();
  }
  EXPECT_TRUE(app::icon(QStringLiteral("no-such-icon")).isNull());
}

TEST(Icons, IconsDrawnWhenTheEditorWasBuiltAreTheDrawingsOfTheirSvg) {
  for (const QString& name : app::iconNames()) {
    QList<int> sizes = {16, 22, 24, 32};
    if (name == QStringLiteral("zyned")) sizes << 48 << 64 << 128;
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(name));
    for (const int size : sizes) {
      const QImage drawn = app::predrawnIcon(name, size);
      EXPECT_EQ(drawn, app::drawSvg(svg, size)) << name.toStdString() << " " << size;
      EXPECT_EQ(app::ownIcon(name).pixmap(size).toImage(), drawn) << name.toStdString();
    }
  }
  // A dark palette turns the outlines light: the drawings made for a light one are not used.
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Window, Qt::black);
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  const QImage onDark = app::ownIcon(QStringLiteral("document-new")).pixmap(24).toImage();
  QApplication::setPalette(light);
  EXPECT_NE(onDark, app::predrawnIcon(QStringLiteral("document-new"), 24));
}

// A theme folder with two icon files, of which its cache lists only New.
void makeTheme(const QString& folder) {
  ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/22x22/actions")));
  QFile index(folder + QStringLiteral("/index.theme"));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write(
      "[Icon Theme]\nName=Look\nDirectories=22x22/actions\n\n"
      "[22x22/actions]\nSize=22\nType=Fixed\n");
  index.close();
  QImage image(22, 22, QImage::Format_ARGB32);
  image.fill(Qt::red);
  for (const char* name : {"document-new", "edit-undo"})
    ASSERT_TRUE(image.save(folder + QStringLiteral("/22x22/actions/%1.png").arg(name)));
  const auto cache = testsupport::iconCache({"document-new"}, {"22x22/actions"});
  QFile file(folder + QStringLiteral("/icon-theme.cache"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(cache.data()), static_cast<qint64>(cache.size()));
}

TEST(Icons, ThemeIconsAreTakenWhereTheThemeHasThem) {
  QTemporaryDir dir;
  makeTheme(dir.path() + QStringLiteral("/look"));
  makeTheme(dir.path() + QStringLiteral("/stale"));
  // A cache older than its theme's folder says nothing: the folders are looked through.
  const std::filesystem::path stale = (dir.path() + QStringLiteral("/stale")).toStdString();
  std::filesystem::last_write_time(stale, std::filesystem::last_write_time(stale) + 1min);
  const QStringList paths = QIcon::themeSearchPaths(), fallback = QIcon::fallbackSearchPaths();
  const QString theme = QIcon::themeName();
  QIcon::setThemeSearchPaths({dir.path()});
  QIcon::setFallbackSearchPaths({});
  QIcon::setThemeName(QStringLiteral("look"));
  const QString newIcon = app::icon(QStringLiteral("document-new")).name();
  const QString undo = app::icon(QStringLiteral("edit-undo")).name();
  QIcon::setThemeName(QStringLiteral("stale"));
  const QString staleUndo = app::icon(QStringLiteral("edit-undo")).name();
  QIcon::setThemeName(theme);
  QIcon::setThemeSearchPaths(paths);
  QIcon::setFallbackSearchPaths(fallback);
  EXPECT_EQ(newIcon, QStringLiteral("document-new"));
  EXPECT_EQ(undo, QString());  // ours: the theme's cache does not list it
  EXPECT_EQ(staleUndo, QStringLiteral("edit-undo"));
}

// A box asked for while its window is being built (the model-folder warning of the slot
// window) opens over the window that opened it, not at the screen's corner.
TEST(Boxes, ABoxOverAWindowNotYetShownOpensOverTheWindowBeneath) {
  QWidget main;
  main.show();
  auto* built = new QDialog(&main);
  auto* shown = new QDialog(&main);
  shown->show();
  for (QWidget* asking : {static_cast<QWidget*>(built), static_cast<QWidget*>(shown)}) {
    QPointer<QWidget> over;
    QTimer::singleShot(0, &main, [&over] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        over = box->parentWidget();
        box->close();
      }
    });
    app::defaultPrompter().warning(asking, QStringLiteral("Folder missing"));
    EXPECT_EQ(over, asking == built ? &main : asking);
  }
}

TEST(HomePage, SaysWhereThePageIsWhenNoBrowserStarts) {
  ScriptedPrompter prompter;
  const auto noBrowser = [](const QUrl&) { return false; };
  EXPECT_FALSE(
      app::openHomePage(nullptr, prompter, QStringLiteral("https://example.net/m"), noBrowser));
  const auto texts = prompter.texts(ScriptedPrompter::Kind::Information);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].contains(QStringLiteral("https://example.net/m")));
}

}  // namespace
