// Where the print engine's pages go: the PDF document, and (with the
// desktop program) the default printer and the preview picture. The engine
// works in page units with y growing downwards from the top of the page;
// each target turns that into its own coordinates.
#pragma once

#include <string_view>

namespace kavalto {

enum class TargetKind { kPrinter, kPdf, kPreview };

// The size and weight of a text; the target picks its face.
struct TextFont {
    int size = 0;                // page units
    bool bold = false;
};

enum class TextColour { kBlack, kBlue };

class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    virtual TargetKind Kind() const = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    // Before the pages of an item are drawn (the preview makes its picture
    // for that many pages). False ends the run.
    virtual bool BeginItem(int /*pageCount*/) { return true; }
    // One sheet of an item; the printer prints every sheet as a job of its
    // own. False (a job that cannot be started) ends the run.
    virtual bool BeginSheet(int /*pageIndex*/) { return true; }
    virtual void EndSheet() {}
    // The page frame starts a page: the PDF document gets a new page. A
    // sheet whose form draws nothing adds none.
    virtual void AddPage() {}

    virtual void DrawLine(int width, int x1, int x2, int y) = 0;
    virtual void DrawRect(int x, int top, int width, int height) = 0;
    virtual int MeasureText(TextFont font, std::string_view cp1252) = 0;
    // Text with its top at y. clipWidth < 0: no clipping; otherwise the text
    // must not reach past x + clipWidth.
    virtual void DrawText(TextFont font, TextColour colour, int x, int y, std::string_view cp1252,
                          int clipWidth) = 0;

    // The sponsor banner as this target draws it: its size in page units
    // (0 × 0 when it cannot be shown) and the drawing at a place.
    struct BannerSize {
        int width = 0;
        int height = 0;
    };
    virtual BannerSize Banner() const = 0;
    virtual void DrawBanner(int /*x*/, int /*top*/) {}

    // The small in-season mark of the start lists; the PDF has none.
    virtual void DrawSeasonMark(int /*x*/, int /*top*/, int /*width*/, int /*height*/) {}
};

}  // namespace kavalto
