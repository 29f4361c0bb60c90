// The flow's target check: places whose target names no flight group of the mission at any
// level.
#include "editing/references.h"
#include "flow/rules.h"
#include "flow/steps.h"

namespace flow {

namespace {

// Places whose target names no flight group of the mission.
struct NothingCheck {
  const model::Mission& m;
  Names& names;
  Collector& out;
  std::vector<signed char> emptySet = std::vector<signed char>(SetSlotCount, -1);  // by slot

  // The finding of a place, its text led by the place's words.
  void add(const editing::Reference& r, model::Text what) {
    std::vector<int> groups, messages;
    if (r.row->record == model::RecordKind::FlightGroup) groups.push_back(r.place.record);
    if (r.row->record == model::RecordKind::Message) messages.push_back(r.place.record);
    model::Text text(ZYNED_TEXT("core", "%1: names %2"),
                     editing::placeForm(m, names.labels(), r.place), std::move(what));
    std::vector<Step> chain{{r.place, text}};
    out.addEverywhere({FindingKind::NamesNothing,
                       std::move(groups),
                       std::move(messages),
                       r.place,
                       std::move(text),
                       {},
                       std::move(chain)});
  }

  void target(const editing::Reference& r) {
    if (r.type == editing::TargetFlightGroup) {
      if (r.value >= static_cast<int>(m.flightGroups.size()))
        add(r, model::Text(ZYNED_TEXT("core", "%1, which the mission does not have"),
                           Names::missing(r.value)));
      return;
    }
    const int slot = setSlot(r.type, r.value);
    if (slot < 0) return;
    signed char& empty = emptySet[static_cast<std::size_t>(slot)];
    if (empty < 0) empty = targetMembers(m, r.type, r.value).members.empty() ? 1 : 0;
    if (empty)
      add(r, {sortedByTheEditor(r.type)
                  ? ZYNED_TEXT("core",
                               "%1, and no flight group of the mission is one (as the "
                               "editor sorts craft into categories; the game may differ)")
                  : ZYNED_TEXT("core", "%1, and no flight group of the mission is one"),
              {names.target(r.type, r.value)}});
  }
};

}  // namespace

void namesNothing(const model::Mission& m, Names& names, Collector& out) {
  NothingCheck check{m, names, out};
  // A trigger whose condition has no known meaning says nothing the check could stand on.
  editing::forEachReference(m, [&](const editing::Reference& r) {
    if (r.inUse && (r.condition < 0 || knownCondition(r.condition))) check.target(r);
  });
}

}  // namespace flow
