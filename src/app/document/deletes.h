#pragma once
// Deletions ask first when "Confirm deletes" is on; every window that deletes goes through here,
// so the rule and the question texts are the same everywhere.

#include <QString>

class QWidget;

namespace app {

struct EditorContext;

// True when the deletion may go ahead: the setting is off, or the user answered Yes to
// `question`.
bool deleteConfirmed(const EditorContext& ctx, QWidget* parent, const QString& question);
// Deletes the selected flight groups after "Delete all selected Flight Groups - Are You Sure?";
// false when there was nothing to delete or the user said No.
bool deleteSelectedFlightGroups(const EditorContext& ctx, QWidget* parent);

}  // namespace app
