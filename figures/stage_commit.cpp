// Checking a scratch stage on the world it would make, and taking it into the live world.
#include <cstring>

#include "figures/chains.h"
#include "figures/land.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "gm/org_base.h"
#include "shell/geometry.h"
#include "shell/log.h"

// The figure of container `to` in the slot that p names in the slot array `from` (none when p
// names none there).
static Fgr* RebaseFrom(Fgr* p, const Fgr* from, t_Fgrs* to) {
  if (!p) return nullptr;
  uintptr_t a = (uintptr_t)p, b = (uintptr_t)from;
  if (a < b || a >= b + sizeof(Fgr) * kFgrsSlots || (a - b) % sizeof(Fgr)) return nullptr;
  return &to->mf[(a - b) / sizeof(Fgr)];
}

Fgr* Stage_Rebase(Fgr* p, t_Fgrs* c) { return RebaseFrom(p, Fgrs.mf, c); }

// 1 when the take replaces slot i: a base empties every slot, a location the location slots, as
// StageScratch_TakeFigures resets them.
static bool Replaced(const StageScratch* s, int i) {
  return s->baseRead || (i > FgrsBaseLast && s->locRead);
}

// 1 when the take puts the figure read into slot i there: a figure stored with kind 0 is an
// empty slot and is not taken.
static bool Taken(const StageScratch* s, int i) {
  return s->have[i] && s->fig[i].Status() && (i <= FgrsBaseLast ? s->baseRead : s->locRead);
}

void Stage_TakeEasyLevel(Fgr* f) {
  if (f->For_GameEasy > StageIo.GameEasyLevel) f->active = 0;
}

void StageScratch_TakeFigures(StageScratch* s, t_Fgrs* c) {
  if (s->baseRead) c->ResetAll();
  else if (s->locRead) c->ResetDynamic();
  for (int i = 1; i < kFgrsSlots; i++) {
    if (!Taken(s, i)) continue;
    Fgr* f = &c->mf[i];
    memcpy((void*)f, &s->fig[i], sizeof *f);
    f->nom = i;  // the slot decides it, not the file
    for (Fgr* Fgr::*l : kFgrLinks) f->*l = Stage_Rebase(f->*l, c);
    f->item = empty_item_adr();
    f->UN = empty_UN_adr();
    f->landSurf = nullptr;
    f->landUnder = nullptr;
    Stage_TakeEasyLevel(f);
  }
}

// ---------------------------------------------------------------- the world the take leaves

// The check's world: what the live container c holds, with the figure half of the take done on
// it. Its links point into itself and its figures at the shared empty records, so that the resets
// of the take and of the sweeps write no live figure and free no live record. A base empties every
// slot, so then the copy needs nothing of the live world: the reset of what it held before (its
// own links, empty records) leaves every slot empty all the same.
static void AfterTake_Make(StageScratch* s, t_Fgrs* c) {
  t_Fgrs* w = &s->after;
  const int held = LogHold(1);  // a reset on the copy that meets a loop says so
  if (!s->baseRead) {
    memcpy((void*)w->mf, c->mf, sizeof w->mf);
    for (Fgr& f : w->mf) {
      for (Fgr* Fgr::*l : kFgrLinks) f.*l = RebaseFrom(f.*l, c->mf, w);
      f.item = empty_item_adr();
      f.UN = empty_UN_adr();
    }
  }
  w->cursor = c->cursor;
  StageScratch_TakeFigures(s, w);
  LogHold(held);
}

// The slot a link of the check's world names (its links point into it), 0 for none.
static int SlotOf(const t_Fgrs* w, const Fgr* p) { return p ? (int)(p - w->mf) : 0; }

// Every chain of the world the take leaves may only name live figures: the per-frame sweep ends
// the program on a dead chain member. That covers the chains the file brings, and the chains of
// the figures it keeps: a base figure may chain a location figure the new location file lacks.
static int ChainsReachLiveSlots(StageScratch* s) {
  const t_Fgrs* w = &s->after;
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = &w->mf[i];
    if (!f->Status()) continue;
    for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkTail)) {  // the next member and the chain heads
      const Fgr* m = f->*l;
      if (m && !m->Status()) {
        LogInfo("\nLoadEtapLinks: figure %d chains the empty slot %d", i, SlotOf(w, m));
        BinIn_Fail(&s->in, "link to an empty slot");
        return 0;
      }
    }
  }
  return 1;
}

