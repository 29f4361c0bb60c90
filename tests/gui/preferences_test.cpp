// The Preferences dialog and the folder chooser, driven offscreen by objectName.
#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "app/base/folder_chooser_dialog.h"
#include "app/base/prompter.h"
#include "app/base/translations.h"
#include "app/shell/preferences_dialog.h"
#include "editor_fixture.h"
#include "in_language.h"
#include "shell/settings.h"
#include "shell/settings_file.h"
#include "shell/vocabulary.h"

using app::FolderChooserDialog;
using app::PreferencesDialog;

namespace {

constexpr int WideScreen = 1280;

template <typename W>
W* find(QWidget& root, const char* name) {
  W* widget = root.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Handles the next modal window that opens (a message box or the folder chooser) from inside
// its own event loop, then closes it if the handler left it open.
class NextModal {
 public:
  explicit NextModal(std::function<void(QWidget*)> handler) : handler_(std::move(handler)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      timer_.stop();
      seen_ = true;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) text_ = box->text();
      handler_(modal);
      if (modal->isVisible()) modal->close();
    });
    timer_.start();
  }
  bool seen() const { return seen_; }
  const QString& text() const { return text_; }

 private:
  std::function<void(QWidget*)> handler_;
  QTimer timer_;
  bool seen_ = false;
  QString text_;
};

// Records error boxes instead of showing them; answers the desktop's folder dialog.
struct RecordingPrompter : app::Prompter {
  void error(QWidget*, const QString& text) override { errors << text; }
  QString existingFolder(QWidget*, const QString&, const QString& dir) override {
    folderDirs << dir;
    return folders.isEmpty() ? QString() : folders.takeFirst();
  }
  QStringList errors;
  QStringList folders;     // answers, in order; none cancels
  QStringList folderDirs;  // where the dialog was opened
};

// Runs the event loop until `done` or about two seconds have passed (the folder tree is read
// in the background).
bool waitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  return done();
}

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config_.isValid());
    iniPath_ = config_.filePath("ZynED.ini");
  }
  std::string ini() const { return iniPath_.toStdString(); }

  QTemporaryDir config_;
  QString iniPath_;
  shell::Settings settings_;
  shell::Vocabulary vocab_;
};

TEST_F(PreferencesTest, FirstRunShowsEveryDefault) {
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  EXPECT_EQ(dialog.windowTitle(), "Preferences");
  auto* pages = find<QTabWidget>(dialog, "PrefPages");
  ASSERT_EQ(pages->count(), 5);
  EXPECT_EQ(pages->tabText(0), "Options");
  EXPECT_EQ(pages->tabText(1), "Directories");
  EXPECT_EQ(pages->tabText(2), "Map");
  EXPECT_EQ(pages->tabText(3), "Mouse");

  // Without a game folder the model folder has no default to show either.
  for (const char* name :
       {"MissionsDirLabel", "ZynDirLabel", "ZynEDDirLabel", "WaveDirLabel", "OPTDirLabel"}) {
    EXPECT_EQ(find<QLabel>(dialog, name)->text(), "Undefined") << name;
  }

  const std::pair<const char*, bool> checks[] = {
      {"AutoLinkCheck", true},        {"CheckPlayableCheck", true},  {"ConfirmDeletesCheck", true},
      {"EnableWPsCheck", true},       {"LinkColorCheck", true},      {"AdjustForResCheck", false},
      {"UseWizCheck", true},          {"DirInReopenCheck", false},   {"DoBackupsCheck", true},
      {"FileSavedMsgCheck", true},    {"CentreCheck", true},         {"GhostTextCheck", false},
      {"DefaultNameCheck", true},     {"DefaultWPtimeCheck", true},  {"DefaultWPdistCheck", false},
      {"DefaultPalletCheck", false},  {"DefaultFGListCheck", false}, {"DefaultHypCheck", true},
      {"DefaultOptionsCheck", false}, {"LimitShrinkCheck", true},    {"GhostGridCheck", true},
      {"OnlyXYCheck", false},         {"KeepRecoveryCheck", true},
  };
  for (const auto& [name, on] : checks) {
    EXPECT_EQ(find<QCheckBox>(dialog, name)->isChecked(), on) << name;
  }
  for (const char* name : {"DefaultFormatRadio1", "OpenProgWithRadio0", "DefaultWPsRadio0",
                           "AutoCtrRadio3", "DblClickLinkRadio0"}) {
    EXPECT_TRUE(find<QRadioButton>(dialog, name)->isChecked()) << name;
  }
  EXPECT_EQ(find<QRadioButton>(dialog, "AutoCtrRadio3")->text(), "Fit to Battlefield");

  auto* ship = find<QComboBox>(dialog, "DefaultShipBox");
  EXPECT_EQ(ship->count(), static_cast<int>(vocab_.table("Ships").size()));
  EXPECT_EQ(ship->currentIndex(), 1);
  auto* ai = find<QComboBox>(dialog, "DefaultAIBox");
  EXPECT_EQ(ai->count(), 6);
  EXPECT_EQ(ai->currentText(), "Veteran");
  EXPECT_EQ(find<QLineEdit>(dialog, "IconZoomSmallEdit")->text(), "4");
  auto* speed = find<QScrollBar>(dialog, "ZoomSpeedBar");
  EXPECT_EQ(speed->value(), 8);
  EXPECT_EQ(speed->minimum(), 5);
  EXPECT_EQ(speed->maximum(), 18);

  // Captions the users know, odd spellings and trailing blanks included.
  EXPECT_EQ(find<QCheckBox>(dialog, "FileSavedMsgCheck")->text(), "Show File Saved Message ");
  EXPECT_EQ(find<QCheckBox>(dialog, "LimitShrinkCheck")->text(), "Minimum wirefrime sizes");
  EXPECT_EQ(find<QCheckBox>(dialog, "GhostGridCheck")->text(), "'Ghost' Map  grid");
}

