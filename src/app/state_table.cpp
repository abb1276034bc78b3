#include "app/state_table.h"

#include <cstring>

namespace kestrel {

const std::array<StateCentre, 50> StateCentreTable = {{
    {"AL", "Alabama", 32.39, 86.43},        {"AK", "Alaska", 65.10, 152.04},
    {"AZ", "Arizona", 34.18, 112.09},       {"AR", "Arkansas", 34.44, 92.17},
    {"CA", "California", 36.57, 120.03},    {"CO", "Colorado", 39.14, 105.60},
    {"CT", "Connecticut", 41.37, 72.46},    {"DE", "Delaware", 39.09, 75.31},
    {"FL", "Florida", 29.11, 82.08},        {"GA", "Georgia", 32.48, 83.10},
    {"HI", "Hawaii", 21.18, 157.51},        {"ID", "Idaho", 45.49, 115.26},
    {"IL", "Illinois", 40.08, 89.21},       {"IN", "Indiana", 39.46, 86.09},
    {"IA", "Iowa", 42.11, 93.35},           {"KS", "Kansas", 38.31, 98.32},
    {"KY", "Kentucky", 37.22, 85.54},       {"LA", "Louisiana", 31.00, 92.17},
    {"ME", "Maine", 45.09, 69.21},          {"MD", "Maryland", 38.58, 76.29},
    {"MA", "Massachusetts", 42.23, 72.05},  {"MI", "Michigan", 43.24, 84.36},
    {"MN", "Minnesota", 46.21, 94.47},      {"MS", "Mississippi", 32.36, 90.02},
    {"MO", "Missouri", 38.37, 92.33},       {"MT", "Montana", 47.03, 109.25},
    {"NE", "Nebraska", 41.49, 100.06},      {"NV", "Nevada", 39.29, 117.04},
    {"NH", "New Hampshire", 43.53, 71.40},  {"NJ", "New Jersey", 40.20, 74.39},
    {"NM", "New Mexico", 34.31, 106.14},    {"NY", "New York", 42.36, 76.10},
    {"NC", "North Carolina", 35.42, 79.48}, {"ND", "North Dakota", 47.29, 100.26},
    {"OH", "Ohio", 39.57, 82.59},           {"OK", "Oklahoma", 35.28, 97.30},
    {"OR", "Oregon", 44.18, 120.50},        {"PA", "Pennsylvania", 40.47, 77.51},
    {"RI", "Rhode Island", 41.49, 71.24},   {"SC", "South Carolina", 34.00, 81.02},
    {"SD", "South Dakota", 44.22, 100.21},  {"TN", "Tennessee", 35.49, 86.04},
    {"TX", "Texas", 31.08, 99.20},          {"UT", "Utah", 39.42, 111.50},
    {"VT", "Vermont", 43.55, 72.39},        {"VA", "Virginia", 37.16, 79.56},
    {"WA", "Washington", 47.38, 120.04},    {"WV", "West Virginia", 38.39, 80.42},
    {"WI", "Wisconsin", 44.40, 90.10},      {"WY", "Wyoming", 43.14, 108.06},
}};

std::string StateKey(const StateCentre& s) { return std::string(s.code) + "~"; }

std::string StateNote(const StateCentre& s) {
  if (std::strcmp(s.code, "TN") == 0) return "Central Tennnessee";
  return std::string("Central ") + s.name;
}

}  // namespace kestrel
