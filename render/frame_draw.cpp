// The queue pass and the draw pass of a frame.
#include "render/frame_draw.h"

#include <GL/gl.h>

#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "render/gl2d.h"
#include "render/scene.h"
#include "render/tex_names.h"

int Fgrs_QueueDrawAll(t_Fgrs* c) {
  while (RendView_SetNext(&RendScene)) {
    for (int i = 1; i < kFgrsSlots; i++) {
      Fgr* f = &c->mf[i];
      if (f->woDraw == 0 && Fgr_DrawVisible(f)) Fgr_QueueDraw(f);
    }
  }
  return 0;
}

void Fgr_QueueDraw(Fgr* f) {
  if (!RendView_IsCurrentCam(f->KamStudio)) return;
  int k = f->status;
  if (o2::FrustumE && k != fgrLaser && k != fgrLandHolder && k != fgrLandDecal &&
      !Frustum_BoxIn(RendScene.SceneFrustum, f->priv_position_x, f->priv_position_y, f->priv_position_z,
                     2 * f->haf))
    return;
  if (EditModeOn && !f->Active())
    BatchListBig_Add(&RendScene.big[ListHud2DAdd], 0, f, 12, 0, kTxEditMark, 0, 1);
  if (f->ProcNomDraw) ProcFgr(f->ProcNomDraw, f);
}

void Gl_AlphaTestOn(float ref, int noCull) {
  Gl_BlendMode(kBlendAlpha);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, ref);
  if (noCull) glDisable(GL_CULL_FACE);
}

void Gl_AlphaTestOff() {
  glEnable(GL_CULL_FACE);
  glDisable(GL_ALPHA_TEST);
}

void Gl_DepthWriteOff(int noCull) {
  Gl_BlendMode(kBlendAdd);
  glDepthMask(GL_FALSE);
  glEnable(GL_DEPTH_TEST);
  if (noCull) glDisable(GL_CULL_FACE);
}

void Gl_DepthWriteOn() {
  glEnable(GL_CULL_FACE);
  glDepthMask(GL_TRUE);
  glEnable(GL_DEPTH_TEST);
}

// A view's share of one list: only when it owns buckets of it and the list has entries.
template <class L>
static bool Owns(const RendView* v, const L& l) {
  return v->bucketCount[l.sceneIndex] && l.count;
}

// The view's run of buckets of the list.
static void DrawShare(const RendView* v, BatchList* l) {
  BatchList_Draw(l, v->firstBucket[l->sceneIndex], v->bucketCount[l->sceneIndex]);
}
static void DrawShare(const RendView* v, BatchListBig* l, int flat) {
  BatchListBig_Draw(l, v->firstBucket[l->sceneIndex], v->bucketCount[l->sceneIndex], flat);
}

void DrawScene(t_RendScene* s) {
  RendView* main = nullptr;
  BatchList* small = s->small;
  BatchListBig* big = s->big;
  for (RendView* v = RendView_Begin(s, nullptr); v; v = RendView_Begin(s, v)) {
    if (v->overlay && !v->decal) main = v;
    RendScene.RendView_Cur = v;
    if (Owns(v, small[ListSolid])) DrawShare(v, &small[ListSolid]);
    if (Owns(v, big[ListSolidBig])) DrawShare(v, &big[ListSolidBig], 0);
    if (Owns(v, small[ListCutout])) {
      Gl_AlphaTestOn(0.1f, 1);
      DrawShare(v, &small[ListCutout]);
      Gl_AlphaTestOff();
    }
    if (Owns(v, big[ListCutoutBig])) {
      Gl_AlphaTestOn(0.1f, 1);
      DrawShare(v, &big[ListCutoutBig], 0);
      Gl_AlphaTestOff();
    }
    if (Owns(v, small[ListGlow])) {
      Gl_DepthWriteOff(0);
      DrawShare(v, &small[ListGlow]);
      Gl_DepthWriteOn();
    }
    if (Owns(v, small[ListGlow2Sided])) {
      Gl_DepthWriteOff(1);
      DrawShare(v, &small[ListGlow2Sided]);
      Gl_DepthWriteOn();
    }
    if (Owns(v, big[ListGlowBig])) {
      Gl_DepthWriteOff(0);
      DrawShare(v, &big[ListGlowBig], 0);
      Gl_DepthWriteOn();
    }
    if (Owns(v, big[ListGlowBig2Sided])) {
      Gl_DepthWriteOff(1);
      DrawShare(v, &big[ListGlowBig2Sided], 0);
      Gl_DepthWriteOn();
    }
    Gl_PolygonOffsetOff();
  }
  if (!main) return;
  RendView_SetMatrices(main);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisable(GL_FOG);
  glDisable(GL_LIGHTING);
  glEnable(GL_CULL_FACE);
  Gl2D_Begin(main->viewport[0], main->viewport[2], main->viewport[1], main->viewport[3]);
  if (!main->toTex && Owns(main, big[ListHud2DAdd])) {
    Gl_BlendMode(kBlendAdd);
    DrawShare(main, &big[ListHud2DAdd], 1);
  }
  if (Owns(main, big[ListHud2D])) {
    Gl_BlendMode(kBlendAlpha);
    DrawShare(main, &big[ListHud2D], 1);
  }
  Gl2D_End();
}
