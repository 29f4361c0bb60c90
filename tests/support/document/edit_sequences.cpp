#include "document/edit_sequences.h"

#include <QUndoStack>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "app/document/mission_document.h"
#include "briefing/commands.h"
#include "briefing/editing.h"
#include "editing/descriptions.h"
#include "editing/flight_group_rules.h"
#include "editing/messages.h"
#include "mission_generator.h"
#include "model/derived.h"
#include "model/mission_file.h"
#include "shell/vocabulary.h"

namespace editseq {
namespace {

using app::MissionDocument;
using model::ChangeSet;
using model::ListKind;
using model::RecordKind;

constexpr std::array<RecordKind, model::RecordKindCount> AllKinds{
    RecordKind::Header,           RecordKind::FlightGroup,       RecordKind::FlightGroupGoalStrings,
    RecordKind::Message,          RecordKind::GlobalGoal,        RecordKind::Team,
    RecordKind::Briefing,         RecordKind::GlobalGoalStrings, RecordKind::TeamIff,
    RecordKind::FlightGroupBuffer};

const char* kindName(RecordKind k) {
  static constexpr const char* names[] = {
      "Header", "FlightGroup", "FlightGroupGoalStrings", "Message", "GlobalGoal",
      "Team",   "Briefing",    "GlobalGoalStrings",      "TeamIff", "FlightGroupBuffer"};
  return names[static_cast<std::size_t>(k)];
}

// ---- The script ------------------------------------------------------------------------------

// Reads the script; past its end every read gives 0, so any bytes decode.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint16_t u16() {
    const std::uint16_t lo = byte();
    return static_cast<std::uint16_t>(lo | (byte() << 8));
  }
  // 0..n-1 (0 when n is 0).
  int below(std::size_t n) {
    if (n == 0) return 0;
    return static_cast<int>((n <= 256 ? byte() : u16()) % n);
  }
  bool flag() { return byte() & 1; }
  // Up to `max` bytes of any value, zeros included.
  std::string text(std::size_t max) {
    const auto n = static_cast<std::size_t>(below(max + 1));
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>(byte()));
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// ---- Every field of every record kind -----------------------------------------------------

struct Leaf {
  std::string_view name;
  std::size_t offset;
  model::Kind kind;
  std::size_t width, count;
  int min, max;
  bool nested;  // inside an order, goal, trigger or the like
};

void flatten(const model::RecordLayout& layout, std::size_t base, std::vector<Leaf>& out,
             bool nested = false) {
  for (const model::FieldInfo& f : layout.fields) {
    if (f.kind == model::Kind::Record) {
      for (std::size_t e = 0; e < f.count; ++e)
        flatten(*f.sub, base + f.offset + e * f.stride, out, true);
    } else {
      out.push_back({f.name, base + f.offset, f.kind, f.width, f.count, f.min, f.max, nested});
    }
  }
}

const std::vector<Leaf>& leavesOf(RecordKind kind, bool textOnly = false) {
  static const auto tables = [] {
    std::array<std::vector<Leaf>, model::RecordKindCount> all;
    auto add = [&](RecordKind k, const model::RecordLayout& l) {
      flatten(l, 0, all[static_cast<std::size_t>(k)]);
    };
    add(RecordKind::Header, model::header::Layout);
    // The counts follow the lists; no control writes them.
    std::erase_if(all[static_cast<std::size_t>(RecordKind::Header)],
                  [](const Leaf& l) { return l.offset < model::header::MessageCount.offset + 2; });
    add(RecordKind::FlightGroup, model::fg::Layout);
    add(RecordKind::FlightGroupGoalStrings, model::fggoalstrings::Layout);
    add(RecordKind::Message, model::message::Layout);
    add(RecordKind::GlobalGoal, model::globalgoal::Layout);
    add(RecordKind::Team, model::team::Layout);
    add(RecordKind::Briefing, model::briefing::Layout);
    add(RecordKind::GlobalGoalStrings, model::ggstrings::Layout);
    add(RecordKind::FlightGroupBuffer, model::fg::Layout);
    all[static_cast<std::size_t>(RecordKind::TeamIff)].push_back(
        {"TeamIff", 0, model::Kind::U8, 1, model::TeamCount, 0, 255, false});
    // The fields of the records themselves first: half the writes go to them, the other half
    // to any field.
    for (auto& leaves : all)
      std::stable_partition(leaves.begin(), leaves.end(), [](const Leaf& l) { return !l.nested; });
    std::array<std::vector<Leaf>, model::RecordKindCount> texts;
    for (std::size_t k = 0; k < all.size(); ++k)
      for (const Leaf& l : all[k])
        if (l.kind == model::Kind::Text) texts[k].push_back(l);
    return std::pair{all, texts};
  }();
  return (textOnly ? tables.second : tables.first)[static_cast<std::size_t>(kind)];
}

const shell::Vocabulary& vocabulary() {
  static const shell::Vocabulary v;
  return v;
}

// ---- What the checks compare ----------------------------------------------------------------

// The content and the copy buffer at one moment, with the file image of the content.
struct State {
  model::Mission mission;
  model::FlightGroup buffer;
  // The file image, written when first asked for.
  const std::vector<std::uint8_t>& file() const {
    if (!image) image = model::writeMission(mission);
    return *image;
  }
  mutable std::optional<std::vector<std::uint8_t>> image;
};

// Every byte and value of two missions alike, derived values included.
bool identical(const model::Mission& a, const model::Mission& b) {
  if (a.platformId != b.platformId || !(a.header == b.header) || a.teamIff != b.teamIff ||
      a.flightGroups.size() != b.flightGroups.size() || a.messages.size() != b.messages.size() ||
      !(a.mapCentre == b.mapCentre) || !(a.mapExtent == b.mapExtent) || a.sounds != b.sounds ||
      a.trailingBytes != b.trailingBytes || a.globalGoals != b.globalGoals || a.teams != b.teams ||
      a.briefings != b.briefings || a.globalGoalStrings != b.globalGoalStrings ||
      !(a.description == b.description) || !(a.successDebrief == b.successDebrief) ||
      !(a.failureDebrief == b.failureDebrief))
    return false;
  for (std::size_t i = 0; i < a.flightGroups.size(); ++i) {
    const model::FlightGroup& x = a.flightGroups[i];
    const model::FlightGroup& y = b.flightGroups[i];
    if (!(x.bytes == y.bytes) || !(x.goalStrings == y.goalStrings) || x.autoLink != y.autoLink ||
        !(x.heading == y.heading) || x.lastRoutePoint != y.lastRoutePoint)
      return false;
  }
  for (std::size_t i = 0; i < a.messages.size(); ++i) {
    const model::Message& x = a.messages[i];
    const model::Message& y = b.messages[i];
    if (!(x.bytes == y.bytes) || x.sentToAnyTeam != y.sentToAnyTeam || x.fromFile != y.fromFile ||
        x.fileImage != y.fileImage)
      return false;
  }
  return true;
}

bool sameBytes(model::CBytes a, model::CBytes b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0);
}

