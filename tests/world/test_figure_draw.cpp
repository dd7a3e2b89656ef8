// What the figures' render procedures append to the quad arrays, against a direction table of the
// test's own: D(k) = (k, 1, -k), so every corner names the whole degree it was built from. Each row
// is one figure, one draw kind and the quads its Part says: corners, colours and texture cells.
// Then the queue procedures' entries, and the window-pixel squares and hit bars through a plain
// projection (model-view scaled by 1/128, identity projection, an 800 x 600 viewport).
#include <climits>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "catalogue/new_world.h"
#include "figures/chains.h"
#include "figures/records.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/scene.h"
#include "render/vert_arr.h"
#include "world/effect_procs.h"
#include "world/ground_marks.h"
#include "world/selection.h"
#include "world/trigger_draw.h"
#include "world/unit_marks.h"
#include "world_fixture.h"

namespace {

struct V3 {
  float x, y, z;
};

// P + D(k) * s in the test's table.
V3 At(V3 p, int k, float s) { return {p.x + k * s, p.y + s, p.z - k * s}; }

struct Quad {
  V3 c[4];
  std::vector<float> col;  // 16 values, or empty: not checked
  std::vector<float> tex;  // 8 values, or empty: not checked
};

Quad Around(V3 p, float s, int k0, int k1, int k2, int k3) {
  return {{At(p, k0, s), At(p, k1, s), At(p, k2, s), At(p, k3, s)}, {}, {}};
}
Quad Facing(V3 p, float s) { return Around(p, s, 225, 315, 45, 135); }
// A bar of the Part: M + W, M - W, A - W, A + W with A = M + D(k) * L, W = D(k + 90) * w.
Quad Bar(V3 m, int k, float len, float w) {
  const V3 a = At(m, k, len), pw = At({0, 0, 0}, k + 90, w);
  return {{{m.x + pw.x, m.y + pw.y, m.z + pw.z},
           {m.x - pw.x, m.y - pw.y, m.z - pw.z},
           {a.x - pw.x, a.y - pw.y, a.z - pw.z},
           {a.x + pw.x, a.y + pw.y, a.z + pw.z}},
          {},
          {}};
}
Quad Pixels(float x0, float y0, float x1, float y1) {
  return {{{x0, y0, 0}, {x1, y0, 0}, {x1, y1, 0}, {x0, y1, 0}}, {}, {}};
}

std::vector<float> All(float r, float g, float b, float a) {
  return {r, g, b, a, r, g, b, a, r, g, b, a, r, g, b, a};
}
const std::vector<float> kFull = {0, 0, 1, 0, 1, 1, 0, 1};
std::vector<float> Cell(float u0, float u1, float v0, float v1) {
  return {u0, v0, u1, v0, u1, v1, u0, v1};
}
const std::vector<float> kBack = {0.2f, 0.1f, 0.2f, 0.5f, 0.3f, 0.1f, 0.3f, 0.5f,
                                  0.3f, 0.3f, 0.2f, 0.5f, 0.0f, 0.2f, 0.2f, 0.5f};
const std::vector<float> kFront = {0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f,
                                   0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f};

Quad With(Quad q, std::vector<float> col, std::vector<float> tex) {
  q.col = std::move(col);
  q.tex = std::move(tex);
  return q;
}

class FigureDraw : public WorldTest {
 protected:
  float savedDir_[kDir361][3];
  RendView savedPick_;

  void SetUp() override {
    WorldTest::SetUp();
    std::memcpy(savedDir_, RendScene.Dir361View, sizeof savedDir_);
    savedPick_ = RendScene.PickView;
    for (int k = 0; k < kDir361; k++)
      RendScene.Dir361View[k][0] = (float)k, RendScene.Dir361View[k][1] = 1,
      RendScene.Dir361View[k][2] = (float)-k;
    for (int i = 0; i < 16; i++)
      RendScene.PickView.modelview[i] = RendScene.PickView.projection[i] = i % 5 == 0 ? 1.0 : 0.0;
    for (int i = 0; i < 3; i++) RendScene.PickView.modelview[5 * i] = 1.0 / 128;
    RendScene.PickView.viewport[0] = RendScene.PickView.viewport[1] = 0;
    RendScene.PickView.viewport[2] = 800, RendScene.PickView.viewport[3] = 600;
    RendScene_Reset(&RendScene);
    WorldMouse.HoverFgr = nullptr;
    SelList.count = 0;
    Gl2D.Anim3[0].value = 0.3f;
    TrigSweepAngle = 5.0f;
  }
  void TearDown() override {
    std::memcpy(RendScene.Dir361View, savedDir_, sizeof savedDir_);
    RendScene.PickView = savedPick_;
    WorldMouse.HoverFgr = nullptr;
    WorldTest::TearDown();
  }

