#include "ui/button_drawing.h"

#include <algorithm>

#include "ui/button_bar.h"
#include "ui/button_geometry.h"
#include "ui/picture_drawing.h"
#include "ui/skin_icons.h"
#include "ui/text_drawing.h"
#include "ui/ui_context.h"

namespace kavalto {
namespace {

constexpr Colour kFrameLight{200, 200, 200};
constexpr Colour kFrameDark{60, 60, 60};
constexpr Colour kFrameInner{50, 50, 50};
constexpr int32_t kUserGuideButton = 4008;
constexpr int32_t kHoverLighten = 25;
constexpr int32_t kGrooveFactors[4] = {220, 150, 70, 20};

// The gradient strip scaled to the face's height, adjusted for the state and
// averaged with the background already under it.
void DrawFaceGradient(UiContext& ui, const Button& b, const Rect& face) {
    Surface& s = ui.screen;
    const Picture& strip = ui.skin.buttonGradient;
    if (strip.empty()) return;
    int32_t add[3] = {20, 0, 0};  // blue, green, red
    if (b.pressed) add[0] = 60, add[1] = 20, add[2] = 20;
    for (int32_t& a : add) {
        if (b.hover) a += 20;
        if (!b.enabled) a -= 30;
    }
    if (b.id == kUserGuideButton) add[1] += 40;
    const int32_t left = std::max(face.x, 0);
    const int32_t right = std::min(face.x + face.width, s.width);
    for (int32_t r = 0; r < face.height; ++r) {
        const int32_t y = face.y + r;
        if (y < 0 || y >= s.height) continue;
        const uint8_t* sample = strip.At(0, r * strip.height / face.height);
        int32_t c[3];
        for (int k = 0; k < 3; ++k) c[k] = std::max(0, sample[k] + add[k]);
        uint8_t* p = s.Row(y) + left * 3;
        for (int32_t x = left; x < right; ++x, p += 3) {
            for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(std::min(255, (c[k] + p[k]) / 2));
        }
    }
}

void DrawFaceFrame(UiContext& ui, const Button& b, const Rect& face) {
    Surface& s = ui.screen;
    const Colour topLeft = b.pressed ? kFrameDark : kFrameLight;
    const Colour bottomRight = b.pressed ? kFrameLight : kFrameDark;
    const int32_t right = face.x + face.width - 1;
    const int32_t bottom = face.y + face.height - 1;
    HorizontalLine(s, topLeft, face.x, right, face.y);
    VerticalLine(s, topLeft, face.x, face.y, bottom);
    VerticalLine(s, bottomRight, right, face.y, bottom);
    if (b.sizeStyle != kStyleTab) HorizontalLine(s, bottomRight, face.x, right, bottom);
    if (b.pressed) {
        HorizontalLine(s, kFrameInner, face.x + 1, right - 1, face.y + 1);
        VerticalLine(s, kFrameInner, face.x + 1, face.y + 1, bottom - (b.sizeStyle == kStyleTab ? 0 : 1));
    }
}

// A tab's top right corner is cut away along a diagonal.
void CutTabCorner(UiContext& ui, const Button& b, const Rect& face) {
    const int32_t outer = b.pressed ? 50 : 200;
    const int32_t inner = b.pressed ? 80 : 180;
    for (int32_t i = 0; i < 15; ++i) {
        const int32_t y = face.y + i;
        const int32_t edge = face.x + face.width - 15 + i;
        RestoreBackground(ui, Rect{edge + 1, y, face.x + face.width - edge - 1, 1});
        Shade(ui.screen, edge, y, outer);
        Shade(ui.screen, edge - 1, y, inner);
    }
}

void DrawIcon(UiContext& ui, const Button& b, const Rect& face) {
    const Picture& icon = SkinIcon(ui.skin, b.pictureId, UiNotifier(ui));
    if (icon.empty()) return;
    int32_t x = face.x;
    int32_t y = face.y;
    switch (b.sizeStyle) {
    case kStyleSide:
        x += 4, y += 3;
        break;
    case kStyleSideTwoLines:
        x += 5, y += 4;
        break;
    case kStyleSquare:
        x += (face.width - icon.width) / 2, y += (face.height - icon.height) / 2;
        break;
    default:
        x += 5, y += 5;
        break;
    }
    if (b.pressed) x += 1, y += 2;
    DrawPicture(ui.screen, icon, x, y, 0, b.hover ? kHoverLighten : 0, b.enabled != 0);
}

void DrawMark(UiContext& ui, const Button& b, const Rect& face) {
    const Picture* mark = nullptr;
    int32_t x = face.x;
    int32_t y = face.y;
    if (b.sizeStyle == kStyleCheck) {
        mark = b.pressed ? &ui.skin.checkOn : &ui.skin.checkOff;
        x += (face.width - mark->width) / 2;
        y += (face.height - mark->height) / 2;
    } else {
        mark = &ui.skin.optionMarks[(b.pressed ? 1 : 0) + (b.hover ? 2 : 0)];
        x += 2;  // clear of the face's frame
        y += (face.height - mark->height) / 2;
    }
    DrawPicture(ui.screen, *mark, x, y, 0, 0, b.enabled != 0);
}

void DrawCaption(UiContext& ui, ButtonBar& bar, const Button& b, const Rect& r, const Rect& face) {
    const std::string caption = ButtonCaption(b, ui);
    if (caption.empty()) return;
    const ColourSet& colours = ui.skin.colours;
    const Colour colour = b.enabled ? colours.buttonText : colours.disabledText;
    const int32_t size = CaptionSize(b, ui);
    Surface& s = ui.screen;
    const int32_t dx = (b.pressed && !InPageGrid(b)) ? 1 : 0;
    const int32_t dy = (b.pressed && !InPageGrid(b)) ? 2 : 0;
    switch (b.sizeStyle) {
    case kStyleCheck: {
        const int32_t width = TextWidth(true, size, caption);
        bar.checkCaptionWidth = width;
        const int32_t x = face.x + face.width + 10;
        const int32_t y = face.y + 3;
        if (b.hover) FillRect(s, colours.checkHighlight, x - 2, y, width + 4, TextHeight(true, size));
        DrawText(s, colour, true, size, x + dx, y + dy, caption);
        return;
    }
    case kStyleOption:
        DrawText(s, colour, true, size, r.x + 17 + dx, r.y + 2 + dy, caption);
        return;
    case kStyleTab: {
        const auto [first, second] = SplitCaption(caption);
        const int32_t x = face.x + 30 + dx;
        const int32_t clipRight = face.x + face.width - 5 + dx;
        if (second.empty()) {
            DrawTextClipped(s, colour, true, size, x, face.y + 4 + dy, clipRight, first);
            return;
        }
        const int32_t y = face.y + 4 - 2 + dy;
        DrawTextClipped(s, colour, true, size, x, y, clipRight, first);
        DrawTextClipped(s, colour, true, size, x, y + size + 1, clipRight, second);
        return;
    }
    case kStyleSideTwoLines: {
        const auto [first, second] = SplitCaption(caption);
        const int32_t y = face.y + 1 + dy;
        DrawText(s, colour, true, size, face.x + 30 + dx, y, first);
        if (!second.empty()) DrawText(s, colour, true, size, face.x + 30 + dx, y + size + 2, second);
        return;
    }
    default:
        DrawText(s, colour, true, size, face.x + 30 + dx, face.y + 4 + dy, caption);
        return;
    }
}

Colour TextButtonColour(const Button& b, const ColourSet& colours) {
    if (!b.enabled) return colours.disabledText;
    return b.pressed ? colours.highText : colours.normalText;
}

}  // namespace

std::pair<std::string, std::string> SplitCaption(std::string_view caption) {
    const size_t middle = caption.size() / 2;
    const size_t forward = caption.find(' ', middle);
    const size_t backward = caption.rfind(' ', middle);
    size_t at = std::string_view::npos;
    if (backward != std::string_view::npos && (forward == std::string_view::npos || middle - backward <= forward - middle)) {
        at = backward;
    } else {
        at = forward;
    }
    if (at == std::string_view::npos) return {std::string(caption), std::string()};
    return {std::string(caption.substr(0, at)), std::string(caption.substr(at + 1))};
}

void DrawButton(ButtonBar& bar, UiContext& ui, int32_t index) {
    if (index < 0 || index >= bar.count || ui.screen.empty()) return;
    const Button& b = bar.buttons[static_cast<size_t>(index)];
    if (!b.visible) return;
    const Rect r = ButtonRect(bar, ui, index);
    if (r.width < 1 || r.height < 1 || r.x < 0 || r.y < 0) return;
    const Rect area = ButtonArea(bar, ui, index);
    const Rect face{r.x, r.y - 2, r.width, r.height};
    Surface& s = ui.screen;
    RestoreBackground(ui, area);
    switch (b.sizeStyle) {
    case kStyleText:
        DrawText(s, TextButtonColour(b, ui.skin.colours), true, ui.grid.smallFontSize + 3, r.x + 5, r.y,
                 ButtonCaption(b, ui));
        break;
    case kStyleSeparator:
        for (int32_t i = 0; i < 4; ++i) ShadeRect(s, face.x, face.y + 1 + i, face.width, 1, kGrooveFactors[i]);
        break;
    case kStyleSmallIcon:
        DrawIcon(ui, b, face);
        break;
    default:
        DrawFaceGradient(ui, b, face);
        DrawFaceFrame(ui, b, face);
        if (b.sizeStyle == kStyleTab) CutTabCorner(ui, b, face);
        if (b.sizeStyle == kStyleCheck || b.sizeStyle == kStyleOption) {
            if (b.sizeStyle == kStyleOption && b.hover) ShadeRect(s, face.x, face.y, face.width, face.height, 150);
            DrawMark(ui, b, face);
        } else {
            DrawIcon(ui, b, face);
        }
        if (b.placement == kPlaceStackedMenu) {
            DrawPicture(s, ui.skin.menuMarker, r.x + r.width - 17, r.y + 5, 0, b.hover ? kHoverLighten : 0,
                        b.enabled != 0);
        }
        DrawCaption(ui, bar, b, r, face);
        break;
    }
    Present(ui, area);
}

void DrawButtonFace(UiContext& ui, const Rect& face, bool pressed, bool hover, bool enabled) {
    Button plain{};
    plain.sizeStyle = kStyleSide;
    plain.pressed = pressed ? 1 : 0;
    plain.hover = hover ? 1 : 0;
    plain.enabled = enabled ? 1 : 0;
    DrawFaceGradient(ui, plain, face);
    DrawFaceFrame(ui, plain, face);
}

void DrawButtons(ButtonBar& bar, UiContext& ui) {
    StackSideButtons(bar, ui);
    for (int32_t i = 0; i < bar.count; ++i) DrawButton(bar, ui, i);
}

}  // namespace kavalto
