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
  if (text.data) return fromFile(text.form);
  const QString form = coreText(text.form);
  QString out;
  for (qsizetype i = 0; i < form.size(); ++i) {
    const QChar c = form[i];
    if (c == QLatin1Char('%') && i + 1 < form.size() && form[i + 1] >= QLatin1Char('1') &&
        form[i + 1] <= QLatin1Char('9')) {
      const auto n = static_cast<std::size_t>(form[i + 1].unicode() - '1');
      if (n < text.args.size()) {
        out += shownText(text.args[n]);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

QString coreList(const QStringList& items, const char* last, const QString& comma) {
  QString out;
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? coreText(last) : comma;
    out += items[i];
  }
  return out;
}

QString pseudoText(const QString& text) {
  // Two brackets and a filling of tildes make the text 40 % longer (rounded up).
  const qsizetype longer = (text.size() * 4 + 9) / 10;
  return QLatin1Char('[') + text + QString(std::max<qsizetype>(0, longer - 2), QLatin1Char('~')) +
         QLatin1Char(']');
}

}  // namespace app
