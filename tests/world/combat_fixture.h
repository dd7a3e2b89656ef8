// Shared set-up of the combat and rank tests: the figure model's empty world, the shipped message
// base, five side records, hand-made units with a gun, and one game frame reduced to what fighting
// needs (the area queue emptied, the container's update, then every unit's attack and area step),
// after which the beams of the frame are counted by texture and taken away.
#pragma once

#include <cstring>
#include <map>

#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/figures_fixture.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/area_queue.h"
#include "shell/msgbase.h"
#include "world/combat.h"
#include "world/fgrs_update.h"
#include "world/ranks.h"

class CombatTest : public FiguresTest {
 protected:
  int sidesSaved_[kSides][kSideWords];
  std::map<int, int> beams;  // beams made since the last Beams() call, by texture

  void SetUp() override {
    FiguresTest::SetUp();
    memcpy(sidesSaved_, Sides.SideTab, sizeof Sides.SideTab);
    memset(Sides.SideTab, 0, sizeof Sides.SideTab);
    for (int k = 0; k < kSides; k++) Sides.SideTab[k][kSideId] = k + 1;
    Sides.PlayerSide = 2;
    visUnderGround = 0;
    EditModeOn = 0;
    FrameClock.GameMs = 0;
    Combat.HitLogLastMs = 0;
    DecalQueue.count = 0;
    MsgBase_Load(SourcePath("uni_files/res/msgbase.txt"));
    memset(&Land.LandSurface, 0, sizeof Land.LandSurface);
    memset(&Land.LandUnder, 0, sizeof Land.LandUnder);
    Land.LandUnder.floorNom = 1;
  }
  void TearDown() override { memcpy(Sides.SideTab, sidesSaved_, sizeof Sides.SideTab); }

  // A standing unit of the side at (x, z) with NormHP hp (max hp) and Hot 100 (no panic), seen by
  // every other side, holding a gun of reach `reach` that deals NormHP `damage` and reloads in
  // `reload` ms plus its rank's random time.
  static Fgr* MakeFighter(int side, float x, float z, int rank, int hp = 1000, int damage = 20,
                          int reach = 100, int reload = 1000) {
    Fgr* u = Make(fgrUnitPeh);
    u->isUnitWork = 1;
    u->UN->mortal = 1;
    u->UN->ExpRang = rank;
    u->baner = side;
    u->priv_position_x = x, u->priv_position_z = z;
    u->haf = 5.0f;
    u->PafLay = 1;
    u->NormAtakTarget = 1;
    u->FindAutoTarg = 1;
    u->useNormHP = 1;
    u->Sub_UseGun_max = 1;
    BoeCnt_Set(&u->UN->cnt, bcNormHP, hp, hp, 0, 0);
    BoeCnt_Set(&u->UN->cnt, bcHot, 100, 100, 0, 0);
    for (int s = 1; s <= kSides; s++) u->VidSide[s] = s != side;
    Fgr* g = Make(fgrDetUnitGun);
    g->isUnitWork = 2;
    g->detPlace = 2;
    g->get_RadiusVis_ = reach;
    g->waitFull = reload;
    Sta_Add(&g->item->sta, bcNormHP, (uint16_t)damage, 1, 1, 1);
    EXPECT_EQ(Fgr_Sub_AddUseGun(u, g), 1);
    return u;
  }

  // One game frame of the fight.
  void Frame() {
    FrameClock.GameMs += FrameClock.KadrStep;
    DecalQueue.count = 0;
    for (auto& rec : Sides.SideTab) rec[kSideSeenCount] = rec[kSideOwnCount] = 0;
    Fgrs_UpdAll(&Fgrs);
    for (Fgr& f : Fgrs.mf)
      if (f.Active() && f.isUnitWork == 1 && !f.isMort) {
        Boe_Attack(&f);
        Boe_AreaStep(&f);
      }
    for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++) {
      Fgr& f = Fgrs.mf[i];
      if (f.status != fgrLaser) continue;
      beams[f.Tex1] += 1;
      f.Sbros();
    }
  }
};
