#include "calc/calc_commands.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/heading_text.h"
#include "core/numbers.h"
#include "core/text.h"
#include "dxcc/prefix_alias.h"
#include "geo/coord_text.h"
#include "geo/geodesic.h"
#include "geo/locator.h"
#include "geo/sunrise.h"
#include "worldmap/dxcc_lists.h"
#include "worldmap/map_marks.h"

namespace kestrel {
namespace {

constexpr const char* kTool = "kestrel-calc";

// ---- Help texts (Latin-1, like every text inside the program; "\xB0" is the degree sign) ----

constexpr const char* kPositionHelp =
    "A POSITION is one of:\n"
    "  EL29  el29ab            a Maidenhead locator of 4 or 6 characters: its south-west\n"
    "                          corner, as the Grid window aims at it\n"
    "  'N\xB0" "29.18\\W\xB0" "94.47'       degrees.minutes with hemisphere markers N/S and E/W\n"
    "                          (quote it for the shell; a blank may stand for the \"\\\")\n"
    "  29.30,-94.78            decimal degrees LAT,LON, north and EAST positive\n"
    "A latitude or longitude of exactly 0 is a real place here (the equator, the Greenwich\n"
    "meridian, JJ00) and is computed; the program's windows take 0 as \"no position\".\n";

constexpr const char* kExitHelp =
    "Exit status: 0 done; 1 a calculation or some batch lines failed; 2 bad input (one line\n"
    "on standard error naming what was wrong, nothing on standard output).\n";

constexpr const char* kMainHelp =
    "Usage: kestrel-calc COMMAND ARGUMENTS [--json]\n"
    "       kestrel-calc COMMAND --help\n"
    "Kestrel's calculations from the command line, one result per line.\n"
    "\n"
    "Commands:\n"
    "  bearing FROM TO         beam heading, long path and distance (WGS-84)\n"
    "  bearing --batch         the same for lines \"LAT1 LON1 LAT2 LON2\" on standard input\n"
    "  grid POSITION           the locator of a position (--chars 4, 6 or 8)\n"
    "  locator LOCATOR         the south-west corner of a locator\n"
    "  sun POSITION OFFSET DATE [--military]\n"
    "                          sunrise and sunset at a position\n"
    "  prefix TEXT             the canonical DXCC prefix of a typed prefix\n"
    "  map TEXT                the world-map mark of a DXCC search entry\n"
    "\n"
    "Options:\n"
    "  --json                  one JSON object per result line, full precision\n"
    "                          (angles with 9 decimals, metres with 6)\n"
    "  --help, -h              this text, or a command's own\n"
    "\n";

constexpr const char* kBearingHelp =
    "Usage: kestrel-calc bearing FROM TO [--json]\n"
    "       kestrel-calc bearing --batch [--json] < pairs\n"
    "The beam heading from FROM to TO on the WGS-84 ellipsoid (Vincenty's inverse formula in\n"
    "extended precision), the long path (heading + 180, below 360) and the distance.\n"
    "\n"
    "  kestrel-calc bearing EM10 JN58    ->  heading 40.4 long_path 220.4 km 8792.40 mi 5463.50\n"
    "Text: angles with one decimal, km and mi (statute, metres / 1.6093 / 1000) with two.\n"
    "JSON keys: azimuth, long_path, distance_m, distance_km, distance_mi.\n"
    "\n"
    "--batch reads lines \"LAT1 LON1 LAT2 LON2\" (decimal degrees, north and EAST positive,\n"
    "separated by blanks or tabs) and writes \"AZIMUTH LONG_PATH DISTANCE_M\" for each, with\n"
    "9, 9 and 6 decimals (or one JSON object per line with --json). A bad line gets\n"
    "\"error: <reason>\" on its output line and the run goes on; the exit status is then 1.\n"
    "Latitudes lie in -90..90, longitudes in -180..180; 0 is a real place.\n"
    "Nearly antipodal stations (the loop not settling in 100 rounds) are answered with the\n"
    "values of the 100th round, as the main window does. Where the calculation meets an\n"
    "arithmetic fault (two equal positions at some latitudes) there is no answer: status 1.\n"
    "\n";

constexpr const char* kGridHelp =
    "Usage: kestrel-calc grid POSITION [--chars 4|6|8] [--json]\n"
    "The Maidenhead locator of the square holding POSITION (4 characters), with --chars 6 also\n"
    "the subsquare, with --chars 8 also the extended square. 90 N and 180 E count to the last\n"
    "field and square.\n"
    "  kestrel-calc grid 29.30,-94.78 --chars 6   ->  EL29OH\n"
    "JSON key: locator.\n"
    "\n";

constexpr const char* kLocatorHelp =
    "Usage: kestrel-calc locator LOCATOR [--json]\n"
    "The south-west corner of a 4- or 6-character locator: the pair text the Grid window\n"
    "shows (degrees.minutes) and the decimal corner, north and EAST positive, 9 decimals.\n"
    "  kestrel-calc locator EL29   ->  N\xB0" "29.00\\W\xB0" "96.00 29.000000000 -96.000000000\n"
    "JSON keys: text, lat, lon.\n"
    "\n";

constexpr const char* kSunHelp =
    "Usage: kestrel-calc sun POSITION OFFSET DATE [--military] [--json]\n"
    "Sunrise and sunset on DATE (YYYY-MM-DD, local) at POSITION, in local time of the GMT\n"
    "OFFSET in hours (-12 to 14, e.g. -6 or 5.5), as the main window's tool bar shows them:\n"
    "12-hour texts with A/P, or 24-hour texts with --military. The messages the program would\n"
    "show (\"No sunrise this date\", \"Sun up or down all day\") follow, one a line; a text\n"
    "that is not found is written \"-\" (empty in JSON). The texts come from one scan of a\n"
    "day from local noon, as at start-up: with a negative OFFSET the sunset is that of the\n"
    "evening before DATE, otherwise the sunrise is that of the morning after.\n"
    "  kestrel-calc sun 29.30,-94.78 -6 2024-01-15   ->  rise 7:14A set 5:42P\n"
    "JSON keys: rise, set, messages.\n"
    "\n";

constexpr const char* kPrefixHelp =
    "Usage: kestrel-calc prefix TEXT [--json]\n"
    "The canonical prefix of a DXCC prefix range for a typed alias (DL -> DA), as the place\n"
    "box replaces it; any other TEXT is written back unchanged. Upper and lower case differ.\n"
    "JSON keys: text, prefix, alias (true when TEXT was replaced).\n"
    "\n";

constexpr const char* kMapHelp =
    "Usage: kestrel-calc map TEXT [--json]\n"
    "The world map's mark for a DXCC search entry, given as its exact text (prefix, two\n"
    "blanks, name, e.g. \"1A0  Malta\"): \"pointer X Y\" (an arrow at a country) or\n"
    "\"ring X Y\" (a ring round small islands), pixels of the 1133 x 556 map picture.\n"
    "An entry that is not in the list is bad input.\n"
    "JSON keys: entry, kind, x, y.\n"
    "\n";

// ---- Small helpers ----

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

// Exact powers of ten in extended precision (5^27 still fits the 64-bit significand).
constexpr long double kPow10[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                  1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                  1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr std::uint64_t kPow10Int[] = {1ull,
                                       10ull,
                                       100ull,
                                       1000ull,
                                       10000ull,
                                       100000ull,
                                       1000000ull,
                                       10000000ull,
                                       100000000ull,
                                       1000000000ull,
                                       10000000000ull,
                                       100000000000ull,
                                       1000000000000ull,
                                       10000000000000ull,
                                       100000000000000ull,
                                       1000000000000000ull,
                                       10000000000000000ull,
                                       100000000000000000ull,
                                       1000000000000000000ull};

// A text as the user wrote it, for a one-line message: at most 40 characters, control
// characters written as "?".
std::string Shown(std::string_view text) {
  std::string s(text.substr(0, 40));
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = '?';
  if (text.size() > 40) s += "...";
  return s;
}

std::string CannotCompute(const CalcPosition& from, const CalcPosition& to) {
  std::string why = "the heading cannot be computed for these positions";
  if (from.lat == to.lat && from.lonWest == to.lonWest) why += " (they are the same place)";
  return why;
}

void AppendJsonString(std::string& out, std::string_view s) {
  out += '"';
  for (char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
      out += buf;
    } else {
      out += c;
    }
  }
  out += '"';
}

// A value for output: -0 written as 0.
long double Plain(long double v) { return v == 0 ? 0.0L : v; }

// ---- Command line ----

struct Args {
  std::string command;
  std::vector<std::string> positional;  // Latin-1
  bool json = false, help = false, batch = false, military = false;
  int chars = 4;
  bool charsGiven = false;
};

struct Failure {
  std::string message;  // without the program name
};

bool LooksLikeNumber(const std::string& a) {
  return a.size() >= 2 && a[0] == '-' && (IsDigit(a[1]) || a[1] == '.');
}

// Fills `args`; on a fault returns the message.
std::optional<Failure> ParseArgs(const std::vector<std::string>& raw, Args& args) {
  bool optionsEnded = false;
  for (size_t i = 0; i < raw.size(); ++i) {
    const std::string a = Utf8ToLatin1(raw[i]);
    const bool isOption = !optionsEnded && a.size() >= 2 && a[0] == '-' && !LooksLikeNumber(a);
    if (!isOption) {
      if (args.command.empty())
        args.command = a;
      else
        args.positional.push_back(a);
      continue;
    }
    if (a == "--") {  // what follows is arguments only, even when it begins with "-"
      optionsEnded = true;
      continue;
    }
    if (a == "--json") {
      args.json = true;
    } else if (a == "--help" || a == "-h") {
      args.help = true;
    } else if (a == "--batch") {
      args.batch = true;
    } else if (a == "--military") {
      args.military = true;
    } else if (a == "--chars" || a.rfind("--chars=", 0) == 0) {
      std::string value;
      if (a == "--chars") {
        if (i + 1 >= raw.size()) return Failure{"--chars needs a value: 4, 6 or 8"};
        value = raw[++i];
      } else {
        value = a.substr(8);
      }
      if (value != "4" && value != "6" && value != "8")
        return Failure{"--chars must be 4, 6 or 8, not \"" + Shown(Utf8ToLatin1(value)) + "\""};
      args.chars = value[0] - '0';
      args.charsGiven = true;
    } else {
      return Failure{"unknown option " + Shown(a) + " (see kestrel-calc --help)"};
    }
  }
  return std::nullopt;
}

// The options each command takes, besides --json and --help.
std::optional<Failure> CheckOptions(const Args& a) {
  auto refuse = [&](const char* option) {
    return Failure{a.command + ": " + option + " does not apply (see kestrel-calc " + a.command +
                   " --help)"};
  };
  if (a.batch && a.command != "bearing") return refuse("--batch");
  if (a.military && a.command != "sun") return refuse("--military");
  if (a.charsGiven && a.command != "grid") return refuse("--chars");
  return std::nullopt;
}

std::optional<Failure> NeedArguments(const Args& a, size_t count, const char* names) {
  if (a.positional.size() == count) return std::nullopt;
  return Failure{a.command + ": needs " + names + ", got " + std::to_string(a.positional.size()) +
                 " argument" + (a.positional.size() == 1 ? "" : "s") + " (see kestrel-calc " +
                 a.command + " --help)"};
}

// ---- Positions ----

bool ParsePairText(const std::string& text, CalcPosition& pos, std::string& why) {
  std::string pair = UpperAscii(text);
  if (pair.find('\\') == std::string::npos) {
    // A blank (or several) may stand for the backslash before the longitude marker.
    size_t lon = pair.find(Marker('W'));
    if (lon == std::string::npos) lon = pair.find(Marker('E'));
    if (lon != std::string::npos && lon > 0 && IsBlank(pair[lon - 1])) {
      size_t from = lon;
      while (from > 0 && IsBlank(pair[from - 1])) --from;
      pair.replace(from, lon - from, "\\");
    }
  }
  if (!Contains(pair, Marker('N')) && !Contains(pair, Marker('S'))) {
    why = NoNorthSouthWarning();
    return false;
  }
  if (!Contains(pair, Marker('E')) && !Contains(pair, Marker('W'))) {
    why = NoWestEastWarning();
    return false;
  }
  DecMinsResult converted = ConvertToDecMins(pair);
  if (!converted.ok) {
    why = converted.warning;
    return false;
  }
  LatLon v;
  try {
    v = SplitCoordPair(converted.pair);
  } catch (const ConversionError& e) {
    why = e.what();
    return false;
  }
  // The Grid window's limits for a typed pair.
  if (std::fabs(v.lat) > 90) {
    why = "Latitude must be between 0 and 90 degrees.";
    return false;
  }
  if (std::fabs(v.lon) > 180) {
    why = "Longitude must be between 0 and 180 degrees.";
    return false;
  }
  pos.lat = v.lat;
  pos.lonWest = v.lon;
  return true;
}

bool ParseDecimalPair(const std::string& text, CalcPosition& pos, std::string& why) {
  const size_t comma = text.find(',');
  if (text.find(',', comma + 1) != std::string::npos) {
    why = "LAT,LON takes exactly one comma";
    return false;
  }
  const std::string latText = Trim(std::string_view(text).substr(0, comma));
  const std::string lonText = Trim(std::string_view(text).substr(comma + 1));
  long double lat = 0, lon = 0;
  if (!TryStrToFloat(latText, lat)) {
    why = "latitude \"" + Shown(latText) + "\" is not a number";
    return false;
  }
  if (!TryStrToFloat(lonText, lon)) {
    why = "longitude \"" + Shown(lonText) + "\" is not a number";
    return false;
  }
  if (std::fabs(lat) > 90) {
    why = "latitude " + Shown(latText) + " is outside -90 to 90";
    return false;
  }
  if (std::fabs(lon) > 180) {
    why = "longitude " + Shown(lonText) + " is outside -180 to 180";
    return false;
  }
  pos.lat = lat;
  pos.lonWest = -lon;
  return true;
}

bool ParseLocator(const std::string& text, CalcPosition& pos, std::string& why,
                  std::string* upper = nullptr) {
  LocatorCheck check = ValidateLocator(text);
  if (!check.ok) {
    why = check.warning;
    return false;
  }
  LocatorCornerResult corner = LocatorCorner(check.upper);
  pos.lat = corner.lat;
  pos.lonWest = corner.lon;
  if (upper) *upper = check.upper;
  return true;
}

std::optional<Failure> ReadPosition(const Args& a, size_t index, const char* name,
                                    CalcPosition& pos) {
  std::string why;
  if (ParseCalcPosition(a.positional[index], pos, why)) return std::nullopt;
  return Failure{a.command + ": " + name + " \"" + Shown(a.positional[index]) + "\": " + why};
}

// ---- Commands ----

void AppendNumberField(std::string& out, const char* key, long double value, int decimals,
                       bool first = false) {
  if (!first) out += ',';
  out += '"';
  out += key;
  out += "\":";
  AppendFixed(out, Plain(value), decimals);
}

std::optional<Failure> Bearing(const Args& a, CalcResult& r) {
  if (auto f = NeedArguments(a, 2, "FROM and TO")) return f;
  CalcPosition from, to;
  if (auto f = ReadPosition(a, 0, "FROM", from)) return f;
  if (auto f = ReadPosition(a, 1, "TO", to)) return f;
  BearingResult b;
  if (!CalculateBearing(from.lat, from.lonWest, to.lat, to.lonWest, b)) {
    r.err = std::string(kTool) + ": bearing: " + CannotCompute(from, to) + "\n";
    r.status = 1;
    return std::nullopt;
  }
  const double longPath = LongPathOf(b.Azimuth);
  const long double km = b.Distance / 1000.0L;
  const long double mi = b.Distance / 1.6093L / 1000.0L;  // as the distance panel has it
  if (a.json) {
    r.out += '{';
    AppendNumberField(r.out, "azimuth", b.Azimuth, 9, true);
    AppendNumberField(r.out, "long_path", longPath, 9);
    AppendNumberField(r.out, "distance_m", b.Distance, 6);
    AppendNumberField(r.out, "distance_km", km, 9);
    AppendNumberField(r.out, "distance_mi", mi, 9);
    r.out += "}\n";
  } else {
    r.out += "heading " + FormatFloat("0.0", b.Azimuth) + " long_path " +
             FormatFloat("0.0", longPath) + " km " + FormatFloat("0.00", km) + " mi " +
             FormatFloat("0.00", mi) + "\n";
  }
  return std::nullopt;
}

std::optional<Failure> Grid(const Args& a, CalcResult& r) {
  if (auto f = NeedArguments(a, 1, "a POSITION")) return f;
  CalcPosition pos;
  if (auto f = ReadPosition(a, 0, "POSITION", pos)) return f;
  const double lat = static_cast<double>(pos.lat), lonEast = -static_cast<double>(pos.lonWest);
  const std::string loc = a.chars == 4 ? GridCalc(lat, lonEast) : GridLocator(lat, lonEast, a.chars);
  if (a.json) {
    r.out += "{\"locator\":";
    AppendJsonString(r.out, loc);
    r.out += "}\n";
  } else {
    r.out += loc + "\n";
  }
  return std::nullopt;
}

std::optional<Failure> Locator(const Args& a, CalcResult& r) {
  if (auto f = NeedArguments(a, 1, "a LOCATOR")) return f;
  LocatorCheck check = ValidateLocator(Trim(a.positional[0]));
  if (!check.ok)
    return Failure{"locator: \"" + Shown(a.positional[0]) + "\": " + check.warning};
  LocatorCornerResult corner = LocatorCorner(check.upper);
  const long double lat = corner.lat, lonEast = -static_cast<long double>(corner.lon);
  if (a.json) {
    r.out += "{\"text\":";
    AppendJsonString(r.out, corner.pairText);
    AppendNumberField(r.out, "lat", lat, 9);
    AppendNumberField(r.out, "lon", lonEast, 9);
    r.out += "}\n";
  } else {
    r.out += corner.pairText + " ";
    AppendFixed(r.out, Plain(lat), 9);
    r.out += ' ';
    AppendFixed(r.out, Plain(lonEast), 9);
    r.out += '\n';
  }
  return std::nullopt;
}

bool IsLeapYear(int y) {
  if (y < 1583) return y % 4 == 0;  // the Julian calendar, as the sun's day number takes it
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

bool ParseDate(const std::string& text, int& y, int& m, int& d) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!IsDigit(text[i])) return false;
  y = std::stoi(text.substr(0, 4));
  m = std::stoi(text.substr(5, 2));
  d = std::stoi(text.substr(8, 2));
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1 || m < 1 || m > 12 || d < 1) return false;
  const int last = kDays[m - 1] + (m == 2 && IsLeapYear(y) ? 1 : 0);
  return d <= last;
}

