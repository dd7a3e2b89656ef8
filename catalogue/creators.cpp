// Figure creators by kind, the control-panel button sets, the bunker triggers, the flag and gem
// collector of a holder cell, and the figures that a land cell's object code stands for.
#include "catalogue/creators.h"

#include "catalogue/kombi.h"
#include "catalogue/new_world.h"
#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/tex_names.h"
#include "world/combat.h"
#include "world/figure_ops.h"
#include "world/income.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/ranks.h"

namespace {

void Rgb(Fgr* f, float r, float g, float b) {
  f->fcr = r;
  f->fcg = g;
  f->fcb = b;
}

// A figure standing at (x, 0, z) with its texture and activation word.
Fgr* Standing(int kind, int preset, float x, float z, int tex, int activateExt) {
  Fgr* f = Fgr_AddFilled(kind, preset, 0);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, 0, z);
  f->activateExt = activateExt;
  f->Tex1 = tex;
  return f;
}

// The centre of a land cell: its low corner plus half a cell.
void CellCentre(const LandKle& k, float* x, float* z) {
  *x = k.x + kLandHalfCell;
  *z = k.z + kLandHalfCell;
}

void CellMark(LandKle& k, int a, int b, int c, int d) {
  k.tile = static_cast<uint8_t>(a);
  k.objCode = static_cast<uint8_t>(b);
  k.cursor = static_cast<uint8_t>(c);
  k.flag = static_cast<uint8_t>(d);
}

// The held cell of a unit's floor, or null: the unit must be a unit and the cell valid and held.
LandKle* HeldCellOfUnit(int cell, Fgr* unit) {
  if (!Fgr::IsUnit(unit) || !Land_CellValid(cell)) return nullptr;
  LandKle* k = &Land_Layer(unit->UnderGround)[cell];
  return k->holder ? k : nullptr;
}

// The button table of a building: ProcNomOnK, title and the two hints (0 keeps the preset's).
struct KnoRow {
  int onK, titul, hint1, hint2;
};
// clang-format off
const KnoRow kBuildingKno[11] = {
    {0, 3, 3, 0},
    {0, 3, 3, 0},
    {0, 3, 3, 0},
    {r_Proc_KnoProduce, 15, 0, 0},
    {r_Proc_KnoProduce, 16, 0, 0},
    {r_Proc_KnoProduce, 17, 0, 0},
    {r_Proc_KnoProduce, 96, 97, 98},
    {r_Proc_KnoProduce, 99, 100, 101},
    {r_Proc_KnoProduce, 102, 103, 104},
    {r_Proc_KnoProduce, 18, 0, 0},
    {r_Proc_KnoProduce, 19, 0, 0},
};
// clang-format on

}  // namespace

Fgr* Fgr_AddFilled(int kind, int preset, int forBase) {
  Fgr* f = Fgrs.AddFgr(kind, forBase);
  if (PropsFill(preset, f, 1)) return f;
  Fgr::Kill(f);  // the preset freed the slot; its record goes too
  return nullptr;
}

int KnoUnit_Add(Fgr* owner, int onK, int titul, int hint1, int hint2, int onR) {
  if (!owner) return 0;
  Fgr* b = Fgr_AddFilled(fgrKnoUnit, prButton1, Fgr::IsBase(owner));
  if (!b) return 0;
  b->ProcNomOnK = onK;
  b->Kno_MsgTitul = titul;
  if (hint1) b->Kno_MsgHint1 = hint1;
  if (hint2) b->Kno_MsgHint2 = hint2;
  if (onR) b->ProcNomOnR = onR;
  // No room on the panel: a button under nobody would only hold a slot.
  if (!Fgr_Sub_AddKno(owner, b)) Fgr::Kill(b);
  return 1;
}

Fgr* Laser_Create(const LaserArgs& l) {
  Fgr* f = Fgr_AddFilled(fgrLaser, l.preset, 0);
  if (!f) return nullptr;
  Fgr_SetPosition(f, l.x, l.y, l.z);
  f->Tex1 = l.tex;
  if (l.imitate) {
    f->imiter = 1;
    f->haf = l.a;
  } else {
    f->laserX = l.a;
    f->laserY = l.b;
    f->laserZ = l.c;
  }
  if (l.owner) Fgr::SetBanerChain(f, l.owner);
  f->fcr = l.r;
  f->fcg = l.g;
  f->fcb = l.bl;
  f->fca = l.alpha;
  f->UnderGround = l.floor == -1 ? visUnderGround : (l.floor != 0 ? 1 : 0);
  return f;
}

Fgr* Triger_Create(float x, float y, float z, int owner, int forBase) {
  Fgr* f = Fgr_AddFilled(fgrTriger, prTriger1, forBase);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, y, z);
  Fgr::SetBanerChain(f, owner);
  f->Tex1 = 0;
  return f;
}

