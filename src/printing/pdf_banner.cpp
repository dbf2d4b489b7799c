#include "printing/pdf_banner.h"

#include <cstddef>

namespace kavalto {
namespace {

struct Pixel {
    int b, g, r;
};

Pixel Lerp(const Pixel& a, const Pixel& c, int step, int steps) {
    return {a.b + (c.b - a.b) * step / steps, a.g + (c.g - a.g) * step / steps, a.r + (c.r - a.r) * step / steps};
}

// Fills the unfilled places of a line of n places (stride apart) between
// filled ones; after the last filled place it is repeated.
void FillLine(std::vector<Pixel>& pixels, std::vector<uint8_t>& filled, size_t start, size_t stride, int n) {
    int last = -1;
    for (int i = 0; i < n; ++i) {
        const size_t at = start + static_cast<size_t>(i) * stride;
        if (filled[at] == 0) continue;
        if (last >= 0 && i - last > 1) {
            const Pixel& left = pixels[start + static_cast<size_t>(last) * stride];
            for (int k = last + 1; k < i; ++k) {
                const size_t to = start + static_cast<size_t>(k) * stride;
                pixels[to] = Lerp(left, pixels[at], k - last, i - last);
                filled[to] = 1;
            }
        }
        last = i;
    }
    if (last < 0) return;
    for (int k = last + 1; k < n; ++k) {
        const size_t to = start + static_cast<size_t>(k) * stride;
        pixels[to] = pixels[start + static_cast<size_t>(last) * stride];
        filled[to] = 1;
    }
}

}  // namespace

FittedSize FitPdfBanner(int bannerWidth, int bannerHeight, int pageWidth, int pageHeight) {
    if (bannerWidth <= 0 || bannerHeight <= 0) return {};
    const int64_t boxWidth = pageWidth - 20;
    const int64_t boxHeight = pageHeight / 20;
    const int64_t b = int64_t{bannerHeight} * boxWidth / bannerWidth;
    int64_t width = boxWidth;
    int64_t height = b;
    if (boxHeight < b) {
        height = boxHeight;
        width = int64_t{bannerWidth} * boxHeight / bannerHeight;
    }
    width -= width % 16;
    if (width <= 0 || height <= 0) return {};
    return {static_cast<int>(width), static_cast<int>(height)};
}

SponsorBanner ScaleBanner(const SponsorBanner& source, int width, int height) {
    SponsorBanner out;
    out.width = width;
    out.height = height;
    out.pixels.assign(static_cast<size_t>(out.stride() * height), 0);
    const int sw = source.width;
    const int sh = source.height;
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0 ||
        source.pixels.size() < static_cast<size_t>(source.stride() * sh)) {
        return out;
    }
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<Pixel> pixels(count);
    std::vector<uint8_t> filled(count, 0);
    const float stepX = static_cast<float>(width) / static_cast<float>(sw);
    const float stepY = static_cast<float>(height) / static_cast<float>(sh);
    for (int sy = 0; sy < sh; ++sy) {
        int dy = static_cast<int>(static_cast<float>(sy) * stepY);
        if (dy >= height) dy = height - 1;
        const uint8_t* row = source.pixels.data() + static_cast<size_t>(source.stride() * sy);
        for (int sx = 0; sx < sw; ++sx) {
            int dx = static_cast<int>(static_cast<float>(sx) * stepX);
            if (dx >= width) dx = width - 1;
            const Pixel p{row[3 * sx], row[3 * sx + 1], row[3 * sx + 2]};
            const size_t at = static_cast<size_t>(dy) * static_cast<size_t>(width) + static_cast<size_t>(dx);
            if (filled[at] != 0) {
                pixels[at] = {(pixels[at].b + p.b) / 2, (pixels[at].g + p.g) / 2, (pixels[at].r + p.r) / 2};
            } else {
                pixels[at] = p;
                filled[at] = 1;
            }
        }
    }
    for (int y = 0; y < height; ++y) {
        FillLine(pixels, filled, static_cast<size_t>(y) * static_cast<size_t>(width), 1, width);
    }
    for (int x = 0; x < width; ++x) FillLine(pixels, filled, static_cast<size_t>(x), static_cast<size_t>(width), height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = out.pixels.data() + static_cast<size_t>(out.stride() * y);
        for (int x = 0; x < width; ++x) {
            const Pixel& p = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            row[3 * x] = static_cast<uint8_t>(p.b);
            row[3 * x + 1] = static_cast<uint8_t>(p.g);
            row[3 * x + 2] = static_cast<uint8_t>(p.r);
        }
    }
    return out;
}

RgbImage PreparePdfBanner(const SponsorBanner& banner, int pageWidth, int pageHeight) {
    const FittedSize size = FitPdfBanner(banner.width, banner.height, pageWidth, pageHeight);
    if (size.width == 0) return {};
    const SponsorBanner scaled = ScaleBanner(banner, size.width, size.height);
    RgbImage image;
    image.width = size.width;
    image.height = size.height;
    image.pixels.resize(static_cast<size_t>(size.width) * static_cast<size_t>(size.height) * 3);
    // The banner keeps its top row first, which is the order the PDF wants.
    for (int y = 0; y < size.height; ++y) {
        const uint8_t* from = scaled.pixels.data() + static_cast<size_t>(scaled.stride() * y);
        uint8_t* to = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(size.width) * 3;
        for (int x = 0; x < size.width; ++x) {
            to[3 * x] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x];
        }
    }
    return image;
}

}  // namespace kavalto
