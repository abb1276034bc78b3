// Maidenhead grid locators: "EL29" (field and square, 2 x 1 degrees) or "EL29AB" (subsquare,
// 5 x 2.5 minutes). A locator names the south-west corner of its square or subsquare.
#pragma once
#include <string>

namespace kestrel {

struct LocatorCheck {
  bool ok = false;
  std::string upper;    // the text in upper case (shown back in the edit box)
  std::string warning;  // the first fault, when not ok
};

// Upper-cases the text and checks it: 4 or 6 characters; fields A-R, squares 0-9,
// subsquares A-X. The first character that breaks its rule is named.
LocatorCheck ValidateLocator(const std::string& text);

struct LocatorCornerResult {
  std::string pairText;  // e.g. N°29.00\W°96.00 (minutes as the locator's corner gives them)
  double lat = 0;        // north positive
  double lon = 0;        // WEST positive, as everywhere in the program
};

// The south-west corner of a valid locator (see ValidateLocator).
LocatorCornerResult LocatorCorner(const std::string& validLocator);

// The four-character locator of the square holding a position (latitude north positive,
// longitude EAST positive). 90 N and 180 E count to the last field and square.
std::string GridCalc(double latNorth, double lonEast);

// The locator with 4, 6 or 8 characters: square, subsquare (letters a-x of 5' x 2.5'),
// extended square (digits of 30" x 15"), written field letters and subsquare letters in
// upper case. Same edges as GridCalc.
std::string GridLocator(double latNorth, double lonEast, int characters);

}  // namespace kestrel