  // A figure of the kind at (x, y, z) on the side.
  static Fgr* At3(int kind, float x, float y, float z, int side = 0) {
    Fgr* f = Make(kind);
    f->priv_position_x = x, f->priv_position_y = y, f->priv_position_z = z;
    f->baner = side;
    return f;
  }

  // Runs the render procedure for the draw kind into empty quad arrays (2D for flat lists).
  static int Draw(void (*proc)(Fgr*), Fgr* f, int kind, int flat = 0) {
    DecalVerts.count = 0;
    DecalVerts.flat = flat;
    f->OnR_inFgr = kind;
    proc(f);
    return DecalVerts.count / 4;
  }

  static void ExpectQuad(int q, const Quad& want, int flat = 0) {
    for (int i = 0; i < 4; i++) {
      const int v = 4 * q + i;
      SCOPED_TRACE(testing::Message() << "quad " << q << " corner " << i);
      if (flat) {
        EXPECT_NEAR(DecalVerts.pos2[2 * v], want.c[i].x, 1e-3);
        EXPECT_NEAR(DecalVerts.pos2[2 * v + 1], want.c[i].y, 1e-3);
      } else {
        EXPECT_NEAR(DecalVerts.pos3[3 * v], want.c[i].x, 1e-3);
        EXPECT_NEAR(DecalVerts.pos3[3 * v + 1], want.c[i].y, 1e-3);
        EXPECT_NEAR(DecalVerts.pos3[3 * v + 2], want.c[i].z, 1e-3);
      }
      for (size_t k = 0; k < want.col.size() / 4; k++) {
        EXPECT_NEAR(DecalVerts.col[4 * v + k], want.col[4 * i + k], 1e-5);
      }
      for (size_t k = 0; k < want.tex.size() / 4; k++) {
        EXPECT_NEAR(DecalVerts.tex[2 * v + k], want.tex[2 * i + k], 1e-5);
      }
    }
  }
};

struct Row {
  const char* what;
  std::function<Fgr*()> make;
  void (*proc)(Fgr*);
  int kind;
  int quads;                 // quads appended
  int check;                 // the quad compared
  std::optional<Quad> want;  // the quad compared, when given
};

}  // namespace

