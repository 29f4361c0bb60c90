// The "Messages" tab driven through its widgets: edits reach every selected message, list
// operations keep the numbers equal to the positions, and each step can be undone.

#include <QComboBox>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <memory>

#include "app/base/refusal_note.h"
#include "app/editing/messages_page.h"
#include "app/editing/trigger_editor.h"
#include "context_fixture.h"
#include "model/mission_file.h"

namespace {

namespace msg = model::message;
using testing_gui::ContextFixture;

class MessagesPageTest : public ContextFixture {
 protected:
  void open(int messages) {
    load(2, messages);
    settings.confirmDeletes = false;
    page = std::make_unique<app::MessagesPage>(context);
    list = find<QListWidget>(page.get(), "MsgStrList");
  }
  void select(std::vector<int> rows) {
    list->selectionModel()->setCurrentIndex(list->model()->index(rows.front(), 0),
                                            QItemSelectionModel::NoUpdate);
    QItemSelection sel;
    for (int r : rows) sel.select(list->model()->index(r, 0), list->model()->index(r, 0));
    list->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  }
  const model::Message& message(std::size_t i) { return doc.mission().messages.at(i); }

  std::unique_ptr<app::MessagesPage> page;
  QListWidget* list = nullptr;
};

TEST_F(MessagesPageTest, ColourDelayAndTeamsReachEverySelectedMessage) {
  open(3);
  select({0, 2});
  find<QComboBox>(page.get(), "MsgColorBox")->setCurrentIndex(2);
  testing_gui::EditorFixture::retype(find<QSpinBox>(page.get(), "MsgDelaySpin"),
                                     QStringLiteral("1000\n"));
  find<QListWidget>(page.get(), "SeenByList")->item(1)->setSelected(true);
  for (std::size_t i : {0u, 2u}) {
    EXPECT_EQ(message(i).get(msg::Color), '2');
    EXPECT_EQ(message(i).get(msg::Delay), 200);
    EXPECT_EQ(message(i).get(msg::SentToTeam, 1), 1);
  }
  EXPECT_EQ(message(1).get(msg::Color), '0');
  EXPECT_EQ(message(1).get(msg::Delay), 0);
  EXPECT_EQ(list->item(0)->foreground().color(), QColor(0, 128, 255));
  undoAll();
  EXPECT_EQ(message(0).get(msg::Color), '0');
  EXPECT_EQ(message(2).get(msg::SentToTeam, 1), 0);
}

// Every flag of the list, not only the first, shows a change from elsewhere and its undo.
TEST_F(MessagesPageTest, TheTeamsListFollowsEveryFlag) {
  open(2);
  select({1});
  auto* teams = find<QListWidget>(page.get(), "SeenByList");
  EXPECT_EQ(teams->count(), 8);  // a message goes to the eight teams, no more
  for (std::size_t t : {1u, 4u, 7u}) {
    ASSERT_FALSE(teams->item(int(t))->isSelected()) << t;
    doc.setField(app::RecordKind::Message, 1, msg::SentToTeam, 1, t);
    EXPECT_TRUE(teams->item(int(t))->isSelected()) << t;
    doc.undoStack()->undo();
    EXPECT_FALSE(teams->item(int(t))->isSelected()) << t;
  }
  // A click adds a team to those the message goes to, and leaves the others.
  for (int t : {2, 5}) {
    const QRect row = teams->visualItemRect(teams->item(t));
    QTest::mouseClick(teams->viewport(), Qt::LeftButton, {}, row.center());
  }
  EXPECT_EQ(message(1).get(msg::SentToTeam, 2), 1);
  EXPECT_EQ(message(1).get(msg::SentToTeam, 5), 1);
}

TEST_F(MessagesPageTest, TextGoesToTheCurrentMessageOnly) {
  open(2);
  select({0, 1});
  auto* text = find<QLineEdit>(page.get(), "MsgtextEd");
  text->clear();
  testing_gui::EditorFixture::type(text, QStringLiteral("Go"));
  EXPECT_EQ(message(0).text(msg::Text), "Go");
  EXPECT_EQ(message(1).text(msg::Text), "Message 2");
  EXPECT_EQ(text->text(), QStringLiteral("Go"));
}

// A red message is stored without a colour digit, its text starting in the digit's place: a
// leading "1", "2" or "3" would come back as another colour without that digit. Such a key is
// left out as it is typed, told beside the box (a box would take the keys that follow), and the
// typing goes on where the digit would have gone; choosing Red for such a text is refused.
// Other colours keep the digit, in the box and the list alike.
TEST_F(MessagesPageTest, ARedMessageNeverBeginsWithAColourDigit) {
  open(2);
  auto* text = find<QLineEdit>(page.get(), "MsgtextEd");
  auto* colour = find<QComboBox>(page.get(), "MsgColorBox");
  for (const char* digit : {"1", "2", "3", "0", "4"}) {
    SCOPED_TRACE(digit);
    select({1});
    select({0});
    ASSERT_EQ(message(0).color(), '0');
    const bool refused = QByteArray("123").contains(digit);
    text->selectAll();
    testing_gui::EditorFixture::type(text, QString::fromLatin1(digit) + "nd wave: incoming");
    const std::string want = (refused ? "" : digit) + std::string("nd wave: incoming");
    EXPECT_EQ(message(0).text(msg::Text), want);
    EXPECT_EQ(text->text(), QString::fromStdString(want));
    EXPECT_EQ(app::shownRefusal(text).startsWith(
                  QStringLiteral("A red message cannot begin with \"%1\"").arg(digit)),
              refused);
    if (refused) {  // the whole reason shows, in lines no wider than the note
      const auto* note = text->findChild<QLabel*>(QStringLiteral("RefusalNote"));
      ASSERT_NE(note, nullptr);
      EXPECT_LE(note->sizeHint().width(), note->width());
      EXPECT_GE(note->height(), note->sizeHint().height());
    }
    EXPECT_TRUE(prompter.shown.empty());
  }

  colour->setCurrentIndex(1);  // green keeps its digit
  text->setCursorPosition(0);
  testing_gui::EditorFixture::type(text, QStringLiteral("2"));
  EXPECT_EQ(message(0).text(msg::Text), "24nd wave: incoming");
  select({1});
  select({0});
  EXPECT_EQ(text->text(), QStringLiteral("24nd wave: incoming"));
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("  24nd wave: incoming"));

