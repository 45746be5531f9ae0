// Random well-formed locators, the same on every run, for the benchmarks.
#pragma once

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace velmoro::bench {

class RandomLocators {
public:
    std::string next() {
        return std::string{pick('A', 'R'), pick('A', 'R'), pick('0', '9'),
                           pick('0', '9'), pick('A', 'X'), pick('A', 'X')};
    }

private:
    char pick(char first, char last) {
        return static_cast<char>(std::uniform_int_distribution<int>(first, last)(generator_));
    }

    std::mt19937 generator_{20261211};  // fixed, so that every run times the same pairs
};

inline std::vector<std::pair<std::string, std::string>> randomLocatorPairs(std::size_t count) {
    RandomLocators locators;
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string first = locators.next();
        pairs.emplace_back(std::move(first), locators.next());
    }
    return pairs;
}

}  // namespace velmoro::bench
