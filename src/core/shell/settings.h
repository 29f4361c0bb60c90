#pragma once
// The editor's settings ("ZynED.ini"): every key with its default. Reading and writing the file,
// and the values derived from these (the expansion's folder, the default model folder), live in
// settings_file.h; everything else reads these values.

#include <string>

namespace shell {

inline constexpr const char* Undefined = "Undefined";

struct Settings {
  // [Directories]
  std::string missionsDirectory = Undefined;
  std::string gameDirectory = Undefined;
  std::string editorDirectory = Undefined;
  std::string waveDirectory = Undefined;
  // Empty: the default, ExpansionDirectory + "\ivfiles\", which follows GameDirectory; use
  // effectiveModelDirectory() to get the folder in either case.
  std::string modelDirectory;

  // [Options]
  bool autoLink = true;
  bool checkPlayable = true;
  bool confirmDeletes = true;
  bool enableWPs = true;
  bool linkColor = true;
  bool adjustForRes = false;
  bool useWiz = true;
  int defaultFormat = 1;  // 0 base format (12), 1 expansion format (14)
  int openProgWith = 0;
  bool dirInReopen = false;
  bool doBackups = true;
  int defaultShip = 1;
  int defaultAI = 2;
  bool fileSavedMsg = true;
  // The editor's language: "System" (the desktop's), "en", "de", …; read at start.
  std::string language = "System";
  // Copies of unsaved work in the recovery folder beside the settings.
  bool keepRecovery = true;

  // [Map]
  bool centre = true;
  bool confirmClose = true;
  bool ghostText = false;
  int defaultWPs = 0;
  int autoCtr = 3;
  int zoomSpeed = 8;
  int dblClickLink = 0;
  bool defaultName = true;
  bool defaultWPtime = true;
  bool defaultWPdist = false;
  bool defaultPallet = false;
  bool defaultFGList = false;
  bool defaultHyp = true;
  bool defaultOptions = false;
  bool limitShrink = true;
  bool ghostGrid = true;
  bool onlyXY = false;
  int iconZoomSmall = 4;  // kept within 4..2000
};

}  // namespace shell
