#include "app/shell/help_page.h"

#include <QDesktopServices>

#include "app/base/handbook_window.h"
#include "app/base/prompter.h"

namespace app {

bool openHomePage(QWidget* parent, Prompter& prompter, const QString& configured,
                  const UrlOpener& open) {
  if (configured.trimmed().isEmpty()) {
    showHandbook(parent, QStringLiteral("index.md"));
    return true;
  }
  const QUrl url = QUrl::fromUserInput(configured.trimmed());
  const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
  if (!opened)
    prompter.information(parent, QStringLiteral("No web browser could be started. Open this "
                                                "page by hand:\n") +
                                     url.toString());
  return opened;
}

}  // namespace app
