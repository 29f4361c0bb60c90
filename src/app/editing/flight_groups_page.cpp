#include "editing/flight_groups_page.h"

#include "model/mission_document.h"

namespace app {

FlightGroupsPage::FlightGroupsPage(MissionDocument& doc, const shell::Vocabulary& vocab,
                                   shell::Settings& settings, QWidget* parent)
    : QWidget(parent), doc_(doc), vocab_(vocab), settings_(settings) {
  missionSettings_ = new QWidget(this);
}

FlightGroupsPage::~FlightGroupsPage() = default;

void FlightGroupsPage::setFileActions(const QList<QAction*>&) {}
QWidget* FlightGroupsPage::missionSettingsArea() const {
  return missionSettings_;
}
void FlightGroupsPage::newFlightGroup() {}
void FlightGroupsPage::deleteSelected() {}
void FlightGroupsPage::moveUp() {}
void FlightGroupsPage::moveDown() {}
void FlightGroupsPage::cut() {}
void FlightGroupsPage::copy() {}
void FlightGroupsPage::paste() {}
void FlightGroupsPage::toggleGoalSummary() {}
void FlightGroupsPage::refresh() {}
void FlightGroupsPage::onChanged(unsigned) {}
void FlightGroupsPage::updateBuffer() {}
void FlightGroupsPage::updateStatus() {}
void FlightGroupsPage::fillCurrentPage() {}

}  // namespace app
