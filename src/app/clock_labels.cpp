#include "app/clock_labels.h"

#include <cstdio>

namespace kestrel {
namespace {
std::string Two(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}
}  // namespace

ToolbarClocks FormatToolbarClocks(int localHour, int localMinute, int utcHour, int utcMinute,
                                  bool military) {
  ToolbarClocks c;
  if (military) {
    c.local = Two(localHour) + ":" + Two(localMinute);
    c.utc = Two(utcHour) + ":" + Two(utcMinute);
    return c;
  }
  int h12 = localHour % 12 == 0 ? 12 : localHour % 12;
  c.local = std::to_string(h12) + ":" + Two(localMinute) + (localHour < 12 ? "A" : "P");
  if (utcHour < 12)
    c.utc = Two(utcHour) + ":" + Two(utcMinute) + "A";
  else if (utcHour == 12)
    c.utc = "12:" + Two(utcMinute) + "P";
  else
    c.utc = std::to_string(utcHour - 12) + ":" + Two(utcMinute) + "P";
  if (c.utc.rfind("00", 0) == 0) c.utc.replace(0, 2, "12");
  return c;
}

}  // namespace kestrel
