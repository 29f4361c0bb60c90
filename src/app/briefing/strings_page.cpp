#include "app/briefing/strings_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/briefing/briefing_session.h"

namespace app {

namespace {
constexpr int Rows = static_cast<int>(model::briefing::StringCount);
}

StringsPage::StringsPage(BriefingSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  auto* row = new QHBoxLayout(this);
  tags_ = grid("TagsGrid", tr("Map Tags"), true);
  strings_ =
      grid("StringsGrid", tr("Briefing Texts   (use String#0 for ZynED window heading)"), false);
  row->setStretch(1, 2);
  connect(&session_, &BriefingSession::shown, this, &StringsPage::fill);
  connect(&session_, &BriefingSession::recordChanged, this, &StringsPage::fill);
  fill();
}

QTableWidget* StringsPage::grid(const char* name, const QString& title, bool tags) {
  auto* col = new QVBoxLayout;
  col->addWidget(new QLabel(title, this));
  auto* t = new QTableWidget(Rows, 2, this);
  t->setObjectName(QString::fromLatin1(name));
  t->verticalHeader()->hide();
  t->horizontalHeader()->hide();
  t->horizontalHeader()->setStretchLastSection(true);
  t->setColumnWidth(0, 32);
  for (int r = 0; r < Rows; ++r) {
    auto* n = new QTableWidgetItem(QString::number(r));
    n->setFlags(Qt::ItemIsEnabled);
    t->setItem(r, 0, n);
    t->setItem(r, 1, new QTableWidgetItem);
  }
  connect(t, &QTableWidget::cellChanged, this, [this, t, tags](int r, int c) {
    if (c == 1) session_.setText(tags, r, toFile(t->item(r, 1)->text()));
  });
  col->addWidget(t);
  static_cast<QHBoxLayout*>(layout())->addLayout(col, 1);
  return t;
}

void StringsPage::fill() {
  const model::Briefing& brief = session_.record();
  for (auto [grid, texts] : {std::pair{tags_, &brief.tags}, std::pair{strings_, &brief.strings}}) {
    const QSignalBlocker block(grid);
    for (int r = 0; r < Rows; ++r) {
      const QString text = fromFile((*texts)[r]);
      // A cell being edited keeps what the user types.
      if (grid->item(r, 1)->text() != text) grid->item(r, 1)->setText(text);
    }
  }
}

}  // namespace app