// The parts of a file image, in the writer's order.
enum class Part {
  Platform,
  Header,
  FlightGroup,
  Message,
  GlobalGoal,
  Team,
  Briefing,
  GoalStrings,
  GlobalGoalStrings,
  TextBlocks,
  Trailing
};
constexpr const char* PartNames[] = {
    "platform id", "header",       "flight group",        "message",     "global goal",   "team",
    "briefing",    "goal strings", "global goal strings", "text blocks", "trailing bytes"};

struct Section {
  Part part;
  int index;
  std::size_t begin, end;
};

std::vector<Section> sectionsOf(const model::Mission& m, std::size_t imageSize) {
  std::vector<Section> out;
  std::size_t at = 0;
  auto add = [&](Part p, int i, std::size_t n) {
    out.push_back({p, i, at, at + n});
    at += n;
  };
  add(Part::Platform, 0, 2);
  add(Part::Header, 0, model::header::Size);
  const int groups = static_cast<int>(m.flightGroups.size());
  const int messages = static_cast<int>(m.messages.size());
  for (int i = 0; i < groups; ++i) add(Part::FlightGroup, i, model::fg::Size);
  for (int i = 0; i < messages; ++i) add(Part::Message, i, model::message::Size);
  for (int t = 0; t < static_cast<int>(model::TeamCount); ++t)
    add(Part::GlobalGoal, t, model::globalgoal::Size);
  for (int t = 0; t < static_cast<int>(model::TeamCount); ++t)
    add(Part::Team, t, model::team::Size);
  for (int b = 0; b < static_cast<int>(model::BriefingCount); ++b) {
    std::size_t n = model::briefing::Size;
    for (const auto* list : {&m.briefings[b].tags, &m.briefings[b].strings})
      for (const std::string& s : *list) n += 2 + std::min<std::size_t>(s.size(), 0xFFFF);
    add(Part::Briefing, b, n);
  }
  for (int i = 0; i < groups; ++i) add(Part::GoalStrings, i, model::fggoalstrings::Size);
  for (int t = 0; t < static_cast<int>(model::TeamCount); ++t)
    add(Part::GlobalGoalStrings, t, model::ggstrings::Size);
  const std::size_t trailing = m.trailingBytes.size();
  add(Part::TextBlocks, 0, imageSize >= at + trailing ? imageSize - at - trailing : 0);
  add(Part::Trailing, 0, trailing);
  return out;
}

// What undo restores: the file, what the file leaves out (text blocks of the other format, bytes
// of messages), the team colours, the sound list, the auto-link flags. "" when both hold the
// same, else where they differ.
std::string contentDifference(const State& a, const State& b) {
  const model::Mission& x = a.mission;
  const model::Mission& y = b.mission;
  if (a.file() != b.file()) {
    const auto [p, q] =
        std::mismatch(a.file().begin(), a.file().end(), b.file().begin(), b.file().end());
    const auto at = static_cast<std::size_t>(p - a.file().begin());
    for (const Section& s : sectionsOf(x, a.file().size()))
      if (at >= s.begin && at < s.end)
        return "the file differs in " + std::string(PartNames[static_cast<std::size_t>(s.part)]) +
               " " + std::to_string(s.index) + " at byte " + std::to_string(at - s.begin);
    return "the file differs at byte " + std::to_string(at);
  }
  if (x.sounds != y.sounds) return "the sound lists differ";
  if (x.teamIff != y.teamIff) return "the team colours differ";
  for (auto id : {model::TextBlockId::Description, model::TextBlockId::SuccessDebrief,
                  model::TextBlockId::FailureDebrief})
    if (!(model::textBlock(x, id) == model::textBlock(y, id)))
      return "text block " + std::to_string(static_cast<int>(id)) + " differs";
  // A message keeps bytes in memory that its file record leaves out.
  for (std::size_t i = 0; i < x.messages.size() && i < y.messages.size(); ++i)
    if (!(x.messages[i].bytes == y.messages[i].bytes))
      return "message " + std::to_string(i) + " differs in memory";
  for (std::size_t i = 0; i < x.flightGroups.size() && i < y.flightGroups.size(); ++i)
    if (x.flightGroups[i].autoLink != y.flightGroups[i].autoLink)
      return "the auto-link flag of flight group " + std::to_string(i) + " differs";
  return {};
}

// ---- The run ------------------------------------------------------------------------------

enum class Op {
  FieldWrite,
  TextWrite,
  RuleEdit,
  NewFlightGroup,
  DeleteFlightGroups,
  MoveFlightGroupsUp,
  MoveFlightGroupsDown,
  CopyFlightGroup,
  CutFlightGroups,
  PasteFlightGroup,
  NewMessage,
  DeleteMessages,
  MoveMessagesUp,
  MoveMessagesDown,
  CopyMessages,
  CutMessages,
  PasteMessages,
  SelectFlightGroups,
  SelectMessages,
  CurrentPoint,
  TextBlock,
  Format,
  BriefingInstructions,
  BriefingText,
  WholeBriefing,
  Sounds,
  AutoLinkAll,
  Gesture,
  Undo,
  Redo,
  Save,
  Count
};
constexpr const char* OpNames[] = {"field write",
                                   "text write",
                                   "rule edit",
                                   "new flight group",
                                   "delete flight groups",
                                   "move flight groups up",
                                   "move flight groups down",
                                   "copy flight group",
                                   "cut flight groups",
                                   "paste flight group",
                                   "new message",
                                   "delete messages",
                                   "move messages up",
                                   "move messages down",
                                   "copy messages",
                                   "cut messages",
                                   "paste messages",
                                   "select flight groups",
                                   "select messages",
                                   "current point",
                                   "text block",
                                   "format",
                                   "briefing instructions",
                                   "briefing text",
                                   "whole briefing",
                                   "sounds",
                                   "auto-link all",
                                   "gesture",
                                   "undo",
                                   "redo",
                                   "save"};
static_assert(std::size(OpNames) == static_cast<std::size_t>(Op::Count));

