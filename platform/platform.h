// The platform layer: one window with its OpenGL context, window messages, key and cursor polling,
// clipboard, modal boxes and dialogs, process priority. Two backends behind the same calls: "x11"
// (Xlib + GLX) and "headless" (EGL surfaceless pbuffer, input from a script). The backend is chosen
// by TOLV_VIDEO ("x11" or "headless"); without it, x11 when DISPLAY is set, else headless.
//
// All texts crossing this interface are Windows-1251 bytes; conversion to UTF-8 happens inside.
// Message numbers, parameters and virtual-key codes keep their Windows meanings so the window
// procedure reads exactly as it would there.
#pragma once

#include <cstdint>

// ---- messages ---------------------------------------------------------------------------------
constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_SIZE = 0x0005;      // w: SIZE_RESTORED / SIZE_MINIMIZED / SIZE_MAXIMIZED
constexpr unsigned WM_ACTIVATE = 0x0006;  // low word of w: WA_*, high word: 1 when minimised
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUIT = 0x0012;
constexpr unsigned WM_KEYDOWN = 0x0100;     // w: virtual-key code; l bit 30: key was already down
constexpr unsigned WM_KEYUP = 0x0101;       // w: virtual-key code
constexpr unsigned WM_CHAR = 0x0102;        // w: the character, one Windows-1251 byte
constexpr unsigned WM_SYSKEYDOWN = 0x0104;  // Alt, F10 and keys pressed while Alt is held (l bit 29)
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_SYSCOMMAND = 0x0112;  // w: SC_*
constexpr unsigned WM_MOUSEMOVE = 0x0200;   // mouse messages: l = x | y << 16, client pixels, y down
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;  // high word of w: signed wheel delta (120 a notch)

// The l word of the mouse messages and of WM_SIZE: x (or the width) in the low 16 bits, y (or the
// height) in the high 16.
constexpr intptr_t Plat_PackXY(int x, int y) {
  return (intptr_t)(((unsigned)y & 0xFFFF) << 16 | ((unsigned)x & 0xFFFF));
}

constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;

constexpr unsigned WA_INACTIVE = 0;
constexpr unsigned WA_ACTIVE = 1;
constexpr unsigned WA_CLICKACTIVE = 2;

constexpr unsigned SC_SIZE = 0xF000;
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_KEYMENU = 0xF100;
constexpr unsigned SC_RESTORE = 0xF120;
constexpr unsigned SC_SCREENSAVE = 0xF140;
constexpr unsigned SC_HOTKEY = 0xF150;
constexpr unsigned SC_MONITORPOWER = 0xF170;
constexpr unsigned SC_CONTEXTHELP = 0xF180;

// ---- virtual-key codes (letters are 'A'..'Z', digits '0'..'9') ---------------------------------
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_CANCEL = 0x03;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_CLEAR = 0x0C;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;  // Alt
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;  // Page Up
constexpr int VK_NEXT = 0x22;   // Page Down
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_SNAPSHOT = 0x2C;  // Print Screen
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_LWIN = 0x5B;
constexpr int VK_RWIN = 0x5C;
constexpr int VK_APPS = 0x5D;
constexpr int VK_NUMPAD0 = 0x60;  // .. VK_NUMPAD9 = 0x69
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SEPARATOR = 0x6C;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;  // .. VK_F24 = 0x87
constexpr int VK_F4 = 0x73;
constexpr int VK_F10 = 0x79;
constexpr int VK_F12 = 0x7B;
constexpr int VK_NUMLOCK = 0x90;
constexpr int VK_SCROLL = 0x91;
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;
constexpr int VK_OEM_1 = 0xBA;       // ;:
constexpr int VK_OEM_PLUS = 0xBB;    // =+
constexpr int VK_OEM_COMMA = 0xBC;   // ,<
constexpr int VK_OEM_MINUS = 0xBD;   // -_
constexpr int VK_OEM_PERIOD = 0xBE;  // .>
constexpr int VK_OEM_2 = 0xBF;       // /?
constexpr int VK_OEM_3 = 0xC0;       // `~
constexpr int VK_OEM_4 = 0xDB;       // [{
constexpr int VK_OEM_5 = 0xDC;       // \|
constexpr int VK_OEM_6 = 0xDD;       // ]}
constexpr int VK_OEM_7 = 0xDE;       // '"

// ---- message box flags and answers ------------------------------------------------------------
constexpr int MB_OK = 0x00;
constexpr int MB_YESNO = 0x04;
constexpr int MB_TYPEMASK = 0x0F;  // which buttons
constexpr int MB_ICONMASK = 0xF0;  // which icon
constexpr int MB_ICONERROR = 0x10;
constexpr int MB_ICONEXCLAMATION = 0x30;
constexpr int MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// ---- records ----------------------------------------------------------------------------------
struct PlatMsg {
  unsigned message;
  uintptr_t wparam;
  intptr_t lparam;
};

