// Shared set-up for the game-world tests: an empty container and record pools, five sides with
// their numbers, the player on side 2, an empty selection, a fixed seed and a fixed frame step.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "test_files.h"
#include "render/field.h"
#include "world/selection.h"

// A live figure of the kind (its newborn state ended).
inline Fgr* MakeFgr(int kind, int forBase = 0) {
  Fgr* f = Fgrs.AddFgr(kind, forBase);
  if (f) {
    f->novorod = 0;
    f->active = 1;
  }
  return f;
}

// A foot soldier of the side at (x, z) on the surface, seeing `sight` world units around it.
inline Fgr* MakeUnit(int side, float x, float z, int sight = 0) {
  Fgr* f = MakeFgr(fgrUnitPeh);
  if (!f) return nullptr;
  f->isUnitWork = 1;
  f->baner = side;
  f->priv_position_x = x;
  f->priv_position_z = z;
  f->haf = 5;
  f->get_RadiusVis_ = sight;
  return f;
}

// The side lists of a frame: emptied as the frame's clock step does, filled as the container's
// update does.
inline void FillSideLists() {
  for (int k = 0; k < kSides; k++) {
    SideTab[k][kSideOwnCount] = 0;
    SideTab[k][kSideSeenCount] = 0;
  }
  for (int i = 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Active() && Fgrs.mf[i].UN->isUse) Fgr_OfferToSides(&Fgrs.mf[i]);
}

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gsFileLog = TestFileName("log.txt");
    std::remove(gsFileLog.c_str());
    LogResetCount();
    Records_ResetPools();
    Fgrs.ResetAll();
    org2_Init();
    orgF_Init();
    std::memset(SideTab, 0, sizeof(SideTab));
    for (int k = 0; k < kSides; k++) SideTab[k][kSideId] = k + 1;
    PlayerSide = 2;
    ProgMode = 2;
    EditModeOn = 0;
    visUnderGround = 0;
    SelList_Clear();
    SelList.tidyWait = kSelTidyMs;
    PointOrderFgr = nullptr;
    PointOrderSig = 0;
    RandSeed(12345);
    KadrStep = 100;
  }

  static std::string LogText() { return ReadAll(gsFileLog); }
  static Fgr* Make(int kind, int forBase = 0) { return MakeFgr(kind, forBase); }
  static Fgr* Unit(int side, float x, float z, int sight = 0) { return MakeUnit(side, x, z, sight); }
};
