// Stand-ins for the figure services not built yet: each body is empty and is deleted when its real
// one lands. Grouped by the header that declares it.
#include "figures/land.h"

// --- figures/land.h
void Fgr_SetSpeDecal(Fgr*, int) {}
