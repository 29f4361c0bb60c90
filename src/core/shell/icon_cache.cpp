#include "shell/icon_cache.h"

#include <cstdint>

#include "shell/settings_file.h"

namespace shell {
namespace {

// The file's numbers are big-endian; an offset of all ones ends a chain.
constexpr std::uint32_t None = 0xffffffffu;

struct Reader {
  std::span<const unsigned char> bytes;

  std::optional<std::uint32_t> u32(std::size_t at) const {
    if (at > bytes.size() || bytes.size() - at < 4) return std::nullopt;
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
  }
  std::optional<std::uint16_t> u16(std::size_t at) const {
    if (at > bytes.size() || bytes.size() - at < 2) return std::nullopt;
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
  }
  // A NUL-ended string; nothing when it runs past the end.
  std::optional<std::string_view> text(std::size_t at) const {
    if (at >= bytes.size()) return std::nullopt;
    const auto* start = reinterpret_cast<const char*>(bytes.data()) + at;
    const std::string_view rest(start, bytes.size() - at);
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return rest.substr(0, end);
  }
};

// The desktop's hash of an icon name: h = h * 31 + c over the name's (signed) bytes.
std::uint32_t nameHash(std::string_view name) {
  if (name.empty()) return 0;
  std::uint32_t h = static_cast<std::uint32_t>(static_cast<signed char>(name[0]));
  for (std::size_t i = 1; i < name.size(); ++i)
    h = (h << 5) - h + static_cast<std::uint32_t>(static_cast<signed char>(name[i]));
  return h;
}

bool knownVersion(const Reader& r) {
  const auto major = r.u16(0);
  return major && *major == 1;
}

}  // namespace

std::optional<std::vector<std::string>> iconCacheFolders(std::span<const unsigned char> cache) {
  const Reader r{cache};
  if (!knownVersion(r)) return std::nullopt;
  const auto list = r.u32(8);
  if (!list) return std::nullopt;
  const auto count = r.u32(*list);
  if (!count || *count > cache.size() / 4) return std::nullopt;
  std::vector<std::string> folders;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const auto at = r.u32(std::size_t{*list} + 4 + std::size_t{i} * 4);
    if (!at) return std::nullopt;
    const auto name = r.text(*at);
    if (!name) return std::nullopt;
    folders.emplace_back(*name);
  }
  return folders;
}

std::optional<bool> iconCacheHas(std::span<const unsigned char> cache, std::string_view name) {
  const Reader r{cache};
  if (!knownVersion(r)) return std::nullopt;
  const auto hash = r.u32(4);
  if (!hash) return std::nullopt;
  const auto buckets = r.u32(*hash);
  if (!buckets || *buckets == 0) return std::nullopt;
  auto icon = r.u32(std::size_t{*hash} + 4 + std::size_t{nameHash(name) % *buckets} * 4);
  if (!icon) return std::nullopt;
  // Every entry takes twelve bytes: a longer chain than the file could hold is a loop.
  for (std::size_t steps = 0; *icon != None; ++steps) {
    if (steps > cache.size() / 12) return std::nullopt;
    const auto next = r.u32(*icon);
    const auto nameAt = r.u32(std::size_t{*icon} + 4);
    if (!next || !nameAt) return std::nullopt;
    const auto entry = r.text(*nameAt);
    if (!entry) return std::nullopt;
    if (*entry == name) return true;
    icon = next;
  }
  return false;
}

std::vector<std::string> iconThemeParents(std::string_view index) {
  std::vector<std::string> parents;
  for (const auto& [key, value] : readSection(index, "Icon Theme")) {
    if (key != "Inherits") continue;
    for (std::string_view list = value; !list.empty();) {
      const std::size_t comma = list.find(',');
      std::string_view item = list.substr(0, comma);
      while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
      while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
      if (!item.empty()) parents.emplace_back(item);
      list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
  }
  return parents;
}

}  // namespace shell
