#include "app/base/undo_history_window.h"

#include <QUndoView>
#include <QVBoxLayout>

#include "app/base/window_memory.h"

namespace app {

UndoHistoryWindow::UndoHistoryWindow(QUndoStack* stack, std::string iniPath, QWidget* parent)
    : QWidget(parent, Qt::Tool), iniPath_(std::move(iniPath)) {
  setObjectName(QStringLiteral("UndoHistoryWindow"));
  setWindowTitle(tr("Undo History"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  view_ = new QUndoView(stack, this);
  view_->setObjectName(QStringLiteral("UndoHistoryView"));
  view_->setAccessibleName(windowTitle());
  // The line before the first step: the Mission as it was loaded or made.
  view_->setEmptyLabel(tr("Start"));
  layout->addWidget(view_);
  resize(260, 360);
}

void UndoHistoryWindow::showEvent(QShowEvent* e) {
  if (!placed_) {
    placed_ = true;
    WindowMemory(iniPath_).restore(this);
  }
  QWidget::showEvent(e);
}

void UndoHistoryWindow::hideEvent(QHideEvent* e) {
  WindowMemory(iniPath_).remember(this);
  QWidget::hideEvent(e);
}

}  // namespace app
