#include "cli/options.h"

namespace velmoro::cli {

namespace {

/// A negative number such as -12.5 is a value, not an option.
bool looksNumeric(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

const char* modeOption(Options::Mode mode) {
    switch (mode) {
        case Options::Mode::Window:
            return "";
        case Options::Mode::Contest:
            return "--contest";
        case Options::Mode::Wgs84:
            return "--wgs84";
        case Options::Mode::ToLatLon:
            return "--to-latlon";
        case Options::Mode::ToLocator:
            return "--to-locator";
    }
    return "";
}

}  // namespace

std::variant<Options, std::string> parseOptions(std::span<const std::string_view> args) {
    Options options;
    bool modeChosen = false;
    bool precisionGiven = false;
    bool optionsEnded = false;
    bool readStandardInput = false;

    auto chooseMode = [&](Options::Mode mode) -> std::string {
        if (modeChosen && options.mode != mode) {
            return std::string(
                       "choose one of --contest, --wgs84, --to-latlon and --to-locator, not ") +
                   modeOption(options.mode) + " and " + modeOption(mode);
        }
        modeChosen = true;
        options.mode = mode;
        return {};
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || looksNumeric(arg) || arg.empty() || arg[0] != '-') {
            options.operands.push_back(arg);
            continue;
        }
        std::string error;
        if (arg == "-") {
            readStandardInput = true;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-V" || arg == "--version") {
            options.version = true;
        } else if (arg == "--long-path") {
            options.longPath = true;
        } else if (arg == "--rotctl") {
            options.rotctl = true;
        } else if (arg == "--contest") {
            error = chooseMode(Options::Mode::Contest);
        } else if (arg == "--wgs84") {
            error = chooseMode(Options::Mode::Wgs84);
        } else if (arg == "--to-latlon") {
            error = chooseMode(Options::Mode::ToLatLon);
        } else if (arg == "--to-locator") {
            error = chooseMode(Options::Mode::ToLocator);
        } else if (arg == "--precision" || arg.starts_with("--precision=")) {
            std::string_view value;
            if (arg == "--precision") {
                if (i + 1 == args.size()) {
                    return std::string("--precision needs a value: 4, 6 or 8");
                }
                value = args[++i];
            } else {
                value = arg.substr(std::string_view("--precision=").size());
            }
            if (value != "4" && value != "6" && value != "8") {
                return "--precision takes 4, 6 or 8, not '" + std::string(value) + "'";
            }
            options.precision = static_cast<std::size_t>(value[0] - '0');
            precisionGiven = true;
        } else {
            return "unknown option '" + std::string(arg) + "'";
        }
        if (!error.empty()) {
            return error;
        }
    }
    if (options.help || options.version) {
        return options;
    }

    const bool windowFigures = options.mode == Options::Mode::Window;
    if (options.longPath && !windowFigures) {
        return std::string("--long-path goes with the window's figures, not with ") +
               modeOption(options.mode);
    }
    if (options.rotctl && !windowFigures) {
        return std::string("--rotctl goes with the window's figures, not with ") +
               modeOption(options.mode);
    }
    if (precisionGiven && options.mode != Options::Mode::ToLocator) {
        return std::string("--precision goes with --to-locator");
    }
    const std::size_t expected = options.fieldCount();
    const char* what = options.mode == Options::Mode::ToLatLon    ? "one locator"
                       : options.mode == Options::Mode::ToLocator ? "a latitude and a longitude"
                                                                  : "two locators";
    if (readStandardInput && !options.operands.empty()) {
        return std::string("- reads standard input: give no ") + what + " with it";
    }
    if (!options.operands.empty() && options.operands.size() != expected) {
        return "expected " + std::string(what) + ", or none to read them from standard input";
    }
    return options;
}

}  // namespace velmoro::cli
