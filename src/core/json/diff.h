#pragma once
// The difference of two missions field by field, for people: one line per differing value,
// naming the record by its number (and name, for flight groups and teams), the field and both
// values; a flight group or message inserted or removed is one line.
//
//   FlightGroups[2] "Beta": CraftType 5 -> 12
//   FlightGroups[2] "Beta".Orders[0]: Throttle 10 -> 4
//   Messages[4]: Text "Go" -> "Go now"
//   Briefings[1].Events[12]: 34 -> 3
//   FlightGroups[3] "Gamma": inserted
//   Header: FlightGroupCount 3 -> 4
//
// Left of the colon stands where the value lives (a record, a nested part, an array entry), right
// of it the field's name when the value is one, then old -> new. A record that moved shows both
// numbers: FlightGroups[2->3]. A value only one side has shows as "none".

#include <string>
#include <vector>

#include "model/mission.h"

namespace json {

std::vector<std::string> diffMissions(const model::Mission& a, const model::Mission& b);

// The lines of diffMissions in one line for a list: the changed fields counted per kind of
// record, then the records inserted and removed, such as "3 fields in 2 flight groups, 1 message
// added"; "no differences" for none.
std::string diffSummary(const std::vector<std::string>& lines);

}  // namespace json
