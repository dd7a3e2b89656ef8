// A scripted session of move orders on two floors of walls and doors: the ground order with its
// waypoint window, walks longer than the three kept path steps, arrival, and a floor portal.
#include "world/movement.h"
#include "world/selection.h"
#include "world_fixture.h"

namespace {

// Walls every 32 cells with doors of two cells, and scattered blocks; the floor below has its walls
// 16 cells further on.
void WallsAndDoors(LandFloor* fl, int shift) {
  for (int c = 0; c < kLandCells; c++) {
    if (!Land_CellValid(c)) continue;
    int col = (c % kLandSide + shift) % 32, row = (c / kLandSide + shift) % 32;
    if ((col == 0 && row != 15 && row != 16) || (row == 0 && col != 15 && col != 16))
      fl->kle[c].tile = 0;
    if (col > 3 && col < 28 && row > 3 && row < 28 && Rand() % 11 == 0) fl->kle[c].tile = 7;
  }
}

int CellOf(const Fgr* f) { return Land_CellAt(f->priv_position_x, f->priv_position_z); }

int Cell(int col, int row) { return row * kLandSide + col; }

}  // namespace

class Movement : public WorldTest {
 protected:
  int frames_ = 0;

  // One frame of play for the unit: the maps every 500 ms (which plan its route), then its walk.
  // Checks that it never stands on a cell its layer may not enter. 1 once it is idle.
  bool Frame(Fgr* u) {
    if (frames_++ % 25 == 0) PassMaps_Rebuild();
    MoveOrders.OrderWaitAtFrame = MoveOrders.OrderWaitMs;
    MoveOrders.OrderWaitMs =
        MoveOrders.OrderWaitMs > FrameClock.KadrStep ? MoveOrders.OrderWaitMs - FrameClock.KadrStep : 0;
    Fgr_PathWalkStep(u, 10.0f);
    int c = CellOf(u);
    Paths.PathFloor = u->UnderGround;
    EXPECT_GE(c, 0);
    EXPECT_EQ(Land_Passable10(u->PafLay, c % kLandSide, c / kLandSide), 0)
        << "frame " << frames_ << " cell " << c;
    return !u->targPathKle && !u->targPathKle2 && !u->onPath;
  }

  bool RunUntilIdle(Fgr* u, int maxFrames) {
    for (int i = 0; i < maxFrames; i++)
      if (Frame(u)) return true;
    return false;
  }
};

TEST_F(Movement, OrderedUnitsArriveAcrossTheMapAndBetweenFloors) {
  FrameClock.KadrStep = 20;
  WallsAndDoors(&Land.LandSurface, 0);
  WallsAndDoors(&Land.LandUnder, 16);
  const int start = Cell(5, 5), first = Cell(200, 180), second = Cell(20, 240);
  for (int c : {start, first, second}) Land.LandSurface.kle[c].tile = 2;
  Fgr* u = MakeUnit(2, start);
  u->skoros = 0.1f;  // 2 world units a frame

  // A ground order, and a second one inside the window: the second becomes the waypoint.
  SelList.count = 1;
  SelList.e[1] = u;
  float x, z;
  Land_CellCentre(first, &x, &z);
  Sel_OrderMoveTo(&SelList, x, z);
  EXPECT_EQ(MoveOrders.OrderWaitMs, OrderWaitInit);
  EXPECT_EQ(u->targPathKle, first);
  for (int i = 0; i < 40; i++) Frame(u);  // 800 ms later
  Land_CellCentre(second, &x, &z);
  Sel_OrderMoveTo(&SelList, x, z);
  EXPECT_EQ(u->targPathKle, first);
  EXPECT_EQ(u->targPathKle2, second);
  EXPECT_EQ(MoveOrders.OrderWaitMs, 0);
  // The unit walks to the first point, its waypoint becomes the target, and it walks there too.
  bool passedFirst = false, idle = false;
  for (int i = 0; i < 20000 && !idle; i++) {
    idle = Frame(u);
    if (u->targPathKle == second && !u->targPathKle2) passedFirst = true;
  }
  EXPECT_TRUE(passedFirst);
  EXPECT_TRUE(idle);
  EXPECT_EQ(CellOf(u), second);
  EXPECT_EQ(Land.LandSurface.kle[second].occupant, u);

  // A floor portal on a cell of the surface: the unit that arrives there goes below.
  const int door = Cell(100, 100);
  Fgr* portal = Make(fgrFieldSpec);
  portal->FieldSpeStro = 28;
  portal->targPathKle = door;
  Land.LandSurface.kle[door].tile = 2;
  Land.LandSurface.kle[door].holder = portal;
  Land.LandUnder.kle[door].tile = 2;
  Fgr_OrderMoveCell(u, door, 0);
  ASSERT_TRUE(RunUntilIdle(u, 20000));
  EXPECT_EQ(CellOf(u), door);
  EXPECT_EQ(u->UnderGround, 1);
  // Below, an order of the shown floor 0 does not reach it; one of floor 1 does.
  const int below = Cell(230, 30);
  Land.LandUnder.kle[below].tile = 2;
  Fgr_OrderMoveCell(u, below, 0);
  EXPECT_EQ(u->targPathKle, 0);
  Fgr_OrderMoveCell(u, below, 1);
  ASSERT_TRUE(RunUntilIdle(u, 20000));
  EXPECT_EQ(CellOf(u), below);
  EXPECT_EQ(u->UnderGround, 1);

  // A fat unit does not pass a portal made for normal ones.
  Fgr* fat = MakeUnit(2, Cell(101, 100));
  fat->GabarIsFat = 1;
  EXPECT_EQ(Fgr_CrossFloorPortal(fat, portal), 1);
  EXPECT_EQ(fat->UnderGround, 0);

  // A route target of -1 is never stored.
  Fgr_OrderToCell(u, -1, 0, 1);
  EXPECT_EQ(u->targPathKle, 0);
  Fgr* bunker = Make(fgrAngBunker);
  Fgr_OrderMoveCell(bunker, -1, 0);
  EXPECT_EQ(bunker->targPathKle, 0);
  // A unit ordered into its own cell ends its move at once.
  Fgr_OrderToCell(u, below, 0, 1);
  EXPECT_EQ(u->targPathKle, 0);
  EXPECT_EQ(u->onPath, 0);
}
