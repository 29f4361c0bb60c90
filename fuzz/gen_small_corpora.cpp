// Writes the seed corpora of the fuzzers of the small files (game lists, custom lists, load by
// list, slot lists, the sound list, clipboards, the library, the settings, vocabulary files), of
// the JSON reader and of the edit sequences: one folder per fuzzer under DIR, each with typical
// inputs and a few odd ones.
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "edit_scripts.h"
#include "icon_cache_writer.h"
#include "json/document.h"
#include "json/mission_json.h"
#include "lists/model_slots.h"
#include "lists/text_file.h"
#include "mission_generator.h"
#include "model/layouts.h"
#include "model/mission_file.h"
#include "seed_files.h"
#include "shell/vocabulary.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

// Text as UTF-16 little-endian (ASCII only), with or without its byte order mark.
std::string utf16(std::string_view ascii, bool mark) {
  std::string out = mark ? "\xFF\xFE" : "";
  for (const char c : ascii) {
    out.push_back(c);
    out.push_back('\0');
  }
  return out;
}

const std::string Bom = "\xEF\xBB\xBF";

std::vector<std::pair<std::string, Bytes>> textSeeds(const std::vector<std::string>& texts) {
  std::vector<std::pair<std::string, Bytes>> out;
  for (std::size_t i = 0; i < texts.size(); ++i)
    out.emplace_back("seed-" + std::to_string(i), bytesOf(texts[i]));
  return out;
}

// Flight-group records of small generated missions.
std::vector<Bytes> flightGroupRecords() {
  testgen::GeneratorLimits small;
  small.maxFlightGroups = 4;
  small.maxMessages = 2;
  small.maxStringLength = 20;
  std::vector<Bytes> out;
  for (std::uint64_t seed = 0; seed < 6; ++seed) {
    model::Mission m;
    if (!model::readMission(testgen::randomMissionFile(seed, small), m).ok()) continue;
    for (const auto& g : m.flightGroups) out.emplace_back(g.bytes.begin(), g.bytes.end());
  }
  return out;
}

// `v` without what equals `base` at the same place: keys of an object whose value is the
// default are left out (the reader fills them in), arrays keep their length.
json::Value sparse(const json::Value& v, const json::Value& base) {
  if (v.is_object() && base.is_object()) {
    json::Value out = json::Value::object();
    for (const auto& [key, value] : v.items()) {
      if (!base.contains(key))
        out[key] = value;
      else if (value != base[key])
        out[key] = sparse(value, base[key]);
    }
    return out;
  }
  if (v.is_array() && base.is_array() && v.size() == base.size() && !v.empty() &&
      v[0].is_structured()) {
    json::Value out = json::Value::array();
    for (std::size_t i = 0; i < v.size(); ++i) out.push_back(sparse(v[i], base[i]));
    return out;
  }
  return v;
}

