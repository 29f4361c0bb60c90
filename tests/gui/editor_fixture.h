#pragma once
// A whole editor for GUI tests: a MainWindow on the offscreen platform with its own settings
// folder and editor folder, every box and dialog answered by a script, and widgets found by
// their object name.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/base/deferred_page.h"
#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/document/mission_document.h"
#include "app/shell/main_window.h"
#include "model/mission.h"
#include "model/mission_file.h"
#include "shell/settings_file.h"

namespace app {
// The one door to the document's content that skips the history: test set-up only.
struct DocumentTestAccess {
  static model::Mission& content(MissionDocument& doc) { return doc.mission_; }
};
}  // namespace app

namespace testing_gui {

// Whether `c` is an item of `layout` or of a layout nested in it.
inline bool laidOutBy(const QLayout* layout, const QWidget* c) {
  for (int i = 0; layout && i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == c || laidOutBy(item->layout(), c)) return true;
  }
  return false;
}

// The controls a user works with in `w` (buttons, fields, boxes, lists) and the captions beside
// them, as laid out now: no two of them cover each other, and each one whose parent has a layout
// is in it. A control left out of its layout sits in a corner, over another or out of sight.
inline void expectControlsApart(const QWidget& w) {
  auto isControl = [](const QWidget* c) {
    if (const auto* label = qobject_cast<const QLabel*>(c)) return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(c) || qobject_cast<const QLineEdit*>(c) ||
           qobject_cast<const QComboBox*>(c) || qobject_cast<const QAbstractSpinBox*>(c) ||
           qobject_cast<const QAbstractItemView*>(c) || qobject_cast<const QPlainTextEdit*>(c) ||
           qobject_cast<const QTextEdit*>(c) || qobject_cast<const QTabBar*>(c);
  };
  std::vector<std::pair<const QWidget*, QRect>> shown;
  for (const QWidget* c : w.findChildren<QWidget*>()) {
    if (!isControl(c) || !c->isVisible() || c->window() != &w) continue;
    bool inner = false;  // the field of a spin box, the scroll buttons of a tab bar
    for (const QWidget* p = c->parentWidget(); p && p != &w; p = p->parentWidget())
      inner = inner || isControl(p);
    if (inner) continue;
    shown.emplace_back(c, QRect(c->mapTo(&w, QPoint(0, 0)), c->size()));
    const QWidget* parent = c->parentWidget();
    EXPECT_TRUE(!parent || !parent->layout() || laidOutBy(parent->layout(), c))
        << w.objectName().toStdString() << ": " << c->objectName().toStdString() << " ("
        << c->metaObject()->className() << " \""
        << (qobject_cast<const QLabel*>(c) ? qobject_cast<const QLabel*>(c)->text().toStdString()
                                           : std::string())
        << "\") is left out of its parent's layout";
  }
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t k = i + 1; k < shown.size(); ++k)
      EXPECT_FALSE(shown[i].second.intersects(shown[k].second))
          << w.objectName().toStdString() << ": " << shown[i].first->objectName().toStdString()
          << " (" << shown[i].first->metaObject()->className() << ") covers "
          << shown[k].first->objectName().toStdString() << " ("
          << shown[k].first->metaObject()->className() << ")";
}

// Answers boxes and dialogs from queues and remembers everything it was shown.
class ScriptedPrompter : public app::Prompter {
 public:
  enum class Kind { Question, Information, Warning, Error };
  struct Shown {
    Kind kind;
    QString text;
    QPointer<QWidget> parent;
    QString windowTitle;  // of the parent's window as the box came up
  };

  // Answers to questions, in order; when empty, `defaultAnswer`.
  std::deque<QMessageBox::StandardButton> answers;
  QMessageBox::StandardButton defaultAnswer = QMessageBox::No;
  // Paths the open and save dialogs return, in order; an empty string or an empty queue
  // cancels the dialog.
  std::deque<QString> openNames;
  std::deque<QString> saveNames;
  // Folders the desktop's folder dialog returns, in order; empty cancels it.
  std::deque<QString> folderNames;
  // Runs each modal dialog instead of the user; rejects it when unset.
  std::function<int(QDialog&)> onDialog;

