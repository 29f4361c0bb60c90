#pragma once
// What the preview decides without drawing: picking icons and tags under the mouse, snapping,
// and the mission description taken from the game's mission list file.

#include <optional>
#include <string>
#include <vector>

#include "briefing/playback.h"
#include "model/mission.h"
#include "model/texts.h"
#include "shell/settings.h"

namespace briefing {

// Map units of the "X Snap" / "Y Snap" choices "Off", "0.1", "0.2", "0.5".
int snapStep(int choice);
// value div step * step, truncating towards zero.
int snap(int value, int step);

// The first flight group whose briefing point b is enabled and lies within 1200 / zoom map units
// of (x, y) on both axes, or -1.
int pickFlightGroup(const model::Mission& m, int b, const DisplayState& view, int x, int y);
// The tag slot under the screen point (the point taken 20 pixels to the left; within 3200 / zoom
// map units across and 2200 / zoom down, the last such slot winning): the list position of its
// command, or -1.
int pickTag(const CommandList& list, const DisplayState& view, int screenX, int screenY);

// A piece of a briefing text as the caption strip shows it.
struct CaptionRun {
  std::string text;
  bool highlighted = false;
  bool operator==(const CaptionRun&) const = default;
};
// The game's highlight markers: what stands between "[" and "]" is highlighted, the brackets
// themselves are never shown (an unclosed "[" highlights the rest of the text).
std::vector<CaptionRun> captionRuns(const std::string& text);

inline constexpr const char* NoDescriptionText =
    ZYNED_TEXT("core", "<Mission Description from .lst file>");

// The list file that describes a mission: "Mission.lst" in the mission folder, or the side's
// "Rebel.lst" (side 0) / "Imperial.lst" (side 1) when it exists there.
std::optional<std::string> descriptionListFile(const std::string& missionFolder, int side);
// The line after the last line that names the mission file (ignoring case), or nothing when no
// line names it or the naming line is the last one.
std::optional<std::string> descriptionFromList(const std::string& listText,
                                               const std::string& missionFileName);

// The description strip's text for a Mission saved as `missionFile`: its line in the mission list
// file of its mission folder, else NoDescriptionText (also for a Mission never saved: "").
std::string missionDescription(const model::Mission& m, const std::string& missionFile,
                               const shell::Settings& settings);

}  // namespace briefing
