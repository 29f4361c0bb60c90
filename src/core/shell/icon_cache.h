#pragma once
// The cache file a Linux desktop keeps in every icon theme's folder ("icon-theme.cache"): a
// hash table of the icon names the theme's folders hold. Reading it answers "does this theme
// have that icon?" without reading the theme's index and folders.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The folders the cache describes, relative to the theme's folder; nothing when the bytes are
// not such a cache.
std::optional<std::vector<std::string>> iconCacheFolders(std::span<const unsigned char> cache);

// Whether the cache lists an icon named `name` in any of its folders; nothing when the bytes
// are not such a cache.
std::optional<bool> iconCacheHas(std::span<const unsigned char> cache, std::string_view name);

// The themes an icon theme's index ("index.theme") names under Inherits, in their order.
std::vector<std::string> iconThemeParents(std::string_view index);

}  // namespace shell
