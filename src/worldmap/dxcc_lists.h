// The world map's DXCC search list: 388 entries in a fixed order.
#pragma once
#include <array>

namespace kestrel {

extern const std::array<const char*, 388> DxccSearchList;

}  // namespace kestrel
