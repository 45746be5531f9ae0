// Maidenhead grid locators: field (two letters), square (two digits) and subsquare (two
// letters), such as JN45LL. A square locator of four characters stands for its subsquare LL.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/text.h"

namespace velmoro {

/// Upper-cases a to z; every other character is left as it is.
Text upperCaseText(const Text& text);

/// The upper-cased text, with "LL" appended when it has one to four characters. Nothing is
/// trimmed: a blank counts like any other character.
Text normaliseLocator(const Text& text);

/// The character codes c1 to c6 of a normalised locator's first six characters: the ASCII code
/// for ASCII, the code point up to 255, '?' (63) above it, and 0 past the end of the text.
struct LocatorCodes {
    std::array<int, 6> c{};
};

/// The lengths a locator may have. The window takes subsquare locators of six characters; the
/// command-line companion's contest, ellipsoid and conversion modes also take extended locators of
/// eight, whose two more digits cut each subsquare 10 by 10.
enum class LocatorForm { Subsquare, Extended };

/// Where a normalised locator breaks its format.
struct LocatorProblem {
    enum class Kind { TooShort, TooLong, BadCharacter };
    Kind kind;
    std::size_t length;    ///< characters in the normalised locator
    std::size_t position;  ///< 1-based position of the bad character (BadCharacter only)
    char32_t character;    ///< the bad character (BadCharacter only)
};

/// The first thing wrong with a normalised locator, or nothing when it is well formed: letters A to
/// R, digits, letters A to X, and for the extended form optionally two more digits.
std::optional<LocatorProblem> findLocatorProblem(const Text& normalised,
                                                 LocatorForm form = LocatorForm::Subsquare);

/// True unless the normalised locator is a well-formed six-character locator.
bool locatorIsInvalid(const Text& normalised);

/// What is wrong, in English, for messages that quote the locator beside it.
std::string describeLocatorProblem(const LocatorProblem& problem,
                                   LocatorForm form = LocatorForm::Subsquare);

/// The codes and the position a normalised locator stands for.
struct DecodedLocator {
    LocatorCodes codes;
    double latitude;   ///< degrees, north positive
    double longitude;  ///< degrees, east positive
};

/// The centre of the subsquare a normalised locator names: 5 minutes of longitude by 2.5 minutes
/// of latitude, so JN45LL is at 45 + 23/48 N, 8 + 23/24 E. Never fails: an invalid locator gives
/// meaningless but finite values from the same formulas.
DecodedLocator decodeLocator(const Text& normalised);

/// A point on the globe, degrees, north and east positive.
struct GridPosition {
    double latitude;
    double longitude;
};

/// The centre of the smallest cell a well-formed six- or eight-character locator names. For six
/// characters this is exactly the point decodeLocator gives.
GridPosition locatorCentre(const Text& normalised);

/// The locator of `length` characters (4, 6 or 8) of the cell that holds a point, latitude -90 to
/// 90 and longitude -180 to 180. The north pole and the antimeridian at +180 fall in the last
/// cells (RR99XX99 and its neighbours).
Text locatorAt(double latitude, double longitude, std::size_t length);

}  // namespace velmoro
