#include "cli/calculator.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>

#include "core/locator.h"

namespace velmoro::cli {

namespace {

constexpr double CONTEST_KM_PER_DEGREE = 111.2;  // IARU Region 1 VHF/UHF contest rules
constexpr double DEGREES_PER_RADIAN = 180 / std::numbers::pi;
constexpr double FULL_TURN_DEG = 360;
constexpr double HALF_TURN_DEG = 180;
constexpr double LATITUDE_LIMIT = 90;
constexpr double LONGITUDE_LIMIT = 180;
constexpr int LATLON_DECIMALS = 6;   // about 0.1 m
constexpr int CONTEST_DECIMALS = 2;  // as contest logs print distances
constexpr int WGS84_DECIMALS = 1;    // 100 m and a tenth of a degree

void appendFixed(std::string& out, double value, int decimals) {
    char digits[400];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
            .ptr;
    out.append(digits, end);
}

/// The window's result text without its leading space.
void appendShown(std::string& out, const Text& shown) {
    appendUtf8(out, std::u32string_view(shown).substr(!shown.empty() && shown[0] == U' ' ? 1 : 0));
}

/// The number a result field shows, such as " 328" or "0".
std::optional<double> shownNumber(const Text& shown) {
    const std::string digits = encodeUtf8(shown);
    const std::size_t start = digits.find_first_not_of(' ');
    double value = 0;
    if (start == std::string::npos ||
        std::from_chars(digits.data() + start, digits.data() + digits.size(), value).ec !=
            std::errc()) {
        return std::nullopt;
    }
    return value;
}

/// A locator from the command line as the window's field would hold it, or what is wrong with it.
std::optional<std::string> locatorProblem(int number, const Text& upperCased, LocatorForm form) {
    const auto problem = findLocatorProblem(normaliseLocator(upperCased), form);
    if (!problem) {
        return std::nullopt;
    }
    std::string message = "locator ";
    if (number > 0) {
        message += std::to_string(number) + " ";
    }
    return message + "'" + encodeUtf8(upperCased) + "': " + describeLocatorProblem(*problem, form);
}

/// A decimal number that fills the whole text, such as -12.5 or +41.9.
std::optional<double> parseNumber(const Text& text) {
    std::string ascii;
    for (char32_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    const std::string_view digits =
        ascii.starts_with('+') ? std::string_view(ascii).substr(1) : ascii;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> coordinateProblem(const char* name, const Text& text,
                                             std::optional<double> value, double limit) {
    const std::string quoted = std::string(name) + " '" + encodeUtf8(text) + "': ";
    if (!value) {
        return quoted + "not a decimal number";
    }
    if (!(std::fabs(*value) <= limit)) {
        const std::string range = std::to_string(static_cast<int>(limit));
        return quoted + "out of range, -" + range + " to " + range;
    }
    return std::nullopt;
}

}  // namespace

Outcome Calculator::compute(std::span<const Text> fields) {
    switch (options_.mode) {
        case Options::Mode::Window:
            return windowFigures(fields[0], fields[1]);
        case Options::Mode::Contest:
        case Options::Mode::Wgs84:
            return pointPair(fields[0], fields[1]);
        case Options::Mode::ToLatLon:
            return toLatLon(fields[0]);
        case Options::Mode::ToLocator:
            return toLocator(fields[0], fields[1]);
    }
    return {};
}

std::string Calculator::echo(std::span<const Text> fields) const {
    std::string line;
    for (const Text& field : fields) {
        if (!line.empty()) {
            line += '\t';
        }
        appendUtf8(line, options_.mode == Options::Mode::ToLocator ? field : upperCaseText(field));
    }
    return line;
}

std::string Calculator::invalidColumns() const {
    std::size_t columns = 2;
    if (options_.longPath) {
        columns = 4;
    } else if (options_.mode == Options::Mode::ToLocator) {
        columns = 1;
    }
    std::string invalid;
    for (std::size_t i = 0; i < columns; ++i) {
        if (i > 0) {
            invalid += '\t';
        }
        appendUtf8(invalid, INVALID_RESULT);
    }
    return invalid;
}

Outcome Calculator::windowFigures(const Text& typed1, const Text& typed2) {
    // Typing upper-cases the locator fields.
    const Text locator1 = upperCaseText(typed1);
    const Text locator2 = upperCaseText(typed2);
    Outcome outcome;
    for (const auto& problem : {locatorProblem(1, locator1, LocatorForm::Subsquare),
                                locatorProblem(2, locator2, LocatorForm::Subsquare)}) {
        if (problem) {
            outcome.problems.push_back(*problem);
        }
    }
    if (!outcome.problems.empty()) {
        return outcome;
    }

    store_.writeText(Field::Text3, locator1);
    store_.writeText(Field::Text5, locator2);
    runCalculation(store_);
    const Text& shownAzimuth = store_.text(Field::Text1);

    double longKm = 0;
    double longAzimuth = 0;
    if (options_.longPath) {
        const DecodedLocator a = decodeLocator(normaliseLocator(locator1));
        const DecodedLocator b = decodeLocator(normaliseLocator(locator2));
        const PathResult path = computePath(a.latitude, a.longitude, b.latitude, b.longitude);
        longKm = std::floor(EARTH_RADIUS_KM * (2 * PI_APPROX - path.d) + 0.5);
        longAzimuth = std::fmod(path.azimuthDeg + HALF_TURN_DEG, FULL_TURN_DEG);
    }

    if (options_.rotctl) {
        // A rotator takes 0 to 359; the window's 360 is north too.
        const auto shown = shownNumber(shownAzimuth);
        if (!shown) {
            outcome.problems.push_back("no azimuth for this pair");
            return outcome;
        }
        double azimuth = options_.longPath ? longAzimuth : *shown;
        if (azimuth == FULL_TURN_DEG) {
            azimuth = 0;
        }
        outcome.columns = "P ";
        appendFixed(outcome.columns, azimuth, 0);
        outcome.columns += " 0";
        return outcome;
    }
    appendShown(outcome.columns, store_.text(Field::Text6));
    outcome.columns += '\t';
    appendShown(outcome.columns, shownAzimuth);
    if (options_.longPath) {
        outcome.columns += '\t';
        appendFixed(outcome.columns, longKm, 0);
        outcome.columns += '\t';
        appendFixed(outcome.columns, longAzimuth, 0);
    }
    return outcome;
}

Outcome Calculator::pointPair(const Text& typed1, const Text& typed2) {
    const Text locator1 = normaliseLocator(typed1);
    const Text locator2 = normaliseLocator(typed2);
    Outcome outcome;
    for (const auto& problem : {locatorProblem(1, upperCaseText(typed1), LocatorForm::Extended),
                                locatorProblem(2, upperCaseText(typed2), LocatorForm::Extended)}) {
        if (problem) {
            outcome.problems.push_back(*problem);
        }
    }
    if (!outcome.problems.empty()) {
        return outcome;
    }
    const GridPosition a = locatorCentre(locator1);
    const GridPosition b = locatorCentre(locator2);

    if (options_.mode == Options::Mode::Contest) {
        // Spherical law of cosines between the centres, kept within acos's domain.
        const double toRadians = 1 / DEGREES_PER_RADIAN;
        const double cosine = std::sin(a.latitude * toRadians) * std::sin(b.latitude * toRadians) +
                              std::cos(a.latitude * toRadians) * std::cos(b.latitude * toRadians) *
                                  std::cos((b.longitude - a.longitude) * toRadians);
        const double km =
            CONTEST_KM_PER_DEGREE * std::acos(std::clamp(cosine, -1.0, 1.0)) * DEGREES_PER_RADIAN;
        appendFixed(outcome.columns, km, CONTEST_DECIMALS);
        outcome.columns += '\t';
        // One point for every kilometre commenced.
        appendFixed(outcome.columns, std::floor(km) + 1, 0);
        return outcome;
    }

    double metres = 0;
    double azimuth = 0;
    double finalAzimuth = 0;
    GeographicLib::Geodesic::WGS84().Inverse(a.latitude, a.longitude, b.latitude, b.longitude,
                                             metres, azimuth, finalAzimuth);
    // Azimuths come in -180 to 180; shown from 0 up to, but not reaching, 360.0.
    azimuth = std::fmod(azimuth + FULL_TURN_DEG, FULL_TURN_DEG);
    if (std::round(azimuth * 10) >= FULL_TURN_DEG * 10) {
        azimuth = 0;
    }
    appendFixed(outcome.columns, metres / 1000, WGS84_DECIMALS);
    outcome.columns += '\t';
    appendFixed(outcome.columns, azimuth, WGS84_DECIMALS);
    return outcome;
}

Outcome Calculator::toLatLon(const Text& typed) {
    Outcome outcome;
    if (auto problem = locatorProblem(0, upperCaseText(typed), LocatorForm::Extended)) {
        outcome.problems.push_back(*problem);
        return outcome;
    }
    const GridPosition centre = locatorCentre(normaliseLocator(typed));
    appendFixed(outcome.columns, centre.latitude, LATLON_DECIMALS);
    outcome.columns += '\t';
    appendFixed(outcome.columns, centre.longitude, LATLON_DECIMALS);
    return outcome;
}

Outcome Calculator::toLocator(const Text& latitudeText, const Text& longitudeText) {
    const auto latitude = parseNumber(latitudeText);
    const auto longitude = parseNumber(longitudeText);
    Outcome outcome;
    for (const auto& problem :
         {coordinateProblem("latitude", latitudeText, latitude, LATITUDE_LIMIT),
          coordinateProblem("longitude", longitudeText, longitude, LONGITUDE_LIMIT)}) {
        if (problem) {
            outcome.problems.push_back(*problem);
        }
    }
    if (outcome.problems.empty()) {
        appendUtf8(outcome.columns, locatorAt(*latitude, *longitude, options_.precision));
    }
    return outcome;
}

}  // namespace velmoro::cli
