#include "app/base/handbook_window.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

#include "app/base/window_memory.h"

namespace app {
namespace {

const QString HandbookRoot = QStringLiteral("qrc:/handbook/");

}  // namespace

const QHash<QString, QString>& handbookSections() {
  static const QHash<QString, QString> sections = {
      {QStringLiteral("MainWindow"), QStringLiteral("main-window.md")},
      {QStringLiteral("FlightGroupsPage"), QStringLiteral("main-window.md#flight-groups")},
      {QStringLiteral("ShipTab"), QStringLiteral("main-window.md#ship")},
      {QStringLiteral("ShipPage"), QStringLiteral("main-window.md#ship")},
      {QStringLiteral("OptionsTab"), QStringLiteral("main-window.md#options")},
      {QStringLiteral("ArrivalTab"), QStringLiteral("main-window.md#arrival")},
      {QStringLiteral("DepartureTab"), QStringLiteral("main-window.md#departure")},
      {QStringLiteral("GoalsTab"), QStringLiteral("main-window.md#fg-goals")},
      {QStringLiteral("OrdersTab"), QStringLiteral("main-window.md#orders")},
      {QStringLiteral("WPsTab"), QStringLiteral("main-window.md#wps")},
      {QStringLiteral("OtherTab"), QStringLiteral("main-window.md#other")},
      {QStringLiteral("MessagesPage"), QStringLiteral("main-window.md#messages")},
      {QStringLiteral("WavManagerGroup"),
       QStringLiteral("battles-sounds-models.md#message-sounds")},
      {QStringLiteral("GlobalGoalsPage"), QStringLiteral("main-window.md#global-goals")},
      {QStringLiteral("DescriptionPage"), QStringLiteral("main-window.md#description")},
      {QStringLiteral("DebriefingsPage"), QStringLiteral("main-window.md#debriefings")},
      {QStringLiteral("TeamsPage"), QStringLiteral("main-window.md#teams")},
      {QStringLiteral("MapForm"), QStringLiteral("map.md")},
      {QStringLiteral("BrfForm"), QStringLiteral("briefing.md")},
      {QStringLiteral("PreviewPage"), QStringLiteral("briefing.md#preview")},
      {QStringLiteral("InstructionsPage"), QStringLiteral("briefing.md#instructions")},
      {QStringLiteral("StringsPage"), QStringLiteral("briefing.md#strings-and-tags")},
      {QStringLiteral("AccessoriesPage"), QStringLiteral("briefing.md#accessories")},
      {QStringLiteral("LstFilesWindow"), QStringLiteral("mission-lists.md#edit-lst-files")},
      {QStringLiteral("LoadByListWindow"), QStringLiteral("mission-lists.md#load-by-list")},
      {QStringLiteral("BattleManager"),
       QStringLiteral("battles-sounds-models.md#battles-and-campaigns")},
      {QStringLiteral("OptFileManager"),
       QStringLiteral("battles-sounds-models.md#craft-model-slots")},
      {QStringLiteral("LibForm"), QStringLiteral("library-clipboards.md#the-library")},
      {QStringLiteral("ErrorListWindow"), QStringLiteral("error-check.md")},
      {QStringLiteral("MissionFlowWindow"), QStringLiteral("mission-flow.md")},
      {QStringLiteral("FlowGraphView"), QStringLiteral("mission-flow.md#the-graph")},
      {QStringLiteral("FlowFindings"), QStringLiteral("mission-flow.md#findings")},
      {QStringLiteral("UsagesWindow"), QStringLiteral("mission-flow.md#where-is-it-used")},
      {QStringLiteral("PrefForm"), QStringLiteral("getting-started.md#the-options")},
      {QStringLiteral("PrefForm/OptionsTab"), QStringLiteral("getting-started.md#the-options")},
      {QStringLiteral("PrefForm/DirectoriesTab"), QStringLiteral("getting-started.md#the-folders")},
      {QStringLiteral("StartUp"), QStringLiteral("getting-started.md#starting")},
      {QStringLiteral("WizardForm"), QStringLiteral("map.md#the-new-mission-wizard")},
      {QStringLiteral("PaintBox1"), QStringLiteral("map.md#the-new-mission-wizard")},
      {QStringLiteral("MapWPForm"), QStringLiteral("map.md#waypoints")},
      {QStringLiteral("ClipForm"),
       QStringLiteral("library-clipboards.md#the-order-and-condition-clipboards")},
      {QStringLiteral("UnksForm"), QStringLiteral("library-clipboards.md#unknown-bytes")},
      {QStringLiteral("WaveCatalogueWindow"),
       QStringLiteral("battles-sounds-models.md#message-sounds")},
  };
  return sections;
}

namespace {

QHash<QString, std::function<QString()>>& chapterMakers() {
  static QHash<QString, std::function<QString()>> makers;
  return makers;
}

QString readChapter(const QString& file) {
  if (const auto maker = chapterMakers().constFind(file); maker != chapterMakers().constEnd())
    return (*maker)();
  QFile f(QStringLiteral(":/handbook/") + file);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The chapters in the order of the contents page: the files its list links to (links in the
// introduction above the list do not count).
QStringList chapterFiles() {
  static const QRegularExpression link(QStringLiteral(R"(\]\(([a-z0-9-]+\.md)\))"));
  const QString index = readChapter(QStringLiteral("index.md"));
  const qsizetype list = index.indexOf(QLatin1String("\n## Contents"));
  QStringList files;
  for (const auto& m : link.globalMatch(index, list < 0 ? 0 : list))
    if (!files.contains(m.captured(1))) files << m.captured(1);
  return files;
}

// The chapters' titles in the language of the editor (the chapters themselves are English).
const char* const ChapterTitles[] = {
    QT_TRANSLATE_NOOP("Handbook", "ZynED handbook"),
    QT_TRANSLATE_NOOP("Handbook", "Getting started"),
    QT_TRANSLATE_NOOP("Handbook", "The main window"),
    QT_TRANSLATE_NOOP("Handbook", "The map"),
    QT_TRANSLATE_NOOP("Handbook", "The briefing editor"),
    QT_TRANSLATE_NOOP("Handbook", "The error check"),
    QT_TRANSLATE_NOOP("Handbook", "Mission flow"),
    QT_TRANSLATE_NOOP("Handbook", "The flight-group library and the clipboards"),
    QT_TRANSLATE_NOOP("Handbook", "The game's mission lists"),
    QT_TRANSLATE_NOOP("Handbook", "Battles, sounds and model slots"),
    QT_TRANSLATE_NOOP("Handbook", "Missions as text, with git"),
    QT_TRANSLATE_NOOP("Handbook", "The command line"),
    QT_TRANSLATE_NOOP("Handbook", "Keyboard reference"),
};

QString chapterTitle(const QString& heading) {
  for (const char* t : ChapterTitles)
    if (heading == QLatin1String(t)) return QCoreApplication::translate("Handbook", t);
  return heading;
}

struct HandbookSection {
  QString heading;
  QString anchor;  // empty for the chapter's title
  QString text;
};

// A chapter cut at its "#" and "##" headings.
std::vector<HandbookSection> sectionsOf(const QString& chapter) {
  std::vector<HandbookSection> out;
  for (const QString& line : chapter.split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("# "))) {
      out.push_back({line.mid(2).trimmed(), QString(), QString()});
    } else if (line.startsWith(QLatin1String("## ")) || line.startsWith(QLatin1String("### "))) {
      const QString heading = line.mid(line.indexOf(QLatin1Char(' ')) + 1).trimmed();
      out.push_back({heading, handbookAnchor(heading), QString()});
    } else if (!out.empty()) {
      out.back().text += line + QLatin1Char('\n');
    }
  }
  return out;
}

// The text browser, with anchors at the headings of Markdown chapters (Qt's reader makes none)
// so that "chapter.md#section" links land on their section, however the chapter was reached
// (a link, the contents, Back and Forward).
class HandbookBrowser : public QTextBrowser {
 public:
  explicit HandbookBrowser(QWidget* parent) : QTextBrowser(parent) {
    connect(this, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
      // The browser reads a chapter again even for a section of the one shown.
      if (!anchored()) anchorHeadings();
      // A visible browser lays a new text out bit by bit: all of it first, or the scroll bar
      // stops short of a section far down.
      document()->documentLayout()->blockBoundingRect(document()->lastBlock());
      if (url.hasFragment()) scrollToAnchor(url.fragment());
    });
  }

