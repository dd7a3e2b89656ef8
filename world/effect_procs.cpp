// Laser, sprite and decal procedures.
#include "world/effect_procs.h"

#include <cstdlib>

#include "figures/fa_proc_env.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "shell/frame_clock.h"
#include "world/combat.h"
#include "world/fgr_quad.h"

int LaserOutCount = 0;

namespace {

// The life timer of a laser: at its end the figure is reset.
bool LifeEnded(Fgr* f) {
  if (!TimerDown(&f->waitNow)) return false;
  f->Sbros();
  LaserOutCount += 1;
  return true;
}

// Outside the editor a figure of another side than the player's is not shown.
bool ForeignInPlay(const Fgr* f) {
  return !EditModeOn && Fgr::Owner(f) != 0 && !Fgr_IsOwnedBy(f, Sides.PlayerSide);
}

}  // namespace

void Proc_FadeTimer(Fgr* f) {
  if (!f) return;
  if (f->waitNow > f->waitFull) f->waitNow = f->waitFull;
  if (f->laser_first) {
    f->laser_first = 0;
    f->colorFull = f->fca;
  } else {
    f->fca = f->waitFull != 0 ? f->colorFull * (float)f->waitNow / (float)f->waitFull : 0.0f;
  }
  if (f->kmra_ScisH == 0) LifeEnded(f);
}

void Proc_SpriteTimer(Fgr* f) {
  if (!f) return;
  // A reset figure holds nothing worth queueing.
  if (f->kmra_ScisH && LifeEnded(f)) return;
  if (ForeignInPlay(f)) return;
  if (f->imiter) {
    BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 1, 0, f->Tex1, 0, 1);
    return;
  }
  BatchListBig_Add(&RendScene.big[ListGlowBig2Sided], 0, f, 1, 0, f->Tex1, 0, 1);
  if (f->Tex1 != 0 && f->Tex1 != kTxGlow)
    BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 2, 0, kTxGlowAtlas, 0, 1);
}

void Laser_DrawBeam(Fgr* f) {
  // Only the kinds the queue adds: the editor's mark of an inactive figure is no beam.
  if (!f || (f->OnR_inFgr != 1 && f->OnR_inFgr != 2)) return;
  float px, py, pz;
  Fgr::PosXYZ(&px, &py, &pz, f);
  if (f->imiter) {
    // The first two corners bend by kmra_Flat degrees; a corner angle left outside the table
    // after its one correction collapses onto the figure (any bend, however large, stays safe).
    const long long a = std::llabs((long long)f->kmra_Flat);
    long long k[4] = {225 - a, 315 + a, 45, 135};
    if (k[0] < 0) k[0] += 360;
    if (k[1] > 360) k[1] -= 360;
    for (int i = 0; i < 4; i++) {
      const bool inTable = k[i] >= 0 && k[i] <= 360;
      const float* d = RendScene.Dir361View[inTable ? k[i] : 0];
      const float s = inTable ? f->haf : 0.0f;
      FgrQuad.pos[3 * i] = px + d[0] * s;
      FgrQuad.pos[3 * i + 1] = py + d[1] * s;
      FgrQuad.pos[3 * i + 2] = pz + d[2] * s;
    }
    FgrQuad_FgrColour(f);
    FgrQuad_TexFull();
    FgrQuad_Add(1, 1);
    return;
  }
  const float lx = f->laserX, ly = f->laserY, lz = f->laserZ;
  if (f->OnR_inFgr == 2) {
    // The end glow: frame f of an 8-frame strip in the upper half of texture 65, by the alpha.
    const float u = (float)((int)((0.75f - f->fca) * 10 + 1) - 1) * 0.125f;
    FgrQuad_TexRange(u, u + 0.125f, 0, 0.5f);
    FgrQuad_Colour(0.7f, 0.6f, 0.5f, f->fca);
    FgrQuad_Facing(lx, ly, lz, 18);
    FgrQuad_Add(1, 1);
    return;
  }
  const float w = f->haf;
  FgrQuad_FgrColour(f);
  FgrQuad_TexFull();
  float* q = FgrQuad.pos;
  if (std::abs(pz - lz) <= std::abs(px - lx)) {
    const float c[12] = {px, py, pz - w, px, py, pz + w, lx, ly, lz + w, lx, ly, lz - w};
    std::copy(c, c + 12, q);
  } else {
    const float c[12] = {px - w, py, pz, px + w, py, pz, lx + w, ly, lz, lx - w, ly, lz};
    std::copy(c, c + 12, q);
  }
  FgrQuad_Add(1, 1);
  const float c[12] = {px, py + w, pz, px, py - w, pz, lx, ly - w, lz, lx, ly + w, lz};
  std::copy(c, c + 12, q);
  FgrQuad_Add(1, 1);
}

void Proc_DrawOwnSprite(Fgr* f) {
  if (!f) return;
  if (!EditModeOn && (f->Tex1 == 0 || (Fgr::Owner(f) != 0 && Fgr::Owner(f) != Sides.PlayerSide))) return;
  BatchListBig_Add(&RendScene.big[ListGlowBig], 0, f, 2, 0, 0, 0, 1);
}

void Proc_SpinRot(Fgr* f) {
  if (f) Fgr_SpinRot(f, KadrScale(0.05f));
}

void Proc_DrawTex1(Fgr* f) {
  if (f) BatchList_Add(&RendScene.small[ListCutout], 1, f, 1, 0, f->Tex1, 0, 0);
}

void Proc_DrawTex1C(Fgr* f) {
  if (f) BatchListBig_Add(&RendScene.big[ListCutoutBig], 0, f, 1, 0, f->Tex1, 0, 1);
}

void Proc_DrawTex1B(Fgr* f) { Proc_DrawTex1C(f); }

void r_Proc_FadeTimer_(Fgr* pf) { Proc_FadeTimer(pf); }
void r_Proc_SpriteTimer_(Fgr* pf) { Proc_SpriteTimer(pf); }
void r_Laser_DrawBeam_(Fgr* pf) { Laser_DrawBeam(pf); }
void r_Proc_DrawOwnSprite_(Fgr* pf) { Proc_DrawOwnSprite(pf); }
void r_Proc_SpinRot_(Fgr* pf) { Proc_SpinRot(pf); }
void r_Proc_DrawTex1_(Fgr* pf) { Proc_DrawTex1(pf); }
void r_Proc_DrawTex1C_(Fgr* pf) { Proc_DrawTex1C(pf); }
void r_Proc_DrawTex1B_(Fgr* pf) { Proc_DrawTex1B(pf); }
