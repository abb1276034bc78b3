// The world map's DXCC search list: 388 entries in a fixed order.
#pragma once
#include <array>

namespace kestrel {

extern const std::array<const char*, 388> DxccSearchList;
// Entry i holds the map mark of search entry i: the prefix and name, blanks, and
// "#a<x>#b<y>" (a pointer at a country) or "#c<x>#d<y>" (a ring round small islands).
extern const std::array<const char*, 388> DxccPositionList;

}  // namespace kestrel
