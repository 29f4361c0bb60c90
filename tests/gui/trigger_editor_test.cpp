// The trigger editor and the "Arrival" and "Departure" tabs, driven through their widgets on a
// Flight Groups page of its own.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app/base/deferred_page.h"
#include "app/base/refusal_note.h"
#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "app/editing/arrival_page.h"
#include "app/editing/departure_page.h"
#include "app/editing/fg_widgets.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/trigger_editor.h"
#include "editing/descriptions.h"
#include "editing/triggers.h"
#include "editor_fixture.h"
#include "page_fixture.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

using namespace model;
using testing_gui::EditorFixture;
using testing_gui::ScriptedPrompter;
using Trig = editing::TriggerBytes;

namespace {

void putTrigger(FlightGroup& g, std::size_t offset, const Trig& t) {
  std::copy(t.begin(), t.end(), g.bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

class TriggerEditorTest : public testing_gui::PageFixture {
 protected:
  // A mission of `n` flight groups named "G1".."Gn", unchanged, with the arrival tab shown.
  void start(int n = 3, const std::function<void(Mission&)>& edit = {}) {
    makePage(n, edit);
    page->resize(810, 520);
    page->pages()->setCurrentIndex(app::FlightGroupsPage::ArrivalTab);
  }

  // The tabs behind the one shown are built when first asked for.
  app::ArrivalPage* arrival() { return built()->findChild<app::ArrivalPage*>(); }
  app::DeparturePage* departure() { return built()->findChild<app::DeparturePage*>(); }
  QWidget* built() {
    app::DeferredPage::buildAll(page.get());
    return page.get();
  }
  app::TriggerEditor* arrEditor() { return arrival()->triggerEditor(); }
  app::TriggerEditor* depEditor() { return departure()->triggerEditor(); }

  template <class T>
  T* in(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no " << name;
    return w;
  }
  Trig trigger(std::size_t g, std::size_t offset) {
    Trig t{};
    for (std::size_t i = 0; i < 4; ++i) t[i] = group(g).bytes[offset + i];
    return t;
  }
  static void click(QWidget* w, QEvent::Type type = QEvent::MouseButtonPress) {
    const QPointF at(3, 3);
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  // Types `text` into a plain edit box and commits it with Enter.
  static void enter(QLineEdit* edit, const QString& text) {
    EditorFixture::retype(edit, text + QLatin1Char('\n'));
  }
  QString describe(const Trig& t) {
    return app::fromFile(editing::describeTrigger(doc.mission(), vocab, t));
  }
};

TEST_F(TriggerEditorTest, ShowsAndReadsTriggersAndMarksTheEditedLabel) {
  const Trig t1{2, 1, 2, 1}, t3{7, 5, 1, 3};
  start(3, [&](Mission& m) {
    putTrigger(m.flightGroups[0], 110, t1);
    putTrigger(m.flightGroups[0], 121, t3);
  });
  app::TriggerEditor* e = arrEditor();
  EXPECT_EQ(e->editedTrigger(), 1);
  EXPECT_EQ(e->condBox()->currentIndex(), 2);
  EXPECT_EQ(e->classBox()->currentIndex(), 1);
  EXPECT_EQ(e->indexBox()->currentIndex(), 2);
  EXPECT_EQ(e->indexBox()->count(), 3);  // the three flight groups
  EXPECT_EQ(e->percentBox()->currentIndex(), 1);
  EXPECT_EQ(e->readBoxes(), t1);
  EXPECT_EQ(e->conditionLabel(1)->text(), describe(t1));
  EXPECT_TRUE(e->conditionLabel(1)->text().contains(QStringLiteral("G3")));
  EXPECT_EQ(e->conditionLabel(3)->text(), describe(t3));

  // A click on label 3 shows trigger 3 and draws it in the edited colour, the rest in black.
  click(in<QLabel>(arrival(), "Cond3Lab"));
  EXPECT_EQ(e->editedTrigger(), 3);
  EXPECT_EQ(e->readBoxes(), t3);
  EXPECT_EQ(e->classBox()->currentIndex(), 5);
  EXPECT_EQ(e->indexBox()->count(), static_cast<int>(vocab.table(shell::tables::IFF).size()));
  for (int n = 1; n <= 4; ++n)
    EXPECT_EQ(e->conditionLabel(n)->palette().color(QPalette::WindowText),
              n == 3 ? QColor(169, 3, 145) : QColor(Qt::black))
        << n;
  // Showing does not write.
  EXPECT_EQ(doc.undoStack()->count(), 0);

  // The departure tab has two labels, one And/Or pair and the same selectors.
  EXPECT_EQ(depEditor()->triggerCount(), 2);
  EXPECT_EQ(departure()->findChild<QLabel*>(QStringLiteral("Cond3Lab")), nullptr);
  EXPECT_EQ(departure()->findChild<QRadioButton*>(QStringLiteral("GlbOr")), nullptr);
  EXPECT_EQ(departure()->findChild<QRadioButton*>(QStringLiteral("And4Or")), nullptr);
  EXPECT_NE(departure()->findChild<QRadioButton*>(QStringLiteral("and2Or")), nullptr);
  auto* clip = in<QPushButton>(arrival(), "AddToClipBtn");
  EXPECT_EQ(clip->text(), QStringLiteral("Add to Clipboard"));
  EXPECT_TRUE(clip->isEnabled());
}

TEST_F(TriggerEditorTest, BoxChangeWritesTheEditedTriggerOfEverySelectedGroupAsOneStep) {
  const Trig keep{1, 2, 3, 0};
  start(4, [&](Mission& m) {
    for (auto& g : m.flightGroups) putTrigger(g, 125, keep);
  });
  doc.selectFlightGroups({0, 2, 3});
  app::TriggerEditor* e = arrEditor();
  click(e->conditionLabel(4));
  ASSERT_EQ(e->editedTrigger(), 4);
  const auto before = doc.mission().flightGroups;

  e->condBox()->setCurrentIndex(4);
  EXPECT_EQ(doc.undoStack()->count(), 1);
  for (std::size_t g : {0u, 2u, 3u}) EXPECT_EQ(trigger(g, 125), (Trig{4, 2, 3, 0})) << g;
  EXPECT_EQ(trigger(1, 125), keep);  // not selected
  EXPECT_EQ(trigger(0, 110), trigger(0, 110));
  EXPECT_EQ(group(0).bytes[110], before[0].bytes[110]);  // trigger 1 untouched
  // The label follows, and the edited trigger stays the one being edited.
  EXPECT_EQ(e->conditionLabel(4)->text(), describe(Trig{4, 2, 3, 0}));
  EXPECT_EQ(e->editedTrigger(), 4);

  e->percentBox()->setCurrentIndex(2);
  EXPECT_EQ(doc.undoStack()->count(), 2);
  EXPECT_EQ(trigger(3, 125), (Trig{4, 2, 3, 2}));

  doc.undoStack()->undo();
  doc.undoStack()->undo();
  for (std::size_t g = 0; g < 4; ++g) EXPECT_EQ(group(g).bytes, before[g].bytes) << g;
  EXPECT_EQ(e->condBox()->currentIndex(), 1);
  EXPECT_EQ(e->conditionLabel(4)->text(), describe(keep));
}

TEST_F(TriggerEditorTest, NewTypeStartsWithTargetZero) {
  start(3, [](Mission& m) { putTrigger(m.flightGroups[0], 110, Trig{2, 2, 5, 0}); });
  doc.selectFlightGroups({0, 1});
  app::TriggerEditor* e = arrEditor();
  ASSERT_EQ(e->indexBox()->currentIndex(), 5);
  // "Flight Group" picks the first group, whatever target there was.
  e->classBox()->setCurrentIndex(1);
  EXPECT_EQ(doc.undoStack()->count(), 1);
  EXPECT_EQ(trigger(0, 110), (Trig{2, 1, 0, 0}));
  EXPECT_EQ(trigger(1, 110), (Trig{2, 1, 0, 0}));
  EXPECT_EQ(e->indexBox()->currentIndex(), 0);
  EXPECT_EQ(e->indexBox()->count(), 3);
  EXPECT_TRUE(e->indexBox()->itemText(0).contains(QStringLiteral("G1")));
  EXPECT_TRUE(e->conditionLabel(1)->text().contains(QStringLiteral("G1")));

  // A target picked, then a new type: back to 0 and the type's list.
  e->indexBox()->setCurrentIndex(2);
  EXPECT_EQ(trigger(1, 110), (Trig{2, 1, 2, 0}));
  e->classBox()->setCurrentIndex(0);
  EXPECT_EQ(trigger(1, 110), (Trig{2, 0, 0, 0}));
  EXPECT_EQ(e->indexBox()->itemText(0), QStringLiteral("none"));
  EXPECT_EQ(e->indexBox()->count(), 256);
}

TEST_F(TriggerEditorTest, ValuesBeyondTheListsSurviveAChangeOfAnotherBox) {
  // Flight group 9 of a three-group mission and a condition far past the table.
  start(3, [](Mission& m) { putTrigger(m.flightGroups[0], 110, Trig{200, 1, 9, 0}); });
  app::TriggerEditor* e = arrEditor();
  EXPECT_EQ(e->indexBox()->currentIndex(), -1);
  EXPECT_TRUE(e->conditionLabel(1)->text().contains(QStringLiteral("FG#9")));
  e->percentBox()->setCurrentIndex(3);
  EXPECT_EQ(trigger(0, 110), (Trig{200, 1, 9, 3}));
}

TEST_F(TriggerEditorTest, AndOrRadiosStoreTheirFlags) {
  start(3);
  doc.selectFlightGroups({1, 2});
  QWidget* a = arrival();
  in<QRadioButton>(a, "and2Or")->click();
  EXPECT_EQ(group(1).get(fg::ArrivalTriggersOr), 0);
  EXPECT_EQ(group(2).bytes[120], 1);
  EXPECT_EQ(group(1).bytes[120], 1);
  EXPECT_EQ(group(0).bytes[120], 0);
  in<QRadioButton>(a, "And4Or")->click();
  EXPECT_EQ(group(2).bytes[131], 1);
  in<QRadioButton>(a, "GlbOr")->click();
  EXPECT_EQ(group(2).get(fg::ArrivalTriggersOr), 1);
  EXPECT_EQ(doc.undoStack()->count(), 3);
  in<QRadioButton>(a, "and2And")->click();
  EXPECT_EQ(group(1).bytes[120], 0);
  EXPECT_EQ(group(2).bytes[120], 0);
  in<QRadioButton>(a, "and4And")->click();
  EXPECT_EQ(group(1).bytes[131], 0);
  EXPECT_EQ(doc.undoStack()->count(), 5);

  page->pages()->setCurrentIndex(app::FlightGroupsPage::DepartureTab);
  in<QRadioButton>(departure(), "and2Or")->click();
  EXPECT_EQ(group(1).get(fg::DepartureTriggersOr), 1);
  EXPECT_EQ(group(2).get(fg::DepartureTriggersOr), 1);

  // Filling shows the stored flags.
  doc.undoStack()->undo();
  EXPECT_TRUE(in<QRadioButton>(departure(), "and2And")->isChecked());
  doc.selectFlightGroups({0});
  testing_gui::contentOf(doc).flightGroups[0].set(fg::ArrivalTriggersOr, u8{1});
  doc.selectFlightGroups({1});
  doc.selectFlightGroups({0});
  EXPECT_TRUE(in<QRadioButton>(a, "GlbOr")->isChecked());
  EXPECT_FALSE(in<QRadioButton>(a, "GlbAnd")->isChecked());
}

TEST_F(TriggerEditorTest, DepartureTriggersAreTheirOwn) {
  start(2);
  page->pages()->setCurrentIndex(app::FlightGroupsPage::DepartureTab);
  app::TriggerEditor* e = depEditor();
  click(e->conditionLabel(2));
  e->condBox()->setCurrentIndex(2);
  EXPECT_EQ(trigger(0, 140)[0], 2);
  EXPECT_EQ(trigger(0, 136)[0], group(0).bytes[136]);
  EXPECT_EQ(trigger(0, 114), trigger(1, 114));  // arrival untouched
  EXPECT_EQ(e->conditionLabel(2)->text(), describe(trigger(0, 140)));
}

TEST_F(TriggerEditorTest, EditedTriggerGoesBackToOneForAnotherGroup) {
  start(3);
  app::TriggerEditor* e = arrEditor();
  click(e->conditionLabel(3));
  e->condBox()->setCurrentIndex(1);  // a change keeps trigger 3
  EXPECT_EQ(e->editedTrigger(), 3);
  doc.selectFlightGroups({1, 2});  // another current group
  EXPECT_EQ(e->editedTrigger(), 1);
  EXPECT_EQ(e->conditionLabel(1)->palette().color(QPalette::WindowText), QColor(169, 3, 145));
  EXPECT_EQ(e->conditionLabel(3)->palette().color(QPalette::WindowText), QColor(Qt::black));
  click(e->conditionLabel(2));
  // Double-click does nothing yet but tell who listens.
  int asked = 0;
  QObject::connect(e, &app::TriggerEditor::labelDoubleClicked, [&](int n) { asked = n; });
  const auto before = group(1).bytes;
  click(e->conditionLabel(4), QEvent::MouseButtonDblClick);
  EXPECT_EQ(asked, 4);
  EXPECT_EQ(group(1).bytes, before);
}

TEST_F(TriggerEditorTest, MotherShipRadiosEnableTheirBoxesAndWrite) {
  start(4);
  doc.selectFlightGroups({0, 3});
  QWidget* a = arrival();
  auto* box = in<QComboBox>(a, "ArrMotherBox");
  EXPECT_FALSE(box->isEnabled());
  EXPECT_TRUE(in<QRadioButton>(a, "ArrHypRadio")->isChecked());
  EXPECT_EQ(box->count(), 4);
  in<QRadioButton>(a, "ArrMotherRadio")->click();
  EXPECT_TRUE(box->isEnabled());
  EXPECT_EQ(group(0).get(fg::ArriveViaMothership), 1);
  EXPECT_EQ(group(3).get(fg::ArriveViaMothership), 1);
  box->setCurrentIndex(2);
  EXPECT_EQ(group(0).get(fg::ArrivalMothership), 2);
  EXPECT_EQ(group(3).get(fg::ArrivalMothership), 2);
  in<QRadioButton>(a, "ArrHypRadio")->click();
  EXPECT_FALSE(box->isEnabled());
  EXPECT_EQ(group(3).get(fg::ArriveViaMothership), 0);
  EXPECT_EQ(doc.undoStack()->count(), 3);

  in<QRadioButton>(a, "ArrAltMotherRadio")->click();
  in<QComboBox>(a, "ArrAltmotherBox")->setCurrentIndex(1);
  EXPECT_EQ(group(3).get(fg::AltArriveViaMothership), 1);
  EXPECT_EQ(group(3).get(fg::AltArrivalMothership), 1);

  page->pages()->setCurrentIndex(app::FlightGroupsPage::DepartureTab);
  QWidget* d = departure();
  in<QRadioButton>(d, "DepMotherRadio")->click();
  in<QComboBox>(d, "DepMotherBox")->setCurrentIndex(3);
  in<QRadioButton>(d, "DepAltMotherRadio")->click();
  in<QComboBox>(d, "DepAltMotherBox")->setCurrentIndex(1);
  EXPECT_EQ(group(0).get(fg::DepartViaMothership), 1);
  EXPECT_EQ(group(0).get(fg::DepartureMothership), 3);
  EXPECT_EQ(group(0).get(fg::AltDepartViaMothership), 1);
  EXPECT_EQ(group(0).get(fg::AltDepartureMothership), 1);
  EXPECT_TRUE(in<QComboBox>(d, "DepAltMotherBox")->isEnabled());
  in<QRadioButton>(d, "DepAltHypRadio")->click();
  EXPECT_FALSE(in<QComboBox>(d, "DepAltMotherBox")->isEnabled());
  EXPECT_EQ(group(3).get(fg::AltDepartViaMothership), 0);

  // Another group shows its own choice.
  doc.selectFlightGroups({1});
  EXPECT_TRUE(in<QRadioButton>(d, "DepHypRadio")->isChecked());
  EXPECT_FALSE(in<QComboBox>(d, "DepMotherBox")->isEnabled());
}

TEST_F(TriggerEditorTest, DelayTakesBytesAndRefusesTheRest) {
  start(3, [](Mission& m) { m.flightGroups[0].set(fg::ArrivalDelaySeconds, u8{30}); });
  doc.selectFlightGroups({0, 1});
  QWidget* a = arrival();
  auto* mins = in<QLineEdit>(a, "ArrMinSpin");
  auto* secs = in<QLineEdit>(a, "ArrSecSpin");
  EXPECT_EQ(secs->text(), QStringLiteral("30"));
  enter(mins, QStringLiteral("12"));
  EXPECT_EQ(group(0).get(fg::ArrivalDelayMinutes), 12);
  EXPECT_EQ(group(1).get(fg::ArrivalDelayMinutes), 12);
  EXPECT_EQ(doc.undoStack()->count(), 1);

  // 300 does not fit the byte: refused, nothing stored, the box shows the stored value again.
  enter(secs, QStringLiteral("300"));
  EXPECT_EQ(group(0).get(fg::ArrivalDelaySeconds), 30);
  EXPECT_EQ(group(1).get(fg::ArrivalDelaySeconds), 0);
  // Told beside the box, never in a box that would take the next keys.
  EXPECT_TRUE(app::shownRefusal(secs).contains(QStringLiteral("300")));
  EXPECT_TRUE(app::shownRefusal(secs).contains(QStringLiteral("255")));
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(secs->text(), QStringLiteral("30"));

  enter(secs, QStringLiteral("ab"));
  EXPECT_EQ(app::shownRefusal(secs), QStringLiteral("'ab' is not a valid integer value"));
  EXPECT_EQ(group(0).get(fg::ArrivalDelaySeconds), 30);

  // Empty and "-" store nothing and say nothing.
  enter(mins, QString());
  enter(mins, QStringLiteral("-"));
  EXPECT_EQ(group(0).get(fg::ArrivalDelayMinutes), 12);
  EXPECT_TRUE(app::shownRefusal(mins).isEmpty());
  EXPECT_EQ(doc.undoStack()->count(), 1);

  enter(secs, QStringLiteral("255"));
  EXPECT_EQ(group(1).get(fg::ArrivalDelaySeconds), 255);
  EXPECT_EQ(doc.undoStack()->count(), 2);
  doc.undoStack()->undo();
  EXPECT_EQ(secs->text(), QStringLiteral("30"));
}

TEST_F(TriggerEditorTest, ArrivesOnlyIfHumanAbortConditionAndExplosionTime) {
  start(3, [](Mission& m) { m.flightGroups[0].set(fg::ExplosionTime, u8{15}); });
  doc.selectFlightGroups({0, 2});
  auto* chk = in<QCheckBox>(arrival(), "ArrIfPlrChk");
  EXPECT_EQ(chk->text(), QStringLiteral("This FG arrives only if human Player pilot"));
  chk->click();
  EXPECT_EQ(group(0).get(fg::ArriveOnlyIfHuman), 1);
  EXPECT_EQ(group(2).get(fg::ArriveOnlyIfHuman), 1);

  page->pages()->setCurrentIndex(app::FlightGroupsPage::DepartureTab);
  QWidget* d = departure();
  auto* label = in<QLabel>(d, "ExpLabel");
  auto* spin = in<app::NumberSpin>(d, "ExpTimeSpin");
  EXPECT_EQ(spin->value(), 15);
  EXPECT_EQ(label->text(), QStringLiteral(" = 1:08 (approx)"));
  testing_gui::EditorFixture::retype(spin, QStringLiteral("60\n"));
  EXPECT_EQ(group(0).get(fg::ExplosionTime), 60);
  EXPECT_EQ(group(2).get(fg::ExplosionTime), 60);
  EXPECT_EQ(label->text(), QStringLiteral(" = 00:19 (approx)"));
  testing_gui::EditorFixture::retype(spin, QStringLiteral("85\n"));
  EXPECT_EQ(label->text(), QStringLiteral(" = 6:31 (approx)"));
  // The byte takes no more than 255; a larger number is not stored as its low byte.
  testing_gui::EditorFixture::retype(spin, QStringLiteral("300\n"));
  EXPECT_EQ(group(0).get(fg::ExplosionTime), 255);
  EXPECT_EQ(label->text(), QStringLiteral(" = (untested)"));

  auto* when = in<QComboBox>(d, "DepartWhenBox");
  EXPECT_EQ(when->itemText(1), QStringLiteral("shields out/damaged"));
  EXPECT_EQ(when->count(), 21);
  when->setCurrentIndex(4);
  EXPECT_EQ(group(0).get(fg::AbortCondition), 4);
  EXPECT_EQ(group(2).get(fg::AbortCondition), 4);
  EXPECT_EQ(group(1).get(fg::AbortCondition), 0);
}

// Pictures of the two tabs in the main window, to look at: set ZYNED_GRAB_DIR.
class TriggerTabsPicture : public EditorFixture {};

TEST_F(TriggerTabsPicture, DISABLED_GrabsArrivalAndDeparture) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the tabs";
  const std::string file = writeMission("arrive.kre", 14, "Arrive", [](Mission& m) {
    while (m.flightGroups.size() < 4) m.addFlightGroup();
    const char* names[] = {"Red", "Gold Squadron Leader", "Blue", "Omega"};
    for (std::size_t i = 0; i < 4; ++i) m.flightGroups[i].setText(fg::Name, names[i]);
    FlightGroup& g = m.flightGroups[0];
    putTrigger(g, 110, Trig{2, 1, 1, 1});
    putTrigger(g, 114, Trig{1, 5, 1, 0});
    putTrigger(g, 121, Trig{7, 2, 3, 4});
    g.set(fg::ArrivalTriggersOr, u8{1});
    g.set(fg::ArriveViaMothership, u8{1});
    g.set(fg::ArrivalMothership, u8{1});
    g.set(fg::ArrivalDelayMinutes, u8{2});
    g.set(fg::ArrivalDelaySeconds, u8{30});
    putTrigger(g, 136, Trig{2, 12, 1, 0});
    g.set(fg::ExplosionTime, u8{15});
    g.set(fg::AbortCondition, u8{4});
  });
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  window->resize(810, 580);
  auto* page = find<app::FlightGroupsPage>("FlightGroupsPage");
  for (auto tab : {app::FlightGroupsPage::ArrivalTab, app::FlightGroupsPage::DepartureTab}) {
    page->pages()->setCurrentIndex(tab);
    QApplication::processEvents();
    window->grab().save(QString("%1/trigger-tab-%2.png").arg(QString(out)).arg(int(tab)));
  }
}

}  // namespace
