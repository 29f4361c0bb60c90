#pragma once
// The windows of the mission flow as the main window opens them: View › "Mission Flow" and
// "Where is it used?" of the flight-group list's pop-up menu, and the one way both show a place
// of the Mission: its flight group or message made current, its page and tab in front.

#include "flow/analysis.h"

namespace app {

class MainWindow;
class MissionFlowWindow;
class UsagesWindow;

// Made when first asked for (a child of the main window), then shown and raised.
MissionFlowWindow* showMissionFlow(MainWindow& w);
// The usages of the current flight group, in a window of their own.
UsagesWindow* showUsages(MainWindow& w);
// Makes the place's flight group or message current, brings its page and tab to the front and,
// where the tab edits one of several triggers, orders or goals, that one. A briefing place opens
// the briefing editor at its briefing and instruction.
void openPlace(MainWindow& w, const flow::Place& p);

}  // namespace app
