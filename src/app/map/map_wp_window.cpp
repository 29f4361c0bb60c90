#include "app/map/map_wp_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/field_binding.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "editing/descriptions.h"
#include "editing/waypoints.h"
#include "map/view.h"

namespace app {

using namespace model;

namespace {

// A kilometre cell as typed, read as the WPs tab reads it.
TypedValue typedKilometres(const QString& text) {
  const editing::TypedCoordinate t = editing::parseKm(text.toStdString());
  if (t.kind == editing::TypedCoordinate::Value) return {TypedValue::Value, t.value, {}};
  if (t.kind == editing::TypedCoordinate::Ignore) return {};
  return {TypedValue::Refused, 0, shownText(editing::coordinateError(t, text.toStdString(), true))};
}

QStringList pointNames() {
  QStringList l;
  for (int i = 1; i <= 4; ++i) l << MapWaypointWindow::tr("Start %1").arg(i);
  for (int i = 1; i <= 8; ++i) l << MapWaypointWindow::tr("WP %1").arg(i);
  l << MapWaypointWindow::tr("Rdnv") << MapWaypointWindow::tr("Hyper");
  for (int i = 1; i <= 8; ++i) l << MapWaypointWindow::tr("Brief %1").arg(i);
  return l;
}

}  // namespace

MapWaypointWindow::MapWaypointWindow(const EditorContext& context, int flightGroup, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ctx_(context), fg_(flightGroup) {
  setObjectName(QStringLiteral("MapWPForm"));
  setWindowTitle(tr("Edit Current FG Waypoints"));
  setWindowModality(Qt::WindowModal);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QHBoxLayout(this);
  layout->setSpacing(2);
  layout->addWidget(buildGrid(), 1);
  layout->addLayout(buildUseList());
  lineUpUseList();
  bindFields();
  showCaption();

  connect(&ctx_.document, &MissionDocument::changed, this, [this](const ChangeSet& c) {
    // Another mission or another order of flight groups: the flight group is no longer sure.
    if (c.whole || c.listChanged(ListKind::FlightGroups))
      close();
    else if (c.touchesRecord(RecordKind::FlightGroup, fg_))
      showCaption();
  });
  const int header = grid_->horizontalHeader()->sizeHint().height();
  const int height = header + grid_->rowCount() * grid_->verticalHeader()->defaultSectionSize() +
                     2 * grid_->frameWidth() + layout->contentsMargins().top() +
                     layout->contentsMargins().bottom();
  resize(sizeHint().width() + 60, height);
}

// The X, Y and Z of every point, in kilometres.
QTableWidget* MapWaypointWindow::buildGrid() {
  const int rows = static_cast<int>(PointCount);
  grid_ = new QTableWidget(rows, 3, this);
  grid_->setObjectName(QStringLiteral("MapWPGrid"));
  // The points are what the window is about: a screen reader names them by its first title (the
  // title then follows the flight group).
  grid_->setAccessibleName(windowTitle());
  grid_->setHorizontalHeaderLabels({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
  grid_->setVerticalHeaderLabels(pointNames());
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  grid_->setMinimumWidth(grid_->verticalHeader()->sizeHint().width() +
                         fontMetrics().horizontalAdvance(QStringLiteral("-204.80")) * 3 + 40);
  for (int p = 0; p < rows; ++p)
    for (int a = 0; a < 3; ++a) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(p, a, item);
    }
  return grid_;
}

// The points in use, row beside row of the grid.
QVBoxLayout* MapWaypointWindow::buildUseList() {
  auto* right = new QVBoxLayout;
  right->setSpacing(0);
  auto* use = new QLabel(tr("Use"), this);
  use->setAlignment(Qt::AlignCenter);
  useHeading_ = use;
  right->addWidget(use);
  enabled_ = new QListWidget(this);
  enabled_->setObjectName(QStringLiteral("MapWPEnabledList"));
  use->setBuddy(enabled_);
  enabled_->setSelectionMode(QAbstractItemView::MultiSelection);
  enabled_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  enabled_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  enabled_->setFrameShape(grid_->frameShape());
  enabled_->setUniformItemSizes(true);
  enabled_->addItems(pointNames());
  int widest = 0;
  for (const QString& name : pointNames())
    widest = std::max(widest, fontMetrics().horizontalAdvance(name));
  enabled_->setMinimumWidth(widest + 24);
  enabled_->setMaximumWidth(enabled_->minimumWidth() + 20);
  right->addWidget(enabled_, 1);
  return right;
}

void MapWaypointWindow::bindFields() {
  const int rows = static_cast<int>(PointCount);
  bindings_ = new FieldBindings(this, ctx_.document,
                                oneRecord(RecordKind::FlightGroup, [this] { return fg_; }));
  for (int p = 0; p < rows; ++p)
    for (int a = 0; a < 3; ++a)
      bindings_->bindCell(grid_, p, a, editing::axisField(static_cast<std::size_t>(a)))
          .element(static_cast<std::size_t>(p))
          .parses(typedKilometres)
          .formats(
              [](long long v) { return QString::fromStdString(map::kmText(static_cast<int>(v))); })
          .commitsWhileTyping()
          .undoText(editText(
              tr("%1 of %2").arg(grid_->horizontalHeaderItem(a)->text(), pointNames()[p])));
  bindings_->bind(enabled_, fg::WaypointEnabled).undoText(editText(tr("Points in Use")));
  bindings_->refill();
}

void MapWaypointWindow::showCaption() {
  const auto& fgs = ctx_.document.mission().flightGroups;
  if (fg_ >= 0 && fg_ < static_cast<int>(fgs.size()))
    setWindowTitle(fromFile(editing::shortDescription(fgs[fg_], ctx_.vocabulary)));
}

void MapWaypointWindow::lineUpUseList() {
  const int row = grid_->verticalHeader()->defaultSectionSize();
  for (int i = 0; i < enabled_->count(); ++i)
    enabled_->item(i)->setSizeHint(QSize(enabled_->minimumWidth(), row));
  enabled_->setSpacing(0);
  useHeading_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height());
  // One scroll for both: the list follows the grid, the wheel over the list scrolls the grid.
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, enabled_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(enabled_->verticalScrollBar(), &QScrollBar::valueChanged, grid_->verticalScrollBar(),
          &QScrollBar::setValue);
}

void MapWaypointWindow::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  useHeading_->setFixedHeight(grid_->horizontalHeader()->height());
}

}  // namespace app
