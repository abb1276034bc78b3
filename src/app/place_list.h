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

// The country-first form of a DXCC entry: "P  K (...)" becomes "K P  (...)" — the text
// between the first two blanks and the first "(", then the prefix with its two blanks, then
// the part from "(" on. An entry without two blanks or without a "(" after them has no such
// form: false is returned, and the entry is offered in prefix order only.
bool CountryFirstForm(const std::string& entry, std::string& out);

// The country-first forms of every "DX~" line of the place list.
std::vector<std::string> CountryFirstList(const std::vector<std::string>& placeList);

}  // namespace kestrel
