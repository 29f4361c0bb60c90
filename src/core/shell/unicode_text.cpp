#include "shell/unicode_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "model/cp1252.h"

namespace shell {
namespace {

constexpr std::string_view Utf16LEMark = "\xFF\xFE";
constexpr std::string_view Utf16BEMark = "\xFE\xFF";
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// The next character of UTF-8 text at i (moved past it); a byte that starts no valid sequence
// is the character of its own number.
char32_t nextUtf8(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  int extra = 0;
  char32_t c = lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    c = lead & 0x07;
  }
  if (extra == 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return lead;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char b = byte(i + static_cast<std::size_t>(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    c = (c << 6) | (b & 0x3F);
  }
  const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
  if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return lead;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return c;
}

}  // namespace

TextShape detectTextShape(std::string_view bytes) {
  if (bytes.starts_with(Utf16LEMark)) return {TextForm::Utf16LE, true};
  if (bytes.starts_with(Utf16BEMark)) return {TextForm::Utf16BE, true};
  // Without a mark, the first characters must look like ASCII in two bytes each: one zero
  // byte (a damaged file, a stray NUL) is no sign of UTF-16.
  const std::size_t units = std::min<std::size_t>(bytes.size() / 2, 4);
  const auto ascii = [&](bool little) {
    if (units < 2) return false;
    for (std::size_t k = 0; k < units; ++k) {
      const char low = bytes[2 * k + (little ? 0 : 1)], high = bytes[2 * k + (little ? 1 : 0)];
      if (high != '\0' || low == '\0' || static_cast<unsigned char>(low) >= 0x80) return false;
    }
    return true;
  };
  if (ascii(true)) return {TextForm::Utf16LE, false};
  if (ascii(false)) return {TextForm::Utf16BE, false};
  TextShape utf8;
  for (std::string_view rest = bytes; rest.starts_with(Utf8Mark); rest.remove_prefix(3))
    ++utf8.utf8Marks;
  return utf8;
}

std::optional<std::string> decodeText(std::string_view bytes, const TextShape& shape,
                                      std::string* error) {
  if (shape.form == TextForm::Utf8)
    return std::string(
        bytes.substr(std::min(bytes.size(), 3 * static_cast<std::size_t>(shape.utf8Marks))));
  const auto fail = [&](std::size_t at, const char* what) -> std::optional<std::string> {
    if (error) *error = "UTF-16 text " + std::string(what) + " at byte " + std::to_string(at);
    return std::nullopt;
  };
  std::size_t i = shape.byteOrderMark ? 2 : 0;
  if ((bytes.size() - i) % 2 != 0) return fail(bytes.size() - 1, "ends in half a character");
  const bool little = shape.form == TextForm::Utf16LE;
  const auto unit = [&](std::size_t k) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[k]);
    const auto b = static_cast<unsigned char>(bytes[k + 1]);
    return static_cast<char16_t>(little ? a | (b << 8) : (a << 8) | b);
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  while (i < bytes.size()) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 2 >= bytes.size()) return fail(i, "has a lone surrogate");
      const char16_t low = unit(i + 2);
      if (low < 0xDC00 || low > 0xDFFF) return fail(i, "has a lone surrogate");
      model::appendUtf8(out,
                        0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
      i += 4;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      return fail(i, "has a lone surrogate");
    } else {
      model::appendUtf8(out, u);
      i += 2;
    }
  }
  return out;
}

std::string encodeText(std::string_view utf8, const TextShape& shape) {
  if (shape.form == TextForm::Utf8) {
    std::string out;
    for (int i = 0; i < shape.utf8Marks; ++i) out += Utf8Mark;
    return out.append(utf8);
  }
  const bool little = shape.form == TextForm::Utf16LE;
  std::string out;
  if (shape.byteOrderMark) out = little ? Utf16LEMark : Utf16BEMark;
  const auto put = [&](char16_t u) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += little ? lo : hi;
    out += little ? hi : lo;
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = nextUtf8(utf8, i);
    if (c >= 0x10000) {
      put(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      put(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      put(static_cast<char16_t>(c));
    }
  }
  return out;
}

std::vector<LineSpan> lineSpans(std::string_view text) {
  // The next CR and the next LF are each kept until passed, so each is looked for once.
  std::size_t cr = 0, lf = 0;
  const auto find = [&](char c, std::size_t& at, std::size_t from) {
    if (at > from || (at == from && from > 0)) return;
    const void* found = std::memchr(text.data() + from, c, text.size() - from);
    at = found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data())
               : text.size();
  };
  std::vector<LineSpan> spans;
  for (std::size_t start = 0; start < text.size();) {
    find('\r', cr, start);
    find('\n', lf, start);
    const std::size_t end = std::min(cr, lf);
    std::size_t next = end + 1;
    if (end < text.size() && text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    spans.push_back({start, end, next});
    start = next;
  }
  return spans;
}

}  // namespace shell
