#include "support/pdf_reader.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace kavalto::test {
namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

bool Run(const std::string& command, std::string& out) {
    out.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return false;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    const int status = pclose(pipe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int PdfPageCount(const std::filesystem::path& pdf) {
    std::string out;
    if (!Run("pdfinfo " + Quote(pdf.string()) + " 2>/dev/null", out)) return -1;
    const auto at = out.find("Pages:");
    if (at == std::string::npos) return -1;
    return std::stoi(out.substr(at + 6));
}

std::string PdfText(const std::filesystem::path& pdf) {
    std::string out;
    if (!Run("pdftotext -layout -enc UTF-8 " + Quote(pdf.string()) + " - 2>/dev/null", out)) return {};
    return out;
}

std::vector<std::string> PdfPages(const std::filesystem::path& pdf) {
    const std::string text = PdfText(pdf);
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t at = text.find('\f'); at != std::string::npos; at = text.find('\f', start)) {
        pages.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    if (start < text.size() && text.find_first_not_of(" \n", start) != std::string::npos) {
        pages.push_back(text.substr(start));
    }
    return pages;
}

std::string SqueezeBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

int CountOf(const std::string& text, const std::string& piece) {
    if (piece.empty()) return 0;
    int count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++count;
    return count;
}

}  // namespace kavalto::test
