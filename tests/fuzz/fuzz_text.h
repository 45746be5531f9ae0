// Turns fuzzer bytes into field texts: UTF-8 where the bytes are UTF-8, otherwise one character
// per byte, so that both ASCII and other scripts reach the code under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace velmoro::fuzz {

inline Text textFromBytes(std::string_view bytes) {
    if (auto decoded = decodeUtf8(bytes)) {
        return *decoded;
    }
    Text text;
    for (unsigned char byte : bytes) {
        text.push_back(byte);
    }
    return text;
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace velmoro::fuzz
