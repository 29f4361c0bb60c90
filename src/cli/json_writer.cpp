#include "json_writer.h"

namespace cli {

std::string jsonQuote(std::string_view s) {
  static constexpr char Hex[] = "0123456789abcdef";
  std::string out;
  out.reserve(s.size() + 2);
  out += '"';
  auto escapeCode = [&](unsigned code) {
    out += "\\u00";
    out += Hex[(code >> 4) & 0xF];
    out += Hex[code & 0xF];
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          escapeCode(c);
        } else if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(s[i + 1]) <= 0x9F) {
          // C1 controls (bytes Windows-1252 leaves unassigned) are escaped to stay visible.
          escapeCode(static_cast<unsigned char>(s[++i]));
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::newline() {
  out_ << '\n';
  for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) out_ << ',';
  level.empty = false;
  newline();
}

void JsonWriter::beginObject() {
  beforeValue();
  out_ << '{';
  levels_.push_back({false, true});
}

void JsonWriter::endObject() {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) newline();
  out_ << '}';
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::beginArray() {
  beforeValue();
  out_ << '[';
  levels_.push_back({true, true});
}

void JsonWriter::endArray() {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) newline();
  out_ << ']';
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::key(std::string_view name) {
  beforeValue();
  out_ << jsonQuote(name) << ": ";
  afterKey_ = true;
}

void JsonWriter::number(long long v) {
  beforeValue();
  out_ << v;
}

void JsonWriter::string(std::string_view utf8) {
  beforeValue();
  out_ << jsonQuote(utf8);
}

void JsonWriter::numbers(const std::vector<long long>& values) {
  beforeValue();
  out_ << '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) out_ << ", ";
    out_ << values[i];
  }
  out_ << ']';
}

}  // namespace cli