// Small generated missions as JSON the reader takes: what differs from the reader's defaults,
// written without spaces, whole and part by part (the rest of a mission comes from a new one's
// records). A whole dump is some 200 KB, which the fuzzer would read a few times a second; these
// are mostly a few KB and still reach every record's reader.
std::vector<std::pair<std::string, Bytes>> jsonSeeds() {
  testgen::GeneratorLimits small;
  small.maxFlightGroups = 3;
  small.maxMessages = 3;
  small.maxStringLength = 12;
  small.maxTrailingBytes = 4;
  std::vector<std::pair<std::string, Bytes>> out;
  for (std::uint64_t seed = 0; seed < 12; ++seed) {
    model::Mission m;
    if (!model::readMission(testgen::randomMissionFile(seed, small), m).ok()) continue;
    json::Value whole, base;
    std::string error;
    if (!json::parse(json::dumpMission(m), whole, error)) continue;
    // The reader's defaults for as many groups and messages.
    json::Value empty = json::Value::object();
    empty["PlatformId"] = whole["PlatformId"];
    empty["FlightGroups"] = json::Value::array();
    empty["Messages"] = json::Value::array();
    for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
      empty["FlightGroups"].push_back(json::Value::object());
    for (std::size_t i = 0; i < m.messages.size(); ++i)
      empty["Messages"].push_back(json::Value::object());
    model::Mission defaults;
    if (!json::missionFromJson(empty.dump(), defaults).ok() ||
        !json::parse(json::dumpMission(defaults), base, error))
      continue;
    json::Value diff = sparse(whole, base);
    // Of the records a mission has a fixed number of, the first alone keeps its values.
    for (auto& [key, value] : diff.items())
      if (key != "FlightGroups" && key != "Messages" && value.is_array())
        for (std::size_t i = 1; i < value.size(); ++i) value[i] = json::Value::object();
    out.emplace_back("mission-" + std::to_string(seed), bytesOf(diff.dump()));
    for (const auto& [key, value] : diff.items()) {
      if (key == "PlatformId") continue;
      json::Value part = json::Value::object();
      part["PlatformId"] = whole["PlatformId"];
      part[key] = value;
      if (key == "Header") {  // its counts follow the lists
        part[key].erase("FlightGroupCount");
        part[key].erase("MessageCount");
      }
      out.emplace_back("part-" + std::to_string(seed) + "-" + key, bytesOf(part.dump()));
    }
  }
  for (const char* odd : {"{}", "[]", "{\"PlatformId\": 12}", "{\"Messages\": [{}]}",
                          "{\"FlightGroups\": [{\"Name\": \"\\u00e9\"}]}", "{\"\": 1}"})
    out.emplace_back("odd-" + std::to_string(out.size()), bytesOf(odd));
  return out;
}

