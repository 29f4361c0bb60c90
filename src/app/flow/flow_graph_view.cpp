#include "app/flow/flow_graph_view.h"

#include <QBuffer>
#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "app/base/prompter.h"
#include "app/base/translations.h"
#include "model/safe_save.h"

namespace app {

// The graph as an SVG picture at its own size (the scroll area around it pans).
class FlowGraphPicture : public QWidget {
 public:
  explicit FlowGraphPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FlowGraphPicture"));
  }
  bool load(const QByteArray& svg) {
    svg_ = svg;
    const bool ok = renderer_.load(inPaletteColours());
    resize(ok ? renderer_.defaultSize() : QSize(1, 1));
    update();
    return ok;
  }
  QSize sizeHint() const override { return renderer_.defaultSize(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (renderer_.isValid()) renderer_.render(&p, QRectF(QPointF(0, 0), renderer_.defaultSize()));
  }
  void changeEvent(QEvent* e) override {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange && !svg_.isEmpty()) load(svg_);
  }

 private:
  // dot draws black on white (text without a colour of its own is black): on screen the graph is
  // drawn in the desktop's text colour on its ground; the groups' and messages' own colours stay.
  // The saved files keep dot's colours.
  QByteArray inPaletteColours() const {
    const QByteArray text = palette().color(QPalette::Text).name().toLatin1();
    const QByteArray ground = palette().color(QPalette::Base).name().toLatin1();
    QByteArray shown = svg_;
    shown.replace("\"black\"", "\"" + text + "\"");
    shown.replace("fill=\"white\"", "fill=\"" + ground + "\"");
    shown.replace("class=\"graph\"", "class=\"graph\" fill=\"" + text + "\"");
    return shown;
  }

  QByteArray svg_;
  QSvgRenderer renderer_;
};

namespace {

const char* const NoDotText = QT_TRANSLATE_NOOP(
    "app::FlowGraphView",
    "The dependency graph is drawn by the program \"dot\" of Graphviz, which was not found.\n\n"
    "On Debian and Ubuntu it comes with the package graphviz:\n"
    "    sudo apt install graphviz\n\n"
    "The timeline needs nothing of it. Once it is installed, press \"Look again\".");

// Every file the editor writes goes through the one safe save.
bool writeGraphFile(Prompter& prompter, QWidget* parent, const QString& path,
                    const QByteArray& bytes) {
  const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  const model::SaveResult r = model::saveFile(path.toStdString(), data);
  if (!r.ok)
    prompter.error(parent,
                   FlowGraphView::tr("Could not write %1: %2").arg(path, shownText(r.text)));
  return r.ok;
}

// The PNG is drawn at twice the graph's own size, so that its small texts stay legible.
constexpr int PngScale = 2;

}  // namespace

