// Entries 1 and 5 are offered in the list but have no patch table. Picking one
// is answered with its message; then the prompt is selected again and the entry
// gets a text saying so. The message comes first, while the list still shows the
// pick. Both tests read the selection afresh: after the first, it is 0.
#include "app/commands.h"
#include "app/messages.h"
#include "patch/resolution_item.h"

namespace c3ws::app {
namespace {

using ui::Control;

constexpr ResolutionItem item1024x600 = 1;
constexpr ResolutionItem item1280x1024 = 5;

void refuse(ResolutionItem item, std::string_view message,
            std::optional<std::string_view> title, std::string_view replacement) {
    ui::showMessage(message, title, ui::MessageStyle::plain);
    ui::setSelection(Control::分辨率选择, promptItem);
    ui::deleteItem(Control::分辨率选择, item);
    ui::insertItem(Control::分辨率选择, item, replacement);
}

}  // namespace

void guardResolutionChoice() {
    if (ui::getSelection(Control::分辨率选择) == item1024x600) {
        refuse(item1024x600, text::refuse1024x600, text::refuse1024x600Title,
               text::replaced1024x600);
    }
    if (ui::getSelection(Control::分辨率选择) == item1280x1024) {
        refuse(item1280x1024, text::refuse1280x1024, std::nullopt, text::replaced1280x1024);
    }
}

}  // namespace c3ws::app
