#include "app/base/deferred_page.h"

#include <QLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

DeferredPage::DeferredPage(const QString& objectName, Build build, QWidget* parent)
    : QWidget(parent), build_(std::move(build)) {
  setObjectName(objectName);
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
}

QWidget* DeferredPage::page() {
  if (page_ || building_) return page_;
  building_ = true;
  QWidget* made = build_(this);
  building_ = false;
  build_ = nullptr;
  page_ = made;
  layout()->addWidget(made);
  if (isVisible()) {
    // Shown already (built from its own show): the page takes its place before it is painted.
    made->show();
    layout()->activate();
  }
  for (auto& fn : afterBuild_) fn(made);
  afterBuild_.clear();
  return page_;
}

void DeferredPage::whenBuilt(std::function<void(QWidget*)> fn) {
  if (page_)
    fn(page_);
  else
    afterBuild_.push_back(std::move(fn));
}

void DeferredPage::buildAll(QWidget* root) {
  // A page may hold deferred pages of its own: look again until none is left unbuilt.
  bool built = false;
  for (bool again = true; again;) {
    again = false;
    for (DeferredPage* p : root->findChildren<DeferredPage*>())
      if (!p->built()) {
        p->page();
        again = built = true;
      }
  }
  if (!built) return;
  // Before the window is shown the layouts still hold the sizes the empty frames wanted: they
  // learn the new ones now, so that a window sized from its size hint fits every page.
  for (QWidget* w : root->findChildren<QWidget*>()) w->updateGeometry();
  for (QLayout* l : root->findChildren<QLayout*>()) l->invalidate();
}

void DeferredPage::buildWhenChosen(QTabWidget* tabs) {
  QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs](int index) {
    if (auto* p = qobject_cast<DeferredPage*>(tabs->widget(index))) p->page();
  });
}

void DeferredPage::showEvent(QShowEvent* event) {
  page();
  QWidget::showEvent(event);
}

}  // namespace app
