#include "app/shell/keyboard_page.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

#include "app/base/actions.h"
#include "app/base/key_map.h"
#include "app/base/prompter.h"

namespace app {
namespace {

QString plainText(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).remove(QLatin1Char('&'));
}

// The windows' names as the page shows them.
const char* const WindowNames[] = {QT_TRANSLATE_NOOP("app::KeyboardPage", "Main window"),
                                   QT_TRANSLATE_NOOP("app::KeyboardPage", "Map"),
                                   QT_TRANSLATE_NOOP("app::KeyboardPage", "Briefing editor")};

QString windowCaption(const char* window) {
  for (const char* name : WindowNames)
    if (std::strcmp(name, window) == 0)
      return QCoreApplication::translate("app::KeyboardPage", name);
  return QString::fromLatin1(window);
}

// The class whose context translates the window's texts.
const char* contextOf(const KeyedAction& a) {
  if (!*a.group) return "app::MainWindow";
  return std::strcmp(a.group, "MapForm") == 0 ? "app::MapWindow" : "app::BriefingWindow";
}

// Window-wide keys (and those of an action that has none in its table) work in the lists and on
// the canvas too.
bool windowWide(KeyScope s) {
  return s == KeyScope::Window || s == KeyScope::None;
}

}  // namespace

KeyCatcher::KeyCatcher(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
}

bool KeyCatcher::event(QEvent* e) {
  // The window's own keys do not fire while a key is being chosen here.
  if (e->type() == QEvent::ShortcutOverride) {
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) {
      e->accept();
      return true;
    }
  }
  return QLineEdit::event(e);
}

void KeyCatcher::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      QLineEdit::keyPressEvent(e);
      return;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
      // A modifier alone is no key yet.
      e->accept();
      return;
    default:
      break;
  }
  const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                       Qt::AltModifier | Qt::MetaModifier);
  e->accept();
  emit keyCaught(QKeySequence(QKeyCombination(mods, Qt::Key(e->key()))));
}

KeyboardPage::KeyboardPage(shell::KeyBindings bindings, Prompter& prompter, QWidget* parent)
    : QWidget(parent), bindings_(std::move(bindings)), prompter_(&prompter) {
  setObjectName(QStringLiteral("KeyboardTab"));
  QLayout* top = buildSearch();
  buildList();
  QLayout* edit = buildEditRow();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(list_, 1);
  layout->addLayout(edit);
  layout->addWidget(note_);
  connectSignals();
  showCurrent();
}

// The search field with its label.
QLayout* KeyboardPage::buildSearch() {
  auto* searchLabel = new QLabel(tr("&Search:"), this);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("KeySearch"));
  search_->setClearButtonEnabled(true);
  search_->setPlaceholderText(tr("Command or key"));
  searchLabel->setBuddy(search_);

  auto* top = new QHBoxLayout;
  top->addWidget(searchLabel);
  top->addWidget(search_, 1);
  return top;
}

// The commands, under the window they work in.
void KeyboardPage::buildList() {
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("KeyList"));
  list_->setHeaderLabels({tr("Command"), tr("Keys"), tr("Works")});
  list_->setRootIsDecorated(true);
  list_->setUniformRowHeights(true);
  list_->setAccessibleName(tr("Commands and their keys"));
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(true);
  list_->setMinimumHeight(list_->fontMetrics().height() * 16);
  fillList();
  list_->expandAll();
}

