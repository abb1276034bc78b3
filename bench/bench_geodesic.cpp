// Beam heading calculation: CalculateBearing (Vincenty, extended precision) against
// GeographicLib's geodesic inverse on the same station pairs.

#include "geo/geodesic.h"

#include <GeographicLib/Geodesic.hpp>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

struct Pair {
    double lat1, lon1, lat2, lon2;  // degrees, east positive
};

// A fixed set of station pairs spread over the globe (area-uniform), leaving out nearly
// antipodal ones where the Vincenty loop runs its full 100 rounds and would dominate the time.
const std::vector<Pair>& Pairs() {
    static const std::vector<Pair> pairs = [] {
        std::mt19937 gen(4242u);
        auto unit = [&] { return (static_cast<double>(gen()) + 0.5) / 4294967296.0; };
        auto lat = [&] { return std::asin(2.0 * unit() - 1.0) * 57.29577951308232; };
        auto lon = [&] { return 360.0 * unit() - 180.0; };
        const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
        std::vector<Pair> v;
        while (v.size() < 1024) {
            const Pair p{lat(), lon(), lat(), lon()};
            double s12 = 0;
            wgs84.Inverse(p.lat1, p.lon1, p.lat2, p.lon2, s12);
            if (s12 <= 19000e3) v.push_back(p);
        }
        return v;
    }();
    return pairs;
}

void BM_CalculateBearing(benchmark::State& state) {
    const std::vector<Pair>& pairs = Pairs();
    kestrel::BearingResult r;
    for (auto _ : state) {
        for (const Pair& p : pairs) {
            // Our longitudes are west positive.
            bool ok = kestrel::CalculateBearing(p.lat1, -p.lon1, p.lat2, -p.lon2, r);
            benchmark::DoNotOptimize(ok);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(pairs.size()));
}
BENCHMARK(BM_CalculateBearing);

void BM_GeographicLibInverse(benchmark::State& state) {
    const std::vector<Pair>& pairs = Pairs();
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    for (auto _ : state) {
        for (const Pair& p : pairs) {
            double s12, azi1, azi2;
            wgs84.Inverse(p.lat1, p.lon1, p.lat2, p.lon2, s12, azi1, azi2);
            benchmark::DoNotOptimize(s12);
            benchmark::DoNotOptimize(azi1);
            benchmark::DoNotOptimize(azi2);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(pairs.size()));
}
BENCHMARK(BM_GeographicLibInverse);

}  // namespace
