#pragma once
// "Flight Group Library": the library's flight groups in the flight-group list's format and IFF
// colours; new, load, save and save as; flight groups taken from the Mission's selection and
// library entries added to the Mission.

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "editing/library.h"

class QListWidget;
class QVBoxLayout;

namespace shell {
class Vocabulary;
}

namespace app {

class Prompter;

// What the library needs of the open Mission.
struct LibraryMissionAccess {
  const model::Mission* mission = nullptr;
  std::function<std::vector<int>()> selectedFlightGroups;
  // Appends these flight groups to the Mission as one undo step.
  std::function<void(std::vector<model::FlightGroup>)> addFlightGroups;
  bool autoLink = true;  // the "Autolink" setting
  bool confirmDeletes = true;
};

// Offers to save a changed library ("FG Library file has been changed. Save it?"); Yes saves it
// (asking for a file when it has none), No goes on without it. False when the user cancelled,
// or chose to save but the save failed or was cancelled: what asked stops.
bool offerToSaveLibrary(editing::Library& lib, Prompter& prompter, QWidget* parent,
                        const std::string& editorDirectory);
// Adds the flight groups to the library and says so over `window` (the library is a file of its
// own, saved apart from the Mission).
void addToLibrary(editing::Library& lib, const model::Mission& m, const std::vector<int>& groups,
                  QWidget* window);
// Saves to the library's file, or asks for one when it has none. False when cancelled or failed.
bool saveLibrary(editing::Library& lib, Prompter& prompter, QWidget* parent,
                 const std::string& editorDirectory, bool askForName);

class LibraryWindow : public QDialog {
  Q_OBJECT
 public:
  LibraryWindow(editing::Library& library, LibraryMissionAccess mission,
                const shell::Vocabulary& vocab, Prompter& prompter, std::string editorDirectory,
                QWidget* parent = nullptr);

 private:
  void buildList(QVBoxLayout* top);
  void buildButtons(QVBoxLayout* top);
  // What the buttons do.
  void newLibrary();
  void loadLibrary();
  void save();
  void saveAs();
  void grabFromMission();
  void addToMission();
  void moveUp();
  void moveDown();
  void deleteEntry();

  void fill(const std::vector<int>& select);
  std::vector<int> selectedRows() const;
  int focusedRow() const;

  editing::Library& lib_;
  LibraryMissionAccess mission_;
  const shell::Vocabulary& vocab_;
  Prompter& prompter_;
  std::string editorDirectory_;
  QListWidget* list_;
};

}  // namespace app
