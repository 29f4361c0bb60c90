#pragma once
// Random but valid mission files, deterministic from a seed, for round-trip tests, the fuzzer's
// seed corpus and the benchmark.

#include <cstdint>
#include <vector>

namespace testgen {

struct GeneratorLimits {
  int maxFlightGroups = 60;
  int maxMessages = 40;
  int maxStringLength = 600;  // briefing strings; most are much shorter or empty
  int maxTrailingBytes = 64;  // bytes after the last block, present in a few files
};

// A whole file of format 12 or 14 (chosen by the seed) that the reader accepts: random bytes in
// every record, random counts, briefing strings and text blocks.
std::vector<std::uint8_t> randomMissionFile(std::uint64_t seed, const GeneratorLimits& limits = {});

// The same with a chosen format (12 or 14).
std::vector<std::uint8_t> randomMissionFile(std::uint64_t seed, std::int16_t platformId,
                                            const GeneratorLimits& limits = {});

// A big format-14 mission: 200 flight groups, 64 messages, every briefing string and event
// word used, full text blocks.
std::vector<std::uint8_t> largeMissionFile(std::uint64_t seed = 1);

// Byte offsets of the blocks of a generated (or any valid) file, for tests that cut or patch it.
struct FileMap {
  std::size_t header = 2;
  std::size_t flightGroups = 0, messages = 0, globalGoals = 0, teams = 0, briefings = 0;
  std::size_t goalStrings = 0, globalGoalStrings = 0, textBlocks = 0, end = 0;
};
// Walks a file the reader accepts; the result is meaningless for other bytes.
FileMap mapFile(const std::vector<std::uint8_t>& file);

}  // namespace testgen
