// Sub chains: adds with their member tests and limits, removals, lookups by place and kind, and
// the members' own forms of the adds and removals.
#include "figures/chains.h"

#include <iterator>

#include "figures/fgrs.h"

namespace {

// Chain k's head, its member count and its room: the heads are the link table's last group.
constexpr std::span<Fgr* Fgr::*const> kHead = FgrLinksFrom(kFgrLinkHeads);
int Fgr::*const kNow[] = {&Fgr::Sub_UseGun_now,  &Fgr::Sub_UseKm_now, &Fgr::Sub_UseDet_now,
                          &Fgr::Sub_UseSkil_now, &Fgr::Sub_MetGd_now, &Fgr::Sub_MetBd_now,
                          &Fgr::Sub_Gruz_now,    &Fgr::Sub_Unit_now,  &Fgr::Sub_Kno_now};
int Fgr::*const kMax[] = {&Fgr::Sub_UseGun_max,  &Fgr::Sub_UseKm_max, &Fgr::Sub_UseDet_max,
                          &Fgr::Sub_UseSkil_max, &Fgr::Sub_MetGd_max, &Fgr::Sub_MetBd_max,
                          &Fgr::Sub_Gruz_max,    &Fgr::Sub_Unit_max,  &Fgr::Sub_Kno_max};
enum { cGun, cKm, cDet, cSkil, cMetGd, cMetBd, cGruz, cUnit, cKno, cChains };
static_assert(std::size(kNow) == Fgr_SubPropsKlv && std::size(kMax) == Fgr_SubPropsKlv &&
                  cChains == Fgr_SubPropsKlv,
              "one count, one room and one name per generated chain");

bool RoomLeft(const Fgr* h, int k) {
  int now = h->*kNow[k], max = h->*kMax[k];
  return max != 0 && now < max;
}

// Joins f to chain k of h: as head of an empty chain, else after the last member. A refused
// append changes nothing.
int Join(Fgr* h, int k, Fgr* f, int appendLimit, bool count) {
  if (f == h || Fgr_Sub_IsLinked(f)) return 0;
  Fgr*& head = h->*kHead[k];
  if (!head) {
    head = f;
    f->pPrev = nullptr;
    f->pTail = nullptr;
  } else if (!Fgr_Sub_AppendMax(head, f, appendLimit)) {
    return 0;
  }
  f->pParent = h;
  if (count) h->*kNow[k] += 1;
  return 1;
}

// Takes f out of chain k of h when it is found there; 1 when it was.
int Leave(Fgr* h, int k, Fgr* f, bool count) {
  if (!h || !f) return 0;
  Fgr*& head = h->*kHead[k];
  Fgr* m = head;
  for (int steps = 0; m && m != f && steps < kChainWalkMax; steps++) m = m->pTail;
  if (m != f) return 0;
  if (f == head) {
    head = f->pTail;
    if (head) head->pPrev = nullptr;
    f->pPrev = f->pTail = f->pParent = nullptr;
  } else {
    Fgr_Sub_Unlink(f);
  }
  if (count && h->*kNow[k] > 0) h->*kNow[k] -= 1;
  return 1;
}

int CheckedAdd(Fgr* h, int k, Fgr* f, int (*test)(const Fgr*), int appendLimit) {
  if (!h || !f || !RoomLeft(h, k) || !test(f)) return 0;
  return Join(h, k, f, appendLimit, true);
}

int ForcedAdd(Fgr* h, int k, Fgr* f) {
  if (!h || !f) return 0;
  return Join(h, k, f, kChainWalkMax, false);
}

int IsKno(const Fgr* f) { return Fgr::Status(f) == fgrKnoUnit; }

}  // namespace

Fgr* Fgr_Sub_LinkPair(Fgr* a, Fgr* b) {
  if (!a || !b) return b;
  a->pTail = b;
  b->pPrev = a;
  return b;
}

int Fgr_Sub_AppendMax(Fgr* head, Fgr* f, int limit) {
  if (!head || !f || limit < 1) return 0;
  Fgr* last = head;
  int steps = 1;
  while (last->pTail) {
    if (steps >= limit || steps >= kChainWalkMax) return 0;
    last = last->pTail;
    steps++;
  }
  if (steps >= limit) return 0;
  Fgr_Sub_LinkPair(last, f);
  f->pTail = nullptr;
  return 1;
}

void Fgr_Sub_Unlink(Fgr* f) {
  if (!f) return;
  Fgr* prev = f->pPrev;
  Fgr* next = f->pTail;
  if (prev) prev->pTail = next;
  if (next) next->pPrev = prev;
  f->pPrev = f->pTail = f->pParent = nullptr;
}

