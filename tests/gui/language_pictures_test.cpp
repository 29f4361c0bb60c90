// Pictures of the main window, the map, the briefing editor and Preferences › Keyboard in German
// and in the pseudo-translation, for a person to look at. Disabled: scripts/screenshots.sh runs
// them with ZYNED_GRAB_DIR set; ctest never does.
#include "app/base/translations.h"
#include "every_window.h"

namespace {

using namespace testing_gui;

class LanguagePictures : public EveryWindow, public testing::WithParamInterface<const char*> {
 protected:
  void TearDown() override {
    EveryWindow::TearDown();
    app::removeTranslations();
  }
};

TEST_P(LanguagePictures, DISABLED_Windows) {
  const QString dir = QString::fromLocal8Bit(qgetenv("ZYNED_GRAB_DIR"));
  if (dir.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR";
  const QString language = QString::fromLatin1(GetParam());
  ASSERT_TRUE(app::installTranslation(language));
  startWithRecords();
  // The first tab of each window, and the keyboard page of Preferences.
  std::set<QString> taken;
  walk([&](QWidget* window, const QString& where) {
    const QString name = window->objectName();
    const bool wanted =
        name == QLatin1String("PrefForm")
            ? where.contains(QLatin1String("Keyboard")) || where.contains(QLatin1String("Tastatur"))
            : (name == QLatin1String("MainWindow") || name == QLatin1String("MapForm") ||
               name == QLatin1String("BrfForm"));
    if (!wanted || taken.count(name)) return;
    taken.insert(name);
    window->grab().save(dir + QStringLiteral("/%1-%2.png").arg(language, name.toLower()));
  });
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguagePictures, testing::Values("de", "pseudo"));

}  // namespace
