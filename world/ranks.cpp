// Ranks and rank-up offers: the rank-up with its next threshold, a captain's three skill offers by
// its class and rank, the offer queue the player chooses from while the game is paused, applying
// an offer, skill lookups, spells, cargo, and the captain's and builder's button procedures.
#include "world/ranks.h"

#include "catalogue/creators.h"
#include "catalogue/kombi.h"
#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/fgr.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "render/field.h"
#include "render/tex_names.h"
#include "shell/geometry.h"
#include "shell/log.h"
#include "shell/msgbase.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/selection.h"
#include "world/sides.h"

t_Ranks Ranks;

namespace {

constexpr int kRangOfferWait = 2000;      // ms the choice buttons ignore clicks after a new set
constexpr int kNormUnitExpNext = 188333;  // an ordinary unit's next threshold: out of reach
constexpr int kOfferRounds = 99;
constexpr int kTier2 = 1000, kTier3 = 10000;
// The skills that offers are made of, in the order of the weights of Rang_OfferPick.
constexpr int kPickSkills[8] = {1, 2, 3, 4, 5, 7, 9, 11};

int SkillOf(int offer) { return offer > 9999 ? offer - kTier3 : offer > 999 ? offer - kTier2 : offer; }
int TierOf(int offer) { return offer > 9999 ? 3 : offer > 999 ? 2 : 1; }
int Has(Fgr* f, int n) { return Fgr_FindSkil(f, n) != nullptr; }
int Coin() { return Rand() % 2; }
// Tier 2 or tier 3 of skill n, with equal chance.
int Tier2Or3(int n) { return Coin() ? n + kTier2 : n + kTier3; }

// The next open tier of skill n as an offer; 0 when the captain lacks it or all tiers are full.
int NextTier(Fgr* f, int n) {
  Fgr* s = Fgr_FindSkil(f, n);
  if (!s) return 0;
  if (s->SkilRangBase < 4) return n;
  if (s->SkilRangExt2 < 4) return n + kTier2;
  if (s->SkilRangExt3 < 4) return n + kTier3;
  return 0;
}

// The first figure of kind among a side's own figures of this frame.
Fgr* OwnOfKind(int side, int kind, int born = -1) {
  const int* rec = Side_Rec(side);
  if (!rec) return nullptr;
  int n = rec[kSideOwnCount];
  if (n > kSideListMax) n = kSideListMax;
  for (int i = 1; i <= n; i++) {
    Fgr* f = Fgrs_pFgr(rec[kSideOwnList + i]);
    if (f && f->Status() == kind && (born < 0 || f->bornTehnola == born)) return f;
  }
  return nullptr;
}

}  // namespace

Fgr* Fgr_FindSkil(Fgr* f, int vers) {
  if (!f) return nullptr;
  Fgr* found = nullptr;
  Fgr_Sub_ForEach(f->P2_Sub_UseSkil, [&](Fgr* m) {
    if (!found && m->Status() == fgrAbilSkil && m->AbilSkilVers == vers) found = m;
  });
  return found;
}

void Fgr_ExpNextInit(Fgr* unit) {
  if (unit && unit->UN->ExpRang >= 1) unit->xExpNext = 800 + 500 * (unit->UN->ExpRang - 1);
}

const char* Skil_Name(int offer) {
  int n = SkillOf(offer);
  if (offer < 1 || n < 1 || n > 12) return "x";
  return MsgBase_Text(35 + 3 * n + TierOf(offer));
}

// ---------------------------------------------------------------- offers

int Rang_Offer(Fgr* f, int n, int k) {
  Fgr* s = Fgr_FindSkil(f, n);
  if (!s) return 0;
  if (Rand() % (k + 5) == 0 && s->SkilRangBase <= 3) return n;
  if (Rand() % (k + 4) == 0 && s->SkilRangExt2 <= 3) return n + kTier2;
  if (Rand() % (k + 3) == 0 && s->SkilRangExt3 <= 3) return n + kTier3;
  return 0;
}

