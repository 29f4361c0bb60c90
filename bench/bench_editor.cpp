// Latency under the hands: the whole editor (offscreen) on a 200-flight-group mission with every
// page built, timed per user action. A frame is 16 ms; a keystroke and a selection should take a
// quarter of one.
//   EditKeystroke        one Up key in a bound spin box of the Ship tab: commit, undo step,
//                        change notice and every page's refresh
//   SelectFlightGroup    the next flight group made current: every page refills
//   SelectFlightGroupFar a group far down the list made current: the list scrolls too
//   UndoRedoPaste100     undo and redo of 100 flight groups added as one step
//   OpenMapWindow        the map window built and shown the first time
//   OpenBriefingEditor   the briefing editor built and shown the first time
//   ErrorCheck200        the error check over the whole mission
//   RecoveryWrite200     what the main thread pays for a recovery copy of the changed mission
//                        (the bytes are made and written on the copy writer's thread)
//   ReloadFromDisk200    the mission file rewritten beside the editor until the editor shows it
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

#include "app/base/deferred_page.h"
#include "app/base/input_policy.h"
#include "app/base/prompter.h"
#include "app/briefing/briefing_window.h"
#include "app/document/mission_document.h"
#include "app/map/map_window.h"
#include "app/shell/main_window.h"
#include "app/shell/mission_watch.h"
#include "app/shell/recovery_keeper.h"
#include "mission_generator.h"
#include "model/mission_file.h"
#include "shell/error_check.h"
#include "shell/settings_file.h"

namespace {

// Answers every box with No and shows each modal window once, painted, before closing it.
class BenchPrompter : public app::Prompter {
 public:
  QMessageBox::StandardButton question(QWidget*, const QString&,
                                       QMessageBox::StandardButtons) override {
    return QMessageBox::No;
  }
  void information(QWidget*, const QString&) override {}
  void warning(QWidget*, const QString&) override {}
  void error(QWidget*, const QString&) override {}
  QString openFileName(QWidget*, const QString&, const QString&, const QString&,
                       const QStringList&) override {
    return {};
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                       const QString&) override {
    return {};
  }
  QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }
  int exec(QDialog& dialog) override {
    dialog.show();
    QApplication::processEvents();
    dialog.hide();
    return QDialog::Rejected;
  }
};

// An editor with its own settings folder, the large mission loaded and every page built.
class Editor {
 public:
  Editor() {
    const std::string dir = folder_.path().toStdString();
    shell::Settings settings;
    settings.editorDirectory = dir;
    settings.gameDirectory = dir;
    settings.missionsDirectory = dir;
    settings.openProgWith = 1;
    settings.useWiz = false;
    shell::writeSettings(shell::settingsFilePath(dir), settings);
    const std::string file = (std::filesystem::path(dir) / "large.kre").string();
    model::saveFile(file, testgen::largeMissionFile(1));
    app::StartOptions options;
    options.configDir = dir;
    options.arguments = {QString::fromStdString(file)};
    options.prompter = &prompter_;
    options.screenWidth = 1600;
    window_ = std::make_unique<app::MainWindow>(std::move(options));
    window_->show();
    for (int i = 0; i < 100 && !window_->started(); ++i) QApplication::processEvents();
    app::DeferredPage::buildAll(window_.get());
    QApplication::processEvents();
  }
  ~Editor() { window_->document().markSaved(window_->document().fileName()); }

  app::MainWindow& window() { return *window_; }
  std::string file() const { return folder_.filePath(QStringLiteral("large.kre")).toStdString(); }
  app::MissionDocument& doc() { return window_->document(); }

 private:
  QTemporaryDir folder_;
  BenchPrompter prompter_;
  std::unique_ptr<app::MainWindow> window_;
};

// Each timed action is a function of its own, so that a profiler can take it alone
// (valgrind --tool=callgrind --toggle-collect='*timed*').
[[gnu::noinline]] void timedKeystroke(QWidget* w, int key) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &down);
  QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(w, &up);
  QApplication::processEvents();
}

[[gnu::noinline]] void timedSelection(app::MissionDocument& doc, int g) {
  doc.selectFlightGroups({g}, g);
  QApplication::processEvents();
}

[[gnu::noinline]] void timedUndoRedo(QUndoStack* stack) {
  stack->undo();
  QApplication::processEvents();
  stack->redo();
  QApplication::processEvents();
}

