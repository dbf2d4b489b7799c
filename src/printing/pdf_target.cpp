#include "printing/pdf_target.h"

#include <hpdf.h>

#include "meet/safe_write.h"
#include "printing/pdf_banner.h"

namespace kavalto {
namespace {

HPDF_Doc Doc(void* p) { return static_cast<HPDF_Doc>(p); }
HPDF_Font Font(void* p) { return static_cast<HPDF_Font>(p); }
HPDF_Page Page(void* p) { return static_cast<HPDF_Page>(p); }

constexpr float kHeight = static_cast<float>(kPdfPageHeight);

}  // namespace

PdfTarget::PdfTarget(const MeetState& meet) {
    HPDF_Doc doc = HPDF_New(nullptr, nullptr);
    if (doc == nullptr) return;
    doc_ = doc;
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    font_ = HPDF_GetFont(doc, "Times-Roman", "WinAnsiEncoding");

    bannerWanted_ = meet.info.hasSponsor != 0 && meet.info.sponsorWantsBanner != 0 && meet.banner.has_value();
    if (!bannerWanted_) return;
    const RgbImage image = PreparePdfBanner(*meet.banner, kPdfPageWidth, kPdfPageHeight);
    if (image.width == 0) return;
    image_ = HPDF_LoadRawImageFromMem(doc, image.pixels.data(), static_cast<HPDF_UINT>(image.width),
                                      static_cast<HPDF_UINT>(image.height), HPDF_CS_DEVICE_RGB, 8);
    if (image_ != nullptr) banner_ = {image.width, image.height};
}

PdfTarget::~PdfTarget() {
    if (doc_ != nullptr) HPDF_Free(Doc(doc_));
}

bool PdfTarget::Finish(std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (doc_ == nullptr) return false;
    // Readers refuse a document without pages: it gets one empty page, as the
    // printer would give an empty sheet.
    if (pages_ == 0) AddPage();
    HPDF_Doc doc = Doc(doc_);
    if (HPDF_SaveToStream(doc) != HPDF_OK) return false;
    const HPDF_UINT32 size = HPDF_GetStreamSize(doc);
    bytes.resize(size);
    HPDF_UINT32 done = 0;
    while (done < size) {
        HPDF_UINT32 chunk = size - done;
        const HPDF_STATUS status = HPDF_ReadFromStream(doc, bytes.data() + done, &chunk);
        done += chunk;
        if (status == HPDF_STREAM_EOF) break;
        if (status != HPDF_OK || chunk == 0) return false;
    }
    bytes.resize(done);
    return done == size && size != 0;
}

void PdfTarget::AddPage() {
    if (!Ready()) return;
    HPDF_Page page = HPDF_AddPage(Doc(doc_));
    page_ = page;
    if (page == nullptr) return;
    ++pages_;
    HPDF_Page_SetHeight(page, kHeight);
    HPDF_Page_SetWidth(page, static_cast<float>(kPdfPageWidth));
}

void PdfTarget::DrawLine(int /*width*/, int x1, int x2, int y) {
    if (page_ == nullptr) return;
    HPDF_Page page = Page(page_);
    HPDF_Page_MoveTo(page, static_cast<float>(x1), kHeight - static_cast<float>(y));
    HPDF_Page_LineTo(page, static_cast<float>(x2), kHeight - static_cast<float>(y));
    HPDF_Page_Stroke(page);
}

void PdfTarget::DrawRect(int x, int top, int width, int height) {
    if (page_ == nullptr) return;
    HPDF_Page page = Page(page_);
    HPDF_Page_Rectangle(page, static_cast<float>(x), kHeight - static_cast<float>(height) - static_cast<float>(top),
                        static_cast<float>(width), static_cast<float>(height));
    HPDF_Page_Stroke(page);
}

float PdfTarget::Width(TextFont font, std::string_view cp1252) const {
    if (font_ == nullptr || cp1252.empty()) return 0.0f;
    const HPDF_TextWidth tw = HPDF_Font_TextWidth(Font(font_), reinterpret_cast<const HPDF_BYTE*>(cp1252.data()),
                                                  static_cast<HPDF_UINT>(cp1252.size()));
    return static_cast<float>(tw.width) * static_cast<float>(font.size) / 1000.0f;
}

int PdfTarget::MeasureText(TextFont font, std::string_view cp1252) {
    return static_cast<int>(Width(font, cp1252));
}

void PdfTarget::DrawText(TextFont font, TextColour colour, int x, int y, std::string_view cp1252, int clipWidth) {
    if (page_ == nullptr || font_ == nullptr) return;
    if (clipWidth >= 0) {
        while (!cp1252.empty() && Width(font, cp1252) > static_cast<float>(clipWidth)) cp1252.remove_suffix(1);
    }
    if (cp1252.empty()) return;
    const std::string text(cp1252);  // libharu wants a terminated text
    HPDF_Page page = Page(page_);
    const float size = static_cast<float>(font.size);
    if (colour == TextColour::kBlue) HPDF_Page_SetRGBFill(page, 0.0f, 0.0f, 1.0f);
    HPDF_Page_SetFontAndSize(page, Font(font_), size);
    HPDF_Page_BeginText(page);
    HPDF_Page_TextOut(page, static_cast<float>(x), kHeight - size - static_cast<float>(y), text.c_str());
    HPDF_Page_EndText(page);
    if (colour == TextColour::kBlue) HPDF_Page_SetRGBFill(page, 0.0f, 0.0f, 0.0f);
}

void PdfTarget::DrawBanner(int x, int top) {
    if (page_ == nullptr || image_ == nullptr) return;
    HPDF_Page_DrawImage(Page(page_), static_cast<HPDF_Image>(image_), static_cast<float>(x),
                        kHeight - static_cast<float>(banner_.height) - static_cast<float>(top),
                        static_cast<float>(banner_.width), static_cast<float>(banner_.height));
}

bool SavePdfBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    return WriteFileSafely(path, bytes) == WriteFailure::kNone;
}

}  // namespace kavalto
