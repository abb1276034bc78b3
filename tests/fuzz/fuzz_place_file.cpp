// The place file: the lists of a key and the country-first DXCC list.
#include <cstdint>
#include <string>

#include "app/place_list.h"
#include "core/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = kestrel::SplitLines(text);
  for (const char* key : {"DX~", "TX~", "AL~", "00~"})
    for (const std::string& e : kestrel::EntriesForKey(lines, key))
      if (e.size() > 100) __builtin_trap();
  for (const std::string& form : kestrel::CountryFirstList(lines))
    if (form.size() > 203) __builtin_trap();
  return 0;
}
