// Starts the editor: the settings folder comes from "--config-dir DIR", $ZYNED_CONFIG_DIR or the
// user's configuration folder; the first other argument names a mission to open.
#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <string>
#include <vector>

#include "app/base/handbook_window.h"
#include "app/base/icons.h"
#include "app/base/input_policy.h"
#include "app/base/translations.h"
#include "app/briefing/briefing_export.h"
#include "app/map/map_export.h"
#include "app/shell/main_window.h"
#include "shell/manual.h"
#include "shell/settings_file.h"
#include "shell/version.h"

#ifdef ZYNED_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// --help and --version answer before anything else: no display, no settings, no window. Returns
// whether one of them was asked for.
bool answerHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(shell::helpText(shell::editorManual()).c_str(), stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zyned %s\n", shell::VersionText);
      return true;
    }
  }
  return false;
}

// --export-map draws a mission's map into a PNG and ends: no window, no display needed.
int exportMap(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication gui(argc, argv);
  return app::runMapExport(QGuiApplication::arguments().mid(1));
}

// The application's names, icon and input handling.
void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("ZynED"));
  QApplication::setApplicationVersion(QString::fromLatin1(shell::VersionText));
  QApplication::setWindowIcon(app::applicationIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zyned.ZynED"));
  app::InputPolicy::install();
  app::installHandbookKey();
}

// "--lang CODE" or "--lang=CODE" before "--": taken out of `args`; empty when there is none.
QString takeLanguage(std::vector<std::string>& args) {
  QString language;
  for (std::size_t i = 0; i < args.size() && args[i] != "--";) {
    if (args[i] == "--lang" && i + 1 < args.size()) {
      language = QString::fromStdString(args[i + 1]);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    } else if (args[i].starts_with("--lang=")) {
      language = QString::fromStdString(args[i].substr(7));
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  return language;
}

}  // namespace

int main(int argc, char** argv) {
  if (answerHelpOrVersion(argc, argv)) return 0;
  if (app::wantsMapExport(argc, argv)) return exportMap(argc, argv);
  // The briefing picture likewise runs headless.
  if (app::wantsBriefingExport(std::vector<std::string>(argv + 1, argv + argc)) &&
      !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Reading the system's font configuration is a quarter of the start; it is read on another core
  // while the window system is connected, and the first text measured waits for it.
  std::jthread fonts([] {
#ifdef ZYNED_FONTCONFIG
    FcInit();
#endif
  });
  QApplication app(argc, argv);
  setUpApplication();

  std::vector<std::string> args;
  const QStringList all = QApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toStdString());
  app::StartOptions options;
  options.configDir = shell::configDirFromArgs(args);
  // The language: "--lang CODE" for this run, else the one chosen on Preferences.
  QString language = takeLanguage(args);
  if (language.isEmpty())
    language = QString::fromStdString(
        shell::readSettings(shell::settingsFilePath(options.configDir)).language);
  app::installTranslation(app::languageFor(language));
  for (const std::string& a : args)
    if (a != "--") options.arguments << QString::fromStdString(a);

  if (const auto status = app::runBriefingExport(args, options.configDir)) return *status;

  fonts.join();
  app::MainWindow window(std::move(options));
  window.show();
  return app.exec();
}
