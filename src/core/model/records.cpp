#include "model/records.h"

#include <algorithm>

namespace model {

void Message::updateSentToAnyTeam() {
  sentToAnyTeam = false;
  for (std::size_t t = 0; t < 8; ++t)
    sentToAnyTeam = sentToAnyTeam || get(message::SentToTeam, t) == 1;
}

std::string decodeTextBlock(CBytes block) {
  const std::size_t s = block.size();
  std::string out;
  if (s < 2) return out;
  std::size_t i = 0;
  for (std::size_t k = 0; k + 2 <= s && block[k] != 0; ++k) {
    const auto c = static_cast<char>(block[k]);
    if (c == '$') {
      if (i < s - 2) {
        out += '\r';
        if (i < s - 3) out += '\n';
        i += 2;
      }
    } else if (i <= s - 2) {
      out += c;
      ++i;
    }
  }
  if (out.size() > s - 1) out.resize(s - 1);
  return out;
}

std::vector<std::uint8_t> encodeTextBlock(std::string_view memo, std::size_t size) {
  std::vector<std::uint8_t> out(size, 0);
  if (size == 0) return out;
  const std::size_t take = std::min(memo.size(), size - 1);
  std::size_t at = 0;
  for (std::size_t k = 0; k < take; ++k) {
    const char c = memo[k];
    // A line break is CR LF or a lone LF (text from a widget); either way one "$".
    if (c == '\n' && k > 0 && memo[k - 1] == '\r') continue;
    out[at++] = static_cast<std::uint8_t>(c == '\r' || c == '\n' ? '$' : c);
  }
  out[size - 1] = 0;
  return out;
}

TextBlock TextBlock::fromBytes(std::vector<std::uint8_t> bytes) {
  TextBlock b;
  b.bytes_ = std::move(bytes);
  return b;
}

std::string TextBlock::text() const {
  return decodeTextBlock(bytes_);
}

void TextBlock::setText(std::string_view memo, std::size_t size) {
  bytes_ = encodeTextBlock(memo, size);
}

std::vector<std::uint8_t> TextBlock::encoded(std::size_t size) const {
  if (size == bytes_.size()) return bytes_;
  return encodeTextBlock(text(), size);
}

}  // namespace model
