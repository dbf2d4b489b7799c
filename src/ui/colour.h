// A 24-bit colour as the program names them: red, green, blue.
#pragma once

#include <cstdint>

namespace kavalto {

struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace kavalto
