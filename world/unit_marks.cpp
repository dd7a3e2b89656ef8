// Unit marks, rings and hit bars.
#include "world/unit_marks.h"

#include <GL/gl.h>

#include <cmath>

#include "catalogue/new_world.h"
#include "figures/fa_proc_env.h"
#include "figures/mode_words.h"
#include "figures/records.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "render/vert_arr.h"
#include "shell/frame_clock.h"
#include "world/combat.h"
#include "world/fgr_quad.h"
#include "world/selection.h"

int AnimFrameOf(const int* frames, int kan, int last) {
  if (kan < 0 || kan > 2) return 0;
  int v = frames[kan];
  return v < 0 || v > last ? 0 : v;
}
int AnimFlagFrame(int kan) { return AnimFrameOf(FrameWalks.FrameWalk1.r.frame, kan, 7); }
int AnimBonusFrame(int kan) { return AnimFrameOf(FrameWalks.FrameWalk2.r.frame, kan, 5); }
float BlinkAlpha() { return Gl2D.Anim3[0].value; }

void Unit_QueueSelFrame(Fgr* f) { BatchListBig_Add(&RendScene.big[ListHud2DAdd], 0, f, 3, 0, -1, 0, 1); }
void Unit_QueueHoverFrame(Fgr* f) { BatchListBig_Add(&RendScene.big[ListHud2D], 0, f, 4, 0, 0, 0, 1); }

static const t_item* SkilItem(const Fgr* f) {
  const Fgr* s = f ? f->P2_Sub_UseSkil : nullptr;
  return s && s->imiter && s->item ? s->item : nullptr;
}
int Fgr_SkilHasFKu(const Fgr* f) {
  const t_item* it = SkilItem(f);
  return it && (int)it->fku.count > 0 ? 1 : 0;
}
int Fgr_SkilHasSta(const Fgr* f) {
  const t_item* it = SkilItem(f);
  return it && (int)it->sta.count > 0 ? 1 : 0;
}

void Unit_QueueRings(Fgr* f) {
  if (!f) return;
  const bool hovered = WorldMouse.HoverFgr == f;
  const bool onlySelected =
      !WorldMouse.HoverFgr && f->isSelected > 0 && SelList.count == 1 && SelList.e[1] && !f->pParent;
  if (!hovered && !onlySelected) return;
  if (Fgr::RadiusVis(f) > 1)
    BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 7, 0, kTxGlowAtlas, 0, 1);
  if (f->P2_Sub_UseGun) BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 8, 0, kTxGlowAtlas, 0, 1);
  if (f->trueCaptain && Fgr_SkilHasFKu(f))
    BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 9, 0, kTxGlowAtlas, 0, 1);
}

void Proc_MarkSelected(Fgr* f) {
  if (!f) return;
  Fgr_UpdSelMark(f);
  if (!EditModeOn && !Fgr_IsOwnedBy(f, Sides.PlayerSide) && !f->KlientVidit && f->status != fgrSpawner)
    return;
  if (f->isSelected > 0) Unit_QueueSelFrame(f);
  if (f == WorldMouse.HoverFgr) Unit_QueueHoverFrame(f);
  if (f->isSelected > 0 || f == WorldMouse.HoverFgr)
    BatchListBig_Add(&RendScene.big[ListHud2D], 0, f, 10, 0, 0, 0, 1);
  Unit_QueueRings(f);
  if (f->tactic) {
    BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 6, 0,
                     kTxBadge0 + AnimBonusFrame(f->AnimBonusKan), 0, 1);
  }
  BatchList_Add(&RendScene.small[ListCutout], 0, f, 1, 0, 0, 0, 0);
  BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 2, 0, f->Tex1, 0, 1);
  if (f->isMort == 0) {
    BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 5, 0, kTxFlag0 + AnimFlagFrame(f->AnimFlagKan),
                     0, 1);
  }
  if (!o2::GamePause) Fgr_SpinRot(f, KadrScale(0.01f));
}

