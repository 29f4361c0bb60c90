// The editor under random clicks, drags, wheel turns, keys and typing: the main window, the map,
// and the windows and dialogs they open (the briefing editor, the list windows, preferences, the
// library, the error list), every question answered at random through the scripted prompter.
// The document is watched throughout (tests/support/document/edit_sequences.h): every change
// notice exact, derived values and list lines fresh, selections on existing records; at the end
// undo to the start, redo to the end and a save hold. A short run with a fixed seed is part of the
// suite; scripts/monkey.sh runs long ones:
//   ZYNED_MONKEY_SEED=N      the seed (default 1)
//   ZYNED_MONKEY_EVENTS=N    the events of the run (default 1500)
//   ZYNED_MONKEY_LOG=FILE    every event written as it happens, one a line
//   ZYNED_MONKEY_REPLAY=FILE the events of such a file instead of random ones
// scripts/crash-test.sh runs the CrashRun tests: random events until the script kills the editor,
// then a start that restores what the killed one left.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

#include "app/map/map_window.h"
#include "app/shell/main_window.h"
#include "app/shell/recovery_dialog.h"
#include "app/shell/recovery_keeper.h"
#include "document/edit_sequences.h"
#include "editor_fixture.h"
#include "mission_generator.h"
#include "model/mission_file.h"
#include "shell/recovery.h"
#include "shell/settings_file.h"

namespace {

using testing_gui::EditorFixture;

// splitmix64, the same on every platform.
class MonkeyRandom {
 public:
  explicit MonkeyRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 77) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::uint64_t state_;
};

