#include "cli/path_tool.h"

#include <cstring>
#include <optional>
#include <vector>

#include "core/locator.h"

namespace velmoro::cli {

namespace {

constexpr std::string_view USAGE =
    "Usage: velmoro-path LOCATOR1 LOCATOR2\n"
    "       velmoro-path [-] < PAIRS\n";

constexpr std::string_view HELP =
    "\n"
    "Great-circle distance in whole kilometres and antenna bearing in whole degrees\n"
    "clockwise from north, from LOCATOR1 (where the antenna stands) to LOCATOR2 (where\n"
    "it should point), with the figures of the Velmoro utility window. A locator is a\n"
    "Maidenhead grid locator of 6 characters, such as JN45LL; 4 characters stand for\n"
    "subsquare LL of that square. Lower case is accepted.\n"
    "\n"
    "With two locators, prints KM<TAB>AZ.\n"
    "Without them, or with -, reads pairs from standard input, one per line, the two\n"
    "locators separated by blanks or tabs; blank lines and lines starting with # are\n"
    "skipped. Prints LOC1<TAB>LOC2<TAB>KM<TAB>AZ for each pair, in input order; a pair\n"
    "with an invalid locator shows ?????? in both figures. Errors go to standard error\n"
    "with their line number.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when every pair had its result, 1 for an invalid locator or a\n"
    "malformed line, 2 for a wrong command line.\n"
    "\n"
    "Examples:\n"
    "  $ velmoro-path JN61FV JN45OL\n"
    "  476\t328\n"
    "  $ printf 'jn61fv jn45ol\\nJN45LL JO45LL\\n' | velmoro-path\n"
    "  JN61FV\tJN45OL\t476\t328\n"
    "  JN45LL\tJO45LL\t1109\t360\n";

constexpr std::size_t OUTPUT_FLUSH_BYTES = 1 << 16;  // write in blocks, not line by line
constexpr std::size_t READ_BLOCK_BYTES = 1 << 16;

void write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

/// The figure as the window shows it, less the leading space of non-negative numbers.
std::string_view figure(const Text& shown, std::string& scratch) {
    scratch.clear();
    appendUtf8(scratch, shown);
    std::string_view view = scratch;
    if (!view.empty() && view.front() == ' ') {
        view.remove_prefix(1);
    }
    return view;
}

/// What is wrong with a typed locator, as "locator N 'TEXT': reason", or nothing.
std::optional<std::string> locatorError(int number, const Text& upperCased) {
    const auto problem = findLocatorProblem(normaliseLocator(upperCased));
    if (!problem) {
        return std::nullopt;
    }
    return "locator " + std::to_string(number) + " '" + encodeUtf8(upperCased) +
           "': " + describeLocatorProblem(*problem);
}

/// Runs the window's calculation on two upper-cased locators that are known to be valid, and
/// appends KM<TAB>AZ to `out`.
void appendFigures(FieldStore& store, const Text& locator1, const Text& locator2,
                   std::string& out) {
    store.writeText(Field::Text3, locator1);
    store.writeText(Field::Text5, locator2);
    runCalculation(store);
    std::string scratch;
    out += figure(store.text(Field::Text6), scratch);
    out += '\t';
    out += figure(store.text(Field::Text1), scratch);
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

int runSingle(std::string_view arg1, std::string_view arg2, std::FILE* out, std::FILE* err) {
    const std::string_view args[] = {arg1, arg2};
    Text locators[2];
    bool valid = true;
    for (int i = 0; i < 2; ++i) {
        const auto decoded = decodeUtf8(args[i]);
        if (!decoded) {
            write(err, "velmoro-path: locator " + std::to_string(i + 1) + " is not valid UTF-8\n");
            valid = false;
            continue;
        }
        locators[i] = upperCaseText(*decoded);
        if (const auto error = locatorError(i + 1, locators[i])) {
            write(err, "velmoro-path: " + *error + "\n");
            valid = false;
        }
    }
    if (!valid) {
        return EXIT_INVALID;
    }
    FieldStore store;
    std::string line;
    appendFigures(store, locators[0], locators[1], line);
    line += '\n';
    write(out, line);
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

int runBatch(std::FILE* in, std::FILE* out, std::FILE* err) {
    BatchProcessor batch;
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
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>((*decoded)[i]));
            fail(std::string("control character ") + code + " at character " +
                 std::to_string(i + 1));
            return;
        }
    }
    const auto first = decoded->find_first_not_of(U" \t");
    if (first == Text::npos || (*decoded)[first] == U'#') {
        return;
    }
    const std::vector<Text> fields = splitFields(*decoded);
    if (fields.size() != 2) {
        fail("expected two locators, found " + std::to_string(fields.size()) +
             (fields.size() == 1 ? " field" : " fields"));
        return;
    }

    const Text locator1 = upperCaseText(fields[0]);
    const Text locator2 = upperCaseText(fields[1]);
    const auto error1 = locatorError(1, locator1);
    const auto error2 = locatorError(2, locator2);
    appendUtf8(output_, locator1);
    output_ += '\t';
    appendUtf8(output_, locator2);
    output_ += '\t';
    if (error1 || error2) {
        for (const auto& error : {error1, error2}) {
            if (error) {
                fail(*error);
            }
        }
        appendUtf8(output_, INVALID_RESULT);
        output_ += '\t';
        appendUtf8(output_, INVALID_RESULT);
    } else {
        appendFigures(store_, locator1, locator2, output_);
    }
    output_ += '\n';
}

int runPathTool(std::span<const std::string_view> args, std::FILE* in, std::FILE* out,
                std::FILE* err) {
    std::vector<std::string_view> operands;
    bool optionsEnded = false;
    for (const std::string_view arg : args) {
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            write(out, USAGE);
            write(out, HELP);
            return EXIT_OK;
        }
        if (!optionsEnded && (arg == "-V" || arg == "--version")) {
            write(out, "velmoro-path " VELMORO_VERSION "\n");
            return EXIT_OK;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            write(err, "velmoro-path: unknown option '" + std::string(arg) + "'\n");
            write(err, USAGE);
            return EXIT_USAGE;
        } else {
            operands.push_back(arg);
        }
    }
    if (operands.empty() || (operands.size() == 1 && operands[0] == "-")) {
        return runBatch(in, out, err);
    }
    if (operands.size() != 2) {
        write(err,
              "velmoro-path: expected two locators, or none to read pairs from standard input\n");
        write(err, USAGE);
        return EXIT_USAGE;
    }
    return runSingle(operands[0], operands[1], out, err);
}

}  // namespace velmoro::cli