 protected:
  // Pictures wider than the page are shown at its width (sharp on a high-density screen).
  QVariant loadResource(int type, const QUrl& name) override {
    const QString file = name.path().section(QLatin1Char('/'), -1);
    if (type != QTextDocument::ImageResource && chapterMakers().contains(file))
      return readChapter(file);
    QVariant data = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::ImageResource) return data;
    QImage image = data.value<QImage>();
    if (image.isNull()) image.loadFromData(data.toByteArray());
    const int room = viewport()->width() - 2 * int(document()->documentMargin()) - 8;
    if (image.isNull() || room < 200 || image.width() <= room) return data;
    const qreal ratio = devicePixelRatioF();
    image = image.scaledToWidth(int(room * ratio), Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
  }

 private:
  static bool isHeading(const QTextBlock& b) { return b.blockFormat().headingLevel() > 0; }

  bool anchored() const {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
      if (isHeading(b)) return b.begin() != b.end() && b.begin().fragment().charFormat().isAnchor();
    return true;
  }

  void anchorHeadings() {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      if (!isHeading(b)) continue;
      QTextCursor c(b);
      c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      QTextCharFormat f;
      f.setAnchor(true);
      f.setAnchorNames({handbookAnchor(b.text())});
      c.mergeCharFormat(f);
    }
    document()->setModified(false);
  }
};

