#pragma once
// The "Strings" page: the 32 map tags and the 32 briefing texts of the open briefing, each cell
// stored as it is edited.

#include <QWidget>

class QTableWidget;

namespace app {

class BriefingSession;

class StringsPage : public QWidget {
  Q_OBJECT
 public:
  explicit StringsPage(BriefingSession& session, QWidget* parent = nullptr);
  // The grids from the record.
  void fill();

 private:
  QTableWidget* grid(const char* name, const QString& title, bool tags);

  BriefingSession& session_;
  QTableWidget* tags_ = nullptr;
  QTableWidget* strings_ = nullptr;
};

}  // namespace app
