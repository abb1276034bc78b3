#include "geo/sunrise.h"

#include <cmath>

#include "core/numbers.h"

namespace kestrel {
namespace {

// The program's own eight-decimal value of pi, kept as it is.
constexpr double kPi = 3.14159265;
constexpr double kP2 = 2 * kPi;
constexpr double kDr = kPi / 180;
// Sidereal hour angle gained per solar hour.
constexpr double kK1 = 15 * kDr * 1.0027379;
// Zenith distance of the sun's centre at rise and set, degrees.
constexpr double kZenith = 90.833;
// Half a minute, added before the time is cut to whole minutes.
constexpr double kMinuteNudge = 1.0 / 120;

constexpr int kRising = 1;
constexpr int kSetting = 2;

// Truncation toward zero, also for negative values.
double Int(double x) { return std::trunc(x); }

double Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// The working values of one run of the hourly scan.
struct Scan {
  // Fixed for the run.
  double t0 = 0;  // local sidereal angle at the start of the scan
  double sl = 0, cl = 0, z = 0;
  bool military = false;
  // Carried from hour to hour.
  double a0 = 0, d0 = 0, v0 = 0, v2 = 0;
  SunFound found;
  int sunEvent = 0;
  SunTexts* texts = nullptr;

  double Altitude(double dec, double hourAngle) const {
    return sl * std::sin(dec) + cl * std::cos(dec) * std::cos(hourAngle) - z;
  }

