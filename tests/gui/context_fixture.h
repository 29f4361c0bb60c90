#pragma once
// A document with an editor context of its own, for the tests of pages that take one.

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/base/deferred_page.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "editor_fixture.h"
#include "model/mission.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace testing_gui {

class ContextFixture : public ::testing::Test {
 protected:
  // A new mission of `groups` flight groups and `messages` messages after `edit`, unchanged.
  void load(int groups, int messages, const std::function<void(model::Mission&)>& edit = {}) {
    model::Mission m;
    m.newMission();
    while (static_cast<int>(m.flightGroups.size()) < groups) m.addFlightGroup();
    for (int i = 0; i < messages; ++i) {
      m.addMessage();
      m.messages.back().setText(model::message::Text, "Message " + std::to_string(i + 1));
    }
    if (edit) edit(m);
    doc.replaceMission(std::move(m));
  }
  template <class T>
  T* find(QWidget* root, const char* name) {
    T* w = root->findChild<T*>(QString::fromLatin1(name));
    if (!w) {
      // Pages behind tabs are built when first shown.
      app::DeferredPage::buildAll(root);
      w = root->findChild<T*>(QString::fromLatin1(name));
    }
    EXPECT_NE(w, nullptr) << "no " << name;
    return w;
  }
  void undoAll() {
    while (doc.undoStack()->canUndo()) doc.undoStack()->undo();
  }

  shell::Vocabulary vocab;
  shell::Settings settings;
  app::MissionDocument doc;
  ScriptedPrompter prompter;
  app::EditorContext context{doc, vocab, settings, prompter, std::string()};
};

}  // namespace testing_gui
