// What velmoro-path computes for one record: a pair of locators, one locator, or a point.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/options.h"
#include "core/field_store.h"

namespace velmoro::cli {

/// The result columns of one record, or what is wrong with its input.
struct Outcome {
    std::string columns;                ///< tab-separated results, or a rotator command
    std::vector<std::string> problems;  ///< empty when the input was good
};

class Calculator {
public:
    explicit Calculator(const Options& options) : options_(options) {}

    /// Computes one record from exactly options.fieldCount() fields.
    Outcome compute(std::span<const Text> fields);
    /// The input as a result line repeats it: locators upper-cased, numbers as given.
    std::string echo(std::span<const Text> fields) const;
    /// "??????" in every result column, for a record whose input is invalid.
    std::string invalidColumns() const;

private:
    Outcome windowFigures(const Text& locator1, const Text& locator2);
    Outcome pointPair(const Text& locator1, const Text& locator2);
    Outcome toLatLon(const Text& locator);
    Outcome toLocator(const Text& latitude, const Text& longitude);

    Options options_;
    FieldStore store_;
};

}  // namespace velmoro::cli
