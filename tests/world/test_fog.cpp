// Fog of war: the octagon a seeing figure opens, the editor, the floors, and figures off the field
// or at positions that are not numbers (the sanitizer build watches the writes).
#include <cmath>
#include <limits>

#include "world/fog.h"
#include "world_fixture.h"

class Fog : public WorldTest {
 protected:
  Fgr* Seer(float x, float z, int radius, int side = 2, int floor = 0) {
    Fgr* f = Make(fgrUnitPeh);
    f->baner = side;
    f->get_RadiusVis_ = radius;
    f->UnderGround = floor;
    f->priv_position_x = x;
    f->priv_position_z = z;
    return f;
  }
  static int Open(const LandFloor& fl) {
    int n = 0;
    for (uint8_t b : fl.FogVis) n += b == 0;
    return n;
  }
};

TEST_F(Fog, OctagonsOfThePlayersSeersOnTheirFloors) {
  // Radius 20 at the centre of cell (10, 10): the box runs over cells 8..12 in both directions
  // (w = h = 5) and the corner cut is trunc(5 * 0.5 * 0.54) = 1.
  const char* kMask[5] = {".XXX.", "XXXXX", "XXXXX", "XXXXX", ".XXX."};
  Seer(105.0f, 105.0f, 20);
  Seer(1005.0f, 1005.0f, 80, 3);                 // another side sees for itself
  Seer(1505.0f, 1505.0f, 10);                    // a radius of 10 sees nothing, not even its own cell
  Seer(2005.0f, 2005.0f, 80, 2, 1)->active = 0;  // an inactive one neither
  FogVisRebuild(&Fgrs);
  for (int r = 0; r < 5; r++)
    for (int c = 0; c < 5; c++)
      EXPECT_EQ(Land.LandSurface.FogVis[(8 + r) * kLandSide + 8 + c], kMask[r][c] == 'X' ? 0 : 60)
          << r << "," << c;
  EXPECT_EQ(Open(Land.LandSurface), 21);
  EXPECT_EQ(Open(Land.LandUnder), 0);
  EXPECT_EQ(Land.LandUnder.FogVis[10 * kLandSide + 10], 60);

  // Near the low edge the box starts at 15 (raised from -45 in steps of 10): w = 5, h = 11, k = 1;
  // its second row (row 46) is open in columns 1..5.
  FogVisRebuild(nullptr);
  Fgrs.ResetAll();
  Seer(5.0f, 505.0f, 50, 2, 1);
  FogVisRebuild(&Fgrs);
  EXPECT_EQ(Open(Land.LandSurface), 0);
  EXPECT_EQ(Land.LandUnder.FogVis[46 * kLandSide + 0], 60);
  EXPECT_EQ(Land.LandUnder.FogVis[46 * kLandSide + 1], 0);
  EXPECT_EQ(Land.LandUnder.FogVis[46 * kLandSide + 5], 0);
  EXPECT_EQ(Land.LandUnder.FogVis[46 * kLandSide + 6], 60);

  // In the editor everything is seen.
  EditModeOn = 1;
  FogVisRebuild(&Fgrs);
  EXPECT_EQ(Open(Land.LandSurface), kLandCells);
  EXPECT_EQ(Open(Land.LandUnder), kLandCells);
  EditModeOn = 0;
}

TEST_F(Fog, FiguresOffTheFieldWriteNothingOutsideTheMaps) {
  const float inf = std::numeric_limits<float>::infinity(),
              nan = std::numeric_limits<float>::quiet_NaN();
  const float bad[][2] = {{3000, 3000},   {-1e30f, 5},  {5, -1e30f},  {nan, 100},
                          {100, nan},     {inf, 100},   {-inf, -inf}, {2559.9f, 2559.9f},
                          {1e30f, 1e30f}, {-200, 2700}, {2600, -50}};
  for (auto& p : bad) Seer(p[0], p[1], 60);
  Seer(1280.0f, 1280.0f, 2000000000);  // a radius beyond the whole field
  FogVisRebuild(&Fgrs);
  // The huge radius opens the octagon of the whole square; the others at most its edge.
  EXPECT_EQ(Land.LandSurface.FogVis[128 * kLandSide + 128], 0);
  EXPECT_EQ(Open(Land.LandUnder), 0);
}
