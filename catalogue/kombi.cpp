// Combination presets and the unit makers beside them. Every body builds its main figure first,
// then its gun, members or skills, then its buttons, and answers none at the first step that fails.
// What was made before that step stays in the world: only a gun that cannot be attached takes its
// unit along, and a squad that got no member goes. A squad keeps the members it has room for and
// lets the rest go, so a container near full still gives a squad, only a smaller one.
#include "catalogue/kombi.h"

#include "catalogue/creators.h"
#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "figures/upkeep.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/ranks.h"

namespace {

// Frees a figure with everything under it, out of any chain first; answers none.
Fgr* Drop(Fgr* f) {
  Fgr_Sub_LeaveHolder(f);
  Fgr::Kill(f);
  return nullptr;
}

// n buttons with the panel procedure onK, title 3 and first hint 3.
int Buttons(Fgr* owner, int n, int onK) {
  for (int i = 0; i < n; i++)
    if (!KnoUnit_Add(owner, onK, 3, 3, 0)) return 0;
  return 1;
}

// A member built by a kombi body joins the squad; one the squad has no room for is let go, and a
// member that could not be built is skipped.
void TakeMember(Fgr* squad, Fgr* m) {
  if (m && !Fgr_Sub_AddUnit(squad, m, 0)) Drop(m);
}

Fgr* FootUnit(int preset, int gunPreset, int knoCount, int knoOnK, int forBaner, int toBase) {
  Fgr* u = Kombi_NewUnit(fgrUnitPeh, preset, toBase, forBaner);
  if (!u || !Kombi_AttachPart(fgrDetUnitGun, gunPreset, u)) return nullptr;
  if (!Buttons(u, knoCount, knoOnK)) return nullptr;
  return u;
}

Fgr* Captain(int trueCaptain, int forBaner, int toBase) {
  Fgr* u = Kombi_NewUnit(fgrUnitHero, prCaptain1, toBase, forBaner);
  if (!u || !Kombi_AttachPart(fgrDetCapiGun, prCaptainGun1, u)) return nullptr;
  u->trueCaptain = trueCaptain;
  return u;
}

// A squad filled by a member kombi; two buttons with onK when knoOnK is not 0.
Fgr* Squad(int preset, int memberKombi, int count, int knoOnK, int forBaner, int toBase) {
  Fgr* s = Kombi_NewSquad(fgrSquadHolder, preset, toBase);
  if (!s || !Kombi_FillSquad(memberKombi, s, forBaner, count)) return nullptr;
  if (knoOnK && !Buttons(s, 2, knoOnK)) return nullptr;
  return s;
}

Fgr* Builder(int forBaner, int toBase) {
  return Kombi_NewUnit(fgrUnitStroi, prBuilder1, toBase, forBaner);
}

}  // namespace

// ------------------------------------------------------------------ the steps

Fgr* Kombi_NewUnit(int kind, int preset, int toBase, int forBaner) {
  Fgr* f = Fgr_AddFilled(kind, preset, toBase);
  if (!f) return nullptr;
  if (!Fgr::IsUnit(f)) return Drop(f);
  if (forBaner > 0) Fgr::SetBanerChain(f, forBaner);
  if (toBase) f->active = 0;
  return f;
}

Fgr* Kombi_NewSquad(int kind, int preset, int toBase) {
  Fgr* f = Fgr_AddFilled(kind, preset, toBase);
  if (!f) return nullptr;
  if (!Fgr::IsSquadHolder(f)) return Drop(f);
  if (toBase) f->active = 0;
  return f;
}

int Kombi_AttachPart(int kind, int preset, Fgr* parent) {
  if (!Fgr::Status(parent)) return 0;
  Fgr* p = Fgr_AddFilled(kind, preset, Fgr::IsBase(parent));
  if (p && Fgr_Sub_AddUseGun(parent, p)) return 1;
  Fgr::Kill(p);
  Drop(parent);
  return 0;
}

int Kombi_FillSquad(int kombi, Fgr* squad, int forBaner, int count) {
  if (count < 1 || !Fgr::Status(squad)) return 0;
  const int toBase = Fgr::IsBase(squad);
  // Every member is built, also those the squad has no room for: they are let go at once, and the
  // slots, figure numbers and random draws they took stay taken as in every other build.
  for (int i = 0; i < count; i++) TakeMember(squad, KombiPreset(kombi, forBaner, toBase));
  if (squad->P2_Sub_Unit) return 1;
  Drop(squad);
  return 0;
}

int Captain_AddKno3(Fgr* captain) {
  return KnoUnit_Add(captain, r_Proc_RangStep, 24, 75, 0, r_Proc_KnoButton2) &&
         KnoUnit_Add(captain, r_Proc_RangStep, 81, 82, 83, r_Proc_KnoButton2) &&
         KnoUnit_Add(captain, r_Proc_RangStep, 84, 85, 86, r_Proc_KnoButton2);
}

