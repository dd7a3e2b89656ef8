// The container's per-frame update and activation by number.
#include "world/fgrs_update.h"

#include "figures/chains.h"
#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "render/area_queue.h"
#include "render/scene.h"
#include "shell/frame_clock.h"
#include "world/land_grid.h"
#include "world/selection.h"
#include "world/unit_upkeep.h"

void Fgrs_DecDambaOrActivate(int nom) {
  if (t_Fgrs::mOut(nom)) return;
  Fgr* f = &Fgrs.mf[nom];
  int k = f->Status();
  if (!k) return;
  if (k == fgrTriger && f->trigDamba > 0) {
    f->trigDamba -= 1;
  } else if (k == fgrSpawner) {
    Fgr_LandCellCountdown(f);
  } else {
    f->active = 1;
  }
}

void Fgrs_UpdAll(t_Fgrs* c) {
  c->busy = 1;
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &c->mf[i];
    if (f->woUpdate || !f->Active()) continue;
    if (EditModeOn) Fgr_IsSelectedUpd(f);
    else if (!o2::GamePause) Fgr_UpdOne(f);
    if (Fgr::IsKind11(f)) RendView_AddCameraFgr(&RendScene, f);
  }
  c->busy = 0;
}

void Fgr_UpdOne(Fgr* f) {
  if (!f) return;
  if (f->isMort) {
    if (TimerDown(&f->isMort)) {
      // Out of its holder's chain first: a reset member left in a chain ends the program.
      Fgr_Sub_LeaveHolder(f);
      f->Sbros();
    }
    return;
  }
  if (Fgr::IsSquadHolder(f)) f->isSelected = SelList_Contains(f) ? 1 : 0;
  if (f->UN->isUse) {
    Fgr_CapZeroClear(f);
    Fgr_CapZeroZagradSet(f);
    if (f->UN->mortal && !UN_UpdCounters(f)) {
      f->isMort = 8000;
      f->fca = 0.5f;
      f->isSelected = 0;
      Fgr_LandCellFree(f);
      if (Fgr::IsSquadHolder(f->pParent)) Fgr_Sub_KickUnit(f->pParent, f);
      if (f->activateFgr) Fgrs_DecDambaOrActivate(f->activateFgr);
      return;
    }
    Fgr_CaptainMarksUpd(f);
    Fgr_OfferToSides(f);
    if (f->Status() != fgrSpawner) Fgr_UseChainsUpd(f);
  }
  // Spawners and triggers mark their reach on the ground; a spawner's reaches the other sides only.
  const int k = f->Status();
  const bool spawner = k == fgrSpawner && !f->P_TrigFrom;
  const bool trigger = k == fgrTriger && !f->P_TrigFrom && f->trigSensCase == 1;
  if (spawner || trigger)
    DecalQueue_Add({.src = f,
                    .kind = kAreaPlain,
                    .filter = spawner ? kAreaOtherSides : kAreaEveryone,
                    .radius = Fgr::RadiusVis(f),
                    .shape = kAreaCircle,
                    .w8 = kActOrb,
                    .floor = f->UnderGround,
                    .f = {1.0f, 0.0f, 0.5f, 1.0f}});
}
