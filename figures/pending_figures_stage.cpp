// Stand-ins for the stage-file parts of a figure chunk (see the header): nothing is written or read.
#include "figures/pending_figures_stage.h"

void priv_FgrExtra_SaveTo(Fgr*, FILE*, int) {}
void priv_FgrExtra_LoadFrom(Fgr*, FILE*, int) {}
