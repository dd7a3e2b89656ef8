// Stand-ins for the catalogue until it is built: each body is empty (a pending preset reports
// failure, a pending combination builds nothing) and is deleted when its real one lands. Grouped by
// the header that declares it.
#include "catalogue/new_world.h"

// --- catalogue/new_world.h. Weak: the stage tests count the new worlds with a definition of their
// own.
FrameWalk FrameWalk1;
FrameWalk FrameWalk2;
void init_ProjX() {}
__attribute__((weak)) void ProjX_CreateLandAndBunkers() {}
Fgr* StaMutBunker(int, int, float, float, int) { return nullptr; }
