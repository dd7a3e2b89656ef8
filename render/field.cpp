// Field rectangle and minimap: layout, transforms, the centre's clamp, edge scrolling, the minimap's
// draw; and the storage of the field-mouse words.
#include "render/field.h"

#include <GL/gl.h>

#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/gl2d.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/window_state.h"

t_FieldRect FieldRect;
t_MiniMapRect MiniMapRect;

t_FieldMouse FieldMouse;

int Mouse_OnField() { return !FieldMouse.MouseOnMiniMap && !FieldMouse.MouseTaken; }

// The layout's products are those of the single-precision factors carried in a wider register:
// an 800 x 600 window gives the minimap side 127 at y 462, the field 528 wide from x 136.
static int Cut(int size, float factor) { return (int)((double)size * (double)factor); }

void MiniMap_Layout() {
  const int W = Win.WinWidth, H = Win.WinHeight;
  FieldRect.x = Cut(W, 0.17f);
  FieldRect.y = 0;
  FieldRect.w = Cut(W, 0.66f);
  FieldRect.h = H;
  FieldRect.spanX = FieldRect.spanZ = 320;
  FieldRect.CamLookX = FieldRect.CamLookZ = 0;
  int side = Cut(W, 0.16f);
  MiniMapRect.x = Cut(W, 0.014f);
  MiniMapRect.w = MiniMapRect.h = side;
  MiniMapRect.y = (int)((double)(H - side) - (double)H * (double)0.018f);
}

void MiniMap_WorldToPix(float wx, float wz, float* px, float* py) {
  const t_MiniMapRect& m = MiniMapRect;
  *px = m.x + m.w * (wx / kWorldSize);
  *py = m.y + m.h - m.h * (wz / kWorldSize);
}

void MiniMap_PixToWorld(float px, float py, float* wx, float* wz) {
  const t_MiniMapRect& m = MiniMapRect;
  *wx = m.w ? kWorldSize * (px - m.x) / m.w : 0;
  *wz = m.h ? kWorldSize * (m.h - (py - m.y)) / m.h : 0;
}

void FieldRect_WorldToPix(float wx, float wz, float* px, float* py) {
  const t_FieldRect& f = FieldRect;
  *px = f.spanX ? f.x + f.w * (wx - f.CamLookX) / f.spanX : (float)f.x;
  *py = f.spanZ ? f.y + f.h - f.h * (wz - f.CamLookZ) / f.spanZ : (float)(f.y + f.h);
}

void FieldRect_PixToWorld(float px, float py, float* wx, float* wz) {
  const t_FieldRect& f = FieldRect;
  *wx = f.w ? f.spanX * (px - f.x) / f.w + f.CamLookX : f.CamLookX;
  *wz = f.h ? (f.h - (py - f.y)) / f.h * f.spanZ + f.CamLookZ : f.CamLookZ;
}

void FieldRect_PixRectToWorld(float px, float py, float pw, float ph, float* wx, float* wz, float* ww,
                              float* wh) {
  float x1, z1, x2, z2;
  FieldRect_PixToWorld(px, py, &x1, &z1);
  FieldRect_PixToWorld(px + pw, py + ph, &x2, &z2);
  *wx = x1;
  *wz = z1 < z2 ? z1 : z2;
  *ww = x2 - x1;
  *wh = z1 < z2 ? z2 - z1 : z1 - z2;
}

void FieldRect_ClampCentre() {
  float mx = FieldRect.spanX / 2 - 50, mz = FieldRect.spanZ / 2 - 50;
  if (FieldRect.CamLookX < mx) FieldRect.CamLookX = mx;
  if (FieldRect.CamLookX > kWorldSize - mx) FieldRect.CamLookX = kWorldSize - mx;
  if (FieldRect.CamLookZ < mz) FieldRect.CamLookZ = mz;
  if (FieldRect.CamLookZ > kWorldSize - mz) FieldRect.CamLookZ = kWorldSize - mz;
}

