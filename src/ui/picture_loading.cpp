#include <QImage>
#include <algorithm>
#include <new>

#include "meet/notifier.h"
#include "ui/picture.h"
#include "ui/picture_ids.h"

// The pictures live in a static library: nothing would pull the resource
// object into the program unless it is named.
static void InitPictureResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(kavalto);
        return true;
    }();
    (void)done;
}

namespace kavalto {

void RegisterPictureResources() { InitPictureResources(); }

Picture PictureFromImage(const QImage& image, Notifier& notifier) {
    Picture picture;
    if (image.isNull() || image.width() <= 0 || image.height() <= 0 || image.width() > kLargestPictureSide ||
        image.height() > kLargestPictureSide) {
        return picture;
    }
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    if (bgr.isNull()) {
        ReportOutOfMemory(notifier);
        return picture;
    }
    const int32_t width = bgr.width();
    const int32_t height = bgr.height();
    try {
        picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory(notifier);
        return Picture{};
    }
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int32_t y = 0; y < height; ++y) {
        std::copy_n(bgr.constScanLine(y), rowBytes, picture.pixels.data() + static_cast<size_t>(y) * rowBytes);
    }
    picture.width = width;
    picture.height = height;
    return picture;
}

Picture LoadPicture(int32_t pictureId, Notifier& notifier) {
    RegisterPictureResources();
    const char* resource = PictureResource(pictureId);
    if (resource == nullptr) return Picture{};
    return PictureFromImage(QImage(QString::fromLatin1(resource)), notifier);
}

}  // namespace kavalto