void Rang_OfferPair(Fgr* f, int* a, int* b) {
  static const int kOrder[4] = {1, 3, 2, 4};
  auto pick = [f](int other) {
    for (int round = 0; round < kOfferRounds; round++)
      for (int n : kOrder)
        if (int v = Rang_Offer(f, n, 0); v && v != other) return v;
    return 0;
  };
  *a = pick(0);
  *b = pick(*a);
}

void Rang_OfferPick(Fgr* f, int* a, int* b, int*, const int (&w)[8]) {
  static const int kBackOrder[8] = {3, 2, 1, 0, 7, 6, 5, 4};  // skills 4, 3, 2, 1, 11, 9, 7, 5
  auto pick = [&](const int* order, int other) {
    for (int round = 0; round < kOfferRounds; round++)
      for (int j = 0; j < 8; j++) {
        int i = order ? order[j] : j;
        if (!w[i] || !(Rand() % (w[i] + 1))) continue;
        if (int v = Rang_Offer(f, kPickSkills[i], 0); v && v != other) return v;
      }
    return 0;
  };
  *a = pick(nullptr, 0);
  *b = pick(kBackOrder, *a);
}

int Rang_NewSkilOffer(Fgr* f, int* a) {
  if (!f || f->Sub_UseSkil_now >= f->Sub_UseSkil_max) return 0;
  for (int n : kPickSkills)
    if (!Has(f, n) && Coin()) {
      *a = n;
      return 1;
    }
  return 0;
}

void Rang_OfferTier(Fgr* f, int* a, int* b) {
  // Each class: the skill whose offer is traded for a tier of the class's own skill.
  static const int kTrigger[][3] = {{1, 11, 1}, {5, 3, 5}, {2, 4, 2}, {9, 7, 9},
                                    {3, 5, 3},  {7, 9, 7}, {4, 2, 4}, {11, 1, 11}};
  for (const auto& t : kTrigger) {
    if (f->trueCaptain != t[0]) continue;
    int* v = SkillOf(*a) == t[1] ? a : SkillOf(*b) == t[1] ? b : nullptr;
    if (v)
      if (int next = NextTier(f, t[2])) *v = next;
    return;
  }
}

namespace {

// Rank 8: the weighted pair, then a higher tier of the class's own skill in place of the first,
// and the second moved up a tier when it is a first-tier offer.
void OffersRank8(Fgr* f, int* a, int* b, int* c, const int (&w)[8], int own) {
  Rang_OfferPick(f, a, b, c, w);
  *a = Tier2Or3(own);
  if (*b <= 999) *b += kTier2;
}

// High ranks: the weighted pair, one time in `oneIn` a new skill in place of the first, then
// the trade of a trigger skill's offer for the class's own skill.
void OffersHigh(Fgr* f, int* a, int* b, int* c, const int (&w)[8], int oneIn) {
  Rang_OfferPick(f, a, b, c, w);
  if (Rand() % oneIn == 0) Rang_NewSkilOffer(f, a);
  Rang_OfferTier(f, a, b);
}

}  // namespace

void Rang_OffersClass1(Fgr* f, int* a, int* b, int* c) {
  *c = 1;
  int rank = f->UN->ExpRang;
  switch (rank) {
    case 2:
      *a = 1;
      *b = Tier2Or3(1);
      return;
    case 3:
      *a = Tier2Or3(1);
      *b = Coin() ? 3 : Coin() == 0 ? 4 : 2;
      return;
    case 4: {
      int s2 = Has(f, 2), s3 = Has(f, 3), s4 = Has(f, 4);
      *a = Coin() && !s3 ? 3 : Coin() && !s2 ? 2 : 4;
      *b = Coin() && s3 ? 3 : Coin() && s2 ? 2 : Coin() && s4 ? 4 : 1;
      return;
    }
    case 5: Rang_OfferPair(f, a, b); return;
    case 6: *a = 5, *b = 7; return;
    case 7: Rang_OfferPick(f, a, b, c, {3, 2, 3, 2, 1, 1, 0, 0}); return;
    case 8: OffersRank8(f, a, b, c, {0, 1, 1, 1, 1, 1, 0, 0}, 1); return;
    default: OffersHigh(f, a, b, c, {3, 3, 3, 3, 2, 2, 1, 1}, 2); return;
  }
}

