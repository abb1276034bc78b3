// kestrel-calc's commands run in-process (RunCalc, CalcMain): headings against the published
// Flinders Peak - Buninyong example and GeographicLib, locators against hand-derived corners
// and Hamlib, sunrise and sunset against the documented cases and NOAA's solar equations,
// prefixes and map marks against their tables; the batch reader and writer against strtold
// and printf; every kind of bad input.

#include <GeographicLib/Geodesic.hpp>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <hamlib/rig.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calc_commands.h"
#include "worldmap/dxcc_lists.h"

namespace kestrel {
namespace {

constexpr double kPi = 3.14159265358979323846;

CalcResult Calc(std::vector<std::string> args, std::string_view input = {}) {
  return RunCalc(args, input);
}

// The number after "key": in a JSON line.
long double JsonNumber(const std::string& json, const std::string& key) {
  const size_t at = json.find("\"" + key + "\":");
  if (at == std::string::npos) {
    ADD_FAILURE() << "no key " << key << " in " << json;
    return NAN;
  }
  return std::strtold(json.c_str() + at + key.size() + 3, nullptr);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// Every degree sign is written in UTF-8 (C2 B0), none as the bare Latin-1 byte.
bool DegreesInUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\xB0' && (i == 0 || text[i - 1] != '\xC2')) return false;
  return true;
}

long double Dms(int deg, int min, long double sec) { return deg + min / 60.0L + sec / 3600.0L; }

// Difference of two headings folded into [-180, 180).
double HeadingDiff(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d >= 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

// ---------------------------------------------------------------------------------------------
// Headings

// Vincenty's worked example as published by Geoscience Australia (GDA94 technical manual):
// Flinders Peak to Buninyong 54 972.271 m, heading 306 52 05.37, and back 127 10 25.07.
TEST(CalcBearing, PublishedFlindersPeakBuninyong) {
  const std::string flinders = "-37.951033417,144.424867889";  // -37 57 03.72030, 144 25 29.52440
  const std::string buninyong = "-37.652821139,143.926495528";  // -37 39 10.15610, 143 55 35.38390
  struct Case {
    std::string from, to;
    long double heading;
    const char* text;
  } cases[] = {
      {flinders, buninyong, Dms(306, 52, 5.37L), "heading 306.9 long_path 126.9 km 54.97 mi 34.16\n"},
      {buninyong, flinders, Dms(127, 10, 25.07L), "heading 127.2 long_path 307.2 km 54.97 mi 34.16\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to);
    CalcResult text = Calc({"bearing", c.from, c.to});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, c.text);
    EXPECT_EQ(text.err, "");

    CalcResult json = Calc({"bearing", c.from, c.to, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const long double az = JsonNumber(json.out, "azimuth");
    const long double m = JsonNumber(json.out, "distance_m");
    // Published to the millimetre and the hundredth of an arc second; the decimal degrees
    // above carry a rounding of up to 0.06 mm.
    EXPECT_NEAR(static_cast<double>(m), 54972.271, 0.0006);
    EXPECT_NEAR(static_cast<double>(az), static_cast<double>(c.heading), 0.006 / 3600);
    EXPECT_NEAR(static_cast<double>(JsonNumber(json.out, "long_path")),
                std::fmod(static_cast<double>(az) + 180, 360), 1e-9);
    EXPECT_NEAR(static_cast<double>(JsonNumber(json.out, "distance_km")), static_cast<double>(m / 1000), 1e-9);
    // The distance panel's statute mile: 1.6093 km.
    EXPECT_NEAR(static_cast<double>(JsonNumber(json.out, "distance_mi")),
                static_cast<double>(m / 1609.3L), 1e-9);
    EXPECT_EQ(json.out.back(), '\n');
    EXPECT_EQ(Lines(json.out).size(), 1u);
  }
}

// The three ways of writing a position name the same place: a locator's corner, a pair in
// degrees.minutes (18' = 0.30 degree) and decimal degrees.
TEST(CalcBearing, EveryFormOfAPositionNamesTheSamePlace) {
  struct Group {
    const char* decimal;
    std::vector<std::string> forms;
  } groups[] = {
      {"29,-96", {"EL29", "el29", "N\xC2\xB0" "29.00\\W\xC2\xB0" "96.00", "N\xC2\xB0" "29.00 W\xC2\xB0" "96.00"}},
      {"29.30,-94.78",
       {"N\xC2\xB0" "29.18\\W\xC2\xB0" "94.47", "N\xC2\xB0" "29.18 W\xC2\xB0" "94.47",
        "n\xC2\xB0" "29.18\\w\xC2\xB0" "94.47", "N\xB0" "29.18\\W\xB0" "94.47",  // Latin-1 bytes
        " N\xC2\xB0" "29.18\\W\xC2\xB0" "94.47 ", "29.30, -94.78"}},
      // 52' = 0.8667 and 13' = 0.2167 degree, kept to hundredths as the program converts them.
      {"-33.87,151.22", {"S\xC2\xB0" "33.52\\E\xC2\xB0" "151.13"}},
      {"0,0", {"JJ00", "N\xC2\xB0" "0.00\\E\xC2\xB0" "0.00", "0.0,-0.0"}},
      // IO91WM: field IO is 20 W 50 N, square 91 adds 18 and 1 degrees, subsquare W adds
      // 22 x 5' of longitude and M adds 12 x 2.5' of latitude.
      {"51.5,-0.16666666666666667", {"IO91WM", "io91wm"}},
      {"-34,150", {"QF56", "S\xC2\xB0" "34.00\\E\xC2\xB0" "150.00"}},
  };
  const std::string other = "48.2,16.37";
  for (const Group& g : groups) {
    CalcResult want1 = Calc({"bearing", g.decimal, other, "--json"});
    CalcResult want2 = Calc({"bearing", other, g.decimal, "--json"});
    ASSERT_EQ(want1.status, 0) << g.decimal << ": " << want1.err;
    ASSERT_EQ(want2.status, 0) << g.decimal << ": " << want2.err;
    for (const std::string& form : g.forms) {
      SCOPED_TRACE(g.decimal + std::string(" as ") + form);
      CalcResult got1 = Calc({"bearing", form, other, "--json"});
      CalcResult got2 = Calc({"bearing", other, form, "--json"});
      ASSERT_EQ(got1.status, 0) << got1.err;
      ASSERT_EQ(got2.status, 0) << got2.err;
      for (const char* key : {"azimuth", "distance_m"}) {
        EXPECT_NEAR(static_cast<double>(JsonNumber(got1.out, key)),
                    static_cast<double>(JsonNumber(want1.out, key)), 1e-8) << key;
        EXPECT_NEAR(static_cast<double>(JsonNumber(got2.out, key)),
                    static_cast<double>(JsonNumber(want2.out, key)), 1e-8) << key;
      }
    }
  }
}

// The windows take an exact 0 as "no position"; kestrel-calc computes the place.
TEST(CalcBearing, ZeroLatitudeAndLongitudeAreRealPlaces) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  struct Case {
    const char *from, *to;
    double lat1, lon1, lat2, lon2;
  } cases[] = {
      {"0,0", "0,10", 0, 0, 0, 10},     {"JJ00", "0,-5", 0, 0, 0, -5},
      {"0,0", "10,0", 0, 0, 10, 0},     {"0,0", "-10,0", 0, 0, -10, 0},
      {"51.48,0", "0,0", 51.48, 0, 0, 0}, {"0,-78.5", "40.7,-74", 0, -78.5, 40.7, -74},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    CalcResult r = Calc({"bearing", c.from, c.to, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    double s12, azi1, azi2;
    wgs84.Inverse(c.lat1, c.lon1, c.lat2, c.lon2, s12, azi1, azi2);
    EXPECT_NEAR(static_cast<double>(JsonNumber(r.out, "distance_m")), s12, 1e-3);
    EXPECT_NEAR(HeadingDiff(static_cast<double>(JsonNumber(r.out, "azimuth")), azi1), 0, 1e-6);
  }
  // Along the equator the geodesic is the equator itself: 10 degrees of the 6 378 137 m radius.
  CalcResult eq = Calc({"bearing", "0,0", "0,10", "--json"});
  EXPECT_NEAR(static_cast<double>(JsonNumber(eq.out, "distance_m")), 6378137 * 10 * kPi / 180, 1e-3);
  EXPECT_NEAR(static_cast<double>(JsonNumber(eq.out, "azimuth")), 90, 1e-9);
}

// The calculation gives up on an arithmetic fault (for two equal positions at some latitudes,
// where its sinSigma comes out exactly 0): the window keeps its last heading; kestrel-calc says
// so, with status 1 and nothing on standard output.
TEST(CalcBearing, AnArithmeticFaultIsReportedWithStatus1) {
  struct Case {
    const char *from, *to;
  } cases[] = {{"45.0962,7", "45.0962,7"}, {"45.096,-123.5", "45.096,-123.5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    CalcResult r = Calc({"bearing", c.from, c.to});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "kestrel-calc: bearing: the heading cannot be computed for these positions "
                     "(they are the same place)\n");
    std::string line = c.from;
    line.replace(line.find(','), 1, " ");
    CalcResult b = Calc({"bearing", "--batch"}, line + " " + line + "\n0 0 0 10\n");
    EXPECT_EQ(b.status, 1);
    EXPECT_EQ(Lines(b.out).at(0), "error: the heading cannot be computed for these positions (they are the same place)");
    EXPECT_EQ(Lines(b.out).at(1).substr(0, 12), "90.000000000");
  }
}

// ---------------------------------------------------------------------------------------------
// bearing --batch

std::string RandomPairs(unsigned seed, int count) {
  std::mt19937_64 gen(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  std::string text;
  for (int i = 0; i < count; ++i) {
    const double lat1 = std::asin(2 * unit(gen) - 1) * 180 / kPi, lon1 = 360 * unit(gen) - 180;
    const double lat2 = std::asin(2 * unit(gen) - 1) * 180 / kPi, lon2 = 360 * unit(gen) - 180;
    text += Fixed(lat1, 9) + " " + Fixed(lon1, 9) + " " + Fixed(lat2, 9) + " " + Fixed(lon2, 9) + "\n";
  }
  return text;
}

TEST(CalcBatch, AgreesWithGeographicLibOnRandomPairs) {
  const std::string input = RandomPairs(20240621u, 4000);
  CalcResult r = Calc({"bearing", "--batch"}, input);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> in = Lines(input), out = Lines(r.out);
  ASSERT_EQ(out.size(), in.size());
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  int compared = 0;
  double worstM = 0, worstDeg = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    double lat1, lon1, lat2, lon2, az, lp, m;
    ASSERT_EQ(std::sscanf(in[i].c_str(), "%lf %lf %lf %lf", &lat1, &lon1, &lat2, &lon2), 4);
    ASSERT_EQ(std::sscanf(out[i].c_str(), "%lf %lf %lf", &az, &lp, &m), 3) << out[i];
    // Nine and six decimals, as the interface promises.
    EXPECT_EQ(out[i].size() - out[i].rfind('.'), 7u) << out[i];
    EXPECT_EQ(out[i].find(' ') - out[i].find('.'), 10u) << out[i];
    double s12, azi1, azi2;
    wgs84.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
    EXPECT_NEAR(HeadingDiff(lp, az + 180), 0, 1e-9) << in[i];
    EXPECT_TRUE(az >= 0 && az < 360 && lp >= 0 && lp < 360) << out[i];
    if (s12 > 19000e3) continue;  // nearly antipodal: Vincenty's loop does not settle
    ++compared;
    worstM = std::max(worstM, std::fabs(m - s12));
    worstDeg = std::max(worstDeg, std::fabs(HeadingDiff(az, azi1)));
    EXPECT_NEAR(m, s12, 1e-3) << in[i];
    EXPECT_NEAR(HeadingDiff(az, azi1), 0, 1e-6) << in[i];
  }
  EXPECT_GT(compared, 3800);
  std::cout << "[ batch ] " << compared << " pairs; largest difference from GeographicLib: "
            << worstM * 1000 << " mm, " << worstDeg << " degree\n";
}

TEST(CalcBatch, EachLineIsAnsweredInPlaceAndBadLinesDoNotStopTheRun) {
  const std::string flinders = "-37.951033417 144.424867889 -37.652821139 143.926495528";
  struct Case {
    std::string line;
    std::string want;  // the answer line, or the start of it for errors
  } cases[] = {
      {flinders, "306.868"},
      {"-37.951033417\t144.424867889\t-37.652821139\t143.926495528\r", "306.868"},  // tabs, CR LF
      {"  " + flinders + "  ", "306.868"},
      {"+29.3 -94.78 3.0e1 -9.6e1", ""},  // a sign and exponents are numbers too
      {"0 0 0 10", "90.000000000 270.000000000 1113194.90"},
      {"", "error: expected 4 numbers LAT1 LON1 LAT2 LON2, found 0 fields"},
      {"1 2 3", "error: expected 4 numbers LAT1 LON1 LAT2 LON2, found 3 fields"},
      {"1 2 3 4 5", "error: expected 4 numbers LAT1 LON1 LAT2 LON2, found 5 fields"},
      {"1,2 3 4 5", "error: LAT1 \"1,2\" is not a number"},
      {"1 2 x 4", "error: LAT2 \"x\" is not a number"},
      {"1 2 3 nan", "error: LON2 \"nan\" is not a number"},
      {"1 inf 3 4", "error: LON1 \"inf\" is not a number"},
      {"0x10 2 3 4", "error: LAT1 \"0x10\" is not a number"},
      {"1 2 3 1e99999", "error: LON2 \"1e99999\" is not a number"},  // beyond any float
      {"1 2 3 1e999", "error: LON2 1e999 is outside -180 to 180"},
      {"90.5 2 3 4", "error: LAT1 90.5 is outside -90 to 90"},
      {"1 2 -91 4", "error: LAT2 -91 is outside -90 to 90"},
      {"1 180.000001 3 4", "error: LON1 180.000001 is outside -180 to 180"},
      {"1 2 3 -181", "error: LON2 -181 is outside -180 to 180"},
      {"90 180 -90 -180", ""},
  };
  std::string input;
  for (const Case& c : cases) input += c.line + "\n";
  CalcResult r = Calc({"bearing", "--batch"}, input);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "kestrel-calc: bearing --batch: 14 of 20 lines failed (the first is line 6)\n");
  const std::vector<std::string> out = Lines(r.out);
  ASSERT_EQ(out.size(), std::size(cases));
  for (size_t i = 0; i < out.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + cases[i].line);
    EXPECT_EQ(out[i].substr(0, cases[i].want.size()), cases[i].want);
    const bool isError = cases[i].want.rfind("error: ", 0) == 0;
    if (isError) EXPECT_EQ(out[i], cases[i].want);
    else EXPECT_EQ(std::count(out[i].begin(), out[i].end(), ' '), 2) << out[i];
  }
  // The same place written four ways gets the same answer.
  EXPECT_EQ(out[1], out[0]);
  EXPECT_EQ(out[2], out[0]);

  // The same in JSON: one object a line.
  CalcResult j = Calc({"bearing", "--batch", "--json"}, "0 0 0 10\n1 2 3\n");
  EXPECT_EQ(j.status, 1);
  EXPECT_EQ(Lines(j.out).size(), 2u);
  EXPECT_NEAR(static_cast<double>(JsonNumber(Lines(j.out)[0], "azimuth")), 90, 1e-12);
  EXPECT_EQ(Lines(j.out)[1], "{\"error\":\"expected 4 numbers LAT1 LON1 LAT2 LON2, found 3 fields\"}");

  // Nothing wrong: status 0 and nothing on standard error; a last line needs no line end;
  // no input, no output.
  CalcResult good = Calc({"bearing", "--batch"}, "0 0 0 10\n0 0 10 0");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.err, "");
  EXPECT_EQ(Lines(good.out).size(), 2u);
  CalcResult none = Calc({"bearing", "--batch"}, "");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
}

// A line answered by the batch equals the same pair asked for on the command line.
TEST(CalcBatch, AnswersEqualThoseOfSinglePairs) {
  const char* pairs[][4] = {
      {"29.30", "-94.78", "51.5", "-0.1"},    {"-33.87", "151.22", "35.68", "139.77"},
      {"0", "0", "0", "10"},                   {"64.1", "-21.9", "-54.8", "-68.3"},
      {"45", "7.5", "45.000001", "7.500001"},  {"89.99", "0", "-89.99", "179.5"},
      {"12.3456789012", "-45.6789012345", "-23.456789", "123.4567890123"},
  };
  for (const auto& p : pairs) {
    const std::string line = std::string(p[0]) + " " + p[1] + " " + p[2] + " " + p[3];
    SCOPED_TRACE(line);
    CalcResult batch = Calc({"bearing", "--batch", "--json"}, line + "\n");
    CalcResult single = Calc({"bearing", std::string(p[0]) + "," + p[1], std::string(p[2]) + "," + p[3], "--json"});
    ASSERT_EQ(batch.status, 0) << batch.out;
    ASSERT_EQ(single.status, 0) << single.err;
    // The single answer has the batch answer's three fields, then the km and miles.
    const std::string head = batch.out.substr(0, batch.out.size() - 2);  // without "}\n"
    EXPECT_EQ(single.out.substr(0, head.size()), head);
  }
}

// The streamed run (large reads through file descriptors, lines cut at any place) gives what
// the whole text gives.
TEST(CalcBatch, StreamedInputGivesTheSameAnswers) {
  std::string input = RandomPairs(7u, 30000);  // over 1.5 MB: several reads
  input += "1 2 x 4\n0 0 0 10";                 // a bad line and a last line without line end
  const CalcResult whole = Calc({"bearing", "--batch"}, input);
  ASSERT_EQ(whole.status, 1);

  // Fed in small pieces of varying length.
  BearingBatch pieces(false);
  std::string out;
  std::mt19937 gen(3u);
  for (size_t at = 0; at < input.size();) {
    const size_t n = std::min<size_t>(1 + gen() % 97, input.size() - at);
    pieces.Feed(std::string_view(input).substr(at, n), out);
    at += n;
  }
  pieces.Finish(out);
  EXPECT_TRUE(out == whole.out);
  EXPECT_EQ(pieces.failedLines(), 1u);
  EXPECT_EQ(pieces.firstFailedLine(), 30001u);

  // Through CalcMain and real file descriptors.
  char inPath[] = "/tmp/kestrel-calc-in-XXXXXX", outPath[] = "/tmp/kestrel-calc-out-XXXXXX",
       errPath[] = "/tmp/kestrel-calc-err-XXXXXX";
  const int inFd = mkstemp(inPath), outFd = mkstemp(outPath), errFd = mkstemp(errPath);
  ASSERT_TRUE(inFd >= 0 && outFd >= 0 && errFd >= 0);
  ASSERT_EQ(write(inFd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  lseek(inFd, 0, SEEK_SET);
  const char* argv[] = {"kestrel-calc", "bearing", "--batch"};
  const int status = CalcMain(3, argv, inFd, outFd, errFd);
  auto slurp = [](const char* path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  };
  close(inFd);
  close(outFd);
  close(errFd);
  const std::string streamedOut = slurp(outPath), streamedErr = slurp(errPath);
  unlink(inPath);
  unlink(outPath);
  unlink(errPath);
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(streamedOut == whole.out);
  EXPECT_EQ(streamedErr, whole.err);
}

// ---------------------------------------------------------------------------------------------
// Reading and writing numbers fast, exactly as strtold and printf do.

TEST(CalcNumbers, FastReadingGivesStrtoldsValue) {
  std::mt19937_64 gen(99u);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    std::string s;
    if (gen() % 4 == 0) s += '-';
    const int intDigits = static_cast<int>(gen() % 5), fracDigits = static_cast<int>(gen() % 22);
    for (int k = 0; k < intDigits; ++k) s += static_cast<char>('0' + gen() % 10);
    if (fracDigits > 0 || intDigits == 0) s += '.';
    for (int k = 0; k < fracDigits; ++k) s += static_cast<char>('0' + gen() % 10);
    if (intDigits + fracDigits == 0) s += '0';
    long double fast = 0;
    ASSERT_TRUE(ParseCalcNumber(s, fast)) << s;
    const long double slow = std::strtold(s.c_str(), nullptr);
    ASSERT_EQ(fast, slow) << s;
    ++checked;
  }
  struct Case {
    const char* text;
    bool ok;
    long double value;
  } cases[] = {
      {"29.30", true, 29.30L},  {".5", true, 0.5L},          {"5.", true, 5.0L},
      {"+7", true, 7.0L},       {"-0", true, 0.0L},          {"1e3", true, 1000.0L},
      {"2.5E-1", true, 0.25L},  {"00000000000000000000000012.5", true, 12.5L},
      {"0.1234567890123456789012345678901", true, 0.1234567890123456789012345678901L},
      {"", false, 0},           {"+", false, 0},             {"-", false, 0},
      {".", false, 0},          {"1.2.3", false, 0},         {"1,5", false, 0},
      {"nan", false, 0},        {"inf", false, 0},           {"0x1p3", false, 0},
      {"1e", false, 0},         {" 1", false, 0},            {"1 ", false, 0},
      {"12a", false, 0},        {"1e99999", false, 0},
  };
  for (const Case& c : cases) {
    long double v = -1;
    EXPECT_EQ(ParseCalcNumber(c.text, v), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(v, c.value) << c.text;
  }
}

TEST(CalcNumbers, FixedWritingGivesPrintfsDigits) {
  auto printfFixed = [](long double v, int d) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Lf", d, v);
    return std::string(buf);
  };
  std::mt19937_64 gen(5u);
  std::uniform_real_distribution<long double> angle(0, 360), metres(0, 2.1e7L), any(-1e4L, 1e4L);
  for (int i = 0; i < 100000; ++i) {
    for (auto [v, d] : {std::pair{angle(gen), 9}, std::pair{metres(gen), 6}, std::pair{any(gen), 9},
                        std::pair{any(gen), static_cast<int>(gen() % 19)}}) {
      std::string fast;
      AppendFixed(fast, v, d);
      ASSERT_EQ(fast, printfFixed(v, d)) << static_cast<double>(v) << " " << d;
    }
  }
  // Exact binary halves (printf rounds them to even), values next to them, and edges.
  const long double cases[] = {0.0009765625L, 0.0029296875L, 2.5L, 3.5L, 0.5L, 1.5L,
                               359.9999999995L, 359.99999999949999L, 0.0L, -0.0L, -2.5L,
                               1e-10L, 123456789.1234567L, 4.6e18L, 1e30L, 0x1p62L};
  for (long double v : cases)
    for (int d : {0, 1, 2, 6, 9, 10, 18}) {
      for (long double w : {v, std::nextafter(v, 1e40L), std::nextafter(v, -1e40L)}) {
        std::string fast;
        AppendFixed(fast, w, d);
        EXPECT_EQ(fast, printfFixed(w, d)) << static_cast<double>(w) << " " << d;
      }
    }
}

// ---------------------------------------------------------------------------------------------
// Locators

// Corners derived by hand from the grid: fields of 20 x 10 degrees from 180 W 90 S, squares
// of 2 x 1 degrees, subsquares of 5' x 2.5'.
TEST(CalcLocator, CornersOfSquaresAndSubsquares) {
  struct Case {
    const char* loc;
    const char* text;  // as written in UTF-8
    const char* lat;
    const char* lon;
  } cases[] = {
      {"EL29", "N\xC2\xB0" "29.00\\W\xC2\xB0" "96.00", "29.000000000", "-96.000000000"},
      {"el29", "N\xC2\xB0" "29.00\\W\xC2\xB0" "96.00", "29.000000000", "-96.000000000"},
      {"JJ00", "N\xC2\xB0" "0.00\\E\xC2\xB0" "0.00", "0.000000000", "0.000000000"},
      {"QF56", "S\xC2\xB0" "34.00\\E\xC2\xB0" "150.00", "-34.000000000", "150.000000000"},
      {"AA00", "S\xC2\xB0" "90.00\\W\xC2\xB0" "180.00", "-90.000000000", "-180.000000000"},
      {"RR99", "N\xC2\xB0" "89.00\\E\xC2\xB0" "178.00", "89.000000000", "178.000000000"},
      // 2.5' is 0.041666667 degree; the text keeps whole minutes (2.5 to the even 2).
      {"EL29AB", "N\xC2\xB0" "29.2\\W\xC2\xB0" "96.00", "29.041666667", "-96.000000000"},
      // 22 x 5' = 1 50' east of 2 W; 12 x 2.5' = 30' north of 51 N.
      {"IO91WM", "N\xC2\xB0" "51.30\\W\xC2\xB0" "0.10", "51.500000000", "-0.166666667"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loc);
    CalcResult r = Calc({"locator", c.loc});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(c.text) + " " + c.lat + " " + c.lon + "\n");
    CalcResult j = Calc({"locator", c.loc, "--json"});
    std::string escaped = c.text;
    escaped.replace(escaped.find('\\'), 1, "\\\\");
    EXPECT_EQ(j.out, "{\"text\":\"" + escaped + "\",\"lat\":" + c.lat + ",\"lon\":" + c.lon + "}\n");
  }
}

// Hamlib's locator2longlat gives the centre of a square or subsquare: the corner is half a
// square to the south-west.
TEST(CalcLocator, CornersAgreeWithHamlib) {
  rig_set_debug(RIG_DEBUG_NONE);
  std::mt19937 gen(11u);
  for (int i = 0; i < 2000; ++i) {
    std::string loc;
    loc += static_cast<char>('A' + gen() % 18);
    loc += static_cast<char>('A' + gen() % 18);
    loc += static_cast<char>('0' + gen() % 10);
    loc += static_cast<char>('0' + gen() % 10);
    const bool six = gen() % 2;
    if (six) {
      loc += static_cast<char>('A' + gen() % 24);
      loc += static_cast<char>('A' + gen() % 24);
    }
    double lon = 0, lat = 0;
    ASSERT_EQ(locator2longlat(&lon, &lat, loc.c_str()), RIG_OK) << loc;
    CalcResult j = Calc({"locator", loc, "--json"});
    ASSERT_EQ(j.status, 0) << j.err;
    EXPECT_NEAR(static_cast<double>(JsonNumber(j.out, "lat")), lat - (six ? 1.25 / 60 : 0.5), 1e-9) << loc;
    EXPECT_NEAR(static_cast<double>(JsonNumber(j.out, "lon")), lon - (six ? 2.5 / 60 : 1.0), 1e-9) << loc;
  }
}

// Hamlib adds a millionth of a degree before it cuts a coordinate into fields, squares and
// subsquares; positions closer than that below a 30" x 15" edge are left out.
bool NearExtendedEdge(double v, double step) {
  const double steps = (v + 180) / step;
  return std::ceil(steps) - steps < 2e-6 / step;
}

TEST(CalcGrid, AgreesWithHamlib) {
  rig_set_debug(RIG_DEBUG_NONE);
  std::mt19937_64 gen(21u);
  std::uniform_real_distribution<double> lat(-89.999, 89.999), lon(-179.999, 179.999);
  int compared = 0;
  for (int i = 0; i < 1500; ++i) {
    const double la = std::stod(Fixed(lat(gen), 7)), lo = std::stod(Fixed(lon(gen), 7));
    if (NearExtendedEdge(la, 1.0 / 240) || NearExtendedEdge(lo, 1.0 / 120)) continue;
    ++compared;
    const std::string pos = Fixed(la, 7) + "," + Fixed(lo, 7);
    for (int pairs : {2, 3, 4}) {
      char theirs[16] = {};
      ASSERT_EQ(longlat2locator(lo, la, theirs, pairs), RIG_OK);
      std::string want = theirs;
      for (char& ch : want) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      std::vector<std::string> args = {"grid", pos};
      if (pairs > 2) args.insert(args.end(), {"--chars", std::to_string(2 * pairs)});
      CalcResult r = Calc(args);
      ASSERT_EQ(r.status, 0) << r.err;
      EXPECT_EQ(r.out, want + "\n") << pos;
    }
  }
  EXPECT_GT(compared, 1450);
}

TEST(CalcGrid, FormsAndEdges) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      // A corner lies in its own square and subsquare.
      {{"grid", "EL29"}, "EL29\n"},
      {{"grid", "el29ab", "--chars", "6"}, "EL29AB\n"},
      {{"grid", "IO91WM", "--chars=6"}, "IO91WM\n"},
      // 94 47' W is 1 13' = 73' east of 96 W: subsquare 73 / 5 -> 14 (O); 29 18' N: 18 / 2.5 -> 7 (H).
      {{"grid", "N\xC2\xB0" "29.18\\W\xC2\xB0" "94.47", "--chars", "6"}, "EL29OH\n"},
      {{"grid", "29.30,-94.78", "--chars", "6"}, "EL29OH\n"},
      // The far edges count to the last field and square; the near edges to the first.
      {{"grid", "90,180"}, "RR99\n"},
      {{"grid", "-90,-180"}, "AA00\n"},
      {{"grid", "0,0"}, "JJ00\n"},
      {{"grid", "-0.000001,-0.000001"}, "II99\n"},
      {{"grid", "0,0", "--json"}, "{\"locator\":\"JJ00\"}\n"},
  };
  for (const Case& c : cases) {
    CalcResult r = Calc(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
  }
}

// ---------------------------------------------------------------------------------------------
// Sunrise and sunset

TEST(CalcSun, DocumentedCases) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      // The sunset is that of the evening before for a negative offset (the scan starts at the
      // previous noon), of the same evening otherwise.
      {{"sun", "29.30,-94.78", "-6", "2024-01-15"}, "rise 7:14A set 5:42P\n"},
      {{"sun", "N\xC2\xB0" "29.18\\W\xC2\xB0" "94.47", "-6", "2024-01-15"}, "rise 7:14A set 5:42P\n"},
      {{"sun", "29.30,-94.78", "-6", "2024-01-15", "--military"}, "rise 07:14 set 17:42\n"},
      {{"sun", "-33.87,151.22", "10", "2024-12-21"}, "rise 4:41A set 7:06P\n"},
      {{"sun", "--military", "-33.87,151.22", "10", "2024-12-21"}, "rise 04:41 set 19:06\n"},
      {{"sun", "51.50,-0.10", "1", "2024-06-21"}, "rise 4:43A set 9:21P\n"},
      {{"sun", "51.50,-0.10", "1", "2024-06-21", "--military"}, "rise 04:43 set 21:21\n"},
      // Midsummer inside the polar circle: no texts, the message once for each run.
      {{"sun", "70,25", "2", "2024-06-21"}, "rise - set -\nSun up or down all day\nSun up or down all day\n"},
      {{"sun", "70,25", "2", "2024-06-21", "--json"},
       "{\"rise\":\"\",\"set\":\"\",\"messages\":[\"Sun up or down all day\",\"Sun up or down all day\"]}\n"},
      {{"sun", "29.30,-94.78", "-6", "2024-01-15", "--json", "--military"},
       "{\"rise\":\"07:14\",\"set\":\"17:42\",\"messages\":[]}\n"},
  };
  for (const Case& c : cases) {
    CalcResult r = Calc(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1] << " " << c.args[3];
  }
}

