// Fog of war: each frame of play every cell of both floors starts unseen (FogVis 60) and every
// active figure of the player's side with a sight radius above 10 opens an octagon of cells around
// itself on its floor. In the editor everything is seen (0) and no figure is looked at.
#pragma once

struct t_Fgrs;

void FogVisRebuild(t_Fgrs* c);
// The cells a figure at (x, z) sees with that radius: the box of the radius kept inside 10..2560 on
// both axes, its corners cut by diagonals (an octagon); visit(cell, ctx) for each cell of 0..65535.
void Fog_OctagonCells(float x, float z, float radius, void (*visit)(int cell, void* ctx), void* ctx);