std::optional<Failure> Sun(const Args& a, CalcResult& r) {
  if (auto f = NeedArguments(a, 3, "POSITION, OFFSET and DATE")) return f;
  CalcPosition pos;
  if (auto f = ReadPosition(a, 0, "POSITION", pos)) return f;
  long double offset = 0;
  if (!TryStrToFloat(a.positional[1], offset))
    return Failure{"sun: OFFSET \"" + Shown(a.positional[1]) + "\" is not a number of hours"};
  if (offset < -12 || offset > 14)
    return Failure{"sun: OFFSET " + Shown(a.positional[1]) + " lies outside -12 to 14 hours"};
  SunInputs in;
  if (!ParseDate(a.positional[2], in.year, in.month, in.day))
    return Failure{"sun: DATE \"" + Shown(a.positional[2]) +
                   "\" is not a calendar date written YYYY-MM-DD"};
  in.latitude = static_cast<double>(pos.lat);
  in.longitudeEast = -static_cast<double>(pos.lonWest);
  // The sun calculation takes an exact 0 as "no home position" and computes nothing. Here 0
  // is a real place: the smallest positive number stands in for it, which gives the
  // calculation exactly the values it has at 0 (its sine underflows to the same sums).
  if (in.latitude == 0) in.latitude = std::nextafter(0.0, 1.0);
  if (in.longitudeEast == 0) in.longitudeEast = std::nextafter(0.0, 1.0);
  in.gmtOffset = static_cast<double>(offset);
  in.military = a.military;

  // Two full runs, one for each text, as the main window fills its tool bar at start-up.
  SunTexts texts;
  std::vector<std::string> messages;
  std::string rise, set;
  for (int event : {1, 2}) {
    SunRun run = SunRiseSet(in, event, texts);
    messages.insert(messages.end(), run.messages.begin(), run.messages.end());
    if (event == 1) rise = texts.sunrise;
    if (event == 2) set = texts.sunset;
  }
  if (a.json) {
    r.out += "{\"rise\":";
    AppendJsonString(r.out, rise);
    r.out += ",\"set\":";
    AppendJsonString(r.out, set);
    r.out += ",\"messages\":[";
    for (size_t i = 0; i < messages.size(); ++i) {
      if (i) r.out += ',';
      AppendJsonString(r.out, messages[i]);
    }
    r.out += "]}\n";
  } else {
    r.out += "rise " + (rise.empty() ? std::string("-") : rise) + " set " +
             (set.empty() ? std::string("-") : set) + "\n";
    for (const std::string& m : messages) r.out += m + "\n";
  }
  return std::nullopt;
}

