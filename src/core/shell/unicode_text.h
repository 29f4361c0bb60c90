#pragma once
// Text files that users edit with their own tools may be saved as UTF-16 (with or without a
// byte order mark). These recognise such text, turn it into UTF-8 and back, so that a file is
// written in the form it was read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

enum class TextForm { Utf8, Utf16LE, Utf16BE };

struct TextShape {
  TextForm form = TextForm::Utf8;
  bool byteOrderMark = false;  // a UTF-16 file that started with one gets it back
  int utf8Marks = 0;           // UTF-8 byte order marks in front (some tools add a second one)
  bool operator==(const TextShape&) const = default;
};

// How bytes are stored: UTF-16 when they start with its byte order mark, or when their first
// characters (two at least, up to four) are each ASCII stored in two bytes, a zero byte beside
// it; UTF-8 otherwise, with the number of UTF-8 byte order marks in front. A lone zero byte
// makes no UTF-16.
TextShape detectTextShape(std::string_view bytes);

// The bytes as UTF-8 text (byte order marks removed). Nothing, with a message naming the byte,
// when UTF-16 text is broken: an odd number of bytes or a half of a surrogate pair alone.
std::optional<std::string> decodeText(std::string_view bytes, const TextShape& shape,
                                      std::string* error = nullptr);

// UTF-8 text stored in the shape, its byte order marks in front as they were. Bytes that are no
// UTF-8 are taken as the characters of the same number (U+0080..U+00FF), so nothing is dropped.
std::string encodeText(std::string_view utf8, const TextShape& shape);

// A line of a text: [start, end) without its line end; `next` is where the following line starts.
struct LineSpan {
  std::size_t start = 0, end = 0, next = 0;
};

// The lines of a text whose lines end in CR LF, LF or a lone CR, mixed as they come (files saved
// by older editors). The text is looked through once, each line end found with memchr.
std::vector<LineSpan> lineSpans(std::string_view text);

}  // namespace shell
