#pragma once
// The record objects of a Mission: each holds its file record byte for byte, plus the few
// values the editor keeps beside it in memory.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/layouts.h"

namespace model {

// A fixed-size byte image with typed access through the field descriptors.
template <std::size_t N>
struct Record {
  static constexpr std::size_t size = N;
  std::array<std::uint8_t, N> bytes;

  Record() : bytes{} {}
  // A record holding the first N bytes of `src`, copied without zero-filling first (the reader
  // builds thousands of these).
  explicit Record(CBytes src) { std::copy_n(src.begin(), N, bytes.begin()); }

  Bytes span() { return bytes; }
  CBytes span() const { return bytes; }
  // A part of the record (a nested order, goal or trigger) as its own byte span.
  Bytes part(std::size_t offset, std::size_t width) { return span().subspan(offset, width); }
  CBytes part(std::size_t offset, std::size_t width) const { return span().subspan(offset, width); }

  template <class T>
  T get(Field<T> f, std::size_t index = 0) const {
    return model::get(span(), f, index);
  }
  template <class T>
  void set(Field<T> f, T value, std::size_t index = 0) {
    model::set(span(), f, value, index);
  }
  std::string text(const TextField& f) const { return getText(span(), f); }
  void setText(const TextField& f, std::string_view t) { model::setText(span(), f, t); }

  bool operator==(const Record&) const = default;
};

// Heading of a flight group toward its first waypoint, kept for the map.
struct Heading {
  double pitchCos = 1.0, pitchSin = 0.0, yawCos = 0.0, yawSin = -1.0;
  bool operator==(const Heading&) const = default;
};

// One flight group: its 1378-byte record and its 1536-byte goal strings.
struct FlightGroup : Record<fg::Size> {
  FlightGroup() = default;
  explicit FlightGroup(CBytes record) : Record(record) {}

  Record<fggoalstrings::Size> goalStrings;
  bool autoLink = true;
  Heading heading;
  std::uint8_t lastRoutePoint = 1;

  Bytes orderBytes(std::size_t n) { return part(fg::orderAt(n), order::Size); }
  CBytes orderBytes(std::size_t n) const { return part(fg::orderAt(n), order::Size); }
  Bytes goalBytes(std::size_t g) { return part(fg::goalAt(g), goal::Size); }
  CBytes goalBytes(std::size_t g) const { return part(fg::goalAt(g), goal::Size); }

  std::string name() const { return text(fg::Name); }
  int x(std::size_t p) const { return get(fg::WaypointX, p); }
  int y(std::size_t p) const { return get(fg::WaypointY, p); }
  int z(std::size_t p) const { return get(fg::WaypointZ, p); }
  bool enabled(std::size_t p) const { return get(fg::WaypointEnabled, p) == 1; }
};

// One in-flight message. In memory Color always holds "0".."3"; `fileImage` keeps the bytes as
// read so that an unedited red message is written back exactly.
struct Message : Record<message::Size> {
  Message() = default;
  explicit Message(CBytes record) : Record(record) {}

  bool sentToAnyTeam = false;
  std::array<std::uint8_t, message::Size> fileImage{};  // as read; meaningful when `fromFile`
  std::array<std::uint8_t, message::Size> readImage{};  // the record just after reading
  bool fromFile = false;

  char color() const { return static_cast<char>(get(message::Color)); }
  std::string textValue() const { return text(message::Text); }
  void updateSentToAnyTeam();
};

struct GlobalGoal : Record<globalgoal::Size> {
  Bytes entry(std::size_t p) { return part(globalgoal::EntryAt[p], ggentry::Size); }
  CBytes entry(std::size_t p) const { return part(globalgoal::EntryAt[p], ggentry::Size); }
};

struct Team : Record<team::Size> {
  std::string name() const { return text(team::Name); }
};

using GlobalGoalStrings = Record<ggstrings::Size>;
using Header = Record<header::Size>;

// One briefing: the 820-byte record and its two lists of 32 length-prefixed strings.
struct Briefing : Record<briefing::Size> {
  std::array<std::string, briefing::StringCount> tags;
  std::array<std::string, briefing::StringCount> strings;
  bool operator==(const Briefing&) const = default;
};

// A multi-line text block (description, debriefings). The block is kept as the bytes read so
// that an unedited block is written back exactly; text is converted only at the edges.
class TextBlock {
 public:
  TextBlock() = default;
  explicit TextBlock(std::size_t size) : bytes_(size, 0) {}
  static TextBlock fromBytes(std::vector<std::uint8_t> bytes);

  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  // The memo text: each "$" becomes a line break (CR LF), as the game's editor shows it.
  std::string text() const;
  // Replaces the block by `memo` encoded into a block of `size` bytes.
  void setText(std::string_view memo, std::size_t size);
  void setText(std::string_view memo) { setText(memo, size()); }
  // The block as `size` bytes: the stored bytes when the size matches, else re-encoded.
  std::vector<std::uint8_t> encoded(std::size_t size) const;

  bool operator==(const TextBlock&) const = default;

 private:
  std::vector<std::uint8_t> bytes_;
};

// Text block codecs: a block of S bytes to memo text and back.
std::string decodeTextBlock(CBytes block);
std::vector<std::uint8_t> encodeTextBlock(std::string_view memo, std::size_t size);

}  // namespace model