TEST_F(FigureDraw, RenderProceduresAppendTheQuadsOfTheirDrawKinds) {
  const V3 P = {10, 20, 30};
  auto laser = [P](int imiter, int flat, float fca) {
    Fgr* f = At3(fgrLaser, P.x, P.y, P.z);
    f->imiter = imiter, f->kmra_Flat = flat, f->haf = 2;
    f->fcr = 0.1f, f->fcg = 0.2f, f->fcb = 0.3f, f->fca = fca;
    f->laserX = 1, f->laserY = 2, f->laserZ = 3;
    return f;
  };
  const V3 L = {1, 2, 3};
  auto beam = [&](float lx, float ly, float lz) {  // from the origin to L
    Fgr* f = laser(0, 0, 0.5f);
    f->priv_position_x = f->priv_position_y = f->priv_position_z = 0;
    f->laserX = lx, f->laserY = ly, f->laserZ = lz;
    return f;
  };
  const V3 U = {100, 0, 200};  // units, spawners and triggers stand on the ground
  auto unit = [U](int side) {
    Fgr* f = At3(fgrUnitPeh, U.x, U.y, U.z, side);
    f->fcr = 0.4f, f->fcg = 0.5f, f->fcb = 0.6f;
    f->haf = 0.5f;
    return f;
  };
  auto spawner = [U](int damba) {
    Fgr* f = At3(fgrSpawner, U.x, U.y, U.z);
    f->haf = 10, f->trigDamba = damba, f->get_RadiusVis_ = 60, f->test_rot1 = 16;
    f->ueWaitNow = 155000, f->ueWaitFull = 155000;
    return f;
  };
  auto flag = [U](int state) {
    Fgr* f = At3(fgrPultFlag, U.x, U.y, U.z, 2);
    f->xExpNow = state, f->waitNow = 3000, f->waitFull = 15000, f->dXKlv = 5, f->dXKlvMax = 10;
    return f;
  };
  auto sight = [&](float rot) {  // the player's unit with a sight of 100 at a turning angle
    Fgr* f = unit(2);
    f->get_RadiusVis_ = 100, f->test_rot1 = rot;
    return f;
  };
  auto skill = [&](float radius) {
    Fgr* f = unit(2);
    Fgr* s = Make(fgrAbilSkil);
    s->get_RadiusVis_ = radius;
    f->P2_Sub_UseSkil = s;
    f->test_rot1 = 40.4f;
    return f;
  };
  auto trigger = [U](int waitFull, float sweep) {  // in play, half its wait gone
    Fgr* f = At3(fgrTriger, U.x, 7, U.z);
    f->waitNow = 2500, f->waitFull = waitFull;
    TrigSweepAngle = sweep, FrameClock.KadrStep = 100;
    return f;
  };
  const V3 G = {U.x, 5, U.z};
  const float a16 = 16 * (float)M_PI / 180;  // the spawner's turning angle
  const std::vector<Row> rows = {
      {"flat sprite bent 15", [&] { return laser(1, 15, 0.4f); }, Laser_DrawBeam, 1, 1, 0,
       With(Around(P, 2, 210, 330, 45, 135), All(0.1f, 0.2f, 0.3f, 0.4f), kFull)},
      {"flat sprite bent -100", [&] { return laser(1, -100, 0.4f); }, Laser_DrawBeam, 1, 1, 0,
       Around(P, 2, 125, 55, 45, 135)},
      {"flat sprite bent 1000: both bent corners out of the table", [&] { return laser(1, 1000, 0.4f); },
       Laser_DrawBeam, 1, 1, 0, Quad{{P, P, At(P, 45, 2), At(P, 135, 2)}, {}, {}}},
      {"flat sprite bent INT_MIN", [&] { return laser(1, INT_MIN, 0.4f); }, Laser_DrawBeam, 1, 1, 0,
       Quad{{P, P, At(P, 45, 2), At(P, 135, 2)}, {}, {}}},
      {"end glow at alpha 0.75: frame 0", [&] { return laser(0, 0, 0.75f); }, Laser_DrawBeam, 2, 1, 0,
       With(Facing(L, 18), All(0.7f, 0.6f, 0.5f, 0.75f), Cell(0, 0.125f, 0, 0.5f))},
      {"end glow at alpha 0.05: frame 7", [&] { return laser(0, 0, 0.05f); }, Laser_DrawBeam, 2, 1, 0,
       With(Facing(L, 18), {}, Cell(0.875f, 1, 0, 0.5f))},
      {"beam exactly diagonal widens along z", [&] { return beam(10, 5, 10); }, Laser_DrawBeam, 1, 2, 0,
       With(Quad{{{0, 0, -2}, {0, 0, 2}, {10, 5, 12}, {10, 5, 8}}, {}, {}}, All(0.1f, 0.2f, 0.3f, 0.5f),
            kFull)},
      {"beam along z widens along x, then the upright quad", [&] { return beam(1, 5, 10); },
       Laser_DrawBeam, 1, 2, 0, Quad{{{-2, 0, 0}, {2, 0, 0}, {3, 5, 10}, {-1, 5, 10}}, {}, {}}},
      {"beam's upright quad", [&] { return beam(1, 5, 10); }, Laser_DrawBeam, 1, 2, 1,
       Quad{{{0, 2, 0}, {0, -2, 0}, {1, 3, 10}, {1, 7, 10}}, {}, {}}},
      {"laser drawn for the editor's mark: nothing", [&] { return laser(0, 0, 0.5f); }, Laser_DrawBeam,
       12, 0, 0, std::nullopt},
      {"sprite of another side: raised to size 1, u mirrored", [&] { return unit(3); },
       Proc_DrawUnitOverlay, 2, 1, 0,
       With(Facing({U.x, 11, U.z}, 1), All(0.4f, 0.5f, 0.6f, 1), Cell(1, 0, 0, 1))},
      {"sprite of a fat own unit",
       [&] {
         Fgr* f = unit(2);
         f->GabarIsFat = 1, f->haf = 3;
         return f;
       },
       Proc_DrawUnitOverlay, 2, 1, 0, With(Facing({U.x + 5, 11, U.z + 5}, 3), {}, kFull)},
      {"flag of side 1", [&] { return unit(1); }, Proc_DrawUnitOverlay, 5, 1, 0,
       With(Facing({U.x, 20, U.z}, 4), All(0.8f, 0.8f, 0.8f, 1), kFull)},
      {"flag of the player", [&] { return unit(2); }, Proc_DrawUnitOverlay, 5, 1, 0,
       With(Facing({U.x, 20, U.z}, 4), All(0.8f, 0.1f, 0.3f, 1), kFull)},
      {"flag of another side", [&] { return unit(3); }, Proc_DrawUnitOverlay, 5, 1, 0,
       With(Facing({U.x, 20, U.z}, 4), All(0.3f, 0.1f, 0.8f, 1), kFull)},
      {"badge of the player", [&] { return unit(2); }, Proc_DrawUnitOverlay, 6, 1, 0,
       With(Facing({U.x + 1, 17, U.z + 1}, 3), All(0.7f, 0.7f, 0.7f, 1), kFull)},
      {"badge of another side", [&] { return unit(3); }, Proc_DrawUnitOverlay, 6, 1, 0,
       With(Facing({U.x + 1, 17, U.z + 1}, 3), All(0.5f, 0.5f, 0.5f, 1), kFull)},
      {"sight ring: 60 dots, the first at the turning angle 90", [&] { return sight(90); },
       Proc_DrawUnitOverlay, 7, 60, 0,
       With(Facing({U.x + 100, 5, U.z}, 2), All(0.6f, 0.7f, 0.9f, 0.4f), Cell(0.25f, 0.375f, 0, 0.5f))},
      {"sight ring dot 15 at 90 + 90 degrees", [&] { return sight(90); }, Proc_DrawUnitOverlay, 7,
       60, 15, Facing({U.x, 5, U.z - 100}, 2)},
      {"sight ring with a turning angle no table holds", [&] { return sight(1e30f); },
       Proc_DrawUnitOverlay, 7, 60, 0, std::nullopt},
      {"sight ring with a turning angle that is not a number", [&] { return sight(NAN); },
       Proc_DrawUnitOverlay, 7, 60, 0, Facing({U.x, 5, U.z + 100}, 2)},
      {"gun ring: 36 dots of the gun's radius",
       [&] {
         Fgr* f = unit(2);
         Fgr* g = Make(fgrDetUnitGun);
         g->get_RadiusVis_ = 50;
         f->P2_Sub_UseGun = g;
         f->test_rot1 = 77;
         return f;
       },
       Proc_DrawUnitOverlay, 8, 36, 9,
       With(Facing({U.x + 50, 3, U.z}, 3), All(1.0f, 0.7f, 0.5f, 0.5f), Cell(0.125f, 0.25f, 0.5f, 1))},
      {"skill ring grows with the turning angle", [&] { return skill(100); }, Proc_DrawUnitOverlay, 9,
       20, 5,
       With(Facing({U.x + 40, 4, U.z}, 2), All(0.6f, 0.7f, 0.6f, 0.3f), Cell(0.25f, 0.375f, 0.5f, 1))},
      {"skill ring at full size past its radius", [&] { return skill(30); }, Proc_DrawUnitOverlay, 9,
       20, 0, Facing({U.x, 4, U.z + 30}, 2)},
      {"spawner sprite: no vertex colours", [&] { return spawner(0); }, Proc_SpawnerRender, 2, 1, 0,
       With(Facing({U.x, 8, U.z}, 10), All(1, 1, 1, 1), kFull)},
      {"spawner flag of the player", [&] { return spawner(2); }, Proc_SpawnerRender, 5, 1, 0,
       With(Around({U.x, 16, U.z}, 5, 135, 225, 315, 45), All(0.8f, 0.1f, 0.3f, 1), kFull)},
      {"spawner flag of a toucher of no side", [&] { return spawner(-1); }, Proc_SpawnerRender, 5, 1, 0,
       With(Around({U.x, 16, U.z}, 5, 135, 225, 315, 45), All(0.3f, 0.1f, 0.8f, 1), kFull)},
      {"spawner ring: 45 dots from the turning angle", [&] { return spawner(0); }, Proc_SpawnerRender, 7,
       45, 0,
       With(Facing({U.x + 60 * std::sin(a16), 5, U.z + 60 * std::cos(a16)}, 3),
            All(1.0f, 0.2f, 0.3f, 0.5f), Cell(0.375f, 0.5f, 0.5f, 1))},
      {"spawner life bar at full life: back bar", [&] { return spawner(2); }, Proc_SpawnerRender, 11, 2,
       0, With(Bar(G, 90, 30, 1.0f), kBack, {})},
      {"spawner life bar at full life: no front yet", [&] { return spawner(2); }, Proc_SpawnerRender, 11,
       2, 1,
       With(Bar(G, 90, 0, 1.25f),
            {0, 0, 0.2f, 0.8f, 0, 0, 0.5f, 0.8f, 0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f}, {})},
      {"spawner life bar without a life time: the whole front",
       [&] {
         Fgr* f = spawner(2);
         f->ueWaitFull = 0;
         return f;
       },
       Proc_SpawnerRender, 11, 2, 1, Bar(G, 90, 30, 1.25f)},
      {"trigger in play: the sweep hand, back", [&] { return trigger(5000, 10); }, Proc_TrigerRender,
       2, 2, 0, With(Bar(G, 11, 30, 1.5f), kBack, {})},
      {"trigger in play: the wait bar, front", [&] { return trigger(5000, 10); }, Proc_TrigerRender, 2,
       2, 1, With(Bar(G, 11, 15, 1.5f), kFront, {})},
      // The sweep's 80.5 wraps to 0.5, which rounds to 1.
      {"trigger without a wait: an empty front bar", [&] { return trigger(0, 79.5f); },
       Proc_TrigerRender, 2, 2, 1, Bar(G, 1, 0, 1.5f)},
      {"trigger in the editor: a white square",
       [&] {
         EditModeOn = 1;
         return At3(fgrTriger, U.x, 7, U.z);
       },
       Proc_TrigerRender, 2, 1, 0, With(Facing({U.x, 7, U.z}, 3), All(1, 1, 1, 1), kFull)},
      {"trigger drawn for the editor's mark: nothing", [&] { return At3(fgrTriger, U.x, 7, U.z); },
       Proc_TrigerRender, 12, 0, 0, std::nullopt},
      {"flag waiting: the time gone in blue", [&] { return flag(0); }, Proc_FlagRender, 1, 2, 1,
       With(Bar(G, 70, 24, 1.5f),
            {0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f, 0.0f, 0.3f, 0.9f, 0.8f, 0.0f, 0.1f, 0.9f,
             0.8f},
            {})},
      {"flag waiting: the back bar", [&] { return flag(0); }, Proc_FlagRender, 1, 2, 0,
       With(Bar(G, 70, 30, 1.5f), kBack, {})},
      {"flag held by the player", [&] { return flag(1); }, Proc_FlagRender, 1, 1, 0,
       With(Facing({U.x, 20, U.z}, 7), All(0.8f, 0.1f, 0.3f, 1), kFull)},
      {"flag taken: the progress made", [&] { return flag(2); }, Proc_FlagRender, 1, 2, 1,
       With(Bar(G, 110, 15, 1.5f), kFront, {})},
      {"flag in another state: nothing", [&] { return flag(3); }, Proc_FlagRender, 1, 0, 0,
       std::nullopt},
      {"billboard turned by 20 degrees",
       [&] {
         Fgr* f = At3(fgrDekor, U.x, 0, U.z);
         f->fcr = 0.1f, f->fcg = 0.2f, f->fcb = 0.3f, f->fca = 0.4f;
         return f;
       },
       Proc_DrawBillboard2, 1, 1, 0,
       With(Around(G, 5, 245, 335, 65, 155), All(0.1f, 0.2f, 0.3f, 0.4f), kFull)},
      {"billboard of size haf at height haf",
       [&] {
         Fgr* f = At3(fgrGetGemX, U.x, 0, U.z);
         f->haf = 4, f->fcr = f->fcg = f->fcb = f->fca = 1;
         return f;
       },
       Proc_DrawBillboard, 1, 1, 0, With(Facing({U.x, 4, U.z}, 4), All(1, 1, 1, 1), kFull)},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EditModeOn = 0;
    FrameClock.KadrStep = 10;
    Fgr* f = r.make();
    EXPECT_EQ(Draw(r.proc, f, r.kind), r.quads);
    if (r.want) ExpectQuad(r.check, *r.want);
    Fgrs.ResetAll();
  }
  Fgr* u = unit(2);
  Draw(Proc_DrawUnitOverlay, u, 2);
  EXPECT_EQ(u->haf, 1.0f) << "the sprite's size is raised in the figure itself";
}

