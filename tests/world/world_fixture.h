// Shared set-up for the world tests: the figure model's (an empty container, free record pools, a
// log of the test's own), plus cleared land floors (every valid cell open ground, the border
// blocked), the player on side 2, and side records restored after each test.
#pragma once
#include <cstdlib>
#include <cstring>

#include "figures/figures_fixture.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "world/land_grid.h"
#include "world/paths.h"

class WorldTest : public FiguresTest {
 protected:
  int sidesSaved_[kSides][kSideWords];

  void SetUp() override {
    FiguresTest::SetUp();
    EditModeOn = 0;
    visUnderGround = 0;
    memcpy(sidesSaved_, Sides.SideTab, sizeof Sides.SideTab);
    Sides.PlayerSide = 2;
    for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder}) {
      // The cells, mesh and maps; the chunks own their index lists and keep them.
      memset(fl->kle, 0, sizeof fl->kle);
      memset(fl->vert, 0, sizeof fl->vert);
      memset(fl->rgba, 0, sizeof fl->rgba);
      memset(fl->FogVis, 0, sizeof fl->FogVis);
    }
    Land_InitCellFlags();
    PassMaps_Rebuild();
  }

  void TearDown() override {
    FreeLandChunks();
    memcpy(Sides.SideTab, sidesSaved_, sizeof Sides.SideTab);
  }

  // The chunk meshes that a test's new world allocated (init_ProjX) go with the test: a later test
  // that clears the floors whole would lose them.
  static void FreeLandChunks() {
    for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder})
      for (LandChunk& c : fl->chunk) {
        free(c.indices);
        c.indices = nullptr;
        c.indexCount = c.built = 0;
      }
  }

  // A walking unit of the side on layer 1 at the centre of the cell.
  static Fgr* MakeUnit(int side, int cell, int floor = 0) {
    Fgr* u = Make(fgrUnitPeh);
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
