// A control bound to a field: what typing stores and shows, when the control is refilled, the
// raw number outside a table, the field's range, and one undo step for the selected records.

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>
#include <QWidget>

#include <memory>

#include "app/base/refusal_note.h"
#include "app/base/translations.h"
#include "app/document/field_binding.h"
#include "app/editing/messages_page.h"
#include "app/shell/text_block_memo.h"
#include "context_fixture.h"
#include "in_language.h"

namespace {

namespace fg = model::fg;
namespace msg = model::message;
using testing_gui::ContextFixture;
using testing_gui::EditorFixture;

class FieldBindingTest : public ContextFixture {
 protected:
  // The Messages tab over three messages, the first selected.
  QSpinBox* delay() {
    load(1, 3);
    page = std::make_unique<app::MessagesPage>(context);
    doc.selectMessages({0});
    return find<QSpinBox>(page.get(), "MsgDelaySpin");
  }
  // A bare page whose bindings write the selected flight groups.
  app::FieldBindings& bare(int groups) {
    load(groups, 0);
    widget = std::make_unique<QWidget>();
    bindings = new app::FieldBindings(widget.get(), doc, app::selectedFlightGroups(doc));
    return *bindings;
  }
  const model::FlightGroup& group(std::size_t i) { return doc.mission().flightGroups.at(i); }

  std::unique_ptr<app::MessagesPage> page;
  std::unique_ptr<QWidget> widget;
  app::FieldBindings* bindings = nullptr;
};

// Typing into the Delay box shows every key as typed and stores seconds / 5; the box shows the
// stored seconds once editing ends. Past the box's range a key is refused, never wrapped; a
// letter changes nothing.
TEST_F(FieldBindingTest, TypingIntoDelayStoresSecondsByFive) {
  struct Case {
    const char* typed;
    const char* shownWhileTyping;
    int stored;
    const char* shownAfter;
  };
  const Case cases[] = {
      {"120", "120", 24, "120"},    {"62", "62", 12, "60"}, {"2000", "200", 40, "200"},
      {"99999", "999", 199, "995"}, {"ab", "0", 0, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QSpinBox* spin = delay();
    const int steps = doc.undoStack()->count();
    spin->selectAll();
    QString typed;
    for (const QChar ch : QString::fromLatin1(c.typed)) {
      EditorFixture::type(spin, QString(ch));
      if (ch.isDigit() && typed.size() < 3) typed += ch;
      // Never rewritten under the user's fingers.
      if (!typed.isEmpty()) {
        EXPECT_EQ(spin->cleanText(), typed);
      }
    }
    EXPECT_EQ(spin->cleanText(), QString::fromLatin1(c.shownWhileTyping));
    EXPECT_EQ(doc.mission().messages[0].get(msg::Delay), c.stored);
    EditorFixture::type(spin, QStringLiteral("\n"));
    EXPECT_EQ(spin->cleanText(), QString::fromLatin1(c.shownAfter));
    // One typing burst, one undo step named after the field.
    if (c.stored != 0) {
      EXPECT_EQ(doc.undoStack()->count(), steps + 1);
      EXPECT_EQ(doc.undoStack()->undoText(), QStringLiteral("Edit Delay"));
    } else {
      EXPECT_EQ(doc.undoStack()->count(), steps);
    }
    EXPECT_EQ(doc.mission().messages[1].get(msg::Delay), 0);
  }
}

// Typing ends when the control loses the focus: what is typed after coming back is an undo step
// of its own ("7", Tab away, back, "120": two steps, the first undo gives back 7).
TEST_F(FieldBindingTest, LeavingTheControlEndsItsTyping) {
  QSpinBox* spin = delay();
  const int steps = doc.undoStack()->count();
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("7"));
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(spin, &out);
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("120"));
  EXPECT_EQ(doc.mission().messages[0].get(msg::Delay), 24);
  EXPECT_EQ(doc.undoStack()->count(), steps + 2);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().messages[0].get(msg::Delay), 1);
}

// A digit a spin box refuses (it would take the value past the range) is not refused without a
// word: the user hears the range beside the box, and the next keys still go to it.
TEST_F(FieldBindingTest, AKeyPastTheRangeSaysTheRange) {
  QSpinBox* spin = delay();
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("2000"));
  EXPECT_EQ(spin->cleanText(), QStringLiteral("200"));
  EXPECT_EQ(app::shownRefusal(spin),
            QStringLiteral("Delay takes 0 to 1000: 2000 is out of its range."));
  EXPECT_TRUE(prompter.shown.empty());
  EditorFixture::press(spin, Qt::Key_Backspace);
  EditorFixture::type(spin, QStringLiteral("5"));
  EXPECT_EQ(spin->cleanText(), QStringLiteral("205"));
  // The ends of the range are in it.
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("1000"));
  EXPECT_EQ(spin->cleanText(), QStringLiteral("1000"));
}

