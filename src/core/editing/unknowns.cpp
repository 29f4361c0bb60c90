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

std::vector<std::string> unknownLines(const model::Header& h, const model::FlightGroup& g) {
  const model::CBytes r = g.span();
  return {
      "Mission Unks: " +
          bytesText(h.span(),
                    {HeaderUnknowns[0].offset, HeaderUnknowns[1].offset, HeaderUnknowns[2].offset},
                    ",  "),
      "Pt 5:   " + std::to_string(r[1125]),
      "Pt 7:   " + std::to_string(r[1377]),
      bytesText(r, {92, 96, 98, 99, 101, 103, 105, 106, 107, 108}),
      "Unknowns Pt 2 (Arrival?):   " + std::to_string(r[133]),
      "Unknowns Pt 3 (Departure?):   " + rangeText(r, 147, 153),
      "Unknowns Pt 4a:   " + rangeText(r, 1302, 1314),
      "Unknowns Pt 6:   " + rangeText(r, 1319, 1327),
  };
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