Fgr* Fgr_Sub_NthAfter(Fgr* head, int n, Fgr* after) {
  if (n < 1 || !head) return nullptr;
  Fgr* m = head;
  int steps = 0;
  if (after) {
    while (m && m != after && steps < kChainWalkMax) {
      m = m->pTail;
      steps++;
    }
    if (m != after) return nullptr;
    m = m->pTail;
  }
  for (int i = 1; m && i < n && steps < kChainWalkMax; i++, steps++) m = m->pTail;
  return steps < kChainWalkMax ? m : nullptr;
}

Fgr* Fgr_getLink(Fgr* head, int linkNom, int) { return Fgr_Sub_NthAfter(head, linkNom, nullptr); }

int Fgr_Sub_IsLinked(const Fgr* f) {
  if (!f) return 0;
  if (f->pTail || f->pPrev) return 1;
  if (const Fgr* h = f->pParent) {
    for (Fgr* Fgr::*head : kHead)
      if (h->*head == f) return 1;
  }
  return 0;
}

Fgr* Fgr_FindSubByKind(Fgr* first, int kind, Fgr* after) {
  int steps = 0;
  Fgr* m = first;
  if (after) {
    while (m && m != after && steps < kChainWalkMax) m = m->pTail, steps++;
    if (m != after) return nullptr;
    m = m->pTail;
  }
  for (; m && steps < kChainWalkMax; m = m->pTail, steps++)
    if (m->Status() == kind) return m;
  return nullptr;
}

Fgr* Fgr_Sub_Head(Fgr* holder, int n) {
  if (!holder || n < 1 || n > Fgr_SubPropsKlv) return nullptr;
  return holder->*kHead[n - 1];
}

// ---------------------------------------------------------------- adds

int Fgr_Sub_AddUseGun(Fgr* h, Fgr* f) {
  return h ? CheckedAdd(h, cGun, f, Fgr::IsDetPlace2, h->Sub_UseGun_max) : 0;
}

int Fgr_Sub_AddUseKm(Fgr* h, Fgr* f, int forced) {
  if (!h || !f) return 0;
  if (forced) return ForcedAdd(h, cKm, f);
  if (h->P2_UseSuit) h->Sub_UseKm_max = h->P2_UseSuit->dXKlv;  // the suit decides the kit room
  return CheckedAdd(h, cKm, f, Fgr::IsDetPlace4, h->Sub_UseKm_max);
}

int Fgr_Sub_AddUseDet(Fgr* h, Fgr* f, int forced) {
  if (forced) return ForcedAdd(h, cDet, f);
  return CheckedAdd(h, cDet, f, Fgr::IsItem, 99);
}

int Fgr_Sub_AddUseSkil(Fgr* h, Fgr* f) {
  return h ? CheckedAdd(h, cSkil, f, Fgr::IsDetPlace3, h->Sub_UseSkil_max) : 0;
}

int Fgr_Sub_AddMetGd(Fgr* h, Fgr* f, int forced) {
  if (forced) return ForcedAdd(h, cMetGd, f);
  return CheckedAdd(h, cMetGd, f, Fgr::IsStatus17, 99);
}

int Fgr_Sub_AddMetBd(Fgr* h, Fgr* f, int forced) {
  if (forced) return ForcedAdd(h, cMetBd, f);
  return CheckedAdd(h, cMetBd, f, Fgr::IsStatus17, 99);
}

int Fgr_Sub_AddGruz(Fgr* h, Fgr* f) {
  if (!h || !f || !RoomLeft(h, cGruz) || !Fgr::IsGruzZaimem(f)) return 0;
  int g = f->gruzZaimem;
  if (g < 1) return 0;
  if (g > 2 && !Fgr::IsBunkerKind(h)) return 0;
  int used = 0, counted = 0;
  for (Fgr* m = h->P2_Sub_Gruz; m && counted < h->Sub_Gruz_max && counted < kChainWalkMax;
       m = m->pTail, counted++)
    used += m->gruzZaimem;
  if (used + g > h->Sub_Gruz_max) return 0;
  return Join(h, cGruz, f, h->Sub_Gruz_max, true);
}

int Fgr_Sub_AddUnit(Fgr* squad, Fgr* f, int asGuest) {
  if (!squad || !f || !Fgr::IsUnit(f) || !Fgr::IsSquadHolder(squad)) return 0;
  if (asGuest && !squad->P_Guest) {
    if (!Join(squad, cUnit, f, squad->Sub_Unit_max + 1, false)) return 0;
    squad->P_Guest = f;
    return 1;
  }
  if (!RoomLeft(squad, cUnit)) return 0;
  if (Fgr::IsSarj112(f) && squad->P2_Sub_Unit) {
    // A sergeant leads: it goes in front of the others.
    if (f == squad || Fgr_Sub_IsLinked(f)) return 0;
    Fgr* old = squad->P2_Sub_Unit;
    f->pPrev = nullptr;
    Fgr_Sub_LinkPair(f, old);
    squad->P2_Sub_Unit = f;
    f->pParent = squad;
    squad->Sub_Unit_now += 1;
    return 1;
  }
  return Join(squad, cUnit, f, squad->Sub_Unit_max, true);
}

