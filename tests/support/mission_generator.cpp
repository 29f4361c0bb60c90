#include "mission_generator.h"

#include <algorithm>
#include <string>

namespace testgen {
namespace {

// Sizes of the file's blocks; kept here as plain numbers so the generator does not lean on the
// code it is meant to check.
constexpr std::size_t HeaderSize = 162;
constexpr std::size_t FlightGroupSize = 1378;
constexpr std::size_t MessageSize = 116;
constexpr std::size_t GlobalGoalSize = 128;
constexpr std::size_t TeamSize = 487;
constexpr std::size_t BriefingSize = 820;
constexpr std::size_t GoalStringsSize = 1536;
constexpr std::size_t GlobalGoalStringsSize = 5376;
constexpr int Teams = 10;
constexpr int Briefings = 8;
constexpr int BriefingStrings = 32;

// splitmix64: tiny, fast even in a debug build, and the same on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0..n-1
  std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(next() % n); }
  bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
  std::uint8_t byte() { return static_cast<std::uint8_t>(next()); }
  std::uint8_t printable() { return static_cast<std::uint8_t>(' ' + below(95)); }

 private:
  std::uint64_t state_;
};

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A record of random bytes; some records are mostly zero with a few set bytes, like the
// records a real editor writes.
// Appends `size` bytes and returns where they start: the generator fills records in place.
std::uint8_t* grow(std::vector<std::uint8_t>& out, std::size_t size) {
  const std::size_t start = out.size();
  out.resize(start + size);
  return out.data() + start;
}

void putRecord(std::vector<std::uint8_t>& out, Random& r, std::size_t size) {
  std::uint8_t* p = grow(out, size);
  const bool sparse = r.chance(40);
  // One draw gives eight bytes; a sparse record keeps about one byte in ten.
  for (std::size_t i = 0; i < size; i += 8) {
    const std::uint64_t bits = r.next();
    const std::uint64_t mask = sparse ? r.next() : 0;
    for (std::size_t k = 0; k < 8 && i + k < size; ++k) {
      const auto value = static_cast<std::uint8_t>(bits >> (8 * k));
      const auto keep = static_cast<std::uint8_t>(mask >> (8 * k));
      p[i + k] = !sparse || keep < 26 ? value : 0;
    }
  }
}

// Zero-padded text fields of `width` bytes: the shape of goal and team strings.
void putTextRecord(std::vector<std::uint8_t>& out, Random& r, std::size_t size, std::size_t width) {
  if (r.chance(30)) return putRecord(out, r, size);
  std::uint8_t* p = grow(out, size);
  for (std::size_t at = 0; at < size; at += width) {
    const std::size_t n = std::min(width, size - at);
    const std::size_t len = r.chance(50) ? 0 : r.below(n + 1);
    for (std::size_t i = 0; i < n; ++i) p[at + i] = i < len ? r.printable() : 0;
  }
}

void putBriefingString(std::vector<std::uint8_t>& out, Random& r, std::size_t len) {
  putU16(out, static_cast<std::uint16_t>(len));
  std::uint8_t* p = grow(out, len);
  const bool binary = r.chance(20);
  for (std::size_t i = 0; i < len; ++i) p[i] = binary ? r.byte() : r.printable();
}

// A text block: memo text with "$" line ends and zero fill, sometimes full, sometimes empty,
// sometimes random bytes (a block edited by other tools).
void putTextBlock(std::vector<std::uint8_t>& out, Random& r, std::size_t size, bool full) {
  const std::size_t start = out.size();
  out.resize(start + size, 0);
  std::uint8_t* block = out.data() + start;
  const std::size_t kind = full ? 1 : r.below(4);
  if (kind == 0) return;  // empty
  if (kind == 3) {
    for (std::size_t i = 0; i < size; ++i) block[i] = r.byte();
    return;
  }
  const std::size_t len = full ? size - 1 : r.below(size);
  for (std::size_t i = 0; i < len; ++i) block[i] = r.chance(3) ? '$' : r.printable();
}

