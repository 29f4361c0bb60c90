#pragma once
// The words of the mission-flow analysis: the names its texts use, why a time is never or only a
// lower bound, the events (messages, global goals) with their reasons, and the chain of why a
// group never arrives. Seen by the analysis' own files only.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "editing/descriptions.h"
#include "editing/messages.h"
#include "flow/plan.h"
#include "model/texts.h"
#include "shell/vocabulary.h"

namespace flow {

// Where the level phrase goes in a finding's text and chain ("at Medium and Hard"), filled in
// once the levels where it holds are known.
inline constexpr std::string_view LevelMark = "\x01";
inline model::Text levelMark() {
  return model::Text(std::string(LevelMark));
}

// The names the texts use, built once when the first text needs them.
class Names {
 public:
  Names(const model::Mission& m, const shell::Vocabulary& v) : m_(m), v_(v) {}
  const std::string& group(int g) {
    fill();
    return list_[static_cast<std::size_t>(g)];
  }
  // "#3 Heavy Fighter Gold".
  const std::string& label(int g) {
    fill();
    return labels_[static_cast<std::size_t>(g)];
  }
  const std::vector<std::string>& labels() {
    fill();
    return labels_;
  }
  model::Text target(int type, int value) {
    if (type == editing::TargetFlightGroup)
      return value < static_cast<int>(m_.flightGroups.size()) ? model::Text(label(value))
                                                              : missing(value);
    return editing::describeTarget(m_, v_, type, value);
  }
  // A flight-group number beyond the list, counted from 1 as the list counts.
  static model::Text missing(int value) {
    return model::Text(ZYNED_TEXT("core", "flight group %1"), std::to_string(value + 1));
  }
  std::string condition(int c) { return v_.text(shell::tables::Conds, c, std::to_string(c)); }
  // The trigger as its description reads it: "100% of Assault Fighter must be destroyed".
  std::string trigger(const Term& t) {
    const auto bytes = t.bytes();
    return editing::describeTrigger(m_, v_, model::CBytes(bytes));
  }
  // "message #2 \"…\"" inside a sentence, "Message #2 \"…\"" leading one.
  model::Text message(int i, bool leading = false) {
    return model::Text(leading ? ZYNED_TEXT("core", "Message #%1 \"%2\"")
                               : ZYNED_TEXT("core", "message #%1 \"%2\""),
                       std::to_string(i + 1),
                       editing::trimmed(editing::shownMessageText(
                           m_.messages[static_cast<std::size_t>(i)].textValue())));
  }
  // "Team 1's primary goal".
  static model::Text teamGoal(int team, int goalSet) {
    const char* form = goalSet == 0   ? ZYNED_TEXT("core", "Team %1's primary goal")
                       : goalSet == 1 ? ZYNED_TEXT("core", "Team %1's prevent goal")
                                      : ZYNED_TEXT("core", "Team %1's secondary goal");
    return model::Text(form, std::to_string(team + 1));
  }
  const model::Mission& mission() const { return m_; }
  const shell::Vocabulary& vocabulary() const { return v_; }

  // Texts worked out once for every level, by what they are about.
  std::unordered_map<const void*, model::Text> memo;

 private:
  void fill() {
    if (!list_.empty() || m_.flightGroups.empty()) return;
    list_ = editing::nameList(m_, v_);
    labels_.reserve(list_.size());
    for (std::size_t g = 0; g < list_.size(); ++g) {
      std::string label = "#";
      label.append(std::to_string(g + 1)).append(" ").append(list_[g]);
      labels_.push_back(std::move(label));
    }
  }

  const model::Mission& m_;
  const shell::Vocabulary& v_;
  std::vector<std::string> list_, labels_;
};

std::string join(const std::vector<std::string>& parts, std::string_view sep);
void sortUnique(std::vector<int>& v);

// The place of trigger n of a holder's formula (`holder` names its record and, for global goals,
// its goal set).
Place triggerPlace(Place holder, int n);
// "arrival trigger 2" (`arrival`), "trigger 1".
model::Text triggerWhere(bool arrival, int n);

// Why a formula is never met, one cause per never-met trigger on the branch that decides, each
// led by "arrival trigger n" for an `arrival` formula, else "trigger n".
void neverCauses(Names& names, const Formula& f, bool arrival, const Values& v,
                 std::vector<model::Text>& out);
// The trigger (1..4) of a never-met formula that keeps it from being met, 0 when it can be met.
int firstNeverTerm(const Formula& f, const Values& v);
// Why a formula's time is only a lower bound: the first trigger on the branch giving the time.
model::Text formulaBoundCause(Names& names, const Formula& f, bool arrival, const Values& v);
// Each group's reason: why it never arrives, why it is not at the level, or why its time is only
// a lower bound.
model::Text arrivalReason(Names& names, const Values& v, const Arrival& a, int g);
// A message or global goal: its triggers over the final arrivals, plus a delay.
Event eventOf(Names& names, const Formula& f, int delay, const Values& v);
// Whether a global goal's triggers use a condition other than always and never true.
bool inUse(const Formula& f);

// Why group g never arrives, step by step: each trigger or mother ship it waits on, down to a
// trigger that is never true or back to a group already named (they wait on each other). With a
// cycle, the steps follow its groups.
std::vector<Step> arrivalChain(Names& names, const Values& v, int g,
                               const std::vector<int>* cycle = nullptr);
// Why a message's or global goal's formula is never met: its first never-met trigger, then the
// chain of the group that trigger waits on.
std::vector<Step> formulaChain(Names& names, const Values& v, const Formula& f,
                               const model::Text& holder, Place holderPlace);

}  // namespace flow
