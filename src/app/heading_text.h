// The texts of the main window's heading display, built from a heading and a note.
#pragma once
#include <string>

namespace kestrel {

inline constexpr const char* kDegreesIdle = "Degrees:";
inline constexpr const char* kDistanceIdle = "Distance:";

struct HeadingTexts {
  std::string statusDegrees;  // status panel 0: "Degrees:  " + heading + "   " + note
  std::string label73;        // "Degrees:  " + heading
  std::string label74;        // "  (" + long path + ")"
  std::string panel8;         // status panel 0's text with "&" doubled
  double longPathHeading = 0; // heading + 180, below 360
};

// Headings and long paths are written with one decimal ("0.0").
HeadingTexts MakeHeadingTexts(long double azimuth, const std::string& note);

// The distance panel: metres as whole miles (/1.6093/1000) or kilometres, "##,##0".
std::string FormatDistance(long double metres, bool miles);

// The even whole heading the compass arrow is set for: the whole part, plus 1 when odd
// (359.5 gives 360, 2.9 gives 2, 3.0 gives 4).
int EvenArrowHeading(long double azimuth);

}  // namespace kestrel
