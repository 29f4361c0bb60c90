#pragma once
// The handbook inside the editor: its Markdown chapters (built into the program under
// ":/handbook") shown by Qt's text browser with their pictures, a contents list and a search
// field. No web browser, no network. F1 opens it at the section about the window, page or tab
// that has the focus.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>

class QLineEdit;
class QSplitter;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace app {

class HandbookWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HandbookWindow(QWidget* parent = nullptr);

  // Shows `page`, a chapter with an optional section: "map.md#views-and-zoom".
  void open(const QString& page);
  // The chapter and section shown, in the same form.
  QString currentPage() const;
  // Lists the sections whose text holds every word of `words` (all sections when empty).
  void search(const QString& words);
  // Keeps the window's size and place, and its splitter's, in that settings file.
  void rememberIn(std::string iniPath);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void buildViews();
  void layOut(QToolButton* back, QToolButton* forward);
  void connectSignals();
  void fillContents(const QString& words);
  void openItem(QTreeWidgetItem* item);
  void markInContents(const QUrl& shown);

  QLineEdit* searchField_;
  QTreeWidget* contents_;
  QTextBrowser* view_;
  QSplitter* splitter_;
  QString searched_;
  std::string iniPath_;
  bool placed_ = false;
};

// The anchor a heading gets: lower case, blanks as "-", other punctuation left out
// ("Views and zoom" -> "views-and-zoom").
QString handbookAnchor(const QString& heading);

// The handbook's chapter and section about `widget`: that of the nearest of it and its parents
// the handbook has a section for (a tab bar stands for its current page); the contents when none.
QString handbookPageFor(const QWidget* widget);

// Which section is about a window, page or tab: by objectName ("ShipTab"), by the window's and
// the widget's names where a name means different things in two windows
// ("PrefForm/OptionsTab"), or by class name. Values are pages as `HandbookWindow::open` takes.
const QHash<QString, QString>& handbookSections();

// Opens the one handbook window of the run at `page`, above `from`'s window.
HandbookWindow* showHandbook(QWidget* from, const QString& page);
// The settings file the handbook window keeps its place in (set by the main window).
void setHandbookSettings(std::string iniPath);
// A chapter made when it is read (the keyboard reference with the keys in force) instead of the
// built-in file of that name.
void setHandbookChapter(const QString& file, std::function<QString()> make);
// The same at the section about the widget with the keyboard focus.
HandbookWindow* showHandbookForFocus(QWidget* from);

// Gives every window the handbook key: F1, or Ctrl+F1 where the window uses F1 itself (the
// map's X-Y plane). A window whose own table has a handbook action keeps that one.
void installHandbookKey();

}  // namespace app
