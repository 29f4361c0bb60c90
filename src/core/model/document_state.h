#pragma once
// What the editor keeps about the open mission beside its content: the file it came from, the
// changed flags, the settings new records are made from and the flight-group copy buffer. Undo
// never restores any of it; the content (model::Mission) is what undo restores.

#include <string>
#include <vector>

#include "model/mission.h"

namespace model {

// The three changed flags. The flight-group flag turns into the mission flag when the user
// leaves a changed flight group; a message edit sets both its own and the mission flag.
struct ChangedFlags {
  bool flightGroup = false;
  bool message = false;
  bool mission = false;
  bool any() const { return flightGroup || message || mission; }
  bool operator==(const ChangedFlags&) const = default;
};

// Which changed flag an edit sets (None: editor state the file does not hold).
enum class ChangedFlag { FlightGroup, Message, Mission, None };

inline void mark(ChangedFlags& f, ChangedFlag which) {
  switch (which) {
    case ChangedFlag::FlightGroup:
      f.flightGroup = true;
      break;
    case ChangedFlag::Message:
      f.message = f.mission = true;
      break;
    case ChangedFlag::Mission:
      f.mission = true;
      break;
    case ChangedFlag::None:
      break;
  }
}

struct DocumentState {
  std::string fileName = UnnamedFile;
  bool named = false;
  ChangedFlags changed;
  MissionDefaults defaults;
  // The flight-group copy buffer: a clipboard of its own, kept across loads.
  FlightGroup flightGroupBuffer;
  bool bufferFilled = false;
  // An imported older mission: the older game's order of every flight group, in list order
  // (empty for groups added since). Empty for any other Mission; gone with the next load.
  std::vector<std::string> importedOrderTexts;
};

}  // namespace model
