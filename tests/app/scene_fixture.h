// A headless 800 x 600 GL context with the figures of a new world built by hand: both floors, the
// land holder, the 128 land patches and the three start cameras, tile images of one flat colour
// each, and a frame of play drawn the way the game draws it.
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/frame_entry.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/records.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/field.h"
#include "render/land_chunks.h"
#include "render/scene.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/window_state.h"
#include "test_files.h"
#include "world/fgrs_update.h"
#include "world/land_tiles.h"

struct Rgb {
  int r, g, b;
};

// Tile image colours of the test: the border, plain ground in its two variants (the second also
// the fixed texture of the chunks below), tile types 1, 3 and 5, the surface chunk with a fixed
// texture and the floor below's minimap background, the cursor.
constexpr Rgb kBorder = {40, 40, 40};
constexpr Rgb kMeadow = {200, 60, 60};
constexpr Rgb kType1 = {60, 200, 60};
constexpr Rgb kType3 = {60, 60, 200};
constexpr Rgb kWater = {200, 200, 60};
constexpr Rgb kFixed = {160, 100, 20};
constexpr Rgb kCursor = {250, 250, 250};

template <int W, int H>
class SceneTestT : public ::testing::Test {
 protected:
  static constexpr int kW = W, kH = H;
  Fgr* holder_ = nullptr;
  Fgr* cam_[3] = {};

  // A new context knows none of the texture names an earlier suite's context made.
  static void SetUpTestSuite() {
    sOk = Plat_HeadlessContext(kW, kH) == 1;
    for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder}) {
      fl->overviewTex = 0;
      for (LandChunk& c : fl->chunk) c.tex.glName = 0;
    }
  }
  static void TearDownTestSuite() {
    TexTable_Free(&TexTable);
    Plat_HeadlessContextFree();
  }

  void SetUp() override {
    ASSERT_TRUE(sOk) << "no headless GL context";
    Logger.gsFileLog = TestFileName("log.txt");
    std::remove(Logger.gsFileLog.c_str());
    LogResetCount();
    Win.WinWidth = kW, Win.WinHeight = kH;
    Records_ResetPools();
    Fgrs.ResetAll();
    Fgrs.NumberSlots();
    org2_Init();
    orgF_Init();
    o3::SkyFogR = 0.2f, o3::SkyFogG = 0.3f, o3::SkyFogB = 0.4f;
    o3::FogR = 0.1f, o3::FogG = 0.1f, o3::FogB = 0.1f;
    RandSeed(777);
    FrameClock.KadrStep = 10;
    EditModeOn = 0;
    visUnderGround = 0;
    Sides.PlayerSide = 2;
    StageReq.EtapName = "no_such_stage";
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    TileImage(46, kBorder);
    TileImage(47, kMeadow);
    TileImage(48, kMeadow);
    TileImage(38, kType1);
    TileImage(75, kType3);
    TileImage(59, kWater);
    TileImage(69, kFixed);
    TileImage(73, kFixed);
    TileImage(3, kCursor);
  }

  // An 8 x 8 texture of one colour in a table slot.
  static void TileImage(int slot, Rgb c) {
    std::vector<uint8_t> px(8 * 8 * 3);
    for (size_t i = 0; i < px.size(); i += 3) px[i] = c.r, px[i + 1] = c.g, px[i + 2] = c.b;
    Tex_FromMem(&TexTable, slot, px.data(), 8, 8, 3, 0);
  }

  static Fgr* Make(int kind) {
    Fgr* f = Fgrs.AddFgr(kind, 0);
    if (f) f->novorod = 0, f->active = 1;
    return f;
  }

  // The figures of a new world that draw: holder, patches and cameras (the new world's settings),
  // plain ground everywhere inside the border on the surface and type 1 below, so that a
  // minimap showing the wrong floor's colours is seen, and the cells the tests look for.
  void BuildWorld() {
    Tex_GenLumAlpha(&Land.LandSurface, 0);
    Tex_GenLumAlpha(&Land.LandUnder, 1);
    for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder})
      for (int i = 0; i < kLandCells; i++)
        if (Land_CellValid(i))
          fl->kle[i].tile = fl == &Land.LandUnder ? 1 : 2, fl->kle[i].objCode = fl->kle[i].cursor = 0;
    Cell(10, 5)->tile = 1;
    Cell(11, 5)->tile = 3;
    Cell(10, 6)->tile = 5;
    holder_ = Make(fgrLandHolder);
    holder_->KamStudio = 1;
    holder_->landSurf = &Land.LandSurface;
    holder_->landUnder = &Land.LandUnder;
    holder_->ProcNomDraw = r_LandOverview_Build;
    for (int floor = 0; floor < 2; floor++) {
      for (int i = 0; i < kLandChunks; i++) {
        Fgr* p = Make(fgrLandLosk);
        p->UnderGround = floor;
        p->ProcNomOnR = r_Land_DrawProjected;
        Fgr_SetSpeLosk(p, i, floor);
        Land_Floor(floor)->chunk[i].fixedTexture = floor ? 48 : (i == 41 ? 69 : 0);
      }
    }
    for (int k = 0; k < 3; k++) {
      Fgr* c = cam_[k] = Make(fgrKameraLayer);
      c->kmra_statusMode = 1;
      c->kmra_prior = k == 0 ? 10 : k == 1 ? 15 : 20;
      c->KamStudio = k == 0 ? 1 : 0;
      c->KamClearClr = k == 0;
      c->kmra_glavEkran = k == 0;
      c->kmra_DecalMode = k == 1;
      c->kmra_Flare2D = k == 2;
      if (k == 1) continue;
      c->kmra_VPw = kW, c->kmra_VPh = kH;
      c->priv_position_x = 100, c->priv_position_y = 200, c->priv_position_z = 200;
      c->laserX = 100, c->laserY = 0, c->laserZ = 0;
      c->kmra_Proj__ObzorY = 45, c->kmra_ZNear = 1, c->kmra_ZFar = 420;
    }
    MiniMap_Layout();
    LandChunks.LandOverviewWait = 0;
    PlitTextures_Build(0);
  }

  static LandKle* Cell(int col, int row) { return &Land.LandSurface.kle[row * kLandSide + col]; }

  // One frame of play: the update adds the camera views, then the frame's draw.
  static void Frame() {
    RendScene_Reset(&RendScene);
    Fgrs_UpdAll(&Fgrs);
    SceneViewportDraw();
    glFinish();
  }

  static Rgb Pixel(int x, int y) {
    uint8_t p[3];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return Rgb{p[0], p[1], p[2]};
  }

  static bool Near(Rgb a, Rgb b, int tol = 3) {
    return std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol;
  }

  static bool sOk;
};
template <int W, int H>
bool SceneTestT<W, H>::sOk = false;

class SceneTest : public SceneTestT<800, 600> {};

inline std::ostream& operator<<(std::ostream& o, Rgb c) {
  return o << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
