// Stand-ins for the rendering services not built yet: each body is empty and is deleted when its
// real one lands. Grouped by the header that declares it.
#include "render/area_queue.h"
#include "render/field.h"
#include "render/land_chunks.h"
#include "render/scene.h"

// --- render/scene.h
void RendView_AddCameraFgr(Fgr*) {}

// --- render/area_queue.h
void DecalQueue_Add(Fgr*, int, int, int, int, int, float, int, int, int, int, void*, float, float,
                    float, float) {}

// --- render/land_chunks.h. Weak: the stage tests count the builds with a definition of their own.
__attribute__((weak)) void PlitTextures_Build(int) {}
void Exit_FreeLandTextures() {}

// --- render/field.h
void MiniMap_Draw(int (*)[kSideWords], int) {}
