#include "core/path.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/locator.h"
#include "test_text.h"

namespace velmoro {
namespace {

PathResult pathBetween(const char* from, const char* to) {
    const DecodedLocator a = decodeLocator(t(from));
    const DecodedLocator b = decodeLocator(t(to));
    return computePath(a.latitude, a.longitude, b.latitude, b.longitude);
}

struct PairCase {
    const char* from;
    const char* to;
    double km;
    double azimuth;
};

class ComputePath : public testing::TestWithParam<PairCase> {};

TEST_P(ComputePath, GivesTheExactWholeKilometresAndDegrees) {
    const PathResult path = pathBetween(GetParam().from, GetParam().to);
    EXPECT_EQ(path.distanceKm, GetParam().km);
    EXPECT_EQ(path.azimuthDeg, GetParam().azimuth);
}

// Several rows tell the exact arithmetic apart from near misses: MR62FC-FJ41IT gives 10490 with
// a true pi in the degree factor, II30TE-QP48LW 13274 with a library arc-cosine, and the short
// northward and southward rows move without the course offset.
INSTANTIATE_TEST_SUITE_P(
    LocatorPairs, ComputePath,
    testing::Values(
        PairCase{"JN45LL", "JN45LL", 0, 270}, PairCase{"JJ00AA", "JJ00AA", 1, 270},
        PairCase{"JN61FV", "JN45OL", 476, 328}, PairCase{"JN45OL", "JN61FV", 475, 146},
        PairCase{"JN45LL", "JN61LL", 548, 143}, PairCase{"JN45LL", "JO45LL", 1109, 360},
        PairCase{"JN45LL", "JM45LL", 1109, 180}, PairCase{"JN45LL", "JL45LL", 2219, 180},
        PairCase{"JN45LL", "JN55LL", 155, 89}, PairCase{"JN45LL", "JN35LL", 156, 271},
        PairCase{"JN45LL", "JN45LK", 5, 186}, PairCase{"JN45LL", "JN45LM", 5, 354},
        PairCase{"JN45LL", "JN45KL", 7, 270}, PairCase{"JN45LL", "JN45ML", 6, 90},
        PairCase{"JN45LL", "JN45LX", 55, 360}, PairCase{"JJ00AA", "JJ00EA", 36, 90},
        PairCase{"JJ00EA", "JJ00AA", 38, 270}, PairCase{"JN71BX", "IO91WM", 1510, 319},
        PairCase{"JN45LL", "FN20XR", 6435, 298}, PairCase{"MR62FC", "FJ41IT", 10491, 324},
        PairCase{"II30TE", "QP48LW", 13273, 8}, PairCase{"AA00AA", "RR99XX", 19966, 358}),
    [](const auto& info) { return std::string(info.param.from) + "_to_" + info.param.to; });

TEST(ComputePath, DueSouthBranchSetsTheAzimuthToPiExactly) {
    EXPECT_EQ(pathBetween("JN45LL", "JL45LL").a, PI_APPROX);
}

// Points no locator decodes to can meet a zero divisor or the root of a negative number; the
// calculation must go on without trapping, and give either a result in range or a non-finite one.
TEST(ComputePath, SurvivesPointsNoLocatorDecodesTo) {
    const double inputs[][4] = {
        {90, 0, 90, 0},         {-90, 0, -90, 0},      {90, 10, -90, 10},
        {0, 0, 0, 180},         {0, 0, 0, 0},          {0, -0.0001, 0, 0},
        {1e300, 0, -1e300, 1},  {0, 1e308, 0, -1e308}, {45, 0.0001, 45, -0.0001},
        {-0.0, -0.0, 0.0, 0.0},
    };
    int nonFinite = 0;
    for (const auto& in : inputs) {
        const PathResult path = computePath(in[0], in[1], in[2], in[3]);
        if (!std::isfinite(path.azimuthDeg) || !std::isfinite(path.distanceKm)) {
            ++nonFinite;
            continue;
        }
        EXPECT_GE(path.azimuthDeg, 0);
        EXPECT_LE(path.azimuthDeg, 360);
        EXPECT_GE(path.distanceKm, 0);
    }
    EXPECT_GT(nonFinite, 0) << "no input reached the failure rule";
}

}  // namespace
}  // namespace velmoro
