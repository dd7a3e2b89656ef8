// Figures that lie on the ground: the land decal, a texture laid onto a patch of the floor mesh and
// turned by the figure's angle, and the spawner with its eight marked cells, sprite, sight ring and,
// once triggered, the owner's flag and the bar of its remaining life.
#pragma once
#include <cstdint>

class Fgr;

// The decal record a land decal figure draws (its speDecal): triangles of the floor mesh (at
// most 200 indices, their count) and the cell whose corner anchors the texture.
constexpr int kDecalIndMax = 200;
struct LandDecalRec {
  uint32_t ind[kDecalIndMax];
  int count;
  int cell;
};

void Proc_DrawGroundMark(Fgr* f);  // 21, render (the decal views)
void Proc_SpawnerQueue(Fgr* f);    // 31, queue
void Proc_SpawnerRender(Fgr* f);   // 32, render by the entry's draw kind
