// Text as the user sees it: one element per character, so that lengths and positions count
// characters and not bytes, whatever script the user types in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmoro {

/// A field text, one Unicode code point per element.
using Text = std::u32string;

/// Decodes UTF-8; nothing when the bytes are not well-formed UTF-8 (overlong forms, surrogates
/// and code points above U+10FFFF included).
std::optional<Text> decodeUtf8(std::string_view bytes);

/// Encodes a text as UTF-8; a code point that cannot be encoded becomes U+FFFD.
std::string encodeUtf8(std::u32string_view text);

/// Appends the UTF-8 form of a text to `out`, for writers that reuse one buffer.
void appendUtf8(std::string& out, std::u32string_view text);

/// A character's Unicode name for messages, such as "U+00D1".
std::string codePointName(char32_t c);

/// The text of a string of ASCII characters.
Text asciiText(std::string_view ascii);

}  // namespace velmoro