// The operations a script chooses from: typed writes most often, then undo and redo.
constexpr Op Weighted[] = {Op::FieldWrite,
                           Op::FieldWrite,
                           Op::FieldWrite,
                           Op::FieldWrite,
                           Op::TextWrite,
                           Op::TextWrite,
                           Op::RuleEdit,
                           Op::RuleEdit,
                           Op::NewFlightGroup,
                           Op::DeleteFlightGroups,
                           Op::MoveFlightGroupsUp,
                           Op::MoveFlightGroupsDown,
                           Op::CopyFlightGroup,
                           Op::CutFlightGroups,
                           Op::PasteFlightGroup,
                           Op::NewMessage,
                           Op::DeleteMessages,
                           Op::MoveMessagesUp,
                           Op::MoveMessagesDown,
                           Op::CopyMessages,
                           Op::CutMessages,
                           Op::PasteMessages,
                           Op::SelectFlightGroups,
                           Op::SelectFlightGroups,
                           Op::SelectMessages,
                           Op::CurrentPoint,
                           Op::TextBlock,
                           Op::Format,
                           Op::BriefingInstructions,
                           Op::BriefingText,
                           Op::WholeBriefing,
                           Op::Sounds,
                           Op::AutoLinkAll,
                           Op::Gesture,
                           Op::Gesture,
                           Op::Undo,
                           Op::Undo,
                           Op::Undo,
                           Op::Redo,
                           Op::Redo,
                           Op::Save};

// The operations a gesture holds: what a drag or a placement does between press and release.
constexpr Op GestureOps[] = {Op::FieldWrite,         Op::TextWrite,    Op::FieldWrite,
                             Op::SelectFlightGroups, Op::CurrentPoint, Op::BriefingText,
                             Op::FieldWrite};

}  // namespace

class DocumentWatch::Impl {
 public:
  Impl(MissionDocument& doc, bool savesByNotice) : doc_(doc), savesByNotice_(savesByNotice) {
    last_ = capture();
    start_ = last_;
    saved_ = last_.file();
    lines_ = editing::listLines(doc_.mission(), vocabulary(), true);
    QObject::connect(&doc_, &MissionDocument::changed, &guard_,
                     [this](const ChangeSet& c) { onNotice(c); });
    QObject::connect(&doc_, &MissionDocument::selectionChanged, &guard_,
                     [this] { checkSelection(); });
  }

  bool ok() const { return finding_.empty(); }
  const std::string& finding() const { return finding_; }

  void fail(const std::string& what) {
    if (!ok()) return;
    finding_ = "operation " + std::to_string(operations_) + " (" + operation_ + "): " + what;
  }

  State capture() const { return {doc_.mission(), doc_.state().flightGroupBuffer, {}}; }
  const State& last() const { return last_; }
  // Whether a notice since the last call brought a change of the content or the copy buffer.
  bool takeChanged() { return std::exchange(changed_, false); }

  void beginOperation(const std::string& name) {
    ++operations_;
    operation_ = name;
  }

  void endOperation() {
    settle();
    if (!ok()) return;
    checkLines();
    checkChanged();
  }

  void saved() { saved_ = model::writeMission(doc_.mission()); }

  // Back to the start of the history and forward to its end; the file written reads back.
  void finish() {
    if (!ok()) return;
    QUndoStack* stack = doc_.undoStack();
    // A history that reached its limit has forgotten its start.
    const bool whole = stack->undoLimit() == 0 || stack->count() < stack->undoLimit();
    beginOperation("undo to the start");
    const State end = capture();
    const int index = stack->index();
    const int count = stack->count();
    // Undo and redo only move along the history: a step made on the way (a view writing back
    // what it was shown) drops the steps to redo.
    auto moved = [&](int before, int expected) {
      if (stack->count() != count)
        fail("the history changed while moving along it: " + std::to_string(count) +
             " steps, now " + std::to_string(stack->count()) + ", the last \"" +
             (stack->count() > 0 ? stack->text(stack->count() - 1).toStdString() : "") + "\"");
      else if (stack->index() != expected)
        fail("the history did not move: at " + std::to_string(before) + ", now at " +
             std::to_string(stack->index()));
    };
    while (stack->canUndo() && ok()) {
      const int before = stack->index();
      stack->undo();
      settle();
      moved(before, before - 1);
    }
    if (ok() && whole) {
      if (const std::string d = contentDifference(start_, capture()); !d.empty())
        fail("undo to the start does not give the starting content: " + d);
    }
    endOperation();
    beginOperation("redo to the end");
    while (stack->index() < index && ok()) {
      const int before = stack->index();
      stack->redo();
      settle();
      moved(before, before + 1);
    }
    if (const std::string d = contentDifference(end, capture()); ok() && !d.empty())
      fail("redo to the end does not give the end content: " + d);
    endOperation();
    beginOperation("save and load");
    const std::vector<std::uint8_t> file = model::writeMission(doc_.mission());
    model::Mission again;
    if (!model::readMission(file, again).ok())
      fail("the saved file is refused");
    else if (model::writeMission(again) != file)
      fail("the saved file does not read back to the same bytes");
  }

  // Whatever changed since the last notice without one is unreported.
  void settle() {
    if (!ok()) return;
    checkSelection();
    if (identical(last_.mission, doc_.mission()) &&
        last_.buffer.bytes == doc_.state().flightGroupBuffer.bytes)
      return;
    State now = capture();
    compare(last_, now, ChangeSet{}, "without a change notice");
    fail("the content changed without a change notice");
  }

  void onNotice(const ChangeSet& c) {
    if (!ok()) return;
    State now = capture();
    if (!changed_)
      changed_ = !identical(last_.mission, now.mission) || !(last_.buffer == now.buffer);
    if (!c.whole) compare(last_, now, c, "");
    checkDerived(now.mission);
    checkSelection();
    redrawLines(c);
    // A new mission starts a new history.
    if (c.whole && doc_.undoStack()->count() == 0) start_ = now;
    if (savesByNotice_ && !doc_.isChanged()) saved_ = now.file();
    last_ = std::move(now);
  }