FlowGraphView::FlowGraphView(Prompter& prompter, std::function<QByteArray()> dotText,
                             QWidget* parent)
    : QWidget(parent), prompter_(prompter), dotText_(std::move(dotText)) {
  setObjectName(QStringLiteral("FlowGraphView"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  stack_ = new QStackedWidget(this);
  layout->addWidget(stack_, 1);

  auto* messagePage = new QWidget(stack_);
  auto* ml = new QVBoxLayout(messagePage);
  message_ = new QLabel(messagePage);
  message_->setObjectName(QStringLiteral("FlowGraphMessage"));
  message_->setWordWrap(true);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  retry_ = new QPushButton(tr("&Look again"), messagePage);
  retry_->setObjectName(QStringLiteral("FlowGraphRetry"));
  ml->addWidget(message_);
  auto* rl = new QHBoxLayout;
  rl->addWidget(retry_);
  rl->addStretch(1);
  ml->addLayout(rl);
  ml->addStretch(1);
  stack_->addWidget(messagePage);

  auto* graphPage = new QWidget(stack_);
  auto* gl = new QVBoxLayout(graphPage);
  gl->setContentsMargins(0, 0, 0, 0);
  scroll_ = new QScrollArea(graphPage);
  scroll_->setObjectName(QStringLiteral("FlowGraphScroll"));
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Base);
  picture_ = new FlowGraphPicture(scroll_);
  scroll_->setWidget(picture_);
  gl->addWidget(scroll_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  saveSvg_ = new QPushButton(tr("Save as &SVG..."), graphPage);
  saveSvg_->setObjectName(QStringLiteral("FlowSaveSvg"));
  savePng_ = new QPushButton(tr("Save as &PNG..."), graphPage);
  savePng_->setObjectName(QStringLiteral("FlowSavePng"));
  buttons->addWidget(saveSvg_);
  buttons->addWidget(savePng_);
  gl->addLayout(buttons);
  stack_->addWidget(graphPage);

  connect(retry_, &QPushButton::clicked, this, &FlowGraphView::draw);
  connect(saveSvg_, &QPushButton::clicked, this, &FlowGraphView::saveSvg);
  connect(savePng_, &QPushButton::clicked, this, &FlowGraphView::savePng);
  showMessage(tr("The graph is drawn when this tab is shown."));
}

FlowGraphView::~FlowGraphView() {
  if (process_) {
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished(1000);
  }
}

bool FlowGraphView::drawing() const {
  return process_ && process_->state() != QProcess::NotRunning;
}

void FlowGraphView::refresh() {
  stale_ = true;
  if (isVisible()) draw();
}

void FlowGraphView::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (stale_) draw();
}

void FlowGraphView::showMessage(const QString& text) {
  message_->setText(text);
  stack_->setCurrentIndex(0);
}

void FlowGraphView::draw() {
  stale_ = false;
  if (drawing()) {
    again_ = true;
    return;
  }
  // Looked up each time: a program installed while the editor runs is found.
  const QString dot = QStandardPaths::findExecutable(QString::fromLatin1(Program), searchPath_);
  if (dot.isEmpty()) {
    showMessage(tr(NoDotText));
    emit drawn(false);
    return;
  }
  if (!process_) {
    process_ = new QProcess(this);
    connect(process_, &QProcess::finished, this, &FlowGraphView::finished);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
      if (error == QProcess::FailedToStart) finished();
    });
  }
  process_->start(dot, {QStringLiteral("-Tsvg")});
  process_->write(dotText_());
  process_->closeWriteChannel();
}

void FlowGraphView::finished() {
  const QByteArray out = process_->readAllStandardOutput();
  const bool ok =
      process_->exitStatus() == QProcess::NormalExit && process_->exitCode() == 0 && !out.isEmpty();
  if (ok) {
    svg_ = out;
    picture_->load(svg_);
    stack_->setCurrentIndex(1);
  } else {
    const QString why = QString::fromLocal8Bit(process_->readAllStandardError()).trimmed();
    showMessage(tr("\"dot\" could not draw the graph.") +
                (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why));
  }
  emit drawn(ok);
  if (again_) {
    again_ = false;
    QMetaObject::invokeMethod(this, &FlowGraphView::draw, Qt::QueuedConnection);
  }
}

void FlowGraphView::saveSvg() {
  if (svg_.isEmpty()) return;
  const QString path = prompter_.saveFileName(this, tr("Save the Graph as SVG"), QString(),
                                              tr("SVG pictures|*.svg"), QStringLiteral("svg"));
  if (path.isEmpty()) return;
  writeGraphFile(prompter_, this, path, svg_);
}

void FlowGraphView::savePng() {
  if (svg_.isEmpty()) return;
  const QString path = prompter_.saveFileName(this, tr("Save the Graph as PNG"), QString(),
                                              tr("PNG pictures|*.png"), QStringLiteral("png"));
  if (path.isEmpty()) return;
  QSvgRenderer renderer(svg_);
  QImage image(renderer.defaultSize() * PngScale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  renderer.render(&p);
  p.end();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  writeGraphFile(prompter_, this, path, png);
}

}  // namespace app
