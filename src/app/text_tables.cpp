#include "app/text_tables.h"

#include <algorithm>
#include <cstring>

#include "app/cp1252.h"
#include "app/text_table_rows.h"
#include "meet/meet_state.h"
#include "meet/text_field.h"

namespace kavalto {
namespace {

const TextRow* FindRow(const TextRow* table, TextId id) {
    for (const TextRow* row = table; row->id != -1; ++row) {
        if (row->id == id) return row;
    }
    return nullptr;
}

const RuntimeLabel* FindRuntimeLabel(const MeetState& meet, TextId id) {
    for (const RuntimeLabel& label : meet.texts.labels) {
        if (label.id == id) return &label;
    }
    return nullptr;
}

const char* Answer(MeetState& meet, std::string_view cp1252Text) {
    CopyText(meet.texts.result, cp1252Text);
    return meet.texts.result;
}

const char* AnswerRow(MeetState& meet, const TextRow* row) {
    return Answer(meet, row != nullptr ? Utf8ToCp1252(row->text) : std::string());
}

const char* AnswerTableThenLabels(MeetState& meet, const TextRow* table, TextId id) {
    if (const TextRow* row = FindRow(table, id)) return AnswerRow(meet, row);
    if (const RuntimeLabel* label = FindRuntimeLabel(meet, id)) return Answer(meet, FieldText(label->text));
    return Answer(meet, {});
}

}  // namespace

const char* LookupButtonText(MeetState& meet, TextId id) { return AnswerTableThenLabels(meet, kTableA, id); }

const char* LookupLabelText(MeetState& meet, TextId id) {
    if (id >= 335 && id <= 338) {
        const char ordinal[3] = {static_cast<char>('1' + (id - 335)), '.', '\0'};
        return Answer(meet, ordinal);
    }
    return AnswerTableThenLabels(meet, kTableB, id);
}

const char* LookupListText(MeetState& meet, TextId id) {
    if (id >= 412 && id <= 438) return Answer(meet, FieldText(meet.classLongName[id - 412]));
    if (id >= 401 && id <= 410) return Answer(meet, FieldText(meet.texts.judges[id - 401]));
    return AnswerRow(meet, FindRow(kTableC, id));
}

bool IsLabelTextId(TextId id) { return FindRow(kTableB, id) != nullptr; }

void SetRuntimeLabel(MeetState& meet, TextId id, std::string_view cp1252Text) {
    for (RuntimeLabel& label : meet.texts.labels) {
        if (label.id == id) {
            const size_t n = std::min<size_t>(cp1252Text.size(), 54);
            std::memcpy(label.text, cp1252Text.data(), n);
            label.text[n] = '\0';
        }
    }
}

}  // namespace kavalto
