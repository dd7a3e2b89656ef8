// The play field's mouse: a cursor over the drawn land finds the cell drawn there on both floors,
// the minimap moves the view, and a drag gives the same rectangle whichever way it goes.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>

#include "app/field_mouse.h"
#include "render/kmd_block.h"
#include "scene_fixture.h"
#include "shell/key_commands.h"
#include "shell/rect.h"
#include "world/land_grid.h"

namespace {

// The left button as the window procedure leaves it in the frame's key table.
void LeftButton(int down) { KeyCmds.KeyDownTable[VK_LBUTTON] = down; }

void Select(int fired) { KmdByNum(KMD_KLIK)->fired = fired; }

}  // namespace

// The land point under a window pixel as the picking view sees it: the drawn depth unprojected.
static int CellUnder(int sx, int sy) {
  float depth = 1;
  glReadPixels(sx, sy, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
  if (depth >= 1.0f) return -1;
  double x, y, z;
  if (!gluUnProject(sx + 0.5, sy + 0.5, depth, RendScene.PickView.modelview,
                    RendScene.PickView.projection, RendScene.PickView.viewport, &x, &y, &z))
    return -1;
  return Grid_CellIndex((int)x, (int)z, 0, 0, 10, 10, 256, 256);
}

TEST_F(SceneTest, ACursorOverTheLandFindsItsCellOnBothFloors) {
  BuildWorld();
  const int cells[][2] = {{10, 5}, {11, 5}, {10, 6}, {4, 9}, {17, 3}};
  for (int floor = 0; floor < 2; floor++) {
    visUnderGround = floor;
    Frame();
    for (const auto& c : cells) {
      int sx, sy;
      ASSERT_EQ(Proj_ToScreen(c[0] * 10 + 5.0f, 1, c[1] * 10 + 5.0f, &sx, &sy, &RendScene.PickView), 1);
      EXPECT_EQ(CellUnder(sx, sy), c[1] * 256 + c[0])
          << "floor " << floor << " cell " << c[0] << "," << c[1];
    }
    // The floor below draws its chunks with their fixed texture (slot 48), the surface its tiles.
    int sx, sy;
    Proj_ToScreen(105, 1, 55, &sx, &sy, &RendScene.PickView);
    EXPECT_TRUE(Near(Pixel(sx, sy), floor ? kMeadow : kType1, 6)) << floor << " " << Pixel(sx, sy);
  }
  EXPECT_EQ(CellUnder(400, 590), -1);  // the sky
  visUnderGround = 0;
}

TEST_F(SceneTest, TheMinimapMovesTheViewAndADragGivesOneRectangleEachWay) {
  setenv("TOLV_VIDEO", "headless", 1);
  MiniMap_Layout();
  // A left press on the minimap's upper left corner centres the view there, clamped to 110, 110.
  LeftButton(1);
  KeyCmds.MouseX = MiniMapRect.x, KeyCmds.MouseY = MiniMapRect.y + MiniMapRect.h;
  Field_GameMouse();
  EXPECT_EQ(FieldRect.CamLookX, 110) << "the camera looks at the view's centre";
  EXPECT_EQ(FieldRect.CamLookZ, 110);
  EXPECT_EQ(FieldMouse.FieldDragState, 0) << "the minimap took the mouse";
  LeftButton(0);

  struct Drag {
    int x0, y0, x1, y1;
  } drags[] = {{300, 200, 360, 250}, {360, 250, 300, 200}, {300, 250, 360, 200}, {360, 200, 300, 250}};
  std::vector<Rgb> first;
  for (const Drag& d : drags) {
    FieldMouse.FieldDragState = FieldMouse.FieldDragLock = FieldMouse.MouseAction = 0;
    FieldMouse.MouseTaken = FieldMouse.MouseOnMiniMap = 0;
    // Press: the point selection is armed and the drag begins at the cursor.
    KeyCmds.MouseX = d.x0, KeyCmds.MouseY = d.y0;
    LeftButton(1);
    Select(1);
    Field_GameMouse();
    EXPECT_EQ(FieldMouse.MouseAction, kMouseSelect);
    EXPECT_EQ(FieldMouse.FieldDragState, 1);
    // Three pixels are not a drag yet, four are.
    Select(0);
    FieldMouse.MouseAction = 0;
    KeyCmds.MouseX = d.x0 + (d.x1 > d.x0 ? 3 : -3);
    Field_GameMouse();
    EXPECT_EQ(FieldMouse.FieldDragState, 1);
    KeyCmds.MouseX = d.x1, KeyCmds.MouseY = d.y1;
    Field_GameMouse();
    EXPECT_EQ(FieldMouse.FieldDragState, 2);
    // The overlay outlines the rectangle: sample a column and a row across it, clear of the
    // cursor image at either corner.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    Cursor_DrawOverlay();
    glFinish();
    std::vector<Rgb> profile;
    for (int x = 290; x <= 370; x++) profile.push_back(Pixel(x, 210));
    for (int y = 190; y <= 260; y++) profile.push_back(Pixel(345, y));
    if (first.empty()) first = profile;
    for (size_t i = 0; i < profile.size(); i++)
      ASSERT_TRUE(Near(profile[i], first[i], 0)) << "drag from " << d.x0 << "," << d.y0 << " at " << i;
    // The select command ends the drag: the rectangle selection is armed and clicks lock 200 ms.
    LeftButton(0);
    Select(1);
    Field_GameMouse();
    EXPECT_EQ(FieldMouse.MouseAction, kMouseSelectRect);
    EXPECT_EQ(FieldMouse.FieldDragState, 0);
    EXPECT_EQ(FieldMouse.FieldDragLock, 200);
    int x, y, w, h;
    Rect_FromCorners(FieldMouse.FieldDragStartX, FieldMouse.FieldDragStartY, KeyCmds.MouseX,
                     KeyCmds.MouseY, &x, &y, &w, &h);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 200);
    EXPECT_EQ(w, 60);
    EXPECT_EQ(h, 50);
    Select(0);
  }
  // The outline crosses the sampled column near x 300 and 360 and nothing in between is filled.
  auto white = [](Rgb c) { return c.r == 255 && c.g == 255 && c.b == 255; };
  int hits = 0;
  for (int i = 0; i <= 80; i++) hits += white(first[i]);
  EXPECT_EQ(hits, 2);
  EXPECT_TRUE(white(first[300 - 290]) || white(first[299 - 290]) || white(first[301 - 290]));
  EXPECT_TRUE(white(first[360 - 290]) || white(first[359 - 290]) || white(first[361 - 290]));
  EXPECT_FALSE(white(first[345 - 290]));
}
