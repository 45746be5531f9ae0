// velmoro-path: the window's distance and bearing from the command line, and more, for one record
// given as arguments or for a stream of records on standard input.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "cli/calculator.h"
#include "cli/options.h"

namespace velmoro::cli {

inline constexpr int EXIT_OK = 0;       ///< every record had its result
inline constexpr int EXIT_INVALID = 1;  ///< an invalid input or a malformed line
inline constexpr int EXIT_USAGE = 2;    ///< the command line itself was wrong

/// Lines longer than this are rejected unread, which keeps memory bounded.
inline constexpr std::size_t MAX_LINE_BYTES = 4096;

/// Runs the tool on its arguments (without the program name).
int runPathTool(std::span<const std::string_view> args, std::FILE* in, std::FILE* out,
                std::FILE* err);

/// Reads records line by line and writes one result line per well-formed record. Lines with
/// something wrong get a message that names their number.
class BatchProcessor {
public:
    explicit BatchProcessor(const Options& options) : options_(options), calculator_(options) {}

    /// Handles one line, without its line terminator. `line` may hold any bytes.
    void processLine(std::string_view line);
    /// Counts a line too long to hold as bad, without looking at it.
    void rejectOverlongLine();
    /// Output and messages waiting to be written.
    std::string& output() { return output_; }
    std::string& errors() { return errors_; }
    /// Whether every line so far was good.
    bool allGood() const { return allGood_; }

private:
    void fail(std::string_view message);

    Options options_;
    Calculator calculator_;
    std::size_t lineNumber_ = 0;
    bool allGood_ = true;
    std::string output_;
    std::string errors_;
};

}  // namespace velmoro::cli
