// Sub chains: the nine doubly linked lists of figures under a holder (guns, kits, parts, skills,
// good and bad marks, cargo, squad members, panel buttons), with their counts and limits.
#pragma once
#include <climits>

class Fgr;

// No chain walk goes further than this: a loop read from a corrupt file ends here.
constexpr int kChainWalkMax = 1000;

Fgr* Fgr_Sub_LinkPair(Fgr* a, Fgr* b);
// Links f after the last member unless the walk reaches limit; 1 when linked.
int Fgr_Sub_AppendMax(Fgr* head, Fgr* f, int limit);
void Fgr_Sub_Unlink(Fgr* f);
Fgr* Fgr_Sub_NthAfter(Fgr* head, int n, Fgr* after);
Fgr* Fgr_getLink(Fgr* head, int linkNom, int unused);
// 1 when f is a member or the head of some chain (it cannot join another one).
int Fgr_Sub_IsLinked(const Fgr* f);
// The first member of kind `kind` in the chain that starts at `first` (behind `after` when given);
// none when there is none or `after` is not in the chain.
Fgr* Fgr_FindSubByKind(Fgr* first, int kind, Fgr* after);
// Head of chain n (1..9) of a holder, or none.
Fgr* Fgr_Sub_Head(Fgr* holder, int n);

int Fgr_Sub_AddUseGun(Fgr* h, Fgr* f);
int Fgr_Sub_AddUseKm(Fgr* h, Fgr* f, int forced);
int Fgr_Sub_AddUseDet(Fgr* h, Fgr* f, int forced);
int Fgr_Sub_AddUseSkil(Fgr* h, Fgr* f);
int Fgr_Sub_AddMetGd(Fgr* h, Fgr* f, int forced);
int Fgr_Sub_AddMetBd(Fgr* h, Fgr* f, int forced);
int Fgr_Sub_AddGruz(Fgr* h, Fgr* f);
int Fgr_Sub_AddUnit(Fgr* squad, Fgr* f, int asGuest);
int Fgr_Sub_AddKno(Fgr* h, Fgr* f);

int Fgr_Sub_KickUseGun(Fgr* h, Fgr* f);
int Fgr_Sub_KickUseKm(Fgr* h, Fgr* f);
int Fgr_Sub_KickUseDet(Fgr* h, Fgr* f);
int Fgr_Sub_KickUseSkil(Fgr* h, Fgr* f);
int Fgr_Sub_KickMetGd(Fgr* h, Fgr* f);
int Fgr_Sub_KickMetBd(Fgr* h, Fgr* f);
int Fgr_Sub_KickGruz(Fgr* h, Fgr* f);
int Fgr_Sub_KickUnit(Fgr* h, Fgr* f);
int Fgr_Sub_KickKno(Fgr* h, Fgr* f);
int Fgr_Sub_KickGuest(Fgr* squad);
// Takes f out of whichever chain of its holder holds it (before f is reset on its own).
int Fgr_Sub_LeaveHolder(Fgr* f);

// Calls fn for every member of the chain that starts at head, in order (at most kChainWalkMax).
// (F is Fgr, a template parameter so that this header needs only the declaration.)
template <class Fn, class F = Fgr>
void Fgr_Sub_ForEach(F* head, Fn fn) {
  int steps = 0;
  for (F* m = head; m && steps < kChainWalkMax; m = m->pTail, steps++) fn(m);
}

// --- What the per-frame sweep does to a world. The sweep resets a figure whose holder
// (`pParent`) is no longer live, and the reset takes its equipment and chain members with it; a
// chain the sweep walks that still names a reset figure ends the program. The rules read a world
// through a view, so that a stage load can ask them of the world it would make before it takes
// it, and the sweep asks the same of the live container.
struct FgrSlotView {
  // The live figure of slot k (status above 0), none for an empty slot or a number outside 1..999.
  const Fgr* (*figure)(const FgrSlotView* v, int k);
  const void* world;
  const Fgr* slots[2];  // the slot arrays (1000 figures each) the world's links point into
};
// The slot a link names (1..999), 0 when it names none.
int FgrSlotView_SlotOf(const FgrSlotView* v, const Fgr* link);
// 1 when f has a holder and the view holds no live figure there: the sweep resets f.
int Fgr_HolderGone(const FgrSlotView* v, const Fgr* f);

// When the sweeps replayed on a world (its links as they stand) reset each slot: pass * 1000 +
// the slot whose turn it was; 0 for a slot empty from the start, kSweepKeeps for a figure that
// stays. Loops through owned links must already be refused: the replay follows them.
constexpr int kSweepKeeps = INT_MAX;
void Fgrs_ReplaySweeps(const FgrSlotView* v, int* resetAt);
// The first live figure (*holder) whose chain a replayed sweep walks after a member (*member) was
// reset, which ends the program: 1 when there is one.
int Fgrs_FindCutChain(const FgrSlotView* v, const int* resetAt, int* holder, int* member);
