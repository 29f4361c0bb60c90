#pragma once
// The Mission's message sound list through the file life cycle, without a widget: the list file
// found on load, dropped for a new Mission, offered for saving and taken along on Save As, and
// the player that auditions the sounds. The "WAV Manager" group of the Messages tab shows it
// and runs its commands; the group is built only when that tab is first shown.

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>
#include <vector>

#include "app/document/editor_context.h"
#include "lists/wave_list_file.h"

class QWidget;

namespace model {
struct Mission;
}  // namespace model

namespace app {

class WavePlayer;

class MessageSounds : public QObject {
  Q_OBJECT
 public:
  // Boxes and notices are shown over `window`.
  MessageSounds(const EditorContext& context, QWidget* window, QObject* parent = nullptr);
  ~MessageSounds() override;

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
  // Writes the list; tells the user when there is none or the write failed. Entries another
  // program wrote since the list was read are overwritten only when the user says so.
  void save();
  // The entries on disk against the editor's, one line each that differs.
  QStringList differencesFromDisk() const;

  lists::WaveListFile& file() { return file_; }
  const lists::WaveListFile& file() const { return file_; }
  bool active() const { return file_.active(); }
  WavePlayer& player() { return *player_; }
  const std::vector<std::string>& sounds() const;

  // The recording of message `message` (0-based, as the document counts them) found among the
  // game's recordings; empty without a list, a sound line, an entry or its file.
  QString fileOf(std::size_t message) const;
  // Plays the recording of message `message`, unless its entry is a placeholder; false when
  // there is nothing to play.
  bool play(std::size_t message);

  // Tells the views that the list file came or went (activeChanged).
  void announce();

 signals:
  // Whether the Mission has a sound list file now; after every load and new Mission.
  void activeChanged(bool active);
  // The list file moved (Save As).
  void moved();

 private:
  const EditorContext& ctx_;
  QWidget* window_;
  lists::WaveListFile file_;
  WavePlayer* player_;
};

}  // namespace app