// A history button, disabled until there is somewhere to go.
QToolButton* historyButton(const char* name, QStyle::StandardPixmap icon, const QString& tip,
                           QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolTip(tip);
  button->setEnabled(false);
  return button;
}

}  // namespace

QString handbookAnchor(const QString& heading) {
  QString out;
  for (const QChar c : heading.toLower()) {
    if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
      out += c;
    else if (c == QLatin1Char(' '))
      out += QLatin1Char('-');
  }
  return out;
}

HandbookWindow::HandbookWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HandbookWindow"));
  setWindowTitle(tr("ZynED Handbook"));
  auto* back = historyButton("HandbookBack", QStyle::SP_ArrowBack, tr("Back (Alt+Left)"), this);
  auto* forward =
      historyButton("HandbookForward", QStyle::SP_ArrowForward, tr("Forward (Alt+Right)"), this);
  buildViews();
  layOut(back, forward);

  connect(back, &QToolButton::clicked, view_, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, view_, &QTextBrowser::forward);
  connect(view_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(view_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
  connectSignals();
  fillContents({});
  resize(920, 680);
}

// The search field, the contents and the page shown.
void HandbookWindow::buildViews() {
  searchField_ = new QLineEdit(this);
  searchField_->setObjectName(QStringLiteral("HandbookSearch"));
  searchField_->setAccessibleName(tr("Search the handbook"));
  searchField_->setPlaceholderText(tr("Search the handbook"));
  searchField_->setClearButtonEnabled(true);
  contents_ = new QTreeWidget(this);
  contents_->setObjectName(QStringLiteral("HandbookContents"));
  contents_->setAccessibleName(tr("Contents"));
  contents_->setHeaderHidden(true);
  view_ = new HandbookBrowser(this);
  view_->setObjectName(QStringLiteral("HandbookView"));
  view_->setAccessibleName(tr("Handbook page"));
  view_->setOpenLinks(false);
  view_->document()->setDocumentMargin(12);
}

// The history buttons and the search field above the contents, beside the page.
void HandbookWindow::layOut(QToolButton* back, QToolButton* forward) {
  auto* side = new QWidget(this);
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QHBoxLayout;
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addWidget(searchField_, 1);
  sideLayout->addLayout(bar);
  sideLayout->addWidget(contents_);
  splitter_ = new QSplitter(this);
  splitter_->setObjectName(QStringLiteral("HandbookSplitter"));
  splitter_->addWidget(side);
  splitter_->addWidget(view_);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({240, 660});
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(splitter_);
}

void HandbookWindow::connectSignals() {
  connect(view_, &QTextBrowser::sourceChanged, this, &HandbookWindow::markInContents);
  connect(searchField_, &QLineEdit::textChanged, this, &HandbookWindow::search);
  // Enter in the search field opens the first section found.
  connect(searchField_, &QLineEdit::returnPressed, this, [this] {
    QTreeWidgetItem* first = contents_->topLevelItem(0);
    if (first && first->childCount() > 0) first = first->child(0);
    openItem(first);
  });
  connect(contents_, &QTreeWidget::itemActivated, this, &HandbookWindow::openItem);
  connect(contents_, &QTreeWidget::itemClicked, this, &HandbookWindow::openItem);
  connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String("qrc") || url.isRelative())
      view_->setSource(view_->source().resolved(url));
    else
      QDesktopServices::openUrl(url);
  });
}

