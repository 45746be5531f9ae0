// velmoro-path's batch reader on arbitrary bytes: never a crash, and exactly one output line of
// four columns for each well-formed pair line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/path_tool.h"
#include "fuzz_text.h"

namespace {

bool isControl(char32_t c) {
    return (c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F);
}

/// Whether a line holds exactly two blank-separated fields and nothing the reader rejects.
bool isPairLine(std::string_view line) {
    if (line.size() > velmoro::cli::MAX_LINE_BYTES) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const auto text = velmoro::decodeUtf8(line);
    if (!text) {
        return false;
    }
    int fields = 0;
    bool inField = false;
    for (char32_t c : *text) {
        if (isControl(c)) {
            return false;
        }
        const bool blank = c == U' ' || c == U'\t';
        if (!blank && !inField) {
            if (fields == 0 && c == U'#') {
                return false;
            }
            ++fields;
        }
        inField = !blank;
    }
    return fields == 2;
}

std::size_t expectedLines(std::string_view input) {
    std::size_t pairs = 0;
    while (!input.empty()) {
        const std::size_t newline = input.find('\n');
        pairs += isPairLine(input.substr(0, newline));
        input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
    }
    return pairs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = velmoro::fuzz::bytesOf(data, size);
    std::string buffer(input);
    // fmemopen cannot open an empty buffer; an empty input is an empty file.
    std::FILE* in =
        buffer.empty() ? std::fopen("/dev/null", "r") : fmemopen(buffer.data(), buffer.size(), "r");
    char* outData = nullptr;
    std::size_t outSize = 0;
    std::FILE* out = open_memstream(&outData, &outSize);
    std::FILE* err = std::fopen("/dev/null", "w");
    velmoro::cli::runPathTool({}, in, out, err);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);

    const std::string_view output(outData, outSize);
    std::size_t lines = 0;
    for (std::size_t start = 0; start < output.size();) {
        const std::size_t end = output.find('\n', start);
        if (end == std::string_view::npos) {
            std::abort();  // every output line ends with a newline
        }
        const std::string_view line = output.substr(start, end - start);
        std::size_t tabs = 0;
        for (char c : line) {
            tabs += c == '\t';
        }
        if (tabs != 3) {
            std::abort();
        }
        ++lines;
        start = end + 1;
    }
    std::free(outData);
    if (lines != expectedLines(input)) {
        std::abort();
    }
    return 0;
}
