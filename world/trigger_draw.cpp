// Trigger, flag and billboard drawing.
#include "world/trigger_draw.h"

#include <cmath>

#include "figures/fa_proc_env.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "shell/frame_clock.h"
#include "world/combat.h"
#include "world/fgr_quad.h"
#include "world/unit_marks.h"

float TrigSweepAngle = 5.0f;

void FgrPosAtHeight(float* out, const Fgr* f, float h) {
  out[0] = f->priv_position_x;
  out[1] = h;
  out[2] = f->priv_position_z;
}

namespace {

// The part of a bar that is filled: now / full of its length (none for a full of 0).
float Share(int now, int full, float length) {
  return full != 0 ? (float)now / (float)full * length : 0.0f;
}

// The back bar and the front bar over it from P(5) along D(k), half width 1.5.
void Bars(const Fgr* f, int k, float front, const float* frontColours) {
  float p[3];
  FgrPosAtHeight(p, f, 5);
  FgrQuad_Bar(p[0], p[1], p[2], k, 30, 1.5f);
  FgrQuad_BarBack();
  FgrQuad_Add(1, 0);
  FgrQuad_Bar(p[0], p[1], p[2], k, front, 1.5f);
  if (frontColours) std::copy(frontColours, frontColours + 16, FgrQuad.col);
  else FgrQuad_BarFront();
  FgrQuad_Add(1, 0);
}

}  // namespace

void Proc_TrigerRender(Fgr* f) {
  if (!f || f->OnR_inFgr != 2) return;
  if (EditModeOn) {
    float x, y, z;
    Fgr::PosXYZ(&x, &y, &z, f);
    FgrQuad_Facing(x, y, z, 3);
    FgrQuad_Colour(1, 1, 1, 1);
    FgrQuad_TexFull();
    FgrQuad_Add(1, 1);
    return;
  }
  const float s = KadrScale(0.01f);
  if (s <= 80) {
    float t = TrigSweepAngle + s;
    if (t > 80) t -= 80;
    else if (t < 0) t += 80;
    TrigSweepAngle = t;
  }
  int a = (int)std::lround(TrigSweepAngle);
  if (a < 0) a += 360;
  else if (a > 360) a -= 360;
  Bars(f, a, Share(f->waitNow, f->waitFull, 30), nullptr);
}

void Proc_FlagQueue(Fgr* f) {
  if (!f) return;
  if (f->xExpNow == 0 || f->xExpNow == 2) {
    BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 1, 0, 0, 0, 1);
  } else if (f->xExpNow == 1) {
    BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 1, 0, kTxFlag0 + AnimFlagFrame(f->AnimFlagKan),
                     0, 1);
  }
}

void Proc_FlagRender(Fgr* f) {
  if (!f || f->OnR_inFgr != 1) return;
  if (f->xExpNow == 0) {
    // The wait bar shows the time gone, in blue at its far end.
    static const float kBlue[16] = {0.9f, 0.3f, 0.2f, 0.8f, 0.7f, 0.1f, 0.3f, 0.8f,
                                    0.0f, 0.3f, 0.9f, 0.8f, 0.0f, 0.1f, 0.9f, 0.8f};
    Bars(f, 70, 30 - Share(f->waitNow, f->waitFull, 30), kBlue);
  } else if (f->xExpNow == 1) {
    float p[3];
    FgrPosAtHeight(p, f, 20);
    FgrQuad_Facing(p[0], p[1], p[2], 7);
    FgrQuad_TexFull();
    if (Fgr_IsOwnedBy(f, Sides.PlayerSide)) FgrQuad_Colour(0.8f, 0.1f, 0.3f, 1.0f);
    else FgrQuad_Colour(0.3f, 0.1f, 0.8f, 1.0f);
    FgrQuad_Add(1, 1);
  } else if (f->xExpNow == 2) {
    Bars(f, 110, Share(f->dXKlv, f->dXKlvMax, 30), nullptr);
  }
}

void Proc_DrawBillboard2(Fgr* f) {
  if (!f || f->OnR_inFgr != 1) return;
  float p[3];
  FgrPosAtHeight(p, f, 5);
  FgrQuad_Dirs(p[0], p[1], p[2], 5, 245, 335, 65, 155);
  FgrQuad_FgrColour(f);
  FgrQuad_TexFull();
  FgrQuad_Add(1, 1);
}

void Proc_DrawBillboard(Fgr* f) {
  if (!f || f->OnR_inFgr != 1) return;
  float p[3];
  FgrPosAtHeight(p, f, f->haf);
  FgrQuad_Facing(p[0], p[1], p[2], f->haf);
  FgrQuad_FgrColour(f);
  FgrQuad_TexFull();
  FgrQuad_Add(1, 1);
}

void r_Proc_TrigerRender_(Fgr* pf) { Proc_TrigerRender(pf); }
void r_Proc_FlagQueue_(Fgr* pf) { Proc_FlagQueue(pf); }
void r_Proc_FlagRender_(Fgr* pf) { Proc_FlagRender(pf); }
void r_Proc_DrawBillboard2_(Fgr* pf) { Proc_DrawBillboard2(pf); }
void r_Proc_DrawBillboard_(Fgr* pf) { Proc_DrawBillboard(pf); }
