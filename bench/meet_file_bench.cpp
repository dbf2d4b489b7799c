// The autosave and the load of a 1500-equipage meet, against writing the
// same bytes with a plain write and fsync (what `dd conv=fsync` does).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "meet/meet_file.h"
#include "support/generated_meet.h"

namespace {

using namespace kavalto;

// A folder of its own below TMPDIR (or /tmp), on the disk the autosave
// would use there; removed when the program ends.
struct BenchFolder {
    std::filesystem::path path;
    BenchFolder() {
        path = std::filesystem::temp_directory_path() / ("kavalto-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

MeetState& BigMeet() {
    static MeetState meet = [] {
        MeetState m;
        bench::GenerateMeet(m, 1500, 100);
        return m;
    }();
    return meet;
}

void BM_PlainWriteAndFsync(benchmark::State& state) {
    const std::vector<uint8_t> bytes = SerializeMeet(BigMeet());
    const std::string path = (Folder().path / "plain.agi").string();
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || fsync(fd) != 0) {
            state.SkipWithError("plain write failed");
        }
        close(fd);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainWriteAndFsync)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveAutosave(benchmark::State& state) {
    MeetState& meet = BigMeet();
    const std::string folder = Folder().path.string();
    for (auto _ : state) {
        if (!SaveAutosave(meet, folder)) state.SkipWithError("autosave failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SerializeMeet(meet).size()));
}
BENCHMARK(BM_SaveAutosave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SerializeMeet(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SerializeMeet(BigMeet()));
}
BENCHMARK(BM_SerializeMeet)->Unit(benchmark::kMillisecond);

void BM_LoadMeetFile(benchmark::State& state) {
    const std::string path = (Folder().path / "load.ags").string();
    if (!SaveMeetFile(BigMeet(), path)) {
        state.SkipWithError("could not write the meet to load");
        return;
    }
    MeetState meet;
    SetInitialMeet(meet);
    for (auto _ : state) {
        if (!LoadMeetFile(meet, path)) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadMeetFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
