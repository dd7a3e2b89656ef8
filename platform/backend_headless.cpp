// The headless backend: an EGL surfaceless pbuffer of the window size on Mesa's software renderer,
// with input, box answers, dialog answers and clipboard text from a script. Nothing here waits.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <sys/stat.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/internal.h"
#include "platform/script.h"

struct HlGl {
  EGLDisplay display;
  EGLSurface surface;
  EGLContext context;
};

struct HlState {
  Script script;
  HlGl window;
  HlGl test;
  int displayUsers;  // eglInitialize once for both contexts
  EGLDisplay display;
  bool lastPeekEmpty;  // for waits while no frames are drawn (minimised)
  bool swappedSinceIdle;
};

static HlState gHl;

static EGLDisplay HlDisplay() {
  if (gHl.displayUsers > 0) {
    gHl.displayUsers++;
    return gHl.display;
  }
  // Force the surfaceless platform so no window system is ever touched.
  EGLDisplay d = EGL_NO_DISPLAY;
  auto getPlatformDisplay =
      (PFNEGLGETPLATFORMDISPLAYEXTPROC)eglGetProcAddress("eglGetPlatformDisplayEXT");
  if (getPlatformDisplay)
    d = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (d == EGL_NO_DISPLAY) {
    fprintf(stderr, "platform: no EGL surfaceless display\n");
    return EGL_NO_DISPLAY;
  }
  EGLint major = 0, minor = 0;
  if (!eglInitialize(d, &major, &minor)) {
    fprintf(stderr, "platform: eglInitialize failed (0x%x)\n", eglGetError());
    return EGL_NO_DISPLAY;
  }
  gHl.display = d;
  gHl.displayUsers = 1;
  return d;
}

// The display stays initialised for the whole process once made: terminating it unloads the
// software renderer, which leaves its own allocations behind, and a later context would pay for
// loading it again.
static void HlDisplayRelease() {
  if (gHl.displayUsers > 1) gHl.displayUsers--;
}

