#include "app/shell/older_import.h"

#include <QDir>

#include <string_view>

#include "app/base/prompter.h"
#include "app/base/translations.h"
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
    context.prompter.error(parent, shownText(r.errorText));
    return false;
  }
  if (beforeReplace) beforeReplace();
  // Not on disk as a mission file: unnamed, and Save asks for a name.
  doc.replaceMission(std::move(m), model::UnnamedFile, false, true, r.extras.orderTexts);
  if (afterReplace) afterReplace();
  for (const model::Text& notice : r.extras.noticeTexts) {
    // What the mission needs from the user is information; a briefing that could not be
    // converted is an error of its own.
    const std::string_view form = notice.form;
    if (form == older::PlanetNotice || form == older::SurfaceNotice)
      context.prompter.information(parent, shownText(notice));
    else
      context.prompter.error(parent, shownText(notice));
  }
  return true;
}

}  // namespace app
