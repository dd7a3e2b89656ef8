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
      !Frustum_BoxIn(SceneFrustum, f->priv_position_x, f->priv_position_y, f->priv_position_z,
                     2 * f->haf))
    return;
  if (EditModeOn && !f->Active())
    BatchListBig_Add(&RendScene.ListHud2DAdd, 0, f, 12, 0, kTxEditMark, 0, 1);
  if (f->ProcNomDraw) ProcFgr(f->ProcNomDraw, f);
}

void Gl_AlphaTestOn(float ref, int noCull) {
  Gl_BlendMode(38);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, ref);
  if (noCull) glDisable(GL_CULL_FACE);
}

void Gl_AlphaTestOff() {
  glEnable(GL_CULL_FACE);
  glDisable(GL_ALPHA_TEST);
}

void Gl_DepthWriteOff(int noCull) {
  Gl_BlendMode(34);
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

void DrawScene(t_RendScene* s) {
  RendView* main = nullptr;
  for (RendView* v = RendView_Begin(s, nullptr); v; v = RendView_Begin(s, v)) {
    if (v->overlay && !v->decal) main = v;
    RendView_Cur = v;
    auto first = [v](int i) { return v->firstBucket[i]; };
    auto count = [v](int i) { return v->bucketCount[i]; };
    if (Owns(v, s->ListSolid)) BatchList_Draw(&s->ListSolid, first(0), count(0));
    if (Owns(v, s->ListSolidBig)) BatchListBig_Draw(&s->ListSolidBig, first(1), count(1), 0);
    if (Owns(v, s->ListCutout)) {
      Gl_AlphaTestOn(0.1f, 1);
      BatchList_Draw(&s->ListCutout, first(2), count(2));
      Gl_AlphaTestOff();
    }
    if (Owns(v, s->ListCutoutBig)) {
      Gl_AlphaTestOn(0.1f, 1);
      BatchListBig_Draw(&s->ListCutoutBig, first(3), count(3), 0);
      Gl_AlphaTestOff();
    }
    if (Owns(v, s->ListGlow)) {
      Gl_DepthWriteOff(0);
      BatchList_Draw(&s->ListGlow, first(5), count(5));
      Gl_DepthWriteOn();
    }
    if (Owns(v, s->ListGlow2Sided)) {
      Gl_DepthWriteOff(1);
      BatchList_Draw(&s->ListGlow2Sided, first(6), count(6));
      Gl_DepthWriteOn();
    }
    if (Owns(v, s->ListGlowBig)) {
      Gl_DepthWriteOff(0);
      BatchListBig_Draw(&s->ListGlowBig, first(7), count(7), 0);
      Gl_DepthWriteOn();
    }
    if (Owns(v, s->ListGlowBig2Sided)) {
      Gl_DepthWriteOff(1);
      BatchListBig_Draw(&s->ListGlowBig2Sided, first(8), count(8), 0);
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
  if (!main->toTex && Owns(main, s->ListHud2DAdd)) {
    Gl_BlendMode(34);
    BatchListBig_Draw(&s->ListHud2DAdd, main->firstBucket[4], main->bucketCount[4], 1);
  }
  if (Owns(main, s->ListHud2D)) {
    Gl_BlendMode(38);
    BatchListBig_Draw(&s->ListHud2D, main->firstBucket[9], main->bucketCount[9], 1);
  }
  Gl2D_End();
}
