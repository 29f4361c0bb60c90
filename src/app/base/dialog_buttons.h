#pragma once
// The "&OK" / "&Cancel" row every modal dialog of the editor ends with, and the push buttons of
// windows and dialogs.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace app {

// Buttons named `OKBtn` and `CancelBtn`, wired to accept and reject `dialog`.
QDialogButtonBox* okCancelButtons(QDialog* dialog);
// A push button named `objectName` with its tool tip; Enter in a dialog does not press it.
QPushButton* pushButton(QWidget* parent, const char* objectName, const QString& text,
                        const QString& tip = {});

}  // namespace app
