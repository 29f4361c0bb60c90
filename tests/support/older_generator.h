#pragma once
// Older-format missions (".vtn") and briefing files (".brf") for tests and the fuzzers' seeds:
// records are built field by field at plain byte offsets, so the generator does not lean on the
// reader it is meant to check.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testgen {

// A 16-bit value at `offset` of a record.
void put16(std::vector<std::uint8_t>& record, std::size_t offset, int value);
// Text at `offset`, at most `width` bytes, zero-filled.
void putText(std::vector<std::uint8_t>& record, std::size_t offset, std::size_t width,
             const std::string& text);

struct OlderMissionFile {
  std::vector<std::uint8_t> header = std::vector<std::uint8_t>(204, 0);
  std::vector<std::vector<std::uint8_t>> flightGroups;  // 148 bytes each
  std::vector<std::vector<std::uint8_t>> objectGroups;  // 70 bytes each

  // A zeroed flight group (object group) appended; returns it for filling.
  std::vector<std::uint8_t>& addFlightGroup();
  std::vector<std::uint8_t>& addObjectGroup();
  // The file: platform id 2, the header with both counts set, the records.
  std::vector<std::uint8_t> bytes() const;
};

// Random groups of both kinds (at most `maxGroups` of each), deterministic from the seed.
OlderMissionFile randomOlderMission(std::uint64_t seed, int maxGroups = 12);

struct OlderBriefingFile {
  int runningTime = 600;
  std::vector<std::vector<std::array<int, 3>>> coordinateSets;  // [set][icon] X, Y, Z
  std::size_t iconCount = 0;
  std::array<std::string, 32> tags;
  std::array<std::string, 32> texts;
  std::vector<std::uint16_t> events;  // the first event block
  std::vector<std::uint8_t> after;    // further bytes (other event blocks)

  std::vector<std::uint8_t> bytes() const;
};

// A briefing for `icons` flight groups with random strings and events of every older code.
OlderBriefingFile randomOlderBriefing(std::uint64_t seed, std::size_t icons);

}  // namespace testgen
