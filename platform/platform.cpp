// The front of the platform layer: backend choice, the message queue, state common to both
// backends, and the calls that only forward to the chosen backend.
#include <dlfcn.h>
#include <link.h>

#include <sys/resource.h>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/internal.h"

PlatState gPlat;

void Plat_SetLog(void (*log)(const char* fmt, ...)) { gPlat.log = log; }

void Plat_Log(const char* fmt, ...) {
  if (!gPlat.log) return;
  char line[1024];
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(line, sizeof line, fmt, ap);
  va_end(ap);
  gPlat.log("%s", line);
}

uint32_t Plat_TimeMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (uint32_t)((uint64_t)ts.tv_sec * 1000u + (uint64_t)ts.tv_nsec / 1000000u);
}

void Plat_SleepMs(int ms) {
  timespec ts{};
  if (ms > 0) {
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = (long)(ms % 1000) * 1000000L;
  }
  nanosleep(&ts, nullptr);
}

void PlatQueue_Clear(PlatQueue* q) {
  q->head = 0;
  q->count = 0;
  q->dropped = 0;
}

void PlatQueue_Push(PlatQueue* q, unsigned message, uintptr_t w, intptr_t l) {
  if (q->count == PLAT_QUEUE_SIZE) {
    q->head = (q->head + 1) % PLAT_QUEUE_SIZE;
    q->count--;
    if (q->dropped++ == 0) fprintf(stderr, "platform: message queue full, oldest dropped\n");
  }
  PlatMsg& m = q->msgs[(q->head + q->count) % PLAT_QUEUE_SIZE];
  m.message = message;
  m.wparam = w;
  m.lparam = l;
  q->count++;
}

int PlatQueue_Pop(PlatQueue* q, PlatMsg* out) {
  if (q->count == 0) return 0;
  *out = q->msgs[q->head];
  q->head = (q->head + 1) % PLAT_QUEUE_SIZE;
  q->count--;
  return 1;
}

static void ResetState() {
  gPlat.initDone = 0;
  gPlat.initOk = 0;
  gPlat.backend = PLAT_NONE;
  PlatQueue_Clear(&gPlat.queue);
  gPlat.hasWindow = 0;
  gPlat.winX = gPlat.winY = gPlat.winW = gPlat.winH = 0;
  gPlat.minimised = 0;
  gPlat.active = 0;
  gPlat.frames = 0;
  gPlat.cursorCount = 0;
  memset(gPlat.keyDown, 0, sizeof gPlat.keyDown);
  gPlat.cursorX = gPlat.cursorY = 0;
  gPlat.clip.clear();
  gPlat.clipHas = 0;
  gPlat.clipOut.clear();
  gPlat.shotWanted = 0;
  gPlat.shotPath.clear();
}

int Plat_Init() {
  if (gPlat.initDone) return gPlat.initOk;
  ResetState();
  gPlat.initDone = 1;
  const char* video = getenv("TOLV_VIDEO");
  const char* display = getenv("DISPLAY");
  if (video && *video) {
    if (strcmp(video, "x11") == 0) gPlat.backend = PLAT_X11;
    else if (strcmp(video, "headless") == 0) gPlat.backend = PLAT_HEADLESS;
    else {
      fprintf(stderr, "platform: unknown TOLV_VIDEO \"%s\" (x11 or headless)\n", video);
      Plat_Log("\nplatform: unknown TOLV_VIDEO \"%s\"", video);
      return gPlat.initOk = 0;
    }
  } else {
    gPlat.backend = display && *display ? PLAT_X11 : PLAT_HEADLESS;
  }
  gPlat.initOk = gPlat.backend == PLAT_X11 ? X11_Init() : Hl_Init();
  if (gPlat.initOk) Plat_CatchSignals();
  return gPlat.initOk;
}

void Plat_Shutdown() {
  if (!gPlat.initDone) return;
  Plat_DestroyWindow();
  if (gPlat.initOk) {
    if (gPlat.backend == PLAT_X11) X11_Shutdown();
    else Hl_Shutdown();
  }
  ResetState();
}

PlatBackend Plat_Backend() {
  Plat_Init();
  return gPlat.backend;
}

static bool IsX11() { return Plat_Init() && gPlat.backend == PLAT_X11; }

PlatCreateResult Plat_CreateWindow(int x, int y, int w, int h, const char* caption,
                                   const char* windowClass) {
  if (!Plat_Init()) return PLAT_CREATE_WINDOW;
  if (gPlat.hasWindow || w < 1 || h < 1 || w > 16384 || h > 16384) {
    fprintf(stderr, "platform: window %dx%d refused\n", w, h);
    return PLAT_CREATE_WINDOW;
  }
  PlatCreateResult r = gPlat.backend == PLAT_X11 ? X11_CreateWindow(x, y, w, h, caption ? caption : "",
                                                                    windowClass ? windowClass : "")
                                                 : Hl_CreateWindow(w, h);
  if (r != PLAT_CREATE_OK) return r;
  gPlat.hasWindow = 1;
  gPlat.winX = x;
  gPlat.winY = y;
  gPlat.winW = w;
  gPlat.winH = h;
  gPlat.frames = 0;
  gPlat.minimised = 0;
  // A cursor hidden before the window existed stays hidden over it.
  if (gPlat.cursorCount < 0 && gPlat.backend == PLAT_X11) X11_CursorVisible(0);
  return r;
}