// The range is said with the box's caption as the user reads it, in the user's language.
TEST_F(FieldBindingTest, TheRangeIsSaidWithTheCaptionAsShown) {
  const testing_gui::InLanguage language(QStringLiteral("de"));
  ASSERT_TRUE(language.installed());
  QSpinBox* spin = delay();
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("2000"));
  EXPECT_EQ(app::shownRefusal(spin), QString::fromUtf8("Verz\u00f6gerung nimmt 0 bis 1000: 2000 "
                                                       "liegt au\u00dferhalb."));
}

// Every control that stores while it is typed, given a value refused at its last key: nothing
// half typed stays stored. A number judged as a whole is kept as it was before the typing, with
// no undo step; a refused key of a text or a spin box is left out and the rest of the typing
// stays, one step. The user hears why beside the control, never in a box.
TEST_F(FieldBindingTest, AValueRefusedAtItsLastKeyLeavesNothingHalfTyped) {
  app::FieldBindings& b = bare(1);
  auto* grid = new QTableWidget(2, 1, widget.get());
  b.bindCell(grid, 0, 0, fg::GlobalGroup).commitsWhileTyping();
  b.bindCell(grid, 1, 0, fg::Cargo).commitsWhileTyping();
  auto* name = new QLineEdit(widget.get());
  b.bind(name, fg::Name);
  auto* spin = new QSpinBox(widget.get());
  spin->setRange(0, 1000);
  b.bind(spin, fg::FormationSpacing);
  auto* minutes = new QLineEdit(widget.get());
  b.bindNumberText(minutes, fg::ArrivalDelayMinutes);
  auto* memo =
      new app::TextBlockMemo(context, app::MissionDocument::Block::Description, widget.get());
  doc.setField(app::RecordKind::FlightGroup, 0, fg::GlobalGroup, 7);
  doc.setField(app::RecordKind::FlightGroup, 0, fg::ArrivalDelayMinutes, 7);
  doc.endTyping();
  b.refill();
  widget->show();
  QApplication::setActiveWindow(widget.get());

  const auto cell = [&](int row) -> QWidget* {
    grid->setCurrentCell(row, 0);
    grid->editItem(grid->item(row, 0));
    auto* edit = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, 0)));
    edit->selectAll();
    return edit;
  };
  const auto plain = [](QWidget* w) {
    return [w]() -> QWidget* {
      if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
      if (auto* box = qobject_cast<QSpinBox*>(w)) box->selectAll();
      return w;
    };
  };
  const model::FlightGroup& g = group(0);
  struct Case {
    const char* control;
    std::function<QWidget*()> focus;
    QString keys;
    std::function<std::string()> stored;
    std::string want;
    int steps;
    QWidget* told;
  };
  const Case cases[] = {
      {"number cell", [&] { return cell(0); }, "300\n",
       [&] { return std::to_string(g.get(fg::GlobalGroup)); }, "7", 0, grid->viewport()},
      {"text cell", [&] { return cell(1); }, "Go\u6771\n", [&] { return g.text(fg::Cargo); }, "Go",
       1, grid->viewport()},
      {"text", plain(name), "Go\u6771", [&] { return g.name(); }, "Go", 1, name},
      {"spin box", plain(spin), "300", [&] { return std::to_string(g.get(fg::FormationSpacing)); },
       "30", 1, spin},
      {"number text", plain(minutes), "300\n",
       [&] { return std::to_string(g.get(fg::ArrivalDelayMinutes)); }, "7", 0, minutes},
      {"memo", [&] { return memo; }, "Go$", [&] { return doc.mission().description.text(); }, "Go",
       1, memo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const int steps = doc.undoStack()->count();
    QWidget* target = c.focus();
    target->setFocus();
    EditorFixture::type(target, c.keys);
    QApplication::processEvents();  // a cell's Enter commits from the event loop
    EXPECT_EQ(c.stored(), c.want);
    EXPECT_EQ(doc.undoStack()->count(), steps + c.steps);
    EXPECT_FALSE(app::shownRefusal(c.told).isEmpty());
    EXPECT_TRUE(prompter.shown.empty());
    doc.endTyping();
  }
}

// What the control writes while the user types and the page's refills leave it as typed; the
// end of the editing, another record shown or an undo show the stored value.
TEST_F(FieldBindingTest, TheControlBeingTypedIntoIsNotRefilled) {
  app::FieldBindings& b = bare(2);
  auto* spin = new QSpinBox(widget.get());
  spin->setRange(0, 1000);
  b.bind(spin, fg::GlobalGroup).convert(app::scaled(5));
  b.refill();
  // The window is made the active one, so that the box has the focus on every platform.
  widget->show();
  QApplication::setActiveWindow(widget.get());
  spin->setFocus();
  ASSERT_TRUE(spin->hasFocus());
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("12"));
  EXPECT_EQ(group(0).get(fg::GlobalGroup), 2);
  b.refill();
  EXPECT_EQ(spin->cleanText(), QStringLiteral("12"));
  EditorFixture::type(spin, QStringLiteral("\n"));
  EXPECT_EQ(spin->cleanText(), QStringLiteral("10"));

  EditorFixture::press(spin, Qt::Key_End);  // Enter selected the whole value
  EditorFixture::type(spin, QStringLiteral("5"));
  EXPECT_EQ(spin->cleanText(), QStringLiteral("105"));
  doc.undoStack()->undo();
  EXPECT_EQ(spin->cleanText(), QString::number(group(0).get(fg::GlobalGroup) * 5));
  EditorFixture::type(spin, QStringLiteral("7"));
  doc.selectFlightGroups({1});
  EXPECT_EQ(spin->cleanText(), QStringLiteral("0"));
}

