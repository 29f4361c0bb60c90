#include "app/editing/wps_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/base/icons.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "editing/waypoints.h"
#include "model/layouts.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;

namespace {

constexpr int Rows = static_cast<int>(model::PointCount);
constexpr int Columns = static_cast<int>(editing::WaypointAxes);

// Hands what the user typed into a cell to the page instead of the cell: the page stores it and
// the cell then shows the stored value, so showing values never counts as an edit.
class CellCommit : public QStyledItemDelegate {
 public:
  CellCommit(QObject* parent, std::function<void(int, int, const QString&)> commit)
      : QStyledItemDelegate(parent), commit_(std::move(commit)) {}
  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
      commit_(index.row(), index.column(), edit->text());
  }

 private:
  std::function<void(int, int, const QString&)> commit_;
};

QTableWidget* grid(QWidget* parent, const char* name) {
  auto* t = new QTableWidget(Rows, Columns, parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setHorizontalHeaderLabels({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
  t->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  // Typing into a cell starts editing it; Tab and the arrow keys move between cells.
  t->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                     QAbstractItemView::EditKeyPressed);
  t->setTabKeyNavigation(true);
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < Columns; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      t->setItem(r, c, item);
    }
  return t;
}

}  // namespace

WpsPage::WpsPage(const EditorContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("WpsPage"));
  auto* top = new QGridLayout(this);
  top->setContentsMargins(6, 4, 6, 4);
  // A sentence: it wraps rather than widen the tab in a longer language.
  auto* hint = new QLabel(tr("Use Tab and Arrow keys to maneuver through Grid"), this);
  hint->setWordWrap(true);
  top->addWidget(hint, 0, 0, 1, 3);

  enabled_ = new QListWidget(this);
  enabled_->setObjectName(QStringLiteral("WPEnabledList"));
  enabled_->setSelectionMode(QAbstractItemView::MultiSelection);
  // One line per point, named by the table (fill() takes its entries).
  for (int r = 0; r < Rows; ++r) enabled_->addItem(QString());
  km_ = grid(this, "WPGrid");
  raw_ = grid(this, "WPRawGrid");
  // Their rows sit beside the enabled list's, which names them: their room goes to the numbers.
  km_->verticalHeader()->hide();
  raw_->verticalHeader()->hide();
  // Each list under its caption, which names it.
  const std::pair<QString, QWidget*> captions[] = {
      {tr("Enabled"), enabled_}, {tr("km"), km_}, {tr("Raw Data  / 160 = km"), raw_}};
  for (int c = 0; c < 3; ++c) {
    auto* caption = new QLabel(captions[c].first, this);
    caption->setBuddy(captions[c].second);
    top->addWidget(caption, 1, c);
  }
  top->addLayout(lineUpEnabled(), 2, 0);
  top->addWidget(km_, 2, 1);
  top->addWidget(raw_, 2, 2);
  top->setRowStretch(2, 1);
  top->setColumnStretch(1, 1);
  top->setColumnStretch(2, 1);

  threeDec_ = new QCheckBox(tr("3 decimal places"), this);
  threeDec_->setObjectName(QStringLiteral("ThreeDec"));
  brfPoints_ = new QPushButton(tr("Set To Start 1"), this);
  brfPoints_->setObjectName(QStringLiteral("BrfPointsBut"));
  brfPoints_->setToolTip(tr("Briefing points 1 to 8 take the position of Start 1"));
  top->addWidget(threeDec_, 3, 1);
  top->addWidget(brfPoints_, 3, 0);
  QWidget::setTabOrder(brfPoints_, threeDec_);
  showMap_ = new QPushButton(icon(QStringLiteral("map")), tr("Map"), this);
  showMap_->setObjectName(QStringLiteral("ShowMap"));
  top->addWidget(showMap_, 3, 2, Qt::AlignRight);
  connect(showMap_, &QPushButton::clicked, this, [this] {
    // The grid shows the current flight group before the map takes over.
    fill();
    emit mapRequested();
  });

  km_->setItemDelegate(
      new CellCommit(km_, [this](int r, int c, const QString& t) { kmEdited(r, c, t); }));
  raw_->setItemDelegate(
      new CellCommit(raw_, [this](int r, int c, const QString& t) { rawEdited(r, c, t); }));
  connect(threeDec_, &QCheckBox::toggled, this, [this] { fill(); });
  connect(brfPoints_, &QPushButton::clicked, this, &WpsPage::setBriefingPoints);
  connect(enabled_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (quiet()) return;
    const int row = enabled_->row(item);
    const auto on = static_cast<model::i16>(item->isSelected() ? 1 : 0);
    doc_.editFlightGroups(editText(tr("Points in Use")),
                          [&](const model::Mission&, model::FlightGroup& g) {
                            g.set(fg::WaypointEnabled, on, static_cast<std::size_t>(row));
                          });
  });
  new ViewUpdater(
      this, doc_, FlightGroupFields | FlightGroupList | Selection | Tables,
      [this](Changes, const ChangeSet&) { fill(); }, true);
  fill();
}

