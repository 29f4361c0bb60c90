#include "app/shell/preferences_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/fitting_scroll_area.h"
#include "app/base/folder_chooser_dialog.h"
#include "app/base/key_map.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/shell/keyboard_page.h"
#include "shell/key_bindings.h"
#include "shell/paths.h"
#include "shell/settings.h"
#include "shell/settings_file.h"
#include "shell/vocabulary.h"

namespace app {

namespace {

constexpr int IconZoomSmallMin = 4;
constexpr int IconZoomSmallMax = 2000;
constexpr int ZoomSpeedMin = 5;
constexpr int ZoomSpeedMax = 18;
constexpr int MapPageIndex = 2;

QCheckBox* check(const char* caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(PreferencesDialog::tr(caption), parent);
  box->setObjectName(name);
  return box;
}

// A titled group of radio buttons whose ids are the stored values 0, 1, 2, …
QGroupBox* radioGroup(const char* title, const char* name, const QStringList& items,
                      QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(PreferencesDialog::tr(title), parent);
  box->setObjectName(QString(name) + "Group");
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(PreferencesDialog::tr(items[i].toUtf8().constData()), box);
    button->setObjectName(QString(name) + "Radio" + QString::number(i));
    group->addButton(button, i);
    layout->addWidget(button);
  }
  return box;
}

void showChoice(QButtonGroup* group, int value) {
  // A stored value without a button leaves every button clear (and the value kept on close).
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
  if (QAbstractButton* button = group->button(value)) button->setChecked(true);
}

int takeChoice(const QButtonGroup* group, int old) {
  const int id = group->checkedId();
  return id >= 0 ? id : old;
}

int takeIndex(const QComboBox* box, int old) {
  const int index = box->currentIndex();
  return index >= 0 ? index : old;
}

// A folder strip holds its folder apart from what it shows: a folder not chosen yet is stored
// as "Undefined" and shown in the user's language.
void showFolder(QLabel* label, const QString& folder) {
  label->setProperty("folder", folder);
  const QString shown =
      folder == QLatin1String(shell::Undefined) ? PreferencesDialog::tr("Undefined") : folder;
  label->setText(shown);
  label->setToolTip(shown);
}

QString folderOf(const QLabel* label) {
  return label->property("folder").toString();
}

void fillBox(QComboBox* box, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) box->addItem(fromFile(entry));
}

// The strip that shows a directory's folder.
QLabel* folderStrip(const char* name, QWidget* page) {
  auto* folder = new QLabel(page);
  folder->setObjectName(QString(name) + "DirLabel");
  folder->setTextFormat(Qt::PlainText);
  // A flat strip a shade darker than the dialog: the folder is chosen with a button, never
  // typed, so the field must not look like a text box.
  folder->setFrameShape(QFrame::NoFrame);
  folder->setContentsMargins(6, 3, 6, 3);
  folder->setAutoFillBackground(true);
  QPalette ground = folder->palette();
  ground.setColor(QPalette::Window, ground.color(QPalette::Window).darker(106));
  folder->setPalette(ground);
  // A long path must not widen the fixed dialog; the tool tip shows it whole.
  folder->setMinimumWidth(360);
  folder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return folder;
}

}  // namespace

QString PreferencesDialog::adjustForResCaption(int screenWidth) {
  if (screenWidth < 1024) return {};
  if (screenWidth > 1024) return tr("Adjust Map to fit screen");
  return tr("Adjust Main window and Map window to fit screen");
}

