// Beam heading and distance between two stations on the WGS-84 ellipsoid.
#pragma once

namespace kestrel {

struct BearingResult {
    // Initial heading, degrees clockwise from true north, in [0, 360).  A target a hair west of
    // due north, whose heading would round up to exactly 360, is given as 0.
    long double Azimuth = 0;
    long double Distance = 0;  // metres along the ellipsoid
};

// Computes the heading (initial azimuth from home towards the target) and the distance in
// metres from home (lat1, lon1) to target (lat2, lon2) with Vincenty's inverse formula in
// extended precision.
//
// Coordinates are in degrees; latitude north positive; longitude WEST positive (east negative).
//
// On an arithmetic fault (division by an exactly zero sinSigma, or any non-finite value along
// the way) the calculation is abandoned and `r` keeps the values it held before the call;
// returns false then, true otherwise.  When the loop does not settle within 100 rounds (nearly
// antipodal stations) the values of the 100th round are used without complaint.
//
// `iterations`, when given, receives the number of loop rounds run (also on a fault).
bool CalculateBearing(long double lat1, long double lon1, long double lat2, long double lon2,
                      BearingResult& r, int* iterations = nullptr);

}  // namespace kestrel