  // For each line of a list after the change, the line it was before (-2: inserted), as the
  // notice's remap says; empty after a finding.
  std::vector<int> origins(std::size_t before, std::size_t after,
                           const std::optional<model::ListRemap>& r, const char* list,
                           const std::string& how) {
    std::vector<int> from(after, -1);
    if (!r) {
      if (before != after) {
        fail(std::string("the ") + list + " list went from " + std::to_string(before) + " to " +
             std::to_string(after) + " records " + (how.empty() ? "without a list change" : how));
        return {};
      }
      for (std::size_t j = 0; j < after; ++j) from[j] = static_cast<int>(j);
      return from;
    }
    if (r->oldToNew.size() != before || r->newCount != after) {
      fail(std::string("the ") + list + " list change says " + std::to_string(r->oldToNew.size()) +
           " -> " + std::to_string(r->newCount) + " records, the list went from " +
           std::to_string(before) + " to " + std::to_string(after));
      return {};
    }
    for (std::size_t i = 0; i < before; ++i) {
      const int j = r->oldToNew[i];
      if (j < 0) continue;
      if (static_cast<std::size_t>(j) >= after || from[static_cast<std::size_t>(j)] != -1) {
        fail(std::string("the ") + list + " list change sends record " + std::to_string(i) +
             " to line " + std::to_string(j) + ", which is taken or beyond the list");
        return {};
      }
      from[static_cast<std::size_t>(j)] = static_cast<int>(i);
    }
    for (int j : r->inserted) {
      if (j < 0 || static_cast<std::size_t>(j) >= after ||
          from[static_cast<std::size_t>(j)] != -1) {
        fail(std::string("the ") + list + " list change inserts line " + std::to_string(j) +
             ", which is taken or beyond the list");
        return {};
      }
      from[static_cast<std::size_t>(j)] = -2;
    }
    for (std::size_t j = 0; j < after; ++j)
      if (from[j] == -1) {
        fail(std::string("the ") + list + " list change does not say where line " +
             std::to_string(j) + " comes from");
        return {};
      }
    return from;
  }

  // Record `j` of `kind` (after) against what it was (before): every differing byte must lie in a
  // record and range the notice names.
  void recordBytes(RecordKind kind, int j, model::CBytes before, model::CBytes after,
                   const ChangeSet& c, const std::string& how) {
    if (sameBytes(before, after)) return;
    std::size_t first = 0;
    while (before[first] == after[first]) ++first;
    std::size_t last = before.size();
    while (before[last - 1] == after[last - 1]) --last;
    const std::string where = std::string(kindName(kind)) + " " + std::to_string(j) + " bytes " +
                              std::to_string(first) + ".." + std::to_string(last);
    if (!c.touchesRecord(kind, j)) {
      fail(where + " changed " + (how.empty() ? "but the notice does not name the record" : how));
      return;
    }
    const auto& r = c.of(kind);
    if (first < r.begin || last > r.end)
      fail(where + " changed, the notice names bytes " + std::to_string(r.begin) + ".." +
           std::to_string(r.end));
  }

  void compare(const State& a, const State& b, const ChangeSet& c, const std::string& how) {
    const model::Mission& x = a.mission;
    const model::Mission& y = b.mission;
    const std::vector<int> groups = origins(x.flightGroups.size(), y.flightGroups.size(),
                                            c.flightGroupList, "flight-group", how);
    const std::vector<int> messages =
        origins(x.messages.size(), y.messages.size(), c.messageList, "message", how);
    if (!ok()) return;
    auto bytesOf = [](const model::Mission& m, RecordKind k, int i) {
      return model::recordBytes(m, k, i);
    };
    for (std::size_t j = 0; j < groups.size() && ok(); ++j) {
      const int i = groups[j];
      if (i < 0) continue;
      const int n = static_cast<int>(j);
      recordBytes(RecordKind::FlightGroup, n, bytesOf(x, RecordKind::FlightGroup, i),
                  bytesOf(y, RecordKind::FlightGroup, n), c, how);
      recordBytes(RecordKind::FlightGroupGoalStrings, n,
                  bytesOf(x, RecordKind::FlightGroupGoalStrings, i),
                  bytesOf(y, RecordKind::FlightGroupGoalStrings, n), c, how);
      if (x.flightGroups[static_cast<std::size_t>(i)].autoLink != y.flightGroups[j].autoLink &&
          !(c.autoLink && c.touchesRecord(RecordKind::FlightGroup, n)))
        fail("the auto-link flag of flight group " + std::to_string(j) + " changed " +
             (how.empty() ? "but the notice does not name it" : how));
    }
    for (std::size_t j = 0; j < messages.size() && ok(); ++j) {
      const int i = messages[j];
      if (i < 0) continue;
      recordBytes(RecordKind::Message, static_cast<int>(j), bytesOf(x, RecordKind::Message, i),
                  bytesOf(y, RecordKind::Message, static_cast<int>(j)), c, how);
    }
    for (RecordKind k : {RecordKind::Header, RecordKind::GlobalGoal, RecordKind::Team,
                         RecordKind::Briefing, RecordKind::GlobalGoalStrings, RecordKind::TeamIff})
      for (int i = 0; i < model::recordCount(y, k) && ok(); ++i)
        recordBytes(k, i, bytesOf(x, k, i), bytesOf(y, k, i), c, how);
    if (!ok()) return;
    recordBytes(RecordKind::FlightGroupBuffer, 0, a.buffer.span(), b.buffer.span(), c, how);
    for (std::size_t i = 0; i < model::BriefingCount && ok(); ++i)
      if ((x.briefings[i].tags != y.briefings[i].tags ||
           x.briefings[i].strings != y.briefings[i].strings) &&
          !(c.briefingText && c.touchesRecord(RecordKind::Briefing, static_cast<int>(i))))
        fail("the texts of briefing " + std::to_string(i) + " changed " +
             (how.empty() ? "but the notice does not name them" : how));
    for (auto id : {model::TextBlockId::Description, model::TextBlockId::SuccessDebrief,
                    model::TextBlockId::FailureDebrief})
      if (!(model::textBlock(x, id) == model::textBlock(y, id)) &&
          !c.textBlocks[static_cast<std::size_t>(id)])
        fail("text block " + std::to_string(static_cast<int>(id)) + " changed " +
             (how.empty() ? "but the notice does not name it" : how));
    if (x.platformId != y.platformId && !c.format)
      fail("the format changed " +
           (how.empty() ? std::string("but the notice does not say so") : how));
    if (x.trailingBytes != y.trailingBytes) fail("the bytes after the last block changed");
    soundsFollow(x.sounds, y.sounds, messages, c, how);
    if (ok()) fileImage(a, b, groups, messages, c, how);
  }

  // Without a notice of the sound list its entries stay with their messages.
  void soundsFollow(const std::vector<std::string>& x, const std::vector<std::string>& y,
                    const std::vector<int>& messages, const ChangeSet& c, const std::string& how) {
    if (c.sounds || !ok()) return;
    if (!c.messageList) {
      if (x != y)
        fail("the sound list changed " +
             (how.empty() ? std::string("but the notice does not say so") : how));
      return;
    }
    for (std::size_t j = 0; j < y.size() && j < messages.size(); ++j) {
      const int i = messages[j];
      if (i < 0 || static_cast<std::size_t>(i) >= x.size()) continue;
      if (x[static_cast<std::size_t>(i)] != y[j])
        fail("the sound entry of message " + std::to_string(j) +
             " did not follow its message, and the notice does not name the sound list");
    }
  }