std::vector<std::uint8_t> generate(Random& r, std::int16_t platformId, std::size_t fgCount,
                                   std::size_t msgCount, const GeneratorLimits& limits, bool full) {
  std::vector<std::uint8_t> out;
  out.reserve(80000 + fgCount * (FlightGroupSize + GoalStringsSize) + msgCount * MessageSize);
  putU16(out, static_cast<std::uint16_t>(platformId));

  const std::size_t header = out.size();
  putRecord(out, r, HeaderSize);
  out[header] = static_cast<std::uint8_t>(fgCount & 0xFF);
  out[header + 1] = static_cast<std::uint8_t>(fgCount >> 8);
  out[header + 2] = static_cast<std::uint8_t>(msgCount & 0xFF);
  out[header + 3] = static_cast<std::uint8_t>(msgCount >> 8);

  for (std::size_t i = 0; i < fgCount; ++i) putRecord(out, r, FlightGroupSize);
  for (std::size_t i = 0; i < msgCount; ++i) {
    const std::size_t at = out.size();
    putRecord(out, r, MessageSize);
    // Every kind of colour byte: the three digits, "0", zero and anything else.
    switch (r.below(6)) {
      case 0:
        out[at + 2] = static_cast<std::uint8_t>('1' + r.below(3));
        break;
      case 1:
        out[at + 2] = '0';
        break;
      case 2:
        out[at + 2] = 0;
        break;
      case 3:
        out[at + 2] = r.printable();
        break;
      default:
        break;  // random
    }
  }
  for (int t = 0; t < Teams; ++t) putRecord(out, r, GlobalGoalSize);
  for (int t = 0; t < Teams; ++t) putTextRecord(out, r, TeamSize, 64);
  for (int b = 0; b < Briefings; ++b) {
    putRecord(out, r, BriefingSize);
    for (int s = 0; s < 2 * BriefingStrings; ++s) {
      std::size_t len = 0;
      if (full)
        len = 40 + r.below(160);
      else if (r.chance(35))
        len = r.chance(10) ? r.below(limits.maxStringLength + 1) : r.below(40);
      putBriefingString(out, r, len);
    }
  }
  for (std::size_t i = 0; i < fgCount; ++i) putTextRecord(out, r, GoalStringsSize, 64);
  for (int t = 0; t < Teams; ++t) putTextRecord(out, r, GlobalGoalStringsSize, 64);
  if (platformId == 12) {
    putTextBlock(out, r, 1024, full);
  } else {
    for (int k = 0; k < 3; ++k) putTextBlock(out, r, 4096, full);
  }
  if (!full && limits.maxTrailingBytes > 0 && r.chance(5)) {
    const std::size_t n = 1 + r.below(static_cast<std::size_t>(limits.maxTrailingBytes));
    for (std::size_t i = 0; i < n; ++i) out.push_back(r.byte());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> randomMissionFile(std::uint64_t seed, std::int16_t platformId,
                                            const GeneratorLimits& limits) {
  Random r(seed);
  // Small counts are the common case; now and then a mission near the limits.
  auto count = [&](int max) {
    if (max <= 0) return std::size_t{0};
    if (r.chance(15)) return std::size_t{0};
    if (r.chance(15)) return static_cast<std::size_t>(max - static_cast<int>(r.below(3)));
    return r.below(static_cast<std::size_t>(max) / 3 + 1);
  };
  const std::size_t fgCount = count(limits.maxFlightGroups);
  const std::size_t msgCount = count(limits.maxMessages);
  return generate(r, platformId, fgCount, msgCount, limits, false);
}

std::vector<std::uint8_t> randomMissionFile(std::uint64_t seed, const GeneratorLimits& limits) {
  return randomMissionFile(seed, seed % 2 == 0 ? std::int16_t{14} : std::int16_t{12}, limits);
}

std::vector<std::uint8_t> largeMissionFile(std::uint64_t seed) {
  Random r(seed);
  std::vector<std::uint8_t> out = generate(r, 14, 200, 64, GeneratorLimits{}, true);
  // Every briefing uses all its event words.
  FileMap map = mapFile(out);
  std::size_t at = map.briefings;
  for (int b = 0; b < Briefings; ++b) {
    out[at + 6] = 400 & 0xFF;
    out[at + 7] = 400 >> 8;
    at += BriefingSize;
    for (int s = 0; s < 2 * BriefingStrings; ++s) at += 2 + (out[at] | (out[at + 1] << 8));
  }
  return out;
}

FileMap mapFile(const std::vector<std::uint8_t>& file) {
  FileMap m;
  if (file.size() < 2 + HeaderSize) return m;
  auto u16 = [&](std::size_t at) -> std::size_t {
    return at + 1 < file.size() ? static_cast<std::size_t>(file[at] | (file[at + 1] << 8)) : 0;
  };
  const std::size_t fgCount = u16(2), msgCount = u16(4);
  const bool base = u16(0) == 12;
  m.flightGroups = 2 + HeaderSize;
  m.messages = m.flightGroups + fgCount * FlightGroupSize;
  m.globalGoals = m.messages + msgCount * MessageSize;
  m.teams = m.globalGoals + Teams * GlobalGoalSize;
  m.briefings = m.teams + Teams * TeamSize;
  std::size_t at = m.briefings;
  for (int b = 0; b < Briefings; ++b) {
    at += BriefingSize;
    for (int s = 0; s < 2 * BriefingStrings; ++s) at += 2 + u16(at);
  }
  m.goalStrings = at;
  m.globalGoalStrings = m.goalStrings + fgCount * GoalStringsSize;
  m.textBlocks = m.globalGoalStrings + Teams * GlobalGoalStringsSize;
  m.end = m.textBlocks + (base ? 1024 : 3 * 4096);
  return m;
}

}  // namespace testgen