std::optional<Failure> Prefix(const Args& a, CalcResult& r) {
  if (auto f = NeedArguments(a, 1, "a TEXT")) return f;
  const std::string& text = a.positional[0];
  const std::optional<std::string> canonical = FindCanonicalPrefix(text);
  const std::string prefix = canonical ? *canonical : text;
  if (a.json) {
    r.out += "{\"text\":";
    AppendJsonString(r.out, text);
    r.out += ",\"prefix\":";
    AppendJsonString(r.out, prefix);
    r.out += canonical ? ",\"alias\":true}\n" : ",\"alias\":false}\n";
  } else {
    r.out += prefix + "\n";
  }
  return std::nullopt;
}

std::optional<Failure> Map(const Args& a, CalcResult& r) {
  if (auto f = NeedArguments(a, 1, "a TEXT")) return f;
  const std::string& text = a.positional[0];
  // The first entry with exactly this text, as the world map looks it up.
  size_t i = 0;
  while (i < DxccSearchList.size() && text != DxccSearchList[i]) ++i;
  if (i == DxccSearchList.size())
    return Failure{"map: \"" + Shown(text) +
                   "\" is not an entry of the world map's search list (exact text, e.g. "
                   "\"1A0  Malta\")"};
  std::optional<MapMark> mark;
  try {
    mark = ParseMapMark(DxccPositionList[i]);
  } catch (const ConversionError& e) {
    r.err = std::string(kTool) + ": map: the mark of \"" + text + "\" cannot be read: " + e.what() + "\n";
    r.status = 1;
    return std::nullopt;
  }
  if (!mark) {
    r.err = std::string(kTool) + ": map: \"" + text + "\" has no map mark\n";
    r.status = 1;
    return std::nullopt;
  }
  const char* kind = mark->kind == MapMark::Pointer ? "pointer" : "ring";
  if (a.json) {
    r.out += "{\"entry\":";
    AppendJsonString(r.out, text);
    r.out += ",\"kind\":\"" + std::string(kind) + "\",\"x\":" + std::to_string(mark->x) +
             ",\"y\":" + std::to_string(mark->y) + "}\n";
  } else {
    r.out += std::string(kind) + " " + std::to_string(mark->x) + " " + std::to_string(mark->y) + "\n";
  }
  return std::nullopt;
}

