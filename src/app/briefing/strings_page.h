#pragma once
// The "Strings" page: the 32 map tags and the 32 briefing texts of the open briefing, each cell
// bound to its string and stored as it is typed (what the file cannot hold is left out, and the
// user told). Also the pickers that offer those strings elsewhere in the editor.

#include <QWidget>

#include <array>
#include <string>

#include "model/layouts.h"

class QComboBox;
class QTableWidget;

namespace app {

struct EditorContext;
class BriefingSession;
class FieldBindings;

class StringsPage : public QWidget {
  Q_OBJECT
 public:
  StringsPage(const EditorContext& context, BriefingSession& session, QWidget* parent = nullptr);

 private:
  QTableWidget* grid(const char* name, const QString& title, bool tags);

  BriefingSession& session_;
  FieldBindings* bindings_ = nullptr;
  QTableWidget* tags_ = nullptr;
  QTableWidget* strings_ = nullptr;
};

// Fills a picker of briefing texts or map tags: the rows that hold a text, each with its number
// ("3: Rebel base"), and `current` (the row an instruction names) even when it is empty; the
// row number is each entry's data, and `current` is chosen.
void fillStringPicker(QComboBox* box,
                      const std::array<std::string, model::briefing::StringCount>& rows,
                      int current);
// The row of the picker's entry `index` (-1: none).
int pickedRow(const QComboBox* box, int index);

}  // namespace app
