// The program's entry: start-up, the window, the event loop, the end.
#pragma once

namespace c3ws::app {

// Runs the whole program against the linked backend; returns the exit code.
int runProgram(int argc, char** argv);

}  // namespace c3ws::app
