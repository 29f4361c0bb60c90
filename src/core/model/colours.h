#pragma once
// Display colours of IFF values and message colours, shared by the lists, the pages and the map.

#include <cstdint>

namespace model {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  constexpr bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb Grey{128, 128, 128};
// The colour of the label being edited in the trigger and order editors.
inline constexpr Rgb EditedLabel{169, 3, 145};

// Text colour of an IFF value: 0 Rebel, 1 Imperial, 2 Blue, 3 Yellow, 4 Red, 5 Purple; values
// above 5 take the blue of 2.
constexpr Rgb iffColour(int iff) {
  switch (iff) {
    case 0:
      return {0, 255, 0};
    case 1:
      return {255, 0, 0};
    case 3:
      return {255, 255, 0};
    case 4:
      return {255, 0, 0};
    case 5:
      return {171, 87, 255};
    default:
      return {0, 128, 255};
  }
}

// The lighter variant the map draws on its dark background.
constexpr Rgb iffLightColour(int iff) {
  switch (iff) {
    case 0:
      return {149, 255, 149};
    case 1:
      return {255, 140, 140};
    case 3:
      return {255, 255, 176};
    case 4:
      return {255, 140, 140};
    case 5:
      return {255, 164, 255};
    default:
      return {153, 204, 255};
  }
}

// Colour of a message by its Color byte ('0'..'3'); anything else is drawn red like '0'.
constexpr Rgb messageColour(char color) {
  switch (color) {
    case '1':
      return {0, 255, 0};
    case '2':
      return {0, 128, 255};
    case '3':
      return {255, 255, 0};
    default:
      return {255, 0, 0};
  }
}

}  // namespace model
