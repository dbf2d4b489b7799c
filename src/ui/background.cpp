#include "ui/background.h"

#include <algorithm>

#include "meet/notifier.h"
#include "ui/picture_drawing.h"
#include "ui/picture_ids.h"

namespace kavalto {
namespace {

bool EnsureScaledPicture(Skin& skin, int32_t width, int32_t height, Notifier& notifier) {
    Surface& scaled = skin.scaledBackground;
    if (!scaled.empty() && scaled.width == width && scaled.height == height) return true;
    Free(scaled);
    const Picture picture = LoadPicture(kPictureBackground, notifier);
    if (picture.empty()) return false;
    Surface original;
    if (!PictureToSurface(picture, original) || !Create(scaled, width, height)) {
        ReportOutOfMemory(notifier);
        Free(scaled);
        return false;
    }
    Scale(original, scaled);
    return true;
}

// A pixel already drawn (not black) takes the average of its value and the
// new colour.
void BlendShade(uint8_t* p, Colour c) {
    if (p[0] == 0 && p[1] == 0 && p[2] == 0) {
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
        return;
    }
    p[0] = static_cast<uint8_t>((p[0] + c.blue) / 2);
    p[1] = static_cast<uint8_t>((p[1] + c.green) / 2);
    p[2] = static_cast<uint8_t>((p[2] + c.red) / 2);
}

void ShadeOutline(Surface& s, int32_t left, int32_t top, int32_t right, int32_t bottom, Colour c) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, s.width - 1);
    bottom = std::min(bottom, s.height - 1);
    if (left > right || top > bottom) return;
    for (int32_t x = left; x <= right; ++x) BlendShade(s.Row(top) + x * 3, c);
    if (bottom > top) {
        for (int32_t x = left; x <= right; ++x) BlendShade(s.Row(bottom) + x * 3, c);
    }
    for (int32_t y = top + 1; y < bottom; ++y) {
        BlendShade(s.Row(y) + left * 3, c);
        if (right > left) BlendShade(s.Row(y) + right * 3, c);
    }
}

void DrawShading(Surface& s, const ColourSet& colours) {
    Fill(s, Colour{0, 0, 0});
    const Rect body = BodyRect(s.width, s.height);
    const float margins[4] = {static_cast<float>(body.x), static_cast<float>(body.y),
                              static_cast<float>(s.width - (body.x + body.width - 1) - 1),
                              static_cast<float>(s.height - (body.y + body.height - 1) - 1)};
    const int32_t n = static_cast<int32_t>(*std::max_element(std::begin(margins), std::end(margins)));
    const Colour a = colours.shadeStart;
    const Colour b = colours.shadeEnd;
    auto channel = [n](uint8_t from, uint8_t to, int32_t k) {
        return static_cast<uint8_t>(static_cast<float>(from) +
                                    static_cast<float>(to - from) * static_cast<float>(k) / static_cast<float>(n));
    };
    float steps[4];
    for (int i = 0; i < 4; ++i) steps[i] = margins[i] / static_cast<float>(n);
    auto inset = [&steps](int side, int32_t k) { return static_cast<int32_t>(static_cast<float>(k) * steps[side]); };
    for (int32_t k = 0; k < n; ++k) {
        const Colour c{channel(a.red, b.red, k), channel(a.green, b.green, k), channel(a.blue, b.blue, k)};
        ShadeOutline(s, inset(0, k), inset(1, k), s.width - 1 - inset(2, k), s.height - 1 - inset(3, k), c);
    }
    FillRect(s, colours.work, body.x, body.y, body.width, body.height);
}

void BlendPicture(Surface& s, const Surface& picture, int32_t transparency) {
    const int32_t keep = 100 - transparency;
    for (int32_t y = 0; y < s.height; ++y) {
        uint8_t* p = s.Row(y);
        const uint8_t* q = picture.Row(y);
        for (int32_t i = 0; i < s.width * 3; ++i) {
            p[i] = static_cast<uint8_t>(std::min(255, (q[i] * keep + p[i] * transparency) / 100));
        }
    }
}

void DrawFrame(Surface& s, const Skin& skin) {
    const Rect body = BodyRect(s.width, s.height);
    const int32_t x = body.x - 6;
    const int32_t y = body.y - 6;
    const int32_t w = body.width + 11;
    const int32_t h = body.height + 11;
    // The sides stop where the 9 x 9 corner masks begin, so that each corner
    // joins its two sides without a gap.
    const int32_t corner = skin.corners[0].empty() ? 10 : skin.corners[0].width;
    for (int32_t i = 0; i < 5; ++i) {
        const int32_t dark = 125 - 25 * i;
        const int32_t light = 125 + 25 * i;
        for (int32_t col = x + corner; col <= x + w - 1 - corner; ++col) {
            Shade(s, col, y + i, dark);
            Shade(s, col, y + h - 1 - i, light);
        }
        for (int32_t row = y + corner; row <= y + h - 1 - corner; ++row) {
            Shade(s, x + i, row, dark);
            Shade(s, x + w - 1 - i, row, light);
        }
    }
    ShadeMask(s, skin.corners[0], x, y);
    ShadeMask(s, skin.corners[1], x + w - skin.corners[1].width, y);
    ShadeMask(s, skin.corners[2], x, y + h - skin.corners[2].height);
    ShadeMask(s, skin.corners[3], x + w - skin.corners[3].width, y + h - skin.corners[3].height);
}

}  // namespace

Rect BodyRect(int32_t clientWidth, int32_t clientHeight) {
    return Rect{kBodyLeft, kBodyTop, clientWidth - 163, clientHeight - 61};
}

void RenderBackground(Surface& background, Skin& skin, Notifier& notifier) {
    if (background.empty()) return;
    const int32_t t = std::clamp(skin.colours.shadeTransparency, 0, 100);
    const bool picture = t < 100 && EnsureScaledPicture(skin, background.width, background.height, notifier);
    if (picture && t == 0) {
        CopyAll(background, skin.scaledBackground);
    } else {
        DrawShading(background, skin.colours);
        if (picture) BlendPicture(background, skin.scaledBackground, t);
    }
    DrawFrame(background, skin);
}

}  // namespace kavalto
