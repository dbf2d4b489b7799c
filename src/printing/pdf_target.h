// The PDF target: a libharu document of 1200 × 1600 units, Times-Roman in
// WinAnsiEncoding (which takes the records' code page 1252 bytes as they
// are), compressed, with the sponsor banner prepared once per document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "meet/meet_state.h"
#include "printing/print_target.h"

namespace kavalto {

inline constexpr int kPdfPageWidth = 1200;
inline constexpr int kPdfPageHeight = 1600;

class PdfTarget final : public PrintTarget {
public:
    // Creates the document; Ready() is false when libharu cannot.
    explicit PdfTarget(const MeetState& meet);
    ~PdfTarget() override;
    PdfTarget(const PdfTarget&) = delete;
    PdfTarget& operator=(const PdfTarget&) = delete;

    bool Ready() const { return doc_ != nullptr && font_ != nullptr; }
    int PagesAdded() const { return pages_; }

    // The finished document's bytes (a document without pages gets an empty
    // one); false when libharu cannot write them.
    bool Finish(std::vector<uint8_t>& bytes);

    TargetKind Kind() const override { return TargetKind::kPdf; }
    int PageWidth() const override { return kPdfPageWidth; }
    int PageHeight() const override { return kPdfPageHeight; }
    void AddPage() override;
    void DrawLine(int width, int x1, int x2, int y) override;
    void DrawRect(int x, int top, int width, int height) override;
    int MeasureText(TextFont font, std::string_view cp1252) override;
    void DrawText(TextFont font, TextColour colour, int x, int y, std::string_view cp1252, int clipWidth) override;
    BannerSize Banner() const override { return banner_; }
    void DrawBanner(int x, int top) override;

private:
    float Width(TextFont font, std::string_view cp1252) const;

    void* doc_ = nullptr;        // HPDF_Doc
    void* font_ = nullptr;       // HPDF_Font
    void* page_ = nullptr;       // HPDF_Page
    void* image_ = nullptr;      // HPDF_Image of the banner
    BannerSize banner_;
    bool bannerWanted_ = false;
    int pages_ = 0;
};

// Where a PDF goes: the bytes written safely over path. False when the
// file cannot be written; the previous file is then untouched.
bool SavePdfBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace kavalto
