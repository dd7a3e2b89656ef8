// Fog of war: each frame of play every cell of both floors starts unseen (FogVis 60) and every
// active figure of the player's side with a sight radius above 10 opens an octagon of cells around
// itself on its floor. In the editor everything is seen (0) and no figure is looked at.
#pragma once

struct t_Fgrs;

void FogVisRebuild(t_Fgrs* c);