// No figure may own itself through its equipment, chain heads and chain tails: its reset would
// never end.
static int OwnsNoLoop(StageScratch* s) {
  const t_Fgrs* w = &s->after;
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
      const int v = stack[top];
      const Fgr* f = &w->mf[v];
      int out[kFgrLinkCount], n = 0;
      if (f->Status())
        for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkOwned))
          if (const int k = SlotOf(w, f->*l)) out[n++] = k;
      if (edge[top] < n) {
        const int u = out[edge[top]++];
        if (color[u] == 1) {
          LogInfo("\nLoadEtapLinks: figure %d owns itself through figure %d", u, v);
          BinIn_Fail(&s->in, "link loop");
          return 0;
        }
        if (color[u] == 0) {
          color[u] = 1;
          ++top;
          stack[top] = u;
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

// 1 when slot i of the check's world holds a land holder that keeps floors: one the take puts
// there with the floors read, or one it keeps that carries them.
static bool HoldsFloors(const StageScratch* s, int i) {
  const Fgr* f = &s->after.mf[i];
  if (f->Status() != fgrLandHolder) return false;
  return Replaced(s, i) ? Taken(s, i) && s->landFlag[i] : Fgr_HasLandBlocks(f);
}

// A land holder that keeps floors must hang on no figure and be owned by none: the sweep resets it
// when the figure it hangs on goes (a soldier dies in play), and a figure's reset takes what it
// wears and chains; every later save then writes the stage without its land. The game makes its
// land holder without a holder link, and never puts one in equipment or a chain.
static int LandHoldersStandAlone(StageScratch* s) {
  const t_Fgrs* w = &s->after;
  for (int i = 1; i < kFgrsSlots; i++) {
    if (!HoldsFloors(s, i) || !w->mf[i].pParent) continue;
    LogInfo("\nLoadEtapLand: the land holder %d has a holder link to figure %d", i,
            SlotOf(w, w->mf[i].pParent));
    BinIn_Fail(&s->in, "land holder with a holder link");
    return 0;
  }
  for (int i = 1; i < kFgrsSlots; i++) {
    if (!w->mf[i].Status()) continue;
    for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkOwned)) {  // equipment, the next member, chain heads
      const int k = SlotOf(w, w->mf[i].*l);
      if (!k || !HoldsFloors(s, k)) continue;
      LogInfo("\nLoadEtapLand: figure %d owns the land holder %d", i, k);
      BinIn_Fail(&s->in, "land holder owned by a figure");
      return 0;
    }
  }
  return 1;
}

static int LiveFigures(const t_Fgrs* w) {
  int n = 0;
  for (const Fgr& f : w->mf) n += f.Status() != 0;
  return n;
}

// Runs the game's sweep over the check's world as the frames after the load would, until a sweep
// resets nothing more or one ends the game, at most `most` sweeps: answers the sweeps run. A sweep
// that resets nothing leaves the next one nothing to reset (only a reset empties a slot), and
// every other sweep resets a figure, so at most one sweep a slot runs.
static int SweepUntilStill(StageScratch* s, int most) {
  t_Fgrs* w = &s->after;
  int sweeps = 0;
  for (int before = -1, live = LiveFigures(w); live != before && sweeps < most && !o2::NeedExit;) {
    w->SweepDead();
    sweeps++;
    before = live;
    live = LiveFigures(w);
  }
  return sweeps;
}

// The chain that ends the game at sweep `ending`: the world is made again and swept to the sweep
// before, and the first live figure whose chain names a figure gone after that sweep is named
// (*holder, *member; 0 when none is found). A sweep may reset the holder it found cut later in the
// same sweep, so the chain is read from the world before it.
static void FindCutChain(StageScratch* s, t_Fgrs* c, int ending, int* holder, int* member) {
  uint8_t gone[kFgrsSlots];
  for (int i = 0; i < kFgrsSlots; i++) gone[i] = !s->after.mf[i].Status();
  AfterTake_Make(s, c);
  o2::NeedExit = 0;
  SweepUntilStill(s, ending - 1);
  *holder = *member = 0;
  const t_Fgrs* w = &s->after;
  for (int x = 1; x < kFgrsSlots; x++) {
    if (!w->mf[x].Status()) continue;
    for (Fgr* Fgr::*head : FgrLinksFrom(kFgrLinkHeads)) {
      const Fgr* m = w->mf[x].*head;
      for (int steps = 0; m && steps < kChainWalkMax; m = m->pTail, steps++) {
        if (!gone[SlotOf(w, m)]) continue;
        *holder = x;
        *member = SlotOf(w, m);
        return;
      }
    }
  }
}

// The sweeps after the take reset every figure whose holder is gone, and what it takes with it.
// Such a figure in no chain is only reset, as in play; a chain that a sweep walks after one of its
// members was reset ends the program, so the stage is refused. The words the sweep writes are the
// live game's again afterwards.
static int SweepsEndNothing(StageScratch* s, t_Fgrs* c) {
  const int needExit = o2::NeedExit, liveCount = o2::NowFgrKlv_Status;
  const int held = LogHold(1);  // "err: ... DeadLink" of a world nobody plays
  o2::NeedExit = 0;
  const int sweeps = SweepUntilStill(s, kFgrsSlots + 1);
  const int ended = o2::NeedExit;
  int holder = 0, member = 0;
  if (ended) FindCutChain(s, c, sweeps, &holder, &member);
  LogHold(held);
  o2::NeedExit = needExit;
  o2::NowFgrKlv_Status = liveCount;
  if (!ended) return 1;
  if (holder)
    LogInfo("\nLoadEtapLinks: figure %d chains figure %d, whose holder is gone", holder, member);
  else LogInfo("\nLoadEtapLinks: a sweep after the load would end the game");
  BinIn_Fail(&s->in, "chain to a figure whose holder is gone");
  return 0;
}

