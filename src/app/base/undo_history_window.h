#pragma once
// The "Undo History" window: every step of the document's history by its text, the current one
// highlighted; clicking a line undoes or redoes up to it. It stays open beside the editor and
// keeps its place between runs.

#include <QWidget>

#include <string>

class QUndoStack;
class QUndoView;

namespace app {

class UndoHistoryWindow : public QWidget {
  Q_OBJECT
 public:
  UndoHistoryWindow(QUndoStack* stack, std::string iniPath, QWidget* parent = nullptr);

  QUndoView* view() const { return view_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  QUndoView* view_;
  std::string iniPath_;
  bool placed_ = false;
};

}  // namespace app