void Plat_ShowWindow() {
  if (!gPlat.hasWindow) return;
  if (gPlat.backend == PLAT_X11) {
    X11_ShowWindow();
  } else {
    PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_RESTORED, Plat_PackXY(gPlat.winW, gPlat.winH));
    PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_ACTIVE, 0);
    PlatQueue_Push(&gPlat.queue, WM_SETFOCUS, 0, 0);
  }
}

void Plat_DestroyWindow() {
  if (!gPlat.hasWindow) return;
  if (gPlat.backend == PLAT_X11) X11_DestroyWindow();
  else Hl_DestroyWindow();
  gPlat.hasWindow = 0;
  gPlat.active = 0;
}

int Plat_HasWindow() { return gPlat.hasWindow; }

void Plat_MoveWindow(int x, int y, int w, int h) {
  if (!gPlat.hasWindow || w < 1 || h < 1) return;
  if (gPlat.backend == PLAT_X11) X11_MoveWindow(x, y, w, h);
  gPlat.winX = x;
  gPlat.winY = y;
  gPlat.winW = w;
  gPlat.winH = h;
}

void Plat_MinimiseWindow() {
  if (!gPlat.hasWindow) return;
  if (gPlat.backend == PLAT_X11) X11_MinimiseWindow();
  else PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_MINIMIZED, 0);
}

void Plat_WindowRect(int* x, int* y, int* w, int* h) {
  int rx = gPlat.winX, ry = gPlat.winY, rw = gPlat.winW, rh = gPlat.winH;
  if (gPlat.hasWindow && gPlat.backend == PLAT_X11) X11_WindowRect(&rx, &ry, &rw, &rh);
  if (x) *x = rx;
  if (y) *y = ry;
  if (w) *w = rw;
  if (h) *h = rh;
}

int Plat_IsMinimised() { return gPlat.minimised; }
int Plat_IsActive() { return gPlat.active; }

int Plat_SwapBuffers() {
  if (!gPlat.hasWindow) return 0;
  gPlat.frames++;
  return gPlat.backend == PLAT_X11 ? X11_SwapBuffers() : Hl_SwapBuffers();
}

int Plat_FrameCount() { return gPlat.frames; }
int Plat_DefWindowProcCalls() { return gPlat.defProcCalls; }

// Asked of the context that is current, not of the backend: the tests draw into a headless context
// while the backend may be x11.
void* Plat_GlProcAddress(const char* name) {
  if (!name) return nullptr;
  if (void* p = Hl_GlProcAddress(name)) return p;
  return X11_GlProcAddress(name);
}

// Window state follows the messages as they are taken, the same for both backends.
static void NoteMessage(PlatMsg* m) {
  switch (m->message) {
    case WM_SIZE:
      if (m->wparam == SIZE_MINIMIZED) gPlat.minimised = 1;
      else if (m->wparam == SIZE_RESTORED || m->wparam == SIZE_MAXIMIZED) gPlat.minimised = 0;
      break;
    case WM_SETFOCUS: gPlat.active = 1; break;
    case WM_KILLFOCUS: gPlat.active = 0; break;
  }
  if (gPlat.backend != PLAT_HEADLESS) return;
  // The headless key state is what the script pressed, taken in queue order.
  switch (m->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (m->wparam < 256) {
        if (gPlat.keyDown[m->wparam]) m->lparam |= (intptr_t)1 << 30;
        gPlat.keyDown[m->wparam] = 1;
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (m->wparam < 256) gPlat.keyDown[m->wparam] = 0;
      break;
    case WM_LBUTTONDOWN: gPlat.keyDown[VK_LBUTTON] = 1; break;
    case WM_LBUTTONUP: gPlat.keyDown[VK_LBUTTON] = 0; break;
    case WM_RBUTTONDOWN: gPlat.keyDown[VK_RBUTTON] = 1; break;
    case WM_RBUTTONUP: gPlat.keyDown[VK_RBUTTON] = 0; break;
    case WM_MBUTTONDOWN: gPlat.keyDown[VK_MBUTTON] = 1; break;
    case WM_MBUTTONUP: gPlat.keyDown[VK_MBUTTON] = 0; break;
  }
}

int Plat_PeekMessage(PlatMsg* msg) {
  if (!msg || !Plat_Init()) return 0;
  // Ctrl+C, a kill or a closed terminal: the window's close, ahead of whatever waits.
  if (Plat_TakeSignalClose()) {
    *msg = PlatMsg{WM_CLOSE, 0, 0};
    return 1;
  }
  if (gPlat.backend == PLAT_X11) X11_Pump();
  else Hl_BeforePeek();
  int got = PlatQueue_Pop(&gPlat.queue, msg);
  if (got) NoteMessage(msg);
  return got;
}

void Plat_PostMessage(unsigned message, uintptr_t wparam, intptr_t lparam) {
  Plat_Init();
  PlatQueue_Push(&gPlat.queue, message, wparam, lparam);
}

long Plat_DefWindowProc(unsigned message, uintptr_t wparam, intptr_t lparam) {
  gPlat.defProcCalls++;
  if (message == WM_SYSKEYDOWN && wparam == (uintptr_t)VK_F4 && (lparam & kKeyAltHeld))
    Plat_PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
  else if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_CLOSE) Plat_PostMessage(WM_CLOSE, 0, 0);
  return 0;
}

