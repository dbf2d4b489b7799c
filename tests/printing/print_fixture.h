// Small meets for the printing tests, and PDFs of print items read back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "meet/meet_state.h"
#include "meet/text_field.h"
#include "app/cp1252.h"
#include "meet/class_catalogue.h"
#include "printing/pdf_output.h"
#include "printing/print_engine.h"
#include "printing/print_item.h"
#include "support/meet_builder.h"
#include "support/pdf_reader.h"
#include "support/recording_notifier.h"

namespace kavalto::test {

// A fresh meet with a header: club meet unless told.
inline void MakePrintMeet(MeetState& meet, bool club = true) {
    MakeFreshMeet(meet);
    BuildClassNames(meet);
    meet.info.meetForm = club ? 1 : 0;
    CopyText(meet.info.meetId, "4711");
    CopyText(meet.info.meetName, Utf8ToCp1252("Vårstevnet på Øya"));
    CopyText(meet.info.organiser, Utf8ToCp1252("Bærum Hundeklubb"));
    CopyText(meet.info.meetDate, "1. mai 2026");
}

struct PrintedPdf {
    bool written = false;
    int pageCount = -1;                // pdfinfo
    std::vector<int> counted;          // the counting pass, per item
    std::vector<std::string> pages;    // pdftotext per page
    std::string text;                  // all pages
};

// Counts and writes the items into a PDF in a fresh folder and reads it back.
inline PrintedPdf PrintToPdf(MeetState& meet, std::vector<PrintItem> items) {
    const auto folder = MakeTempFolder("print");
    const auto path = folder / "utskrift.pdf";
    PrintEngine engine;
    PrintedPdf out;
    out.written = WriteItemsPdf(meet, engine, path.string(), true, 0, items);
    for (const PrintItem& item : items) out.counted.push_back(item.pageCount);
    if (out.written) {
        out.pageCount = PdfPageCount(path);
        out.pages = PdfPages(path);
        out.text = PdfText(path);
    }
    std::filesystem::remove_all(folder);
    return out;
}

inline int CountedPages(const PrintedPdf& pdf) {
    int total = 0;
    for (int n : pdf.counted) total += n;
    return total;
}

}  // namespace kavalto::test
