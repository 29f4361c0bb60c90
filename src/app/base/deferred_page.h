#pragma once
// A page behind a tab that is built the first time it is shown (or asked for), so that what the
// first paint of a window does not show costs nothing at start-up. The frame stands in the tab
// from the start under the name the page is known by; what it builds fills it edge to edge.

#include <QWidget>

class QTabWidget;

#include <functional>
#include <vector>

namespace app {

class DeferredPage : public QWidget {
  Q_OBJECT
 public:
  // Makes what the page shows, as a child of the frame it is given.
  using Build = std::function<QWidget*(QWidget* frame)>;

  DeferredPage(const QString& objectName, Build build, QWidget* parent = nullptr);

  // Replaces what builds the page; only before it is built.
  void setBuild(Build build) { build_ = std::move(build); }
  // Builds the page now unless it is built; returns what the build made.
  QWidget* page();
  bool built() const { return page_ != nullptr; }
  // Runs `fn` with the page once it is built (at once when it is).
  void whenBuilt(std::function<void(QWidget* page)> fn);

  // Builds every deferred page inside `root`, and the ones those pages hold.
  static void buildAll(QWidget* root);
  // Builds a deferred page of `tabs` when its tab is chosen, before the tab widget's other
  // listeners hear of it (even while the tab widget is hidden). Call before connecting those.
  static void buildWhenChosen(QTabWidget* tabs);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Build build_;
  std::vector<std::function<void(QWidget*)>> afterBuild_;
  QWidget* page_ = nullptr;
  bool building_ = false;
};

}  // namespace app
