// Starts the editor: the settings folder comes from "--config-dir DIR", $ZYNED_CONFIG_DIR or the
// user's configuration folder; the first other argument names a mission to open.
#include <QApplication>

#include <cstdlib>

#include <string>
#include <vector>

#include "app/briefing/briefing_export.h"
#include "app/shell/icons.h"
#include "app/shell/input_policy.h"
#include "app/shell/main_window.h"
#include "shell/settings_file.h"

int main(int argc, char** argv) {
  // Picture exports run headless: without a display they draw offscreen.
  if (app::wantsBriefingExport(std::vector<std::string>(argv + 1, argv + argc)) &&
      !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZynED"));
  QApplication::setApplicationVersion(QStringLiteral("1.1"));
  QApplication::setWindowIcon(app::applicationIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("zyned"));
  app::InputPolicy::install();

  std::vector<std::string> args;
  const QStringList all = QApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toStdString());
  app::StartOptions options;
  options.configDir = shell::configDirFromArgs(args);
  for (const std::string& a : args)
    if (a != "--") options.arguments << QString::fromStdString(a);

  if (const auto status = app::runBriefingExport(args, options.configDir)) return *status;

  app::MainWindow window(std::move(options));
  window.show();
  return app.exec();
}
