#include "app/base/table_models.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

#include "app/base/text.h"
#include "shell/vocabulary.h"

namespace app {

namespace {

// A read-only list of texts.
class TableModel : public QAbstractListModel {
 public:
  TableModel(const std::vector<std::string>& entries, QObject* parent)
      : QAbstractListModel(parent) {
    texts_.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& e : entries) texts_ << fromFile(e);
  }
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= texts_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return texts_[index.row()];
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
  }

 private:
  QStringList texts_;
};

// The models of one owner, by table name, with the entries each was made from.
class TableModels : public QObject {
 public:
  static constexpr const char* Name = "app::TableModels";
  explicit TableModels(QObject* owner) : QObject(owner) { setObjectName(QLatin1String(Name)); }
  QAbstractItemModel* model(const shell::Vocabulary& vocab, std::string_view table) {
    const std::vector<std::string>& entries = vocab.table(table);
    auto it = models_.find(table);
    if (it == models_.end())
      it = models_.emplace(std::string(table), Made{}).first;
    else if (it->second.entries == entries)
      return it->second.model;
    it->second = {entries, new TableModel(entries, this)};
    return it->second.model;
  }

 private:
  struct Made {
    std::vector<std::string> entries;
    TableModel* model = nullptr;
  };
  std::map<std::string, Made, std::less<>> models_;
};

}  // namespace

QAbstractItemModel* tableModel(QObject* owner, const shell::Vocabulary& vocab,
                               std::string_view table) {
  auto* models = static_cast<TableModels*>(
      owner->findChild<QObject*>(QLatin1String(TableModels::Name), Qt::FindDirectChildrenOnly));
  if (!models) models = new TableModels(owner);
  return models->model(vocab, table);
}

bool showTable(QComboBox* box, QObject* owner, const shell::Vocabulary& vocab,
               std::string_view table) {
  QAbstractItemModel* model = tableModel(owner, vocab, table);
  if (box->model() == model) return false;
  const QSignalBlocker block(box);
  const int index = box->currentIndex();
  const QString edit = box->isEditable() ? box->currentText() : QString();
  box->setModel(model);
  if (box->isEditable())
    box->setEditText(edit);
  else
    box->setCurrentIndex(index < model->rowCount() ? index : -1);
  return true;
}

void ownItems(QComboBox* box) {
  if (!dynamic_cast<TableModel*>(box->model())) return;
  const QSignalBlocker block(box);
  box->setModel(new QStandardItemModel(0, 1, box));
}

}  // namespace app
