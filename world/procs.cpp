// The procedure loops: the update pass over the container and the panel signal of a unit, and the
// procedures of ProcFgr that this folder carries (the numbers without a procedure stay empty here;
// those of figures not built yet wait in pending_world.cpp).
#include "world/procs.h"

#include "figures/fa_proc_env.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "world/selection.h"

void Fgr_Proc28(Fgr* f) {
  if (f && f->ProcNomUpd2) ProcFgr(f->ProcNomUpd2, f);
}

void Fgrs_ProcAll(t_Fgrs* all) {
  if (!all || o2::GamePause || EditModeOn) return;
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &all->mf[i];
    if (f->woUpdate || !f->Active()) continue;
    Fgr_Proc28(f);
  }
}

void Fgr_ProcMixHitBars(Fgr* f) {
  if (f && f->ProcNomMixHitBars1) ProcFgr(f->ProcNomMixHitBars1, f);
}

void Fgr_ProcLinked(Fgr* unit) {
  if (!unit) return;
  int n = unit->fromPultSig;
  // A signal that was given a ground point carries 100 more (the point order of the game update).
  if (n > 100) n -= 100;
  Fgr* kno = Fgr_KnoByIndex(unit, n);
  if (Fgr::Active(kno) && kno->ProcNomOnK) ProcFgr(kno->ProcNomOnK, kno);
}

// --- the numbers of ProcFgr carried here
t_ProcHooks ProcHooks;
void r_Proc_KnoButton_(Fgr* pf) {
  if (ProcHooks.ProcKnoButtonDraw) ProcHooks.ProcKnoButtonDraw(pf);
}
void r_Proc_KnoButton2_(Fgr* pf) {
  if (ProcHooks.ProcKnoButton2Draw) ProcHooks.ProcKnoButton2Draw(pf);
}
void r_Triger_Upd_(Fgr* pf) { Triger_Upd(pf); }
void r_Proc_Bunker_(Fgr* pf) { Proc_Bunker(pf); }
void r_Proc_UnitStand_(Fgr* pf) { Proc_UnitStand(pf); }
void r_Proc_SquadHolder_(Fgr* pf) { Proc_SquadHolder(pf); }
void r_Proc_Unit_(Fgr* pf) { Proc_Unit(pf); }

// Numbers without a procedure: a figure that holds one does nothing.
void r_Empty_10_(Fgr*) {}
void r_Empty_12_(Fgr*) {}
void r_Empty_13_(Fgr*) {}
void r_Empty_15_(Fgr*) {}
void r_Empty_16_(Fgr*) {}
void r_Empty_17_(Fgr*) {}
void r_Empty_35_(Fgr*) {}
void r_Empty_38_(Fgr*) {}
void r_Empty_39_(Fgr*) {}
void r_Empty_40_(Fgr*) {}
void r_Empty_41_(Fgr*) {}
void r_Empty_42_(Fgr*) {}
void r_Empty_43_(Fgr*) {}
void r_Empty_44_(Fgr*) {}
void r_Empty_45_(Fgr*) {}
void r_Empty_46_(Fgr*) {}
void r_Empty_48_(Fgr*) {}
void r_Empty_49_(Fgr*) {}
void r_Empty_50_(Fgr*) {}
void r_Empty_51_(Fgr*) {}
void r_Empty_52_(Fgr*) {}
void r_Empty_57_(Fgr*) {}