TEST_F(FigureDraw, FramesMarksAndHitBarsAreWindowPixelsOverTheProjection) {
  // (32, y, 64) projects to (500, 300 + y * 300 / 128).
  auto unit = [](int side) {
    Fgr* f = At3(fgrUnitPeh, 32, 0, 64, side);
    f->UN->isUse = 1;
    return f;
  };
  // A square of window pixels in one colour.
  auto square = [](float x0, float y0, float x1, float y1, std::vector<float> colour) {
    return With(Pixels(x0, y0, x1, y1), std::move(colour), {});
  };
  Fgr* own = unit(2);
  Fgr* other = unit(3);
  const struct {
    Fgr* f;
    int kind;
    Quad want;
  } marks[] = {
      {own, 3, square(485, 303, 515, 333, All(1.0f, 0.5f, 0.0f, 0.8f))},  // (32, 8, 64): 318.75
      {other, 3, square(485, 303, 515, 333, All(0.0f, 0.6f, 0.7f, 0.8f))},
      {own, 4, square(488, 316, 512, 340, All(0.8f, 0.1f, 0.3f, 0.7f))},  // height 12: 328.125
      {other, 4, square(488, 316, 512, 340, All(0.3f, 0.1f, 0.8f, 0.7f))},
      {other, 12, With(Pixels(482, 317, 518, 353), All(1, 0, 0, 1), kFull)},  // height 15: 335.15625
  };
  for (const auto& m : marks) {
    SCOPED_TRACE(m.kind);
    EXPECT_EQ(Draw(Proc_DrawUnitOverlay, m.f, m.kind, 1), 1);
    ExpectQuad(0, m.want, 1);
  }

  // Hit bars: NormHP 30 of 60 in the second bar, Hot 0 of 120 in the first.
  own->useNormHP = 1;
  own->UN->cnt.T[1] = 30, own->UN->cnt.T[2] = 60;
  own->UN->cnt.T[15] = 0, own->UN->cnt.T[16] = 120;
  EXPECT_EQ(Draw(Proc_DrawUnitOverlay, own, 10, 1), 6);
  const Quad bars[] = {square(468, 300, 500, 302, All(0, 0, 0, 1)),
                       square(468, 302, 500, 304, All(0, 0, 0, 0.5f)),
                       square(500, 302, 500, 304, All(0.9f, 0.3f, 0.1f, 1)),
                       square(468, 306, 500, 308, All(0, 0, 0, 1)),
                       square(468, 308, 500, 310, All(0, 0, 0, 0.5f)),
                       square(484, 308, 500, 310, All(1.0f, 0.1f, 0.6f, 1))};
  for (int q = 0; q < 6; q++) ExpectQuad(q, bars[q], 1);
  // useTehnHP moves the first bar to TehnHP: 45 of 60 fills 24 pixels in the other side's colour.
  other->useTehnHP = 1;
  other->UN->cnt.T[5] = 45, other->UN->cnt.T[6] = 60;
  EXPECT_EQ(Draw(Proc_DrawUnitOverlay, other, 10, 1), 3) << "no maximum: no second bar";
  ExpectQuad(2, square(476, 302, 500, 304, All(0.5f, 0.5f, 1.0f, 1)), 1);
  // A captain whose skill carries bonus and damage tables shows both marks first.
  other->trueCaptain = 1;
  Fgr* skil = Make(fgrAbilSkil);
  skil->imiter = 1;
  skil->item->fku.count = 1;
  skil->item->sta.count = 1;
  other->P2_Sub_UseSkil = skil;
  EXPECT_EQ(Draw(Proc_DrawUnitOverlay, other, 10, 1), 5);
  ExpectQuad(0, square(492, 304, 508, 320, All(1.0f, 0.1f, 0.2f, 0.3f)), 1);
  ExpectQuad(1, square(480, 292, 496, 308, All(1.0f, 1.0f, 0.0f, 0.3f)), 1);
  // Without a unit record there are no values and no bars.
  own->UN->isUse = 0;
  EXPECT_EQ(Draw(Proc_DrawUnitOverlay, own, 10, 1), 0);

  // A point on the camera's plane or behind it does not project: no frame, no bars, no mark.
  RendScene.PickView.projection[15] = 0, RendScene.PickView.projection[11] = -1;  // w = -z
  Fgr* level = At3(fgrUnitPeh, 32, 0, 0, 2);
  for (Fgr* f : {level, own}) {  // own stands at z 64, behind
    f->UN->isUse = 1, f->useNormHP = 1, f->UN->cnt.T[2] = 10;
    for (int kind : {3, 4, 10, 12}) EXPECT_EQ(Draw(Proc_DrawUnitOverlay, f, kind, 1), 0) << kind;
  }
}

