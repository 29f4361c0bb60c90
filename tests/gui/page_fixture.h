#pragma once
// A Flight Groups page of its own on a document of its own, for the tests of the page and its tabs.

#include <QItemSelection>
#include <QListWidget>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/base/deferred_page.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/editing/flight_groups_page.h"
#include "app/editing/ship_list.h"
#include "editor_fixture.h"
#include "model/mission.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace testing_gui {

// Builds the mission and the page every page suite starts from; suites add their own set-up.
class PageFixture : public ::testing::Test {
 protected:
  // A mission of `n` flight groups named "G1".."Gn" after the hooks and `edit` had their way,
  // unchanged, in a fresh page that asks `prompter`.
  void makePage(int n, const std::function<void(model::Mission&)>& edit) {
    model::Mission m;
    m.newMission();
    while (static_cast<int>(m.flightGroups.size()) < n) m.addFlightGroup();
    for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
      m.flightGroups[i].setText(model::fg::Name, "G" + std::to_string(i + 1));
    beforeEdit(m);
    if (edit) edit(m);
    afterEdit(m);
    doc.replaceMission(std::move(m));
    page = std::make_unique<app::FlightGroupsPage>(context);
  }
  // Per-suite touches to the mission, around the test's own edit.
  virtual void beforeEdit(model::Mission&) {}
  virtual void afterEdit(model::Mission&) {}

  template <class T>
  T* find(const char* name) {
    T* w = page->findChild<T*>(QString::fromLatin1(name));
    if (!w) {
      // The tabs behind the first are built when first shown.
      app::DeferredPage::buildAll(page.get());
      w = page->findChild<T*>(QString::fromLatin1(name));
    }
    EXPECT_NE(w, nullptr) << "no " << name;
    return w;
  }
  const model::FlightGroup& group(std::size_t i) { return doc.mission().flightGroups.at(i); }
  void select(std::vector<int> rows) {
    // One selection change, as a click or a shift-click makes it, the focus on the first line.
    QListWidget* list = page->shipList();
    if (!rows.empty())
      list->selectionModel()->setCurrentIndex(list->model()->index(rows.front(), 0),
                                              QItemSelectionModel::NoUpdate);
    QItemSelection sel;
    for (int r : rows) sel.select(list->model()->index(r, 0), list->model()->index(r, 0));
    list->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  }
  std::vector<QString> errors() { return prompter.texts(ScriptedPrompter::Kind::Error); }
  std::vector<QString> warnings() { return prompter.texts(ScriptedPrompter::Kind::Warning); }

  shell::Vocabulary vocab;
  shell::Settings settings;
  app::MissionDocument doc;
  ScriptedPrompter prompter;
  app::EditorContext context{doc, vocab, settings, prompter, {}};
  std::unique_ptr<app::FlightGroupsPage> page;
};

}  // namespace testing_gui
