#include "app/base/disk_change_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "model/safe_save.h"

namespace app {

DiskChangeDialog::DiskChangeDialog(Mode mode, const QString& file,
                                   std::function<QStringList()> differences, QWidget* parent)
    : QDialog(parent),
      differences_(std::move(differences)),
      choice_(mode == Mode::BeforeSave ? Choice::Cancel : Choice::KeepMine) {
  setObjectName(QStringLiteral("DiskChangeDialog"));
  setWindowTitle(tr("Mission Changed on Disk"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(
      mode == Mode::BeforeSave
          ? tr("\"%1\" has changed on disk since ZynED last read or wrote it. Saving now "
               "overwrites that change.")
                .arg(file)
          : tr("\"%1\" has changed on disk, and the editor holds changes not saved yet. Reload "
               "drops them (Undo brings them back); Keep Mine leaves the file as it is until the "
               "next save, which asks again.")
                .arg(file),
      this);
  label->setObjectName(QStringLiteral("DiskChangeText"));
  label->setWordWrap(true);
  layout->addWidget(label);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("DifferencesText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->hide();
  layout->addWidget(text_);

  layout->addLayout(buildButtons(mode));
}

// Overwrite / Compare / Cancel before a save, Reload / Compare / Keep Mine after a change on disk.
QLayout* DiskChangeDialog::buildButtons(Mode mode) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  const auto button = [&](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
  };
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  if (mode == Mode::BeforeSave) {
    first = button("OverwriteButton", tr("&Overwrite"));
    connect(first, &QPushButton::clicked, this, [this] {
      choice_ = Choice::Overwrite;
      accept();
    });
  } else {
    first = button("ReloadButton", tr("&Reload"));
    connect(first, &QPushButton::clicked, this, [this] {
      choice_ = Choice::Reload;
      accept();
    });
  }
  connect(button("CompareButton", tr("&Compare")), &QPushButton::clicked, this,
          &DiskChangeDialog::compare);
  if (mode == Mode::BeforeSave) {
    second = button("CancelButton", tr("Cancel"));
    connect(second, &QPushButton::clicked, this, &QDialog::reject);
  } else {
    second = button("KeepMineButton", tr("&Keep Mine"));
    connect(second, &QPushButton::clicked, this, [this] {
      choice_ = Choice::KeepMine;
      accept();
    });
  }
  // Nothing is lost by the safe answer: it is the default.
  second->setDefault(true);
  return row;
}

void DiskChangeDialog::compare() {
  const QStringList lines = differences_ ? differences_() : QStringList();
  text_->setPlainText(lines.isEmpty() ? tr("No differences in the mission's fields.")
                                      : lines.join(QLatin1Char('\n')));
  text_->show();
  resize(std::max(width(), 640), std::max(height(), 360));
}

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

// "Rebel.lst, only on disk: 7" and "Rebel.lst, only here: 8": the lines one side has more often.
QStringList lineDifferences(const PlannedWrite& w) {
  std::vector<std::uint8_t> bytes;
  model::Text error;
  const QString name = QString::fromStdString(std::filesystem::path(w.path).filename().string());
  if (!model::readWholeFile(w.path, bytes, error))
    return {QStringLiteral("%1: %2").arg(name, shownText(error))};
  std::vector<std::string> disk = linesOf(std::string(bytes.begin(), bytes.end()));
  std::vector<std::string> mine = linesOf(w.bytes);
  std::vector<std::string> onlyDisk, onlyMine;
  std::sort(disk.begin(), disk.end());
  std::sort(mine.begin(), mine.end());
  std::set_difference(disk.begin(), disk.end(), mine.begin(), mine.end(),
                      std::back_inserter(onlyDisk));
  std::set_difference(mine.begin(), mine.end(), disk.begin(), disk.end(),
                      std::back_inserter(onlyMine));
  QStringList out;
  for (const std::string& l : onlyDisk)
    out << DiskChangeDialog::tr("%1, only on disk: %2").arg(name, fromFile(l));
  for (const std::string& l : onlyMine)
    out << DiskChangeDialog::tr("%1, only here: %2").arg(name, fromFile(l));
  return out;
}

}  // namespace

bool mayOverwrite(QWidget* parent, Prompter& prompter, const std::vector<PlannedWrite>& writes) {
  std::vector<PlannedWrite> changed;
  for (const PlannedWrite& w : writes)
    if (shell::writtenSince(w.path, w.read)) changed.push_back(w);
  if (changed.empty()) return true;
  QStringList names;
  for (const PlannedWrite& w : changed)
    names << QString::fromStdString(std::filesystem::path(w.path).filename().string());
  DiskChangeDialog dialog(
      DiskChangeDialog::Mode::BeforeSave, names.join(QStringLiteral("\", \"")),
      [changed] {
        QStringList lines;
        for (const PlannedWrite& w : changed) lines << lineDifferences(w);
        return lines;
      },
      parent);
  prompter.exec(dialog);
  return dialog.choice() == DiskChangeDialog::Choice::Overwrite;
}

}  // namespace app