// NOAA Solar Calculator equations: declination and equation of time at a moment.
struct NoaaSun {
  double declination, eqTime;  // radians, minutes
};

NoaaSun NoaaAt(double julianDay) {
  const double d = kPi / 180, jc = (julianDay - 2451545) / 36525;
  const double l0 = std::fmod(280.46646 + jc * (36000.76983 + jc * 0.0003032), 360) * d;
  const double m = (357.52911 + jc * (35999.05029 - 0.0001537 * jc)) * d;
  const double e = 0.016708634 - jc * (0.000042037 + 0.0000001267 * jc);
  const double centre = std::sin(m) * (1.914602 - jc * (0.004817 + 0.000014 * jc)) +
                        std::sin(2 * m) * (0.019993 - 0.000101 * jc) + std::sin(3 * m) * 0.000289;
  const double omega = (125.04 - 1934.136 * jc) * d;
  const double apparent = l0 / d + centre - 0.00569 - 0.00478 * std::sin(omega);
  const double meanObliquity = 23 + (26 + (21.448 - jc * (46.815 + jc * (0.00059 - jc * 0.001813))) / 60) / 60;
  const double obliquity = (meanObliquity + 0.00256 * std::cos(omega)) * d;
  const double y = std::pow(std::tan(obliquity / 2), 2);
  return {std::asin(std::sin(obliquity) * std::sin(apparent * d)),
          4 / d * (y * std::sin(2 * l0) - 2 * e * std::sin(m) + 4 * e * y * std::sin(m) * std::cos(2 * l0) -
                   0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m))};
}

