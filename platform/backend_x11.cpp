// The x11 backend: an Xlib window with a GLX context, X events turned into window messages,
// polled keys and cursor. Its event pump serves the other x11 files too: the clipboard's events go
// to x11_clipboard.cpp, and while a dialog is open the root window's events and the game window's
// raise and exposure reach x11_dialogs.cpp, which keeps the game window's side of the dialog.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/keys.h"
#include "platform/x11_internal.h"

X11State gX;

namespace {

int OnXError(Display*, XErrorEvent* e) {
  gX.xError = e->error_code ? e->error_code : 1;
  return 0;
}

// A key whose first layout group gives no virtual key (a Cyrillic letter) takes it from the first
// Latin group, else from its place on the keyboard, as the desktop does.
int LatinVk(XkbDescPtr xkb, int kc) {
  if (!xkb) return 0;
  int groups = XkbKeyNumGroups(xkb, kc);
  for (int g = 1; g < groups; g++) {
    KeySym ks = XkbKeycodeToKeysym(gX.dpy, (KeyCode)kc, g, 0);
    if (ks >= 0x20 && ks <= 0x7E) {
      if (int vk = Vk_FromKeysym(ks, nullptr)) return vk;
    }
  }
  if (xkb->names && xkb->names->keys && kc >= xkb->min_key_code && kc <= xkb->max_key_code)
    return Vk_FromKeyPlace(xkb->names->keys[kc].name);
  return 0;
}

void BuildKeyTables() {
  memset(gX.input.kcVk, 0, sizeof gX.input.kcVk);
  memset(gX.input.kcSided, 0, sizeof gX.input.kcSided);
  memset(gX.input.kcNumpad, 0, sizeof gX.input.kcNumpad);
  int minKc = 8, maxKc = 255;
  XDisplayKeycodes(gX.dpy, &minKc, &maxKc);
  XkbDescPtr xkb = XkbGetMap(gX.dpy, XkbKeySymsMask, XkbUseCoreKbd);
  if (xkb) XkbGetNames(gX.dpy, XkbKeyNamesMask, xkb);  // without names only the Latin groups help
  for (int kc = minKc; kc <= maxKc && kc < 256; kc++) {
    KeySym ks = XkbKeycodeToKeysym(gX.dpy, (KeyCode)kc, 0, 0);
    int sided = 0;
    int vk = Vk_FromKeysym(ks, &sided);
    if (!vk) vk = sided = LatinVk(xkb, kc);
    gX.input.kcVk[kc] = (unsigned char)vk;
    gX.input.kcSided[kc] = (unsigned char)sided;
    if (Vk_IsKeypadNav(ks)) {
      int pad = Vk_FromKeysym(XkbKeycodeToKeysym(gX.dpy, (KeyCode)kc, 0, 1), nullptr);
      if ((pad >= VK_NUMPAD0 && pad <= VK_NUMPAD0 + 9) || pad == VK_DECIMAL)
        gX.input.kcNumpad[kc] = (unsigned char)pad;
    }
  }
  if (xkb) XkbFreeKeyboard(xkb, 0, True);
}

void SetCaption(Window w, const char* caption1251) {
  std::string utf8 = Plat_Utf8From1251(caption1251);
  XStoreName(gX.dpy, w, caption1251);
  XChangeProperty(gX.dpy, w, gX.atom.netWmName, gX.atom.utf8, 8, PropModeReplace,
                  (const unsigned char*)utf8.data(), (int)utf8.size());
}

// Whose window it is, as X11 programs say: its class (by which task bars group and name it and
// window rules match it; the instance is the program's own name), its process and the machine it
// runs on, so that a window manager can also offer to end a game that hangs.
void SetOwnership(Window w, const char* windowClass) {
  XClassHint* ch = XAllocClassHint();
  ch->res_name = program_invocation_short_name;
  ch->res_class = const_cast<char*>(windowClass);
  XSetClassHint(gX.dpy, w, ch);
  XFree(ch);
  const long pid = (long)getpid();
  XChangeProperty(gX.dpy, w, gX.atom.netWmPid, XA_CARDINAL, 32, PropModeReplace,
                  (const unsigned char*)&pid, 1);
  char host[256] = "";
  if (gethostname(host, sizeof host - 1) != 0) return;
  char* hosts[1] = {host};
  XTextProperty machine;
  if (!XStringListToTextProperty(hosts, 1, &machine)) return;
  XSetWMClientMachine(gX.dpy, w, &machine);
  XFree(machine.value);
}

// The virtual key of a key event, with the keypad following Num Lock.
int EventVk(XKeyEvent* ev) {
  unsigned kc = ev->keycode & 0xFF;
  if (gX.input.kcNumpad[kc] && (ev->state & Mod2Mask)) return gX.input.kcNumpad[kc];
  return gX.input.kcVk[kc];
}

// AltGr chooses characters, as Ctrl+Alt does on the desktop: it reports itself as a plain Alt key
// message, and keys pressed under it are no system keys and type what they show.
bool OnAltGr(XKeyEvent* ev, bool press) {
  KeySym ks = XkbKeycodeToKeysym(gX.dpy, (KeyCode)ev->keycode, 0, 0);
  if (ks != XK_ISO_Level3_Shift && ks != XK_Mode_switch) return false;
  if (!press && !gX.input.altGrHeld && gX.dialog.open) return true;  // its press never reached the game
  intptr_t l = press ? 1 : (intptr_t)0xC0000001u;
  if (press && gX.input.altGrHeld) l |= (intptr_t)1 << 30;
  gX.input.altGrHeld = press;
  PlatQueue_Push(&gPlat.queue, press ? WM_KEYDOWN : WM_KEYUP, VK_MENU, l);
  return true;
}

// While a dialog is open the game waits as behind a modal window: a press is dropped, and so is
// the release of a key whose press the game never got, because some releases act (a key being
// bound, the input line's caret keys). A release of a key pressed before the dialog still comes,
// so that no key stays down.
//
// A desktop may take a key's press for itself (Print, bound to its own screenshot program) and
// let the window have the release only: a Print release whose press never came is a tap of Print,
// which the game's key table keeps down for the frame that reads it.
void OnKey(XKeyEvent* ev, bool press) {
  if (press && gX.dialog.open) return;
  if (OnAltGr(ev, press)) return;
  int vk = EventVk(ev);
  bool altHeld = gX.input.vkHeld[VK_MENU];
  bool sys = vk == VK_MENU || vk == VK_F10 || altHeld;
  intptr_t alt = altHeld || vk == VK_MENU ? kKeyAltHeld : 0;
  if (press) {
    if (vk) {
      intptr_t l = 1 | alt;
      if (gX.input.vkHeld[vk]) l |= (intptr_t)1 << 30;
      gX.input.vkHeld[vk] = true;
      PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, (uintptr_t)vk, l);
    }
    // Keys typed with Alt held are system characters, which the game never reads.
    if (!sys) {
      std::string chars = X11_KeyChars(ev);
      for (unsigned char c : chars) PlatQueue_Push(&gPlat.queue, WM_CHAR, c, 1);
    }
  } else if (vk) {
    if (!gX.input.vkHeld[vk]) {
      if (gX.dialog.open) return;
      if (vk == VK_SNAPSHOT)
        PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, (uintptr_t)vk, 1 | alt);
    }
    gX.input.vkHeld[vk] = false;
    PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYUP : WM_KEYUP, (uintptr_t)vk,
                   (intptr_t)0xC0000001u | alt);
  }
}

