#pragma once
// Field descriptors: every record kind declares its fields once, as names and offsets inside
// its byte image, and all code reaches bytes through these descriptors.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace model {

// What a number of a field stands for, where that is another record: a flight group's list
// position (every such field has a row in the table of references, editing/references.h).
enum class Refers : std::uint8_t { Nothing, FlightGroup };

using Bytes = std::span<std::uint8_t>;
using CBytes = std::span<const std::uint8_t>;

// A numeric field; `count` > 1 makes it an array of `count` values `sizeof(T)` apart. `min` and
// `max` are the values it may hold: the type's limits unless a declaration narrows them. Edits
// clamp into that range before anything reaches a byte (never wrap), and the JSON form and its
// schema check against it.
template <class T>
struct Field {
  static_assert(std::is_integral_v<T> && sizeof(T) <= 2);
  using Value = T;
  std::string_view name;
  std::size_t offset;
  std::size_t count = 1;
  int min = std::numeric_limits<T>::min();
  int max = std::numeric_limits<T>::max();
  Refers refers = Refers::Nothing;
  constexpr std::size_t at(std::size_t index = 0) const { return offset + index * sizeof(T); }
  constexpr std::size_t bytes() const { return count * sizeof(T); }
  constexpr bool accepts(long long v) const { return v >= min && v <= max; }
  // `v` brought into the field's range.
  constexpr T clamp(long long v) const {
    return static_cast<T>(v < min ? min : (v > max ? max : v));
  }
};

// A fixed-width text field, zero-filled. `maxChars` is what the writer keeps of a longer text:
// width - 1 for most fields, the whole width for the 64-byte goal and team strings.
struct TextField {
  std::string_view name;
  std::size_t offset;
  std::size_t width;
  std::size_t maxChars;
};

// A block of bytes with no meaning to the editor (or a nested record) inside a record.
struct RawField {
  std::string_view name;
  std::size_t offset;
  std::size_t width;
};

template <class T>
T get(CBytes rec, Field<T> f, std::size_t index = 0) {
  const std::size_t at = f.at(index);
  if constexpr (sizeof(T) == 1) {
    return static_cast<T>(rec[at]);
  } else {
    const auto v = static_cast<std::uint16_t>(rec[at] | (rec[at + 1] << 8));
    return static_cast<T>(v);
  }
}

// The bytes of `value` as a field holds them, the low byte first.
template <class T>
std::array<std::uint8_t, sizeof(T)> fieldBytes(T value) {
  const auto v = static_cast<std::uint16_t>(value);
  if constexpr (sizeof(T) == 1)
    return {static_cast<std::uint8_t>(v)};
  else
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}

template <class T>
void set(Bytes rec, Field<T> f, T value, std::size_t index = 0) {
  const auto bytes = fieldBytes(value);
  std::memcpy(&rec[f.at(index)], bytes.data(), bytes.size());
}

// The characters up to the first zero byte or the end of the field (single-byte text).
std::string getText(CBytes rec, const TextField& f);
// Writes text cut to the field's maxChars and zero-fills the rest of the field.
void setText(Bytes rec, const TextField& f, std::string_view text);
// The bytes `setText` would leave in the field, without touching a record.
std::string encodeText(const TextField& f, std::string_view text);

// Everything a generic consumer (dump, raw-byte views, undo) needs to know about one field.
enum class Kind : std::uint8_t { U8, I8, U16, I16, Text, Raw, Record };

struct RecordLayout;

struct FieldInfo {
  std::string_view name;
  std::size_t offset;
  Kind kind;
  std::size_t width;                  // bytes of one element (text/raw: the whole field)
  std::size_t count;                  // elements
  std::size_t stride;                 // bytes between elements
  const RecordLayout* sub = nullptr;  // Kind::Record: the nested layout
  int min = 0, max = 0;               // numbers: the values a field may hold
  Refers refers = Refers::Nothing;    // numbers: what they stand for
};

struct RecordLayout {
  std::string_view name;
  std::size_t size;
  std::span<const FieldInfo> fields;
};

template <class T>
constexpr Kind kindOf() {
  if constexpr (std::is_same_v<T, std::uint8_t>)
    return Kind::U8;
  else if constexpr (std::is_same_v<T, std::int8_t>)
    return Kind::I8;
  else if constexpr (std::is_same_v<T, std::uint16_t>)
    return Kind::U16;
  else
    return Kind::I16;
}

template <class T>
constexpr FieldInfo info(Field<T> f) {
  return {f.name,    f.offset, kindOf<T>(), sizeof(T), f.count,
          sizeof(T), nullptr,  f.min,       f.max,     f.refers};
}
constexpr FieldInfo info(const TextField& f) {
  return {f.name, f.offset, Kind::Text, f.width, 1, f.width, nullptr};
}
constexpr FieldInfo info(const RawField& f) {
  return {f.name, f.offset, Kind::Raw, f.width, 1, f.width, nullptr};
}
constexpr FieldInfo nested(std::string_view name, std::size_t offset, const RecordLayout& sub,
                           std::size_t count = 1, std::size_t stride = 0) {
  return {name, offset, Kind::Record, sub.size, count, stride ? stride : sub.size, &sub};
}

}  // namespace model
