#pragma once
// The "&OK" / "&Cancel" row every modal dialog of the editor ends with.

#include <QDialog>
#include <QDialogButtonBox>

namespace app {

// Buttons named `OKBtn` and `CancelBtn`, wired to accept and reject `dialog`.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace app
