// zyned-cli settings, vocab and vocab-export: what the editor reads at start-up.
#include <filesystem>
#include <ostream>

#include "command.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"
#include "shell/paths.h"
#include "shell/settings_file.h"
#include "shell/vocabulary.h"

namespace cli {
namespace {

int runSettings(const std::vector<std::string>& arguments, Context& ctx);
int runVocab(const std::vector<std::string>& arguments, Context& ctx);
int runVocabExport(const std::vector<std::string>& arguments, Context& ctx);

const Command settingsCommand{
    "settings", "[--set Section.Key=VALUE]... [--config-dir DIR]",
    "every setting of ZynED.ini as Section.Key=value, then the derived folders; --set changes "
    "keys first (all or none)",
    runSettings,
    "Keys are printed in their written form, booleans 1 or 0, defaults for missing "
    "keys; then Derived.ExpansionDirectory, Derived.ExpansionInstalled and "
    "Derived.ModelDirectory.\n\n--set Section.Key=VALUE\tchange a key before the listing "
    "(as often as needed); an unknown key or a refused value is named on standard "
    "error with exit status 1 and nothing is written"};
const Command vocabCommand{
    "vocab", "TABLE [--editor-dir DIR]",
    "a vocabulary table as the editor loads it, one index<TAB>text line per entry", runVocab,
    "TABLE is a file name without .txt (Ships, Orders, Conds and the others, in any "
    "letter case) or Orientation. The replacement files come from --editor-dir, else "
    "from the editor directory of the settings."};
const Command vocabExportCommand{
    "vocab-export", "DIR", "write the built-in vocabulary tables as replacement files into DIR",
    runVocabExport,
    "The files are Windows-1252 with CR LF line ends, ready to copy into the editor "
    "directory and edit."};
const Registration registrations[] = {Registration(settingsCommand), Registration(vocabCommand),
                                      Registration(vocabExportCommand)};

// Takes every "--set NAME=VALUE" (or "--set=NAME=VALUE") from args, in order. False when one
// has no NAME=VALUE after it.
bool takeAssignments(std::vector<std::string>& args,
                     std::vector<std::pair<std::string, std::string>>& out) {
  constexpr std::string_view Option = "--set";
  for (std::size_t i = 0; i < args.size();) {
    std::string assignment;
    if (args[i] == Option) {
      if (i + 1 >= args.size()) return false;
      assignment = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    } else if (args[i].starts_with("--set=")) {
      assignment = args[i].substr(Option.size() + 1);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
      continue;
    }
    const auto eq = assignment.find('=');
    if (eq == std::string::npos) return false;
    out.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
  }
  return true;
}

int runSettings(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  std::string path;
  std::vector<std::pair<std::string, std::string>> assignments;
  if (!takeSettingsPath(args, ctx, path) || !takeAssignments(args, assignments) || !args.empty())
    return usage(settingsCommand, ctx);
  std::string error;
  shell::Settings s = shell::readSettings(path, nullptr, &error);
  if (!error.empty()) {
    ctx.err << error << '\n';
    return Failed;
  }
  if (!assignments.empty()) {
    // Every refusal is told; one refusal writes nothing.
    bool refused = false;
    for (const auto& [name, value] : assignments) {
      const std::string refusal = shell::setSetting(s, name, value);
      if (!refusal.empty()) ctx.err << refusal << '\n';
      refused = refused || !refusal.empty();
    }
    if (refused) return Failed;
    if (!shell::writeSettings(path, s, &error)) {
      ctx.err << error << '\n';
      return Failed;
    }
  }
  for (const shell::SettingKey& key : shell::settingKeys())
    ctx.out << key.section << '.' << key.key << '=' << shell::settingValue(s, key) << '\n';
  ctx.out << "Derived.ExpansionDirectory=" << shell::expansionDirectory(s) << '\n'
          << "Derived.ExpansionInstalled=" << (shell::expansionInstalled(s) ? 1 : 0) << '\n'
          << "Derived.ModelDirectory=" << shell::effectiveModelDirectory(s) << '\n';
  return Success;
}

int runVocab(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  shell::Vocabulary vocab;
  if (!loadVocabulary(args, ctx, vocab) || args.size() != 1) return usage(vocabCommand, ctx);
  std::string_view name;
  for (const std::string_view known : shell::Vocabulary::tableNames())
    if (shell::equalsNoCase(known, args[0])) name = known;
  if (name.empty()) {
    ctx.err << "zyned-cli vocab: no table \"" << args[0] << "\"; the tables are:";
    for (const std::string_view known : shell::Vocabulary::tableNames()) ctx.err << ' ' << known;
    ctx.err << '\n';
    return UsageError;
  }
  const auto& entries = vocab.table(name);
  for (std::size_t i = 0; i < entries.size(); ++i)
    ctx.out << i << '\t' << model::cp1252ToUtf8(entries[i]) << '\n';
  return Success;
}

int runVocabExport(const std::vector<std::string>& args, Context& ctx) {
  if (args.size() != 1) return usage(vocabExportCommand, ctx);
  std::error_code ec;
  std::filesystem::create_directories(args[0], ec);
  for (const std::string_view file : shell::Vocabulary::fileOrder()) {
    const std::string_view name = file.substr(0, file.size() - 4);
    // The file history belongs to the user; it has no built-in entries to ship.
    if (name == shell::tables::EDHistry) continue;
    const std::string text = shell::joinLines(shell::Vocabulary::builtIn(name));
    const auto path = shell::joinPath(args[0], file);
    const auto r = model::saveFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    if (!r.ok) {
      ctx.err << r.error << '\n';
      return Failed;
    }
    ctx.out << path << '\n';
  }
  return Success;
}

}  // namespace
}  // namespace cli