TEST_F(PreferencesTest, ScreenAdjustBoxFollowsScreenWidth) {
  EXPECT_EQ(PreferencesDialog::adjustForResCaption(800), "");
  EXPECT_EQ(PreferencesDialog::adjustForResCaption(1023), "");
  EXPECT_EQ(PreferencesDialog::adjustForResCaption(1024),
            "Adjust Main window and Map window to fit screen");
  EXPECT_EQ(PreferencesDialog::adjustForResCaption(1025), "Adjust Map to fit screen");

  settings_.adjustForRes = true;
  PreferencesDialog narrow(settings_, vocab_, ini(), nullptr, 800);
  EXPECT_TRUE(find<QCheckBox>(narrow, "AdjustForResCheck")->isHidden());
  // A hidden box still carries the setting through the dialog.
  narrow.reject();
  EXPECT_TRUE(settings_.adjustForRes);

  PreferencesDialog exact(settings_, vocab_, ini(), nullptr, 1024);
  auto* box = find<QCheckBox>(exact, "AdjustForResCheck");
  EXPECT_FALSE(box->isHidden());
  EXPECT_EQ(box->text(), "Adjust Main window and Map window to fit screen");
}

TEST_F(PreferencesTest, CancelUpdatesRunningSettingsButLeavesTheFile) {
  // No file yet: Cancel must not create one.
  {
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
    find<QCheckBox>(dialog, "DirInReopenCheck")->setChecked(true);
    dialog.reject();
  }
  EXPECT_TRUE(settings_.dirInReopen);
  EXPECT_FALSE(QFile::exists(iniPath_));

  // An existing file stays byte for byte as it was.
  shell::Settings stored;
  ASSERT_TRUE(shell::writeSettings(ini(), stored));
  const QByteArray before = fileBytes(iniPath_);
  ASSERT_FALSE(before.isEmpty());
  {
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
    find<QCheckBox>(dialog, "FileSavedMsgCheck")->setChecked(false);
    find<QRadioButton>(dialog, "OpenProgWithRadio3")->setChecked(true);
    dialog.setDirectory(PreferencesDialog::Missions, config_.path());
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  EXPECT_EQ(fileBytes(iniPath_), before);
  EXPECT_FALSE(settings_.fileSavedMsg);
  EXPECT_EQ(settings_.openProgWith, 3);
  EXPECT_EQ(settings_.missionsDirectory, config_.path().toStdString());
}

TEST_F(PreferencesTest, OkWritesEveryControlToTheFile) {
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  find<QCheckBox>(dialog, "ConfirmDeletesCheck")->setChecked(false);
  find<QCheckBox>(dialog, "OnlyXYCheck")->setChecked(true);
  find<QRadioButton>(dialog, "DefaultFormatRadio0")->setChecked(true);
  find<QRadioButton>(dialog, "AutoCtrRadio4")->setChecked(true);
  find<QRadioButton>(dialog, "DblClickLinkRadio1")->setChecked(true);
  find<QComboBox>(dialog, "DefaultShipBox")->setCurrentIndex(7);
  find<QComboBox>(dialog, "DefaultAIBox")->setCurrentIndex(4);
  find<QScrollBar>(dialog, "ZoomSpeedBar")->setValue(17);
  testing_gui::EditorFixture::retype(find<QLineEdit>(dialog, "IconZoomSmallEdit"), " 250 ");
  dialog.setDirectory(PreferencesDialog::Zyn, config_.path());
  dialog.setDirectory(PreferencesDialog::OPT, config_.filePath("models"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  ASSERT_TRUE(QFile::exists(iniPath_));
  const shell::Settings read = shell::readSettings(ini());
  EXPECT_FALSE(read.confirmDeletes);
  EXPECT_TRUE(read.onlyXY);
  EXPECT_EQ(read.defaultFormat, 0);
  EXPECT_EQ(read.autoCtr, 4);
  EXPECT_EQ(read.dblClickLink, 1);
  EXPECT_EQ(read.defaultShip, 7);
  EXPECT_EQ(read.defaultAI, 4);
  EXPECT_EQ(read.zoomSpeed, 17);
  EXPECT_EQ(read.iconZoomSmall, 250);
  EXPECT_EQ(read.gameDirectory, config_.path().toStdString());
  EXPECT_EQ(read.modelDirectory, config_.filePath("models").toStdString());
  EXPECT_EQ(read.missionsDirectory, "Undefined");
  EXPECT_EQ(settings_.zoomSpeed, 17);
}

// A folder not chosen yet is shown in the user's language and stored as the settings file has it.
TEST_F(PreferencesTest, AFolderNotChosenIsShownInTheUsersLanguageAndStoredAsBefore) {
  const testing_gui::InLanguage language(QStringLiteral("de"));
  ASSERT_TRUE(language.installed());
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  EXPECT_EQ(find<QLabel>(dialog, "MissionsDirLabel")->text(), QStringLiteral("Nicht festgelegt"));
  dialog.setDirectory(PreferencesDialog::Zyn, config_.path());
  dialog.setDirectory(PreferencesDialog::ZynED, config_.filePath("editor"));
  dialog.setDirectory(PreferencesDialog::Wave, config_.filePath("wave"));
  dialog.accept();
  const shell::Settings read = shell::readSettings(ini());
  EXPECT_EQ(read.missionsDirectory, "Undefined");
  EXPECT_EQ(read.gameDirectory, config_.path().toStdString());
  EXPECT_EQ(read.editorDirectory, config_.filePath("editor").toStdString());
  EXPECT_EQ(read.waveDirectory, config_.filePath("wave").toStdString());
}

TEST_F(PreferencesTest, IconZoomSmallIsClampedWhenTheDialogCloses) {
  const std::pair<const char*, int> cases[] = {{"1", 4},       {"4", 4},  {"5000", 2000},
                                               {"2000", 2000}, {"-7", 4}, {"99999999999", 2000}};
  for (const auto& [typed, stored] : cases) {
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
    testing_gui::EditorFixture::retype(find<QLineEdit>(dialog, "IconZoomSmallEdit"), typed);
    dialog.accept();
    EXPECT_EQ(settings_.iconZoomSmall, stored) << typed;
    EXPECT_EQ(shell::readSettings(ini()).iconZoomSmall, stored) << typed;
  }
}

// OK with a zoom that is no number says so and keeps the dialog open; Cancel (Esc) is never held
// up: the field keeps the value it had, the rest goes into the running settings as Cancel does.
TEST_F(PreferencesTest, NonNumericZoomHoldsUpOkButNotCancel) {
  for (bool escape : {false, true}) {
    settings_.centre = true;
    settings_.iconZoomSmall = 8;
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
    dialog.show();
    find<QCheckBox>(dialog, "CentreCheck")->setChecked(false);
    testing_gui::EditorFixture::retype(find<QLineEdit>(dialog, "IconZoomSmallEdit"), "12a");
    {
      NextModal box([](QWidget*) {});
      dialog.accept();
      EXPECT_TRUE(box.seen());
      EXPECT_TRUE(box.text().contains("12a")) << box.text().toStdString();
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(find<QTabWidget>(dialog, "PrefPages")->currentIndex(), 2);
    NextModal none([](QWidget*) {});  // a box now would hold Cancel up
    if (escape) {
      QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(&dialog, &esc);
    } else {
      dialog.reject();
    }
    EXPECT_FALSE(none.seen());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(settings_.centre);
    EXPECT_EQ(settings_.iconZoomSmall, 8);
    EXPECT_FALSE(QFile::exists(iniPath_));
  }
}

TEST_F(PreferencesTest, AutoLinkAppliesAtOnceAndDefaultsGoOutOnClose) {
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  std::vector<bool> toggles;
  std::optional<std::pair<int, int>> defaults;
  QObject::connect(&dialog, &PreferencesDialog::autoLinkToggled,
                   [&](bool on) { toggles.push_back(on); });
  QObject::connect(&dialog, &PreferencesDialog::defaultsChosen, [&](int ship, int ai) {
    defaults = {ship, ai};
  });
  EXPECT_TRUE(toggles.empty());  // filling the dialog is not a toggle

  auto* autoLink = find<QCheckBox>(dialog, "AutoLinkCheck");
  autoLink->click();
  ASSERT_EQ(toggles, std::vector<bool>{false});
  autoLink->click();
  autoLink->click();
  EXPECT_EQ(toggles, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(defaults);

  find<QComboBox>(dialog, "DefaultShipBox")->setCurrentIndex(12);
  find<QComboBox>(dialog, "DefaultAIBox")->setCurrentIndex(5);
  dialog.reject();
  ASSERT_TRUE(defaults);
  EXPECT_EQ(*defaults, std::make_pair(12, 5));
  EXPECT_FALSE(settings_.autoLink);
}

TEST_F(PreferencesTest, StoredValuesOutsideTheBoxesSurviveTheDialog) {
  settings_.defaultShip = 250;  // beyond a short craft table
  settings_.openProgWith = 9;
  settings_.confirmClose = false;  // no control of its own
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  EXPECT_EQ(find<QComboBox>(dialog, "DefaultShipBox")->currentIndex(), -1);
  dialog.accept();
  EXPECT_EQ(settings_.defaultShip, 250);
  EXPECT_EQ(settings_.openProgWith, 9);
  const shell::Settings read = shell::readSettings(ini());
  EXPECT_EQ(read.defaultShip, 250);
  EXPECT_FALSE(read.confirmClose);
}

TEST_F(PreferencesTest, ModelFolderFollowsTheGameUntilSetByHand) {
  ASSERT_TRUE(QDir(config_.path()).mkpath("game/Quelvane/ivfiles"));
  ASSERT_TRUE(QDir(config_.path()).mkpath("other"));
  const QString game = config_.filePath("game");
  {
    // A game folder chosen in the dialog moves the shown default along.
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
    dialog.setDirectory(PreferencesDialog::Zyn, game);
    const QString shown = find<QLabel>(dialog, "OPTDirLabel")->text();
    EXPECT_TRUE(shown.startsWith(game + "/Quelvane")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("ivfiles")) << shown.toStdString();
    dialog.accept();
  }
  EXPECT_EQ(settings_.gameDirectory, game.toStdString());
  EXPECT_TRUE(settings_.modelDirectory.empty());
  EXPECT_EQ(shell::readSettings(ini()).modelDirectory, "");
  {
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
    dialog.setDirectory(PreferencesDialog::OPT, config_.filePath("other"));
    // Once chosen by hand, a new game folder leaves it alone.
    dialog.setDirectory(PreferencesDialog::Zyn, config_.path());
    EXPECT_EQ(find<QLabel>(dialog, "OPTDirLabel")->text(), config_.filePath("other"));
    dialog.accept();
  }
  EXPECT_EQ(settings_.modelDirectory, config_.filePath("other").toStdString());
}

TEST_F(PreferencesTest, LongFoldersDoNotWidenTheDialog) {
  PreferencesDialog plain(settings_, vocab_, ini(), nullptr, WideScreen);
  plain.show();
  settings_.missionsDirectory = "/" + std::string(400, 'm');
  PreferencesDialog wide(settings_, vocab_, ini(), nullptr, WideScreen);
  wide.show();
  EXPECT_EQ(wide.width(), plain.width());
  EXPECT_EQ(find<QLabel>(wide, "MissionsDirLabel")->toolTip().size(), 401);
}

TEST_F(PreferencesTest, OkReportsAFileThatCannotBeWritten) {
  // The settings path is a folder: the write must fail and say so.
  PreferencesDialog dialog(settings_, vocab_, config_.path().toStdString(), nullptr, WideScreen);
  RecordingPrompter boxes;
  dialog.setPrompter(boxes);
  dialog.show();
  find<QCheckBox>(dialog, "UseWizCheck")->setChecked(false);
  dialog.accept();
  ASSERT_EQ(boxes.errors.size(), 1);
  EXPECT_TRUE(boxes.errors[0].contains("could not be saved")) << boxes.errors[0].toStdString();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(settings_.useWiz);
}

TEST_F(PreferencesTest, BrowseStartsAtTheGameWaveFolderAndOkFillsTheLabel) {
  ASSERT_TRUE(QDir(config_.path()).mkpath("game/WAVE/sub"));
  const QString game = config_.filePath("game");
  const QString wave = config_.filePath("game/WAVE");
  settings_.gameDirectory = game.toStdString();
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  dialog.show();
  EXPECT_EQ(dialog.browseStart(PreferencesDialog::Wave), wave);
  EXPECT_EQ(dialog.browseStart(PreferencesDialog::Missions), "");
  EXPECT_EQ(dialog.browseStart(PreferencesDialog::Zyn), game);

  QString opened;
  {
    NextModal chooser([&](QWidget* w) {
      auto* folders = qobject_cast<FolderChooserDialog*>(w);
      ASSERT_NE(folders, nullptr);
      EXPECT_EQ(folders->windowTitle(), "Browse");
      testing_gui::expectControlsApart(*folders);
      opened = folders->currentFolder();
      folders->setCurrentFolder(wave + "/sub");
      folders->accept();
    });
    find<QAbstractButton>(dialog, "WaveBrowseBtn")->click();
    EXPECT_TRUE(chooser.seen());
  }
  EXPECT_EQ(opened, wave);
  auto* label = find<QLabel>(dialog, "WaveDirLabel");
  EXPECT_EQ(label->text(), wave + "/sub");

  {
    NextModal chooser([](QWidget* w) {
      auto* folders = qobject_cast<FolderChooserDialog*>(w);
      ASSERT_NE(folders, nullptr);
      folders->setCurrentFolder(QDir::rootPath());
      folders->reject();
    });
    find<QAbstractButton>(dialog, "WaveBrowseBtn")->click();
  }
  EXPECT_EQ(label->text(), wave + "/sub");
  dialog.reject();
  EXPECT_EQ(settings_.waveDirectory, (wave + "/sub").toStdString());
}

TEST(FolderChooser, OffersRootsAndHomeAndReportsTheChosenFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkpath("a/b"));
  const QString deep = QDir(dir.filePath("a/b")).canonicalPath();

  const QStringList roots = FolderChooserDialog::rootFolders();
  EXPECT_TRUE(roots.contains(QDir::rootPath()));
  EXPECT_TRUE(roots.contains(QDir::cleanPath(QDir::homePath())));

  FolderChooserDialog chooser(deep);
  EXPECT_EQ(chooser.windowTitle(), "Browse");
  EXPECT_EQ(chooser.currentFolder(), deep);
  EXPECT_EQ(find<QLabel>(chooser, "FolderLabel")->text(), QDir::toNativeSeparators(deep));

  // A folder that is gone opens at home; picking a root shows that root.
  FolderChooserDialog missing(dir.filePath("gone"));
  EXPECT_EQ(missing.currentFolder(), QDir::cleanPath(QDir::homePath()));
  auto* drives = find<QComboBox>(missing, "DriveBox");
  const int rootIndex = drives->findData(QDir::rootPath());
  ASSERT_GE(rootIndex, 0);
  drives->setCurrentIndex(rootIndex);
  emit drives->activated(rootIndex);
  EXPECT_EQ(missing.currentFolder(), QDir::rootPath());
}

TEST(FolderChooser, NeverLooksIntoAFile) {
  // A file's type is never guessed from its bytes (a pipe or /proc/kmsg would never answer).
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile pdf(dir.filePath("notes"));
  ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
  pdf.write("%PDF-1.4\n");
  pdf.close();
  FolderChooserDialog chooser(dir.path());
  auto* tree = find<QTreeView>(chooser, "FolderTree");
  auto* path = find<QLineEdit>(chooser, "FolderPathEdit");
  for (QAbstractItemModel* m : {tree->model(), path->completer()->model()}) {
    auto* files = qobject_cast<QFileSystemModel*>(m);
    ASSERT_TRUE(files && files->iconProvider());
    EXPECT_EQ(files->iconProvider()->type(QFileInfo(pdf.fileName())), QStringLiteral("File"));
  }
}

TEST_F(PreferencesTest, EditorFolderSaysWhatItIsForAndTheDesktopDialogIsOffered) {
  ASSERT_TRUE(QDir(config_.path()).mkpath("game/wave"));
  settings_.gameDirectory = config_.filePath("game").toStdString();
  PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, WideScreen);
  RecordingPrompter boxes;
  dialog.setPrompter(boxes);
  EXPECT_TRUE(find<QLabel>(dialog, "ZynEDDirNote")->text().contains("history"));
  auto* browse = find<QAbstractButton>(dialog, "WaveDesktopBrowseBtn");
  auto* tree = find<QAbstractButton>(dialog, "WaveBrowseBtn");
  // Each button says which chooser it opens.
  EXPECT_EQ(browse->text(), "Browse…");
  EXPECT_EQ(tree->text(), "Folder Tree…");
  EXPECT_TRUE(browse->toolTip().contains("desktop"));
  EXPECT_TRUE(tree->toolTip().contains("folder tree"));
  boxes.folders << config_.filePath("game/wave/");
  browse->click();
  browse->click();  // cancelled: the folder stays
  EXPECT_EQ(boxes.folderDirs,
            QStringList({config_.filePath("game/wave"), config_.filePath("game/wave")}));
  EXPECT_EQ(find<QLabel>(dialog, "WaveDirLabel")->text(), config_.filePath("game/wave"));
}

TEST(FolderChooser, OpensScrolledToTheStartFolderAndFollowsATypedPath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (int i = 0; i < 80; ++i)
    ASSERT_TRUE(QDir(dir.path()).mkpath(QString("f%1").arg(i, 2, 10, QChar('0'))));
  const QString base = QDir(dir.path()).canonicalPath();
  FolderChooserDialog chooser(base + "/f79");
  chooser.resize(400, 420);
  chooser.show();
  auto* tree = find<QTreeView>(chooser, "FolderTree");
  EXPECT_TRUE(waitFor([&] {
    const QModelIndex current = tree->currentIndex();
    return current.data().toString() == "f79" &&
           tree->viewport()->rect().contains(tree->visualRect(current));
  }));
  auto* path = find<QLineEdit>(chooser, "FolderPathEdit");
  EXPECT_EQ(path->text(), QDir::toNativeSeparators(base + "/f79"));

  // A typed folder is followed as it is typed; one that is no folder keeps the dialog open.
  testing_gui::EditorFixture::retype(path, base + "/f03");
  EXPECT_EQ(chooser.currentFolder(), base + "/f03");
  EXPECT_EQ(path->text(), base + "/f03");
  testing_gui::EditorFixture::retype(path, base + "/nothing");
  chooser.accept();
  EXPECT_TRUE(chooser.isVisible());
  EXPECT_TRUE(find<QLabel>(chooser, "FolderLabel")->text().contains("is not a folder"));
  testing_gui::EditorFixture::retype(path, base + "/f05/");
  chooser.accept();
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(chooser.currentFolder(), base + "/f05");
}

TEST(FolderChooser, AHomeOfHiddenFoldersIsShownAmongItsNeighbours) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  ASSERT_TRUE(QDir(home.path()).mkpath(".config"));
  const bool hadHome = qEnvironmentVariableIsSet("HOME");
  const QByteArray oldHome = qgetenv("HOME");
  qputenv("HOME", home.path().toLocal8Bit());
  {
    FolderChooserDialog chooser(QString{});
    const QString shown = QDir::cleanPath(home.path());
    EXPECT_EQ(chooser.currentFolder(), shown);
    // The tree starts further out than the home folder, which it would show empty.
    const QString root = find<QComboBox>(chooser, "DriveBox")->currentData().toString();
    EXPECT_NE(root, shown);
    EXPECT_TRUE(shown.startsWith(root));
  }
  if (hadHome)
    qputenv("HOME", oldHome);
  else
    qunsetenv("HOME");
}

// Saves each page as a picture for a look at the layout: ZYNED_GRAB_DIR=/tmp/somewhere.
TEST_F(PreferencesTest, DISABLED_GrabPages) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the pages";
  for (int width : {1024, 1280}) {
    PreferencesDialog dialog(settings_, vocab_, ini(), nullptr, width);
    dialog.show();
    auto* pages = find<QTabWidget>(dialog, "PrefPages");
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      QApplication::processEvents();
      dialog.grab().save(QString("%1/prefs-%2-%3.png").arg(QString(out)).arg(width).arg(i));
    }
  }
  FolderChooserDialog chooser(QDir::tempPath());
  chooser.show();
  // The folder tree fills in the background.
  for (int i = 0; i < 50; ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  chooser.grab().save(QString(out) + "/browse.png");
}

}  // namespace
