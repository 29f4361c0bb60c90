// Pictures of the main window, the map and the briefing editor under a dark and under a
// high-contrast desktop theme, for a person to look at: the editor's own colours follow the
// palette, the game's stay. Disabled: run with ZYNED_GRAB_DIR set; ctest never does.
#include <QApplication>
#include <QDialog>
#include <QPalette>
#include <QTabWidget>
#include <QToolButton>

#include "app/map/map_window.h"
#include "editor_fixture.h"

namespace {

using testing_gui::EditorFixture;

QPalette darkPalette() {
  QPalette p;
  const QColor window(45, 45, 48), base(30, 30, 32), text(225, 225, 225);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(60, 60, 64));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
  p.setColor(QPalette::Highlight, QColor(42, 110, 190));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, QColor(80, 80, 84));
  p.setColor(QPalette::Midlight, QColor(70, 70, 74));
  p.setColor(QPalette::Mid, QColor(55, 55, 58));
  p.setColor(QPalette::Dark, QColor(20, 20, 22));
  p.setColor(QPalette::Shadow, Qt::black);
  p.setColor(QPalette::Link, QColor(120, 170, 255));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
  return p;
}

// Black ground, white text, yellow highlight.
QPalette highContrastPalette() {
  QPalette p;
  for (QPalette::ColorRole r :
       {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
        QPalette::ToolTipBase, QPalette::Dark, QPalette::Shadow})
    p.setColor(r, Qt::black);
  for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                QPalette::ToolTipText, QPalette::Light, QPalette::Midlight,
                                QPalette::Mid, QPalette::BrightText, QPalette::PlaceholderText})
    p.setColor(r, Qt::white);
  p.setColor(QPalette::Highlight, Qt::yellow);
  p.setColor(QPalette::HighlightedText, Qt::black);
  p.setColor(QPalette::Link, Qt::yellow);
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 170, 170));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(170, 170, 170));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(170, 170, 170));
  return p;
}

class ThemePictures : public EditorFixture {
 protected:
  void TearDown() override {
    QApplication::setPalette(before_);
    EditorFixture::TearDown();
  }
  void grabAll(const QPalette& palette, const QString& theme) {
    const QString out = QString::fromLocal8Bit(qgetenv("ZYNED_GRAB_DIR"));
    if (out.isEmpty()) GTEST_SKIP() << "set ZYNED_GRAB_DIR to save pictures of the windows";
    QApplication::setPalette(palette);
    const std::string file = writeMission("theme.kre", 14, "Convoy run", [](model::Mission& m) {
      const char* names[] = {"Red", "Convoy Alpha", "Relay Station", "Kestrel"};
      for (int i = 0; i < 4; ++i) {
        m.addFlightGroup();
        model::FlightGroup& g = m.flightGroups.back();
        g.setText(model::fg::Name, names[i]);
        g.set(model::fg::Iff, static_cast<model::u8>(i % 3));
        g.set(model::fg::WaypointX, static_cast<model::i16>(200 * i - 300), 0);
        g.set(model::fg::WaypointY, static_cast<model::i16>(150 * i - 200), 0);
      }
      for (const char* text :
           {"Red Leader: Form up on me.", "Convoy Alpha has entered the sector"}) {
        m.addMessage();
        m.messages.back().setText(model::message::Text, text);
      }
    });
    start();
    window->resize(900, 640);
    ASSERT_TRUE(window->load(QString::fromStdString(file)));
    const auto save = [&](QWidget* w, const QString& name) {
      QApplication::processEvents();
      w->grab().save(out + QLatin1Char('/') + name + QLatin1Char('-') + theme +
                     QStringLiteral(".png"));
    };
    save(window.get(), QStringLiteral("main-window"));
    find<QTabWidget>(QStringLiteral("OverallPages"))->setCurrentIndex(1);
    save(window.get(), QStringLiteral("main-messages"));
    find<QTabWidget>(QStringLiteral("OverallPages"))->setCurrentIndex(0);
    app::MapWindow* map = window->mapWindow();
    map->showMap();
    map->resize(900, 640);
    save(map, QStringLiteral("map"));
    map->hide();
    prompter.onDialog = [&](QDialog& d) {
      d.resize(1000, 700);
      d.show();
      save(&d, QStringLiteral("briefing"));
      if (auto* pages = d.findChild<QTabWidget*>(QStringLiteral("BrfPages"))) {
        pages->setCurrentIndex(1);
        save(&d, QStringLiteral("briefing-instructions"));
      }
      return int(QDialog::Rejected);
    };
    find<QToolButton>(QStringLiteral("BriefBtn"))->click();
  }

 private:
  QPalette before_ = QApplication::palette();
};

TEST_F(ThemePictures, DISABLED_Dark) {
  grabAll(darkPalette(), QStringLiteral("dark"));
}

TEST_F(ThemePictures, DISABLED_HighContrast) {
  grabAll(highContrastPalette(), QStringLiteral("high-contrast"));
}

}  // namespace
