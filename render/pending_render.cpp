// Stand-ins for the rendering services not built yet (see the header).
#include "render/pending_render.h"

#include "figures/pending_figures.h"

void Exit_FreeLandTextures() {}
void RendView_AddCameraFgr(Fgr*) {}
void DecalQueue_Add(Fgr*, int, int, int, int, int, float, int, int, int, int, void*, float, float,
                    float, float) {}

void PlitTextures_Build(int flag) {
  gStagesPending.plitBuilds++;
  gStagesPending.plitLastFlag = flag;
}
