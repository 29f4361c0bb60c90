#pragma once
// The editor in a language for one test: installed when made, taken away again (back to the
// texts as the sources have them) when it goes, also when the test stops early.

#include <QString>

#include "app/base/translations.h"

namespace testing_gui {

class InLanguage {
 public:
  explicit InLanguage(const QString& code) : installed_(app::installTranslation(code)) {}
  ~InLanguage() { app::removeTranslations(); }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
  bool installed() const { return installed_; }

 private:
  bool installed_;
};

// A form as the pseudo-translation shows it, to fill with .arg().
inline QString pseudo(const char* form) {
  return app::pseudoText(QString::fromUtf8(form));
}

}  // namespace testing_gui