const char* CommandHelp(const std::string& command) {
  if (command == "bearing") return kBearingHelp;
  if (command == "grid") return kGridHelp;
  if (command == "locator") return kLocatorHelp;
  if (command == "sun") return kSunHelp;
  if (command == "prefix") return kPrefixHelp;
  if (command == "map") return kMapHelp;
  return nullptr;
}

// Everything but the running of a batch. `batchInput` is null when the caller streams it.
CalcResult Dispatch(const Args& a, const std::string_view* batchInput) {
  CalcResult r;
  std::optional<Failure> f;
  if (a.command == "bearing" && a.batch) {
    if (!a.positional.empty())
      f = Failure{"bearing: --batch reads its pairs from standard input and takes no arguments"};
    else if (batchInput) {
      BearingBatch batch(a.json);
      batch.Feed(*batchInput, r.out);
      batch.Finish(r.out);
      if (batch.failedLines() > 0) {
        r.err = batch.Summary();
        r.status = 1;
      }
    }
  } else if (a.command == "bearing") {
    f = Bearing(a, r);
  } else if (a.command == "grid") {
    f = Grid(a, r);
  } else if (a.command == "locator") {
    f = Locator(a, r);
  } else if (a.command == "sun") {
    f = Sun(a, r);
  } else if (a.command == "prefix") {
    f = Prefix(a, r);
  } else if (a.command == "map") {
    f = Map(a, r);
  }
  if (f) {
    r.out.clear();
    r.err = std::string(kTool) + ": " + f->message + "\n";
    r.status = 2;
  }
  return r;
}