void EditKeystroke(benchmark::State& state) {
  Editor editor;
  auto* spin = editor.window().findChild<QSpinBox*>(QStringLiteral("SpacingSpin"));
  if (!spin) return state.SkipWithError("no SpacingSpin");
  editor.doc().selectFlightGroups({100}, 100);
  spin->setFocus();
  int n = 0;
  for (auto _ : state) timedKeystroke(spin, n++ % 2 ? Qt::Key_Down : Qt::Key_Up);
}
BENCHMARK(EditKeystroke)->Unit(benchmark::kMillisecond);

// The next line of the list, as a click or an arrow key makes it current.
void SelectFlightGroup(benchmark::State& state) {
  Editor editor;
  int n = 0;
  for (auto _ : state) timedSelection(editor.doc(), 100 + n++ % 2);
}
BENCHMARK(SelectFlightGroup)->Unit(benchmark::kMillisecond);

// A group far down the list (from the map, a usage, a search): the list scrolls and every line
// it shows is drawn again.
void SelectFlightGroupFar(benchmark::State& state) {
  Editor editor;
  int n = 0;
  for (auto _ : state) timedSelection(editor.doc(), (n++ * 37) % 200);
}
BENCHMARK(SelectFlightGroupFar)->Unit(benchmark::kMillisecond);

void UndoRedoPaste100(benchmark::State& state) {
  Editor editor;
  app::MissionDocument& doc = editor.doc();
  const model::FlightGroup copied = doc.mission().flightGroups[5];
  doc.applyListOp(QStringLiteral("Paste 100"), model::ChangedFlag::Mission,
                  model::ListKind::FlightGroups, [&](model::MissionEdit& e) {
                    model::Selection sel;
                    for (int k = 0; k < 100; ++k) {
                      const int at = static_cast<int>(e.mission().flightGroups.size());
                      e.insertFlightGroup(at, copied);
                      sel.selected.push_back(at);
                    }
                    sel.current = sel.selected.front();
                    return sel;
                  });
  QApplication::processEvents();
  for (auto _ : state) timedUndoRedo(doc.undoStack());
}
BENCHMARK(UndoRedoPaste100)->Unit(benchmark::kMillisecond);

void OpenMapWindow(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>();
    state.ResumeTiming();
    QWidget* map = editor->window().mapWindow();
    map->show();
    QApplication::processEvents();
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(OpenMapWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void OpenBriefingEditor(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>();
    state.ResumeTiming();
    editor->window().briefings();
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(OpenBriefingEditor)->Unit(benchmark::kMillisecond)->Iterations(5);

void ErrorCheck200(benchmark::State& state) {
  model::Mission m;
  if (!model::readMission(testgen::largeMissionFile(1), m).ok())
    return state.SkipWithError("the large mission is refused");
  const shell::Vocabulary vocab;
  const shell::Settings settings;
  for (auto _ : state) benchmark::DoNotOptimize(shell::runCheck(m, vocab, settings));
}
BENCHMARK(ErrorCheck200)->Unit(benchmark::kMillisecond);

void RecoveryWrite200(benchmark::State& state) {
  Editor editor;
  app::MissionDocument& doc = editor.doc();
  doc.selectFlightGroups({100}, 100);
  doc.newFlightGroup();  // the mission has unsaved changes
  QApplication::processEvents();
  app::RecoveryKeeper& keeper = editor.window().recovery();
  for (auto _ : state) {
    keeper.writeNow();
    state.PauseTiming();
    keeper.waitForWriter();
    state.ResumeTiming();
  }
}
BENCHMARK(RecoveryWrite200)->Unit(benchmark::kMillisecond);

// From the rename that replaces the file to the editor showing its content: the watch's quiet
// time (100 ms, which lets a writer's burst end) included, read, compare and reload.
void ReloadFromDisk200(benchmark::State& state) {
  Editor editor;
  const std::string file = editor.file();
  model::Mission m;
  if (!model::readMission(testgen::largeMissionFile(1), m).ok())
    return state.SkipWithError("the large mission is refused");
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    m.flightGroups[7].set(model::fg::CraftType, static_cast<model::u8>(1 + n++ % 50));
    const auto bytes = model::writeMission(m);
    state.ResumeTiming();
    model::saveFile(file, bytes);
    while (editor.doc().mission().flightGroups[7].bytes != m.flightGroups[7].bytes)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
}
BENCHMARK(ReloadFromDisk200)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  app::InputPolicy::install();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
