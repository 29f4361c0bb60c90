#include "lists/wave_catalogue.h"

namespace lists {

namespace {

// Phrase texts the recordings are known by; the others are numbered within their section so a
// designer can audition them.
const std::vector<CataloguePhrase>& tacticalRows() {
  static const std::vector<CataloguePhrase> rows{
      {"( Mission Status )", ""},
      {"   Good Work!", "glc00"},
      {"   Mission status 2", "glc01"},
      {"   Mission status 3", "glc02"},
      {"   Mission status 4", "glc03"},
      {"   Mission status 5", "glc04"},
      {"   Mission status 6", "glc05"},
      {"   Mission status 7", "glc06"},
      {"   Mission status 8", "glc07"},
      {"   Mission status 9", "glc08"},
      {"   Mission status 10", "glc09"},
      {"   Mission status 11", "glc10"},
      {"   Mission status 12", "glc11"},
      {"   Mission status 13", "glc12"},
      {"   Mission status 14", "glc13"},
      {"   Mission status 15", "glc14"},
      {"   Mission status 16", "glc15"},
      {"   Mission status 17", "glc16"},
      {"   Mission status 18", "glc17"},
      {"   Mission status 19", "glc18"},
      {"   Mission status 20", "glc19"},
      {"   Mission status 21", "glc20"},
      {"   Mission status 22", "glc21"},
      {"   Mission status 23", "glc22"},
      {"   Mission status 24", "glc23"},
      {"   Mission status 25", "glc24"},
      {"   Mission status 26", "glc25"},
      {"   Mission status 27", "glc26"},
      {"", ""},
      {"( Orders )", ""},
      {"   You have destroyed a friendly craft!", "ord00"},
      {"   Order 2", "ord01"},
      {"   Order 3", "ord02"},
      {"   Order 4", "ord03"},
      {"   Order 5", "ord04"},
      {"   Order 6", "ord05"},
      {"   Order 7", "ord06"},
      {"   Order 8", "ord07"},
      {"   Order 9", "ord08"},
      {"   Order 10", "ord09"},
      {"   Order 11", "ord10"},
      {"   Order 12", "ord11"},
      {"   Order 13", "ord12"},
      {"   Order 14", "ord13"},
      {"   Order 15", "ord14"},
      {"   Order 16", "ord15"},
      {"   Order 17", "ord16"},
      {"   Order 18", "ord17"},
      {"   Order 19", "ord18"},
      {"   Order 20", "ord19"},
      {"   Order 21", "ord20"},
      {"   Order 22", "ord21"},
      {"   Order 23", "ord22"},
      {"   Order 24", "ord23"},
      {"", ""},
      {"( Reference to craft type )", ""},
      {"   Craft type 1", "ref00"},
      {"   Craft type 2", "ref01"},
      {"   Craft type 3", "ref02"},
      {"   Craft type 4", "ref03"},
      {"   Craft type 5", "ref04"},
      {"   Craft type 6", "ref05"},
      {"   Craft type 7", "ref06"},
      {"   Craft type 8", "ref07"},
      {"   Craft type 9", "ref08"},
      {"   Craft type 10", "ref09"},
      {"   Craft type 11", "ref10"},
      {"   Craft type 12", "ref11"},
      {"   Craft type 13", "ref12"},
      {"   Craft type 14", "ref13"},
      {"   Craft type 15", "ref14"},
      {"", ""},
      {"( Craft status )", ""},
      {"   Craft status 1", "sts00"},
      {"   Craft status 2", "sts01"},
      {"   Craft status 3", "sts02"},
      {"   Craft status 4", "sts03"},
      {"   Craft status 5", "sts04"},
      {"   Craft status 6", "sts05"},
      {"   Craft status 7", "sts06"},
      {"   Craft status 8", "sts07"},
      {"   Craft status 9", "sts08"},
      {"   Craft status 10", "sts09"},
      {"   Craft status 11", "sts10"},
      {"   Craft status 12", "sts11"},
      {"   Craft status 13", "sts12"},
      {"   Craft status 14", "sts13"},
      {"   Craft status 15", "sts14"},
      {"   Craft status 16", "sts15"},
      {"   Craft status 17", "sts16"},
      {"   Craft status 18", "sts17"},
      {"   Craft status 19", "sts18"},
      {"   Craft status 20", "sts19"},
      {"   Craft status 21", "sts20"},
      {"   Craft status 22", "sts21"},
      {"   Craft status 23", "sts22"},
      {"   Craft status 24", "sts23"},
      {"   Craft status 25", "sts24"},
      {"   Craft status 26", "sts25"},
      {"   Craft status 27", "sts26"},
      {"   Craft status 28", "sts27"},
      {"   Craft status 29", "sts28"},
      {"   Craft status 30", "sts29"},
      {"   Craft status 31", "sts30"},
      {"   Craft status 32", "sts31"},
      {"   Craft status 33", "sts32"},
      {"   Craft status 34", "sts33"},
      {"   Craft status 35", "sts34"},
      {"   Craft status 36", "sts35"},
      {"   Craft status 37", "sts36"},
      {"   Craft status 38", "sts37"},
      {"   Craft status 39", "sts38"},
      {"   Craft status 40", "sts39"},
      {"   Craft status 41", "sts40"},
      {"   Craft status 42", "sts41"},
  };
  return rows;
}

const std::vector<CataloguePhrase>& trainingRows() {
  static const std::vector<CataloguePhrase> rows{
      {"( Lesson 1 )", ""},
      {"   Do you have a problem with following orders?", "01l"},
      {"   Remark 11", "01r11"},
      {"   Remark 12", "01r12"},
      {"   Remark 14", "01r14"},
      {"   Remark 16", "01r16"},
      {"", ""},
      {"( Lesson 2 )", ""},
      {"   Remark 01", "02r01"},
      {"   Remark 09", "02r09"},
      {"   Remark 13", "02r13"},
      {"   Remark 14", "02r14"},
      {"", ""},
      {"( Lesson 3 )", ""},
      {"   Lesson introduction", "03l"},
      {"   Remark 01", "03r01"},
      {"", ""},
      {"( Lesson 4 )", ""},
      {"   Lesson introduction", "04l"},
      {"   Remark 01", "04r01"},
      {"   Remark 05", "04r05"},
      {"   Remark 06", "04r06"},
      {"   Remark 07", "04r07"},
      {"   Remark 08", "04r08"},
      {"   Remark 10", "04r10"},
      {"   Remark 11", "04r11"},
      {"   Remark 12", "04r12"},
      {"   Remark 13", "04r13"},
      {"   Warning 02", "04w02"},
      {"", ""},
      {"( Lesson 5 )", ""},
      {"   Lesson introduction", "05l"},
      {"   Remark 07", "05r07"},
      {"   Remark 09", "05r09"},
      {"   Remark 10", "05r10"},
      {"   Remark 11", "05r11"},
      {"   Remark 14", "05r14"},
      {"   Remark 15", "05r15"},
      {"   Remark 16", "05r16"},
      {"   Warning 01", "05w01"},
      {"", ""},
      {"( Lesson 6 )", ""},
      {"   Lesson introduction", "06l"},
      {"   Remark 01", "06r01"},
      {"   Remark 10", "06r10"},
      {"   Remark 12", "06r12"},
      {"   Remark 16", "06r16"},
      {"   Warning 02", "06w02"},
      {"", ""},
      {"( Lesson 7 )", ""},
      {"   Lesson introduction", "07l"},
      {"   Remark 04", "07r04"},
      {"   Remark 05", "07r05"},
      {"   Remark 06", "07r06"},
      {"   Remark 07", "07r07"},
      {"   Remark 08", "07r08"},
      {"   Remark 09", "07r09"},
      {"   Warning 02", "07w02"},
      {"", ""},
      {"( Lesson 8 )", ""},
      {"   Lesson introduction", "08l"},
      {"   Remark 11", "08r11"},
      {"   Remark 12", "08r12"},
      {"   Warning 02", "08w02"},
      {"", ""},
      {"( Lesson 9 )", ""},
      {"   Remark 01", "09r01"},
      {"   Remark 02", "09r02"},
      {"   Remark 03", "09r03"},
      {"   Remark 04", "09r04"},
      {"   Remark 05", "09r05"},
      {"   Remark 06", "09r06"},
      {"   Remark 07", "09r07"},
      {"   Remark 08", "09r08"},
      {"   Remark 09", "09r09"},
      {"   Remark 10", "09r10"},
      {"", ""},
      {"( Lesson 10 )", ""},
      {"   Lesson introduction", "10l"},
      {"   Remark 02", "10r02"},
      {"   Remark 09", "10r09"},
      {"   Remark 10", "10r10"},
      {"   Remark 11", "10r11"},
      {"   Remark 12", "10r12"},
      {"   Warning 01", "10w01"},
      {"", ""},
      {"( Lesson 12 )", ""},
      {"   Remark 14", "12r14"},
      {"", ""},
      {"( Lesson 15 )", ""},
      {"   Remark 01", "15r01"},
      {"   Remark 06", "15r06"},
      {"   Remark 12", "15r12"},
      {"   Remark 13", "15r13"},
      {"   Warning 02", "15w02"},
      {"", ""},
      {"( Lesson 16 )", ""},
      {"   Remark 07", "16r07"},
      {"   Remark 16", "16r16"},
      {"", ""},
      {"( Lesson 17 )", ""},
      {"   Warning 02", "17w02"},
      {"", ""},
      {"( Lesson 20 )", ""},
      {"   Remark 06", "20r06"},
      {"", ""},
      {"( Lesson 21 )", ""},
      {"   Remark 01", "21r01"},
      {"   Warning 01", "21w01"},
  };
  return rows;
}

const std::vector<CataloguePhrase>& pilotRows() {
  static const std::vector<CataloguePhrase> rows{
      {"( Bad news )", ""},
      {"   Bad news 1", "bnz00"},
      {"   Bad news 2", "bnz01"},
      {"   Bad news 3", "bnz02"},
      {"   Bad news 4", "bnz03"},
      {"   Bad news 5", "bnz04"},
      {"   Bad news 6", "bnz05"},
      {"   Bad news 7", "bnz06"},
      {"   Bad news 8", "bnz07"},
      {"   Bad news 9", "bnz08"},
      {"   Bad news 10", "bnz09"},
      {"   Bad news 11", "bnz10"},
      {"", ""},
      {"( Wingmen actions )", ""},
      {"   Wingman action 1", "igd00"},
      {"   Wingman action 2", "igd01"},
      {"   Wingman action 3", "igd02"},
      {"", ""},
      {"( Successful kills )", ""},
      {"   Kill 1", "imd00"},
      {"   Kill 2", "imd01"},
      {"   Kill 3", "imd02"},
      {"   Kill 4", "imd03"},
      {"   Kill 5", "imd04"},
      {"   Kill 6", "imd05"},
      {"   Kill 7", "imd06"},
      {"   Kill 8", "imd07"},
      {"   Kill 9", "imd08"},
      {"   Kill 10", "imd09"},
      {"   Kill 11", "imd10"},
      {"   Kill 12", "imd11"},
      {"   Kill 13", "imd12"},
      {"   Kill 14", "imd13"},
      {"", ""},
      {"( Orders )", ""},
      {"   Order 1", "udo00"},
      {"   Order 2", "udo01"},
      {"   Order 3", "udo02"},
      {"   Order 4", "udo03"},
      {"   Order 5", "udo04"},
      {"   Order 6", "udo05"},
      {"   Order 7", "udo06"},
      {"   Order 8", "udo07"},
      {"   Order 9", "udo08"},
      {"   Order 10", "udo09"},
      {"   Order 11", "udo10"},
      {"", ""},
      {"( Successful actions )", ""},
      {"   Success 1", "yud00"},
      {"   Success 2", "yud01"},
      {"   Success 3", "yud02"},
      {"   Success 4", "yud03"},
      {"   Success 5", "yud04"},
      {"   Success 6", "yud05"},
      {"   Success 7", "yud06"},
      {"   Success 8", "yud07"},
      {"   Success 9", "yud08"},
      {"   Success 10", "yud09"},
      {"   Success 11", "yud10"},
      {"   Success 12", "yud11"},
      {"   Success 13", "yud12"},
      {"   Success 14", "yud13"},
      {"   Success 15", "yud14"},
      {"", ""},
      {"( Warnings )", ""},
      {"   Warning 1", "yut04"},
      {"   Warning 2", "yut05"},
      {"   Warning 3", "yut06"},
      {"   Warning 4", "yut07"},
      {"   Warning 5", "yut08"},
      {"   Warning 6", "yut09"},
      {"   Warning 7", "yut10"},
      {"   Warning 8", "yut11"},
      {"   Warning 9", "yut12"},
      {"   You're too close!", "yut13"},
  };
  return rows;
}

const std::vector<CataloguePhrase>& commanderRows() {
  static const std::vector<CataloguePhrase> rows{
      {"(success)", ""},
      {"   Victory 1", "win00"},
      {"   Victory 2", "win01"},
      {"   Victory 3", "win02"},
      {"   Victory 4", "win03"},
      {"   Victory 5", "win04"},
      {"   Victory 6", "win05"},
      {"   Victory 7", "win06"},
      {"   Victory 8", "win07"},
      {"   Victory 9", "win08"},
      {"   Victory 10", "win09"},
      {"   Victory 11", "win10"},
      {"   Victory 12", "win11"},
      {"   Victory 13", "win12"},
      {"   Victory 14", "win13"},
      {"   Victory 15", "win14"},
      {"   Victory 16", "win15"},
      {"   Victory 17", "win16"},
      {"   Victory 18", "win17"},
      {"", ""},
      {"(loss)", ""},
      {"   Defeat 1", "los00"},
      {"   Defeat 2", "los01"},
      {"   Defeat 3", "los02"},
      {"   Defeat 4", "los03"},
      {"   Defeat 5", "los04"},
      {"   Defeat 6", "los05"},
      {"   We have failed to defeat the Empire.   (...Rebels/enemy)", "los06"},
      {"   Defeat 8", "los07"},
      {"   Defeat 9", "los08"},
      {"   Defeat 10", "los09"},
      {"   Defeat 11", "los10"},
      {"   Defeat 12", "los11"},
      {"   Defeat 13", "los12"},
      {"   Defeat 14", "los13"},
      {"   Defeat 15", "los14"},
      {"   Defeat 16", "los15"},
  };
  return rows;
}
}  // namespace

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

const std::vector<CataloguePhrase>& cataloguePhrases(Voice v) {
  switch (v) {
    case Voice::TacticalOfficer1:
    case Voice::TacticalOfficer2:
      return tacticalRows();
    case Voice::TrainingOfficer:
      return trainingRows();
    case Voice::BaseCommander:
      return commanderRows();
    default:
      return pilotRows();
  }
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
