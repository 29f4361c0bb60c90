#pragma once
// Options that several zyned-cli commands accept: where the settings and the editor's
// vocabulary files are.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace cli {

// Removes every "NAME VALUE" and "NAME=VALUE" from args and puts the last VALUE into `value`.
// False when NAME is the last argument with no value after it.
bool takeOption(std::vector<std::string>& args, std::string_view name,
                std::optional<std::string>& value);

// Takes "--config-dir DIR" and "--editor-dir DIR" (or "NAME=DIR") from anywhere in the command
// line up to a "--" into ctx, the last of each counting. False when one has no folder after it.
bool takeSharedOptions(std::vector<std::string>& args, Context& ctx);

// The settings file of the run: a "--config-dir DIR" still in args, else the one in ctx, else
// the default folder. Removes the option from args; false on a "--config-dir" without DIR.
bool takeSettingsPath(std::vector<std::string>& args, const Context& ctx, std::string& path);

// The settings in the file; a file that is there but cannot be read gives the defaults and a
// warning on ctx.err (once per run).
shell::Settings readSettingsWarning(const std::string& path, const Context& ctx);

// The vocabulary as the editor has it after start-up: the built-in tables replaced by the files
// of "--editor-dir DIR" (in args or ctx), or, without that option, of the settings' editor
// directory. Removes the
// options it reads from args; false (with the usage message left to the caller) on an option
// without a value.
bool loadVocabulary(std::vector<std::string>& args, const Context& ctx, shell::Vocabulary& vocab);

}  // namespace cli
