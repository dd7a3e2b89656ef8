// Checking a scratch stage and taking it into the live world.
#include <cstring>

#include "figures/land.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "shell/geometry.h"
#include "shell/log.h"

Fgr* Stage_Rebase(Fgr* p, t_Fgrs* c) {
  if (!p) return nullptr;
  uintptr_t a = (uintptr_t)p, b = (uintptr_t)Fgrs.mf;
  if (a < b || a >= b + sizeof Fgrs.mf || (a - b) % sizeof(Fgr)) return nullptr;
  return &c->mf[(a - b) / sizeof(Fgr)];
}

// Slot number of a link into container c (or into Fgrs, where links are read to); 0 for none.
static int SlotOf(const Fgr* p, const t_Fgrs* c) {
  if (!p) return 0;
  for (const Fgr* base : {(const Fgr*)c->mf, (const Fgr*)Fgrs.mf}) {
    uintptr_t a = (uintptr_t)p, b = (uintptr_t)base;
    if (a >= b && a < b + sizeof(Fgr) * kFgrsSlots && (a - b) % sizeof(Fgr) == 0)
      return (int)((a - b) / sizeof(Fgr));
  }
  return 0;
}

// The links a reset walks: equipment, along a chain the next member, and the chain heads.
static int OwnedLinks(const Fgr* f, const t_Fgrs* c, int out[kFgrLinkCount]) {
  int n = 0;
  for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkOwned)) {
    int k = SlotOf(f->*l, c);
    if (k > 0) out[n++] = k;
  }
  return n;
}

// The figure that slot i holds once the scratch is taken (null: an empty slot). The take empties
// every slot for a base and the location slots for a location, as StageScratch_Commit resets them.
static const Fgr* After(StageScratch* s, t_Fgrs* c, int i) {
  bool replaced = s->baseRead || (i > FgrsBaseLast && s->locRead);
  if (replaced) return s->have[i] ? &s->fig[i] : nullptr;
  return c->mf[i].Status() ? &c->mf[i] : nullptr;
}

// Every chain of the world the take leaves may only name live figures: the per-frame sweep ends
// the program on a dead chain member. That covers the chains the file brings, and the chains of
// the figures it keeps: a base figure may chain a location figure the new location file lacks.
static int ChainsReachLiveSlots(StageScratch* s, t_Fgrs* c) {
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = After(s, c, i);
    if (!f || !f->Status()) continue;
    for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkTail)) {  // the next member and the chain heads
      int k = SlotOf(f->*l, c);
      const Fgr* m = k > 0 ? After(s, c, k) : nullptr;
      if (k > 0 && (!m || !m->Status())) {
        LogInfo("\nLoadEtapLinks: figure %d chains the empty slot %d", i, k);
        BinIn_Fail(&s->in, "link to an empty slot");
        return 0;
      }
    }
  }
  return 1;
}

int StageScratch_Check(StageScratch* s, t_Fgrs* c) {
  if (!ChainsReachLiveSlots(s, c)) return 0;
  uint8_t* color = StageIo.chainColor;  // 0 unseen, 1 on the path, 2 done
  int* stack = StageIo.chainStack;
  int* edge = StageIo.chainEdge;
  memset(color, 0, sizeof StageIo.chainColor);
  for (int root = 1; root < kFgrsSlots; root++) {
    if (color[root]) continue;
    int top = 0;
    stack[0] = root;
    edge[0] = 0;
    color[root] = 1;
    while (top >= 0) {
      int v = stack[top];
      const Fgr* f = After(s, c, v);
      int out[kFgrLinkCount];
      int n = f ? OwnedLinks(f, c, out) : 0;
      if (edge[top] < n) {
        int w = out[edge[top]++];
        if (color[w] == 1) {
          LogInfo("\nLoadEtapLinks: figure %d owns itself through figure %d", w, v);
          BinIn_Fail(&s->in, "link loop");
          return 0;
        }
        if (color[w] == 0) {
          color[w] = 1;
          ++top;
          stack[top] = w;
          edge[top] = 0;
        }
      } else {
        color[v] = 2;
        --top;
      }
    }
  }
  return 1;
}

void StageScratch_TakeExtras(StageScratch* s, int slot, Fgr* f) {
  const int alive = f->Status() > 0;
  // The pool decides a record's use flag, not the file.
  if (s->recKind[slot] == 1 && alive) {
    t_UNIT* r = UN_NewCopy(&s->un[slot]);
    f->UN = r ? r : empty_UN_adr();
  } else if (s->recKind[slot] == 2 && alive) {
    t_item* r = item_NewCopy(&s->item[slot]);
    f->item = r ? r : empty_item_adr();
  }
  if (f->status == fgrLandLosk) Fgr_SetSpeLosk(f, f->SpeLoskNom, f->UnderGround);
  if (f->status == fgrLandDecal) Fgr_SetSpeDecal(f, f->SpeDecalNom);
  if (s->landFlag[slot]) Fgr_SetKamStudio(f);
  NextId_Raise(f->priv_LogIndex);
  if (f->For_GameEasy > StageIo.GameEasyLevel) f->active = 0;
}

void StageScratch_TakeLand(StageScratch* s, t_Fgrs* c) {
  LandFloor* floors[2] = {&Land.LandSurface, &Land.LandUnder};
  const int kNone = Fgr_NomForLink(nullptr, 1);  // most cells hold no figure
  for (int fl = 0; fl < 2; fl++) {
    LandFloor_ForgetDecoration(floors[fl]);
    for (int i = 0; i < kLandCells; i++) {
      const StageLandCell& a = s->land[fl][i];
      LandKle& k = floors[fl]->kle[i];
      k.height = a.h;
      k.occupant = a.occ == kNone ? nullptr : c->pFromNom(a.occ, 1);
      k.holder = a.hold == kNone ? nullptr : c->pFromNom(a.hold, 1);
      memcpy(&k.tile, a.w0, 4);
    }
  }
}

void StageScratch_Commit(StageScratch* s, t_Fgrs* c) {
  if (s->baseRead) c->ResetAll();
  else if (s->locRead) c->ResetDynamic();
  if (s->landRead) StageScratch_TakeLand(s, c);
  for (int i = 1; i < kFgrsSlots; i++) {
    if (!s->have[i]) continue;
    if (i <= FgrsBaseLast ? !s->baseRead : !s->locRead) continue;
    Fgr* f = &c->mf[i];
    memcpy((void*)f, &s->fig[i], sizeof *f);
    f->nom = i;  // the slot decides it, not the file
    for (Fgr* Fgr::*l : kFgrLinks) f->*l = Stage_Rebase(f->*l, c);
    f->item = empty_item_adr();
    f->UN = empty_UN_adr();
    f->landSurf = nullptr;
    f->landUnder = nullptr;
    StageScratch_TakeExtras(s, i, f);
  }
  if (s->sidesRead) memcpy(Sides.SideTab, s->side, sizeof Sides.SideTab);
  if (s->orgRead) {
    memcpy(org2n, s->org2, sizeof s->org2);
    memcpy(orgFn, s->orgF, sizeof s->orgF);
  }
}
