// pdf and mail-pdf: printouts written to a PDF file, as the print list's
// "Alle til PDF" and the e-mail's attachment make them.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/cp1252.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "printing/mail_pdf.h"
#include "printing/pdf_output.h"
#include "printing/print_request.h"

namespace kavalto::cli {
namespace {

constexpr const char* kTextNothingToPrint = "Ingenting å skrive ut";

struct PdfOptions {
    MeetOptions meet;
    std::string form;
    std::string out;
    std::optional<int> classSlot;
    std::optional<int> equipage;
    std::optional<int> team;
    std::optional<std::string> judge;
    bool all = false;
    bool lateOnly = false;
    bool teamsOnly = false;
    bool individualsOnly = false;
};

const std::map<std::string, int>& FormKinds() {
    static const std::map<std::string, int> kinds{
        {"entry-form", kPrintEquipageEntryForm}, {"team-entry-form", kPrintTeamEntryForms},
        {"stats", kPrintStatistics},             {"cards", kPrintStartCards},
        {"scribe", kPrintScribeForms},           {"startlists", kPrintStartLists},
        {"results", kPrintResults},              {"combined", kPrintCombined},
        {"judge-lists", kPrintJudgeLists},       {"judge-sheets", kPrintJudgeSheets},
    };
    return kinds;
}

// The request as the print buttons fill it for the form and its options.
PrintRequest FillRequest(MeetState& meet, const PdfOptions& o) {
    PrintRequest r;
    r.kind = FormKinds().at(o.form);
    r.all = o.all;
    r.lateOnly = o.lateOnly;
    r.teamsOnly = o.teamsOnly;
    r.individualsOnly = o.individualsOnly;
    // Without --class only --all (or a single equipage or team) selects anything.
    r.classSlot = o.classSlot.value_or(-1);
    r.equipage = o.equipage.value_or(-1);
    r.team = o.team.value_or(-1);
    switch (r.kind) {
        case kPrintTeamEntryForms:
            if (o.all && !o.team) r.team = 0;  // any team: "all" lists them all
            break;
        case kPrintScribeForms:
            r.oneEquipage = o.equipage.has_value();
            break;
        case kPrintJudgeLists: {
            r.judge = -1;
            const std::string name = Utf8ToCp1252(o.judge.value_or(""));
            const int judges = CollectJudges(meet);
            for (int i = 0; i < judges && o.judge; ++i) {
                if (FieldText(meet.texts.judges[i]) == name) r.judge = i;
            }
            break;
        }
        case kPrintJudgeSheets:
            r.byClass = o.classSlot.has_value();
            break;
        default: break;
    }
    return r;
}

void RunPdf(const PdfOptions& options) {
    auto meet = std::make_unique<MeetState>();
    ReadMeet(*meet, options.meet);
    RequireValidRun(*meet);
    PrintRequest request = FillRequest(*meet, options);
    BuildPrintItems(*meet, request);
    if (request.items.empty()) throw Exit{kExitFailed, kTextNothingToPrint};
    PrintEngine engine;
    if (!WriteItemsPdf(*meet, engine, options.out, true, 0, request.items)) throw Exit{kExitFailed, ""};
}

void AddPdfCommand(CLI::App& app) {
    auto options = std::make_shared<PdfOptions>();
    CLI::App* command = app.add_subcommand("pdf", "Utskrifter til en PDF fil");
    AddMeetOptions(*command, options->meet);
    std::vector<std::string> forms;
    for (const auto& [name, kind] : FormKinds()) forms.push_back(name);
    command->add_option("--form", options->form, "Skjema eller liste")->required()->check(CLI::IsMember(forms));
    command->add_option("OUT", options->out, "PDF fil som skrives")->required();
    command->add_option("--class", options->classSlot, "Klasse (0..26)")->check(CLI::Range(0, 26));
    command->add_option("--equipage", options->equipage, "Ekvipasje (indeks fra 0)");
    command->add_option("--team", options->team, "Lag (indeks fra 0)");
    command->add_option("--judge", options->judge, "Dommerens navn slik det står i klassene");
    command->add_flag("--all", options->all, "Alle");
    command->add_flag("--late-only", options->lateOnly, "Bare etteranmeldte");
    auto* teamsOnly = command->add_flag("--teams-only", options->teamsOnly, "Bare lagklasser");
    command->add_flag("--individuals-only", options->individualsOnly, "Bare individuelle klasser")->excludes(teamsOnly);
    command->callback([options] { RunPdf(*options); });
}

struct MailPdfOptions {
    MeetOptions meet;
    std::optional<int> equipage;
    std::optional<int> team;
    std::string out;
};

void RunMailPdf(const MailPdfOptions& options) {
    auto meet = std::make_unique<MeetState>();
    ReadMeet(*meet, options.meet);
    RequireValidRun(*meet);
    const bool equipage = options.equipage.has_value();
    const int index = equipage ? *options.equipage : *options.team;
    if (equipage ? !IsEquipageIndex(*meet, index) : (index < 0 || index >= meet->teamCount())) {
        throw Exit{kExitFailed, (equipage ? "Ukjent ekvipasje: " : "Ukjent lag: ") + Num(index)};
    }
    PrintEngine engine;
    if (!BuildMailPdf(*meet, engine, equipage ? kMailPdfEquipage : kMailPdfTeam, index, options.out)) {
        throw Exit{kExitFailed, ""};  // already told
    }
}

void AddMailPdfCommand(CLI::App& app) {
    auto options = std::make_shared<MailPdfOptions>();
    CLI::App* command = app.add_subcommand("mail-pdf", "Resultat PDF som sendes på e-post til en ekvipasje eller et lag");
    AddMeetOptions(*command, options->meet);
    auto* equipage = command->add_option("--equipage", options->equipage, "Ekvipasje (indeks fra 0)");
    auto* team = command->add_option("--team", options->team, "Lag (indeks fra 0)");
    equipage->excludes(team);
    command->add_option("OUT", options->out, "PDF fil som skrives")->required();
    command->callback([options] {
        if (!options->equipage && !options->team) throw CLI::RequiredError("--equipage eller --team");
        RunMailPdf(*options);
    });
}

}  // namespace

void AddPdfCommands(CLI::App& app) {
    AddPdfCommand(app);
    AddMailPdfCommand(app);
}

}  // namespace kavalto::cli