  std::vector<Shown> shown;
  std::vector<QString> dialogs;  // class names of the dialogs run, in order
  int openCalls = 0;
  int saveCalls = 0;
  QString lastSaveDir, lastSaveFilter, lastSaveSuffix, lastOpenDir, lastOpenFilter;
  QString lastFolderDir;

  QMessageBox::StandardButton question(QWidget* parent, const QString& text,
                                       QMessageBox::StandardButtons) override {
    note(Kind::Question, parent, text);
    if (answers.empty()) return defaultAnswer;
    const auto a = answers.front();
    answers.pop_front();
    return a;
  }
  void information(QWidget* parent, const QString& text) override {
    note(Kind::Information, parent, text);
  }
  void warning(QWidget* parent, const QString& text) override { note(Kind::Warning, parent, text); }
  void error(QWidget* parent, const QString& text) override { note(Kind::Error, parent, text); }
  QString openFileName(QWidget*, const QString&, const QString& dir, const QString& filter,
                       const QStringList&) override {
    ++openCalls;
    lastOpenDir = dir;
    lastOpenFilter = filter;
    return take(openNames);
  }
  QString saveFileName(QWidget*, const QString&, const QString& dir, const QString& filter,
                       const QString& suffix) override {
    ++saveCalls;
    lastSaveDir = dir;
    lastSaveFilter = filter;
    lastSaveSuffix = suffix;
    return take(saveNames);
  }
  QString existingFolder(QWidget*, const QString&, const QString& dir) override {
    lastFolderDir = dir;
    return take(folderNames);
  }
  int exec(QDialog& dialog) override {
    dialogs.push_back(QString::fromLatin1(dialog.metaObject()->className()));
    return onDialog ? onDialog(dialog) : QDialog::Rejected;
  }

  // The texts shown of one kind.
  std::vector<QString> texts(Kind kind) const {
    std::vector<QString> out;
    for (const auto& s : shown)
      if (s.kind == kind) out.push_back(s.text);
    return out;
  }
  int dialogCount(const char* className) const {
    int n = 0;
    for (const auto& d : dialogs) n += d == QLatin1String(className) ? 1 : 0;
    return n;
  }

 private:
  void note(Kind kind, QWidget* parent, const QString& text) {
    shown.push_back({kind, text, parent, parent ? parent->window()->windowTitle() : QString()});
  }
  static QString take(std::deque<QString>& q) {
    if (q.empty()) return {};
    QString s = q.front();
    q.pop_front();
    return s;
  }
};

// The main window's title for a mission file and title.
inline QString titleFor(const std::string& file, const char* missionTitle) {
  return QStringLiteral(" ZynED 1.1 - (%1) - %2")
      .arg(QString::fromStdString(std::filesystem::path(file).filename().string()),
           QString::fromLatin1(missionTitle));
}

// The notices (timed information windows) shown over `w`.
inline std::vector<app::NoticeWindow*> notices(QWidget* w) {
  const auto list = w->findChildren<app::NoticeWindow*>();
  return {list.begin(), list.end()};
}

inline bool hasNotice(QWidget* w, const QString& text) {
  for (auto* n : w->findChildren<app::NoticeWindow*>())
    if (n->text() == text) return true;
  return false;
}

