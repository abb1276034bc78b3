// Today's sunrise and sunset at home (SunRiseSet): the documented cases, the day number and the
// solar position series against published and independent values, and a year of sunrises and
// sunsets against NOAA's solar equations written out here.

#include "geo/sunrise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kestrel {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;

// Start-up use: SunEvent 1 and a run, SunEvent 2 and a second full run, on the same texts.
struct StartUp {
  SunTexts afterRise, afterSet;  // the texts after the first and after the second run
  SunRun rise, set;
};

StartUp RunAtStartUp(const SunInputs& in, SunTexts texts = {}) {
  StartUp s;
  s.rise = SunRiseSet(in, 1, texts);
  s.afterRise = texts;
  s.set = SunRiseSet(in, 2, texts);
  s.afterSet = texts;
  return s;
}

SunInputs Inputs(double lat, double lonEast, double offset, int y, int m, int d, bool military) {
  SunInputs in;
  in.year = y;
  in.month = m;
  in.day = d;
  in.latitude = lat;
  in.longitudeEast = lonEast;
  in.gmtOffset = offset;
  in.military = military;
  return in;
}

// ---------------------------------------------------------------------------------------------
// The documented cases. The 24-hour texts of the London case are its documented 12-hour
// texts written on the 24-hour clock.

struct DocumentedCase {
  const char* name;
  double lat, lonEast, offset;
  int y, m, d;
  const char *rise12, *set12, *rise24, *set24;  // empty: no event, the text stays empty
};

const DocumentedCase kDocumented[] = {
    // The sunset is that of 14 January, the evening before; the sunrise that of the 15th.
    {"Texas coast", 29.30, -94.78, -6, 2024, 1, 15, "7:14A", "5:42P", "07:14", "17:42"},
    // The sunset is that of 21 December, the sunrise that of 22 December.
    {"Sydney", -33.87, 151.22, 10, 2024, 12, 21, "4:41A", "7:06P", "04:41", "19:06"},
    {"London", 51.50, -0.10, 1, 2024, 6, 21, "4:43A", "9:21P", "04:43", "21:21"},
    {"North Cape midsummer", 70.00, 25.00, 2, 2024, 6, 21, "", "", "", ""},
};

TEST(SunRiseSetTest, DocumentedCasesAtStartUp) {
  for (const DocumentedCase& c : kDocumented) {
    for (bool military : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (military ? ", 24-hour" : ", 12-hour"));
      StartUp s = RunAtStartUp(Inputs(c.lat, c.lonEast, c.offset, c.y, c.m, c.d, military));
      const std::string rise = military ? c.rise24 : c.rise12;
      const std::string set = military ? c.set24 : c.set12;
      // Label5 gets the sunrise text after the first run, Label7 the sunset text after the
      // second.
      EXPECT_EQ(s.afterRise.sunrise, rise);
      EXPECT_EQ(s.afterSet.sunset, set);
      // Both runs find the same events.
      EXPECT_EQ(s.afterRise.sunset, set);
      EXPECT_EQ(s.afterSet.sunrise, rise);
      EXPECT_TRUE(s.rise.computed);
      EXPECT_TRUE(s.set.computed);
      if (rise.empty()) {
        // No event: the message once per run, SunEvent as the caller set it.
        const std::vector<std::string> once = {"Sun up or down all day"};
        EXPECT_EQ(s.rise.messages, once);
        EXPECT_EQ(s.set.messages, once);
        EXPECT_EQ(s.rise.sunEvent, 1);
        EXPECT_EQ(s.set.sunEvent, 2);
      } else {
        EXPECT_TRUE(s.rise.messages.empty());
        EXPECT_TRUE(s.set.messages.empty());
        // Counting from noon the sunset comes first and the sunrise last, so each run ends on a
        // sunrise.
        EXPECT_EQ(s.rise.sunEvent, 1);
        EXPECT_EQ(s.set.sunEvent, 1);
      }
    }
  }
}

