// zyned-cli briefing and autobrief: print a briefing's instruction list, or write one with
// Auto-Brief.
#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include "briefing/commands.h"
#include "briefing/editing.h"
#include "command.h"
#include "editing/descriptions.h"
#include "model/cp1252.h"
#include "model/mission_file.h"
#include "options.h"

namespace cli {
namespace {

int runBriefing(const std::vector<std::string>& arguments, Context& ctx);
int runAutoBrief(const std::vector<std::string>& arguments, Context& ctx);

const Command briefingCommand{
    "briefing", "FILE N [--editor-dir DIR]",
    "briefing N (1..8): running time, word count, then the instruction list", runBriefing,
    "Prints Running time: and Words: (the words the command list takes, end marker "
    "included), then one line per instruction as the briefing editor's list shows it, "
    "in time order. A damaged stream is decoded as far as it goes and said so on "
    "standard error."};
const Command autoBriefCommand{
    "autobrief", "FILE N OUT [--seconds S] [--center FG] [--zoom ZOOM] [--no-boxes]",
    "rewrites briefing N with Auto-Brief and saves the mission to OUT", runAutoBrief,
    "Every briefing text from #1 on in turn, S seconds apart (default 7), with boxes "
    "around the flight groups named in [ ] brackets (not with --no-boxes), a clear "
    "and a stop point after each text; it begins centred on flight group FG (counted "
    "from 0) at zoom preset ZOOM (1, 16, 24, 32, 48, 64, 80, 100 or 168), else at the "
    "centre and zoom 32. When the boxes do not all fit into the briefing's 400 words, "
    "the latest are left out and standard error says how many. A briefing without "
    "text #1 is refused."};
const Registration briefingRegistration{briefingCommand};
const Registration autoBriefRegistration{autoBriefCommand};

bool parseInt(const std::string& s, int& v) {
  const char* end = s.data() + s.size();
  auto [p, ec] = std::from_chars(s.data(), end, v);
  return ec == std::errc() && p == end;
}

bool briefingNumber(const std::string& s, int& b) {
  if (!parseInt(s, b) || b < 1 || b > static_cast<int>(model::BriefingCount)) return false;
  --b;
  return true;
}

bool isOption(const std::string& s) {
  return s.size() > 1 && s[0] == '-';
}

int runBriefing(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  shell::Vocabulary vocabulary;
  if (!loadVocabulary(args, ctx, vocabulary)) return usage(briefingCommand, ctx);
  int b = 0;
  if (args.size() != 2 || isOption(args[0]) || !briefingNumber(args[1], b))
    return usage(briefingCommand, ctx);

  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;
  const model::Briefing& brief = mission.briefings[b];
  // In time order, as the instruction list shows it.
  const briefing::Decoded d = briefing::instructionList(brief);
  const int used = brief.get(model::briefing::EventWordsUsed);
  if (d.countBeyondLimit)
    ctx.err << "Briefing " << b + 1 << ": the stream claims " << used
            << " words; only 400 exist.\n";
  if (d.overrun)
    ctx.err << "Briefing " << b + 1 << ": a command runs past word 400; it was left out.\n";
  if (d.endMarkerAdded)
    ctx.err << "Briefing " << b + 1 << ": the stream has no end marker; one is shown.\n";

  const std::vector<std::string> names = editing::nameList(mission, vocabulary);
  const briefing::LineContext lc{&brief.strings, &brief.tags, &names};
  ctx.out << "Running time: " << briefing::seconds(brief.get(model::briefing::RunningTime)) << '\n';
  ctx.out << "Words: " << briefing::wordCount(d.commands) << '\n';
  for (const briefing::Command& c : d.commands)
    ctx.out << model::cp1252ToUtf8(briefing::describe(c, lc)) << '\n';
  return Success;
}

int runAutoBrief(const std::vector<std::string>& arguments, Context& ctx) {
  std::vector<std::string> args = arguments;
  std::optional<std::string> secondsText, centre, zoom;
  if (!takeOption(args, "--seconds", secondsText) || !takeOption(args, "--center", centre) ||
      !takeOption(args, "--zoom", zoom))
    return usage(autoBriefCommand, ctx);
  const bool noBoxes = std::erase(args, std::string("--no-boxes")) > 0;
  int b = 0;
  if (args.size() != 3 || isOption(args[0]) || isOption(args[2]) || !briefingNumber(args[1], b))
    return usage(autoBriefCommand, ctx);

  briefing::AutoBriefOptions options;
  options.boxNames = !noBoxes;
  if (secondsText) {
    int ticks = 0;
    if (!briefing::parseSeconds(*secondsText, ticks)) return usage(autoBriefCommand, ctx);
    options.seconds = ticks / 20.0;
  }
  if (zoom) {
    int z = 0;
    const bool preset = parseInt(*zoom, z) &&
                        std::any_of(briefing::ZoomPresets.begin(), briefing::ZoomPresets.end(),
                                    [&](const briefing::ZoomPreset& p) { return p.zoom == z; });
    if (!preset) {
      ctx.err << "--zoom takes the zoom factor of a preset: 1, 16, 24, 32, 48, 64, 80, 100 or "
                 "168.\n";
      return UsageError;
    }
    options.zoom = z;
  }
  int fg = 0;
  if (centre && !parseInt(*centre, fg)) return usage(autoBriefCommand, ctx);

  model::Mission mission;
  if (!loadForCommand(args[0], mission, ctx)) return Failed;
  if (centre) {
    if (fg < 0 || fg >= static_cast<int>(mission.flightGroups.size())) {
      ctx.err << "--center " << fg << ": the mission has " << mission.flightGroups.size()
              << " flight groups (counted from 0).\n";
      return Failed;
    }
    options.centreOn = fg;
  }
  const briefing::AutoBriefResult r = briefing::autoBrief(mission, b, options);
  if (!r.ok) {
    ctx.err << r.message.english() << '\n';
    return Failed;
  }
  if (!r.message.empty()) ctx.err << r.message.english() << '\n';
  briefing::applyAutoBrief(mission, b, r);
  const model::SaveResult saved = model::saveMissionFile(mission, args[2]);
  if (!saved.ok) {
    ctx.err << saved.error << '\n';
    return Failed;
  }
  ctx.out << model::savedBytesNotice(mission.platformId, saved.bytes) << '\n';
  return Success;
}

}  // namespace
}  // namespace cli
