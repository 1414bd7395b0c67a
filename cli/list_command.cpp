// list: one line per entry, tab-separated, so that scripts can cut fields.
#include "cli/commands.h"
#include "patch/patch_table.h"

namespace c3ws::cli {

Outcome runList() {
    Outcome outcome;
    for (ResolutionItem item = 0; item < resolutionItemCount; ++item) {
        outcome.text += std::to_string(item);
        outcome.text += '\t';
        outcome.text += listText(item);
        outcome.text += '\t';
        outcome.text += defaultFileName(item);
        outcome.text += '\t';
        outcome.text += std::to_string(patchTableFor(item).size());
        outcome.text += '\t';
        outcome.text += std::to_string(requiredFileSize(item));
        outcome.text += '\n';
    }
    return outcome;
}

}  // namespace c3ws::cli