// Parses and answers what needs no streaming; `streamBatch` tells the caller to stream.
CalcResult Prepare(const std::vector<std::string>& raw, Args& a, bool& streamBatch) {
  streamBatch = false;
  CalcResult r;
  auto fail = [&](const std::string& message) {
    r.out.clear();
    r.err = std::string(kTool) + ": " + message + "\n";
    r.status = 2;
    return r;
  };
  if (auto f = ParseArgs(raw, a)) return fail(f->message);
  if (a.command.empty()) {
    if (a.help) {
      r.out = std::string(kMainHelp) + kPositionHelp + "\n" + kExitHelp;
      return r;
    }
    return fail("no command given (see kestrel-calc --help)");
  }
  const char* help = CommandHelp(a.command);
  if (!help) return fail("unknown command \"" + Shown(a.command) + "\" (see kestrel-calc --help)");
  if (a.help) {
    r.out = std::string(help);
    if (a.command != "prefix" && a.command != "map" && a.command != "locator")
      r.out += std::string(kPositionHelp) + "\n";
    r.out += kExitHelp;
    return r;
  }
  if (auto f = CheckOptions(a)) return fail(f->message);
  if (a.command == "bearing" && a.batch && a.positional.empty()) {
    streamBatch = true;
    return r;
  }
  return Dispatch(a, nullptr);
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

// ---- Public pieces ----

std::string Utf8ToLatin1(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
      const unsigned char next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0xBF) {
        out += static_cast<char>(((c & 0x1F) << 6) | (next & 0x3F));
        ++i;
        continue;
      }
    }
    out += static_cast<char>(c);
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool ParseCalcPosition(const std::string& raw, CalcPosition& pos, std::string& why) {
  const std::string text = Trim(raw);
  if (text.empty()) {
    why = "empty position";
    return false;
  }
  if (text.find(kDeg) != std::string::npos || text.find('\\') != std::string::npos)
    return ParsePairText(text, pos, why);
  if (text.find(',') != std::string::npos) return ParseDecimalPair(text, pos, why);
  bool alnum = IsAlpha(text[0]);
  for (char c : text) alnum = alnum && (IsAlpha(c) || IsDigit(c));
  if (alnum) return ParseLocator(text, pos, why);
  why = "not a locator (EL29, EL29AB), a pair with degree signs (N\xB0" "29.18\\W\xB0" "94.47) or LAT,LON (29.30,-94.78)";
  return false;
}