PreferencesDialog::PreferencesDialog(shell::Settings& settings, const shell::Vocabulary& vocab,
                                     std::string iniPath, QWidget* parent, int screenWidth)
    : QDialog(parent),
      settings_(settings),
      iniPath_(std::move(iniPath)),
      prompter_(&defaultPrompter()) {
  setObjectName("PrefForm");
  setWindowTitle(tr("Preferences"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PrefPages");
  pages_->addTab(buildOptionsPage(vocab), tr("Options"));
  pages_->addTab(buildDirectoriesPage(), tr("Directories"));
  pages_->addTab(buildMapPage(), tr("Map"));
  pages_->addTab(buildMousePage(), tr("Mouse"));
  keyboard_ = new KeyboardPage(KeyMap::instance().bindings(), *prompter_);
  pages_->addTab(keyboard_, tr("&Keyboard"));

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  // The pages scroll only where the screen is too small for them (a large scale).
  layout->addWidget(new FittingScrollArea(pages_, this));
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  if (screenWidth <= 0) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    screenWidth = screen ? screen->geometry().width() : 0;
  }
  const QString adjustCaption = adjustForResCaption(screenWidth);
  adjustForRes_->setText(adjustCaption);
  adjustForRes_->setVisible(!adjustCaption.isEmpty());

  showSettings();
  // Connected after filling: only the user's ticking reaches the flight groups.
  connect(autoLink_, &QCheckBox::toggled, this, &PreferencesDialog::autoLinkToggled);
}

QWidget* PreferencesDialog::buildOptionsPage(const shell::Vocabulary& vocab) {
  auto* page = new QWidget;
  page->setObjectName("OptionsTab");
  QLayout* checks = buildOptionChecks(page);
  auto* format = radioGroup(QT_TR_NOOP("Default Mission Format"), "DefaultFormat",
                            {QT_TR_NOOP("Zyn"), QT_TR_NOOP("Qvn")}, defaultFormat_, page);
  auto* open = radioGroup(QT_TR_NOOP("Open program with:"), "OpenProgWith",
                          {QT_TR_NOOP("Choice Box"), QT_TR_NOOP("Blank Mission"),
                           QT_TR_NOOP("Open File Dialogue"), QT_TR_NOOP("Last Used File")},
                          openProgWith_, page);

  QGroupBox* newFG = buildNewFGGroup(vocab, page);
  QLayout* languageRow = buildLanguageRow(page);

  auto* right = new QVBoxLayout;
  right->addWidget(format);
  right->addWidget(open);
  right->addWidget(newFG);
  right->addLayout(languageRow);
  right->addStretch(1);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(checks);
  layout->addLayout(right);
  return page;
}

// The column of check boxes on the Options page.
QLayout* PreferencesDialog::buildOptionChecks(QWidget* page) {
  auto* checks = new QVBoxLayout;
  autoLink_ = check(QT_TR_NOOP("Use Autolink by default"), "AutoLinkCheck", page);
  checkPlayable_ = check(QT_TR_NOOP("Error check for valid Craft"), "CheckPlayableCheck", page);
  confirmDeletes_ = check(QT_TR_NOOP("Confirm before deleting"), "ConfirmDeletesCheck", page);
  enableWPs_ = check(QT_TR_NOOP("Enable WP1 and HYP"), "EnableWPsCheck", page);
  linkColor_ = check(QT_TR_NOOP("Link Ship's color to its name"), "LinkColorCheck", page);
  useWiz_ = check(QT_TR_NOOP("Use New Mission Wizard"), "UseWizCheck", page);
  dirInReopen_ = check(QT_TR_NOOP("Show directory in Reopen list"), "DirInReopenCheck", page);
  doBackups_ = check(QT_TR_NOOP("Backup mission when loading"), "DoBackupsCheck", page);
  fileSavedMsg_ = check(QT_TR_NOOP("Show File Saved Message "), "FileSavedMsgCheck", page);
  keepRecovery_ = check(QT_TR_NOOP("Keep recovery copies"), "KeepRecoveryCheck", page);
  keepRecovery_->setToolTip(
      tr("Unsaved work is copied into the settings folder's \"recovery\" folder as you edit, "
         "and offered again after a crash"));
  adjustForRes_ = check("", "AdjustForResCheck", page);
  for (QCheckBox* box :
       {autoLink_, checkPlayable_, confirmDeletes_, enableWPs_, linkColor_, useWiz_, dirInReopen_,
        doBackups_, fileSavedMsg_, keepRecovery_, adjustForRes_}) {
    checks->addWidget(box);
  }
  checks->addStretch(1);
  return checks;
}

// The ship and A.I. a new flight group gets.
QGroupBox* PreferencesDialog::buildNewFGGroup(const shell::Vocabulary& vocab, QWidget* page) {
  auto* newFG = new QGroupBox(tr("Default New FG"), page);
  newFG->setObjectName("DefaultNewFGGroup");
  auto* newFGLayout = new QGridLayout(newFG);
  defaultShip_ = new QComboBox(newFG);
  defaultShip_->setObjectName("DefaultShipBox");
  defaultShip_->setMaxVisibleItems(20);
  fillBox(defaultShip_, vocab.table("Ships"));
  defaultAI_ = new QComboBox(newFG);
  defaultAI_->setObjectName("DefaultAIBox");
  fillBox(defaultAI_, vocab.table("AI"));
  auto* shipLabel = new QLabel(tr("Ship"), newFG);
  shipLabel->setBuddy(defaultShip_);
  auto* aiLabel = new QLabel(tr("A.I."), newFG);
  aiLabel->setBuddy(defaultAI_);
  newFGLayout->addWidget(shipLabel, 0, 0);
  newFGLayout->addWidget(defaultShip_, 0, 1);
  newFGLayout->addWidget(aiLabel, 1, 0);
  newFGLayout->addWidget(defaultAI_, 1, 1);
  newFGLayout->setColumnStretch(1, 1);
  return newFG;
}

QLayout* PreferencesDialog::buildLanguageRow(QWidget* page) {
  // The language is read at start: a choice here applies from the next start on.
  language_ = new QComboBox(page);
  language_->setObjectName("LanguageBox");
  for (const Language& l : languages())
    language_->addItem(QCoreApplication::translate("app::Languages", l.name),
                       QString::fromLatin1(l.code));
  language_->setToolTip(tr("The language of the editor's texts, from the next start on"));
  auto* languageLabel = new QLabel(tr("&Language:"), page);
  languageLabel->setBuddy(language_);
  auto* languageRow = new QHBoxLayout;
  languageRow->addWidget(languageLabel);
  languageRow->addWidget(language_, 1);
  return languageRow;
}

QWidget* PreferencesDialog::buildDirectoriesPage() {
  auto* page = new QWidget;
  page->setObjectName("DirectoriesTab");
  auto* layout = new QGridLayout(page);

  static constexpr DirectoryRow rows[DirectoryCount] = {
      {QT_TR_NOOP("Pref. Missions Directory:"), "Missions", nullptr},
      {QT_TR_NOOP("Your VortanKre Directory:"), "Zyn", nullptr},
      {QT_TR_NOOP("Your ZynED Directory:"), "ZynED",
       QT_TR_NOOP("(where the editor keeps its file history and looks for replacement vocabulary "
                  "files such as Ships.txt)")},
      {QT_TR_NOOP("Pref. Wave Directory:"), "Wave",
       QT_TR_NOOP("(must be the Wave directory of the game or of the expansion, or one of their "
                  "subdirectories)")},
      {QT_TR_NOOP("Pref. OPT Directory:"), "OPT",
       QT_TR_NOOP("(must be the ivfiles directory of the game or of the expansion, or one of "
                  "their subdirectories)")},
  };

  int line = 0;
  for (int i = 0; i < DirectoryCount; ++i) {
    line = addDirectoryRow(layout, line, static_cast<Directory>(i), rows[i]);
    if (i + 1 < DirectoryCount) layout->setRowMinimumHeight(line++, 8);
  }
  layout->setColumnStretch(0, 1);
  layout->setRowStretch(line, 1);
  return page;
}

// A directory's caption, note (if any), folder and buttons from grid line `line` on; returns
// the line after them.
int PreferencesDialog::addDirectoryRow(QGridLayout* layout, int line, Directory which,
                                       const DirectoryRow& row) {
  QWidget* page = layout->parentWidget();
  auto* caption = new QLabel(tr(row.caption), page);
  caption->setObjectName(QString(row.name) + "DirCaption");
  layout->addWidget(caption, line++, 0, 1, 3);
  if (row.note) {
    auto* note = new QLabel(tr(row.note), page);
    note->setObjectName(QString(row.name) + "DirNote");
    note->setWordWrap(true);
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    note->setFont(small);
    layout->addWidget(note, line++, 0, 1, 3);
  }
  auto* folder = folderStrip(row.name, page);
  directories_[which] = folder;
  // The editor's own chooser (a root box and a folder tree) and the same choice in the
  // desktop's folder dialog, for those who know their way there: each button says which.
  auto* browse = new QPushButton(tr("Folder Tree…"), page);
  browse->setObjectName(QString(row.name) + "BrowseBtn");
  browse->setToolTip(tr("Choose the folder in the editor's folder tree"));
  auto* desktop = new QPushButton(tr("Browse…"), page);
  desktop->setObjectName(QString(row.name) + "DesktopBrowseBtn");
  desktop->setToolTip(tr("Choose the folder in the desktop's folder dialog"));
  connect(browse, &QPushButton::clicked, this, [this, which] { this->browse(which); });
  connect(desktop, &QPushButton::clicked, this, [this, which, caption = tr(row.caption)] {
    const QString chosen = prompter_->existingFolder(this, caption, browseStart(which));
    if (!chosen.isEmpty()) setDirectory(which, QDir::cleanPath(chosen));
  });
  layout->addWidget(folder, line, 0);
  layout->addWidget(browse, line, 1);
  layout->addWidget(desktop, line++, 2);
  return line;
}

QWidget* PreferencesDialog::buildMapPage() {
  auto* page = new QWidget;
  page->setObjectName("MapTab");

  centre_ = check(QT_TR_NOOP("Centre Map to new selections"), "CentreCheck", page);
  ghostText_ = check(QT_TR_NOOP("'Ghost' names on Map"), "GhostTextCheck", page);
  ghostGrid_ = check(QT_TR_NOOP("'Ghost' Map  grid"), "GhostGridCheck", page);
  limitShrink_ = check(QT_TR_NOOP("Minimum wirefrime sizes"), "LimitShrinkCheck", page);
  defaultHyp_ = check(QT_TR_NOOP("Link Hyperspace point"), "DefaultHypCheck", page);

  QGroupBox* state = buildDefaultStateGroup(page);

  auto* wps =
      radioGroup(QT_TR_NOOP("Default WPs "), "DefaultWPs",
                 {QT_TR_NOOP("WPs off"), QT_TR_NOOP("All WPs on"), QT_TR_NOOP("Curr WPs only")},
                 defaultWPs_, page);
  auto* autoCtr = radioGroup(QT_TR_NOOP("AutoCentre (on changing view)"), "AutoCtr",
                             {QT_TR_NOOP("Centre Map"), QT_TR_NOOP("Centre on current FG"),
                              QT_TR_NOOP("Zero vertical axis"), QT_TR_NOOP("Fit to Battlefield"),
                              QT_TR_NOOP("No Adjustment")},
                             autoCtr_, page);

  QGroupBox* small = buildSmallWireframesGroup(page);

  auto* left = new QVBoxLayout;
  left->addWidget(centre_);
  left->addWidget(ghostText_);
  left->addWidget(ghostGrid_);
  left->addWidget(limitShrink_);
  left->addWidget(defaultHyp_);
  left->addWidget(state);
  left->addStretch(1);

  auto* right = new QVBoxLayout;
  right->addWidget(wps);
  right->addWidget(autoCtr);
  right->addWidget(small);
  right->addStretch(1);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(right);
  return page;
}

// Which of the map's displays are on when it opens.
QGroupBox* PreferencesDialog::buildDefaultStateGroup(QWidget* page) {
  auto* state = new QGroupBox(tr("Default State"), page);
  state->setObjectName("DefaultStateGroup");
  auto* stateLayout = new QVBoxLayout(state);
  defaultName_ = check(QT_TR_NOOP("Names on"), "DefaultNameCheck", state);
  defaultWPtime_ = check(QT_TR_NOOP("WP times on"), "DefaultWPtimeCheck", state);
  defaultWPdist_ = check(QT_TR_NOOP("WP distances on"), "DefaultWPdistCheck", state);
  defaultPallet_ = check(QT_TR_NOOP("Palette on"), "DefaultPalletCheck", state);
  defaultFGList_ = check(QT_TR_NOOP("FG List on"), "DefaultFGListCheck", state);
  defaultOptions_ = check(QT_TR_NOOP("Options on"), "DefaultOptionsCheck", state);
  for (QCheckBox* box : {defaultName_, defaultWPtime_, defaultWPdist_, defaultPallet_,
                         defaultFGList_, defaultOptions_}) {
    stateLayout->addWidget(box);
  }
  return state;
}

QGroupBox* PreferencesDialog::buildSmallWireframesGroup(QWidget* page) {
  auto* small = new QGroupBox(tr("Wireframes for small craft"), page);
  small->setObjectName("SmallWireframesGroup");
  auto* smallLayout = new QGridLayout(small);
  onlyXY_ = check(QT_TR_NOOP("Only in X-Y view"), "OnlyXYCheck", small);
  iconZoomSmall_ = new QLineEdit(small);
  iconZoomSmall_->setObjectName("IconZoomSmallEdit");
  iconZoomSmall_->setMaxLength(10);
  iconZoomSmall_->setFixedWidth(iconZoomSmall_->fontMetrics().horizontalAdvance("0000000") + 12);
  auto* zoomLabel = new QLabel(tr("Only when Zoom >"), small);
  zoomLabel->setBuddy(iconZoomSmall_);
  smallLayout->addWidget(onlyXY_, 0, 0, 1, 3);
  smallLayout->addWidget(zoomLabel, 1, 0);
  smallLayout->addWidget(iconZoomSmall_, 1, 1);
  smallLayout->setColumnStretch(2, 1);
  return small;
}

QWidget* PreferencesDialog::buildMousePage() {
  auto* page = new QWidget;
  page->setObjectName("MouseTab");

  auto* speed = new QGroupBox(tr("Map left-button-down zoom-in speed"), page);
  speed->setObjectName("ZoomSpeedGroup");
  auto* speedLayout = new QHBoxLayout(speed);
  zoomSpeed_ = new QScrollBar(Qt::Horizontal, speed);
  zoomSpeed_->setObjectName("ZoomSpeedBar");
  zoomSpeed_->setRange(ZoomSpeedMin, ZoomSpeedMax);
  zoomSpeed_->setPageStep(1);
  zoomSpeed_->setMinimumWidth(200);
  // The map's zoom step grows with the value, so the high end is the fast one.
  auto* slow = new QLabel(tr("Slow"), speed);
  slow->setObjectName("ZoomSlowLabel");
  auto* fast = new QLabel(tr("Fast"), speed);
  fast->setObjectName("ZoomFastLabel");
  speedLayout->addWidget(slow);
  speedLayout->addWidget(zoomSpeed_, 1);
  speedLayout->addWidget(fast);

  auto* dbl =
      radioGroup(QT_TR_NOOP("Map double-click linked to:"), "DblClickLink",
                 {QT_TR_NOOP("Zoom-out by steps"), QT_TR_NOOP("Zoom-out to fit Battlefield")},
                 dblClickLink_, page);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(speed);
  layout->addWidget(dbl);
  layout->addStretch(1);
  return page;
}

QString PreferencesDialog::modelDirectoryDefault() const {
  // Read from the label, so that a game folder chosen in this dialog moves the default along.
  shell::Settings game;
  game.gameDirectory = folderOf(directories_[Zyn]).toStdString();
  if (game.gameDirectory == shell::Undefined) return shell::Undefined;
  return QString::fromStdString(shell::defaultModelDirectory(game));
}

void PreferencesDialog::showSettings() {
  const shell::Settings& s = settings_;
  autoLink_->setChecked(s.autoLink);
  checkPlayable_->setChecked(s.checkPlayable);
  confirmDeletes_->setChecked(s.confirmDeletes);
  enableWPs_->setChecked(s.enableWPs);
  linkColor_->setChecked(s.linkColor);
  adjustForRes_->setChecked(s.adjustForRes);
  useWiz_->setChecked(s.useWiz);
  dirInReopen_->setChecked(s.dirInReopen);
  doBackups_->setChecked(s.doBackups);
  fileSavedMsg_->setChecked(s.fileSavedMsg);
  keepRecovery_->setChecked(s.keepRecovery);
  showChoice(defaultFormat_, s.defaultFormat);
  showChoice(openProgWith_, s.openProgWith);
  defaultShip_->setCurrentIndex(s.defaultShip < defaultShip_->count() ? s.defaultShip : -1);
  defaultAI_->setCurrentIndex(s.defaultAI < defaultAI_->count() ? s.defaultAI : -1);
  // A language the editor does not know shows as "System", which it means.
  language_->setCurrentIndex(std::max(0, language_->findData(QString::fromStdString(s.language))));

  showFolder(directories_[Missions], QString::fromStdString(s.missionsDirectory));
  showFolder(directories_[Zyn], QString::fromStdString(s.gameDirectory));
  showFolder(directories_[ZynED], QString::fromStdString(s.editorDirectory));
  showFolder(directories_[Wave], QString::fromStdString(s.waveDirectory));
  // An unset model folder shows its default and stays unset unless another one is chosen.
  shownModelDefault_ = s.modelDirectory.empty() ? modelDirectoryDefault() : QString();
  showFolder(directories_[OPT], s.modelDirectory.empty()
                                    ? shownModelDefault_
                                    : QString::fromStdString(s.modelDirectory));

  centre_->setChecked(s.centre);
  ghostText_->setChecked(s.ghostText);
  showChoice(defaultWPs_, s.defaultWPs);
  showChoice(autoCtr_, s.autoCtr);
  defaultName_->setChecked(s.defaultName);
  defaultWPtime_->setChecked(s.defaultWPtime);
  defaultWPdist_->setChecked(s.defaultWPdist);
  defaultPallet_->setChecked(s.defaultPallet);
  defaultFGList_->setChecked(s.defaultFGList);
  defaultHyp_->setChecked(s.defaultHyp);
  defaultOptions_->setChecked(s.defaultOptions);
  limitShrink_->setChecked(s.limitShrink);
  ghostGrid_->setChecked(s.ghostGrid);
  onlyXY_->setChecked(s.onlyXY);
  iconZoomSmall_->setText(QString::number(s.iconZoomSmall));

  zoomSpeed_->setValue(s.zoomSpeed);
  showChoice(dblClickLink_, s.dblClickLink);
}

void PreferencesDialog::showFolders() {
  if (auto* folders = pages_->findChild<QWidget*>(QStringLiteral("DirectoriesTab")))
    pages_->setCurrentWidget(folders);
}

bool PreferencesDialog::takeControls(bool accepted) {
  bool number = false;
  const QString zoomText = iconZoomSmall_->text().trimmed();
  const long long zoom = zoomText.toLongLong(&number);
  // Cancel is never held up by a field: one that holds no number keeps the value it had.
  if (!number && accepted) {
    pages_->setCurrentIndex(MapPageIndex);
    prompter_->error(this, tr("\"%1\" is not a whole number.\nEnter the zoom above which small "
                              "craft are drawn as wireframes (%2 to %3).")
                               .arg(iconZoomSmall_->text())
                               .arg(IconZoomSmallMin)
                               .arg(IconZoomSmallMax));
    iconZoomSmall_->setFocus();
    iconZoomSmall_->selectAll();
    return false;
  }

  shell::Settings& s = settings_;
  takeOptionsPage(s);
  takeDirectoriesPage(s);
  takeMapPage(s);
  if (number) s.iconZoomSmall = shell::clampIconZoomSmall(zoom);

  s.zoomSpeed = zoomSpeed_->value();
  s.dblClickLink = takeChoice(dblClickLink_, s.dblClickLink);
  return true;
}

void PreferencesDialog::takeOptionsPage(shell::Settings& s) const {
  s.autoLink = autoLink_->isChecked();
  s.checkPlayable = checkPlayable_->isChecked();
  s.confirmDeletes = confirmDeletes_->isChecked();
  s.enableWPs = enableWPs_->isChecked();
  s.linkColor = linkColor_->isChecked();
  s.adjustForRes = adjustForRes_->isChecked();
  s.useWiz = useWiz_->isChecked();
  s.dirInReopen = dirInReopen_->isChecked();
  s.doBackups = doBackups_->isChecked();
  s.fileSavedMsg = fileSavedMsg_->isChecked();
  s.keepRecovery = keepRecovery_->isChecked();
  s.defaultFormat = takeChoice(defaultFormat_, s.defaultFormat);
  s.openProgWith = takeChoice(openProgWith_, s.openProgWith);
  s.defaultShip = takeIndex(defaultShip_, s.defaultShip);
  s.defaultAI = takeIndex(defaultAI_, s.defaultAI);
  // An unknown language stays as the file has it until another one is chosen.
  if (language_->findData(QString::fromStdString(s.language)) >= 0 || language_->currentIndex() > 0)
    s.language = language_->currentData().toString().toStdString();
}

void PreferencesDialog::takeDirectoriesPage(shell::Settings& s) const {
  s.missionsDirectory = folderOf(directories_[Missions]).toStdString();
  s.gameDirectory = folderOf(directories_[Zyn]).toStdString();
  s.editorDirectory = folderOf(directories_[ZynED]).toStdString();
  s.waveDirectory = folderOf(directories_[Wave]).toStdString();
  const QString model = folderOf(directories_[OPT]);
  if (shownModelDefault_.isEmpty() || model != shownModelDefault_) {
    s.modelDirectory = model.toStdString();
  }
}

// The Map page but for the zoom of small craft, which is checked first.
void PreferencesDialog::takeMapPage(shell::Settings& s) const {
  s.centre = centre_->isChecked();
  s.ghostText = ghostText_->isChecked();
  s.defaultWPs = takeChoice(defaultWPs_, s.defaultWPs);
  s.autoCtr = takeChoice(autoCtr_, s.autoCtr);
  s.defaultName = defaultName_->isChecked();
  s.defaultWPtime = defaultWPtime_->isChecked();
  s.defaultWPdist = defaultWPdist_->isChecked();
  s.defaultPallet = defaultPallet_->isChecked();
  s.defaultFGList = defaultFGList_->isChecked();
  s.defaultHyp = defaultHyp_->isChecked();
  s.defaultOptions = defaultOptions_->isChecked();
  s.limitShrink = limitShrink_->isChecked();
  s.ghostGrid = ghostGrid_->isChecked();
  s.onlyXY = onlyXY_->isChecked();
}

void PreferencesDialog::done(int result) {
  if (!takeControls(result == QDialog::Accepted)) return;
  emit defaultsChosen(settings_.defaultShip, settings_.defaultAI);
  if (result == QDialog::Accepted) {
    std::string error;
    if (!shell::writeSettings(iniPath_, settings_, &error)) {
      prompter_->error(this,
                       tr("The settings could not be saved to \"%1\".\n%2")
                           .arg(QString::fromStdString(iniPath_), QString::fromStdString(error)));
    }
    // The keys chosen work from now on, also when the file cannot keep them.
    KeyMap::instance().setBindings(keyboard_->bindings());
    if (!shell::writeKeyBindings(iniPath_, keyboard_->bindings(), &error)) {
      prompter_->error(this,
                       tr("The keys could not be saved to \"%1\".\n%2")
                           .arg(QString::fromStdString(iniPath_), QString::fromStdString(error)));
    }
  }
  QDialog::done(result);
}

void PreferencesDialog::setPrompter(Prompter& prompter) {
  prompter_ = &prompter;
  keyboard_->setPrompter(prompter);
}

QString PreferencesDialog::browseStart(Directory which) const {
  const QString shown = folderOf(directories_[which]);
  if (shown != shell::Undefined) return shown;
  if (which == Wave) {
    const std::string game = folderOf(directories_[Zyn]).toStdString();
    if (game != shell::Undefined) {
      if (auto wave = shell::findEntryNoCase(game, "wave"); wave && shell::isDirectory(*wave)) {
        return QString::fromStdString(*wave);
      }
    }
  }
  return {};
}

void PreferencesDialog::setDirectory(Directory which, const QString& folder) {
  showFolder(directories_[which], folder);
  if (which == Zyn && !shownModelDefault_.isEmpty() &&
      folderOf(directories_[OPT]) == shownModelDefault_) {
    shownModelDefault_ = modelDirectoryDefault();
    showFolder(directories_[OPT], shownModelDefault_);
  }
}

void PreferencesDialog::browse(Directory which) {
  if (auto chosen = FolderChooserDialog::chooseFolder(this, browseStart(which), *prompter_)) {
    setDirectory(which, *chosen);
  }
}

bool PreferencesDialog::editSettings(QWidget* parent, shell::Settings& settings,
                                     const shell::Vocabulary& vocab, const std::string& iniPath,
                                     const PreferencesHooks& hooks) {
  PreferencesDialog dialog(settings, vocab, iniPath, parent);
  if (hooks.autoLinkToggled) {
    connect(&dialog, &PreferencesDialog::autoLinkToggled, &dialog, hooks.autoLinkToggled);
  }
  if (hooks.defaultsChosen) {
    connect(&dialog, &PreferencesDialog::defaultsChosen, &dialog, hooks.defaultsChosen);
  }
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace app
