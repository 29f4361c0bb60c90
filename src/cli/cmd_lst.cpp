// zyned-cli lst and lst-add: the game's mission lists of a mission file, and entering the
// mission into them as the ".lst Files" window's "&Auto-Add" and "&OK" do.
#include <algorithm>
#include <ostream>

#include "command.h"
#include "lists/game_lists.h"
#include "lists/text_file.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"
#include "shell/settings_file.h"

namespace cli {
namespace {

int runLst(const std::vector<std::string>& arguments, Context& ctx);
int runLstAdd(const std::vector<std::string>& arguments, Context& ctx);

const Command lstCommand{
    "lst", "FILE [--config-dir DIR]",
    "the mission folder, player's side, applicable game lists and their mission entries", runLst,
    "Prints Folder:, Side:, Lists:, Next: (the next free entry number over the "
    "folder's three lists), then each applicable list with one "
    "number<TAB>file<TAB>description line per entry. The game folders come from the "
    "settings; files are found in any letter case."};
const Command lstAddCommand{
    "lst-add", "FILE --description TEXT [--number N] [--backup] [--again] [--config-dir DIR]",
    "enters the mission into its game lists (with --backup: .~ls copies first)", runLstAdd,
    "Appends the entry to every applicable list as the editor's .lst Files window "
    "does, all lists or none. A mission the lists cannot take, a write-protected "
    "list, or a text with a line break or a character Windows-1252 lacks is refused "
    "and nothing is written; so is a mission a list already enters (its file name in "
    "any letter case) unless --again is given.\n\n--description TEXT\tthe entry's description "
    "(UTF-8)\n--number N\tthe entry number (default: the next free one)\n--backup\tfirst "
    "copy each list to Mission.~ls, Rebel.~ls or Imperial.~ls\n--again\tenter a mission its "
    "lists already enter a second time"};
const Registration lstRegistration{lstCommand};
const Registration lstAddRegistration{lstAddCommand};

std::string utf8(const std::string& s) {
  return model::cp1252ToUtf8(s);
}

int runLst(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  std::string settingsPath;
  if (!takeSettingsPath(args, ctx, settingsPath)) return usage(lstCommand, ctx);
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) return usage(lstCommand, ctx);
  const shell::Settings settings = shell::readSettings(settingsPath);
  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;

  const std::string folder = lists::missionFolder(settings, mission);
  const auto side = lists::playerSide(mission);
  const auto applicable = lists::applicableLists(mission.missionType(), side);
  // A list that cannot be read is an error, never an empty list: its entries and numbers would
  // be missing from what is shown.
  lists::GameListFiles files;
  std::string error;
  if (!lists::readGameLists(folder, files, error)) {
    ctx.err << error << '\n';
    return Failed;
  }
  std::vector<std::string> all;
  for (const auto& lines : files.lines) all.insert(all.end(), lines.begin(), lines.end());
  ctx.out << "Folder: " << folder << '\n';
  ctx.out << "Side: " << lists::sideName(side) << '\n';
  ctx.out << "Lists: ";
  for (std::size_t i = 0; i < applicable.size(); ++i)
    ctx.out << (i ? ", " : "") << lists::listFileName(applicable[i]);
  ctx.out << '\n';
  ctx.out << "Next: " << lists::nextFreeNumber(all) << '\n';
  for (const lists::GameList l : applicable) {
    ctx.out << '[' << lists::listFileName(l) << "]\n";
    for (const lists::ListEntry& e : lists::listEntries(files.lines[static_cast<std::size_t>(l)]))
      ctx.out << utf8(e.number) << '\t' << utf8(e.file) << '\t' << utf8(e.description) << '\n';
  }
  return Success;
}

int runLstAdd(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  const bool backup = std::erase(args, std::string("--backup")) > 0;
  const bool again = std::erase(args, std::string("--again")) > 0;
  std::optional<std::string> description, number;
  std::string settingsPath;
  if (!takeOption(args, "--description", description) || !takeOption(args, "--number", number) ||
      !takeSettingsPath(args, ctx, settingsPath) || !description ||
      (number && !lists::isEntryNumber(*number)) || args.size() != 1 ||
      (args[0].size() > 1 && args[0][0] == '-'))
    return usage(lstAddCommand, ctx);
  const shell::Settings settings = shell::readSettings(settingsPath);
  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;

  std::string message;
  auto session = lists::openListSession(settings, mission, args[0], message);
  if (!session) {
    ctx.err << message << '\n';
    return Failed;
  }
  // Every refusal comes before the first file is touched, the backups included.
  if (description->empty()) {
    ctx.err << lists::lsttext::NoDescription << '\n';
    return Failed;
  }
  std::string line;
  if (!lists::listLineFromUtf8("description", *description, line, message)) {
    ctx.err << message << '\n';
    return Failed;
  }
  if (!session->missionFileRefusal.empty()) {
    ctx.err << session->missionFileRefusal << '\n';
    return Failed;
  }
  // The editor asks before listing a mission twice; here --again is the yes.
  if (const auto entering = lists::listsEntering(*session); !entering.empty() && !again) {
    ctx.err << lists::lsttext::listedAlready(session->missionFile, entering)
            << " Nothing was written; --again adds it a second time.\n";
    return Failed;
  }
  if (backup && !lists::backupListSession(*session, message)) {
    ctx.err << message << '\n';
    return Failed;
  }
  const std::string entryNumber = number ? *number : std::to_string(session->nextNumber);
  if (!lists::autoAdd(*session, entryNumber, line, message)) {
    ctx.err << message << '\n';
    return Failed;
  }
  std::vector<std::string> written;
  if (!lists::writeListSession(*session, message, &written)) {
    ctx.err << message << '\n';
    return Failed;
  }
  for (const std::string& path : written)
    ctx.out << "Added " << entryNumber << " to " << path << '\n';
  return Success;
}

}  // namespace
}  // namespace cli
