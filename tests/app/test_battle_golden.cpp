// The picture of a small battle on the shipped stage "Maps/test.etp" with the shipped textures: two
// enemy soldiers have come up to the player's three units; one of the player's is selected (its
// frame, sight and gun rings and hit bars), an enemy is hovered (its frame and bars), units that
// stand in a tactic radius wear their badge, every unit its side's flag (red the player's, blue the
// enemy's) over its body and sprite, the player's shot flies with its end glow, and a ring decal
// lies on the ground beside the selected unit.
// Compared with the picture kept beside this test.
#include <GL/gl.h>
#include <unistd.h>

#include <vector>

#include "catalogue/creators.h"
#include "figures/fa_proc_env.h"
#include "figures/land.h"
#include "figures/stage.h"
#include "render/gl2d.h"
#include "scene_fixture.h"
#include "scene_golden.h"
#include "shell/key_commands.h"
#include "world/land_grid.h"
#include "world/procs.h"
#include "world/selection.h"
#include "world/unit_marks.h"

namespace {

class BattleGolden : public SceneTestT<400, 300> {};

// The live foot units of the side, in slot order.
std::vector<Fgr*> UnitsOf(int side) {
  std::vector<Fgr*> out;
  for (Fgr& f : Fgrs.mf)
    if (f.Active() && f.status == fgrUnitPeh && f.baner == side) out.push_back(&f);
  return out;
}

}  // namespace

TEST_F(BattleGolden, ABattleOnTheShippedStageLooksAsItDid) {
  TexTable_Free(&TexTable);
  std::string here = std::filesystem::current_path();
  ASSERT_EQ(chdir(TOLV_SOURCE_DIR), 0);
  const int loaded = Tex_LoadPack(&TexTable, "uni_files/res/pix_start.txt");
  ASSERT_EQ(chdir(here.c_str()), 0);
  ASSERT_EQ(loaded, 1);
  // The floors as the game's start makes them, then the stage over them.
  Tex_GenLumAlpha(&Land.LandSurface, 0);
  Tex_GenLumAlpha(&Land.LandUnder, 1);
  ASSERT_EQ(EtapFile_Load(SourcePath("Maps/test.etp")), 1);
  Fgrs.ClearNovorod();  // the newborn of the load are grown up by the first frame
  Sides.PlayerSide = 2;
  LandChunks.LandOverviewWait = 0;
  PlitTextures_Build(0);

  std::vector<Fgr*> mine = UnitsOf(2), theirs = UnitsOf(3);
  ASSERT_GE(mine.size(), 3u);
  ASSERT_GE(theirs.size(), 2u);
  // The enemy's two soldiers stand before the player's units.
  const int cells[2] = {13 * kLandSide + 20, 11 * kLandSide + 21};
  for (int i = 0; i < 2; i++) {
    float x, z;
    Land_CellCentre(cells[i], &x, &z);
    Fgr_SetPosition(theirs[i], x, 0, z);
  }
  SelList_SetOne(&SelList, mine[0], 0);
  WorldMouse.HoverFgr = theirs[0];
  // Shots: the player's beam shows with its end glow; the enemy's is not shown to the player.
  float ax, az, bx, bz;
  Fgr::PosXZ(mine[0], &ax, &az);
  Fgr::PosXZ(theirs[0], &bx, &bz);
  ASSERT_TRUE(Laser_Create({prLaser1, ax, 8, az, bx, 8, bz, 29, 0, 2, 0, 0.6f, 0.8f, 1.0f, 0.9f}));
  Fgr::PosXZ(theirs[1], &ax, &az);
  Fgr::PosXZ(mine[1], &bx, &bz);
  ASSERT_TRUE(Laser_Create({prLaser1, ax, 8, az, bx, 8, bz, 28, 0, 3, 0, 1.0f, 0.4f, 0.3f, 0.9f}));
  Fgrs.ClearNovorod();

  // The main and the flare camera look at the battle from the south.
  Fgr::PosXZ(mine[0], &ax, &az);
  for (Fgr& c : Fgrs.mf) {
    if (c.status != fgrKameraLayer || c.kmra_DecalMode) continue;
    c.priv_position_x = ax, c.priv_position_y = 120, c.priv_position_z = az + 110;
    c.laserX = ax, c.laserY = 0, c.laserZ = az - 5;
    c.kmra_VPw = kW, c.kmra_VPh = kH;
  }
  KeyCmds.MouseX = 10, KeyCmds.MouseY = 10;
  // One frame of play: the container's update, every figure's procedure (the units see each
  // other), then the draw, with wounds for the bars and badges for the units in a tactic radius
  // given just before it (the units' upkeep would work both out anew).
  RendScene_Reset(&RendScene);
  Fgrs_UpdAll(&Fgrs);
  Fgrs_ProcAll(&Fgrs);
  for (Fgr* f : {mine[0], theirs[0]}) {
    f->useNormHP = 1;
    f->UN->cnt.T[1] = 40, f->UN->cnt.T[2] = 100;
    f->UN->cnt.T[15] = 30, f->UN->cnt.T[16] = 120;
  }
  mine[0]->tactic = mine[1]->tactic = theirs[1]->tactic = 1;
  // The ring decal's triangles (150 indices of its 200) cover the 5 x 5 cells around the selected
  // unit; its texture spans the one cell it is anchored to, two cells west of the unit.
  const int c0 = Land_CellAt(ax, az) - 2 * kLandSide - 2;
  LandDecal& ring = Land.LandDecals[2];
  ring.count = 0, ring.cell = Land_CellAt(ax, az) - 2;
  for (int r = 0; r < 5; r++)
    for (int c = 0; c < 5; c++) {
      const uint32_t v = (uint32_t)Land.LandSurface.kle[c0 + r * kLandSide + c].vert;
      for (uint32_t i : {v, v + 257, v + 258, v, v + 258, v + 1}) ring.ind[ring.count++] = i;
    }
  // Nothing binds a decal figure to its floor yet: the ring's figure is given the surface here.
  Fgr* decal = nullptr;
  for (Fgr& f : Fgrs.mf)
    if (f.status == fgrLandDecal && f.speDecal == &ring) decal = &f;
  ASSERT_TRUE(decal);
  decal->landSurf = &Land.LandSurface;
  SceneViewportDraw();
  glFinish();
  const Picture shot = WindowPicture(kW, kH);
  WorldMouse.HoverFgr = nullptr;
  SelList_Clear();
  ExpectAsGolden(shot, "tests/app/golden/battle_400x300.png");

  // The decal's own GL state: no error, the texture matrix and the generation as it found them,
  // also when its list is too short to draw or names a vertex the mesh does not hold (then it is
  // not drawn at all); a unit's triangles of such a vertex are not drawn either.
  const int whole = ring.count;
  for (int count : {whole, 5, -whole}) {
    ring.count = count < 0 ? -count : count;
    ring.ind[7] = count < 0 ? kLandVerts : ring.ind[7];
    while (glGetError() != GL_NO_ERROR) {
    }
    decal->OnR_inFgr = 1;
    ProcFgr(decal->ProcNomOnR, decal);
    mine[2]->Ind[4] = count < 0 ? 1u << 30 : mine[2]->Ind[4];
    Fgr_DrawInd(mine[2], 0, 0, 0);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << count;
    GLint depth = 0;
    glMatrixMode(GL_TEXTURE);
    glGetIntegerv(GL_TEXTURE_STACK_DEPTH, &depth);
    glMatrixMode(GL_MODELVIEW);
    EXPECT_EQ(depth, 1) << count;
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S)) << count;
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_T)) << count;
  }
  ring.count = 0;
}
