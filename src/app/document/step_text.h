#pragma once
// The text of every undo step, made here in one grammar and marked for translation here:
// - a field: "Edit" and the field ("Edit Delay", "Edit Craft Type", "Edit Team Name");
// - an operation: a verb and its object, one record named ("Delete flight group Red 1",
//   "Auto-Brief briefing 1"), several counted ("Paste 3 flight groups", "Move 2 craft").
// The Edit menu ("&Undo Move 2 craft") and View › "Undo History" show them.

#include <QString>

#include <string_view>
#include <vector>

class QWidget;

namespace model {
struct Mission;
}

namespace app {

// "Edit" and the title of the field of that name: "Edit Craft Type" for "CraftType".
QString editText(std::string_view fieldName);
// "Edit" and what is edited, given in words: "Edit Team Name", "Edit Map Tag 3".
QString editText(const QString& what);
// The caption a page shows for `control`, as the user reads it there: the label whose buddy it
// is, or the text of a check box or radio button ("Craft per wave" for "Craft per wave:");
// empty when it has none. Undo steps of a control are "Edit" and its caption.
QString shownCaption(const QWidget* control);

// What an operation does to its object.
enum class Verb {
  New,             // "New flight group"
  Add,             // "Add 3 flight groups"
  AddFromLibrary,  // "Add 2 flight groups from the library"
  Insert,          // "Insert instruction"
  Place,           // "Place Light Fighter"
  Delete,          // "Delete flight group Red 1"
  Cut,             // "Cut 2 messages"
  Paste,           // "Paste flight group Red 1"
  Copy,            // "Copy briefing 1 to briefing 3" (with a target)
  Move,            // "Move 2 craft", "Move WP 1"
  MoveUp,          // "Move message 3 up"
  MoveDown,        // "Move 3 flight groups down"
  Set,             // "Set icon positions of briefing 1 to Start 1" (with a target)
  Clear,           // "Clear sound of message 3"
  Create,          // "Create sound list"
  Change,          // "Change format"
  Load,            // "Load .brf file M01.brf"
  Store,           // "Store briefing 1"
  LinkByRadio,     // "Link team Rebel by radio"
  AutoLink,        // "Auto-link every flight group"
  Unlink,          // "Unlink every flight group"
  AutoBrief,       // "Auto-Brief briefing 1"
};

// The records an operation acts on.
enum class Records { FlightGroup, Message, Craft, Instruction, Briefing, Team };
// A count that stands for every record of the kind.
inline constexpr int Every = -1;
// "flight group Red 1" (one, named), "flight group" (one), "3 flight groups", "every flight
// group".
QString records(Records kind, int count, const QString& name = {});
// The flight groups at `rows` of `m`, named by their names; the messages by their numbers.
QString flightGroups(const model::Mission& m, const std::vector<int>& rows);
QString messages(const std::vector<int>& rows);

// A verb and its object ("Delete flight group Red 1"), and the target of the verbs that take one
// ("Copy briefing 1 to briefing 3").
QString stepText(Verb verb, const QString& object, const QString& target = {});
inline QString stepText(Verb verb, Records kind, int count, const QString& name = {}) {
  return stepText(verb, records(kind, count, name));
}

}  // namespace app
