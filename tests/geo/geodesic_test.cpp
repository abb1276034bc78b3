// Beam heading and distance (CalculateBearing) checked against published geodetic values and
// against GeographicLib's WGS-84 geodesic solution.

#include "geo/geodesic.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <random>
#include <vector>

namespace kestrel {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

long double Dms(int deg, int min, long double sec) { return deg + min / 60.0L + sec / 3600.0L; }

// Signed difference a - b of two headings, folded into [-180, 180).
long double HeadingDiff(long double a, long double b) {
    long double d = std::fmod(a - b, 360.0L);
    if (d >= 180.0L) d -= 360.0L;
    if (d < -180.0L) d += 360.0L;
    return d;
}

// ---------------------------------------------------------------------------------------------
// Published worked example (Geoscience Australia, GDA94 technical manual): Flinders Peak to
// Buninyong.  Our longitudes are west positive, so the eastern longitudes are negated.  The
// example is on GRS80, whose difference from WGS-84 is far below the published precision.

TEST(CalculateBearingTest, FlindersPeakToBuninyongMatchesPublishedValues) {
    const long double lat1 = -Dms(37, 57, 3.72030L), lon1 = -Dms(144, 25, 29.52440L);
    const long double lat2 = -Dms(37, 39, 10.15610L), lon2 = -Dms(143, 55, 35.38390L);

    BearingResult r;
    ASSERT_TRUE(CalculateBearing(lat1, lon1, lat2, lon2, r));

    // Published to the millimetre and to a hundredth of an arc second.
    EXPECT_NEAR(static_cast<double>(r.Distance), 54972.271, 0.0005);
    EXPECT_NEAR(static_cast<double>(r.Azimuth), static_cast<double>(Dms(306, 52, 5.37L)),
                0.005 / 3600.0);
}

// ---------------------------------------------------------------------------------------------
// Targets on the home meridian: the heading is due north or due south, and the distance is the
// meridian arc, which GeographicLib gives independently.

TEST(CalculateBearingTest, TargetOnSameMeridianIsDueNorthOrSouth) {
    struct Case {
        long double lat1, lat2, lon;
        long double heading;
    };
    const Case cases[] = {
        {10, 30, 20, 0},      {-40, 25, -75.5L, 0}, {51.5L, 51.6L, 1.25L, 0}, {-70, -12, 120, 0},
        {30, 10, 20, 180},    {25, -40, -75.5L, 180}, {51.6L, 51.5L, 1.25L, 180}, {-12, -70, 120, 180},
    };
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "lat1=" << static_cast<double>(c.lat1)
                                          << " lat2=" << static_cast<double>(c.lat2)
                                          << " lon=" << static_cast<double>(c.lon));
        BearingResult r;
        int n = -1;
        ASSERT_TRUE(CalculateBearing(c.lat1, c.lon, c.lat2, c.lon, r, &n));
        EXPECT_NEAR(static_cast<double>(r.Azimuth), static_cast<double>(c.heading), 1e-12);
        EXPECT_EQ(n, 1) << "no longitude difference: the first round already settles";

        double s12 = 0;
        wgs84.Inverse(static_cast<double>(c.lat1), static_cast<double>(-c.lon),
                      static_cast<double>(c.lat2), static_cast<double>(-c.lon), s12);
        EXPECT_NEAR(static_cast<double>(r.Distance), s12, 1e-3);
    }
}

// ---------------------------------------------------------------------------------------------
// Both stations on the equator: the geodesic is the equator itself (for longitude differences
// up to (1 - f) * 180 degrees), heading due west or due east, length a * |dLon| with the
// WGS-84 equatorial radius a = 6378137 m.  Here cos^2(alpha) is close to zero, the case the
// cos2SigmaM guard is for.

