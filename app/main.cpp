// The program's entry. It only hands the run to WinMain (app/startup.cpp), the application's
// start-up, main loop and shutdown, and returns its exit code: 0 after a normal run, 1 when the
// window could not be made. The game reads no command line, so main takes no arguments.
#include "app/startup.h"

int main() { return WinMain(); }
