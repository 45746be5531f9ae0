#include "cli/path_tool.h"

#include <vector>

namespace velmoro::cli {

namespace {

constexpr std::string_view USAGE =
    "Usage: velmoro-path [--long-path] [--rotctl] LOCATOR1 LOCATOR2\n"
    "       velmoro-path --contest | --wgs84 LOCATOR1 LOCATOR2\n"
    "       velmoro-path --to-latlon LOCATOR\n"
    "       velmoro-path --to-locator [--precision 4|6|8] LATITUDE LONGITUDE\n"
    "       velmoro-path [OPTIONS] [-] < RECORDS\n";

constexpr std::string_view HELP =
    "\n"
    "Great-circle distance in whole kilometres and antenna bearing in whole degrees\n"
    "clockwise from north, from LOCATOR1 (where the antenna stands) to LOCATOR2 (where\n"
    "it should point), with the figures of the Velmoro utility window. A locator is a\n"
    "Maidenhead grid locator of 6 characters, such as JN45LL; 4 characters stand for\n"
    "subsquare LL of that square. Lower case is accepted.\n"
    "\n"
    "With two locators, prints KM<TAB>AZ.\n"
    "Without them, or with -, reads records from standard input, one per line, their\n"
    "fields separated by blanks or tabs; blank lines and lines starting with # are\n"
    "skipped. Prints each record's fields (locators upper-cased) and its results,\n"
    "tab-separated, in input order; a record with an invalid field shows ?????? in its\n"
    "results. Errors go to standard error with their line number.\n"
    "\n"
    "Options:\n"
    "  --long-path      add the long path: KM AZ LONG_KM LONG_AZ, the long way round\n"
    "                   the same great circle, its bearing opposite the short one\n"
    "  --contest        instead, the IARU Region 1 VHF/UHF contest distance between\n"
    "                   the locators' centres, 111.2 km per degree, with two decimals,\n"
    "                   and the points: one per kilometre commenced (KM POINTS)\n"
    "  --wgs84          instead, the geodesic on the WGS84 ellipsoid between the\n"
    "                   locators' centres: km and initial bearing, one decimal each\n"
    "  --to-latlon      print the latitude and longitude of a locator's centre, six\n"
    "                   decimals, north and east positive (LAT LON)\n"
    "  --to-locator     print the locator of a point: LATITUDE -90 to 90 and\n"
    "                   LONGITUDE -180 to 180, decimal degrees, north and east positive\n"
    "  --precision N    characters of the locator --to-locator prints: 4, 6 (the\n"
    "                   default) or 8\n"
    "  --rotctl         print a rotator command 'P AZ 0' per pair instead (AZ 0 to 359;\n"
    "                   the long-path bearing with --long-path), for rotctl\n"
    "  -h, --help       show this help and exit\n"
    "  -V, --version    show the version and exit\n"
    "\n"
    "--contest, --wgs84 and --to-latlon also take 8-character locators such as\n"
    "JN45LL27, whose two more digits cut the subsquare 10 by 10.\n"
    "\n"
    "Exit status: 0 when every record had its result, 1 for an invalid input or a\n"
    "malformed line, 2 for a wrong command line.\n"
    "\n"
    "Examples:\n"
    "  $ velmoro-path JN61FV JN45OL\n"
    "  476\t328\n"
    "  $ velmoro-path --long-path JN61FV JN45OL\n"
    "  476\t328\t39465\t148\n"
    "  $ velmoro-path --contest JO55WW JO65FR\n"
    "  43.17\t44\n"
    "  $ velmoro-path --wgs84 JN61FV JN45OL\n"
    "  476.5\t327.8\n"
    "  $ velmoro-path --to-latlon JN45LL\n"
    "  45.479167\t8.958333\n"
    "  $ velmoro-path --to-locator --precision 8 41.9028 12.4964\n"
    "  JN61FV96\n"
    "  $ printf 'jn61fv jn45ol\\nJN45LL JO45LL\\n' | velmoro-path\n"
    "  JN61FV\tJN45OL\t476\t328\n"
    "  JN45LL\tJO45LL\t1109\t360\n"
    "  $ velmoro-path --rotctl JN61FV JN45OL | rotctl -m 1 -\n";

constexpr std::size_t OUTPUT_FLUSH_BYTES = 1 << 16;  // write in blocks, not line by line
constexpr std::size_t READ_BLOCK_BYTES = 1 << 16;

void write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

bool isControlCharacter(char32_t c) {
    return (c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F);
}

bool isSeparator(char32_t c) {
    return c == U' ' || c == U'\t';
}

std::vector<Text> splitFields(const Text& line) {
    std::vector<Text> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) {
            ++i;
        }
        if (i > start) {
            fields.emplace_back(line, start, i - start);
        }
    }
    return fields;
}

int runSingle(const Options& options, std::FILE* out, std::FILE* err) {
    std::vector<Text> fields;
    for (std::size_t i = 0; i < options.operands.size(); ++i) {
        auto decoded = decodeUtf8(options.operands[i]);
        if (!decoded) {
            write(err, "velmoro-path: argument " + std::to_string(i + 1) + " is not valid UTF-8\n");
            return EXIT_INVALID;
        }
        fields.push_back(std::move(*decoded));
    }
    Calculator calculator(options);
    const Outcome outcome = calculator.compute(fields);
    for (const std::string& problem : outcome.problems) {
        write(err, "velmoro-path: " + problem + "\n");
    }
    if (!outcome.problems.empty()) {
        return EXIT_INVALID;
    }
    write(out, outcome.columns + "\n");
    return EXIT_OK;
}

