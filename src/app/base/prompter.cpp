#include "app/base/prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace app {

QWidget* boxParent(QWidget* parent) {
  // A window being built (a box from its constructor) has no place on the screen yet: a box
  // over it would open at the screen's corner. It goes over the window that opened it.
  for (QWidget* w = parent ? parent->window() : nullptr; w;
       w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
    if (w->isVisible()) return w == parent->window() ? parent : w;
  return QApplication::activeWindow();
}

QMessageBox::StandardButton Prompter::question(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons) {
  return QMessageBox::question(boxParent(parent), QObject::tr("Confirm"), text, buttons);
}

void Prompter::information(QWidget* parent, const QString& text) {
  QMessageBox::information(boxParent(parent), QObject::tr("Information"), text);
}

void Prompter::warning(QWidget* parent, const QString& text) {
  QMessageBox::warning(boxParent(parent), QObject::tr("Warning"), text);
}

void Prompter::error(QWidget* parent, const QString& text) {
  QMessageBox::critical(boxParent(parent), QObject::tr("Error"), text);
}

QString Prompter::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, const QStringList& history) {
  QFileDialog dialog(parent, caption, dir, filter);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  QStringList folders;
  for (const QString& path : history) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!folders.contains(folder)) folders << folder;
  }
  dialog.setHistory(folders);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString Prompter::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(parent, caption, dir, filter);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString Prompter::existingFolder(QWidget* parent, const QString& caption, const QString& dir) {
  return QFileDialog::getExistingDirectory(parent, caption, dir, QFileDialog::ShowDirsOnly);
}

int Prompter::exec(QDialog& dialog) {
  return dialog.exec();
}

Prompter& defaultPrompter() {
  static Prompter prompter;
  return prompter;
}

}  // namespace app

namespace app {

QString dialogFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      if (p.trimmed() == QLatin1String("*.*")) {
        patterns << QStringLiteral("*");
        continue;
      }
      QString any;
      for (const QChar ch : p.trimmed()) {
        if (ch.isLetter() && ch.toLower() != ch.toUpper())
          any += QLatin1Char('[') + ch.toLower() + ch.toUpper() + QLatin1Char(']');
        else
          any += ch;
      }
      patterns << any;
    }
    out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace app
