#pragma once
// Import of missions of the older game of the series (".vtn") and of their briefing files
// (".brf"): the older records become flight groups of a new Mission, the briefing becomes
// briefing 1. Older files are only read, never written.

#include <optional>
#include <string>
#include <vector>

#include "model/mission.h"
#include "older/format.h"

namespace older {

inline constexpr const char* MissingBriefingMessage =
    ZYNED_TEXT("core", "Can't find matching .brf file!");
inline constexpr const char* PlanetNotice =
    ZYNED_TEXT("core", "This mission should include the Dreadmoon as a 'Planet'.");
inline constexpr const char* SurfaceNotice =
    ZYNED_TEXT("core", "This mission should be fought over the Dreadmoon surface.");
inline constexpr const char* ObjectOrderText = "[Vortan]    Hold Steady";

struct ImportOptions {
  model::MissionDefaults defaults;                   // auto-link and the new-group template
  std::int16_t platformId = model::FormatExpansion;  // the format the editor is in: kept
  std::vector<std::string> craftNames;               // the craft table, for the goal strings
};

// What an import leaves beside the Mission: the older order of every converted group (shown on
// the Orders tab while the imported Mission stays open) and the notices for the user.
struct ImportedExtras {
  std::vector<std::string> orderTexts;   // one per flight group, in list order
  std::vector<std::string> notices;      // information, in the order they arose, in English
  std::vector<model::Text> noticeTexts;  // the same for the editor to show

  void notice(model::Text t) {
    notices.push_back(t.english());
    noticeTexts.push_back(std::move(t));
  }
};

// The older texts as the game of this editor shows them: lower case, first letter upper case.
std::string convertedName(std::string_view text);

// Converts an older mission into a new, unnamed Mission (the briefing is left as a new one).
model::Mission convertMission(const Mission& old, const ImportOptions& options,
                              ImportedExtras& extras);

// Arrival delay of the older format as minutes and seconds.
struct Delay {
  int minutes = 0, seconds = 0;
  bool operator==(const Delay&) const = default;
};
Delay convertedDelay(int oldDelay);

// Converts an older briefing into briefing 1 of `m`: strings, tags, events, running time,
// visibility for team 1, and the briefing points of the flight groups from the first
// coordinate set. Long texts also make up the description (kept when there are none).
void convertBriefing(const Briefing& brf, model::Mission& m);
// The event words of briefing 1 made from the older event words (end marker included).
std::vector<std::uint16_t> convertedEvents(const std::vector<std::uint16_t>& old);

// The briefing file beside a mission file: the name with "brf" in place of its last three
// characters, found in any letter case; nothing when there is none.
std::optional<std::string> matchingBriefingFile(const std::string& missionPath);

// Reads and converts a briefing file into briefing 1 of `m`. On refusal `m` is untouched and
// `message` names the file and the fault.
bool importBriefingFile(const std::string& path, model::Mission& m, model::Text& message);
bool importBriefingFile(const std::string& path, model::Mission& m, std::string& message);

struct ImportResult {
  bool ok = false;
  std::string error;      // why the file was refused (the open Mission stays), in English
  model::Text errorText;  // the same for the editor to show
  ImportedExtras extras;
};

// Imports an older mission file and its matching briefing file into `out`. A refused mission
// file leaves `out` untouched; a missing or damaged briefing file adds a notice and the mission
// is imported without it.
ImportResult importMissionFile(const std::string& path, model::Mission& out,
                               const ImportOptions& options);

}  // namespace older
