#include "lists/wave_catalogue.h"

#include <utility>

namespace lists {

namespace {

constexpr const char* Rule = "------------------------------";
constexpr const char* Indent = "   ";

// Phrases the recordings are known by; the others are numbered within their section so that a
// designer can audition them.
std::string_view knownPhrase(std::string_view baseName) {
  static const std::pair<std::string_view, std::string_view> known[] = {
      {"glc00", "Good Work!"},
      {"ord00", "You have destroyed a friendly craft!"},
      {"01l", "Do you have a problem with following orders?"},
      {"yut13", "You're too close!"},
      {"los06", "We have failed to defeat the Empire.   (...Rebels/enemy)"},
  };
  for (const auto& [name, text] : known)
    if (name == baseName) return text;
  return {};
}

std::string twoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

class RowBuilder {
 public:
  void heading(const char* text) { rows_.push_back({text, ""}); }
  void rule() { rows_.push_back({Rule, ""}); }
  void blank() { rows_.push_back({"", ""}); }
  void phrase(const std::string& fallback, const std::string& baseName) {
    const std::string_view known = knownPhrase(baseName);
    rows_.push_back({Indent + (known.empty() ? fallback : std::string(known)), baseName});
  }
  // A section of the tactical, pilot and base commander groups: its heading, a rule, then the
  // recordings `stem` + `first`..`last` (two digits each), numbered from 1 after `label`.
  void section(const char* title, const char* stem, int first, int last, const char* label) {
    heading(title);
    rule();
    for (int n = first; n <= last; ++n)
      phrase(std::string(label) + " " + std::to_string(n - first + 1), stem + twoDigits(n));
  }
  std::vector<CataloguePhrase> take() { return std::move(rows_); }

