#include "app/document/view_updater.h"

#include <QEvent>

namespace app {

ViewUpdater::ViewUpdater(QWidget* view, MissionDocument& doc, Changes topics, Refresh refresh,
                         bool deferWhileHidden)
    : QObject(view),
      view_(view),
      topics_(topics),
      defer_(deferWhileHidden),
      refresh_(std::move(refresh)) {
  connect(&doc, &MissionDocument::changed, this,
          [this](const ChangeSet& c) { notice(topicsOf(c), c); });
  connect(&doc, &MissionDocument::selectionChanged, this,
          [this] { notice(Selection, ChangeSet{}); });
  connect(&doc, &MissionDocument::tablesChanged, this, [this] { notice(Tables, ChangeSet{}); });
  view->installEventFilter(this);
}

void ViewUpdater::notice(Changes topics, const ChangeSet& what) {
  const Changes mine = topics & topics_;
  if (!mine || !view_) return;
  // A view in a hidden tab of a shown window waits until it is shown; a view outside any shown
  // window (built but not shown yet) stays up to date.
  if (defer_ && view_->window()->isVisible() && !view_->isVisible()) {
    pendingTopics_ |= mine;
    pending_.merge(what);
    return;
  }
  refresh_(mine, what);
}

void ViewUpdater::flush() {
  if (!pendingTopics_) return;
  const Changes t = pendingTopics_;
  const ChangeSet c = std::move(pending_);
  pendingTopics_ = NoChange;
  pending_ = {};
  refresh_(t, c);
}

bool ViewUpdater::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Show) flush();
  return QObject::eventFilter(watched, event);
}

}  // namespace app