// A window manager may keep a minimised window mapped and only mark it: iconic in WM_STATE, or
// hidden in _NET_WM_STATE.
bool WmShowsHidden() {
  const std::vector<long> state = X11_PropertyItems(gX.window.win, gX.atom.wmState, AnyPropertyType, 2);
  if (!state.empty() && state[0] == IconicState) return true;
  for (long atom : X11_PropertyItems(gX.window.win, gX.atom.netWmState, XA_ATOM, 64))
    if ((Atom)atom == gX.atom.netWmHidden) return true;
  return false;
}

// Minimising in the desktop's order: the inactive activation marked minimised and the focus loss
// come before the size message, so the window procedure does not count the window active again.
void SetMinimised(bool on) {
  if (on == gX.window.minimised) return;
  gX.window.minimised = on;
  if (on) {
    PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_INACTIVE | (1u << 16), 0);
    if (gX.window.focused) PlatQueue_Push(&gPlat.queue, WM_KILLFOCUS, 0, 0);
    gX.window.focused = false;
    PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_MINIMIZED, 0);
  } else {
    PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_RESTORED, Plat_PackXY(gPlat.winW, gPlat.winH));
  }
}

// After a swap Mesa's software renderer asks the server for the window's size at its next
// drawing, and takes the unanswered question of a window that another client has destroyed for a
// size: it then draws past its buffers and ends the process. It is made to ask at once instead (a
// read of one pixel asks), right after the server has said that the window still stands, and not
// after the next frame's update, which left another client all that time to destroy it. A window
// found destroyed ends the run as by its close, and nothing draws into it again.
void CheckWindowAfterSwap() {
  XSync(gX.dpy, False);
  XEvent ev;
  if (XCheckTypedWindowEvent(gX.dpy, gX.window.win, DestroyNotify, &ev)) {
    X11_HandleEvent(&ev);
    return;
  }
  GLubyte pixel[4];
  glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

}  // namespace

