// zyned-cli dump: the whole Mission as JSON. Records are written from their field tables, so a
// field added to a layout appears here without any edit.
#include <iostream>

#include "command.h"
#include "json_writer.h"
#include "model/cp1252.h"
#include "model/mission_file.h"

namespace cli {
namespace {

long long element(model::CBytes rec, model::Kind kind, std::size_t at) {
  switch (kind) {
    case model::Kind::U8:
      return rec[at];
    case model::Kind::I8:
      return static_cast<std::int8_t>(rec[at]);
    case model::Kind::U16:
      return static_cast<std::uint16_t>(rec[at] | (rec[at + 1] << 8));
    case model::Kind::I16:
      return static_cast<std::int16_t>(rec[at] | (rec[at + 1] << 8));
    default:
      return 0;
  }
}

void writeRecord(JsonWriter& j, const model::RecordLayout& layout, model::CBytes rec);

// The fields of one record as keys of the object being written.
void writeFields(JsonWriter& j, const model::RecordLayout& layout, model::CBytes rec) {
  for (const model::FieldInfo& f : layout.fields) {
    j.key(f.name);
    switch (f.kind) {
      case model::Kind::U8:
      case model::Kind::I8:
      case model::Kind::U16:
      case model::Kind::I16:
        if (f.count == 1) {
          j.number(element(rec, f.kind, f.offset));
        } else {
          std::vector<long long> values;
          for (std::size_t i = 0; i < f.count; ++i)
            values.push_back(element(rec, f.kind, f.offset + i * f.stride));
          j.numbers(values);
        }
        break;
      case model::Kind::Text:
        j.string(model::cp1252ToUtf8(
            model::getText(rec, model::TextField{f.name, f.offset, f.width, f.width})));
        break;
      case model::Kind::Raw:
        j.numbers({rec.begin() + static_cast<std::ptrdiff_t>(f.offset),
                   rec.begin() + static_cast<std::ptrdiff_t>(f.offset + f.width)});
        break;
      case model::Kind::Record:
        if (f.count == 1) {
          writeRecord(j, *f.sub, rec.subspan(f.offset, f.sub->size));
        } else {
          j.beginArray();
          for (std::size_t i = 0; i < f.count; ++i)
            writeRecord(j, *f.sub, rec.subspan(f.offset + i * f.stride, f.sub->size));
          j.endArray();
        }
        break;
    }
  }
}

void writeRecord(JsonWriter& j, const model::RecordLayout& layout, model::CBytes rec) {
  j.beginObject();
  writeFields(j, layout, rec);
  j.endObject();
}

void writeStrings(JsonWriter& j,
                  const std::array<std::string, model::briefing::StringCount>& list) {
  j.beginArray();
  for (const std::string& s : list) j.string(model::cp1252ToUtf8(s));
  j.endArray();
}

// Memo text with its line ends as "\n".
std::string memo(const model::TextBlock& block) {
  const std::string text = model::cp1252ToUtf8(block.text());
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

void dump(const model::Mission& m, std::ostream& out) {
  JsonWriter j(out);
  j.beginObject();
  j.key("PlatformId");
  j.number(m.platformId);

  j.key("Header");
  writeRecord(j, model::header::Layout, m.header.span());

  j.key("FlightGroups");
  j.beginArray();
  for (const model::FlightGroup& g : m.flightGroups) {
    j.beginObject();
    writeFields(j, model::fg::Layout, g.span());
    j.key("RawGroups");
    j.beginObject();
    for (const auto& group : model::fg::RawGroups) {
      j.key(group.name);
      std::vector<long long> values;
      for (std::size_t at : group.offsets) values.push_back(g.bytes[at]);
      j.numbers(values);
    }
    j.endObject();
    j.key("GoalStrings");
    writeRecord(j, model::fggoalstrings::Layout, g.goalStrings.span());
    j.endObject();
  }
  j.endArray();

  j.key("Messages");
  j.beginArray();
  for (const model::Message& msg : m.messages) {
    writeRecord(j, model::message::Layout, msg.span());
  }
  j.endArray();

  j.key("GlobalGoals");
  j.beginArray();
  for (const model::GlobalGoal& gg : m.globalGoals) {
    writeRecord(j, model::globalgoal::Layout, gg.span());
  }
  j.endArray();

  j.key("Teams");
  j.beginArray();
  for (const model::Team& t : m.teams) {
    writeRecord(j, model::team::Layout, t.span());
  }
  j.endArray();

  j.key("Briefings");
  j.beginArray();
  for (const model::Briefing& b : m.briefings) {
    j.beginObject();
    writeFields(j, model::briefing::Layout, b.span());
    j.key("BriefingTags");
    writeStrings(j, b.tags);
    j.key("BriefingStrings");
    writeStrings(j, b.strings);
    j.endObject();
  }
  j.endArray();

  j.key("GlobalGoalStrings");
  j.beginArray();
  for (const model::GlobalGoalStrings& s : m.globalGoalStrings) {
    writeRecord(j, model::ggstrings::Layout, s.span());
  }
  j.endArray();

  j.key("Description");
  j.string(memo(m.description));
  j.key("SuccessDebrief");
  j.string(m.platformId == model::FormatBase ? std::string() : memo(m.successDebrief));
  j.key("FailureDebrief");
  j.string(m.platformId == model::FormatBase ? std::string() : memo(m.failureDebrief));
  j.key("TrailingBytes");
  j.numbers({m.trailingBytes.begin(), m.trailingBytes.end()});
  j.endObject();
}

int runDump(const std::vector<std::string>& args, Context& ctx);
const Registration dumpCommand{
    {"dump", "FILE", "the whole mission as JSON (field names of the file format)", runDump}};

int runDump(const std::vector<std::string>& args, Context& ctx) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
    return usage(*findCommand("dump"), ctx);
  model::Mission m;
  if (!loadForCommand(args[0], m, ctx)) return Failed;
  dump(m, ctx.out);
  ctx.out.flush();
  return ctx.out ? Success : Failed;
}

}  // namespace
}  // namespace cli
