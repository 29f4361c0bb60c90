#include "model/derived.h"

namespace model {

void refreshDerived(Mission& m, const ChangeSet& c) {
  auto idx = [](int i) { return static_cast<std::size_t>(i); };
  if (c.whole) {
    for (FlightGroup& g : m.flightGroups) g.heading = computeHeading(g, &g.lastRoutePoint);
    for (Message& msg : m.messages) msg.updateSentToAnyTeam();
    m.updateMapExtent();
    m.syncCounts();
    return;
  }
  const std::size_t pointsBegin = fg::WaypointX.offset;
  const std::size_t pointsEnd = fg::WaypointEnabled.offset + fg::WaypointEnabled.bytes();
  const bool pointsChanged =
      c.touches(RecordKind::FlightGroup, pointsBegin, pointsEnd - pointsBegin);
  auto heading = [&](int i) {
    if (idx(i) >= m.flightGroups.size()) return;
    FlightGroup& g = m.flightGroups[idx(i)];
    g.heading = computeHeading(g, &g.lastRoutePoint);
  };
  if (pointsChanged)
    for (int i : c.of(RecordKind::FlightGroup).indices) heading(i);
  // An inserted group's heading follows its points like any other.
  if (c.flightGroupList)
    for (int i : c.flightGroupList->inserted) heading(i);
  if (c.listChanged(ListKind::FlightGroups) || pointsChanged ||
      c.touches(RecordKind::FlightGroup, fg::CraftType.offset, 1))
    m.updateMapExtent();
  if (c.touches(RecordKind::Message, message::SentToTeam.offset, message::SentToTeam.bytes()))
    for (int i : c.of(RecordKind::Message).indices)
      if (idx(i) < m.messages.size()) m.messages[idx(i)].updateSentToAnyTeam();
  if (c.messageList)
    for (int i : c.messageList->inserted)
      if (idx(i) < m.messages.size()) m.messages[idx(i)].updateSentToAnyTeam();
  if (c.flightGroupList || c.messageList) m.syncCounts();
}

}  // namespace model
