#include "map/craft_types.h"

#include <array>

namespace map {

namespace {

// size (km), wireframe, classes, icon column (and the briefing's where it differs)
constexpr std::array<CraftFacts, CraftTypeCount> CraftTable{{
    {0, Wireframe::None, 0, {10}},                                       // 0 (None)
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {1}},                  // 1 Light Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {2}},                  // 2 Heavy Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {3}},                  // 3 Interceptor
    {0, Wireframe::ZoomedIn, Craft | ExpansionOnly | PlayerCraft, {4}},  // 4 Strike Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {5}},                  // 5 Patrol Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {6}},                  // 6 Pursuit Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {7}},                  // 7 Torpedo Bomber
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {8}},                  // 8 Long-range Fighter
    {0, Wireframe::None, Craft | PlayerCraft, {9}},                      // 9 Elite Fighter
    {0, Wireframe::None, Craft | UnsupportedSlot, {10}},                 // 10 -
    {0, Wireframe::None, Craft | UnsupportedSlot, {10}},                 // 11 -
    {0, Wireframe::None, Craft | PlayerCraft, {12}},                     // 12 Raider
    {0, Wireframe::ZoomedIn, Craft, {13}},                               // 13 Scout Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {14}},                 // 14 Assault Fighter
    {0, Wireframe::ZoomedIn, Craft, {15}},                               // 15 Escort Fighter
    {0, Wireframe::ZoomedIn, Craft | PlayerCraft, {16}},                 // 16 Heavy Bomber
    {0, Wireframe::ZoomedIn, Craft, {17}},                               // 17 Light Transport
    {0, Wireframe::ZoomedIn, Craft, {18}},                               // 18 Courier
    {0, Wireframe::Always, Craft, {19}},                                 // 19 Heavy Transport
    {0, Wireframe::None, Craft, {20}},                                   // 20 Armoured Transport
    {0, Wireframe::ZoomedIn, Craft, {21}},                               // 21 Crew Transport
    {0, Wireframe::ZoomedIn, Craft, {22}},                               // 22 Passenger Transport
    {0, Wireframe::ZoomedIn, Craft, {23}},                               // 23 Supply Transport
    {0, Wireframe::ZoomedIn, Craft, {24}},                               // 24 Tow Tender
    {0, Wireframe::ZoomedIn, Craft, {25}},                               // 25 Maintenance Tender
    {0, Wireframe::Always, Craft, {26}},                                 // 26 Cargo Pod
    {0, Wireframe::None, Craft, {27}},                                   // 27 Fuel Pod
    {0, Wireframe::None, Craft, {28}},                                   // 28 Ore Pod
    {0, Wireframe::None, Craft, {29}},                                   // 29 Equipment Pod
    {0, Wireframe::Always, Craft, {30}},                                 // 30 Salvage Tender
    {0, Wireframe::None, Craft | UnsupportedSlot, {10}},                 // 31 -
    {0.075, Wireframe::Always, Craft, {32}},                             // 32 Light Freighter
    {0.075, Wireframe::Always, Craft, {33}},                             // 33 Medium Freighter
    {0.075, Wireframe::Always, Craft, {34}},                             // 34 Heavy Freighter
    {0, Wireframe::None, Craft, {35}},                                   // 35 Ore Hauler
    {0.075, Wireframe::Always, Craft | ExpansionOnly, {36}},             // 36 Long-range Freighter
    {0.075, Wireframe::Always, Craft, {37}},                             // 37 Armed Freighter
    {0, Wireframe::ZoomedIn, Craft, {38}},                               // 38 Fast Freighter
    {0, Wireframe::None, Craft | UnsupportedSlot, {39}},                 // 39 -
    {0.075, Wireframe::Always, Craft, {40}},                             // 40 Escort Freighter
    {0.075, Wireframe::Always, Craft | ExpansionOnly, {41}},             // 41 Fuel Tanker
    {0.18, Wireframe::Always, Craft | CapitalShip, {42}},                // 42 Patrol Cruiser
    {0.18, Wireframe::Always, Craft | ExpansionOnly | CapitalShip, {43}},  // 43 Raid Cruiser
    {0, Wireframe::None, Craft, {44}},                                     // 44 Gunship
    {0, Wireframe::None, Craft, {45}},                                     // 45 Sentry Ship
    {0.3, Wireframe::Always, Craft | CapitalShip, {46}},                   // 46 Picket Frigate
    {0.3, Wireframe::Always, Craft, {47}},                                 // 47 Supply Ship
    {0.3, Wireframe::Always, Craft | CapitalShip, {48}},                   // 48 Rocket Frigate
    {0.8, Wireframe::Always, Craft | CapitalShip, {49}},                   // 49 War Cruiser
    {0.3, Wireframe::Always, Craft | ExpansionOnly | CapitalShip, {50}},   // 50 Guard Cruiser
    {0.3, Wireframe::Always, Craft | CapitalShip, {51}},                   // 51 Line Frigate
    {0.45, Wireframe::Always, Craft | CapitalShip, {52}},                  // 52 Heavy Cruiser
    {0.8, Wireframe::Always, Craft | CapitalShip, {53}},                   // 53 Battleship
    {4.0, Wireframe::Always, Craft | ExpansionOnly | CapitalShip, {54}},   // 54 Fleet Flagship
    {0, Wireframe::None, Craft, {55}},                                     // 55 Large Cargo Pod
    {0, Wireframe::None, Craft, {56}},                                     // 56 Storage Module
    {0, Wireframe::None, Craft, {57}},                                     // 57 Supply Module
    {0, Wireframe::None, Craft, {58}},                                     // 58 Fuel Module
    {0, Wireframe::None, Craft, {59}},                                     // 59 Depot Module
    {0.18, Wireframe::Always, Craft, {60}},                                // 60 Gun Platform
    {0.18, Wireframe::Always, Craft, {60}},                                // 61 Sensor Platform
    {0.18, Wireframe::Always, Craft, {60}},                                // 62 Shield Platform
    {0.18, Wireframe::Always, Craft, {60}},                                // 63 Missile Platform
    {0.18, Wireframe::Always, Craft, {60}},                                // 64 Beam Platform
    {0.18, Wireframe::Always, Craft, {60}},                                // 65 Torpedo Platform
    {0.45, Wireframe::Always, Craft, {61}},                                // 66 Repair Dock
    {0.075, Wireframe::None, Craft, {62}},                                 // 67 Docking Ring
    {0.075, Wireframe::None, Craft, {63}},                                 // 68 Cargo Depot
    {0.3, Wireframe::Always, Craft, {64}},                                 // 69 Science Station
    {0, Wireframe::None, 0, {65}},                                         // 70 Marker Buoy
    {0, Wireframe::None, 0, {65}},                                         // 71 Beacon Buoy
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 72 -
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 73 -
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 74 -
    {0, Wireframe::None, 0, {66}},                                         // 75 Contact Mine
    {0, Wireframe::None, 0, {67}},                                         // 76 Seeker Mine
    {0, Wireframe::None, 0, {68}},                                         // 77 Heavy Mine
    {0, Wireframe::None, Craft | ExpansionOnly, {69}},                     // 78 Defence Platform
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 79 -
    {0, Wireframe::None, 0, {70}},                                         // 80 Relay Satellite
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 81 -
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 82 -
    {0, Wireframe::None, 0, {71}},                                         // 83 Sensor Probe
    {0, Wireframe::None, 0, {71}},                                         // 84 Signal Relay
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 85 -
    {0, Wireframe::None, 0, {11, 62}},                                     // 86 Asteroid
    {0, Wireframe::None, 0, {62}},                                         // 87 Planet
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 88 -
    {0, Wireframe::None, UnsupportedSlot, {10}},                           // 89 -
    {0.8, Wireframe::Always, Craft | ExpansionOnly, {72}},                 // 90 Orbital Station
    {0.8, Wireframe::Always, Craft | ExpansionOnly, {73}},                 // 91 Deep Space Base
    {0.3, Wireframe::Always, Craft | ExpansionOnly | CapitalShip, {74}},   // 92 Light Carrier
}};

constexpr CraftFacts NoFacts{};

bool hasClass(int t, ClassBit c) {
  return (craftFacts(t).classes & c) != 0;
}

}  // namespace

const CraftFacts& craftFacts(int t) {
  return t >= 0 && t < CraftTypeCount ? CraftTable[static_cast<std::size_t>(t)] : NoFacts;
}

double craftSize(int t) {
  return craftFacts(t).size;
}
bool isCraftClass(int t) {
  return hasClass(t, Craft);
}
bool isExpansionOnlyCraft(int t) {
  return hasClass(t, ExpansionOnly);
}
bool isUnsupportedSlot(int t) {
  return hasClass(t, UnsupportedSlot);
}
bool isCapitalShip(int t) {
  return hasClass(t, CapitalShip);
}
bool isPlayerCraft(int t) {
  return hasClass(t, PlayerCraft);
}

}  // namespace map