TEST_F(FigureDraw, QueueProceduresAddTheEntriesOfTheirParts) {
  struct Entry {
    const void* list;
    int kind, tex, match;
  };
  // Every entry of the scene's lists, in list order.
  auto entries = [] {
    std::vector<Entry> out;
    auto take = [&out](const auto& l) {
      for (int i = 1; i <= l.count; i++) out.push_back({&l, l.e[i].drawKind, l.e[i].tex, l.e[i].match});
    };
    take(RendScene.small[ListCutout]);
    take(RendScene.big[ListCutoutBig]);
    take(RendScene.big[ListHud2DAdd]);
    take(RendScene.big[ListGlowBig]);
    take(RendScene.big[ListGlowBig2Sided]);
    take(RendScene.big[ListHud2D]);
    return out;
  };
  auto expect = [&](const char* what, std::vector<Entry> want) {
    SCOPED_TRACE(what);
    std::vector<Entry> got = entries();
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); i++) {
      EXPECT_EQ(got[i].list, want[i].list) << i;
      EXPECT_EQ(got[i].kind, want[i].kind) << i;
      EXPECT_EQ(got[i].tex, want[i].tex) << i;
      EXPECT_EQ(got[i].match, want[i].match) << i;
    }
    RendScene_Reset(&RendScene);
  };
  const auto* cut = &RendScene.small[ListCutout];
  const auto* cutBig = &RendScene.big[ListCutoutBig];
  const auto* add2d = &RendScene.big[ListHud2DAdd];
  const auto* glowBig = &RendScene.big[ListGlowBig];
  const auto* glow2 = &RendScene.big[ListGlowBig2Sided];
  const auto* hud = &RendScene.big[ListHud2D];
  FrameWalks.FrameWalk1.r.frame[0] = 3, FrameWalks.FrameWalk1.r.frame[1] = 7,
  FrameWalks.FrameWalk1.r.frame[2] = 99;
  FrameWalks.FrameWalk2.r.frame[0] = 2, FrameWalks.FrameWalk2.r.frame[1] = 5,
  FrameWalks.FrameWalk2.r.frame[2] = 1;

  // The player's one selected unit with a gun, sight and a tactic badge: everything.
  Fgr* u = At3(fgrUnitPeh, 0, 0, 0, 2);
  u->Tex1 = 49, u->get_RadiusVis_ = 80, u->tactic = 1, u->AnimBonusKan = 1, u->AnimFlagKan = 0;
  u->P2_Sub_UseGun = Make(fgrDetUnitGun);
  u->isSelected = 1;
  SelList.count = 1, SelList.e[1] = u;
  Proc_MarkSelected(u);
  expect("selected alone", {{cut, 1, 0, 0},
                            {cutBig, 6, 16, 1},
                            {cutBig, 2, 49, 1},
                            {cutBig, 5, 24, 1},
                            {add2d, 3, -1, 1},
                            {glowBig, 7, 65, 1},
                            {glowBig, 8, 65, 1},
                            {hud, 10, 0, 1}});
  // Two selected: no rings; a dying unit shows no flag; a flag channel outside 0..2 uses frame 0.
  SelList.count = 2;
  u->isMort = 100;
  Proc_MarkSelected(u);
  expect("one of two",
         {{cut, 1, 0, 0}, {cutBig, 6, 16, 1}, {cutBig, 2, 49, 1}, {add2d, 3, -1, 1}, {hud, 10, 0, 1}});
  u->isMort = 0, u->AnimFlagKan = 2;  // walker frame 99 is out of range
  u->isSelected = 0, u->tactic = 0;
  SelList.count = 0;
  WorldMouse.HoverFgr = u;  // the hovered figure gets its rings whatever is selected
  Proc_MarkSelected(u);
  expect("hovered", {{cut, 1, 0, 0},
                     {cutBig, 2, 49, 1},
                     {cutBig, 5, 21, 1},
                     {glowBig, 7, 65, 1},
                     {glowBig, 8, 65, 1},
                     {hud, 4, 0, 1},
                     {hud, 10, 0, 1}});
  WorldMouse.HoverFgr = nullptr;
  // An enemy nobody sees is not queued in play, but in the editor; a spawner always.
  Fgr* e = At3(fgrUnitPeh, 0, 0, 0, 3);
  e->AnimFlagKan = 0;
  Proc_MarkSelected(e);
  expect("hidden enemy", {});
  EditModeOn = 1;
  Proc_MarkSelected(e);
  expect("hidden enemy in the editor", {{cut, 1, 0, 0}, {cutBig, 2, 0, 1}, {cutBig, 5, 24, 1}});
  EditModeOn = 0;
  e->KlientVidit = 1;
  const float rot = e->test_rot1;
  FrameClock.KadrStep = 50;
  Proc_MarkSelected(e);
  EXPECT_FLOAT_EQ(e->test_rot1, rot + 0.5f) << "turns by 0.01 degrees a millisecond";
  RendScene_Reset(&RendScene);

  // Spawner before and after its trigger.
  Fgr* s = At3(fgrSpawner, 0, 0, 0);
  s->Tex1 = 25, s->get_RadiusVis_ = 60;
  Proc_SpawnerQueue(s);
  expect("spawner waiting", {{cut, 1, 0, 0}, {cutBig, 2, 25, 1}, {glowBig, 7, 65, 1}});
  s->trigDamba = 2, s->get_RadiusVis_ = 1;
  Proc_SpawnerQueue(s);
  expect("spawner triggered", {{cutBig, 2, 25, 1}, {cutBig, 5, 21, 1}, {glowBig, 11, 0, 0}});

  // Lasers: a beam with its end glow, a flat sprite, none of another side in play.
  Fgr* l = At3(fgrLaser, 0, 0, 0, 2);
  l->Tex1 = 29;
  Proc_SpriteTimer(l);
  expect("beam", {{glowBig, 2, 65, 1}, {glow2, 1, 29, 1}});
  l->Tex1 = 5;
  Proc_SpriteTimer(l);
  expect("beam of texture 5: no glow", {{glow2, 1, 5, 1}});
  l->imiter = 1;
  Proc_SpriteTimer(l);
  expect("flat sprite", {{cutBig, 1, 5, 1}});
  l->baner = 3;
  Proc_SpriteTimer(l);
  expect("another side's laser", {});

  // Flags by state; triggers; decals in the decal views only; billboards.
  Fgr* f = At3(fgrPultFlag, 0, 0, 0, 2);
  f->AnimFlagKan = 1;
  for (int state : {0, 1, 2, 3}) {
    f->xExpNow = state;
    Proc_FlagQueue(f);
  }
  expect("flag states 0..3", {{cutBig, 1, 28, 1}, {glowBig, 1, 0, 1}, {glowBig, 1, 0, 1}});
  Fgr* t = At3(fgrTriger, 0, 0, 0, 3);
  t->Tex1 = 1;
  Proc_DrawOwnSprite(t);
  expect("another side's trigger", {});
  t->baner = 2;
  Proc_DrawOwnSprite(t);
  expect("the player's trigger", {{glowBig, 2, 0, 1}});
  Fgr* d = At3(fgrLandDecal, 0, 0, 0);
  d->Tex1 = 8;
  Proc_DrawTex1(d);
  expect("decal outside a decal view", {});
  RendView decalView{};
  decalView.decal = 1;
  RendScene.RendView_Cur = &decalView;
  Proc_DrawTex1(d);
  RendScene.RendView_Cur = nullptr;
  expect("decal in a decal view", {{cut, 1, 8, 0}});
  Fgr* b = At3(fgrDekor, 0, 0, 0);
  b->Tex1 = 66;
  Proc_DrawTex1C(b);
  Proc_DrawTex1B(b);
  expect("billboards", {{cutBig, 1, 66, 1}, {cutBig, 1, 66, 1}});
}

