// The icon set and the home page.
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/base/icons.h"
#include "app/shell/help_page.h"
#include "editor_fixture.h"

namespace {

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

TEST(HomePage, OpensTheHelpPageMadeFromTheReadme) {
  QTemporaryDir dir;
  ScriptedPrompter prompter;
  QUrl opened;
  ASSERT_TRUE(app::openHomePage(nullptr, prompter, {}, dir.path(), [&](const QUrl& url) {
    opened = url;
    return true;
  }));
  ASSERT_TRUE(opened.isLocalFile());
  QFile page(opened.toLocalFile());
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  EXPECT_TRUE(page.readAll().contains("zyned-cli"));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(HomePage, SaysWhereThePageIsWhenNoBrowserStarts) {
  QTemporaryDir dir;
  ScriptedPrompter prompter;
  const auto noBrowser = [](const QUrl&) { return false; };
  EXPECT_FALSE(app::openHomePage(nullptr, prompter, {}, dir.path(), noBrowser));
  EXPECT_FALSE(app::openHomePage(nullptr, prompter, QStringLiteral("https://example.net/m"),
                                 dir.path(), noBrowser));
  const auto texts = prompter.texts(ScriptedPrompter::Kind::Information);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[0].contains(dir.path() + QStringLiteral("/help.html")));
  EXPECT_TRUE(texts[1].contains(QStringLiteral("https://example.net/m")));
}

}  // namespace