  // The file image, part by part: a part that differs belongs to a record the notice names.
  void fileImage(const State& a, const State& b, const std::vector<int>& groups,
                 const std::vector<int>& messages, const ChangeSet& c, const std::string& how) {
    if (a.file() == b.file()) return;
    const std::vector<Section> xs = sectionsOf(a.mission, a.file().size());
    const std::vector<Section> ys = sectionsOf(b.mission, b.file().size());
    if (ys.back().end != b.file().size()) {
      fail("the file image is not laid out as its records say");
      return;
    }
    auto find = [&](Part p, int i) -> const Section* {
      for (const Section& s : xs)
        if (s.part == p && s.index == i) return &s;
      return nullptr;
    };
    for (const Section& s : ys) {
      int i = s.index;
      bool named = false;
      switch (s.part) {
        case Part::Platform:
          named = c.format;
          break;
        case Part::Header:
          named = c.touchesRecord(RecordKind::Header, 0);
          break;
        case Part::FlightGroup:
          i = groups[static_cast<std::size_t>(s.index)];
          named = c.touchesRecord(RecordKind::FlightGroup, s.index);
          break;
        case Part::GoalStrings:
          i = groups[static_cast<std::size_t>(s.index)];
          named = c.touchesRecord(RecordKind::FlightGroupGoalStrings, s.index);
          break;
        case Part::Message:
          i = messages[static_cast<std::size_t>(s.index)];
          named = c.touchesRecord(RecordKind::Message, s.index);
          break;
        case Part::GlobalGoal:
          named = c.touchesRecord(RecordKind::GlobalGoal, s.index);
          break;
        case Part::Team:
          named = c.touchesRecord(RecordKind::Team, s.index);
          break;
        case Part::Briefing:
          named = c.touchesRecord(RecordKind::Briefing, s.index);
          break;
        case Part::GlobalGoalStrings:
          named = c.touchesRecord(RecordKind::GlobalGoalStrings, s.index);
          break;
        case Part::TextBlocks:
          named = c.format || c.textBlocks[0] || c.textBlocks[1] || c.textBlocks[2];
          break;
        case Part::Trailing:
          break;
      }
      if (named || i == -2) continue;
      const Section* t = find(s.part, i);
      if (!t || !sameBytes(model::CBytes(a.file()).subspan(t->begin, t->end - t->begin),
                           model::CBytes(b.file()).subspan(s.begin, s.end - s.begin))) {
        fail(std::string("the file's ") + PartNames[static_cast<std::size_t>(s.part)] + " " +
             std::to_string(s.index) + " changed " +
             (how.empty() ? "but the notice does not name it" : how));
        return;
      }
    }
  }

  void checkDerived(const model::Mission& m) {
    if (!ok()) return;
    // The derived values come from the flight groups, the messages and the header alone.
    model::Mission fresh;
    fresh.platformId = m.platformId;
    fresh.header = m.header;
    fresh.flightGroups = m.flightGroups;
    fresh.messages = m.messages;
    model::refreshDerived(fresh, ChangeSet::wholeMission());
    for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
      if (!(fresh.flightGroups[i].heading == m.flightGroups[i].heading) ||
          fresh.flightGroups[i].lastRoutePoint != m.flightGroups[i].lastRoutePoint)
        return fail("the heading of flight group " + std::to_string(i) + " is stale");
    if (!(fresh.mapCentre == m.mapCentre) || !(fresh.mapExtent == m.mapExtent))
      return fail("the map box is stale");
    for (std::size_t i = 0; i < m.messages.size(); ++i)
      if (fresh.messages[i].sentToAnyTeam != m.messages[i].sentToAnyTeam)
        return fail("the sent-to-any-team flag of message " + std::to_string(i) + " is stale");
    if (!(fresh.header == m.header)) return fail("the header's counts are stale");
  }

  void checkSelection() {
    if (!ok()) return;
    for (ListKind list : {ListKind::FlightGroups, ListKind::Messages}) {
      const model::Selection& s = doc_.selection(list);
      const int n = static_cast<int>(model::listSize(doc_.mission(), list));
      const char* name = list == ListKind::FlightGroups ? "flight-group" : "message";
      const bool ordered =
          std::is_sorted(s.selected.begin(), s.selected.end()) &&
          std::adjacent_find(s.selected.begin(), s.selected.end()) == s.selected.end();
      const bool inside =
          std::all_of(s.selected.begin(), s.selected.end(), [n](int i) { return i >= 0 && i < n; });
      if (!ordered || !inside)
        return fail(std::string("the ") + name + " selection names lines that do not exist");
      if (n > 0 && (s.current < 0 || s.current >= n ||
                    !std::binary_search(s.selected.begin(), s.selected.end(), s.current)))
        return fail(std::string("the current ") + name + " line is not a selected record");
    }
    if (doc_.currentPoint() < 0 || doc_.currentPoint() >= static_cast<int>(model::PointCount))
      fail("the current point does not exist");
  }

  // The flight-group list as its page redraws it on a notice.
  void redrawLines(const ChangeSet& c) {
    const app::Changes what = app::topicsOf(c);
    const model::Mission& m = doc_.mission();
    if (what & (app::FlightGroupList | app::TeamFields | app::HeaderFields | app::Format)) {
      lines_ = editing::listLines(m, vocabulary(), true);
    } else if (what & app::FlightGroupFields) {
      for (int r : editing::staleListLines(m, c))
        if (static_cast<std::size_t>(r) < lines_.size())
          lines_[static_cast<std::size_t>(r)] =
              editing::listLine(m, vocabulary(), static_cast<std::size_t>(r), true);
    }
  }

  void checkLines() {
    const std::vector<std::string> fresh = editing::listLines(doc_.mission(), vocabulary(), true);
    if (fresh.size() != lines_.size()) return fail("the flight-group list has lost its length");
    for (std::size_t i = 0; i < fresh.size(); ++i)
      if (fresh[i] != lines_[i])
        return fail("the flight-group list shows \"" + lines_[i] + "\" for line " +
                    std::to_string(i) + ", which now reads \"" + fresh[i] + "\"");
  }

  void checkChanged() {
    if (!doc_.isChanged() && last_.file() != saved_)
      fail("the file differs from the one saved but the document does not count as changed");
  }

