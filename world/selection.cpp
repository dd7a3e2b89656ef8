// The player's selection, picking with OpenGL's selection mode, the per-frame marks and side lists,
// and the small predicates around them.
#include "world/selection.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/field.h"
#include "render/rend_view.h"
#include "render/scene.h"
#include "shell/frame_clock.h"
#include "shell/geometry.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/ranks.h"

t_SelList SelList = {{}, 0, {}, kSelTidyMs, {}, {}};
t_WorldMouse WorldMouse;

// --- the list

int SelList_Contains(const Fgr* f) {
  if (!f) return 0;
  int n = std::min(SelList.count, kSelListMax);
  for (int i = 1; i <= n; i++)
    if (SelList.e[i] == f) return 1;
  return 0;
}

// A list emptied or set anew (here) and a figure added (SelList_Add) close the waypoint window of
// ground orders: a second order inside it only sets waypoints, which figures selected after the
// first order (by a field click, a drag, a captain's icon, a side switch, a load) would keep
// without ever walking to them.
static void ListClear(t_SelList* s) {
  std::fill(std::begin(s->e), std::end(s->e), nullptr);
  s->count = 0;
  OrderWait_Close();
}

void SelList_Clear() { ListClear(&SelList); }

void SelList_ForgetFigures() {
  ListClear(&SelList);
  std::fill(std::begin(SelList.PanelBtnFgrs), std::end(SelList.PanelBtnFgrs), nullptr);
  WorldMouse.HoverFgr = nullptr;
  WorldMouse.PointOrderFgr = nullptr;
  WorldMouse.PointOrderSig = 0;
  Slot3_Clear();
}

void SelList_SetOne(t_SelList* s, Fgr* f, int useParent) {
  if (!s || !f) return;
  if (useParent && f->pParent) f = f->pParent;
  if (ModeWords.ProgMode != kModeEditor && !f->Active()) return;
  ListClear(s);
  s->e[1] = f;
  s->count = 1;
  WorldMouse.PointOrderFgr = nullptr;
  WorldMouse.PointOrderSig = 0;
}

int SelList_Add(t_SelList* s, Fgr* f, int useParent) {
  if (!s || !f || s->count > kSelListMax - 1) return 0;
  if (useParent && f->pParent) {
    f = f->pParent;
    for (int i = 1; i <= s->count; i++)
      if (s->e[i] == f) return 0;
  }
  if (ModeWords.ProgMode != kModeEditor && !f->Active()) return 0;
  s->count += 1;
  s->e[s->count] = f;
  OrderWait_Close();
  return 1;
}

int SelectFgrsInRect(t_SelList* s, float x, float y, float w, float h, int single) {
  if (!s) return 0;
  ListClear(s);
  int cx = (int)(x + w / 2), cy = (int)(y + h / 2), iw = (int)w, ih = (int)h;
  if (single) {
    Fgr* f = PickFgrAt(!EditModeOn, cx, cy, &RendScene.PickView, iw, ih);
    if (!f || (Fgr::IsUnit(f) && f->isMort)) return 0;
    SelList_SetOne(s, f, 1);
    return 1;
  }
  int hits = PickFgrAllInRect(1, cx, cy, &RendScene.PickView, iw, ih);
  Fgr* loner = nullptr;  // a figure that refuses mass selection, taken while it is alone
  int taken = 0;
  for (int i = 0; i < hits; i++) {
    Fgr* f = SelList.PickHits[i];
    if (!f || (Fgr::IsUnit(f) && f->isMort) || f->baner != Sides.PlayerSide) continue;
    if (f->nonMassSelect && taken > 0) continue;
    taken++;
    if (loner) {
      SelList_SetOne(s, f, 1);
      loner = nullptr;
      continue;
    }
    if (f->nonMassSelect) loner = f;
    SelList_Add(s, f, 1);
  }
  return s->count;
}

