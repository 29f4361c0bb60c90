#include "app/shell/older_import.h"

#include <QDir>

#include "app/base/prompter.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "older/import.h"
#include "shell/vocabulary.h"

namespace app {

bool importOlderMission(const EditorContext& context, QWidget* parent, const QString& path,
                        const std::function<void()>& beforeReplace,
                        const std::function<void()>& afterReplace) {
  MissionDocument& doc = context.document;
  older::ImportOptions options;
  options.defaults = doc.defaults();
  // The format radios keep what they show: the imported Mission is saved in that format.
  options.platformId = doc.mission().platformId;
  options.craftNames = context.vocabulary.table(shell::tables::Ships);

  model::Mission m;
  const older::ImportResult r =
      older::importMissionFile(QDir::toNativeSeparators(path).toStdString(), m, options);
  if (!r.ok) {
    context.prompter.error(parent, QString::fromStdString(r.error));
    return false;
  }
  if (beforeReplace) beforeReplace();
  // Not on disk as a mission file: unnamed, and Save asks for a name.
  doc.replaceMission(std::move(m), model::UnnamedFile, false, true, r.extras.orderTexts);
  if (afterReplace) afterReplace();
  for (const std::string& notice : r.extras.notices) {
    // What the mission needs from the user is information; a briefing that could not be
    // converted is an error of its own.
    if (notice == older::PlanetNotice || notice == older::SurfaceNotice)
      context.prompter.information(parent, QString::fromStdString(notice));
    else
      context.prompter.error(parent, QString::fromStdString(notice));
  }
  return true;
}

}  // namespace app