  MissionDocument& doc_;
  bool savesByNotice_;
  QObject guard_;  // the connections end with the watch
  State last_, start_;
  std::vector<std::string> lines_;
  std::vector<std::uint8_t> saved_;
  std::string finding_, operation_ = "start";
  int operations_ = 0;
  bool changed_ = false;
};

namespace {

class Run {
 public:
  explicit Run(const Options& options) : options_(options) {}

  Result go(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const model::Mission* m = generated(in.u16());
    if (!m) {
      result_.finding = "a generated mission is refused";
      return result_;
    }
    doc_.replaceMission(model::Mission(*m), "edits.kre", true);
    w_ = std::make_unique<DocumentWatch::Impl>(doc_, false);
    while (!in.done() && w_->ok() &&
           static_cast<std::size_t>(result_.operations) < options_.maxOperations) {
      step(Weighted[static_cast<std::size_t>(in.below(std::size(Weighted)))], in);
    }
    if (w_->ok()) {
      trace_.push_back("undo to the start, redo to the end, save and load");
      w_->finish();
    }
    result_.finding = w_->finding();
    if (!result_.ok()) result_.trace.assign(trace_.begin(), trace_.end());
    return result_;
  }

 private:
  // The small generated mission of `seed`, kept: the fuzzer asks for the same few again and
  // again, and generating one costs more than most sequences.
  static const model::Mission* generated(std::uint16_t seed) {
    static std::unordered_map<std::uint16_t, std::optional<model::Mission>> made;
    if (made.size() > 512) made.clear();  // some 100 KB each
    auto [it, fresh] = made.try_emplace(seed);
    if (fresh) {
      testgen::GeneratorLimits limits;
      limits.maxFlightGroups = 6;
      limits.maxMessages = 6;
      limits.maxStringLength = 24;
      limits.maxTrailingBytes = 8;
      model::Mission m;
      if (model::readMission(testgen::randomMissionFile(seed, limits), m).ok())
        it->second = std::move(m);
    }
    return it->second ? &*it->second : nullptr;
  }

  // ---- Operations ---------------------------------------------------------------------------

  void step(Op op, Input& in) {
    const char* name = OpNames[static_cast<std::size_t>(op)];
    trace_.push_back(name);
    ++result_.operations;
    w_->beginOperation(name);
    w_->takeChanged();
    const int steps = doc_.undoStack()->count();
    apply(op, in);
    w_->endOperation();
    if (!w_->ok()) return;
    // An operation that changes nothing is no step (a move of two equal records changes the
    // order all the same).
    const bool history = op == Op::Undo || op == Op::Redo || op == Op::Gesture ||
                         op == Op::MoveFlightGroupsUp || op == Op::MoveFlightGroupsDown ||
                         op == Op::MoveMessagesUp || op == Op::MoveMessagesDown;
    if (!w_->takeChanged() && !history && doc_.undoStack()->count() > steps)
      w_->fail("an operation that changed nothing made an undo step");
  }

  void apply(Op op, Input& in) {
    QUndoStack* stack = doc_.undoStack();
    const model::Mission& m = doc_.mission();
    switch (op) {
      case Op::FieldWrite:
        fieldWrite(in, false);
        break;
      case Op::TextWrite:
        fieldWrite(in, true);
        break;
      case Op::RuleEdit:
        ruleEdit(in);
        break;
      case Op::NewFlightGroup:
        doc_.newFlightGroup();
        break;
      case Op::DeleteFlightGroups:
        doc_.deleteFlightGroups();
        break;
      case Op::MoveFlightGroupsUp:
        doc_.moveFlightGroupsUp();
        break;
      case Op::MoveFlightGroupsDown:
        doc_.moveFlightGroupsDown();
        break;
      case Op::CopyFlightGroup:
        doc_.copyFlightGroup();
        break;
      case Op::CutFlightGroups:
        doc_.cutFlightGroups();
        break;
      case Op::PasteFlightGroup:
        doc_.pasteFlightGroup();
        break;
      case Op::CopyMessages:
        copyMessages();
        break;
      case Op::CutMessages:
        if (m.messages.empty()) break;
        copyMessages();
        messageListOp(Op::DeleteMessages);
        break;
      case Op::NewMessage:
      case Op::DeleteMessages:
      case Op::MoveMessagesUp:
      case Op::MoveMessagesDown:
      case Op::PasteMessages:
        messageListOp(op);
        break;
      case Op::SelectFlightGroups:
      case Op::SelectMessages: {
        const ListKind list =
            op == Op::SelectFlightGroups ? ListKind::FlightGroups : ListKind::Messages;
        const std::size_t n = model::listSize(m, list);
        std::vector<int> lines;
        for (int k = in.below(4); k >= 0; --k) lines.push_back(in.below(n + 1));
        doc_.select(list, lines, in.below(n + 2) - 1);
        break;
      }
      case Op::CurrentPoint:
        doc_.setCurrentPoint(in.below(model::PointCount));
        break;
      case Op::TextBlock: {
        const auto block = static_cast<model::TextBlockId>(in.below(3));
        std::string memo = in.text(48);
        if (in.flag()) memo += "\r\nline$";
        doc_.setTextBlock(block, memo);
        break;
      }
      case Op::Format:
        doc_.setFormat(in.flag() ? model::FormatBase : model::FormatExpansion);
        break;
      case Op::BriefingInstructions:
        briefingInstructions(in);
        break;
      case Op::BriefingText: {
        const int b = in.below(model::BriefingCount);
        const bool tags = in.flag();
        const int row = in.below(model::briefing::StringCount);
        std::string text = in.text(24);
        doc_.apply(QStringLiteral("Edit briefing text"), model::ChangedFlag::Mission,
                   [&](model::MissionEdit& e) { e.setBriefingText(b, tags, row, text); });
        break;
      }
      case Op::WholeBriefing: {
        const int from = in.below(model::BriefingCount);
        const int to = in.below(model::BriefingCount);
        const int what = in.below(3);
        doc_.editContent(QStringLiteral("Briefing"), model::ChangedFlag::Mission,
                         [&](model::Mission& w) {
                           if (what == 0)
                             briefing::copyBriefing(w, from, to);
                           else if (what == 1)
                             briefing::copyIconPositions(w, from, to);
                           else
                             briefing::setIconsToStart1(w, to);
                         });
        break;
      }
      case Op::Sounds: {
        std::vector<std::string> sounds;
        for (int k = in.below(m.messages.size() + 3); k > 0; --k)
          sounds.push_back(in.flag() ? std::string() : "wave" + std::to_string(in.byte()));
        doc_.setSounds(std::move(sounds));
        break;
      }
      case Op::AutoLinkAll:
        doc_.setAutoLinkAll(in.flag());
        break;
      case Op::Gesture:
        gesture(in);
        break;
      case Op::Undo:
        for (int k = in.below(3); k >= 0; --k) stack->undo();
        break;
      case Op::Redo:
        for (int k = in.below(3); k >= 0; --k) stack->redo();
        break;
      case Op::Save:
        doc_.markSaved(doc_.fileName());
        w_->saved();
        break;
      case Op::Count:
        break;
    }
  }

