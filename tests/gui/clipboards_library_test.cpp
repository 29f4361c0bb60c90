// The clipboards, the flight-group library, the unknown-bytes dialog and the formation viewer,
// driven through the editor's own buttons, labels and actions.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "app/base/notice_window.h"
#include "app/base/translations.h"
#include "app/editing/arrival_page.h"
#include "app/editing/fg_widgets.h"
#include "app/editing/flight_groups_page.h"
#include "editing/triggers.h"
#include "editing/unknowns.h"
#include "editor_fixture.h"
#include "in_language.h"

using namespace model;

namespace {

class ClipboardsLibraryTest : public testing_gui::EditorFixture {
 protected:
  // The editor with three flight groups "G1".."G3", every one selected, group 1 current.
  void startWithThreeGroups() {
    start();
    for (int i = 0; i < 2; ++i) doc().newFlightGroup();
    for (int i = 0; i < 3; ++i)
      testing_gui::contentOf(doc()).flightGroups[static_cast<std::size_t>(i)].setText(
          fg::Name, "G" + std::to_string(i + 1));
    doc().undoStack()->clear();
    doc().selectFlightGroups({0, 1, 2}, 0);
    QApplication::processEvents();
  }
  void showTab(app::FlightGroupsPage::Tab tab) {
    window->flightGroupsPage()->pages()->setCurrentIndex(tab);
    QApplication::processEvents();
  }
  void writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(editorDir + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  static void doubleClick(QWidget* w) {
    const QPointF at(4, 4);
    for (auto type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
      QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
      QApplication::sendEvent(w, &e);
    }
  }
  // Answers the next dialog by choosing line `row` of its list and pressing `button`.
  void answerDialog(const char* list, int row, const char* button) {
    prompter.onDialog = [=](QDialog& d) {
      auto* l = d.findChild<QListWidget*>(QLatin1String(list));
      EXPECT_NE(l, nullptr);
      if (l && row >= 0) l->setCurrentRow(row);
      d.findChild<QPushButton*>(QLatin1String(button))->click();
      return d.result();
    };
  }
  std::vector<std::array<u8, fg::Size>> records() {
    std::vector<std::array<u8, fg::Size>> out;
    for (const FlightGroup& g : mission().flightGroups) out.push_back(g.bytes);
    return out;
  }
  // `act` changes the records as one undo step; undo gives every byte back.
  void expectOneUndoStep(const std::function<void()>& act) {
    const auto before = records();
    const int steps = doc().undoStack()->count();
    act();
    EXPECT_EQ(doc().undoStack()->count(), steps + 1);
    EXPECT_NE(records(), before);
    doc().undoStack()->undo();
    EXPECT_EQ(records(), before);
  }
  QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
  QStringList notices() {
    QStringList out;
    for (auto* n : window->findChildren<app::NoticeWindow*>()) out << n->text();
    return out;
  }
};

TEST_F(ClipboardsLibraryTest, ConditionClipboardUseWritesEverySelectedGroupAsOneStep) {
  // Two whole triggers and two stray bytes: two entries.
  writeFile("Conds.clp", {1, 1, 0, 0, 2, 1, 1, 0, 9, 9});
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::ArrivalTab);
  const auto place = editing::arrivalTriggers();
  answerDialog("ListBox1", 1, "UseBtn");
  expectOneUndoStep([&] {
    auto* arrival = window->findChild<app::ArrivalPage*>();
    doubleClick(arrival->findChild<QLabel*>(QStringLiteral("Cond2Lab")));
    for (const FlightGroup& g : mission().flightGroups) {
      const auto t = editing::readTrigger(g.span(), place, 2);
      EXPECT_EQ((std::vector<u8>(t.begin(), t.end())), (std::vector<u8>{2, 1, 1, 0}));
    }
  });
  EXPECT_EQ(prompter.dialogCount("app::ClipDialog"), 1);

