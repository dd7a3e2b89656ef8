// The per-frame area effect queue: ground commands of figures, drawn as ground marks and read by
// the units' area step.
#pragma once

class Fgr;

void DecalQueue_Add(Fgr* f, int a2, int a3, int a4, int a5, int kase, float radius, int a8,
                    int floor, int a10, int a11, void* a12, float r, float g, float b, float a);
