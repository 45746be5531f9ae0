// Starts the Velmoro window and a minimal window of as many plain controls in turn, many times,
// and compares the median time from process start to the window shown, and the median resident
// memory once shown.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int ROUNDS = 21;  // odd, for a true median

struct Sample {
    double ms;
    long kilobytes;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

Sample probe(const char* program) {
    int output[2];
    if (pipe(output) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        environment.emplace_back(*variable);
    }
    const long long start = monotonicNanoseconds();
    environment.push_back("VELMORO_PROBE_START_NS=" + std::to_string(start));
    std::vector<char*> envp;
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);

    pid_t child = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&child, program, &actions, nullptr, argv, envp.data()) != 0) {
        std::perror(program);
        std::exit(1);
    }
    close(output[1]);
    char line[128] = {};
    const ssize_t got = read(output[0], line, sizeof line - 1);
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    Sample sample{};
    if (got <= 0 || std::sscanf(line, "%lf %ld", &sample.ms, &sample.kilobytes) != 2) {
        std::fprintf(stderr, "%s reported nothing\n", program);
        std::exit(1);
    }
    return sample;
}

template <typename T>
T median(std::vector<T> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    std::vector<double> velmoroMs, minimalMs;
    std::vector<long> velmoroKb, minimalKb;
    for (int round = 0; round < ROUNDS; ++round) {
        const Sample velmoro = probe(VELMORO_PROBE);
        const Sample minimal = probe(MINIMAL_PROBE);
        velmoroMs.push_back(velmoro.ms);
        velmoroKb.push_back(velmoro.kilobytes);
        minimalMs.push_back(minimal.ms);
        minimalKb.push_back(minimal.kilobytes);
    }
    const double shownVelmoro = median(velmoroMs);
    const double shownMinimal = median(minimalMs);
    const double memoryVelmoro = median(velmoroKb) / 1024.0;
    const double memoryMinimal = median(minimalKb) / 1024.0;
    std::printf("medians of %d starts      Velmoro  minimal  ratio (target: at most 1.25)\n",
                ROUNDS);
    std::printf("start to window shown    %6.1f ms %6.1f ms  %.2f\n", shownVelmoro, shownMinimal,
                shownVelmoro / shownMinimal);
    std::printf("resident memory shown    %6.1f MB %6.1f MB  %.2f\n", memoryVelmoro, memoryMinimal,
                memoryVelmoro / memoryMinimal);
    return 0;
}
