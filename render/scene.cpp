// The render scene and its views: camera figures add a view each frame; the queue pass and the draw
// pass apply them in priority order.
#include "render/scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstring>

#include "figures/fgr.h"
#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "shell/window_state.h"

t_RendScene RendScene;

// The view an unused slot holds: the viewport is the window as the settings leave it.
static void View_Defaults(RendView* v) {
  std::memset(v, 0, sizeof *v);
  v->viewport[2] = Win.WinWidth;
  v->viewport[3] = Win.WinHeight;
  v->flatW = v->flatH = 1.0f;
  v->eye[0] = 10, v->eye[1] = 5, v->eye[2] = 20;
  v->target[0] = 10, v->target[1] = 0, v->target[2] = 10;
  v->fovY = 60.0;
  v->aspect = 1.0;
  v->zNear = 0.1;
  v->zFar = 256.0;
}

// listsZero: the storage is known to hold zeroes (the static record before start-up), so the batch
// lists' megabytes need not be written; any other construction empties every entry.
static void Scene_Build(t_RendScene* s, bool listsZero) {
  for (RendView& v : s->views) View_Defaults(&v);
  s->head = nullptr;
  s->viewCount = 0;
  // A small marker mesh: the first nine vertices of the shared buffers.
  static const float kPos[9][3] = {{1, 1, 1},  {0, 0, 0}, {3, 1, -3}, {-3, 2, -3}, {0, 9, 0},
                                   {-3, 1, 3}, {3, 1, 3}, {3, 1, -3}, {-3, 1, -3}};
  static const uint8_t kCol[9][4] = {{1, 1, 1, 255},     {127, 127, 127, 255}, {255, 64, 32, 255},
                                     {32, 96, 255, 255}, {255, 255, 255, 255}, {255, 27, 27, 255},
                                     {27, 255, 27, 255}, {27, 27, 255, 255},   {255, 255, 27, 255}};
  static const float kTex[9][2] = {{0, 0}, {0.5f, 0}, {1, 1}, {0, 1}, {0.5f, 0.5f},
                                   {0, 0}, {1, 0},    {1, 1}, {0, 1}};
  for (int i = 0; i < 9; i++) {
    for (int k = 0; k < 3; k++) {
      s->pos[3 * i + k] = kPos[i][k];
      s->nrm[3 * i + k] = i == 0 ? 1.0f : (k == 1 ? 1.0f : 0.0f);
    }
    for (int k = 0; k < 4; k++) s->col[4 * i + k] = kCol[i][k];
    for (int k = 0; k < 2; k++) s->tex[2 * i + k] = kTex[i][k];
  }
  s->vertCount = 9;
  std::memset(s->arrPtr, 0, sizeof s->arrPtr);
  // Each list's place in the draw order is the index of its bucket words in every view.
  static const int kSmallOrder[kSmallLists] = {0, 2, 5, 6};    // L1, L3, L6, L7
  static const int kBigOrder[kBigLists] = {1, 3, 4, 7, 8, 9};  // L2, L4, L5, L8, L9, L10
  if (!listsZero) {
    std::memset((void*)s->small, 0, sizeof s->small);
    std::memset((void*)s->big, 0, sizeof s->big);
  }
  for (int i = 0; i < kSmallLists; i++) BatchList_Init(&s->small[i], i + 1, kSmallOrder[i]);
  for (int i = 0; i < kBigLists; i++) BatchList_Init(&s->big[i], i + 1, kBigOrder[i]);
}

void RendScene_Ctor(t_RendScene* s) { Scene_Build(s, false); }
void RendScene_Ctor2(t_RendScene* s) { Scene_Build(s, false); }

// Static initialisation builds the scene and the picking view before the program starts.
[[maybe_unused]] static const int sSceneBuilt =
    (Scene_Build(&RendScene, true), View_Defaults(&RendScene.PickView), 1);

void RendScene_Reset(t_RendScene* s) {
  RendScene.RendView_Cur = nullptr;
  s->head = nullptr;
  s->viewCount = 0;
  for (RendView& v : s->views) View_Defaults(&v);
  for (BatchList& l : s->small) BatchList_Clear(&l);
  for (BatchListBig& l : s->big) BatchList_Clear(&l);
  std::memset(s->arrPtr, 0, sizeof s->arrPtr);
}

void RendView_AddCameraFgr(t_RendScene* s, Fgr* f) {
  if (f) RendView_AddCamera(s, f, f->kmra_prior);
}

