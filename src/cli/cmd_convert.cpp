// convert: any supported meet file version in, the current version out.
#include <memory>

#include "cli/cli_common.h"
#include "cli/commands.h"

namespace kavalto::cli {

void AddConvertCommand(CLI::App& app) {
    struct Options {
        MeetOptions meet;
        std::string out;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("convert", "Leser en stevnefil av hvilken som helst versjon og skriver den som gjeldende versjon");
    AddMeetOptions(*command, options->meet, "IN");
    command->add_option("OUT", options->out, "Ny stevnefil")->required();
    command->callback([options] {
        MeetState meet;
        ReadMeet(meet, options->meet);
        WriteMeet(meet, options->out);
    });
}

}  // namespace kavalto::cli
