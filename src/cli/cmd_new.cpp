// zyned-cli new: the default new mission, or the one the new-mission wizard builds.
#include <ostream>

#include "command.h"
#include "editing/wizard.h"
#include "model/mission_file.h"
#include "options.h"
#include "shell/settings_file.h"

namespace cli {
namespace {

int runNew(const std::vector<std::string>& arguments, Context& ctx);

const Command newCommand{
    "new",
    "--format 12|14 [--wizard training|combat|melee] [--players N] "
    "[--iff rebel|imperial] [--teams N] [--no-default-orders] [--config-dir DIR] OUT",
    "write the default new mission, or the one the new-mission wizard builds", runNew,
    "--format 12|14\tthe base game's format or the expansion's\n--wizard KIND\tthe "
    "mission the new-mission wizard builds: training (--players 1, 2 or 8; --iff "
    "rebel or imperial), combat (--players 2, 4 or 8) or melee (--teams 2, 4 or "
    "8)\n--no-default-orders\tno default first order for the player groups\n--config-dir DIR\tthe "
    "settings whose flight-group defaults the new groups take\n\nA value the "
    "wizard does not offer, or an option that does not belong to the chosen kind, is "
    "refused with exit status 2 and nothing is written."};
const Registration newRegistration{newCommand};

// A refusal of a value the wizard does not offer: the message, then usage status.
int refuse(Context& ctx, const std::string& message) {
  ctx.err << "zyned-cli new: " << message << '\n';
  return UsageError;
}

bool wholeNumber(const std::string& s, int& out) {
  if (s.empty() || s.size() > 3) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  out = std::stoi(s);
  return true;
}

// The options of the command, as typed.
struct NewOptions {
  std::optional<std::string> format, kind, players, iff, teams;
  bool noOrders = false;
};

// The wizard's choices from the options, into `c`; the exit status when one is refused.
std::optional<int> readWizardChoices(const NewOptions& o, Context& ctx, editing::WizardChoices& c) {
  c.defaultOrders = !o.noOrders;
  if (*o.kind == "training")
    c.kind = editing::WizardKind::Training;
  else if (*o.kind == "combat")
    c.kind = editing::WizardKind::Combat;
  else if (*o.kind == "melee")
    c.kind = editing::WizardKind::Melee;
  else
    return refuse(ctx, "--wizard must be training, combat or melee");

  const bool melee = c.kind == editing::WizardKind::Melee;
  if (melee && o.players) return refuse(ctx, "a melee is set by --teams, not --players");
  if (!melee && o.teams) return refuse(ctx, "--teams is for --wizard melee only");
  if (o.iff && c.kind != editing::WizardKind::Training)
    return refuse(ctx, "--iff is for --wizard training only");
  if (o.iff && *o.iff != "rebel" && *o.iff != "imperial")
    return refuse(ctx, "--iff must be rebel or imperial");
  c.trainingRebel = !o.iff || *o.iff == "rebel";

  int n = 0;
  if (o.players && !wholeNumber(*o.players, n)) return refuse(ctx, "--players must be a number");
  if (o.players) c.trainingPlayers = c.combatPlayers = n;
  if (o.teams && !wholeNumber(*o.teams, n)) return refuse(ctx, "--teams must be a number");
  if (o.teams) c.meleeTeams = n;
  if (const auto error = editing::wizardChoiceError(c)) return refuse(ctx, *error);
  return std::nullopt;
}

int runNew(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  NewOptions o;
  for (auto [name, value] : {std::pair{"--format", &o.format}, std::pair{"--wizard", &o.kind},
                             std::pair{"--players", &o.players}, std::pair{"--iff", &o.iff},
                             std::pair{"--teams", &o.teams}})
    if (!takeOption(args, name, *value)) return usage(newCommand, ctx);
  o.noOrders = std::erase(args, std::string("--no-default-orders")) > 0;
  // New flight groups follow the settings, as in the editor.
  std::string settingsPath;
  if (!takeSettingsPath(args, ctx, settingsPath)) return usage(newCommand, ctx);
  const model::MissionDefaults defaults =
      shell::missionDefaults(readSettingsWarning(settingsPath, ctx));
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) return usage(newCommand, ctx);

  model::Mission m;
  if (o.format == "12")
    m.platformId = model::FormatBase;
  else if (o.format == "14")
    m.platformId = model::FormatExpansion;
  else
    return o.format ? refuse(ctx, "--format must be 12 or 14") : usage(newCommand, ctx);

  if (!o.kind) {
    if (o.players || o.iff || o.teams || o.noOrders)
      return refuse(ctx, "--players, --iff, --teams and --no-default-orders need --wizard");
    m.newMission(defaults);
  } else {
    editing::WizardChoices c;
    if (const auto refused = readWizardChoices(o, ctx, c)) return *refused;
    editing::buildWizardMission(m, c, defaults);
  }

  const model::SaveResult r = model::saveMissionFile(m, args[0]);
  if (!r.ok) {
    ctx.err << r.error << '\n';
    return Failed;
  }
  ctx.out << model::savedBytesNotice(m.platformId, r.bytes) << '\n';
  return Success;
}

}  // namespace
}  // namespace cli
