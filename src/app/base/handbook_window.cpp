#include "app/base/handbook_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace app {
namespace {

const QString HandbookRoot = QStringLiteral("qrc:/handbook/");

// Which section of the handbook is about a window, page or tab, by its objectName.
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
      {QStringLiteral("PrefForm"), QStringLiteral("getting-started.md#the-folders")},
      {QStringLiteral("StartUp"), QStringLiteral("getting-started.md#starting")},
  };
  return sections;
}

QString readChapter(const QString& file) {
  QFile f(QStringLiteral(":/handbook/") + file);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The chapters in the order of the contents page: the files its list links to.
QStringList chapterFiles() {
  static const QRegularExpression link(QStringLiteral(R"(\]\(([a-z0-9-]+\.md)\))"));
  QStringList files;
  for (const auto& m : link.globalMatch(readChapter(QStringLiteral("index.md"))))
    if (!files.contains(m.captured(1))) files << m.captured(1);
  return files;
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
// so that "chapter.md#section" links land on their section.
class HandbookBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

 protected:
  void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override {
    QUrl page = url;
    page.setFragment(QString());
    const bool sameChapter = page == loaded_;
    if (!sameChapter) {
      QTextBrowser::doSetSource(page, type);
      loaded_ = page;
      anchorHeadings();
    }
    if (url.hasFragment())
      scrollToAnchor(url.fragment());
    else if (!sameChapter)
      verticalScrollBar()->setValue(0);
  }

 private:
  void anchorHeadings() {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      if (b.blockFormat().headingLevel() == 0) continue;
      QTextCursor c(b);
      c.select(QTextCursor::BlockUnderCursor);
      QTextCharFormat f;
      f.setAnchor(true);
      f.setAnchorNames({handbookAnchor(b.text())});
      c.mergeCharFormat(f);
    }
    document()->setModified(false);
  }

  QUrl loaded_;
};

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
  searchField_ = new QLineEdit(this);
  searchField_->setObjectName(QStringLiteral("HandbookSearch"));
  searchField_->setPlaceholderText(tr("Search the handbook"));
  searchField_->setClearButtonEnabled(true);
  contents_ = new QTreeWidget(this);
  contents_->setObjectName(QStringLiteral("HandbookContents"));
  contents_->setHeaderHidden(true);
  view_ = new HandbookBrowser(this);
  view_->setObjectName(QStringLiteral("HandbookView"));
  view_->setOpenLinks(false);

  auto* side = new QWidget(this);
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->addWidget(searchField_);
  sideLayout->addWidget(contents_);
  auto* splitter = new QSplitter(this);
  splitter->setObjectName(QStringLiteral("HandbookSplitter"));
  splitter->addWidget(side);
  splitter->addWidget(view_);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(splitter);

  connect(searchField_, &QLineEdit::textChanged, this, &HandbookWindow::search);
  connect(contents_, &QTreeWidget::itemActivated, this, &HandbookWindow::openItem);
  connect(contents_, &QTreeWidget::itemClicked, this, &HandbookWindow::openItem);
  connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String("qrc") || url.isRelative())
      view_->setSource(view_->source().resolved(url));
    else
      QDesktopServices::openUrl(url);
  });
  fillContents({});
  resize(900, 640);
}

void HandbookWindow::open(const QString& page) {
  view_->setSource(QUrl(HandbookRoot + page));
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
    auto* chapter = new QTreeWidgetItem(contents_, {sections.front().heading});
    chapter->setData(0, Qt::UserRole, file);
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
    // By the objectName, else by the class (the briefing editor's pages have no name).
    auto found = handbookSections().constFind(w->objectName());
    if (found == handbookSections().constEnd())
      found = handbookSections().constFind(
          QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1));
    if (found != handbookSections().constEnd()) return *found;
  }
  return QStringLiteral("index.md");
}

HandbookWindow* showHandbook(QWidget* from, const QString& page) {
  static QPointer<HandbookWindow> window;
  // Above a modal window the handbook must be its child, or the modal window would block it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner && from) owner = from->window();
  if (!window) {
    window = new HandbookWindow(owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
  } else if (window->parentWidget() != owner) {
    window->setParent(owner, Qt::Window);
  }
  window->open(page);
  window->show();
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
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() && !qobject_cast<HandbookWindow*>(w)) addKey(w);
    }
    return false;
  }

 private:
  static void addKey(QWidget* window) {
    bool usesF1 = false;
    for (QAction* a : window->findChildren<QAction*>()) {
      if (a->objectName() == QLatin1String("HandbookAction") ||
          a->objectName() == QLatin1String("HandbookKeyAction"))
        return;
      if (a->shortcuts().contains(QKeySequence(Qt::Key_F1))) usesF1 = true;
    }
    auto* key = new QAction(window);
    key->setObjectName(QStringLiteral("HandbookKeyAction"));
    key->setShortcut(usesF1 ? QKeySequence(Qt::SHIFT | Qt::Key_F1) : QKeySequence(Qt::Key_F1));
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