  // "Add to Clipboard" appends the boxes' trigger and rewrites the file at once.
  window->findChild<app::ArrivalPage*>()
      ->findChild<QPushButton*>(QStringLiteral("AddToClipBtn"))
      ->click();
  EXPECT_EQ(fileBytes(editorDir + "/Conds.clp").size(), 12u);
  EXPECT_EQ(notices(), (QStringList{"Condition added to the clipboard (Conds.clp)"}));
}

// The clipboard file follows the list when its window closes; a file that cannot be written
// says so then.
TEST_F(ClipboardsLibraryTest, AClipboardThatCannotBeWrittenSaysSoWhenItsWindowCloses) {
  writeFile("Conds.clp", {1, 1, 0, 0});
  std::filesystem::permissions(editorDir + "/Conds.clp", std::filesystem::perms::owner_read);
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::ArrivalTab);
  answerDialog("ListBox1", 0, "UseBtn");
  doubleClick(
      window->findChild<app::ArrivalPage*>()->findChild<QLabel*>(QStringLiteral("Cond1Lab")));
  const auto errors = prompter.texts(testing_gui::ScriptedPrompter::Kind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].endsWith(QStringLiteral("the file is write-protected.")))
      << errors[0].toStdString();
}

// A clipboard file that cannot be read is said in the user's language with its path, when the
// editor starts and again when adding to it leaves the file alone.
TEST_F(ClipboardsLibraryTest, AnUnreadableClipboardIsSaidInTheUsersLanguageWithItsPath) {
  const testing_gui::InLanguage language(QStringLiteral("pseudo"));
  ASSERT_TRUE(language.installed());
  std::filesystem::create_directory(editorDir + "/Conds.clp");
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::ArrivalTab);
  QTest::mouseClick(find<QPushButton>(QStringLiteral("AddToClipBtn")), Qt::LeftButton);
  const QString path = QString::fromStdString(editorDir + "/Conds.clp");
  EXPECT_EQ(
      prompter.texts(testing_gui::ScriptedPrompter::Kind::Error),
      (std::vector<QString>{
          app::pseudoText(QStringLiteral("Error reading \"%1\": not a regular file")).arg(path),
          app::pseudoText(QStringLiteral("\"%1\" was not rewritten: it could not be read "
                                         "when the editor started."))
              .arg(path)}));
}

TEST_F(ClipboardsLibraryTest, AnEmptyClipboardSaysHowToFillItAndOffersNothingToUse) {
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::OrdersTab);
  bool told = false, usable = true;
  prompter.onDialog = [&](QDialog& d) {
    told = d.findChild<QLabel*>(QStringLiteral("EmptyClipLabel"))->isVisibleTo(&d);
    usable = d.findChild<QPushButton*>(QStringLiteral("UseBtn"))->isEnabled();
    return int(QDialog::Rejected);
  };
  doubleClick(find<QLabel>(QStringLiteral("Order3Lab")));
  EXPECT_TRUE(told);
  EXPECT_FALSE(usable);
}

TEST_F(ClipboardsLibraryTest, OrderClipboardAddAndUse) {
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::OrdersTab);
  // The edited order with its unnamed bytes set: the clipboard takes it without them.
  testing_gui::contentOf(doc()).flightGroups[0].orderBytes(0)[0] = 7;
  for (std::size_t b : {4, 5, 11, 17})
    testing_gui::contentOf(doc()).flightGroups[0].orderBytes(0)[b] = 3;
  find<QPushButton>(QStringLiteral("AddOrderBtn"))->click();
  const auto file = fileBytes(editorDir + "/Orders.clp");
  ASSERT_EQ(file.size(), order::Size);
  EXPECT_EQ(file[0], 7);
  for (std::size_t b : {4, 5, 11, 17}) EXPECT_EQ(file[b], 0) << b;

  answerDialog("ListBox1", 0, "UseBtn");
  expectOneUndoStep([&] {
    doubleClick(find<QLabel>(QStringLiteral("Order3Lab")));
    for (const FlightGroup& g : mission().flightGroups)
      EXPECT_EQ((std::vector<u8>(g.orderBytes(2).begin(), g.orderBytes(2).end())), file);
  });
}

