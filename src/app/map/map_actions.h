#pragma once
// The map window's commands, declared once in its own action table: the document's Undo, Redo,
// Save, Save As and Delete, and the map's keys (zoom, planes, toggles, palette teams). The window
// takes every key before its controls do and triggers the action it stands for; a text entry
// keeps Ctrl+A (select all), elsewhere in the map Ctrl+A selects every shown flight group.

#include <vector>

#include "app/base/actions.h"

class QAction;
class QKeyEvent;

namespace app {

const std::vector<ActionSpec>& mapActionTable();

// The action of the map's table a key press stands for: its shortcut exactly, or, for a key
// without Ctrl, Alt or Meta, the same key without Shift (the map's letters work with Shift held);
// D, P, T and the digits with any modifiers.
QAction* mapActionFor(const ActionSet& actions, const QKeyEvent& key);

}  // namespace app
