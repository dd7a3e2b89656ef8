// Small figure operations beside the procedures.
#pragma once

class Fgr;

// Sight, build and detector radii and the hold time of a flag on a holder of that class.
void Bunker_SetClassRadii(Fgr* f, int cls);
// The pause lifted and the code window hidden.
void GamePause_Clear();