int FieldRect_EdgeScroll(int cx, int cy, float* stepX, float* stepZ) {
  *stepX = *stepZ = 0;
  if (FieldMouse.FieldDragState != kDragIdle) return 0;
  int code = 0;
  if (cx < 1) *stepX = -9, code |= 1;
  else if (cx > Win.WinWidth - 2) *stepX = 9, code |= 1;
  // The mouse's y counts up from the window's lower edge, whose last pixel row is y 1.
  if (cy <= 1) *stepZ = 9, code |= 2;
  else if (cy >= Win.WinHeight - 2) *stepZ = -9, code |= 2;
  if (!code) {
    FieldMouse.EdgeScrollRamp = 0;
    return 0;
  }
  // The factor climbs back to 1 each time the cursor reaches an edge: scrolling starts slowly.
  float step = KadrScale(0.0016f);
  float& r = FieldMouse.EdgeScrollRamp;
  if (r < 1) r = r + step > 1 ? 1 : r + step;
  else if (r > 1) r = r - step < 1 ? 1 : r - step;
  if (r >= 0.995f && r <= 1.005f) r = 1;
  *stepX *= r;
  *stepZ *= r;
  return code;
}

// Side colours of the editor's minimap, sides 1..5; the player's own lists in play.
static const uint32_t kSideArgb[5] = {0xFF888888, 0xFFFF1122, 0xFFFFFF55, 0xFF44FF22, 0xFF2288FF};
constexpr uint32_t kOwnArgb = 0xFF11AA88;
constexpr uint32_t kSeenArgb = 0xFFFF2255;

// A side's list of this frame: the first (seen enemies, words 1..) or the second (own, words 302..).
static void MarkList(const int* side, int second, uint32_t argb) {
  int n = side[second ? kSideOwnCount : kSideSeenCount];
  int base = second ? kSideOwnCount - 299 : 1;
  if (n > 299) n = 299;
  for (int i = 0; i < n; i++) {
    int nom = side[base + i];
    if (t_Fgrs::mOut(nom)) continue;
    const Fgr* f = &Fgrs.mf[nom];
    if (f->status && f->UnderGround == visUnderGround) MiniMap_DrawMark(f, argb);
  }
}

void MiniMap_Draw(int (*sides)[kSideWords], int allSides) {
  if (EditModeOn) allSides = 1;
  const t_MiniMapRect& m = MiniMapRect;
  glScissor(m.x, m.y, m.w, m.h);
  glEnable(GL_SCISSOR_TEST);
  Gl_BlendMode(kBlendOff);
  glColor4f(1, 1, 1, 1);
  Tex_Bind(&TexTable, visUnderGround == 1 ? kTxMapUnder : kTxMapSurface);
  Gl2D_TexRect((float)m.x, (float)m.y, (float)m.w, (float)m.h, 1, 0, 1);
  Gl_BlendMode(kBlendAlpha);
  glColor4f(1, 1, 1, 1);
  const LandFloor* fl = Land_Floor(visUnderGround);
  if (fl->overviewTex) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, fl->overviewTex);
  }
  Gl2D_TexRect((float)m.x, (float)m.y, (float)m.w, (float)m.h, 1, 1, 0);
  float x1, y1, x2, y2;
  MiniMap_WorldToPix(FieldRect.CamLookX - FieldRect.spanX / 2, FieldRect.CamLookZ - FieldRect.spanZ / 2,
                     &x1, &y1);
  MiniMap_WorldToPix(FieldRect.CamLookX + FieldRect.spanX / 2, FieldRect.CamLookZ + FieldRect.spanZ / 2,
                     &x2, &y2);
  Gl2D_OutlineRectLTRB(x1, y1, x2, y2, 0xFFFFFFFF);
  if (sides && !allSides && Side_IsPlayable(Sides.PlayerSide)) {
    MarkList(sides[Sides.PlayerSide - 1], 1, kOwnArgb);
    MarkList(sides[Sides.PlayerSide - 1], 0, kSeenArgb);
  } else if (sides && allSides) {
    for (int s = 1; s <= kSides; s++)
      MarkList(sides[s - 1], 1, s == Sides.PlayerSide ? 0xFFFFFFFF : kSideArgb[s - 1]);
  }
  glDisable(GL_SCISSOR_TEST);
}

void MiniMap_DrawMark(const Fgr* f, uint32_t argb) {
  if (!f) return;
  float r = f->haf, x = f->priv_position_x, z = f->priv_position_z;
  float x1, y1, x2, y2;
  MiniMap_WorldToPix(x - r, z - r, &x1, &y1);
  if (Bunker_PropsOfKind(f->status)) {
    Gl_BlendMode(kBlendAlpha);
    Gl_ColorArgb(argb);
    Tex_Bind(&TexTable, kTxSlotMark);
    Gl2D_TexRect(x1 - 3, y1 - 3, 8, 8, 1, 0, 1);
    return;
  }
  MiniMap_WorldToPix(x + r, z + r, &x2, &y2);
  Gl2D_OutlineRectLTRB(x1, y1, x2 + 1, y2 + 1, argb);
}