// Minutes after local midnight of the day with Julian day number `jd0` (at 0 h GMT).
double NoaaEvent(double jd0, double lat, double lonEast, double offset, bool rising) {
  double utc = 720 - 4 * lonEast;
  for (int round = 0; round < 4; ++round) {
    const NoaaSun s = NoaaAt(jd0 + utc / 1440);
    const double phi = lat * kPi / 180;
    const double ha = std::acos(std::cos(90.833 * kPi / 180) / (std::cos(phi) * std::cos(s.declination)) -
                                std::tan(phi) * std::tan(s.declination)) * 180 / kPi;
    utc = 720 - 4 * (lonEast + (rising ? ha : -ha)) - s.eqTime;
  }
  return utc + 60 * offset;
}

// The windows take a 0 latitude or longitude as "no home" and show nothing; kestrel-calc
// computes the place, and its times agree with NOAA's to 2 minutes.
TEST(CalcSun, ZeroLatitudeAndLongitudeAreComputed) {
  struct Case {
    const char* position;
    double lat, lonEast, offset;
    const char* date;
    double jdOfDate;  // Julian day at 0 h GMT of the date
  } cases[] = {
      {"0,32.5", 0, 32.5, 2, "2024-03-20", 2460389.5},
      {"JJ00", 0, 0, 0, "2024-09-22", 2460575.5},
      {"51.48,0", 51.48, 0, 0, "2024-06-21", 2460482.5},
      {"N\xC2\xB0" "0.00\\W\xC2\xB0" "78.30", 0, -78.5, -5, "2024-12-01", 2460645.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    CalcResult r = Calc({"sun", c.position, Fixed(c.offset, 0), c.date, "--military"});
    ASSERT_EQ(r.status, 0) << r.err;
    int rh, rm, sh, sm;
    ASSERT_EQ(std::sscanf(r.out.c_str(), "rise %d:%d set %d:%d", &rh, &rm, &sh, &sm), 4) << r.out;
    EXPECT_EQ(Lines(r.out).size(), 1u) << r.out;
    // The scan runs for a day from a local noon: the date's for a non-negative offset (the
    // sunset of the date, the sunrise of the day after), the day before's for a negative one
    // (the sunset of the day before, the sunrise of the date).
    const double setDay = c.offset < 0 ? c.jdOfDate - 1 : c.jdOfDate;
    const double set = NoaaEvent(setDay, c.lat, c.lonEast, c.offset, false);
    const double rise = NoaaEvent(setDay + 1, c.lat, c.lonEast, c.offset, true);
    EXPECT_NEAR(sh * 60 + sm, set, 2.0);
    EXPECT_NEAR(rh * 60 + rm, rise, 2.0);
  }
}

// ---------------------------------------------------------------------------------------------
// Prefixes and map marks

TEST(CalcPrefix, AliasesBecomeTheirRangesFirstPrefix) {
  struct Case {
    const char *text, *out;
    bool alias;
  } cases[] = {
      {"DL", "DA", true},  {"DB", "DA", true},   {"KH7", "KH6", true}, {"4K", "4J", true},
      {"XI4", "XA4", true}, {"ZU", "ZR", true},  {"DA", "DA", false},  {"dl", "dl", false},
      {"DL1", "DL1", false}, {"W", "W", false},
  };
  for (const Case& c : cases) {
    CalcResult r = Calc({"prefix", c.text});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(c.out) + "\n") << c.text;
    CalcResult j = Calc({"prefix", c.text, "--json"});
    EXPECT_EQ(j.out, std::string("{\"text\":\"") + c.text + "\",\"prefix\":\"" + c.out +
                         "\",\"alias\":" + (c.alias ? "true" : "false") + "}\n");
  }
}