TEST(CalculateBearingTest, EquatorialPathsRunAlongTheEquator) {
    constexpr long double kEquatorialRadius = 6378137.0L;
    struct Case {
        long double lon1, lon2;
        long double heading;
    };
    const Case cases[] = {
        {0, 1, 270},        {0, 10, 270},     {-20, 70, 270}, {100, 179, 270},
        {-60, 119, 270},    {0, -30, 90},     {45, -90, 90},  {170, -5.5L, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "lon1=" << static_cast<double>(c.lon1)
                                          << " lon2=" << static_cast<double>(c.lon2));
        BearingResult r;
        ASSERT_TRUE(CalculateBearing(0, c.lon1, 0, c.lon2, r));
        const long double arc = kEquatorialRadius * std::fabs(c.lon2 - c.lon1) * kPi / 180.0L;
        EXPECT_NEAR(static_cast<double>(r.Distance), static_cast<double>(arc), 1e-3);
        EXPECT_NEAR(static_cast<double>(r.Azimuth), static_cast<double>(c.heading), 1e-6);
    }
}

// Home about 16 cm off the equator, target on it 34 degrees away: along the way sinAlpha
// rounds to exactly +-1, so cos^2(alpha) is exactly zero and the cos2SigmaM term would divide
// zero by zero.  That round must take cos2SigmaM = 0 and carry on to the true geodesic.

TEST(CalculateBearingTest, GrazingTheEquatorWithZeroCos2Alpha) {
    struct Case {
        long double lat1, lon1, lon2;
    };
    const Case cases[] = {
        {1.4419e-6L, 0, 34}, {1.44189e-6L, 10, 44}, {-1.4419e-6L, -100, -66},
    };
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "lat1=" << static_cast<double>(c.lat1)
                                          << " lon1=" << static_cast<double>(c.lon1));
        BearingResult r;
        ASSERT_TRUE(CalculateBearing(c.lat1, c.lon1, 0, c.lon2, r));
        double s12 = 0, azi1 = 0, azi2 = 0;
        wgs84.Inverse(static_cast<double>(c.lat1), static_cast<double>(-c.lon1), 0.0,
                      static_cast<double>(-c.lon2), s12, azi1, azi2);
        EXPECT_NEAR(static_cast<double>(r.Distance), s12, 1e-3);
        EXPECT_NEAR(static_cast<double>(HeadingDiff(r.Azimuth, azi1)), 0.0, 1e-6);
    }
}

// ---------------------------------------------------------------------------------------------
// Home and target at the same place.  The home point's nudge keeps sinSigma away from zero, and
// the sign of the nudged term (sin U - cos U) decides the heading: south while the reduced
// latitude U is below 45 degrees, north above.  The reduced latitude is 45 degrees at a
// geodetic latitude of about 45.0962, so the cases keep well away from it.

TEST(CalculateBearingTest, CoincidentPointsGiveZeroDistanceInOneRound) {
    struct Case {
        long double lat, lon;
        long double heading;
    };
    const Case cases[] = {
        {30, 20, 180},   {10, -100, 180}, {44.9L, 5, 180}, {45, 5, 180}, {-30, 60, 180},
        {-60, -150, 180}, {-85, 3, 180},  {45.2L, 5, 0},   {60, 20, 0},  {60, -170.25L, 0},
        {80, 90, 0},      {89.5L, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "lat=" << static_cast<double>(c.lat)
                                          << " lon=" << static_cast<double>(c.lon));
        BearingResult r;
        int n = -1;
        ASSERT_TRUE(CalculateBearing(c.lat, c.lon, c.lat, c.lon, r, &n));
        EXPECT_LT(r.Distance, 1e-6L);
        EXPECT_GE(r.Distance, 0.0L);
        EXPECT_EQ(n, 1);
        EXPECT_NEAR(static_cast<double>(r.Azimuth), static_cast<double>(c.heading), 1e-12);
    }
}

// ---------------------------------------------------------------------------------------------
// Nearly antipodal stations: lambda never settles, all 100 rounds run and the last round's
// values are used.  The result must still be a usable heading and a distance of about half a
// meridian.