TEST_F(FigureDraw, TheLaserFadesAndEndsOnItsTimer) {
  FrameClock.KadrStep = 100;
  Fgr* l = At3(fgrLaser, 0, 0, 0);
  l->fca = 0.7f, l->laser_first = 1, l->waitNow = 900, l->waitFull = 750;
  const int out = LaserOutCount;
  Proc_FadeTimer(l);
  EXPECT_EQ(l->waitNow, 650) << "cut to the whole, then counted down";
  EXPECT_FLOAT_EQ(l->fca, 0.7f) << "the first update keeps the alpha";
  EXPECT_FLOAT_EQ(l->colorFull, 0.7f);
  Proc_FadeTimer(l);
  EXPECT_NEAR(l->fca, 0.7f * 650 / 750, 1e-6) << "the alpha of the time left";
  for (int i = 0; i < 5; i++) Proc_FadeTimer(l);
  EXPECT_EQ(l->status, fgrLaser);
  Proc_FadeTimer(l);
  EXPECT_EQ(l->status, 0) << "reset when its 750 ms ran out";
  EXPECT_EQ(LaserOutCount, out + 1);
  // Without a whole the alpha is 0, not a division by 0; with kmra_ScisH the queue counts instead.
  l = At3(fgrLaser, 0, 0, 0);
  l->fca = 0.5f, l->waitNow = 0, l->waitFull = 0, l->kmra_ScisH = 1;
  Proc_FadeTimer(l);
  EXPECT_EQ(l->fca, 0.0f);
  EXPECT_EQ(l->status, fgrLaser) << "the update leaves the timer to the queue";
  Proc_SpriteTimer(l);
  EXPECT_EQ(l->status, 0);
  EXPECT_EQ(RendScene.big[ListGlowBig2Sided].count, 0) << "a reset laser is not queued";
  EXPECT_EQ(LaserOutCount, out + 2);
  // The decal's spin: 0.05 degrees a millisecond, wrapped once.
  Fgr* d = At3(fgrLandDecal, 0, 0, 0);
  d->test_rot1 = 358;
  Proc_SpinRot(d);
  EXPECT_FLOAT_EQ(d->test_rot1, 3);
}
