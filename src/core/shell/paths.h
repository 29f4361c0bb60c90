#pragma once
// Finding files in folders that came from Windows installs, where the letter case of a name on
// disk need not match the name the editor asks for.

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// ASCII lower case; other bytes are kept.
std::string lowerAscii(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);

// The path of the entry of `directory` named `name` in any letter case (an exact match wins),
// or nothing when the folder holds no such entry or cannot be listed.
std::optional<std::string> findEntryNoCase(const std::string& directory, std::string_view name);

// `directory` joined with `name` by the platform separator, without doubling it.
std::string joinPath(const std::string& directory, std::string_view name);

// Whether `path` names an existing folder.
bool isDirectory(const std::string& path);

}  // namespace shell
