// The clocks file and the place-clock texts.
#include <cstdint>
#include <string>

#include "clocks/clock_text.h"
#include "core/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kestrel::ClocksFileContent c = kestrel::ReadClocksFile(kestrel::SplitLines(text));
  if (kestrel::ClocksFileLines(c).size() != 25) __builtin_trap();
  const int hour = size > 0 ? data[0] % 24 : 0, minute = size > 1 ? data[1] % 60 : 0;
  for (const std::string& name : c.names)
    for (bool dst : {false, true}) {
      kestrel::PlaceTime t = kestrel::ShowPlaceTime(name, dst, dst, hour, minute);
      if (t.kind == kestrel::PlaceTime::Shown && t.caption.size() > 12) __builtin_trap();
    }
  kestrel::ShowPlaceTime(text, false, false, hour, minute);
  return 0;
}