void Rang_OffersClass2(Fgr* f, int* a, int* b, int* c) {
  *c = 2;
  int rank = f->UN->ExpRang;
  switch (rank) {
    case 2:
      *a = 2;
      *b = Tier2Or3(2);  // the roll's divisor is the rank, 2 here
      return;
    case 3:
      *a = Tier2Or3(2);
      *b = Coin() ? 9 : 3;
      return;
    case 4: {
      int s9 = Has(f, 9), s3 = Has(f, 3);
      *a = Coin() && !s9 ? 9 : Coin() == 0 || s3 ? 11 : 3;
      *b = Coin() && s9 ? 9 : Coin() == 0 || !s3 ? 2 : 3;
      return;
    }
    default: OffersHigh(f, a, b, c, {1, 3, 1, 1, 1, 1, 1, 1}, 10); return;
  }
}

void Rang_OffersClass5(Fgr* f, int* a, int* b, int* c) {
  *c = 5;
  int rank = f->UN->ExpRang;
  switch (rank) {
    case 2:
      *a = 5;
      *b = Tier2Or3(5);
      return;
    case 3:
      *a = Tier2Or3(5);
      *b = Rand() % 6 ? 4 : 3;
      return;
    case 4: {
      int s4 = Has(f, 4), s3 = Has(f, 3);
      *a = Coin() && !s4 ? 2 : Rand() % 5 || s3 ? 9 : 3;
      *b = Coin() && s4 ? 4 : Coin() == 0 || !s3 ? 5 : 3;
      return;
    }
    case 5: Rang_OfferPick(f, a, b, c, {0, 1, 1, 1, 1, 0, 1, 0}); return;
    case 6: *a = 1, *b = 7; return;
    case 7: Rang_OfferPick(f, a, b, c, {2, 2, 1, 2, 2, 2, 1, 0}); return;
    case 8: OffersRank8(f, a, b, c, {1, 1, 1, 1, 0, 1, 1, 0}, 5); return;
    default: OffersHigh(f, a, b, c, {1, 1, 1, 1, 2, 1, 1, 1}, 2); return;
  }
}

void Rang_Defaults(int cls, int* a, int* b, int* c) {
  *a = *b = 0;
  *c = cls;
}

// A captain's three offers by its class; other classes get none.
static void OffersOfClass(Fgr* unit, int* a, int* b, int* c) {
  switch (const int cls = unit->trueCaptain) {
    case 1: Rang_OffersClass1(unit, a, b, c); break;
    case 2: Rang_OffersClass2(unit, a, b, c); break;
    case 5: Rang_OffersClass5(unit, a, b, c); break;
    case 3:
    case 4:
    case 7:
    case 9:
    case 11: Rang_Defaults(cls, a, b, c); break;
    default: break;
  }
}

void Unit_RangChoice(Fgr* unit, int step) {
  if (!unit || !unit->UN->isUse) return;
  const int captain = unit->trueCaptain;
  const int limit = captain ? o2::RangCaptainMax : o2::RangNormUnitMax;
  int rank = unit->UN->ExpRang;
  if (rank < 1 || rank >= limit) return;
  rank += step;
  unit->UN->ExpRang = rank < 1 ? 1 : rank > limit ? limit : rank;
  if (!captain) {
    unit->xExpNext = kNormUnitExpNext;
    return;
  }
  Fgr_ExpNextInit(unit);
  int a = 0, b = 0, c = 0;
  OffersOfClass(unit, &a, &b, &c);
  if (Fgr::Owner(unit) == Sides.PlayerSide) {
    Rang_OfferQueue(unit, a, b, c);
    return;
  }
  LogInfo("\n\n--- при переходе в ранг %d\nесть выбор: %s <> %s <+> %s", (int)unit->UN->ExpRang,
          Skil_Name(a), Skil_Name(b), Skil_Name(c));
  if (Coin()) a = b;
  Rang_ChoiceApply(unit, a);
}