void HandbookWindow::open(const QString& page) {
  view_->setSource(QUrl(HandbookRoot + page));
}

void HandbookWindow::rememberIn(std::string iniPath) {
  iniPath_ = std::move(iniPath);
}

void HandbookWindow::showEvent(QShowEvent* e) {
  if (!placed_) {
    placed_ = true;
    WindowMemory(iniPath_).place(this, 0, {splitter_});
  }
  QWidget::showEvent(e);
}

void HandbookWindow::hideEvent(QHideEvent* e) {
  if (!iniPath_.empty()) WindowMemory(iniPath_).remember(this, {splitter_});
  QWidget::hideEvent(e);
}

// The contents list marks the chapter and section shown, the chapter opened out. (The
// browser tells of a new page before its source() returns it.)
void HandbookWindow::markInContents(const QUrl& shown) {
  const QString url = shown.toString();
  const QString page = url.startsWith(HandbookRoot) ? url.mid(HandbookRoot.size()) : url;
  const QString chapter = page.section(QLatin1Char('#'), 0, 0);
  QTreeWidgetItem* mark = nullptr;
  for (int i = 0; i < contents_->topLevelItemCount() && !mark; ++i) {
    QTreeWidgetItem* top = contents_->topLevelItem(i);
    if (top->data(0, Qt::UserRole).toString() != chapter) continue;
    mark = top;
    for (int k = 0; k < top->childCount(); ++k)
      if (top->child(k)->data(0, Qt::UserRole).toString() == page) mark = top->child(k);
  }
  if (!mark) return;
  if (mark->parent())
    mark->parent()->setExpanded(true);
  else
    mark->setExpanded(true);
  contents_->setCurrentItem(mark);
  contents_->scrollToItem(mark);
}

QString HandbookWindow::currentPage() const {
  const QString source = view_->source().toString();
  return source.startsWith(HandbookRoot) ? source.mid(HandbookRoot.size()) : source;
}

void HandbookWindow::search(const QString& words) {
  if (searchField_->text() != words) searchField_->setText(words);
  searched_ = words.simplified();
  fillContents(searched_);
}

void HandbookWindow::fillContents(const QString& words) {
  contents_->clear();
  const QStringList wanted = words.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const auto matches = [&](const HandbookSection& s) {
    const QString text = (s.heading + QLatin1Char(' ') + s.text).toLower();
    for (const QString& w : wanted)
      if (!text.contains(w)) return false;
    return true;
  };
  for (const QString& file : chapterFiles()) {
    const auto sections = sectionsOf(readChapter(file));
    if (sections.empty()) continue;
    const QString title = chapterTitle(sections.front().heading);
    auto* chapter = new QTreeWidgetItem(contents_, {title});
    chapter->setData(0, Qt::UserRole, file);
    chapter->setToolTip(0, title);
    QFont bold = chapter->font(0);
    bold.setBold(true);
    chapter->setFont(0, bold);
    bool any = wanted.isEmpty() || matches(sections.front());
    for (std::size_t i = 1; i < sections.size(); ++i) {
      if (!wanted.isEmpty() && !matches(sections[i])) continue;
      auto* item = new QTreeWidgetItem(chapter, {sections[i].heading});
      item->setData(0, Qt::UserRole, file + QLatin1Char('#') + sections[i].anchor);
      any = true;
    }
    if (!any) delete chapter;
  }
  if (!wanted.isEmpty()) contents_->expandAll();
  markInContents(view_->source());
}

