#include "app/editing/teams_page.h"
#include "app/base/input_policy.h"
#include "app/base/translations.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/colour.h"
#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/document/field_binding.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/fg_widgets.h"
#include "editing/descriptions.h"
#include "editing/teams.h"
#include "shell/vocabulary.h"

namespace app {

namespace team = model::team;

namespace {

// The widest the page grows.
constexpr int MaxTeamsPageWidth = 1100;

constexpr int RadioNoticeMs = 1000;

struct StringBox {
  const char* name;
  model::TextField field;
};
const std::array<StringBox, 6> StringBoxes{{{"Succ1Ed", team::Success1},
                                            {"Succ2Ed", team::Success2},
                                            {"Fail1Ed", team::Failure1},
                                            {"Fail2Ed", team::Failure2},
                                            {"Sec1Ed", team::Secondary1},
                                            {"Sec2Ed", team::Secondary2}}};

}  // namespace

TeamsPage::TeamsPage(const EditorContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("TeamsPage"));
  // On a wide window the fields keep a width to read them by.
  setMaximumWidth(MaxTeamsPageWidth);
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 4, 6, 4);
  top->setSpacing(6);
  auto* middle = new QHBoxLayout;
  middle->addLayout(buildHead(), 1);
  middle->addLayout(buildAllies());
  top->addLayout(middle);
  buildStrings(top);
  top->addStretch(1);

  connect(prev_, &QPushButton::clicked, this, [this] { setTeam(team_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { setTeam(team_ + 1); });
  bindFields();
  connect(radio_, &QPushButton::clicked, this, &TeamsPage::linkByRadio);
  // A background tab refills once when it is shown, not on every keystroke elsewhere.
  new ViewUpdater(
      this, doc_, TeamFields | FlightGroupFields | HeaderFields | Tables,
      [this](Changes, const ChangeSet&) { fill(); },
      /*deferWhileHidden=*/true);
  fill();
  bindings_->refill();
}

// The team buttons, its name and its IFF.
QGridLayout* TeamsPage::buildHead() {
  auto* head = new QGridLayout;
  prev_ = new QPushButton(tr("< Previous Team"), this);
  prev_->setObjectName(QStringLiteral("PrevTeamBtn"));
  next_ = new QPushButton(tr("Next Team >"), this);
  next_->setObjectName(QStringLiteral("NextTeamBtn"));
  nameLabel_ = new QLabel(this);
  nameLabel_->setObjectName(QStringLiteral("Label52"));
  name_ = new QComboBox(this);
  name_->setObjectName(QStringLiteral("TeamName1Ed"));
  name_->setEditable(true);
  name_->setInsertPolicy(QComboBox::NoInsert);
  name_->lineEdit()->setMaxLength(static_cast<int>(team::Name.maxChars));
  iff_ = new QComboBox(this);
  iff_->setObjectName(QStringLiteral("TeamIFFBox1"));
  // The boxes take the tables' entries on every fill (replacement files come after this).
  head->addWidget(prev_, 0, 0);
  head->addWidget(next_, 0, 1);
  head->addWidget(nameLabel_, 1, 0);
  head->addWidget(name_, 1, 1);
  head->addWidget(captionFor(iff_, tr("IFF for Autolink"), this), 2, 0);
  head->addWidget(iff_, 2, 1);
  head->setColumnStretch(2, 1);
  // The rows stay together at the top; the name and IFF boxes show their whole entries.
  head->setRowStretch(3, 1);
  for (QComboBox* box : {name_, iff_}) {
    box->setMinimumContentsLength(static_cast<int>(team::Name.maxChars));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  }
  return head;
}

// The allied teams and the radio link.
QVBoxLayout* TeamsPage::buildAllies() {
  auto* fv = new QVBoxLayout;
  friends_ = new QListWidget(this);
  friends_->setObjectName(QStringLiteral("FriendsList"));
  fv->addWidget(captionFor(friends_, tr("Allied Teams:"), this));
  friends_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (std::size_t t = 0; t < editing::LinkableTeams; ++t) friends_->addItem(QString());
  fv->addWidget(friends_);
  radio_ = new QPushButton(tr("Link Team by Radio"), this);
  radio_->setObjectName(QStringLiteral("JoinByRadio"));
  radio_->setToolTip(tr("Every flight group of this team gets the team's radio"));
  fv->addWidget(radio_);
  return fv;
}

// The six strings of the team's goals, two per group.
void TeamsPage::buildStrings(QVBoxLayout* top) {
  const QString titles[] = {tr("Primary Success"), tr("Primary Failure"), tr("Secondary")};
  for (int g = 0; g < 3; ++g) {
    auto* box = new QGroupBox(titles[g], this);
    auto* bv = new QVBoxLayout(box);
    for (int i = 0; i < 2; ++i) {
      const std::size_t k = static_cast<std::size_t>(2 * g + i);
      auto* e = new QLineEdit(box);
      e->setObjectName(QString::fromLatin1(StringBoxes[k].name));
      e->setMaxLength(static_cast<int>(StringBoxes[k].field.maxChars));
      QPalette p = e->palette();
      p.setColor(QPalette::Base, Qt::black);
      e->setPalette(p);
      bv->addWidget(e);
      strings_[k] = e;
    }
    top->addWidget(box);
  }
}

void TeamsPage::bindFields() {
  // The shown team's record, and its IFF in the editor's list of team IFFs.
  bindings_ = new FieldBindings(this, ctx_, oneRecord(RecordKind::Team, [this] { return team_; }),
                                /*deferWhileHidden=*/true);
  bindings_->bind(name_, team::Name).undoText(editText(tr("Team Name")));
  bindings_->bind(iff_, editing::TeamIffField)
      .records(oneRecord(RecordKind::TeamIff, [] { return 0; }))
      .element([this] { return static_cast<std::size_t>(team_); })
      .onCommit([this](long long iff) { iffChosen(int(iff)); });
  bindings_->bind(friends_, team::Allies).undoText(editText(tr("Allied Teams")));
  for (std::size_t k = 0; k < strings_.size(); ++k)
    bindings_->bind(strings_[k], StringBoxes[k].field).undoText(editText(tr("Team String")));
}

void TeamsPage::setTeam(int team) {
  const int next = std::clamp(team, 0, static_cast<int>(model::TeamCount) - 1);
  if (next == team_) return;
  team_ = next;
  fill();
  bindings_->refill();
}

void TeamsPage::iffChosen(int iff) {
  const model::Mission& m = doc_.mission();
  const auto team = static_cast<std::size_t>(team_);
  const auto value = static_cast<std::uint8_t>(iff);
  doc_.editContent(editText(tr("Team IFF")), ChangedFlag::Mission,
                   [&](model::Mission& w) { editing::setTeamIff(w, team, value); });
  // The value stays as chosen; the warning only says what the game expects.
  if (auto warning = editing::teamIffWarning(m.missionType(), team, iff))
    ctx_.prompter.warning(this, coreText(*warning));
}

void TeamsPage::linkByRadio() {
  const auto team = static_cast<std::size_t>(team_);
  if (!editing::teamRadio(team)) {
    ctx_.prompter.information(this, tr("Teams 9 and 10 have no radio channel to link."));
    return;
  }
  doc_.editContent(stepText(Verb::LinkByRadio, Records::Team, 1, QString::number(team + 1)),
                   ChangedFlag::Mission,
                   [&](model::Mission& w) { editing::linkTeamByRadio(w, team); });
  NoticeWindow::show(this, shownText(editing::radioLinkText(doc_.mission(), team)), RadioNoticeMs);
}

void TeamsPage::fill() {
  const model::Mission& m = doc_.mission();
  const auto team = static_cast<std::size_t>(team_);
  // New entries: the bound boxes show their values again.
  if (setItems(name_, ctx_.vocabulary.table(shell::tables::Teams))) bindings_->refill(name_);
  if (setItems(iff_, ctx_.vocabulary.table(shell::tables::IFF))) bindings_->refill(iff_);
  prev_->setEnabled(team_ > 0);
  next_->setEnabled(team_ + 1 < static_cast<int>(model::TeamCount));
  nameLabel_->setText(tr("Team %1 Name").arg(team_ + 1));
  // Named as the caption shows it; no buddy, the undo steps keep "Team Name".
  name_->setAccessibleName(nameLabel_->text());
  const QColor colour = toQColor(editing::teamColour(m, team));
  for (QLineEdit* e : strings_) {
    QPalette p = e->palette();
    p.setColor(QPalette::Text, colour);
    e->setPalette(p);
  }
  const std::vector<std::string> names = editing::teamNameList(m);
  for (int t = 0; t < friends_->count(); ++t) {
    const auto k = static_cast<std::size_t>(t);
    friends_->item(t)->setText(k < names.size() ? fromFile(names[k]) : QString());
  }
}

}  // namespace app