// ---------------------------------------------------------------- the offer queue

void Rang_OfferQueue(Fgr* f, int a, int b, int c) {
  if (!f || !Ranks.RangPanelExists) return;
  Ranks.RangPanelReq = kRangPanelShow;
  o2::GamePause = 1;
  Ranks.RangOfferWaitMs = kRangOfferWait;
  if (Ranks.RangQueue[1].fgr) return;  // full: the set is dropped
  int slot = Ranks.RangQueue[2].fgr ? 1 : Ranks.RangQueue[3].fgr ? 2 : Ranks.RangQueue[4].fgr ? 3 : 4;
  Ranks.RangQueue[slot] = {f->nom, a, b, c};
}

int MsgBox_Next() {
  for (int s = kRangQueueSlots - 1; s >= 1; s--)
    if (Ranks.RangQueue[s].fgr) {
      Ranks.RangQueue[kRangQueueSlots] = Ranks.RangQueue[s];
      Ranks.RangQueue[s] = {};
      return 1;
    }
  Ranks.RangQueue[kRangQueueSlots] = {};
  o2::GamePause = 0;
  Ranks.RangPanelReq = kRangPanelHide;
  return 0;
}

int Rang_ChoiceTake(int n) {
  if (Ranks.RangOfferWaitMs > 0 || !Ranks.RangQueue[kRangQueueSlots].fgr) return 0;
  const RangOfferSet& shown = Ranks.RangQueue[kRangQueueSlots];
  int offer = n == 1 ? shown.a : n == 2 ? shown.b : n == 3 ? shown.c : 0;
  if (offer) Rang_ChoiceApply(Fgrs_pFgr(shown.fgr), offer);
  MsgBox_Next();
  return 1;
}

// ---------------------------------------------------------------- applying offers

int Skil_Raise(Fgr* f, int skil, int base, int ext2, int ext3) {
  auto step = [](int v) { return v < 0 ? 0 : v > 99 ? 99 : v; };
  // Levels above 100 add to the skill's levels instead of setting them.
  return Unit_SetChars(f, skil, step(base) + 100, step(ext2) + 100, step(ext3) + 100);
}

void Rang_ChoiceApply(Fgr* f, int offer) {
  if (!f || !f->UN->isUse) return;
  LogInfo("\n выбрали: %s", Skil_Name(offer));
  int n = SkillOf(offer), tier = TierOf(offer);
  Skil_Raise(f, n, tier == 1, tier == 2, tier == 3);
}

int Skil_RandomRaise(Fgr* captain) {
  if (!captain || !captain->trueCaptain) return 0;
  int pick = 0;
  Fgr_Sub_ForEach(captain->P2_Sub_UseSkil, [&](Fgr* s) {
    if (s->Status() != fgrAbilSkil) return;
    if (pick && Coin()) return;  // after the first pick, each later skill is looked at by chance
    int b = s->SkilRangBase < 4, e2 = s->SkilRangExt2 < 4, e3 = s->SkilRangExt3 < 4;
    int tier = Coin() && b ? 1 : Coin() && e2 ? 2 : Coin() && e3 ? 3 : b ? 1 : e2 ? 2 : e3 ? 3 : 0;
    if (tier) pick = s->AbilSkilVers + (tier == 2 ? kTier2 : tier == 3 ? kTier3 : 0);
  });
  if (!pick) return 0;
  Rang_ChoiceApply(captain, pick);
  return 1;
}

// ---------------------------------------------------------------- spells, cargo

