#include "model/mission_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace model {
namespace {

constexpr std::size_t TextBlockBase = 1024;
constexpr std::size_t TextBlockExpansion = 4096;

// What the reader is reading, named only when the data runs out: "briefing 3, tag 7",
// "flight group 2 of 40" (a form and the numbers that fill it). Building it costs nothing on the
// way.
struct Label {
  const char* form;
  std::size_t first = 0;   // %1, when not 0
  std::size_t second = 0;  // %2, when not 0

  Text text() const {
    if (second) return Text(form, std::to_string(first), std::to_string(second));
    if (first) return Text(form, std::to_string(first));
    return model::text(form);
  }
};

// A bounds-checked cursor: every read names what it was reading when the data runs out.
class Cursor {
 public:
  explicit Cursor(CBytes data) : data_(data) {}
  std::size_t remaining() const { return data_.size() - pos_; }
  std::size_t pos() const { return pos_; }
  bool take(std::size_t n, std::span<std::uint8_t> into, const Label& what) {
    if (!need(n, what)) return false;
    std::copy_n(data_.begin() + pos_, n, into.begin());
    pos_ += n;
    return true;
  }
  bool need(std::size_t n, const Label& what) {
    if (n <= remaining()) return true;
    if (error_.empty())
      error_ = Text(
          ZYNED_TEXT("core", "the file ends at byte %1 inside %2 (%3 bytes needed from byte %4)"),
          std::to_string(data_.size()), what.text(), std::to_string(n), std::to_string(pos_));
    return false;
  }
  bool u16(std::uint16_t& v, const Label& what) {
    std::array<std::uint8_t, 2> b{};
    if (!take(2, b, what)) return false;
    v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
  }
  bool text(std::size_t n, std::string& s, const Label& what) {
    if (!need(n, what)) return false;
    s.assign(reinterpret_cast<const char*>(data_.data() + pos_), n);
    pos_ += n;
    return true;
  }
  CBytes rest() const { return data_.subspan(pos_); }
  // The next n bytes, already known to be there (see need).
  CBytes next(std::size_t n) {
    const CBytes out = data_.subspan(pos_, n);
    pos_ += n;
    return out;
  }
  void skip(std::size_t n) { pos_ += std::min(n, remaining()); }
  const Text& error() const { return error_; }

 private:
  CBytes data_;
  std::size_t pos_ = 0;
  Text error_;
};

template <std::size_t N>
bool takeRecord(Cursor& c, Record<N>& r, const Label& what) {
  return c.take(N, r.bytes, what);
}

// The Text field of a red message as the reader fills it: the whole field may hold text.
constexpr TextField RedText{"Text", message::Text.offset, message::Text.width, message::Text.width};

bool isColourDigit(std::uint8_t b) {
  return b == '1' || b == '2' || b == '3';
}

// Red messages are stored without a colour digit: their text starts in byte 2. A red text
// may use all of bytes 2..64, so the repaired Text keeps up to 63 characters.
void repairColour(Message& m) {
  const std::uint8_t c = m.bytes[2];
  if (isColourDigit(c)) return;
  std::string text(1, static_cast<char>(c));
  text += getText(m.span(), message::Text);
  m.set(message::Color, std::uint8_t{'0'});
  setText(m.span(), RedText, text);
}

// Bytes 2..65 of a red message as the file holds them.
void encodeRedText(const Message& m, std::span<std::uint8_t, message::Size> out) {
  constexpr std::size_t From = 2, To = 66;
  if (m.fromFile &&
      std::equal(m.bytes.begin() + From, m.bytes.begin() + To, m.readImage.begin() + From)) {
    std::copy(m.fileImage.begin() + From, m.fileImage.begin() + To, out.begin() + From);
    return;
  }
  const std::string text = m.textValue();
  std::fill(out.begin() + From, out.begin() + To, std::uint8_t{0});
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 63), out.begin() + From);
}

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

