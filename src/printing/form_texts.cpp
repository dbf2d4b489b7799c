#include "printing/form_texts.h"

#include "app/text_tables.h"
#include "meet/class_catalogue.h"
#include "meet/text_field.h"
#include "rules/scoring.h"

namespace kavalto {

std::string ButtonWord(MeetState& meet, TextId id) { return LookupButtonText(meet, id); }
std::string LabelWord(MeetState& meet, TextId id) { return LookupLabelText(meet, id); }
std::string ListWord(MeetState& meet, TextId id) { return LookupListText(meet, id); }

std::string RunSuffix(MeetState& meet, int classSlot) {
    if (meet.info.singleRun != 0 || !IsClassSlot(classSlot)) return {};
    if (meet.classes[static_cast<size_t>(classSlot)].inRun[1] == 0) return {};
    return " - " + ListWord(meet, meet.info.currentRun == 1 ? words::kFinal : words::kQualification);
}

std::string ClassName(const MeetState& meet, int classSlot) {
    if (!IsClassSlot(classSlot)) return {};
    return std::string(FieldText(meet.classLongName[classSlot]));
}

std::string CallOrDogName(const EquipageRecord& equipage) {
    const std::string_view call = FieldText(equipage.callName);
    return std::string(call.empty() ? FieldText(equipage.dogName) : call);
}

std::string Number(int64_t value) { return std::to_string(value); }

std::string StartNumberText(const MeetState& meet, int classSlot, int32_t startNo) {
    if (!TakesPart(meet, classSlot, meet.info.currentRun)) return {};
    return Number(startNo);
}

EquipageRecord* EquipageAt(MeetState& meet, int32_t index) {
    return IsEquipageIndex(meet, index) ? &meet.equipages[static_cast<size_t>(index)] : nullptr;
}

TeamRecord* TeamAt(MeetState& meet, int32_t index) {
    return index >= 0 && index < meet.teamCount() ? &meet.teams[static_cast<size_t>(index)] : nullptr;
}

}  // namespace kavalto
