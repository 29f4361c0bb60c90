// zyned-cli check LIST and flow LIST: every mission a mission, battle or campaign list names.
#include <ostream>

#include "command.h"
#include "flow/list_check.h"
#include "lists/text_file.h"
#include "shell/paths.h"

namespace cli {

bool isListArgument(const std::string& path) {
  return path.size() > 4 &&
         shell::equalsNoCase(std::string_view(path).substr(path.size() - 4), ".lst");
}

int checkList(const std::string& list, const shell::Settings& settings,
              const shell::Vocabulary& vocabulary, flow::Levels levels, Context& ctx) {
  std::vector<flow::ListedMission> missions;
  std::string error;
  if (!flow::listedMissions(list, missions, error)) {
    ctx.err << error << '\n';
    return Failed;
  }
  const flow::ListCheck check = flow::checkMissions(missions, settings, vocabulary, levels);
  ctx.out << flow::listCheckText(check);
  return check.failed() ? Failed : Success;
}

}  // namespace cli
