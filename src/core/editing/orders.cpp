#include "editing/orders.h"

#include <algorithm>
#include <cmath>

namespace editing {

namespace od = model::order;

std::vector<std::string> throttleList() {
  std::vector<std::string> out{"   0%"};
  for (int i = 1; i < ThrottleSteps - 1; ++i)
    out.push_back(std::string(" ").append(std::to_string(i * 10)).append("%"));
  out.push_back("100%");
  return out;
}

bool speedEnabled(int throttle) {
  return throttle >= FullThrottle;
}

std::string speedText(int index) {
  if (index <= 0) return "default";
  return std::to_string(std::lround(index * 2.223529411765));
}

std::vector<std::string> speedTable() {
  std::vector<std::string> out;
  out.reserve(256);
  for (int i = 0; i < 256; ++i) out.push_back(speedText(i));
  return out;
}

std::string orderExplanation(const shell::Vocabulary& v, int command) {
  return v.text(shell::tables::OrdTexts, command, "Unknown");
}

std::string orderExplanation(const shell::Vocabulary& v, int command,
                             const std::vector<std::string>& importedOrderTexts, int group) {
  if (group >= 0 && static_cast<std::size_t>(group) < importedOrderTexts.size() &&
      !importedOrderTexts[static_cast<std::size_t>(group)].empty())
    return importedOrderTexts[static_cast<std::size_t>(group)];
  return orderExplanation(v, command);
}

ParameterCaptions parameterCaptions(int command, int p1, int p2) {
  const std::string noEffect1 = "                  No Effect?:";
  const std::string noEffect2 = "             No Effect?:";
  const std::string secs = std::to_string(5 * p1) + " secs):";
  switch (command) {
    case 2:
    case 3:
    case 21:
      return {"                  # of loops:", noEffect2};
    case 4:
    case 6:
      return {"           # of dockings:", noEffect2};
    case 10: {
      std::optional<std::string> second;
      if (p2 == 1) second = "Attack Player:Yes";
      if (p2 == 0) second = "Attack Player:No";
      return {noEffect1, second};
    }
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 31:
    case 32:
      return {"Docking time (" + secs, "         # of dockings:"};
    case 17:
      return {"Docking time (" + secs, noEffect2};
    case 18:
      return {"Deploy time? (" + secs, "FG# to drop off:"};
    case 19:
    case 20:
      return {"    Wait time (" + secs, noEffect2};
    case 36:
      return {"Delay time (" + secs, "               No Effect?:"};
    default:
      return {noEffect1, noEffect2};
  }
}

std::string orderUnknownsText(model::CBytes order) {
  return "Unknowns for each order:  " + std::to_string(model::get(order, od::Raw4)) + ",   " +
         std::to_string(model::get(order, od::Raw5)) + ",   " +
         std::to_string(model::get(order, od::Raw11)) + ",   " +
         std::to_string(model::get(order, od::Raw17));
}

std::string orderHeading(int n) {
  return "Order #" + std::to_string(n) + ":";
}

bool descriptionEnabled(std::size_t order, int playerNumber) {
  return order == 0 && playerNumber != 0;
}

std::size_t descriptionRoom(std::size_t storedLength) {
  return std::max(DescriptionTyped, std::min(storedLength, od::Description.maxChars));
}

void setTargetType(model::Bytes order, std::size_t n, std::uint8_t type) {
  model::set(order, od::TargetType.at(n), type);
  model::set(order, od::Target.at(n), std::uint8_t{0});
}

std::vector<std::uint8_t> clipboardOrder(model::CBytes order) {
  std::vector<std::uint8_t> out(order.begin(), order.begin() + od::Size);
  for (auto f : {od::Raw4, od::Raw5, od::Raw11, od::Raw17}) out[f.offset] = 0;
  return out;
}

}  // namespace editing