int Unit_AddBookZak(Fgr* unit, int magikVers) {
  if (!unit) return 0;
  Fgr* b = Fgr_AddFilled(fgrBookZak, prBookZak1, Fgr::IsBase(unit));
  if (!b) return 0;
  // A spell book is no item: it joins the unit's parts without the item test.
  if (!Fgr_Sub_AddUseDet(unit, b, 1)) {
    b->Sbros();
    return 0;
  }
  if (unit->P_PrepZak1) unit->P_PrepZak2 = b;
  else unit->P_PrepZak1 = b;
  b->MagikVers = magikVers;
  return 1;
}

int Unit_SetChars(Fgr* unit, int skil, int a, int b, int c) {
  if (!unit || skil < 1 || skil > 98) return 0;
  if (a == 100 && b == 100 && c == 100) return 0;
  if (a < 1 && b < 0 && c < 0) return 0;
  if (a < 1) a = 1;
  if (b < 0) b = 0;
  if (c < 0) c = 0;
  Fgr* old = Fgr_FindSkil(unit, skil);
  int lv[3] = {a, b, c};
  if (a > 99 || b > 99 || c > 99) {
    // A level above 99 adds to the old skill's; one below 100 stands as it is. Without an old
    // skill every level is 1.
    const int oldLv[3] = {old ? old->SkilRangBase : 0, old ? old->SkilRangExt2 : 0,
                          old ? old->SkilRangExt3 : 0};
    for (int i = 0; i < 3; i++) {
      if (!old) lv[i] = 1;
      else if (lv[i] > 99) lv[i] = lv[i] - 100 + oldLv[i];
    }
  }
  if (skil > 12) return 0;
  // The new skill is taken before the old one goes, so a full container loses nothing.
  Fgr* s = Fgr_AddFilled(fgrAbilSkil, prSkill01 + 10 * (skil - 1), Fgr::IsBase(unit));
  if (!s) return 0;
  if (old) Fgr_Skil_Remove(unit, old);
  static int (*const kAdd[12])(Fgr*, Fgr*, int&, int&, int&) = {
      Fgr_Skil_Add12, Fgr_Skil_Add11, Fgr_Skil_Add10, Fgr_Skil_Add9, Fgr_Skil_Add8, Fgr_Skil_Add7,
      Fgr_Skil_Add6,  Fgr_Skil_Add5,  Fgr_Skil_Add4,  Fgr_Skil_Add3, Fgr_Skil_Add2, Fgr_Skil_Add};
  return kAdd[skil - 1](unit, s, lv[0], lv[1], lv[2]);
}

Fgr* Unit_CreateAtCell(int kind, int preset, int owner, int cell, int orderCell, int floor, int partKind,
                       int partPreset, int part2Kind, int part2Preset) {
  Fgr* u = Fgr_AddFilled(kind, preset, 0);
  if (!u) return nullptr;
  if (!Fgr::IsUnit(u)) return Drop(u);
  Fgr_CellMoveTo(u, cell, orderCell, floor, 0);
  Fgr::SetBanerChain(u, owner);
  if (!Kombi_AttachPart(partKind < 0 ? 0 : partKind, partPreset, u)) return nullptr;
  if (part2Kind >= 1 && !Kombi_AttachPart(part2Kind, part2Preset, u)) return nullptr;
  return u;
}

Fgr* Unit_CreateNear(int kind, int preset, int owner, float x, float z, float radius, int floor,
                     int partKind, int partPreset) {
  float dx = 0, dz = 0;
  RandRingOffset(radius, &dx, &dz);
  const int cell = Land_CellAt(x + dx, z + dz);
  if (cell < 0) return nullptr;
  return Unit_CreateAtCell(kind, preset, owner, cell, 0, floor, partKind, partPreset, 0, 0);
}

// ------------------------------------------------------------------ entries

Fgr* Fgr_CreateNone() { return nullptr; }

Fgr* Fgr_Create(int n, int forBaner, int toBase) {
  return n < 0 ? KombiPreset(n, forBaner, toBase) : Fgr_CreateNone();
}

void Fgr_CreateForPlayer(int cell) {
  if (Fgr* u = KombiPreset(kombi_Stroitel, Sides.PlayerSide, 0))
    Fgr_CellMoveTo(u, cell, cell, visUnderGround, 0);
}

void Fgr_CreateForOwner(Fgr* bunker) {
  if (!bunker) return;
  if (Fgr* u = KombiPreset(kombi_Stroitel, Fgr::Owner(bunker), 0))
    Fgr_CellMoveTo(u, bunker->dXKlv, bunker->dXKlv, bunker->UnderGround, 0);
}

// ------------------------------------------------------------------ the kombi bodies

Fgr* kombi_Stroitel_(int forBaner, int toBase) {
  Fgr* u = Builder(forBaner, toBase);
  if (!u) return nullptr;
  static const int kTitul[5] = {20, 21, 22, 23, 25};
  static const int kHint[5] = {76, 77, 78, 79, 80};
  if (!Buttons(u, 3, r_Proc_BuildStep)) return nullptr;
  for (int i = 0; i < 5; i++)
    if (!KnoUnit_Add(u, r_Proc_BuildStep, kTitul[i], kHint[i], 0)) return nullptr;
  return u;
}