double LongPathOf(long double azimuth) {
  double longPath = static_cast<double>(azimuth) + 180.0;
  if (longPath >= 360.0) longPath -= 360.0;
  return longPath;
}

bool ParseCalcNumber(std::string_view text, long double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  std::uint64_t mantissa = 0;
  int significant = 0, decimals = 0, digits = 0;
  bool slow = false;
  for (; p < end && IsDigit(*p); ++p, ++digits) {
    if (mantissa != 0 || *p != '0') ++significant;
    mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
  }
  if (p < end && *p == '.') {
    for (++p; p < end && IsDigit(*p); ++p, ++digits, ++decimals) {
      if (mantissa != 0 || *p != '0') ++significant;
      mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    }
  }
  if (p != end || significant > 19 || decimals > 27) slow = true;  // an exponent, or long
  if (!slow) {
    if (digits == 0) return false;
    // Both operands are exact, so the one division is correctly rounded, as strtold is.
    const long double v = static_cast<long double>(mantissa) / kPow10[decimals];
    value = negative ? -v : v;
    return true;
  }
  for (char c : text)
    if (IsBlank(c)) return false;  // TryStrToFloat would skip blanks around the number
  return TryStrToFloat(text, value);
}

void AppendFixed(std::string& out, long double value, int decimals) {
  if (std::isfinite(value) && decimals >= 0 && decimals <= 18) {
    const long double scaled = std::fabs(value) * kPow10[decimals];
    if (scaled < 0x1p62L) {
      std::uint64_t n = static_cast<std::uint64_t>(scaled);
      const long double fraction = scaled - static_cast<long double>(n);  // exact
      // The product may be off by half a unit in its last place; near a half the decimal
      // rounding is left to printf, which works on the exact binary value.
      const long double doubt = scaled * 0x1p-62L + 0x1p-62L;
      if (std::fabs(fraction - 0.5L) > doubt) {
        if (fraction > 0.5L) ++n;
        char buf[48];
        char* q = buf + sizeof buf;
        std::uint64_t whole = n / kPow10Int[decimals], part = n % kPow10Int[decimals];
        for (int i = 0; i < decimals; ++i) {
          *--q = static_cast<char>('0' + part % 10);
          part /= 10;
        }
        if (decimals > 0) *--q = '.';
        do {
          *--q = static_cast<char>('0' + whole % 10);
          whole /= 10;
        } while (whole != 0);
        if (std::signbit(value)) *--q = '-';
        out.append(q, static_cast<size_t>(buf + sizeof buf - q));
        return;
      }
    }
  }
  char buf[128];
  const int n = std::snprintf(buf, sizeof buf, "%.*Lf", decimals, value);
  if (n > 0 && static_cast<size_t>(n) < sizeof buf) {
    out.append(buf, static_cast<size_t>(n));
  } else {
    std::vector<char> big(static_cast<size_t>(n > 0 ? n : 0) + 1);
    std::snprintf(big.data(), big.size(), "%.*Lf", decimals, value);
    out += big.data();
  }
}

