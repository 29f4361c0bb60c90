#include "app/lists/wave_catalogue_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "app/base/text.h"
#include "app/lists/wave_player.h"
#include "lists/text_file.h"

namespace app {

namespace {

// The choices are remembered while the editor runs.
int rememberedVoice = 0;
int rememberedSide = 0;
bool rememberedAutoplay = true;

}  // namespace

WaveCatalogueWindow::WaveCatalogueWindow(const shell::Settings& settings, WavePlayer& player,
                                         std::function<bool(const std::string&)> choose,
                                         QWidget* parent)
    : QDialog(parent), settings_(settings), player_(player), choose_(std::move(choose)) {
  setObjectName(QStringLiteral("WaveCatalogueWindow"));
  setWindowTitle(tr("WAVs included with Zyn"));
  voice_ = new QComboBox(this);
  voice_->setObjectName(QStringLiteral("VoiceBox"));
  for (const std::string& v : lists::voiceNames()) voice_->addItem(QString::fromStdString(v));
  voice_->setFocusPolicy(Qt::StrongFocus);
  side_ = new QComboBox(this);
  side_->setObjectName(QStringLiteral("IffBox"));
  for (const std::string& s : lists::voiceSideNames()) side_->addItem(QString::fromStdString(s));
  side_->setFocusPolicy(Qt::StrongFocus);
  autoplay_ = new QCheckBox(tr("Autoplay WAV"), this);
  autoplay_->setObjectName(QStringLiteral("AutoplayWavCheck"));
  phrases_ = new QListWidget(this);
  phrases_->setObjectName(QStringLiteral("PhraseList"));

  auto* grid = new QGridLayout;
  // Each box named by its caption; the phrases are what the window is about, named by its
  // title.
  auto* voiceLabel = new QLabel(tr("Voice"), this);
  voiceLabel->setBuddy(voice_);
  auto* sideLabel = new QLabel(tr("IFF"), this);
  sideLabel->setBuddy(side_);
  phrases_->setAccessibleName(windowTitle());
  grid->addWidget(voiceLabel, 0, 0);
  grid->addWidget(voice_, 0, 1);
  grid->addWidget(sideLabel, 1, 0);
  grid->addWidget(side_, 1, 1);
  grid->addWidget(autoplay_, 2, 1);
  grid->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(phrases_, 1);
  layout->addWidget(okCancelButtons(this));

  voice_->setCurrentIndex(rememberedVoice);
  side_->setCurrentIndex(rememberedSide);
  autoplay_->setChecked(rememberedAutoplay);
  fillPhrases();
  connect(voice_, &QComboBox::currentIndexChanged, this, [this](int index) {
    rememberedVoice = index;
    fillPhrases();
  });
  connect(side_, &QComboBox::currentIndexChanged, this, [this](int index) {
    rememberedSide = index;
    // Only the base commanders speak for the pirates.
    if (static_cast<lists::VoiceSide>(index) == lists::VoiceSide::Pirate)
      voice_->setCurrentIndex(static_cast<int>(lists::Voice::BaseCommander));
    chooseRow(phrases_->currentRow());
  });
  connect(autoplay_, &QCheckBox::toggled, this, [](bool on) { rememberedAutoplay = on; });
  connect(phrases_, &QListWidget::currentRowChanged, this, &WaveCatalogueWindow::chooseRow);
  connect(phrases_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  resize(420, 520);
}

void WaveCatalogueWindow::fillPhrases() {
  phrases_->clear();
  const auto rows = lists::cataloguePhrases(static_cast<lists::Voice>(voice_->currentIndex()));
  for (const lists::CataloguePhrase& p : rows) {
    auto* item = new QListWidgetItem(fromFile(p.text), phrases_);
    // The file's base name helps find a phrase heard before.
    if (!p.baseName.empty()) {
      item->setToolTip(QString::fromStdString(p.baseName));
    } else if (p.text.find('(') == 0) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
  }
}

std::optional<std::string> WaveCatalogueWindow::selectedEntry() const {
  const int row = phrases_->currentRow();
  const auto rows = lists::cataloguePhrases(static_cast<lists::Voice>(voice_->currentIndex()));
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return std::nullopt;
  return lists::catalogueEntry(static_cast<lists::Voice>(voice_->currentIndex()),
                               static_cast<lists::VoiceSide>(side_->currentIndex()),
                               rows[static_cast<std::size_t>(row)]);
}

void WaveCatalogueWindow::chooseRow(int) {
  const auto entry = selectedEntry();
  if (!entry) return;
  const std::string file = lists::findPath(settings_.gameDirectory, "wave\\" + *entry);
  if (!lists::isFile(file)) return;
  player_.setFile(QString::fromStdString(file));
  if (autoplay_->isChecked()) player_.play();
}

void WaveCatalogueWindow::accept() {
  const auto entry = selectedEntry();
  if (!entry) return;
  if (!choose_(*entry)) return;
  QDialog::accept();
}

}  // namespace app
