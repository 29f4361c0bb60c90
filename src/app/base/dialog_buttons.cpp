#include "app/base/dialog_buttons.h"

#include <QPushButton>

namespace app {

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(dialog);
  auto* ok = buttons->addButton(QDialog::tr("&OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  auto* cancel = buttons->addButton(QDialog::tr("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QPushButton* pushButton(QWidget* parent, const char* objectName, const QString& text,
                        const QString& tip) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(objectName));
  b->setToolTip(tip);
  b->setAutoDefault(false);
  return b;
}

}  // namespace app
