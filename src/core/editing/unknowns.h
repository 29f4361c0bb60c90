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

namespace editing {

// The three header bytes of unknown meaning, in the order they are shown.
inline constexpr std::array<model::Field<model::u8>, 3> HeaderUnknowns{
    model::header::HeaderByte8, model::header::HeaderByte11, model::header::HeaderByte101};
// Flight-group bytes edited as numbers 0..255.
inline constexpr std::array<std::size_t, 11> UnknownByteOffsets{96,  99,   133,  147,  148, 150,
                                                                152, 1302, 1312, 1319, 1320};
// Flight-group bytes edited as check boxes "3" to "8" (1 ticked, 0 cleared).
inline constexpr std::array<std::size_t, 6> UnknownFlagOffsets{1321, 1322, 1323, 1324, 1325, 1326};
// One of those flight-group bytes as a field the document's typed edits take.
constexpr model::Field<model::u8> unknownByte(std::size_t offset) {
  return {"Unknown", offset};
}

// The read-only lines of unknown values ("Mission Unks: 0,  0,  0", "Pt 5:   0", ...), as the
// "Other" tab shows them.
std::vector<std::string> unknownLines(const model::Header& h, const model::FlightGroup& g);

// A box's text as a byte: blanks around it are ignored and an empty box counts as 0; nothing
// when the text is not a whole number from 0 to 255.
std::optional<std::uint8_t> parseUnknownByte(std::string_view text);

}  // namespace editing
