#pragma once
// The handbook inside the editor: its Markdown chapters (built into the program under
// ":/handbook") shown by Qt's text browser with their pictures, a contents list and a search
// field. No web browser, no network. F1 opens it at the section about the window, page or tab
// that has the focus.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

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

 private:
  void fillContents(const QString& words);
  void openItem(QTreeWidgetItem* item);

  QLineEdit* searchField_;
  QTreeWidget* contents_;
  QTextBrowser* view_;
  QString searched_;
};

// The anchor a heading gets: lower case, blanks as "-", other punctuation left out
// ("Views and zoom" -> "views-and-zoom").
QString handbookAnchor(const QString& heading);

// The handbook's chapter and section about `widget`: that of the nearest of it and its parents
// the handbook has a section for (a tab bar stands for its current page); the contents when none.
QString handbookPageFor(const QWidget* widget);

// Opens the one handbook window of the run at `page`, above `from`'s window.
HandbookWindow* showHandbook(QWidget* from, const QString& page);
// The same at the section about the widget with the keyboard focus.
HandbookWindow* showHandbookForFocus(QWidget* from);

// Gives every window the handbook key: F1, or Shift+F1 where the window uses F1 itself (the
// map's X-Y plane). A window whose own table has a handbook action keeps that one.
void installHandbookKey();

}  // namespace app
