#include "json/mission_json.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "json/mission_value.h"
#include "model/cp1252.h"
#include "model/safe_save.h"

namespace json {

using model::Bytes;
using model::CBytes;
using model::FieldInfo;
using model::Kind;
using model::RecordLayout;

// ---------------------------------------------------------------------------------------------
// Shape

const std::vector<Gap>& gapsOf(const RecordLayout& layout) {
  static std::mutex lock;
  static std::map<const RecordLayout*, std::vector<Gap>> cache;
  const std::lock_guard guard(lock);
  const auto found = cache.find(&layout);
  if (found != cache.end()) return found->second;

  std::vector<bool> covered(layout.size, false);
  auto cover = [&](std::size_t from, std::size_t width) {
    for (std::size_t i = from; i < from + width && i < layout.size; ++i) covered[i] = true;
  };
  for (const FieldInfo& f : layout.fields)
    for (std::size_t e = 0; e < f.count; ++e) cover(f.offset + e * f.stride, f.width);
  if (&layout == &model::fg::Layout)
    for (const auto& group : model::fg::RawGroups)
      for (std::size_t at : group.offsets) cover(at, 1);

  std::vector<Gap> gaps;
  for (std::size_t at = 0; at < layout.size;) {
    if (covered[at]) {
      ++at;
      continue;
    }
    Gap g;
    g.offset = at;
    while (at < layout.size && !covered[at]) ++at;
    g.width = at - g.offset;
    // After the last field that starts before it.
    for (std::size_t i = 0; i < layout.fields.size(); ++i)
      if (layout.fields[i].offset < g.offset) g.after = i + 1;
    gaps.push_back(g);
  }
  return cache.emplace(&layout, std::move(gaps)).first->second;
}

std::string gapName(std::size_t offset) {
  return "Raw" + std::to_string(offset);
}

std::string tailName(std::string_view field) {
  return std::string(field) + std::string(TailSuffix);
}

Range rangeOf(const RecordLayout& layout, const FieldInfo& field) {
  if (&layout == &model::message::Layout && field.name == model::message::Color.name)
    return {'0', '3'};
  return {field.min, field.max};  // the declared range: the type's limits unless narrowed
}

namespace {

// ---------------------------------------------------------------------------------------------
// Bytes and texts

bool allZero(CBytes b) {
  return std::all_of(b.begin(), b.end(), [](std::uint8_t x) { return x == 0; });
}

std::size_t textLength(CBytes field) {
  return static_cast<std::size_t>(std::find(field.begin(), field.end(), 0) - field.begin());
}

Value bytesValue(CBytes b) {
  Value a = Value::array();
  for (std::uint8_t x : b) a.push_back(x);
  return a;
}

std::string chars(CBytes b) {
  return std::string(b.begin(), b.end());
}

long long element(CBytes rec, Kind kind, std::size_t at) {
  switch (kind) {
    case Kind::I8:
      return static_cast<std::int8_t>(rec[at]);
    case Kind::U16:
      return static_cast<std::uint16_t>(rec[at] | (rec[at + 1] << 8));
    case Kind::I16:
      return static_cast<std::int16_t>(rec[at] | (rec[at + 1] << 8));
    default:
      return rec[at];
  }
}

void putElement(Bytes rec, Kind kind, std::size_t at, long long v) {
  const auto word = static_cast<std::uint16_t>(v);
  rec[at] = static_cast<std::uint8_t>(word & 0xFF);
  if (kind == Kind::U16 || kind == Kind::I16) rec[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

// A text block as the editor's memo shows it, each line end as "\n".
std::string blockText(CBytes block) {
  const std::string text = model::cp1252ToUtf8(model::decodeTextBlock(block));
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The block bytes of a text (Windows-1252 already): every line end (LF, CR LF or CR) one "$".
std::string blockBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\r' || text[i] == '\n' ? '$' : text[i];
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// Mission -> JSON

Value fieldValue(const FieldInfo& f, CBytes rec);

Value recordValue(const RecordLayout& layout, CBytes rec, CBytes textArea = {});

// The fields of one record as keys of `o`. A text's tail comes from `textArea` when given (a
// message's text as its file record holds it), else from the field itself.
void putFields(Value& o, const RecordLayout& layout, CBytes rec, CBytes textArea = {}) {
  const auto& gaps = gapsOf(layout);
  auto putGaps = [&](std::size_t after) {
    for (const Gap& g : gaps) {
      const CBytes b = rec.subspan(g.offset, g.width);
      if (g.after == after && !allZero(b)) o[gapName(g.offset)] = bytesValue(b);
    }
  };
  putGaps(0);
  for (std::size_t i = 0; i < layout.fields.size(); ++i) {
    const FieldInfo& f = layout.fields[i];
    o[std::string(f.name)] = fieldValue(f, rec);
    if (f.kind == Kind::Text) {
      const CBytes field = rec.subspan(f.offset, f.width);
      const CBytes area = textArea.empty() ? field : textArea;
      const CBytes tail = area.subspan(std::min(textLength(field), area.size()));
      if (!allZero(tail)) o[tailName(f.name)] = bytesValue(tail);
    }
    putGaps(i + 1);
  }
}

// An empty object with room for `keys` members: growing one copies every member.
Value objectFor(std::size_t keys) {
  Value o = Value::object();
  o.get_ref<Value::object_t&>().reserve(keys);
  return o;
}

Value recordValue(const RecordLayout& layout, CBytes rec, CBytes textArea) {
  Value o = objectFor(2 * layout.fields.size() + gapsOf(layout).size() + 2);
  putFields(o, layout, rec, textArea);
  return o;
}

Value fieldValue(const FieldInfo& f, CBytes rec) {
  switch (f.kind) {
    case Kind::Text: {
      const CBytes field = rec.subspan(f.offset, f.width);
      return model::cp1252ToUtf8(chars(field.first(textLength(field))));
    }
    case Kind::Raw:
      return bytesValue(rec.subspan(f.offset, f.width));
    case Kind::Record: {
      if (f.count == 1) return recordValue(*f.sub, rec.subspan(f.offset, f.sub->size));
      Value a = Value::array();
      for (std::size_t i = 0; i < f.count; ++i)
        a.push_back(recordValue(*f.sub, rec.subspan(f.offset + i * f.stride, f.sub->size)));
      return a;
    }
    default: {
      if (f.count == 1) return element(rec, f.kind, f.offset);
      Value a = Value::array();
      for (std::size_t i = 0; i < f.count; ++i)
        a.push_back(element(rec, f.kind, f.offset + i * f.stride));
      return a;
    }
  }
}

Value stringsValue(const std::array<std::string, model::briefing::StringCount>& list) {
  Value a = Value::array();
  for (const std::string& s : list) a.push_back(model::cp1252ToUtf8(s));
  return a;
}

// The file's bytes of a message that hold its text: from the colour byte on for a red one.
CBytes messageTextArea(const std::array<std::uint8_t, model::message::Size>& file, bool red) {
  const std::size_t from = red ? model::message::Color.offset : model::message::Text.offset;
  return CBytes(file).subspan(from,
                              model::message::Text.offset + model::message::Text.width - from);
}

// A text block's text and, when the text does not give all its bytes back, the rest: the bytes
// after the text ("…Tail"), or the whole block when even the text differs ("…Bytes").
void putBlock(Value& o, std::string_view name, const std::vector<std::uint8_t>& block) {
  const std::string text = blockText(block);
  o[std::string(name)] = text;
  const std::string encoded = blockBytes(model::utf8ToCp1252(text));
  const CBytes bytes(block);
  if (encoded.size() <= bytes.size() &&
      std::equal(encoded.begin(), encoded.end(), bytes.begin(),
                 [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; })) {
    const CBytes tail = bytes.subspan(encoded.size());
    if (!allZero(tail)) o[std::string(name) + std::string(TailSuffix)] = bytesValue(tail);
  } else {
    o[std::string(name) + std::string(BytesSuffix)] = bytesValue(bytes);
  }
}

// A flight group's record with its raw byte groups and its goal strings.
Value flightGroupValue(const model::FlightGroup& g) {
  Value fg = recordValue(model::fg::Layout, g.span());
  Value raw = objectFor(model::fg::RawGroups.size());
  for (const auto& group : model::fg::RawGroups) {
    Value values = Value::array();
    for (std::size_t at : group.offsets) values.push_back(g.bytes[at]);
    raw[std::string(group.name)] = std::move(values);
  }
  fg[std::string(RawGroupsKey)] = std::move(raw);
  fg[std::string(GoalStringsKey)] = recordValue(model::fggoalstrings::Layout, g.goalStrings.span());
  return fg;
}

Value messagesValue(const model::Mission& m) {
  Value messages = Value::array();
  for (const model::Message& msg : m.messages) {
    const auto file = model::messageFileRecord(msg);
    messages.push_back(
        recordValue(model::message::Layout, msg.span(), messageTextArea(file, msg.color() == '0')));
  }
  return messages;
}

// Each briefing's record with its tags and strings.
Value briefingsValue(const model::Mission& m) {
  Value briefings = Value::array();
  for (const model::Briefing& b : m.briefings) {
    Value br = recordValue(model::briefing::Layout, b.span());
    br[std::string(TagsKey)] = stringsValue(b.tags);
    br[std::string(StringsKey)] = stringsValue(b.strings);
    briefings.push_back(std::move(br));
  }
  return briefings;
}

// The description and the two debriefings.
void putTextBlocks(Value& o, const model::Mission& m) {
  const bool base = m.platformId == model::FormatBase;
  putBlock(o, "Description", m.description.encoded(base ? BlockSizeBase : BlockSizeExpansion));
  if (base) {
    // The base format has no debriefings.
    o["SuccessDebrief"] = "";
    o["FailureDebrief"] = "";
  } else {
    putBlock(o, "SuccessDebrief", m.successDebrief.encoded(BlockSizeExpansion));
    putBlock(o, "FailureDebrief", m.failureDebrief.encoded(BlockSizeExpansion));
  }
}

}  // namespace

Value missionValue(const model::Mission& m) {
  Value o = objectFor(std::size(TopKeys) + 2 * std::size(TextBlocks));
  o["PlatformId"] = m.platformId;

  model::Header header = m.header;  // the counts as the file holds them
  header.set(model::header::FlightGroupCount, static_cast<model::u16>(m.flightGroups.size()));
  header.set(model::header::MessageCount, static_cast<model::u16>(m.messages.size()));
  o["Header"] = recordValue(model::header::Layout, header.span());

  Value groups = Value::array();
  for (const model::FlightGroup& g : m.flightGroups) groups.push_back(flightGroupValue(g));
  o["FlightGroups"] = std::move(groups);

  o["Messages"] = messagesValue(m);

  Value globalGoals = Value::array();
  for (const model::GlobalGoal& gg : m.globalGoals)
    globalGoals.push_back(recordValue(model::globalgoal::Layout, gg.span()));
  o["GlobalGoals"] = std::move(globalGoals);

  Value teams = Value::array();
  for (const model::Team& t : m.teams) teams.push_back(recordValue(model::team::Layout, t.span()));
  o["Teams"] = std::move(teams);

  o["Briefings"] = briefingsValue(m);

  Value strings = Value::array();
  for (const model::GlobalGoalStrings& s : m.globalGoalStrings)
    strings.push_back(recordValue(model::ggstrings::Layout, s.span()));
  o["GlobalGoalStrings"] = std::move(strings);

  putTextBlocks(o, m);
  o["TrailingBytes"] = bytesValue(m.trailingBytes);
  return o;
}

std::string dumpMission(const model::Mission& m) {
  return print(missionValue(m));
}

// ---------------------------------------------------------------------------------------------
// JSON -> Mission

namespace {

std::string join(const std::string& path, std::string_view key) {
  return joinPath(path, key);
}

std::string at(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

// Reads the parts of a Mission from a parsed document; the first refusal is kept in `error`.
class Reader {
 public:
  std::string error;

  bool fail(const std::string& path, const std::string& what) {
    if (error.empty()) error = path.empty() ? what : path + ": " + what;
    return false;
  }

  bool object(const ReadValue& v, const std::string& path) {
    return v.is_object() || fail(path, "expected an object, found " + kindName(v.type()));
  }

  // An array of exactly `count` entries (any number of entries when count is npos).
  bool array(const ReadValue& v, const std::string& path, std::size_t count = std::string::npos) {
    if (!v.is_array()) {
      std::string what = "expected an array";
      if (count != std::string::npos) what += " of " + std::to_string(count) + " entries";
      return fail(path, what + ", found " + kindName(v.type()));
    }
    if (count != std::string::npos && v.size() != count)
      return fail(path,
                  (v.size() == 1 ? std::string("1 entry") : std::to_string(v.size()) + " entries") +
                      ", expected " + std::to_string(count));
    return true;
  }

  // A whole number in `r`; `index` names an array entry of `path` (npos: the value itself). The
  // path is built only for a refusal: arrays of numbers are long.
  bool integer(const ReadValue& v, const std::string& path, std::size_t index, Range r,
               long long& out) {
    if (v.is_number_unsigned()) {
      const auto u = v.get<std::uint64_t>();
      if (u <= static_cast<std::uint64_t>(r.max) &&
          (r.min <= 0 || u >= static_cast<std::uint64_t>(r.min))) {
        out = static_cast<long long>(u);
        return true;
      }
      return outside(path, index, std::to_string(u), r);
    }
    if (v.is_number_integer()) {
      const auto s = v.get<std::int64_t>();
      if (s >= r.min && s <= r.max) {
        out = s;
        return true;
      }
      return outside(path, index, std::to_string(s), r);
    }
    const std::string p = index == std::string::npos ? path : at(path, index);
    if (v.is_number_float()) return fail(p, v.dump() + " is not a whole number");
    return fail(p, "expected a number, found " + kindName(v.type()));
  }
  bool integer(const ReadValue& v, const std::string& path, Range r, long long& out) {
    return integer(v, path, std::string::npos, r, out);
  }
  bool outside(const std::string& path, std::size_t index, const std::string& shown, Range r) {
    return fail(index == std::string::npos ? path : at(path, index),
                shown + " is outside " + std::to_string(r.min) + ".." + std::to_string(r.max));
  }

  bool bytes(const ReadValue& v, const std::string& path, std::size_t count,
             std::vector<std::uint8_t>& out) {
    if (!array(v, path, count)) return false;
    out.clear();
    for (std::size_t i = 0; i < v.size(); ++i) {
      long long b = 0;
      if (!integer(v[i], path, i, {0, 255}, b)) return false;
      out.push_back(static_cast<std::uint8_t>(b));
    }
    return true;
  }

  // A string in Windows-1252; `zeroAllowed` for the length-counted briefing strings.
  bool text(const ReadValue& v, const std::string& path, bool zeroAllowed, std::string& out) {
    if (!v.is_string()) return fail(path, "expected a string, found " + kindName(v.type()));
    const auto& utf8 = v.get_ref<const std::string&>();
    out = model::utf8ToCp1252(utf8);
    if (model::cp1252ToUtf8(out) != utf8) {
      // Find the first character without a Windows-1252 form to name it.
      for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0)
          len = 4;
        else if (lead >= 0xE0)
          len = 3;
        else if (lead >= 0xC0)
          len = 2;
        const std::string ch = utf8.substr(i, len);
        if (model::cp1252ToUtf8(model::utf8ToCp1252(ch)) != ch)
          return fail(path, "the character " + quote(ch) + " has no Windows-1252 form");
        i += len;
      }
      return fail(path, "the text has characters without a Windows-1252 form");
    }
    if (!zeroAllowed && out.find('\0') != std::string::npos)
      return fail(path, "a zero character ends a text in the file; it cannot stand inside one");
    return true;
  }

  bool tooLong(const std::string& path, std::size_t length, std::size_t limit,
               const char* holder = "the field") {
    return fail(path, std::to_string(length) + " characters, " + holder + " holds at most " +
                          std::to_string(limit));
  }

  // One record from an object: each key a field of the layout, a text's tail or a gap; keys in
  // `extra` are the caller's. Fields the object leaves out keep the bytes `rec` holds.
  // A field of a record other than a text: raw bytes, nested records or numbers.
  bool field(const ReadValue& value, const RecordLayout& layout, const FieldInfo& f, Bytes rec,
             const std::string& p);
  bool record(const ReadValue& v, const RecordLayout& layout, Bytes rec, const std::string& path,
              std::initializer_list<std::string_view> extra = {});

  bool numbers(const ReadValue& v, const RecordLayout& layout, const FieldInfo& f, Bytes rec,
               const std::string& path) {
    const Range r = rangeOf(layout, f);
    long long value = 0;
    if (f.count == 1) {
      if (!integer(v, path, r, value)) return false;
      putElement(rec, f.kind, f.offset, value);
      return true;
    }
    if (!array(v, path, f.count)) return false;
    for (std::size_t i = 0; i < f.count; ++i) {
      if (!integer(v[i], path, i, r, value)) return false;
      putElement(rec, f.kind, f.offset + i * f.stride, value);
    }
    return true;
  }

  // A text field and its tail: the text, then the tail's bytes (zeros without one) to the end
  // of `area`, the bytes that hold the text.
  bool textField(const ReadValue* textValue, const ReadValue* tailValue, const std::string& path,
                 std::string_view name, Bytes area) {
    std::string s;
    if (textValue) {
      if (!text(*textValue, join(path, name), false, s)) return false;
      if (s.size() > area.size()) return tooLong(join(path, name), s.size(), area.size());
    } else {
      s = chars(area.first(textLength(area)));
    }
    std::vector<std::uint8_t> tail(area.size() - s.size(), 0);
    if (tailValue && !bytes(*tailValue, join(path, tailName(name)), tail.size(), tail))
      return false;
    std::copy(s.begin(), s.end(), area.begin());
    std::copy(tail.begin(), tail.end(), area.begin() + static_cast<std::ptrdiff_t>(s.size()));
    return true;
  }

  bool flightGroup(const ReadValue& v, const std::string& path, model::FlightGroup& g);
  bool message(const ReadValue& v, const std::string& path, std::size_t index, model::Message& out);
  bool briefing(const ReadValue& v, const std::string& path, model::Briefing& b);
  bool block(const ReadValue& root, std::string_view name, std::size_t size, model::TextBlock& out);
  bool mission(const ReadValue& root, model::Mission& m);

 private:
  // The steps of mission(), in the order a mission is read.
  bool knownKeys(const ReadValue& root);
  bool platform(const ReadValue& root, model::Mission& m);
  const ReadValue* list(const ReadValue& root, const char* key, std::size_t count);
  bool flightGroups(const ReadValue& root, const model::Mission& defaults, model::Mission& m);
  bool messages(const ReadValue& root, model::Mission& m);
  bool header(const ReadValue& root, const model::Mission& defaults, model::Mission& m);
  bool fixedRecords(const ReadValue& root, const model::Mission& defaults, model::Mission& m);
  bool briefings(const ReadValue& root, const model::Mission& defaults, model::Mission& m);
  bool textBlocks(const ReadValue& root, model::Mission& m);
};

bool Reader::field(const ReadValue& value, const RecordLayout& layout, const FieldInfo& f,
                   Bytes rec, const std::string& p) {
  switch (f.kind) {
    case Kind::Raw: {
      std::vector<std::uint8_t> b;
      if (!bytes(value, p, f.width, b)) return false;
      std::copy(b.begin(), b.end(), rec.begin() + static_cast<std::ptrdiff_t>(f.offset));
      return true;
    }
    case Kind::Record:
      if (f.count == 1) return record(value, *f.sub, rec.subspan(f.offset, f.sub->size), p);
      if (!array(value, p, f.count)) return false;
      for (std::size_t e = 0; e < f.count; ++e)
        if (!record(value[e], *f.sub, rec.subspan(f.offset + e * f.stride, f.sub->size), at(p, e)))
          return false;
      return true;
    default:
      return numbers(value, layout, f, rec, p);
  }
}

bool Reader::record(const ReadValue& v, const RecordLayout& layout, Bytes rec,
                    const std::string& path, std::initializer_list<std::string_view> extra) {
  if (!object(v, path)) return false;
  const auto& gaps = gapsOf(layout);
  struct Text {
    const ReadValue* text = nullptr;
    const ReadValue* tail = nullptr;
  };
  std::vector<Text> texts(layout.fields.size());
  auto fieldIndex = [&](std::string_view name) {
    for (std::size_t i = 0; i < layout.fields.size(); ++i)
      if (layout.fields[i].name == name) return i;
    return layout.fields.size();
  };
  for (const auto& [key, value] : v.items()) {
    const std::string p = join(path, key);
    if (std::find(extra.begin(), extra.end(), key) != extra.end()) continue;
    const std::size_t i = fieldIndex(key);
    if (i < layout.fields.size()) {
      // A text is read last, with its tail.
      if (layout.fields[i].kind == Kind::Text)
        texts[i].text = &value;
      else if (!field(value, layout, layout.fields[i], rec, p))
        return false;
      continue;
    }
    if (key.size() > TailSuffix.size() && key.ends_with(TailSuffix)) {
      const std::size_t t =
          fieldIndex(std::string_view(key).substr(0, key.size() - TailSuffix.size()));
      if (t < layout.fields.size() && layout.fields[t].kind == Kind::Text) {
        texts[t].tail = &value;
        continue;
      }
    }
    const auto gap = std::find_if(gaps.begin(), gaps.end(), [&name = key](const Gap& g) {
      return gapName(g.offset) == name;
    });
    if (gap != gaps.end()) {
      std::vector<std::uint8_t> b;
      if (!bytes(value, p, gap->width, b)) return false;
      std::copy(b.begin(), b.end(), rec.begin() + static_cast<std::ptrdiff_t>(gap->offset));
      continue;
    }
    return fail(p, "unknown key");
  }
  for (std::size_t i = 0; i < layout.fields.size(); ++i) {
    const FieldInfo& f = layout.fields[i];
    if ((texts[i].text || texts[i].tail) &&
        !textField(texts[i].text, texts[i].tail, path, f.name, rec.subspan(f.offset, f.width)))
      return false;
  }
  return true;
}

bool Reader::flightGroup(const ReadValue& v, const std::string& path, model::FlightGroup& g) {
  if (!record(v, model::fg::Layout, g.span(), path, {RawGroupsKey, GoalStringsKey})) return false;
  const std::string goalStrings(GoalStringsKey), rawGroups(RawGroupsKey);
  if (v.contains(goalStrings) && !record(v[goalStrings], model::fggoalstrings::Layout,
                                         g.goalStrings.span(), join(path, GoalStringsKey)))
    return false;
  if (!v.contains(rawGroups)) return true;
  const ReadValue& raw = v[rawGroups];
  const std::string rawPath = join(path, RawGroupsKey);
  if (!object(raw, rawPath)) return false;
  for (const auto& [key, value] : raw.items()) {
    const auto group =
        std::find_if(model::fg::RawGroups.begin(), model::fg::RawGroups.end(),
                     [&name = key](const model::fg::RawGroup& r) { return r.name == name; });
    const std::string p = join(rawPath, key);
    if (group == model::fg::RawGroups.end()) return fail(p, "unknown key");
    std::vector<std::uint8_t> b;
    if (!bytes(value, p, group->offsets.size(), b)) return false;
    for (std::size_t i = 0; i < b.size(); ++i) {
      const std::size_t offset = group->offsets[i];
      // A raw byte that a named field also shows must agree with it when both are given.
      for (const FieldInfo& f : model::fg::Layout.fields) {
        if (f.offset != offset || f.width != 1 || f.count != 1 || !v.contains(std::string(f.name)))
          continue;
        if (g.bytes[offset] != b[i])
          return fail(at(p, i), std::to_string(b[i]) + " differs from " + std::string(f.name) +
                                    " " + std::to_string(g.bytes[offset]) +
                                    ", which is the same byte");
      }
      g.bytes[offset] = b[i];
    }
  }
  return true;
}

bool Reader::message(const ReadValue& v, const std::string& path, std::size_t index,
                     model::Message& out) {
  using namespace model::message;
  model::Message mem = model::newMessageTemplate();
  mem.set(MessageNumber, static_cast<model::i16>(index));
  const std::string textKey(Text.name), tailKey = tailName(Text.name);
  if (!record(v, Layout, mem.span(), path, {textKey, tailKey})) return false;
  const bool red = mem.color() == '0';
  // The file record: a red message's text begins in the colour byte.
  std::array<std::uint8_t, Size> file = mem.bytes;
  const std::size_t from = red ? Color.offset : Text.offset;
  const Bytes area = Bytes(file).subspan(from, Text.offset + Text.width - from);
  const std::string memText = mem.textValue();
  std::fill(area.begin(), area.end(), std::uint8_t{0});
  std::copy(memText.begin(), memText.end(), area.begin());

  const ReadValue* textValue = v.contains(textKey) ? &v[textKey] : nullptr;
  const ReadValue* tailValue = v.contains(tailKey) ? &v[tailKey] : nullptr;
  std::string shown = memText;
  if (textValue) {
    // At most 63 characters, a red text too: the editor holds no more.
    if (!text(*textValue, join(path, textKey), false, shown)) return false;
    if (shown.size() > Text.width) return tooLong(join(path, textKey), shown.size(), Text.width);
  }
  if ((textValue || tailValue) && !textField(textValue, tailValue, path, textKey, area))
    return false;
  if (red && area[0] >= '1' && area[0] <= '3')
    // The game would take the first character for the colour of a green, blue or gold message.
    return fail(join(path, shown.empty() ? tailKey : textKey),
                "a red message cannot begin with \"1\", \"2\" or \"3\": the file would read it "
                "as the colour");
  out = model::messageFromFile(file);
  return true;
}

bool Reader::briefing(const ReadValue& v, const std::string& path, model::Briefing& b) {
  if (!record(v, model::briefing::Layout, b.span(), path, {TagsKey, StringsKey})) return false;
  for (const auto& [key, list] : {std::pair{TagsKey, &b.tags}, std::pair{StringsKey, &b.strings}}) {
    if (!v.contains(std::string(key))) continue;
    const ReadValue& value = v[std::string(key)];
    const std::string p = join(path, key);
    if (!array(value, p, model::briefing::StringCount)) return false;
    for (std::size_t i = 0; i < model::briefing::StringCount; ++i) {
      std::string s;
      if (!text(value[i], at(p, i), true, s)) return false;
      // Each string is stored after its length in 16 bits.
      if (s.size() > 0xFFFF) return tooLong(at(p, i), s.size(), 0xFFFF, "a briefing string");
      (*list)[i] = std::move(s);
    }
  }
  return true;
}

bool Reader::block(const ReadValue& root, std::string_view name, std::size_t size,
                   model::TextBlock& out) {
  const std::string key(name), tailKey = key + std::string(TailSuffix),
                               bytesKey = key + std::string(BytesSuffix);
  std::string s;
  if (root.contains(key) && !text(root[key], key, false, s)) return false;
  const std::string encoded = blockBytes(s);
  if (root.contains(bytesKey)) {
    if (root.contains(tailKey)) return fail(tailKey, "cannot stand beside " + bytesKey);
    std::vector<std::uint8_t> b;
    if (!bytes(root[bytesKey], bytesKey, size, b)) return false;
    if (root.contains(key) && blockText(b) != root[key].get_ref<const std::string&>())
      return fail(key, "does not match the text " + bytesKey +
                           " holds; change one of them and remove the other");
    out = model::TextBlock::fromBytes(std::move(b));
    return true;
  }
  if (encoded.size() > size - 1) return tooLong(key, encoded.size(), size - 1, "the block");
  std::vector<std::uint8_t> b(encoded.begin(), encoded.end());
  std::vector<std::uint8_t> tail(size - b.size(), 0);
  if (root.contains(tailKey) && !bytes(root[tailKey], tailKey, tail.size(), tail)) return false;
  b.insert(b.end(), tail.begin(), tail.end());
  out = model::TextBlock::fromBytes(std::move(b));
  return true;
}

bool Reader::knownKeys(const ReadValue& root) {
  if (!root.is_object())
    return fail("", "expected an object at the top, found " + kindName(root.type()));
  for (const auto& [key, value] : root.items()) {
    bool known = std::find(std::begin(TopKeys), std::end(TopKeys), key) != std::end(TopKeys);
    for (std::string_view b : TextBlocks)
      known = known || key == std::string(b) + std::string(TailSuffix) ||
              key == std::string(b) + std::string(BytesSuffix);
    if (!known) return fail(join({}, key), "unknown key");
  }
  return true;
}

bool Reader::platform(const ReadValue& root, model::Mission& m) {
  if (!root.contains("PlatformId")) return true;
  long long id = 0;
  if (!integer(root["PlatformId"], "PlatformId", {-32768, 32767}, id)) return false;
  if (id != model::FormatBase && id != model::FormatExpansion)
    return fail("PlatformId",
                std::to_string(id) + " is neither 12 (Zyn Format) nor 14 (Qvn Format)");
  m.platformId = static_cast<std::int16_t>(id);
  return true;
}

// The array under `key` (of `count` entries, npos: any), null when missing or refused.
const ReadValue* Reader::list(const ReadValue& root, const char* key, std::size_t count) {
  if (!root.contains(key)) return nullptr;
  const ReadValue& v = root[key];
  return array(v, key, count) ? &v : nullptr;
}

constexpr std::size_t MaxRecords = 0xFFFF;  // the header counts them in 16 bits

bool Reader::flightGroups(const ReadValue& root, const model::Mission& defaults,
                          model::Mission& m) {
  if (!root.contains("FlightGroups")) return true;
  const ReadValue* groups = list(root, "FlightGroups", std::string::npos);
  if (!groups) return false;
  if (groups->size() > MaxRecords)
    return fail("FlightGroups",
                std::to_string(groups->size()) + " entries, a mission holds at most 65535");
  const model::FlightGroup tmpl = defaults.newFlightGroupTemplate({});
  for (std::size_t i = 0; i < groups->size(); ++i) {
    model::FlightGroup g = tmpl;
    if (!flightGroup((*groups)[i], at("FlightGroups", i), g)) return false;
    m.flightGroups.push_back(std::move(g));
  }
  return true;
}

bool Reader::messages(const ReadValue& root, model::Mission& m) {
  if (!root.contains("Messages")) return true;
  const ReadValue* messages = list(root, "Messages", std::string::npos);
  if (!messages) return false;
  if (messages->size() > MaxRecords)
    return fail("Messages",
                std::to_string(messages->size()) + " entries, a mission holds at most 65535");
  for (std::size_t i = 0; i < messages->size(); ++i) {
    model::Message msg;
    if (!message((*messages)[i], at("Messages", i), i, msg)) return false;
    m.messages.push_back(std::move(msg));
  }
  return true;
}

bool Reader::header(const ReadValue& root, const model::Mission& defaults, model::Mission& m) {
  m.header = defaults.header;
  if (root.contains("Header")) {
    const ReadValue& h = root["Header"];
    if (!record(h, model::header::Layout, m.header.span(), "Header")) return false;
    // The counts follow the lists; a count that says otherwise is a mistake.
    for (const auto& [field, name, size] :
         {std::tuple{model::header::FlightGroupCount, "FlightGroups", m.flightGroups.size()},
          std::tuple{model::header::MessageCount, "Messages", m.messages.size()}}) {
      if (h.contains(std::string(field.name)) && m.header.get(field) != size)
        return fail(join("Header", field.name), std::to_string(m.header.get(field)) + ", but " +
                                                    name + " has " + std::to_string(size) +
                                                    " entries");
    }
  }
  m.syncCounts();
  return true;
}

// The lists of a fixed length: global goals, teams, global-goal strings.
bool Reader::fixedRecords(const ReadValue& root, const model::Mission& defaults,
                          model::Mission& m) {
  auto fixed = [&](const char* key, auto& records, const auto& defaultRecords,
                   const RecordLayout& layout) {
    records = defaultRecords;
    if (!root.contains(key)) return true;
    const ReadValue* v = list(root, key, records.size());
    if (!v) return false;
    for (std::size_t i = 0; i < records.size(); ++i)
      if (!record((*v)[i], layout, records[i].span(), at(key, i))) return false;
    return true;
  };
  return fixed("GlobalGoals", m.globalGoals, defaults.globalGoals, model::globalgoal::Layout) &&
         fixed("Teams", m.teams, defaults.teams, model::team::Layout) &&
         fixed("GlobalGoalStrings", m.globalGoalStrings, defaults.globalGoalStrings,
               model::ggstrings::Layout);
}

bool Reader::briefings(const ReadValue& root, const model::Mission& defaults, model::Mission& m) {
  m.briefings = defaults.briefings;
  if (!root.contains("Briefings")) return true;
  const ReadValue* v = list(root, "Briefings", m.briefings.size());
  if (!v) return false;
  for (std::size_t i = 0; i < m.briefings.size(); ++i)
    if (!briefing((*v)[i], at("Briefings", i), m.briefings[i])) return false;
  return true;
}

bool Reader::textBlocks(const ReadValue& root, model::Mission& m) {
  if (m.platformId != model::FormatBase)
    return block(root, TextBlocks[0], BlockSizeExpansion, m.description) &&
           block(root, TextBlocks[1], BlockSizeExpansion, m.successDebrief) &&
           block(root, TextBlocks[2], BlockSizeExpansion, m.failureDebrief);
  // The base format has no debriefings: nothing may be said about them.
  for (std::string_view name : {TextBlocks[1], TextBlocks[2]}) {
    const std::string key(name);
    if (root.contains(key) &&
        !(root[key].is_string() && root[key].get_ref<const std::string&>().empty()))
      return fail(key, "a mission of format 12 has no debriefings");
    for (const std::string& k : {key + std::string(TailSuffix), key + std::string(BytesSuffix)})
      if (root.contains(k)) return fail(k, "a mission of format 12 has no debriefings");
  }
  m.successDebrief = model::TextBlock(BlockSizeExpansion);
  m.failureDebrief = model::TextBlock(BlockSizeExpansion);
  return block(root, TextBlocks[0], BlockSizeBase, m.description);
}

bool Reader::mission(const ReadValue& root, model::Mission& m) {
  // Keys left out take the records of a new Mission.
  model::Mission defaults;
  defaults.newMission();
  return knownKeys(root) && platform(root, m) && flightGroups(root, defaults, m) &&
         messages(root, m) && header(root, defaults, m) && fixedRecords(root, defaults, m) &&
         briefings(root, defaults, m) && textBlocks(root, m) &&
         (!root.contains("TrailingBytes") ||
          bytes(root["TrailingBytes"], "TrailingBytes", std::string::npos, m.trailingBytes));
}

}  // namespace

MissionResult missionFromJson(std::string_view text, model::Mission& out) {
  ReadValue root;
  std::string error;
  if (!parse(text, root, error)) return {error};
  Reader reader;
  auto m = std::make_unique<model::Mission>();
  if (!reader.mission(root, *m)) return {reader.error};
  out = std::move(*m);
  return {};
}

MissionResult readMissionJson(std::string_view text, model::Mission& out,
                              const model::MissionDefaults& defaults) {
  model::Mission m;
  MissionResult r = missionFromJson(text, m);
  if (!r.ok()) return r;
  const std::vector<std::uint8_t> bytes = model::writeMission(m);
  const model::ReadResult read = model::readMission(bytes, out, defaults);
  if (!read.ok()) return {read.message};
  return {};
}

MissionResult readMissionJsonFile(const std::string& path, model::Mission& out,
                                  const model::MissionDefaults& defaults) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  if (!model::readWholeFile(path, bytes, error)) return {error};
  MissionResult r = readMissionJson(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), out, defaults);
  if (!r.ok()) r.error = path + ": " + r.error;
  return r;
}

}  // namespace json
