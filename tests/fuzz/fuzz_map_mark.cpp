// The world map's mark texts.
#include <cstdint>
#include <string>

#include "core/numbers.h"
#include "worldmap/map_marks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    kestrel::ParseMapMark(text);
  } catch (const kestrel::ConversionError&) {
  }
  return 0;
}
