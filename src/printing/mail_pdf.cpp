#include "printing/mail_pdf.h"

#include <filesystem>
#include <vector>

#include "meet/class_catalogue.h"
#include "printing/form_texts.h"
#include "printing/pdf_output.h"
#include "printing/pdf_target.h"
#include "printing/print_item.h"
#include "printing/print_run.h"

namespace kavalto {
namespace {

// Each form once: a longer list gives only its first page.
void RenderOnce(MeetState& meet, PrintEngine& engine, const PrintItem& item) {
    engine.progress = 0;
    engine.pageIndex = 0;
    RenderItemPage(meet, engine, item);
}

bool IsMember(const TeamRecord& team, int32_t equipage) {
    for (int32_t member : team.members) {
        if (member == equipage) return true;
    }
    return false;
}

struct Printed {
    int lastIndividualClass = -1;
    int teamClass = -1;
};

void RenderEquipageRun(MeetState& meet, PrintEngine& engine, int32_t index, int run, Printed& printed) {
    for (int kind = kEntryHopp; kind <= kEntryTeam; ++kind) {
        const ClassEntry& entry = meet.equipages[static_cast<size_t>(index)].entries[kind];
        if (entry.entered[run] == 0) continue;
        if (kind != kEntryTeam) {
            RenderOnce(meet, engine, {kFormJudgeSheet, entry.classSlot, index, kind, 0});
            RenderOnce(meet, engine, {kFormResults, entry.classSlot, 0, 0, 0});
            printed.lastIndividualClass = entry.classSlot;
            continue;
        }
        for (int32_t t = 0; t < meet.teamCount(); ++t) {
            if (!IsMember(meet.teams[static_cast<size_t>(t)], index)) continue;
            const int32_t teamClass = meet.teams[static_cast<size_t>(t)].classSlot;
            RenderOnce(meet, engine, {kFormTeamJudgeSheet, 0, t, 0, 0});
            RenderOnce(meet, engine, {kFormTeamResults, teamClass, 0, 0, 0});
            printed.teamClass = teamClass;
        }
    }
}

}  // namespace

std::string MailPdfPath(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / kMailPdfName).string();
}

bool BuildMailPdf(MeetState& meet, PrintEngine& engine, int kind, int32_t index, const std::string& path) {
    const bool equipage = kind == kMailPdfEquipage;
    if (equipage ? EquipageAt(meet, index) == nullptr : (kind != kMailPdfTeam || TeamAt(meet, index) == nullptr)) {
        return false;
    }
    PdfTarget pdf(meet);
    if (!pdf.Ready()) {
        meet.notifier->Warn(kTextPdfSaveFailed);
        return false;
    }
    AttachTarget(engine, pdf);
    engine.counting = false;
    engine.signature = false;
    engine.pageCount = 0;

    const int32_t savedRun = meet.info.currentRun;
    const bool doubleMeet = meet.info.singleRun == 0;
    Printed printed;
    for (int run = 0; run <= (doubleMeet ? 1 : 0); ++run) {
        meet.info.currentRun = run;
        if (equipage) {
            RenderEquipageRun(meet, engine, index, run, printed);
        } else {
            const int32_t teamClass = meet.teams[static_cast<size_t>(index)].classSlot;
            RenderOnce(meet, engine, {kFormTeamJudgeSheet, 0, index, 0, 0});
            RenderOnce(meet, engine, {kFormTeamResults, teamClass, 0, 0, 0});
            printed.teamClass = teamClass;
        }
    }
    meet.info.currentRun = savedRun;

    if (doubleMeet) {
        if (equipage && printed.lastIndividualClass >= 0) {
            RenderOnce(meet, engine, {kFormCombined, printed.lastIndividualClass, 0, 0, 0});
        }
        if (IsTeamClass(printed.teamClass)) RenderOnce(meet, engine, {kFormTeamCombined, printed.teamClass, 0, 0, 0});
    } else if (equipage) {
        RenderOnce(meet, engine, {kFormStatistics, 0, 0, 0, 0});
    }

    std::vector<uint8_t> bytes;
    if (pdf.Finish(bytes) && SavePdfBytes(path, bytes)) return true;
    meet.notifier->Warn(kTextPdfSaveFailed);
    return false;
}

}  // namespace kavalto
