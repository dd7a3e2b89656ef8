// Stand-ins for the world services of start-up and the main loop.
#include "world/pending_world_shell.h"

#include "ui/pending_ui_shell.h"

void FrameByMode(int focus) { Mode1_Frame(focus); }
void init_ProjX() {}
