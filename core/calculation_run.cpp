#include "core/calculation_run.h"

#include <charconv>
#include <cmath>

#include "core/locator.h"

namespace velmoro {

namespace {

constexpr int COORDINATE_DIGITS = 15;  // every digit a double carries reliably

}  // namespace

Text formatStrNumber(double wholeNumber) {
    if (!std::isfinite(wholeNumber)) {
        return Text(INVALID_RESULT);
    }
    char shown[400];  // a sign and the up to 309 digits of the largest double
    shown[0] = wholeNumber < 0 ? '-' : ' ';
    const auto end = std::to_chars(shown + 1, shown + sizeof shown, std::fabs(wholeNumber),
                                   std::chars_format::fixed, 0)
                         .ptr;
    return Text(shown, end);
}

Text coordinateText(double degrees) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, degrees,
                                   std::chars_format::general, COORDINATE_DIGITS)
                         .ptr;
    return Text(digits, end);
}

std::pair<Text, Text> resultTexts(const PathResult& path) {
    if (!std::isfinite(path.azimuthDeg) || !std::isfinite(path.distanceKm)) {
        return {Text(INVALID_RESULT), Text(INVALID_RESULT)};
    }
    return {formatStrNumber(path.azimuthDeg), formatStrNumber(path.distanceKm)};
}

void runCalculation(FieldInterface& fields) {
    if (fields.readText(Field::Text5) == INITIAL_TEXT) {
        return;
    }

    const Text locator1 = normaliseLocator(fields.readText(Field::Text3));
    const auto problem1 = findLocatorProblem(locator1);
    if (problem1 && problem1->kind == LocatorProblem::Kind::TooLong) {
        fields.showNotice(Text(LOCATOR1_TOO_LONG_NOTICE));
    }
    const Text locator2 = normaliseLocator(fields.readText(Field::Text5));
    const bool invalid = problem1.has_value() || locatorIsInvalid(locator2);

    if (invalid) {
        fields.writeText(Field::Text3, Text());
        fields.writeText(Field::Text5, Text());
        fields.writeText(Field::Text6, Text(INVALID_RESULT));
    }

    const DecodedLocator station1 = decodeLocator(locator1);
    const DecodedLocator station2 = decodeLocator(locator2);
    fields.writeText(Field::Text7, coordinateText(station1.latitude));
    fields.writeText(Field::Text2, coordinateText(-station1.longitude));
    fields.writeText(Field::Text4, coordinateText(station2.latitude));
    fields.writeText(Field::Text8, coordinateText(-station2.longitude));

    if (invalid) {
        fields.writeText(Field::Text1, Text(INVALID_RESULT));
        fields.writeText(Field::Text6, Text(INVALID_RESULT));
        fields.writeText(Field::Text3, Text());
        fields.writeText(Field::Text5, Text());
    } else {
        const PathResult path = computePath(station1.latitude, station1.longitude,
                                            station2.latitude, station2.longitude);
        auto [azimuth, distance] = resultTexts(path);
        fields.writeText(Field::Text1, azimuth);
        fields.writeText(Field::Text6, distance);
        if (fields.readText(Field::Text3) == fields.readText(Field::Text5)) {
            fields.writeText(Field::Text1, asciiText("0"));
        }
    }

    fields.refreshNeedle();
}

}  // namespace velmoro
