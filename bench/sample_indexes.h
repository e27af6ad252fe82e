#pragma once

#include <vector>

namespace bench_disc {

// `count` indexes spread evenly over [0, size): the same number of distinct places at every
// size, so that a lookup measured at 1,000 and at 1,000,000 touches as much memory either way
// and what differs is only the size it looks in.
std::vector<int> SpreadIndexes(int size, int count);

// `count` indexes drawn at random (fixed seed) from [0, size): every lookup may miss the caches.
std::vector<int> RandomIndexes(int size, int count);

} // namespace bench_disc
