// Fog of war: the player's sight on both floors, rebuilt every frame.
#pragma once

struct t_Fgrs;

void FogVisRebuild(t_Fgrs* c);