TEST_F(ClipboardsLibraryTest, FormationUseWritesSelectedGroups) {
  startWithThreeGroups();
  prompter.onDialog = [](QDialog& d) {
    // One step back from "Vic" is the single point.
    d.findChild<QPushButton*>(QStringLiteral("PrevForm"))->click();
    d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    return d.result();
  };
  expectOneUndoStep([&] {
    find<QPushButton>(QStringLiteral("FormBtn"))->click();
    for (const FlightGroup& g : mission().flightGroups) EXPECT_EQ(g.get(fg::Formation), 34);
  });
}

TEST_F(ClipboardsLibraryTest, LibraryToMissionAppendsInLibraryOrderAsOneStep) {
  startWithThreeGroups();
  doc().selectFlightGroups({2, 0}, 2);
  action("AddToLibAction")->trigger();
  ASSERT_EQ(window->library().size(), 2u);
  EXPECT_TRUE(window->library().changed());
  EXPECT_EQ(notices(), (QStringList{"2 flight groups added to the library"}));
  prompter.onDialog = [](QDialog& d) {
    auto* l = d.findChild<QListWidget*>(QStringLiteral("LibShipList"));
    l->item(0)->setSelected(true);
    l->item(1)->setSelected(true);
    d.findChild<QPushButton*>(QStringLiteral("AddBut"))->click();
    return int(QDialog::Accepted);
  };
  expectOneUndoStep([&] {
    action("LibraryAction")->trigger();
    ASSERT_EQ(mission().flightGroups.size(), 5u);
    EXPECT_EQ(mission().flightGroups[3].name(), "G1");
    EXPECT_EQ(mission().flightGroups[4].name(), "G3");
  });
}

// A library file with bytes past its last whole flight group loads what is whole and says what
// it left.
TEST_F(ClipboardsLibraryTest, ALibraryWithTrailingBytesLoadsAndSaysSo) {
  start();
  std::vector<std::uint8_t> bytes(model::fg::Size + 3, 0);
  writeFile("odd.fgp", bytes);
  prompter.openNames = {QString::fromStdString(editorDir + "/odd.fgp")};
  prompter.onDialog = [](QDialog& d) {
    d.findChild<QPushButton*>(QStringLiteral("LoadLibBut"))->click();
    return int(QDialog::Rejected);
  };
  action("LibraryAction")->trigger();
  EXPECT_EQ(window->library().size(), 1u);
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_EQ(prompter.shown.back().text,
            "Loaded 1 flight group; 3 trailing bytes that are not a whole flight group were "
            "ignored.");
}

// A library that cannot be read is refused in the user's language with its path, and the
// library stays as it was.
TEST_F(ClipboardsLibraryTest, ALibraryThatCannotBeReadIsRefusedInTheUsersLanguage) {
  const testing_gui::InLanguage language(QStringLiteral("pseudo"));
  ASSERT_TRUE(language.installed());
  start();
  std::filesystem::create_directory(editorDir + "/folder.fgp");
  const QString path = QString::fromStdString(editorDir + "/folder.fgp");
  prompter.openNames = {path};
  prompter.onDialog = [](QDialog& d) {
    d.findChild<QPushButton*>(QStringLiteral("LoadLibBut"))->click();
    return int(QDialog::Rejected);
  };
  action("LibraryAction")->trigger();
  EXPECT_TRUE(window->library().empty());
  EXPECT_EQ(prompter.texts(testing_gui::ScriptedPrompter::Kind::Error),
            std::vector<QString>{
                app::pseudoText(QStringLiteral("Cannot open file \"%1\": not a regular file"))
                    .arg(path)});
}

