#include "app/lists/load_by_list_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "lists/text_file.h"
#include "shell/settings_file.h"

namespace app {

LoadByListWindow::LoadByListWindow(const shell::Settings& settings, const QString& lastDirectory,
                                   std::function<bool(const QString&)> load, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), load_(std::move(load)), prompter_(prompter) {
  setObjectName(QStringLiteral("LoadByListWindow"));
  setWindowTitle(tr("Load by .lst"));

  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("ListTabs"));
  for (const lists::LoadTab& tab : lists::loadTabs())
    tabs_->addTab(QString::fromLatin1(tab.caption));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("EntryList"));
  list_->setAccessibleName(tr("Missions"));
  fileLabel_ = new QLabel(QString::fromLatin1(lists::NoFileRow), this);
  fileLabel_->setObjectName(QStringLiteral("FileLabel"));
  fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  directoryBox_ = new QComboBox(this);
  directoryBox_->setObjectName(QStringLiteral("DirectoryBox"));
  directoryBox_->addItems({QStringLiteral("Zyn"), QStringLiteral("Qvn")});
  directoryBox_->setFocusPolicy(Qt::StrongFocus);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(tr("Directory"), this));
  bottom->addWidget(directoryBox_);
  bottom->addSpacing(12);
  bottom->addWidget(fileLabel_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(list_, 1);
  layout->addLayout(bottom);
  layout->addWidget(okCancelButtons(this));

  connect(tabs_, &QTabBar::currentChanged, this, [this] { loadList(); });
  connect(list_, &QListWidget::currentRowChanged, this, [this] { showChoice(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  const bool expansion = shell::expansionInstalled(settings_);
  directoryBox_->setEnabled(expansion);
  const int start = expansion && lastDirectory.toUpper().contains(QLatin1String("QUELVAN")) ? 1 : 0;
  directoryBox_->setCurrentIndex(start);
  chooseDirectory(start);
  // Changes of the box from here on are the user's.
  connect(directoryBox_, &QComboBox::currentIndexChanged, this, &LoadByListWindow::chooseDirectory);
  resize(440, 460);
}

void LoadByListWindow::chooseDirectory(int index) {
  directory_ = index == 1 ? shell::expansionDirectory(settings_) : settings_.gameDirectory;
  loadList();
}

void LoadByListWindow::loadList() {
  const lists::LoadTab& tab =
      lists::loadTabs()[static_cast<std::size_t>(std::max(0, tabs_->currentIndex()))];
  std::vector<std::string> lines;
  std::string error;
  const std::string path = lists::tabListPath(directory_, tab);
  rows_.clear();
  list_->clear();
  if (lists::pathExists(path)) {
    // A list that cannot be read (or is not single-byte text) is said so, not shown empty.
    if (lists::readLines(path, lines, error))
      rows_ = lists::listRows(lines);
    else
      prompter_.error(this, QString::fromStdString(error));
  }
  // A list of comments alone shows no blank rows but says what it holds.
  const bool empty = error.empty() && lists::pathExists(path) && lists::listsNothing(rows_);
  if (empty) rows_.clear();
  for (const lists::ListRow& row : rows_) {
    auto* item = new QListWidgetItem(fromFile(row.text), list_);
    if (row.text.find('[') != std::string::npos) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
  }
  // A tab without a list file says so instead of showing an empty list without a word.
  if (rows_.empty()) {
    const QString file = QString::fromStdString(path);
    auto* item = new QListWidgetItem(!error.empty() ? QString::fromStdString(error)
                                     : empty ? tr("(%1 is empty: it lists no missions)").arg(file)
                                             : tr("(no %1 here)").arg(file),
                                     list_);
    item->setFlags(Qt::NoItemFlags);
  }
  fileLabel_->setText(QString::fromLatin1(lists::NoFileRow));
}

void LoadByListWindow::showChoice() {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
    fileLabel_->setText(QString::fromLatin1(lists::NoFileRow));
    return;
  }
  const std::string& line = rows_[static_cast<std::size_t>(row)].fileLine;
  fileLabel_->setText(fromFile(line == lists::NoFileRow ? line : lists::rowFileName(line)));
}

void LoadByListWindow::accept() {
  hide();
  const int row = list_->currentRow();
  if (row >= 0 && static_cast<std::size_t>(row) < rows_.size() &&
      rows_[static_cast<std::size_t>(row)].fileLine != lists::NoFileRow) {
    const lists::LoadTab& tab = lists::loadTabs()[static_cast<std::size_t>(tabs_->currentIndex())];
    const std::string name = lists::rowFileName(rows_[static_cast<std::size_t>(row)].fileLine);
    std::string tried;
    if (const auto path = lists::findListedMission(settings_, directory_, tab, name, &tried))
      load_(QString::fromStdString(*path));
    else
      prompter_.error(parentWidget(), tr("%1 does not exist!").arg(QString::fromStdString(tried)));
  }
  QDialog::accept();
}

}  // namespace app
