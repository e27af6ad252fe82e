#include "bench/sample_indexes.h"

#include <random>

namespace bench_disc {

std::vector<int> SpreadIndexes(int size, int count) {
    std::vector<int> indexes;
    indexes.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        indexes.push_back(static_cast<int>(static_cast<long long>(k) * size / count));
    return indexes;
}

std::vector<int> RandomIndexes(int size, int count) {
    std::mt19937 random(20240315);
    std::uniform_int_distribution<int> pick(0, size - 1);
    std::vector<int> indexes;
    indexes.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        indexes.push_back(pick(random));
    return indexes;
}

} // namespace bench_disc