int Plat_KeyIsDown(int vk) {
  if (vk < 1 || vk > 255) return 0;
  if (IsX11()) return X11_KeyIsDown(vk);
  return gPlat.keyDown[vk] ? 1 : 0;
}

void Plat_CursorPos(int* x, int* y) {
  int cx = gPlat.winX + gPlat.cursorX, cy = gPlat.winY + gPlat.cursorY;
  if (IsX11()) X11_CursorPos(&cx, &cy);
  if (x) *x = cx;
  if (y) *y = cy;
}

int Plat_ShowCursor(int show) {
  int before = gPlat.cursorCount >= 0;
  gPlat.cursorCount += show ? 1 : -1;
  int after = gPlat.cursorCount >= 0;
  if (before != after && IsX11()) X11_CursorVisible(after);
  return gPlat.cursorCount;
}

int Plat_ClipboardHasText() {
  if (IsX11()) return X11_ClipboardHasText();
  return gPlat.clipHas;
}

const char* Plat_ClipboardGetText() {
  if (IsX11()) return X11_ClipboardGetText();
  if (!gPlat.clipHas) return nullptr;
  gPlat.clipOut = gPlat.clip;
  return gPlat.clipOut.c_str();
}

int Plat_ClipboardSetText(const char* text, int len) {
  if (!text || len < 0) return 0;
  // The text ends at its first zero byte, as a zero-terminated block would.
  const void* zero = memchr(text, 0, (size_t)len);
  if (zero) len = (int)((const char*)zero - text);
  if (IsX11()) return X11_ClipboardSetText(text, len);
  gPlat.clip.assign(text, (size_t)len);
  gPlat.clipHas = 1;
  return 1;
}

int Plat_MessageBox(const char* text, const char* caption, int flags) {
  if (!text) text = "";
  if (!caption) caption = "";
  if (IsX11()) return X11_MessageBox(text, caption, flags);
  return Hl_MessageBox(text, caption, flags);
}

int Plat_OpenFileDialog(char* path, int cap, const char* title) {
  if (!path || cap < 2) return 0;
  if (IsX11()) return X11_FileDialog(path, cap, title ? title : "", 0);
  return Hl_FileDialog(path, cap, title ? title : "", 0);
}

int Plat_SaveFileDialog(char* path, int cap, const char* title) {
  if (!path || cap < 2) return 0;
  if (IsX11()) return X11_FileDialog(path, cap, title ? title : "", 1);
  return Hl_FileDialog(path, cap, title ? title : "", 1);
}

int Plat_ChooseColor(unsigned* colour, unsigned custom[16]) {
  if (!colour) return 0;
  if (IsX11()) {
    unsigned spare[16] = {};
    return X11_ChooseColor(colour, custom ? custom : spare);
  }
  return Hl_ChooseColor(colour);
}

int Plat_SetHighPriority() {
  // A niceness other than the default is the user's choice (nice, a service's setting): it stays.
  errno = 0;
  const int niceness = getpriority(PRIO_PROCESS, 0);
  if (errno == 0 && niceness != 0) {
    Plat_Log("\nplatform: niceness %d kept, as the program was started with it", niceness);
    return 1;
  }
  // Like a high priority class: above normal, which an unprivileged process is refused.
  return setpriority(PRIO_PROCESS, 0, -5) == 0 ? 1 : 0;
}

int Plat_ScreenshotWanted() { return gPlat.backend == PLAT_HEADLESS ? gPlat.shotWanted : 0; }

const char* Plat_ScreenshotPath() { return gPlat.shotPath.c_str(); }

// Mesa loads its driver (".../dri/*_dri.so") with a display and unloads it when the display closes.
// The driver stays for the life of the process instead: a display opened again does not load it
// anew, and what it allocated once (and its worker threads' state) stays where the leak checker of
// the sanitizer builds can still read it at exit.
static int KeepDriverLoaded(dl_phdr_info* info, size_t, void*) {
  const char* name = info->dlpi_name;
  if (name && strstr(name, "/dri/") && strstr(name, "_dri.so"))
    dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
  return 0;
}

void Plat_KeepGlDriverLoaded() { dl_iterate_phdr(KeepDriverLoaded, nullptr); }
