// Locators: validation, the corner of a valid one, and the locator of any position.
#include <cstdint>
#include <cstring>
#include <string>

#include "geo/locator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kestrel::LocatorCheck check = kestrel::ValidateLocator(text);
  if (check.ok) {
    kestrel::LocatorCornerResult corner = kestrel::LocatorCorner(check.upper);
    // The corner lies in the locator's own square.
    if (kestrel::GridLocator(corner.lat + 1e-9, -corner.lon + 1e-9, 4) != check.upper.substr(0, 4)) __builtin_trap();
  }
  if (size >= 16) {
    double lat, lon;
    std::memcpy(&lat, data, 8);
    std::memcpy(&lon, data + 8, 8);
    for (int chars : {4, 6, 8}) {
      std::string g = kestrel::GridLocator(lat, lon, chars);
      if (g.size() != static_cast<size_t>(chars) || !kestrel::ValidateLocator(g.substr(0, 4)).ok) __builtin_trap();
    }
  }
  return 0;
}
