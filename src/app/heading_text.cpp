#include "app/heading_text.h"

#include <cmath>

#include "core/numbers.h"
#include "core/text.h"

namespace kestrel {

HeadingTexts MakeHeadingTexts(long double azimuth, const std::string& note) {
  HeadingTexts t;
  std::string heading = FormatFloat("0.0", azimuth);
  t.statusDegrees = "Degrees:  " + heading + "   " + note;
  t.label73 = "Degrees:  " + heading;
  t.panel8 = DoubleAmpersands(t.statusDegrees);
  t.longPathHeading = static_cast<double>(azimuth) + 180.0;
  if (t.longPathHeading >= 360.0) t.longPathHeading -= 360.0;
  t.label74 = "  (" + FormatFloat("0.0", t.longPathHeading) + ")";
  return t;
}

std::string FormatDistance(long double metres, bool miles) {
  return FormatFloat("##,##0", miles ? metres / 1.6093L / 1000.0L : metres / 1000.0L);
}

int EvenArrowHeading(long double azimuth) {
  int n = static_cast<int>(std::trunc(azimuth));
  if (n % 2 != 0) n += 1;
  return n;
}

}  // namespace kestrel
