#include "options.h"

#include <algorithm>
#include <ostream>

#include "shell/settings_file.h"

namespace cli {

bool takeOption(std::vector<std::string>& args, std::string_view name,
                std::optional<std::string>& value) {
  for (std::size_t i = 0; i < args.size();) {
    const std::string& a = args[i];
    if (a == name) {
      if (i + 1 >= args.size()) return false;
      value = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    } else if (a.size() > name.size() && a.starts_with(name) && a[name.size()] == '=') {
      value = a.substr(name.size() + 1);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  return true;
}

bool takeSharedOptions(std::vector<std::string>& args, Context& ctx) {
  // Options after a "--" are arguments of the command.
  const auto dashes = std::find(args.begin(), args.end(), "--");
  std::vector<std::string> head(args.begin(), dashes);
  std::optional<std::string> configDir, editorDir;
  if (!takeOption(head, "--config-dir", configDir) || !takeOption(head, "--editor-dir", editorDir))
    return false;
  if (configDir) ctx.configDir = *configDir;
  if (editorDir) ctx.editorDir = *editorDir;
  head.insert(head.end(), dashes, args.end());
  args = std::move(head);
  return true;
}

bool takeSettingsPath(std::vector<std::string>& args, const Context& ctx, std::string& path) {
  std::optional<std::string> dir;
  if (!takeOption(args, "--config-dir", dir)) return false;
  if (!dir || dir->empty()) dir = ctx.configDir;
  path = shell::settingsFilePath(dir->empty() ? shell::defaultConfigDir() : *dir);
  return true;
}

shell::Settings readSettingsWarning(const std::string& path, const Context& ctx) {
  std::string error;
  shell::Settings s = shell::readSettings(path, nullptr, &error);
  // A command may read the settings twice (for the vocabulary and for itself): one warning.
  static bool warned = false;
  if (!error.empty() && !warned) ctx.err << "zyned-cli: " << error << '\n';
  warned = warned || !error.empty();
  return s;
}

bool loadVocabulary(std::vector<std::string>& args, const Context& ctx, shell::Vocabulary& vocab) {
  std::optional<std::string> editorDir;
  if (!takeOption(args, "--editor-dir", editorDir)) return false;
  std::string settingsPath;
  if (!takeSettingsPath(args, ctx, settingsPath)) return false;
  if (!editorDir && !ctx.editorDir.empty()) editorDir = ctx.editorDir;
  if (!editorDir) editorDir = readSettingsWarning(settingsPath, ctx).editorDirectory;
  vocab.loadTables(*editorDir);
  return true;
}

}  // namespace cli
