// The entry of tolv: the whole run is the shell's start-up, main loop and shutdown.
#include "app/startup.h"

int main() { return WinMain(); }
