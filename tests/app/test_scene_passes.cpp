// The draw pass over views that the test queues by hand: which view draws which list, the decal
// view's borrowed viewport, the field-of-view clamp, the main view's 2D overlay and outline buckets.
#include <GL/gl.h>

#include "render/frame_draw.h"
#include "render/gl2d.h"
#include "render/vert_arr.h"
#include "scene_fixture.h"

namespace {

struct Call {
  RendView* view;
  int viewport[4];
  int offset;  // polygon offset on
  int in2D;
};
std::vector<Call> gSolid, gHud, gHudAdd;

void Record(std::vector<Call>* to) {
  Call c{RendScene.RendView_Cur, {}, glIsEnabled(GL_POLYGON_OFFSET_FILL), Gl2D.Gl2D_Flag};
  glGetIntegerv(GL_VIEWPORT, c.viewport);
  to->push_back(c);
}
void SolidCb(int) { Record(&gSolid); }
void HudAddCb(int) { Record(&gHudAdd); }
// A flat 20 x 20 quad in the overlay's pixel space.
void HudCb(int) {
  Record(&gHud);
  const float c[12] = {50, 60, 0, 70, 60, 0, 70, 80, 0, 50, 80, 0};
  VertArr_Add(&DecalVerts, c, nullptr, nullptr);
}

}  // namespace

TEST_F(SceneTest, EachViewDrawsItsShareAndTheLastOverlayViewDrawsTheOverlay) {
  RendScene_Reset(&RendScene);
  Fgr* a = Make(fgrKameraLayer);  // main screen, overlay, clears; field of view beyond the range
  a->kmra_prior = 10, a->kmra_Flare2D = 1, a->KamClearClr = 1, a->kmra_glavEkran = 1;
  a->kmra_VPw = kW, a->kmra_VPh = kH, a->kmra_Proj__ObzorY = 200, a->kmra_ZNear = 1, a->kmra_ZFar = 100;
  Fgr* b = Make(fgrKameraLayer);  // decal view
  b->kmra_prior = 15, b->kmra_DecalMode = 1;
  Fgr* c = Make(fgrKameraLayer);  // a later overlay view drawn to a texture, lower left quarter
  c->kmra_prior = 20, c->kmra_Flare2D = 1, c->kmra_toTex = 1;
  c->kmra_VPw = kW / 2, c->kmra_VPh = kH / 2, c->kmra_Proj__ObzorY = 2, c->kmra_ZNear = 1;
  c->kmra_ZFar = 100;
  for (Fgr* f : {c, a, b}) RendView_AddCameraFgr(&RendScene, f);
  std::vector<RendView*> order;
  while (RendView_SetNext(&RendScene)) {
    int decal = RendView_CurMode();
    order.push_back(RendScene.RendView_Cur);
    ASSERT_EQ(BatchList_AddCallback(&RendScene.small[ListSolid], decal, SolidCb, 1, 1, 0, 0, 0), 1);
    ASSERT_EQ(BatchListBig_AddCallback(&RendScene.big[ListHud2D], 0, HudCb, 1, 1, -1, 0, 0), !decal);
    ASSERT_EQ(BatchListBig_AddCallback(&RendScene.big[ListHud2DAdd], 0, HudAddCb, 1, 1, 0, 0, 0),
              !decal);
  }
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0]->cam, a);
  EXPECT_EQ(order[1]->cam, b);
  EXPECT_EQ(order[2]->cam, c);
  gSolid.clear(), gHud.clear(), gHudAdd.clear();
  DrawScene(&RendScene);
  glFinish();

  ASSERT_EQ(gSolid.size(), 3u);
  EXPECT_EQ(gSolid[0].view, order[0]);
  EXPECT_EQ(gSolid[1].view, order[1]);
  EXPECT_EQ(gSolid[1].viewport[2], kW) << "the decal view keeps the viewport before it";
  EXPECT_TRUE(gSolid[1].offset);
  EXPECT_FALSE(gSolid[0].offset);
  EXPECT_EQ(gSolid[2].viewport[2], kW / 2);
  EXPECT_EQ(order[0]->fovY, 170.0);
  EXPECT_EQ(order[2]->fovY, 5.0);
  EXPECT_DOUBLE_EQ(order[0]->aspect, 800.0 / 600.0);
  // The overlay: once, in the later overlay view, in 2D; the additive list not for a texture view.
  ASSERT_EQ(gHud.size(), 1u);
  EXPECT_EQ(gHud[0].view, order[2]);
  EXPECT_EQ(gHud[0].viewport[2], kW / 2);
  EXPECT_EQ(gHud[0].viewport[3], kH / 2);
  EXPECT_EQ(gHud[0].in2D, 1);
  EXPECT_TRUE(gHudAdd.empty());
  // The bucket of texture -1 drew its quad as an outline and left polygons filled.
  GLint mode[2];
  glGetIntegerv(GL_POLYGON_MODE, mode);
  EXPECT_EQ(mode[0], GL_FILL);
  EXPECT_EQ(mode[1], GL_FILL);
  // The edges lie on pixel boundaries: the rasteriser lights the pixel on one side of each.
  const Rgb white = {255, 255, 255};
  EXPECT_TRUE(Near(Pixel(60, 59), white, 1) || Near(Pixel(60, 60), white, 1)) << "lower edge";
  EXPECT_TRUE(Near(Pixel(49, 70), white, 1) || Near(Pixel(50, 70), white, 1)) << "left edge";
  EXPECT_TRUE(Near(Pixel(60, 70), Rgb{51, 77, 102}, 2)) << "inside: " << Pixel(60, 70);
  EXPECT_EQ(RendScene.RendView_Cur, order[2]);
}

// Cameras whose projection would have no width, height or depth: a pixel-space view with an empty
// viewport, flat cameras without a size or with near equal to far. Each is applied in both passes
// without an OpenGL error; a flat camera without a size sees its viewport's pixels as world units.
TEST_F(SceneTest, DegenerateViewsAreAppliedWithoutAnOpenGLError) {
  struct Case {
    int mode, w, h;
    float flatW, flatH, zNear, zFar;
  } kCases[] = {{-1, 0, 0, 0, 0, 1, 100},
                {1, 400, 300, 0, 0, 1, 100},
                {3, 400, 300, 50, 0, 1, 100},
                {6, 400, 300, 50, 50, 5, 5},
                {-1, 400, 0, 0, 0, 1, 100}};
  while (glGetError() != GL_NO_ERROR) {
  }
  for (const Case& k : kCases) {
    RendScene_Reset(&RendScene);
    Fgr* c = Make(fgrKameraLayer);
    c->kmra_prior = 10, c->kmra_Flat = k.mode, c->kmra_VPw = k.w, c->kmra_VPh = k.h;
    c->kmra_Flat__KamScW = k.flatW, c->kmra_Flat__KamScH = k.flatH;
    c->kmra_ZNear = k.zNear, c->kmra_ZFar = k.zFar;
    RendView_AddCameraFgr(&RendScene, c);
    ASSERT_EQ(RendView_SetNext(&RendScene), 1);
    RendView* v = RendScene.RendView_Cur;
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << "queue pass, mode " << k.mode;
    while (RendView_SetNext(&RendScene)) {
    }
    ASSERT_EQ(RendView_Begin(&RendScene, nullptr), v);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << "draw pass, mode " << k.mode;
    if (k.mode == 1) {
      EXPECT_EQ(v->flatW, 400.0f);
      EXPECT_EQ(v->flatH, 300.0f);
    }
  }
}