void BearingBatch::Feed(std::string_view chunk, std::string& out) {
  if (!pending_.empty()) {
    const size_t nl = chunk.find('\n');
    if (nl == std::string_view::npos) {
      pending_.append(chunk);
      return;
    }
    pending_.append(chunk.substr(0, nl));
    Line(pending_, out);
    pending_.clear();
    chunk.remove_prefix(nl + 1);
  }
  for (;;) {
    const void* found = std::memchr(chunk.data(), '\n', chunk.size());
    if (!found) break;
    const size_t nl = static_cast<size_t>(static_cast<const char*>(found) - chunk.data());
    Line(chunk.substr(0, nl), out);
    chunk.remove_prefix(nl + 1);
  }
  pending_.assign(chunk);
}

void BearingBatch::Finish(std::string& out) {
  if (!pending_.empty()) Line(pending_, out);
  pending_.clear();
}

std::string BearingBatch::Summary() const {
  if (failed_ == 0) return "";
  return std::string(kTool) + ": bearing --batch: " + std::to_string(failed_) + " of " +
         std::to_string(lines_) + " lines failed (the first is line " +
         std::to_string(firstFailed_) + ")\n";
}

void BearingBatch::Line(std::string_view line, std::string& out) {
  ++lines_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

  std::string_view fields[4];
  int count = 0;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    size_t j = i;
    while (j < line.size() && !IsBlank(line[j])) ++j;
    if (count < 4) fields[count] = line.substr(i, j - i);
    ++count;
    i = j;
  }

  std::string why;
  long double v[4];
  BearingResult r;
  static const char* const kNames[] = {"LAT1", "LON1", "LAT2", "LON2"};
  if (count != 4) {
    why = "expected 4 numbers LAT1 LON1 LAT2 LON2, found " + std::to_string(count) + " fields";
  } else {
    for (int k = 0; k < 4 && why.empty(); ++k) {
      if (!ParseCalcNumber(fields[k], v[k])) {
        why = std::string(kNames[k]) + " \"" + Shown(fields[k]) + "\" is not a number";
      } else if (std::fabs(v[k]) > (k % 2 == 0 ? 90 : 180)) {
        why = std::string(kNames[k]) + " " + Shown(fields[k]) +
              (k % 2 == 0 ? " is outside -90 to 90" : " is outside -180 to 180");
      }
    }
    if (why.empty() && !CalculateBearing(v[0], -v[1], v[2], -v[3], r))
      why = CannotCompute({v[0], -v[1]}, {v[2], -v[3]});
  }

  if (!why.empty()) {
    ++failed_;
    if (firstFailed_ == 0) firstFailed_ = lines_;
    if (json_) {
      out += "{\"error\":";
      AppendJsonString(out, Latin1ToUtf8(why));
      out += "}\n";
    } else {
      out += "error: ";
      out += why;
      out += '\n';
    }
    return;
  }
  if (json_) {
    out += '{';
    AppendNumberField(out, "azimuth", r.Azimuth, 9, true);
    AppendNumberField(out, "long_path", LongPathOf(r.Azimuth), 9);
    AppendNumberField(out, "distance_m", r.Distance, 6);
    out += "}\n";
  } else {
    AppendFixed(out, Plain(r.Azimuth), 9);
    out += ' ';
    AppendFixed(out, LongPathOf(r.Azimuth), 9);
    out += ' ';
    AppendFixed(out, Plain(r.Distance), 6);
    out += '\n';
  }
}

