#include "app/flow/usages_window.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/base/window_memory.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "editing/descriptions.h"

namespace app {

UsagesWindow::UsagesWindow(const EditorContext& context, int group, QWidget* parent)
    : QWidget(parent, Qt::Tool), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("UsagesWindow"));
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("UsagesTitle"));
  title_->setWordWrap(true);
  list_ = new QListWidget(this);
  // The title above the list says what it lists.
  title_->setBuddy(list_);
  list_->setObjectName(QStringLiteral("UsagesList"));
  list_->setWordWrap(true);
  list_->setAlternatingRowColors(true);
  layout->addWidget(title_);
  layout->addWidget(list_, 1);
  connect(list_, &QListWidget::itemClicked, this, &UsagesWindow::choose);
  connect(list_, &QListWidget::itemActivated, this, &UsagesWindow::choose);
  connect(&doc_, &MissionDocument::changed, this, [this](const ChangeSet& c) {
    // The group keeps its place in the window when the list is rearranged; a deleted group
    // leaves the window empty.
    if (const auto& remap = c.of(ListKind::FlightGroups); remap && group_ >= 0)
      group_ = c.whole ? -1 : remap->map(group_);
    if (c.whole) group_ = -1;
    fill();
  });
  connect(&doc_, &MissionDocument::tablesChanged, this, &UsagesWindow::fill);
  resize(560, 320);
  setGroup(group);
}

void UsagesWindow::setGroup(int group) {
  group_ = group;
  fill();
}

void UsagesWindow::fill() {
  const model::Mission& m = doc_.mission();
  list_->clear();
  usages_.clear();
  if (group_ < 0 || static_cast<std::size_t>(group_) >= m.flightGroups.size()) {
    group_ = -1;
    setWindowTitle(tr("Where Is It Used?"));
    title_->setText(tr("The flight group is no longer in the mission."));
    return;
  }
  const QString name =
      QStringLiteral("#%1 ").arg(group_ + 1) +
      fromFile(editing::nameListEntry(m, ctx_.vocabulary, static_cast<std::size_t>(group_)));
  setWindowTitle(tr("Where Is %1 Used?").arg(name));
  usages_ = flow::usages(m, ctx_.vocabulary, group_);
  const int n = static_cast<int>(usages_.size());
  title_->setText(n == 0   ? tr("Nothing in the mission names %1.").arg(name)
                  : n == 1 ? tr("One place names %1. Click it to open it.").arg(name)
                           : tr("%1 places name %2. Click a line to open it.").arg(n).arg(name));
  for (std::size_t i = 0; i < usages_.size(); ++i) {
    auto* item = new QListWidgetItem(shownText(usages_[i].text), list_);
    item->setToolTip(item->text());
    item->setData(Qt::UserRole, static_cast<int>(i));
  }
}

void UsagesWindow::choose(QListWidgetItem* item) {
  if (!item) return;
  const int i = item->data(Qt::UserRole).toInt();
  if (i >= 0 && static_cast<std::size_t>(i) < usages_.size())
    emit placeChosen(usages_[static_cast<std::size_t>(i)].place);
}

void UsagesWindow::showEvent(QShowEvent* e) {
  if (!placed_) {
    placed_ = true;
    WindowMemory(ctx_.iniPath).place(this, 0);
  }
  QWidget::showEvent(e);
}

void UsagesWindow::hideEvent(QHideEvent* e) {
  WindowMemory(ctx_.iniPath).remember(this);
  QWidget::hideEvent(e);
}

}  // namespace app