void SelList_Tidy(t_SelList* s) {
  if (!s || EditModeOn) return;
  if (TimerDown(&s->tidyWait)) {
    s->tidyWait = kSelTidyMs;
    if (s->count != 1) {
      for (int i = 1; i <= s->count; i++) {
        int owner = Fgr::Owner(s->e[i]);
        if (owner != 0 && owner != Sides.PlayerSide) {
          ListClear(s);
          break;
        }
      }
    }
    Fgr* first = s->e[1];
    if (first && (!first->Active() || first->isMort)) {
      if (s->count <= 1) {
        ListClear(s);
      } else {
        s->e[1] = s->e[s->count];
        s->e[s->count] = nullptr;
        s->count -= 1;
      }
    }
  }
  std::fill(std::begin(s->PanelBtnFgrs), std::end(s->PanelBtnFgrs), nullptr);
  if (s->count == 1 && s->e[1]) {
    int n = 0, steps = 0;
    for (Fgr* k = s->e[1]->P2_Sub_Kno; k && n < kSelKnoMax && steps < kChainWalkMax;
         k = k->pTail, steps++)
      s->PanelBtnFgrs[++n] = k;
  }
}

void SelPending_Clear(Fgr* f) {
  if (!f || EditModeOn) return;
  if (Fgr::Owner(f) != Sides.PlayerSide && !f->KlientVidit && f->isSelected >= 1) SelList_Clear();
}

// --- picking

// The box of every pickable figure, drawn under its slot number: half sizes 4, 5, 4 around a point
// one unit above the figure, each face counter-clockwise seen from outside (faces are culled). The
// boxes go from an array, not vertex by vertex: Mesa's software driver keeps half a megabyte of
// its vertex store each time that store fills between glBegin and glEnd in selection mode, which
// the hover pick, three times a second, did about every half minute.
void DrawFgrsForPick(t_Fgrs* c, int unitsOnly) {
  if (!c) return;
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  static const int kFace[6][4] = {{0, 4, 6, 2}, {1, 3, 7, 5}, {0, 1, 5, 4},
                                  {2, 6, 7, 3}, {0, 2, 3, 1}, {4, 5, 7, 6}};
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &c->mf[i];
    // An empty slot is no figure, whatever position its record was left with.
    if (!f->Status() || (unitsOnly && !Fgr::IsUnit(f))) continue;
    if (!Fgr::OnVisFloor(f) && !Fgr::IsOnVisUnderGround(f)) continue;
    float x, y, z;
    Fgr::PosXYZ(&x, &y, &z, f);
    y += 1.0f;
    glLoadName((GLuint)i);
    float box[24 * 3];
    int n = 0;
    for (const auto& face : kFace)
      for (int v : face) {
        box[n++] = x + ((v & 1) ? 4.0f : -4.0f);
        box[n++] = y + ((v & 2) ? 5.0f : -5.0f);
        box[n++] = z + ((v & 4) ? 4.0f : -4.0f);
      }
    glVertexPointer(3, GL_FLOAT, 0, box);
    glDrawArrays(GL_QUADS, 0, 24);
  }
  glPopClientAttrib();
}

void PickNames_Draw(int unitsOnly) {
  glInitNames();
  glPushName(0);
  DrawFgrsForPick(&Fgrs, unitsOnly);
}

constexpr int kPickBufWords = 7000;

// The hit records of the pick that ran last, as the GL selection mode leaves them.
struct PickState {
  GLuint buf[kPickBufWords];
};
static PickState Pick;

// Draws the pick scene in selection mode through the view's matrices with a pick box around
// (cx, cy); answers the hit count (records that fit when the buffer overflowed) and the buffer.
static int PickRun(int unitsOnly, int cx, int cy, const RendView* cam, int w, int h, GLuint* buf) {
  if (!cam) return 0;
  GLint vp[4] = {cam->viewport[0], cam->viewport[1], cam->viewport[2], cam->viewport[3]};
  w = std::max(std::min(w, (int)vp[2]), 3);
  h = std::max(std::min(h, (int)vp[3]), 3);
  std::memset(buf, 0, sizeof(GLuint) * kPickBufWords);
  glSelectBuffer(kPickBufWords, buf);
  glRenderMode(GL_SELECT);
  glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
  glEnable(GL_DEPTH_TEST);
  glDepthMask(GL_TRUE);
  glDisable(GL_FOG);
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glFrontFace(GL_CCW);
  // The view's own projection and camera as its last application left them, behind the pick box.
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(cx, cy, w, h, vp);
  glMultMatrixd(cam->projection);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadMatrixd(cam->modelview);
  PickNames_Draw(unitsOnly);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
  int hits = glRenderMode(GL_RENDER);
  if (hits < 0) hits = kPickBufWords;  // overflowed: read the whole records that fit
  return hits;
}