void X11_TrapBegin() {
  if (gX.dpy) XSync(gX.dpy, False);
  gX.xError = 0;
}

int X11_TrapEnd() {
  if (gX.dpy) XSync(gX.dpy, False);
  return gX.xError;
}

int X11_Init() {
  memset(gX.input.vkHeld, 0, sizeof gX.input.vkHeld);
  gX.dpy = XOpenDisplay(nullptr);
  if (!gX.dpy) {
    fprintf(stderr, "platform: cannot open the X display\n");
    Plat_Log("\nplatform: cannot open the X display");
    return 0;
  }
  XSetErrorHandler(OnXError);
  gX.screen = DefaultScreen(gX.dpy);
  gX.root = RootWindow(gX.dpy, gX.screen);
  gX.window.win = 0;
  gX.window.ctx = nullptr;
  gX.window.vi = nullptr;
  gX.window.ic = nullptr;
  gX.window.mapped = false;
  X11_ClipboardReset();
  X11_DialogReset();
  Bool supported = False;
  // Held keys then repeat presses only, as on the desktop the game was made for.
  XkbSetDetectableAutoRepeat(gX.dpy, True, &supported);
  gX.input.detectableRepeat = supported;
  gX.atom.wmProtocols = XInternAtom(gX.dpy, "WM_PROTOCOLS", False);
  gX.atom.wmDelete = XInternAtom(gX.dpy, "WM_DELETE_WINDOW", False);
  gX.atom.motifHints = XInternAtom(gX.dpy, "_MOTIF_WM_HINTS", False);
  gX.atom.netWmName = XInternAtom(gX.dpy, "_NET_WM_NAME", False);
  gX.atom.clipboard = XInternAtom(gX.dpy, "CLIPBOARD", False);
  gX.atom.utf8 = XInternAtom(gX.dpy, "UTF8_STRING", False);
  gX.atom.targets = XInternAtom(gX.dpy, "TARGETS", False);
  gX.atom.text = XInternAtom(gX.dpy, "TEXT", False);
  gX.atom.incr = XInternAtom(gX.dpy, "INCR", False);
  gX.atom.prop = XInternAtom(gX.dpy, "TOLV_SELECTION", False);
  gX.atom.wmState = XInternAtom(gX.dpy, "WM_STATE", False);
  gX.atom.netWmState = XInternAtom(gX.dpy, "_NET_WM_STATE", False);
  gX.atom.netWmHidden = XInternAtom(gX.dpy, "_NET_WM_STATE_HIDDEN", False);
  gX.atom.netWmPid = XInternAtom(gX.dpy, "_NET_WM_PID", False);
  gX.atom.wmClientLeader = XInternAtom(gX.dpy, "WM_CLIENT_LEADER", False);
  gX.atom.netWmStateModal = XInternAtom(gX.dpy, "_NET_WM_STATE_MODAL", False);
  gX.atom.netActiveWindow = XInternAtom(gX.dpy, "_NET_ACTIVE_WINDOW", False);
  gX.atom.netClientList = XInternAtom(gX.dpy, "_NET_CLIENT_LIST", False);
  gX.helper = XCreateSimpleWindow(gX.dpy, gX.root, 0, 0, 1, 1, 0, 0, 0);
  XSelectInput(gX.dpy, gX.helper, PropertyChangeMask);
  // A blank cursor for hiding.
  char zero[8] = {};
  Pixmap pm = XCreateBitmapFromData(gX.dpy, gX.root, zero, 8, 8);
  XColor black = {};
  gX.window.blank = XCreatePixmapCursor(gX.dpy, pm, pm, &black, &black, 0, 0);
  XFreePixmap(gX.dpy, pm);
  XSetLocaleModifiers("@im=none");
  gX.window.im = XOpenIM(gX.dpy, nullptr, nullptr, nullptr);
  BuildKeyTables();
  return 1;
}

