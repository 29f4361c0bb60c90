#include "shell/vocabulary.h"

#include <cstdint>
#include <unordered_map>

#include "model/cp1252.h"
#include "model/mission_file.h"
#include "shell/paths.h"
#include "shell/unicode_text.h"

namespace shell {
namespace {

using Entries = std::vector<std::string>;

// "first" … "last" as decimal texts, appended to `e`.
void appendNumbers(Entries& e, int first, int last) {
  for (int i = first; i <= last; ++i) e.push_back(std::to_string(i));
}

Entries withNumbers(Entries e, int first, int last) {
  appendNumbers(e, first, last);
  return e;
}

// Craft types. "-" marks slots that neither game format supports.
Entries ships() {
  return {
      "(None)",                // 0
      "Light Fighter",         // 1
      "Heavy Fighter",         // 2
      "Interceptor",           // 3
      "Strike Fighter",        // 4
      "Patrol Fighter",        // 5
      "Pursuit Fighter",       // 6
      "Torpedo Bomber",        // 7
      "Long-range Fighter",    // 8
      "Elite Fighter",         // 9
      "-",                     // 10
      "-",                     // 11
      "Raider",                // 12
      "Scout Fighter",         // 13
      "Assault Fighter",       // 14
      "Escort Fighter",        // 15
      "Heavy Bomber",          // 16
      "Light Transport",       // 17
      "Courier",               // 18
      "Heavy Transport",       // 19
      "Armoured Transport",    // 20
      "Crew Transport",        // 21
      "Passenger Transport",   // 22
      "Supply Transport",      // 23
      "Tow Tender",            // 24
      "Maintenance Tender",    // 25
      "Cargo Pod",             // 26
      "Fuel Pod",              // 27
      "Ore Pod",               // 28
      "Equipment Pod",         // 29
      "Salvage Tender",        // 30
      "-",                     // 31
      "Light Freighter",       // 32
      "Medium Freighter",      // 33
      "Heavy Freighter",       // 34
      "Ore Hauler",            // 35
      "Long-range Freighter",  // 36
      "Armed Freighter",       // 37
      "Fast Freighter",        // 38
      "-",                     // 39
      "Escort Freighter",      // 40
      "Fuel Tanker",           // 41
      "Patrol Cruiser",        // 42
      "Raid Cruiser",          // 43
      "Gunship",               // 44
      "Sentry Ship",           // 45
      "Picket Frigate",        // 46
      "Supply Ship",           // 47
      "Rocket Frigate",        // 48
      "War Cruiser",           // 49
      "Guard Cruiser",         // 50
      "Line Frigate",          // 51
      "Heavy Cruiser",         // 52
      "Battleship",            // 53
      "Fleet Flagship",        // 54
      "Large Cargo Pod",       // 55
      "Storage Module",        // 56
      "Supply Module",         // 57
      "Fuel Module",           // 58
      "Depot Module",          // 59
      "Gun Platform",          // 60
      "Sensor Platform",       // 61
      "Shield Platform",       // 62
      "Missile Platform",      // 63
      "Beam Platform",         // 64
      "Torpedo Platform",      // 65
      "Repair Dock",           // 66
      "Docking Ring",          // 67
      "Cargo Depot",           // 68
      "Science Station",       // 69
      "Marker Buoy",           // 70
      "Beacon Buoy",           // 71
      "-",                     // 72
      "-",                     // 73
      "-",                     // 74
      "Contact Mine",          // 75
      "Seeker Mine",           // 76
      "Heavy Mine",            // 77
      "Defence Platform",      // 78
      "-",                     // 79
      "Relay Satellite",       // 80
      "-",                     // 81
      "-",                     // 82
      "Sensor Probe",          // 83
      "Signal Relay",          // 84
      "-",                     // 85
      "Asteroid",              // 86
      "Planet",                // 87
      "-",                     // 88
      "-",                     // 89
      "Orbital Station",       // 90
      "Deep Space Base",       // 91
      "Light Carrier",         // 92
  };
}

// Short forms of the craft types, in the same order.
Entries shortShips() {
  return {
      "None",       "LtFighter", "HvFighter", "Intercptr", "StrFighter", "PtlFighter", "PurFighter",
      "TorpBomber", "LRFighter", "EliteFtr",  "-",         "-",          "Raider",     "Scout",
      "AsltFtr",    "EscFtr",    "HvBomber",  "LtTrans",   "Courier",    "HvTrans",    "ArmTrans",
      "CrewTrans",  "PassTrans", "SupTrans",  "TowTender", "MaintTndr",  "CargoPod",   "FuelPod",
      "OrePod",     "EquipPod",  "SalvTndr",  "-",         "LtFrtr",     "MdFrtr",     "HvFrtr",
      "OreHauler",  "LRFrtr",    "ArmFrtr",   "FastFrtr",  "-",          "EscFrtr",    "Tanker",
      "PtlCruiser", "RaidCruis", "Gunship",   "Sentry",    "PicketFrg",  "SupShip",    "RocketFrg",
      "WarCruiser", "GuardCrs",  "LineFrg",   "HvCruiser", "Battleship", "Flagship",   "LgCargoPod",
      "StorMod",    "SupMod",    "FuelMod",   "DepotMod",  "GunPlat",    "SensPlat",   "ShldPlat",
      "MslPlat",    "BeamPlat",  "TorpPlat",  "RprDock",   "DockRing",   "CargoDpt",   "SciStn",
      "Buoy",       "Beacon",    "-",         "-",         "-",          "CntMine",    "SkrMine",
      "HvMine",     "DefPlat",   "-",         "RelaySat",  "-",          "-",          "Probe",
      "Relay",      "-",         "Asteroid",  "Planet",    "-",          "-",          "OrbStn",
      "DSBase",     "LtCarrier",
  };
}

Entries orders() {
  return withNumbers({"Hold Steady",
                      "Fly home",
                      "Circle waypoints",
                      "Circle and Evade",
                      "Rendezvous",
                      "Disabled",
                      "Await boarding",
                      "Attack targets",
                      "Attack escorts of",
                      "Protect",
                      "Escort (prevent boarding)",
                      "Disable targets",
                      "Board to Give/Reload",
                      "Board to Take",
                      "Board to Exchange",
                      "Board to Capture",
                      "Board to Destroy",
                      "Pick up/Bag",
                      "Drop off/Deploy",
                      "Wait 1",
                      "Wait 2",
                      "SShip Circle",
                      "SShip await return",
                      "SShip await launch",
                      "SS Patrol + protect",
                      "SS Patrol + protect 2",
                      "SS Patrol + attack",
                      "SS Patrol + disable",
                      "SShip Hold Steady 1",
                      "SShip Fly Home",
                      "SShip Hold Steady 2",
                      "Board to ?",
                      "Board to repair",
                      "SShip hold Steady 3",
                      "SShip hold Steady 4",
                      "SShip hold Steady 5",
                      "Self-Destruct",
                      "Kamikaze attack",
                      "Permanently disabled",
                      "SShip hold Steady 6"},
                     40, 50);
}

// One line per order code explaining what the craft does.
Entries orderTexts() {
  return {
      "Stationary.        Systems: 100%         No return fire.",
      "Leaves through its mothership or its hyperspace point.",
      "Flies its waypoints for the given loops and ignores enemies.",
      "Flies its waypoints and turns away from attackers.",
      "Meets its targets at the rendezvous point.",
      "Drifts without engines or weapons.",
      "Waits at rest until its targets have boarded it.",
      "Attacks its targets until none is left.",
      "Attacks the craft that escort its targets.",
      "Stays close to its targets and fights their attackers.",
      "Guards its targets against craft that try to board them.",
      "Shoots out the systems of its targets without destroying them.",
      "Docks with its targets to hand over cargo or reload them.",
      "Docks with its targets to take their cargo.",
      "Docks with its targets to exchange cargo.",
      "Docks with its targets to take them over.",
      "Docks with its targets to leave charges on board.",
      "Picks up its targets and carries them along.",
      "Releases the craft it carries.",
      "Waits in place for the given time.",
      "Waits in place for the given time, then goes on.",
      "Starship: flies its waypoints for the given loops.",
      "Starship: waits for its craft to return.",
      "Starship: waits while its craft launch.",
      "Starship: patrols its waypoints and guards its targets.",
      "Starship: patrols its waypoints and guards its targets (second form).",
      "Starship: patrols its waypoints and fires on its targets.",
      "Starship: patrols its waypoints and disables its targets.",
      "Starship: holds its position.",
      "Starship: leaves through its mothership or its hyperspace point.",
      "Starship: holds its position (second form).",
      "Docks with its targets; the purpose is not known.",
      "Docks with its targets to repair them.",
      "Starship: holds its position (third form).",
      "Starship: holds its position (fourth form).",
      "Starship: holds its position (fifth form).",
      "Destroys itself after the delay time.",
      "Flies into its targets.",
      "Stays disabled for the rest of the mission.",
      "Starship: holds its position (sixth form).",
  };
}

Entries conditions() {
  Entries e = {"(Always true)",
               "arrive",
               "be destroyed",
               "be attacked",
               "be captured",
               "be inspected",
               "be boarded",
               "dock",
               "be disabled",
               "survive",
               "(Never true)",
               "leave the area",
               "complete mission",
               "complete primary goals",
               "fail primary goals",
               "complete secondary goals",
               "complete order 1",
               "complete order 2",
               "complete order 3",
               "complete order 4",
               "be picked up",
               "be dropped off",
               "lose shields",
               "lose half of hull",
               "be hit",
               "be identified",
               "reach last waypoint",
               "be reinforced",
               "come within range",
               "be launched",
               "be recovered"};
  appendNumbers(e, 31, 43);
  e.push_back("be captured and depart");  // 44
  e.push_back("withdraw");                // 45
  appendNumbers(e, 46, 50);
  return e;
}

Entries amounts() {
  return withNumbers(
      {"100%", "75%", "50%", "25%", "At least one", "All but one", "Special craft",
       "All non-special craft", "All non-player craft", "Player's craft", "100% of first wave",
       "75% of first wave", "50% of first wave", "25% of first wave", "At least one of first wave",
       "All but one of first wave"},
      16, 50);
}

Entries orientation() {
  Entries e = {"none"};
  appendNumbers(e, 1, 255);
  // The three angles the game is known for are named.
  e[0] = "On edge";
  e[64] = "Flat";
  e[192] = "Upside down";
  return e;
}

Entries wpEnable() {
  Entries e;
  for (int i = 1; i <= 4; ++i) e.push_back(" Start " + std::to_string(i));
  for (int i = 1; i <= 8; ++i) e.push_back(" Waypoint " + std::to_string(i));
  e.push_back(" Rendezvous");
  e.push_back(" Hyperspace");
  for (int i = 1; i <= 8; ++i) e.push_back(" Briefing " + std::to_string(i));
  return e;
}

Entries radio() {
  Entries e = {"Off"};
  for (int i = 1; i <= 8; ++i) e.push_back("Team " + std::to_string(i));
  for (int i = 1; i <= 8; ++i) e.push_back("Player " + std::to_string(i));
  return e;
}

Entries classes() {
  Entries e = {"None ?", "Flight Group",      "Ship Type",  "Ship Category",    "Object Category",
               "IFF",    "Craft with orders", "Craft when", "Global Group (GG)"};
  appendNumbers(e, 9, 11);
  e.push_back("Team");
  appendNumbers(e, 13, 20);
  e.push_back("All Teams except");
  e.push_back("22");
  e.push_back("Global Unit (GU)");
  appendNumbers(e, 24, 31);
  return e;
}

Entries craftWhen() {
  Entries e = {"0",
               "inspected",
               "finished docking?",
               "3",
               "disabled",
               "attacked",
               "shields at 0%?",
               "special craft",
               "non-special craft",
               "Players",
               "non-player",
               "11",
               "not disabled"};
  appendNumbers(e, 13, 20);
  return e;
}

const std::map<std::string, Entries, std::less<>>& builtInTables() {
  static const std::map<std::string, Entries, std::less<>> all = [] {
    std::map<std::string, Entries, std::less<>> t;
    t[std::string(tables::Teams)] = {"Rebel",     "Imperial", "Osmira", "Pirate", "Mercenary",
                                     "Smugglers", "Trainee",  "Red",    "Blue",   "Gold",
                                     "Green",     "One",      "Two",    "Three",  "Four",
                                     "Five",      "Six",      "Seven",  "Eight"};
    t[std::string(tables::Ships)] = ships();
    t[std::string(tables::FGNames)] = {"Red",     "Blue",    "Green",  "Gold",  "Rogue", "Avenger",
                                       "Alpha",   "Beta",    "Gamma",  "Delta", "Eta",   "Eagle",
                                       "Mu",      "Nu",      "Rho",    "Tau",   "Theta", "Zeta",
                                       "Iota",    "Omicron", "Lambda", "Omega", "Kappa", "Sigma",
                                       "Upsilon", "Chi",     "Pi",     "Xi"};
    t[std::string(tables::OpShips)] = {"No other craft", "All Flyable Craft",
                                       "All Rebel Flyable Craft", "All Imperial Flyable Craft",
                                       "User Defined Options"};
    t[std::string(tables::Appear)] = {"All Levels",    "Cheat, Easy",   "Medium",
                                      "Hard",          "Medium, Hard",  "Cheat, Easy, Medium",
                                      "Never Appears", "Never Appears", "Cheat, Easy",
                                      "Medium",        "Hard"};
    t[std::string(tables::Short)] = shortShips();
    t[std::string(tables::EDHistry)] = {};
    t[std::string(tables::OrdDesc)] = {
        "Attack",      "Patrol",       "Escort",     "Intercept",     "Protect",      "Defence",
        "Superiority", "Suppression",  "Strike",     "Strike Escort", "Defence",      "Recon",
        "Inspection",  "Heavy Attack", "Hvy Attack", "Disable",       "Base Defence", "Dogfight"};
    t[std::string(tables::Orders)] = orders();
    t[std::string(tables::Conds)] = conditions();
    t[std::string(tables::Percents)] = amounts();
    t[std::string(tables::Class)] = classes();
    t[std::string(tables::CMD)] = {"None",
                                   "Base",
                                   "Command Ship",
                                   "Convoy Craft",
                                   "Manufacturing Facility",
                                   "Mission Critical Craft",
                                   "Primary Target",
                                   "Reload Craft",
                                   "Resource Centre",
                                   "Secondary Target",
                                   "Station",
                                   "Strike Craft",
                                   "Tertiary Target"};
    t[std::string(tables::Planets)] = withNumbers(
        {"v.small grey, 1 moon", "White-ish, 2 moons", "grey, no moons", "pink-ish, 2 moons",
         "grey, 2 moons", "grey, 1 big moon", "grey, from darkside", "red, from darkside",
         "Big orange-ish", "Big grey, 3/4 shadow", "Big red, 1/2 shadow", "HUGE white-ish",
         "2 Yellow Stars", "2 Yellow Stars", "2 Blue Stars", "2 Orange Stars", "2 Red Stars"},
        17, 30);
    t[std::string(tables::Musts)] = {"must", "must NOT", "BONUS must", "BONUS must NOT"};
    t[std::string(tables::Players)] = withNumbers({"(A.I.)"}, 1, 8);
    t[std::string(tables::Status)] = {"Normal",
                                      "Double Missiles",
                                      "Half Missiles",
                                      "No Shields",
                                      "50% Shields",
                                      "No Lasers",
                                      "No Hyperdrive",
                                      "Shields 0%, Charging",
                                      "Shields Added",
                                      "Hyperdrive Added",
                                      "10",
                                      "11",
                                      "(200% Shields)",
                                      "Shields 50%,Charging",
                                      "(No Lasers)",
                                      "15",
                                      "Add Shields+H/drive",
                                      "17",
                                      "200% Shields",
                                      "(50% Shields)",
                                      "Invincible",
                                      "Infinite Warheads",
                                      "22",
                                      "23",
                                      "24",
                                      "25"};
    t[std::string(tables::AI)] = {"Rookie", "Officer", "Veteran", "Ace", "Top Ace", "Veltar"};
    t[std::string(tables::IFF)] = {"Rebel", "Imperial", "Blue", "Yellow", "Red", "Purple"};
    t[std::string(tables::Radio)] = radio();
    t[std::string(tables::Form)] = {"Vic",
                                    "Finger Four",
                                    "Line Astern",
                                    "Line Abreast",
                                    "Echelon Right",
                                    "Echelon Left",
                                    "Double Astern",
                                    "Diamond 1",
                                    "Stacked High",
                                    "High 'X'",
                                    "Vic Abreast",
                                    "High Vic",
                                    "Reverse High Vic",
                                    "Reverse Line Astern",
                                    "Stacked Low",
                                    "Abreast Right",
                                    "Abreast Left",
                                    "Wing Forward",
                                    "Wing Back",
                                    "Line Astern Up",
                                    "Line Astern Down",
                                    "Abreast 'V'",
                                    "Abreast Inverted 'V'",
                                    "Double Astern Mirror",
                                    "Double Stacked Astern",
                                    "Double Stacked High",
                                    "Diamond 2",
                                    "Diamond 3",
                                    "Flat Pentagon",
                                    "Side Pentagon",
                                    "Front Pentagon",
                                    "Flat Hexagon",
                                    "Side Hexagon",
                                    "Front Hexagon",
                                    "(Single Point)"};
    t[std::string(tables::Missiles)] = {"None",
                                        "Space Bombs",
                                        "Heavy Rockets",
                                        "Concussion Missiles",
                                        "Proton Torpedoes",
                                        "Advanced Missiles",
                                        "Advanced Torpedoes",
                                        "Mag Pulse Torpedoes",
                                        "(Ion Pulse Torpedoes)"};
    t[std::string(tables::Counters)] = {"None", "Chaff", "Flare", "(Cluster mine)"};
    t[std::string(tables::Beams)] = {"None", "Tractor", "Jamming", "Decoy", "(Energy Transfer)"};
    t[std::string(tables::ObjCats)] = withNumbers({"Space craft", "Weapons", "Satellites"}, 4, 10);
    // Categories past the named ones show their own number, up to 15.
    t[std::string(tables::ShipCats)] =
        withNumbers({"Starfighters", "Transport craft", "Freighters/Containers", "Starships",
                     "Utility craft", "Platforms", "Mines"},
                    7, 15);
    t[std::string(tables::WPEnable)] = wpEnable();
    t[std::string(tables::When)] = craftWhen();
    t[std::string(tables::DepWhen)] =
        withNumbers({"never", "shields out/damaged", "2", "out of missles", "at 50% hull",
                     "attacked", "at 50% shields", "at 25% shields", "at 75% hull", "at 25% hull"},
                    10, 20);
    t[std::string(tables::OrdTexts)] = orderTexts();
    t[std::string(tables::Colors)] = {"Red    (Kres - None)", "Gold   (Kres - Red)",
                                      "Blue    (Kres - Gold)", "Green (Kres - Blue)"};
    t[std::string(tables::Orientation)] = orientation();
    return t;
  }();
  return all;
}

const Entries& emptyTable() {
  static const Entries none;
  return none;
}

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

}  // namespace

Vocabulary::Vocabulary() {
  for (const auto& [name, entries] : builtInTables()) tables_[name] = entries;
}

const std::vector<std::string>& Vocabulary::table(std::string_view name) const {
  const auto it = tables_.find(name);
  return it == tables_.end() ? emptyTable() : it->second;
}

std::string Vocabulary::text(std::string_view name, int value, std::string_view beyond) const {
  const auto& t = table(name);
  if (value < 0 || static_cast<std::size_t>(value) >= t.size()) return std::string(beyond);
  return t[static_cast<std::size_t>(value)];
}

void Vocabulary::setTable(std::string_view name, std::vector<std::string> entries) {
  const auto it = tables_.find(name);
  if (it != tables_.end())
    it->second = std::move(entries);
  else
    tables_.emplace(std::string(name), std::move(entries));
}

std::vector<std::string> Vocabulary::loadTables(const std::string& editorDirectory) {
  std::vector<std::string> replaced;
  for (const std::string_view file : fileOrder()) {
    const auto path = findEntryNoCase(editorDirectory, file);
    if (!path) continue;
    std::vector<std::uint8_t> bytes;
    std::string error;
    // A file that is there but cannot be read ends loading; what was read so far stays.
    if (!model::readWholeFile(*path, bytes, error)) break;
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // Binary data (or text in a two-byte encoding) under a table's name would fill the boxes
    // with garbage and shift every value; that table keeps its built-in entries.
    if (!isText(content)) continue;
    const std::string_view name = file.substr(0, file.size() - 4);
    setTable(name, splitLines(content));
    replaced.emplace_back(name);
  }
  return replaced;
}

const std::vector<std::string_view>& Vocabulary::fileOrder() {
  static const std::vector<std::string_view> order = {
      "Teams.txt",    "Ships.txt",    "FGNames.txt",  "OpShips.txt", "Appear.txt",
      "Short.txt",    "EDHistry.txt", "OrdDesc.txt",  "Orders.txt",  "Conds.txt",
      "Percents.txt", "Class.txt",    "CMD.txt",      "Planets.txt", "Musts.txt",
      "Players.txt",  "Status.txt",   "AI.txt",       "IFF.txt",     "Radio.txt",
      "Form.txt",     "Missiles.txt", "Counters.txt", "Beams.txt",   "ObjCats.txt",
      "ShipCats.txt", "WPEnable.txt", "When.txt",     "DepWhen.txt", "OrdTexts.txt",
      "Colors.txt"};
  return order;
}

const std::vector<std::string>& Vocabulary::builtIn(std::string_view name) {
  const auto& all = builtInTables();
  const auto it = all.find(name);
  return it == all.end() ? emptyTable() : it->second;
}

const std::vector<std::string_view>& Vocabulary::tableNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> n;
    for (const std::string_view file : fileOrder()) n.push_back(file.substr(0, file.size() - 4));
    n.push_back(tables::Orientation);
    return n;
  }();
  return names;
}

bool isText(std::string_view content) {
  return content.find('\0') == std::string_view::npos;
}

std::vector<std::string> splitLines(std::string_view content) {
  const bool utf8 = content.starts_with(Utf8Bom);
  if (utf8) content.remove_prefix(Utf8Bom.size());
  std::vector<std::string> lines;
  for (const LineSpan& l : lineSpans(content)) {
    const std::string_view line = content.substr(l.start, l.end - l.start);
    lines.push_back(utf8 ? model::utf8ToCp1252(line) : std::string(line));
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& entries) {
  std::string out;
  for (const auto& e : entries) {
    out += e;
    out += "\r\n";
  }
  return out;
}

}  // namespace shell
