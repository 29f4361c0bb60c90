#pragma once
// The "Messages" tab: the in-flight messages as a coloured list, and for the selected ones their
// text, colour, delay, the teams they are sent to and their four triggers. New, delete and move
// keep the message numbers equal to the positions and the sound list in step.

#include <QWidget>

#include "app/document/editor_context.h"
#include "app/document/mission_document.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace app {

class ShipList;
class TriggerEditor;

class MessagesPage : public QWidget {
  Q_OBJECT
 public:
  explicit MessagesPage(const EditorContext& context, QWidget* parent = nullptr);

  // An empty container (with a layout) for the sound controls of the messages.
  QWidget* soundArea() const { return soundArea_; }
  // Whether a sound list file is active: the list lines then carry the sound markers.
  void setSoundListActive(bool on);
  TriggerEditor* triggerEditor() const { return editor_; }

 public slots:
  void newMessage();
  void deleteSelected();
  void moveUp();
  void moveDown();

 private:
  void onChanged(Changes what, const ChangeSet& c);
  void rebuildList();
  void fill();
  bool quiet() const;
  // The message shown: the current one, or the template while there is none.
  model::Message shown() const;

  const EditorContext& ctx_;
  MissionDocument& doc_;
  bool filling_ = false;
  bool soundListActive_ = false;
  int shownIndex_ = -2;  // the message the text box shows
  ShipList* list_;
  QLabel* countLabel_;
  QLineEdit* text_;
  QComboBox* colour_;
  QSpinBox* delay_;
  QListWidget* seenBy_;
  TriggerEditor* editor_;
  QWidget* soundArea_;
};

}  // namespace app