// Walks the hit records: each names one figure by its slot number. Calls take(figure, zmin) per
// whole record; stops at the end of the buffer or an empty record.
template <class Take>
static void PickWalk(const GLuint* buf, int hits, Take take) {
  int p = 0;
  for (int i = 0; i < hits; i++) {
    if (p + 3 > kPickBufWords) break;
    GLuint n = buf[p];
    if (n == 0 || p + 3 + (int)n > kPickBufWords) break;
    GLuint name = buf[p + 3 + n - 1];
    Fgr* f = t_Fgrs::mOut((int)name) ? nullptr : &Fgrs.mf[name];
    take(f, buf[p + 1]);
    p += 3 + (int)n;
  }
}

Fgr* PickFgrAt(int unitsOnly, int cx, int cy, const RendView* cam, int w, int h) {
  GLuint* buf = Pick.buf;
  int hits = PickRun(unitsOnly, cx, cy, cam, w, h, buf);
  Fgr* best = nullptr;
  GLuint bestZ = 0;
  PickWalk(buf, hits, [&](Fgr* f, GLuint zmin) {
    if (f && (!best || zmin < bestZ)) best = f, bestZ = zmin;
  });
  return best;
}

int PickFgrAllInRect(int unitsOnly, int cx, int cy, const RendView* cam, int w, int h) {
  GLuint* buf = Pick.buf;
  int hits = PickRun(unitsOnly, cx, cy, cam, w, h, buf);
  int n = 0;
  PickWalk(buf, hits, [&](Fgr* f, GLuint) {
    if (n < kPickHitsMax) SelList.PickHits[n++] = f;
  });
  return n;
}

Fgr* PickFgrAtCursor(t_Fgrs* c, float x, float y, float w, float h, int ownOnly) {
  if (!c) return nullptr;
  Fgr* f =
      PickFgrAt(!EditModeOn, (int)(x + w / 2), (int)(y + h / 2), &RendScene.PickView, (int)w, (int)h);
  if (!f || EditModeOn) return f;
  if (f->isMort) return nullptr;
  if (ownOnly && Fgr::Owner(f) != Sides.PlayerSide && !f->KlientVidit) return nullptr;
  return f;
}

// --- marks and side lists

void Fgr_UpdSelMark(Fgr* f) {
  if (!f || Fgr::IsSquadHolder(f) || f->isSelected < 0) return;
  if (Fgr::IsSquadHolder(f->pParent)) f->isSelected = f->pParent->isSelected == 1 ? 2 : 0;
  else f->isSelected = SelList_Contains(f);
}

void Fgr_IsSelectedUpd(Fgr* f) {
  if (!f) return;
  if (Fgr::IsSquadHolder(f)) f->isSelected = SelList_Contains(f);
  if (f->UN->isUse) Fgr_OfferToSides(f);
}

void Fgr_OfferToSides(Fgr* f) {
  int owner = Fgr::Owner(f);
  if (!Side_Rec(owner) || !Side_IsPlayable(Sides.PlayerSide)) return;
  for (int s = 0; s < kSides; s++) {
    int* side = Sides.SideTab[s];
    int id = side[kSideId];
    if (id <= 0) continue;
    if (side[kSideOwnCount] < kSideListMax && owner == id) {
      if (id == Sides.PlayerSide && f->Status() == fgrUnitHero) {
        for (int b = 1; b <= 4; b++) {
          if (!SelList.FoundBoss[b]) {
            SelList.FoundBoss[b] = f->nom;
            break;
          }
        }
        if (side[kSideLevel] <= 99) {
          if (Fgr* skil = Fgr_FindSkil(f, 3)) {
            int r = skil->SkilRangBase;
            int level = r >= 4 ? 100 : r == 3 ? 75 : r == 2 ? 50 : r == 1 ? 25 : 0;
            if (level > side[kSideLevel]) side[kSideLevel] = level;
          }
        }
      }
      side[kSideOwnCount] += 1;
      side[kSideOwnList + side[kSideOwnCount]] = f->nom;
    }
    if (side[kSideSeenCount] < kSideListMax && owner != id && id <= kSides && f->VidSide[id] > 0) {
      side[kSideSeenCount] += 1;
      side[kSideSeenList + side[kSideSeenCount]] = f->nom;
    }
  }
}

