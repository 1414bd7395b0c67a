// placeholder while the skin is written
#include "platform/services.h"
namespace c3ws::ui {
void setControlSkin(int) {}
}  // namespace c3ws::ui
