// zyned-cli from-json: a mission file from the JSON `dump` prints (or written by hand or by a
// script). Refusals name the JSON path and leave OUT as it was.
#include <iostream>
#include <iterator>

#include "command.h"
#include "json/mission_json.h"
#include "model/mission_file.h"

namespace cli {

// The text of a file, or of standard input for "-"; false with a message on ctx.err.
bool readInput(const std::string& path, std::string& text, Context& ctx) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), {});
    if (std::cin.bad()) {
      ctx.err << "Cannot read standard input\n";
      return false;
    }
    return true;
  }
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!model::readWholeFile(path, bytes, error)) {
    ctx.err << error << '\n';
    return false;
  }
  text.assign(bytes.begin(), bytes.end());
  return true;
}

namespace {

int runFromJson(const std::vector<std::string>& args, Context& ctx);
const Registration fromJsonCommand{
    {"from-json", "IN.json OUT.KRE",
     "the mission file of a JSON mission as dump prints it (IN \"-\": standard input)", runFromJson,
     "A key left out takes the value of a new mission's record; texts are UTF-8 with a "
     "Windows-1252 form. JSON that is not valid, an unknown key, a value of the wrong "
     "type, a number outside its field, a text longer than its field or a wrong count "
     "is refused with exit status 1 and one message naming the JSON path; OUT is then "
     "left as it was."}};

int runFromJson(const std::vector<std::string>& args, Context& ctx) {
  if (args.size() != 2 || (args[0] != "-" && args[0].starts_with('-')) || args[1].starts_with('-'))
    return usage(*findCommand("from-json"), ctx);
  std::string text;
  if (!readInput(args[0], text, ctx)) return Failed;
  model::Mission m;
  const json::MissionResult r = json::missionFromJson(text, m);
  if (!r.ok()) {
    ctx.err << (args[0] == "-" ? std::string("standard input") : args[0]) << ": " << r.error
            << '\n';
    return Failed;
  }
  const model::SaveResult saved = model::saveMissionFile(m, args[1]);
  if (!saved.ok) {
    ctx.err << saved.error << '\n';
    return Failed;
  }
  ctx.out << model::savedBytesNotice(m.platformId, saved.bytes) << '\n';
  return Success;
}

}  // namespace
}  // namespace cli
