// State shared by the x11 backend's files: the window and its events (backend_x11.cpp), the
// clipboard (x11_clipboard.cpp), the desktop's dialogs and the game window while one is open
// (x11_dialogs.cpp). Includes Xlib, so it is included only by those .cpp files: Xlib's macros
// (Status, None, ...) stay there.
#pragma once

#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "platform/internal.h"

constexpr int X11_DIALOG_WINS = 8;  // windows of one dialog kept above the game window; more are left

// The names the server knows properties, selections and messages by: interned once when the
// display opens, then only read.
struct X11Atoms {
  Atom wmProtocols, wmDelete, motifHints, netWmName, wmState, netWmState, netWmHidden, netWmPid;
  Atom clipboard, utf8, targets, text, incr, prop;
  Atom wmClientLeader, netWmStateModal, netActiveWindow, netClientList;
};

// The game window and its GL context (backend_x11.cpp).
struct X11Window {
  Window win;
  Colormap cmap;
  XVisualInfo* vi;
  GLXContext ctx;
  XIM im;
  XIC ic;
  Cursor blank;
  bool mapped;
  bool minimised;  // unmapped, iconic or hidden: the size message said so
  bool focused;    // the focus message said so
  bool winGone;    // another client destroyed the window: never drawn into or destroyed again
};

// The keyboard as the window hears it (backend_x11.cpp).
struct X11Input {
  bool detectableRepeat;
  unsigned char kcVk[256];  // keycode -> virtual key (first group, level 0; else Latin group or place)
  unsigned char kcSided[256];   // keycode -> left/right virtual key of Shift, Ctrl, Alt
  unsigned char kcNumpad[256];  // keypad keycode -> its Num Lock code (VK_NUMPAD0 ...)
  bool vkHeld[256];             // keys pressed through this window, for the repeat bit
  bool altGrHeld;               // AltGr (third level) is down: it is no Alt
};

// The CLIPBOARD selection (x11_clipboard.cpp).
struct X11Clipboard {
  bool owns;
  std::string owned;  // 1251, CR LF rows
  // Whether another clipboard owner offers text, kept for half a second per owner.
  Window textOwner;
  uint32_t textOwnerMs;
  bool textOwnerOffers;
};

// A desktop dialog and the game window while it is open (x11_dialogs.cpp).
struct X11Dialog {
  bool open;  // the game waits on it as behind a modal window
  // The dialog's own windows, found by its process and kept above the game window, in the order
  // they appeared (a chooser, then its question before a file is replaced).
  int pid;  // 0 while no dialog is watched (none open, or no game window to own it)
  Window wins[X11_DIALOG_WINS];
  int winCount;
  std::vector<Window> seen;  // top-level windows looked at while it is watched, each once
  long rootMask;             // what we heard of the root window before it was watched
  bool closing;  // the game window's close came while a dialog was open: dialogs cancel from then on
  // The picture the game window keeps meanwhile: the last frame shown, read from the server once
  // when a dialog opens after a new frame; its top-left corner at (keptX, keptY) of the window.
  XImage* kept;
  int keptX, keptY;
  int keptFrame;     // the frame count it was read at, -1 for none
  bool missingSaid;  // the one log line of a run without zenity, kept over a new connection
};

// The display connection, which backend_x11.cpp opens and closes and every file talks through, and
// each file's own part: a group is written only by the file named at its type.
struct X11State {
  Display* dpy;
  int screen;
  Window root;
  Window helper;  // never shown: owns the clipboard and receives conversions, window or not
  int xError;     // the error code caught between X11_TrapBegin and X11_TrapEnd
  X11Atoms atom;
  X11Window window;
  X11Input input;
  X11Clipboard clip;
  X11Dialog dialog;
};

extern X11State gX;

// Turns one X event into messages (main window), hands it to the clipboard or the open dialog, or
// ignores it.
void X11_HandleEvent(XEvent* ev);
// Errors of the protocol are caught, not fatal: X11_TrapBegin clears, X11_TrapEnd syncs and answers
// the error code seen since (0 = none).
void X11_TrapBegin();
int X11_TrapEnd();
// The characters a key press types, as Windows-1251 bytes (Delete types none, Enter 13).
std::string X11_KeyChars(XKeyEvent* ev);
// Waits (bounded) until w is viewable, then gives it the focus.
void X11_MapAndFocus(Window w);
// The 32-bit items of w's property of the given type, at most max of them; none when it has none
// or w is gone.
std::vector<long> X11_PropertyItems(Window w, Atom property, Atom type, long max);

// ---- the clipboard (x11_clipboard.cpp) ----
// A request for the selection is answered (with our text while we own it), a clear of it noted:
// true when ev was one of those.
bool X11_ClipboardEvent(XEvent* ev);
void X11_ClipboardReset();  // a new connection owns no selection

// ---- the game window while a dialog is open (x11_dialogs.cpp) ----
void X11_DialogReset();       // a new connection has no dialog open and no picture kept
void X11_DialogCloseAsked();  // the game window's close or its end: an open dialog cancels
void X11_ForgetPicture();     // the kept picture is dropped (the window goes)
void X11_DrawKept();          // the kept picture back on the window where it was uncovered
// The game window was raised or activated while its dialog is open: the dialog comes back over it.
void X11_RaiseDialog();
void X11_DialogRootEvent(XEvent* ev);  // the root window is heard only while a dialog is watched