int Spel_Cast(Fgr* caster, Fgr* book) {
  if (!caster || !book || caster->spelCastNow > 0) return 0;
  if (book->MagikVers != 1) return -1;
  Fgr* s = Fgr_AddFilled(fgrMetkaZak, prMetkaZak1, 0);
  if (!s) return 0;
  if (!Fgr_Sub_AddMetGd(caster, s, 0)) {
    s->Sbros();
    return 0;
  }
  Fgr::SpelCastInit(caster);
  s->waitFull = s->waitNow = 25000;
  s->MagikVers = book->MagikVers;
  return 1;
}

int Cargo_AddRandom(Fgr* unit) {
  if (!unit) return 0;
  Fgr* item = Fgr_AddFilled(fgrDetUnit, prArmor1, 0);
  if (!item) return 0;
  if (!Fgr_Sub_AddGruz(unit, item)) {
    item->Sbros();
    return 0;
  }
  FKu_Add(&item->item->fku, bcCaptHP, 3, -10 * (Rand() % 3 + 1), 1, 0, 50, 1);
  return 1;
}

// ---------------------------------------------------------------- button procedures

void Proc_RangStep(Fgr* kno) {
  Fgr* h = kno ? kno->pParent : nullptr;
  if (!h) return;
  if (h->fromPultSig == 1) {
    UN_MakeRandomName(h, 1);
  } else if (h->fromPultSig == 2 && h->P_PrepZak1 && h->spelCastNow <= 0) {
    int r = Spel_Cast(h, h->P_PrepZak1);
    if (r == 1) {
      kno->waitFull = kno->waitNow = h->spelCastFull;
    } else if (r == -1) {
      WorldMouse.PointOrderFgr = h;
      WorldMouse.PointOrderSig = 2;
      WorldMouse.CarriedTex = kTxTarget;
    }
  }
}

void Proc_BuildStep(Fgr* kno) {
  Fgr* h = kno ? kno->pParent : nullptr;
  if (!h || h->UnderGround != 0) return;
  const int sig = h->fromPultSig;
  if (sig == 7) {
    if (Fgr* d = Fgr_AddFilled(fgrDekor, prDekor1, 0)) {
      Fgr_CellMoveTo(d, h->KleX1, 0, h->UnderGround, 0);
      d->LandKleLUp = h->KleX1;
      d->fcr = (Rand() % 5 + 1) * 0.125f + 0.3f;
      d->fcg = (Rand() % 5 + 1) * 0.125f + 0.3f;
      d->fcb = (Rand() % 5 + 1) * 0.125f + 0.3f;
    }
    return;
  }
  if (WorldMouse.PointOrderFgr && sig <= 29) return;
  if (visUnderGround != 0) return;
  static const int kCursor[][2] = {{4, kTxTarget}, {5, kTxSprScout}, {6, kTxSprTower}, {8, kTxSprDepot}};
  for (const auto& c : kCursor)
    if (sig == c[0]) {
      WorldMouse.PointOrderFgr = h;
      WorldMouse.PointOrderSig = sig;
      WorldMouse.CarriedTex = c[1];
      return;
    }
  WorldMouse.PointOrderFgr = nullptr;
  WorldMouse.PointOrderSig = 0;
  int cell = Land_CellAt((float)WorldMouse.PointOrderX, (float)WorldMouse.PointOrderZ);
  if (cell < 0) return;
  const LandKle& k = Land_Layer(h->UnderGround)[cell];
  const float px = k.x + 5.0f, pz = k.z + 5.0f;
  if (sig == 108) {
    GetGemX_Create(cell, h);
    return;
  }
  float hx, hz;
  Fgr::PosXZ(h, &hx, &hz);
  if (!Circles_Touch(hx, hz, 1.0f, px, pz, 30.0f) || k.objCode != 1) return;
  Fgr* base = OwnOfKind(Sides.PlayerSide, fgrAngBunker);
  if (!base) return;
  float bx, bz;
  Fgr::PosXZ(base, &bx, &bz);
  if (!Circles_Touch(bx, bz, (float)Fgr::RadiusVis(base), px, pz, 0.0f)) return;
  const int side = Fgr::Owner(h);
  Fgr* b = nullptr;
  float at = 5.0f;
  if (sig == 104) {
    if (OwnOfKind(Sides.PlayerSide, fgrUnitDom, 3) || !Side_Spend300_120(side)) return;
    b = Fgr_AddFilled(fgrUnitDom, prBuild09, 0);
  } else if (sig == 105) {
    if (OwnOfKind(Sides.PlayerSide, fgrUnitDom, 9) || !Side_Spend180_60(side)) return;
    b = Fgr_AddFilled(fgrUnitDom, prBuild11, 0);
  } else if (sig == 106) {
    if (!Side_Spend90_15(side)) return;
    b = Fgr_AddFilled(fgrUnitGen, prBuild02, 0);
    at = 0.0f;
  }
  if (!b) return;
  Fgr_SetPosition(b, px + at, 0.0f, pz + at);
  b->LandKleLUp = cell;
  Fgr::SetBanerChain(b, Sides.PlayerSide);
  // Builder and building sleep while the building goes up; a trigger wakes each of them.
  float hy;
  Fgr::PosXYZ(&hx, &hy, &hz, h);
  if (Fgr* t = Triger_Create(hx, hy, hz, Sides.PlayerSide, 0)) Fgr::WaitStart(t, h->nom, 11000);
  Fgr::Deactivate(h);
  float x, y, z;
  Fgr::PosXYZ(&x, &y, &z, b);
  if (Fgr* t = Triger_Create(x, y, z, 0, 0)) Fgr::WaitStart(t, b->nom, 22000);
  Fgr::Deactivate(b);
}

