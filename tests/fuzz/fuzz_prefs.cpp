// The preferences file: any bytes are read, and what is written back reads the same again.
#include <cstdint>
#include <string>

#include "core/text_file.h"
#include "home/prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kestrel::PrefsRead read = kestrel::ReadPrefs(kestrel::SplitLines(text));
  std::vector<std::string> lines = kestrel::PrefsLines(read.prefs);
  std::string written;
  for (const auto& l : lines) written += l + "\r\n";
  kestrel::PrefsRead again = kestrel::ReadPrefs(kestrel::SplitLines(written));
  // A written file reads back to the same options, offset and zone.
  if (again.prefs.flags != read.prefs.flags || again.prefs.gmtOffset != read.prefs.gmtOffset ||
      again.prefs.zoneIndex != read.prefs.zoneIndex)
    __builtin_trap();
  return 0;
}
