#include "compass/compass_geometry.h"

#include <cmath>

#include "compass/pie_arrow.h"

namespace kestrel {
namespace {

// Positions placed by hand on the compass picture; the others follow the circle.
constexpr CompassRecord kPlaced[] = {
    {0, 128, 33, 128, 217},   {2, 131, 33, 126, 217},   {44, 193, 62, 67, 192},
    {46, 195, 65, 65, 190},   {54, 204, 74, 58, 181},   {56, 203, 77, 56, 178},
    {90, 218, 127, 42, 128},  {98, 218, 140, 42, 116},  {100, 213, 143, 43, 112},
    {134, 191, 189, 63, 65},  {178, 132, 217, 125, 32},
};

Point OnCircle(double degrees) {
  const double a = degrees * M_PI / 180;
  return {Nearest(kCompassCentreX + kCompassRadius * std::sin(a)),
          Nearest(kCompassCentreY - kCompassRadius * std::cos(a))};
}

std::array<CompassRecord, 181> BuildTable() {
  std::array<CompassRecord, 181> t{};
  for (int k = 0; k < 90; ++k) {
    const int heading = 2 * k;
    const Point a = OnCircle(heading), b = OnCircle(heading + 180);
    t[k] = {heading, a.x, a.y, b.x, b.y};
    for (const CompassRecord& placed : kPlaced)
      if (placed.heading == heading) t[k] = placed;
  }
  for (int k = 0; k < 90; ++k) t[90 + k] = t[k];
  t[180] = t[89];
  return t;
}

}  // namespace

const std::array<CompassRecord, 181>& CompassPointTable() {
  static const std::array<CompassRecord, 181> table = BuildTable();
  return table;
}

CompassEnds CompassArrowEnds(long double heading) {
  if (!(heading >= 0 && heading < 360)) {
    heading = std::fmod(heading, 360.0L);
    if (heading < 0) heading += 360;
    if (!(heading >= 0 && heading < 360)) heading = 0;  // not a number: north
  }
  int n = static_cast<int>(std::trunc(heading));
  if (n % 2 != 0) n += 1;
  const CompassRecord& r = CompassPointTable()[n / 2];
  if (n <= 179) return {{r.x2, r.y2}, {r.x1, r.y1}};
  return {{r.x1, r.y1}, {r.x2, r.y2}};
}

CompassEnds CompassRestEnds() {
  const CompassRecord& r = CompassPointTable()[0];
  return {{r.x2, r.y2}, {r.x1, r.y1}};
}

}  // namespace kestrel
