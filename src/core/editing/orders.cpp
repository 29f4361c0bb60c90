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

ParameterCaptionForms parameterCaptionForms(int command, int p1, int p2) {
  const char* const noEffect1 = ZYNED_TEXT("core", "                  No Effect?:");
  const char* const noEffect2 = ZYNED_TEXT("core", "             No Effect?:");
  const char* const docking = ZYNED_TEXT("core", "Docking time (%1 secs):");
  const int secs = 5 * p1;
  switch (command) {
    case 2:
    case 3:
    case 21:
      return {ZYNED_TEXT("core", "                  # of loops:"), noEffect2, secs};
    case 4:
    case 6:
      return {ZYNED_TEXT("core", "           # of dockings:"), noEffect2, secs};
    case 10: {
      const char* second = nullptr;
      if (p2 == 1) second = ZYNED_TEXT("core", "Attack Player:Yes");
      if (p2 == 0) second = ZYNED_TEXT("core", "Attack Player:No");
      return {noEffect1, second, secs};
    }
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 31:
    case 32:
      return {docking, ZYNED_TEXT("core", "         # of dockings:"), secs};
    case 17:
      return {docking, noEffect2, secs};
    case 18:
      return {ZYNED_TEXT("core", "Deploy time? (%1 secs):"), ZYNED_TEXT("core", "FG# to drop off:"),
              secs};
    case 19:
    case 20:
      return {ZYNED_TEXT("core", "    Wait time (%1 secs):"), noEffect2, secs};
    case 36:
      return {ZYNED_TEXT("core", "Delay time (%1 secs):"),
              ZYNED_TEXT("core", "               No Effect?:"), secs};
    default:
      return {noEffect1, noEffect2, secs};
  }
}

ParameterCaptions parameterCaptions(int command, int p1, int p2) {
  const ParameterCaptionForms f = parameterCaptionForms(command, p1, p2);
  const std::string secs = std::to_string(f.seconds);
  ParameterCaptions out{model::fillText(f.p1, {secs}), std::nullopt};
  if (f.p2) out.p2 = model::fillText(f.p2, {secs});
  return out;
}

std::string orderUnknownsText(model::CBytes order) {
  const auto v = orderUnknownValues(order);
  return model::fillText(OrderUnknownsForm, {v[0], v[1], v[2], v[3]});
}

std::array<std::string, 4> orderUnknownValues(model::CBytes order) {
  return {std::to_string(model::get(order, od::Raw4)), std::to_string(model::get(order, od::Raw5)),
          std::to_string(model::get(order, od::Raw11)),
          std::to_string(model::get(order, od::Raw17))};
}

std::string orderHeading(int n) {
  return model::fillText(OrderHeadingForm, {std::to_string(n)});
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