TEST(CalculateBearingTest, NearlyAntipodalRunsAllRoundsAndStaysFinite) {
    BearingResult r;
    int n = -1;
    ASSERT_TRUE(CalculateBearing(10, 0.5L, -10, -179.5L, r, &n));
    EXPECT_EQ(n, 100);
    EXPECT_TRUE(std::isfinite(r.Azimuth));
    EXPECT_TRUE(std::isfinite(r.Distance));
    EXPECT_GE(r.Azimuth, 0.0L);
    EXPECT_LT(r.Azimuth, 360.0L);
    // No geodesic is longer than half a meridian (about 20 003.9 km on WGS-84); the unsettled
    // result is not the true shortest distance but must not leave that range.
    EXPECT_GT(r.Distance, 19000e3L);
    EXPECT_LT(r.Distance, 20004e3L);
}

// ---------------------------------------------------------------------------------------------
// Arithmetic faults: the call reports failure and leaves the caller's previous result alone.
//
// With home and target at the same place and the reduced latitude at 45 degrees, sin U and
// cos U are equal to within rounding, so the nudge added to the home point cancels out of
// cosU1 sinU2 - sinU1 cosU2 and sinSigma comes out exactly zero.  Non-finite coordinates fault
// on the way as well.

TEST(CalculateBearingTest, FaultKeepsPreviousResult) {
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    struct Case {
        const char* what;
        long double lat1, lon1, lat2, lon2;
    };
    const Case cases[] = {
        {"coincident at reduced latitude 45", 45.0962L, 7, 45.0962L, 7},
        {"coincident at reduced latitude 45, other longitude", 45.096L, -123.5L, 45.096L, -123.5L},
        {"NaN home latitude", nan, 0.5L, -10, -179.5L},
        {"NaN home longitude", 10, nan, -10, -179.5L},
        {"NaN target latitude", 10, 0.5L, nan, -179.5L},
        {"NaN target longitude", 10, 0.5L, -10, nan},
        {"infinite home latitude", inf, 0.5L, -10, -179.5L},
        {"infinite target longitude", 10, 0.5L, -10, -inf},
    };

    // A genuine earlier result, as a caller would hold it.
    BearingResult before;
    ASSERT_TRUE(CalculateBearing(52, -13, 40, 74, before));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BearingResult r = before;
        EXPECT_FALSE(CalculateBearing(c.lat1, c.lon1, c.lat2, c.lon2, r));
        EXPECT_EQ(r.Azimuth, before.Azimuth);
        EXPECT_EQ(r.Distance, before.Distance);
    }
}

// ---------------------------------------------------------------------------------------------
// Cross-check against GeographicLib (WGS-84, east positive) on fixed pseudo-random station
// pairs all over the globe.  Vincenty's series are good to well under a millimetre; our rounded
// polar axis and flattening differ from WGS-84 by far less than that.

struct Pair {
    double lat1, lon1, lat2, lon2;  // east positive, as GeographicLib takes them
};

// Deterministic draws from std::mt19937 (whose output sequence is fixed by the standard);
// the standard distributions are not portable, so the mapping to coordinates is done here.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : gen_(seed) {}
    // Uniform in the open interval (0, 1).
    double Unit() { return (static_cast<double>(gen_()) + 0.5) / 4294967296.0; }
    // Latitude spread evenly over the sphere's area, never exactly 0 or +-90.
    double Latitude() {
        for (;;) {
            const double lat = std::asin(2.0 * Unit() - 1.0) * 180.0 / static_cast<double>(kPi);
            if (lat != 0.0 && std::fabs(lat) < 90.0) return lat;
        }
    }
    double Longitude() {
        for (;;) {
            const double lon = 360.0 * Unit() - 180.0;
            if (lon != 0.0) return lon;
        }
    }

private:
    std::mt19937 gen_;
};

std::vector<Pair> GlobalPairs() {
    Draw d(20240611u);
    std::vector<Pair> v;
    for (int i = 0; i < 400; ++i) {
        const double lat1 = d.Latitude(), lon1 = d.Longitude();
        v.push_back({lat1, lon1, d.Latitude(), d.Longitude()});
    }
    return v;
}

