#include "ui/needle.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace velmoro {

namespace {

constexpr float NEEDLE_PI = 3.1415927f;  // single precision, as the needle always had it
constexpr double HALF_TURN_DEG = 180;    // degrees per NEEDLE_PI
constexpr double NORTH_OFFSET_DEG = 90;  // screen angles start at east, azimuths at north
constexpr double FULL_TURN_DEG = 360;    // brings far-off azimuths back onto the dial
constexpr double NEEDLE_LENGTH = NEEDLE_PIVOT_TWIPS;

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

/// The azimuth less a quarter turn, rounded half to even, as a 16-bit whole number of degrees.
std::int16_t screenAngleDeg(double azimuth) {
    if (!std::isfinite(azimuth)) {
        azimuth = 0;
    }
    double rounded = std::nearbyint(azimuth - NORTH_OFFSET_DEG);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        rounded = std::nearbyint(std::fmod(azimuth, FULL_TURN_DEG) - NORTH_OFFSET_DEG);
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace

double parseLeadingNumber(std::u32string_view text) {
    std::size_t i = text.find_first_not_of(U' ');
    if (i == std::u32string_view::npos) {
        return 0;
    }
    std::string number;
    if (text[i] == U'+' || text[i] == U'-') {
        if (text[i] == U'-') {
            number.push_back('-');
        }
        ++i;
    }
    bool hasDigit = false;
    bool hasPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            hasDigit = true;
            number.push_back(static_cast<char>(text[i]));
        } else if (text[i] == U'.' && !hasPoint) {
            hasPoint = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    if (!hasDigit) {
        return 0;
    }
    double value = 0;
    const auto error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    // Beyond a double's range either way is no azimuth the needle could show: it points north.
    return error == std::errc() ? value : 0;
}

TwipPoint needleEndPoint(std::u32string_view azimuthText) {
    const std::int16_t angle = screenAngleDeg(parseLeadingNumber(azimuthText));
    // The quotient and the product in double precision, then the angle in single precision.
    const float theta =
        static_cast<float>((static_cast<double>(NEEDLE_PI) / HALF_TURN_DEG) * angle);
    const double dx = std::floor(std::cos(static_cast<double>(theta)) * NEEDLE_LENGTH);
    const double dy = std::floor(std::sin(static_cast<double>(theta)) * NEEDLE_LENGTH);
    return {static_cast<int>(dx) + NEEDLE_PIVOT_TWIPS, static_cast<int>(dy) + NEEDLE_PIVOT_TWIPS};
}

}  // namespace velmoro