  // Red chosen by a key: a command, its refusal a box; the box shows the stored colour again.
  colour->setFocus();
  QTest::keyClick(colour, Qt::Key_Up);
  EXPECT_EQ(message(0).color(), '1');
  EXPECT_EQ(colour->currentIndex(), 1);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_TRUE(prompter.shown[0].text.startsWith(QStringLiteral("Message 1: A red message")));
}

// A red message read with 63 characters (its text fills bytes 2..64) keeps them through an
// edit, and what is saved reads back the same.
TEST_F(MessagesPageTest, ARedTextKeepsItsSixtyThirdCharacterThroughAnEdit) {
  load(1, 0, [](model::Mission& m) {
    std::array<std::uint8_t, msg::Size> record{};
    std::fill(record.begin() + 2, record.begin() + 65, std::uint8_t{'a'});
    m.messages.push_back(model::messageFromFile(record));
    m.header.set(model::header::MessageCount, std::uint16_t{1});
  });
  page = std::make_unique<app::MessagesPage>(context);
  auto* text = find<QLineEdit>(page.get(), "MsgtextEd");
  ASSERT_EQ(text->text(), QString(63, QLatin1Char('a')));
  text->setCursorPosition(10);
  testing_gui::EditorFixture::press(text, Qt::Key_Backspace);
  testing_gui::EditorFixture::type(text, QStringLiteral("x"));
  const std::string want = std::string(9, 'a') + "x" + std::string(53, 'a');
  EXPECT_EQ(message(0).textValue(), want);
  EXPECT_EQ(model::messageFromFile(model::messageFileRecord(message(0))).textValue(), want);
}