void X11_Shutdown() {
  if (!gX.dpy) return;
  if (gX.window.im) XCloseIM(gX.window.im);
  gX.window.im = nullptr;
  XFreeCursor(gX.dpy, gX.window.blank);
  XDestroyWindow(gX.dpy, gX.helper);
  XCloseDisplay(gX.dpy);
  gX.dpy = nullptr;
}

PlatCreateResult X11_CreateWindow(int x, int y, int w, int h, const char* caption,
                                  const char* windowClass) {
  int errBase, evBase;
  if (!glXQueryExtension(gX.dpy, &errBase, &evBase)) return PLAT_CREATE_CHOOSEPF;
  int attrs[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
                 8,        GLX_DEPTH_SIZE,   16,           None};
  gX.window.vi = glXChooseVisual(gX.dpy, gX.screen, attrs);
  if (!gX.window.vi) return PLAT_CREATE_CHOOSEPF;

  X11_TrapBegin();
  gX.window.cmap = XCreateColormap(gX.dpy, gX.root, gX.window.vi->visual, AllocNone);
  XSetWindowAttributes swa = {};
  swa.colormap = gX.window.cmap;
  swa.border_pixel = 0;
  swa.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                   FocusChangeMask | StructureNotifyMask | ExposureMask | PropertyChangeMask;
  gX.window.win =
      XCreateWindow(gX.dpy, gX.root, x, y, (unsigned)w, (unsigned)h, 0, gX.window.vi->depth, InputOutput,
                    gX.window.vi->visual, CWColormap | CWBorderPixel | CWEventMask, &swa);
  if (X11_TrapEnd() || !gX.window.win) {
    if (gX.window.win) XDestroyWindow(gX.dpy, gX.window.win);
    gX.window.win = 0;
    XFreeColormap(gX.dpy, gX.window.cmap);
    XFree(gX.window.vi);
    gX.window.vi = nullptr;
    return PLAT_CREATE_WINDOW;
  }
  // No frame: the window is the drawing area, placed where asked and not resizable.
  long motif[5] = {2, 0, 0, 0, 0};
  XChangeProperty(gX.dpy, gX.window.win, gX.atom.motifHints, gX.atom.motifHints, 32, PropModeReplace,
                  (unsigned char*)motif, 5);
  XSizeHints* sh = XAllocSizeHints();
  sh->flags = USPosition | PPosition | PMinSize | PMaxSize;
  sh->x = x;
  sh->y = y;
  sh->min_width = sh->max_width = w;
  sh->min_height = sh->max_height = h;
  XSetWMNormalHints(gX.dpy, gX.window.win, sh);
  XFree(sh);
  XWMHints* wh = XAllocWMHints();
  wh->flags = InputHint | StateHint;
  wh->input = True;
  wh->initial_state = NormalState;
  XSetWMHints(gX.dpy, gX.window.win, wh);
  XFree(wh);
  XSetWMProtocols(gX.dpy, gX.window.win, &gX.atom.wmDelete, 1);
  SetCaption(gX.window.win, caption);
  SetOwnership(gX.window.win, windowClass);
  if (gX.window.im)
    gX.window.ic = XCreateIC(gX.window.im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                             XNClientWindow, gX.window.win, XNFocusWindow, gX.window.win, nullptr);

  gX.window.ctx = glXCreateContext(gX.dpy, gX.window.vi, nullptr, True);
  if (!gX.window.ctx) gX.window.ctx = glXCreateContext(gX.dpy, gX.window.vi, nullptr, False);
  if (!gX.window.ctx) {
    X11_DestroyWindow();
    return PLAT_CREATE_CONTEXT;
  }
  if (!glXMakeCurrent(gX.dpy, gX.window.win, gX.window.ctx)) {
    X11_DestroyWindow();
    return PLAT_CREATE_MAKECURRENT;
  }
  Plat_KeepGlDriverLoaded();
  memset(gX.input.vkHeld, 0, sizeof gX.input.vkHeld);
  gX.input.altGrHeld = false;
  gX.window.mapped = false;
  gX.window.minimised = false;
  gX.window.focused = false;
  gX.window.winGone = false;
  X11_ForgetPicture();
  return PLAT_CREATE_OK;
}

