#include "model/cp1252.h"

#include <array>
#include <cstdint>

namespace model {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves unassigned,
// which map to the C1 control of the same number so that every byte survives a round trip.
constexpr std::array<char32_t, 32> High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t decodeByte(std::uint8_t b) {
  if (b >= 0x80 && b <= 0x9F) return High[b - 0x80] ? High[b - 0x80] : b;
  return b;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) appendUtf8(out, decodeByte(static_cast<std::uint8_t>(ch)));
  return out;
}

namespace {

// The length of the UTF-8 sequence that byte `b` begins, with the bits it holds put in `c`; 0
// when `b` begins none.
std::size_t sequenceLength(std::uint8_t b, char32_t& c) {
  if (b < 0x80) {
    c = b;
    return 1;
  }
  if ((b & 0xE0) == 0xC0) {
    c = b & 0x1F;
    return 2;
  }
  if ((b & 0xF0) == 0xE0) {
    c = b & 0x0F;
    return 3;
  }
  if ((b & 0xF8) == 0xF0) {
    c = b & 0x07;
    return 4;
  }
  return 0;
}

// Adds the bits of the sequence's bytes after the first to `c`; false when one of them does not
// continue a sequence.
bool readContinuation(std::string_view s, std::size_t i, std::size_t len, char32_t& c) {
  for (std::size_t k = 1; k < len; ++k) {
    const auto cb = static_cast<std::uint8_t>(s[i + k]);
    if ((cb & 0xC0) != 0x80) return false;
    c = (c << 6) | (cb & 0x3F);
  }
  return true;
}

// The byte of character `c`, '?' for a character Windows-1252 does not have.
char encodeChar(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  char mapped = '?';
  for (std::size_t k = 0; k < High.size(); ++k)
    if ((High[k] && High[k] == c) || (!High[k] && c == 0x80 + k))
      mapped = static_cast<char>(0x80 + k);
  return mapped;
}

}  // namespace

std::string utf8ToCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = 0;
    const std::size_t len = sequenceLength(static_cast<std::uint8_t>(s[i]), c);
    if (len == 0) {
      out += '?';
      ++i;
      continue;
    }
    if (i + len > s.size()) {
      out += '?';
      break;
    }
    if (!readContinuation(s, i, len, c)) {
      out += '?';
      ++i;
      continue;
    }
    i += len;
    // A longer form than the character needs (0xC0 0x80 for a zero byte, 0xC0 0x8A for a line
    // feed) and the halves of UTF-16 surrogate pairs are no characters: taken as such, they would
    // smuggle control bytes into single-byte text.
    constexpr char32_t Shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Shortest[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += '?';
      continue;
    }
    out += encodeChar(c);
  }
  return out;
}

}  // namespace model
