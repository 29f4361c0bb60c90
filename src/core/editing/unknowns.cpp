#include "editing/unknowns.h"

namespace editing {

namespace {

std::string bytesText(model::CBytes rec, std::initializer_list<std::size_t> offsets,
                      std::string_view separator = ", ") {
  std::string s;
  for (std::size_t o : offsets) {
    if (!s.empty()) s += separator;
    s += std::to_string(rec[o]);
  }
  return s;
}

std::string rangeText(model::CBytes rec, std::size_t from, std::size_t to) {
  std::string s;
  for (std::size_t o = from; o <= to; ++o) {
    if (o != from) s += ", ";
    s += std::to_string(rec[o]);
  }
  return s;
}

}  // namespace

std::vector<std::string> unknownLineValues(const model::Header& h, const model::FlightGroup& g) {
  const model::CBytes r = g.span();
  return {
      bytesText(h.span(),
                {HeaderUnknowns[0].offset, HeaderUnknowns[1].offset, HeaderUnknowns[2].offset},
                ",  "),
      std::to_string(r[1125]),
      std::to_string(r[1377]),
      bytesText(r, {92, 96, 98, 99, 101, 103, 105, 106, 107, 108}),
      std::to_string(r[133]),
      rangeText(r, 147, 153),
      rangeText(r, 1302, 1314),
      rangeText(r, 1319, 1327),
  };
}

std::vector<std::string> unknownLines(const model::Header& h, const model::FlightGroup& g) {
  std::vector<std::string> lines = unknownLineValues(h, g);
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i].insert(0, UnknownLineTitles[i]);
  return lines;
}

std::optional<std::uint8_t> parseUnknownByte(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::uint8_t{0};
  if (text.size() > 3) return std::nullopt;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v > 255) return std::nullopt;
  return static_cast<std::uint8_t>(v);
}

}  // namespace editing
