// Writing every results list of a 1500-equipage meet into one PDF, as "Alle
// til PDF" after a results request for all classes does: the expansion, the
// counting pass, the drawing and the safe write.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "printing/pdf_output.h"
#include "printing/print_request.h"
#include "support/generated_meet.h"

namespace {

using namespace kavalto;

void AllResultsListsToPdf(benchmark::State& state) {
    MeetState& meet = bench::StandardMeet();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kavalto-print-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "resultater.pdf").string();
    int pages = 0;
    for (auto _ : state) {
        PrintRequest request;
        request.kind = kPrintResults;
        request.all = true;
        BuildPrintItems(meet, request);
        PrintEngine engine;
        if (!WriteItemsPdf(meet, engine, path, true, 0, request.items)) state.SkipWithError("PDF not written");
        pages = 0;
        for (const PrintItem& item : request.items) pages += item.pageCount;
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove_all(folder);
}

BENCHMARK(AllResultsListsToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
