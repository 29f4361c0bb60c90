#include "app/document/selection_model.h"

namespace app {

const model::Selection& SelectionModel::of(model::ListKind list) const {
  return list == model::ListKind::FlightGroups ? lists_.flightGroups : lists_.messages;
}

bool SelectionModel::select(model::ListKind list, model::Selection next, int count) {
  next.clamp(count);
  model::Selection& sel =
      list == model::ListKind::FlightGroups ? lists_.flightGroups : lists_.messages;
  if (next == sel) return false;
  sel = std::move(next);
  return true;
}

bool SelectionModel::restore(Lists lists, int flightGroups, int messages) {
  lists.flightGroups.clamp(flightGroups);
  lists.messages.clamp(messages);
  if (lists == lists_) return false;
  lists_ = std::move(lists);
  return true;
}

void SelectionModel::follow(const model::ChangeSet& c) {
  if (c.flightGroupList) lists_.flightGroups.remap(*c.flightGroupList);
  if (c.messageList) lists_.messages.remap(*c.messageList);
}

void SelectionModel::reset(int flightGroups, int messages) {
  lists_ = {};
  lists_.flightGroups.clamp(flightGroups);
  lists_.messages.clamp(messages);
  point_ = 0;
}

bool SelectionModel::setCurrentPoint(int point) {
  if (point == point_) return false;
  point_ = point;
  return true;
}

}  // namespace app
