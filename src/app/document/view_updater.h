#pragma once
// Keeps one view in step with the document: the view declares the topics it shows (Change bits,
// Selection for the selection and sub-items, Tables for the vocabulary tables) and gets one call
// per change that concerns it. A view that asks for it (`deferWhileHidden`) gathers changes while
// it is hidden inside a shown window (a tab in the background) and refreshes once when it is
// shown again.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "app/document/mission_document.h"

namespace app {

class ViewUpdater : public QObject {
  Q_OBJECT
 public:
  using Refresh = std::function<void(Changes topics, const ChangeSet& what)>;
  ViewUpdater(QWidget* view, MissionDocument& doc, Changes topics, Refresh refresh,
              bool deferWhileHidden = false);

  // Runs a gathered refresh now, if any.
  void flush();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void notice(Changes topics, const ChangeSet& what);
  QPointer<QWidget> view_;
  Changes topics_;
  bool defer_;
  Refresh refresh_;
  Changes pendingTopics_ = NoChange;
  ChangeSet pending_;
};

}  // namespace app
