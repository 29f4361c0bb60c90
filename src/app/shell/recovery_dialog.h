#pragma once
// "Recover Unsaved Work": the copies of unsaved work left by editors that stopped without
// saving, each with its file, when it was written and what it changes; Restore (the default)
// opens the chosen one, Discard throws one away, Decide Later keeps them all for the next start.
// A copy that cannot be read is listed too and can only be discarded or kept.

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace app {

class RecoveryDialog : public QDialog {
  Q_OBJECT
 public:
  struct Row {
    QString session;  // which copy
    QString file;     // the mission's file, "Unnamed", or the copy's own name when unreadable
    QString when;     // when it was written
    QString what;     // what differs from the file on disk, or why it cannot be read
    bool readable = true;
  };
  // `discard` throws a copy away as soon as the user asks.
  RecoveryDialog(std::vector<Row> rows, std::function<void(const QString& session)> discard,
                 QWidget* parent = nullptr);

  // The copy to restore, after the dialog was accepted.
  QString chosen() const { return chosen_; }
  int rowCount() const;

 private:
  void currentChanged();
  void discardCurrent();
  void restoreCurrent();

  std::vector<Row> rows_;
  std::function<void(const QString&)> discard_;
  QTreeWidget* list_;
  QPushButton* restore_;
  QPushButton* discardButton_;
  QString chosen_;
};

}  // namespace app