template <std::size_t N>
void putRecord(std::vector<std::uint8_t>& out, const Record<N>& r) {
  out.insert(out.end(), r.bytes.begin(), r.bytes.end());
}

// Checks that `count` records of `size` bytes follow; the refusal names the first one cut off
// (`what`: a form "… %1 of %2").
bool needRecords(Cursor& c, std::size_t count, std::size_t size, const char* what) {
  if (count * size <= c.remaining()) return true;
  const std::size_t cut = c.remaining() / size;
  c.skip(cut * size);
  return c.need(size, Label{what, cut + 1, count});
}

bool readBriefingString(Cursor& c, std::string& s, const Label& what) {
  std::uint16_t n = 0;
  if (!c.u16(n, what)) return false;
  return c.text(n, s, what);
}

}  // namespace

Message messageFromFile(CBytes record) {
  Message msg(record);
  msg.fileImage = msg.bytes;
  repairColour(msg);
  msg.readImage = msg.bytes;
  msg.fromFile = true;
  msg.updateSentToAnyTeam();
  return msg;
}

std::array<std::uint8_t, message::Size> messageFileRecord(const Message& m) {
  std::array<std::uint8_t, message::Size> rec = m.bytes;
  if (m.color() == '0') encodeRedText(m, rec);
  return rec;
}

namespace {

// The flight groups, `count` of them; each gets its auto-link from `defaults` and its heading.
bool readFlightGroups(Cursor& c, Mission& m, std::size_t count, const MissionDefaults& defaults) {
  // Counts are checked against the data before anything is allocated from them.
  if (!needRecords(c, count, fg::Size, ZYNED_TEXT("core", "flight group %1 of %2"))) return false;
  m.flightGroups.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    FlightGroup& g = m.flightGroups.emplace_back(c.next(fg::Size));
    g.autoLink = defaults.autoLink;
    g.heading = computeHeading(g, &g.lastRoutePoint);
  }
  m.updateMapExtent();
  m.computeTeamIff();
  return true;
}

bool readMessages(Cursor& c, Mission& m, std::size_t count) {
  if (!needRecords(c, count, message::Size, ZYNED_TEXT("core", "message %1 of %2"))) return false;
  m.messages.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    m.messages.push_back(messageFromFile(c.next(message::Size)));
  return true;
}

// The global goals, then the teams.
bool readTeamRecords(Cursor& c, Mission& m) {
  for (std::size_t t = 0; t < TeamCount; ++t)
    if (!takeRecord(c, m.globalGoals[t], {ZYNED_TEXT("core", "global goal %1"), t + 1}))
      return false;
  for (std::size_t t = 0; t < TeamCount; ++t)
    if (!takeRecord(c, m.teams[t], {ZYNED_TEXT("core", "team %1"), t + 1})) return false;
  return true;
}

// Each briefing's record, then its tags, then its strings.
bool readBriefings(Cursor& c, Mission& m) {
  for (std::size_t b = 0; b < BriefingCount; ++b) {
    Briefing& br = m.briefings[b];
    if (!takeRecord(c, br, {ZYNED_TEXT("core", "briefing %1"), b + 1})) return false;
    for (std::size_t s = 0; s < briefing::StringCount; ++s)
      if (!readBriefingString(c, br.tags[s],
                              {ZYNED_TEXT("core", "briefing %1, tag %2"), b + 1, s + 1}))
        return false;
    for (std::size_t s = 0; s < briefing::StringCount; ++s)
      if (!readBriefingString(c, br.strings[s],
                              {ZYNED_TEXT("core", "briefing %1, string %2"), b + 1, s + 1}))
        return false;
  }
  return true;
}

