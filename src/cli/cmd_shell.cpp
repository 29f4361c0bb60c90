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
    "settings", "[--config-dir DIR]",
    "every setting of ZynED.ini as Section.Key=value, then the derived folders", runSettings};
const Command vocabCommand{
    "vocab", "TABLE [--editor-dir DIR]",
    "a vocabulary table as the editor loads it, one index<TAB>text line per entry", runVocab};
const Command vocabExportCommand{
    "vocab-export", "DIR", "write the built-in vocabulary tables as replacement files into DIR",
    runVocabExport};
const Registration registrations[] = {Registration(settingsCommand), Registration(vocabCommand),
                                      Registration(vocabExportCommand)};

int runSettings(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  std::string path;
  if (!takeSettingsPath(args, ctx, path) || !args.empty()) return usage(settingsCommand, ctx);
  std::string error;
  const shell::Settings s = shell::readSettings(path, nullptr, &error);
  if (!error.empty()) {
    ctx.err << error << '\n';
    return Failed;
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
    const auto r =
        model::writeFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
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
