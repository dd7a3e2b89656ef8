// The render scene: the views that camera figures add each frame, sorted by priority, the shared
// vertex buffers of indexed meshes and the ten batch lists; the picking copy of the main view and
// the direction tables that camera-facing quads read.
#pragma once
#include <cstdint>

#include "render/batch.h"
#include "render/rend_view.h"
#include "shell/geometry.h"

class Fgr;

constexpr int kRendViews = 50;
constexpr int kSceneVerts = 200500;
constexpr int kDir361 = 361;  // whole degrees 0..360

// The ten batch lists, four small and six large, each type indexed by its lists' numbers less one.
// In draw order, L1..L10, they are: solid, solid big, cutout, cutout big, 2D additive, glow, glow
// two-sided, glow big, glow big two-sided, 2D.
enum SceneSmallList { ListSolid, ListCutout, ListGlow, ListGlow2Sided, kSmallLists };
enum SceneBigList {
  ListSolidBig,
  ListCutoutBig,
  ListHud2DAdd,
  ListGlowBig,
  ListGlowBig2Sided,
  ListHud2D,
  kBigLists
};

struct t_Dir361 {
  float c[kDir361];  // cosine of whole degree i
  float s[kDir361];  // sine
  int built;
};

// The one scene record (about 12 MB: never on the stack), with the views and direction tables the
// passes, the picking and the camera-facing quads read.
struct t_RendScene {
  RendView views[kRendViews];
  RendView* head;
  int viewCount;
  float pos[kSceneVerts * 3];
  float nrm[kSceneVerts * 3];
  uint8_t col[kSceneVerts * 4];
  float tex[kSceneVerts * 2];
  int vertCount;
  const void* arrPtr[4];  // last pointers given to the vertex, normal, colour, texcoord arrays
  BatchList small[kSmallLists];
  BatchListBig big[kBigLists];
  RendView* RendView_Cur;  // the view of the pass running now; null outside the passes
  RendView PickView;       // the main-screen view as mouse picking and projection read it
  float ViewRot3[9];       // first three rows of the first three modelview columns
  t_Dir361 Dir361;
  float Dir361View[kDir361][3];        // world direction of screen direction i, last view applied
                                       // (ViewDir361 is its second name in the frame draw)
  float SceneFrustum[kFrustumFloats];  // planes of the view being queued
};

extern t_RendScene RendScene;

void RendScene_Ctor(t_RendScene* s);
void RendScene_Ctor2(t_RendScene* s);  // the same construction again; nothing calls it
void RendScene_Reset(t_RendScene* s);
void RendView_AddCameraFgr(t_RendScene* s, Fgr* f);  // once a frame for each camera (kind 11)
void RendView_AddCamera(t_RendScene* s, Fgr* f, int priority);
// The queue pass: the view after `after` made current for the figures' tests.
RendView* RendView_Next(t_RendScene* s, RendView* after);
int RendView_SetNext(t_RendScene* s);
// The draw pass: the view after `after` applied, with the base state of a view's lists.
RendView* RendView_Begin(t_RendScene* s, RendView* after);
void RendView_Apply(RendView* v);
void RendView_ToPicking(const RendView* v);
// The overlay's second application: viewport, projection and modelview by camera mode, the
// matrices read back and ViewRot3 / Dir361View rebuilt; no scissor, clear or picking copy.
void RendView_SetMatrices(RendView* v);

int RendView_HasCurrent();
int RendView_CurFlag2();
int RendView_CurMode();
int RendView_IsCurrentCam(int studio);
void Gl_PolygonOffsetOff();