void PultFlag_Create(int cell, Fgr* unit) {
  LandKle* k = HeldCellOfUnit(cell, unit);
  if (!k) return;
  Fgr* holder = k->holder;
  float x, z;
  CellCentre(*k, &x, &z);
  Fgr* flag = Fgr_FindSubByKind(holder->P2_Sub_UseDet, fgrPultFlag, nullptr);
  if (flag) {
    if (flag->active) return;
    PropsFill(prPultFlag1, flag, 1);
  } else {
    flag = Fgr_AddFilled(fgrPultFlag, prPultFlag1, 0);
    if (!flag) return;
    Fgr_SetPosition(flag, x, 0, z);
    flag->UnderGround = holder->UnderGround;
    // A flag is no item: it joins the holder's parts without the item test.
    if (!Fgr_Sub_AddUseDet(holder, flag, 1)) {
      Fgr::Kill(flag);
      return;
    }
  }
  Fgr::SetBanerChain(flag, 0);
  Bunker_SetClassRadii(flag, k->objCode);
  flag->P_FireTarg = unit;
  Fgr_HoldFire(unit);
}

void GetGemX_Create(int cell, Fgr* unit) {
  LandKle* k = HeldCellOfUnit(cell, unit);
  if (!k) return;
  Fgr* holder = k->holder;
  if (holder->FieldSpeStro_PitStatus < 1 || k->objCode < 12 || k->objCode > 15) return;
  Fgr* flag = Fgr_FindSubByKind(holder->P2_Sub_UseDet, fgrPultFlag, nullptr);
  if (!flag || !flag->active || !Fgr_IsOwnedBy(flag, Fgr::Owner(unit))) return;
  if (Fgr* g = Fgr_FindSubByKind(holder->P2_Sub_UseKm, fgrGetGemX, nullptr)) {
    if (!g->active) g->active = 1;
    Fgr_SetPitWait(holder);
    return;
  }
  Fgr* g = Fgr_AddFilled(fgrGetGemX, prGetGemX1, 0);
  if (!g) return;
  float x, z;
  CellCentre(*k, &x, &z);
  Fgr_SetPosition(g, x, 0, z - 1.0f);
  g->UnderGround = holder->UnderGround;
  // Like the flag, the collector is no carried item.
  if (!Fgr_Sub_AddUseKm(holder, g, 1)) {
    Fgr::Kill(g);
    return;
  }
  Fgr_SetPitWait(holder);
  Fgr_SetGemKind(g, k->objCode);
}

void FieldSpec_CreatePair(int cell) {
  Fgr* f = Fgr_AddFilled(fgrFieldSpec, prFieldSpec1, 0);
  if (!f) return;
  Rgb(f, 1.0f, 0.3f, 0.4f);
  f->Tex1 = kTxStamp;
  f->FieldSpeStro = 28;
  Fgr_CellMoveTo(f, cell, cell, 0, 1);
  Fgr* g = Fgr_AddFilled(fgrFieldSpec, prFieldSpec1, 0);
  if (!g) return;
  Rgb(g, 1.0f, 1.0f, 0);
  g->Tex1 = kTxSpr67;
  g->FieldSpeStro = 28;
  Fgr_CellMoveTo(g, cell, cell, 1, 1);
}

Fgr* FieldSpec_Create(int code, float x, float z) {
  Fgr* f = Fgr_AddFilled(fgrFieldSpec, prFieldSpec1, 0);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, 0, z);
  f->FieldSpeStro = code;
  f->Tex1 = kTxFieldLadder;
  f->FieldSpeStro_PitStatus = 1;
  if (code == 12) Rgb(f, 1.0f, 0, 0);
  else if (code == 13) Rgb(f, 0, 0.3f, 1.0f);
  else if (code == 15) Rgb(f, 0, 0.9f, 0);
  return f;
}

Fgr* FieldSpec_Create2(float x, float z) {
  Fgr* f = Fgr_AddFilled(fgrFieldSpec, prFieldSpec1, 0);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, 0, z);
  f->Tex1 = kTxFieldLadder;
  f->FieldSpeStro = 8;
  return f;
}

Fgr* FieldSpec_Create3(int code, float x, float z) {
  Fgr* f = Fgr_AddFilled(fgrFieldSpec, prFieldSpec1, 0);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, 0, z);
  if (code == 3) f->Tex1 = kTxTileCrater;
  else if (code == 4) f->Tex1 = kTxTileRuin;
  else if (code == 5) f->Tex1 = kTxTilePlate;
  f->FieldSpeStro = code;
  f->FieldSpeStro_PitStatus = 0;
  return f;
}

