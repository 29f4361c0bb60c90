// Where the game decides, not the file: triggers on a group left out of the level, on a set of
// craft none of which is there, with a condition of no known meaning, and mother ships left out
// of the level. Only the formulas of what is there at the level count.
#include <optional>

#include "editing/references.h"
#include "flow/steps.h"

namespace flow {

namespace {

const std::string Mark(LevelMark);

struct AdvisoryWalk {
  LevelRun& run;
  std::string holder;  // "#7 Freighter", "Message #2 \"…\"", "Team 1's primary goal"
  Place holderPlace;
  std::vector<int> groups, messages;

  std::string placeText(const Place& p) { return editing::placeText(run.m, run.names.labels(), p); }
  void add(FindingKind kind, const Place& place, std::string text, std::vector<Step> chain) {
    run.out.add({kind, groups, messages, place, std::move(text), {}, std::move(chain)},
                run.v.level.difficulty);
  }

  void formula(const Formula& f) {
    for (int n = 1; n <= 4; ++n) term(f.terms[static_cast<std::size_t>(n - 1)], n);
  }

  // The kind of advisory a term gives at the level, if any.
  std::optional<FindingKind> advisoryOf(const Term& t) const {
    const Plan& p = run.v.plan;
    if (t.kind == Term::Group && run.v.level.untold(p, t.node)) return FindingKind::GroupNotAtLevel;
    if (t.kind == Term::Set && run.v.level.untold(p, t.node) &&
        !p.setMembers[static_cast<std::size_t>(t.node - p.groups)].empty())
      return FindingKind::NoneAtLevel;
    if (t.cause == Term::UnknownCondition) return FindingKind::UnknownCondition;
    return std::nullopt;
  }

  void term(const Term& t, int n) {
    const std::optional<FindingKind> kind = advisoryOf(t);
    if (!kind) return;
    const Place place = triggerPlace(holderPlace, n);
    const std::string where =
        triggerWhere(holderPlace.kind == PlaceKind::FlightGroup ? "arrival " : "", n);
    const std::string asks = run.names.trigger(t);
    if (*kind == FindingKind::GroupNotAtLevel) {
      const std::string& group = run.names.label(t.node);
      add(*kind, place,
          placeText(place) + ": " + Mark + " " + group + " is not there: whether \"" + asks +
              "\" is met is up to the game",
          {{place, holder + " waits on " + group + " (" + where + ")"},
           {{PlaceKind::FlightGroup, t.node, 0, 0}, group + " is not there " + Mark}});
    } else if (*kind == FindingKind::NoneAtLevel) {
      const std::string set = run.names.target(t.type, t.value);
      add(*kind, place,
          placeText(place) + ": " + Mark + " there are no " + set + ": whether \"" + asks +
              "\" is met at once is up to the game",
          {{place, holder + " waits on " + set + " (" + where + ")"},
           {place, "there are no " + set + " " + Mark}});
    } else {
      const std::string condition = std::to_string(t.condition);
      add(*kind, place,
          placeText(place) + ": condition " + condition + " has no known meaning: when \"" + asks +
              "\" is met is up to the game (" + Mark + ")",
          {{place, holder + " waits on \"" + asks + "\" (" + where + ")"},
           {place, "condition " + condition + " has no known meaning"}});
    }
  }

  // A mother ship (part 0) or its alternative (part 1) left out of the level.
  void motherShip(int g, int node, int part) {
    if (node < 0 || !run.v.level.absent[static_cast<std::size_t>(node)]) return;
    const Place place{PlaceKind::ArrivalMothership, g, part, 0};
    const std::string ship = run.names.label(node);
    add(FindingKind::MothershipNotAtLevel, place,
        placeText(place) + ": " + Mark + " " + ship + " is not there: how " + holder +
            " arrives is up to the game",
        {{place, holder + " arrives from " + ship + " (" +
                     std::string(editing::referenceRow(PlaceKind::ArrivalMothership, part).words) +
                     ")"},
         {{PlaceKind::FlightGroup, node, 0, 0}, ship + " is not there " + Mark}});
  }
};

}  // namespace

void advisories(LevelRun& run) {
  const Plan& p = run.v.plan;
  for (int g = 0; g < p.groups; ++g) {
    if (run.v.level.absent[static_cast<std::size_t>(g)]) continue;
    AdvisoryWalk walk{run, run.names.label(g), {PlaceKind::FlightGroup, g, 0, 0}, {g}, {}};
    walk.formula(p.arrival[static_cast<std::size_t>(g)]);
    const Mother& mo = p.mother[static_cast<std::size_t>(g)];
    if (mo.via) walk.motherShip(g, mo.node, 0);
    if (mo.via && mo.altVia) walk.motherShip(g, mo.alt, 1);
  }
  for (int i = 0; i < static_cast<int>(p.messages.size()); ++i) {
    AdvisoryWalk walk{
        run, capitalised(run.names.message(i)), {PlaceKind::Message, i, 0, 0}, {}, {i}};
    walk.formula(p.messages[static_cast<std::size_t>(i)]);
  }
  for (const GlobalGoalTime& goal : run.r.globalGoals) {
    AdvisoryWalk walk{run,
                      Names::teamGoal(goal.team, goal.goalSet),
                      {PlaceKind::GlobalGoal, goal.team, goal.goalSet, 0},
                      {},
                      {}};
    walk.formula(
        p.globalGoals[static_cast<std::size_t>(goal.team)][static_cast<std::size_t>(goal.goalSet)]);
  }
}

}  // namespace flow