void RendView_AddCamera(t_RendScene* s, Fgr* f, int priority) {
  // The slot is the count before it is raised: the 50th view takes slot 49, never one past it.
  if (!f || priority < 1 || s->viewCount >= kRendViews) return;
  RendView* v = &s->views[s->viewCount++];
  v->statusMode = f->kmra_statusMode;
  v->mainScreen = f->kmra_glavEkran;
  v->overlay = f->kmra_Flare2D;
  v->toTex = f->kmra_toTex;
  v->decal = f->kmra_DecalMode;
  v->clear = f->KamClearClr;
  v->viewport[0] = f->kmra_VPx, v->viewport[1] = f->kmra_VPy;
  v->viewport[2] = f->kmra_VPw, v->viewport[3] = f->kmra_VPh;
  v->scis[0] = f->kmra_ScisX, v->scis[1] = f->kmra_ScisY;
  v->scis[2] = f->kmra_ScisW, v->scis[3] = f->kmra_ScisH;
  v->camMode = f->kmra_Flat;
  v->flatW = f->kmra_Flat__KamScW;
  v->flatH = f->kmra_Flat__KamScH;
  v->eye[0] = f->priv_position_x, v->eye[1] = f->priv_position_y, v->eye[2] = f->priv_position_z;
  v->target[0] = f->laserX, v->target[1] = f->laserY, v->target[2] = f->laserZ;
  v->fovY = f->kmra_Proj__ObzorY;
  v->aspect = f->kmra_Proj__Aspect;
  v->zNear = f->kmra_ZNear;
  v->zFar = f->kmra_ZFar;
  v->priority = priority;
  v->cam = f;
  v->prev = v->next = nullptr;
  // Ascending priority; equal priorities keep the order they were added in.
  RendView* at = s->head;
  RendView* before = nullptr;
  while (at && priority >= at->priority) before = at, at = at->next;
  v->prev = before;
  v->next = at;
  if (before) before->next = v;
  else s->head = v;
  if (at) at->prev = v;
}

static void Dir361_Build() {
  float a = 0.0f;
  for (int i = 0; i < kDir361; i++) {
    RendScene.Dir361.c[i] = std::cos(a);
    RendScene.Dir361.s[i] = std::sin(a);
    a += 0.01745f;
  }
  RendScene.Dir361.built = 1;
}

static void Viewport(RendView* v) {
  if (v->viewport[3] < 1) v->viewport[3] = 1;
  glViewport(v->viewport[0], v->viewport[1], v->viewport[2], v->viewport[3]);
}

// An orthographic projection; OpenGL refuses one of no width, height or depth (GL_INVALID_VALUE,
// every frame), so an empty span is widened to one unit.
static void Ortho(double left, double right, double bottom, double top, double zNear, double zFar) {
  if (right == left) right = left + 1;
  if (top == bottom) top = bottom + 1;
  if (zFar == zNear) zFar = zNear + 1;
  glOrtho(left, right, bottom, top, zNear, zFar);
}

// Projection and modelview of the view's camera mode.
static void Matrices(RendView* v) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  if (v->camMode == -1) {
    Ortho(v->viewport[0], v->viewport[2], v->viewport[1], v->viewport[3], -1, 1);
  } else if (v->camMode >= 1) {
    // A flat camera given no size (a camera turned flat in the value panels) sees as many world
    // units as its viewport has pixels.
    if (v->flatW == 0) v->flatW = (float)v->viewport[2];
    if (v->flatH == 0) v->flatH = (float)v->viewport[3];
    Ortho(-0.5 * v->flatW, 0.5 * v->flatW, -0.5 * v->flatH, 0.5 * v->flatH, v->zNear, v->zFar);
  } else {
    v->aspect = (double)v->viewport[2] / (double)v->viewport[3];
    if (v->fovY < 5.0) v->fovY = 5.0;
    if (v->fovY > 170.0) v->fovY = 170.0;
    gluPerspective(v->fovY, v->aspect, v->zNear, v->zFar);
  }
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  if (v->camMode == 0) {
    gluLookAt(v->eye[0], v->eye[1], v->eye[2], v->target[0], v->target[1], v->target[2], 0, 1, 0);
    return;
  }
  glTranslatef(-v->eye[0], v->eye[2], 0);
  switch (v->camMode) {
    case 2: glRotatef(90, 0, 1, 0); break;
    case 3: glRotatef(180, 0, 1, 0); break;
    case 4: glRotatef(-90, 0, 1, 0); break;
    case 5: glRotatef(-90, 1, 0, 0); break;
    case 6: glRotatef(90, 1, 0, 0); break;
    default: break;
  }
}

