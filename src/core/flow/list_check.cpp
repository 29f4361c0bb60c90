#include "flow/list_check.h"

#include "flow/report.h"
#include "lists/custom_lists.h"
#include "lists/game_lists.h"
#include "lists/text_file.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "shell/error_check.h"
#include "shell/paths.h"

namespace flow {

namespace {

bool isGameListName(const std::string& path) {
  const std::string name = lists::upperAscii(lists::fileNameOf(path));
  return name == "MISSION.LST" || name == "REBEL.LST" || name == "IMPERIAL.LST";
}

// Where the missions of a custom list lie: beside a "battle" folder its "combat" folder, beside a
// "campaign" folder its "train" folder, else the list's own folder.
std::string customMissionFolder(const std::string& listFolder) {
  const std::string name = lists::upperAscii(lists::fileNameOf(listFolder));
  const std::string parent = lists::folderOf(listFolder);
  if (name == "BATTLE") return lists::findPath(parent, "combat");
  if (name == "CAMPAIGN") return lists::findPath(parent, "train");
  return listFolder;
}

bool endsWithNoCase(const std::string& s, std::string_view end) {
  return s.size() >= end.size() &&
         shell::equalsNoCase(std::string_view(s).substr(s.size() - end.size()), end);
}

// A game list's entries: its missions, and the missions of the custom lists it names.
bool gameListMissions(const std::string& folder, const std::vector<std::string>& lines,
                      std::vector<ListedMission>& out, std::string& error) {
  for (const lists::ListEntry& e : lists::listEntries(lines)) {
    const std::string file = e.file;
    if (!endsWithNoCase(file, ".lst")) {
      auto found = findMissions({file}, folder);
      out.insert(out.end(), found.begin(), found.end());
      continue;
    }
    const std::string path = lists::findPath(folder, file);
    std::string text;
    if (!lists::readTextFile(path, text, error)) return false;
    const auto custom = lists::parseCustomList(text);
    if (!custom) continue;
    auto found = findMissions(custom->missions, customMissionFolder(lists::folderOf(path)));
    out.insert(out.end(), found.begin(), found.end());
  }
  return true;
}

}  // namespace

std::vector<ListedMission> findMissions(const std::vector<std::string>& names,
                                        const std::string& folder) {
  std::vector<ListedMission> out;
  for (const std::string& name : names) {
    const std::string path = lists::findPath(folder, name);
    out.push_back({name, lists::isFile(path) ? path : std::string{}});
  }
  return out;
}

bool listedMissions(const std::string& listPath, std::vector<ListedMission>& out,
                    std::string& error) {
  std::string text;
  if (!lists::readTextFile(listPath, text, error)) return false;
  const std::string folder = lists::folderOf(listPath);
  if (!isGameListName(listPath))
    if (const auto custom = lists::parseCustomList(text)) {
      out = findMissions(custom->missions, customMissionFolder(folder));
      return true;
    }
  out.clear();
  return gameListMissions(folder, lists::splitLines(text), out, error);
}

namespace {

MissionCheck checkOne(const ListedMission& listed, const shell::Settings& s,
                      const shell::Vocabulary& v, Levels levels) {
  MissionCheck c;
  c.mission = listed;
  if (listed.path.empty()) {
    c.missing = true;
    return c;
  }
  model::Mission m;
  const model::ReadResult read = model::loadMissionFile(listed.path, m);
  if (!read.ok()) {
    c.refusal = read.message;
    c.refusalText = read.text;
    return c;
  }
  shell::CheckResult check = shell::runCheck(m, v, s);
  c.errors = std::move(check.errors);
  c.warnings = std::move(check.warnings);
  c.errorTexts = std::move(check.errorTexts);
  c.warningTexts = std::move(check.warningTexts);
  Result flow = analyse(m, v, levels);
  c.findings = std::move(flow.findings);
  c.advisories = std::move(flow.advisories);
  return c;
}

// "1 error", "2 errors": `one` and `many` are forms of the count.
model::Text counted(int n, const char* one, const char* many) {
  return model::Text(n == 1 ? one : many, std::to_string(n));
}

// What a summary is made of: its counts, joined by commas.
model::Text commaList(std::vector<model::Text> items) {
  return model::joinedTexts(std::move(items), ", ");
}

std::string missionBlock(const MissionCheck& c) {
  std::string s = "== " + model::cp1252ToUtf8(c.mission.entry);
  if (c.missing) return s + ": missing\n";
  s += " (" + c.mission.path + ")\n";
  if (!c.refusal.empty()) return s + "  ERROR: cannot be read: " + c.refusal + "\n";
  for (const auto* lines : {&c.errors, &c.warnings})
    for (const std::string& line : *lines) s += "  " + model::cp1252ToUtf8(line) + "\n";
  s += findingLines(c.findings) + findingLines(c.advisories);
  if (c.errors.empty() && c.warnings.empty() && c.findings.empty() && c.advisories.empty())
    s += "  nothing found\n";
  return s;
}

}  // namespace

ListCheck checkMissions(const std::vector<ListedMission>& missions, const shell::Settings& s,
                        const shell::Vocabulary& v, Levels levels) {
  ListCheck out;
  for (const ListedMission& listed : missions) {
    MissionCheck c = checkOne(listed, s, v, levels);
    out.missing += c.missing ? 1 : 0;
    out.errors += static_cast<int>(c.errors.size()) + (c.refusal.empty() ? 0 : 1);
    out.warnings += static_cast<int>(c.warnings.size());
    out.findings += static_cast<int>(c.findings.size());
    out.advisories += static_cast<int>(c.advisories.size());
    out.missions.push_back(std::move(c));
  }
  return out;
}

namespace {
// The counts of a mission's report.
std::vector<model::Text> reportCounts(int errors, int warnings, int findings, int advisories) {
  return {
      counted(errors, ZYNED_TEXT("core", "%1 error"), ZYNED_TEXT("core", "%1 errors")),
      counted(warnings, ZYNED_TEXT("core", "%1 warning"), ZYNED_TEXT("core", "%1 warnings")),
      counted(findings, ZYNED_TEXT("core", "%1 finding"), ZYNED_TEXT("core", "%1 findings")),
      counted(advisories, ZYNED_TEXT("core", "%1 advisory"), ZYNED_TEXT("core", "%1 advisories"))};
}
}  // namespace

model::Text listCheckSummaryText(const ListCheck& c) {
  std::vector<model::Text> items{counted(static_cast<int>(c.missions.size()),
                                         ZYNED_TEXT("core", "%1 mission"),
                                         ZYNED_TEXT("core", "%1 missions"))};
  for (model::Text& t : reportCounts(c.errors, c.warnings, c.findings, c.advisories))
    items.push_back(std::move(t));
  items.push_back(counted(c.missing, ZYNED_TEXT("core", "%1 missing file"),
                          ZYNED_TEXT("core", "%1 missing files")));
  return commaList(std::move(items));
}
std::string listCheckSummary(const ListCheck& c) {
  return listCheckSummaryText(c).english();
}

model::Text missionSummaryText(const MissionCheck& c) {
  if (c.missing) return model::text(ZYNED_TEXT("core", "missing"));
  if (!c.refusal.empty()) return model::text(ZYNED_TEXT("core", "cannot be read"));
  return commaList(
      reportCounts(static_cast<int>(c.errors.size()), static_cast<int>(c.warnings.size()),
                   static_cast<int>(c.findings.size()), static_cast<int>(c.advisories.size())));
}
std::string missionSummary(const MissionCheck& c) {
  return missionSummaryText(c).english();
}

std::string listCheckText(const ListCheck& check) {
  std::string s;
  for (const MissionCheck& c : check.missions) s += missionBlock(c);
  return s + "\n" + listCheckSummary(check) + "\n";
}

}  // namespace flow