TEST_F(FieldBindingTest, RefillsOnlyWhenTheFieldOfTheShownRecordChanges) {
  app::FieldBindings& b = bare(2);
  auto* spin = new QSpinBox(widget.get());
  b.bind(spin, fg::GlobalGroup);
  bindings->refill();
  doc.selectFlightGroups({0});
  auto stale = [&] {
    const QSignalBlocker block(spin);
    spin->setValue(99);
  };
  stale();
  doc.setField(app::RecordKind::FlightGroup, 0, fg::AiRank, 3);       // another field
  doc.setField(app::RecordKind::FlightGroup, 1, fg::GlobalGroup, 4);  // another record
  EXPECT_EQ(spin->value(), 99);
  doc.setField(app::RecordKind::FlightGroup, 0, fg::GlobalGroup, 5);
  EXPECT_EQ(spin->value(), 5);
  stale();
  doc.selectFlightGroups({1});
  EXPECT_EQ(spin->value(), 4);
}

TEST_F(FieldBindingTest, AValueOutsideTheTableShowsItsNumberUntilAnEntryIsPicked) {
  app::FieldBindings& b = bare(1);
  auto* box = new QComboBox(widget.get());
  box->addItems({QStringLiteral("Rookie"), QStringLiteral("Officer"), QStringLiteral("Ace")});
  b.bind(box, fg::AiRank);
  doc.setField(app::RecordKind::FlightGroup, 0, fg::AiRank, 200);
  EXPECT_EQ(box->currentIndex(), -1);
  EXPECT_EQ(box->placeholderText(), QStringLiteral("200"));
  box->setCurrentIndex(2);
  EXPECT_EQ(group(0).get(fg::AiRank), 2);
  EXPECT_TRUE(box->placeholderText().isEmpty());
}

// A spin box offers no more than its field's range; a number typed as text past it is refused
// with a message and stores nothing.
TEST_F(FieldBindingTest, ValuesPastTheFieldsRangeAreClampedOrRefused) {
  app::FieldBindings& b = bare(1);
  auto* spin = new QSpinBox(widget.get());
  spin->setRange(0, 1000);
  auto* edit = new QLineEdit(widget.get());
  QStringList refused;
  b.bind(spin, fg::FormationSpacing);
  bindings->bindNumberText(edit, fg::ArrivalDelayMinutes).onRefused([&](const QString& m) {
    refused << m;
  });
  // The box offers no more than the byte holds, shown through the conversion.
  auto* waves = new QSpinBox(widget.get());
  waves->setRange(1, 1000);
  b.bind(waves, fg::WaveCount).convert(app::shifted(1));
  EXPECT_EQ(spin->maximum(), 255);
  EXPECT_EQ(waves->maximum(), 256);
  for (const char* text : {"300", "-1", "x1"}) {
    edit->selectAll();
    EditorFixture::type(edit, QString::fromLatin1(text) + QLatin1Char('\n'));
    EXPECT_EQ(group(0).get(fg::ArrivalDelayMinutes), 0) << text;
    EXPECT_EQ(edit->text(), QStringLiteral("0")) << text;
  }
  ASSERT_EQ(refused.size(), 3);
  EXPECT_TRUE(refused[0].contains(QStringLiteral("300")));
  EXPECT_TRUE(refused[0].contains(QStringLiteral("255")));
  EXPECT_EQ(refused[2], QStringLiteral("'x1' is not a valid integer value"));
}

TEST_F(FieldBindingTest, SelectedRecordsTakeTheValueTogetherAsOneStep) {
  QSpinBox* spin = delay();
  doc.selectMessages({0, 2}, 0);
  const int steps = doc.undoStack()->count();
  spin->selectAll();
  EditorFixture::type(spin, QStringLiteral("50\n"));
  EXPECT_EQ(doc.mission().messages[0].get(msg::Delay), 10);
  EXPECT_EQ(doc.mission().messages[1].get(msg::Delay), 0);
  EXPECT_EQ(doc.mission().messages[2].get(msg::Delay), 10);
  EXPECT_EQ(doc.undoStack()->count(), steps + 1);
  doc.undoStack()->undo();
  EXPECT_EQ(doc.mission().messages[2].get(msg::Delay), 0);
  EXPECT_EQ(spin->value(), 0);
}

}  // namespace
