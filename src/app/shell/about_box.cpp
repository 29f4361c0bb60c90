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
  setWindowTitle(tr("About"));
  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("AboutPages"));
  pages->addTab(buildVersionPage(pages), tr("Version"));
  pages->addTab(buildLicensePage(pages), tr("License"));
  pages->addTab(buildFaqPage(pages), tr("FAQ"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addWidget(buttons);
  resize(480, 400);
}

// The editor's name, version, credits and links.
QWidget* AboutBox::buildVersionPage(QWidget* pages) {
  const QString version = QString::fromLatin1(shell::VersionText);
  auto* versionPage = new QWidget(pages);
  auto* versionLayout = new QVBoxLayout(versionPage);
  auto* name = new QLabel(tr("<h2>ZynED</h2>"), versionPage);
  auto* versionLabel = new QLabel(tr("Version %1").arg(version), versionPage);
  versionLabel->setObjectName(QStringLiteral("VersionLabel"));
  auto* credits = new QLabel(
      tr("A mission editor for Zyn and its expansion Qvn: flight groups, messages, goals, "
         "teams, briefings, and the game's mission lists, message sounds and craft models.<br><br>"
         "Thanks to every mission designer who sent in reports, tips and test missions."),
      versionPage);
  credits->setWordWrap(true);
  // The two links open in the system's web browser.
  auto link = [&](const char* objectName, const QString& url, const QString& text) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url, text), versionPage);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    return label;
  };
  versionLayout->addWidget(name);
  versionLayout->addWidget(versionLabel);
  versionLayout->addWidget(credits);
  versionLayout->addWidget(
      link("HomeLink", QStringLiteral("https://example.org/zyned"), tr("ZynED home page")));
  versionLayout->addWidget(link("MissionsLink",
                                QStringLiteral("https://example.org/zyned/missions"),
                                tr("Missions made with ZynED")));
  versionLayout->addStretch();
  return versionPage;
}

QWidget* AboutBox::buildLicensePage(QWidget* pages) {
  return textPage(tr("<h3>Terms of use</h3>"
                     "<p>ZynED may be used, copied and given away free of charge. It may not be "
                     "sold, alone or as part of another product.</p>"
                     "<p>Missions you make with ZynED are yours.</p>"
                     "<p>ZynED comes without any warranty. It writes the game's files; keep "
                     "copies of the files you care about. The authors are not liable for any loss "
                     "or damage arising from its use.</p>"),
                  pages);
}

QWidget* AboutBox::buildFaqPage(QWidget* pages) {
  return textPage(tr("<h3>Building missions</h3>"
                     "<p><b>My mission does not appear in the game.</b> Missions are offered only "
                     "when they are entered in the game's lists: use <i>.lst</i> on the tool bar "
                     "(training missions go into the list of the player's side).</p>"
                     "<p><b>Which format should I save in?</b> Zyn Format plays in the base game; "
                     "Qvn Format needs the expansion and adds the debriefings and a longer "
                     "description.</p>"
                     "<p><b>My messages are silent.</b> Create the mission's WAV list on the "
                     "Messages page and assign a recording to each message; lines 17 to 19 are "
                     "the sounds for the goals.</p>"
                     "<p><b>The game misbehaves with my mission.</b> Run Error Check: it lists "
                     "what the game is known to mishandle.</p>"
                     "<p><b>Is there a copy of the last mission I opened?</b> Each load writes "
                     "Backup.kre beside the mission when backups are on.</p>"
                     "<h3>Keys</h3><table>"
                     "<tr><td>Ctrl+N, Ctrl+O</td><td>New mission, open a mission</td></tr>"
                     "<tr><td>Ctrl+S, Ctrl+Shift+S</td><td>Save, save as</td></tr>"
                     "<tr><td>Ctrl+G</td><td>Goals in the flight-group list</td></tr>"
                     "<tr><td>Ctrl+Z, Ctrl+Y</td><td>Undo, redo</td></tr>"
                     "<tr><td>Insert, Delete</td><td>New or delete in a list</td></tr>"
                     "<tr><td>Ctrl+C, Ctrl+X, Ctrl+V</td>"
                     "<td>Copy, cut, paste flight groups</td></tr></table>"),
                  pages);
}

}  // namespace app