void KeyboardPage::fillList() {
  QTreeWidgetItem* group = nullptr;
  const char* window = nullptr;
  for (const KeyedAction& a : windowActions()) {
    if (!window || std::strcmp(window, a.window) != 0) {
      window = a.window;
      group = new QTreeWidgetItem(list_, {windowCaption(a.window)});
      group->setFlags(Qt::ItemIsEnabled);
      group->setFirstColumnSpanned(true);
    }
    auto* item = new QTreeWidgetItem(group);
    item->setData(0, Qt::UserRole, static_cast<int>(rows_.size()));
    rows_.push_back({a, keyName(a.group, a.id), item});
    item->setText(0, plainText(contextOf(a), a.text));
    item->setToolTip(0, plainText(contextOf(a), a.hint));
    const KeyScope s = a.keys.scope;
    item->setText(2, windowWide(s)         ? tr("In the whole window")
                     : s == KeyScope::List ? tr("In a list")
                                           : tr("On the map or preview"));
    showRow(rows_.back());
  }
}

// The field that catches the new keys, its buttons and the note under them.
QLayout* KeyboardPage::buildEditRow() {
  auto* keysLabel = new QLabel(tr("&New keys:"), this);
  catcher_ = new KeyCatcher(this);
  catcher_->setObjectName(QStringLiteral("KeyCatcher"));
  catcher_->setPlaceholderText(tr("Press the keys for the chosen command"));
  catcher_->setAccessibleDescription(
      tr("The next key pressed here becomes the chosen command's key; Tab leaves the field"));
  keysLabel->setBuddy(catcher_);
  clear_ = new QPushButton(tr("&Clear"), this);
  clear_->setObjectName(QStringLiteral("ClearKeysBtn"));
  clear_->setToolTip(tr("The chosen command gets no key"));
  reset_ = new QPushButton(tr("&Reset"), this);
  reset_->setObjectName(QStringLiteral("ResetKeyBtn"));
  reset_->setToolTip(tr("The chosen command gets its own keys back"));
  resetAll_ = new QPushButton(tr("Reset &All"), this);
  resetAll_->setObjectName(QStringLiteral("ResetAllKeysBtn"));
  resetAll_->setToolTip(tr("Every command gets its own keys back"));
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("KeyNote"));
  note_->setWordWrap(true);

  auto* edit = new QHBoxLayout;
  edit->addWidget(keysLabel);
  edit->addWidget(catcher_, 1);
  edit->addWidget(clear_);
  edit->addWidget(reset_);
  edit->addWidget(resetAll_);
  return edit;
}

void KeyboardPage::connectSignals() {
  connect(search_, &QLineEdit::textChanged, this, &KeyboardPage::filter);
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
    note_->clear();
    showCurrent();
  });
  connect(catcher_, &KeyCatcher::keyCaught, this, &KeyboardPage::keyPressed);
  connect(clear_, &QPushButton::clicked, this, &KeyboardPage::clearKeys);
  connect(reset_, &QPushButton::clicked, this, &KeyboardPage::resetRow);
  connect(resetAll_, &QPushButton::clicked, this, &KeyboardPage::resetAll);
}

QList<QKeySequence> KeyboardPage::tableKeys(const Row& row) const {
  return parseKeys(row.action.keys.keys);
}

QList<QKeySequence> KeyboardPage::keysOf(const Row& row) const {
  return keysInForce(bindings_, row.name, row.action.keys.keys);
}

void KeyboardPage::showRow(const Row& row) {
  QString text;
  if (!bindings_.keysOf(row.name.toStdString())) {
    // The table's own keys, "Any+D" as the one key it is.
    QStringList keys;
    for (const std::string& k : shell::splitKeys(row.action.keys.keys)) {
      const QString key = QString::fromStdString(k);
      if (key.startsWith(QLatin1String("Any+")))
        keys << tr("%1 with any modifier")
                    .arg(QKeySequence(key.mid(4), QKeySequence::PortableText)
                             .toString(QKeySequence::NativeText));
      else
        keys << QKeySequence(key, QKeySequence::PortableText).toString(QKeySequence::NativeText);
    }
    text = keys.join(QStringLiteral(", "));
  } else {
    text = shownKeys(keysOf(row));
  }
  row.item->setText(1, text);
  QFont font = row.item->font(1);
  font.setBold(bindings_.changed(row.name.toStdString()));
  row.item->setFont(1, font);
}