enum PlatBackend { PLAT_NONE = 0, PLAT_X11 = 1, PLAT_HEADLESS = 2 };

// Which step of window creation failed (the shell shows its own message for each).
enum PlatCreateResult {
  PLAT_CREATE_OK = 0,
  PLAT_CREATE_WINDOW,       // "not CreateWindowEx": no display, or the window was refused
  PLAT_CREATE_DC,           // "not GetDC": no drawing surface
  PLAT_CREATE_CHOOSEPF,     // "not ChoosePixelFormat": no RGBA double-buffered 24/16 config
  PLAT_CREATE_SETPF,        // "not SetPixelFormat": the config cannot be bound to the window
  PLAT_CREATE_CONTEXT,      // "not wglCreateContext"
  PLAT_CREATE_MAKECURRENT,  // "not wglMakeCurrent"
};

// ---- lifetime ---------------------------------------------------------------------------------
// Picks the backend and opens the display (x11) or loads the script (headless). Every other call
// does this itself on first use, so calling it is optional; 0 when the chosen backend cannot start
// (x11 without a reachable display). A second call does nothing and answers as the first.
int Plat_Init();
// Closes everything the layer holds (window, context, display, script). Plat_Init may follow.
void Plat_Shutdown();
PlatBackend Plat_Backend();

// ---- window -----------------------------------------------------------------------------------
// A borderless window of client size w x h at (x, y), double-buffered RGBA (24 colour, 16 depth
// bits) with a compatibility-profile GL context made current. Not shown yet. On failure everything
// made so far is released and the failed step is answered. windowClass is the class a window
// manager knows the window by (X11's WM_CLASS; its instance is the program's name).
PlatCreateResult Plat_CreateWindow(int x, int y, int w, int h, const char* caption,
                                   const char* windowClass = "");
// Shows the window, raises it and gives it the keyboard focus (messages follow in the queue).
void Plat_ShowWindow();
// Releases context and window; safe when none exists.
void Plat_DestroyWindow();
int Plat_HasWindow();
// Moves the window so that its top-left corner is at screen (x, y), with client size w x h.
void Plat_MoveWindow(int x, int y, int w, int h);
// Screen position of the client area's top-left corner and the client size.
void Plat_WindowRect(int* x, int* y, int* w, int* h);
int Plat_IsMinimised();
// Asks for the window to be minimised (the desktop's window manager does it on x11; headless it is
// at once). The size message follows in the queue.
void Plat_MinimiseWindow();
int Plat_IsActive();  // the window has the keyboard focus
// Shows the frame drawn; 1 when it was swapped, 0 without a window or when the swap failed.
int Plat_SwapBuffers();
// The address of a GL entry point beyond GL 1.1 (an extension's) for the context current now,
// window or test context alike; null without a current context or when the driver has none.
void* Plat_GlProcAddress(const char* name);
// Number of Plat_SwapBuffers calls since the window was created.
int Plat_FrameCount();

// ---- messages and input -----------------------------------------------------------------------
// Takes the next message when one waits (1), else 0 at once. Never blocks.
int Plat_PeekMessage(PlatMsg* msg);
// Appends a message to the layer's own queue (PostQuitMessage, tests).
void Plat_PostMessage(unsigned message, uintptr_t wparam, intptr_t lparam);
// The system's part of a message the window procedure does not handle itself, as the desktop's
// default procedure does it: a system key F4 with Alt held (l bit 29) posts the close command,
// the close command posts the close message; everything else is left alone. Answers 0.
long Plat_DefWindowProc(unsigned message, uintptr_t wparam, intptr_t lparam);
// Messages handed to Plat_DefWindowProc since the layer started: what the game left to the system.
int Plat_DefWindowProcCalls();
// The bit of a key message's l that says Alt was held.
constexpr intptr_t kKeyAltHeld = (intptr_t)1 << 29;
// The key or mouse button of this virtual-key code is physically down right now (polled, not
// from the queue). 0 for codes outside 1..255.
int Plat_KeyIsDown(int vk);
// Cursor position in screen pixels, origin top-left, y down.
void Plat_CursorPos(int* x, int* y);
// Counted like the system cursor's display counter: show adds 1, hide subtracts 1, the cursor is
// visible over the window while the count is 0 or more. Answers the new count.
int Plat_ShowCursor(int show);

// ---- clipboard (Windows-1251 bytes, rows separated by CR LF) -----------------------------------
int Plat_ClipboardHasText();
// The clipboard's text, zero-terminated, or null when it holds none. Valid until the next
// clipboard call.
const char* Plat_ClipboardGetText();
// Puts len bytes of text on the clipboard (the layer owns its copy); 1 on success.
int Plat_ClipboardSetText(const char* text, int len);

