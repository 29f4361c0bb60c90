#include "app/shell/startup_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"
#include "shell/titles.h"

namespace app {

StartUpDialog::StartUpDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("StartUp"));
  setWindowTitle(tr("ZynED"));
  auto* layout = new QVBoxLayout(this);
  auto* product =
      new QLabel(tr("<b>ZynED %1</b>").arg(QString::fromLatin1(shell::VersionText)), this);
  product->setObjectName(QStringLiteral("ProductLabel"));
  layout->addWidget(product);
  layout->addWidget(new QLabel(tr("Check the Version file for latest features"), this));

  auto* group = new QGroupBox(tr("Choose Action:"), this);
  group->setObjectName(QStringLiteral("ActionGroup"));
  auto* groupLayout = new QVBoxLayout(group);
  const char* captions[] = {QT_TR_NOOP("Load &Existing Mission"), QT_TR_NOOP("Create &New Mission"),
                            QT_TR_NOOP("Load Last &Used File")};
  const char* names[] = {"LoadExistingRadio", "CreateNewRadio", "LoadLastRadio"};
  for (int i = 0; i < 3; ++i) {
    buttons_[i] = new QRadioButton(tr(captions[i]), group);
    buttons_[i]->setObjectName(QLatin1String(names[i]));
    groupLayout->addWidget(buttons_[i]);
  }
  buttons_[0]->setChecked(true);
  layout->addWidget(group);

  layout->addWidget(okCancelButtons(this));
  setFixedSize(sizeHint());
}

StartUpDialog::Choice StartUpDialog::choice() const {
  for (int i = 0; i < 3; ++i)
    if (buttons_[i]->isChecked()) return static_cast<Choice>(i);
  return LoadExisting;
}

void StartUpDialog::setChoice(Choice c) {
  buttons_[c]->setChecked(true);
}

}  // namespace app