void Fgr_DrawInd(Fgr* f, float x, float y, float z) {
  // Indices come from stage files: only whole triangles of vertices the mesh holds reach GL.
  const int n = f->IndKlv < 0 ? 0 : (f->IndKlv > 12 ? 12 : f->IndKlv) / 3 * 3;
  if (n < 3) return;
  for (int i = 0; i < n; i++)
    if (f->Ind[i] >= (unsigned)RendScene.vertCount) return;
  glPushMatrix();
  glTranslatef(x, y, z);
  Gl_DrawTris(&RendScene, n, f->Ind, nullptr, nullptr, nullptr, nullptr);
  glPopMatrix();
}

namespace {

// A window-pixel square of half side h around the projection of (x, y, z); false when it does
// not project (behind the camera).
bool PixelSquare(float x, float y, float z, float h) {
  int sx = -1, sy = -1;
  if (!Proj_ToScreen(x, y, z, &sx, &sy, &RendScene.PickView)) return false;
  FgrQuad_Pixels((float)sx - h, (float)sy - h, (float)sx + h, (float)sy + h);
  return true;
}

void Rect(float x0, float y0, float x1, float y1, float r, float g, float b, float a) {
  FgrQuad_Pixels(x0, y0, x1, y1);
  FgrQuad_Colour(r, g, b, a);
  FgrQuad_Add(1, 0);
}

// One hit bar: the black bar at sy + y0, the half-alpha bar and the fill above it.
void Bar(int sx, int sy, int y0, int now, int max, const float* fill) {
  if (max == 0) return;
  const float w = (float)now / (float)max * 32.0f;
  const float left = std::round((float)sx - 32.0f);
  Rect(left, (float)(sy + y0), left + 32, (float)(sy + y0 + 2), 0, 0, 0, 1.0f);
  Rect(left, (float)(sy + y0 + 2), left + 32, (float)(sy + y0 + 4), 0, 0, 0, 0.5f);
  const float x0 = std::round((float)sx - w);
  const int span = 2 * ((int)std::lround(w) / 2);
  Rect(x0, (float)(sy + y0 + 2), x0 + (float)span, (float)(sy + y0 + 4), fill[0], fill[1], fill[2],
       1.0f);
}

}  // namespace

void Unit_BarValues(const Fgr* f, int* a, int* amax, int* b, int* bmax) {
  if (!f || !f->UN || !f->UN->isUse) return;
  const BoeCounters* c = &f->UN->cnt;
  if (f->useNormHP) {
    *b = BoeCnt_Get(c, 1), *bmax = BoeCnt_Get(c, 2);
  } else if (f->useCaptHP) {
    *b = BoeCnt_Get(c, 3), *bmax = BoeCnt_Get(c, 4);
  }
  if (f->useTehnHP) {
    *a = BoeCnt_Get(c, 5), *amax = BoeCnt_Get(c, 6);
  } else {
    *a = BoeCnt_Get(c, 15), *amax = BoeCnt_Get(c, 16);
  }
}

void Unit_DrawHudBars(Fgr* f, int sx, int sy) {
  if (!f) return;
  if (f->trueCaptain) {
    if (Fgr_SkilHasFKu(f))
      Rect(sx - 8.0f, sy + 4.0f, sx + 8.0f, sy + 20.0f, 1.0f, 0.1f, 0.2f, BlinkAlpha());
    if (Fgr_SkilHasSta(f))
      Rect(sx - 20.0f, sy - 8.0f, sx - 4.0f, sy + 8.0f, 1.0f, 1.0f, 0.0f, BlinkAlpha());
  }
  int a = 0, amax = 0, b = 0, bmax = 0;
  Unit_BarValues(f, &a, &amax, &b, &bmax);
  static const float kOwn[2][3] = {{0.9f, 0.3f, 0.1f}, {1.0f, 0.1f, 0.6f}};
  static const float kOther[2][3] = {{0.5f, 0.5f, 1.0f}, {0.1f, 0.4f, 1.0f}};
  const auto& fill = Fgr_IsOwnedBy(f, Sides.PlayerSide) ? kOwn : kOther;
  Bar(sx, sy, 0, a, amax, fill[0]);
  Bar(sx, sy, 6, b, bmax, fill[1]);
}

