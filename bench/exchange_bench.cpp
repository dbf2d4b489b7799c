// The club's and the rings' files for a meet of 1500 equipages: opening the
// entries file, writing the club results file and the ring results file,
// and reading a ring results file back.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "exchange/club_results.h"
#include "exchange/entries_import.h"
#include "exchange/ring_results.h"
#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "support/generated_meet.h"

namespace {

using namespace kavalto;

std::unique_ptr<MeetState> Generated() {
    auto meet = std::make_unique<MeetState>();
    bench::GenerateMeet(*meet, 1500, 180);
    return meet;
}

// The entries file the club would send for the generated meet: one record
// per class entry and one per team.
std::vector<uint8_t> EntriesFileOf(const MeetState& meet) {
    std::string text = "UTID\tHEADER\n";
    auto record = [&](const std::vector<std::string>& fields) {
        for (int k = 0; k < 24; ++k) {
            if (k < static_cast<int>(fields.size())) text += fields[static_cast<size_t>(k)];
            text += '\t';
        }
        text += '\n';
    };
    const std::string id(FieldText(meet.info.meetId));
    for (const EquipageRecord& e : meet.equipages) {
        for (int k = 0; k < 4; ++k) {
            const ClassEntry& entry = e.entries[k];
            if (entry.entered[0] == 0) continue;
            record({id, "1", "0", std::string(FieldText(e.regNo)), ClassCode(entry.classSlot), "Dommer",
                    ClassCode(entry.classSlot), std::string(FieldText(e.dogName)), "Kallenavn", "H",
                    std::to_string(entry.startNo), "Rase", "", "Klubb", std::string(FieldText(e.handlerName)),
                    "Adresse", "0150", "Oslo", "", "", "epost@example.no"});
        }
    }
    for (const TeamRecord& t : meet.teams) {
        record({id, "1", "0", "LAG" + std::to_string(t.serial), ClassCode(t.classSlot), "", "", "", "", "", std::to_string(t.startNo),
                "", std::string(FieldText(t.teamName)), "", "Kontakt"});
    }
    return std::vector<uint8_t>(text.begin(), text.end());
}

void OpenEntriesFile(benchmark::State& state) {
    const auto source = Generated();
    const std::vector<uint8_t> file = EntriesFileOf(*source);
    auto meet = std::make_unique<MeetState>();
    for (auto _ : state) {
        SetInitialMeet(*meet);
        ImportEntriesBytes(*meet, file, EntriesMode::kOpen);
    }
    state.counters["equipages"] = meet->equipageCount();
    state.counters["teams"] = meet->teamCount();
    state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(OpenEntriesFile)->Unit(benchmark::kMillisecond);

void UpdateFromTheSameFile(benchmark::State& state) {
    const auto source = Generated();
    const std::vector<uint8_t> file = EntriesFileOf(*source);
    auto meet = std::make_unique<MeetState>();
    SetInitialMeet(*meet);
    ImportEntriesBytes(*meet, file, EntriesMode::kOpen);
    for (auto _ : state) ImportEntriesBytes(*meet, file, EntriesMode::kUpdate);
}
BENCHMARK(UpdateFromTheSameFile)->Unit(benchmark::kMillisecond);

void ClubResultsFile(benchmark::State& state) {
    const auto meet = Generated();
    size_t size = 0;
    for (auto _ : state) size = ClubResultsBytes(*meet).size();
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(ClubResultsFile)->Unit(benchmark::kMillisecond);

void RingResultsFile(benchmark::State& state) {
    const auto meet = Generated();
    size_t size = 0;
    for (auto _ : state) size = RingResultsBytes(*meet).size();
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(RingResultsFile)->Unit(benchmark::kMillisecond);

void ImportRingResultsFile(benchmark::State& state) {
    const auto sender = Generated();
    const std::vector<uint8_t> file = RingResultsBytes(*sender);
    const auto meet = Generated();
    bool imported = false;
    for (auto _ : state) imported = ImportRingResultsBytes(*meet, file);
    state.counters["imported"] = imported ? 1 : 0;
    state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(ImportRingResultsFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
