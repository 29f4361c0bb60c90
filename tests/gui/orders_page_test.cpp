// The "Orders" tab and the order-4 jump triggers, driven through their widgets.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app/base/refusal_note.h"
#include "app/document/mission_document.h"
#include "app/editing/fg_widgets.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/orders_page.h"
#include "app/editing/ship_list.h"
#include "app/editing/trigger_editor.h"
#include "editing/descriptions.h"
#include "editing/orders.h"
#include "editing/triggers.h"
#include "editor_fixture.h"
#include "page_fixture.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

using namespace model;
using testing_gui::ScriptedPrompter;
namespace od = model::order;

namespace {

class OrdersPageTest : public testing_gui::PageFixture {
 protected:
  // A mission of `n` flight groups named "G1".."Gn", unchanged, with the Orders tab shown.
  void start(int n = 3, const std::function<void(Mission&)>& edit = {}) {
    makePage(n, edit);
    page->resize(810, 540);
    page->show();
    showTab(app::FlightGroupsPage::OrdersTab);
  }

  app::OrdersPage* orders() { return find<app::OrdersPage>("OrdersPage"); }
  QComboBox* box(const char* name) { return find<QComboBox>(name); }
  QLabel* label(const char* name) { return find<QLabel>(name); }
  // Byte `f` of order `n` (0..3) of group `i`.
  int orderByte(std::size_t i, std::size_t n, Field<u8> f) {
    return model::get(group(i).orderBytes(n), f);
  }
  void showTab(app::FlightGroupsPage::Tab tab) {
    page->pages()->setCurrentIndex(tab);
    QApplication::processEvents();
  }
  static void click(QWidget* w, bool twice = false) {
    const QPointF at(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    if (!twice) return;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
  }
  void clickOrder(int n) { click(label(("Order" + std::to_string(n) + "Lab").c_str())); }
  std::vector<std::array<u8, fg::Size>> records() {
    std::vector<std::array<u8, fg::Size>> out;
    for (const FlightGroup& g : doc.mission().flightGroups) out.push_back(g.bytes);
    return out;
  }
  // `act` is one undo step that changes byte `f` of order `n` to `want` in groups 0 and 2 (the
  // selection) and nowhere else; undo gives every byte back and redo does it again.
  void expectOneStep(std::size_t n, Field<u8> f, int want, const std::function<void()>& act) {
    SCOPED_TRACE(std::string(f.name));
    const auto before = records();
    const int steps = doc.undoStack()->count();
    act();
    EXPECT_EQ(doc.undoStack()->count(), steps + 1);
    EXPECT_EQ(orderByte(0, n, f), want);
    EXPECT_EQ(orderByte(2, n, f), want);
    EXPECT_EQ(group(1).bytes, before[1]);
    doc.undoStack()->undo();
    EXPECT_EQ(records(), before);
    doc.undoStack()->redo();
    EXPECT_EQ(orderByte(0, n, f), want);
    EXPECT_EQ(orderByte(2, n, f), want);
  }
};

void setOrder(FlightGroup& g, std::size_t n, std::initializer_list<std::pair<Field<u8>, int>> v) {
  auto o = g.orderBytes(n);
  for (const auto& [f, x] : v) model::set(o, f, static_cast<u8>(x));
}

TEST_F(OrdersPageTest, LabelsDescribeTheFourOrdersAndAClickEditsOne) {
  start(3, [](Mission& m) {
    setOrder(m.flightGroups[0], 0, {{od::Command, 7}, {od::Target1Type, 1}, {od::Target1, 1}});
    setOrder(m.flightGroups[0], 2, {{od::Command, 9}, {od::Target1Type, 5}, {od::Target1, 1}});
  });
  const Mission& m = doc.mission();
  for (int n = 1; n <= 4; ++n) {
    const std::string name = "Order" + std::to_string(n) + "Lab";
    EXPECT_EQ(
        label(name.c_str())->text().toStdString(),
        editing::describeOrder(m, vocab, group(0).orderBytes(static_cast<std::size_t>(n - 1))));
  }
  EXPECT_TRUE(label("Order1Lab")->text().startsWith(QStringLiteral("Attack targets:  ")));
  // An order the group does not use reads "(No Order)"; its box keeps the table's entry.
  EXPECT_EQ(label("Order2Lab")->text(), QStringLiteral("(No Order)"));
  EXPECT_EQ(orders()->editedOrder(), 0);
  EXPECT_EQ(label("OrderLab")->text(), QStringLiteral("Order #1:"));

  clickOrder(3);
  EXPECT_EQ(orders()->editedOrder(), 2);
  EXPECT_EQ(label("OrderLab")->text(), QStringLiteral("Order #3:"));
  EXPECT_EQ(box("OrderBox")->currentIndex(), 9);
  EXPECT_EQ(box("T1Class")->currentIndex(), 5);
  EXPECT_EQ(box("T1Index")->currentText(), QString::fromStdString(vocab.table("IFF").at(1)));
  EXPECT_EQ(label("Order3Lab")->palette().color(QPalette::WindowText), QColor(169, 3, 145));
  EXPECT_EQ(label("Order1Lab")->palette().color(QPalette::WindowText), QColor(Qt::black));

  // The order box wears the group's IFF colour.
  const Rgb c = iffColour(group(0).get(fg::Iff));
  EXPECT_EQ(box("OrderBox")->palette().color(QPalette::Text), QColor(c.r, c.g, c.b));

  // A double-click is the clipboard's way in; a page without the editor's clipboards only
  // selects.
  int asked = -1;
  QObject::connect(orders(), &app::OrdersPage::labelDoubleClicked, [&](int n) { asked = n; });
  click(label("Order2Lab"), true);
  EXPECT_EQ(asked, 1);
  // The box of an unused order keeps the table's entry.
  EXPECT_EQ(box("OrderBox")->currentText(), QStringLiteral("Hold Steady"));
  EXPECT_EQ(doc.undoStack()->count(), 0);
  EXPECT_TRUE(find<QPushButton>("AddOrderBtn")->isEnabled());
}

// Each target panel holds its own two targets, each with one caption.
TEST_F(OrdersPageTest, EachTargetPanelHoldsItsOwnPairOfTargets) {
  start();
  const std::pair<const char*, QStringList> panels[] = {
      {"PrimaryTargetGroup", {"T1Class", "T1Index", "T2Class", "T2Index"}},
      {"SecondaryTargetGroup", {"T3Class", "T3Index", "T4Class", "T4Index"}}};
  for (const auto& [panel, boxes] : panels) {
    auto* frame = find<QWidget>(panel);
    QStringList names, captions;
    for (const QComboBox* c : frame->findChildren<QComboBox*>()) names << c->objectName();
    for (const QLabel* l : frame->findChildren<QLabel*>())
      if (l->text().startsWith(QStringLiteral("Class"))) captions << l->text();
    names.sort();
    EXPECT_EQ(names, boxes) << panel;
    EXPECT_EQ(captions, (QStringList{"Class A", "Class B"})) << panel;
  }
}

TEST_F(OrdersPageTest, EveryControlWritesEverySelectedGroupAsOneUndoStep) {
  start(3, [](Mission& m) {
    for (auto& g : m.flightGroups)
      setOrder(g, 1,
               {{od::Command, 7},
                {od::Target1Type, 1},
                {od::Throttle, 10},
                {od::Target1Or2, 0},
                {od::Target3Or4, 0}});
  });
  select({0, 2});
  clickOrder(2);
  ASSERT_EQ(orders()->editedOrder(), 1);

  expectOneStep(1, od::Command, 12, [&] { box("OrderBox")->setCurrentIndex(12); });
  expectOneStep(1, od::Throttle, 4, [&] { box("OrderSpeedBox")->setCurrentIndex(4); });
  expectOneStep(1, od::Speed, 45, [&] { box("MGLTBox")->setCurrentIndex(45); });
  expectOneStep(1, od::Variable1, 7, [&] {
    testing_gui::EditorFixture::retype(find<QSpinBox>("OrderP1"), QStringLiteral("7\n"));
  });
  expectOneStep(1, od::Variable2, 3, [&] {
    testing_gui::EditorFixture::retype(find<QSpinBox>("OrderP2"), QStringLiteral("3\n"));
  });
  expectOneStep(1, od::Target1Or2, 1, [&] { find<QCheckBox>("OneAnd2Chk")->setChecked(true); });
  expectOneStep(1, od::Target3Or4, 1, [&] { find<QCheckBox>("ThreeAnd4Chk")->setChecked(true); });
  const char* classes[4] = {"T1Class", "T2Class", "T3Class", "T4Class"};
  const char* indexes[4] = {"T1Index", "T2Index", "T3Index", "T4Index"};
  for (std::size_t n = 0; n < 4; ++n) {
    expectOneStep(1, od::TargetType[n], 5, [&] { box(classes[n])->setCurrentIndex(5); });
    expectOneStep(1, od::Target[n], 2, [&] { box(indexes[n])->setCurrentIndex(2); });
  }
  // Other orders stay as they were.
  EXPECT_EQ(orderByte(0, 0, od::Command), 0);
  EXPECT_EQ(orderByte(2, 2, od::Command), 0);
  // The group is marked changed.
  EXPECT_TRUE(doc.changedFlags().flightGroup);
}

TEST_F(OrdersPageTest, ANewTargetTypeStartsAtTheFirstTargetInOneStep) {
  start(5, [](Mission& m) {
    setOrder(m.flightGroups[0], 0, {{od::Target3Type, 1}, {od::Target3, 4}});
  });
  QComboBox* index = box("T3Index");
  EXPECT_EQ(index->count(), 5);  // the flight-group names
  EXPECT_EQ(index->currentIndex(), 4);
  const auto before = records();
  box("T3Class")->setCurrentIndex(5);  // IFF
  EXPECT_EQ(orderByte(0, 0, od::Target3Type), 5);
  EXPECT_EQ(orderByte(0, 0, od::Target3), 0);
  EXPECT_EQ(doc.undoStack()->count(), 1);
  const auto& iff = vocab.table("IFF");
  ASSERT_EQ(index->count(), static_cast<int>(iff.size()));
  EXPECT_EQ(index->itemText(0), QString::fromStdString(iff[0]));
  EXPECT_EQ(index->currentIndex(), 0);
  EXPECT_TRUE(label("Order1Lab")->text().contains(QString::fromStdString(iff[0] + "s")));
  doc.undoStack()->undo();
  EXPECT_EQ(records(), before);
  EXPECT_EQ(index->count(), 5);
  EXPECT_EQ(index->currentIndex(), 4);
}

TEST_F(OrdersPageTest, FullThrottleEnablesTheSpeedWhichLowerThrottleKeeps) {
  start(2, [](Mission& m) {
    setOrder(m.flightGroups[0], 0, {{od::Throttle, 5}, {od::Speed, 45}});
  });
  QComboBox* speed = box("MGLTBox");
  QComboBox* throttle = box("OrderSpeedBox");
  EXPECT_EQ(throttle->count(), 11);
  EXPECT_EQ(throttle->itemText(0), QStringLiteral("   0%"));
  EXPECT_EQ(throttle->itemText(10), QStringLiteral("100%"));
  EXPECT_EQ(speed->count(), 256);
  EXPECT_EQ(speed->itemText(0), QStringLiteral("default"));
  EXPECT_EQ(speed->currentText(), QStringLiteral("100"));
  EXPECT_FALSE(speed->isEnabled());
  throttle->setCurrentIndex(10);
  EXPECT_TRUE(speed->isEnabled());
  throttle->setCurrentIndex(9);
  EXPECT_FALSE(speed->isEnabled());
  EXPECT_EQ(orderByte(0, 0, od::Speed), 45);
}

TEST_F(OrdersPageTest, ExplanationCaptionsUnknownsAndPlusMarksFollowTheOrder) {
  start(2, [](Mission& m) {
    setOrder(m.flightGroups[0], 0,
             {{od::Command, 12},
              {od::Variable1, 7},
              {od::Raw4, 1},
              {od::Raw5, 2},
              {od::Raw11, 3},
              {od::Raw17, 4},
              {od::Variable2, 0},
              {od::Target1Or2, 0},
              {od::Target3Or4, 0}});
    setOrder(m.flightGroups[0], 1, {{od::Command, 200}});
  });
  EXPECT_EQ(label("XWOrderLab")->text().toStdString(), vocab.text("OrdTexts", 12));
  EXPECT_EQ(label("P1Lab")->text(), QStringLiteral("Docking time (35 secs):"));
  EXPECT_EQ(label("P2Lab")->text(), QStringLiteral("         # of dockings:"));
  EXPECT_EQ(label("OrdUnkLab")->text(),
            QStringLiteral("Unknowns for each order:  1,   2,   3,   4"));
  EXPECT_FALSE(label("OrdUnkLab")->isVisible());
  EXPECT_TRUE(label("PriLab")->isVisible());
  EXPECT_TRUE(label("SecLab")->isVisible());

  // Parameter 1 changes the time it stands for.
  testing_gui::EditorFixture::retype(find<QSpinBox>("OrderP1"), QStringLiteral("12\n"));
  EXPECT_EQ(label("P1Lab")->text(), QStringLiteral("Docking time (60 secs):"));
  find<QCheckBox>("OneAnd2Chk")->setChecked(true);
  EXPECT_FALSE(label("PriLab")->isVisible());
  EXPECT_TRUE(label("SecLab")->isVisible());

  // Order 10 names "Attack Player" from parameter 2, and keeps the caption for other values.
  box("OrderBox")->setCurrentIndex(10);
  EXPECT_EQ(label("P2Lab")->text(), QStringLiteral("Attack Player:No"));
  testing_gui::EditorFixture::retype(find<QSpinBox>("OrderP2"), QStringLiteral("1\n"));
  EXPECT_EQ(label("P2Lab")->text(), QStringLiteral("Attack Player:Yes"));
  testing_gui::EditorFixture::retype(find<QSpinBox>("OrderP2"), QStringLiteral("5\n"));
  EXPECT_EQ(label("P2Lab")->text(), QStringLiteral("Attack Player:Yes"));
  EXPECT_EQ(label("P1Lab")->text(), QStringLiteral("                  No Effect?:"));

  // A code beyond the tables.
  clickOrder(2);
  EXPECT_EQ(label("XWOrderLab")->text(), QStringLiteral("Unknown"));
  EXPECT_EQ(box("OrderBox")->currentIndex(), -1);
  EXPECT_EQ(orderByte(0, 1, od::Command), 200);
}

TEST_F(OrdersPageTest, ParametersAboveAByteAreHeldAtTheLargestByte) {
  start(1);
  auto* p1 = find<app::NumberSpin>("OrderP1");
  p1->editor()->selectAll();
  testing_gui::EditorFixture::type(p1, QStringLiteral("300\n"));
  EXPECT_EQ(orderByte(0, 0, od::Variable1), 255);
  EXPECT_EQ(p1->value(), 255);
  // Text that is not a number changes nothing and is reported.
  p1->editor()->selectAll();
  testing_gui::EditorFixture::type(p1, QStringLiteral("x\n"));
  EXPECT_EQ(orderByte(0, 0, od::Variable1), 255);
  EXPECT_EQ(app::shownRefusal(p1), QStringLiteral("'x' is not a valid integer value"));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(OrdersPageTest, DescriptionOnlyForOrderOneOfAPlayerGroup) {
  const std::string long62(62, 'x');
  start(3, [&](Mission& m) {
    m.flightGroups[0].set(fg::PlayerNumber, u8{1});
    m.flightGroups[2].set(fg::PlayerNumber, u8{2});
    m.flightGroups[2].orderBytes(0)[od::Description.offset] = 'Q';
    setText(m.flightGroups[1].orderBytes(0), od::Description, long62);
    m.flightGroups[1].set(fg::PlayerNumber, u8{3});
  });
  QComboBox* desc = box("OrderDescEd");
  EXPECT_EQ(desc->itemText(0), QStringLiteral("Attack"));
  EXPECT_TRUE(desc->isEnabled());
  clickOrder(2);
  EXPECT_FALSE(desc->isEnabled());  // order 2 of a player group
  select({1});
  EXPECT_EQ(orders()->editedOrder(), 0);  // another group starts at order 1
  // A stored description longer than the typed limit is shown whole.
  EXPECT_EQ(desc->currentText().toStdString(), long62);

  select({0, 2});
  clickOrder(1);
  desc->lineEdit()->selectAll();
  testing_gui::EditorFixture::type(desc->lineEdit(), QStringLiteral("Strike"));
  EXPECT_EQ(getText(group(0).orderBytes(0), od::Description), "Strike");
  EXPECT_EQ(getText(group(2).orderBytes(0), od::Description), "Strike");
  EXPECT_EQ(doc.undoStack()->count(), 1);  // the typing is one step
  // Typing stops at 60 characters.
  desc->lineEdit()->selectAll();
  testing_gui::EditorFixture::type(desc->lineEdit(), QString(70, QLatin1Char('y')));
  EXPECT_EQ(getText(group(0).orderBytes(0), od::Description), std::string(60, 'y'));
  doc.undoStack()->undo();
  EXPECT_EQ(getText(group(2).orderBytes(0), od::Description), "Q");

  // A computer group.
  start(2, [](Mission& m) { m.flightGroups[0].set(fg::PlayerNumber, u8{0}); });
  EXPECT_FALSE(box("OrderDescEd")->isEnabled());
}

TEST_F(OrdersPageTest, TheEditedOrderStaysThroughEditsAndStartsAgainOnEntry) {
  start(3);
  clickOrder(4);
  box("OrderBox")->setCurrentIndex(3);
  EXPECT_EQ(orders()->editedOrder(), 3);
  EXPECT_EQ(orderByte(0, 3, od::Command), 3);
  doc.undoStack()->undo();
  EXPECT_EQ(orders()->editedOrder(), 3);
  showTab(app::FlightGroupsPage::ShipTab);
  showTab(app::FlightGroupsPage::OrdersTab);
  EXPECT_EQ(orders()->editedOrder(), 0);
  clickOrder(3);
  select({1});
  EXPECT_EQ(orders()->editedOrder(), 0);
  // Names in the target boxes follow the list.
  clickOrder(1);
  box("T1Class")->setCurrentIndex(1);
  doc.setFlightGroupText(fg::Name, "Renamed");
  EXPECT_TRUE(box("T1Index")->itemText(1).contains(QStringLiteral("Renamed")));
}

TEST_F(OrdersPageTest, NoFlightGroupLeavesThePageDisabled) {
  start(1);
  doc.apply(QStringLiteral("clear"), app::ChangedFlag::Mission,
            [](model::MissionEdit& e) { e.removeFlightGroup(0); });
  EXPECT_FALSE(orders()->isEnabled());
  doc.undoStack()->undo();
  EXPECT_TRUE(orders()->isEnabled());
}

}  // namespace

namespace {

TEST_F(OrdersPageTest, JumpToOrderFourTriggersOnTheOtherTab) {
  start(3, [](Mission& m) {
    std::copy_n(std::array<u8, 4>{2, 1, 1, 0}.data(), 4,
                m.flightGroups[0].bytes.begin() + fg::SkipTrigger1);
  });
  showTab(app::FlightGroupsPage::OtherTab);
  auto* area = find<QWidget>("JumpToOrder4Area");
  auto* jump = area->findChild<app::TriggerEditor*>();
  ASSERT_NE(jump, nullptr);
  EXPECT_EQ(jump->triggerCount(), 2);
  EXPECT_EQ(area->findChild<QLabel*>(QStringLiteral("Cond3Lab")), nullptr);
  EXPECT_EQ(area->findChild<QRadioButton*>(QStringLiteral("GlbOr")), nullptr);
  QLabel* first = jump->conditionLabel(1);
  EXPECT_EQ(
      first->text().toStdString(),
      editing::describeTrigger(doc.mission(), vocab, group(0).span().subspan(fg::SkipTrigger1, 4)));
  EXPECT_EQ(jump->editedTrigger(), 1);
  EXPECT_EQ(jump->classBox()->currentIndex(), 1);

  select({0, 2});
  click(jump->conditionLabel(2));
  EXPECT_EQ(jump->editedTrigger(), 2);
  const auto before = records();
  jump->condBox()->setCurrentIndex(2);
  EXPECT_EQ(doc.undoStack()->count(), 1);
  for (std::size_t i : {0u, 2u}) EXPECT_EQ(group(i).bytes[fg::SkipTrigger2], 2);
  EXPECT_EQ(group(1).bytes[fg::SkipTrigger2], before[1][fg::SkipTrigger2]);
  EXPECT_EQ(jump->editedTrigger(), 2);  // an edit keeps the edited trigger

  auto* orRadio = area->findChild<QRadioButton*>(QStringLiteral("and2Or"));
  ASSERT_NE(orRadio, nullptr);
  orRadio->setChecked(true);
  EXPECT_EQ(group(0).get(fg::SkipTriggersOr), 1);
  EXPECT_EQ(group(2).get(fg::SkipTriggersOr), 1);
  EXPECT_EQ(doc.undoStack()->count(), 2);
  doc.undoStack()->undo();
  doc.undoStack()->undo();
  EXPECT_EQ(records(), before);

  // Another group starts again at trigger 1.
  select({1});
  EXPECT_EQ(jump->editedTrigger(), 1);
}

// Pictures of the Orders and Other tabs in an editor window of the smallest size, for looking
// at; set ZYNED_GRAB_DIR to have them written.
class OrdersGrab : public testing_gui::EditorFixture {};

TEST_F(OrdersGrab, DISABLED_OrdersAndOtherTabs) {
  const QByteArray out = qgetenv("ZYNED_GRAB_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the tabs";
  const std::string file = writeMission("orders.kre", 14, "Orders", [](Mission& m) {
    while (m.flightGroups.size() < 4) m.addFlightGroup();
    const char* names[] = {"Red", "Gold", "Transport Escort", "Platform"};
    for (std::size_t i = 0; i < 4; ++i) {
      m.flightGroups[i].setText(fg::Name, names[i]);
      m.flightGroups[i].set(fg::CraftType, static_cast<u8>(1 + i * 9));
    }
    FlightGroup& g = m.flightGroups[0];
    g.set(fg::PlayerNumber, u8{1});
    setOrder(g, 0,
             {{od::Command, 10},
              {od::Throttle, 10},
              {od::Speed, 45},
              {od::Target1Type, 1},
              {od::Target1, 2},
              {od::Target1Or2, 0},
              {od::Target2Type, 5},
              {od::Target2, 1},
              {od::Variable2, 1},
              {od::Target3Type, 12},
              {od::Target3, 1}});
    setText(g.orderBytes(0), od::Description, "Escort the transports to the platform");
    setOrder(g, 1,
             {{od::Command, 12},
              {od::Variable1, 12},
              {od::Target1Type, 1},
              {od::Target1, 3},
              {od::Target1Or2, 1},
              {od::Target2Type, 2},
              {od::Target2, 4}});
    setOrder(g, 2, {{od::Command, 1}});
    std::copy_n(std::array<u8, 4>{2, 1, 2, 0}.data(), 4, g.bytes.begin() + fg::SkipTrigger1);
  });
  start();
  prompter.openNames = {QString::fromStdString(file)};
  window->openMission();
  window->resize(810, 580);
  auto* page = find<app::FlightGroupsPage>("FlightGroupsPage");
  page->pages()->setCurrentIndex(app::FlightGroupsPage::OrdersTab);
  QApplication::processEvents();
  window->grab().save(QString("%1/orders-tab.png").arg(QString(out)));
  page->pages()->setCurrentIndex(app::FlightGroupsPage::OtherTab);
  QApplication::processEvents();
  window->grab().save(QString("%1/other-tab.png").arg(QString(out)));
}

}  // namespace
