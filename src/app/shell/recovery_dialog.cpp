#include "app/shell/recovery_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace app {

RecoveryDialog::RecoveryDialog(std::vector<Row> rows,
                               std::function<void(const QString& session)> discard, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)), discard_(std::move(discard)) {
  setObjectName(QStringLiteral("RecoveryDialog"));
  setWindowTitle(tr("Recover Unsaved Work"));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(
      tr("ZynED stopped without saving this work. Restore opens it as it was, marked changed, "
         "so that Save writes it where it belongs."),
      this);
  intro->setWordWrap(true);
  layout->addWidget(intro);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("RecoveryList"));
  // The list is what the window is about: a screen reader names it by the window's title.
  list_->setAccessibleName(windowTitle());
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({tr("File"), tr("Written"), tr("Changes")});
  for (const Row& r : rows_) {
    auto* item = new QTreeWidgetItem(list_, {r.file, r.when, r.what});
    item->setData(0, Qt::UserRole, r.session);
    item->setToolTip(0, r.file);
    item->setToolTip(2, r.what);
  }
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(list_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  restore_ = new QPushButton(tr("&Restore"), this);
  restore_->setObjectName(QStringLiteral("RestoreButton"));
  restore_->setDefault(true);
  discardButton_ = new QPushButton(tr("&Discard"), this);
  discardButton_->setObjectName(QStringLiteral("DiscardButton"));
  auto* later = new QPushButton(tr("Decide &Later"), this);
  later->setObjectName(QStringLiteral("DecideLaterButton"));
  for (QPushButton* b : {restore_, discardButton_, later}) buttons->addWidget(b);
  layout->addLayout(buttons);

  connect(restore_, &QPushButton::clicked, this, &RecoveryDialog::restoreCurrent);
  connect(discardButton_, &QPushButton::clicked, this, &RecoveryDialog::discardCurrent);
  connect(later, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::currentItemChanged, this, &RecoveryDialog::currentChanged);
  // The newest readable copy is the one chosen first.
  QTreeWidgetItem* first = nullptr;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (rows_[static_cast<std::size_t>(i)].readable) first = list_->topLevelItem(i);
  list_->setCurrentItem(first ? first : list_->topLevelItem(0));
  currentChanged();
  resize(std::max(sizeHint().width(), 640), sizeHint().height());
}

int RecoveryDialog::rowCount() const {
  return list_->topLevelItemCount();
}

void RecoveryDialog::currentChanged() {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  const bool any = row >= 0;
  restore_->setEnabled(any && rows_[static_cast<std::size_t>(row)].readable);
  discardButton_->setEnabled(any);
}

void RecoveryDialog::discardCurrent() {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (row < 0) return;
  if (discard_) discard_(rows_[static_cast<std::size_t>(row)].session);
  rows_.erase(rows_.begin() + row);
  delete list_->takeTopLevelItem(row);
  if (rows_.empty()) {
    reject();
    return;
  }
  currentChanged();
}

void RecoveryDialog::restoreCurrent() {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (row < 0 || !rows_[static_cast<std::size_t>(row)].readable) return;
  chosen_ = rows_[static_cast<std::size_t>(row)].session;
  accept();
}

}  // namespace app
