// Small figure operations beside the procedures.
#include "world/figure_ops.h"

#include "figures/chains.h"
#include "figures/fgr.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "shell/random.h"

t_CodeWin CodeWin;

void Fgr_Disarm(Fgr* f) {
  if (!f) return;
  f->active = 0;
  f->waitFull = 0;
  f->waitNow = 0;
  f->parentSig = 0;
  f->trigPultKno = 0;
}

void Side_TechMark3(int n, int s) {
  if (s < 1 || s > kSides || n < 1 || n >= kSideTechs) return;
  if (TechEntry* t = Side_Tech(s - 1, n)) t->w[0] = 3;
}

int Fgr_NotHoldingPost(const Fgr* f) {
  if (!f || f->DontUseGunMode != 1 || f->targPathKle) return 1;
  return f->isMort ? 1 : 0;
}

void Bunker_SetClassRadii(Fgr* f, int cls) {
  if (!f) return;
  int wait;
  if (cls == 4) {
    f->get_RadiusVis_ = 120, f->get_RadStroi_ = 0;
    wait = 21000 + Rand() % 3001;
  } else if (cls == 5) {
    f->get_RadiusVis_ = 90, f->get_RadStroi_ = 45;
    wait = 32000 + Rand() % 3001;
  } else {
    f->get_RadiusVis_ = 60, f->get_RadStroi_ = 60;
    wait = 14000 + Rand() % 2001;
  }
  f->get_RadDetector_ = 15;
  f->waitFull = f->waitNow = wait;
}

int IntTakeUpTo(int* store, int* amount) {
  if (!store || !amount || *store < 1 || *amount < 1) return 0;
  if (*store < *amount) {
    int all = *store;
    *store = 0;
    return all;
  }
  *store -= *amount;
  return *amount;
}

Fgr* FieldSpec_ActiveFlag(Fgr* place) {
  if (Fgr::Status(place) != fgrFieldSpec) return nullptr;
  Fgr* flag = Fgr_FindSubByKind(place->P2_Sub_UseDet, fgrPultFlag, nullptr);
  return flag && flag->xExpNow > 0 ? flag : nullptr;
}
