// The shipped stage, saved in an 800 x 600 window, played in a 1024 x 768 one, headless: the field
// reaches the window's right and lower edges, and a unit picked and a ground order given in the
// right half of the window hit what lies under the cursor. The clicks are taps whose press and
// release come before any frame has read them.
#include <cmath>

#include "app_run.h"
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "picture.h"

namespace {

// Window pixels (top-left origin) at 1024 x 768: the start screen's PlayTest, the builder of the
// shipped stage in the first view of play, a point of the field right of x = 800 and below y = 600
// (where an 800 x 600 viewport ends), the stage's save button, and a field pixel near the lower
// right corner.
constexpr int kPlayTest[2] = {960, 163}, kBuilder[2] = {527, 345}, kOrder[2] = {905, 655};
constexpr int kSave[2] = {40, 681}, kLowerRight[2] = {1010, 750};

std::string Tap(const char* button, const int at[2]) {
  const std::string xy = " " + std::to_string(at[0]) + " " + std::to_string(at[1]) + "\n";
  return std::string("press ") + button + xy + "release " + button + xy;
}

const Fgr* MainCamera() {
  for (int i = 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].status == fgrKameraLayer && Fgrs.mf[i].kmra_glavEkran) return &Fgrs.mf[i];
  return nullptr;
}

// The land cell that the ray through a window pixel meets at ground height y: the camera's look-at
// and perspective (eye, look point, up (0, 1, 0), vertical field of view, the window's aspect)
// written out, independent of the game's picking.
int CellUnderPixel(const Fgr& cam, int px, int py, int w, int h, float y) {
  const double ex = cam.priv_position_x, ey = cam.priv_position_y, ez = cam.priv_position_z;
  double f[3] = {cam.laserX - ex, cam.laserY - ey, cam.laserZ - ez};
  const double fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
  for (double& c : f) c /= fl;
  double s[3] = {-f[2], 0, f[0]};  // f x (0, 1, 0)
  const double sl = std::sqrt(s[0] * s[0] + s[2] * s[2]);
  s[0] /= sl, s[2] /= sl;
  const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2], s[0] * f[1] - s[1] * f[0]};
  const double t = std::tan(cam.kmra_Proj__ObzorY * M_PI / 360.0);
  const double nx = 2.0 * px / w - 1.0, ny = 1.0 - 2.0 * py / h;
  double d[3];
  for (int k = 0; k < 3; k++) d[k] = f[k] + s[k] * nx * t * w / h + u[k] * ny * t;
  const double along = (y - ey) / d[1];
  const double x = ex + along * d[0], z = ez + along * d[2];
  return (int)(z / 10) * 256 + (int)(x / 10);
}

TEST_F(AppRun, TheShippedStagePlaysInA1024x768WindowToItsEdgesAndTheRightHalfTakesOrders) {
  const std::string script = std::string("answer yes\nwait 3\n") + Tap("left", kPlayTest) +
                             "wait 30\nmove 700 200\nwait 2\nshot play.bmp\n" + Tap("left", kBuilder) +
                             "wait 3\n" + Tap("right", kOrder) + "wait 3\n" + Tap("left", kSave) +
                             "wait 3\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();

  // Land, not sky, in the field's lower right corner, and the whole picture against its golden copy.
  const Picture play = ReadBmp((dir / "play.bmp").string());
  ASSERT_EQ(play.w, 1024);
  ASSERT_EQ(play.h, 768);
  const uint8_t* rgb = &play.rgb[((size_t)kLowerRight[1] * play.w + kLowerRight[0]) * 3];
  const int r = rgb[0], g = rgb[1], b = rgb[2];
  EXPECT_GT(g, b + 20) << "not grass: " << r << " " << g << " " << b;
  ExpectGolden(dir, "play");

  // The shipped file keeps its 800 x 600 camera; the save writes the window the stage played in.
  const std::string maps = (dir / "Maps").string();
  ASSERT_EQ(EtapFile_Load(maps + "/test.etp"), 1);
  ASSERT_NE(MainCamera(), nullptr);
  EXPECT_EQ(MainCamera()->kmra_VPw, 800);
  EXPECT_EQ(MainCamera()->kmra_VPh, 600);
  ASSERT_EQ(EtapFile_Load(maps + "/test2.etp"), 1);
  const Fgr* cam = MainCamera();
  ASSERT_NE(cam, nullptr);
  EXPECT_EQ(cam->kmra_VPx, 0);
  EXPECT_EQ(cam->kmra_VPy, 0);
  EXPECT_EQ(cam->kmra_VPw, 1024);
  EXPECT_EQ(cam->kmra_VPh, 768);

  // The builder was picked and sent to the cell under the cursor: the land there lies between
  // heights 0 and 2.02.
  ASSERT_EQ(Fgrs.mf[652].status, fgrUnitStroi);
  const int low = CellUnderPixel(*cam, kOrder[0], kOrder[1], 1024, 768, 0.0f);
  const int high = CellUnderPixel(*cam, kOrder[0], kOrder[1], 1024, 768, 2.02f);
  const int got = Fgrs.mf[652].targPathKle;
  EXPECT_TRUE(got == low || got == high) << got << " not " << low << " or " << high;
}

}  // namespace
