#pragma once
// Edit scripts: bytes that a decoder (tests/support/document/edit_sequences.h) turns into a
// sequence of document operations on a generated mission. Any bytes are a script; the first two
// choose the mission. Kept free of Qt so that the seed writers can make scripts too.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace editseq {

// A script of `length` bytes after the two that choose the mission: the same for the same seed
// on every platform.
inline std::vector<std::uint8_t> randomScript(std::uint64_t seed, std::size_t length) {
  std::uint64_t state = seed * 0x9E3779B97F4A7C15ull + 0x51ED27ull;
  auto next = [&state] {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  };
  std::vector<std::uint8_t> out;
  out.reserve(length + 2);
  out.push_back(static_cast<std::uint8_t>(seed));
  out.push_back(static_cast<std::uint8_t>(seed >> 8));
  while (out.size() < length + 2) out.push_back(static_cast<std::uint8_t>(next()));
  return out;
}

}  // namespace editseq
