#pragma once
// The "WAV Manager" group of the Messages tab: the Mission's message sound list (one WAV per
// message, lines 17 to 19 for the goal sounds), its file beside the game's recordings, and the
// sound of the current message: create the list, save it, assign a WAV file, clear it, pick one
// of the game's recordings, and audition it. The entries live in the Mission, so message
// operations keep them in step and undo restores them; every change here is one undo step. The
// list's file and player are a MessageSounds, which the main window keeps through the file life
// cycle while this group is not built yet.

#include <QGroupBox>

#include <string>
#include <vector>

#include "app/base/translations.h"
#include "app/document/editor_context.h"
#include "app/lists/message_sounds.h"
#include "lists/wave_list_file.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace model {
struct Mission;
struct ChangeSet;
}  // namespace model

namespace app {

class WavePlayer;

class WavManager : public QGroupBox {
  Q_OBJECT
 public:
  // A group with a sound list of its own.
  explicit WavManager(const EditorContext& context, QWidget* parent = nullptr);
  // A group showing `sounds`, which outlives it.
  WavManager(const EditorContext& context, MessageSounds& sounds, QWidget* parent = nullptr);
  ~WavManager() override;

  // --- The mission life cycle (the main window calls these) ---

  // A mission file is being loaded: its sound list, looked for beside the game's recordings,
  // goes into `m` before it becomes the document's Mission.
  void loadFor(model::Mission& m, const std::string& missionFile);
  // A new Mission: no sound list.
  void reset();
  // Asks "WAV .lst file has been changed. Save it?" when the list changed and its file is there,
  // and saves on yes.
  void offerToSave();
  // The Mission was saved under a new name: the list moves along.
  void missionSavedAs(const std::string& missionFile);

  const lists::WaveListFile& listFile() const { return sounds_.file(); }
  bool listActive() const { return sounds_.active(); }
  WavePlayer& player() { return sounds_.player(); }

 public slots:
  void createList();
  void saveList();
  void assignWav();
  void clearWav();
  // "Choose WAV from game": the catalogue of the game's recordings.
  void chooseFromGame();
  void playCurrent();

 signals:
  // Whether the Mission has a sound list file now (the message list shows markers then).
  void listActiveChanged(bool active);

 private:
  QHBoxLayout* buildButtons(QWidget*& last);
  QHBoxLayout* buildFieldRow();
  void connectSignals();
  // Creates the list file; false when it was refused or failed (the user was told).
  bool create();
  // Makes `entry` the current message's sound after the duplicate question; false on no.
  bool takeEntry(const std::string& entry);
  // "sound of message 3": what the undo steps of the current message's sound name.
  QString soundStepObject() const;
  // The current message's file among the game's wave folders, or empty.
  QString currentFile() const;
  // Those folders, as the user's system writes them.
  std::vector<std::string> waveFolders() const;
  // "Error assigning FILE. Only use WAV files from …" in the user's language.
  QString assignError(const std::string& file) const;
  void onDocumentChanged(const model::ChangeSet& c);
  void onSelectionChanged();
  void refresh();
  void onActiveChanged(bool active);
  const std::vector<std::string>& sounds() const;
  std::size_t current() const;
  bool hasMessages() const;

  const EditorContext& ctx_;
  MessageSounds& sounds_;
  lists::WaveListFile& file_;
  WavePlayer* player_ = nullptr;
  int shownMessage_ = -1;

  QLabel* caption_ = nullptr;
  QStackedWidget* fieldStack_ = nullptr;
  QLineEdit* field_ = nullptr;
  QLabel* noList_ = nullptr;
  QLabel* missing_ = nullptr;
  QPushButton* play_ = nullptr;
  QCheckBox* autoplay_ = nullptr;
};

}  // namespace app
