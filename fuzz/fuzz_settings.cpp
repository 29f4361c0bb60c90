// libFuzzer target for "ZynED.ini": any bytes give settings (or are refused as broken UTF-16
// with a reason); what a save writes into them reads back as the same settings, the settings as
// read and changed ones alike, and an own section written beside them reads back as written
// without changing a setting.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "shell/settings_file.h"
#include "shell/unicode_text.h"

namespace {

constexpr const char* Target = "fuzz_settings";

void roundTrip(std::string_view file, const shell::Settings& s) {
  std::string why;
  const auto saved = shell::settingsFileBytes(file, s, &why);
  if (!saved) fuzzcheck::fail(Target, "a readable file cannot be saved into");
  const auto again = shell::settingsFromBytes(*saved, &why);
  if (!again) fuzzcheck::fail(Target, "a saved file is refused");
  std::string difference;
  if (!shell::sameSettings(s, *again, &difference))
    fuzzcheck::fail(Target, ("a saved file reads back otherwise: " + difference).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file = fuzzcheck::text(data, size);
  std::string why;
  std::vector<std::string> problems;
  const auto settings = shell::settingsFromBytes(file, &why, &problems);
  if (!settings) {
    if (why.empty()) fuzzcheck::fail(Target, "refused without a reason");
    return 0;
  }
  roundTrip(file, *settings);

  // Settings as the Preferences dialog may leave them: other folders, flags and numbers.
  shell::Settings changed = *settings;
  changed.gameDirectory = " /games/Zyn \"folder\" ";
  changed.modelDirectory = "\"";
  changed.autoLink = !changed.autoLink;
  changed.iconZoomSmall = 77;
  changed.defaultShip = 200;
  roundTrip(file, changed);

  // The editor's own section (window places) beside the settings.
  const auto decoded = shell::decodeText(file, shell::detectTextShape(file));
  if (!decoded) fuzzcheck::fail(Target, "settings came from text that does not decode");
  const shell::SectionValues places = {{"Map", "10,20,300,400"}, {"Main", " x "}};
  const std::string text = shell::mergeSection(*decoded, "Windows", places);
  if (shell::readSection(text, "Windows") != places)
    fuzzcheck::fail(Target, "a section does not read back as written");
  if (!shell::sameSettings(*settings, shell::parseSettings(text)))
    fuzzcheck::fail(Target, "writing a section changed a setting");
  return 0;
}
