// The entry of tolv: the whole run is the shell's start-up, main loop and shutdown.
#include "shell/startup.h"

int main() { return WinMain(); }
