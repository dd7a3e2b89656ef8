// Shared set-up for the tests of the procedures and of the frames: the world's (figures, land, the
// player on side 2) plus five numbered sides, the play mode, an empty selection with no point
// order waiting, and a frame step of 100 ms.
#pragma once

#include "figures/stage.h"
#include "render/field.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/selection.h"
#include "world_fixture.h"

// The side lists of a frame: emptied as the frame's clock step does, filled as the container's
// update does.
inline void FillSideLists() {
  for (int k = 0; k < kSides; k++)
    Sides.SideTab[k][kSideOwnCount] = Sides.SideTab[k][kSideSeenCount] = 0;
  for (int i = 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Active() && Fgrs.mf[i].UN->isUse) Fgr_OfferToSides(&Fgrs.mf[i]);
}

class FramesTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    std::memset(Sides.SideTab, 0, sizeof(Sides.SideTab));
    for (int k = 0; k < kSides; k++) Sides.SideTab[k][kSideId] = k + 1;
    ModeWords.ProgMode = kModePlay;
    SelList_Clear();
    SelList.tidyWait = kSelTidyMs;
    WorldMouse.PointOrderFgr = nullptr;
    WorldMouse.PointOrderSig = 0;
    FrameClock.KadrStep = 100;
  }
  // A foot soldier of the side at (x, z) on the surface, seeing `sight` world units around it.
  static Fgr* Unit(int side, float x, float z, int sight = 0) {
    Fgr* f = Make(fgrUnitPeh);
    f->isUnitWork = 1, f->baner = side, f->haf = 5, f->get_RadiusVis_ = sight;
    f->priv_position_x = x, f->priv_position_z = z;
    return f;
  }
};
