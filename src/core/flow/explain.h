#pragma once
// The words of the mission-flow analysis: the names its texts use, why a time is never or only a
// lower bound, and the events (messages, global goals) with their reasons. Seen by the analysis'
// own files only.

#include <string>
#include <string_view>
#include <vector>

#include "editing/descriptions.h"
#include "editing/messages.h"
#include "flow/plan.h"
#include "shell/vocabulary.h"

namespace flow {

// The names the texts use, built once when the first text needs them.
class Names {
 public:
  Names(const model::Mission& m, const shell::Vocabulary& v) : m_(m), v_(v) {}
  const std::string& group(int g) {
    if (list_.empty() && !m_.flightGroups.empty()) list_ = editing::nameList(m_, v_);
    return list_[static_cast<std::size_t>(g)];
  }
  std::string label(int g) { return "#" + std::to_string(g + 1) + " " + group(g); }
  std::string target(int type, int value) {
    if (type == editing::TargetFlightGroup)
      return value < static_cast<int>(m_.flightGroups.size()) ? label(value) : missing(value);
    return editing::describeTarget(m_, v_, type, value);
  }
  // A flight-group number beyond the list, counted from 1 as the list counts.
  static std::string missing(int value) { return "flight group " + std::to_string(value + 1); }
  std::string condition(int c) { return v_.text(shell::tables::Conds, c, std::to_string(c)); }
  std::string message(int i) {
    return "message #" + std::to_string(i + 1) + " \"" +
           editing::trimmed(
               editing::shownMessageText(m_.messages[static_cast<std::size_t>(i)].textValue())) +
           "\"";
  }

 private:
  const model::Mission& m_;
  const shell::Vocabulary& v_;
  std::vector<std::string> list_;
};

std::string join(const std::vector<std::string>& parts, std::string_view sep);
std::string capitalised(std::string s);
void sortUnique(std::vector<int>& v);

// Why a formula is never met, one cause per never-met trigger on the branch that decides, each
// led by `prefix` ("arrival ").
void neverCauses(Names& names, const Formula& f, std::string_view prefix,
                 const std::vector<Val>& value, std::vector<std::string>& out);
// Why a formula's time is only a lower bound: the first trigger on the branch giving the time.
std::string formulaBoundCause(Names& names, const Formula& f, std::string_view prefix,
                              const std::vector<Val>& value);
// Each group's reason: why it never arrives or why its time is only a lower bound.
std::string arrivalReason(const model::Mission& m, const shell::Vocabulary& v, const Plan& p,
                          const std::vector<Val>& value, Names& names, const Arrival& a, int g,
                          Difficulty d);
// A message or global goal: its triggers over the final arrivals, plus a delay.
Event eventOf(Names& names, const Plan& p, const Formula& f, int delay,
              const std::vector<Val>& value);
// Whether a global goal's triggers use a condition other than always and never true.
bool inUse(const Formula& f);

}  // namespace flow
