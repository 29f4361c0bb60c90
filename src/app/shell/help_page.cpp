#include "app/shell/help_page.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

#include "app/base/prompter.h"
#include "app/base/resources.h"

namespace app {

QString writeHelpPage(const QString& folder, QString* error) {
  initResources();
  const auto fail = [&](const QString& why) {
    if (error) *error = why;
    return QString();
  };
  QFile readme(QStringLiteral(":/help/README.md"));
  if (!readme.open(QIODevice::ReadOnly)) return fail(QStringLiteral("The help text is missing."));
  QTextDocument doc;
  doc.setMarkdown(QString::fromUtf8(readme.readAll()));
  doc.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("ZynED help"));
  if (!QDir().mkpath(folder)) return fail(QStringLiteral("Cannot create the folder ") + folder);
  const QString path = QDir(folder).filePath(QStringLiteral("help.html"));
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(doc.toHtml().toUtf8()) < 0 || !out.commit())
    return fail(QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + out.errorString());
  return path;
}

bool openHomePage(QWidget* parent, Prompter& prompter, const QString& configured,
                  const QString& helpFolder, const UrlOpener& open) {
  QUrl url;
  if (!configured.trimmed().isEmpty()) {
    url = QUrl::fromUserInput(configured.trimmed());
  } else {
    QString error;
    const QString page = writeHelpPage(helpFolder, &error);
    if (page.isEmpty()) {
      prompter.warning(parent, QStringLiteral("The help page cannot be shown. ") + error);
      return false;
    }
    url = QUrl::fromLocalFile(page);
  }
  const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
  if (!opened) {
    const QString where = url.isLocalFile() ? url.toLocalFile() : url.toString();
    prompter.information(parent, QStringLiteral("No web browser could be started. Open this "
                                                "page by hand:\n") +
                                     where);
  }
  return opened;
}

QString defaultHelpFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

}  // namespace app
