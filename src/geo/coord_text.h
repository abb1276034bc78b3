// Coordinate texts: "N°29.18" (29 degrees 18 minutes north), "W°94.47", a pair joined by "\".
// Inside the program, latitude is north positive and longitude WEST positive.
#pragma once
#include <string>

namespace kestrel {

// The outcome of ConvertToDecMins.
struct DecMinsResult {
  bool ok = false;
  std::string pair;     // on success: the converted pair, e.g. N°29.30\W°94.78
  std::string warning;  // on failure: the text of the warning to show the user
};

// Turns a pair in degrees.minutes into the same pair in degrees and hundredths:
// N°29.18\W°94.47 becomes N°29.30\W°94.78. Text before the hemisphere letter is dropped.
// Only the two characters after each "." count as minutes (".5" is 50 minutes). A part without
// a readable minute value fails with "Invalid degrees: <lat part>  <lon part>"; minutes of 60 or
// more fail with "Minutes must be between 00 and 59." (rather than being folded into a wrong
// hundredths value).
DecMinsResult ConvertToDecMins(const std::string& coordPair);

// The warnings for a chosen or typed pair that lacks a hemisphere marker.
std::string NoNorthSouthWarning();  // "No N° or S° degrees in selected record."
std::string NoWestEastWarning();    // "No W° or E° degrees in selected record."

struct LatLon {
  long double lat = 0;  // north positive
  long double lon = 0;  // west positive
};

// Reads a converted pair into signed decimal degrees (S and E negative).
// A text that is not a number throws ConversionError.
LatLon SplitCoordPair(const std::string& convertedPair);

// The home position stored from the texts as typed and their converted pair: the longitude
// is the text after "\" and its two-character marker (negated when the typed longitude holds
// "E"), the latitude the text between the first "°" and the "\" (negated when the typed
// latitude holds "S"). Throws ConversionError on text that is not a number.
LatLon HomePairValues(const std::string& latTyped, const std::string& lonTyped,
                      const std::string& convertedPair);

// The hemisphere switch of a coordinate box: letters a (N or W) and b (S or E).
// No marker yet: "a°" is put in front; otherwise the marker flips.
std::string ToggleHemisphere(const std::string& text, char a, char b);

}  // namespace kestrel
