#pragma once
// A memo bound to one of the Mission's text blocks (description, debriefings)
// through the binding recipe (`FieldBindings::bindMemo`): typing writes the
// block through the document at once, and the memo follows undo and loads; it
// is never refilled by its own writing, so the cursor stays where the user
// types. The block stores every line end as "$": a typed "$" would come back as
// a line break, so it is left out with a note why, as are characters the file
// cannot hold. The memo itself keeps the block's room (`setLimit`).

#include <QPlainTextEdit>

#include "app/document/mission_document.h"

namespace app {

struct EditorContext;

class TextBlockMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  TextBlockMemo(const EditorContext& context, MissionDocument::Block block,
                QWidget* parent = nullptr);

  // Typing stops at `limit` characters, a line break counting two as the game
  // stores it. Text already longer stays until it is edited.
  void setLimit(int limit) { limit_ = limit; }
  int limit() const { return limit_; }
  // The memo's length as the block counts it.
  int storedLength() const;

  // Memo text (line ends "\n") and the block's text (line ends CR LF) in either
  // direction.
  static QString toMemo(const std::string& blockText);
  static std::string toBlock(const QString& memoText);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  int room() const;
  std::string blockText() const;

  MissionDocument& doc_;
  MissionDocument::Block block_;
  int limit_ = 4095;
};

}  // namespace app
