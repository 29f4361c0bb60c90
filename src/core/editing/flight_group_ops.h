#pragma once
// The operations of the flight-group list: new, move up and down, delete, cut, copy and paste,
// with the renumbering of every reference to a flight group that a move or delete requires.
// Each takes the edit being recorded (model::MissionEdit: the Mission and, optionally, the
// copy buffer) and the list selection and returns the selection afterwards, so that a caller
// can run one of them as a single undoable step. The forms taking a Mission apply at once.

#include <cstdint>
#include <vector>

#include "editing/references.h"
#include "model/mission.h"
#include "model/mission_edit.h"
#include "model/selection.h"

namespace editing {

// The selected lines of the flight-group list and the current (focused) one.
using FlightGroupSelection = model::Selection;

// Rewrites every flight-group reference of the Mission for a move or delete of group `a`: each
// record that the table of references reaches (`renumberRecord`): every flight group and the
// edit's copy buffer, every message, every team's global goals, every briefing.
void renumberReferences(model::MissionEdit& e, int a, Renumber code);
void renumberReferences(model::Mission& m, int a, Renumber code);

// Appends a flight group made from `tmpl` (Mission::addedFlightGroup); it becomes the only
// selected line.
FlightGroupSelection newFlightGroup(model::MissionEdit& e, const model::FlightGroup& tmpl,
                                    const model::MissionDefaults& defaults);
FlightGroupSelection newFlightGroup(model::Mission& m, const model::MissionDefaults& defaults = {});

// Up acts when the current line is not the first and the first line is not selected; down
// mirrors it. Each selected line trades places with its neighbour; the selection and the current
// line move with their groups.
bool canMoveUp(const model::Mission& m, const FlightGroupSelection& s);
bool canMoveDown(const model::Mission& m, const FlightGroupSelection& s);
FlightGroupSelection moveUp(model::MissionEdit& e, const FlightGroupSelection& s);
FlightGroupSelection moveDown(model::MissionEdit& e, const FlightGroupSelection& s);
FlightGroupSelection moveUp(model::Mission& m, const FlightGroupSelection& s);
FlightGroupSelection moveDown(model::Mission& m, const FlightGroupSelection& s);

// Deletes every selected group, bottom up. The current line drops by one for every deleted line
// (not below 0), is raised by one again unless it was 0, is held to the last line and becomes
// the only selected line. With exactly
// one flight group in the Mission the group is not removed: references to it are cleared as for
// a delete and it becomes a fresh copy of `tmpl`.
FlightGroupSelection deleteFlightGroups(model::MissionEdit& e, const FlightGroupSelection& s,
                                        const model::FlightGroup& tmpl);
FlightGroupSelection deleteFlightGroups(model::Mission& m, const FlightGroupSelection& s);

// Copies the current flight group into `buffer`; false when there is none.
bool copyFlightGroup(const model::Mission& m, const FlightGroupSelection& s,
                     model::FlightGroup& buffer);
// Copies the current group into the edit's buffer (a copy, not part of the recorded edit) and
// deletes every selected group. Does nothing on an empty list.
FlightGroupSelection cutFlightGroups(model::MissionEdit& e, const FlightGroupSelection& s,
                                     const model::FlightGroup& tmpl);
// Appends a copy of `buffer` at the end of the list (its auto-link flag on when the defaults
// say so, except in a Melee mission) and selects it.
FlightGroupSelection pasteFlightGroup(model::MissionEdit& e, const FlightGroupSelection& s,
                                      const model::FlightGroup& buffer,
                                      const model::MissionDefaults& defaults);

}  // namespace editing
