#pragma once
// The catalogue of the game's own recordings offered by "Choose WAV from game": phrases grouped
// by the kind of voice, each with the base name of its file; the folder comes from the voice and
// the side.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lists {

enum class Voice {
  TacticalOfficer1,
  TacticalOfficer2,
  TrainingOfficer,
  Pilot1,
  Pilot2,
  Pilot3,
  Pilot4,
  Pilot5,
  Pilot6,
  BaseCommander
};
enum class VoiceSide { Rebel, Imperial, Pirate };

// "Tactical Officer 1" … "Base Commander", in Voice order.
const std::vector<std::string>& voiceNames();
// "Rebel", "Imperial", "Pirate (BC only)".
const std::vector<std::string>& voiceSideNames();

struct CataloguePhrase {
  std::string text;      // as the list shows it (phrases indented by three blanks)
  std::string baseName;  // empty for headings, rules and blank rows
};

// The whole catalogue: 339 rows in four groups, one per kind of voice (tactical officers,
// training officer, pilots, base commanders), with rows between the groups that no voice shows.
inline constexpr std::size_t CatalogueRowCount = 339;
const std::vector<CataloguePhrase>& catalogueRows();
// The rows of a voice's group: `first` to `last` of the catalogue.
struct CatalogueGroup {
  std::size_t first = 0;
  std::size_t last = 0;
};
CatalogueGroup catalogueGroup(Voice v);
// The rows offered for a voice: its group, in catalogue order.
std::span<const CataloguePhrase> cataloguePhrases(Voice v);
// The folder of a voice's recordings below the wave folder ("Rto1\To3"), or nothing when the
// voice does not speak for that side.
std::optional<std::string> voicePrefix(Voice v, VoiceSide side);
// The entry of a phrase: prefix and base name with ".wav" ("Rto1\To3glc00.wav").
std::optional<std::string> catalogueEntry(Voice v, VoiceSide side, const CataloguePhrase& p);

}  // namespace lists
