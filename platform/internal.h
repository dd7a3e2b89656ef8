// Shared state of the platform layer and the calls between its front (platform.cpp) and the two
// backends. Not for use outside platform/ (tests excepted).
#pragma once

#include <signal.h>

#include <string>

#include "platform/platform.h"

constexpr int PLAT_QUEUE_SIZE = 1024;

// The layer's own message queue: a fixed ring; when full the oldest message is dropped, because a
// stuck game must not make the layer grow without bound.
struct PlatQueue {
  PlatMsg msgs[PLAT_QUEUE_SIZE];
  int head;
  int count;
  int dropped;
};

void PlatQueue_Clear(PlatQueue* q);
void PlatQueue_Push(PlatQueue* q, unsigned message, uintptr_t w, intptr_t l);
int PlatQueue_Pop(PlatQueue* q, PlatMsg* out);

struct PlatState {
  int initDone;  // Plat_Init ran (its answer in initOk)
  int initOk;
  PlatBackend backend;
  PlatQueue queue;
  int hasWindow;
  int winX, winY, winW, winH;
  int minimised;
  int active;
  int frames;            // Plat_SwapBuffers calls since the window was made
  int defProcCalls;      // messages the window procedure left to Plat_DefWindowProc
  int cursorCount;       // the display counter of the system cursor
  int keyDown[256];      // asynchronous key state kept by the headless backend
  int cursorX, cursorY;  // headless cursor, client pixels
  std::string clip;      // headless clipboard (1251, CR LF rows)
  int clipHas;
  std::string clipOut;  // what Plat_ClipboardGetText answered last
  int shotWanted;
  std::string shotPath;
  void (*log)(const char* fmt, ...);  // the game's log writer (Plat_SetLog); null drops the lines
};

extern PlatState gPlat;

// A log line through gPlat.log; nothing when the hook is unset.
void Plat_Log(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void Plat_KeepGlDriverLoaded();  // after a GL context is made: its driver is never unloaded

// ---- x11 backend: the window and its events (backend_x11.cpp) ----
int X11_Init();
void X11_Shutdown();
PlatCreateResult X11_CreateWindow(int x, int y, int w, int h, const char* caption,
                                  const char* windowClass);
void X11_ShowWindow();
void X11_DestroyWindow();
void X11_MoveWindow(int x, int y, int w, int h);
void X11_MinimiseWindow();
void X11_WindowRect(int* x, int* y, int* w, int* h);
int X11_SwapBuffers();
void* X11_GlProcAddress(const char* name);  // null unless a GLX context is current
void X11_Pump();                            // moves every waiting X event into gPlat.queue
int X11_KeyIsDown(int vk);
void X11_CursorPos(int* x, int* y);
void X11_CursorVisible(int visible);
int X11_ConnectionFd();  // the display connection's socket, -1 without a display

// ---- the clipboard on x11 (x11_clipboard.cpp): the CLIPBOARD selection, served from our pump ----
int X11_ClipboardHasText();
const char* X11_ClipboardGetText();
int X11_ClipboardSetText(const char* text, int len);

// ---- the desktop's dialogs on x11 (x11_dialogs.cpp): the zenity program as a modal child ----
unsigned long X11_DialogOwner();  // the game window a dialog belongs to, 0 before it exists
void X11_FocusGameWindow();       // the keyboard focus back to the game window after a dialog
// A dialog opens, shown by the process pid: from now the game window's presses are dropped, its
// picture is kept, and once the game window exists the process's windows are made its modal
// dialogs and raised again whenever the game window is raised or activated meanwhile.
void X11_DialogBegin(int pid);
// The dialog has ended: what the game window was given meanwhile is dropped, then input flows again.
void X11_DialogEnd();
int X11_CloseAsked();  // the game window's close (or its end) came while a dialog was open
int X11_MessageBox(const char* text, const char* caption, int flags);
int X11_FileDialog(char* path, int cap, const char* title, int save);
int X11_ChooseColor(unsigned* colour, unsigned custom[16]);

// ---- headless backend (backend_headless.cpp) ----
int Hl_Init();
void Hl_Shutdown();
PlatCreateResult Hl_CreateWindow(int w, int h);
void Hl_DestroyWindow();
int Hl_SwapBuffers();
void* Hl_GlProcAddress(const char* name);  // null unless an EGL context is current
void Hl_BeforePeek();                      // runs the script up to its next wait when the queue is empty
int Hl_MessageBox(const char* text, const char* caption, int flags);
int Hl_FileDialog(char* path, int cap, const char* title, int save);
int Hl_ChooseColor(unsigned* colour);

// ---- signals (signals.cpp) ----
// SIGINT, SIGTERM and SIGHUP handled (once a process, from Plat_Init): the first asks for the close,
// a second ends the process at once.
void Plat_CatchSignals();
int Plat_SignalCaught();     // 1 once a signal asked for the close
int Plat_SignalFd();         // readable once a signal came (-1 when there is no pipe)
int Plat_TakeSignalClose();  // 1 exactly once after the first signal: the close to hand out
// The signals a program the layer starts is to get back at their default: those this process
// ignores that it did not find ignored (Plat_IgnoreFileSizeSignal).
void Plat_ChildSignalDefaults(sigset_t* set);

// ---- text helpers (text1251.cpp) ----
// CR LF -> LF for the outside world, and lone LF -> CR LF coming in.
std::string Plat_CrlfToLf(const std::string& s);
std::string Plat_LfToCrlf(const std::string& s);
std::string Plat_Utf8From1251(const std::string& s);
std::string Plat_1251FromUtf8(const std::string& s);
// The Windows-1251 form of a UTF-8 text, only when every character has one (malformed bytes have
// none): 1 then, else 0 with out left empty. A name from the desktop is refused, never mangled.
int Plat_1251FromUtf8Exact(const std::string& s, std::string* out);
// Decodes one UTF-8 sequence at s[*pos], advancing *pos; malformed bytes give U+FFFD one at a time.
unsigned Plat_Utf8Next(const std::string& s, size_t* pos);
void Plat_Utf8Append(std::string* out, unsigned cp);
