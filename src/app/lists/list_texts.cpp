#include "app/lists/list_texts.h"

#include <QStringList>

#include "app/base/text.h"
#include "app/base/translations.h"

namespace app {

QString alreadyListedText(const std::string& file, const std::vector<std::string>& listNames) {
  QStringList names;
  for (const std::string& n : listNames) names << fromFile(n);
  return coreText(lists::lsttext::AlreadyListedForm)
      .arg(fromFile(file), coreList(names, model::AndWord));
}

QString alreadyListedText(const std::string& file, const std::vector<lists::GameList>& lists) {
  std::vector<std::string> names;
  for (const lists::GameList l : lists) names.emplace_back(lists::listFileName(l));
  return alreadyListedText(file, names);
}

QString backedUpText(const std::vector<std::pair<std::string, std::string>>& files) {
  QStringList parts;
  for (const auto& [list, backup] : files)
    parts << coreText(lists::lsttext::BackedUpAsForm)
                 .arg(qs(lists::fileNameOf(list)), qs(lists::fileNameOf(backup)));
  return coreText(lists::lsttext::BackedUpForm).arg(coreList(parts, model::AndWord));
}

}  // namespace app
