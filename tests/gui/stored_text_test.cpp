// What is typed is what is stored: characters the game's files cannot hold are left out as they
// are typed, with a word which; a "$" typed into a description or debriefing (the block's line
// end) is left out with a word why and the memo keeps its cursor; the switch to the base format
// says what a save in it leaves out before it switches.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QUndoStack>
#include <QWidget>

#include <memory>

#include "app/base/refusal_note.h"
#include "app/base/text.h"
#include "app/document/field_binding.h"
#include "app/shell/mission_settings_panel.h"
#include "app/shell/text_block_memo.h"
#include "context_fixture.h"

namespace {

namespace fg = model::fg;
using testing_gui::ContextFixture;
using testing_gui::EditorFixture;
using Block = app::MissionDocument::Block;

class StoredText : public ContextFixture {
 protected:
  StoredText() {
    load(1, 0);
    widget = std::make_unique<QWidget>();
  }
  app::TextBlockMemo* memo(Block block = Block::Description) {
    return new app::TextBlockMemo(context, block, widget.get());
  }
  std::unique_ptr<QWidget> widget;
};

TEST_F(StoredText, EveryTextControlLeavesOutWhatTheFileCannotHold) {
  auto* bindings = new app::FieldBindings(widget.get(), context, app::selectedFlightGroups(doc));
  auto* cargo = new QLineEdit(widget.get());
  bindings->bind(cargo, fg::Cargo);
  auto* name = new QComboBox(widget.get());
  name->setEditable(true);
  bindings->bind(name, fg::Name);
  app::TextBlockMemo* description = memo();
  bindings->refill();

  struct Case {
    QWidget* control;
    std::function<QString()> shown;
    std::function<std::string()> stored;
  };
  const model::FlightGroup& g = doc.mission().flightGroups[0];
  const Case cases[] = {
      {cargo, [&] { return cargo->text(); }, [&] { return g.text(fg::Cargo); }},
      {name->lineEdit(), [&] { return name->currentText(); }, [&] { return g.name(); }},
      {description, [&] { return description->toPlainText(); },
       [&] { return doc.mission().description.text(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control->metaObject()->className());
    prompter.shown.clear();
    if (auto* edit = qobject_cast<QLineEdit*>(c.control)) edit->clear();
    EditorFixture::type(c.control, QStringLiteral("Caf\u00e9 \u20ac \u03a9x\u6771y"));
    // Shown as it will be stored, every other key where it was typed; told beside the control,
    // never in a box that would take the next keys.
    EXPECT_EQ(c.shown(), QStringLiteral("Caf\u00e9 \u20ac xy"));
    EXPECT_EQ(c.stored(), "Caf\xe9 \x80 xy");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(app::shownRefusal(c.control),
              QStringLiteral("\"\u6771\" cannot be stored: the game's files hold "
                             "Windows-1252 characters only. It was left out."));
  }
  EXPECT_EQ(app::unstorableNotice(QStringLiteral("\u03a9\u6771\u4eac")),
            QStringLiteral("\"\u03a9\", \"\u6771\" and \"\u4eac\" cannot be stored: the game's "
                           "files hold Windows-1252 characters only. They were left out."));
}

// The block stores every line end as "$": a typed "$" would come back as a line break. It is
// left out with a word why; the memo is not refilled under the user's fingers.
TEST_F(StoredText, ADollarTypedIntoAMemoIsLeftOutAndTheCursorStays) {
  for (Block block : {Block::Description, Block::SuccessDebrief}) {
    app::TextBlockMemo* m = memo(block);
    prompter.shown.clear();
    EditorFixture::type(m, QStringLiteral("Bounty: $500 per kill."));
    EXPECT_EQ(m->toPlainText(), QStringLiteral("Bounty: 500 per kill."));
    EXPECT_EQ(model::textBlock(doc.mission(), block).text(), "Bounty: 500 per kill.");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(app::shownRefusal(m).startsWith(QStringLiteral("A \"$\" cannot be stored here")));

    QTextCursor cursor = m->textCursor();
    cursor.setPosition(6);
    m->setTextCursor(cursor);
    EditorFixture::type(m, QStringLiteral("X$Y"));
    EXPECT_EQ(m->toPlainText(), QStringLiteral("BountyXY: 500 per kill."));
    EXPECT_EQ(m->textCursor().position(), 8);
  }
}

// What cannot be stored is left out one by one, keeping every character between: a paste of
// "a\u4e2db\u4e2dc" into a memo leaves "abc"; in a line edit the cursor stays where the user
// was typing ("a\u4e2dbc", cursor at 2, gives "abc", cursor at 1) and the next key goes there.
TEST_F(StoredText, LeftOutCharactersKeepEveryOtherCharacterAndTheCursor) {
  app::TextBlockMemo* m = memo();
  QApplication::clipboard()->setText(QStringLiteral("a\u4e2db\u4e2dc"));
  EditorFixture::press(m, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(m->toPlainText(), QStringLiteral("abc"));
  EXPECT_EQ(doc.mission().description.text(), "abc");

  auto* bindings = new app::FieldBindings(widget.get(), context, app::selectedFlightGroups(doc));
  auto* cargo = new QLineEdit(widget.get());
  bindings->bind(cargo, fg::Cargo);
  cargo->clear();
  EditorFixture::type(cargo, QStringLiteral("abc"));
  cargo->setCursorPosition(1);
  EditorFixture::type(cargo, QStringLiteral("\u4e2d"));
  EXPECT_EQ(cargo->cursorPosition(), 1);
  EditorFixture::type(cargo, QStringLiteral("x"));
  EXPECT_EQ(cargo->text(), QStringLiteral("axbc"));
  EXPECT_EQ(doc.mission().flightGroups[0].text(fg::Cargo), "axbc");
}

// A no-break space is a character of the file's own (0xA0): shown, typed and undone back into a
// memo it stays one. Showing a block is no edit: it leaves the history, the steps to redo
// included, as it was.
TEST_F(StoredText, AMemoKeepsNoBreakSpacesAndShowingItsBlockWritesNothing) {
  const std::string text = "Go\xa0now\r\nthen";
  doc.setTextBlock(Block::Description, text);
  doc.endTyping();
  app::TextBlockMemo* m = memo();
  doc.setTextBlock(Block::Description, "Later");
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().description.text(), text);
  EXPECT_EQ(doc.undoStack()->count(), 2);
  m->moveCursor(QTextCursor::End);
  EditorFixture::type(m, QStringLiteral("\u00a0!"));
  EXPECT_EQ(doc.mission().description.text(), text + "\xa0!");
}

// Leaving the memo ends its typing: what is typed after coming back is an undo step of its own.
TEST_F(StoredText, LeavingAMemoEndsItsTyping) {
  app::TextBlockMemo* m = memo();
  EditorFixture::type(m, QStringLiteral("ab"));
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(m, &out);
  EditorFixture::type(m, QStringLiteral("cd"));
  EXPECT_EQ(doc.undoStack()->count(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(m->toPlainText(), QStringLiteral("ab"));
}

// Zyn Format has no debriefings and keeps 1023 characters of the description: before the switch
// the user hears what a save in it leaves out, and may keep Qvn Format. The switch is one step.
TEST_F(StoredText, SwitchingToTheBaseFormatSaysWhatASaveLeavesOut) {
  load(1, 0, [](model::Mission& m) {
    m.platformId = model::FormatExpansion;
    m.description.setText(std::string(1030, 'd'), 4096);
    m.successDebrief.setText("Well done.");
  });
  app::MissionSettingsPanel panel(context);
  auto* zyn = panel.findChild<QRadioButton*>(QStringLiteral("ZynRadio"));
  auto* qvn = panel.findChild<QRadioButton*>(QStringLiteral("QvnRadio"));
  prompter.answers = {QMessageBox::No, QMessageBox::Yes};
  zyn->click();
  EXPECT_EQ(doc.mission().platformId, model::FormatExpansion);
  EXPECT_TRUE(qvn->isChecked());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text,
            QStringLiteral("Zyn Format has no debriefings and keeps the first 1,023 characters of "
                           "the description. Saved in Zyn Format, this mission loses:\n- its "
                           "success and failure debriefings\n- the last 7 characters of its "
                           "description\n\nSwitch to Zyn Format?"));
  zyn->click();
  EXPECT_EQ(doc.mission().platformId, model::FormatBase);
  EXPECT_EQ(doc.undoStack()->count(), 1);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().platformId, model::FormatExpansion);

  // Nothing to leave out: no question.
  load(1, 0);
  prompter.shown.clear();
  zyn->click();
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(doc.mission().platformId, model::FormatBase);
}

}  // namespace
