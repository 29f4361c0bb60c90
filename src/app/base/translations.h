#pragma once
// The editor in the user's language: the translations built into the program (":/i18n/
// zyned_<code>.qm", made by lrelease from translations/zyned_<code>.ts) and the toolkit's own for
// its standard dialogs. "pseudo" is the pseudo-translation: every text that goes through
// translation comes out wrapped in brackets and 40 % longer, so a text left out of translation
// and a text cut off by a longer language both show.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "model/texts.h"

namespace app {

struct Language {
  const char* code;  // "de"; "System" follows the desktop's language
  const char* name;  // in its own language: "Deutsch"
};
// The choices of Preferences › Options › "Language": System, English, then each translation.
const std::vector<Language>& languages();

// Which translation a choice means: the code itself, or for "System" (or an empty or unknown
// choice) the first of the desktop's languages the editor has ("en" when none).
QString languageFor(const QString& choice);

// Installs the translation of `code` ("en": none) and the toolkit's own for that language on the
// application, in place of any installed before; returns whether the editor's translation was
// found.
bool installTranslation(const QString& code);
// Takes the installed translations away again: the texts as the sources have them.
void removeTranslations();

// A text of the core's own (marked with ZYNED_TEXT, UTF-8) in the user's language; any other text
// comes back as it is.
QString coreText(const std::string& text);
QString coreText(const char* text);

// A text the core made of a form and what fills it (model::Text), in the user's language: the
// form and every text in it translated, data (Windows-1252, or UTF-8 where marked) shown as it is.
QString shownText(const model::Text& text);

// Items joined as a sentence lists them, in the user's language: "a, b and c" (`last` is
// model::AndWord or model::OrWord, before the last item; `comma` before the others).
QString coreList(const QStringList& items, const char* last,
                 const QString& comma = QStringLiteral(", "));

// A text as the pseudo-translation shows it: "[" + text + filling + "]", 40 % longer.
QString pseudoText(const QString& text);

}  // namespace app
