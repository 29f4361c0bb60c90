#include "app/editing/orders_page.h"
#include "app/base/input_policy.h"
#include "app/base/palette_colours.h"
#include "app/base/translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/clip_store.h"
#include "editing/descriptions.h"
#include "editing/orders.h"
#include "editing/triggers.h"
#include "model/colours.h"
#include "shell/vocabulary.h"

namespace app {

namespace fg = model::fg;
namespace od = model::order;
using model::u8;

// One order's line: a click edits the order, a double-click asks for the clipboard.
class OrderLabel : public QLabel {
  Q_OBJECT
 public:
  explicit OrderLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    // Long descriptions are cut at the tab's edge rather than widening it; the tip has them all.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setMinimumWidth(1);
  }
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(e);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(e);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = contentsRect();
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
  }
};

namespace {

QLabel* named(QLabel* l, const char* name) {
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

}  // namespace

OrdersPage::OrdersPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("OrdersPage"));
  buildControls();
  bindFields();
  connectSignals();
}

// The four order lines above the group "Editing order".
void OrdersPage::buildControls() {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  top->setSpacing(3);
  top->addWidget(buildOrderLines());
  top->addWidget(buildEditingGroup());
  top->addStretch(1);

  // Long entries must not widen the tab; the pop-ups show them whole.
  for (QComboBox* c : findChildren<QComboBox*>()) {
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(4);
    c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }
}

// The four orders.
QWidget* OrdersPage::buildOrderLines() {
  auto* list = new QGroupBox(tr("Click on text to edit (double-click for clipboard)"), this);
  list->setObjectName(QStringLiteral("OrderLabelsGroup"));
  auto* lv = new QVBoxLayout(list);
  lv->setContentsMargins(6, 2, 6, 3);
  lv->setSpacing(1);
  for (std::size_t n = 0; n < labels_.size(); ++n) {
    auto* l = new OrderLabel(list);
    l->setObjectName(QStringLiteral("Order%1Lab").arg(n + 1));
    labels_[n] = l;
    lv->addWidget(l);
  }
  return list;
}

// The edited order: its command, throttle and parameters, its targets and its description.
QWidget* OrdersPage::buildEditingGroup() {
  auto* editing = new QGroupBox(tr("Editing order"), this);
  editing->setObjectName(QStringLiteral("EditOrderGroup"));
  auto* ev = new QVBoxLayout(editing);
  ev->setContentsMargins(6, 2, 6, 4);
  ev->setSpacing(3);
  ev->addLayout(buildOrderRow(editing));
  explanation_ = named(new QLabel(editing), "XWOrderLab");
  explanation_->setWordWrap(true);
  explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ev->addWidget(explanation_);
  ev->addLayout(buildSpeedGrid(editing));

  // Targets 1 and 2 (primary), 3 and 4 (secondary).
  const char* classNames[4] = {"T1Class", "T2Class", "T3Class", "T4Class"};
  const char* indexNames[4] = {"T1Index", "T2Index", "T3Index", "T4Index"};
  for (std::size_t n = 0; n < 4; ++n) {
    class_[n] = combo(classNames[n]);
    index_[n] = combo(indexNames[n]);
  }
  ev->addWidget(buildTargetPanel(editing, tr("Primary Target"), "PrimaryTargetGroup", 0, oneAnd2_,
                                 "OneAnd2Chk", priLab_, "PriLab"));
  ev->addWidget(buildTargetPanel(editing, tr("Secondary Target"), "SecondaryTargetGroup", 2,
                                 threeAnd4_, "ThreeAnd4Chk", secLab_, "SecLab"));
  ev->addLayout(buildDescriptionRow(editing));
  // Kept out of sight: the bytes nobody has named, for whoever looks for them.
  unknowns_ = named(new QLabel(editing), "OrdUnkLab");
  unknowns_->setVisible(false);
  ev->addWidget(unknowns_);
  return editing;
}