KeyboardPage::Row* KeyboardPage::current() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (!item || !item->parent()) return nullptr;
  return &rows_[static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt())];
}

void KeyboardPage::showCurrent() {
  const Row* row = current();
  catcher_->setEnabled(row);
  clear_->setEnabled(row && !keysOf(*row).isEmpty());
  reset_->setEnabled(row && bindings_.changed(row->name.toStdString()));
  catcher_->setText(row ? row->item->text(1) : QString());
}

void KeyboardPage::setKeys(const Row& row, const QList<QKeySequence>& keys) {
  if (keys == tableKeys(row))
    bindings_.reset(row.name.toStdString());
  else
    bindings_.set(row.name.toStdString(), portableTexts(keys));
  showRow(row);
}

const KeyboardPage::Row* KeyboardPage::clashWith(const Row& row, const QKeySequence& key) const {
  for (const Row& other : rows_) {
    if (&other == &row || std::strcmp(other.action.group, row.action.group) != 0) continue;
    const KeyScope a = row.action.keys.scope, b = other.action.keys.scope;
    if (a != b && !windowWide(a) && !windowWide(b)) continue;
    if (keysOf(other).contains(key)) return &other;
  }
  return nullptr;
}

void KeyboardPage::keyPressed(const QKeySequence& key) {
  Row* row = current();
  if (!row) return;
  const QList<QKeySequence> old = keysOf(*row);
  const QString shown = key.toString(QKeySequence::NativeText);
  if (old == QList<QKeySequence>{key}) return;
  if (const Row* other = clashWith(*row, key)) {
    const QString otherText = other->item->text(0), rowText = row->item->text(0);
    note_->setText(tr("%1 is the key of \"%2\".").arg(shown, otherText));
    const auto answer = prompter_->question(
        this,
        tr("%1 is already the key of \"%2\". Give it to \"%3\", and \"%2\" the keys \"%3\" has "
           "now?")
            .arg(shown, otherText, rowText),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
      note_->setText(tr("%1 stays the key of \"%2\".").arg(shown, otherText));
      showCurrent();
      return;
    }
    // The two swap: the other action loses the key and takes the row's old keys.
    QList<QKeySequence> theirs = keysOf(*other);
    theirs.removeAll(key);
    for (const QKeySequence& k : old)
      if (!theirs.contains(k)) theirs << k;
    setKeys(*other, theirs);
    note_->setText(
        tr("%1 is now the key of \"%2\"; \"%3\" took its keys.").arg(shown, rowText, otherText));
  } else {
    note_->clear();
  }
  setKeys(*row, {key});
  showCurrent();
}

void KeyboardPage::clearKeys() {
  if (Row* row = current()) setKeys(*row, {});
  showCurrent();
}

void KeyboardPage::resetRow() {
  if (Row* row = current()) {
    bindings_.reset(row->name.toStdString());
    showRow(*row);
  }
  showCurrent();
}

void KeyboardPage::resetAll() {
  // Lines of actions the editor does not know stay as they are.
  for (const Row& row : rows_) {
    bindings_.reset(row.name.toStdString());
    showRow(row);
  }
  note_->clear();
  showCurrent();
}

void KeyboardPage::filter(const QString& words) {
  const QStringList wanted = words.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int g = 0; g < list_->topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = list_->topLevelItem(g);
    bool any = false;
    for (int i = 0; i < group->childCount(); ++i) {
      QTreeWidgetItem* item = group->child(i);
      const QString text =
          (item->text(0) + QLatin1Char(' ') + item->text(1) + QLatin1Char(' ') + item->toolTip(0))
              .toLower();
      bool shown = true;
      for (const QString& w : wanted) shown = shown && text.contains(w);
      item->setHidden(!shown);
      any = any || shown;
    }
    group->setHidden(!any);
  }
}

}  // namespace app
