// Spawner waves and button production.
#include "world/spawner_waves.h"

#include "catalogue/kombi.h"
#include "figures/fa_proc_env.h"
#include "figures/land.h"
#include "figures/side.h"
#include "shell/frame_clock.h"
#include "shell/random.h"
#include "world/combat.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/sides.h"

namespace {

// Tile types 0, 1, 5, 6 and 7 are no ground to stand on; 2, 3, 4 and any above 7 are.
bool IsGroundTile(int type) { return type > 7 || !((0xE3 >> type) & 1); }

// At least one of the four valid neighbours of the cell is ground.
bool HasGroundNeighbour(const LandKle* cells, int c) {
  for (int n : {c + Land_CellStep(0, -1), c + Land_CellStep(-1, 0), c + Land_CellStep(1, 0),
                c + Land_CellStep(0, 1)})
    if (Land_CellValid(n) && IsGroundTile(cells[n].tile)) return true;
  return false;
}

// The cell of one attacker: a random point of the outer ring (about 0.75, 1 or 1.25 R) with ground
// beside it, else one of the inner ring (about 0.38, 0.5 or 0.63 R) unless that too has none; -1 none.
int WaveCell(const Fgr* f, const LandKle* cells) {
  const int r = Fgr::RadiusVis(f);
  float x, z;
  Fgr::PosXZ(f, &x, &z);
  int k = Rand() % 3 + 1;
  int c =
      Land_CellFromPos(x, z, (float)(r / 2) + (float)(r - r / 2) / 2.0f * (float)k, f->UnderGround, 1);
  if (!Land_CellValid(c) || HasGroundNeighbour(cells, c)) return c;
  k = Rand() % 3 + 1;
  c = Land_CellFromPos(x, z, (float)(r / 4) + (float)(r / 2 - r / 4) / 2.0f * (float)k, f->UnderGround,
                       1);
  if (Land_CellValid(c) && !HasGroundNeighbour(cells, c)) return -1;
  return c;
}

}  // namespace

void Fgr_LandCellRegister3x3(Fgr* f) {
  if (!f || !f->P_TrigFrom) return;
  const int c = Land_CellAt(f->priv_position_x, f->priv_position_z);
  if (c < 0) return;
  f->LandKleLUp = c;
  f->LandKleStamp = 1;
  LandKle* cells = Land_Layer(f->UnderGround);
  for (int d : kLandNeighbours)
    if (c + d != 0 && Land_CellValid(c + d)) cells[c + d].occupant = f;
  f->trigDamba = Fgr::Owner(f->P_TrigFrom);
}

void Proc_SpawnerWave(Fgr* f) {
  if (!f) return;
  int n = 0;
  if (TimerDown(&f->waitNow)) {
    f->waitNow = f->waitFull;
    if (f->dXKlvMax > 0) {
      f->dXKlv += 1;
      f->dXKlvMax -= 1;
      n = 1;
    }
  }
  if (f->trigDamba == 0) {
    if (!f->P_TrigFrom) return;
    Fgr_LandCellRegister3x3(f);
    // Triggered now, whatever the cell or the toucher's side: a spawner left untriggered would
    // release a whole wave every frame. A toucher of no side counts as another side than the player's.
    if (f->trigDamba == 0) {
      const int side = Fgr::Owner(f->P_TrigFrom);
      f->trigDamba = side != 0 ? side : -1;
    }
    n = f->dXKlv;
  }
  if (n > kWaveMax) n = kWaveMax;
  const LandKle* cells = Land_Layer(f->UnderGround);
  for (int i = 0; i < n; i++) {
    const int c = WaveCell(f, cells);
    if (c == -1 || c == 0) continue;
    Fgr* g = Fgr_Create(f->Kno_TMarketKlon ? f->Kno_TMarketKlon : -5, 1, 0);
    if (!g) continue;
    Fgr_CellMoveTo(g, c, 0, f->UnderGround, 0);
    g->activateFgr = f->nom;
    // The figures of one wave open fire one after another.
    if (g->P2_Sub_UseGun) g->P2_Sub_UseGun->waitNow = i * 800 + 150 - Rand() % 301;
  }
  if (TimerDown(&f->ueWaitNow)) Fgr_LandCellUnregister(f);
}

namespace {

struct Order {
  int sig;    // start signal
  int time;   // build time, ms
  int price;  // 50, 240 or 80 energy and 21 material (taken without a test)
  int kombi;  // made when the build ends
};
constexpr Order kOrders[] = {
    {4, 5500, 50, -5},    {5, 8500, 240, -20},  {7, 18500, 240, -10}, {8, 15000, 240, -23},
    {9, 32000, 240, -13}, {10, 11500, 80, -15}, {11, 11500, 80, -14},
};

const Order* OrderOf(int sig) {
  for (const Order& o : kOrders)
    if (o.sig == sig) return &o;
  return nullptr;
}

bool Spend(int price, int side) {
  if (price == 50) return Side_Spend50(side);
  if (price == 240) return Side_Spend240(side);
  Side_Spend80_21(side);
  return true;
}

void Refund(int price, int side) {
  if (price == 50) Side_Refund50(side);
  else if (price == 240) Side_Refund240(side);
  else Side_Refund80_21(side);
}

}  // namespace

void Proc_KnoProduce(Fgr* button) {
  if (!button || !button->pParent) return;
  Fgr* b = button->pParent;
  const int sig = b->fromPultSig;
  const int owner = Fgr::Owner(b);
  if (const Order* o = OrderOf(sig)) {
    Fgr* slot = Fgr_ProdSlotFree(b, sig);
    if (!slot || !Spend(o->price, owner)) return;
    Fgr_ProdSlotStart(slot, sig, o->time);
    button->waitNow = button->waitFull = o->time;
    return;
  }
  const Order* o = sig > 100 ? OrderOf(sig - 100) : nullptr;
  if (!o) return;
  Fgr* g = Fgr_Create(o->kombi, owner, 0);
  if (!g) {
    Refund(o->price, owner);
    return;
  }
  Fgr_CellMoveTo(g, b->dXKlv, b->targPathKle, b->UnderGround, 0);
  if (sig == 104 && !Fgr_IsOwnedBy(g, Sides.PlayerSide)) g->MarshMode = 1;
  if (sig == 105 && !Fgr_IsOwnedBy(b, Sides.PlayerSide) && g->P2_Sub_Unit) g->P2_Sub_Unit->MarshMode = 1;
}

void r_Proc_SpawnerWave_(Fgr* pf) { Proc_SpawnerWave(pf); }
void r_Proc_KnoProduce_(Fgr* pf) { Proc_KnoProduce(pf); }
