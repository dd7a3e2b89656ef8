// The figure container's per-frame update: every live figure's own step (countdown of the dying,
// unit upkeep, the sides' figure lists of the frame, ground marks), the selection step in the
// editor, and the activation of a figure by number. These are the container's (t_Fgrs::UpdAll,
// t_Fgrs::DecDambaOrActivate), defined here as free functions because each step reaches into the
// world, the selection and the render scene.
#pragma once

#include "figures/fgrs.h"

// t_Fgrs::UpdAll: no figure can be added while it runs (busy).
void Fgrs_UpdAll(t_Fgrs* c);
void Fgr_UpdOne(Fgr* f);
// t_Fgrs::DecDambaOrActivate of Fgrs: a trigger's dam counts down, a land cell figure its cell,
// any other figure is activated; numbers outside 1..999 and empty slots are ignored.
void Fgrs_DecDambaOrActivate(int nom);