// With no message there is nothing for the text, colour, delay and teams to go to: they take no
// typing until a message is made (a trigger chosen makes one, see below).
TEST_F(MessagesPageTest, WithoutMessagesTheFieldsTakeNoInput) {
  open(0);
  const char* fields[] = {"MsgtextEd", "MsgColorBox", "MsgDelaySpin", "SeenByList"};
  for (const char* name : fields)
    EXPECT_FALSE(find<QWidget>(page.get(), name)->isEnabled()) << name;
  page->newMessage();
  for (const char* name : fields) EXPECT_TRUE(find<QWidget>(page.get(), name)->isEnabled()) << name;
  doc.undoStack()->undo();
  EXPECT_FALSE(find<QWidget>(page.get(), "MsgtextEd")->isEnabled());
}

TEST_F(MessagesPageTest, DeletingTwoAndFourOfSixKeepsNumbersInOrder) {
  open(6);
  select({1, 3});
  page->deleteSelected();
  ASSERT_EQ(doc.mission().messages.size(), 4u);
  const char* left[] = {"Message 1", "Message 3", "Message 5", "Message 6"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(message(i).get(msg::MessageNumber), static_cast<int>(i));
    EXPECT_EQ(message(i).text(msg::Text), left[i]);
  }
  EXPECT_EQ(find<QLabel>(page.get(), "Label60")->text(), QStringLiteral("Message #2 of 4"));
  doc.undoStack()->undo();
  ASSERT_EQ(doc.mission().messages.size(), 6u);
  EXPECT_EQ(message(3).text(msg::Text), "Message 4");
}

TEST_F(MessagesPageTest, CutAndPasteMoveTheSelectedMessagesToTheEnd) {
  open(4);
  EXPECT_FALSE(page->canPaste());
  select({0, 2});
  page->cut();
  ASSERT_EQ(doc.mission().messages.size(), 2u);
  EXPECT_EQ(doc.undoStack()->undoText(), "Cut 2 messages");
  page->paste();
  ASSERT_EQ(doc.mission().messages.size(), 4u);
  const char* now[] = {"Message 2", "Message 4", "Message 1", "Message 3"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(message(i).text(msg::Text), now[i]);
    EXPECT_EQ(message(i).get(msg::MessageNumber), static_cast<int>(i));
  }
  EXPECT_EQ(doc.selectedMessages(), (std::vector<int>{2, 3}));
  // Undo takes the paste and the cut back; the buffer keeps its messages.
  doc.undoStack()->undo();
  doc.undoStack()->undo();
  EXPECT_EQ(message(0).text(msg::Text), "Message 1");
  EXPECT_TRUE(page->canPaste());
}

TEST_F(MessagesPageTest, NewAndMovesKeepNumbersEqualToPositions) {
  open(3);
  page->newMessage();
  ASSERT_EQ(doc.mission().messages.size(), 4u);
  EXPECT_EQ(doc.currentMessage(), 3);
  EXPECT_EQ(message(3).get(msg::MessageNumber), 3);
  page->moveUp();
  // The step names the message by its number in the list, counted from 1.
  EXPECT_EQ(doc.undoStack()->undoText(), QStringLiteral("Move message 4 up"));
  EXPECT_EQ(message(2).text(msg::Text), "New Message");
  EXPECT_EQ(message(2).get(msg::MessageNumber), 2);
  EXPECT_EQ(message(3).get(msg::MessageNumber), 3);
  EXPECT_EQ(doc.currentMessage(), 2);
  undoAll();
  EXPECT_EQ(doc.mission().messages.size(), 3u);
}

TEST_F(MessagesPageTest, TriggerChosenWithoutMessagesMakesOneInOneStep) {
  open(0);
  page->triggerEditor()->condBox()->setCurrentIndex(2);
  ASSERT_EQ(doc.mission().messages.size(), 1u);
  EXPECT_EQ(message(0).get(model::Field<model::u8>{"c", msg::Triggers}), 2);
  // The message and its trigger are one step.
  EXPECT_EQ(doc.undoStack()->count(), 1);
  doc.undoStack()->undo();
  EXPECT_TRUE(doc.mission().messages.empty());
}

TEST_F(MessagesPageTest, DeleteAsksWhenConfirmationIsOn) {
  open(2);
  settings.confirmDeletes = true;
  select({0});
  page->deleteSelected();  // the scripted answer is No
  EXPECT_EQ(doc.mission().messages.size(), 2u);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, QStringLiteral("Delete all selected Messages - Are You Sure?"));
}

}  // namespace
