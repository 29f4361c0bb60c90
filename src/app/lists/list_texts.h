#pragma once
// The lists windows' texts made of file names, in the user's language (the core's forms,
// lists/game_lists.h).

#include <QString>

#include <string>
#include <utility>
#include <vector>

#include "lists/game_lists.h"

namespace app {

// "T1.KRE is already in Rebel.lst and Mission.lst. Add it again?"
QString alreadyListedText(const std::string& file, const std::vector<std::string>& listNames);
QString alreadyListedText(const std::string& file, const std::vector<lists::GameList>& lists);
// "Backed up Rebel.lst as Rebel.~ls and Mission.lst as Mission.~ls." (each list and its copy)
QString backedUpText(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace app
