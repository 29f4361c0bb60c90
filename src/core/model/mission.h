#pragma once
// The one open mission: every record of a mission file in memory, plus the values the editor
// keeps with them (team colours, the message sound list) and derives from them (headings, map
// box, counts). Editor state (file name, changed flags, selection, copy buffer, defaults) lives
// in the document (model/document_state.h).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/records.h"

namespace model {

inline constexpr std::int16_t FormatBase = 12;       // "Zyn Format"
inline constexpr std::int16_t FormatExpansion = 14;  // "Qvn Format"
inline constexpr std::size_t TeamCount = 10;
inline constexpr std::size_t BriefingCount = 8;
inline constexpr const char* UnnamedFile = "Unnamed";

enum MissionType : std::uint8_t {
  Training = 0,
  MissionType1 = 1,
  Melee = 2,
  MultiplayerTraining = 3,
  MultiplayerCombat = 4,
};

// The settings a Mission reads when it makes new records.
struct MissionDefaults {
  bool autoLink = true;
  bool enableWPs = true;
  int defaultShip = 1;
  int defaultAI = 2;
};

struct Vec3 {
  int x = 0, y = 0, z = 0;
  bool operator==(const Vec3&) const = default;
};

struct Mission {
  std::int16_t platformId = FormatExpansion;
  Header header;
  std::vector<FlightGroup> flightGroups;
  std::vector<Message> messages;
  std::array<GlobalGoal, TeamCount> globalGoals;
  std::array<Team, TeamCount> teams;
  std::array<Briefing, BriefingCount> briefings;
  std::array<GlobalGoalStrings, TeamCount> globalGoalStrings;
  TextBlock description{4096};
  TextBlock successDebrief{4096};
  TextBlock failureDebrief{4096};
  std::array<std::uint8_t, TeamCount> teamIff{};
  // Bytes found after the last block of a file: kept so that nothing read is lost.
  std::vector<std::uint8_t> trailingBytes;

  // The per-mission message sound list: one relative WAV path per message (at most
  // MaxMissionSounds); not part of the mission file, kept here so that undo covers it.
  std::vector<std::string> sounds;

  // Derived from the flight groups by refreshDerived (model/derived.h).
  Vec3 mapCentre, mapExtent;

  // Frees every record and empties the lists; the fixed sets become empty records.
  void clear();
  // The default mission a new session starts with (PlatformId is kept).
  void newMission(const MissionDefaults& defaults = {});
  // Appends a flight group made from `tmpl` with the adjustments of an added group; returns its
  // index.
  int addFlightGroup(const FlightGroup& tmpl, const MissionDefaults& defaults = {});
  int addFlightGroup() { return addFlightGroup(newFlightGroupTemplate({}), {}); }
  // Appends a message made from `tmpl` with the adjustments of an added message; returns its
  // index.
  int addMessage(const Message& tmpl);
  int addMessage();
  void updateHeading(std::size_t flightGroup);
  void updateMapExtent();
  // TeamIff from the flight groups: the first flight group of each team gives its colour.
  void computeTeamIff();

  std::uint8_t missionType() const { return header.get(header::MissionType); }

  // The template new flight groups are made from: the defaults and team 1's colour.
  FlightGroup newFlightGroupTemplate(const MissionDefaults& defaults) const;
  // A flight group as it is appended by addFlightGroup, without appending it.
  FlightGroup addedFlightGroup(const FlightGroup& tmpl, const MissionDefaults& defaults) const;
  // A message as addMessage appends it, without appending it.
  Message addedMessage(const Message& tmpl) const;

  // Header counts follow the lists.
  void syncCounts();
  // String 0 of briefing 1's strings: the mission title.
  std::string title() const { return briefings[0].strings[0]; }
  // The size of the description block in the current format.
  std::size_t descriptionSize() const { return platformId == FormatBase ? 1024 : 4096; }
};

inline constexpr std::size_t MaxMissionSounds = 19;

// The template of a new message: "New Message" in colour "0".
Message newMessageTemplate();
// The same as Mission::newMission.
inline void newMission(Mission& m, const MissionDefaults& defaults = {}) {
  m.newMission(defaults);
}

// Heading and last route point of one flight group.
Heading computeHeading(const FlightGroup& fg, std::uint8_t* lastRoutePoint = nullptr);

}  // namespace model
