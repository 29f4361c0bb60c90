#include "app/shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/titles.h"

namespace app {
namespace {

QWidget* textPage(const QString& html, QWidget* parent) {
  auto* view = new QTextBrowser(parent);
  view->setOpenLinks(false);
  view->setHtml(html);
  return view;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About ZynED"));
  const QString version = QString::fromLatin1(shell::VersionText);

  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("AboutPages"));
  pages->addTab(
      textPage(tr("<h2>ZynED</h2><p>Version %1</p>"
                  "<p>A mission editor for Zyn and its expansion Qvn: flight groups, messages, "
                  "goals, teams, briefings and the game's mission lists.</p>"
                  "<p>Missions are kept byte for byte as the game stores them, so values the "
                  "editor does not show survive a load and save.</p>")
                   .arg(version),
               pages),
      tr("About"));
  pages->addTab(textPage(tr("<h3>Keys</h3><table>"
                            "<tr><td>Ctrl+N</td><td>New mission</td></tr>"
                            "<tr><td>Ctrl+O</td><td>Open a mission</td></tr>"
                            "<tr><td>Ctrl+S</td><td>Save</td></tr>"
                            "<tr><td>Ctrl+A</td><td>Save as</td></tr>"
                            "<tr><td>Ctrl+G</td><td>Goals in the flight-group list</td></tr>"
                            "<tr><td>Ctrl+Z, Ctrl+Y</td><td>Undo, redo</td></tr>"
                            "<tr><td>Insert, Delete</td><td>New or delete in a list</td></tr>"
                            "<tr><td>Ctrl+C, Ctrl+X, Ctrl+V</td>"
                            "<td>Copy, cut, paste flight groups</td></tr></table>"),
                         pages),
                tr("Keys"));
  pages->addTab(
      textPage(tr("<h3>Questions</h3>"
                  "<p><b>Which format should I save in?</b> Zyn Format plays in the base game; "
                  "Qvn Format needs the expansion and adds the debriefings and a longer "
                  "description.</p>"
                  "<p><b>Where are my settings?</b> In ZynED.ini in the settings folder; "
                  "Preferences edits them.</p>"
                  "<p><b>The game misbehaves with my mission.</b> Run Error Check: it lists "
                  "what the game is known to mishandle.</p>"
                  "<p><b>Is there a copy of the last mission I opened?</b> Each load writes "
                  "Backup.kre beside the mission when backups are on.</p>"),
               pages),
      tr("FAQ"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  auto* versionLabel = new QLabel(tr("ZynED version %1").arg(version), this);
  versionLabel->setObjectName(QStringLiteral("VersionLabel"));
  layout->addWidget(versionLabel);
  layout->addWidget(pages);
  layout->addWidget(buttons);
  resize(460, 360);
}

}  // namespace app