int Fgr_Sub_AddKno(Fgr* h, Fgr* f) { return h ? CheckedAdd(h, cKno, f, IsKno, h->Sub_Kno_max) : 0; }

// ---------------------------------------------------------------- removals

int Fgr_Sub_KickUseGun(Fgr* h, Fgr* f) { return Leave(h, cGun, f, true); }
int Fgr_Sub_KickUseKm(Fgr* h, Fgr* f) { return Leave(h, cKm, f, true); }
int Fgr_Sub_KickUseDet(Fgr* h, Fgr* f) { return Leave(h, cDet, f, true); }
int Fgr_Sub_KickUseSkil(Fgr* h, Fgr* f) { return Leave(h, cSkil, f, true); }
int Fgr_Sub_KickMetGd(Fgr* h, Fgr* f) { return Leave(h, cMetGd, f, true); }
int Fgr_Sub_KickMetBd(Fgr* h, Fgr* f) { return Leave(h, cMetBd, f, true); }
int Fgr_Sub_KickGruz(Fgr* h, Fgr* f) { return Leave(h, cGruz, f, true); }
int Fgr_Sub_KickUnit(Fgr* h, Fgr* f) { return Leave(h, cUnit, f, true); }
int Fgr_Sub_KickKno(Fgr* h, Fgr* f) { return Leave(h, cKno, f, true); }

int Fgr_Sub_LeaveHolder(Fgr* f) {
  if (!f || !f->pParent) return 0;
  Fgr* h = f->pParent;
  if (h->P_Guest == f) return Fgr_Sub_KickGuest(h);
  for (int k = 0; k < Fgr_SubPropsKlv; k++)
    if (Leave(h, k, f, true)) return 1;
  return 0;
}

int Fgr_Sub_KickGuest(Fgr* squad) {
  if (!squad || !squad->P_Guest) return 0;
  int found = Leave(squad, cUnit, squad->P_Guest, false);
  squad->P_Guest = nullptr;
  return found;
}

// ---------------------------------------------------------------- the member forms

int Fgr::Sub_UseGun_Add(Fgr* f) { return Fgr_Sub_AddUseGun(this, f); }
int Fgr::Sub_UseGun_Kick(Fgr* f) { return Fgr_Sub_KickUseGun(this, f); }
int Fgr::Sub_UseKm_Add(Fgr* f) { return Fgr_Sub_AddUseKm(this, f, 0); }
int Fgr::Sub_UseKm_Kick(Fgr* f) { return Fgr_Sub_KickUseKm(this, f); }
int Fgr::Sub_UseDet_Add(Fgr* f) { return Fgr_Sub_AddUseDet(this, f, 0); }
int Fgr::Sub_UseDet_Kick(Fgr* f) { return Fgr_Sub_KickUseDet(this, f); }
int Fgr::Sub_UseSkil_Add(Fgr* f) { return Fgr_Sub_AddUseSkil(this, f); }
int Fgr::Sub_UseSkil_Kick(Fgr* f) { return Fgr_Sub_KickUseSkil(this, f); }
int Fgr::Sub_MetGd_Add(Fgr* f) { return Fgr_Sub_AddMetGd(this, f, 0); }
int Fgr::Sub_MetGd_Kick(Fgr* f) { return Fgr_Sub_KickMetGd(this, f); }
int Fgr::Sub_MetBd_Add(Fgr* f) { return Fgr_Sub_AddMetBd(this, f, 0); }
int Fgr::Sub_MetBd_Kick(Fgr* f) { return Fgr_Sub_KickMetBd(this, f); }
int Fgr::Sub_Gruz_Add(Fgr* f) { return Fgr_Sub_AddGruz(this, f); }
int Fgr::Sub_Gruz_Kick(Fgr* f) { return Fgr_Sub_KickGruz(this, f); }
int Fgr::Sub_Unit_Add(Fgr* f) { return Fgr_Sub_AddUnit(this, f, 0); }
int Fgr::Sub_Unit_Kick(Fgr* f) { return Fgr_Sub_KickUnit(this, f); }
int Fgr::Sub_Kno_Add(Fgr* f) { return Fgr_Sub_AddKno(this, f); }
int Fgr::Sub_Kno_Kick(Fgr* f) { return Fgr_Sub_KickKno(this, f); }
