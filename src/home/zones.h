// The zone list of the Home Parameters window: 93 entries, each a text and an offset in hours.
#pragma once
#include <array>
#include <string>

namespace kestrel {

struct ZoneEntry {
  const char* text;
  double offset;  // hours; local time = GMT + offset
};

extern const std::array<ZoneEntry, 93> ZoneOffsets;

// The signed hour value written in the parentheses of a zone text, ":30" counting as half an
// hour ("Iran (+03:30) Tehran" gives 3.5). Returns false when the text holds none.
bool ZoneOffsetFromText(const std::string& text, double& offset);

}  // namespace kestrel
