// in progress: replaced by the real start-up shortly
#include "app/start_up.h"
namespace c3ws::app {
int runProgram(int, char**) { return 0; }
}  // namespace c3ws::app
