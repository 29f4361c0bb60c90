#include "icon_cache_writer.h"

#include <cstdint>

namespace testsupport {
namespace {

void put32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v) {
  if (out.size() < at + 4) out.resize(at + 4);
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<unsigned char>(v >> (24 - 8 * i));
}

std::uint32_t append(std::vector<unsigned char>& out, const std::string& text) {
  const auto at = static_cast<std::uint32_t>(out.size());
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
  while (out.size() % 4) out.push_back(0);
  return at;
}

std::uint32_t hash(const std::string& name) {
  std::uint32_t h = static_cast<std::uint32_t>(static_cast<signed char>(name[0]));
  for (std::size_t i = 1; i < name.size(); ++i)
    h = (h << 5) - h + static_cast<std::uint32_t>(static_cast<signed char>(name[i]));
  return h;
}

}  // namespace

std::vector<unsigned char> iconCache(const std::vector<std::string>& icons,
                                     const std::vector<std::string>& folders, unsigned buckets) {
  // Header: version 1.0, the hash's offset, the folder list's offset.
  std::vector<unsigned char> out = {0, 1, 0, 0};
  const std::uint32_t hashAt = 12;
  put32(out, 4, hashAt);
  put32(out, hashAt, buckets);
  for (unsigned b = 0; b < buckets; ++b) put32(out, hashAt + 4 + b * 4, 0xffffffffu);
  // Entries are chained in front of their bucket's earlier ones.
  for (const std::string& icon : icons) {
    const std::uint32_t name = append(out, icon);
    const auto images = static_cast<std::uint32_t>(out.size());
    put32(out, images, 1);
    put32(out, images + 4, 0);  // folder 0, no flags
    put32(out, images + 8, 0);  // no image data
    const auto entry = static_cast<std::uint32_t>(out.size());
    const std::size_t bucketAt = hashAt + 4 + (hash(icon) % buckets) * 4;
    const std::uint32_t previous = std::uint32_t{out[bucketAt]} << 24 |
                                   std::uint32_t{out[bucketAt + 1]} << 16 |
                                   std::uint32_t{out[bucketAt + 2]} << 8 | out[bucketAt + 3];
    put32(out, entry, previous);
    put32(out, entry + 4, name);
    put32(out, entry + 8, images);
    put32(out, bucketAt, entry);
  }
  std::vector<std::uint32_t> names;
  for (const std::string& f : folders) names.push_back(append(out, f));
  const auto list = static_cast<std::uint32_t>(out.size());
  put32(out, 8, list);
  put32(out, list, static_cast<std::uint32_t>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) put32(out, list + 4 + i * 4, names[i]);
  return out;
}

}  // namespace testsupport
