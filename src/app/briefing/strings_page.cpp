#include "app/briefing/strings_page.h"
#include "app/base/input_policy.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/briefing/briefing_session.h"
#include "app/document/editor_context.h"
#include "app/document/field_binding.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "briefing/editing.h"

namespace app {

namespace {
constexpr int Rows = static_cast<int>(model::briefing::StringCount);
}

StringsPage::StringsPage(const EditorContext& context, BriefingSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  auto* row = new QHBoxLayout(this);
  bindings_ = new FieldBindings(
      this, context, oneRecord(RecordKind::Briefing, [s = &session_] { return s->briefing(); }));
  tags_ = grid("TagsGrid", tr("Map Tags"), true);
  strings_ =
      grid("StringsGrid", tr("Briefing Texts   (use String#0 for ZynED window heading)"), false);
  row->setStretch(1, 2);
  connect(&session_, &BriefingSession::shown, bindings_, [b = bindings_] { b->refill(); });
  bindings_->refill();
}

QTableWidget* StringsPage::grid(const char* name, const QString& title, bool tags) {
  auto* col = new QVBoxLayout;
  auto* t = new QTableWidget(Rows, 2, this);
  col->addWidget(captionFor(t, title, this));
  t->setObjectName(QString::fromLatin1(name));
  t->verticalHeader()->hide();
  t->horizontalHeader()->hide();
  t->horizontalHeader()->setStretchLastSection(true);
  t->setColumnWidth(0, 32);
  const model::TextField text{tags ? "Map Tag" : "Briefing Text", 0, 0, 0};
  for (int r = 0; r < Rows; ++r) {
    auto* n = new QTableWidgetItem(QString::number(r));
    n->setFlags(Qt::ItemIsEnabled);
    t->setItem(r, 0, n);
    bindings_->bindCell(t, r, 1, text)
        .readsText([this, tags, r]() -> std::optional<std::string> {
          const model::Briefing& b = session_.record();
          return (tags ? b.tags : b.strings)[static_cast<std::size_t>(r)];
        })
        .onCommitText([this, t, tags, r](const std::string& typed) {
          const int b = session_.briefing();
          session_.document().apply(
              editText(tags ? tr("Map Tag %1").arg(r) : tr("Briefing Text %1").arg(r)),
              ChangedFlag::Mission,
              [&](model::MissionEdit& e) { e.setBriefingText(b, tags, r, typed); },
              QStringLiteral("%1@%2").arg(t->objectName()).arg(r));
        })
        .commitsWhileTyping()
        .alsoWhen([](const ChangeSet& c) { return c.briefingText; });
  }
  col->addWidget(t);
  static_cast<QHBoxLayout*>(layout())->addLayout(col, 1);
  return t;
}

void fillStringPicker(QComboBox* box,
                      const std::array<std::string, model::briefing::StringCount>& rows,
                      int current) {
  box->clear();
  for (int r : briefing::pickerRows(rows, current)) {
    const std::string& s = rows[static_cast<std::size_t>(r)];
    box->addItem(
        QStringLiteral("%1: ").arg(r) +
            (s.empty() ? QCoreApplication::translate("StringsPage", "(empty)") : fromFile(s)),
        r);
  }
  box->setCurrentIndex(box->findData(current));
}

int pickedRow(const QComboBox* box, int index) {
  const QVariant row = box->itemData(index);
  return row.isValid() ? row.toInt() : -1;
}

}  // namespace app
