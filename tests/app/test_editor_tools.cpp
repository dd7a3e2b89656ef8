// The stage editor's right click through its frame, with a camera over the corner of the land: each
// click mode and a sample of palette tools on a valid cell, a border cell and off the land (and on a
// figure for the click modes), a drag with F1 held, and tool 22 with no room for its unit.
#include <cstdlib>

#include "app/editor_frame.h"
#include "app/field_mouse.h"
#include "game_fixture.h"
#include "render/kmd_block.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "shell/window_state.h"
#include "ui/ed_palette.h"

namespace {

constexpr int Cell(int col, int row) { return row * 256 + col; }

enum Where { kValid, kBorder, kOff, kFigure };
const char* const kWhereName[] = {"valid cell", "border cell", "off the land", "figure"};
// The ground points of the first three: the centre of cell (5, 5), of border cell (0, 5), and a
// point beyond the land's edge (z below 0).
const float kGround[3][3] = {{55, 0, 55}, {5, 0, 55}, {55, 0, -40}};

// A key as the window procedure leaves it in the frame's key table, which every reader asks.
void Key(unsigned msg, int vk) {
  const bool button = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP;
  KeyCmds.KeyDownTable[button ? VK_LBUTTON : vk] = msg == WM_KEYDOWN || msg == WM_LBUTTONDOWN ? 1 : 0;
}

class EditorTools : public CameraTest {
 protected:
  void SetUp() override {
    CameraTest::SetUp();
    setenv("TOLV_VIDEO", "headless", 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(60, 150, 160, 60, 0, 40, 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, RendScene.PickView.modelview);
    ModeWords.ProgMode = kModeEditor;
    EditModeOn = 1;
    ModeWords.EdModified = 0;
    EdPalette.EdPaletteTool = 0;
    EdPalette.ClickMode = 1;
    FieldMouse.PickCell = -1;
    Land.LandDecals[2].cell = -1;
  }
  void TearDown() override {
    KmdByNum(KMD_RKLIK)->fired = 0;
    Key(WM_LBUTTONUP, 0);
    Key(WM_KEYUP, VK_F1);
    EditModeOn = 0;
    CameraTest::TearDown();
  }
  static void Point(const float* p) {
    ASSERT_EQ(Proj_ToScreen(p[0], p[1], p[2], &KeyCmds.MouseX, &KeyCmds.MouseY, &RendScene.PickView), 1);
  }
  // One editor frame with the order command fired.
  static void RightClick() {
    KmdByNum(KMD_RKLIK)->fired = 1;
    EditorFrame_Update();
    KmdByNum(KMD_RKLIK)->fired = 0;
  }
  static int Live() {
    int n = 0;
    for (const Fgr& f : Fgrs.mf) n += f.Status() != 0;
    return n;
  }
  static Fgr* OnlyNewOfKind(int kind, int before) {
    Fgr* found = nullptr;
    for (int i = before + 1; i < kFgrsSlots; i++)
      if (Fgrs.mf[i].Status() == kind) found = &Fgrs.mf[i];
    return found;
  }
};

TEST_F(EditorTools, EachClickModeOnAValidCellABorderCellOffTheLandAndOnAFigure) {
  struct Want {
    int route;     // targPathKle of the selected unit: the move order
    int marsh[4];  // Marsh1..Marsh4
    int kuda;      // MarshKuda
    int link;      // activateFgr
    int fire;      // the target became its fire target
    int quad2;     // the cell marked in the second highlight slot
  };
  const int c = Cell(5, 5);
  // Rows by click mode 1..6, columns valid cell, border cell, off the land, figure (the figure's
  // slot number stands for "the clicked figure").
  const Want none = {0, {0, 0, 0, 0}, 0, 0, 0, -1};
  const Want fire = {0, {0, 0, 0, 0}, 0, 0, 1, -1};
  const Want table[6][4] = {
      {{c, {0, 0, 0, 0}, 0, 0, 0, c}, none, none, fire},
      {{c, {0, 0, 0, 0}, 0, 0, 0, c}, none, none, {0, {0, 0, 0, 0}, 0, -1, 0, -1}},
      {{0, {c, 0, 0, 0}, 1, 0, 0, c}, none, none, fire},
      {{0, {0, c, 0, 0}, 0, 0, 0, c}, none, none, fire},
      {{0, {0, 0, c, 0}, 0, 0, 0, c}, none, none, fire},
      {{0, {0, 0, 0, c}, 0, 0, 0, c}, none, none, fire},
  };
  for (int mode = 1; mode <= 6; mode++) {
    for (int where = kValid; where <= kFigure; where++) {
      SCOPED_TRACE(std::string("click mode ") + std::to_string(mode) + " on " + kWhereName[where]);
      Fgrs.ResetAll();
      SelList_Clear();
      Land.LandDecals[2].cell = -1;
      MoveOrders.OrderWaitMs = 0;  // each row's order is a first one, not a waypoint
      Fgr* u = MakeUnit(2, Cell(8, 3));
      Fgr* target = MakeUnit(3, Cell(3, 2));
      SelList_SetOne(&SelList, u, 0);
      EdPalette.ClickMode = mode;
      if (where == kFigure) {
        const float at[3] = {target->priv_position_x, 1, target->priv_position_z};
        Point(at);
      } else {
        Point(kGround[where]);
      }
      RightClick();
      const Want& w = table[mode - 1][where];
      EXPECT_EQ(u->targPathKle, w.route);
      EXPECT_EQ(u->Marsh1, w.marsh[0]);
      EXPECT_EQ(u->Marsh2, w.marsh[1]);
      EXPECT_EQ(u->Marsh3, w.marsh[2]);
      EXPECT_EQ(u->Marsh4, w.marsh[3]);
      EXPECT_EQ(u->MarshKuda, w.kuda);
      EXPECT_EQ(u->activateFgr, w.link < 0 ? target->nom : 0);
      EXPECT_EQ(u->P_FireTarg, w.fire ? target : nullptr);
      EXPECT_EQ(Land.LandDecals[2].cell, w.quad2);
      EXPECT_EQ(ModeWords.EdModified, 0) << "an order is no tool";
    }
  }
}

TEST_F(EditorTools, PaletteToolsOnAValidCellABorderCellAndOffTheLand) {
  struct Row {
    int tool;
    uint8_t bytes[4];  // of the valid cell afterwards
    int madeKind;      // a figure of this kind is made, 0 none
  };
  // The open ground the world starts with: 2, 1, 0, 2.
  const Row rows[] = {
      {1, {2, 1, 0, 2}, 0},
      {4, {5, 0, 2, 4}, 0},
      {5, {1, 0, 0, 1}, 0},
      {6, {6, 0, 0, 6}, 0},
      {7, {2, 12, 0, 7}, fgrFieldSpec},  // a ruby place, holding the cell
      {11, {2, 16, 11, 10}, fgrDekor},
      {22, {2, 1, 0, 2}, fgrUnitPeh},  // a unit of the player's side on the cell
      {25, {2, 1, 0, 2}, fgrTriger},   // a trigger at the cell's corner + 5
      {26, {2, 1, 0, 2}, 0},
  };
  const int c = Cell(5, 5), b = Cell(0, 5);
  for (const Row& r : rows) {
    for (int where = kValid; where <= kOff; where++) {
      SCOPED_TRACE(std::string("tool ") + std::to_string(r.tool) + " on " + kWhereName[where]);
      Fgrs.ResetAll();
      SelList_Clear();
      Land_InitCellFlags();
      LandKle* cells = Land_Layer(0);
      cells[c].x = cells[c].z = 50;  // the corner words the new world writes
      const LandKle border = cells[b];
      ModeWords.EdModified = 0;
      EdPalette.EdPaletteTool = r.tool;
      Point(kGround[where]);
      RightClick();
      const LandKle& k = cells[c];
      if (where != kValid) {
        EXPECT_EQ(FieldMouse.PickCell, -1);
        EXPECT_EQ(ModeWords.EdModified, 0);
        EXPECT_EQ(Live(), 0);
        EXPECT_EQ(k.tile * 1000000 + k.objCode * 10000 + k.cursor * 100 + k.flag, 2010002);
        EXPECT_EQ(std::memcmp(&cells[b], &border, 4), 0);
        continue;
      }
      EXPECT_EQ(FieldMouse.PickCell, c);
      EXPECT_EQ(ModeWords.EdModified, 1);
      EXPECT_EQ(k.tile, r.bytes[0]);
      EXPECT_EQ(k.objCode, r.bytes[1]);
      EXPECT_EQ(k.cursor, r.bytes[2]);
      EXPECT_EQ(k.flag, r.bytes[3]);
      Fgr* made = r.madeKind ? OnlyNewOfKind(r.madeKind, 0) : nullptr;
      EXPECT_EQ(made != nullptr, r.madeKind != 0);
      if (!made) {
        EXPECT_EQ(Live(), 0);
        continue;
      }
      if (r.tool == 7) {
        EXPECT_EQ(k.holder, made);
      }
      if (r.tool == 22) {
        EXPECT_EQ(Fgr::Owner(made), 2);
        EXPECT_EQ(Land_CellAt(made->priv_position_x, made->priv_position_z), c);
      }
      if (r.tool == 25) {
        EXPECT_EQ(made->priv_position_x, 55);
        EXPECT_EQ(made->priv_position_y, 5);
        EXPECT_EQ(made->priv_position_z, 55);
      }
    }
  }
}

TEST_F(EditorTools, AnF1DragPaintsTheGroundToolsOnlyAndEachCellOnce) {
  Key(WM_LBUTTONDOWN, 0);
  Key(WM_KEYDOWN, VK_F1);
  LandKle* cells = Land_Layer(0);
  // Tool 6 paints both cells the cursor passes; tool 7 a ruby place once however long it stays.
  EdPalette.EdPaletteTool = 6;
  const float a[3] = {55, 0, 55}, b2[3] = {65, 0, 55};
  Point(a);
  EditorFrame_Update();
  Point(b2);
  EditorFrame_Update();
  EXPECT_EQ(cells[Cell(5, 5)].tile, 6);
  EXPECT_EQ(cells[Cell(6, 5)].tile, 6);
  EdPalette.EdPaletteTool = 7;
  for (int i = 0; i < 5; i++) EditorFrame_Update();
  EXPECT_EQ(cells[Cell(6, 5)].objCode, 12);
  EXPECT_EQ(Live(), 1) << "one ruby place";
  // A tool above 10 does not paint.
  EdPalette.EdPaletteTool = 12;
  Point(a);
  EditorFrame_Update();
  EXPECT_EQ(cells[Cell(5, 5)].objCode, 0);
  EXPECT_EQ(Live(), 1);
}

TEST_F(EditorTools, ArrowsScrollTheFieldAndPageKeysStepTheFieldOfViewWithinItsRange) {
  FieldRect.spanX = FieldRect.spanZ = 320;
  FieldRect.CamLookX = FieldRect.CamLookZ = 1000;
  KeyCmds.MouseX = 400, KeyCmds.MouseY = 300;  // no window edge
  Win.WinWidth = 800, Win.WinHeight = 600;
  Key(WM_KEYDOWN, VK_LEFT);
  Key(WM_KEYDOWN, VK_DOWN);
  FieldRect_ScrollInput();
  Key(WM_KEYUP, VK_LEFT);
  Key(WM_KEYUP, VK_DOWN);
  EXPECT_EQ(FieldRect.CamLookX, 997);
  EXPECT_EQ(FieldRect.CamLookZ, 1003);
  const float keep = CamObzorY;
  struct {
    int key;
    float from, to;
  } steps[] = {{VK_NEXT, 44.8f, 45.3f},
               {VK_NEXT, 45.3f, 45.3f},
               {VK_PRIOR, 30.2f, 29.7f},
               {VK_PRIOR, 29.7f, 29.7f}};
  for (const auto& s : steps) {
    CamObzorY = s.from;
    Key(WM_KEYDOWN, s.key);
    FieldRect_ScrollInput();
    Key(WM_KEYUP, s.key);
    EXPECT_FLOAT_EQ(CamObzorY, s.to) << "from " << s.from;
  }
  CamObzorY = keep;
}

TEST_F(EditorTools, ToolTwentyTwoWithNoRoomMakesNothingAndSaysSo) {
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++) Fgrs.mf[i].status = fgrDekor;
  EdPalette.EdPaletteTool = 22;
  Point(kGround[kValid]);
  RightClick();
  EXPECT_EQ(ModeWords.EdModified, 1);
  EXPECT_NE(ReadAll(Logger.gsFileLog).find("\nEdPalette: no unit made for cell 1285 (no room)"),
            std::string::npos);
  Fgrs.ResetAll();
}

}  // namespace