// The goal strings of each flight group, then the global goal strings of each team.
bool readGoalStrings(Cursor& c, Mission& m) {
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
    if (!takeRecord(c, m.flightGroups[i].goalStrings,
                    {ZYNED_TEXT("core", "the goal strings of flight group %1"), i + 1}))
      return false;
  for (std::size_t t = 0; t < TeamCount; ++t)
    if (!takeRecord(c, m.globalGoalStrings[t],
                    {ZYNED_TEXT("core", "the global goal strings of team %1"), t + 1}))
      return false;
  return true;
}

bool readBlock(Cursor& c, TextBlock& block, std::size_t size, const char* what) {
  if (!c.need(size, {what})) return false;
  std::vector<std::uint8_t> bytes(size);
  c.take(size, bytes, {what});
  block = TextBlock::fromBytes(std::move(bytes));
  return true;
}

// The description, after the two debriefings in the expansion's format; the base format's
// debriefings are left empty.
bool readTextBlocks(Cursor& c, Mission& m) {
  if (m.platformId == FormatBase) {
    m.successDebrief = TextBlock(TextBlockExpansion);
    m.failureDebrief = TextBlock(TextBlockExpansion);
    return readBlock(c, m.description, TextBlockBase, ZYNED_TEXT("core", "the description"));
  }
  return readBlock(c, m.successDebrief, TextBlockExpansion,
                   ZYNED_TEXT("core", "the success debriefing")) &&
         readBlock(c, m.failureDebrief, TextBlockExpansion,
                   ZYNED_TEXT("core", "the failure debriefing")) &&
         readBlock(c, m.description, TextBlockExpansion, ZYNED_TEXT("core", "the description"));
}

}  // namespace

ReadResult readMission(CBytes data, Mission& out, const MissionDefaults& defaults) {
  Cursor c(data);
  std::uint16_t id = 0;
  if (!c.u16(id, {ZYNED_TEXT("core", "the platform id")})) return {ReadStatus::Refused, c.error()};
  const auto platform = static_cast<std::int16_t>(id);
  if (platform == 2) return {ReadStatus::OlderFormat, text(OlderFormatMessage)};
  if (platform == -1) return {ReadStatus::Refused, text(KreFighterFileMessage)};
  if (platform != FormatBase && platform != FormatExpansion)
    return {ReadStatus::Refused, text(UnrecognizedFileMessage)};

  auto m = std::make_unique<Mission>();
  m->platformId = platform;
  if (!takeRecord(c, m->header, {ZYNED_TEXT("core", "the header")}) ||
      !readFlightGroups(c, *m, m->header.get(header::FlightGroupCount), defaults) ||
      !readMessages(c, *m, m->header.get(header::MessageCount)) || !readTeamRecords(c, *m) ||
      !readBriefings(c, *m) || !readGoalStrings(c, *m) || !readTextBlocks(c, *m))
    return {ReadStatus::Refused, c.error()};
  // Bytes after the last block mean nothing to the game; they are kept so nothing is lost.
  const auto rest = c.rest();
  m->trailingBytes.assign(rest.begin(), rest.end());

  out = std::move(*m);
  return {ReadStatus::Ok, {}};
}

