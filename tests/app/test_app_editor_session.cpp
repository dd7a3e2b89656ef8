// One scripted stage-editor session of the whole program, headless, with the mouse and keys only:
// the start screen's Editor button makes a new world; the brush paints a row of sea with F1 held,
// marker tiles mark two cells, a unit and a bunker (with the approach its cells need) are placed,
// the unit is selected and its first march point set by click mode M1, and the stage is saved
// through the save dialog. The saved stage is read back here and then loaded in play, whose own save
// of it gives the same cells and figures. Two pictures of the session are kept as golden pictures.
#include <map>
#include <vector>

#include "app_run.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "picture.h"
#include "world/land_grid.h"

namespace {

using namespace at800;

// Window pixels (top-left origin) at 800 x 600. The palette's cell n lies at column (n - 1) % 3 and
// row (n - 1) / 3 of 78 x 16 pixel cells from (2, 378); the click modes along the top right. The field
// shows the world's corner, the view centred on (110, 110).
const char* kModeM1 = "730 39";
const char* kCellA = "500 350";  // the unit's cell, marked with tool 2
const char* kCellC = "640 450";  // its march point, marked with tool 3

std::string Tool(int n) {
  const int x = 2 + 78 * ((n - 1) % 3) + 39, y = 378 + 16 * ((n - 1) / 3) + 8;
  // The select command fires on the release, which a press in the same frame would hide.
  return "click left " + std::to_string(x) + " " + std::to_string(y) + "\nwait 1\n";
}

std::string Right(const char* at) { return std::string("click right ") + at + "\nwait 1\n"; }

// The four type bytes of a cell as one number, first byte highest.
int Bytes(const LandKle& k) { return k.tile << 24 | k.objCode << 16 | k.cursor << 8 | k.flag; }
constexpr int B(int a, int b, int c, int d) { return a << 24 | b << 16 | c << 8 | d; }

constexpr int Cell(int col, int row) { return row * kLandSide + col; }

std::vector<int> CellsWith(int bytes) {
  std::vector<int> cells;
  for (int i = 0; i < kLandCells; i++)
    if (Bytes(Land.LandSurface.kle[i]) == bytes) cells.push_back(i);
  return cells;
}

// What a stage keeps that a few frames of play do not change: every cell's type bytes, every
// figure's kind and side by slot, the units' march points.
struct StageShape {
  std::vector<int> cells;
  std::map<int, std::vector<int>> figures;
};

StageShape Shape() {
  StageShape s;
  for (const LandFloor* fl : {&Land.LandSurface, &Land.LandUnder})
    for (const LandKle& k : fl->kle) s.cells.push_back(Bytes(k));
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &Fgrs.mf[i];
    if (f->Status()) s.figures[i] = {f->Status(), Fgr::Owner(f), f->Marsh1, f->MarshKuda};
  }
  return s;
}