TEST(CalcMap, MarksOfSearchEntries) {
  struct Case {
    const char *entry, *out;
  } cases[] = {
      {"1A0  Malta", "pointer 577 162\n"},
      {"1S  Spratly Island", "ring 865 225\n"},
      {"JW  Svalbard", "pointer 567 30\n"},
      {"3D2  Conway Reef", "pointer 1091 341\n"},
      {"KH3  Johnston Island", "ring 0 210\n"},
      {"FS  Saint Martin  ", "ring 313 211\n"},  // the entry's text ends in two blanks
  };
  for (const Case& c : cases) {
    CalcResult r = Calc({"map", c.entry});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.entry;
  }
  EXPECT_EQ(Calc({"map", "1A0  Malta", "--json"}).out,
            "{\"entry\":\"1A0  Malta\",\"kind\":\"pointer\",\"x\":577,\"y\":162}\n");
}

// Every search entry: the mark of the position entry with the same prefix and name, found by
// its text rather than by its place in the list, and inside the 1133 x 556 picture.
TEST(CalcMap, EverySearchEntryHasTheMarkOfItsPositionEntry) {
  auto trim = [](std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
  };
  for (const char* entry : DxccSearchList) {
    SCOPED_TRACE(entry);
    std::optional<std::string> mark;
    for (const char* position : DxccPositionList) {
      const std::string p = position;
      const size_t hash = p.find('#');
      if (hash != std::string::npos && trim(p.substr(0, hash)) == trim(entry)) mark = p.substr(hash);
    }
    ASSERT_TRUE(mark);
    int x = -1, y = -1;
    char a = 0, b = 0;
    ASSERT_EQ(std::sscanf(mark->c_str(), "#%c%d#%c%d", &a, &x, &b, &y), 4) << *mark;
    const std::string kind = a == 'a' ? "pointer" : "ring";
    CalcResult r = Calc({"map", entry});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kind + " " + std::to_string(x) + " " + std::to_string(y) + "\n");
    EXPECT_TRUE(x >= 0 && x < 1133 && y >= 0 && y < 556) << r.out;
  }
}

