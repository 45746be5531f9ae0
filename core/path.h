// Great-circle distance and initial bearing between two points on a sphere, as whole kilometres
// and whole degrees. The constants and the order of the steps fix every whole-number result, so
// the arithmetic is plain double precision, step by step.
#pragma once

namespace velmoro {

inline constexpr double PI_APPROX = 3.141592;        ///< the calculation's pi, six decimals
inline constexpr double DEG = PI_APPROX / 180;       ///< radians per degree
inline constexpr double EARTH_RADIUS_KM = 6356.775;  ///< radius of the sphere
inline constexpr double LON_GUARD_DEG = 0.0001;      ///< keeps stations off the prime meridian tie
inline constexpr double COURSE_OFFSET_RAD = 0.0001;  ///< keeps the longitude difference off zero
inline constexpr double SOUTH_THRESHOLD = -0.9999999;  ///< course cosines below it mean due south

/// The path from a first station to a second.
struct PathResult {
    double d = 0;           ///< central angle, radians, 0 to PI_APPROX
    double a = 0;           ///< initial azimuth, radians, clockwise from north
    double azimuthDeg = 0;  ///< a in whole degrees, 0 to 360 inclusive
    double distanceKm = 0;  ///< whole kilometres on a sphere of EARTH_RADIUS_KM
};

/// The path from (lat1, lon1) to (lat2, lon2), degrees, north and east positive.
///
/// The azimuth is clockwise from north, 0 to 360: 360 for a distant target due north on the same
/// meridian, 270 for identical points (the course offset puts the second a hair to the west).
/// Identical points are 1 km apart within about 38.1 degrees of the equator and 0 km beyond.
///
/// Accepts any finite values and never traps: a step that would divide by zero or take the square
/// root of a negative number is skipped, and the steps after it go on. Only points that no
/// well-formed locator decodes to can reach such a step, and then the results may be infinite or
/// not a number.
PathResult computePath(double lat1, double lon1, double lat2, double lon2);

}  // namespace velmoro
