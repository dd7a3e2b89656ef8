// Small figure operations beside the procedures, used by the flags, bunkers and income.
#pragma once

class Fgr;

// 1 when a flag's taker no longer holds its post: missing, not holding fire, given a route target,
// or dying.
int Fgr_NotHoldingPost(const Fgr* f);
// Sight, build and detector radii and the hold time of a capture place's class (4, 5, others).
void Bunker_SetClassRadii(Fgr* f, int cls);
// Takes up to *amount from *store and answers what was taken (0 when either is below 1).
int IntTakeUpTo(int* store, int* amount);
// The flag a special field (kind 18) holds: its first kind-6 member of P2_Sub_UseDet while that
// flag's state is above 0.
Fgr* FieldSpec_ActiveFlag(Fgr* place);