Fgr* kombi_Stroitel1Kno_(int forBaner, int toBase) {
  Fgr* u = Builder(forBaner, toBase);
  if (u && !Buttons(u, 1, r_Proc_BuildStep)) return nullptr;
  return u;
}

Fgr* kombi_SoldatAkademii_(int forBaner, int toBase) {
  return FootUnit(prFoot01, prUnitGun03, 0, 0, forBaner, toBase);
}
Fgr* kombi_RoboGolem_(int forBaner, int toBase) {
  return FootUnit(prFoot02, prUnitGun03, 0, 0, forBaner, toBase);
}
Fgr* kombi_StrelokAngelov_(int forBaner, int toBase) {
  return FootUnit(prFoot03, prUnitGun03, 5, r_Empty_38, forBaner, toBase);
}
Fgr* kombi_OsobyiStrelok_(int forBaner, int toBase) {
  return FootUnit(prFoot04, prUnitGun04, 2, r_Empty_39, forBaner, toBase);
}
Fgr* kombi_GlushakAngelov_(int forBaner, int toBase) {
  return FootUnit(prFoot05, prUnitGun05, 0, 0, forBaner, toBase);
}
Fgr* kombi_KuznecAngelov_(int forBaner, int toBase) {
  return FootUnit(prFoot06, prUnitGun06, 0, 0, forBaner, toBase);
}
Fgr* kombi_RokerAngelov_(int forBaner, int toBase) {
  return FootUnit(prFoot07, prUnitGun07, 0, 0, forBaner, toBase);
}
Fgr* kombi_MashanyaAngelov_(int forBaner, int toBase) {
  return FootUnit(prFoot08, prUnitGun08, 2, r_Empty_44, forBaner, toBase);
}
Fgr* kombi_PolnayaMashanya_(int forBaner, int toBase) {
  return FootUnit(prFoot09, prUnitGun09, 2, r_Empty_45, forBaner, toBase);
}
Fgr* kombi_RoboKop_(int forBaner, int toBase) {
  return FootUnit(prFoot10, prUnitGun10, 0, 0, forBaner, toBase);
}
Fgr* kombi_RukaAngela_(int forBaner, int toBase) {
  return FootUnit(prFoot11, prUnitGun14, 1, r_Empty_46, forBaner, toBase);
}

Fgr* kombi_Captain5_(int forBaner, int toBase) {
  Fgr* u = Captain(5, forBaner, toBase);
  if (!u) return nullptr;
  if (!Unit_SetChars(u, 5, 1, 1, 1) || !Captain_AddKno3(u) || !Unit_AddBookZak(u, 1)) return nullptr;
  return u;
}

Fgr* kombi_Captain1_(int forBaner, int toBase) {
  Fgr* u = Captain(1, forBaner, toBase);
  if (!u) return nullptr;
  if (!Unit_SetChars(u, 1, 1, 1, 1) || !Unit_SetChars(u, 3, 4, 1, 1) || !Captain_AddKno3(u))
    return nullptr;
  return u;
}

Fgr* kombi_Captain2_(int forBaner, int toBase) {
  Fgr* u = Captain(2, forBaner, toBase);
  if (u && !Unit_SetChars(u, 2, 1, 1, 1)) return nullptr;
  return u;
}

Fgr* kombi_SquadSoldat4_(int forBaner, int toBase) {
  return Squad(prSquad1, kombi_SoldatAkademii, 4, 0, forBaner, toBase);
}
Fgr* kombi_SquadRoboGolem4_(int forBaner, int toBase) {
  return Squad(prSquad2, kombi_RoboGolem, 4, 0, forBaner, toBase);
}

// -19 and -21 take their members straight from the member bodies, with the squad's own toBase, and
// keep their squad even when no member was made.
Fgr* kombi_SquadGlushakStrelok_(int forBaner, int toBase) {
  Fgr* s = Kombi_NewSquad(fgrSquadHolder, prSquad3, toBase);
  if (!s) return nullptr;
  TakeMember(s, kombi_GlushakAngelov_(forBaner, toBase));
  TakeMember(s, kombi_OsobyiStrelok_(forBaner, toBase));
  if (!Buttons(s, 2, r_Empty_48)) return nullptr;
  return s;
}

Fgr* kombi_SquadGlushak3_(int forBaner, int toBase) {
  return Squad(prSquad3, kombi_GlushakAngelov, 3, r_Empty_49, forBaner, toBase);
}

Fgr* kombi_SquadOsobyiStrelok3_(int forBaner, int toBase) {
  Fgr* s = Kombi_NewSquad(fgrSquadHolder, prSquad3, toBase);
  if (!s) return nullptr;
  for (int i = 0; i < 3; i++) TakeMember(s, kombi_OsobyiStrelok_(forBaner, toBase));
  if (!Buttons(s, 2, r_Empty_50)) return nullptr;
  return s;
}

Fgr* kombi_SquadRoker4_(int forBaner, int toBase) {
  return Squad(prSquad3, kombi_RokerAngelov, 4, r_Empty_51, forBaner, toBase);
}
Fgr* kombi_SquadRoboKop4_(int forBaner, int toBase) {
  return Squad(prSquad6, kombi_RoboKop, 4, r_Empty_52, forBaner, toBase);
}