 private:
  std::vector<CataloguePhrase> rows_;
};

// The training officer's recordings, lesson by lesson: "l" is the lesson's own line, "rNN" a
// remark, "wNN" a warning. Every name is kept without blanks after it: a file name ending in
// blanks ("T03l  .wav") names no recording the game has.
const std::vector<std::vector<const char*>>& trainingLessons() {
  static const std::vector<std::vector<const char*>> lessons{
      {"01l", "01r11", "01r12", "01r14", "01r16"},
      {"02r01", "02r09", "02r13", "02r14"},
      {"03l", "03r01"},
      {"04l", "04r01", "04r05", "04r06", "04r07", "04r08", "04r10", "04r11", "04r12", "04r13",
       "04w02"},
      {"05l", "05r07", "05r09", "05r10", "05r11", "05r14", "05r15", "05r16", "05w01"},
      {"06l", "06r01", "06r10", "06r12", "06r16", "06w02"},
      {"07l", "07r04", "07r05", "07r06", "07r07", "07r08", "07r09", "07w02"},
      {"08l", "08r11", "08r12", "08w02"},
      {"09r01", "09r02", "09r03", "09r04", "09r05", "09r06", "09r07", "09r08", "09r09", "09r10"},
      {"10l", "10r02", "10r09", "10r10", "10r11", "10r12", "10w01"},
      {"12r14"},
      {"15r01", "15r06", "15r12", "15r13", "15w02"},
      {"16r07", "16r16"},
      {"17w02"},
      {"20r06"},
      {"21r01", "21w01"},
  };
  return lessons;
}

// "Lesson 4, remark 5" for "04r05".
std::string trainingPhrase(std::string_view name) {
  std::string text = "Lesson " + std::to_string(std::stoi(std::string(name.substr(0, 2))));
  const char kind = name.size() > 2 ? name[2] : 'l';
  if (kind == 'l') return text + ", lesson line";
  text += kind == 'w' ? ", warning " : ", remark ";
  return text + std::to_string(std::stoi(std::string(name.substr(3))));
}

std::vector<CataloguePhrase> buildCatalogue() {
  RowBuilder b;
  // Rows 0..118: the tactical officers.
  b.section("( Mission Status )", "glc", 0, 26, "Mission status");
  b.blank();
  b.section("( Orders )", "ord", 0, 23, "Order");
  b.blank();
  b.section("( Reference to craft type )", "ref", 0, 14, "Craft type");
  b.blank();
  b.section("( Craft status )", "sts", 0, 41, "Craft status");
  b.blank();
  b.rule();
  // Rows 121..213: the training officer, lessons apart by a rule.
  bool firstLesson = true;
  for (const auto& lesson : trainingLessons()) {
    if (!firstLesson) b.rule();
    firstLesson = false;
    for (const char* name : lesson) b.phrase(trainingPhrase(name), name);
  }
  b.blank();
  b.rule();
  // Rows 216..298: the pilots.
  b.section("( Bad news )", "bnz", 0, 10, "Bad news");
  b.blank();
  b.section("( Wingmen actions )", "igd", 0, 2, "Wingman action");
  b.blank();
  b.section("( Successful kills )", "imd", 0, 13, "Kill");
  b.blank();
  b.section("( Orders )", "udo", 0, 10, "Order");
  b.blank();
  b.section("( Successful actions )", "yud", 0, 14, "Success");
  b.blank();
  b.section("( Warnings )", "yut", 4, 13, "Warning");
  b.blank();
  b.rule();
  b.blank();
  // Rows 300..338: the base commanders.
  b.section("(success)", "win", 0, 17, "Victory");
  b.blank();
  b.section("(loss)", "los", 0, 15, "Defeat");
  return b.take();
}

}  // namespace

const std::vector<CataloguePhrase>& catalogueRows() {
  static const std::vector<CataloguePhrase> rows = buildCatalogue();
  return rows;
}

CatalogueGroup catalogueGroup(Voice v) {
  switch (v) {
    case Voice::TacticalOfficer1:
    case Voice::TacticalOfficer2:
      return {0, 118};
    case Voice::TrainingOfficer:
      return {121, 213};
    case Voice::BaseCommander:
      return {300, 338};
    default:
      return {216, 298};
  }
}

std::span<const CataloguePhrase> cataloguePhrases(Voice v) {
  const CatalogueGroup g = catalogueGroup(v);
  return std::span<const CataloguePhrase>(catalogueRows()).subspan(g.first, g.last - g.first + 1);
}

const std::vector<std::string>& voiceNames() {
  static const std::vector<std::string> names{"Tactical Officer 1",
                                              "Tactical Officer 2",
                                              "Training Officer",
                                              "Pilot 1",
                                              "Pilot 2",
                                              "Pilot 3",
                                              "Pilot 4",
                                              "Pilot 5",
                                              "Pilot 6",
                                              "Base Commander"};
  return names;
}

const std::vector<std::string>& voiceSideNames() {
  static const std::vector<std::string> names{"Rebel", "Imperial", "Pirate (BC only)"};
  return names;
}

std::optional<std::string> voicePrefix(Voice v, VoiceSide side) {
  switch (v) {
    case Voice::TacticalOfficer1:
    case Voice::TacticalOfficer2: {
      if (side == VoiceSide::Pirate) return std::nullopt;
      const bool first = v == Voice::TacticalOfficer1;
      if (side == VoiceSide::Rebel) return first ? "Rto1\\To3" : "Rto2\\To4";
      return first ? "Ito1\\To1" : "Ito2\\To2";
    }
    case Voice::TrainingOfficer:
      return "Train\\T";
    case Voice::BaseCommander:
      switch (side) {
        case VoiceSide::Rebel:
          return "Rbc\\Rb1";
        case VoiceSide::Imperial:
          return "Ibc\\Ib1";
        default:
          return "Pbc\\Pb1";
      }
    default: {
      const std::string n =
          std::to_string(static_cast<int>(v) - static_cast<int>(Voice::Pilot1) + 1);
      if (side == VoiceSide::Rebel) return "Rsp" + n + "\\Rp" + n;
      return "Isp" + n + "\\Ip" + n;
    }
  }
}

std::optional<std::string> catalogueEntry(Voice v, VoiceSide side, const CataloguePhrase& p) {
  if (p.baseName.empty()) return std::nullopt;
  const auto prefix = voicePrefix(v, side);
  if (!prefix) return std::nullopt;
  return *prefix + p.baseName + ".wav";
}

}  // namespace lists
