#pragma once
// The dependency graph of the "Mission Flow" window, drawn by Graphviz's `dot` when it is
// installed: the editor looks for the program only when the graph is asked for, runs it in the
// background and shows the SVG it returns; the graph can be saved as SVG or PNG. Without `dot`
// the view says how to get it.

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QProcess;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace app {

class FlowGraphPicture;
class Prompter;

class FlowGraphView : public QWidget {
  Q_OBJECT
 public:
  // `dotText` gives the graph in Graphviz's language as the mission stands.
  FlowGraphView(Prompter& prompter, std::function<QByteArray()> dotText, QWidget* parent = nullptr);
  ~FlowGraphView() override;

  // Draws the graph again (when shown; otherwise when next shown).
  void refresh();
  // Where the program is looked up; empty: the PATH. Tests point it at a folder of their own.
  void setSearchPath(QStringList folders) { searchPath_ = std::move(folders); }
  // The SVG of the graph last drawn; empty before.
  const QByteArray& svg() const { return svg_; }
  bool drawing() const;

  // The program's name and the package that brings it.
  static constexpr const char* Program = "dot";

 signals:
  // The graph was drawn (or drawing failed: `ok` false).
  void drawn(bool ok);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void draw();
  void finished();
  void saveSvg();
  void savePng();
  void showMessage(const QString& text);

  Prompter& prompter_;
  std::function<QByteArray()> dotText_;
  QStringList searchPath_;
  QStackedWidget* stack_ = nullptr;
  QLabel* message_ = nullptr;
  QPushButton* retry_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  FlowGraphPicture* picture_ = nullptr;
  QPushButton* saveSvg_ = nullptr;
  QPushButton* savePng_ = nullptr;
  QProcess* process_ = nullptr;
  QByteArray svg_;
  bool stale_ = true;
  bool again_ = false;  // an edit came while dot was drawing
};

}  // namespace app
