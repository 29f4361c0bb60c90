#include "older_generator.h"

#include <algorithm>

namespace testgen {
namespace {

constexpr std::size_t OlderFlightGroupSize = 148;
constexpr std::size_t ObjectGroupSize = 70;
constexpr std::size_t IconRecordSize = 32;

class OlderRandom {
 public:
  explicit OlderRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x51ull) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<unsigned>(n)); }
  int range(int lo, int hi) { return lo + below(hi - lo + 1); }
  std::string word(int maxLen) {
    std::string s(static_cast<std::size_t>(below(maxLen + 1)), ' ');
    for (char& c : s) c = static_cast<char>(below(3) ? 'a' + below(26) : 'A' + below(26));
    return s;
  }

 private:
  std::uint64_t state_;
};

void putU16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

}  // namespace

void put16(std::vector<std::uint8_t>& record, std::size_t offset, int value) {
  record.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
  record.at(offset + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void putText(std::vector<std::uint8_t>& record, std::size_t offset, std::size_t width,
             const std::string& text) {
  for (std::size_t i = 0; i < width; ++i)
    record.at(offset + i) = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

std::vector<std::uint8_t>& OlderMissionFile::addFlightGroup() {
  return flightGroups.emplace_back(OlderFlightGroupSize, 0);
}

std::vector<std::uint8_t>& OlderMissionFile::addObjectGroup() {
  return objectGroups.emplace_back(ObjectGroupSize, 0);
}

std::vector<std::uint8_t> OlderMissionFile::bytes() const {
  std::vector<std::uint8_t> out;
  putU16(out, 2);
  std::vector<std::uint8_t> h = header;
  put16(h, 200, static_cast<int>(flightGroups.size()));
  put16(h, 202, static_cast<int>(objectGroups.size()));
  out.insert(out.end(), h.begin(), h.end());
  for (const auto& g : flightGroups) out.insert(out.end(), g.begin(), g.end());
  for (const auto& g : objectGroups) out.insert(out.end(), g.begin(), g.end());
  return out;
}

OlderMissionFile randomOlderMission(std::uint64_t seed, int maxGroups) {
  OlderRandom r(seed);
  OlderMissionFile f;
  put16(f.header, 0, r.below(60));
  put16(f.header, 6, r.below(3));
  for (std::size_t s = 0; s < 3; ++s) putText(f.header, 8 + 64 * s, 64, r.word(64));
  const int fgs = r.range(1, std::max(1, maxGroups));
  const int ogs = r.below(maxGroups + 1);
  for (int i = 0; i < fgs; ++i) {
    auto& g = f.addFlightGroup();
    putText(g, 0, 16, r.word(16));
    putText(g, 16, 16, r.word(16));
    putText(g, 32, 16, r.word(16));
    put16(g, 48, r.below(6));
    put16(g, 50, r.below(21));
    put16(g, 52, r.below(5));
    put16(g, 54, r.below(13));
    put16(g, 56, r.range(1, 6));
    put16(g, 58, r.below(4));
    put16(g, 60, r.below(8));
    put16(g, 62, r.below(60));
    put16(g, 64, r.below(fgs));
    put16(g, 66, r.below(fgs + 2));
    put16(g, 68, r.below(2));
    put16(g, 70, r.below(2));
    for (std::size_t p = 0; p < 21; ++p) put16(g, 72 + 2 * p, r.range(-32768, 32767));
    for (std::size_t p = 0; p < 7; ++p) put16(g, 114 + 2 * p, r.below(2));
    put16(g, 128, r.below(8));
    put16(g, 130, i == 0 || r.below(8) ? 0 : r.range(1, 3));
    put16(g, 132, r.below(6));
    put16(g, 134, r.below(34));
    put16(g, 136, r.below(10));
    put16(g, 140, r.below(4));
    put16(g, 142, r.below(18));
    put16(g, 144, r.range(-1, fgs - 1));
    put16(g, 146, r.range(-1, fgs - 1));
  }
  for (int i = 0; i < ogs; ++i) {
    auto& g = f.addObjectGroup();
    putText(g, 0, 16, r.word(16));
    put16(g, 50, r.range(17, 50));
    put16(g, 52, r.below(4));
    put16(g, 54, r.below(6));
    put16(g, 56, r.range(1, 9));
    put16(g, 58, r.range(-32768, 32767));
    put16(g, 60, r.range(-5000, 5000));
    put16(g, 62, r.range(-5000, 5000));
  }
  return f;
}

std::vector<std::uint8_t> OlderBriefingFile::bytes() const {
  std::vector<std::uint8_t> out;
  putU16(out, runningTime);
  putU16(out, static_cast<int>(coordinateSets.size()));
  putU16(out, static_cast<int>(iconCount));
  for (const auto& set : coordinateSets)
    for (std::size_t i = 0; i < iconCount; ++i)
      for (int k = 0; k < 3; ++k) putU16(out, i < set.size() ? set[i][k] : 0);
  out.insert(out.end(), iconCount * IconRecordSize, 0);
  for (const auto& t : tags) {
    putU16(out, static_cast<int>(t.size()));
    out.insert(out.end(), t.begin(), t.end());
  }
  for (const auto& t : texts) {
    putU16(out, static_cast<int>(t.size()));
    out.insert(out.end(), t.begin(), t.end());
    out.insert(out.end(), t.size(), 0xEE);  // the bytes that follow each text
  }
  putU16(out, static_cast<int>(events.size()));
  for (const std::uint16_t w : events) putU16(out, w);
  out.insert(out.end(), after.begin(), after.end());
  return out;
}

OlderBriefingFile randomOlderBriefing(std::uint64_t seed, std::size_t icons) {
  OlderRandom r(seed);
  OlderBriefingFile b;
  b.runningTime = r.range(100, 3000);
  b.iconCount = icons;
  b.coordinateSets.resize(static_cast<std::size_t>(r.range(1, 2)));
  for (auto& set : b.coordinateSets)
    for (std::size_t i = 0; i < icons; ++i)
      set.push_back({r.range(-3000, 3000), r.range(-3000, 3000), r.range(-300, 300)});
  for (auto& t : b.tags) t = r.below(3) ? "" : r.word(12);
  for (std::size_t s = 0; s < b.texts.size(); ++s)
    b.texts[s] = s < 4 ? r.word(s == 1 ? 260 : 80) : "";
  static constexpr int Codes[] = {10, 11, 12, 15, 16, 21, 22, 23, 24,
                                  25, 26, 27, 28, 29, 30, 3,  40};
  int time = 0;
  const int commands = r.range(0, 40);
  for (int i = 0; i < commands; ++i) {
    time += r.below(50);
    const int code = Codes[r.below(static_cast<int>(std::size(Codes)))];
    b.events.push_back(static_cast<std::uint16_t>(time));
    b.events.push_back(static_cast<std::uint16_t>(code));
    const int params = code == 11 || code == 12 || (code >= 22 && code <= 25) ? 1
                       : code == 15 || code == 16                             ? 2
                       : code >= 27 && code <= 30                             ? 3
                                                                              : 0;
    for (int k = 0; k < params; ++k) b.events.push_back(static_cast<std::uint16_t>(r.below(40)));
  }
  b.events.insert(b.events.end(), {9999, 1});
  if (r.below(2)) b.after = {4, 0, 1, 0, 2, 0, 3, 0, 4, 0};
  return b;
}

}  // namespace testgen