/// Splits a stream into lines without their newline, holding at most MAX_LINE_BYTES of a line.
class LineReader {
public:
    enum class Status { Line, Overlong, End };

    explicit LineReader(std::FILE* in) : in_(in), block_(READ_BLOCK_BYTES) {}

    /// The next line; `line` stays valid until the next call.
    Status next(std::string_view& line) {
        if (lineDone_) {
            pending_.clear();
            overlong_ = false;
            lineDone_ = false;
        }
        while (true) {
            if (rest_.empty()) {
                const std::size_t got = std::fread(block_.data(), 1, block_.size(), in_);
                if (got == 0) {
                    const bool lastLineOpen = !pending_.empty() || overlong_;
                    return lastLineOpen ? finish(line) : Status::End;
                }
                rest_ = std::string_view(block_.data(), got);
            }
            const std::size_t newline = rest_.find('\n');
            const std::string_view part = rest_.substr(0, newline);
            rest_.remove_prefix(newline == std::string_view::npos ? rest_.size() : newline + 1);
            keep(part);
            if (newline != std::string_view::npos) {
                return finish(line);
            }
        }
    }

private:
    void keep(std::string_view part) {
        if (overlong_ || pending_.size() + part.size() > MAX_LINE_BYTES) {
            overlong_ = true;
            pending_.clear();
        } else {
            pending_.append(part);
        }
    }

    Status finish(std::string_view& line) {
        lineDone_ = true;
        line = pending_;
        return overlong_ ? Status::Overlong : Status::Line;
    }

    std::FILE* in_;
    std::vector<char> block_;
    std::string_view rest_;
    std::string pending_;
    bool overlong_ = false;
    bool lineDone_ = false;
};

int runBatch(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err) {
    BatchProcessor batch(options);
    LineReader reader(in);
    std::string_view line;
    for (auto status = reader.next(line); status != LineReader::Status::End;
         status = reader.next(line)) {
        if (status == LineReader::Status::Overlong) {
            batch.rejectOverlongLine();
        } else {
            batch.processLine(line);
        }
        if (batch.output().size() >= OUTPUT_FLUSH_BYTES || !batch.errors().empty()) {
            write(out, batch.output());
            batch.output().clear();
        }
        if (!batch.errors().empty()) {
            std::fflush(out);  // keeps messages beside the output lines they follow
            write(err, batch.errors());
            batch.errors().clear();
        }
    }
    write(out, batch.output());
    std::fflush(out);
    if (std::ferror(in)) {
        write(err, "velmoro-path: error reading standard input\n");
        return EXIT_INVALID;
    }
    return batch.allGood() ? EXIT_OK : EXIT_INVALID;
}

}  // namespace

void BatchProcessor::fail(std::string_view message) {
    allGood_ = false;
    errors_ += "velmoro-path: line ";
    errors_ += std::to_string(lineNumber_);
    errors_ += ": ";
    errors_ += message;
    errors_ += '\n';
}

void BatchProcessor::rejectOverlongLine() {
    ++lineNumber_;
    fail("line longer than " + std::to_string(MAX_LINE_BYTES) + " bytes");
}

void BatchProcessor::processLine(std::string_view line) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const auto decoded = decodeUtf8(line);
    if (!decoded) {
        fail("not valid UTF-8");
        return;
    }
    for (std::size_t i = 0; i < decoded->size(); ++i) {
        if (isControlCharacter((*decoded)[i])) {
            fail("control character " + codePointName((*decoded)[i]) + " at character " +
                 std::to_string(i + 1));
            return;
        }
    }
    const auto first = decoded->find_first_not_of(U" \t");
    if (first == Text::npos || (*decoded)[first] == U'#') {
        return;
    }
    const std::vector<Text> fields = splitFields(*decoded);
    if (fields.size() != options_.fieldCount()) {
        fail(std::string("expected ") + options_.recordDescription() + ", found " +
             std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields"));
        return;
    }

    const Outcome outcome = calculator_.compute(fields);
    for (const std::string& problem : outcome.problems) {
        fail(problem);
    }
    if (options_.rotctl) {
        // A rotator gets commands only: a pair without a bearing gets none.
        if (outcome.problems.empty()) {
            output_ += outcome.columns;
            output_ += '\n';
        }
        return;
    }
    output_ += calculator_.echo(fields);
    output_ += '\t';
    output_ += outcome.problems.empty() ? outcome.columns : calculator_.invalidColumns();
    output_ += '\n';
}

int runPathTool(std::span<const std::string_view> args, std::FILE* in, std::FILE* out,
                std::FILE* err) {
    const auto parsed = parseOptions(args);
    if (const auto* usageError = std::get_if<std::string>(&parsed)) {
        write(err, "velmoro-path: " + *usageError + "\n");
        write(err, USAGE);
        write(err, "Try 'velmoro-path --help' for more information.\n");
        return EXIT_USAGE;
    }
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        write(out, USAGE);
        write(out, HELP);
        return EXIT_OK;
    }
    if (options.version) {
        write(out, "velmoro-path " VELMORO_VERSION "\n");
        return EXIT_OK;
    }
    return options.operands.empty() ? runBatch(options, in, out, err)
                                    : runSingle(options, out, err);
}

}  // namespace velmoro::cli