void X11_MapAndFocus(Window w) {
  XMapRaised(gX.dpy, w);
  XSync(gX.dpy, False);
  for (int i = 0; i < 200; i++) {
    XWindowAttributes wa;
    if (XGetWindowAttributes(gX.dpy, w, &wa) && wa.map_state == IsViewable) break;
    Plat_SleepMs(5);
  }
  X11_TrapBegin();
  XSetInputFocus(gX.dpy, w, RevertToParent, CurrentTime);
  X11_TrapEnd();
}

int X11_ConnectionFd() { return gX.dpy ? ConnectionNumber(gX.dpy) : -1; }

// The 32-bit items of w's property of the given type, at most max of them; none when it has none
// or w is gone.
std::vector<long> X11_PropertyItems(Window w, Atom property, Atom type, long max) {
  Atom actual = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<long> items;
  if (XGetWindowProperty(gX.dpy, w, property, 0, max, False, type, &actual, &format, &count, &after,
                         &data) == Success &&
      data && format == 32)
    items.assign((long*)data, (long*)data + count);  // format-32 items come as longs
  if (data) XFree(data);
  return items;
}

void X11_ShowWindow() {
  if (!gX.window.win) return;
  X11_MapAndFocus(gX.window.win);
  XMoveWindow(gX.dpy, gX.window.win, gPlat.winX, gPlat.winY);
  XFlush(gX.dpy);
}

void X11_DestroyWindow() {
  if (!gX.dpy) return;
  if (gX.window.ctx) {
    glXMakeCurrent(gX.dpy, 0, nullptr);
    glXDestroyContext(gX.dpy, gX.window.ctx);
    gX.window.ctx = nullptr;
  }
  if (gX.window.ic) {
    XDestroyIC(gX.window.ic);
    gX.window.ic = nullptr;
  }
  X11_ForgetPicture();
  if (gX.window.win) {
    if (!gX.window.winGone) XDestroyWindow(gX.dpy, gX.window.win);
    XFreeColormap(gX.dpy, gX.window.cmap);
    gX.window.win = 0;
  }
  if (gX.window.vi) {
    XFree(gX.window.vi);
    gX.window.vi = nullptr;
  }
  gX.window.mapped = false;
  XSync(gX.dpy, False);
}

void X11_MoveWindow(int x, int y, int w, int h) {
  if (!gX.window.win) return;
  XMoveResizeWindow(gX.dpy, gX.window.win, x, y, (unsigned)w, (unsigned)h);
  XFlush(gX.dpy);
}

void X11_MinimiseWindow() {
  if (!gX.window.win) return;
  XIconifyWindow(gX.dpy, gX.window.win, gX.screen);
  XFlush(gX.dpy);
}

void X11_WindowRect(int* x, int* y, int* w, int* h) {
  if (!gX.window.win) return;
  Window child;
  int rx = 0, ry = 0;
  if (XTranslateCoordinates(gX.dpy, gX.window.win, gX.root, 0, 0, &rx, &ry, &child)) {
    *x = rx;
    *y = ry;
  }
  (void)w;
  (void)h;
}

int X11_SwapBuffers() {
  if (!gX.window.win || gX.window.winGone) return 0;
  glXSwapBuffers(gX.dpy, gX.window.win);  // GLX reports no failure here
  CheckWindowAfterSwap();
  return 1;
}

void* X11_GlProcAddress(const char* name) {
  if (!glXGetCurrentContext()) return nullptr;
  return (void*)glXGetProcAddressARB((const GLubyte*)name);
}