// A part whose every figure the sweeps reset (or the file drops) is one the game's own save
// refuses ("it would not load again"), and so is every save after it.
static int PartsKeepFigures(StageScratch* s) {
  const struct {
    int read, first, last;
    const char* name;
  } parts[] = {{s->baseRead, 1, FgrsBaseLast, "base"},
               {s->locRead, FgrsBaseLast + 1, kFgrsSlots - 1, "location"}};
  for (int p = 0; p < 2; p++) {
    if (!parts[p].read) continue;
    int kept = 0;
    for (int i = parts[p].first; i <= parts[p].last; i++) kept += s->after.mf[i].Status() != 0;
    if (kept) continue;
    LogInfo("\nLoadEtapCount: %d figures, none kept", s->stored[p]);
    s->failPart = parts[p].name;
    BinIn_Fail(&s->in, "no figure kept");
    return 0;
  }
  return 1;
}

// Chain members name their chain's holder as theirs, as the chain code leaves them. A member that
// hangs on another figure is reset by the sweep when that figure goes while its chain still names
// it, and that ends the game; one that hangs on nothing is left in its chain when it dies (a dying
// figure leaves the chain its holder link names), with the same end. Read on the world the sweeps
// leave: a member whose other holder is gone has ended the game there already, and one whose chain
// went with its holder harms nothing.
static int MembersHangOnTheirHolders(StageScratch* s) {
  const t_Fgrs* w = &s->after;
  for (int h = 1; h < kFgrsSlots; h++) {
    const Fgr* f = &w->mf[h];
    if (!f->Status()) continue;
    for (Fgr* Fgr::*head : FgrLinksFrom(kFgrLinkHeads)) {
      int steps = 0;
      for (const Fgr* m = f->*head; m && steps < kChainWalkMax; m = m->pTail, steps++) {
        if (m->pParent == f) continue;
        if (m->pParent)
          LogInfo("\nLoadEtapLinks: figure %d chains figure %d, whose holder link names figure %d", h,
                  SlotOf(w, m), SlotOf(w, m->pParent));
        else
          LogInfo("\nLoadEtapLinks: figure %d chains figure %d, whose holder link names no figure", h,
                  SlotOf(w, m));
        BinIn_Fail(&s->in, "chain member with another holder");
        return 0;
      }
    }
  }
  return 1;
}

// Floors must keep a land holder that the sweeps leave: only a land holder saves them, and a stage
// saved without one has lost its land. That holds for the floors the take writes and for those a
// figure it keeps carries (a location alone keeps the base and its land holder, which the reset of
// the location figure that wears it would take along).
static int FloorsKeepAHolder(StageScratch* s, const t_Fgrs* c) {
  bool floors = s->landRead;
  for (int i = 1; i < kFgrsSlots && !floors; i++)
    floors = !Replaced(s, i) && Fgr_HasLandBlocks(&c->mf[i]);
  if (!floors) return 1;
  for (int i = 1; i < kFgrsSlots; i++)
    if (HoldsFloors(s, i)) return 1;
  LogInfo("\nLoadEtapLand: no land holder keeps the floors");
  BinIn_Fail(&s->in, "floors without a land holder");
  return 0;
}

int StageScratch_Check(StageScratch* s, t_Fgrs* c) {
  AfterTake_Make(s, c);
  return ChainsReachLiveSlots(s) && OwnsNoLoop(s) && LandHoldersStandAlone(s) &&
         SweepsEndNothing(s, c) && MembersHangOnTheirHolders(s) && PartsKeepFigures(s) &&
         FloorsKeepAHolder(s, c);
}

// ---------------------------------------------------------------- the take

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
  StageScratch_TakeFigures(s, c);
  if (s->landRead) StageScratch_TakeLand(s, c);
  for (int i = 1; i < kFgrsSlots; i++)
    if (Taken(s, i)) StageScratch_TakeExtras(s, i, &c->mf[i]);
  // Every figure read raises the running number, a dropped one too.
  NextId_Raise(s->idHigh);
  if (s->sidesRead) memcpy(Sides.SideTab, s->side, sizeof Sides.SideTab);
  if (s->orgRead) {
    memcpy(org2n, s->org2, sizeof s->org2);
    memcpy(orgFn, s->orgF, sizeof s->orgF);
  }
}
