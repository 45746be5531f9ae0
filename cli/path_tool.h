// velmoro-path: the window's distance and bearing from the command line, for one pair of
// locators or for a stream of pairs.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "core/field_store.h"

namespace velmoro::cli {

inline constexpr int EXIT_OK = 0;       ///< every pair had its result
inline constexpr int EXIT_INVALID = 1;  ///< an invalid locator or a malformed line
inline constexpr int EXIT_USAGE = 2;    ///< the command line itself was wrong

/// Runs the tool on its arguments (without the program name).
int runPathTool(std::span<const std::string_view> args, std::FILE* in, std::FILE* out,
                std::FILE* err);

/// Reads pairs line by line and writes one result line per well-formed pair. Lines with
/// something wrong get a message on `err` that names their number. Memory stays bounded by the
/// longest accepted line, whatever the input's size.
class BatchProcessor {
public:
    /// Handles one line, without its line terminator. `line` may hold any bytes.
    void processLine(std::string_view line);
    /// Output waiting to be written, and messages waiting to be written.
    std::string& output() { return output_; }
    std::string& errors() { return errors_; }
    /// Whether every line so far was good.
    bool allGood() const { return allGood_; }
    /// Counts a line too long to hold as bad, without looking at it.
    void rejectOverlongLine();

private:
    void fail(std::string_view message);

    FieldStore store_;
    std::size_t lineNumber_ = 0;
    bool allGood_ = true;
    std::string output_;
    std::string errors_;
};

/// Lines longer than this are rejected unread, which keeps memory bounded.
inline constexpr std::size_t MAX_LINE_BYTES = 4096;

}  // namespace velmoro::cli