static void HlGlFree(HlGl* g) {
  if (g->display == EGL_NO_DISPLAY) return;
  if (g->context != EGL_NO_CONTEXT && eglGetCurrentContext() == g->context)
    eglMakeCurrent(g->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (g->context != EGL_NO_CONTEXT) eglDestroyContext(g->display, g->context);
  if (g->surface != EGL_NO_SURFACE) eglDestroySurface(g->display, g->surface);
  *g = HlGl{EGL_NO_DISPLAY, EGL_NO_SURFACE, EGL_NO_CONTEXT};
  HlDisplayRelease();
}

static PlatCreateResult HlGlCreate(HlGl* g, int w, int h) {
  *g = HlGl{EGL_NO_DISPLAY, EGL_NO_SURFACE, EGL_NO_CONTEXT};
  EGLDisplay d = HlDisplay();
  if (d == EGL_NO_DISPLAY) return PLAT_CREATE_DC;
  g->display = d;
  // Desktop OpenGL, compatibility profile (the default of a context without attributes).
  if (!eglBindAPI(EGL_OPENGL_API)) {
    HlGlFree(g);
    return PLAT_CREATE_CHOOSEPF;
  }
  const EGLint attrs[] = {EGL_SURFACE_TYPE,
                          EGL_PBUFFER_BIT,
                          EGL_RENDERABLE_TYPE,
                          EGL_OPENGL_BIT,
                          EGL_RED_SIZE,
                          8,
                          EGL_GREEN_SIZE,
                          8,
                          EGL_BLUE_SIZE,
                          8,
                          EGL_DEPTH_SIZE,
                          16,
                          EGL_NONE};
  EGLConfig config;
  EGLint count = 0;
  if (!eglChooseConfig(d, attrs, &config, 1, &count) || count < 1) {
    HlGlFree(g);
    return PLAT_CREATE_CHOOSEPF;
  }
  const EGLint pbuf[] = {EGL_WIDTH, w, EGL_HEIGHT, h, EGL_NONE};
  g->surface = eglCreatePbufferSurface(d, config, pbuf);
  if (g->surface == EGL_NO_SURFACE) {
    HlGlFree(g);
    return PLAT_CREATE_SETPF;
  }
  g->context = eglCreateContext(d, config, EGL_NO_CONTEXT, nullptr);
  if (g->context == EGL_NO_CONTEXT) {
    HlGlFree(g);
    return PLAT_CREATE_CONTEXT;
  }
  if (!eglMakeCurrent(d, g->surface, g->surface, g->context)) {
    HlGlFree(g);
    return PLAT_CREATE_MAKECURRENT;
  }
  Plat_KeepGlDriverLoaded();
  return PLAT_CREATE_OK;
}

int Hl_Init() {
  gHl.lastPeekEmpty = false;
  gHl.swappedSinceIdle = false;
  Script_Clear(&gHl.script);
  const char* path = getenv("TOLV_SCRIPT");
  if (path && *path && Script_Load(&gHl.script, path)) return 1;
  Script_MakeDefault(&gHl.script, SCRIPT_DEFAULT_FRAMES);
  return 1;
}

void Hl_Shutdown() { Script_Clear(&gHl.script); }

PlatCreateResult Hl_CreateWindow(int w, int h) {
  PlatCreateResult r = HlGlCreate(&gHl.window, w, h);
  if (r != PLAT_CREATE_OK)
    fprintf(stderr, "platform: headless context %dx%d failed at step %d\n", w, h, r);
  return r;
}

void Hl_DestroyWindow() { HlGlFree(&gHl.window); }

int Hl_SwapBuffers() {
  int ok = 0;
  if (gHl.window.display != EGL_NO_DISPLAY)
    ok = eglSwapBuffers(gHl.window.display, gHl.window.surface) == EGL_TRUE;
  gPlat.shotWanted = 0;
  Script_Frame(&gHl.script);
  Script_FrameDrawn(&gHl.script);
  gHl.swappedSinceIdle = true;
  return ok;
}

void* Hl_GlProcAddress(const char* name) {
  if (eglGetCurrentContext() == EGL_NO_CONTEXT) return nullptr;
  return (void*)eglGetProcAddress(name);
}

void Hl_BeforePeek() {
  if (gPlat.queue.count > 0) {
    gHl.lastPeekEmpty = false;
    return;
  }
  // Two empty looks at the queue with no frame between: the loop idles (minimised), and that
  // pass counts as a frame so that waits still run out.
  if (gHl.lastPeekEmpty && !gHl.swappedSinceIdle) Script_Frame(&gHl.script);
  Script_Run(&gHl.script);
  gHl.lastPeekEmpty = gPlat.queue.count == 0;
  gHl.swappedSinceIdle = false;
}

int Hl_MessageBox(const char* text, const char* caption, int flags) {
  bool yesNo = (flags & 0x0F) == MB_YESNO;
  int answer = yesNo ? IDNO : IDOK;
  if (!gHl.script.boxAnswers.empty()) {
    int a = gHl.script.boxAnswers.front();
    gHl.script.boxAnswers.pop_front();
    if (yesNo ? (a == IDYES || a == IDNO) : a == IDOK) answer = a;
    else fprintf(stderr, "platform: scripted answer does not fit the box, default taken\n");
  }
  std::string t = Plat_Utf8From1251(text), c = Plat_Utf8From1251(caption);
  fprintf(stderr, "platform: box [%s] %s -> %s\n", c.c_str(), t.c_str(),
          answer == IDYES  ? "yes"
          : answer == IDNO ? "no"
                           : "ok");
  return answer;
}

int Hl_FileDialog(char* path, int cap, const char* title, int save) {
  if (gHl.script.fileAnswers.empty()) {
    fprintf(stderr, "platform: %s dialog without scripted answer: cancelled\n", save ? "save" : "open");
    return 0;
  }
  ScriptFileAnswer a = gHl.script.fileAnswers.front();
  gHl.script.fileAnswers.pop_front();
  if (!a.chosen) return 0;
  if ((int)a.path.size() > cap - 1) {
    fprintf(stderr, "platform: scripted file name too long for the dialog: cancelled\n");
    Plat_Log("\nplatform: scripted file name too long");
    return 0;
  }
  // The dialog's own checks: an opened file exists; a saved file's folder exists.
  std::string fsPath = Plat_Utf8From1251(a.path);
  struct stat st;
  bool ok;
  if (!save) {
    ok = stat(fsPath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
  } else {
    size_t slash = fsPath.rfind('/');
    std::string name = slash == std::string::npos ? fsPath : fsPath.substr(slash + 1);
    std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : fsPath.substr(0, slash);
    ok = !name.empty() && stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         !(stat(fsPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
  }
  if (!ok) {
    fprintf(stderr, "platform: scripted file \"%s\" refused by the %s dialog: cancelled\n",
            fsPath.c_str(), save ? "save" : "open");
    return 0;
  }
  memcpy(path, a.path.c_str(), a.path.size() + 1);
  return 1;
}

int Hl_ChooseColor(unsigned* colour) {
  if (gHl.script.colourAnswers.empty()) return 0;
  long long a = gHl.script.colourAnswers.front();
  gHl.script.colourAnswers.pop_front();
  if (a < 0) return 0;
  *colour = (unsigned)a;
  return 1;
}

int Plat_ScriptClock(PlatScriptClock* out) {
  if (Plat_Backend() != PLAT_HEADLESS) return 0;
  if (out) *out = PlatScriptClock{gHl.script.frameMs, gHl.script.seed};
  return 1;
}

int Plat_HeadlessContext(int w, int h) {
  if (w < 1 || h < 1 || w > 16384 || h > 16384) return 0;
  HlGlFree(&gHl.test);
  return HlGlCreate(&gHl.test, w, h) == PLAT_CREATE_OK ? 1 : 0;
}

void Plat_HeadlessContextFree() { HlGlFree(&gHl.test); }

// Test access to the running script (tests only).
Script* Hl_Script() { return &gHl.script; }
