#include "core/locator.h"

#include <cstdio>

namespace velmoro {

namespace {

constexpr std::size_t LOCATOR_LENGTH = 6;  // field, square and subsquare: two characters each
constexpr std::size_t SQUARE_LENGTH = 4;   // field and square only, completed with PADDING
constexpr char32_t PADDING[] =
    U"LL";                          // the subsquare whose north-east corner is the square's centre
constexpr int ASCII_A = 'A';        // letters count from A
constexpr int ASCII_ZERO = '0';     // digits count from 0
constexpr int UNMAPPED_CODE = '?';  // the code of a character above 255
constexpr int LARGEST_CODE = 255;   // codes are one byte
constexpr double SUBSQUARE_CENTRE = 64.5;  // code of A less one half: the centre of a subsquare
constexpr double FIELD_LONGITUDE = 20;     // degrees of longitude per field letter
constexpr double FIELD_LATITUDE = 10;      // degrees of latitude per field letter
constexpr double SQUARE_LONGITUDE = 2;     // degrees of longitude per square digit
constexpr double SQUARE_LATITUDE = 1;      // degrees of latitude per square digit
constexpr double SUBSQUARES_PER_LONGITUDE_DEGREE = 12;  // 5 minutes of longitude each
constexpr double SUBSQUARES_PER_LATITUDE_DEGREE = 24;   // 2.5 minutes of latitude each

/// What each of the six positions accepts.
struct CharacterRange {
    char32_t first;
    char32_t last;
    const char* description;
};

constexpr std::array<CharacterRange, LOCATOR_LENGTH> LOCATOR_FORMAT{{
    {U'A', U'R', "a letter A to R"},  // field, longitude
    {U'A', U'R', "a letter A to R"},  // field, latitude
    {U'0', U'9', "a digit 0 to 9"},   // square, longitude
    {U'0', U'9', "a digit 0 to 9"},   // square, latitude
    {U'A', U'X', "a letter A to X"},  // subsquare, longitude
    {U'A', U'X', "a letter A to X"},  // subsquare, latitude
}};

std::string quoteCharacter(char32_t c) {
    if (c > U' ' && c < 0x7F) {
        return std::string("'") + static_cast<char>(c) + "'";
    }
    if (c == U' ') {
        return "a blank";
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

}  // namespace

Text upperCaseText(const Text& text) {
    Text upper = text;
    for (char32_t& c : upper) {
        if (c >= U'a' && c <= U'z') {
            c = c - U'a' + U'A';
        }
    }
    return upper;
}

Text normaliseLocator(const Text& text) {
    Text normalised = upperCaseText(text);
    if (!normalised.empty() && normalised.size() <= SQUARE_LENGTH) {
        normalised += PADDING;
    }
    return normalised;
}

std::optional<LocatorProblem> findLocatorProblem(const Text& normalised) {
    const std::size_t length = normalised.size();
    if (length > LOCATOR_LENGTH) {
        return LocatorProblem{LocatorProblem::Kind::TooLong, length, 0, 0};
    }
    if (length < LOCATOR_LENGTH) {
        return LocatorProblem{LocatorProblem::Kind::TooShort, length, 0, 0};
    }
    for (std::size_t i = 0; i < LOCATOR_LENGTH; ++i) {
        const char32_t c = normalised[i];
        if (c < LOCATOR_FORMAT[i].first || c > LOCATOR_FORMAT[i].last) {
            return LocatorProblem{LocatorProblem::Kind::BadCharacter, length, i + 1, c};
        }
    }
    return std::nullopt;
}

bool locatorIsInvalid(const Text& normalised) {
    return findLocatorProblem(normalised).has_value();
}

std::string describeLocatorProblem(const LocatorProblem& problem) {
    switch (problem.kind) {
        case LocatorProblem::Kind::TooLong:
            return "too long: " + std::to_string(problem.length) + " characters, at most 6";
        case LocatorProblem::Kind::TooShort:
            return "too short: a locator has 6 characters, or 4 that stand for subsquare LL";
        case LocatorProblem::Kind::BadCharacter:
            return "character " + std::to_string(problem.position) + " is " +
                   quoteCharacter(problem.character) + ", not " +
                   LOCATOR_FORMAT[problem.position - 1].description;
    }
    return {};
}

DecodedLocator decodeLocator(const Text& normalised) {
    DecodedLocator decoded{};
    for (std::size_t i = 0; i < decoded.codes.c.size() && i < normalised.size(); ++i) {
        const char32_t c = normalised[i];
        decoded.codes.c[i] = c <= LARGEST_CODE ? static_cast<int>(c) : UNMAPPED_CODE;
    }
    const auto& c = decoded.codes.c;
    // The whole-degree parts are exact integer sums; only the subsquare term is fractional.
    const double wholeLongitude =
        -180 + (c[0] - ASCII_A) * FIELD_LONGITUDE + (c[2] - ASCII_ZERO) * SQUARE_LONGITUDE;
    const double wholeLatitude =
        -90 + (c[1] - ASCII_A) * FIELD_LATITUDE + (c[3] - ASCII_ZERO) * SQUARE_LATITUDE;
    decoded.longitude =
        wholeLongitude + (c[4] - SUBSQUARE_CENTRE) / SUBSQUARES_PER_LONGITUDE_DEGREE;
    decoded.latitude = wholeLatitude + (c[5] - SUBSQUARE_CENTRE) / SUBSQUARES_PER_LATITUDE_DEGREE;
    return decoded;
}

}  // namespace velmoro
