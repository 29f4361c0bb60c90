#pragma once
// The condition and order clipboards of the running editor: one of each for the whole run, read
// from the editor folder at start-up and rewritten after every addition and whenever their
// dialog closes. The main window makes the store; trigger editors and the orders tab reach it
// through active().

#include <QString>

#include <optional>
#include <vector>

#include "editing/clipboards.h"

class QWidget;

namespace app {

struct EditorContext;

class ClipboardStore {
 public:
  enum class Kind { Conditions, Orders };

  explicit ClipboardStore(const EditorContext& context);
  ~ClipboardStore();
  ClipboardStore(const ClipboardStore&) = delete;
  ClipboardStore& operator=(const ClipboardStore&) = delete;

  // The store of the running editor; null while no main window has made one.
  static ClipboardStore* active();

  editing::Clipboard& list(Kind kind) { return kind == Kind::Conditions ? conds_ : orders_; }

  // Reads both files from the editor folder; a file that cannot be read gives a message.
  void load(QWidget* parent);
  // Appends the record and rewrites the file at once.
  void add(Kind kind, model::CBytes record, QWidget* parent);
  // Shows the clipboard's dialog; the entry chosen with "&Use", or nothing.
  std::optional<editing::Clipboard::Entry> choose(Kind kind, QWidget* parent);

 private:
  const EditorContext& ctx_;
  editing::Clipboard conds_ = editing::Clipboard::conditions();
  editing::Clipboard orders_ = editing::Clipboard::orders();
};

}  // namespace app