// Test set-up only: the document's content written directly, as no view may.
inline model::Mission& contentOf(app::MissionDocument& doc) {
  return app::DocumentTestAccess::content(doc);
}

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // Tests close windows; the application must outlive them.
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(configDir_.isValid());
    ASSERT_TRUE(workDir_.isValid());
    editorDir = path("editor");
    std::filesystem::create_directories(editorDir);
    settings.editorDirectory = editorDir;
    settings.gameDirectory = path("game");
    settings.missionsDirectory = path("missions");
    std::filesystem::create_directories(settings.gameDirectory);
    std::filesystem::create_directories(settings.missionsDirectory);
    // No start-up question and no new-mission wizard unless a test asks for them.
    settings.openProgWith = 1;
    settings.useWiz = false;
  }

  void TearDown() override {
    if (window) window->document().markSaved(window->document().fileName());
    window.reset();
  }

  // A path inside the test's own folder.
  std::string path(const std::string& name) const {
    return (std::filesystem::path(workDir_.path().toStdString()) / name).string();
  }
  std::string configDir() const { return configDir_.path().toStdString(); }
  std::string iniPath() const { return shell::settingsFilePath(configDir()); }

  // Builds and shows the editor; the settings are written first unless `writeIni` is false.
  void start(const QStringList& arguments = {}, bool writeIni = true) {
    if (writeIni) {
      ASSERT_TRUE(shell::writeSettings(iniPath(), settings));
    }
    app::StartOptions options;
    options.configDir = configDir();
    options.arguments = arguments;
    options.prompter = &prompter;
    options.screenWidth = 1280;
    window = std::make_unique<app::MainWindow>(std::move(options));
    window->show();
    for (int i = 0; i < 100 && !window->started(); ++i) QApplication::processEvents();
    ASSERT_TRUE(window->started());
    activate(window.get());
  }

  template <class T>
  T* find(const QString& objectName) const {
    T* w = window->findChild<T*>(objectName);
    if (!w) {
      // The map window and the pages behind tabs are built when first asked for.
      window->mapWindow();
      app::DeferredPage::buildAll(window.get());
      w = window->findChild<T*>(objectName);
    }
    EXPECT_NE(w, nullptr) << "no " << objectName.toStdString();
    return w;
  }

  app::MissionDocument& doc() { return window->document(); }
  const model::Mission& mission() { return window->document().mission(); }

  // A mission file in the test folder: a new mission of `platformId` with `title` as its
  // title string, after `edit` has had its way with it.
  std::string writeMission(const std::string& name, std::int16_t platformId = 14,
                           const std::string& title = "Test",
                           const std::function<void(model::Mission&)>& edit = {}) {
    model::Mission m;
    m.platformId = platformId;
    m.newMission();
    m.briefings[0].strings[0] = title;
    if (edit) edit(m);
    const std::string p = path(name);
    const auto r = model::saveFile(p, model::writeMission(m));
    EXPECT_TRUE(r.ok) << r.error;
    return p;
  }

  static std::vector<std::uint8_t> fileBytes(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // What tests outside a fixture may call too.
 public:
  // Makes `w` the active window, as the user's click would: its keys reach its actions.
  static void activate(QWidget* w) {
    w->activateWindow();
    for (int i = 0; i < 100 && QApplication::activeWindow() != w; ++i) QTest::qWait(5);
    ASSERT_EQ(QApplication::activeWindow(), w);
  }
  // A key as the user presses it in `target`.
  static void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &up);
  }
  static void type(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
      const int key = ch == QLatin1Char('\n') ? int(Qt::Key_Return) : int(ch.toUpper().unicode());
      press(target, key, Qt::NoModifier, ch == QLatin1Char('\n') ? QStringLiteral("\r") : ch);
    }
  }
  // What the user does to put `text` in place of a box's content: select all of it (Ctrl+A in
  // the box) and type key by key ("\n" is Enter).
  static void retype(QWidget* target, const QString& text) {
    press(target, Qt::Key_A, Qt::ControlModifier);
    type(target, text);
  }

 protected:
  shell::Settings settings;
  std::string editorDir;
  ScriptedPrompter prompter;
  std::unique_ptr<app::MainWindow> window;

 private:
  QTemporaryDir configDir_;
  QTemporaryDir workDir_;
};

}  // namespace testing_gui
