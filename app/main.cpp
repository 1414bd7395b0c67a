#include "app/start_up.h"

int main(int argc, char** argv) { return c3ws::app::runProgram(argc, argv); }
