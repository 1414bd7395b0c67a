// inspect: tells a build from the original, and which resolution it was built for.
#include <algorithm>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/table_match.h"

namespace c3ws::cli {

Outcome runInspect(const Arguments& arguments) {
    const InputFile input = readInput(arguments);
    if (input.failure) return *input.failure;

    CliHost host;
    const std::vector<TableMatch> matches = matchTables(input.bytes, host);
    Outcome outcome{ExitCode::success, messages::inspectHeader(input.path, input.bytes.size())};
    for (const TableMatch& match : matches) outcome.text += messages::inspectLine(match);

    if (const auto item = builtFor(matches)) {
        outcome.text += messages::builtForVerdict(*item, matches);
    } else if (const auto closest = closestPartial(matches)) {
        outcome.text += messages::partialVerdict(*closest);
    } else {
        const bool tooShortForAll = std::all_of(matches.begin(), matches.end(), [](const TableMatch& m) {
            return m.state == MatchState::tooShort;
        });
        outcome.text += messages::notPatchedVerdict(tooShortForAll);
    }
    return outcome;
}

}  // namespace c3ws::cli
