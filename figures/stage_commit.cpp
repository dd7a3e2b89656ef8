// Checking a scratch stage and taking it into the live world.
#include <cstring>

#include "figures/chains.h"
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

// 1 when the take replaces slot i: a base empties every slot, a location the location slots, as
// StageScratch_Commit resets them.
static bool Replaced(const StageScratch* s, int i) {
  return s->baseRead || (i > FgrsBaseLast && s->locRead);
}

// The figure that slot i holds once the scratch is taken (null: an empty slot).
static const Fgr* After(StageScratch* s, t_Fgrs* c, int i) {
  if (Replaced(s, i)) return s->have[i] ? &s->fig[i] : nullptr;
  return c->mf[i].Status() ? &c->mf[i] : nullptr;
}

// The world the take leaves, for the sweep's rules: its live figures (a figure stored with kind 0
// is an empty slot and is not taken), its links into the live container or where they were read.
struct AfterTake {
  StageScratch* s;
  t_Fgrs* c;
};
static const Fgr* AfterFigure(const FgrSlotView* v, int i) {
  if (t_Fgrs::mOut(i)) return nullptr;
  const AfterTake* a = static_cast<const AfterTake*>(v->world);
  const Fgr* f = After(a->s, a->c, i);
  return f && f->Status() ? f : nullptr;
}

// The links a reset walks: equipment, along a chain the next member, and the chain heads.
static int OwnedLinks(const Fgr* f, const FgrSlotView* v, int out[kFgrLinkCount]) {
  int n = 0;
  for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkOwned)) {
    int k = FgrSlotView_SlotOf(v, f->*l);
    if (k > 0) out[n++] = k;
  }
  return n;
}

// Every chain of the world the take leaves may only name live figures: the per-frame sweep ends
// the program on a dead chain member. That covers the chains the file brings, and the chains of
// the figures it keeps: a base figure may chain a location figure the new location file lacks.
static int ChainsReachLiveSlots(StageScratch* s, const FgrSlotView* v) {
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = v->figure(v, i);
    if (!f) continue;
    for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkTail)) {  // the next member and the chain heads
      int k = FgrSlotView_SlotOf(v, f->*l);
      if (k > 0 && !v->figure(v, k)) {
        LogInfo("\nLoadEtapLinks: figure %d chains the empty slot %d", i, k);
        BinIn_Fail(&s->in, "link to an empty slot");
        return 0;
      }
    }
  }
  return 1;
}

// No figure may own itself through its equipment, chain heads and chain tails: its reset would
// never end.
static int OwnsNoLoop(StageScratch* s, t_Fgrs* c, const FgrSlotView* view) {
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
      int n = f ? OwnedLinks(f, view, out) : 0;
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

// The sweeps after the take reset every figure whose holder is gone, and what it takes with it.
// Such a figure in no chain is only reset, as in play; a chain that a sweep walks after one of its
// members was reset ends the program, so the stage is refused. The sweeps are replayed with their
// own rule on the world the take leaves (StageIo.sweepResetAt keeps when each figure goes).
static int ChainsOutliveTheSweeps(StageScratch* s, const FgrSlotView* v) {
  Fgrs_ReplaySweeps(v, StageIo.sweepResetAt);
  int holder = 0, member = 0;
  if (!Fgrs_FindCutChain(v, StageIo.sweepResetAt, &holder, &member)) return 1;
  LogInfo("\nLoadEtapLinks: figure %d chains figure %d, whose holder is gone", holder, member);
  BinIn_Fail(&s->in, "chain to a figure whose holder is gone");
  return 0;
}

// Floors the take writes must keep a land holder that the sweeps leave: only a land holder saves
// them, and a stage saved without one has lost its land.
static int FloorsKeepAHolder(StageScratch* s, const FgrSlotView* v) {
  if (!s->landRead) return 1;
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = v->figure(v, i);
    if (!f || StageIo.sweepResetAt[i] != kSweepKeeps) continue;
    if (Replaced(s, i) ? s->landFlag[i] && f->status == fgrLandHolder : Fgr_HasLandBlocks(f)) return 1;
  }
  LogInfo("\nLoadEtapLand: no land holder keeps the floors");
  BinIn_Fail(&s->in, "floors without a land holder");
  return 0;
}

int StageScratch_Check(StageScratch* s, t_Fgrs* c) {
  AfterTake after{s, c};
  const FgrSlotView v{AfterFigure, &after, {c->mf, Fgrs.mf}};
  return ChainsReachLiveSlots(s, &v) && OwnsNoLoop(s, c, &v) && ChainsOutliveTheSweeps(s, &v) &&
         FloorsKeepAHolder(s, &v);
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
    if (!s->have[i] || !s->fig[i].Status()) continue;  // kind 0: the slot stays empty
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
  // Every figure read raises the running number, a dropped one too.
  NextId_Raise(s->idHigh);
  if (s->sidesRead) memcpy(Sides.SideTab, s->side, sizeof Sides.SideTab);
  if (s->orgRead) {
    memcpy(org2n, s->org2, sizeof s->org2);
    memcpy(orgFn, s->orgF, sizeof s->orgF);
  }
}