static void ReadBack(RendView* v) {
  glGetDoublev(GL_MODELVIEW_MATRIX, v->modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, v->projection);
  if (v->mainScreen) RendView_ToPicking(v);
  float m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  for (int c = 0; c < 3; c++)
    for (int r = 0; r < 3; r++) RendScene.ViewRot3[3 * c + r] = m[4 * c + r];
  if (!RendScene.Dir361.built) Dir361_Build();
  for (int i = 0; i < kDir361; i++) {
    float dc = RendScene.Dir361.c[i], ds = RendScene.Dir361.s[i];
    for (int c = 0; c < 3; c++)
      RendScene.Dir361View[i][c] = RendScene.ViewRot3[3 * c] * dc + RendScene.ViewRot3[3 * c + 1] * ds;
  }
}

void RendView_SetMatrices(RendView* v) {
  glViewport(v->viewport[0], v->viewport[1], v->viewport[2], v->viewport[3] < 1 ? 1 : v->viewport[3]);
  Matrices(v);
  int main = v->mainScreen;
  v->mainScreen = 0;  // the overlay's second application makes no picking copy
  ReadBack(v);
  v->mainScreen = main;
}

void RendView_Apply(RendView* v) {
  if (!v) return;
  if (v->decal) {
    glPolygonOffset(-1, -1);
    glEnable(GL_POLYGON_OFFSET_FILL);
    return;
  }
  Viewport(v);
  if (v->scis[2] && v->scis[3]) {
    glScissor(v->scis[0], v->scis[1], v->scis[2], v->scis[3]);
    glEnable(GL_SCISSOR_TEST);
  } else {
    glDisable(GL_SCISSOR_TEST);
  }
  if (visUnderGround) glClearColor(o3::FogR, o3::FogG, o3::FogB, 0);
  else glClearColor(o3::SkyFogR, o3::SkyFogG, o3::SkyFogB, 0);
  glClearDepth(1.0);
  glDepthMask(GL_TRUE);
  if (v->clear) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Matrices(v);
  ReadBack(v);
  glDisable(GL_POLYGON_OFFSET_FILL);
}

void RendView_ToPicking(const RendView* v) {
  if (!v) return;
  RendScene.PickView.clear = v->clear;
  for (int i = 0; i < 4; i++) RendScene.PickView.viewport[i] = v->viewport[i];
  RendScene.PickView.camMode = v->camMode;
  RendScene.PickView.flatW = v->flatW, RendScene.PickView.flatH = v->flatH;
  for (int i = 0; i < 3; i++)
    RendScene.PickView.eye[i] = v->eye[i], RendScene.PickView.target[i] = v->target[i];
  RendScene.PickView.fovY = v->fovY, RendScene.PickView.aspect = v->aspect;
  RendScene.PickView.zNear = v->zNear, RendScene.PickView.zFar = v->zFar;
  RendScene.PickView.cam = v->cam;
  std::memcpy(RendScene.PickView.modelview, v->modelview, sizeof RendScene.PickView.modelview);
  std::memcpy(RendScene.PickView.projection, v->projection, sizeof RendScene.PickView.projection);
}

RendView* RendView_Next(t_RendScene* s, RendView* after) {
  RendView* v = after ? after->next : s->head;
  if (!v || v->decal) return v;
  Viewport(v);
  Matrices(v);
  Frustum_Extract(RendScene.SceneFrustum);
  return v;
}

int RendView_SetNext(t_RendScene* s) {
  RendScene.RendView_Cur = RendView_Next(s, RendScene.RendView_Cur);
  return RendScene.RendView_Cur ? 1 : 0;
}

RendView* RendView_Begin(t_RendScene* s, RendView* after) {
  RendView* v = after ? after->next : s->head;
  if (!v) return nullptr;
  RendView_Apply(v);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDepthFunc(GL_LEQUAL);
  glDepthMask(GL_TRUE);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_FOG);
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glCullFace(GL_BACK);
  return v;
}

int RendView_HasCurrent() { return RendScene.RendView_Cur ? 1 : 0; }
int RendView_CurFlag2() { return RendScene.RendView_Cur && RendScene.RendView_Cur->mainScreen ? 1 : 0; }
int RendView_CurMode() { return RendScene.RendView_Cur && RendScene.RendView_Cur->decal ? 1 : 0; }
int RendView_IsCurrentCam(int studio) {
  return RendScene.RendView_Cur && RendScene.RendView_Cur->cam &&
                 RendScene.RendView_Cur->cam->KamStudio == studio
             ? 1
             : 0;
}

void Gl_PolygonOffsetOff() { glDisable(GL_POLYGON_OFFSET_FILL); }