Fgr* Dekor_Create(int code, float x, float z) {
  Fgr* f = Fgr_AddFilled(fgrDekor, prDekor1, 0);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, 11.0f, z);
  if (code == 16) f->Tex1 = kTxTileForest;
  return f;
}

void Spawner_Create(int mode, float x, float z, int cell, int cell2, int floor) {
  Fgr* f = Fgr_AddFilled(fgrSpawner, prSpawner1, 0);
  if (!f) return;
  Fgr_CellMoveTo(f, cell, 0, floor, 0);
  Fgr::SetBanerChain(f, 1);
  f->LandKleLUp = cell2;
}

Fgr* BoxPrize_Create(float x, float z) { return Standing(fgrBoxPrize, prBoxPrize1, x, z, kTxSpr64, 2); }
Fgr* BoxPrize_Create2(float x, float z) { return Standing(fgrBoxPrize, prBoxPrize1, x, z, kTxSpr63, 1); }
Fgr* StaticBoost_Create(float x, float z) {
  return Standing(fgrStaticBoost, prStaticBoost2, x, z, kTxSpr62, 2);
}
Fgr* StaticBoost_Create2(float x, float z) {
  return Standing(fgrStaticBoost, prStaticBoost1, x, z, kTxSpr61, 1);
}

void KnoUnit_CreateSet(Fgr* building) {
  if (!building) return;
  for (const KnoRow& r : kBuildingKno)
    if (!KnoUnit_Add(building, r.onK, r.titul, r.hint1, r.hint2)) return;
}

void KnoUnit_CreateSetFor(Fgr* f) {
  if (Fgr::Status(f) == fgrAngBunker) KnoUnit_CreateSet(f);
}

int Bunker_AddTriger(Fgr* bunker) {
  if (!bunker) return 0;
  float x, z;
  Fgr::PosXZ(bunker, &x, &z);
  for (float dz : {-2.0f, 2.0f}) {
    Fgr* t = Triger_Create(x, 0, z + dz, Fgr::Owner(bunker), 0);
    if (!t) return 0;
    t->waitNow = 0;
    // A trigger is no item: it joins the bunker's parts without the item test.
    if (!Fgr_Sub_AddUseDet(bunker, t, 1)) {
      Fgr::Kill(t);
      return 0;
    }
  }
  return 1;
}

void Fgr_CreateByCode(LandKle* cells, int* cellPtr) {
  if (!cells || !cellPtr || *cellPtr < 0 || *cellPtr >= kLandCells) return;
  int cell = *cellPtr;
  LandKle& k = cells[cell];
  int valid = Land_CellValid(cell);
  float x = 0, z = 0;
  if (valid) CellCentre(k, &x, &z);
  int floor = cells == Land_Layer(1) ? 1 : 0;
  int code = k.objCode;
  int bunkerKind = 0, bunkerOwner = Sides.PlayerSide + 1;
  switch (code) {
    case 3:
    case 4:
    case 5: k.holder = FieldSpec_Create3(code, x, z); break;
    case 8: k.holder = FieldSpec_Create2(x, z); break;
    case 12:
    case 13:
    case 14:
    case 15: k.holder = FieldSpec_Create(code, x, z); break;
    case 16: Dekor_Create(16, x, z); break;
    case 17:
      bunkerKind = fgrAngBunker;
      bunkerOwner = Sides.PlayerSide;
      break;
    case 18: bunkerKind = fgrAngBunker; break;
    case 19:
      k.holder = StaticBoost_Create2(x, z);
      if (valid) CellMark(k, 2, 0, 0, 2);
      break;
    case 20:
      k.holder = StaticBoost_Create(x, z);
      if (valid) CellMark(k, 2, 0, 0, 2);
      break;
    case 21:
      k.holder = BoxPrize_Create2(x, z);
      if (valid) CellMark(k, 2, 1, 0, 2);
      break;
    case 22:
      k.holder = BoxPrize_Create(x, z);
      if (valid) CellMark(k, 2, 1, 0, 2);
      break;
    case 23:
    case 24:
      Spawner_Create(code == 23 ? 1 : 2, x, z, cell, valid ? cell - kLandSide - 1 : 0, floor);
      if (valid) CellMark(k, 2, 0, 0, 3);
      break;
    case 25: bunkerKind = fgrHasBunker; break;
    case 26: bunkerKind = fgrAkdBunker; break;
    default: break;
  }
  if (!bunkerKind) return;
  Fgr* bunker = StaMutBunker(bunkerKind, bunkerOwner, x + 5.0f, z + 5.0f, cell);
  if (valid) CellMark(k, 2, 0, 0, 2);
  if (bunker) Fgr_CreateForOwner(bunker);
}
