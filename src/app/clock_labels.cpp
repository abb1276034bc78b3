#include "app/clock_labels.h"

#include <cstdio>

#include "core/numbers.h"

namespace kestrel {
namespace {
}  // namespace

ToolbarClocks FormatToolbarClocks(int localHour, int localMinute, int utcHour, int utcMinute,
                                  bool military) {
  ToolbarClocks c;
  if (military) {
    c.local = TwoDigits(localHour) + ":" + TwoDigits(localMinute);
    c.utc = TwoDigits(utcHour) + ":" + TwoDigits(utcMinute);
    return c;
  }
  int h12 = localHour % 12 == 0 ? 12 : localHour % 12;
  c.local = std::to_string(h12) + ":" + TwoDigits(localMinute) + (localHour < 12 ? "A" : "P");
  if (utcHour < 12)
    c.utc = TwoDigits(utcHour) + ":" + TwoDigits(utcMinute) + "A";
  else if (utcHour == 12)
    c.utc = "12:" + TwoDigits(utcMinute) + "P";
  else
    c.utc = std::to_string(utcHour - 12) + ":" + TwoDigits(utcMinute) + "P";
  if (c.utc.rfind("00", 0) == 0) c.utc.replace(0, 2, "12");
  return c;
}

}  // namespace kestrel
