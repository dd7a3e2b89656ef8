// Stand-ins for the rendering services that the shell, the figure container and the stage requests
// call until the render scene, ground commands and terrain tiles are built; each entry is deleted when
// its real one lands.
#pragma once
class Fgr;

void Exit_FreeLandTextures();
void RendView_AddCameraFgr(Fgr* f);
void DecalQueue_Add(Fgr* f, int a2, int a3, int a4, int a5, int kase, float radius, int a8,
                    int floor, int a10, int a11, void* a12, float r, float g, float b, float a);
void PlitTextures_Build(int flag);  // terrain tile textures
