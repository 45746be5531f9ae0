// Where the dial's needle ends for an azimuth text, in twips (1/1440 inch) inside the dial, x to
// the right and y downwards. Plain C++: the geometry needs no window.
#pragma once

#include <string_view>

namespace velmoro {

inline constexpr int TWIPS_PER_PIXEL = 15;       ///< at 96 dots per inch
inline constexpr int NEEDLE_PIVOT_TWIPS = 1210;  ///< pivot x and y, and the needle's length

struct TwipPoint {
    int x;
    int y;
    bool operator==(const TwipPoint&) const = default;
};

/// The number at the start of a text: leading blanks skipped, an optional sign, digits with an
/// optional "." and decimals. 0 when the text does not start with a number ("??????", "").
double parseLeadingNumber(std::u32string_view text);

/// The needle's end point for the azimuth a text shows, clockwise from north: 90 ends at
/// (2420, 1210), 360 at (1210, 0). Results a hair below a whole twip round down, so 0, 180 and 270
/// end one twip left of or above the exact point. Texts without a number point at 0. Any text
/// gives a point within the needle's reach of the pivot.
TwipPoint needleEndPoint(std::u32string_view azimuthText);

}  // namespace velmoro