void r_Proc_RangStep_(Fgr* f) { Proc_RangStep(f); }
void r_Proc_BuildStep_(Fgr* f) { Proc_BuildStep(f); }

// ---------------------------------------------------------------- developer runs

namespace {

// A captain of the computer's side from a combination; none logs `missing`.
Fgr* TestCaptain(int kombi, const char* missing) {
  Fgr* c = KombiPreset(kombi, Side_Switch(Sides.PlayerSide), 0);
  if (!c) LogInfo("%s", missing);
  return c;
}

}  // namespace

void Unit_RangTestLog() {
  static const struct {
    const char* title;
    int kombi;
    const char* missing;
  } kRuns[] = {{"\n Unit_RangTestLog test1..", kombi_Captain5, "\nТестовый капитан не создан."},
               {"\n Unit_RangTestLog test2..", kombi_Captain1, "\nТестовый капитан2 не создан."}};
  for (const auto& r : kRuns) {
    LogInfo("%s", r.title);
    Fgr* c = TestCaptain(r.kombi, r.missing);
    if (!c) continue;
    // The offers of every rank up to the limit, without choosing any.
    for (int rank = 2; rank <= o2::RangCaptainMax; rank++) {
      c->UN->ExpRang = rank;
      int a = 0, b = 0, k = 0;
      OffersOfClass(c, &a, &b, &k);
      LogInfo("\n %05d, %05d,  %05d", a, b, k);
    }
    Fgr::Kill(c);
  }
}

void Unit_RangTestLog2() {
  static const struct {
    const char* title;
    int kombi;
  } kRuns[] = {{"\n\n\n Unit_RangTestLog2 рост Фронтмэна..", kombi_Captain1},
               {"\n\n\n Unit_RangTestLog2 рост Доктора..", kombi_Captain5},
               {"\n\n\n Unit_RangTestLog2 рост Качка..", kombi_Captain2}};
  for (const auto& r : kRuns) {
    LogInfo("%s", r.title);
    Fgr* c = TestCaptain(r.kombi, "\nТестовый капитан не создан.");
    if (!c) continue;
    // Every rank-up logs the offers and the choice a computer captain makes.
    for (int i = 1; i < o2::RangCaptainMax; i++) Unit_RangChoice(c, 1);
    Fgr::Kill(c);
  }
}
