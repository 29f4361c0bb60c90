#pragma once
// What the order editor computes without widgets: the throttle and speed lists, the explanation
// of an order code, the captions of the two order parameters, the unknown-bytes line, the rules
// that enable the speed and description boxes, and the edits that change a target's type.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/fields.h"
#include "model/layouts.h"
#include "model/texts.h"
#include "shell/vocabulary.h"

namespace editing {

// Throttle steps of 10 %: "   0%", " 10%" … " 90%", "100%".
inline constexpr int ThrottleSteps = 11;
std::vector<std::string> throttleList();
// The throttle index from which the order's own speed counts (100 %).
inline constexpr int FullThrottle = 10;
// The speed box counts only at full throttle; below it the stored speed stays as it is.
bool speedEnabled(int throttle);

// The 256 speeds: "default", then each index times 2.223529411765 rounded to the nearest whole
// number ("2" … "567").
std::string speedText(int index);
std::vector<std::string> speedTable();

// The explanation of an order code: its `OrdTexts` entry, "Unknown" beyond the table.
std::string orderExplanation(const shell::Vocabulary& v, int command);
// The same for flight group `group` of an open imported Mission: the older order kept for the
// group, where it has one.
std::string orderExplanation(const shell::Vocabulary& v, int command,
                             const std::vector<std::string>& importedOrderTexts, int group);

// Captions of parameter 1 and 2 for an order. `p2` is empty where the caption keeps whatever it
// showed before (order 10 with a parameter 2 other than 0 and 1).
struct ParameterCaptions {
  std::string p1;
  std::optional<std::string> p2;
};
ParameterCaptions parameterCaptions(int command, int p1, int p2);
// The same as forms ("Docking time (%1 secs):"), with the seconds that fill "%1".
struct ParameterCaptionForms {
  const char* p1;
  const char* p2;  // nothing: the caption stays as it was
  int seconds;
};
ParameterCaptionForms parameterCaptionForms(int command, int p1, int p2);

// "Unknowns for each order:  a,   b,   c,   d" from bytes 4, 5, 11 and 17.
inline constexpr const char* OrderUnknownsForm =
    ZYNED_TEXT("core", "Unknowns for each order:  %1,   %2,   %3,   %4");
std::string orderUnknownsText(model::CBytes order);
// The four numbers that fill it.
std::array<std::string, 4> orderUnknownValues(model::CBytes order);

// "Order #n:" for order n (1..4).
inline constexpr const char* OrderHeadingForm = ZYNED_TEXT("core", "Order #%1:");
std::string orderHeading(int n);

// The description is the player's briefing line of the group's first order: it can be edited
// only for order 1 (`order` 0) of a group flown by a player.
bool descriptionEnabled(std::size_t order, int playerNumber);
// Typed descriptions stop at 60 characters; a stored longer one (up to the field's 62) is shown
// and kept whole.
inline constexpr std::size_t DescriptionTyped = 60;
std::size_t descriptionRoom(std::size_t storedLength);

// A new type for target n (0..3) starts at target value 0.
void setTargetType(model::Bytes order, std::size_t n, std::uint8_t type);

// The order as the clipboard takes it: the uninterpreted bytes 4, 5, 11 and 17 cleared.
std::vector<std::uint8_t> clipboardOrder(model::CBytes order);

// The "+" between two targets shows that both must hold: it is visible when the or-flag is 0.
inline bool plusVisible(int orFlag) {
  return orFlag == 0;
}

}  // namespace editing
