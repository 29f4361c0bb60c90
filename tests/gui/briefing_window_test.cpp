#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "editor_fixture.h"

#include "app/briefing/briefing_export.h"
#include "app/briefing/briefing_painter.h"
#include "app/briefing/briefing_window.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "briefing/commands.h"
#include "briefing/editing.h"
#include "older_generator.h"
#include "shell/vocabulary.h"

namespace {

using testing_gui::ScriptedPrompter;
namespace brf = briefing;
namespace rec = model::briefing;

class BriefingWindowTest : public ::testing::Test {
 protected:
  void open(const std::function<void(model::Mission&)>& edit = {}) {
    model::Mission m;
    m.newMission();
    m.briefings[0].strings[1] = "First text [Unnamed]";
    m.briefings[0].tags[0] = "Base";
    if (edit) edit(m);
    doc.replaceMission(std::move(m));
    app::BriefingEnvironment env;
    env.save = [this] {
      ++saves;
      return true;
    };
    window = std::make_unique<app::BriefingWindow>(context, std::move(env));
    window->show();
    QApplication::processEvents();
  }
  template <class T>
  T* find(const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void trigger(const char* action) { find<QAction>(action)->trigger(); }
  void page(int index) { find<QTabWidget>("BrfPages")->setCurrentIndex(index); }
  std::vector<int> storedCodes() {
    std::vector<int> v;
    for (const brf::Command& c : brf::decode(doc.mission().briefings[0]).commands)
      v.push_back(c.code);
    return v;
  }

  app::MissionDocument doc;
  ScriptedPrompter prompter;
  shell::Settings settings;
  shell::Vocabulary vocab;
  app::EditorContext context{doc, vocab, settings, prompter, {}};
  std::unique_ptr<app::BriefingWindow> window;
  int saves = 0;
};

TEST_F(BriefingWindowTest, InsertMoveAndDeleteOnTheListAreUndoableRecordEdits) {
  settings.confirmDeletes = false;
  open();
  page(1);
  trigger("InsertStopAction");  // before the end marker
  trigger("InsertTextAction");  // before the stop
  EXPECT_EQ(storedCodes(), (std::vector<int>{5, 3, 34}));
  EXPECT_EQ(find<QListWidget>("InstructionList")->count(), 3);
  trigger("MoveDownAction");
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 5, 34}));
  trigger("DeleteAction");
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 34}));
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 4);
  doc.undoStack()->undo();
  EXPECT_EQ(storedCodes(), (std::vector<int>{3, 5, 34}));
  EXPECT_EQ(window->commands().size(), 3u);  // the list follows the record
}

TEST_F(BriefingWindowTest, PagesStayWhileAnInsertionIsPlacedAndCancelRestores) {
  open();
  trigger("InsertZoomAction");
  ASSERT_TRUE(window->inserting());
  page(2);
  EXPECT_EQ(find<QTabWidget>("BrfPages")->currentIndex(), 0);
  find<QPushButton>("InsertCancelBtn")->click();
  EXPECT_FALSE(window->inserting());
  EXPECT_EQ(window->commands().size(), 1u);
  trigger("InsertZoomAction");
  find<QPushButton>("InsertDoneBtn")->click();
  EXPECT_EQ(storedCodes(), (std::vector<int>{7, 34}));
}

TEST_F(BriefingWindowTest, CopyOntoItselfIsRefusedAndElsewhereCopiesTheBriefing) {
  open();
  page(3);
  find<QPushButton>("CopyBriefingBtn")->click();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "This IS the briefing for Team1.Imperial!");
  find<QComboBox>("CopyTargetBox")->setCurrentIndex(2);
  prompter.answers = {QMessageBox::Yes};
  find<QPushButton>("CopyBriefingBtn")->click();
  EXPECT_EQ(doc.mission().briefings[2].strings[1], "First text [Unnamed]");
}

TEST_F(BriefingWindowTest, PendingListIsEncodedBeforeCtrlS) {
  open([](model::Mission& m) {
    brf::CommandList l(198, brf::newCommand(brf::StopPoint, 0));
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[0]);
  });
  page(1);
  trigger("InsertStopAction");
  trigger("InsertStopAction");  // 402 words: kept pending with a warning
  EXPECT_TRUE(window->pending());
  EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Warning).size(), 1u);
  testing_gui::EditorFixture::press(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(saves, 1);
  EXPECT_FALSE(window->pending());
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 400);
}