CalcResult RunCalc(const std::vector<std::string>& args, std::string_view input) {
  Args a;
  bool stream = false;
  CalcResult r = Prepare(args, a, stream);
  if (stream) r = Dispatch(a, &input);
  // Texts inside are Latin-1; what leaves is UTF-8. Batch answers are ASCII already.
  if (!stream) r.out = Latin1ToUtf8(r.out);
  r.err = Latin1ToUtf8(r.err);
  return r;
}

int CalcMain(int argc, const char* const* argv, int inFd, int outFd, int errFd) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  Args a;
  bool stream = false;
  CalcResult r = Prepare(args, a, stream);
  if (!stream) {
    const bool outOk = WriteAll(outFd, Latin1ToUtf8(r.out));
    WriteAll(errFd, Latin1ToUtf8(r.err));
    return outOk ? r.status : (r.status != 0 ? r.status : 1);
  }

  // bearing --batch: large reads, answers gathered into large writes.
  constexpr size_t kChunk = 1 << 20;
  std::vector<char> buffer(kChunk);
  std::string out;
  out.reserve(kChunk + (kChunk / 2));
  BearingBatch batch(a.json);
  for (;;) {
    const ssize_t n = ::read(inFd, buffer.data(), buffer.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      WriteAll(outFd, out);
      WriteAll(errFd, std::string(kTool) + ": bearing --batch: cannot read standard input: " +
                          std::strerror(errno) + "\n");
      return 2;
    }
    if (n == 0) break;
    batch.Feed(std::string_view(buffer.data(), static_cast<size_t>(n)), out);
    if (out.size() >= kChunk) {
      if (!WriteAll(outFd, out)) return 1;
      out.clear();
    }
  }
  batch.Finish(out);
  if (!WriteAll(outFd, out)) return 1;
  if (batch.failedLines() > 0) {
    WriteAll(errFd, batch.Summary());
    return 1;
  }
  return 0;
}

}  // namespace kestrel