  // One hour of the scan: from c0 to c0 + 1 hours after the starting noon, the sun moving
  // from (a0, d0) to (a2, d2). The altitude at the start of the hour is taken from the hour
  // before, except in the first hour.
  void TestHour(int c0, double a2, double d2) {
    double l0 = t0 + c0 * kK1;
    double l2 = l0 + kK1;
    double h0 = l0 - a0;
    double h2 = l2 - a2;
    double h1 = (h2 + h0) / 2;
    double dm = (d2 + d0) / 2;
    if (c0 == 0) v0 = Altitude(d0, h0);
    v2 = Altitude(d2, h2);
    double v1 = Altitude(dm, h1);
    SunHourCrossing(c0, v0, v1, v2, military, sunEvent, found, *texts);
  }
};

}  // namespace

void SunHourCrossing(int c0, double v0, double v1, double v2, bool military, int& sunEvent,
                     SunFound& found, SunTexts& texts) {
  if (Sign(v0) == Sign(v2)) return;  // no crossing in this hour
  double a = 2 * v2 - 4 * v1 + 2 * v0;
  double b = 4 * v1 - 3 * v0 - v2;
  double disc = b * b - 4 * a * v0;
  if (disc < 0) return;
  disc = std::sqrt(disc);
  if (v0 < 0 && v2 > 0) {
    sunEvent = kRising;
    found.rise = true;
  }
  if (v0 > 0 && v2 < 0) {
    sunEvent = kSetting;
    found.set = true;
  }
  // The root of the parabola through the three altitudes that lies inside the hour.
  double e = (-b + disc) / (2 * a);
  if (e > 1 || e < 0) e = (-b - disc) / (2 * a);
  double t3 = c0 + e + kMinuteNudge;
  double h3 = Int(t3);  // hours from the starting noon
  double m3 = Int((t3 - h3) * 60);
  // The local clock time of the event: the scan starts at noon, so a sunrise lies at h3 - 12
  // and a sunset at h3 + 12 o'clock. An event past midnight, or a home whose offset does not
  // fit its longitude, can fall outside 0 to 23: it is written as the time of day it is
  // (24:15 is 00:15, -1:15 is 23:15), never as a negative or 24-hour-plus time.
  if (sunEvent != kRising && sunEvent != kSetting) return;
  const int hour = ((static_cast<int>(sunEvent == kRising ? h3 - 12 : h3 + 12)) % 24 + 24) % 24;
  const std::string minutes = ":" + FormatFloat("00", m3);
  std::string text;
  if (military) {
    text = FormatFloat("00", hour) + minutes;
  } else {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    text = std::to_string(twelve) + minutes + (hour < 12 ? "A" : "P");
  }
  (sunEvent == kRising ? texts.sunrise : texts.sunset) = text;
}

SunDayNumber SunDay(int year, int month, int day) {
  const double y = year, m = month, d = day;
  const double gr = year < 1583 ? 0 : 1;
  double d1 = Int(d);
  double f = d - d1 - 0.5;
  double j = -Int(7 * (Int((m + 9) / 12) + y) / 4);
  double j3 = 0;
  if (gr != 0) {
    double sg = Sign(m - 9);
    double am = std::fabs(m - 9);
    j3 = Int(y + sg * Int(am / 7));
    j3 = -Int((Int(j3 / 100) + 1) * 3 / 4);
  }
  j = j + Int(275 * m / 9) + d1 + gr * j3;
  j = j + 1721027 + 2 * gr + 367 * y;
  if (f < 0) {
    f = f + 1;
    j = j - 1;
  }
  SunDayNumber n;
  n.t = j - 2451545 + f;
  n.tt = n.t / 36525 + 1;
  return n;
}

SunPlace SunPosition(double t, double tt) {
  double l = 0.779072 + 0.00273790931 * t;
  double g = 0.993126 + 0.0027377785 * t;
  l = (l - Int(l)) * kP2;
  g = (g - Int(g)) * kP2;
  double v = 0.39785 * std::sin(l) - 0.01 * std::sin(l - g) + 0.00333 * std::sin(l + g) -
             0.00021 * tt * std::sin(l);
  double u = 1 - 0.03349 * std::cos(g) - 0.00014 * std::cos(2 * l) + 0.00008 * std::cos(l);
  double w = -0.0001 - 0.04129 * std::sin(2 * l) + 0.03211 * std::sin(g) +
             0.00104 * std::sin(2 * l - g) - 0.00035 * std::sin(2 * l + g) -
             0.00008 * tt * std::sin(g);
  SunPlace p;
  double s = w / std::sqrt(u - v * v);
  p.rightAscension = l + std::atan(s / std::sqrt(1 - s * s));
  s = v / std::sqrt(u);
  p.declination = std::atan(s / std::sqrt(1 - s * s));
  return p;
}

double SunZoneShift(double gmtOffset) {
  return gmtOffset < 0 ? -12 - gmtOffset : 12 - gmtOffset;
}

SunRun SunRiseSet(const SunInputs& in, int sunEvent, SunTexts& texts) {
  SunRun run;
  run.sunEvent = sunEvent;
  if (in.latitude == 0 || in.longitudeEast == 0) return run;
  run.computed = true;

  const double z0 = SunZoneShift(in.gmtOffset) / 24;  // days
  SunDayNumber day = SunDay(in.year, in.month, in.day);
  double t = day.t;

  // Local sidereal angle at the start of the scan.
  double l5 = in.longitudeEast / 360;
  double s = 24110.5 + 8640184.813 * (t / 36525) + 86636.6 * z0 + 86400 * l5;
  s = s / 86400;
  s = s - Int(s);

  Scan scan;
  scan.t0 = s * 360 * kDr;
  scan.military = in.military;
  scan.sunEvent = sunEvent;
  scan.texts = &texts;

  // The sun at the start of the scan and one day later.
  t = t + z0;
  SunPlace first = SunPosition(t, day.tt);
  SunPlace last = SunPosition(t + 1, day.tt);
  double a1 = first.rightAscension, dec1 = first.declination;
  double a2 = last.rightAscension, dec2 = last.declination;
  if (a2 < a1) a2 = a2 + kP2;

  scan.sl = std::sin(in.latitude * kDr);
  scan.cl = std::cos(in.latitude * kDr);
  scan.z = std::cos(kZenith * kDr);

  scan.a0 = a1;
  scan.d0 = dec1;
  const double da = a2 - a1;
  const double dd = dec2 - dec1;
  for (int c0 = 0; c0 <= 23; ++c0) {
    double p = (c0 + 1) / 24.0;
    double a2h = a1 + p * da;
    double d2h = dec1 + p * dd;
    scan.TestHour(c0, a2h, d2h);
    scan.a0 = a2h;
    scan.d0 = d2h;
    scan.v0 = scan.v2;
  }

  if (!scan.found.rise && !scan.found.set) {
    // Polar day or polar night alike.
    if (scan.v2 < 0) run.messages.push_back("Sun up or down all day");
    if (scan.v2 > 0) run.messages.push_back("Sun up or down all day");
  } else {
    if (!scan.found.rise) run.messages.push_back("No sunrise this date");
    if (!scan.found.set) run.messages.push_back("No sunset this date");
  }
  run.sunEvent = scan.sunEvent;
  return run;
}

}  // namespace kestrel
