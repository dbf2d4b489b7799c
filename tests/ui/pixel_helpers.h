// Small surfaces and pictures for the pixel tests.
#pragma once

#include <initializer_list>
#include <ostream>
#include <vector>

#include "ui/picture.h"
#include "ui/surface.h"

namespace kavalto {

inline std::ostream& operator<<(std::ostream& out, const Colour& c) {
    return out << "(" << int{c.red} << ", " << int{c.green} << ", " << int{c.blue} << ")";
}

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "[" << r.x << ", " << r.y << " " << r.width << " x " << r.height << "]";
}

}  // namespace kavalto

namespace kavalto::test {

inline Surface FilledSurface(int32_t width, int32_t height, Colour colour) {
    Surface s;
    Create(s, width, height);
    Fill(s, colour);
    return s;
}

// Rows top-down, as a picture stores them.
inline Picture MakePicture(std::initializer_list<std::initializer_list<Colour>> rows) {
    Picture p;
    p.height = static_cast<int32_t>(rows.size());
    p.width = static_cast<int32_t>(rows.begin()->size());
    for (const auto& row : rows) {
        for (const Colour& c : row) {
            p.pixels.push_back(c.blue);
            p.pixels.push_back(c.green);
            p.pixels.push_back(c.red);
        }
    }
    return p;
}

}  // namespace kavalto::test