std::vector<std::uint8_t> writeMission(const Mission& m) {
  std::vector<std::uint8_t> out;
  std::size_t total = 2 + header::Size + m.flightGroups.size() * (fg::Size + fggoalstrings::Size) +
                      m.messages.size() * message::Size +
                      TeamCount * (globalgoal::Size + team::Size + ggstrings::Size) +
                      BriefingCount * briefing::Size + 3 * TextBlockExpansion +
                      m.trailingBytes.size();
  for (const auto& b : m.briefings) {
    for (const auto& s : b.tags) total += 2 + s.size();
    for (const auto& s : b.strings) total += 2 + s.size();
  }
  out.reserve(total);

  putU16(out, static_cast<std::uint16_t>(m.platformId));
  Header h = m.header;
  h.set(header::FlightGroupCount, static_cast<u16>(m.flightGroups.size()));
  h.set(header::MessageCount, static_cast<u16>(m.messages.size()));
  putRecord(out, h);
  for (const auto& g : m.flightGroups) putRecord(out, g);
  for (const auto& msg : m.messages) {
    const std::array<std::uint8_t, message::Size> rec = messageFileRecord(msg);
    out.insert(out.end(), rec.begin(), rec.end());
  }
  for (const auto& gg : m.globalGoals) putRecord(out, gg);
  for (const auto& t : m.teams) putRecord(out, t);
  for (const auto& b : m.briefings) {
    putRecord(out, b);
    for (const auto* list : {&b.tags, &b.strings})
      for (const auto& s : *list) {
        const std::size_t n = std::min<std::size_t>(s.size(), 0xFFFF);
        putU16(out, static_cast<std::uint16_t>(n));
        out.insert(out.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
      }
  }
  for (const auto& g : m.flightGroups) putRecord(out, g.goalStrings);
  for (const auto& s : m.globalGoalStrings) putRecord(out, s);
  auto putBlock = [&](const TextBlock& block, std::size_t size) {
    const auto bytes = block.encoded(size);
    out.insert(out.end(), bytes.begin(), bytes.end());
  };
  if (m.platformId == FormatBase) {
    putBlock(m.description, TextBlockBase);
  } else {
    putBlock(m.successDebrief, TextBlockExpansion);
    putBlock(m.failureDebrief, TextBlockExpansion);
    putBlock(m.description, TextBlockExpansion);
  }
  out.insert(out.end(), m.trailingBytes.begin(), m.trailingBytes.end());
  return out;
}

ReadResult loadMissionFile(const std::string& path, Mission& out, const MissionDefaults& defaults) {
  std::vector<std::uint8_t> data;
  Text error;
  if (!readWholeFile(path, data, error)) return {ReadStatus::Refused, std::move(error)};
  ReadResult r = readMission(data, out, defaults);
  const std::string_view form = r.text.form;
  if (r.status == ReadStatus::Refused && form != KreFighterFileMessage &&
      form != UnrecognizedFileMessage)
    return {ReadStatus::Refused, Text(ZYNED_TEXT("core", "\"%1\" cannot be loaded: %2."),
                                      utf8Data(path), std::move(r.text))};
  return r;
}

SaveResult saveMissionFile(const Mission& m, const std::string& path) {
  // The header holds the counts in 16 bits; a larger list cannot be stored.
  if (m.flightGroups.size() > 0xFFFF || m.messages.size() > 0xFFFF)
    return failedSave(path, text(ZYNED_TEXT("core", "too many flight groups or messages")));
  return saveFile(path, writeMission(m));
}

std::optional<std::string> backupPathFor(const std::string& fileName) {
  namespace fs = std::filesystem;
  if (fileName == UnnamedFile) return std::nullopt;
  std::string base = fs::path(fileName).filename().string();
  std::transform(base.begin(), base.end(), base.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  if (base == "BACKUP.KRE") return std::nullopt;
  return (fs::path(fileName).parent_path() / "Backup.kre").string();
}

BaseFormatLosses baseFormatLosses(const Mission& m) {
  BaseFormatLosses l;
  l.debriefings = !m.successDebrief.text().empty() || !m.failureDebrief.text().empty();
  // The block keeps 1023 characters of the memo text, a line break counting two.
  constexpr std::size_t Kept = 1023;
  const std::size_t length = m.description.text().size();
  l.descriptionCut = length > Kept ? length - Kept : 0;
  return l;
}

Text savedBytesText(std::int16_t platformId, std::size_t bytes) {
  return {platformId == FormatBase ? ZYNED_TEXT("core", "Zyn Format.  %1 bytes written.")
                                   : ZYNED_TEXT("core", "Qvn Format.  %1 bytes written."),
          {std::to_string(bytes)}};
}
std::string savedBytesNotice(std::int16_t platformId, std::size_t bytes) {
  return savedBytesText(platformId, bytes).english();
}

}  // namespace model
