// Stand-ins for the render-scene services the figure container calls each frame (camera views,
// ground marks) until the render Parts are built.
#pragma once
class Fgr;

void RendView_AddCameraFgr(Fgr* f);
void DecalQueue_Add(Fgr* f, int a2, int a3, int a4, int a5, int kase, float radius, int a8,
                    int floor, int a10, int a11, void* a12, float r, float g, float b, float a);