std::string X11_KeyChars(XKeyEvent* ev) {
  std::string out;
  KeySym ks0 = XkbKeycodeToKeysym(gX.dpy, (KeyCode)ev->keycode, 0, 0);
  if (ks0 == XK_Delete || ks0 == XK_KP_Delete) return out;  // Delete types nothing
  char buf[64];
  KeySym ks = NoSymbol;
  if (gX.window.ic) {
    Status st = 0;
    int n = Xutf8LookupString(gX.window.ic, ev, buf, (int)sizeof buf - 1, &ks, &st);
    if ((st == XLookupChars || st == XLookupBoth) && n > 0) {
      std::string u(buf, (size_t)n);
      size_t pos = 0;
      while (pos < u.size()) {
        unsigned cp = Plat_Utf8Next(u, &pos);
        if (cp == '\n') cp = 13;
        int b = Plat_UnicodeTo1251(cp);
        if (b > 0 && b != 0x7F) out.push_back((char)b);
      }
      if (!out.empty()) return out;
    }
  }
  // Without an input method, or one that knows only ASCII: control characters from Xlib, the
  // rest from the keysym under the pressed modifiers.
  int n = XLookupString(ev, buf, (int)sizeof buf - 1, &ks, nullptr);
  if (n == 1 && (unsigned char)buf[0] < 0x20) {
    out.push_back(buf[0] == '\n' ? 13 : buf[0]);
    return out;
  }
  unsigned cp = Vk_KeysymToUnicode(ks);
  int b = cp ? Plat_UnicodeTo1251(cp) : -1;
  if (b > 0 && b != 0x7F) out.push_back((char)b);
  return out;
}

void X11_HandleEvent(XEvent* ev) {
  if (X11_ClipboardEvent(ev)) return;
  if (ev->type == MappingNotify) {
    XRefreshKeyboardMapping(&ev->xmapping);
    BuildKeyTables();
    return;
  }
  if (ev->xany.window == gX.root) {
    X11_DialogRootEvent(ev);
    return;
  }
  if (!gX.window.win || ev->xany.window != gX.window.win) return;
  switch (ev->type) {
    case KeyPress: OnKey(&ev->xkey, true); break;
    case KeyRelease:
      // Without detectable auto-repeat a held key sends release+press pairs: drop the release.
      if (!gX.input.detectableRepeat && XEventsQueued(gX.dpy, QueuedAfterReading)) {
        XEvent next;
        XPeekEvent(gX.dpy, &next);
        if (next.type == KeyPress && next.xkey.time == ev->xkey.time &&
            next.xkey.keycode == ev->xkey.keycode)
          break;
      }
      OnKey(&ev->xkey, false);
      break;
    case ButtonPress:
    case ButtonRelease: {
      bool down = ev->type == ButtonPress;
      if (down && gX.dialog.open) break;  // a release only clears the button in the key table
      intptr_t l = Plat_PackXY(ev->xbutton.x, ev->xbutton.y);
      switch (ev->xbutton.button) {
        case Button1: PlatQueue_Push(&gPlat.queue, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, l); break;
        case Button2: PlatQueue_Push(&gPlat.queue, down ? WM_MBUTTONDOWN : WM_MBUTTONUP, 0, l); break;
        case Button3: PlatQueue_Push(&gPlat.queue, down ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, l); break;
        case Button4:
        case Button5:
          if (down) {
            int delta = ev->xbutton.button == Button4 ? 120 : -120;
            PlatQueue_Push(&gPlat.queue, WM_MOUSEWHEEL, (uintptr_t)((unsigned)(delta & 0xFFFF) << 16),
                           l);
          }
          break;
      }
      break;
    }
    case FocusIn:
      if (ev->xfocus.mode == NotifyGrab || ev->xfocus.mode == NotifyUngrab ||
          ev->xfocus.detail == NotifyPointer)
        break;
      if (gX.window.ic) XSetICFocus(gX.window.ic);
      gX.window.focused = true;
      PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_ACTIVE | (gX.window.minimised ? 1u << 16 : 0u), 0);
      PlatQueue_Push(&gPlat.queue, WM_SETFOCUS, 0, 0);
      X11_RaiseDialog();  // a click on the game window, say: its dialog comes back over it
      break;
    case FocusOut:
      if (ev->xfocus.mode == NotifyGrab || ev->xfocus.mode == NotifyUngrab ||
          ev->xfocus.detail == NotifyPointer)
        break;
      if (gX.window.ic) XUnsetICFocus(gX.window.ic);
      memset(gX.input.vkHeld, 0, sizeof gX.input.vkHeld);
      gX.input.altGrHeld = false;
      if (!gX.window.focused) break;  // minimising already said so
      gX.window.focused = false;
      PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_INACTIVE | (gX.window.minimised ? 1u << 16 : 0u), 0);
      PlatQueue_Push(&gPlat.queue, WM_KILLFOCUS, 0, 0);
      break;
    case MapNotify:
      gX.window.mapped = true;
      X11_RaiseDialog();  // restored while a dialog is open: the dialog comes back over it
      if (WmShowsHidden()) {
        SetMinimised(true);
      } else {
        gX.window.minimised = false;
        PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_RESTORED, Plat_PackXY(gPlat.winW, gPlat.winH));
      }
      break;
    case UnmapNotify:
      if (!gX.window.mapped) break;
      gX.window.mapped = false;
      SetMinimised(true);
      break;
    case PropertyNotify:
      if (gX.window.mapped &&
          (ev->xproperty.atom == gX.atom.wmState || ev->xproperty.atom == gX.atom.netWmState))
        SetMinimised(WmShowsHidden());
      break;
    case ClientMessage:
      if (ev->xclient.message_type == gX.atom.wmProtocols &&
          (Atom)ev->xclient.data.l[0] == gX.atom.wmDelete) {
        PlatQueue_Push(&gPlat.queue, WM_CLOSE, 0, 0);
        X11_DialogCloseAsked();  // an open dialog ends as cancelled, then the run closes
      }
      break;
    case Expose:
      if (gX.dialog.open && ev->xexpose.count == 0) X11_DrawKept();  // no frame runs meanwhile
      break;
    case DestroyNotify:
      // Another client destroyed the window (we destroy ours only after the last pump): the run
      // ends as by the close button.
      if (ev->xdestroywindow.window != gX.window.win || gX.window.winGone) break;
      gX.window.winGone = true;
      X11_DialogCloseAsked();
      PlatQueue_Push(&gPlat.queue, WM_CLOSE, 0, 0);
      break;
  }
}

