#include "core/path.h"

#include <cmath>
#include <limits>

namespace velmoro {

namespace {

static_assert(std::numeric_limits<double>::is_iec559, "the results are defined for IEEE doubles");

constexpr double HALF_PI = PI_APPROX / 2;  // quarter turn, for the arc-cosine's quadrant

double sgn(double v) {
    if (v < 0) {
        return -1;
    }
    return v > 0 ? 1 : 0;
}

/// n / d with the IEEE result for a zero divisor, spelled out so that no division by zero is
/// ever executed.
double quotient(double n, double d) {
    if (d != 0) {
        return n / d;
    }
    if (n == 0 || std::isnan(n)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const bool negative = std::signbit(n) != std::signbit(d);
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
}

/// Arc-cosine from the arc-tangent, 0 to PI_APPROX; keeps `angle` as it is when the formula
/// would divide by zero or take the root of a negative number.
void arcCosine(double cosine, double& angle) {
    const double sineSquared = 1 - cosine * cosine;
    if (sineSquared < 0 || cosine == 0) {
        return;
    }
    angle = std::atan(std::sqrt(sineSquared) / cosine) + HALF_PI * (1 - sgn(cosine));
}

/// East longitude in radians, 0 to 2 pi, from a west-positive longitude in degrees.
double eastLongitude(double westDeg) {
    const double turn = 180 * (sgn(westDeg - LON_GUARD_DEG) + 1);
    return (turn - westDeg) * DEG;
}

}  // namespace

PathResult computePath(double lat1, double lon1, double lat2, double lon2) {
    const double e1 = eastLongitude(-lon1);
    const double e2 = eastLongitude(-lon2);
    const double phi1 = lat1 * DEG;
    const double phi2 = lat2 * DEG;

    // Longitude of station 1 east of station 2, made positive.
    double delta = (e1 - e2) + COURSE_OFFSET_RAD;
    delta = delta + PI_APPROX * (1 - sgn(delta));

    const double sinPhi1 = std::sin(phi1);
    const double sinPhi2 = std::sin(phi2);
    const double c = sinPhi1 * sinPhi2 + (std::cos(phi1) * std::cos(phi2)) * std::cos(delta);

    PathResult path;
    arcCosine(c, path.d);

    // Course cosine; a zero divisor leaves whatever the divisions produce.
    double a = quotient(quotient(sinPhi2 - c * sinPhi1, std::sin(path.d)), std::cos(phi1));
    if (a < SOUTH_THRESHOLD) {
        a = HALF_PI * (1 - sgn(a));
    } else {
        arcCosine(a, a);
    }
    a = (a * sgn(delta - PI_APPROX)) * sgn(PI_APPROX - path.d);
    a = a + PI_APPROX * (1 - sgn(a));

    path.a = a;
    path.azimuthDeg = std::floor(a / DEG + 0.5);
    path.distanceKm = std::floor(EARTH_RADIUS_KM * path.d + 0.5);
    return path;
}

}  // namespace velmoro