TEST_F(BriefingWindowTest, LoadingABriefingFileKeepsThePendingListOfTheShownBriefing) {
  open([](model::Mission& m) {
    brf::CommandList l(198, brf::newCommand(brf::StopPoint, 0));
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[1]);
  });
  trigger("NextBriefingAction");
  page(1);
  trigger("InsertStopAction");
  trigger("InsertStopAction");
  ASSERT_TRUE(window->pending());
  QTemporaryDir dir;
  const QString brfFile = dir.filePath(QStringLiteral("m.brf"));
  testgen::OlderBriefingFile older;
  older.texts[0] = "Title";
  older.events = {0, 12, 1, 9999, 1};
  const auto bytes = older.bytes();
  {
    QFile f(brfFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
  prompter.openNames = {brfFile};
  trigger("LoadBrfAction");
  EXPECT_FALSE(window->pending());
  EXPECT_EQ(doc.mission().briefings[1].get(rec::EventWordsUsed), 400);
  EXPECT_EQ(doc.mission().briefings[0].strings[0], "Title");
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 5);
}

class BriefingButton : public testing_gui::EditorFixture {};

TEST_F(BriefingButton, OpensTheBriefingEditorOnTheDocument) {
  start();
  QString caption;
  prompter.onDialog = [&](QDialog& d) {
    caption = d.windowTitle();
    return int(QDialog::Rejected);
  };
  find<QToolButton>("BriefBtn")->click();
  EXPECT_EQ(prompter.dialogCount("app::BriefingWindow"), 1);
  EXPECT_TRUE(caption.startsWith("Briefing Editor "));
  EXPECT_TRUE(caption.endsWith("1.Imperial"));
}

TEST(BriefingExport, WritesThePictureWithoutAWindow) {
  QTemporaryDir dir;
  const std::string mission = (dir.path() + "/m.kre").toStdString();
  model::Mission m;
  m.newMission();
  ASSERT_TRUE(model::saveMissionFile(m, mission).ok);
  const std::string png = (dir.path() + "/b.png").toStdString();
  EXPECT_EQ(
      app::runBriefingExport({"--export-briefing", png, "--briefing", "2", "--at", "1.5", mission},
                             dir.path().toStdString()),
      0);
  const QImage img(QString::fromStdString(png));
  EXPECT_EQ(img.size(), QSize(562, 355 + app::CaptionStripHeight + app::DescriptionStripHeight));
  EXPECT_EQ(app::runBriefingExport({"--export-briefing", png, "--briefing", "9", mission}, ""), 2);
  EXPECT_EQ(app::runBriefingExport({"--export-briefing", png, mission + "x"}, ""), 1);
  EXPECT_FALSE(app::runBriefingExport({mission}, ""));
}

// Pictures of every page and of the preview mid-playback, for a person to look at.
TEST_F(BriefingWindowTest, DISABLED_GrabPages) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the window";
  open([](model::Mission& m) {
    m.flightGroups[0].setText(model::fg::Name, "Red");
    m.flightGroups[0].set(model::fg::PlayerNumber, model::u8{1});
    m.addFlightGroup();
    m.flightGroups[1].setText(model::fg::Name, "Gold");
    m.flightGroups[1].set(model::fg::Iff, model::u8{1});
    m.flightGroups[1].set(model::fg::WaypointX, model::i16{800}, model::Briefing1);
    m.flightGroups[1].set(model::fg::WaypointY, model::i16{-400}, model::Briefing1);
    m.briefings[0].strings[1] = "Your flight [Red] meets the enemy group [Gold] near the base.";
    m.briefings[0].strings[2] = "Destroy every craft of [Gold].";
    brf::CommandList l = brf::autoBrief(m, 0, {5, true, 0, 48}).commands;
    brf::Command tag = brf::newCommand(brf::FirstTag, 30);
    tag.x = 300;
    tag.y = 300;
    tag.colour = 2;
    l.insert(l.end() - 1, tag);
    int sel = 0;
    brf::sortByTime(l, sel);
    brf::encode(l, m.briefings[0]);
    m.briefings[0].set(rec::RunningTime, model::i16{200});
  });
  window->resize(1100, 650);
  window->seekTo(40);
  QApplication::processEvents();
  window->grab().save(QString("%1/briefing-preview.png").arg(QString(out)));
  const char* names[] = {"", "briefing-list.png", "briefing-strings.png",
                         "briefing-accessories.png"};
  for (int i = 1; i < 4; ++i) {
    page(i);
    QApplication::processEvents();
    window->grab().save(QString("%1/%2").arg(QString(out), names[i]));
  }
  page(0);
  trigger("InsertTagAction");
  QApplication::processEvents();
  window->grab().save(QString("%1/briefing-insert-tag.png").arg(QString(out)));
}

}  // namespace
