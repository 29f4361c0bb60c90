#include "app/document/deletes.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "app/base/prompter.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "shell/settings.h"

namespace app {

bool deleteConfirmed(const EditorContext& ctx, QWidget* parent, const QString& question) {
  return !ctx.settings.confirmDeletes ||
         ctx.prompter.question(parent, question, QMessageBox::Yes | QMessageBox::No) ==
             QMessageBox::Yes;
}

bool deleteSelectedFlightGroups(const EditorContext& ctx, QWidget* parent) {
  if (ctx.document.mission().flightGroups.empty()) return false;
  if (!deleteConfirmed(
          ctx, parent,
          QCoreApplication::translate("FlightGroupsPage",
                                      "Delete all selected Flight Groups - Are You Sure?")))
    return false;
  ctx.document.deleteFlightGroups();
  return true;
}

}  // namespace app
