#include "briefing/commands.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "editing/waypoints.h"

namespace briefing {

namespace rec = model::briefing;

int wordCount(int code) {
  if (code == TitleText || code == BriefingText || isBox(code)) return 3;
  if (code == MoveMap || code == ZoomMap) return 4;
  if (isTag(code)) return 6;
  return 2;
}

int wordCount(const CommandList& list) {
  int n = 0;
  for (const Command& c : list) n += wordCount(c.code);
  return n;
}

Decoded decode(const model::Briefing& b) {
  Decoded d;
  const int used = b.get(rec::EventWordsUsed);
  d.countBeyondLimit = used > MaxWords;
  auto word = [&](int i) { return static_cast<std::uint16_t>(b.get(rec::Events, i - 1)); };
  int i = 1;
  do {
    Command c;
    c.time = word(i);
    c.code = word(i + 1);
    if (c.code == 0) c = Command::endMarker();
    const int n = wordCount(c.code);
    if (i + n - 1 > MaxWords) {
      d.overrun = true;
      break;
    }
    if (n == 3) {
      c.index = word(i + 2);
    } else if (n == 4) {
      c.x = static_cast<std::int16_t>(word(i + 2));
      c.y = static_cast<std::int16_t>(word(i + 3));
    } else if (n == 6) {
      c.index = word(i + 2);
      c.x = static_cast<std::int16_t>(word(i + 3));
      c.y = static_cast<std::int16_t>(word(i + 4));
      c.colour = word(i + 5);
    }
    d.commands.push_back(c);
    i += n;
  } while (i < used && i <= MaxWords - 1);
  if (std::none_of(d.commands.begin(), d.commands.end(),
                   [](const Command& c) { return c.isEnd(); })) {
    d.commands.push_back(Command::endMarker());
    d.endMarkerAdded = true;
  }
  return d;
}

std::vector<int> boxGroupWords(model::CBytes b) {
  std::vector<int> out;
  const int used = model::get(b, rec::EventWordsUsed);
  int i = 1;
  do {
    const int code = static_cast<std::uint16_t>(
        model::get(b, rec::Events, static_cast<std::size_t>(i)));  // word i + 1
    const int n = code == 0 ? wordCount(EndMarker) : wordCount(code);
    if (i + n - 1 > MaxWords) break;
    if (isBox(code)) out.push_back(i + 1);  // word i + 2, from 0
    i += n;
  } while (i < used && i <= MaxWords - 1);
  return out;
}

bool truncateToLimit(CommandList& list) {
  bool cut = false;
  while (wordCount(list) > MaxWords && list.size() >= 2) {
    list.erase(list.end() - 2);
    cut = true;
  }
  return cut;
}

bool encode(CommandList list, model::Briefing& b) {
  const bool cut = truncateToLimit(list);
  int i = 0;
  auto put = [&](int v) { b.set(rec::Events, static_cast<model::i16>(v), i++); };
  for (const Command& c : list) {
    const int n = wordCount(c.code);
    if (i + n > MaxWords) break;  // a single command larger than the record cannot happen
    put(c.time);
    put(c.code);
    if (n == 3) {
      put(c.index);
    } else if (n == 4) {
      put(c.x);
      put(c.y);
    } else if (n == 6) {
      put(c.index);
      put(c.x);
      put(c.y);
      put(c.colour);
    }
  }
  b.set(rec::EventWordsUsed, static_cast<model::i16>(i));
  return cut;
}

std::string label(int code) {
  switch (code) {
    case StopPoint:
      return "Stop Point";
    case TitleText:
      return "Title Text:";
    case BriefingText:
      return "Briefing Text:";
    case MoveMap:
      return "Move Map to";
    case ZoomMap:
      return "Zoom Map to";
    case ClearBoxes:
      return "Clear all Boxes";
    case ClearTags:
      return "Clear all Tags";
    case EndMarker:
      return "<Briefing End Marker>";
    default:
      break;
  }
  if (isBox(code)) return "FG Box  #" + std::to_string(code - 8) + ": ";
  if (isTag(code)) return "Map Tag #" + std::to_string(code - 17) + ":";
  return std::to_string(code);
}

std::vector<std::string> labels() {
  std::vector<std::string> out;
  for (int c = 0; c < CodeCount; ++c) out.push_back(label(c));
  return out;
}

std::string colourName(int colour) {
  static const char* const names[] = {"Green", "Red", "Yellow", "Blue", "Purple", "Black"};
  if (colour >= 0 && colour < ColourCount) return names[colour];
  return std::to_string(colour);
}

std::string seconds(int ticks) {
  // Ticks are twentieths: at most two decimals, trailing zeros dropped.
  const bool negative = ticks < 0;
  const long v = std::labs(static_cast<long>(ticks)) * 5;  // hundredths
  std::string s = std::to_string(v / 100);
  const long frac = v % 100;
  if (frac != 0) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02ld", frac);
    std::string f = buf;
    if (f.back() == '0') f.pop_back();
    s += "." + f;
  }
  return negative ? "-" + s : s;
}