// The keys a user presses; letters and digits come with typing.
const std::vector<std::pair<int, Qt::KeyboardModifiers>>& monkeyKeys() {
  static const std::vector<std::pair<int, Qt::KeyboardModifiers>> keys = {
      {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier},
      {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Escape, Qt::NoModifier},
      {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
      {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
      {Qt::Key_PageUp, Qt::NoModifier},    {Qt::Key_PageDown, Qt::NoModifier},
      {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
      {Qt::Key_Delete, Qt::NoModifier},    {Qt::Key_Backspace, Qt::NoModifier},
      {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Insert, Qt::NoModifier},
      {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
      {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_C, Qt::ControlModifier},
      {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_A, Qt::ControlModifier},
      {Qt::Key_N, Qt::ControlModifier},    {Qt::Key_S, Qt::ControlModifier},
      {Qt::Key_Up, Qt::ControlModifier},   {Qt::Key_Down, Qt::ControlModifier},
      {Qt::Key_Up, Qt::ShiftModifier},     {Qt::Key_Down, Qt::ShiftModifier},
      {Qt::Key_Plus, Qt::NoModifier},      {Qt::Key_Minus, Qt::NoModifier},
      {Qt::Key_F2, Qt::NoModifier},        {Qt::Key_F5, Qt::NoModifier},
      {Qt::Key_Left, Qt::ControlModifier}, {Qt::Key_Right, Qt::ControlModifier},
  };
  return keys;
}

// A widget's place below its window, as a path of child positions: "3/0/12".
QString pathOf(QWidget* w, QWidget* root) {
  QStringList parts;
  for (QWidget* x = w; x && x != root; x = x->parentWidget()) {
    QWidget* parent = x->parentWidget();
    if (!parent) break;
    int index = 0;
    for (QObject* o : parent->children()) {
      if (o == x) break;
      if (o->isWidgetType()) ++index;
    }
    parts.prepend(QString::number(index));
  }
  return parts.join(QLatin1Char('/'));
}

QWidget* widgetAt(QWidget* root, const QString& path) {
  QWidget* w = root;
  if (path.isEmpty()) return w;
  for (const QString& part : path.split(QLatin1Char('/'))) {
    const int index = part.toInt();
    int k = 0;
    QWidget* next = nullptr;
    for (QObject* o : w->children())
      if (o->isWidgetType() && k++ == index) {
        next = static_cast<QWidget*>(o);
        break;
      }
    if (!next) return nullptr;
    w = next;
  }
  return w;
}

// The widgets of a window the user can reach: shown, enabled, on screen.
std::vector<QWidget*> reachable(QWidget* root) {
  std::vector<QWidget*> out;
  for (QWidget* w : root->findChildren<QWidget*>())
    if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0 &&
        !qobject_cast<QMenu*>(w) && w->window() == root)
      out.push_back(w);
  return out;
}

class Monkey {
 public:
  Monkey(app::MainWindow* window, std::uint64_t seed) : window_(window), random_(seed) {
    if (const QByteArray log = qgetenv("ZYNED_MONKEY_LOG"); !log.isEmpty())
      log_ = std::fopen(log.constData(), "w");
    if (const QByteArray replay = qgetenv("ZYNED_MONKEY_REPLAY"); !replay.isEmpty()) {
      QFile f(QString::fromLocal8Bit(replay));
      if (f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&f);
        while (!in.atEnd()) script_.push_back(in.readLine());
      }
      replaying_ = true;
    }
    // A menu or a box opened outside the prompter would wait for a user: the watchdog answers
    // it (and a box outside the prompter is a finding).
    watchdog_.setInterval(5);
    connect();
  }
  ~Monkey() {
    if (log_) std::fclose(log_);
  }

  bool replaying() const { return replaying_; }
  bool scriptDone() const { return replaying_ && script_.empty(); }

  // The focus leaves the control that has it, as when the user goes on elsewhere: a value typed
  // and not yet stored is stored now.
  void leaveFocus() {
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
    settle();
  }

  const std::deque<QString>& recent() const { return recent_; }
  const QString& finding() const { return finding_; }

  // One event on the main window or the map, or the opening of a window.
  void step() {
    QWidget* root = window_;
    if (replaying_) {
      if (script_.empty()) return;
      const QString where = script_.front().section(QLatin1Char(' '), 1, 1);
      if (where == QLatin1String("open")) {
        openWindow(script_.front().section(QLatin1Char(' '), 2, 2).toInt());
        return;
      }
      play(where == QLatin1String("map") ? mapWindow() : window_, where);
      return;
    }
    const int r = random_.below(100);
    if (r < 3) {
      openWindow(random_.below(WindowCount));
      return;
    }
    QString name = QStringLiteral("main");
    if (r < 25) {
      root = mapWindow();
      name = QStringLiteral("map");
    }
    event(root, name);
  }

  // Inside a modal window: events on it until it closes or the count runs out.
  int dialog(QDialog& d) {
    const QString name = QStringLiteral("dialog%1").arg(depth_);
    ++depth_;
    d.show();
    QApplication::processEvents();
    int result = QDialog::Rejected;
    if (replaying_) {
      while (!script_.empty() && d.isVisible()) {
        const QString& line = script_.front();
        if (line.startsWith(QStringLiteral("close ") + name)) {
          result = line.section(QLatin1Char(' '), 2, 2).toInt();
          script_.pop_front();
          break;
        }
        if (line.section(QLatin1Char(' '), 1, 1) != name) break;
        play(&d, name);
      }
    } else {
      const int events = depth_ > 2 ? 0 : 10 + random_.below(60);
      for (int k = 0; k < events && d.isVisible(); ++k) event(&d, name);
      result = random_.chance(30) ? int(QDialog::Accepted) : int(QDialog::Rejected);
      record(QStringLiteral("close %1 %2").arg(name).arg(result));
    }
    if (d.isVisible()) d.done(result);
    --depth_;
    return d.result() == QDialog::Accepted ? int(QDialog::Accepted) : result;
  }

  // The answer to a question box.
  QMessageBox::StandardButton answer() {
    static const QMessageBox::StandardButton answers[] = {QMessageBox::Yes, QMessageBox::No,
                                                          QMessageBox::Cancel, QMessageBox::Ok};
    if (replaying_) {
      if (!script_.empty() && script_.front().startsWith(QStringLiteral("answer "))) {
        const int a = script_.front().section(QLatin1Char(' '), 1, 1).toInt();
        record(script_.front());
        script_.pop_front();
        return static_cast<QMessageBox::StandardButton>(a);
      }
      return QMessageBox::No;
    }
    const QMessageBox::StandardButton a = answers[random_.below(4)];
    record(QStringLiteral("answer %1").arg(int(a)));
    return a;
  }

 private:
  enum { WindowCount = 8 };

  QWidget* mapWindow() {
    QWidget* w = window_->mapWindow();
    if (!w->isVisible()) w->show();
    return w;
  }

  void openWindow(int which) {
    record(QStringLiteral("- open %1").arg(which));
    if (replaying_) script_.pop_front();
    app::MainWindow* w = window_;
    switch (which) {
      case 0:
        w->briefings();
        break;
      case 1:
        w->editLists();
        break;
      case 2:
        w->battleManager();
        break;
      case 3:
        w->loadByList();
        break;
      case 4:
        w->errorCheck();
        break;
      case 5:
        w->preferences();
        break;
      case 6:
        w->showLibrary();
        break;
      default:
        mapWindow();
        break;
    }
    settle();
  }

  // A random event on a widget of `root`, recorded.
  void event(QWidget* root, const QString& name) {
    std::vector<QWidget*> widgets = reachable(root);
    QWidget* target = widgets.empty() ? root : widgets[random_.below(int(widgets.size()))];
    const QString path = pathOf(target, root);
    const int kind = random_.below(100);
    QString line;
    const int x = random_.below(std::max(1, target->width()));
    const int y = random_.below(std::max(1, target->height()));
    if (kind < 40) {
      const int button = random_.chance(85) ? 1 : 2;
      const bool twice = random_.chance(12);
      line = QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(twice ? QStringLiteral("double") : QStringLiteral("click"), name, path)
                 .arg(x)
                 .arg(y)
                 .arg(button);
    } else if (kind < 50) {
      line = QStringLiteral("drag %1 %2 %3 %4 %5 %6")
                 .arg(name, path)
                 .arg(x)
                 .arg(y)
                 .arg(random_.below(std::max(1, target->width())))
                 .arg(random_.below(std::max(1, target->height())));
    } else if (kind < 55) {
      line = QStringLiteral("wheel %1 %2 %3 %4 %5")
                 .arg(name, path)
                 .arg(x)
                 .arg(y)
                 .arg(random_.chance(50) ? 120 : -120);
    } else if (kind < 80) {
      const auto& keys = monkeyKeys();
      const auto& [key, mods] = keys[static_cast<std::size_t>(random_.below(int(keys.size())))];
      line = QStringLiteral("key %1 %2 %3 %4").arg(name, focusPath(root)).arg(key).arg(int(mods));
    } else {
      static const char* const texts[] = {"1", "25",  "0",   "-3",  "999",
                                          "x", "Red", "7.5", "a b", ""};
      QString text = QString::fromLatin1(texts[random_.below(10)]);
      if (random_.chance(20)) text = QString::number(random_.below(70000) - 1000);
      line = QStringLiteral("type %1 %2 %3").arg(name, focusPath(root), text);
    }
    record(line + QStringLiteral(" # ") +
           describe(widgetAt(root, line.section(QLatin1Char(' '), 2, 2))));
    perform(root, line);
  }

  static QString describe(QWidget* w) {
    if (!w) return QStringLiteral("-");
    QString s = QString::fromLatin1(w->metaObject()->className());
    for (QWidget* p = w; p; p = p->parentWidget())
      if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_"))) {
        s += QLatin1Char(' ') + p->objectName();
        break;
      }
    return s;
  }

  QString focusPath(QWidget* root) {
    QWidget* f = QApplication::focusWidget();
    if (!f || f->window() != root) {
      // Focus moves where a user would click first.
      std::vector<QWidget*> widgets = reachable(root);
      if (widgets.empty()) return {};
      f = widgets[random_.below(int(widgets.size()))];
    }
    return pathOf(f, root);
  }

  void play(QWidget* root, const QString& name) {
    const QString line = script_.front();
    script_.pop_front();
    record(line);
    if (line.section(QLatin1Char(' '), 1, 1) != name) return;
    perform(root, line);
  }

  void perform(QWidget* root, const QString& text) {
    // What follows "#" names the widget for people.
    const QString line = text.section(QStringLiteral(" # "), 0, 0);
    const QStringList f = line.split(QLatin1Char(' '));
    if (f.size() < 3) return;
    QPointer<QWidget> target = widgetAt(root, f[2]);
    if (!target) return;
    auto num = [&](int i) { return i < f.size() ? f[i].toInt() : 0; };
    const QString& what = f[0];
    if (what == QLatin1String("click") || what == QLatin1String("double")) {
      const Qt::MouseButton b = num(5) == 2 ? Qt::RightButton : Qt::LeftButton;
      if (what == QLatin1String("double"))
        QTest::mouseDClick(target, b, Qt::NoModifier, QPoint(num(3), num(4)));
      else
        QTest::mouseClick(target, b, Qt::NoModifier, QPoint(num(3), num(4)));
    } else if (what == QLatin1String("drag")) {
      QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, QPoint(num(3), num(4)));
      for (int k = 1; k <= 3 && target; ++k)
        QTest::mouseMove(
            target, QPoint(num(3) + (num(5) - num(3)) * k / 3, num(4) + (num(6) - num(4)) * k / 3));
      if (target)
        QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, QPoint(num(5), num(6)));
    } else if (what == QLatin1String("wheel")) {
      const QPointF at(num(3), num(4));
      QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, num(5)), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(target, &wheel);
    } else if (what == QLatin1String("key")) {
      target->setFocus();
      QTest::keyClick(target, static_cast<Qt::Key>(num(3)),
                      static_cast<Qt::KeyboardModifiers>(num(4)));
    } else if (what == QLatin1String("type")) {
      target->setFocus();
      QTest::keyClicks(target, line.section(QLatin1Char(' '), 3));
    }
    settle();
  }

  void settle() {
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    if (!window_->isVisible()) window_->show();
  }

  void record(const QString& line) {
    recent_.push_back(line);
    if (recent_.size() > 40) recent_.pop_front();
    if (log_) {
      std::fprintf(log_, "%s\n", line.toUtf8().constData());
      std::fflush(log_);
    }
  }

  void connect() {
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
      }
      // The monkey runs no event loop of its own: one running now waits for a user.
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && QThread::currentThread()->loopLevel() > 0) {
        if (finding_.isEmpty())
          finding_ = QStringLiteral("a modal %1 waits for a user outside the prompter")
                         .arg(QString::fromLatin1(modal->metaObject()->className()));
        modal->close();
      }
    });
    watchdog_.start();
  }

  app::MainWindow* window_;
  MonkeyRandom random_;
  std::FILE* log_ = nullptr;
  std::deque<QString> script_;
  bool replaying_ = false;
  std::deque<QString> recent_;
  QString finding_;
  QTimer watchdog_;
  int depth_ = 0;
};

