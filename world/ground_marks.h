// Figures that lie on the ground: the land decal, a texture laid onto a patch of the floor mesh and
// turned by the figure's angle, and the spawner with its eight marked cells, sprite, sight ring and,
// once triggered, the owner's flag and the bar of its remaining life.
#pragma once

class Fgr;

// 21, render (the decal views): the figure's decal record (figures/land.h) on its floor's mesh.
void Proc_DrawGroundMark(Fgr* f);
void Proc_SpawnerQueue(Fgr* f);   // 31, queue
void Proc_SpawnerRender(Fgr* f);  // 32, render by the entry's draw kind
