// Core texts written as UTF-8 literals in tests.
#pragma once

#include <ostream>

#include "core/text.h"

namespace velmoro {

inline Text t(const char* utf8) {
    return decodeUtf8(utf8).value();
}

namespace {

/// Names a table row after its `name` member in test listings and failure messages.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace

}  // namespace velmoro
