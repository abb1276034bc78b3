#include "geo/coord_text.h"

#include "core/numbers.h"
#include "core/text.h"

namespace kestrel {
namespace {

// The characters from the first `marker` up to, not including, the first "\".
std::string LatitudePart(const std::string& pair, const std::string& marker) {
  size_t from = pair.find(marker);
  size_t slash = pair.find('\\');
  if (from == std::string::npos || slash == std::string::npos || slash <= from) return "";
  return pair.substr(from, slash - from);
}

// The characters from the first `marker` to the end, at most 100.
std::string LongitudePart(const std::string& pair, const std::string& marker) {
  size_t from = pair.find(marker);
  if (from == std::string::npos) return "";
  return pair.substr(from, 100);
}

enum class PartOutcome { Ok, Unreadable, MinutesOutOfRange };

// Rewrites one part from minutes to hundredths of a degree in place.
PartOutcome ConvertPart(std::string& part) {
  size_t dot = part.find('.');
  // Without a "." the first characters are read, as the minutes would be; they never form a
  // fraction, so the part is reported as unreadable.
  std::string minutesText = dot == std::string::npos ? part.substr(0, 3) : part.substr(dot, 3);
  long double minutes = 0;
  if (minutesText.empty() || minutesText[0] != '.' || !TryStrToFloat(minutesText, minutes) ||
      minutes < 0)
    return PartOutcome::Unreadable;
  if (minutes >= 0.6L) return PartOutcome::MinutesOutOfRange;
  long double fraction = minutes / 0.6L;
  part.erase(dot, 10);
  std::string hundredths = FormatFloat("0.00", fraction);  // "0.30"
  part += hundredths.substr(1);                            // drop the 0 before the point
  return PartOutcome::Ok;
}

}  // namespace

DecMinsResult ConvertToDecMins(const std::string& coordPair) {
  std::string lat = LatitudePart(coordPair, Marker('N'));
  if (Contains(coordPair, Marker('S'))) lat = LatitudePart(coordPair, Marker('S'));
  std::string lon = LongitudePart(coordPair, Marker('E'));
  if (Contains(coordPair, Marker('W'))) lon = LongitudePart(coordPair, Marker('W'));

  DecMinsResult result;
  std::string latOut = lat, lonOut = lon;
  for (std::string* part : {&latOut, &lonOut}) {
    PartOutcome o = ConvertPart(*part);
    if (o == PartOutcome::Unreadable) {
      result.warning = "Invalid degrees: " + lat + "  " + lon;
      return result;
    }
    if (o == PartOutcome::MinutesOutOfRange) {
      result.warning = "Minutes must be between 00 and 59.";
      return result;
    }
  }
  result.ok = true;
  result.pair = latOut + "\\" + lonOut;
  return result;
}

std::string NoNorthSouthWarning() {
  return "No " + Marker('N') + " or " + Marker('S') + " degrees in selected record.";
}

std::string NoWestEastWarning() {
  return "No " + Marker('W') + " or " + Marker('E') + " degrees in selected record.";
}

LatLon SplitCoordPair(const std::string& pair) {
  LatLon out;
  size_t slash = pair.find('\\');
  auto between = [&](size_t markerPos) {
    size_t from = markerPos + 2;
    size_t to = slash == std::string::npos || slash < from ? pair.size() : slash;
    return pair.substr(from, to - from);
  };
  if (size_t n = pair.find(Marker('N')); n != std::string::npos) out.lat = StrToFloat(between(n));
  if (size_t s = pair.find(Marker('S')); s != std::string::npos) out.lat = -StrToFloat(between(s));
  if (size_t w = pair.find(Marker('W')); w != std::string::npos) out.lon = StrToFloat(pair.substr(w + 2));
  if (size_t e = pair.find(Marker('E')); e != std::string::npos) out.lon = -StrToFloat(pair.substr(e + 2));
  return out;
}

LatLon HomePairValues(const std::string& latTyped, const std::string& lonTyped,
                      const std::string& convertedPair) {
  LatLon out;
  size_t slash = convertedPair.find('\\');
  std::string lonText = slash == std::string::npos ? "" : convertedPair.substr(slash + 3);
  out.lon = StrToFloat(lonText);
  if (Contains(lonTyped, "E")) out.lon = -out.lon;
  size_t deg = convertedPair.find(kDeg);
  std::string latText;
  if (deg != std::string::npos && slash != std::string::npos && slash > deg)
    latText = convertedPair.substr(deg + 1, slash - deg - 1);
  out.lat = StrToFloat(latText);
  if (Contains(latTyped, "S")) out.lat = -out.lat;
  return out;
}

std::string ToggleHemisphere(const std::string& text, char a, char b) {
  std::string ma = Marker(a), mb = Marker(b);
  if (!Contains(text, ma) && !Contains(text, mb)) return ma + text;
  std::string out = text;
  out.replace(0, std::min<size_t>(2, out.size()), Contains(text, mb) ? ma : mb);
  return out;
}

}  // namespace kestrel
