#pragma once
// The vocabulary tables as item models that every combo box listing a table shares: a table's
// entries are turned into a model once (and again only when the table changes), instead of every
// box holding its own copy and every fill converting and comparing the entries again.

#include <string_view>

class QAbstractItemModel;
class QComboBox;
class QObject;

namespace shell {
class Vocabulary;
}  // namespace shell

namespace app {

// The model listing `table` of `vocab` as it stands now, kept by `owner`, which outlives every
// box showing it (the document). A changed table gets a new model; the old one stays for the
// boxes that still show it until they are filled again.
QAbstractItemModel* tableModel(QObject* owner, const shell::Vocabulary& vocab,
                               std::string_view table);

// Lets `box` list `table` through its shared model, without signals, keeping its current index
// (an editable box keeps its text). True when the box listed other items before: a bound box
// then shows its value again.
bool showTable(QComboBox* box, QObject* owner, const shell::Vocabulary& vocab,
               std::string_view table);

// Gives `box` items of its own again when it lists a shared table, so that changing its items
// never changes the table's model.
void ownItems(QComboBox* box);

}  // namespace app
