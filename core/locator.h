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

/// Where a normalised locator breaks the six-character format.
struct LocatorProblem {
    enum class Kind { TooShort, TooLong, BadCharacter };
    Kind kind;
    std::size_t length;    ///< characters in the normalised locator
    std::size_t position;  ///< 1-based position of the bad character (BadCharacter only)
    char32_t character;    ///< the bad character (BadCharacter only)
};

/// The first thing wrong with a normalised locator, or nothing when it is exactly six characters:
/// letters A to R, digits, letters A to X.
std::optional<LocatorProblem> findLocatorProblem(const Text& normalised);

/// True unless the normalised locator is a well-formed six-character locator.
bool locatorIsInvalid(const Text& normalised);

/// What is wrong, in English, for messages that quote the locator beside it.
std::string describeLocatorProblem(const LocatorProblem& problem);

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

}  // namespace velmoro