// --- predicates and accessors

int Fgr_MayCommand(const Fgr* f, int n) {
  if (!f || SelList.count != 1 || SelList.e[1] != f || n < 1 || n > kSelKnoMax) return 0;
  return Fgr::Active(SelList.PanelBtnFgrs[n]);
}

int Fgr_NotMine(const Fgr* f) {
  if (!f || (Fgr::IsSquadHolder(f) && !f->P2_Sub_Unit)) return 1;
  return Fgr::Owner(f) != Sides.PlayerSide;
}

Fgr* Fgr_KnoByIndex(Fgr* f, int n) {
  if (!f || n < 1 || n > kSelKnoMax) return nullptr;
  return Fgr_Sub_NthAfter(f->P2_Sub_Kno, n, nullptr);
}

static Fgr* FindMark(Fgr* head, int v) {
  int steps = 0;
  for (Fgr* m = head; m && steps < kChainWalkMax; m = m->pTail, steps++)
    if (Fgr::IsStatus17(m) && m->MagikVers == v) return m;
  return nullptr;
}

Fgr* Fgr_FindMetGdMark(Fgr* f, int v) { return f ? FindMark(f->P2_Sub_MetGd, v) : nullptr; }
Fgr* Fgr_FindMetBdMark(Fgr* f, int v) { return f ? FindMark(f->P2_Sub_MetBd, v) : nullptr; }

int Fgr_Int5Get(int i, const Fgr* f) { return f && Side_Rec(i) && f->VidSide[i] > 0; }

int Fgr_IsBunkerHostOf(int side, const Fgr* f) {
  const int* rec = Side_Rec(side);
  if (!f || !rec || f->bunkerHost <= 0) return 0;
  int kind = rec[kSideBunker];
  return kind != 0 && f->bunkerHost == kind;
}

int Fgr_BanerIs(const Fgr* f, int side) { return f && f->baner == side; }

int Fgr_RectOverlap(const Fgr* f, float x, float y, float w, float h) {
  if (!f) return 0;
  float fx, fz;
  Fgr::PosXZ(f, &fx, &fz);
  return std::abs(fx - x) <= f->haf + w / 2 && std::abs(fz - y) <= f->haf + h / 2;
}

void PickPoint_SetFromFgr(const Fgr* f) {
  if (!f) return;
  Fgr::PosXZ(f, &FieldRect.CamLookX, &FieldRect.CamLookZ);
}

void PickPoint_SetToPlayerSide() {
  const Fgr* unit = nullptr;
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = &Fgrs.mf[i];
    // A loaded stage's figures wake in the first frame of play: the base figures never do.
    if (i <= FgrsBaseLast || f->UnderGround != visUnderGround || Fgr::Owner(f) != Sides.PlayerSide)
      continue;
    if (Fgr::IsBunkerKind(f)) {
      unit = f;
      break;
    }
    if (!unit && Fgr::IsUnit(f)) unit = f;
  }
  FieldRect_ClampCentre();
  if (!unit) return;
  // A side already in the view window keeps the view as it is.
  float x, z;
  Fgr::PosXZ(unit, &x, &z);
  if (std::abs(x - FieldRect.CamLookX) <= FieldRect.spanX / 2 &&
      std::abs(z - FieldRect.CamLookZ) <= FieldRect.spanZ / 2)
    return;
  PickPoint_SetFromFgr(unit);
  FieldRect_ClampCentre();
}

Fgr* pFgrSelectedOne(int squadUnit) {
  if (SelList.count != 1) return nullptr;
  Fgr* f = SelList.e[1];
  if (squadUnit && Fgr::IsSquadHolder(f)) return f->P2_Sub_Unit;
  return f;
}