// The order's command with its caption and the clipboard button.
QLayout* OrdersPage::buildOrderRow(QWidget* editing) {
  auto* row = new QHBoxLayout;
  orderLab_ = named(new QLabel(editing), "OrderLab");
  orderBox_ = combo("OrderBox");
  orderBox_->setParent(editing);
  addToClip_ = new QPushButton(tr("Add to Clipboard"), editing);
  addToClip_->setObjectName(QStringLiteral("AddOrderBtn"));
  row->addWidget(orderLab_);
  row->addWidget(orderBox_, 1);
  row->addWidget(addToClip_);
  return row;
}

// The throttle and speed, and the order's two parameters with their captions.
QLayout* OrdersPage::buildSpeedGrid(QWidget* editing) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  throttle_ = combo("OrderSpeedBox");
  throttle_->setParent(editing);
  speed_ = combo("MGLTBox");
  speed_->setParent(editing);
  p1Lab_ = named(new QLabel(editing), "P1Lab");
  p2Lab_ = named(new QLabel(editing), "P2Lab");
  p1Lab_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  p2Lab_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The longest caption ("Docking time (1275 secs):") decides the column; the texts' own
  // leading blanks must not widen it further.
  p1Lab_->setMinimumWidth(1);
  p2Lab_->setMinimumWidth(1);
  p1Lab_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  p2Lab_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  p1_ = spin("OrderP1", 0, 255);
  p1_->setParent(editing);
  p2_ = spin("OrderP2", 0, 255);
  p2_->setParent(editing);
  p1_->setMinimumWidth(56);
  p2_->setMinimumWidth(56);
  grid->addWidget(new QLabel(tr("Throttle:"), editing), 0, 0);
  grid->addWidget(throttle_, 0, 1);
  grid->addWidget(new QLabel(tr("Speed:"), editing), 1, 0);
  grid->addWidget(speed_, 1, 1);
  grid->addWidget(p1Lab_, 0, 2);
  grid->addWidget(p1_, 0, 3);
  grid->addWidget(p2Lab_, 1, 2);
  grid->addWidget(p2_, 1, 3);
  grid->setColumnStretch(2, 1);
  return grid;
}

QLayout* OrdersPage::buildDescriptionRow(QWidget* editing) {
  auto* row = new QHBoxLayout;
  description_ = combo("OrderDescEd");
  description_->setParent(editing);
  description_->setEditable(true);
  description_->setInsertPolicy(QComboBox::NoInsert);
  description_->lineEdit()->setMaxLength(static_cast<int>(editing::DescriptionTyped));
  row->addWidget(new QLabel(tr("Description:"), editing));
  row->addWidget(description_, 1);
  return row;
}

