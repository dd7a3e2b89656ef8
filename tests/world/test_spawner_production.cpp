// Figures made during play: a spawner's waves frame by frame (the first wave, one attacker a wave
// period, the end of its life, and no wave every frame whatever touched it or wherever it stands),
// and a building's production through its button (the price, the production slot and the button's
// wait, the unit on the building's cell, and the price back when no unit could be made).
#include <cmath>

#include "catalogue/presets.h"
#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "world/sides.h"
#include "world/spawner_waves.h"
#include "world_fixture.h"

namespace {

constexpr int kCell = 100 * 256 + 100;  // centre (1005, 1005)

class Waves : public WorldTest {
 protected:
  Fgr* spawner_ = nullptr;

  // The preset's spawner (dXKlv 4, life 155000 ms, wave period 100000 ms, sight 60) on the cell.
  Fgr* MakeSpawner(int cell) {
    Fgr* s = Fgrs.AddFgr(fgrSpawner, 0);
    EXPECT_TRUE(s && PropsFill(prSpawner1, s, 1));
    s->novorod = 0;
    float x, z;
    Land_CellCentre(cell, &x, &z);
    Fgr_SetPosition(s, x, 0, z);
    return s;
  }

  // The attackers the spawner released: foot units of side 1 that name it.
  std::vector<Fgr*> Released() const {
    std::vector<Fgr*> out;
    for (Fgr& f : Fgrs.mf)
      if (f.status == fgrUnitPeh && f.activateFgr == spawner_->nom) out.push_back(&f);
    return out;
  }
};

}  // namespace

TEST_F(Waves, AFirstWaveThenOneAttackerAPeriodUntilTheLifeEnds) {
  FrameClock.KadrStep = 100;
  spawner_ = MakeSpawner(kCell);
  const int nom = spawner_->nom;
  for (int i = 0; i < 3; i++) Proc_SpawnerWave(spawner_);
  EXPECT_TRUE(Released().empty()) << "nothing before a unit touches it";
  EXPECT_EQ(spawner_->waitNow, 100000 - 300) << "only the wave timer runs";
  EXPECT_EQ(spawner_->ueWaitNow, 155000) << "its life does not run yet";

  Fgr* toucher = MakeUnit(2, kCell + 3);
  spawner_->P_TrigFrom = toucher;
  Proc_SpawnerWave(spawner_);
  std::vector<Fgr*> wave = Released();
  ASSERT_EQ(wave.size(), 4u) << "a first wave of dXKlv";
  EXPECT_EQ(spawner_->trigDamba, 2);
  EXPECT_EQ(spawner_->LandKleLUp, kCell);
  EXPECT_EQ(spawner_->LandKleStamp, 1);
  for (int d : {-257, -256, -255, -1, 1, 255, 256, 257})
    EXPECT_EQ(Land.LandSurface.kle[kCell + d].occupant, spawner_) << d;
  EXPECT_NE(Land.LandSurface.kle[kCell].occupant, spawner_) << "not its own cell";
  for (size_t i = 0; i < wave.size(); i++) {
    Fgr* g = wave[i];
    EXPECT_EQ(g->baner, 1) << "side 1, whatever side touched it";
    float dx = g->priv_position_x - spawner_->priv_position_x,
          dz = g->priv_position_z - spawner_->priv_position_z;
    const float r = std::sqrt(dx * dx + dz * dz);
    EXPECT_GE(r, 45 - 15) << i;  // rings of 45, 60 or 75 around it, a cell either way
    EXPECT_LE(r, 75 + 15) << i;
    ASSERT_TRUE(g->P2_Sub_UseGun);
    const int w = g->P2_Sub_UseGun->waitNow;  // i * 800 + 150 - (0..300) ms
    EXPECT_GE(w, (int)i * 800 - 150) << i;
    EXPECT_LE(w, (int)i * 800 + 150) << i;
  }

  // The waves that follow: one attacker each time the period runs out, while dXKlvMax lasts.
  for (int i = 0; i < 10; i++) Proc_SpawnerWave(spawner_);
  EXPECT_EQ(Released().size(), 4u) << "no wave every frame";
  const int periods = spawner_->dXKlvMax;
  spawner_->waitNow = 150;
  Proc_SpawnerWave(spawner_);
  EXPECT_EQ(Released().size(), 4u);
  Proc_SpawnerWave(spawner_);
  EXPECT_EQ(Released().size(), 5u);
  EXPECT_EQ(spawner_->dXKlv, 5);
  EXPECT_EQ(spawner_->dXKlvMax, periods - 1);
  EXPECT_EQ(spawner_->waitNow, 100000);
  spawner_->dXKlvMax = 0;
  spawner_->waitNow = 50;
  Proc_SpawnerWave(spawner_);
  EXPECT_EQ(Released().size(), 5u) << "no periods left";

  // Its life ends: the cells forget it and the slot is free.
  spawner_->ueWaitNow = 100;
  Proc_SpawnerWave(spawner_);
  EXPECT_EQ(Fgrs.mf[nom].status, 0);
  for (int d : {-257, -256, -255, -1, 1, 255, 256, 257})
    EXPECT_EQ(Land.LandSurface.kle[kCell + d].occupant, nullptr) << d;
}

