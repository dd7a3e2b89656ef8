// The figure container: 1000 slots (1..500 the stage's base figures, 501..999 the location's),
// how slots are handed out, found by number and swept when dead (the per-frame update, which
// reaches into the world, is world/fgrs_update.h).
#pragma once

#include "figures/fgr.h"

constexpr int kFgrsSlots = 1000;

struct t_Fgrs {
  int busy = 0;      // 1 while UpdAll runs: no figure may be added then
  int cursor = 501;  // next location slot to try
  Fgr mf[kFgrsSlots];

  // Built with every slot numbered: the running program never numbers them itself.
  t_Fgrs() { NumberSlots(); }
  static int mOut(int nom) { return nom < 1 || nom > kFgrsSlots - 1; }
  Fgr* pFromNom(int nom, int forLocation);
  Fgr* AddFgr(int kind, int forBase);
  int FindFreeBase();
  int NewDynamic();
  void ResetDynamic();
  void ResetAll();
  void SetBanerChain(int nom, int side);
  void Deactivate(int nom);
  void WaitStart(int nom, int activate, int wait);
  void WaitStartExt(int nom, int activate, int wait);
  int FindKindNear(int kind, int owner, float x1, float z1, float x2, float z2, int activeOnly);
  void ClearNovorod();
  void SweepDead();
  // Gives every slot its own number (the container's construction, and the new-world start).
  void NumberSlots();
};

extern t_Fgrs Fgrs;

// The slot of the new figure, 0 when refused.
int priv_AddFgr(t_Fgrs* c, int kind, int forBase);
Fgr* Fgrs_pFgr(int nom);
Fgr* Etap_pFgrFromNom(int nom, int forLocation);
