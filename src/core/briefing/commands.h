#pragma once
// The briefing command stream: the commands a briefing is made of, their decoding from the
// record's event words into an editable list and their encoding back, and the one-line text the
// instruction list shows for each.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/records.h"
#include "model/texts.h"

namespace briefing {

inline constexpr int TicksPerSecond = 20;
inline constexpr int MaxWords = 400;
inline constexpr int EndTime = 9999;
inline constexpr int SlotCount = 8;

enum Code : int {
  StopPoint = 3,
  TitleText = 4,
  BriefingText = 5,
  MoveMap = 6,
  ZoomMap = 7,
  ClearBoxes = 8,
  FirstBox = 9,
  LastBox = 16,
  ClearTags = 17,
  FirstTag = 18,
  LastTag = 25,
  EndMarker = 34,
  CodeCount = 35,
};

inline bool isBox(int code) {
  return code >= FirstBox && code <= LastBox;
}
inline bool isTag(int code) {
  return code >= FirstTag && code <= LastTag;
}

// What the preview shows after a command has run; kept with the command so that stepping back
// can return to it. Never stored in the file.
struct DisplayState {
  int ox = 0, oy = 0;  // view offset, pixels
  int tx = 0, ty = 0;  // offset targets
  int mx = 0, my = 0;  // move target, map units
  int zoom = 32, zoomTarget = 32;
  bool zoomIn = false, zoomOut = false;
  bool xRising = false, xFalling = false, yRising = false, yFalling = false;
  std::array<int, SlotCount> box{-1, -1, -1, -1, -1, -1, -1, -1};  // flight group or -1
  std::array<int, SlotCount> boxHalf{8, 8, 8, 8, 8, 8, 8, 8};
  std::array<int, SlotCount> tag{-1, -1, -1, -1, -1, -1, -1, -1};  // list position or -1
  std::array<int, SlotCount> revealed{};
  int text = -1;  // current briefing text or -1
  bool operator==(const DisplayState&) const = default;
};

// One command of the editable list.
struct Command {
  std::uint16_t time = 0;
  std::uint16_t code = 0;
  std::uint16_t index = 0;   // text, flight group or tag number
  std::uint16_t colour = 0;  // tag colour
  std::int16_t x = 0, y = 0;
  bool hasSnapshot = false;
  DisplayState snapshot;

  static Command endMarker() {
    Command c;
    c.time = EndTime;
    c.code = EndMarker;
    return c;
  }
  bool isEnd() const { return code == EndMarker; }
  // Equal as stored in the file: the snapshot does not count.
  bool sameAs(const Command& o) const {
    return time == o.time && code == o.code && index == o.index && colour == o.colour && x == o.x &&
           y == o.y;
  }
};

using CommandList = std::vector<Command>;

// Stream words a command takes: time, code and its parameters.
int wordCount(int code);
// Words a whole list takes, end marker included.
int wordCount(const CommandList& list);

struct Decoded {
  CommandList commands;
  bool countBeyondLimit = false;  // EventWordsUsed above 400
  bool overrun = false;           // a command's words ran past word 400: it was left out
  bool endMarkerAdded = false;    // the stream had none; the list ends with one all the same
};

// The command list of a briefing record. Code 0 reads as the end marker; only the word count
// ends the decoding, so commands after an end marker are read as well.
Decoded decode(const model::Briefing& b);

// The positions in Events (from 0) of the flight-group word of every box command of a briefing
// record's bytes, found as `decode` reads the stream.
std::vector<int> boxGroupWords(model::CBytes briefing);

// Writes the list into Events and EventWordsUsed; words after the last written keep their
// values. A list above 400 words loses the commands just before its last until it fits; the
// result says whether that happened.
bool encode(CommandList list, model::Briefing& b);
// The list cut to 400 words as encode cuts it.
bool truncateToLimit(CommandList& list);

inline constexpr const char* TooBigMessage =
    ZYNED_TEXT("core", "Briefing is too big. It has been truncated.");
inline constexpr const char* TooManyMessage =
    ZYNED_TEXT("core", "Briefing contains too many instructions. Take some out.");

// The label of a code as the instruction list and the command selector show it.
std::string label(int code);
// The labels of codes 0..34 in code order.
std::vector<std::string> labels();

// Tag colours.
std::string colourName(int colour);
inline constexpr int ColourCount = 6;

struct ZoomPreset {
  int zoom;
  const char* text;
};
inline constexpr std::array<ZoomPreset, 9> ZoomPresets{{
    {1, "-----"},
    {16, "16   -   36 km  across"},
    {24, "24   -   24 km  across"},
    {32, "32   -   18 km  across (default)"},
    {48, "48   -   12 km  across"},
    {64, "64   -   9 km  across"},
    {80, "80   -   7 km  across"},
    {100, "100 -   6 km  across"},
    {168, "168 -   3 km  across"},
}};
inline constexpr int DefaultZoomPreset = 3;

// Seconds of a tick count in the shortest decimal form: 0, 0.05, 1.5, 30.
std::string seconds(int ticks);
// Map units as km with two decimals.
std::string km(int units);
// round(seconds * 20) and round(km * 160), halves to even; false for text that is no number.
// An empty text or a lone "-" is 0.
bool parseSeconds(const std::string& text, int& ticks);
bool parseKm(const std::string& text, int& units);
bool parseWhole(const std::string& text, int& value);

// What the instruction line of a command needs from the Mission.
struct LineContext {
  const std::array<std::string, model::briefing::StringCount>* strings = nullptr;
  const std::array<std::string, model::briefing::StringCount>* tags = nullptr;
  const std::vector<std::string>* flightGroups = nullptr;  // the flight-group name list
};

// The instruction-list line of a command.
std::string describe(const Command& c, const LineContext& ctx);

}  // namespace briefing