void X11_Pump() {
  if (!gX.dpy) return;
  while (XPending(gX.dpy)) {
    XEvent ev;
    XNextEvent(gX.dpy, &ev);
    if (XFilterEvent(&ev, 0)) continue;
    X11_HandleEvent(&ev);
  }
}

int X11_KeyIsDown(int vk) {
  if (!gX.dpy) return 0;
  if (vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON) {
    Window r, c;
    int rx, ry, wx, wy;
    unsigned mask = 0;
    XQueryPointer(gX.dpy, gX.root, &r, &c, &rx, &ry, &wx, &wy, &mask);
    unsigned bit = vk == VK_LBUTTON ? Button1Mask : vk == VK_RBUTTON ? Button3Mask : Button2Mask;
    return (mask & bit) ? 1 : 0;
  }
  char keys[32];
  XQueryKeymap(gX.dpy, keys);
  for (int kc = 8; kc < 256; kc++) {
    if (!(keys[kc >> 3] & (1 << (kc & 7)))) continue;
    if (gX.input.kcVk[kc] == vk || gX.input.kcSided[kc] == vk || gX.input.kcNumpad[kc] == vk) return 1;
  }
  return 0;
}

void X11_CursorPos(int* x, int* y) {
  if (!gX.dpy) return;
  Window r, c;
  int rx = 0, ry = 0, wx, wy;
  unsigned mask;
  if (XQueryPointer(gX.dpy, gX.root, &r, &c, &rx, &ry, &wx, &wy, &mask)) {
    *x = rx;
    *y = ry;
  }
}

void X11_CursorVisible(int visible) {
  if (!gX.window.win) return;
  if (visible) XUndefineCursor(gX.dpy, gX.window.win);
  else XDefineCursor(gX.dpy, gX.window.win, gX.window.blank);
  XFlush(gX.dpy);
}
