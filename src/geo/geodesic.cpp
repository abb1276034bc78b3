#include "geo/geodesic.h"

#include <cmath>

namespace kestrel {

namespace {

// Ellipsoid: polar semi-axis, flattening and second eccentricity squared.  The equatorial
// semi-axis is not needed by the inverse formula.
constexpr long double kPolarAxis = 6356752.3142L;
constexpr long double kFlattening = 0.00335281066474L;
constexpr long double kSecondEccSq = 0.00673949674227L;

constexpr long double kDegToRad = 0.017453292519943295769L;
constexpr long double kRadToDeg = 57.29577951308232088L;
constexpr long double kTwoPi = 6.283185307179586477L;

// Added to the home point's reduced-latitude sine and cosine so that coincident stations and
// stations on the same meridian do not divide by an exactly zero sinSigma.
constexpr long double kNudge = 1e-15L;
constexpr long double kLambdaTolerance = 1e-12L;
constexpr long double kCos2AlphaFloor = 1e-50L;
constexpr int kMaxIterations = 100;

bool finite(long double x) { return std::isfinite(x); }

}  // namespace

bool CalculateBearing(long double lat1, long double lon1, long double lat2, long double lon2,
                      BearingResult& r, int* iterations) {
    const long double f = kFlattening;

    const long double phi1 = lat1 * kDegToRad;
    const long double phi2 = lat2 * kDegToRad;
    const long double L = (lon1 - lon2) * kDegToRad;

    const long double U1 = atanl((1.0L - f) * tanl(phi1));
    const long double U2 = atanl((1.0L - f) * tanl(phi2));

    long double lambda = L;
    int n = 0;
    if (iterations) *iterations = 0;

    const long double cosU1 = cosl(U1) + kNudge;
    const long double sinU1 = sinl(U1) + kNudge;
    const long double cosU2 = cosl(U2);
    const long double sinU2 = sinl(U2);

    long double lambdaPrev;
    long double sinSigma, cosSigma, sigma, cos2Alpha, cos2SigmaM, c2sm2;
    do {
        ++n;
        if (iterations) *iterations = n;
        lambdaPrev = lambda;
        const long double sinLambda = sinl(lambdaPrev);
        const long double cosLambda = cosl(lambdaPrev);
        const long double p = cosU2 * sinLambda;
        const long double q = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        sinSigma = sqrtl(p * p + q * q);
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = atan2l(sinSigma, cosSigma);
        if (sinSigma == 0.0L || !finite(sinSigma)) return false;
        const long double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cos2Alpha = (1.0L + sinAlpha) * (1.0L - sinAlpha);
        if (std::fabs(cos2Alpha) < kCos2AlphaFloor)
            cos2SigmaM = 0.0L;
        else
            cos2SigmaM = cosSigma - 2.0L * sinU1 * sinU2 / cos2Alpha;
        const long double C = f / 16.0L * cos2Alpha * (4.0L + f * (4.0L - 3.0L * cos2Alpha));
        c2sm2 = cos2SigmaM * cos2SigmaM;
        lambda = L + (1.0L - C) * f * sinAlpha *
                         (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (2.0L * c2sm2 - 1.0L)));
        if (!finite(lambda)) return false;
    } while (n < kMaxIterations && std::fabs(lambda - lambdaPrev) > kLambdaTolerance);

    const long double u2 = cos2Alpha * kSecondEccSq;
    const long double A = 1.0L + u2 / 16384.0L * (4096.0L + u2 * (-768.0L + u2 * (320.0L - 175.0L * u2)));
    const long double B = u2 / 1024.0L * (256.0L + u2 * (-128.0L + u2 * (74.0L - 47.0L * u2)));
    const long double deltaSigma =
        B * sinSigma *
        (cos2SigmaM + B / 4.0L *
                          (cosSigma * (2.0L * c2sm2 - 1.0L) -
                           B / 6.0L * cos2SigmaM * (4.0L * sinSigma * sinSigma - 3.0L) * (4.0L * c2sm2 - 3.0L)));
    const long double distance = kPolarAxis * A * (sigma - deltaSigma);

    const long double alpha1 =
        atan2l(cosU2 * sinl(lambda), cosU1 * sinU2 - sinU1 * cosU2 * cosl(lambda));
    long double t = alpha1 + kTwoPi;
    t = t - kTwoPi * truncl(t / kTwoPi);
    long double azimuth = t * kRadToDeg;
    // A heading a hair below 360 can round up to exactly 360 here: that is north, written 0.
    if (azimuth >= 360.0L) azimuth -= 360.0L;

    if (!finite(distance) || !finite(azimuth)) return false;
    r.Azimuth = azimuth;
    r.Distance = distance;
    return true;
}

}  // namespace kestrel