TEST_F(Waves, NoWaveEveryFrameWhateverTouchedItOrWhereverItStands) {
  FrameClock.KadrStep = 100;
  struct Case {
    const char* what;
    int cell;       // where the spawner stands (255: on the border column, no valid cell)
    int touchSide;  // side of the unit that touched it
    int damba;      // the side it takes
  };
  const Case kCases[] = {
      {"a unit of no side", kCell, 0, -1},
      {"on the border", 10 * 256 + 255, 2, 2},
      {"a unit of no side on the border", 10 * 256 + 255, 0, -1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Fgrs.ResetAll();
    spawner_ = MakeSpawner(c.cell);
    spawner_->P_TrigFrom = MakeUnit(c.touchSide, kCell + 3);
    Proc_SpawnerWave(spawner_);
    const size_t first = Released().size();
    EXPECT_GE(first, 1u);
    EXPECT_LE(first, 4u);
    EXPECT_EQ(spawner_->trigDamba, c.damba);
    for (int i = 0; i < 20; i++) Proc_SpawnerWave(spawner_);
    EXPECT_EQ(Released().size(), first);
  }
  // A wave as large as any number in a stage file fills what the container holds and ends.
  Fgrs.ResetAll();
  spawner_ = MakeSpawner(kCell);
  spawner_->P_TrigFrom = MakeUnit(2, kCell + 3);
  spawner_->dXKlv = 2000000000;
  Proc_SpawnerWave(spawner_);
  const size_t all = Released().size();
  EXPECT_GT(all, 50u);
  EXPECT_LE(all, (size_t)kWaveMax);
}

TEST_F(Waves, AttackersStandOnlyBesideGround) {
  FrameClock.KadrStep = 100;
  // Tile types 0, 1, 5, 6 and 7 are no ground; 2, 3 and 4 are.
  const struct {
    int tile;
    bool units;
  } kTiles[] = {{0, false}, {1, false}, {5, false}, {6, false},
                {7, false}, {2, true},  {3, true},  {4, true}};
  for (const auto& t : kTiles) {
    SCOPED_TRACE(t.tile);
    Fgrs.ResetAll();
    for (int c = 0; c < kLandCells; c++)
      if (Land_CellValid(c)) Land.LandSurface.kle[c].tile = (uint8_t)t.tile;
    spawner_ = MakeSpawner(kCell);
    spawner_->P_TrigFrom = MakeUnit(2, kCell + 3);
    Proc_SpawnerWave(spawner_);
    EXPECT_EQ(Released().size(), t.units ? 4u : 0u);
  }
}

namespace {

class Production : public WorldTest {
 protected:
  Fgr* building_ = nullptr;
  Fgr* slot_[2] = {};
  Fgr* kno_ = nullptr;

  // A building of the side holding kCell, its two production slots and one production button.
  void Build(int side) {
    building_ = Make(fgrAngBunker);
    building_->baner = side;
    building_->dXKlv = building_->targPathKle = kCell;
    for (Fgr*& s : slot_) {
      s = Make(fgrTriger);
      ASSERT_TRUE(Fgr_Sub_AddUseDet(building_, s, 1));
    }
    kno_ = Make(fgrKnoUnit);
    kno_->pParent = building_;
  }
  static int& Ener(int side) { return Sides.SideTab[side - 1][kSideEner]; }
  static int& Mat(int side) { return Sides.SideTab[side - 1][kSideMat]; }
  void Signal(int sig) {
    building_->fromPultSig = sig;
    Proc_KnoProduce(kno_);
  }
  int Units(int side) const {
    int n = 0;
    for (const Fgr& f : Fgrs.mf) n += f.status == fgrUnitPeh && f.baner == side;
    return n;
  }
};

}  // namespace

TEST_F(Production, ABuildIsPaidTimedOnASlotAndEndsInAUnitOrThePriceBack) {
  Build(2);
  Ener(2) = 300, Mat(2) = 50;
  Signal(4);
  EXPECT_EQ(Ener(2), 250);
  EXPECT_EQ(slot_[0]->trigPultKno, 4);
  EXPECT_EQ(slot_[0]->parentSig, 104) << "the slot will report the finished signal";
  EXPECT_EQ(slot_[0]->waitNow, 5500);
  EXPECT_EQ(kno_->waitNow, 5500);
  EXPECT_EQ(kno_->waitFull, 5500);
  Signal(4);
  EXPECT_EQ(Ener(2), 250) << "the same order already runs: nothing spent";
  EXPECT_EQ(slot_[1]->waitNow, 0);
  Signal(5);
  EXPECT_EQ(Ener(2), 10);
  EXPECT_EQ(slot_[1]->trigPultKno, 5);
  EXPECT_EQ(kno_->waitFull, 8500);
  Signal(7);
  EXPECT_EQ(Ener(2), 10) << "no free slot: nothing spent";

  // The finished signal: a foot unit of the side on the building's cell, going nowhere.
  Signal(104);
  EXPECT_EQ(Units(2), 1);
  for (const Fgr& f : Fgrs.mf)
    if (f.status == fgrUnitPeh) {
      EXPECT_EQ(f.KleX1, kCell);
      EXPECT_EQ(f.MarshMode, 0) << "the player's unit waits for orders";
    }
  EXPECT_EQ(Ener(2), 10);

  // Resources short: no slot taken, no wait, nothing spent.
  Fgrs.ResetAll();
  Build(2);
  Ener(2) = 49;
  Signal(4);
  EXPECT_EQ(Ener(2), 49);
  EXPECT_EQ(slot_[0]->waitNow, 0);
  EXPECT_EQ(kno_->waitNow, 0);
  // Signals 10 and 11 start without a test: the stocks stop at 0.
  Ener(2) = 30, Mat(2) = 10;
  Signal(10);
  EXPECT_EQ(Ener(2), 0);
  EXPECT_EQ(Mat(2), 0);
  EXPECT_EQ(slot_[0]->waitNow, 11500);

  // A full container makes nothing and gives the price back.
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (!Fgrs.mf[i].status) Fgrs.mf[i].status = fgrDekor;
  Ener(2) = 100, Mat(2) = 100;
  Signal(104);
  EXPECT_EQ(Ener(2), 150);
  Signal(107);
  EXPECT_EQ(Ener(2), 390);
  Signal(110);
  EXPECT_EQ(Ener(2), 470);
  EXPECT_EQ(Mat(2), 121);
  Signal(99);
  Signal(204);
  EXPECT_EQ(Ener(2), 470) << "other signals do nothing";
  EXPECT_EQ(Units(2), 0);
}

TEST_F(Production, AComputerSidesUnitSetsOutAtOnce) {
  Build(3);
  Signal(104);
  int n = 0;
  for (const Fgr& f : Fgrs.mf)
    if (f.status == fgrUnitPeh && f.baner == 3) {
      n++;
      EXPECT_EQ(f.MarshMode, 1);
    }
  EXPECT_EQ(n, 1);
  kno_->pParent = nullptr;
  Signal(104);
  EXPECT_EQ(Units(3), 1) << "a button without its building does nothing";
}
