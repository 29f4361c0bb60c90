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

// The settings file of the run: "--config-dir DIR" after the command, else the one before it,
// else the default folder. Removes the option from args; false on a "--config-dir" without DIR.
bool takeSettingsPath(std::vector<std::string>& args, const Context& ctx, std::string& path);

// The vocabulary as the editor has it after start-up: the built-in tables replaced by the files
// of "--editor-dir DIR", or, without that option, of the settings' editor directory. Removes the
// options it reads from args; false (with the usage message left to the caller) on an option
// without a value.
bool loadVocabulary(std::vector<std::string>& args, const Context& ctx, shell::Vocabulary& vocab);

}  // namespace cli
