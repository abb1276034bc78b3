// Today's sunrise and sunset at home, shown in the main window's tool bar at start-up.
//
// A low-precision solar position series gives the sun's place at the start of a 24-hour span
// beginning at local noon and one day later; the sun's altitude is then scanned hour by hour,
// and inside an hour in which the sun crosses the horizon the moment of crossing is refined by
// a three-point (quadratic) interpolation.
#pragma once

#include <string>
#include <vector>

namespace kestrel {

struct SunInputs {
  int year = 0, month = 0, day = 0;  // today's local date
  double latitude = 0;               // degrees, north positive
  double longitudeEast = 0;          // degrees, EAST positive (the home longitude negated)
  double gmtOffset = 0;              // hours, local = GMT + offset
  bool military = false;             // 24-hour texts when true, 12-hour texts with "A"/"P" else
};

// The sunrise and sunset texts. They are kept across runs; each is overwritten only when an
// event of its kind is found.
struct SunTexts {
  std::string sunrise, sunset;
};

struct SunRun {
  int sunEvent = 0;                   // the value SunEvent has after the run
  std::vector<std::string> messages;  // the message boxes to show, in order
  bool computed = false;              // false when latitude or longitude is exactly 0
};

// One run of the scan. `sunEvent` is 1 (sunrise) or 2 (sunset) as set by the caller; the run
// replaces it with the kind of each event it finds. A crossing that is neither clearly rising
// nor setting (the altitude is exactly on the horizon at one end of the hour) keeps the value
// SunEvent has at that moment and writes the text of that kind.
SunRun SunRiseSet(const SunInputs& in, int sunEvent, SunTexts& texts);

// The pieces, for tests.

// Day number of a date at 0 h GMT: t counts days from 2000 January 1.5 (so 2000 January 1
// gives -0.5); tt = t/36525 + 1 counts centuries from 1900. Years below 1583 are taken in the
// Julian calendar.
struct SunDayNumber {
  double t = 0;
  double tt = 0;
};
SunDayNumber SunDay(int year, int month, int day);

// Right ascension and declination of the sun (radians) for the day number t; tt is the
// centuries count of the date (see SunDay). The right ascension is not folded into one turn.
struct SunPlace {
  double rightAscension = 0;
  double declination = 0;
};
SunPlace SunPosition(double t, double tt);

// Which kinds of event a run has found clearly (the altitude below the horizon at one end of
// the hour and above it at the other).
struct SunFound {
  bool rise = false;
  bool set = false;
};

// The refinement inside hour c0 of the scan (c0 hours after the starting noon), from the sun's
// altitude above the rise-and-set zenith distance at the start (v0), the middle (v1) and the
// end (v2) of the hour. When the altitude changes sign the crossing is found on the parabola
// through the three values, its time cut to whole minutes after a half-minute nudge, and the
// text of the kind SunEvent then has is written: a clear rise sets SunEvent to 1, a clear set
// to 2; a crossing from or to exactly 0 leaves SunEvent (and `found`) as they are.
void SunHourCrossing(int c0, double v0, double v1, double v2, bool military, int& sunEvent,
                     SunFound& found, SunTexts& texts);

// Hours from GMT midnight of today's date to the local noon at which the scan starts:
// -12 - offset for a negative offset (the previous day's noon), 12 - offset otherwise.
double SunZoneShift(double gmtOffset);

}  // namespace kestrel