// Edit scripts of several lengths: the mission seed and the operations.
std::vector<std::pair<std::string, Bytes>> editSeeds() {
  std::vector<std::pair<std::string, Bytes>> out;
  for (std::uint64_t seed = 0; seed < 40; ++seed)
    out.emplace_back("script-" + std::to_string(seed),
                     editseq::randomScript(seed, 40 + 20 * static_cast<std::size_t>(seed % 8)));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zyned_gen_small_corpora DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, Bytes>>>> corpora;

  const std::vector<std::string> gameLists = {
      "// Rebel training\r\n12\r\nR12.KRE\r\nTwelve\r\n12a\r\n13\r\nr13.kre\r\nThirteen\r\n",
      "[ Tour of duty ]\r\n1\r\n1 tod1.kre\r\nFirst mission\r\n// end\r\n",
      "7\rc7.kre\rSeven",
      "3\nm3.kre\nThree\n",
      "",
      utf16("1\r\nm1.kre\r\nOne\r\n", true),
      std::string("1\r\nm\0.kre\r\n", 11),
  };
  corpora.push_back({"fuzz_game_lists", textSeeds(gameLists)});
  corpora.push_back({"fuzz_load_by_list", textSeeds(gameLists)});
  corpora.push_back(
      {"fuzz_custom_list",
       textSeeds({"3\r\nb1.kre\r\nextra\\e1.kre\r\nB2.KRE\r\nThe battle\r\nline two", "0\r\n",
                  "2\nx.kre\n", "99999999999\r\na.kre\r\nb", "Mission\r\n", "1\r\n\r\n\r\n\r\n"})});

  std::string slots[3];
  for (int craft = 1; craft <= lists::CraftSlotCount; ++craft)
    if (const auto line = lists::slotLine(craft)) {
      auto& text = slots[line->list];
      text += lists::restoredLine(craft) + "\r\n";
    }
  corpora.push_back({"fuzz_slot_lists", textSeeds({"\x80\xC0" + slots[0] + slots[1] + slots[2],
                                                   "\x20\x40ivfiles\\a.opt\r\nivfiles\\b.opt\r\n",
                                                   std::string("\xFF\xFF") + "ivfiles\\x.opt\n"})});

  std::string sounds;
  for (int i = 0; i < 21; ++i) sounds += i % 3 ? "train\\dummy.wav\r\n" : "Rto1\\To3glc00.wav\r\n";
  corpora.push_back(
      {"fuzz_sound_list", textSeeds({sounds, "train\\dummy.wav", "\r\n\r\nx.wav\n"})});

  const std::vector<Bytes> groups = flightGroupRecords();
  std::vector<std::pair<std::string, Bytes>> clips, library;
  for (std::size_t i = 0; i < groups.size() && i < 8; ++i) {
    const Bytes& g = groups[i];
    const auto orders = g.begin() + static_cast<long>(model::fg::Orders);
    clips.emplace_back("orders-" + std::to_string(i),
                       Bytes(orders, orders + static_cast<long>(2 * model::order::Size + 5)));
    const auto triggers = g.begin() + static_cast<long>(model::fg::ArrivalTriggers);
    clips.emplace_back("triggers-" + std::to_string(i), Bytes(triggers, triggers + 10));
    Bytes two = g;
    if (i + 1 < groups.size()) two.insert(two.end(), groups[i + 1].begin(), groups[i + 1].end());
    library.emplace_back("library-" + std::to_string(i), i % 2 ? two : g);
  }
  library.emplace_back("trailing", Bytes{1, 2, 3});
  corpora.push_back({"fuzz_clipboards", clips});
  corpora.push_back({"fuzz_library", library});

  const std::string ini =
      "[Directories]\r\nMissions=/games/zyn/Train\r\nZyn=/games/zyn\r\nZynED=/opt/zyned\r\n"
      "Wave=Undefined\r\nOPT=\r\n\r\n[Options]\r\nAutoLink=1\r\nDefaultFormat=0\r\n"
      "DefaultShip=$10\r\n\r\n[Map]\r\nZoomSpeed=12\r\nIconZoomSmall=5000\r\n\r\n[Windows]\r\n"
      "Map=1,2,3,4\r\n";
  corpora.push_back(
      {"fuzz_settings",
       textSeeds({ini, Bom + ini, Bom + Bom + ini, Bom + std::string(1, '\0') + "\r\n" + ini,
                  std::string(1, '\0'), "[Directories]\rZyn=\" /g \"\r", utf16(ini, true),
                  utf16(ini, false), "; comment\n[options]\nautolink=0\nautolink=1\n"})});

  std::vector<std::string> tables;
  for (const char* name : {"Ships", "Orders", "Conds", "IFF"})
    tables.push_back(shell::joinLines(shell::Vocabulary::builtIn(name)));
  tables.push_back(Bom + "caf\xC3\xA9\r\nna\xC3\xAFve\n");
  tables.push_back("one\rtwo\n\nfour");
  corpora.push_back({"fuzz_vocabulary", textSeeds(tables)});

  std::vector<std::pair<std::string, Bytes>> caches;
  caches.emplace_back("one", testsupport::iconCache({"document-new"}, {"22x22/actions"}, 1));
  caches.emplace_back("chains", testsupport::iconCache({"document-new", "edit-undo", "a", "b"},
                                                       {"16x16/actions", "scalable/actions"}));
  caches.emplace_back("index", textSeeds({"[Icon Theme]\nInherits=a, b\n"})[0].second);
  corpora.push_back({"fuzz_icon_cache", caches});

  corpora.push_back({"fuzz_mission_json", jsonSeeds()});
  corpora.push_back({"fuzz_edit_sequences", editSeeds()});

  int written = 0;
  for (const auto& [target, files] : corpora) {
    std::error_code ec;
    std::filesystem::create_directories(dir + "/" + target, ec);
    for (const auto& [name, bytes] : files)
      if (seeds::writeFile(dir + "/" + target + "/" + name, bytes)) ++written;
  }
  std::printf("%d files written to %s\n", written, dir.c_str());
  return 0;
}
