// Where the game decides, not the file: triggers on a group left out of the level, on a set of
// craft none of which is there, with a condition of no known meaning, and mother ships left out
// of the level. Only the formulas of what is there at the level count.
#include <optional>

#include "editing/references.h"
#include "flow/steps.h"

namespace flow {

namespace {

struct AdvisoryWalk {
  LevelRun& run;
  model::Text holder;  // "#7 Freighter", "Message #2 \"…\"", "Team 1's primary goal"
  Place holderPlace;
  std::vector<int> groups, messages;

  model::Text placeText(const Place& p) { return editing::placeForm(run.m, run.names.labels(), p); }
  void add(FindingKind kind, const Place& place, model::Text text, std::vector<Step> chain) {
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
    const model::Text where = triggerWhere(holderPlace.kind == PlaceKind::FlightGroup, n);
    const std::string asks = run.names.trigger(t);
    if (*kind == FindingKind::GroupNotAtLevel) {
      const std::string& group = run.names.label(t.node);
      add(*kind, place,
          model::Text(
              ZYNED_TEXT("core", "%1: %2 %3 is not there: whether \"%4\" is met is up to the game"),
              placeText(place), levelMark(), group, asks),
          {{place, model::Text(ZYNED_TEXT("core", "%1 waits on %2 (%3)"), holder, group, where)},
           {{PlaceKind::FlightGroup, t.node, 0, 0},
            model::Text(ZYNED_TEXT("core", "%1 is not there %2"), group, levelMark())}});
    } else if (*kind == FindingKind::NoneAtLevel) {
      const model::Text set = run.names.target(t.type, t.value);
      add(*kind, place,
          model::Text(ZYNED_TEXT("core",
                                 "%1: %2 there are no %3: whether \"%4\" is met at once is up to "
                                 "the game"),
                      placeText(place), levelMark(), set, asks),
          {{place, model::Text(ZYNED_TEXT("core", "%1 waits on %2 (%3)"), holder, set, where)},
           {place, model::Text(ZYNED_TEXT("core", "there are no %1 %2"), set, levelMark())}});
    } else {
      const std::string condition = std::to_string(t.condition);
      add(*kind, place,
          model::Text(ZYNED_TEXT("core",
                                 "%1: condition %2 has no known meaning: when \"%3\" is met is up "
                                 "to the game (%4)"),
                      placeText(place), condition, asks, levelMark()),
          {{place, model::Text(ZYNED_TEXT("core", "%1 waits on \"%2\" (%3)"), holder, asks, where)},
           {place,
            model::Text(ZYNED_TEXT("core", "condition %1 has no known meaning"), condition)}});
    }
  }

  // A mother ship (part 0) or its alternative (part 1) left out of the level.
  void motherShip(int g, int node, int part) {
    if (node < 0 || !run.v.level.absent[static_cast<std::size_t>(node)]) return;
    const Place place{PlaceKind::ArrivalMothership, g, part, 0};
    const std::string& ship = run.names.label(node);
    const model::Text words =
        model::text(editing::referenceRow(PlaceKind::ArrivalMothership, part).words.data());
    add(FindingKind::MothershipNotAtLevel, place,
        model::Text(ZYNED_TEXT("core", "%1: %2 %3 is not there: how %4 arrives is up to the game"),
                    placeText(place), levelMark(), ship, holder),
        {{place, model::Text(ZYNED_TEXT("core", "%1 arrives from %2 (%3)"), holder, ship, words)},
         {{PlaceKind::FlightGroup, node, 0, 0},
          model::Text(ZYNED_TEXT("core", "%1 is not there %2"), ship, levelMark())}});
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
    AdvisoryWalk walk{run, run.names.message(i, true), {PlaceKind::Message, i, 0, 0}, {}, {i}};
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
