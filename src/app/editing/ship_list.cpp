#include "app/editing/ship_list.h"

#include "app/base/accessible_value.h"
#include "app/base/coloured_list.h"

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace app {

QFont ShipList::listFont() {
  QFont f(QStringLiteral("Monospace"));
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSize(8);
  return f;
}

ShipList::ShipList(QWidget* parent) : QListWidget(parent), menu_(new QMenu(this)) {
  setObjectName(QStringLiteral("ShipList"));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setItemDelegate(new ColouredListDelegate(this));
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFont(listFont());
  // Dark ground: the IFF colours (green, yellow) need it to be readable.
  QPalette p = palette();
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Text, Qt::white);
  setPalette(p);
  connect(this, &QListWidget::itemSelectionChanged, this, [this] { report(); });
  connect(this, &QListWidget::currentRowChanged, this, [this] { report(); });
  tellCurrentLine(this);
}

void ShipList::report() {
  if (rebuilding_) return;
  // A click or a key moves the focus and the selection one after the other: the user's action
  // is reported once, when both are done.
  if (interacting_) {
    reportPending_ = true;
    return;
  }
  emit selectionEdited(selectedRows(), currentRow());
}

template <class F>
void ShipList::asOneAction(F&& base) {
  const bool outer = !interacting_;
  interacting_ = true;
  base();
  if (!outer) return;
  interacting_ = false;
  if (reportPending_) {
    reportPending_ = false;
    report();
  }
}

void ShipList::mousePressEvent(QMouseEvent* e) {
  asOneAction([&] { QListWidget::mousePressEvent(e); });
}

void ShipList::mouseMoveEvent(QMouseEvent* e) {
  asOneAction([&] { QListWidget::mouseMoveEvent(e); });
}

void ShipList::mouseReleaseEvent(QMouseEvent* e) {
  asOneAction([&] { QListWidget::mouseReleaseEvent(e); });
}

void ShipList::rebuild(const std::vector<QString>& lines, const std::vector<QColor>& colours,
                       const std::vector<int>& selected, int current) {
  rebuilding_ = true;
  const int n = static_cast<int>(lines.size());
  while (count() > n) delete takeItem(count() - 1);
  while (count() < n) addItem(new QListWidgetItem);
  for (int i = 0; i < n; ++i) {
    QListWidgetItem* it = item(i);
    const auto k = static_cast<std::size_t>(i);
    if (it->text() != lines[k]) it->setText(lines[k]);
    const QColor c = k < colours.size() ? colours[k] : QColor(Qt::white);
    if (it->foreground().color() != c) it->setForeground(c);
  }
  rebuilding_ = false;
  // The width the lines want may have changed.
  updateGeometry();
  showSelection(selected, current);
}

void ShipList::updateLines(const std::vector<int>& rows, const std::vector<QString>& lines,
                           const std::vector<QColor>& colours) {
  rebuilding_ = true;
  for (std::size_t k = 0; k < rows.size() && k < lines.size(); ++k) {
    QListWidgetItem* it = item(rows[k]);
    if (!it) continue;
    if (it->text() != lines[k]) it->setText(lines[k]);
    const QColor c = k < colours.size() ? colours[k] : QColor(Qt::white);
    if (it->foreground().color() != c) it->setForeground(c);
  }
  rebuilding_ = false;
  updateGeometry();
}

void ShipList::showSelection(const std::vector<int>& selected, int current) {
  rebuilding_ = true;
  const int n = count();
  // Leave a selection the user just made alone, so that shift-clicks and arrow keys go on
  // from where the user is.
  if (selectedRows() != selected) {
    QItemSelection sel;
    for (int r : selected)
      if (r >= 0 && r < n) sel.select(model()->index(r, 0), model()->index(r, 0));
    selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  }
  if (current >= 0 && current < n && currentRow() != current) {
    selectionModel()->setCurrentIndex(model()->index(current, 0), QItemSelectionModel::NoUpdate);
    scrollToItem(item(current));
  }
  rebuilding_ = false;
}

// In a fixed-pitch font a line is as wide as its characters' advances together, and those are
// kept per character: the lines of a large mission are not each laid out to find the widest.
int ShipList::lineWidth(const QFontMetrics& fm, const QString& line, bool fixedPitch) const {
  if (!fixedPitch) return fm.horizontalAdvance(line);
  int width = 0;
  for (const QChar c : line) {
    auto at = advances_.constFind(c.unicode());
    if (at == advances_.constEnd()) at = advances_.insert(c.unicode(), fm.horizontalAdvance(c));
    width += *at;
  }
  return width;
}

void ShipList::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) advances_.clear();
  QListWidget::changeEvent(e);
}

QSize ShipList::sizeHint() const {
  const QFontMetrics fm(font());
  const bool fixedPitch = QFontInfo(font()).fixedPitch();
  // Never narrower than an empty list's line of a typical group.
  int widest = lineWidth(fm, QString(60, QLatin1Char('0')), fixedPitch);
  for (int i = 0; i < count(); ++i)
    widest = std::max(widest, lineWidth(fm, item(i)->text(), fixedPitch));
  const int chrome = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
  return {widest + chrome, QListWidget::sizeHint().height()};
}

std::vector<int> ShipList::selectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& i : selectionModel()->selectedIndexes()) rows.push_back(i.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void ShipList::keyPressEvent(QKeyEvent* e) {
  // The arrow keys move the focus and the selection: one report for both.
  asOneAction([&] { QListWidget::keyPressEvent(e); });
}

void ShipList::contextMenuEvent(QContextMenuEvent* e) {
  menu_->popup(e->globalPos());
}

}  // namespace app
