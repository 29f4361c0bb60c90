#pragma once
// Opening a mission of the older game (".vtn"): it becomes a new, unnamed Mission in the format
// the editor is in, with the briefing file beside it converted into briefing 1.

#include <QString>

#include <functional>

class QWidget;

namespace app {

struct EditorContext;

// Imports the older mission at `path` into the document and shows the import's notices. A
// refused file is reported and the open Mission stays as it was. Returns whether the Mission
// was replaced. `beforeReplace` runs once the file is converted, just before the Mission is
// replaced (the sound list of the old Mission goes then); `afterReplace` right after it, before
// the notices (the title names the new Mission while they are up).
bool importOlderMission(const EditorContext& context, QWidget* parent, const QString& path,
                        const std::function<void()>& beforeReplace = {},
                        const std::function<void()>& afterReplace = {});

}  // namespace app
