#include "options.h"

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

bool takeSettingsPath(std::vector<std::string>& args, const Context& ctx, std::string& path) {
  std::optional<std::string> dir;
  if (!takeOption(args, "--config-dir", dir)) return false;
  if (!dir || dir->empty()) dir = ctx.configDir;
  path = shell::settingsFilePath(dir->empty() ? shell::defaultConfigDir() : *dir);
  return true;
}

bool loadVocabulary(std::vector<std::string>& args, const Context& ctx, shell::Vocabulary& vocab) {
  std::optional<std::string> editorDir;
  if (!takeOption(args, "--editor-dir", editorDir)) return false;
  std::string settingsPath;
  if (!takeSettingsPath(args, ctx, settingsPath)) return false;
  if (!editorDir) editorDir = shell::readSettings(settingsPath).editorDirectory;
  vocab.loadTables(*editorDir);
  return true;
}

}  // namespace cli
