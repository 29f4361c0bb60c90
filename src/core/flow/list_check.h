#pragma once
// Whole battles and campaigns checked at once: every mission a game mission list ("Mission.lst",
// "Rebel.lst", "Imperial.lst", or a battle's or campaign's own "Mission.lst" naming custom lists)
// or a battle or campaign list names, each with its error check and its flow findings and
// advisories, and the sums over them.

#include <string>
#include <vector>

#include "flow/analysis.h"
#include "model/texts.h"
#include "shell/settings.h"

namespace flow {

// A mission as a list names it, and the file found for it (empty when there is none).
struct ListedMission {
  std::string entry;  // as the list holds it (Windows-1252)
  std::string path;
};

// The missions `names` (as lists hold them, "\" between folders) found below `folder` in any
// letter case.
std::vector<ListedMission> findMissions(const std::vector<std::string>& names,
                                        const std::string& folder);
// The missions a list file names: a custom list's missions below the missions' folder of its
// kind (beside its "battle" folder the "combat" folder, beside its "campaign" folder the "train"
// folder, else its own), a game list's missions beside it, and the missions of each custom list
// a game list names. False, with a message, when the list cannot be read.
bool listedMissions(const std::string& listPath, std::vector<ListedMission>& out,
                    std::string& error);

// One mission's report.
struct MissionCheck {
  ListedMission mission;
  bool missing = false;
  std::string refusal;      // why the file could not be read; empty when it was
  model::Text refusalText;  // the same, for the editor to translate
  std::vector<std::string> errors, warnings;
  std::vector<model::Text> errorTexts, warningTexts;  // the same, for the editor to translate
  std::vector<Finding> findings, advisories;
};

struct ListCheck {
  std::vector<MissionCheck> missions;
  int errors = 0, warnings = 0, findings = 0, advisories = 0, missing = 0;
  // A named mission is missing, cannot be read or has an error.
  bool failed() const { return missing > 0 || errors > 0; }
};

// Reads and checks every mission; a file that cannot be read counts as an error.
ListCheck checkMissions(const std::vector<ListedMission>& missions, const shell::Settings& s,
                        const shell::Vocabulary& v, Levels levels = Levels::all());

// One block per mission ("T1.KRE" and its path, then its errors, warnings, findings and
// advisories, each a line, or "nothing found"), then the summary line; UTF-8.
std::string listCheckText(const ListCheck& check);
// "3 missions, 1 error, 0 warnings, 4 findings, 2 advisories, 1 missing file".
std::string listCheckSummary(const ListCheck& check);
model::Text listCheckSummaryText(const ListCheck& check);
// "1 error, 0 warnings, 2 findings, 1 advisory", "missing" or "cannot be read".
std::string missionSummary(const MissionCheck& check);
model::Text missionSummaryText(const MissionCheck& check);

}  // namespace flow