TEST_F(AppRun, AnEditorSessionMakesAStageThatPlays) {
  std::string script = std::string("answer no\nwait 3\nclick left ") + kEditor + "\nwait 5\n";
  // The brush: sea along a row, the left button held with F1 from x 300 to 400.
  script += Tool(4) + "down F1\npress left 300 250\nwait 1\n";
  for (int x = 320; x <= 400; x += 20) script += "move " + std::to_string(x) + " 250\nwait 1\n";
  script += "release left 400 250\nup F1\nwait 1\n";
  // Marker tiles, then the unit on the first one.
  script += Tool(2) + Right(kCellA) + Tool(3) + Right(kCellC) + Tool(22) + Right(kCellA);
  // Approaches on the row above the bunker's cell, then the bunker (which selects it).
  script +=
      Tool(11) + Right("600 275") + Right("626 275") + Right("652 275") + Tool(12) + Right("626 300");
  // The unit selected, click mode M1, its march point.
  script += std::string("click left ") + kCellA + "\nwait 1\nclick left " + kModeM1 + "\nwait 1\n" +
            Right(kCellC);
  // The painted tiles show once the editor redraws the land; then the save.
  script += std::string("wait 100\nmove ") + kAway + "\nwait 2\nshot edited.bmp\n";
  script += std::string("file Maps/test.etp\nclick left ") + kEditorSave + "\nwait 2\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();

  const std::string maps = (dir / "Maps").string();
  ASSERT_EQ(EtapFile_Load(maps + "/test.etp"), 1);
  const StageShape edited = Shape();

  // The cells under the cursor points, as the camera of a new world sees them (200 above and behind
  // the view's centre at (110, 110), 45 degrees): the palette's type bytes on each.
  EXPECT_EQ(CellsWith(B(5, 0, 2, 4)), (std::vector<int>{Cell(6, 8), Cell(7, 8), Cell(8, 8), Cell(9, 8),
                                                        Cell(10, 8), Cell(11, 8)}));
  EXPECT_EQ(CellsWith(B(2, 0, 9, 3)), std::vector<int>{Cell(14, 13)});
  EXPECT_EQ(CellsWith(B(2, 0, 10, 5)), std::vector<int>{Cell(18, 17)});
  EXPECT_EQ(CellsWith(B(2, 16, 11, 10)), (std::vector<int>{Cell(19, 9), Cell(20, 9), Cell(21, 9)}));
  // The figures the tools made, all of the location: the unit on its marked cell with its march
  // point, a decoration on each approach, the bunker on the cell below them holding two of them,
  // with its builder.
  std::map<int, std::vector<Fgr*>> made;
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++) made[Fgrs.mf[i].Status()].push_back(&Fgrs.mf[i]);
  ASSERT_EQ(made[fgrUnitPeh].size(), 1u);
  const Fgr* unit = made[fgrUnitPeh][0];
  EXPECT_EQ(Fgr::Owner(unit), 2);
  EXPECT_EQ(Land_CellAt(unit->priv_position_x, unit->priv_position_z), Cell(14, 13));
  EXPECT_EQ(unit->Marsh1, Cell(18, 17));
  EXPECT_EQ(unit->MarshKuda, 1);
  EXPECT_NE(unit->P2_Sub_UseGun, nullptr);
  EXPECT_EQ(made[fgrDekor].size(), 3u);
  ASSERT_EQ(made[fgrAngBunker].size(), 1u);
  const Fgr* bunker = made[fgrAngBunker][0];
  EXPECT_EQ(Fgr::Owner(bunker), 2);
  EXPECT_EQ(bunker->LandKleLUp, Cell(19, 10));
  EXPECT_EQ(bunker->dXKlv, Cell(19, 9));
  EXPECT_EQ(bunker->dXKlvMax, Cell(20, 9));
  EXPECT_EQ(Land.LandSurface.kle[Cell(19, 9)].holder, bunker);
  ASSERT_EQ(made[fgrUnitStroi].size(), 1u);
  EXPECT_EQ(Fgr::Owner(made[fgrUnitStroi][0]), 2);

  // Play loads the saved stage (the start screen's PlayTest) and saves it again as test2 a few
  // frames later: the same figures in the same slots, the same cells but for the decorations a load
  // scatters over plain cells.
  ASSERT_EQ(Run(std::string("answer no\nwait 3\nclick left ") + kPlayTest + "\nwait 3\nclick left " +
                kSaveTest2 + "\nwait 3\nmove " + kAway + "\nwait 30\nshot play_edited.bmp\nclose\n"),
            0)
      << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();
  ASSERT_EQ(EtapFile_Load(maps + "/test2.etp"), 1);
  const StageShape played = Shape();
  EXPECT_TRUE(played.figures == edited.figures);
  ASSERT_EQ(played.cells.size(), edited.cells.size());
  int differ = 0;
  for (size_t i = 0; i < edited.cells.size(); i++) {
    const int plain = (edited.cells[i] & 0xFF00) == 0 && ((edited.cells[i] >> 16) & 0xFF) <= 2;
    const int mask = plain ? ~0xFF00 : ~0;
    differ += (edited.cells[i] & mask) != (played.cells[i] & mask);
  }
  EXPECT_EQ(differ, 0);

  // The editor after the session (the sea row, the selected unit's line to the corner, its kind in
  // the box, click mode M1) and the stage in play.
  ExpectGolden(dir, "edited");
  ExpectGolden(dir, "play_edited");
}

}  // namespace
