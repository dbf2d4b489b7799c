#include "ui/text_drawing.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "app/cp1252.h"
#include "ui/interface_font.h"

namespace kavalto {
namespace {

QString ToQString(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

// Qt draws into a top-down image; the surface's rows are bottom-up, so the
// text's box is copied out, drawn on and copied back.
QImage& Scratch(int32_t width, int32_t height) {
    static QImage scratch;
    if (scratch.width() < width || scratch.height() < height) {
        scratch = QImage(std::max(width, scratch.width()), std::max(height, scratch.height()), QImage::Format_RGB32);
    }
    return scratch;
}

}  // namespace

int32_t TextWidth(bool bold, int32_t size, std::string_view text) {
    if (text.empty()) return 0;
    return InterfaceFontMetrics(bold, size).horizontalAdvance(ToQString(text));
}

int32_t TextHeight(bool bold, int32_t size) { return InterfaceFontMetrics(bold, size).height(); }

void DrawTextClipped(Surface& surface, Colour colour, bool bold, int32_t size, int32_t x, int32_t y,
                     int32_t clipRight, std::string_view text) {
    if (surface.empty() || text.empty()) return;
    const QFontMetrics& metrics = InterfaceFontMetrics(bold, size);
    const QString qtext = ToQString(text);
    // Room for glyphs that reach beyond their advance (bold overhang, italic
    // bearings, antialiasing).
    const int32_t slack = size / 2 + 2;
    int32_t left = std::max(0, x - slack);
    int32_t right = std::min({surface.width, clipRight, x + metrics.horizontalAdvance(qtext) + slack});
    int32_t top = std::max(0, y);
    int32_t bottom = std::min(surface.height, y + metrics.height() + 1);
    if (left >= right || top >= bottom) return;
    const int32_t width = right - left;
    const int32_t height = bottom - top;
    QImage& image = Scratch(width, height);
    if (image.isNull()) return;
    for (int32_t row = 0; row < height; ++row) {
        const uint8_t* from = surface.Row(top + row) + left * 3;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int32_t col = 0; col < width; ++col, from += 3) to[col] = qRgb(from[2], from[1], from[0]);
    }
    {
        QPainter painter(&image);
        painter.setClipRect(0, 0, width, height);
        painter.setFont(InterfaceFont(bold, size));
        painter.setPen(QColor(colour.red, colour.green, colour.blue));
        painter.drawText(x - left, y - top + metrics.ascent(), qtext);
    }
    for (int32_t row = 0; row < height; ++row) {
        uint8_t* to = surface.Row(top + row) + left * 3;
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int32_t col = 0; col < width; ++col, to += 3) {
            to[0] = static_cast<uint8_t>(qBlue(from[col]));
            to[1] = static_cast<uint8_t>(qGreen(from[col]));
            to[2] = static_cast<uint8_t>(qRed(from[col]));
        }
    }
}

void DrawText(Surface& surface, Colour colour, bool bold, int32_t size, int32_t x, int32_t y,
              std::string_view text) {
    DrawTextClipped(surface, colour, bold, size, x, y, surface.width, text);
}

void DrawTextBox(Surface& surface, Colour colour, bool bold, int32_t size, int32_t x, int32_t y, int32_t width,
                 std::string_view text) {
    DrawTextClipped(surface, colour, bold, size, x, y, x + width - 10, text);
}

}  // namespace kavalto
