#include "briefing/editing.h"

#include <algorithm>
#include <cmath>

namespace briefing {

namespace fg = model::fg;
namespace rec = model::briefing;

void sortByTime(CommandList& list, int& selected) {
  const int n = static_cast<int>(list.size());
  for (int i = 0; i + 1 < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (list[j].time < list[i].time) {
        std::swap(list[i], list[j]);
        if (selected == i)
          selected = j;
        else if (selected == j)
          selected = i;
      }
}

Decoded instructionList(const model::Briefing& b, int* selected) {
  Decoded d = decode(b);
  int none = 0;
  int& sel = selected ? *selected : none;
  sel = std::clamp(sel, 0, static_cast<int>(d.commands.size()) - 1);
  sortByTime(d.commands, sel);
  return d;
}

namespace {

int nextSlot(const CommandList& list, int before, int clearCode, int first, int last, bool& full) {
  int highest = 0;
  for (int i = 0; i < before && i < static_cast<int>(list.size()); ++i) {
    const int c = list[i].code;
    if (c == clearCode) highest = 0;
    if (c >= first && c <= last) highest = std::max(highest, c);
  }
  full = highest == last;
  if (highest == 0 || full) return first;
  return highest + 1;
}

std::string slotMessage(int code, bool full) {
  if (!full) return "";
  return isBox(code) ? BoxesInUseMessage : TagsInUseMessage;
}

int withSlot(const CommandList& list, int before, int code, std::string& message) {
  bool full = false;
  if (isBox(code)) code = nextBoxCode(list, before, full);
  if (isTag(code)) code = nextTagCode(list, before, full);
  message = slotMessage(code, full);
  return code;
}

}  // namespace

int nextBoxCode(const CommandList& list, int before, bool& full) {
  return nextSlot(list, before, ClearBoxes, FirstBox, LastBox, full);
}

int nextTagCode(const CommandList& list, int before, bool& full) {
  return nextSlot(list, before, ClearTags, FirstTag, LastTag, full);
}

Command newCommand(int code, int time) {
  Command c;
  c.time = static_cast<std::uint16_t>(std::clamp(time, 0, MaxTime));
  c.code = static_cast<std::uint16_t>(code);
  if (code == ZoomMap) c.x = c.y = 32;
  return c;
}

int insertOnList(CommandList& list, int selected, int code, std::string& message) {
  const int n = static_cast<int>(list.size());
  selected = std::clamp(selected, 0, std::max(0, n - 1));
  int time = 0;
  if (n > 0 && selected > 0)
    time = selected == n - 1 ? list[selected - 1].time : list[selected].time;
  code = withSlot(list, selected, code, message);
  list.insert(list.begin() + std::min(selected, n), newCommand(code, time));
  return selected;
}

int insertAtTime(CommandList& list, int selected, int code, int t, std::string& message) {
  const int n = static_cast<int>(list.size());
  int at = n > 0 ? n - 1 : 0;
  for (int i = std::max(0, selected + 1); i < n - 1; ++i)
    if (list[i].time > t) {
      at = i;
      break;
    }
  code = withSlot(list, at, code, message);
  list.insert(list.begin() + at, newCommand(code, t));
  return at;
}

bool canDelete(const CommandList& list, int selected) {
  return list.size() >= 2 && selected >= 0 && selected < static_cast<int>(list.size()) - 1;
}

bool canMoveUp(const CommandList& list, int selected) {
  return selected > 0 && selected < static_cast<int>(list.size()) - 1;
}

bool canMoveDown(const CommandList& list, int selected) {
  return selected >= 0 && selected < static_cast<int>(list.size()) - 2;
}

namespace {
void exchange(CommandList& list, int a, int b) {
  std::swap(list[a], list[b]);
  std::swap(list[a].time, list[b].time);
}
}  // namespace

void moveUp(CommandList& list, int& selected) {
  if (!canMoveUp(list, selected)) return;
  exchange(list, selected, selected - 1);
  --selected;
}

void moveDown(CommandList& list, int& selected) {
  if (!canMoveDown(list, selected)) return;
  exchange(list, selected, selected + 1);
  ++selected;
}

void stepTime(CommandList& list, int selected, int delta, bool following) {
  const int n = static_cast<int>(list.size());
  if (selected < 0 || selected >= n || delta == 0) return;
  if (following) {
    for (int i = selected + 1; i < n - 1; ++i) {
      const int t = list[i].time;
      if (delta > 0)
        list[i].time = static_cast<std::uint16_t>(std::min(t + delta, MaxTime));
      else if (t > -delta)
        list[i].time = static_cast<std::uint16_t>(t + delta);
    }
  }
  list[selected].time =
      static_cast<std::uint16_t>(std::clamp(list[selected].time + delta, 0, MaxTime));
}

void chooseParameter(Command& c, int choice, const model::Mission& m, int b) {
  if (choice < 0) return;
  if (c.code == ZoomMap) {
    const int at = std::min(choice, static_cast<int>(ZoomPresets.size()) - 1);
    c.x = c.y = static_cast<std::int16_t>(ZoomPresets[static_cast<std::size_t>(at)].zoom);
    return;
  }
  c.index = static_cast<std::uint16_t>(choice);
  if (c.code == MoveMap && choice < static_cast<int>(m.flightGroups.size())) {
    const std::size_t point = model::Briefing1 + static_cast<std::size_t>(b);
    c.x = static_cast<std::int16_t>(m.flightGroups[static_cast<std::size_t>(choice)].x(point));
    c.y = static_cast<std::int16_t>(m.flightGroups[static_cast<std::size_t>(choice)].y(point));
  }
}

int zoomPreset(int zoom) {
  for (std::size_t i = 0; i < ZoomPresets.size(); ++i)
    if (ZoomPresets[i].zoom == zoom) return static_cast<int>(i);
  return -1;
}

std::vector<int> pickerRows(const std::array<std::string, model::briefing::StringCount>& rows,
                            int keep) {
  std::vector<int> out;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (!rows[i].empty() || static_cast<int>(i) == keep) out.push_back(static_cast<int>(i));
  return out;
}

namespace {
bool fitsWord(int v) {
  return v >= -32768 && v <= 32767;
}
}  // namespace

bool typeX(Command& c, const std::string& text) {
  int v = 0;
  const bool zoom = c.code == ZoomMap;
  if (!(zoom ? parseWhole(text, v) : parseKm(text, v)) || !fitsWord(v)) return false;
  c.x = static_cast<std::int16_t>(v);
  if (zoom) c.y = c.x;
  return true;
}

bool typeY(Command& c, const std::string& text) {
  int v = 0;
  if (!parseKm(text, v) || !fitsWord(v)) return false;
  c.y = static_cast<std::int16_t>(v);
  return true;
}

bool storeList(model::MissionEdit& e, int b, const CommandList& list) {
  model::Briefing copy = e.mission().briefings[static_cast<std::size_t>(b)];
  const bool cut = encode(list, copy);
  e.patchDiff(model::RecordKind::Briefing, b, 0, copy.bytes);
  return cut;
}

void copyBriefing(model::Mission& m, int from, int to) {
  if (from == to) return;
  model::Briefing copy = m.briefings[from];
  copy.set(rec::TeamVisible, model::u8{0}, static_cast<std::size_t>(from));
  copy.set(rec::TeamVisible, model::u8{1}, static_cast<std::size_t>(to));
  m.briefings[to] = copy;
}

namespace {
void copyPoint(model::FlightGroup& g, std::size_t from, std::size_t to) {
  g.set(fg::WaypointX, g.get(fg::WaypointX, from), to);
  g.set(fg::WaypointY, g.get(fg::WaypointY, from), to);
  g.set(fg::WaypointZ, g.get(fg::WaypointZ, from), to);
}
}  // namespace

void copyIconPositions(model::Mission& m, int from, int to) {
  if (from == to) return;
  for (model::FlightGroup& g : m.flightGroups)
    copyPoint(g, model::Briefing1 + from, model::Briefing1 + to);
}

void setIconsToStart1(model::Mission& m, int b) {
  for (model::FlightGroup& g : m.flightGroups) copyPoint(g, model::Start1, model::Briefing1 + b);
}

void setAllBriefingPointsToStart1(model::Mission& m, const std::vector<int>& flightGroups) {
  for (int i : flightGroups) {
    if (i < 0 || i >= static_cast<int>(m.flightGroups.size())) continue;
    for (int b = 0; b < static_cast<int>(model::BriefingCount); ++b)
      copyPoint(m.flightGroups[i], model::Start1, model::Briefing1 + b);
  }
}

std::vector<std::string> bracketedNames(const std::string& text) {
  std::vector<std::string> names;
  const std::size_t last = text.empty() ? 0 : text.size() - 1;
  for (std::size_t p = 0; p < text.size(); ++p) {
    if (text[p] != '[') continue;
    std::string name;
    for (std::size_t q = p + 1; q < last && text[q] != ' ' && text[q] != ']'; ++q) name += text[q];
    names.push_back(name);
  }
  return names;
}

namespace {

std::string trim(const std::string& s) {
  const std::size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

Command make(int time, int code, int index = 0, int x = 0, int y = 0) {
  Command c;
  c.time = static_cast<std::uint16_t>(time);
  c.code = static_cast<std::uint16_t>(code);
  c.index = static_cast<std::uint16_t>(index);
  c.x = static_cast<std::int16_t>(x);
  c.y = static_cast<std::int16_t>(y);
  return c;
}

}  // namespace

namespace {

// The ticks between texts asked for; 100 when none that fits is asked.
int autoBriefInterval(double seconds) {
  const double ticks = std::nearbyint(seconds * TicksPerSecond);
  int interval = std::isfinite(ticks) && ticks > 0 && ticks < 32768 ? static_cast<int>(ticks) : 0;
  if (ticks >= 32768) interval = 32767;
  if (interval <= 0) interval = 100;
  return interval;
}

// A box (the next box code, round) for every flight group a text names in brackets that is in
// use at the briefing's point, spread over the text's time.
void boxNamedGroups(const model::Mission& m, std::size_t point,
                    const std::vector<std::string>& names, int t, int interval, int& boxCode,
                    CommandList& out) {
  const int each = interval / static_cast<int>(std::max<std::size_t>(names.size(), 1));
  for (std::size_t mIdx = 0; mIdx < names.size(); ++mIdx) {
    int boxes = 0;
    const std::string wanted = trim(names[mIdx]);
    for (std::size_t g = 0; g < m.flightGroups.size(); ++g) {
      const model::FlightGroup& group = m.flightGroups[g];
      if (trim(group.name()) != wanted || !group.enabled(point)) continue;
      out.push_back(
          make(t + each * static_cast<int>(mIdx) + 10 + 5 * boxes, boxCode, static_cast<int>(g)));
      ++boxes;
      boxCode = boxCode == LastBox ? FirstBox : boxCode + 1;
    }
  }
}

// Within 400 words: the latest boxes go first; nothing else can overflow (31 texts with their
// clears and stops, two moves and two zooms take 235 words).
void keepWithinWords(AutoBriefResult& r) {
  CommandList& out = r.commands;
  for (int i = static_cast<int>(out.size()) - 1; i >= 0 && wordCount(out) > MaxWords; --i)
    if (isBox(out[i].code)) {
      out.erase(out.begin() + i);
      ++r.droppedBoxes;
    }
  if (r.droppedBoxes > 0)
    r.message = model::Text(ZYNED_TEXT("core",
                                       "The briefing would be larger than 400 words: the last %1 "
                                       "FG Box instructions were left out."),
                            std::to_string(r.droppedBoxes));
}

}  // namespace

AutoBriefResult autoBrief(const model::Mission& m, int b, const AutoBriefOptions& o) {
  AutoBriefResult r;
  const model::Briefing& brief = m.briefings[b];
  int n = 0;
  while (n < 31 && !brief.strings[n + 1].empty()) ++n;
  if (n == 0) {
    r.message = model::text(NoTextMessage);
    return r;
  }
  const int interval = autoBriefInterval(o.seconds);
  // The running time is a signed 16-bit count of ticks.
  if (static_cast<long>(interval) * n > 32767 - 100) {
    r.message = model::Text(ZYNED_TEXT("core",
                                       "The briefing would run longer than the game allows (%1 "
                                       "seconds). Choose a shorter time between texts."),
                            seconds(32667));
    return r;
  }
  const std::size_t point = model::Briefing1 + static_cast<std::size_t>(b);
  int cx = 0, cy = 0;
  const bool centred =
      o.centreOn && *o.centreOn >= 0 && *o.centreOn < static_cast<int>(m.flightGroups.size());
  if (centred) {
    cx = m.flightGroups[*o.centreOn].x(point);
    cy = m.flightGroups[*o.centreOn].y(point);
  }
  const int zoom = o.zoom ? *o.zoom : 32;

  CommandList& out = r.commands;
  out.push_back(make(0, MoveMap, 0, cx, cy));
  out.push_back(make(0, ZoomMap, 0, zoom, zoom));
  int t = 0;
  int boxCode = FirstBox;
  for (int k = 1; k <= n; ++k) {
    const std::vector<std::string> names = bracketedNames(brief.strings[k]);
    out.push_back(make(t, BriefingText, k));
    if (o.boxNames) boxNamedGroups(m, point, names, t, interval, boxCode, out);
    t += interval;
    if (!names.empty()) out.push_back(make(t, ClearBoxes));
    out.push_back(make(t, StopPoint));
  }
  if (interval > 60) {
    if (centred) out.push_back(make(t - 60, MoveMap, 0, cx, cy));
    if (o.zoom) out.push_back(make(t - 60, ZoomMap, 0, zoom, zoom));
  }
  out.push_back(Command::endMarker());
  keepWithinWords(r);
  r.runningTime = t;
  r.ok = true;
  return r;
}

void applyAutoBrief(model::Mission& m, int b, const AutoBriefResult& r) {
  model::Briefing& brief = m.briefings[b];
  for (std::size_t i = 0; i < rec::EventWords; ++i) brief.set(rec::Events, model::i16{0}, i);
  encode(r.commands, brief);
  brief.set(rec::RunningTime, static_cast<model::i16>(r.runningTime));
  brief.set(rec::TeamVisible, model::u8{1}, static_cast<std::size_t>(b));
}

}  // namespace briefing