  // A typed write of one field (or text field) into one, several or the selected records.
  void fieldWrite(Input& in, bool textOnly) {
    const RecordKind kind = AllKinds[static_cast<std::size_t>(in.below(AllKinds.size()))];
    const std::vector<Leaf>& leaves = leavesOf(kind, textOnly);
    if (leaves.empty()) return;
    const auto own = static_cast<std::size_t>(
        std::count_if(leaves.begin(), leaves.end(), [](const Leaf& l) { return !l.nested; }));
    const std::size_t choices = in.flag() && own > 0 ? own : leaves.size();
    const Leaf& l = leaves[static_cast<std::size_t>(in.below(choices))];
    const std::vector<int> records = pickRecords(kind, in);
    QString key;
    switch (in.below(4)) {
      case 1:  // typing into one control
        key = QStringLiteral("%1:%2").arg(kindName(kind)).arg(l.offset);
        break;
      case 2:  // one key for every field
        key = QStringLiteral("typing");
        break;
      default:
        break;
    }
    const auto index = static_cast<std::size_t>(in.below(std::max<std::size_t>(l.count, 1)));
    long long value = 0;
    switch (in.below(8)) {
      case 0:
        value = l.min;
        break;
      case 1:
        value = l.max;
        break;
      case 2:
        value = static_cast<long long>(l.min) - 1;
        break;
      case 3:
        value = static_cast<long long>(l.max) + 1;
        break;
      case 4:
        break;
      case 5:  // the small numbers that make records refer to each other
        value = 1 + in.below(3);
        break;
      default:
        value = static_cast<std::int16_t>(in.u16());
        break;
    }
    if (!trace_.empty()) {
      std::string& t = trace_.back();
      t += std::string(" ") + kindName(kind) + "[";
      for (int r : records) t += std::to_string(r) + (r == records.back() ? "" : ",");
      t += "]." + std::string(l.name) + "@" + std::to_string(l.offset) + "[" +
           std::to_string(index) + "]=" + std::to_string(value) +
           (key.isEmpty() ? "" : " merging " + key.toStdString());
    }
    switch (l.kind) {
      case model::Kind::U8:
        doc_.setField(kind, records,
                      model::Field<std::uint8_t>{l.name, l.offset, l.count, l.min, l.max}, value,
                      index, key);
        break;
      case model::Kind::I8:
        doc_.setField(kind, records,
                      model::Field<std::int8_t>{l.name, l.offset, l.count, l.min, l.max}, value,
                      index, key);
        break;
      case model::Kind::U16:
        doc_.setField(kind, records,
                      model::Field<std::uint16_t>{l.name, l.offset, l.count, l.min, l.max}, value,
                      index, key);
        break;
      case model::Kind::I16:
        doc_.setField(kind, records,
                      model::Field<std::int16_t>{l.name, l.offset, l.count, l.min, l.max}, value,
                      index, key);
        break;
      case model::Kind::Raw:
        doc_.setField(kind, records, model::Field<std::uint8_t>{l.name, l.offset, l.width},
                      static_cast<std::uint8_t>(value), static_cast<std::size_t>(in.below(l.width)),
                      key);
        break;
      case model::Kind::Text: {
        const model::TextField f{l.name, l.offset, l.width, l.width - 1};
        const std::string text = in.text(l.width + 2);
        std::vector<MissionDocument::FieldWrite> writes;
        for (int r : records) writes.push_back(MissionDocument::textWrite(kind, r, f, text));
        doc_.setFields(QStringLiteral("Edit text"), writes, key);
        break;
      }
      case model::Kind::Record:
        break;
    }
  }

  // The records a write goes to: the selection of a list, one record (perhaps one past the
  // end, which a write leaves out) or a few.
  std::vector<int> pickRecords(RecordKind kind, Input& in) {
    const std::size_t n = static_cast<std::size_t>(doc_.recordCount(kind));
    const int mode = in.below(4);
    if (mode == 0 &&
        (kind == RecordKind::FlightGroup || kind == RecordKind::FlightGroupGoalStrings))
      return doc_.selectedFlightGroups();
    if (mode == 0 && kind == RecordKind::Message) return doc_.selectedMessages();
    std::vector<int> out{in.below(n + 1)};
    if (mode == 1)
      for (int k = in.below(3); k > 0; --k) out.push_back(in.below(n + 1));
    return out;
  }

  // Edits that follow rules, as the pages make them.
  void ruleEdit(Input& in) {
    const auto value = in.byte();
    switch (in.below(4)) {
      case 0:
        doc_.editFlightGroups(QStringLiteral("Edit Craft Type"),
                              [value](const model::Mission& m, model::FlightGroup& g) {
                                g.set(model::fg::CraftType, value);
                                if (g.autoLink) editing::applyCraftTypeAutoLink(m, g);
                              });
        break;
      case 1:
        doc_.editFlightGroups(QStringLiteral("Edit Craft Count"), [value](const model::Mission&,
                                                                          model::FlightGroup& g) {
          g.set(model::fg::SpecialCraft,
                editing::specialCraftAfterCount(g.get(model::fg::SpecialCraft),
                                                g.get(model::fg::CraftCount), value));
          g.set(model::fg::CraftCount, value);
        });
        break;
      case 2:
        doc_.editMessages(
            QStringLiteral("Edit Color"), [value](const model::Mission&, model::Message& msg) {
              msg.set(model::message::Color, static_cast<std::uint8_t>('0' + value % 4));
            });
        break;
      default:
        doc_.editFlightGroups(
            QStringLiteral("Auto-link"),
            [](const model::Mission&, model::FlightGroup& g) { g.autoLink = !g.autoLink; });
        break;
    }
  }

