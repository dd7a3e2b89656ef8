// Stand-ins for the render-scene services the figure container calls (see the header).
#include "render/pending_render_figures.h"

void RendView_AddCameraFgr(Fgr*) {}
void DecalQueue_Add(Fgr*, int, int, int, int, int, float, int, int, int, int, void*, float, float,
                    float, float) {}