TEST(SunRiseSetTest, TextsOfMissingEventsKeepTheirValues) {
  // Midsummer inside the polar circle: nothing found, the earlier texts stay as they were.
  SunTexts texts{"6:00A", "8:00P"};
  SunRun run = SunRiseSet(Inputs(70.00, 25.00, 2, 2024, 6, 21, false), 1, texts);
  EXPECT_EQ(texts.sunrise, "6:00A");
  EXPECT_EQ(texts.sunset, "8:00P");
  EXPECT_EQ(run.messages, std::vector<std::string>{"Sun up or down all day"});
}

TEST(SunRiseSetTest, ZeroLatitudeOrLongitudeComputesNothing) {
  struct Case {
    const char* name;
    double lat, lonEast;
  };
  const Case cases[] = {
      {"on the Greenwich meridian", 51.48, 0.0},
      {"on the equator", 0.0, -78.5},
      {"both zero", 0.0, 0.0},
  };
  for (const Case& c : cases) {
    for (int sunEvent : {1, 2}) {
      SCOPED_TRACE(std::string(c.name) + ", SunEvent " + std::to_string(sunEvent));
      for (const SunTexts& before : {SunTexts{}, SunTexts{"Rise", "Set"}}) {
        SunTexts texts = before;
        SunRun run = SunRiseSet(Inputs(c.lat, c.lonEast, 0, 2024, 3, 20, true), sunEvent, texts);
        EXPECT_FALSE(run.computed);
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(run.sunEvent, sunEvent);
        EXPECT_EQ(texts.sunrise, before.sunrise);
        EXPECT_EQ(texts.sunset, before.sunset);
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// One hour of the scan: the crossing on the parabola through the altitudes at the start, the
// middle and the end of the hour. Each case's altitudes are those of a parabola with a known
// root r inside the hour: rising v(x) = (x - r)(x + 1), setting v(x) = -(x - r)(x + 2) or
// -(x - r)(x + 1), sampled at x = 0, 0.5 and 1.

TEST(SunHourCrossingTest, WritesTheCrossingOfItsKind) {
  struct Case {
    const char* name;
    int c0;
    double v0, v1, v2;
    int callerEvent;
    int event;                      // SunEvent afterwards
    bool rise, set;                 // flags afterwards
    const char *rise24, *set24;     // texts afterwards, from "old"
    const char *rise12, *set12;
  };
  const Case cases[] = {
      // r = 0.25 at 19 h after noon: 19.25 + 0.0083 h is 7:15 in the morning.
      {"rising", 19, -0.25, 0.375, 1.5, 2, 1, true, false, "07:15", "old", "7:15A", "old"},
      // r = 0.7 (the second root of the parabola) at 5 h after noon: 17:42.
      {"setting", 5, 1.4, 0.5, -0.9, 1, 2, false, true, "old", "17:42", "old", "5:42P"},
      // r = 59.6 minutes: the half-minute nudge carries it into the next hour.
      {"nudged into the next hour", 6, 0.99333333333333333, 0.74, -0.01333333333333333, 1, 2,
       false, true, "old", "19:00", "old", "7:00P"},
      // Written as the time of day they are: a sunset after midnight, a sunrise before it.
      {"setting after midnight", 12, 0.25, -0.375, -1.5, 1, 2, false, true, "old", "00:15", "old",
       "12:15A"},
      {"rising before midnight", 11, -0.25, 0.375, 1.5, 2, 1, true, false, "23:15", "old",
       "11:15P", "old"},
      // No change of sign: nothing.
      {"above the horizon all hour", 3, 0.5, 0.2, 0.1, 1, 1, false, false, "old", "old", "old",
       "old"},
      {"below the horizon all hour", 15, -0.5, -0.2, -0.1, 2, 2, false, false, "old", "old",
       "old", "old"},
      {"on the horizon at both ends", 8, 0.0, 0.1, 0.0, 1, 1, false, false, "old", "old", "old",
       "old"},
      // From or to exactly 0: neither clearly rising nor setting. SunEvent keeps the caller's
      // value and the text of that kind is written; no flag. v(x) = x^2 + x has r = 0, and
      // v(x) = x^2 - 1 has r = 1.
      {"rising from the horizon, SunEvent 2", 5, 0.0, 0.75, 2.0, 2, 2, false, false, "old",
       "17:00", "old", "5:00P"},
      {"rising from the horizon, SunEvent 1", 18, 0.0, 0.75, 2.0, 1, 1, false, false, "06:00",
       "old", "6:00A", "old"},
      {"rising to the horizon, SunEvent 2", 5, -1.0, -0.75, 0.0, 2, 2, false, false, "old",
       "18:00", "old", "6:00P"},
  };
  for (const Case& c : cases) {
    for (bool military : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (military ? ", 24-hour" : ", 12-hour"));
      int sunEvent = c.callerEvent;
      SunFound found;
      SunTexts texts{"old", "old"};
      SunHourCrossing(c.c0, c.v0, c.v1, c.v2, military, sunEvent, found, texts);
      EXPECT_EQ(sunEvent, c.event);
      EXPECT_EQ(found.rise, c.rise);
      EXPECT_EQ(found.set, c.set);
      EXPECT_EQ(texts.sunrise, military ? c.rise24 : c.rise12);
      EXPECT_EQ(texts.sunset, military ? c.set24 : c.set12);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Day number and zone shift.

TEST(SunDayTest, MatchesJulianDayNumbers) {
  // Julian Day at 0 h of each date; T is JD - 2451545. Published values (Meeus, Astronomical
  // Algorithms, table 7.a, and the J2000 epoch) plus values from Meeus' own JD formula; the
  // years below 1583 are Julian calendar dates.
  struct Case {
    int y, m, d;
    double jd;
  };
  const Case cases[] = {
      {2000, 1, 1, 2451544.5},  {1987, 1, 27, 2446822.5}, {1900, 1, 1, 2415020.5},
      {1600, 1, 1, 2305447.5},  {1600, 12, 31, 2305812.5}, {2024, 1, 15, 2460324.5},
      {2024, 12, 31, 2460675.5}, {2100, 3, 1, 2488128.5},  {1583, 1, 1, 2299238.5},
      {1582, 10, 4, 2299159.5}, {1000, 1, 1, 2086307.5},  {1, 1, 1, 1721423.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
    SunDayNumber n = SunDay(c.y, c.m, c.d);
    EXPECT_DOUBLE_EQ(n.t, c.jd - 2451545.0);
    EXPECT_NEAR(n.tt, (c.jd - 2415020.0) / 36525.0, 1e-12);  // centuries from 1900 Jan 0.5
  }
}

TEST(SunZoneShiftTest, ScanStartsAtLocalNoon) {
  // Hours from GMT midnight of today to the starting noon: the previous day's noon for negative
  // offsets, today's noon otherwise.
  struct Case {
    double offset, hours;
  };
  const Case cases[] = {{-6, -6}, {2, 10}, {0, 12}, {10, 2}, {-10, -2}, {5.5, 6.5}, {-3.5, -8.5}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(SunZoneShift(c.offset), c.hours) << c.offset;
}

// ---------------------------------------------------------------------------------------------
// The solar position series. The series is of about one arc minute accuracy.

double Wrap180(double deg) {
  double d = std::fmod(deg, 360.0);
  if (d >= 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

TEST(SunPositionTest, MatchesMeeusWorkedExample) {
  // Meeus, Astronomical Algorithms, example 25.a: 1992 October 13.0, apparent right ascension
  // 13h 13m 30.749s, declination -7 deg 47' 01.74".
  SunDayNumber n = SunDay(1992, 10, 13);
  SunPlace p = SunPosition(n.t, n.tt);
  const double ra = (13 + 13 / 60.0 + 30.749 / 3600.0) * 15;
  const double dec = -(7 + 47 / 60.0 + 1.74 / 3600.0);
  EXPECT_NEAR(Wrap180(p.rightAscension / kDeg - ra), 0, 1 / 60.0);
  EXPECT_NEAR(p.declination / kDeg, dec, 1 / 60.0);
}

// Meeus' low-accuracy solar coordinates (chapter 25, about 0.01 degree), for a JD.
SunPlace MeeusSun(double jd) {
  const double t = (jd - 2451545.0) / 36525.0;
  const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDeg;
  const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                   (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  const double omega = (125.04 - 1934.136 * t) * kDeg;
  const double lambda = (l0 + c - 0.00569 - 0.00478 * std::sin(omega)) * kDeg;
  const double eps0 = 23 + 26 / 60.0 + 21.448 / 3600.0 - 46.8150 / 3600.0 * t;
  const double eps = (eps0 + 0.00256 * std::cos(omega)) * kDeg;
  SunPlace p;
  p.rightAscension = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda));
  p.declination = std::asin(std::sin(eps) * std::sin(lambda));
  return p;
}

TEST(SunPositionTest, FollowsMeeusLowAccuracySunThroughTheYear) {
  double worstRa = 0, worstDec = 0;
  for (int i = 0; i < 366 * 4; ++i) {  // every six hours of 2024
    const double jd = 2460310.5 + i * 0.25;
    const double t = jd - 2451545.0;
    SunPlace ours = SunPosition(t, t / 36525 + 1);
    SunPlace ref = MeeusSun(jd);
    const double dRa = std::fabs(Wrap180((ours.rightAscension - ref.rightAscension) / kDeg));
    const double dDec = std::fabs((ours.declination - ref.declination) / kDeg);
    EXPECT_LT(dRa, 1 / 60.0) << "JD " << jd;
    EXPECT_LT(dDec, 1 / 60.0) << "JD " << jd;
    worstRa = std::max(worstRa, dRa);
    worstDec = std::max(worstDec, dDec);
  }
  std::cout << "[ sun position ] largest difference from Meeus: right ascension "
            << worstRa * 60 << "', declination " << worstDec * 60 << "'\n";
}

// ---------------------------------------------------------------------------------------------
// A year of sunrises and sunsets against NOAA's solar equations, written out here.
//
// Two forms are used, both with the 90.833 degree zenith and NOAA's sunrise equation
//   sunrise/sunset (GMT minutes) = 720 - 4 (east longitude +/- hour angle) - equation of time:
// - the "General Solar Position Calculations": equation of time and declination as series in
//   the fractional year. The series is a fixed one-year fit and its declination strays from the
//   sun's by up to about half a degree in places (late September 2024, for instance); at high
//   latitudes that alone moves sunrise and sunset by several minutes (about 2 at 35 degrees, 3
//   at 50, 4 at 59), so it is held to 2 minutes only up to 20 degrees of latitude.
// - the "NOAA Solar Calculator" equations: Julian centuries, the sun's mean longitude and
//   anomaly, equation of centre, apparent longitude, corrected obliquity, declination and the
//   equation of time from them. These are held to 2 minutes at every latitude compared.
// Both are evaluated at the moment of the event (a few rounds from solar noon).

int DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Date {
  int y, m, d;
};

Date CivilFromDays(int z) {
  z += 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int d = doy - (153 * mp + 2) / 5 + 1;
  const int m = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (m <= 2), m, d};
}

struct SolarDay {
  double declination;  // radians
  double eqTime;       // minutes
};

// Fractional-year series, at `utcMinutes` after GMT midnight of `date`.
SolarDay FractionalYearSun(Date date, double utcMinutes) {
  const bool leap = (date.y % 4 == 0 && date.y % 100 != 0) || date.y % 400 == 0;
  const int dayOfYear = DaysFromCivil(date.y, date.m, date.d) - DaysFromCivil(date.y, 1, 1) + 1;
  const double g = 2 * kPi / (leap ? 366 : 365) * (dayOfYear - 1 + (utcMinutes / 60 - 12) / 24);
  SolarDay s;
  s.eqTime = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                       0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
  s.declination = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) -
                  0.006758 * std::cos(2 * g) + 0.000907 * std::sin(2 * g) -
                  0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
  return s;
}

// Solar Calculator equations, at `utcMinutes` after GMT midnight of `date`.
SolarDay SolarCalculatorSun(Date date, double utcMinutes) {
  const double jd = DaysFromCivil(date.y, date.m, date.d) + 2440587.5 + utcMinutes / 1440;
  const double jc = (jd - 2451545) / 36525;
  const double l0 = std::fmod(280.46646 + jc * (36000.76983 + jc * 0.0003032), 360) * kDeg;
  const double m = (357.52911 + jc * (35999.05029 - 0.0001537 * jc)) * kDeg;
  const double e = 0.016708634 - jc * (0.000042037 + 0.0000001267 * jc);
  const double centre = std::sin(m) * (1.914602 - jc * (0.004817 + 0.000014 * jc)) +
                        std::sin(2 * m) * (0.019993 - 0.000101 * jc) +
                        std::sin(3 * m) * 0.000289;
  const double omega = (125.04 - 1934.136 * jc) * kDeg;
  const double apparent = l0 / kDeg + centre - 0.00569 - 0.00478 * std::sin(omega);
  const double meanObliquity =
      23 + (26 + (21.448 - jc * (46.815 + jc * (0.00059 - jc * 0.001813))) / 60) / 60;
  const double obliquity = (meanObliquity + 0.00256 * std::cos(omega)) * kDeg;
  const double y = std::pow(std::tan(obliquity / 2), 2);
  SolarDay s;
  s.declination = std::asin(std::sin(obliquity) * std::sin(apparent * kDeg));
  s.eqTime = 4 / kDeg *
             (y * std::sin(2 * l0) - 2 * e * std::sin(m) +
              4 * e * y * std::sin(m) * std::cos(2 * l0) - 0.5 * y * y * std::sin(4 * l0) -
              1.25 * e * e * std::sin(2 * m));
  return s;
}

// NOAA's sunrise or sunset on a local date, in minutes after local midnight of that date (the
// GMT minutes are counted from GMT midnight of the same date, so they may fall outside one
// day).
std::optional<double> NoaaEvent(SolarDay (*sun)(Date, double), Date date, double lat,
                                double lonEast, double offset, bool rising) {
  double utcMinutes = 720 - 4 * lonEast;  // first guess: solar noon
  for (int round = 0; round < 4; ++round) {
    const SolarDay s = sun(date, utcMinutes);
    const double phi = lat * kDeg;
    const double cosHa = std::cos(90.833 * kDeg) / (std::cos(phi) * std::cos(s.declination)) -
                         std::tan(phi) * std::tan(s.declination);
    if (cosHa < -1 || cosHa > 1) return std::nullopt;
    const double ha = std::acos(cosHa) / kDeg;
    utcMinutes = 720 - 4 * (lonEast + (rising ? ha : -ha)) - s.eqTime;
  }
  return utcMinutes + 60 * offset;
}

// "07:14" -> 434 minutes; "-01:30" (half an hour before midnight) -> -30; "24:05" -> 1445.
int MinutesOfMilitary(const std::string& text) {
  const size_t colon = text.find(':');
  const int h = std::stoi(text.substr(0, colon));
  const int m = std::stoi(text.substr(colon + 1));
  return h * 60 + m;
}

TEST(SunRiseSetTest, AgreesWithNoaaThroughout2024) {
  struct Zone {
    double lonEast, offset;
  };
  const Zone zones[] = {{-94.78, -6}, {151.22, 10}, {13.4, 1}, {-0.1, 0}};
  const double latitudes[] = {0.5, 20, 35, 50, 59, -0.5, -20, -35, -50, -59};
  constexpr double kBoundMinutes = 2.0;
  constexpr double kFractionalYearUpToLatitude = 20.0;

  struct Reference {
    const char* name;
    SolarDay (*sun)(Date, double);
    double boundUpToLatitude;
    double worst = 0, worstHeld = 0;  // over all latitudes; over those held to the bound
    std::string worstWhere, worstHeldWhere;
  };
  Reference references[] = {
      {"NOAA Solar Calculator", SolarCalculatorSun, 90},
      {"NOAA fractional year", FractionalYearSun, kFractionalYearUpToLatitude},
  };

  for (const Zone& zone : zones) {
    for (double lat : latitudes) {
      for (int day = DaysFromCivil(2024, 1, 1); day <= DaysFromCivil(2024, 12, 31); ++day) {
        const Date today = CivilFromDays(day);
        // The scan starts at the previous day's noon for a negative offset (yesterday evening's
        // sunset, this morning's sunrise), else at today's noon (this evening's sunset,
        // tomorrow morning's sunrise).
        const Date sunsetDate = zone.offset < 0 ? CivilFromDays(day - 1) : today;
        const Date sunriseDate = zone.offset < 0 ? today : CivilFromDays(day + 1);

        StartUp s = RunAtStartUp(
            Inputs(lat, zone.lonEast, zone.offset, today.y, today.m, today.d, true));
        std::ostringstream where;
        where << "lat " << lat << " lon " << zone.lonEast << " offset " << zone.offset << " on "
              << today.y << "-" << today.m << "-" << today.d;
        ASSERT_TRUE(s.rise.messages.empty()) << where.str();
        ASSERT_TRUE(s.set.messages.empty()) << where.str();
        ASSERT_FALSE(s.afterRise.sunrise.empty()) << where.str();
        ASSERT_FALSE(s.afterSet.sunset.empty()) << where.str();
        // The sunrise text is minutes after the midnight that begins the sunrise's date; the
        // sunset text (hours from the starting noon plus 12) after the midnight that begins
        // the sunset's date.
        const int rise = MinutesOfMilitary(s.afterRise.sunrise);
        const int set = MinutesOfMilitary(s.afterSet.sunset);

        for (Reference& ref : references) {
          const std::optional<double> refRise =
              NoaaEvent(ref.sun, sunriseDate, lat, zone.lonEast, zone.offset, true);
          const std::optional<double> refSet =
              NoaaEvent(ref.sun, sunsetDate, lat, zone.lonEast, zone.offset, false);
          ASSERT_TRUE(refRise && refSet) << ref.name << ", " << where.str();
          const double dRise = std::fabs(rise - *refRise);
          const double dSet = std::fabs(set - *refSet);
          if (std::fabs(lat) <= ref.boundUpToLatitude) {
            EXPECT_LE(dRise, kBoundMinutes) << ref.name << ", " << where.str() << ": sunrise "
                                            << s.afterRise.sunrise << ", NOAA " << *refRise;
            EXPECT_LE(dSet, kBoundMinutes) << ref.name << ", " << where.str() << ": sunset "
                                           << s.afterSet.sunset << ", NOAA " << *refSet;
          }
          for (auto [d, kind] : {std::pair{dRise, "sunrise"}, std::pair{dSet, "sunset"}}) {
            if (d > ref.worst) {
              ref.worst = d;
              ref.worstWhere = std::string(kind) + " at " + where.str();
            }
            if (std::fabs(lat) <= ref.boundUpToLatitude && d > ref.worstHeld) {
              ref.worstHeld = d;
              ref.worstHeldWhere = std::string(kind) + " at " + where.str();
            }
          }
        }
      }
    }
  }
  for (const Reference& ref : references) {
    std::ostringstream all, held;
    all << ref.worst << " min, " << ref.worstWhere;
    held << ref.worstHeld << " min, " << ref.worstHeldWhere;
    RecordProperty(std::string("largest difference from ") + ref.name, all.str());
    std::cout << "[ " << ref.name << " ] largest difference: " << all.str()
              << "; where held to " << kBoundMinutes << " min (latitude up to "
              << ref.boundUpToLatitude << "): " << held.str() << "\n";
  }
}

}  // namespace
}  // namespace kestrel
