#include "json/schema.h"

#include <map>

#include "json/mission_value.h"

namespace json {
namespace {

using model::FieldInfo;
using model::Kind;
using model::RecordLayout;

const char* const ByteRef = "#/$defs/Byte";

Value refTo(const std::string& to) {
  return {{"$ref", to}};
}

Value integer(Range r) {
  return {{"type", "integer"}, {"minimum", r.min}, {"maximum", r.max}};
}

// A schema with its description (when there is one) first.
Value described(const std::string& description) {
  Value v = Value::object();
  if (!description.empty()) v["description"] = description;
  return v;
}

Value arrayOf(Value items, std::size_t min, std::size_t max, const std::string& description = {}) {
  Value a = described(description);
  a["type"] = "array";
  if (min) a["minItems"] = min;
  if (max) a["maxItems"] = max;
  a["items"] = std::move(items);
  return a;
}

Value bytes(std::size_t min, std::size_t max, const std::string& description = {}) {
  return arrayOf(refTo(ByteRef), min, max, description);
}

Value text(std::size_t maxLength, const std::string& description = {}) {
  Value t = described(description);
  t["type"] = "string";
  t["maxLength"] = maxLength;
  return t;
}

Value object(Value properties, const std::string& description = {}) {
  Value o = described(description);
  o["type"] = "object";
  o["properties"] = std::move(properties);
  o["additionalProperties"] = false;
  return o;
}

// Builds "$defs": one entry per record layout, named after it (a second layout of the same name
// takes its parent's name in front).
class DefsBuilder {
 public:
  Value defs = Value::object();

  std::string define(const RecordLayout& layout, const std::string& parent = {}) {
    const auto known = names_.find(&layout);
    if (known != names_.end()) return "#/$defs/" + known->second;
    std::string name(layout.name);
    for (const auto& [other, taken] : names_)
      if (taken == name) name = parent + name;
    names_[&layout] = name;
    defs[name] = nullptr;  // keeps the order of first mention
    defs[name] = object(properties(layout, name));
    return "#/$defs/" + name;
  }

  Value properties(const RecordLayout& layout, const std::string& name) {
    Value p = Value::object();
    const auto& gaps = gapsOf(layout);
    auto putGaps = [&](std::size_t after) {
      for (const Gap& g : gaps)
        if (g.after == after)
          p[gapName(g.offset)] =
              bytes(g.width, g.width, "bytes no field covers, present when not all zero");
    };
    putGaps(0);
    const bool message = &layout == &model::message::Layout;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
      const FieldInfo& f = layout.fields[i];
      const std::string key(f.name);
      switch (f.kind) {
        case Kind::Text:
          p[key] = text(f.width);
          p[tailName(f.name)] = bytes(
              0, message ? RedTextWidth : f.width,
              message ? "the bytes of the record after the text, to byte 65, present when not all "
                        "zero"
                      : "the bytes of the field after its text, from the terminating zero on, "
                        "present when not all zero");
          break;
        case Kind::Raw:
          p[key] = bytes(f.width, f.width);
          break;
        case Kind::Record: {
          const Value r = refTo(define(*f.sub, name));
          p[key] = f.count == 1 ? r : arrayOf(r, f.count, f.count);
          break;
        }
        default: {
          const Value n = integer(rangeOf(layout, f));
          p[key] = f.count == 1 ? n : arrayOf(n, f.count, f.count);
        }
      }
      putGaps(i + 1);
    }
    return p;
  }

 private:
  std::map<const RecordLayout*, std::string> names_;
};

}  // namespace

std::string missionSchema() {
  DefsBuilder b;
  b.defs["Byte"] = integer({0, 255});
  const auto records = [&](const RecordLayout& layout, std::size_t count) {
    const Value r = refTo(b.define(layout));
    return count ? arrayOf(r, count, count) : arrayOf(r, 0, 0xFFFF);
  };

  Value p = Value::object();
  p["PlatformId"] = {{"description", "12: Zyn Format, 14: Qvn Format"},
                     {"enum", {model::FormatBase, model::FormatExpansion}}};
  p["Header"] = refTo(b.define(model::header::Layout));

  Value fg = object(b.properties(model::fg::Layout, "FlightGroup"));
  Value raw = Value::object();
  for (const auto& group : model::fg::RawGroups)
    raw[std::string(group.name)] = bytes(group.offsets.size(), group.offsets.size());
  fg["properties"][std::string(RawGroupsKey)] = object(
      std::move(raw), "the groups of bytes nobody has named, as the raw-bytes panel shows them");
  fg["properties"][std::string(GoalStringsKey)] = refTo(b.define(model::fggoalstrings::Layout));
  b.defs["FlightGroup"] = std::move(fg);
  p["FlightGroups"] = arrayOf(refTo("#/$defs/FlightGroup"), 0, 0xFFFF);

  p["Messages"] = records(model::message::Layout, 0);
  p["GlobalGoals"] = records(model::globalgoal::Layout, model::TeamCount);
  p["Teams"] = records(model::team::Layout, model::TeamCount);

  Value brf = object(b.properties(model::briefing::Layout, "Briefing"));
  for (std::string_view key : {TagsKey, StringsKey})
    brf["properties"][std::string(key)] =
        arrayOf(text(0xFFFF), model::briefing::StringCount, model::briefing::StringCount);
  b.defs["Briefing"] = std::move(brf);
  p["Briefings"] = arrayOf(refTo("#/$defs/Briefing"), model::BriefingCount, model::BriefingCount);

  p["GlobalGoalStrings"] = records(model::ggstrings::Layout, model::TeamCount);
  for (std::string_view block : TextBlocks) {
    const std::string key(block);
    p[key] = text(BlockSizeExpansion - 1,
                  "the text, each line end \"\\n\"; at most 1023 characters in format 12, where "
                  "the debriefings are empty");
    p[key + std::string(TailSuffix)] = bytes(
        0, BlockSizeExpansion, "the bytes of the block after its text, present when not all zero");
    p[key + std::string(BytesSuffix)] =
        bytes(BlockSizeBase, BlockSizeExpansion,
              "every byte of the block, present when the text does not give them back");
  }
  p["TrailingBytes"] = bytes(0, 0, "bytes after the last block of the file");

  Value schema = {{"$schema", "https://json-schema.org/draft/2020-12/schema"},
                  {"title", "ZynED mission"},
                  {"description",
                   "A mission file as zyned-cli dump prints it and from-json reads it; keys left "
                   "out take the values of a new Mission's records."}};
  Value top = object(std::move(p));
  for (auto& [key, value] : top.items()) schema[key] = value;
  schema["$defs"] = std::move(b.defs);
  return print(schema);
}

}  // namespace json
