// From a heading to the compass arrow's two ends on the compass picture. The ends are looked
// up in a table of positions in steps of 2 degrees, in the client coordinates of the compass
// panel, and held by two marker panels: the tail (Panel3) and the tip (Panel5).
#pragma once
#include <array>

#include "compass/canvas.h"

namespace kestrel {

struct CompassRecord {
  int heading;  // even, 0 to 178
  int x1, y1;   // the point of the circle in the heading's direction
  int x2, y2;   // the opposite point (heading + 180)
};

// 181 records: 0 to 89 for the headings 0, 2, ..., 178; 90 to 179 repeat 0 to 89; 180 repeats 89.
const std::array<CompassRecord, 181>& CompassPointTable();

struct CompassEnds {
  Point tail;  // Panel3
  Point tip;   // Panel5
};

// The arrow's ends for a heading (0 <= heading < 360): n is the heading's whole part, made even
// by adding 1 when odd (so 359.5 gives 360, drawn as 358); record n / 2; from n = 180 on the
// record's two points swap roles. A heading outside the range is first brought into it.
CompassEnds CompassArrowEnds(long double heading);

// The rest position: an arrow pointing north, from (128, 217) to (128, 33).
CompassEnds CompassRestEnds();

// The centre and radius of the circle the table's points lie on, in the panel's coordinates.
inline constexpr double kCompassCentreX = 128.6;
inline constexpr double kCompassCentreY = 125.7;
inline constexpr double kCompassRadius = 90.0;

}  // namespace kestrel
