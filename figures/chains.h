// Sub chains: the nine doubly linked lists of figures under a holder (guns, kits, parts, skills,
// good and bad marks, cargo, squad members, panel buttons), with their counts and limits: the adds
// with their member tests, the removals, the lookups by place and kind, and the cap on every chain
// walk, which the generated reset and sweep keep too. The per-frame sweep that resets a figure
// whose holder is gone, and ends the game on a chain naming a freed member, is the container's
// (t_Fgrs::SweepDead, figures/fgrs.h), and a stage load runs that same sweep on a scratch copy
// (StageScratch_Check, figures/stage_scratch.h).
// The parts (UseDet) are figures fixed to their holder: a bunker's two triggers (its production
// slots), a resource place's flag, a captain's spell book, a static boost's trigger for each
// captain it served. Their makers add them forced; an add that is not forced takes only items.
#pragma once

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
