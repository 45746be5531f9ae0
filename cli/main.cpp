#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/path_tool.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return velmoro::cli::runPathTool(args, stdin, stdout, stderr);
}
