// Shared set-up for the world tests: an empty container, free record pools, cleared land floors
// (every valid cell open ground, the border blocked), fresh side records, a log of the test's own.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/paths.h"
#include "test_files.h"

class WorldTest : public ::testing::Test {
 protected:
  int sidesSaved_[kSides][kSideWords];

  void SetUp() override {
    gsFileLog = TestFileName("log.txt");
    std::remove(gsFileLog.c_str());
    LogResetCount();
    Records_ResetPools();
    Fgrs.ResetAll();
    org2_Init();
    orgF_Init();
    RandSeed(12345);
    KadrStep = 10;
    EditModeOn = 0;
    visUnderGround = 0;
    memcpy(sidesSaved_, SideTab, sizeof SideTab);
    PlayerSide = 2;
    memset(&LandSurface, 0, sizeof LandSurface);
    memset(&LandUnder, 0, sizeof LandUnder);
    LandUnder.floorNom = 1;
    Land_InitCellFlags();
    PassMaps_Rebuild();
  }

  void TearDown() override { memcpy(SideTab, sidesSaved_, sizeof SideTab); }

  static std::string LogText() { return ReadAll(gsFileLog); }

  // A live figure of the kind (newborn state already ended).
  static Fgr* Make(int kind, int forBase = 0) {
    Fgr* f = Fgrs.AddFgr(kind, forBase);
    if (f) {
      f->novorod = 0;
      f->active = 1;
    }
    return f;
  }

  // A walking unit of the side on layer 1 at the centre of the cell.
  static Fgr* MakeUnit(int side, int cell, int floor = 0) {
    Fgr* u = Make(112);
    u->isUnitWork = 1;
    u->UN->isUse = 1;
    u->PafLay = 1;
    u->skoros = 0.05f;
    u->baner = side;
    u->UnderGround = floor;
    float x, z;
    Land_CellCentre(cell, &x, &z);
    Fgr_SetPosition(u, x, 0.0f, z);
    return u;
  }
};
