#pragma once
// The one-line texts the editor shows for flight groups, triggers, order targets, orders and
// goals: the flight-group list, the name list that fills every flight-group picker, the team
// name list and the descriptions on the trigger, order and goal pages. All are pure functions of
// the Mission and the vocabulary tables; texts are single-byte (Windows-1252), like the records.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/change_set.h"
#include "model/colours.h"
#include "model/mission.h"
#include "shell/vocabulary.h"

namespace editing {

// Trigger and order target types that the descriptions and the renumbering know.
enum TargetType : int {
  TargetNone = 0,
  TargetFlightGroup = 1,
  TargetShipType = 2,
  TargetShipCategory = 3,
  TargetObjectCategory = 4,
  TargetIff = 5,
  TargetCraftWithOrders = 6,
  TargetCraftWhen = 7,
  TargetGlobalGroup = 8,
  TargetTeam = 12,
  TargetAllTeamsBut = 21,
  TargetGlobalUnit = 23,
};

// Global units that get craft numbers in the list and the name list.
inline constexpr int FirstNumberedUnit = 1;
inline constexpr int LastNumberedUnit = 50;

// For every flight group, the number its first craft has within its global unit: the units'
// craft are counted in list order from 1. Groups outside units 1..50 get 0.
std::vector<int> globalUnitNumbers(const model::Mission& m);
// The same for one flight group (counts only the groups before it).
int globalUnitNumber(const model::Mission& m, std::size_t fg);

// The ten team entries of every team picker: "1.Imperial" … "10.Name" (number, full stop, name).
std::vector<std::string> teamNameList(const model::Mission& m);

// Entry of the flight-group name list: craft name, name, the player "(n)" or the unit number.
std::string nameListEntry(const model::Mission& m, const shell::Vocabulary& v, std::size_t fg);
std::vector<std::string> nameList(const model::Mission& m, const shell::Vocabulary& v);
// The name-list entry after the group's number in the list: "#3 Light Fighter Sigma" (two groups
// of one name stay apart).
std::string numberedName(const model::Mission& m, const shell::Vocabulary& v, std::size_t fg);

// Line of the flight-group list: team, GG - GU, player or difficulty, waves x [count] craft name,
// unit number, role marks and, when `withGoals` is set, the goal summary.
std::string listLine(const model::Mission& m, const shell::Vocabulary& v, std::size_t fg,
                     bool withGoals);
std::vector<std::string> listLines(const model::Mission& m, const shell::Vocabulary& v,
                                   bool withGoals);
// The lines of the flight-group list that a change of flight-group records `c` leaves out of
// date (the list itself unchanged): the touched groups' own, and where a global unit or a craft
// count changed, every line from the first touched group on (their craft numbers count the
// craft of the groups before them).
std::vector<int> staleListLines(const model::Mission& m, const model::ChangeSet& c);
// The code a goal condition has in the goal summary ("a", "d", "dk", … or "*").
std::string goalConditionCode(int condition);
// The goal summary of one flight group (" [1d2Nd]", "+ [1a]" and the like), without the blank that
// separates it from a line without role marks.
std::string goalSummary(const model::FlightGroup& g);

// "[2] Craft Name": the clipboard box and the goal page header.
std::string shortDescription(const model::FlightGroup& g, const shell::Vocabulary& v);

// Colour of a flight group's line: its IFF colour, grey when it never appears.
model::Rgb listColour(const model::FlightGroup& g);

// Trigger and order target of a type and value ("Red 1", "FG#12", "Team Rebel", …).
std::string describeTarget(const model::Mission& m, const shell::Vocabulary& v, int type,
                           int value);
// A 4-byte trigger: "100% of Red 1 must be destroyed", "(Always true)", …
std::string describeTrigger(const model::Mission& m, const shell::Vocabulary& v,
                            model::CBytes trigger);
// An 82-byte order as its box names it: "Attack targets:  Red 1 or Blue 2  /  …"; order 0, which
// takes no targets, is "(No Order)".
std::string describeOrder(const model::Mission& m, const shell::Vocabulary& v, model::CBytes order);
// A 78-byte flight-group goal: "100% of it must be destroyed : 500 Pts  - Team Rebel".
std::string describeGoal(const model::Mission& m, const shell::Vocabulary& v, model::CBytes goal);

// Blanks and control characters removed at both ends.
std::string trimmed(std::string_view s);

}  // namespace editing
