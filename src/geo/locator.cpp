#include "geo/locator.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/text.h"

namespace kestrel {
namespace {

bool InRange(char c, char from, char to) { return c >= from && c <= to; }

// The letter table of locators: A to Z for 0 to 25, then the digits 0 to 9.
char Letter(int index) {
  return index < 26 ? static_cast<char>('A' + index) : static_cast<char>('0' + (index - 26));
}

// Keeps a coordinate inside [0, limit): the far edges belong to the last field.
double Inside(double v, double limit) {
  if (!(v >= 0)) return 0;  // below the first field, or not a number at all
  if (v >= limit) return std::nextafter(limit, 0.0);
  return v;
}

}  // namespace

LocatorCheck ValidateLocator(const std::string& text) {
  LocatorCheck r;
  r.upper = UpperAscii(text);
  const std::string& s = r.upper;
  if (s.size() != 4 && s.size() != 6) {
    r.warning = "Grid description must be 4 or 6 characters in length.";
    return r;
  }
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const bool good = i < 2 ? InRange(c, 'A', 'R') : i < 4 ? InRange(c, '0', '9') : InRange(c, 'A', 'X');
    if (!good) {
      r.warning = std::string("Invalid Grid description - ") + c;
      return r;
    }
  }
  r.ok = true;
  return r;
}

LocatorCornerResult LocatorCorner(const std::string& loc) {
  const int f1 = loc[0] - 'A', f2 = loc[1] - 'A', s1 = loc[2] - '0', s2 = loc[3] - '0';
  const bool six = loc.size() == 6;
  const int u1 = six ? loc[4] - 'A' : 0, u2 = six ? loc[5] - 'A' : 0;

  int D = 20 * f1 + 2 * s1, m = 5 * u1;
  if (m > 59) {
    D += 1;
    m -= 60;
  }
  D -= 180;
  const int P = 10 * f2 + s2 - 90;
  const double n = 2.5 * u2;

  std::string lon = Marker(D >= 0 ? 'E' : 'W');
  int lonDeg = std::abs(D), lonMin = m;
  if (D < 0 && m > 0) {
    lonDeg = std::abs(D) - 1;
    lonMin = 60 - m;
  }
  lon += std::to_string(lonDeg) + ((six && loc[4] != 'A') ? "." + std::to_string(lonMin) : ".00");

  std::string lat = Marker(P >= 0 ? 'N' : 'S');
  int latDeg = std::abs(P);
  double latMin = n;
  if (P < 0 && n > 0) {
    latDeg = std::abs(P) - 1;
    latMin = 60 - n;
  }
  lat += std::to_string(latDeg);
  // Six characters: the minutes to the nearest whole number, halves to the even one.
  lat += six ? "." + std::to_string(static_cast<int>(std::nearbyint(latMin))) : ".00";

  LocatorCornerResult r;
  r.pairText = lat + "\\" + lon;
  r.lat = 10 * f2 + s2 + u2 * 2.5 / 60 - 90;
  r.lon = -(20 * f1 + 2 * s1 + u1 * 5.0 / 60 - 180);
  return r;
}

std::string GridCalc(double latNorth, double lonEast) { return GridLocator(latNorth, lonEast, 4); }

std::string GridLocator(double latNorth, double lonEast, int characters) {
  const double a = Inside(lonEast + 180, 360);
  const double b = Inside(latNorth + 90, 180);
  std::string g;
  g += Letter(static_cast<int>(std::trunc(a / 20)));
  g += Letter(static_cast<int>(std::trunc(b / 10)));
  g += static_cast<char>('0' + static_cast<int>(std::trunc(a / 2)) - 10 * static_cast<int>(std::trunc(a / 20)));
  g += static_cast<char>('0' + static_cast<int>(std::trunc(b)) - 10 * static_cast<int>(std::trunc(b / 10)));
  if (characters >= 6) {
    // Minutes within the square: 5' of longitude and 2.5' of latitude per subsquare.
    // A decimal position such as 29.30 is a hair below its binary value's boundary; a
    // billionth of a step counts it to the subdivision its decimal digits name.
    constexpr double kHair = 1e-9;
    const double aMin = (a - 2 * std::trunc(a / 2)) * 60, bMin = (b - std::trunc(b)) * 60;
    const int u1 = std::min(23, static_cast<int>(std::trunc(aMin / 5 + kHair)));
    const int u2 = std::min(23, static_cast<int>(std::trunc(bMin / 2.5 + kHair)));
    g += static_cast<char>('A' + u1);
    g += static_cast<char>('A' + u2);
    if (characters >= 8) {
      // Tenths of a subsquare: 30" of longitude and 15" of latitude.
      const int e1 = std::clamp(static_cast<int>(std::trunc((aMin - 5 * u1) / 0.5 + kHair)), 0, 9);
      const int e2 = std::clamp(static_cast<int>(std::trunc((bMin - 2.5 * u2) / 0.25 + kHair)), 0, 9);
      g += static_cast<char>('0' + e1);
      g += static_cast<char>('0' + e2);
    }
  }
  return g;
}

}  // namespace kestrel