// Short and medium paths: the target within a few degrees of home, down to about 100 m.
std::vector<Pair> NearbyPairs() {
    Draw d(7321u);
    std::vector<Pair> v;
    for (int i = 0; i < 200; ++i) {
        const double lat1 = d.Latitude() * 0.95, lon1 = d.Longitude();
        // Offsets of 10^-3 .. 10^1 degrees in either direction.
        const double dlat = std::pow(10.0, -3.0 + 4.0 * d.Unit()) * (d.Unit() < 0.5 ? -1 : 1);
        const double dlon = std::pow(10.0, -3.0 + 4.0 * d.Unit()) * (d.Unit() < 0.5 ? -1 : 1);
        double lon2 = lon1 + dlon;
        if (lon2 > 180) lon2 -= 360;
        if (lon2 < -180) lon2 += 360;
        const double lat2 = lat1 + dlat;
        if (lat2 == 0.0 || lon2 == 0.0) continue;
        v.push_back({lat1, lon1, lat2, lon2});
    }
    return v;
}

void CompareWithGeographicLib(const std::vector<Pair>& pairs, const char* label) {
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    long double worstDist = 0, worstAz = 0;
    int compared = 0;
    for (const Pair& p : pairs) {
        double s12 = 0, azi1 = 0, azi2 = 0;
        wgs84.Inverse(p.lat1, p.lon1, p.lat2, p.lon2, s12, azi1, azi2);
        if (s12 > 19000e3) continue;  // nearly antipodal: Vincenty's loop need not settle

        SCOPED_TRACE(::testing::Message() << label << " home " << p.lat1 << "," << p.lon1
                                          << " target " << p.lat2 << "," << p.lon2);
        BearingResult r;
        int n = -1;
        ASSERT_TRUE(CalculateBearing(p.lat1, -p.lon1, p.lat2, -p.lon2, r, &n));
        EXPECT_LT(n, 100) << "loop did not settle";
        EXPECT_GE(r.Azimuth, 0.0L);
        EXPECT_LT(r.Azimuth, 360.0L);

        const long double dDist = std::fabs(r.Distance - s12);
        const long double dAz = std::fabs(HeadingDiff(r.Azimuth, azi1));
        EXPECT_LT(dDist, 1e-3L) << "distance " << static_cast<double>(r.Distance) << " vs " << s12;
        EXPECT_LT(dAz, 1e-6L) << "heading " << static_cast<double>(r.Azimuth) << " vs " << azi1;
        worstDist = std::max(worstDist, dDist);
        worstAz = std::max(worstAz, dAz);
        ++compared;
    }
    // Guard against a pair generator that filters everything away.
    EXPECT_GT(compared, static_cast<int>(pairs.size()) / 2) << label;
    std::cout << "[ info ] " << label << ": " << compared << " pairs, largest differences "
              << static_cast<double>(worstDist * 1e3) << " mm, " << static_cast<double>(worstAz)
              << " deg\n";
}

TEST(CalculateBearingTest, AgreesWithGeographicLibAcrossTheGlobe) {
    CompareWithGeographicLib(GlobalPairs(), "global");
}

TEST(CalculateBearingTest, AgreesWithGeographicLibOnShortPaths) {
    CompareWithGeographicLib(NearbyPairs(), "nearby");
}

}  // namespace
}  // namespace kestrel

namespace kestrel {
namespace {

// Targets a hair west of due north: the normalisation can round such a heading up to exactly
// 360, which must come out as 0 (north), never as 360.
TEST(CalculateBearingRange, HeadingsJustWestOfNorthStayBelow360) {
    int nearNorth = 0;
    for (int k = 1; k <= 60; ++k) {
        BearingResult r;
        const long double lon2 = 0.001L + k * 1e-18L;  // west positive: k moves the target west
        ASSERT_TRUE(CalculateBearing(-30.0L, 0.001L, 10.0L, lon2, r));
        EXPECT_GE(r.Azimuth, 0.0L) << k;
        EXPECT_LT(r.Azimuth, 360.0L) << k;
        if (r.Azimuth == 0.0L || r.Azimuth > 359.999L) ++nearNorth;
    }
    EXPECT_GT(nearNorth, 0);  // the sweep really passes north
}

}  // namespace
}  // namespace kestrel
