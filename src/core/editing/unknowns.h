#pragma once
// The bytes of the header and of a flight-group record that no page edits, as the unknown-bytes
// editor shows and edits them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/mission.h"
#include "model/texts.h"

namespace editing {

// The three header bytes of unknown meaning, in the order they are shown.
inline constexpr std::array<model::Field<model::u8>, 3> HeaderUnknowns{
    model::header::HeaderByte8, model::header::HeaderByte11, model::header::HeaderByte101};
// Where header unknown `i` lies in the file (the header record follows the file's two-byte
// platform number): its box in the editor is named after it.
constexpr std::size_t headerUnknownFileOffset(std::size_t i) {
  return 2 + HeaderUnknowns[i].offset;
}
// A flight-group byte no page edits, as the unknown-bytes editor shows it: the field the
// document's typed edits take, its name after the part of the record the "Other" tab's lines
// give it ("Pt 3 #2": the second byte of "Unknowns Pt 3"; "Pt 1" is the line without a title)
// and the guess shown beside its box.
struct UnknownByte {
  model::Field<model::u8> field;
  std::string_view name;
  std::string_view hint;
};
// Edited as numbers 0..255.
inline constexpr std::array<UnknownByte, 11> UnknownBytes{{
    {{"Unknown", 96}, ZYNED_TEXT("core", "Pt 1 #2"), ""},
    {{"Unknown", 99}, ZYNED_TEXT("core", "Pt 1 #4"), ""},
    {{"Unknown", 133},
     ZYNED_TEXT("core", "Pt 2"),
     ZYNED_TEXT("core", "X 30 seconds = arrival delay")},
    {{"Unknown", 147}, ZYNED_TEXT("core", "Pt 3 #1"), ZYNED_TEXT("core", "(dep when)")},
    {{"Unknown", 148}, ZYNED_TEXT("core", "Pt 3 #2"), ""},
    {{"Unknown", 150}, ZYNED_TEXT("core", "Pt 3 #4"), ""},
    {{"Unknown", 152}, ZYNED_TEXT("core", "Pt 3 #6"), ""},
    {{"Unknown", 1302},
     ZYNED_TEXT("core", "Pt 4a #1"),
     ZYNED_TEXT("core", "(Jump to order 4 conditions)")},
    {{"Unknown", 1312}, ZYNED_TEXT("core", "Pt 4a #11"), ""},
    {{"Unknown", 1319}, ZYNED_TEXT("core", "Pt 6 #1"), ""},
    {{"Unknown", 1320}, ZYNED_TEXT("core", "Pt 6 #2"), ""},
}};
// Bytes 3 to 8 of "Pt 6", edited as check boxes "3" to "8" (1 ticked, 0 cleared).
inline constexpr const char* UnknownFlagsName = ZYNED_TEXT("core", "Pt 6");
inline constexpr std::array<model::Field<model::u8>, 6> UnknownFlags{{{"Unknown", 1321},
                                                                      {"Unknown", 1322},
                                                                      {"Unknown", 1323},
                                                                      {"Unknown", 1324},
                                                                      {"Unknown", 1325},
                                                                      {"Unknown", 1326}}};

// The read-only lines of unknown values ("Mission Unks: 0,  0,  0", "Pt 5:   0", ...), as the
// "Other" tab shows them: each its title and its values.
inline constexpr std::array<const char*, 8> UnknownLineTitles{
    ZYNED_TEXT("core", "Mission Unks: "),
    ZYNED_TEXT("core", "Pt 5:   "),
    ZYNED_TEXT("core", "Pt 7:   "),
    "",
    ZYNED_TEXT("core", "Unknowns Pt 2 (Arrival?):   "),
    ZYNED_TEXT("core", "Unknowns Pt 3 (Departure?):   "),
    ZYNED_TEXT("core", "Unknowns Pt 4a:   "),
    ZYNED_TEXT("core", "Unknowns Pt 6:   "),
};
std::vector<std::string> unknownLines(const model::Header& h, const model::FlightGroup& g);
// The values of each line, without its title.
std::vector<std::string> unknownLineValues(const model::Header& h, const model::FlightGroup& g);

// A box's text as a byte: blanks around it are ignored and an empty box counts as 0; nothing
// when the text is not a whole number from 0 to 255.
std::optional<std::uint8_t> parseUnknownByte(std::string_view text);

}  // namespace editing
