#pragma once
// "zyned --export-briefing OUT.png --briefing N --at SECONDS FILE": the preview picture of a
// briefing at a moment, written without a window.

#include <optional>
#include <string>
#include <vector>

namespace app {

// Whether the arguments ask for the briefing picture (so the program needs no display).
bool wantsBriefingExport(const std::vector<std::string>& args);
// Writes the picture; the exit status (0, 1 refused or unwritable file, 2 usage error), messages
// on stderr. Nothing when the arguments ask for no export.
std::optional<int> runBriefingExport(const std::vector<std::string>& args,
                                     const std::string& configDir);

}  // namespace app
