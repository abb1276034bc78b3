// The 50 state buttons of the main window: caption, state name and centre of each state.
#pragma once
#include <array>
#include <string>

namespace kestrel {

struct StateCentre {
  const char* code;  // button caption, e.g. "TX"
  const char* name;  // hint, e.g. "Texas"
  double lat;        // centre latitude, decimal degrees north
  double lon;        // centre longitude, decimal degrees WEST
};

// In button order: button n (1 to 50) is row n - 1.
extern const std::array<StateCentre, 50> StateCentreTable;

// The place key of a state button: its code followed by "~".
std::string StateKey(const StateCentre& s);
// The note shown after the heading: "Central " + the state name (the Tennessee row keeps its
// historic spelling "Central Tennnessee").
std::string StateNote(const StateCentre& s);

}  // namespace kestrel
