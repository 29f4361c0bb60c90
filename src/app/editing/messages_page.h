#pragma once
// The "Messages" tab: the in-flight messages as a coloured list, and for the selected ones their
// text, colour, delay, the teams they are sent to and their four triggers. New, delete, move,
// cut and paste keep the message numbers equal to the positions and the sound list in step.

#include <QWidget>

#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "model/records.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace app {

class FieldBinding;
class FieldBindings;
class ShipList;
class TriggerEditor;
struct TriggerSource;

class MessagesPage : public QWidget {
  Q_OBJECT
 public:
  explicit MessagesPage(const EditorContext& context, QWidget* parent = nullptr);

  // An empty container (with a layout) for the sound controls of the messages.
  QWidget* soundArea() const { return soundArea_; }
  // Puts the message sound group into its place above the trigger editor, Tab reaching it there
  // too.
  void holdSoundGroup(QWidget* group);
  // Whether a sound list file is active: the list lines then carry the sound markers.
  void setSoundListActive(bool on);
  TriggerEditor* triggerEditor() const { return editor_; }
  // Whether Cut or Copy left messages to paste.
  bool canPaste() const { return !copied_.empty(); }
  // The list's pop-up menu: the window's own list commands (the main window's table).
  void setPopupActions(const QList<QAction*>& actions);

 public slots:
  void newMessage();
  void deleteSelected();
  void moveUp();
  void moveDown();
  // The selected messages into the page's own buffer (kept across loads), and taken out.
  void copy();
  void cut();
  // Copies of the buffer's messages at the end of the list.
  void paste();

 private:
  // The constructor's steps: the list, the fields, their bindings, the handlers.
  QWidget* buildList();
  QWidget* buildFields();
  QGridLayout* buildTextRows(QWidget* right);
  QGroupBox* buildTeamsBox(QWidget* right);
  TriggerSource triggerSource();
  void bindFields();
  void connectSignals();
  // Deletes the selected messages, as a step of `verb` (Delete, Cut).
  void removeSelected(Verb verb);
  void onChanged(Changes what, const ChangeSet& c);
  void rebuildList();
  // The count label, the text's colour and the team names; the bindings show the fields.
  void showDetails();
  // The colour of the current message (a new message's while there is none).
  char currentColour() const;
  // The colour for every selected message, unless a text would not read back in it.
  void colourChosen(char colour, const FieldBinding& binding);

  const EditorContext& ctx_;
  MissionDocument& doc_;
  bool soundListActive_ = false;
  // What the fields show while there is no message.
  model::Message template_;
  std::vector<model::Message> copied_;
  FieldBindings* bindings_;
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
