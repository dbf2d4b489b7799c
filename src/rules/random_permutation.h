// The draw's random numbers: 0 .. n-1, each once, in the order the C
// library's generator gives them. The generator state lives in the meet
// (meet.randomState) and starts at 1 when the program starts, so the same
// draws after a start give the same numbers.
#pragma once

#include <cstdint>
#include <vector>

#include "meet/meet_state.h"

namespace kavalto {

// The C library's rand(): state = state * 214013 + 2531011, bits 16..30.
int NextRandom(uint32_t& state);

struct RandomPermutation {
    int32_t count = 0;
    int32_t left = 0;            // numbers not yet given
    std::vector<uint8_t> used;
};

// False, with "Out of memory" once per program run, when the slots cannot
// be allocated; the permutation is then empty.
bool InitPermutation(MeetState& meet, RandomPermutation& permutation, int32_t count);

// The next free number; count - 1 once every number has been given.
int32_t NextInPermutation(MeetState& meet, RandomPermutation& permutation);

}  // namespace kavalto
