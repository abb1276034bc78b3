// The place file "states.txt" and the lists the place box shows.
#pragma once
#include <string>
#include <vector>

namespace kestrel {

inline constexpr const char* kPlaceFile = "states.txt";
inline constexpr const char* kDxccKey = "DX~";
inline constexpr const char* kShowOnlyKey = "00~";  // show the heading, leave the place box alone

// The entry texts (characters 4 to 103) of the lines whose first three characters equal `key`,
// in file order. Keys compare exactly.
std::vector<std::string> EntriesForKey(const std::vector<std::string>& placeList,
                                       const std::string& key);

}  // namespace kestrel
