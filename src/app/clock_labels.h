// The tool bar's two clock labels: local time and UTC.
#pragma once
#include <string>

namespace kestrel {

struct ToolbarClocks {
  std::string local;  // Label6
  std::string utc;    // Label3
};

// Military: local "hh:mm", UTC "hh:mm". Otherwise local "h:mmA"/"h:mmP" and UTC as
// 12:05A (00:05), 09:05A, 12:30P, 1:05P (13:05).
ToolbarClocks FormatToolbarClocks(int localHour, int localMinute, int utcHour, int utcMinute,
                                  bool military);

}  // namespace kestrel
