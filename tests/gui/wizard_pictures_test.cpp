// Pictures of the formation viewer, the wizard, the clipboard dialog, the library and the
// unknown-bytes dialog for a person to look at. Disabled: scripts/wizard-screenshots.sh runs
// them with ZYNED_GRAB_DIR set; ctest never does.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/base/prompter.h"
#include "app/editing/clip_dialog.h"
#include "app/editing/library_window.h"
#include "app/editing/unknowns_dialog.h"
#include "app/map/formation_window.h"
#include "app/shell/wizard_dialog.h"
#include "editing/descriptions.h"
#include "editing/wizard.h"
#include "shell/vocabulary.h"

namespace {

void saveWindow(QWidget& w, const QString& name) {
  const QString dir = QString::fromLocal8Bit(qgetenv("ZYNED_GRAB_DIR"));
  w.show();
  QApplication::processEvents();
  w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
  w.hide();
}

// A melee with a few orders and triggers worth describing.
model::Mission wizardMission() {
  model::Mission m;
  editing::WizardChoices c;
  c.kind = editing::WizardKind::Melee;
  c.meleeTeams = 4;
  editing::buildWizardMission(m, c);
  m.flightGroups[2].set(model::fg::CraftType, model::u8{5});
  m.flightGroups[3].set(model::fg::CraftCount, model::u8{3});
  return m;
}

TEST(WizardPictures, DISABLED_Windows) {
  if (qgetenv("ZYNED_GRAB_DIR").isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR";
  shell::Vocabulary v;
  app::Prompter& prompter = app::defaultPrompter();
  for (auto [n, count, name] :
       {std::tuple{0, 6, "formation-vic"}, std::tuple{8, 6, "formation-stacked-high"},
        std::tuple{29, 5, "formation-side-pentagon-5"},
        std::tuple{11, 2, "formation-high-vic-2-craft"}}) {
    app::FormationWindow w(v, n, count);
    if (count < 6) w.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    saveWindow(w, QString::fromLatin1(name));
    w.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);
  }
  app::WizardDialog wizard;
  saveWindow(wizard, QStringLiteral("wizard"));

  const model::Mission m = wizardMission();
  editing::Clipboard conds = editing::Clipboard::conditions();
  for (auto t : {std::array<model::u8, 4>{2, 1, 1, 0}, std::array<model::u8, 4>{0, 0, 0, 0},
                 std::array<model::u8, 4>{1, 5, 1, 2}})
    conds.add(t);
  app::ClipDialog condDialog(
      app::ClipDialog::Mode::Conditions, conds,
      [&](model::CBytes b) { return editing::describeTrigger(m, v, b); }, "/nonexistent", prompter);
  condDialog.resize(condDialog.minimumSizeHint());
  saveWindow(condDialog, QStringLiteral("clipboard-conditions"));
  editing::Clipboard orders = editing::Clipboard::orders();
  for (const auto& g : m.flightGroups) orders.add(g.orderBytes(0));
  orders.add(m.flightGroups[0].orderBytes(1));
  app::ClipDialog orderDialog(
      app::ClipDialog::Mode::Orders, orders,
      [&](model::CBytes b) { return editing::describeOrder(m, v, b); }, "/nonexistent", prompter);
  orderDialog.resize(orderDialog.minimumSizeHint());
  saveWindow(orderDialog, QStringLiteral("clipboard-orders"));

  editing::Library lib;
  lib.add(m, {0, 2, 4, 6, 7, 3});
  app::LibraryMissionAccess access;
  access.mission = &m;
  access.selectedFlightGroups = [] { return std::vector<int>{}; };
  access.addFlightGroups = [](std::vector<model::FlightGroup>) {};
  app::LibraryWindow library(lib, access, v, prompter, "/nonexistent");
  library.resize(library.minimumSizeHint());
  saveWindow(library, QStringLiteral("library"));

  app::UnknownsDialog unknowns(m.header, m.flightGroups[0], prompter);
  unknowns.resize(unknowns.minimumSizeHint());
  saveWindow(unknowns, QStringLiteral("unknowns"));
}

}  // namespace
