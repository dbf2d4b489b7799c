#include "printing/pdf_output.h"

#include <vector>

#include "printing/pdf_target.h"
#include "printing/print_run.h"

namespace kavalto {

bool WriteItemsPdf(MeetState& meet, PrintEngine& engine, const std::string& path, bool all, int current,
                   std::span<PrintItem> items) {
    PdfTarget pdf(meet);
    std::vector<uint8_t> bytes;
    bool written = false;
    if (pdf.Ready()) {
        CountPages(meet, engine, pdf, items);
        written = RunItems(meet, engine, pdf, all, current, items) && pdf.Finish(bytes) && SavePdfBytes(path, bytes);
    }
    if (!written) meet.notifier->Warn(kTextPdfSaveFailed);
    return written;
}

}  // namespace kavalto
