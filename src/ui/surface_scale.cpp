#include <algorithm>
#include <vector>

#include "ui/surface.h"

namespace kavalto {
namespace {

// Where each of n source positions lands among m target positions; the
// step is a float as in the rest of the drawing code.
std::vector<int32_t> PositionMap(int32_t n, int32_t m) {
    std::vector<int32_t> map(static_cast<size_t>(n));
    const float step = static_cast<float>(m) / static_cast<float>(n);
    for (int32_t i = 0; i < n; ++i) {
        map[static_cast<size_t>(i)] = std::clamp(static_cast<int32_t>(static_cast<float>(i) * step), 0, m - 1);
    }
    return map;
}

// Fills the unfilled places of one line of pixels (count places, `at(i)`
// gives the i-th pixel's bytes) by linear interpolation between the nearest
// filled ones; before the first and after the last filled place the line
// repeats it.
template <typename At>
void FillGaps(int32_t count, const std::vector<uint8_t>& filled, At at) {
    int32_t previous = -1;
    for (int32_t i = 0; i <= count; ++i) {
        const bool isFilled = i < count && filled[static_cast<size_t>(i)];
        if (!isFilled && i < count) continue;
        const int32_t from = previous + 1;
        for (int32_t g = from; g < i; ++g) {
            uint8_t* p = at(g);
            if (previous < 0 && i < count) {
                std::copy_n(at(i), 3, p);
            } else if (i == count) {
                if (previous >= 0) std::copy_n(at(previous), 3, p);
            } else {
                const uint8_t* l = at(previous);
                const uint8_t* r = at(i);
                for (int c = 0; c < 3; ++c) {
                    p[c] = static_cast<uint8_t>(l[c] + (r[c] - l[c]) * (g - previous) / (i - previous));
                }
            }
        }
        previous = i;
    }
}

}  // namespace

void Scale(const Surface& source, Surface& target) {
    if (source.empty() || target.empty()) return;
    const std::vector<int32_t> columns = PositionMap(source.width, target.width);
    const std::vector<int32_t> rows = PositionMap(source.height, target.height);
    std::vector<uint8_t> hit(static_cast<size_t>(target.width) * static_cast<size_t>(target.height), 0);
    std::vector<uint8_t> columnFilled(static_cast<size_t>(target.width), 0);
    std::vector<uint8_t> rowFilled(static_cast<size_t>(target.height), 0);
    for (int32_t x : columns) columnFilled[static_cast<size_t>(x)] = 1;
    for (int32_t y : rows) rowFilled[static_cast<size_t>(y)] = 1;

    for (int32_t y = 0; y < source.height; ++y) {
        const int32_t ty = rows[static_cast<size_t>(y)];
        const uint8_t* from = source.Row(y);
        uint8_t* to = target.Row(ty);
        uint8_t* hitRow = hit.data() + static_cast<size_t>(ty) * static_cast<size_t>(target.width);
        for (int32_t x = 0; x < source.width; ++x) {
            const int32_t tx = columns[static_cast<size_t>(x)];
            const uint8_t* s = from + x * 3;
            uint8_t* t = to + tx * 3;
            if (hitRow[tx]) {
                for (int c = 0; c < 3; ++c) t[c] = static_cast<uint8_t>((t[c] + s[c]) / 2);
            } else {
                std::copy_n(s, 3, t);
                hitRow[tx] = 1;
            }
        }
    }

    if (std::find(columnFilled.begin(), columnFilled.end(), 0) != columnFilled.end()) {
        for (int32_t y = 0; y < target.height; ++y) {
            if (!rowFilled[static_cast<size_t>(y)]) continue;
            uint8_t* row = target.Row(y);
            FillGaps(target.width, columnFilled, [row](int32_t i) { return row + i * 3; });
        }
    }
    if (std::find(rowFilled.begin(), rowFilled.end(), 0) != rowFilled.end()) {
        for (int32_t x = 0; x < target.width; ++x) {
            FillGaps(target.height, rowFilled, [&target, x](int32_t i) { return target.Row(i) + x * 3; });
        }
    }
}

}  // namespace kavalto
