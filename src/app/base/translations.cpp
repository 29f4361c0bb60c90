#include "app/base/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/base/text.h"

namespace app {

const std::vector<Language>& languages() {
  static const std::vector<Language> list = {
      {"System", QT_TRANSLATE_NOOP("app::Languages", "System")},
      {"en", "English"},
      {"de", "Deutsch"},
  };
  return list;
}

QString languageFor(const QString& choice) {
  for (const Language& l : languages())
    if (choice == QLatin1String(l.code) && choice != QLatin1String("System")) return choice;
  if (choice == QLatin1String("pseudo")) return choice;
  for (const QString& ui : QLocale::system().uiLanguages()) {
    const QString code = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    for (const Language& l : languages())
      if (code == QLatin1String(l.code)) return code;
  }
  return QStringLiteral("en");
}

namespace {
std::vector<QTranslator*>& installed() {
  static std::vector<QTranslator*> list;
  return list;
}
}  // namespace

void removeTranslations() {
  for (QTranslator* t : installed()) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
  installed().clear();
}

bool installTranslation(const QString& code) {
  removeTranslations();
  if (code == QLatin1String("en") || code.isEmpty()) return true;
  auto* editor = new QTranslator;
  if (!editor->load(QStringLiteral(":/i18n/zyned_") + code + QStringLiteral(".qm"))) {
    delete editor;
    return false;
  }
  QCoreApplication::installTranslator(editor);
  installed().push_back(editor);
  if (code == QLatin1String("pseudo")) return true;
  // The toolkit's own texts (the standard dialogs' buttons and file dialogs).
  auto* toolkit = new QTranslator;
  if (toolkit->load(QStringLiteral("qtbase_") + code,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(toolkit);
    installed().push_back(toolkit);
  } else {
    delete toolkit;
  }
  return true;
}

QString coreText(const char* text) {
  return QCoreApplication::translate("core", text);
}
QString coreText(const std::string& text) {
  return coreText(text.c_str());
}

QString shownText(const model::Text& text) {
  if (text.data) return text.utf8 ? QString::fromStdString(text.value) : fromFile(text.value);
  // The translated form filled as the core fills the English one.
  std::vector<std::string> args;
  for (const model::Text& a : text.args) args.push_back(shownText(a).toStdString());
  return QString::fromStdString(model::fillText(coreText(text.form).toStdString(), args));
}

QString coreList(const QStringList& items, const char* last, const QString& comma) {
  std::vector<std::string> list;
  for (const QString& item : items) list.push_back(item.toStdString());
  return QString::fromStdString(
      model::joinedList(list, comma.toStdString(), coreText(last).toStdString()));
}

QString pseudoText(const QString& text) {
  // Two brackets and a filling of tildes make the text 40 % longer (rounded up).
  const qsizetype longer = (text.size() * 4 + 9) / 10;
  return QLatin1Char('[') + text + QString(std::max<qsizetype>(0, longer - 2), QLatin1Char('~')) +
         QLatin1Char(']');
}

}  // namespace app