TEST_F(ClipboardsLibraryTest, LibraryWindowKeepsItsSize) {
  start();
  std::vector<QSize> sizes;
  prompter.onDialog = [&](QDialog& d) {
    sizes.push_back(d.size());
    if (sizes.size() == 1) d.resize(d.minimumSizeHint() + QSize(40, 30));
    sizes.push_back(d.size());
    return int(QDialog::Rejected);
  };
  action("LibraryAction")->trigger();
  action("LibraryAction")->trigger();
  ASSERT_EQ(sizes.size(), 4u);
  EXPECT_EQ(sizes[2], sizes[1]);
}

TEST_F(ClipboardsLibraryTest, ClosingTheEditorOffersToSaveAChangedLibrary) {
  startWithThreeGroups();
  action("AddToLibAction")->trigger();
  doc().markSaved(doc().fileName());
  // A save asked for and then cancelled keeps the editor open.
  prompter.answers = {QMessageBox::Yes};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(prompter.texts(testing_gui::ScriptedPrompter::Kind::Question),
            std::vector<QString>{QStringLiteral("FG Library file has been changed. Save it?")});
  prompter.answers = {QMessageBox::Cancel};  // the user stays in the editor
  EXPECT_FALSE(window->close());
  EXPECT_FALSE(std::filesystem::exists(path("kept.fgp")));
  prompter.answers = {QMessageBox::Yes};
  prompter.saveNames = {QString::fromStdString(path("kept.fgp"))};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(fileBytes(path("kept.fgp")).size(), 3 * fg::Size);
}

TEST_F(ClipboardsLibraryTest, UnknownsOkWritesEverySelectedGroupAndTheHeader) {
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::OtherTab);
  const std::size_t offset = editing::UnknownBytes[0].field.offset;
  auto answer = [&](const QString& byteText) {
    prompter.onDialog = [=](QDialog& d) {
      testing_gui::EditorFixture::retype(d.findChild<QLineEdit*>(QStringLiteral("HdrUnk8")),
                                         QStringLiteral("5"));
      testing_gui::EditorFixture::retype(
          d.findChild<QLineEdit*>(QStringLiteral("Unk%1").arg(offset)), byteText);
      d.findChild<QCheckBox*>(QStringLiteral("UnkChk3"))->setChecked(true);
      d.accept();  // a refused box leaves the dialog unanswered: nothing written
      return d.result();
    };
  };
  // A box that is not a byte: a message naming it, nothing written.
  answer(QStringLiteral("300"));
  const auto before = records();
  find<QPushButton>(QStringLiteral("EditUnknownsBtn"))->click();
  EXPECT_EQ(records(), before);
  ASSERT_EQ(prompter.texts(testing_gui::ScriptedPrompter::Kind::Error).size(), 1u);
  EXPECT_TRUE(prompter.texts(testing_gui::ScriptedPrompter::Kind::Error)[0].startsWith(
      QStringLiteral("Pt 1 #2: '300'")));

  answer(QStringLiteral("42"));
  expectOneUndoStep([&] {
    find<QPushButton>(QStringLiteral("EditUnknownsBtn"))->click();
    EXPECT_EQ(mission().header.get(header::HeaderByte8), 5);
    for (const FlightGroup& g : mission().flightGroups) {
      EXPECT_EQ(g.bytes[offset], 42);
      EXPECT_EQ(g.get(editing::UnknownFlags[0]), 1);
    }
  });
}

TEST_F(ClipboardsLibraryTest, BlankExplosionTimeStoresNothingAndSaysNothing) {
  startWithThreeGroups();
  showTab(app::FlightGroupsPage::DepartureTab);
  auto* spin = find<app::NumberSpin>(QStringLiteral("ExpTimeSpin"));
  const auto before = records();
  for (const QString& text : {QString(), QStringLiteral(" ")}) {
    testing_gui::EditorFixture::retype(spin, text);
    EXPECT_TRUE(spin->commit());
  }
  EXPECT_EQ(records(), before);
  EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
