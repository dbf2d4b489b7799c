// A rectangle of a surface as a Qt image, for copying it to the window and
// for saving a picture of the screen.
#pragma once

#include <QImage>

#include "ui/colour.h"
#include "ui/surface.h"

namespace kavalto {

// The part of the rectangle inside the surface, top row first, in the
// window's native format; a null image when nothing of it lies inside.
QImage SurfaceImage(const Surface& surface, const Rect& rect);
QImage SurfaceImage(const Surface& surface);

}  // namespace kavalto