void Proc_DrawUnitOverlay(Fgr* f) {
  if (!f) return;
  float x, z;
  Fgr::PosXZ(f, &x, &z);
  const bool own = Fgr_IsOwnedBy(f, Sides.PlayerSide);
  switch (f->OnR_inFgr) {
    case 1: Fgr_DrawInd(f, x, 0.5f, z); break;
    case 2: {
      if (f->haf < 1.0f) f->haf = 1.0f;
      const float d = f->GabarIsFat ? 5.0f : 0.0f;
      FgrQuad_Facing(x + d, 11, z + d, f->haf);
      FgrQuad_Colour(f->fcr, f->fcg, f->fcb, 1.0f);
      if (own) FgrQuad_TexFull();
      else FgrQuad_TexRange(1, 0, 0, 1);
      FgrQuad_Add(1, 1);
      break;
    }
    case 3:
      if (!PixelSquare(x, 8, z, 15)) break;
      if (own) FgrQuad_Colour(1.0f, 0.5f, 0.0f, 0.8f);
      else FgrQuad_Colour(0.0f, 0.6f, 0.7f, 0.8f);
      FgrQuad_Add(1, 0);
      break;
    case 4:
      if (!PixelSquare(x, 12, z, 12)) break;
      if (own) FgrQuad_Colour(0.8f, 0.1f, 0.3f, 0.7f);
      else FgrQuad_Colour(0.3f, 0.1f, 0.8f, 0.7f);
      FgrQuad_Add(1, 0);
      break;
    case 5:
      FgrQuad_Facing(x, 20, z, 4.0f);
      if (Fgr::Owner(f) == 1) FgrQuad_Colour(0.8f, 0.8f, 0.8f, 1.0f);
      else if (own) FgrQuad_Colour(0.8f, 0.1f, 0.3f, 1.0f);
      else FgrQuad_Colour(0.3f, 0.1f, 0.8f, 1.0f);
      FgrQuad_TexFull();
      FgrQuad_Add(1, 1);
      break;
    case 6: {
      const float g = own ? 0.7f : 0.5f;
      FgrQuad_Facing(x + 1, 17, z + 1, 3.0f);
      FgrQuad_Colour(g, g, g, 1.0f);
      FgrQuad_TexFull();
      FgrQuad_Add(1, 1);
      break;
    }
    case 7:
      FgrQuad_TexRange(0.25f, 0.375f, 0, 0.5f);
      FgrQuad_Colour(0.6f, 0.7f, 0.9f, 0.4f);
      FgrQuad_Ring(x, 5, z, (float)Fgr::RadiusVis(f), 60, 6, f->test_rot1, 2.0f);
      break;
    case 8:
      if (!f->P2_Sub_UseGun) break;
      FgrQuad_TexRange(0.125f, 0.25f, 0.5f, 1.0f);
      FgrQuad_Colour(1.0f, 0.7f, 0.5f, 0.5f);
      FgrQuad_Ring(x, 3, z, (float)Fgr::RadiusVis(f->P2_Sub_UseGun), 36, 10, 0, 3.0f);
      break;
    case 9: {
      if (!f->P2_Sub_UseSkil) break;
      float r = (float)Fgr::RadiusVis(f->P2_Sub_UseSkil);
      // The ring grows with the turning angle until it reaches the skill's radius.
      if (f->test_rot1 > 15 && f->test_rot1 < r) r = std::round(f->test_rot1);
      FgrQuad_TexRange(0.25f, 0.375f, 0.5f, 1.0f);
      FgrQuad_Colour(0.6f, 0.7f, 0.6f, BlinkAlpha());
      FgrQuad_Ring(x, 4, z, r, 20, 18, 0, 2.0f);
      break;
    }
    case 10: {
      int sx = -1, sy = -1;
      if (Proj_ToScreen(x, 0, z, &sx, &sy, &RendScene.PickView)) Unit_DrawHudBars(f, sx, sy);
      break;
    }
    case 12:
      if (!PixelSquare(x, 15, z, 18)) break;
      FgrQuad_Colour(1, 0, 0, 1);
      FgrQuad_TexFull();
      FgrQuad_Add(1, 1);
      break;
    default: break;
  }
}

void r_Proc_MarkSelected_(Fgr* pf) { Proc_MarkSelected(pf); }
void r_Proc_DrawUnitOverlay_(Fgr* pf) { Proc_DrawUnitOverlay(pf); }
