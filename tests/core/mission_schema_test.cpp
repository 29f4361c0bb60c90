// The JSON Schema of the dump: every dump validates against it, and what it forbids from-json
// refuses too. The validator here knows the keywords the schema uses and refuses any other.
#include <gtest/gtest.h>

#include <set>

#include "json/document.h"
#include "json/mission_json.h"
#include "json/schema.h"
#include "mission_generator.h"
#include "model/mission_file.h"

namespace {

class Validator {
 public:
  explicit Validator(const json::ReadValue& schema) : root_(schema) { keywords(root_, "schema"); }

  // Empty when `v` is valid, else where and why not.
  std::string check(const json::ReadValue& v) {
    error_.clear();
    std::string path;
    check(root_, v, path);
    return error_;
  }

 private:
  bool fail(const std::string& path, const std::string& why) {
    if (error_.empty()) error_ = path + ": " + why;
    return false;
  }

  // Every keyword of every schema in the tree is one this validator knows.
  void keywords(const json::ReadValue& s, const std::string& path) {
    static const std::set<std::string> known{
        "$schema", "title",    "description", "type",    "properties", "additionalProperties",
        "items",   "minItems", "maxItems",    "minimum", "maximum",    "maxLength",
        "enum",    "$ref",     "$defs"};
    for (const auto& [keyword, value] : s.items()) {
      if (!known.contains(keyword)) fail(path, "the schema uses " + keyword);
      if (keyword == "properties" || keyword == "$defs")
        for (const auto& [name, sub] : value.items()) keywords(sub, path + "." + name);
      if (keyword == "items") keywords(value, path + "[]");
    }
  }

  const json::ReadValue& resolve(const json::ReadValue& s) {
    return s.contains("$ref") ? root_["$defs"][s["$ref"].get<std::string>().substr(8)] : s;
  }

  // `path` grows and shrinks with the walk: no string is built per value.
  bool check(const json::ReadValue& schema, const json::ReadValue& v, std::string& path) {
    const json::ReadValue& s = resolve(schema);
    if (s.contains("enum") && std::find(s["enum"].begin(), s["enum"].end(), v) == s["enum"].end())
      return fail(path, "not one of " + s["enum"].dump());
    if (!s.contains("type")) return true;
    const std::string& type = s["type"].get_ref<const std::string&>();
    if (type == "object") {
      if (!v.is_object()) return fail(path, "not an object");
      for (const auto& [key, member] : v.items()) {
        if (s["properties"].contains(key)) {
          const std::size_t size = path.size();
          path.append(".").append(key);
          if (!check(s["properties"][key], member, path)) return false;
          path.resize(size);
        } else if (s.contains("additionalProperties")) {
          return fail(path, "unknown key " + key);
        }
      }
    } else if (type == "array") {
      if (!v.is_array()) return fail(path, "not an array");
      if (s.contains("minItems") && v.size() < s["minItems"]) return fail(path, "too few");
      if (s.contains("maxItems") && v.size() > s["maxItems"]) return fail(path, "too many");
      const std::size_t size = path.size();
      for (std::size_t i = 0; i < v.size(); ++i) {
        path.append("[").append(std::to_string(i)).append("]");
        if (!check(s["items"], v[i], path)) return false;
        path.resize(size);
      }
    } else if (type == "string") {
      if (!v.is_string()) return fail(path, "not a string");
      const auto& text = v.get_ref<const std::string&>();
      const auto chars = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      });
      if (s.contains("maxLength") && chars > s["maxLength"]) return fail(path, "too long");
    } else if (type == "integer") {
      if (!v.is_number_integer()) return fail(path, "not an integer");
      if (v < s["minimum"] || v > s["maximum"]) return fail(path, "out of range");
    } else {
      return fail(path, "the schema uses type " + type);
    }
    return true;
  }

  const json::ReadValue& root_;
  std::string error_;
};

json::ReadValue parsed(const std::string& text) {
  json::ReadValue v;
  std::string error;
  EXPECT_TRUE(json::parse(text, v, error)) << error;
  return v;
}

TEST(MissionSchema, EveryDumpValidates) {
  const json::ReadValue schema = parsed(json::missionSchema());
  Validator validator(schema);
  ASSERT_EQ(validator.check(json::ReadValue::object()), "");  // it knows every keyword used
  std::vector<std::vector<std::uint8_t>> files;
  model::Mission fresh;
  fresh.newMission();
  fresh.addMessage();
  files.push_back(model::writeMission(fresh));
  for (std::uint64_t seed = 1; seed <= 4; ++seed)
    files.push_back(testgen::randomMissionFile(seed, testgen::GeneratorLimits{3, 5, 80, 64}));
  for (const auto& file : files) {
    model::Mission m;
    ASSERT_TRUE(model::readMission(file, m).ok());
    EXPECT_EQ(validator.check(parsed(json::dumpMission(m))), "");
  }
}

TEST(MissionSchema, WhatItForbidsFromJsonRefuses) {
  const json::ReadValue schema = parsed(json::missionSchema());
  Validator validator(schema);
  for (const char* text : {
           R"({"FlightGroups": [{"CraftType": 300}]})",
           R"({"FlightGroups": [{"Colour": 1}]})",
           R"({"FlightGroups": [{"Name": "twenty-one characters"}]})",
           R"({"FlightGroups": [{"WaypointX": [1, 2]}]})",
           R"({"Messages": [{"Color": 52}]})",
           R"({"Briefings": [{}]})",
           R"({"PlatformId": 13})",
           R"({"FlightGroups": [{"RawGroups": {"Raw1": [1]}}]})",
       }) {
    EXPECT_NE(validator.check(parsed(text)), "") << text;
    model::Mission m;
    EXPECT_FALSE(json::missionFromJson(text, m).ok()) << text;
  }
}

}  // namespace
