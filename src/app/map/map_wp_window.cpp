#include "app/map/map_wp_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

#include <cmath>

#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "editing/descriptions.h"
#include "map/view.h"

namespace app {

using namespace model;

std::optional<std::int16_t> parseKilometres(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t == QLatin1String("-")) return std::int16_t{0};
  bool ok = false;
  const double km = t.toDouble(&ok);
  if (!ok || !std::isfinite(km)) return std::nullopt;
  return map::clampCoordinate(
      static_cast<long long>(std::nearbyint(std::clamp(km * map::MapUnitsPerKm, -1e9, 1e9))));
}

namespace {

// The grid's editor hands every keystroke on, and keeps what is typed while the value it stands
// for is shown (a refill after each keystroke would turn "1." into "1.00").
class TypedCells : public QStyledItemDelegate {
 public:
  using Typed = std::function<void(int row, int column, const QString& text)>;
  TypedCells(Typed typed, QObject* parent)
      : QStyledItemDelegate(parent), typed_(std::move(typed)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    const int row = index.row(), column = index.column();
    connect(edit, &QLineEdit::textEdited, edit,
            [this, row, column](const QString& text) { typed_(row, column, text); });
    return edit;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (const auto* edit = qobject_cast<QLineEdit*>(editor); edit && edit->isModified()) {
      const auto typed = parseKilometres(edit->text());
      if (!typed || typed == parseKilometres(index.data().toString())) return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }

 private:
  Typed typed_;
};

}  // namespace

MapWaypointWindow::MapWaypointWindow(MissionDocument& doc, const shell::Vocabulary& vocab,
                                     int flightGroup, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      doc_(doc),
      vocab_(vocab),
      fg_(flightGroup) {
  setObjectName(QStringLiteral("MapWPForm"));
  setWindowTitle(QStringLiteral("Edit Current FG Waypoints"));
  setWindowModality(Qt::WindowModal);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QHBoxLayout(this);
  grid_ = new QTableWidget(static_cast<int>(PointCount), 3, this);
  grid_->setObjectName(QStringLiteral("MapWPGrid"));
  grid_->setHorizontalHeaderLabels({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-204.80")) * 3 + 40);
  layout->addWidget(grid_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("Use"), this));
  enabled_ = new QListWidget(this);
  enabled_->setObjectName(QStringLiteral("MapWPEnabledList"));
  enabled_->setSelectionMode(QAbstractItemView::MultiSelection);
  QStringList items{"Start 1", "Start 2", "Start 3", "Start 4"};
  for (int i = 1; i <= 8; ++i) items << QStringLiteral("WP %1").arg(i);
  items << QStringLiteral("Rdnv") << QStringLiteral("Hyper");
  for (int i = 1; i <= 8; ++i) items << QStringLiteral("Brief %1").arg(i);
  enabled_->addItems(items);
  enabled_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Brief 8")) + 40);
  right->addWidget(enabled_, 1);
  layout->addLayout(right);
  grid_->setItemDelegate(new TypedCells(
      [this](int row, int column, const QString& text) { cellText(row, column, text); }, grid_));
  connect(grid_, &QTableWidget::itemChanged, this, &MapWaypointWindow::cellEdited);
  connect(enabled_, &QListWidget::itemClicked, this, &MapWaypointWindow::enabledClicked);
  connect(&doc_, &MissionDocument::changed, this, [this](const ChangeSet& c) {
    if (c.whole || c.listChanged(ListKind::FlightGroups)) {
      close();
      return;
    }
    if (c.touchesRecord(RecordKind::FlightGroup, fg_)) refill();
  });
  refill();
  resize(sizeHint().width() + 60, 460);
}

void MapWaypointWindow::refill() {
  const auto& fgs = doc_.mission().flightGroups;
  if (fg_ < 0 || fg_ >= static_cast<int>(fgs.size())) return;
  const FlightGroup& g = fgs[fg_];
  filling_ = true;
  setWindowTitle(fromFile(editing::shortDescription(g, vocab_)));
  for (int p = 0; p < static_cast<int>(PointCount); ++p) {
    const int values[3] = {g.x(p), g.y(p), g.z(p)};
    for (int a = 0; a < 3; ++a) {
      QTableWidgetItem* item = grid_->item(p, a);
      if (!item) grid_->setItem(p, a, item = new QTableWidgetItem);
      // The cell being typed into keeps its text ("1." stays "1.").
      const auto typed = parseKilometres(item->text());
      if (!(grid_->currentItem() == item && typed && *typed == values[a]))
        item->setText(QString::fromStdString(map::kmText(values[a])));
      item->setData(Qt::BackgroundRole, QVariant());
      item->setToolTip({});
    }
    enabled_->item(p)->setSelected(g.get(fg::WaypointEnabled, p) != 0);
  }
  filling_ = false;
}

void MapWaypointWindow::cellEdited(QTableWidgetItem* item) {
  if (!filling_) cellText(item->row(), item->column(), item->text());
}

void MapWaypointWindow::cellText(int row, int column, const QString& text) {
  QTableWidgetItem* item = grid_->item(row, column);
  if (!item) return;
  const auto value = parseKilometres(text);
  // Not a number: nothing changes; the cell says why until it holds a number again.
  filling_ = true;
  item->setData(Qt::BackgroundRole, value ? QVariant() : QVariant(QColor(255, 200, 200)));
  item->setToolTip(value ? QString()
                         : QStringLiteral("'%1' is not a valid floating point value").arg(text));
  filling_ = false;
  if (!value) return;
  const Field<i16> fields[3] = {fg::WaypointX, fg::WaypointY, fg::WaypointZ};
  doc_.setFields(tr("Edit %1 of %2")
                     .arg(grid_->horizontalHeaderItem(column)->text(), enabled_->item(row)->text()),
                 {MissionDocument::fieldWrite(RecordKind::FlightGroup, fg_, fields[column], *value,
                                              static_cast<std::size_t>(row))},
                 QStringLiteral("map-wp-%1-%2").arg(row).arg(column));
}

void MapWaypointWindow::enabledClicked() {
  if (filling_) return;
  std::vector<MissionDocument::FieldWrite> writes;
  for (std::size_t p = 0; p < PointCount; ++p)
    writes.push_back(MissionDocument::fieldWrite(RecordKind::FlightGroup, fg_, fg::WaypointEnabled,
                                                 enabled_->item(int(p))->isSelected() ? 1 : 0, p));
  doc_.setFields(tr("Points in use"), writes);
}

}  // namespace app
