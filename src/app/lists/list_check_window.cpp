#include "app/lists/list_check_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "flow/report.h"

namespace app {

namespace {

constexpr int PathRole = Qt::UserRole;

}  // namespace

ListCheckWindow::ListCheckWindow(flow::ListCheck check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
  setObjectName(QStringLiteral("ListCheckWindow"));
  setWindowTitle(tr("Check All"));
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("ListCheckSummary"));
  summary_->setWordWrap(true);
  lines_ = new QListWidget(this);
  lines_->setObjectName(QStringLiteral("ListCheckLines"));
  // The summary above the lines is their caption for a screen reader.
  summary_->setBuddy(lines_);
  lines_->setWordWrap(true);
  auto* hint = new QLabel(tr("A click on a mission's line opens it."), this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(pushButton(this, "CloseBtn", tr("&Close")), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(lines_, 1);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(lines_, &QListWidget::itemClicked, this, &ListCheckWindow::choose);
  connect(lines_, &QListWidget::itemActivated, this, &ListCheckWindow::choose);
  fill();
  resize(760, 520);
}

ListCheckWindow* ListCheckWindow::present(const std::vector<flow::ListedMission>& missions,
                                          const shell::Settings& settings,
                                          const shell::Vocabulary* vocabulary, QWidget* parent) {
  static const shell::Vocabulary builtIn;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  auto* window = new ListCheckWindow(
      flow::checkMissions(missions, settings, vocabulary ? *vocabulary : builtIn), parent);
  QApplication::restoreOverrideCursor();
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->QDialog::show();
  return window;
}

void ListCheckWindow::fill() {
  summary_->setText(shownText(flow::listCheckSummaryText(check_)));
  QFont bold = lines_->font();
  bold.setBold(true);
  for (const flow::MissionCheck& c : check_.missions) {
    auto* heading = new QListWidgetItem(
        QStringLiteral("%1 \u2014 %2")
            .arg(fromFile(c.mission.entry), shownText(flow::missionSummaryText(c))),
        lines_);
    heading->setFont(bold);
    heading->setToolTip(QString::fromStdString(c.mission.path));
    if (!c.mission.path.empty() && c.refusal.empty())
      heading->setData(PathRole, QString::fromStdString(c.mission.path));
    auto line = [&](const QString& text) {
      auto* item = new QListWidgetItem(QStringLiteral("    ") + text, lines_);
      item->setData(PathRole, heading->data(PathRole));
    };
    if (!c.refusal.empty()) line(shownText(c.refusalText));
    for (const auto* texts : {&c.errorTexts, &c.warningTexts})
      for (const model::Text& text : *texts) line(shownText(text));
    for (const auto* found : {&c.findings, &c.advisories})
      for (const flow::Finding& f : *found)
        line(QString::fromLatin1(flow::findingWord(f.kind)) + QStringLiteral(": ") +
             shownText(f.text));
  }
}

std::optional<std::string> closeToOpen(QDialog& window, Prompter& prompter, bool changed,
                                       const QString& path) {
  int answer = QMessageBox::No;
  if (changed) {
    answer = prompter.question(&window, QObject::tr("Save the changes to the lists first?"),
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return std::nullopt;
  }
  window.done(answer == QMessageBox::Yes ? QDialog::Accepted : QDialog::Rejected);
  // A list that could not be written keeps the window open, and the mission closed.
  if (answer == QMessageBox::Yes && window.result() != QDialog::Accepted) return std::nullopt;
  return path.toStdString();
}

void ListCheckWindow::choose(QListWidgetItem* item) {
  if (!item) return;
  const QString path = item->data(PathRole).toString();
  if (!path.isEmpty()) emit openMission(path);
}

}  // namespace app
