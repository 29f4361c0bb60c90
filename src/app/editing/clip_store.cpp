#include "app/editing/clip_store.h"

#include <QCoreApplication>

#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/base/window_memory.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/editing/clip_dialog.h"
#include "editing/descriptions.h"
#include "shell/settings.h"

namespace app {

namespace {
ClipboardStore* running = nullptr;
// How long "... added to the clipboard" stays.
constexpr int ClipAddedNoticeMs = 1500;
}  // namespace

ClipboardStore::ClipboardStore(const EditorContext& context) : ctx_(context) {
  running = this;
}

ClipboardStore::~ClipboardStore() {
  if (running == this) running = nullptr;
}

ClipboardStore* ClipboardStore::active() {
  return running;
}

void ClipboardStore::load(QWidget* parent) {
  for (editing::Clipboard* c : {&conds_, &orders_}) {
    const model::Text error = c->load(ctx_.settings.editorDirectory);
    if (!error.empty()) ctx_.prompter.error(parent, shownText(error));
  }
}

void ClipboardStore::add(Kind kind, model::CBytes record, QWidget* parent) {
  editing::Clipboard& c = list(kind);
  c.add(record);
  const model::Text error = c.save(ctx_.settings.editorDirectory);
  if (!error.empty()) {
    ctx_.prompter.error(parent, shownText(error));
    return;
  }
  // The clipboard is a file of the editor folder: the user hears that it took the entry.
  NoticeWindow::show(
      parent ? parent->window() : nullptr,
      kind == Kind::Conditions
          ? QCoreApplication::translate("ClipboardStore", "Condition added to the clipboard (%1)")
                .arg(QString::fromLatin1(editing::ConditionClipboardFile))
          : QCoreApplication::translate("ClipboardStore", "Order added to the clipboard (%1)")
                .arg(QString::fromLatin1(editing::OrderClipboardFile)),
      ClipAddedNoticeMs);
}

std::optional<editing::Clipboard::Entry> ClipboardStore::choose(Kind kind, QWidget* parent) {
  const model::Mission& m = ctx_.document.mission();
  const shell::Vocabulary& v = ctx_.vocabulary;
  ClipDialog::Describe describe;
  if (kind == Kind::Conditions)
    describe = [&m, &v](model::CBytes e) { return editing::describeTrigger(m, v, e); };
  else
    describe = [&m, &v](model::CBytes e) { return editing::describeOrder(m, v, e); };
  ClipDialog dialog(
      kind == Kind::Conditions ? ClipDialog::Mode::Conditions : ClipDialog::Mode::Orders,
      list(kind), std::move(describe), ctx_.settings.editorDirectory, ctx_.prompter, parent);
  WindowMemory(ctx_.iniPath).restore(&dialog);
  const int result = ctx_.prompter.exec(dialog);
  WindowMemory(ctx_.iniPath).remember(&dialog);
  if (result != QDialog::Accepted || dialog.chosen() < 0) return std::nullopt;
  const auto& entries = list(kind).entries();
  const auto i = static_cast<std::size_t>(dialog.chosen());
  if (i >= entries.size()) return std::nullopt;
  return entries[i];
}

}  // namespace app
