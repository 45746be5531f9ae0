#include "core/locator.h"

#include <algorithm>
#include <cmath>

namespace velmoro {

namespace {

constexpr std::size_t LOCATOR_LENGTH = 6;       // field, square and subsquare: two each
constexpr std::size_t EXTENDED_LENGTH = 8;      // and two digits more
constexpr std::size_t SQUARE_LENGTH = 4;        // field and square, completed with PADDING
constexpr std::u32string_view PADDING = U"LL";  // its north-east corner is the square's centre
constexpr int ASCII_A = 'A';                    // letters count from A
constexpr int ASCII_ZERO = '0';                 // digits count from 0
constexpr int UNMAPPED_CODE = '?';              // the code of a character above 255
constexpr int LARGEST_CODE = 255;               // codes are one byte
constexpr double SUBSQUARE_CENTRE = 64.5;       // code of A less one half: a subsquare's centre
constexpr double FIELD_LONGITUDE = 20;          // degrees of longitude per field letter
constexpr double FIELD_LATITUDE = 10;           // degrees of latitude per field letter
constexpr double SQUARE_LONGITUDE = 2;          // degrees of longitude per square digit
constexpr double SQUARE_LATITUDE = 1;           // degrees of latitude per square digit
constexpr double SUBSQUARES_PER_LONGITUDE_DEGREE = 12;  // 5 minutes of longitude each
constexpr double SUBSQUARES_PER_LATITUDE_DEGREE = 24;   // 2.5 minutes of latitude each
constexpr int EXTENDED_CUTS = 10;                       // an extended digit cuts a subsquare in ten

/// What each position accepts, and how many cells it counts.
struct CharacterRange {
    char32_t first;
    char32_t last;
    const char* description;
};

constexpr std::array<CharacterRange, EXTENDED_LENGTH> LOCATOR_FORMAT{{
    {U'A', U'R', "a letter A to R"},  // field, longitude
    {U'A', U'R', "a letter A to R"},  // field, latitude
    {U'0', U'9', "a digit 0 to 9"},   // square, longitude
    {U'0', U'9', "a digit 0 to 9"},   // square, latitude
    {U'A', U'X', "a letter A to X"},  // subsquare, longitude
    {U'A', U'X', "a letter A to X"},  // subsquare, latitude
    {U'0', U'9', "a digit 0 to 9"},   // extended square, longitude
    {U'0', U'9', "a digit 0 to 9"},   // extended square, latitude
}};

int cellsOf(const CharacterRange& range) {
    return static_cast<int>(range.last - range.first) + 1;
}

std::string quoteCharacter(char32_t c) {
    if (c > U' ' && c < 0x7F) {
        return std::string("'") + static_cast<char>(c) + "'";
    }
    if (c == U' ') {
        return "a blank";
    }
    return codePointName(c);
}

/// The index of the smallest cell along one axis that holds `offset` degrees from the grid's
/// origin, with `cellsPerDegree` of those cells to a degree; the far edge falls in the last cell.
long cellIndex(double offset, long cellsPerDegree, long cellCount) {
    const auto index = static_cast<long>(std::floor(offset * cellsPerDegree));
    return std::clamp(index, 0L, cellCount - 1);
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

std::optional<LocatorProblem> findLocatorProblem(const Text& normalised, LocatorForm form) {
    const std::size_t length = normalised.size();
    const std::size_t longest = form == LocatorForm::Extended ? EXTENDED_LENGTH : LOCATOR_LENGTH;
    if (length > longest) {
        return LocatorProblem{LocatorProblem::Kind::TooLong, length, 0, 0};
    }
    if (length != LOCATOR_LENGTH && length != longest) {
        return LocatorProblem{LocatorProblem::Kind::TooShort, length, 0, 0};
    }
    for (std::size_t i = 0; i < length; ++i) {
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

std::string describeLocatorProblem(const LocatorProblem& problem, LocatorForm form) {
    const bool extended = form == LocatorForm::Extended;
    switch (problem.kind) {
        case LocatorProblem::Kind::TooLong:
            return "too long: " + std::to_string(problem.length) + " characters, at most " +
                   (extended ? "8" : "6");
        case LocatorProblem::Kind::TooShort:
            return extended ? "too short: a locator has 6 or 8 characters, or 4 that stand for "
                              "subsquare LL"
                            : "too short: a locator has 6 characters, or 4 that stand for "
                              "subsquare LL";
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

GridPosition locatorCentre(const Text& normalised) {
    const DecodedLocator subsquare = decodeLocator(normalised);
    if (normalised.size() < EXTENDED_LENGTH) {
        return {subsquare.latitude, subsquare.longitude};
    }
    // From the subsquare's centre to its south-west corner, then to the small square's centre.
    const double longitudeStep = 1 / (SUBSQUARES_PER_LONGITUDE_DEGREE * EXTENDED_CUTS);
    const double latitudeStep = 1 / (SUBSQUARES_PER_LATITUDE_DEGREE * EXTENDED_CUTS);
    const double east = static_cast<double>(normalised[6] - U'0') + 0.5 - EXTENDED_CUTS / 2.0;
    const double north = static_cast<double>(normalised[7] - U'0') + 0.5 - EXTENDED_CUTS / 2.0;
    return {subsquare.latitude + north * latitudeStep, subsquare.longitude + east * longitudeStep};
}

Text locatorAt(double latitude, double longitude, std::size_t length) {
    // Count whole cells of the finest grid along each axis, then split the counts position by
    // position, least significant last: digits 10, letters 24, digits 10, letters 18.
    constexpr long EAST_CELLS_PER_DEGREE = 12 * EXTENDED_CUTS;
    constexpr long NORTH_CELLS_PER_DEGREE = 24 * EXTENDED_CUTS;
    long east = cellIndex(longitude + 180, EAST_CELLS_PER_DEGREE, 360 * EAST_CELLS_PER_DEGREE);
    long north = cellIndex(latitude + 90, NORTH_CELLS_PER_DEGREE, 180 * NORTH_CELLS_PER_DEGREE);
    Text locator(EXTENDED_LENGTH, U' ');
    for (std::size_t pair = EXTENDED_LENGTH; pair > 0; pair -= 2) {
        const CharacterRange& range = LOCATOR_FORMAT[pair - 2];
        const long cells = cellsOf(range);
        locator[pair - 2] = range.first + static_cast<char32_t>(east % cells);
        locator[pair - 1] = range.first + static_cast<char32_t>(north % cells);
        east /= cells;
        north /= cells;
    }
    locator.resize(std::min(length, EXTENDED_LENGTH));
    return locator;
}

}  // namespace velmoro
