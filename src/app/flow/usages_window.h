#pragma once
// "Where is it used?": every place of the Mission that names one flight group, a line each;
// clicking a line asks for that place to be shown (the page and tab where it is). The window
// stays open beside the editor, follows the group when the list is rearranged and every edit.

#include <QWidget>

#include <vector>

#include "flow/analysis.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace app {

struct EditorContext;
class MissionDocument;

class UsagesWindow : public QWidget {
  Q_OBJECT
 public:
  UsagesWindow(const EditorContext& context, int group, QWidget* parent = nullptr);

  int group() const { return group_; }
  void setGroup(int group);
  const std::vector<flow::Usage>& usages() const { return usages_; }
  QListWidget* list() const { return list_; }

 signals:
  void placeChosen(const flow::Place& place);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void fill();
  void choose(QListWidgetItem* item);

  const EditorContext& ctx_;
  MissionDocument& doc_;
  int group_ = -1;
  bool placed_ = false;
  std::vector<flow::Usage> usages_;
  QLabel* title_ = nullptr;
  QListWidget* list_ = nullptr;
};

}  // namespace app