// ---- modal boxes and dialogs ------------------------------------------------------------------
// On x11 these are the desktop's own dialogs, shown by the zenity program as a child process; the
// call waits for the answer, tied to the game window once it exists, which waits on it as on a
// modal window: the clipboard stays served, the key presses, typed characters and button presses
// given to the game window meanwhile are dropped (releases of what was down before still come),
// and the window keeps showing its last frame. zenity's stderr reaches stderr and the log only when
// it fails. Without zenity a question answers No, a message goes to stderr and the log, a dialog
// answers cancel, and the first of these writes a log line saying so. A signal that asks to close
// the run (Ctrl+C), or the game window's close while a dialog is open, cancels the dialog open
// and every dialog after it; the close message follows in the queue. Headless, the script answers.
//
// MB_OK or MB_YESNO, optionally with an MB_ICON* flag. Answers IDOK, IDYES or IDNO (closing a
// Yes/No box without a choice answers IDNO). Works before the window exists.
int Plat_MessageBox(const char* text, const char* caption, int flags);
// Open or save dialog. path (cap bytes, zero-terminated) holds the start name and receives the
// chosen one; the chosen file (open) or its directory (save) must exist, and the save dialog asks
// before it answers a file that exists (its No goes back to the chooser). The dialog starts in the
// folder of path proposing its name, or in path itself when it names a folder. 1 when chosen; on
// cancel, or when the chosen name has no Windows-1251 form or does not fit (both said in a box),
// path is left as it was and the answer is 0. title names the filter ("Any file").
int Plat_OpenFileDialog(char* path, int cap, const char* title);
int Plat_SaveFileDialog(char* path, int cap, const char* title);
// Colour chooser: *colour (0x00BBGGRR) is the start colour and receives the choice; custom holds
// 16 colours the chooser may show and change (the desktop's chooser keeps its own custom colours
// and leaves these as they are). 1 when chosen, 0 on cancel (*colour unchanged).
int Plat_ChooseColor(unsigned* colour, unsigned custom[16]);

// ---- process ----------------------------------------------------------------------------------
// Raises the process priority when it was started at the default niceness, and keeps (and logs)
// any other; 0 only when the system refuses the raise (the caller only reports it).
int Plat_SetHighPriority();
// SIGXFSZ ignored for the rest of the process's life, so a write past a file size limit (a shell's
// `ulimit -f`) fails with EFBIG like a write to a full disk, and the save that meets it puts the old
// content back, instead of the signal ending the run in the middle of the write. Needs nothing
// started: the program's first call. A program the layer starts gets the signal as this process
// found it.
void Plat_IgnoreFileSizeSignal();

// ---- scripted runs (headless) -----------------------------------------------------------------
// 1 when the frame being drawn now (the one the next Plat_SwapBuffers presents) should be saved as
// a screenshot. Always 0 on x11.
int Plat_ScreenshotWanted();
// The file name the script asked for with that screenshot, or "" for the game's own naming.
const char* Plat_ScreenshotPath();

// ---- the script's clock (headless) -------------------------------------------------------------
// A headless run keeps the script's clock instead of the wall clock, so that one script plays the
// same game on any machine: every frame drawn advances it by the script's step (16 ms unless a
// `step` line sets another), and the run's random numbers start from the script's seed. The
// shell's clock adds the loop's sleeps to it. An x11 window keeps the wall clock.
struct PlatScriptClock {
  uint64_t frameMs;  // what the frames drawn so far advanced the clock by
  uint32_t seed;     // the run's random seed
};
// 1 with the clock's state (out may be null) on a headless run; 0 on x11.
int Plat_ScriptClock(PlatScriptClock* out);

// ---- helpers for tests ------------------------------------------------------------------------
// A headless GL context (EGL surfaceless, pbuffer w x h) made current without any window or script;
// independent of TOLV_VIDEO. 1 on success.
int Plat_HeadlessContext(int w, int h);
void Plat_HeadlessContextFree();

// ---- log and clock ----------------------------------------------------------------------------
// The game's log writer (printf-style). Start-up points it at the game's log; unset, the layer's
// log lines are dropped (each of them also goes to stderr on its own). Null unsets it.
void Plat_SetLog(void (*log)(const char* fmt, ...));
// Milliseconds of a monotonic clock since an arbitrary start; wraps at 2^32.
uint32_t Plat_TimeMs();
// Sleeps at least ms milliseconds; 0 or less only yields.
void Plat_SleepMs(int ms);

// ---- text conversion --------------------------------------------------------------------------
// The Windows-1251 byte of a Unicode code point, or -1 when there is none.
int Plat_UnicodeTo1251(unsigned cp);
// The Unicode code point of a Windows-1251 byte (0x98, the one unassigned byte, gives U+FFFD).
unsigned Plat_1251ToUnicode(unsigned char c);
// Zero-terminated conversions into out (cap bytes, always terminated when cap > 0); characters
// without a Windows-1251 byte become '?'. Answer the length written, without the terminator.
int Plat_Utf8To1251(const char* utf8, char* out, int cap);
int Plat_1251ToUtf8(const char* cp1251, char* out, int cap);
