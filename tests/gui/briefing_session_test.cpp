// The briefing editor's session without its window: list edits as undo steps, the 400-word
// pending rule, placing an instruction, and the list following undo and redo.

#include <gtest/gtest.h>

#include <QUndoStack>

#include "app/briefing/briefing_session.h"
#include "app/document/mission_document.h"
#include "briefing/commands.h"
#include "briefing/editing.h"

namespace {

namespace brf = briefing;
namespace rec = model::briefing;

class BriefingSessionTest : public ::testing::Test {
 protected:
  // Briefing 0 holds `stops` stop points (2 words each) before its end marker.
  void open(int stops = 0) {
    model::Mission m;
    m.newMission();
    brf::CommandList l(static_cast<std::size_t>(stops), brf::newCommand(brf::StopPoint, 0));
    l.push_back(brf::Command::endMarker());
    brf::encode(l, m.briefings[0]);
    doc.replaceMission(std::move(m));
    session = std::make_unique<app::BriefingSession>(doc);
    connect();
  }
  void connect() {
    QObject::connect(session.get(), &app::BriefingSession::notice,
                     [this](const QString& text, bool warning) {
                       (warning ? warnings : notices).push_back(text.toStdString());
                     });
  }
  static std::vector<int> codes(const brf::CommandList& l) {
    std::vector<int> v;
    for (const brf::Command& c : l) v.push_back(c.code);
    return v;
  }
  std::vector<int> stored(int b = 0) {
    return codes(brf::decode(doc.mission().briefings[b]).commands);
  }
  // The working list is the record's, the selection within it.
  void expectInStep() {
    EXPECT_EQ(codes(session->instructions()), stored(session->briefing()));
    EXPECT_FALSE(session->pending());
    EXPECT_LT(session->selected(), static_cast<int>(session->instructions().size()));
  }
  int steps() { return doc.undoStack()->index(); }

  app::MissionDocument doc;
  std::unique_ptr<app::BriefingSession> session;
  std::vector<std::string> warnings, notices;
};

TEST_F(BriefingSessionTest, EachListEditIsOneUndoStepAndUndoBringsTheListBack) {
  open();
  session->insert(brf::StopPoint);  // before the end marker
  session->insert(brf::BriefingText);
  EXPECT_EQ(stored(), (std::vector<int>{5, 3, 34}));
  EXPECT_EQ(session->selected(), 0);
  session->moveDown();
  EXPECT_EQ(stored(), (std::vector<int>{3, 5, 34}));
  EXPECT_EQ(session->selected(), 1);
  session->remove();
  EXPECT_EQ(stored(), (std::vector<int>{3, 34}));
  EXPECT_EQ(steps(), 4);
  EXPECT_EQ(doc.undoStack()->undoText(), "Delete instruction");
  doc.undoStack()->undo();
  expectInStep();
  EXPECT_EQ(stored(), (std::vector<int>{3, 5, 34}));
  doc.undoStack()->undo();
  doc.undoStack()->undo();
  expectInStep();
  EXPECT_EQ(stored(), (std::vector<int>{3, 34}));
  doc.undoStack()->redo();
  expectInStep();
  EXPECT_EQ(stored(), (std::vector<int>{5, 3, 34}));
  // The end marker is neither deleted nor moved.
  session->select(2);
  session->remove();
  session->moveUp();
  EXPECT_EQ(steps(), 2);
}

TEST_F(BriefingSessionTest, AListAbove400WordsIsKeptPendingUntilItFits) {
  open(198);  // 398 words
  session->insert(brf::StopPoint);
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 400);
  const int before = steps();
  session->insert(brf::StopPoint);  // 402 words: the record keeps its 400
  EXPECT_TRUE(session->pending());
  EXPECT_EQ(steps(), before);
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 400);
  EXPECT_EQ(warnings, (std::vector<std::string>{brf::TooManyMessage}));
  session->insert(brf::ClearBoxes);  // still pending, selected before the stops
  session->select(1);
  session->remove();
  session->remove();  // 400 again: stored as one step
  EXPECT_FALSE(session->pending());
  EXPECT_EQ(steps(), before + 1);
  expectInStep();

  // Showing another briefing stores a list still too big, cut, with a notice.
  session->insert(brf::StopPoint);
  ASSERT_TRUE(session->pending());
  EXPECT_TRUE(session->show(1));
  EXPECT_EQ(notices, (std::vector<std::string>{brf::TooBigMessage}));
  EXPECT_EQ(doc.mission().briefings[0].get(rec::EventWordsUsed), 400);
  EXPECT_EQ(session->briefing(), 1);
  expectInStep();
}

TEST_F(BriefingSessionTest, EditsBesideTheListKeepThePendingListAndThePreview) {
  open(199);
  session->insert(brf::StopPoint);
  ASSERT_TRUE(session->pending());
  int shown = 0;
  QObject::connect(session.get(), &app::BriefingSession::shown, [&] { ++shown; });
  const int before = steps();
  // "Seen by:" and the unknown word that lies between the word count and the words.
  using app::MissionDocument;
  doc.setFields("Edit Seen by", {MissionDocument::fieldWrite(app::RecordKind::Briefing, 0,
                                                             rec::TeamVisible, 1, 2)});
  doc.setFields("Edit unknown 3",
                {MissionDocument::fieldWrite(app::RecordKind::Briefing, 0, rec::Unknown3, 7)});
  EXPECT_EQ(steps(), before + 2);
  EXPECT_TRUE(session->pending());
  EXPECT_EQ(shown, 0);  // nothing read again: the preview does not rewind
  doc.undoStack()->undo();
  EXPECT_TRUE(session->pending());
  EXPECT_EQ(session->instructions().size(), 201u);
  // Reading the record again drops what it could not hold.
  session->reload();
  expectInStep();
}

TEST_F(BriefingSessionTest, PlacingIsShownAtOnceAndStoredAsOneStepOnDone) {
  open(2);
  int placement = 0;
  QObject::connect(session.get(), &app::BriefingSession::placementChanged, [&] { ++placement; });
  const int before = steps();
  // A stop point is complete at once.
  session->place(brf::StopPoint, 30, 0);
  EXPECT_FALSE(session->placing());
  EXPECT_EQ(steps(), before + 1);
  EXPECT_EQ(stored(), (std::vector<int>{3, 3, 3, 34}));

  const int at = session->place(brf::FirstTag, 40, 2);
  ASSERT_TRUE(session->placing());
  EXPECT_EQ(session->placement().position, at);
  session->adjustPlacement([](brf::Command& c) { c.x = 500; });
  EXPECT_EQ(session->instructions()[at].x, 500);
  EXPECT_EQ(steps(), before + 1);  // nothing stored while it is placed
  session->finishPlacement(false);
  EXPECT_FALSE(session->placing());
  expectInStep();

  session->place(brf::ZoomMap, 40, 2);
  session->adjustPlacement([](brf::Command& c) { c.x = c.y = 48; });
  session->finishPlacement(true);
  EXPECT_EQ(steps(), before + 2);
  EXPECT_EQ(doc.undoStack()->undoText(), "Insert instruction");
  EXPECT_EQ(stored(), (std::vector<int>{3, 3, 3, 7, 34}));
  EXPECT_EQ(session->current().x, 48);
  EXPECT_EQ(placement, 4);
  // An undo while placing takes the placement away with the record's list.
  session->place(brf::MoveMap, 40, 2);
  doc.undoStack()->undo();
  EXPECT_FALSE(session->placing());
  expectInStep();
}

}  // namespace
