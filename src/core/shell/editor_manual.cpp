// What "zyned --help" prints and the zyned(1) manual page says.
#include "shell/manual.h"

namespace shell {

Manual editorManual() {
  Manual m;
  m.name = "zyned";
  m.purpose = "mission editor for the space-combat game Zyn and its expansion Qvn";
  m.synopsis = {
      "[--config-dir DIR] [--lang CODE] [FILE]",
      "--export-map OUT.png [--plane xy|xz|yz] [--zoom N] [--size WxH] [--names] [--all-wps] "
      "[--briefing N] [--config-dir DIR] FILE",
      "--export-briefing OUT.png [--briefing N] [--at SECONDS] [--config-dir DIR] FILE",
      "--help | --version",
  };
  m.sections = {
      {"Description",
       "ZynED creates, opens, checks and saves the game's binary mission files (\".KRE\"): the "
       "flight groups with their craft, orders, waypoints, arrival and departure rules and "
       "goals, the in-flight messages, the global goals and teams, and the eight briefings the "
       "game plays before a mission. It also keeps the game's mission lists, the sound list of "
       "each mission, battles and campaigns and the craft model slots.\n\n"
       "FILE is a mission to open at start-up: a mission file of either format, or a mission of "
       "the older game (\".vtn\"), which is imported. Without FILE the editor does what its "
       "settings say it does at start-up.\n\n"
       "The handbook (Help > Handbook, F1) describes every window; zyned-cli(1) offers the "
       "file-level features without a window.",
       {}},
      {"Options",
       "--config-dir DIR\tthe folder of the settings file ZynED.ini (see ENVIRONMENT for the "
       "default)\n"
       "--lang CODE\tthe language of the editor's texts for this run: en, de, or pseudo (every "
       "text in brackets and 40 % longer, to see which texts are translated and which a longer "
       "language would cut off); without it, the language chosen on Preferences, else the "
       "desktop's\n"
       "-h, --help\tprint this help and exit\n"
       "--version\tprint the version and exit",
       {}},
      {"Pictures without a window",
       "The two picture options draw into a PNG file and end without showing a window; they "
       "need no display.\n\n"
       "--export-map OUT.png\tdraws the map of FILE as the map window shows it when the mission "
       "is opened (the map settings of ZynED.ini apply)\n"
       "--plane xy|xz|yz\tthe view plane (default xy)\n"
       "--zoom N\tpixels per km, 4 to 2000 (default: the battlefield fitted to the picture)\n"
       "--size WxH\tthe picture's size in pixels (default 800x600)\n"
       "--names\tnames shown, whatever the settings say\n"
       "--all-wps\tevery flight group's waypoints shown, whatever the settings say\n"
       "--briefing N\tthe map in briefing mode at briefing N's points (1 to 8)\n\n"
       "--export-briefing OUT.png\tdraws the briefing editor's preview of FILE\n"
       "--briefing N\tthe briefing, 1 to 8 (default 1)\n"
       "--at SECONDS\tthe moment shown, played from the start without stopping (default 0)",
       {}},
      {"Exit status",
       "0\tsuccess\n"
       "1\ta mission that cannot be read, or a picture that cannot be written (the reason goes "
       "to standard error)\n"
       "2\ta usage error",
       {}},
      {"Environment",
       "ZYNED_CONFIG_DIR\tthe settings folder when --config-dir is not given; without either it "
       "is $XDG_CONFIG_HOME/ZynED, else ~/.config/ZynED",
       {}},
      {"Files",
       "ZynED.ini\tthe settings: game folders, options, map settings, window places\n"
       "EDHistry.txt\tthe recently opened missions, in the editor directory\n"
       "Backup.kre\ta copy of each mission as it was loaded, beside it (when backups are on)\n"
       "*.txt\tvocabulary files in the editor directory that replace the built-in tables; "
       "/usr/share/zyned/vocabulary holds them ready to copy",
       {}},
      {"See also", "zyned-cli(1)", {}},
  };
  return m;
}

}  // namespace shell
