// Reading and formatting numbers: whatever reads as a number formats and reads back.
#include <cmath>
#include <cstdint>
#include <string>

#include "core/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  long double v = 0;
  // FormatFloat works to 18 significant digits; below 1e12 two decimals are always exact.
  if (kestrel::TryStrToFloat(text, v) && std::fabs(v) < 1e12L) {
    for (const char* picture : {"0.0", "00.00", "0", "##,##0"}) {
      std::string s = kestrel::FormatFloat(picture, v);
      if (s.empty()) __builtin_trap();
    }
    long double back = 0;
    if (!kestrel::TryStrToFloat(kestrel::FormatFloat("0.00", v), back) || std::fabs(back - v) > 0.0051L) __builtin_trap();
  }
  long long i = 0;
  kestrel::TryStrToInt(text, i);
  return 0;
}
