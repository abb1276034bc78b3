// Coordinate texts: the conversion of a pair, the reading of the converted pair, the home
// values and the hemisphere switch, on any bytes.
#include <cstdint>
#include <string>

#include "core/numbers.h"
#include "geo/coord_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kestrel::DecMinsResult r = kestrel::ConvertToDecMins(text);
  if (r.ok) {
    try {
      kestrel::SplitCoordPair(r.pair);
      kestrel::HomePairValues(text, text, r.pair);
    } catch (const kestrel::ConversionError&) {
    }
  }
  for (char a : {'N', 'W'}) kestrel::ToggleHemisphere(text, a, a == 'N' ? 'S' : 'E');
  return 0;
}
