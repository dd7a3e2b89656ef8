// Ground marks and the spawner's zone and ring.
#include "world/ground_marks.h"

#include <GL/gl.h>

#include "figures/fa_proc_env.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "render/gl2d.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "render/vert_arr.h"
#include "world/fgr_quad.h"
#include "world/unit_marks.h"

void Proc_DrawGroundMark(Fgr* f) {
  // Only the decal view's entry draws: the editor's marks of inactive figures are not ground.
  if (!f || f->OnR_inFgr != 1 || !f->landSurf || !f->speDecal) return;
  const LandFloor* floor = static_cast<const LandFloor*>(f->landSurf);
  const LandDecal* d = static_cast<const LandDecal*>(f->speDecal);
  // The list comes from the decal record: only whole triangles of mesh vertices are drawn.
  const int n = (d->count > kLandDecalIndices ? kLandDecalIndices : d->count) / 3 * 3;
  if (n <= 5) return;
  for (int i = 0; i < n; i++)
    if (d->ind[i] >= (uint32_t)kLandVerts) return;
  float a = 0, b = 0;
  if (Land_CellValid(d->cell)) a = floor->kle[d->cell].x, b = floor->kle[d->cell].z;
  // One texture unit a cell.
  static const float kPlaneS[4] = {0.1f, 0, 0, 0};
  static const float kPlaneT[4] = {0, 0, -0.1f, 0};
  Gl_TexGenObjectLinear(kPlaneS, kPlaneT);
  glMatrixMode(GL_TEXTURE);
  glPushMatrix();
  glTranslatef(0.5f, 0.5f, 0);
  glRotatef(f->test_rot1, 0, 0, 1);
  glTranslatef(-0.5f, -0.5f, 0);
  glTranslatef(-0.1f * a, 0.1f * (b + 10), 0);
  glMatrixMode(GL_MODELVIEW);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glColor4f(f->fcr, f->fcg, f->fcb, f->fca);
  Gl_FogOfFloor(visUnderGround);
  Gl_DrawTris(&RendScene, n, d->ind, &floor->vert[0].x, nullptr, nullptr, nullptr);
  Gl_FogOff();
  glMatrixMode(GL_TEXTURE);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  Gl_TexGenOff();
}

void Proc_SpawnerQueue(Fgr* f) {
  if (!f) return;
  if (Fgr::RadiusVis(f) > 1)
    BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 7, 0, kTxGlowAtlas, 0, 1);
  if (f->trigDamba == 0) BatchList_Add(&RendScene.small[ListCutout], 0, f, 1, 0, 0, 0, 0);
  BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 2, 0, f->Tex1, 0, 1);
  if (f->trigDamba != 0) {
    BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 11, 0, 0, 0, 0);
    BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 5, 0, kTxFlag0, 0, 1);
  }
}

void Proc_SpawnerRender(Fgr* f) {
  if (!f) return;
  float x, z;
  Fgr::PosXZ(f, &x, &z);
  switch (f->OnR_inFgr) {
    case 1: {
      static const float kCells[8][2] = {{-10, -10}, {0, -10},  {10, -10}, {-10, 0},
                                         {10, 0},    {-10, 10}, {0, 10},   {10, 10}};
      for (const auto& c : kCells) Fgr_DrawInd(f, x + c[0], 0, z + c[1]);
      break;
    }
    case 2:
      FgrQuad_Facing(x, 8, z, f->haf);
      FgrQuad_TexFull();
      FgrQuad_Add(0, 1);
      break;
    case 5:
      FgrQuad_Dirs(x, 16, z, 5, 135, 225, 315, 45);
      FgrQuad_TexFull();
      if (f->trigDamba == Sides.PlayerSide) FgrQuad_Colour(0.8f, 0.1f, 0.3f, 1.0f);
      else FgrQuad_Colour(0.3f, 0.1f, 0.8f, 1.0f);
      FgrQuad_Add(1, 1);
      break;
    case 7: {
      const float r = (float)Fgr::RadiusVis(f);
      FgrQuad_TexRange(0.375f, 0.5f, 0.5f, 1.0f);
      FgrQuad_Colour(1.0f, 0.2f, 0.3f, 0.5f);
      FgrQuad_Ring(x, 5, z, r, 45, 8, f->test_rot1, 3);
      break;
    }
    case 11: {
      const float r = f->ueWaitFull != 0 ? (float)f->ueWaitNow / (float)f->ueWaitFull * 30 : 0.0f;
      FgrQuad_Bar(x, 5, z, 90, 30, 1.0f);
      FgrQuad_BarBack();
      FgrQuad_Add(1, 0);
      FgrQuad_Bar(x, 5, z, 90, 30 - r, 1.25f);
      static const float kFront[16] = {0.0f, 0.0f, 0.2f, 0.8f, 0.0f, 0.0f, 0.5f, 0.8f,
                                       0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f};
      std::copy(kFront, kFront + 16, FgrQuad.col);
      FgrQuad_Add(1, 0);
      break;
    }
    default: break;
  }
}

void r_Proc_DrawGroundMark_(Fgr* pf) { Proc_DrawGroundMark(pf); }
void r_Proc_SpawnerQueue_(Fgr* pf) { Proc_SpawnerQueue(pf); }
void r_Proc_SpawnerRender_(Fgr* pf) { Proc_SpawnerRender(pf); }
