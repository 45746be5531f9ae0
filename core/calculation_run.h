// One calculation run: read the two locator fields, decide whether they are usable, compute the
// path and write every result text, in a fixed order, through a small field interface that the
// window implements and that an in-memory store implements for everything without a window.
#pragma once

#include <string_view>
#include <utility>

#include "core/path.h"
#include "core/text.h"

namespace velmoro {

/// The window's text fields, named by their controls. Text3 and Text5 hold the locators, Text6 the
/// distance, Text1 the azimuth; Text7, Text2, Text4 and Text8 are hidden and receive the decoded
/// coordinates.
enum class Field { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8 };

inline constexpr int FIELD_COUNT = 8;

/// What a run needs of the window.
class FieldInterface {
public:
    virtual ~FieldInterface() = default;
    virtual Text readText(Field field) const = 0;
    virtual void writeText(Field field, const Text& text) = 0;
    /// Turns the needle to the azimuth that Text1 shows.
    virtual void refreshNeedle() = 0;
    /// Tells the user that Locatore 1 is longer than a locator can be; returns when acknowledged.
    virtual void showNotice(const Text& message) = 0;
};

inline constexpr std::u32string_view INITIAL_TEXT = U"...";       ///< visible fields before any run
inline constexpr std::u32string_view INVALID_RESULT = U"??????";  ///< results of an unusable input
inline constexpr std::u32string_view LOCATOR1_TOO_LONG_NOTICE =
    U"Locatore 1 troppo lungo: al massimo 6 caratteri.";

/// A whole number as shown in the result fields: one leading space when not negative (" 476",
/// " 0"), "-" when negative; INVALID_RESULT for infinity or not a number.
Text formatStrNumber(double wholeNumber);

/// A coordinate for the hidden fields: up to 15 significant digits.
Text coordinateText(double degrees);

/// The azimuth and distance texts of a path; INVALID_RESULT in both when either is not finite.
std::pair<Text, Text> resultTexts(const PathResult& path);

/// Runs one calculation on the fields. Does nothing while Text5 shows INITIAL_TEXT. Otherwise
/// writes the coordinates and either the results (valid input) or INVALID_RESULT with both locator
/// fields emptied, and ends with a needle refresh.
void runCalculation(FieldInterface& fields);

}  // namespace velmoro