void HandbookWindow::openItem(QTreeWidgetItem* item) {
  if (!item) return;
  open(item->data(0, Qt::UserRole).toString());
  // A search marks the first place of its first word in the section shown.
  const QStringList words = searched_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (!words.isEmpty()) view_->find(words.front());
}

QString handbookPageFor(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (const auto* bar = qobject_cast<const QTabBar*>(w))
      if (const auto* tabs = qobject_cast<const QTabWidget*>(bar->parentWidget()))
        if (tabs->currentWidget()) return handbookPageFor(tabs->currentWidget());
    // By the window's and the widget's names, the widget's, else its class (the briefing
    // editor's pages have no name).
    const QString name = w->objectName();
    const QStringList keys = {
        w->window()->objectName() + QLatin1Char('/') + name, name,
        QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1)};
    for (const QString& key : keys)
      if (auto found = handbookSections().constFind(key); found != handbookSections().constEnd())
        return *found;
  }
  return QStringLiteral("index.md");
}

namespace {
std::string& handbookSettings() {
  static std::string iniPath;
  return iniPath;
}
}  // namespace

void setHandbookChapter(const QString& file, std::function<QString()> make) {
  chapterMakers().insert(file, std::move(make));
}

void setHandbookSettings(std::string iniPath) {
  handbookSettings() = std::move(iniPath);
}

HandbookWindow* showHandbook(QWidget* from, const QString& page) {
  static QPointer<HandbookWindow> window;
  // Above a modal window the handbook must be its child, or the modal window would block it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner && from) owner = from->window();
  if (!window) {
    window = new HandbookWindow(owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->rememberIn(handbookSettings());
  } else if (window->parentWidget() != owner) {
    window->setParent(owner, Qt::Window);
  }
  // Shown first: the section is scrolled to with the window's own width.
  window->show();
  window->open(page);
  window->raise();
  window->activateWindow();
  return window;
}

HandbookWindow* showHandbookForFocus(QWidget* from) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus || (from && focus->window() != from->window())) focus = from;
  return showHandbook(from, handbookPageFor(focus));
}

namespace {

class HandbookKeyInstaller : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      // Windows and dialogs only: a pop-up menu or tool tip is a window too, and an action
      // added to a menu shows as an item of it (and makes the key ambiguous in its window).
      auto* w = qobject_cast<QWidget*>(watched);
      const Qt::WindowType type = w ? w->windowType() : Qt::Widget;
      const bool window = type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
      if (window && !qobject_cast<HandbookWindow*>(w)) addKey(w);
    }
    return false;
  }

 private:
  static void addKey(QWidget* window) {
    QList<QKeySequence> taken;
    for (QAction* a : window->findChildren<QAction*>()) {
      if (a->objectName() == QLatin1String("HandbookAction") ||
          a->objectName() == QLatin1String("HandbookKeyAction"))
        return;
      taken << a->shortcuts();
    }
    // F1, or Ctrl+F1 where the window's own commands take F1 (the map's planes).
    QKeySequence handbook(Qt::Key_F1);
    if (taken.contains(handbook)) handbook = QKeySequence(Qt::CTRL | Qt::Key_F1);
    if (taken.contains(handbook)) return;
    auto* key = new QAction(window);
    key->setObjectName(QStringLiteral("HandbookKeyAction"));
    key->setShortcut(handbook);
    key->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(key, &QAction::triggered, window, [window] { showHandbookForFocus(window); });
    window->addAction(key);
  }
};

}  // namespace

void installHandbookKey() {
  static HandbookKeyInstaller* installer = nullptr;
  if (installer) return;
  installer = new HandbookKeyInstaller(qApp);
  qApp->installEventFilter(installer);
}

}  // namespace app
