#pragma once
// Writing the seed files of the fuzzers' corpora.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace seeds {

// Creates or replaces `path` with exactly these bytes; false when it could not be written.
inline bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace seeds