std::string km(int units) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", units / 160.0);
  return buf;
}

namespace {

bool parseNumber(const std::string& text, double& v) {
  std::string t = text;
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
  std::size_t start = t.find_first_not_of(" \t");
  t = start == std::string::npos ? "" : t.substr(start);
  if (t.empty() || t == "-") {
    v = 0;
    return true;
  }
  for (char& ch : t)
    if (ch == ',') ch = '.';
  errno = 0;
  char* end = nullptr;
  v = std::strtod(t.c_str(), &end);
  return errno == 0 && end == t.c_str() + t.size() && std::isfinite(v);
}

bool toInt(double v, int& out) {
  const double r = std::nearbyint(v);  // the default rounding mode: halves to even
  if (r < -2147483648.0 || r > 2147483647.0) return false;
  out = static_cast<int>(r);
  return true;
}

}  // namespace

bool parseSeconds(const std::string& text, int& ticks) {
  double v;
  return parseNumber(text, v) && toInt(v * TicksPerSecond, ticks);
}

bool parseKm(const std::string& text, int& units) {
  // Read as the waypoint cells read kilometres: exactly on the decimal text, within 16 bits.
  const editing::TypedCoordinate t = editing::parseKm(text);
  if (t.kind != editing::TypedCoordinate::Value) return false;
  units = t.value;
  return true;
}

bool parseWhole(const std::string& text, int& value) {
  double v;
  if (!parseNumber(text, v) || v != std::floor(v)) return false;
  return toInt(v, value);
}

namespace {

std::string entry(const std::array<std::string, rec::StringCount>* list, int i) {
  if (!list || i < 0 || i >= static_cast<int>(list->size())) return "";
  return (*list)[static_cast<std::size_t>(i)];
}

std::string trimmedText(std::string s) {
  const std::size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  const std::size_t b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

}  // namespace

std::string describe(const Command& c, const LineContext& ctx) {
  if (c.isEnd()) return "<end marker>";
  const std::string secs = seconds(c.time);
  static const int pad[] = {0, 12, 10, 9, 7, 5, 3};
  std::string s = secs;
  if (secs.size() <= 6) s += std::string(static_cast<std::size_t>(pad[secs.size()]), ' ');
  s += label(c.code);
  if (c.code == StopPoint) {
    s += std::string(8, ' ') + std::string(97, '-');
  } else if (c.code == TitleText) {
    std::string t = entry(ctx.strings, c.index);
    if (t.size() > 40) t = trimmedText(t.substr(0, 40)) + "....";
    s += std::string(11, ' ') + "\"" + t + "\"";
  } else if (c.code == BriefingText) {
    std::string t = entry(ctx.strings, c.index);
    if (t.size() > 55) t = t.substr(0, 55) + "....";
    s += std::string(6, ' ') + "\"" + t + "\"";
  } else if (c.code == MoveMap) {
    s += "        X: " + km(c.x) + ",   Y: " + km(c.y);
  } else if (c.code == ZoomMap) {
    s += "        X: " + std::to_string(c.x) + ",   Y: " + std::to_string(c.y);
  } else if (isBox(c.code)) {
    if (ctx.flightGroups && c.index < ctx.flightGroups->size())
      s += std::string(8, ' ') + (*ctx.flightGroups)[c.index];
    else
      s += "        FG#" + std::to_string(c.index) + " (Does not exist)";
  } else if (isTag(c.code)) {
    s += std::string(6, ' ') + "\"" + entry(ctx.tags, c.index) + "\"    at    X: " + km(c.x) +
         ",   Y: " + km(c.y) + "     Color: " + colourName(c.colour);
  }
  return s;
}

}  // namespace briefing