// A pair of targets in a panel headed by its title and the check box, so that the pair takes
// three lines.
QWidget* OrdersPage::buildTargetPanel(QWidget* parent, const QString& title, const char* name,
                                      std::size_t first, QCheckBox*& either, const char* eitherName,
                                      QLabel*& plus, const char* plusName) {
  auto* box = new QFrame(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(box);
  g->setContentsMargins(4, 1, 4, 2);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(1);
  auto* head = new QLabel(title, box);
  QFont bold = head->font();
  bold.setBold(true);
  head->setFont(bold);
  either = new QCheckBox(tr("Either A or B"), box);
  either->setObjectName(QString::fromLatin1(eitherName));
  plus = named(new QLabel(QStringLiteral("+"), box), plusName);
  plus->setAlignment(Qt::AlignCenter);
  plus->setFixedWidth(plus->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 4);
  {
    // The targets stay where they are whether the mark shows or not.
    QSizePolicy keep = plus->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    plus->setSizePolicy(keep);
  }
  g->addWidget(head, 0, 0, 1, 3);
  g->addWidget(either, 0, 3, Qt::AlignRight);
  // The "+" stands between the two targets: both must hold.
  g->addWidget(plus, 1, 0, 2, 1, Qt::AlignCenter);
  for (std::size_t k = 0; k < 2; ++k) {
    QComboBox* c = class_[first + k];
    QComboBox* i = index_[first + k];
    c->setParent(box);
    i->setParent(box);
    const int row = 1 + static_cast<int>(k);
    g->addWidget(captionFor(c, k == 0 ? tr("Class A") : tr("Class B"), box), row, 1);
    i->setAccessibleName(k == 0 ? tr("Target A") : tr("Target B"));
    g->addWidget(c, row, 2);
    g->addWidget(i, row, 3);
  }
  g->setColumnStretch(2, 2);
  g->setColumnStretch(3, 3);
  return box;
}

void OrdersPage::connectSignals() {
  for (std::size_t n = 0; n < labels_.size(); ++n) {
    connect(labels_[n], &OrderLabel::clicked, this, [this, n] { editOrder(static_cast<int>(n)); });
    connect(labels_[n], &OrderLabel::doubleClicked, this, [this, n] {
      emit labelDoubleClicked(static_cast<int>(n));
      useClipboard(static_cast<int>(n));
    });
  }
  connect(addToClip_, &QPushButton::clicked, this, &OrdersPage::addToClipboard);
  new ViewUpdater(this, doc_, WholeMission, [this](Changes t, const ChangeSet&) { onChanged(t); });
}

void OrdersPage::bindFields() {
  // The edited order of every selected flight group.
  FieldBindings& b = *bindings_;
  b.records() =
      nestedAt(b.records(), [this] { return fg::orderAt(static_cast<std::size_t>(order_)); });
  b.bind(orderBox_, od::Command);
  b.bind(throttle_, od::Throttle);
  b.bind(speed_, od::Speed);
  b.bind(static_cast<QSpinBox*>(p1_), od::Variable1);
  b.bind(static_cast<QSpinBox*>(p2_), od::Variable2);
  b.bind(oneAnd2_, od::Target1Or2);
  b.bind(threeAnd4_, od::Target3Or4);
  for (std::size_t n = 0; n < 4; ++n) {
    // A new type starts with its first target.
    b.bind(class_[n], od::TargetType[n]).onCommit([this, n](long long t) {
      classChosen(n, int(t));
    });
    b.bind(index_[n], od::Target[n]);
  }
  b.bind(description_, od::Description);
}

void OrdersPage::showEvent(QShowEvent* e) {
  FlightGroupTab::showEvent(e);
  // Entering the tab starts again at order 1; a window coming back from the task bar does not.
  if (e->spontaneous()) return;
  order_ = 0;
  fill();
  bindings_->refill();
}

void OrdersPage::onChanged(Changes what) {
  // A list operation may leave another group under the current index.
  if (what & FlightGroupList) shownGroup_ = -1;
  if (isVisible()) fill();
}

void OrdersPage::editOrder(int n) {
  if (n < 0 || n >= static_cast<int>(fg::OrderCount)) return;
  order_ = n;
  fill();
  bindings_->refill();
}

void OrdersPage::loadItems() {
  setBoundTable(orderBox_, shell::tables::Orders);
  for (QComboBox* c : class_) setBoundTable(c, shell::tables::Class);
  setBoundItems(throttle_, editing::throttleList());
  setBoundItems(speed_, editing::speedTable());
  setBoundTable(description_, shell::tables::OrdDesc);
}

void OrdersPage::doFill() {
  if (doc_.currentFlightGroup() != shownGroup_) {
    shownGroup_ = doc_.currentFlightGroup();
    order_ = 0;
    bindings_->refill();
  }
  loadItems();
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  for (std::size_t n = 0; n < labels_.size(); ++n) {
    const QString text = fromFile(editing::describeOrder(m, vocab_, g.orderBytes(n)));
    labels_[n]->setText(text);
    labels_[n]->setToolTip(text);
    QPalette p = labels_[n]->palette();
    p.setColor(QPalette::WindowText, static_cast<int>(n) == order_
                                         ? readableOn(QColor::fromRgb(EditedLabelColour),
                                                      palette().color(QPalette::Window))
                                         : palette().color(QPalette::WindowText));
    labels_[n]->setPalette(p);
  }
  fillEditing();
}

void OrdersPage::clearValues() {
  FlightGroupTab::clearValues();
  for (OrderLabel* l : labels_) {
    l->setText({});
    l->setToolTip({});
  }
  explanation_->clear();
  unknowns_->clear();
}

void OrdersPage::fillEditing() {
  const model::FlightGroup& g = current();
  const auto o = g.orderBytes(static_cast<std::size_t>(order_));
  const int command = model::get(o, od::Command);
  const int throttle = model::get(o, od::Throttle);
  const int p1 = model::get(o, od::Variable1);
  const int p2 = model::get(o, od::Variable2);

  orderLab_->setText(coreText(editing::OrderHeadingForm).arg(order_ + 1));
  colourBox(orderBox_, g.get(fg::Iff));
  explanation_->setText(fromFile(editing::orderExplanation(
      vocab_, command, doc_.state().importedOrderTexts, doc_.currentFlightGroup())));
  speed_->setEnabled(editing::speedEnabled(throttle));
  const editing::ParameterCaptionForms captions = editing::parameterCaptionForms(command, p1, p2);
  // A caption with the time in it shows the parameter's seconds.
  const auto caption = [&](const char* form) {
    const QString text = coreText(form);
    return text.contains(QLatin1String("%1")) ? text.arg(captions.seconds) : text;
  };
  p1Lab_->setText(caption(captions.p1));
  if (captions.p2) p2Lab_->setText(caption(captions.p2));
  // Each target box lists the targets of its type.
  for (std::size_t n = 0; n < 4; ++n)
    setBoundItems(index_[n],
                  editing::targetItems(doc_.mission(), vocab_, model::get(o, od::TargetType[n])));
  priLab_->setVisible(editing::plusVisible(model::get(o, od::Target1Or2)));
  secLab_->setVisible(editing::plusVisible(model::get(o, od::Target3Or4)));
  // Room for the characters the stored description leaves.
  const std::string stored = model::getText(o, od::Description);
  description_->lineEdit()->setMaxLength(static_cast<int>(editing::descriptionRoom(stored.size())));
  description_->setEnabled(
      editing::descriptionEnabled(static_cast<std::size_t>(order_), g.get(fg::PlayerNumber)));
  const auto unknown = editing::orderUnknownValues(o);
  unknowns_->setText(coreText(editing::OrderUnknownsForm)
                         .arg(qs(unknown[0]), qs(unknown[1]), qs(unknown[2]), qs(unknown[3])));
}

void OrdersPage::addToClipboard() {
  ClipboardStore* store = ClipboardStore::active();
  if (!store || quiet()) return;
  // The editing group shows the edited order as stored; the bytes nobody has named stay out.
  const auto order = current().orderBytes(static_cast<std::size_t>(order_));
  store->add(ClipboardStore::Kind::Orders, editing::clipboardOrder(order), this);
}

void OrdersPage::useClipboard(int n) {
  ClipboardStore* store = ClipboardStore::active();
  if (!store || quiet()) return;
  editOrder(n);
  const auto entry = store->choose(ClipboardStore::Kind::Orders, this);
  if (!entry || entry->size() != model::order::Size) return;
  const auto k = static_cast<std::size_t>(order_);
  editGroups(stepText(Verb::Paste, tr("order from the clipboard")),
             [&entry, k](const model::Mission&, model::FlightGroup& g) {
               std::copy(entry->begin(), entry->end(), g.orderBytes(k).begin());
             });
  if (onOrderUsed) onOrderUsed();
}

void OrdersPage::classChosen(std::size_t n, int type) {
  const auto k = static_cast<std::size_t>(order_);
  const auto t = static_cast<u8>(type);
  // The type and its target together: one undo step.
  editGroups(editText(tr("Order Target Type")),
             [k, n, t](const model::Mission&, model::FlightGroup& g) {
               editing::setTargetType(g.orderBytes(k), n, t);
             });
}

}  // namespace app

#include "orders_page.moc"
