// The command line of velmoro-path.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmoro::cli {

struct Options {
    enum class Mode {
        Window,     ///< the window's whole kilometres and degrees
        Contest,    ///< IARU Region 1 contest distance and points
        Wgs84,      ///< geodesic on the WGS84 ellipsoid
        ToLatLon,   ///< a locator's centre
        ToLocator,  ///< the locator of a point
    };

    Mode mode = Mode::Window;
    bool longPath = false;      ///< with the window's figures: the long path too
    bool rotctl = false;        ///< rotator commands instead of the table
    std::size_t precision = 6;  ///< characters of the locators --to-locator writes
    bool help = false;
    bool version = false;
    std::vector<std::string_view> operands;  ///< empty: read records from standard input

    /// Fields of one record: a pair of locators, one locator, or a latitude and a longitude.
    std::size_t fieldCount() const { return mode == Mode::ToLatLon ? 1 : 2; }
    /// The same in words, for messages.
    const char* recordDescription() const {
        switch (mode) {
            case Mode::ToLatLon:
                return "one locator";
            case Mode::ToLocator:
                return "a latitude and a longitude";
            default:
                return "two locators";
        }
    }
};

/// The options, or what is wrong with the command line.
std::variant<Options, std::string> parseOptions(std::span<const std::string_view> args);

}  // namespace velmoro::cli
