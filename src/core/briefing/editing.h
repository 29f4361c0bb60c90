#pragma once
// Editing rules of the command list and of whole briefings: the time sort, inserting with
// automatic box and tag slots, deleting, moving, the time adjustment, copying a briefing or its
// icon positions, and Auto-Brief.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "briefing/commands.h"
#include "model/mission.h"
#include "model/mission_edit.h"
#include "model/texts.h"

namespace briefing {

// Exchange sort by time as the instruction list does before every redisplay: commands of equal
// time never swap directly. `selected` follows the command it is on.
void sortByTime(CommandList& list, int& selected);
// The instruction list of a briefing as the editor shows it and `zyned-cli briefing` prints it:
// the decoded stream in that time order. `selected`, when given, is kept within the list and
// follows its command.
Decoded instructionList(const model::Briefing& b, int* selected = nullptr);

inline constexpr const char* BoxesInUseMessage =
    ZYNED_TEXT("core",
               "Seems like all FG Boxes are in use. It would be best to put in a \"Clear Boxes\" "
               "instruction before boxing more FGs");
inline constexpr const char* TagsInUseMessage =
    ZYNED_TEXT("core",
               "Seems like all Map Tags are in use. It would be best to put in a \"Clear Tags\" "
               "instruction before adding more Tags");

// The slot code a new box (or tag) before position `before` takes: one above the highest used
// since the last clear, the first when none; `full` is set when every slot is taken (the first
// is used again).
int nextBoxCode(const CommandList& list, int before, bool& full);
int nextTagCode(const CommandList& list, int before, bool& full);

// A new command of `code` (a box or tag code picks its own slot) inserted before `selected`
// on the instruction list: its time is the selected command's, the one before it for the end
// marker, 0 for the first. Returns the new position; `message` gets a slot warning (a marked
// text: BoxesInUseMessage or TagsInUseMessage).
int insertOnList(CommandList& list, int selected, int code, std::string& message);
// A new command at time t inserted before the first command after `selected` that comes later
// than t (the end marker at the latest), as the preview places it.
int insertAtTime(CommandList& list, int selected, int code, int t, std::string& message);
// A command of `code` with its starting parameters (zoom 32 for a zoom).
Command newCommand(int code, int time);

bool canDelete(const CommandList& list, int selected);
bool canMoveUp(const CommandList& list, int selected);
bool canMoveDown(const CommandList& list, int selected);
// Moving exchanges the two commands and their times, so the order survives the next sort.
void moveUp(CommandList& list, int& selected);
void moveDown(CommandList& list, int& selected);

// The time control's range; times are 16-bit in the file.
inline constexpr int MaxTime = 65535;
// A step of the time control by `delta` ticks (the increment, up or down). With `following`,
// every command after the selected one but the last moves too (a step down leaves commands at
// or below the increment). The selected command takes its time plus delta, kept in range.
void stepTime(CommandList& list, int selected, int delta, bool following);

// The parameter selector's choice for command c of briefing b: a zoom preset sets X and Y to
// its zoom; anything else is the Index, and "Move Map to" then takes the chosen flight group's
// briefing point.
void chooseParameter(Command& c, int choice, const model::Mission& m, int b);
// The X and Y fields as typed: km, or the whole zoom factor of a zoom, which sets X and Y
// alike. False, changing nothing, for text that is no number or does not fit a word.
bool typeX(Command& c, const std::string& text);
bool typeY(Command& c, const std::string& text);
// The zoom preset of a zoom factor, or -1 when it is none of them.
int zoomPreset(int zoom);
// What a picker of briefing texts or map tags offers: the numbers of the rows holding a text,
// in order, and `keep` (the row an instruction names) even when it is empty.
std::vector<int> pickerRows(const std::array<std::string, model::briefing::StringCount>& rows,
                            int keep);

// Writes `list` into the event words of briefing b as one step of `e` holding only the words
// that changed. Above 400 words the list is cut as encode cuts it; the result says whether.
bool storeList(model::MissionEdit& e, int b, const CommandList& list);

// Copies briefing `from` (record, tags, strings) over briefing `to` and shows it to team
// to+1 instead of team from+1.
void copyBriefing(model::Mission& m, int from, int to);
// Copies every flight group's briefing point X, Y, Z from briefing `from` to `to`.
void copyIconPositions(model::Mission& m, int from, int to);
// Puts every flight group's briefing point of briefing b at its Start 1 point.
void setIconsToStart1(model::Mission& m, int b);
// The same for all eight briefing points of the given flight groups.
void setAllBriefingPointsToStart1(model::Mission& m, const std::vector<int>& flightGroups);

struct AutoBriefOptions {
  double seconds = 7;           // between texts
  bool boxNames = true;         // box flight groups named in [ ] brackets
  std::optional<int> centreOn;  // flight group to begin centred on
  std::optional<int> zoom;      // zoom factor to begin at
};

struct AutoBriefResult {
  bool ok = false;
  model::Text message;   // why nothing was written, or what was left out
  CommandList commands;  // in the order written to the stream
  int runningTime = 0;   // ticks
  int droppedBoxes = 0;
};

inline constexpr const char* NoTextMessage = ZYNED_TEXT("core", "There is no text to display!");

// Auto-Brief for briefing b: one text after another from #1, boxes for bracketed names, a clear
// and a stop point after each. The stream never exceeds 400 words: when the boxes do not all
// fit, the latest boxes are left out (texts, clears, stops, moves and zooms always fit).
AutoBriefResult autoBrief(const model::Mission& m, int b, const AutoBriefOptions& options);
// Writes an Auto-Brief result into briefing b: all event words cleared, the stream, the running
// time and team b+1's visibility.
void applyAutoBrief(model::Mission& m, int b, const AutoBriefResult& r);

// The names Auto-Brief looks for in a text: after each "[" up to a space or "]" (the text's
// last character is never taken).
std::vector<std::string> bracketedNames(const std::string& text);

}  // namespace briefing