class MonkeyRun : public EditorFixture {};

TEST_F(MonkeyRun, RandomEventsOverEveryWindowKeepTheDocumentSound) {
  const std::uint64_t seed = qEnvironmentVariableIsSet("ZYNED_MONKEY_SEED")
                                 ? qgetenv("ZYNED_MONKEY_SEED").toULongLong()
                                 : 1;
  const int events = qEnvironmentVariableIsSet("ZYNED_MONKEY_EVENTS")
                         ? qEnvironmentVariableIntValue("ZYNED_MONKEY_EVENTS")
                         : 1500;
  // A small mission of every kind of record, on disk so that saves and reopens work.
  testgen::GeneratorLimits limits;
  limits.maxFlightGroups = 8;
  limits.maxMessages = 6;
  limits.maxStringLength = 30;
  const std::string file = path("monkey.kre");
  {
    const auto bytes = testgen::randomMissionFile(seed, limits);
    ASSERT_TRUE(model::saveFile(file, bytes).ok);
  }
  start({QString::fromStdString(file)});
  // No link leaves the test for a browser, and no file lands in the user's folders.
  QTextBrowser links;
  for (const char* scheme : {"file", "http", "https"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &links, "setSource");
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(path("cache")));
  // The watch follows the document from here; saves happen through the editor.
  editseq::DocumentWatch watch(doc(), true);
  Monkey monkey(window.get(), seed);
  prompter.onDialog = [&](QDialog& d) { return monkey.dialog(d); };
  int done = 0;
  while (done < events || (monkey.replaying() && !monkey.scriptDone())) {
    if (monkey.replaying() && monkey.scriptDone()) break;
    prompter.defaultAnswer = monkey.answer();
    watch.beginOperation("event " + std::to_string(done));
    monkey.step();
    watch.endOperation();
    ++done;
    if (!watch.finding().empty() || !monkey.finding().isEmpty()) break;
  }
  // Undo and redo to the ends of the history move along it alone: the value typed last is stored
  // before, or leaving its box on the way would store it as a step of its own.
  if (watch.finding().empty() && monkey.finding().isEmpty()) {
    watch.beginOperation("leaving the control with the focus");
    monkey.leaveFocus();
    watch.endOperation();
  }
  if (watch.finding().empty() && monkey.finding().isEmpty()) watch.finish();
  QString recent;
  for (const QString& line : monkey.recent()) recent += QStringLiteral("\n  ") + line;
  for (const char* scheme : {"file", "http", "https"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  EXPECT_TRUE(watch.finding().empty() && monkey.finding().isEmpty())
      << "seed " << seed << ": " << watch.finding() << monkey.finding().toStdString()
      << "\nthe last events:" << recent.toStdString();
}

// ---- The kill test (scripts/crash-test.sh) -------------------------------------------------
// ZYNED_CRASH_DIR holds the settings folder, the mission and "states.log": every state the
// document takes, as "<milliseconds since 1970> <hash of its bytes> <1 when unsaved> <1 when half
// made>" (a gesture under way), written as it happens, so that the script can
// tell how old the state restored after the kill is.

struct CrashEditor {
  CrashEditor(const std::string& dir, QStringList arguments,
              std::function<int(QDialog&)> onDialog = {}) {
    prompter.onDialog = std::move(onDialog);
    const std::string config = dir + "/config";
    if (!std::filesystem::exists(shell::settingsFilePath(config))) {
      shell::Settings settings;
      settings.editorDirectory = settings.gameDirectory = settings.missionsDirectory = dir;
      settings.openProgWith = 1;
      settings.useWiz = false;
      shell::writeSettings(shell::settingsFilePath(config), settings);
    }
    app::StartOptions options;
    options.configDir = config;
    options.arguments = std::move(arguments);
    options.prompter = &prompter;
    options.screenWidth = 1280;
    window = std::make_unique<app::MainWindow>(std::move(options));
    window->show();
    for (int i = 0; i < 500 && !window->started(); ++i) QTest::qWait(10);
  }
  std::uint64_t hash() const {
    return shell::contentHash(model::writeMission(window->document().mission()));
  }
  testing_gui::ScriptedPrompter prompter;
  std::unique_ptr<app::MainWindow> window;
};

TEST(CrashRun, EditUntilKilled) {
  const std::string dir = qEnvironmentVariable("ZYNED_CRASH_DIR").toStdString();
  if (dir.empty()) GTEST_SKIP() << "scripts/crash-test.sh runs it";
  const std::uint64_t seed = qgetenv("ZYNED_MONKEY_SEED").toULongLong();
  testgen::GeneratorLimits limits;
  limits.maxFlightGroups = 8;
  limits.maxMessages = 6;
  limits.maxStringLength = 30;
  const std::string file = dir + "/m.kre";
  ASSERT_TRUE(model::saveFile(file, testgen::randomMissionFile(seed, limits)).ok);
  QTextBrowser links;
  for (const char* scheme : {"file", "http", "https"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &links, "setSource");
  CrashEditor editor(dir, {QString::fromStdString(file)});
  ASSERT_TRUE(editor.window->started());
  std::FILE* states = std::fopen((dir + "/states.log").c_str(), "a");
  ASSERT_TRUE(states);
  // A row for every new state, and again when a state is saved or a gesture opens or ends in it:
  // a state saved since it began holds nothing unsaved, however it began.
  std::tuple<std::uint64_t, bool, bool> last{};
  const auto note = [&] {
    const app::MissionDocument& doc = editor.window->document();
    const std::tuple<std::uint64_t, bool, bool> now{editor.hash(), doc.isChanged(),
                                                    doc.inGesture()};
    if (now == last) return;
    last = now;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    std::fprintf(states, "%lld %llu %d %d\n", static_cast<long long>(ms),
                 static_cast<unsigned long long>(std::get<0>(now)), std::get<1>(now) ? 1 : 0,
                 std::get<2>(now) ? 1 : 0);
    std::fflush(states);
  };
  note();
  QObject::connect(&editor.window->document(), &app::MissionDocument::changed, note);
  Monkey monkey(editor.window.get(), seed);
  editor.prompter.onDialog = [&](QDialog& d) {
    // Turning the copies off discards them, as it should: this run is about keeping them.
    if (auto* keep = d.findChild<QWidget*>(QStringLiteral("KeepRecoveryCheck")))
      keep->setEnabled(false);
    const int result = monkey.dialog(d);
    note();
    return result;
  };
  for (;;) {  // until the script kills it
    editor.prompter.defaultAnswer = monkey.answer();
    monkey.step();
    note();
  }
}

TEST(CrashRun, RestoreAfterKill) {
  const std::string dir = qEnvironmentVariable("ZYNED_CRASH_DIR").toStdString();
  if (dir.empty()) GTEST_SKIP() << "scripts/crash-test.sh runs it";
  int offered = 0;
  CrashEditor editor(dir, {}, [&](QDialog& d) {
    if (!qobject_cast<app::RecoveryDialog*>(&d)) return int(QDialog::Rejected);
    ++offered;
    d.findChild<QAbstractButton*>(QStringLiteral("RestoreButton"))->click();
    return d.result();
  });
  ASSERT_TRUE(editor.window->started());
  std::FILE* out = std::fopen((dir + "/restored.txt").c_str(), "w");
  ASSERT_TRUE(out);
  std::fprintf(out, "%d %llu\n", offered, static_cast<unsigned long long>(editor.hash()));
  std::fclose(out);
  editor.window->document().markSaved(editor.window->document().fileName());
}

}  // namespace