QVBoxLayout* WpsPage::lineUpEnabled() {
  // The list's lines at the grids' rows: as high as a row, below a gap as high as the grids'
  // header, scrolled with the grids.
  auto* column = new QVBoxLayout;
  column->setSpacing(0);
  enabledGap_ = new QWidget(this);
  enabledGap_->setFixedHeight(km_->horizontalHeader()->sizeHint().height());
  column->addWidget(enabledGap_);
  column->addWidget(enabled_, 1);
  enabled_->setSpacing(0);
  enabled_->setUniformItemSizes(true);
  enabled_->setFrameShape(km_->frameShape());
  enabled_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  enabled_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int row = km_->verticalHeader()->defaultSectionSize();
  for (int r = 0; r < Rows; ++r) enabled_->item(r)->setSizeHint(QSize(0, row));
  QScrollBar* bars[] = {enabled_->verticalScrollBar(), km_->verticalScrollBar(),
                        raw_->verticalScrollBar()};
  for (QScrollBar* from : bars)
    for (QScrollBar* to : bars)
      if (from != to) connect(from, &QScrollBar::valueChanged, to, &QScrollBar::setValue);
  return column;
}

void WpsPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  enabledGap_->setFixedHeight(km_->horizontalHeader()->height());
}

bool WpsPage::quiet() const {
  return doc_.mission().flightGroups.empty();
}

void WpsPage::showPointNames() {
  const auto& names = ctx_.vocabulary.table(shell::tables::WPEnable);
  bool renamed = false;
  for (int r = 0; r < Rows; ++r) {
    const auto k = static_cast<std::size_t>(r);
    // A table shorter than the points leaves the rest numbered.
    const QString name = k < names.size() ? fromFile(names[k]) : QString::number(r + 1);
    if (enabled_->item(r)->text() == name) continue;
    enabled_->item(r)->setText(name);
    // The grids' rows carry the same names.
    for (QTableWidget* grid : {km_, raw_})
      grid->setVerticalHeaderItem(r, new QTableWidgetItem(name));
    renamed = true;
  }
  // As wide as its longest name (the rows' size hints give their height only).
  if (renamed) {
    int widest = 0;
    for (int r = 0; r < Rows; ++r)
      widest =
          std::max(widest, enabled_->fontMetrics().horizontalAdvance(enabled_->item(r)->text()));
    enabled_->setMaximumWidth(widest + 30);
  }
}

void WpsPage::fill() {
  showPointNames();
  const model::Mission& m = doc_.mission();
  const auto cur = static_cast<std::size_t>(doc_.currentFlightGroup());
  const bool none = cur >= m.flightGroups.size();
  setEnabled(!none);
  const int decimals = threeDec_->isChecked() ? 3 : 2;
  for (int r = 0; r < Rows; ++r) {
    const auto k = static_cast<std::size_t>(r);
    for (int c = 0; c < Columns; ++c) {
      const int v =
          none ? 0 : m.flightGroups[cur].get(editing::axisField(static_cast<std::size_t>(c)), k);
      const QString kmText = QString::fromStdString(editing::formatKm(v, decimals));
      if (km_->item(r, c)->text() != kmText) km_->item(r, c)->setText(kmText);
      const QString rawText = QString::number(v);
      if (raw_->item(r, c)->text() != rawText) raw_->item(r, c)->setText(rawText);
    }
    enabled_->item(r)->setSelected(!none && m.flightGroups[cur].get(fg::WaypointEnabled, k) != 0);
  }
}

void WpsPage::store(int row, int column, std::int16_t value) {
  const model::Field<model::i16> f = editing::axisField(static_cast<std::size_t>(column));
  doc_.editFlightGroups(editText(tr("Point Position")),
                        [&](const model::Mission&, model::FlightGroup& g) {
                          g.set(f, value, static_cast<std::size_t>(row));
                        });
}

void WpsPage::kmEdited(int row, int column, const QString& text) {
  if (quiet()) return;
  const editing::TypedCoordinate t = editing::parseKm(toFile(text));
  if (t.kind == editing::TypedCoordinate::Value) {
    store(row, column, t.value);
    // The cell shows the stored value in the grid's notation even when nothing changed.
    fill();
    return;
  }
  fill();
  if (t.kind != editing::TypedCoordinate::Ignore)
    ctx_.prompter.error(this, shownText(editing::coordinateError(t, text.toStdString(), true)));
}

void WpsPage::rawEdited(int row, int column, const QString& text) {
  if (quiet()) return;
  const editing::TypedCoordinate t = editing::parseRaw(toFile(text));
  if (t.kind == editing::TypedCoordinate::Value) store(row, column, t.value);
  fill();
  if (t.kind != editing::TypedCoordinate::Value && t.kind != editing::TypedCoordinate::Ignore)
    ctx_.prompter.error(this, shownText(editing::coordinateError(t, text.toStdString(), false)));
}

void WpsPage::setBriefingPoints() {
  if (quiet()) return;
  if (ctx_.prompter.question(this, tr("Set Briefing Points to Start Point 1 for all selected FGs?"),
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  doc_.editFlightGroups(
      stepText(Verb::Set, tr("briefing points"), tr("Start 1")),
      [](const model::Mission&, model::FlightGroup& g) { editing::setBriefingPointsToStart(g); });
}

}  // namespace app
