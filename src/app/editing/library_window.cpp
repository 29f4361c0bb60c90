#include "app/editing/library_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/base/colour.h"
#include "app/base/coloured_list.h"
#include "app/base/dialog_buttons.h"
#include "app/base/notice_window.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/editing/ship_list.h"
#include "editing/descriptions.h"
#include "shell/paths.h"
#include "shell/vocabulary.h"

namespace app {

namespace {

// How long "... added to the library" stays.
constexpr int AddedNoticeMs = 1500;

QString startFolder(const std::string& editorDirectory) {
  return shell::isDirectory(editorDirectory) ? QString::fromStdString(editorDirectory) : QString();
}

const QString Filter = QStringLiteral("Flight Group Library|*.fgp");

}  // namespace

bool saveLibrary(editing::Library& lib, Prompter& prompter, QWidget* parent,
                 const std::string& editorDirectory, bool askForName) {
  std::string path = lib.fileName();
  if (askForName || !lib.named() || !QFileInfo::exists(QString::fromStdString(path))) {
    const QString chosen =
        prompter.saveFileName(parent, QDialog::tr("Save FG Library"), startFolder(editorDirectory),
                              dialogFilter(Filter), QString::fromLatin1(editing::LibraryExtension));
    if (chosen.isEmpty()) return false;
    path = chosen.toStdString();
  }
  const model::Text error = lib.save(path);
  if (!error.empty()) {
    prompter.error(parent, shownText(error));
    return false;
  }
  return true;
}

void addToLibrary(editing::Library& lib, const model::Mission& m, const std::vector<int>& groups,
                  QWidget* window) {
  if (groups.empty()) return;
  lib.add(m, groups);
  NoticeWindow::show(window,
                     groups.size() == 1
                         ? QDialog::tr("1 flight group added to the library")
                         : QDialog::tr("%1 flight groups added to the library").arg(groups.size()),
                     AddedNoticeMs);
}

bool offerToSaveLibrary(editing::Library& lib, Prompter& prompter, QWidget* parent,
                        const std::string& editorDirectory) {
  if (!lib.changed()) return true;
  const auto answer =
      prompter.question(parent, QDialog::tr("FG Library file has been changed. Save it?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  return saveLibrary(lib, prompter, parent, editorDirectory, false);
}

LibraryWindow::LibraryWindow(editing::Library& library, LibraryMissionAccess mission,
                             const shell::Vocabulary& vocab, Prompter& prompter,
                             std::string editorDirectory, QWidget* parent)
    : QDialog(parent),
      lib_(library),
      mission_(std::move(mission)),
      vocab_(vocab),
      prompter_(prompter),
      editorDirectory_(std::move(editorDirectory)) {
  setObjectName(QStringLiteral("LibForm"));
  auto* top = new QVBoxLayout(this);
  buildList(top);
  buildButtons(top);
  fill({0});
  resize(760, 360);
}

void LibraryWindow::buildList(QVBoxLayout* top) {
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("LibShipList"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setItemDelegate(new ColouredListDelegate(list_));
  // Lines flow down and on into a second column, as many as the window's width shows.
  list_->setFlow(QListView::TopToBottom);
  list_->setWrapping(true);
  list_->setResizeMode(QListView::Adjust);
  list_->setFont(ShipList::listFont());
  QPalette p = list_->palette();
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Text, Qt::white);
  p.setColor(QPalette::Highlight, QColor(72, 72, 72));
  p.setColor(QPalette::HighlightedText, Qt::white);
  list_->setPalette(p);
  list_->setMinimumSize(560, 220);
  top->addWidget(list_, 1);
}

// The edit row over the file row, each button connected to what it does.
void LibraryWindow::buildButtons(QVBoxLayout* top) {
  auto button = [this](QLayout* row, const char* name, const QString& text, const QString& tip,
                       void (LibraryWindow::*run)()) {
    QPushButton* b = pushButton(this, name, text, tip);
    row->addWidget(b);
    connect(b, &QPushButton::clicked, this, run);
  };
  // The editing row first: Tab reaches it before the files row below it.
  auto* edits = new QHBoxLayout;
  button(edits, "GrabFGBut", tr("From Mission"), tr("Save selected FGs in Mission to Library"),
         &LibraryWindow::grabFromMission);
  button(edits, "AddBut", tr("To Mission"), tr("Add Library selections to Mission"),
         &LibraryWindow::addToMission);
  edits->addSpacing(12);
  button(edits, "LibUpBut", tr("Up"), tr("Move the Library FG up"), &LibraryWindow::moveUp);
  button(edits, "LibDownBut", tr("Down"), tr("Move the Library FG down"), &LibraryWindow::moveDown);
  button(edits, "DeleteLibFGBut", tr("Delete"), tr("Delete current Library FG"),
         &LibraryWindow::deleteEntry);
  edits->addStretch(1);
  auto* files = new QHBoxLayout;
  button(files, "NewLibBut", tr("New"), tr("New FG Library"), &LibraryWindow::newLibrary);
  button(files, "LoadLibBut", tr("Load..."), tr("Load FG Library"), &LibraryWindow::loadLibrary);
  button(files, "SaveLibBut", tr("Save"), tr("Save FG Library"), &LibraryWindow::save);
  button(files, "SaveAsLibBut", tr("Save As..."), tr("Save As FG Library"), &LibraryWindow::saveAs);
  files->addStretch(1);
  button(files, "CloseBtn", tr("&Close"), tr("Close the library"), &QDialog::accept);
  top->addLayout(edits);
  top->addLayout(files);
}

void LibraryWindow::newLibrary() {
  if (!offerToSaveLibrary(lib_, prompter_, this, editorDirectory_)) return;
  lib_.clear();
  fill({});
}

void LibraryWindow::loadLibrary() {
  if (!offerToSaveLibrary(lib_, prompter_, this, editorDirectory_)) return;
  const QString path = prompter_.openFileName(
      this, tr("Load FG Library"), startFolder(editorDirectory_), dialogFilter(Filter), {});
  if (path.isEmpty()) return;
  const editing::LibraryLoad r = lib_.load(path.toStdString());
  if (!r.ok()) {
    prompter_.error(this, shownText(r.error));
    return;
  }
  fill({0});
  if (r.trailingBytes != 0)
    prompter_.warning(this, shownText(editing::trailingBytesText(lib_.size(), r.trailingBytes)));
}

void LibraryWindow::save() {
  saveLibrary(lib_, prompter_, this, editorDirectory_, false);
  fill(selectedRows());
}

void LibraryWindow::saveAs() {
  saveLibrary(lib_, prompter_, this, editorDirectory_, true);
  fill(selectedRows());
}

void LibraryWindow::grabFromMission() {
  const std::size_t before = lib_.size();
  lib_.add(*mission_.mission, mission_.selectedFlightGroups());
  std::vector<int> added;
  for (std::size_t i = before; i < lib_.size(); ++i) added.push_back(static_cast<int>(i));
  fill(added);
}

void LibraryWindow::addToMission() {
  std::vector<model::FlightGroup> groups;
  for (int r : selectedRows())
    groups.push_back(
        editing::flightGroupFromLibrary(lib_, static_cast<std::size_t>(r), mission_.autoLink));
  if (!groups.empty()) mission_.addFlightGroups(std::move(groups));
}

void LibraryWindow::moveUp() {
  if (focusedRow() < 0) return;
  fill({static_cast<int>(lib_.moveUp(static_cast<std::size_t>(focusedRow())))});
}

void LibraryWindow::moveDown() {
  if (focusedRow() < 0) return;
  fill({static_cast<int>(lib_.moveDown(static_cast<std::size_t>(focusedRow())))});
}

void LibraryWindow::deleteEntry() {
  if (lib_.empty() || focusedRow() < 0) return;
  if (mission_.confirmDeletes &&
      prompter_.question(this, tr("Delete Current Library Entry - Are You Sure?"),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  fill({lib_.remove(static_cast<std::size_t>(focusedRow()))});
}

void LibraryWindow::fill(const std::vector<int>& select) {
  setWindowTitle(shownText(lib_.captionText()));
  list_->setAccessibleName(windowTitle());
  const std::vector<std::string> lines = editing::libraryLines(lib_, vocab_);
  list_->clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(fromFile(lines[i]), list_);
    const model::Rgb c = editing::listColour(lib_.entries()[i]);
    item->setForeground(toQColor(c));
  }
  for (int r : select)
    if (r >= 0 && r < list_->count()) list_->item(r)->setSelected(true);
  if (!select.empty() && select.front() >= 0 && select.front() < list_->count())
    list_->setCurrentRow(select.front(), QItemSelectionModel::Current);
}

std::vector<int> LibraryWindow::selectedRows() const {
  std::vector<int> rows;
  for (int r = 0; r < list_->count(); ++r)
    if (list_->item(r)->isSelected()) rows.push_back(r);
  return rows;
}

int LibraryWindow::focusedRow() const {
  return list_->currentRow();
}

}  // namespace app
