// Starts the editor: the settings folder comes from "--config-dir DIR", $ZYNED_CONFIG_DIR or the
// user's configuration folder; the first other argument names a mission to open.
#include <QApplication>

#include <string>
#include <vector>

#include "app/shell/icons.h"
#include "app/shell/input_policy.h"
#include "app/shell/main_window.h"
#include "shell/settings_file.h"

int main(int argc, char** argv) {
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

  app::MainWindow window(std::move(options));
  window.show();
  return app.exec();
}
