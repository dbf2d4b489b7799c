#include "printing/participant_list_form.h"

#include <string>

#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "printing/form_texts.h"
#include "printing/page_frame.h"

namespace kavalto {
namespace {

constexpr int kMaxPages = 5000;

struct Column {
    int x;                       // grid column
    std::string heading;
};

TextId TitleOf(int kind) {
    switch (kind) {
        case kListAllParticipants: return words::kAllParticipantsList;
        case kListAllTeams: return words::kAllTeamsList;
        case kListAllDogs: return words::kAllDogsList;
        case kListNotMailed: return words::kNotMailedList;
        default: return words::kAllStartsList;
    }
}

std::vector<Column> ColumnsOf(MeetState& meet, int kind) {
    const std::string handler = ListWord(meet, words::kHandler);
    const std::string club = LabelWord(meet, words::kClub);
    const std::string email = LabelWord(meet, words::kEmail);
    switch (kind) {
        case kListAllParticipants:
        case kListNotMailed: return {{0, handler}, {5, club}, {10, email}};
        case kListAllTeams:
            return {{0, LabelWord(meet, words::kTeam)}, {5, club}, {9, ListWord(meet, words::kContact)}, {14, email}};
        case kListAllDogs: return {{0, ListWord(meet, words::kDog)}, {5, handler}, {10, club}, {14, email}};
        default:
            return {{0, LabelWord(meet, words::kClass)}, {3, LabelWord(meet, words::kStNo)}, {5, handler}, {10, club},
                    {14, email}};
    }
}

std::vector<std::string> ValuesOf(MeetState& meet, int kind, const ParticipantListRow& row) {
    const EquipageRecord* e = EquipageAt(meet, row.equipage);
    const TeamRecord* t = TeamAt(meet, row.team);
    const bool validEntry = row.entry >= 0 && row.entry < kEntriesPerEquipage;
    auto text = [](const char* field) { return std::string(field); };
    switch (kind) {
        case kListAllParticipants:
        case kListNotMailed:
            if (e == nullptr) return {};
            return {text(e->handlerName), text(e->club), text(e->email)};
        case kListAllTeams:
            if (t == nullptr) return {};
            return {text(t->teamName), text(t->club), text(t->contact), text(t->email)};
        case kListAllDogs:
            if (e == nullptr || !validEntry) return {};
            return {text(e->dogName), text(e->entries[row.entry].handler), text(e->club), text(e->email)};
        default:
            if (e == nullptr || !validEntry) return {};
            return {ClassName(meet, row.classSlot), Number(e->entries[row.entry].startNo),
                    text(e->entries[row.entry].handler), text(e->club), text(e->email)};
    }
}

}  // namespace

bool RenderParticipantList(MeetState& meet, PrintEngine& engine, const ParticipantList& list) {
    BeginPageFrame(meet, engine, ListWord(meet, TitleOf(list.kind)));
    const PrintMetrics& m = engine.metrics;
    const std::vector<Column> columns = ColumnsOf(meet, list.kind);
    for (const Column& c : columns) DrawText(engine, kStyleSmallBold, m.x[c.x], c.heading);
    engine.y += m.l[4];

    const int end = static_cast<int>(list.rows.size());
    while (engine.progress < end) {
        const std::vector<std::string> values = ValuesOf(meet, list.kind, list.rows[static_cast<size_t>(engine.progress)]);
        for (size_t i = 0; i < values.size() && i < columns.size(); ++i) {
            const int x = m.x[columns[i].x];
            const int next = i + 1 < columns.size() ? m.x[columns[i + 1].x] - m.indent : m.ruleRight;
            DrawText(engine, kStyleSmall, x, values[i], true, next - x);
        }
        ++engine.progress;
        engine.y += m.l[3];
        if (engine.progress < end && engine.y + m.l[3] > m.bottom) return false;
    }
    return true;
}

bool PrintParticipantList(MeetState& meet, PrintEngine& engine, PrintTarget& target, const ParticipantList& list) {
    AttachTarget(engine, target);
    engine.signature = false;
    engine.counting = true;
    engine.progress = 0;
    engine.pageIndex = 0;
    int pages = 1;
    while (!RenderParticipantList(meet, engine, list) && pages < kMaxPages) ++pages;

    engine.counting = false;
    engine.pageCount = pages;
    engine.progress = 0;
    for (engine.pageIndex = 0; engine.pageIndex < pages; ++engine.pageIndex) {
        if (!target.BeginSheet(engine.pageIndex)) return false;
        RenderParticipantList(meet, engine, list);
        target.EndSheet();
    }
    return true;
}

}  // namespace kavalto
