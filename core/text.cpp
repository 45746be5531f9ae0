#include "core/text.h"

#include <cstdio>

namespace velmoro {

namespace {

constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;  // stands for what cannot be encoded
constexpr char32_t LAST_CODE_POINT = 0x10FFFF;      // Unicode ends here
constexpr char32_t FIRST_SURROGATE = 0xD800;        // surrogates are no characters of their own
constexpr char32_t LAST_SURROGATE = 0xDFFF;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::optional<Text> decodeUtf8(std::string_view bytes) {
    Text text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;  // anything below it is an overlong form
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i < length) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!isContinuation(next)) {
                return std::nullopt;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < smallest || codePoint > LAST_CODE_POINT ||
            (codePoint >= FIRST_SURROGATE && codePoint <= LAST_SURROGATE)) {
            return std::nullopt;
        }
        text.push_back(codePoint);
        i += length;
    }
    return text;
}

void appendUtf8(std::string& out, std::u32string_view text) {
    for (char32_t c : text) {
        if (c > LAST_CODE_POINT || (c >= FIRST_SURROGATE && c <= LAST_SURROGATE)) {
            c = REPLACEMENT_CHARACTER;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    appendUtf8(out, text);
    return out;
}

std::string codePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

Text asciiText(std::string_view ascii) {
    return Text(ascii.begin(), ascii.end());
}

}  // namespace velmoro
