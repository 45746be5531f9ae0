// A calculation run on arbitrary texts in both locator fields. It must never crash, and it must
// end either with both locator fields empty and "??????" in both results, or with a distance of
// 0 to 20100 km and an azimuth from "0" to " 360".
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/field_store.h"
#include "core/locator.h"
#include "fuzz_text.h"

namespace {

using velmoro::Field;
using velmoro::Text;

/// A well-formed locator, checked here without the code under test: six characters, or four
/// that stand for subsquare LL.
bool wellFormed(const Text& upperCased) {
    Text locator = upperCased;
    if (locator.size() == 4) {
        locator += U"LL";
    }
    if (locator.size() != 6) {
        return false;
    }
    auto within = [](char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; };
    return within(locator[0], 'A', 'R') && within(locator[1], 'A', 'R') &&
           within(locator[2], '0', '9') && within(locator[3], '0', '9') &&
           within(locator[4], 'A', 'X') && within(locator[5], 'A', 'X');
}

/// The whole number after the leading space of a result text, or -1 when it is not one.
long shownNumber(const Text& text) {
    if (text.size() < 2 || text.size() > 7 || text[0] != U' ') {
        return -1;
    }
    long value = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] < U'0' || text[i] > U'9') {
            return -1;
        }
        value = value * 10 + (text[i] - U'0');
    }
    return value;
}

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = velmoro::fuzz::bytesOf(data, size);
    const std::size_t split = bytes.find('\n');
    // Typing upper-cases the locator fields, so they always hold upper-cased texts.
    const Text locator1 =
        velmoro::upperCaseText(velmoro::fuzz::textFromBytes(bytes.substr(0, split)));
    const Text locator2 = velmoro::upperCaseText(velmoro::fuzz::textFromBytes(
        split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1)));

    velmoro::FieldStore fields;
    fields.writeText(Field::Text3, locator1);
    fields.writeText(Field::Text5, locator2);
    velmoro::runCalculation(fields);

    if (locator2 == velmoro::INITIAL_TEXT) {
        require(fields.text(Field::Text6) == velmoro::INITIAL_TEXT);
        require(fields.text(Field::Text1) == velmoro::INITIAL_TEXT);
    } else if (!wellFormed(locator1) || !wellFormed(locator2)) {
        require(fields.text(Field::Text3).empty() && fields.text(Field::Text5).empty());
        require(fields.text(Field::Text6) == velmoro::INVALID_RESULT);
        require(fields.text(Field::Text1) == velmoro::INVALID_RESULT);
    } else {
        const long km = shownNumber(fields.text(Field::Text6));
        require(km >= 0 && km <= 20100);
        const Text& azimuth = fields.text(Field::Text1);
        const long degrees = shownNumber(azimuth);
        require(azimuth == U"0" || (degrees >= 0 && degrees <= 360));
    }
    return 0;
}