  // The message list's operations as its page runs them.
  void messageListOp(Op op) {
    const model::Selection sel = doc_.selection(ListKind::Messages);
    const editing::MessageSelection s{sel.selected, sel.current};
    const model::Mission& m = doc_.mission();
    std::function<editing::MessageSelection(model::Mission&)> fn;
    QString text;
    const model::Message tmpl = doc_.newMessageTemplate();
    switch (op) {
      case Op::NewMessage:
        text = QStringLiteral("New message");
        fn = [&](model::Mission& w) { return editing::addMessage(w, tmpl, w.sounds); };
        break;
      case Op::DeleteMessages:
        text = QStringLiteral("Delete messages");
        fn = [&](model::Mission& w) { return editing::deleteMessages(w, s, w.sounds); };
        break;
      case Op::PasteMessages:
        if (copiedMessages_.empty()) return;
        text = QStringLiteral("Paste messages");
        fn = [&](model::Mission& w) {
          return editing::pasteMessages(w, copiedMessages_, w.sounds);
        };
        break;
      case Op::MoveMessagesUp:
        if (!editing::canMoveMessagesUp(m, s)) return;
        text = QStringLiteral("Move messages up");
        fn = [&](model::Mission& w) { return editing::moveMessagesUp(w, s, w.sounds); };
        break;
      default:
        if (!editing::canMoveMessagesDown(m, s)) return;
        text = QStringLiteral("Move messages down");
        fn = [&](model::Mission& w) { return editing::moveMessagesDown(w, s, w.sounds); };
        break;
    }
    doc_.applyListOp(text, model::ChangedFlag::Mission, ListKind::Messages,
                     [&](model::MissionEdit& e) {
                       editing::MessageSelection after;
                       e.modifyContent([&](model::Mission& w) { after = fn(w); });
                       return model::Selection{after.selected, after.current};
                     });
  }

  // The selected messages into the messages' own copy buffer (no undo step).
  void copyMessages() {
    const std::vector<model::Message>& all = doc_.mission().messages;
    std::vector<model::Message> copied;
    for (int i : doc_.selectedMessages())
      if (i >= 0 && i < static_cast<int>(all.size()))
        copied.push_back(all[static_cast<std::size_t>(i)]);
    if (!copied.empty()) copiedMessages_ = std::move(copied);
  }

  // An edit of a briefing's instruction list as the briefing editor makes it.
  void briefingInstructions(Input& in) {
    const int b = in.below(model::BriefingCount);
    int selected = in.below(64);
    briefing::CommandList list =
        briefing::instructionList(doc_.mission().briefings[static_cast<std::size_t>(b)], &selected)
            .commands;
    if (list.empty()) return;
    selected = std::clamp(selected, 0, static_cast<int>(list.size()) - 1);
    std::string message;
    switch (in.below(6)) {
      case 0:
        briefing::insertOnList(list, selected, in.below(briefing::CodeCount), message);
        break;
      case 1:
        if (!briefing::canDelete(list, selected)) return;
        list.erase(list.begin() + selected);
        break;
      case 2:
        if (!briefing::canMoveUp(list, selected)) return;
        briefing::moveUp(list, selected);
        break;
      case 3:
        if (!briefing::canMoveDown(list, selected)) return;
        briefing::moveDown(list, selected);
        break;
      case 4:
        briefing::stepTime(list, selected, static_cast<std::int8_t>(in.byte()), in.flag());
        break;
      default:
        briefing::typeX(list[static_cast<std::size_t>(selected)], std::to_string(in.byte()));
        break;
    }
    briefing::sortByTime(list, selected);
    if (briefing::wordCount(list) > briefing::MaxWords) return;
    doc_.apply(QStringLiteral("Edit instruction"), model::ChangedFlag::Mission,
               [&](model::MissionEdit& e) { briefing::storeList(e, b, list); });
  }

  // A gesture: a few edits as one step, committed or cancelled.
  void gesture(Input& in) {
    const State start = w_->last();
    const int count = doc_.undoStack()->count();
    const int index = doc_.undoStack()->index();
    doc_.beginTransaction(QStringLiteral("gesture"),
                          in.flag() ? QStringLiteral("Move craft") : QString());
    for (int k = in.below(6); k >= 0 && w_->ok(); --k) {
      const Op op = GestureOps[static_cast<std::size_t>(in.below(std::size(GestureOps)))];
      trace_.push_back(OpNames[static_cast<std::size_t>(op)]);
      if (op == Op::FieldWrite && in.flag()) {
        moveCraft(in);
      } else {
        apply(op, in);
      }
      w_->settle();
    }
    if (in.flag()) {
      trace_.push_back("cancel");
      doc_.cancelTransaction();
      w_->settle();
      if (!w_->ok()) return;
      if (const std::string d = contentDifference(start, w_->last()); !d.empty())
        w_->fail("a cancelled gesture leaves a change behind: " + d);
      if (doc_.undoStack()->count() != count || doc_.undoStack()->index() != index)
        w_->fail("a cancelled gesture leaves a step behind");
    } else {
      trace_.push_back("commit");
      doc_.commitTransaction();
      if (doc_.undoStack()->count() > count + 1) w_->fail("a gesture made more than one step");
    }
  }

  // A drag of several craft: each its own point, one step.
  void moveCraft(Input& in) {
    const std::size_t n = doc_.mission().flightGroups.size();
    const auto point = static_cast<std::size_t>(doc_.currentPoint());
    std::vector<MissionDocument::FieldWrite> writes;
    for (int k = in.below(4); k >= 0; --k) {
      const int g = in.below(n + 1);
      writes.push_back(MissionDocument::fieldWrite(RecordKind::FlightGroup, g, model::fg::WaypointX,
                                                   static_cast<std::int16_t>(in.u16()), point));
      writes.push_back(MissionDocument::fieldWrite(RecordKind::FlightGroup, g, model::fg::WaypointY,
                                                   static_cast<std::int16_t>(in.u16()), point));
    }
    doc_.setFields(QStringLiteral("Move craft"), writes);
  }

  Options options_;
  std::vector<model::Message> copiedMessages_;
  MissionDocument doc_;
  std::unique_ptr<DocumentWatch::Impl> w_;
  std::vector<std::string> trace_;
  Result result_;
};

}  // namespace

DocumentWatch::DocumentWatch(app::MissionDocument& doc, bool savesByNotice)
    : impl_(std::make_unique<Impl>(doc, savesByNotice)) {}
DocumentWatch::~DocumentWatch() = default;

void DocumentWatch::beginOperation(const std::string& name) {
  impl_->beginOperation(name);
}

void DocumentWatch::endOperation() {
  impl_->endOperation();
}

void DocumentWatch::saved() {
  impl_->saved();
}

void DocumentWatch::finish() {
  impl_->finish();
}

const std::string& DocumentWatch::finding() const {
  return impl_->finding();
}

Result run(const std::uint8_t* script, std::size_t size, const Options& options) {
  Run r(options);
  return r.go(script, size);
}

}  // namespace editseq