// ---------------------------------------------------------------------------------------------
// Bad input and help

TEST(CalcErrors, BadInputIsOneLineOnStandardErrorAndStatus2) {
  struct Case {
    std::vector<std::string> args;
    const char* names;  // what the line must name
  } cases[] = {
      {{}, "no command given"},
      {{"heading", "EL29", "JN58"}, "unknown command \"heading\""},
      {{"bearing", "EL29", "JN58", "--fast"}, "unknown option --fast"},
      {{"bearing", "EL29"}, "bearing: needs FROM and TO, got 1 argument"},
      {{"bearing", "EL29", "JN58", "JN59"}, "bearing: needs FROM and TO, got 3 arguments"},
      {{"bearing", "ZZ99", "JN58"}, "bearing: FROM \"ZZ99\": Invalid Grid description - Z"},
      {{"bearing", "EL29", "EL2"}, "TO \"EL2\": Grid description must be 4 or 6 characters in length."},
      {{"bearing", "EL29", "EL29AZ"}, "TO \"EL29AZ\": Invalid Grid description - Z"},
      {{"bearing", "N\xC2\xB0" "29.60\\W\xC2\xB0" "94.47", "EL29"}, "Minutes must be between 00 and 59."},
      {{"bearing", "W\xC2\xB0" "94.47", "EL29"}, "No N\xC2\xB0 or S\xC2\xB0 degrees in selected record."},
      {{"bearing", "N\xC2\xB0" "29.18", "EL29"}, "No W\xC2\xB0 or E\xC2\xB0 degrees in selected record."},
      {{"bearing", "N\xC2\xB0" "29\\W\xC2\xB0" "94.47", "EL29"}, "Invalid degrees: N\xC2\xB0" "29  W\xC2\xB0" "94.47"},
      {{"bearing", "N\xC2\xB0" "95.00\\W\xC2\xB0" "94.47", "EL29"}, "Latitude must be between 0 and 90 degrees."},
      {{"bearing", "N\xC2\xB0" "29.00\\W\xC2\xB0" "194.47", "EL29"}, "Longitude must be between 0 and 180 degrees."},
      {{"bearing", "91,0", "EL29"}, "latitude 91 is outside -90 to 90"},
      {{"bearing", "EL29", "0,-180.5"}, "longitude -180.5 is outside -180 to 180"},
      {{"bearing", "abc,5", "EL29"}, "latitude \"abc\" is not a number"},
      {{"bearing", "5,", "EL29"}, "longitude \"\" is not a number"},
      {{"bearing", "1,2,3", "EL29"}, "exactly one comma"},
      {{"bearing", "", "EL29"}, "FROM \"\": empty position"},
      {{"bearing", "Houston", "EL29"}, "FROM \"Houston\": Grid description must be 4 or 6"},
      {{"bearing", "29.3 -94.78", "EL29"}, "not a locator (EL29, EL29AB), a pair with degree signs"},
      {{"bearing", "--batch", "EL29"}, "--batch reads its pairs from standard input"},
      {{"bearing", "EL29", "JN58", "--military"}, "--military does not apply"},
      {{"grid", "EL29", "--batch"}, "--batch does not apply"},
      {{"sun", "EL29", "-6", "2024-01-15", "--chars", "6"}, "--chars does not apply"},
      {{"grid", "EL29", "--chars", "5"}, "--chars must be 4, 6 or 8, not \"5\""},
      {{"grid", "EL29", "--chars"}, "--chars needs a value"},
      {{"grid"}, "grid: needs a POSITION, got 0 arguments"},
      {{"locator", "29,-96"}, "locator: \"29,-96\": Invalid Grid description - 2"},
      {{"locator", "N\xC2\xB0" "29.00\\W\xC2\xB0" "96.00"}, "Grid description must be 4 or 6 characters"},
      {{"locator", "SL29"}, "Invalid Grid description - S"},
      {{"sun", "EL29", "-6"}, "sun: needs POSITION, OFFSET and DATE, got 2 arguments"},
      {{"sun", "EL29", "x", "2024-01-15"}, "OFFSET \"x\" is not a number of hours"},
      {{"sun", "EL29", "15", "2024-01-15"}, "OFFSET 15 lies outside -12 to 14 hours"},
      {{"sun", "EL29", "-12.5", "2024-01-15"}, "OFFSET -12.5 lies outside -12 to 14 hours"},
      {{"sun", "EL29", "-6", "2024-02-30"}, "DATE \"2024-02-30\" is not a calendar date"},
      {{"sun", "EL29", "-6", "2023-02-29"}, "DATE \"2023-02-29\" is not a calendar date"},
      {{"sun", "EL29", "-6", "2024-13-01"}, "DATE \"2024-13-01\""},
      {{"sun", "EL29", "-6", "2024-1-15"}, "DATE \"2024-1-15\""},
      {{"sun", "EL29", "-6", "15.01.2024"}, "DATE \"15.01.2024\""},
      {{"prefix"}, "prefix: needs a TEXT, got 0 arguments"},
      {{"map", "Malta"}, "map: \"Malta\" is not an entry of the world map's search list"},
      {{"map", "FS  Saint Martin"}, "\"FS  Saint Martin\" is not an entry"},
      // What the user wrote is shown on the one line, control characters as "?".
      {{"bearing", "ZZ\n99", "EL29"}, "FROM \"ZZ?99\""},
      {{"map", "1A0\r\nMalta"}, "\"1A0??Malta\" is not an entry"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += "[" + a + "]";
    SCOPED_TRACE(shown);
    CalcResult r = Calc(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.rfind("kestrel-calc: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    EXPECT_NE(r.err.find(c.names), std::string::npos) << r.err;
    EXPECT_TRUE(DegreesInUtf8(r.err)) << r.err;
  }
}

TEST(CalcHelp, ForTheToolAndEachCommand) {
  struct Case {
    std::vector<std::string> args;
    const char* usage;
    bool positions;  // takes positions: tells how 0 is taken
  } cases[] = {
      {{"--help"}, "Usage: kestrel-calc COMMAND", true},
      {{"-h"}, "Usage: kestrel-calc COMMAND", true},
      {{"bearing", "--help"}, "Usage: kestrel-calc bearing FROM TO", true},
      {{"--help", "bearing"}, "Usage: kestrel-calc bearing FROM TO", true},
      {{"bearing", "--batch", "--help"}, "kestrel-calc bearing --batch", true},
      {{"grid", "-h"}, "Usage: kestrel-calc grid POSITION", true},
      {{"locator", "--help"}, "Usage: kestrel-calc locator LOCATOR", false},
      {{"sun", "--help"}, "Usage: kestrel-calc sun POSITION OFFSET DATE", true},
      {{"prefix", "--help"}, "Usage: kestrel-calc prefix TEXT", false},
      {{"map", "--help"}, "Usage: kestrel-calc map TEXT", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
    CalcResult r = Calc(c.args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find(c.usage), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Exit status"), std::string::npos);
    EXPECT_EQ(r.out.find("exactly 0 is a real place") != std::string::npos, c.positions) << r.out;
    EXPECT_TRUE(DegreesInUtf8(r.out));
    if (c.positions) EXPECT_NE(r.out.find("\xC2\xB0"), std::string::npos) << "the pair form is shown";
  }
  // The examples in the help texts ("  kestrel-calc ARGS   ->  OUTPUT") are what the commands
  // write.
  int examples = 0;
  for (const char* command : {"bearing", "grid", "locator", "sun"}) {
    for (const std::string& line : Lines(Calc({command, "--help"}).out)) {
      const size_t arrow = line.find("->");
      if (line.rfind("  kestrel-calc ", 0) != 0 || arrow == std::string::npos) continue;
      std::istringstream words(line.substr(15, arrow - 15));
      std::vector<std::string> args;
      for (std::string w; words >> w;) args.push_back(w);
      std::string want = line.substr(arrow + 2);
      want.erase(0, want.find_first_not_of(' '));
      EXPECT_EQ(Calc(args).out, want + "\n") << line;
      ++examples;
    }
  }
  EXPECT_EQ(examples, 4);

  // The tool's help names every command.
  const std::string help = Calc({"--help"}).out;
  for (const char* command : {"bearing FROM TO", "bearing --batch", "grid POSITION", "locator LOCATOR",
                              "sun POSITION OFFSET DATE", "prefix TEXT", "map TEXT"})
    EXPECT_NE(help.find(command), std::string::npos) << command;
}

// Arguments may come in any order around the command; "--" ends the options; negative
// decimal degrees are arguments, not options.
TEST(CalcArguments, OrderAndNegativeNumbers) {
  const std::string want = Calc({"bearing", "-33.87,151.22", "-34,150"}).out;
  ASSERT_FALSE(want.empty());
  struct Case {
    std::vector<std::string> args;
  } cases[] = {
      {{"bearing", "--", "-33.87,151.22", "-34,150"}},
      {{"bearing", "-33.87,151.22", "--", "-34,150"}},
      {{"bearing", "-33.87,151.22", "QF56"}},
      {{"bearing", "S\xC2\xB0" "33.52\\E\xC2\xB0" "151.13", "QF56"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Calc(c.args).out, want) << c.args[1];
  EXPECT_EQ(Calc({"--json", "grid", "EL29"}).out, "{\"locator\":\"EL29\"}\n");
  EXPECT_EQ(Calc({"grid", "--chars", "8", "--", "-0.000001,-0.000001"}).out, "II99XX99\n");
}

}  // namespace
}  // namespace kestrel
