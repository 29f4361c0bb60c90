#include "app/editing/clip_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"

namespace app {

ClipDialog::ClipDialog(Mode mode, editing::Clipboard& clipboard, Describe describe,
                       std::string editorDirectory, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      clip_(clipboard),
      describe_(std::move(describe)),
      editorDirectory_(std::move(editorDirectory)),
      prompter_(prompter) {
  setObjectName(QStringLiteral("ClipForm"));
  // The condition caption is "Condtion Clipboard", misspelling included.
  setWindowTitle(mode == Mode::Conditions ? tr("Condtion Clipboard") : tr("Order Clipboard"));
  auto* top = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("ListBox1"));
  // The entries are what the window is about: a screen reader names them by its title.
  list_->setAccessibleName(windowTitle());
  list_->setMinimumSize(mode == Mode::Conditions ? 320 : 460, 160);
  list_->setTextElideMode(Qt::ElideRight);
  top->addWidget(list_, 1);
  // An empty clipboard says how entries come into it.
  empty_ = new QLabel(mode == Mode::Conditions
                          ? tr("The clipboard is empty. \"Add to Clipboard\" beside a trigger's "
                               "condition puts it here.")
                          : tr("The clipboard is empty. \"Add to Clipboard\" beside an order puts "
                               "it here."),
                      this);
  empty_->setObjectName(QStringLiteral("EmptyClipLabel"));
  empty_->setWordWrap(true);
  top->addWidget(empty_);

  top->addLayout(buildButtons());
  connect(list_, &QListWidget::itemDoubleClicked, this, &ClipDialog::useSelected);
  // "&Use" takes the entry chosen: there is none to take in an empty list.
  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { use_->setEnabled(row >= 0); });
  fill(0);
}

// Up, Down and Delete act on the list at once; "&Use" and "&Cancel" close the dialog.
QLayout* ClipDialog::buildButtons() {
  auto* row = new QHBoxLayout;
  auto button = [&](const char* name, const QString& text, const QString& tip = {}) {
    QPushButton* b = pushButton(this, name, text, tip);
    row->addWidget(b);
    return b;
  };
  QPushButton* up = button("UpBtn", tr("Up"), tr("Move the entry up"));
  QPushButton* down = button("DownBtn", tr("Down"), tr("Move the entry down"));
  QPushButton* del = button("DeleteBtn", tr("Delete"), tr("Delete the entry"));
  row->addStretch(1);
  QPushButton* use = button("UseBtn", tr("&Use"));
  use_ = use;
  QPushButton* cancel = button("CancelBtn", tr("&Cancel"));
  use->setDefault(true);

  connect(up, &QPushButton::clicked, this, [this] {
    if (selected() < 0) return;
    fill(static_cast<int>(clip_.moveUp(static_cast<std::size_t>(selected()))));
    edited_ = true;
  });
  connect(down, &QPushButton::clicked, this, [this] {
    if (selected() < 0) return;
    fill(static_cast<int>(clip_.moveDown(static_cast<std::size_t>(selected()))));
    edited_ = true;
  });
  connect(del, &QPushButton::clicked, this, [this] {
    if (clip_.empty() || selected() < 0) return;
    fill(clip_.remove(static_cast<std::size_t>(selected())));
    edited_ = true;
  });
  connect(use, &QPushButton::clicked, this, &ClipDialog::useSelected);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return row;
}

void ClipDialog::useSelected() {
  if (selected() < 0) return;
  chosen_ = selected();
  accept();
}

void ClipDialog::fill(int select) {
  list_->clear();
  for (const auto& e : clip_.entries()) {
    auto* item = new QListWidgetItem(fromFile(describe_(e)), list_);
    item->setToolTip(item->text());
  }
  if (select >= 0 && select < list_->count()) list_->setCurrentRow(select);
  empty_->setVisible(list_->count() == 0);
  use_->setEnabled(selected() >= 0);
}

int ClipDialog::selected() const {
  return list_->currentRow();
}

void ClipDialog::done(int result) {
  if (result != Accepted) chosen_ = -1;
  // The file follows the list whenever the dialog closes.
  const model::Text error = clip_.save(editorDirectory_);
  if (!error.empty() && (edited_ || !clip_.unreadable())) prompter_.error(this, shownText(error));
  QDialog::done(result);
}

}  // namespace app
