#include "rules/random_permutation.h"

#include <new>

namespace kavalto {

int NextRandom(uint32_t& state) {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}

bool InitPermutation(MeetState& meet, RandomPermutation& permutation, int32_t count) {
    permutation = RandomPermutation{};
    if (count < 0) count = 0;
    try {
        permutation.used.assign(static_cast<size_t>(count), 0);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory(*meet.notifier);
        return false;
    }
    permutation.count = count;
    permutation.left = count;
    return true;
}

int32_t NextInPermutation(MeetState& meet, RandomPermutation& permutation) {
    if (permutation.left <= 0) return permutation.count - 1;
    for (;;) {
        const int r = NextRandom(meet.randomState);
        const auto i = static_cast<size_t>(static_cast<double>(permutation.count) * r / 32768.0);
        if (permutation.used[i] == 0) {
            permutation.used[i] = 1;
            --permutation.left;
            return static_cast<int32_t>(i);
        }
    }
}

}  // namespace kavalto
