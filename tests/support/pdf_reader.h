// Reads a written PDF back with poppler's tools: its page count and its text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kavalto::test {

// "Pages:" of pdfinfo; -1 when pdfinfo cannot read the file.
int PdfPageCount(const std::filesystem::path& pdf);

// The text of pdftotext -layout (UTF-8), all pages; empty when unreadable.
std::string PdfText(const std::filesystem::path& pdf);

// The text of each page, in order.
std::vector<std::string> PdfPages(const std::filesystem::path& pdf);

// Runs of blanks made one blank (pdftotext does not keep a form's double blanks).
std::string SqueezeBlanks(const std::string& text);

// How often a piece of text occurs.
int CountOf(const std::string& text, const std::string& piece);

}  // namespace kavalto::test
