#include "core/text.h"

#include <gtest/gtest.h>

namespace velmoro {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
    const Text text = U"JN45 é€😀";
    EXPECT_EQ(decodeUtf8(encodeUtf8(text)), text);
    EXPECT_EQ(decodeUtf8("jé45ab")->size(), 6u);
}

TEST(Utf8, RejectsMalformedBytes) {
    for (const char* bytes :
         {"\xC3", "\xC3(", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF", "\x80"}) {
        EXPECT_FALSE(decodeUtf8(bytes).has_value()) << "accepted " << testing::PrintToString(bytes);
    }
}

}  // namespace
}  // namespace velmoro
