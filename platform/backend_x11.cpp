// The x11 backend: an Xlib window with a GLX context, X events turned into window messages,
// polled keys and cursor, and the CLIPBOARD selection served from our own event pump.

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/keys.h"
#include "platform/x11_internal.h"

X11State gX;

static int OnXError(Display*, XErrorEvent* e) {
  gX.xError = e->error_code ? e->error_code : 1;
  return 0;
}

void X11_TrapBegin() {
  if (gX.dpy) XSync(gX.dpy, False);
  gX.xError = 0;
}

int X11_TrapEnd() {
  if (gX.dpy) XSync(gX.dpy, False);
  return gX.xError;
}

// A key whose first layout group gives no virtual key (a Cyrillic letter) takes it from the first
// Latin group, else from its place on the keyboard, as the desktop does.
static int LatinVk(XkbDescPtr xkb, int kc) {
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

static void BuildKeyTables() {
  memset(gX.kcVk, 0, sizeof gX.kcVk);
  memset(gX.kcSided, 0, sizeof gX.kcSided);
  memset(gX.kcNumpad, 0, sizeof gX.kcNumpad);
  int minKc = 8, maxKc = 255;
  XDisplayKeycodes(gX.dpy, &minKc, &maxKc);
  XkbDescPtr xkb = XkbGetMap(gX.dpy, XkbKeySymsMask, XkbUseCoreKbd);
  if (xkb) XkbGetNames(gX.dpy, XkbKeyNamesMask, xkb);  // without names only the Latin groups help
  for (int kc = minKc; kc <= maxKc && kc < 256; kc++) {
    KeySym ks = XkbKeycodeToKeysym(gX.dpy, (KeyCode)kc, 0, 0);
    int sided = 0;
    int vk = Vk_FromKeysym(ks, &sided);
    if (!vk) vk = sided = LatinVk(xkb, kc);
    gX.kcVk[kc] = (unsigned char)vk;
    gX.kcSided[kc] = (unsigned char)sided;
    if (Vk_IsKeypadNav(ks)) {
      int pad = Vk_FromKeysym(XkbKeycodeToKeysym(gX.dpy, (KeyCode)kc, 0, 1), nullptr);
      if ((pad >= VK_NUMPAD0 && pad <= VK_NUMPAD0 + 9) || pad == VK_DECIMAL)
        gX.kcNumpad[kc] = (unsigned char)pad;
    }
  }
  if (xkb) XkbFreeKeyboard(xkb, 0, True);
}

int X11_Init() {
  memset(gX.vkHeld, 0, sizeof gX.vkHeld);
  gX.dpy = XOpenDisplay(nullptr);
  if (!gX.dpy) {
    fprintf(stderr, "platform: cannot open the X display\n");
    Plat_Log("\nplatform: cannot open the X display");
    return 0;
  }
  XSetErrorHandler(OnXError);
  gX.screen = DefaultScreen(gX.dpy);
  gX.root = RootWindow(gX.dpy, gX.screen);
  gX.win = 0;
  gX.ctx = nullptr;
  gX.vi = nullptr;
  gX.ic = nullptr;
  gX.mapped = false;
  gX.ownsClip = false;
  gX.clipOwned.clear();
  gX.dialogOpen = false;
  gX.dialogPid = 0;
  gX.dialogWinCount = 0;
  gX.dialogSeen.clear();
  gX.rootMask = 0;
  gX.closing = false;
  gX.kept = nullptr;
  gX.keptFrame = -1;
  Bool supported = False;
  // Held keys then repeat presses only, as on the desktop the game was made for.
  XkbSetDetectableAutoRepeat(gX.dpy, True, &supported);
  gX.detectableRepeat = supported;
  gX.wmProtocols = XInternAtom(gX.dpy, "WM_PROTOCOLS", False);
  gX.wmDelete = XInternAtom(gX.dpy, "WM_DELETE_WINDOW", False);
  gX.motifHints = XInternAtom(gX.dpy, "_MOTIF_WM_HINTS", False);
  gX.netWmName = XInternAtom(gX.dpy, "_NET_WM_NAME", False);
  gX.clipboard = XInternAtom(gX.dpy, "CLIPBOARD", False);
  gX.utf8 = XInternAtom(gX.dpy, "UTF8_STRING", False);
  gX.targets = XInternAtom(gX.dpy, "TARGETS", False);
  gX.text = XInternAtom(gX.dpy, "TEXT", False);
  gX.incr = XInternAtom(gX.dpy, "INCR", False);
  gX.prop = XInternAtom(gX.dpy, "TOLV_SELECTION", False);
  gX.wmState = XInternAtom(gX.dpy, "WM_STATE", False);
  gX.netWmState = XInternAtom(gX.dpy, "_NET_WM_STATE", False);
  gX.netWmHidden = XInternAtom(gX.dpy, "_NET_WM_STATE_HIDDEN", False);
  gX.netWmPid = XInternAtom(gX.dpy, "_NET_WM_PID", False);
  gX.wmClientLeader = XInternAtom(gX.dpy, "WM_CLIENT_LEADER", False);
  gX.netWmStateModal = XInternAtom(gX.dpy, "_NET_WM_STATE_MODAL", False);
  gX.netActiveWindow = XInternAtom(gX.dpy, "_NET_ACTIVE_WINDOW", False);
  gX.netClientList = XInternAtom(gX.dpy, "_NET_CLIENT_LIST", False);
  gX.helper = XCreateSimpleWindow(gX.dpy, gX.root, 0, 0, 1, 1, 0, 0, 0);
  XSelectInput(gX.dpy, gX.helper, PropertyChangeMask);
  // A blank cursor for hiding.
  char zero[8] = {};
  Pixmap pm = XCreateBitmapFromData(gX.dpy, gX.root, zero, 8, 8);
  XColor black = {};
  gX.blank = XCreatePixmapCursor(gX.dpy, pm, pm, &black, &black, 0, 0);
  XFreePixmap(gX.dpy, pm);
  XSetLocaleModifiers("@im=none");
  gX.im = XOpenIM(gX.dpy, nullptr, nullptr, nullptr);
  BuildKeyTables();
  return 1;
}

void X11_Shutdown() {
  if (!gX.dpy) return;
  if (gX.im) XCloseIM(gX.im);
  gX.im = nullptr;
  XFreeCursor(gX.dpy, gX.blank);
  XDestroyWindow(gX.dpy, gX.helper);
  XCloseDisplay(gX.dpy);
  gX.dpy = nullptr;
}

static void SetCaption(Window w, const char* caption1251) {
  std::string utf8 = Plat_Utf8From1251(caption1251);
  XStoreName(gX.dpy, w, caption1251);
  XChangeProperty(gX.dpy, w, gX.netWmName, gX.utf8, 8, PropModeReplace,
                  (const unsigned char*)utf8.data(), (int)utf8.size());
}

// Whose window it is, as X11 programs say: its class (by which task bars group and name it and
// window rules match it; the instance is the program's own name), its process and the machine it
// runs on, so that a window manager can also offer to end a game that hangs.
static void SetOwnership(Window w, const char* windowClass) {
  XClassHint* ch = XAllocClassHint();
  ch->res_name = program_invocation_short_name;
  ch->res_class = const_cast<char*>(windowClass);
  XSetClassHint(gX.dpy, w, ch);
  XFree(ch);
  const long pid = (long)getpid();
  XChangeProperty(gX.dpy, w, gX.netWmPid, XA_CARDINAL, 32, PropModeReplace, (const unsigned char*)&pid,
                  1);
  char host[256] = "";
  if (gethostname(host, sizeof host - 1) != 0) return;
  char* hosts[1] = {host};
  XTextProperty machine;
  if (!XStringListToTextProperty(hosts, 1, &machine)) return;
  XSetWMClientMachine(gX.dpy, w, &machine);
  XFree(machine.value);
}

PlatCreateResult X11_CreateWindow(int x, int y, int w, int h, const char* caption,
                                  const char* windowClass) {
  int errBase, evBase;
  if (!glXQueryExtension(gX.dpy, &errBase, &evBase)) return PLAT_CREATE_CHOOSEPF;
  int attrs[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
                 8,        GLX_DEPTH_SIZE,   16,           None};
  gX.vi = glXChooseVisual(gX.dpy, gX.screen, attrs);
  if (!gX.vi) return PLAT_CREATE_CHOOSEPF;

  X11_TrapBegin();
  gX.cmap = XCreateColormap(gX.dpy, gX.root, gX.vi->visual, AllocNone);
  XSetWindowAttributes swa = {};
  swa.colormap = gX.cmap;
  swa.border_pixel = 0;
  swa.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                   FocusChangeMask | StructureNotifyMask | ExposureMask | PropertyChangeMask;
  gX.win = XCreateWindow(gX.dpy, gX.root, x, y, (unsigned)w, (unsigned)h, 0, gX.vi->depth, InputOutput,
                         gX.vi->visual, CWColormap | CWBorderPixel | CWEventMask, &swa);
  if (X11_TrapEnd() || !gX.win) {
    if (gX.win) XDestroyWindow(gX.dpy, gX.win);
    gX.win = 0;
    XFreeColormap(gX.dpy, gX.cmap);
    XFree(gX.vi);
    gX.vi = nullptr;
    return PLAT_CREATE_WINDOW;
  }
  // No frame: the window is the drawing area, placed where asked and not resizable.
  long motif[5] = {2, 0, 0, 0, 0};
  XChangeProperty(gX.dpy, gX.win, gX.motifHints, gX.motifHints, 32, PropModeReplace,
                  (unsigned char*)motif, 5);
  XSizeHints* sh = XAllocSizeHints();
  sh->flags = USPosition | PPosition | PMinSize | PMaxSize;
  sh->x = x;
  sh->y = y;
  sh->min_width = sh->max_width = w;
  sh->min_height = sh->max_height = h;
  XSetWMNormalHints(gX.dpy, gX.win, sh);
  XFree(sh);
  XWMHints* wh = XAllocWMHints();
  wh->flags = InputHint | StateHint;
  wh->input = True;
  wh->initial_state = NormalState;
  XSetWMHints(gX.dpy, gX.win, wh);
  XFree(wh);
  XSetWMProtocols(gX.dpy, gX.win, &gX.wmDelete, 1);
  SetCaption(gX.win, caption);
  SetOwnership(gX.win, windowClass);
  if (gX.im)
    gX.ic = XCreateIC(gX.im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, gX.win,
                      XNFocusWindow, gX.win, nullptr);

  gX.ctx = glXCreateContext(gX.dpy, gX.vi, nullptr, True);
  if (!gX.ctx) gX.ctx = glXCreateContext(gX.dpy, gX.vi, nullptr, False);
  if (!gX.ctx) {
    X11_DestroyWindow();
    return PLAT_CREATE_CONTEXT;
  }
  if (!glXMakeCurrent(gX.dpy, gX.win, gX.ctx)) {
    X11_DestroyWindow();
    return PLAT_CREATE_MAKECURRENT;
  }
  Plat_KeepGlDriverLoaded();
  memset(gX.vkHeld, 0, sizeof gX.vkHeld);
  gX.altGrHeld = false;
  gX.mapped = false;
  gX.minimised = false;
  gX.focused = false;
  gX.winGone = false;
  gX.keptFrame = -1;
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

unsigned long X11_DialogOwner() { return gX.win && !gX.winGone ? (unsigned long)gX.win : 0; }

void X11_FocusGameWindow() {
  if (!gX.dpy || !gX.win || gX.winGone || !gX.mapped) return;
  X11_TrapBegin();
  XRaiseWindow(gX.dpy, gX.win);
  XSetInputFocus(gX.dpy, gX.win, RevertToParent, CurrentTime);
  X11_TrapEnd();
}

// ---- the game window while a dialog is open ----

static void ForgetPicture() {
  if (gX.kept) XDestroyImage(gX.kept);
  gX.kept = nullptr;
  gX.keptFrame = -1;
}

// Reads the picture the window shows, as the server has it, once per frame drawn: a second dialog
// of the same frame (an error box after a chooser) keeps the first one's, since the chooser may
// still cover the window when it opens. Only the part on the screen can be read.
static void KeepPicture() {
  if (!gX.win || gX.winGone || !gX.mapped || gX.minimised) return;
  if (gPlat.frames == 0 || gX.keptFrame == gPlat.frames) return;
  ForgetPicture();
  int rx = 0, ry = 0;
  Window child;
  if (!XTranslateCoordinates(gX.dpy, gX.win, gX.root, 0, 0, &rx, &ry, &child)) return;
  const int x0 = rx < 0 ? -rx : 0, y0 = ry < 0 ? -ry : 0;
  const int x1 = std::min(gPlat.winW, DisplayWidth(gX.dpy, gX.screen) - rx);
  const int y1 = std::min(gPlat.winH, DisplayHeight(gX.dpy, gX.screen) - ry);
  if (x1 <= x0 || y1 <= y0) return;
  X11_TrapBegin();
  XImage* im =
      XGetImage(gX.dpy, gX.win, x0, y0, (unsigned)(x1 - x0), (unsigned)(y1 - y0), AllPlanes, ZPixmap);
  if (X11_TrapEnd() || !im) {
    if (im) XDestroyImage(im);
    return;
  }
  gX.kept = im;
  gX.keptX = x0;
  gX.keptY = y0;
  gX.keptFrame = gPlat.frames;
}

// Puts the kept picture back where the window was uncovered. It goes around GL: the back buffer
// holds the frame that was being drawn when the dialog opened, and that frame goes on once the
// dialog has ended.
static void DrawKept() {
  if (!gX.kept || gX.winGone) return;
  X11_TrapBegin();
  GC gc = XCreateGC(gX.dpy, gX.win, 0, nullptr);
  XPutImage(gX.dpy, gX.win, gc, gX.kept, 0, 0, gX.keptX, gX.keptY, (unsigned)gX.kept->width,
            (unsigned)gX.kept->height);
  XFreeGC(gX.dpy, gc);
  X11_TrapEnd();
}

// ---- the dialog's windows, kept above the game window ----
//
// A dialog stays above the window it belongs to, and a click on that window brings the dialog
// back. The toolkit does so only for the windows it ties to the game window itself (zenity does
// not tie its file chooser), so every window of the dialog's process, or of one it started,
// becomes a modal dialog of the game window as it appears, and while the dialog is open a raise or
// an activation of the game window is answered by activating the dialog again.

// A request to the window manager, which takes them as client messages to the root window.
static void AskWindowManager(Window about, Atom what, long a, long b, long c, long d) {
  XEvent ev = {};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = about;
  ev.xclient.message_type = what;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = a;
  ev.xclient.data.l[1] = b;
  ev.xclient.data.l[2] = c;
  ev.xclient.data.l[3] = d;
  XSendEvent(gX.dpy, gX.root, False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
}

// The 32-bit items of w's property of the given type, at most max of them; none when it has none
// or w is gone.
static std::vector<long> PropertyItems(Window w, Atom property, Atom type, long max) {
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

static long FirstItem(Window w, Atom property, Atom type) {
  const std::vector<long> items = PropertyItems(w, property, type, 1);
  return items.empty() ? 0 : items[0];
}

constexpr long kNetWmStateAdd = 1;
constexpr long kSourceApplication = 1;  // who asks, as the window manager weighs requests
constexpr long kSourcePager = 2;
constexpr int kProcessGenerations = 16;  // how far up a window's process is followed to zenity's

// The parent of process pid as /proc has it, or 0 when it is gone.
static long ParentProcess(long pid) {
  char path[40];
  snprintf(path, sizeof path, "/proc/%ld/stat", pid);
  FILE* f = fopen(path, "r");
  if (!f) return 0;
  char stat[512];
  const size_t n = fread(stat, 1, sizeof stat - 1, f);
  fclose(f);
  stat[n] = 0;
  // "pid (name) state ppid ...": the name may hold spaces and parentheses, and the last ')' ends it.
  const char* nameEnd = strrchr(stat, ')');
  long parent = 0;
  return nameEnd && sscanf(nameEnd + 1, " %*c %ld", &parent) == 1 ? parent : 0;
}

// Whether pid is the dialog's process or one it started, however deep: the zenity on PATH may be
// a script that runs the real one as its child.
static bool OfDialogProcess(long pid) {
  for (int i = 0; i < kProcessGenerations && pid > 1; i++, pid = ParentProcess(pid))
    if (pid == gX.dialogPid) return true;
  return false;
}

// The process a window says it belongs to: its own _NET_WM_PID, else its client leader's (the
// window that speaks for all the windows of its program); 0 when neither says.
static long ProcessOf(Window w) {
  if (const long pid = FirstItem(w, gX.netWmPid, XA_CARDINAL)) return pid;
  const Window leader = (Window)FirstItem(w, gX.wmClientLeader, XA_WINDOW);
  return leader && leader != w ? FirstItem(leader, gX.netWmPid, XA_CARDINAL) : 0;
}

// Whether w's class names zenity, as GTK names it after the program.
static bool NamedZenity(Window w) {
  XClassHint hint = {};
  if (!XGetClassHint(gX.dpy, w, &hint)) return false;
  const bool zenity = (hint.res_name && strcasecmp(hint.res_name, "zenity") == 0) ||
                      (hint.res_class && strcasecmp(hint.res_class, "zenity") == 0);
  if (hint.res_name) XFree(hint.res_name);
  if (hint.res_class) XFree(hint.res_class);
  return zenity;
}

// Whether w is a window of the running dialog. Its process says so: zenity's or one zenity
// started. A window that names no process is the dialog's only when it appeared while the dialog
// is open and its class names zenity. A window of any other process never is, whatever it is
// called and whenever it comes.
static bool OfDialog(Window w, bool appeared) {
  if (const long pid = ProcessOf(w)) return OfDialogProcess(pid);
  return appeared && NamedZenity(w);
}

// w, a top-level window that the window manager manages (managed) or that is shown (the root's
// own child without a window manager), is looked at once while the dialog is watched; appeared
// says it came after the dialog began. When it is the dialog's it becomes a modal dialog of the
// game window. A window the toolkit tied to another of its own (GTK's question over the chooser)
// keeps that tie, which keeps it above the chooser and so above the game window.
static void AdoptDialogWindow(Window w, bool managed, bool appeared) {
  if (!gX.dialogPid || w == gX.win || gX.dialogWinCount >= X11_DIALOG_WINS) return;
  if (std::find(gX.dialogSeen.begin(), gX.dialogSeen.end(), w) != gX.dialogSeen.end()) return;
  XWindowAttributes a;
  if (!XGetWindowAttributes(gX.dpy, w, &a) || a.override_redirect) return;  // gone, or a popup
  if (!managed && a.map_state != IsViewable) return;
  gX.dialogSeen.push_back(w);
  if (!OfDialog(w, appeared)) return;
  X11_TrapBegin();
  Window over = 0;
  if (!XGetTransientForHint(gX.dpy, w, &over) || !over || over == gX.root)
    XSetTransientForHint(gX.dpy, w, gX.win);
  // A mapped window's state changes only by a request to the window manager.
  AskWindowManager(w, gX.netWmState, kNetWmStateAdd, (long)gX.netWmStateModal, 0, kSourceApplication);
  if (X11_TrapEnd()) return;
  gX.dialogWins[gX.dialogWinCount++] = w;
}

static void AdoptManagedWindows(bool appeared) {
  for (long w : PropertyItems(gX.root, gX.netClientList, XA_WINDOW, 4096))
    AdoptDialogWindow((Window)w, true, appeared);
}

static void AdoptShownWindows() {
  Window root, parent, *kids = nullptr;
  unsigned n = 0;
  if (!XQueryTree(gX.dpy, gX.root, &root, &parent, &kids, &n)) return;
  for (unsigned i = 0; i < n; i++) AdoptDialogWindow(kids[i], false, false);
  if (kids) XFree(kids);
}

// The dialog's window to bring back: the last one shown that is still shown, else the last one
// that still exists (hidden with the game window, say); 0 when none does.
static Window DialogWindowToRaise() {
  Window existing = 0;
  for (int i = gX.dialogWinCount - 1; i >= 0; i--) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(gX.dpy, gX.dialogWins[i], &a)) continue;
    if (a.map_state == IsViewable) return gX.dialogWins[i];
    if (!existing) existing = gX.dialogWins[i];
  }
  return existing;
}

// The game window was raised or activated while its dialog is open: the dialog is activated
// again, asked for as a pager asks (a window manager honours a pager where it may refuse an
// application that takes the focus back).
static void RaiseDialog() {
  if (!gX.dialogPid) return;
  const Window w = DialogWindowToRaise();
  if (!w) return;
  AskWindowManager(w, gX.netActiveWindow, kSourcePager, CurrentTime, 0, 0);
  XFlush(gX.dpy);
}

// What the root window says while a dialog is watched: a window shown, the window manager's list
// of its windows changed, another window activated.
static void OnRootEvent(XEvent* ev) {
  if (!gX.dialogPid) return;
  if (ev->type == MapNotify && !ev->xmap.override_redirect) {
    AdoptDialogWindow(ev->xmap.window, false, true);
  } else if (ev->type == PropertyNotify && ev->xproperty.atom == gX.netClientList) {
    AdoptManagedWindows(true);  // the windows it had before were looked at already
  } else if (ev->type == PropertyNotify && ev->xproperty.atom == gX.netActiveWindow &&
             (Window)FirstItem(gX.root, gX.netActiveWindow, XA_WINDOW) == gX.win) {
    RaiseDialog();
  }
}

void X11_DialogBegin(int pid) {
  KeepPicture();
  gX.dialogOpen = true;
  gX.dialogPid = 0;
  gX.dialogWinCount = 0;
  if (!X11_DialogOwner() || pid <= 0) return;  // the start-up question has no owner
  gX.dialogPid = pid;
  gX.dialogSeen.clear();
  // From now on every window shown and every change of the managed list is heard, besides what
  // was heard of the root before; the windows that came before are looked at once, by their
  // process alone (zenity may have shown its window before this).
  XWindowAttributes a;
  gX.rootMask = XGetWindowAttributes(gX.dpy, gX.root, &a) ? a.your_event_mask : 0;
  XSelectInput(gX.dpy, gX.root, gX.rootMask | SubstructureNotifyMask | PropertyChangeMask);
  AdoptManagedWindows(false);
  AdoptShownWindows();
}

void X11_DialogEnd() {
  // The dialog has ended: the focus the window manager hands back to the game window as its
  // windows go brings nothing back.
  if (gX.dialogPid) XSelectInput(gX.dpy, gX.root, gX.rootMask);
  gX.dialogPid = 0;
  gX.dialogWinCount = 0;
  gX.dialogSeen.clear();
  // Everything the server sent before the dialog ended belongs to the dialog's time: taken now,
  // with its presses dropped, so that none of it is carried out later.
  if (gX.dpy) {
    XSync(gX.dpy, False);
    X11_Pump();
  }
  gX.dialogOpen = false;
}

int X11_CloseAsked() { return gX.closing ? 1 : 0; }

void X11_ShowWindow() {
  if (!gX.win) return;
  X11_MapAndFocus(gX.win);
  XMoveWindow(gX.dpy, gX.win, gPlat.winX, gPlat.winY);
  XFlush(gX.dpy);
}

void X11_DestroyWindow() {
  if (!gX.dpy) return;
  if (gX.ctx) {
    glXMakeCurrent(gX.dpy, 0, nullptr);
    glXDestroyContext(gX.dpy, gX.ctx);
    gX.ctx = nullptr;
  }
  if (gX.ic) {
    XDestroyIC(gX.ic);
    gX.ic = nullptr;
  }
  ForgetPicture();
  if (gX.win) {
    if (!gX.winGone) XDestroyWindow(gX.dpy, gX.win);
    XFreeColormap(gX.dpy, gX.cmap);
    gX.win = 0;
  }
  if (gX.vi) {
    XFree(gX.vi);
    gX.vi = nullptr;
  }
  gX.mapped = false;
  XSync(gX.dpy, False);
}

void X11_MoveWindow(int x, int y, int w, int h) {
  if (!gX.win) return;
  XMoveResizeWindow(gX.dpy, gX.win, x, y, (unsigned)w, (unsigned)h);
  XFlush(gX.dpy);
}

void X11_MinimiseWindow() {
  if (!gX.win) return;
  XIconifyWindow(gX.dpy, gX.win, gX.screen);
  XFlush(gX.dpy);
}

void X11_WindowRect(int* x, int* y, int* w, int* h) {
  if (!gX.win) return;
  Window child;
  int rx = 0, ry = 0;
  if (XTranslateCoordinates(gX.dpy, gX.win, gX.root, 0, 0, &rx, &ry, &child)) {
    *x = rx;
    *y = ry;
  }
  (void)w;
  (void)h;
}

int X11_SwapBuffers() {
  if (!gX.win || gX.winGone) return 0;
  glXSwapBuffers(gX.dpy, gX.win);  // GLX reports no failure here
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
  if (gX.ic) {
    Status st = 0;
    int n = Xutf8LookupString(gX.ic, ev, buf, (int)sizeof buf - 1, &ks, &st);
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

// The virtual key of a key event, with the keypad following Num Lock.
static int EventVk(XKeyEvent* ev) {
  unsigned kc = ev->keycode & 0xFF;
  if (gX.kcNumpad[kc] && (ev->state & Mod2Mask)) return gX.kcNumpad[kc];
  return gX.kcVk[kc];
}

// AltGr chooses characters, as Ctrl+Alt does on the desktop: it reports itself as a plain Alt key
// message, and keys pressed under it are no system keys and type what they show.
static bool OnAltGr(XKeyEvent* ev, bool press) {
  KeySym ks = XkbKeycodeToKeysym(gX.dpy, (KeyCode)ev->keycode, 0, 0);
  if (ks != XK_ISO_Level3_Shift && ks != XK_Mode_switch) return false;
  if (!press && !gX.altGrHeld && gX.dialogOpen) return true;  // its press never reached the game
  intptr_t l = press ? 1 : (intptr_t)0xC0000001u;
  if (press && gX.altGrHeld) l |= (intptr_t)1 << 30;
  gX.altGrHeld = press;
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
static void OnKey(XKeyEvent* ev, bool press) {
  if (press && gX.dialogOpen) return;
  if (OnAltGr(ev, press)) return;
  int vk = EventVk(ev);
  bool altHeld = gX.vkHeld[VK_MENU];
  bool sys = vk == VK_MENU || vk == VK_F10 || altHeld;
  intptr_t alt = altHeld || vk == VK_MENU ? kKeyAltHeld : 0;
  if (press) {
    if (vk) {
      intptr_t l = 1 | alt;
      if (gX.vkHeld[vk]) l |= (intptr_t)1 << 30;
      gX.vkHeld[vk] = true;
      PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, (uintptr_t)vk, l);
    }
    // Keys typed with Alt held are system characters, which the game never reads.
    if (!sys) {
      std::string chars = X11_KeyChars(ev);
      for (unsigned char c : chars) PlatQueue_Push(&gPlat.queue, WM_CHAR, c, 1);
    }
  } else if (vk) {
    if (!gX.vkHeld[vk]) {
      if (gX.dialogOpen) return;
      if (vk == VK_SNAPSHOT)
        PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, (uintptr_t)vk, 1 | alt);
    }
    gX.vkHeld[vk] = false;
    PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYUP : WM_KEYUP, (uintptr_t)vk,
                   (intptr_t)0xC0000001u | alt);
  }
}

// A window manager may keep a minimised window mapped and only mark it: iconic in WM_STATE, or
// hidden in _NET_WM_STATE.
static bool WmShowsHidden() {
  const std::vector<long> state = PropertyItems(gX.win, gX.wmState, AnyPropertyType, 2);
  if (!state.empty() && state[0] == IconicState) return true;
  for (long atom : PropertyItems(gX.win, gX.netWmState, XA_ATOM, 64))
    if ((Atom)atom == gX.netWmHidden) return true;
  return false;
}

// Minimising in the desktop's order: the inactive activation marked minimised and the focus loss
// come before the size message, so the window procedure does not count the window active again.
static void SetMinimised(bool on) {
  if (on == gX.minimised) return;
  gX.minimised = on;
  if (on) {
    PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_INACTIVE | (1u << 16), 0);
    if (gX.focused) PlatQueue_Push(&gPlat.queue, WM_KILLFOCUS, 0, 0);
    gX.focused = false;
    PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_MINIMIZED, 0);
  } else {
    PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_RESTORED, Plat_PackXY(gPlat.winW, gPlat.winH));
  }
}

static void ServeSelection(XSelectionRequestEvent* req) {
  XSelectionEvent reply = {};
  reply.type = SelectionNotify;
  reply.display = req->display;
  reply.requestor = req->requestor;
  reply.selection = req->selection;
  reply.target = req->target;
  reply.time = req->time;
  reply.property = 0;
  Atom prop = req->property ? req->property : req->target;
  if (gX.ownsClip && req->selection == gX.clipboard) {
    X11_TrapBegin();
    if (req->target == gX.targets) {
      Atom list[4] = {gX.targets, gX.utf8, XA_STRING, gX.text};
      XChangeProperty(gX.dpy, req->requestor, prop, XA_ATOM, 32, PropModeReplace, (unsigned char*)list,
                      4);
      reply.property = prop;
    } else if (req->target == gX.utf8 || req->target == gX.text || req->target == XA_STRING) {
      std::string lf = Plat_CrlfToLf(gX.clipOwned);
      std::string data;
      if (req->target == XA_STRING) {
        for (unsigned char c : lf) {  // Latin-1: what has no Latin-1 form becomes '?'
          unsigned cp = Plat_1251ToUnicode(c);
          data.push_back(cp < 0x100 ? (char)cp : '?');
        }
      } else {
        data = Plat_Utf8From1251(lf);
      }
      // One property holds at most a request's worth; larger texts are not offered.
      long maxBytes = XExtendedMaxRequestSize(gX.dpy);
      if (!maxBytes) maxBytes = XMaxRequestSize(gX.dpy);
      if ((long)data.size() < maxBytes * 4 - 1024) {
        XChangeProperty(gX.dpy, req->requestor, prop, req->target == XA_STRING ? XA_STRING : gX.utf8, 8,
                        PropModeReplace, (const unsigned char*)data.data(), (int)data.size());
        reply.property = prop;
      } else {
        fprintf(stderr, "platform: clipboard text too large to serve\n");
      }
    }
    if (X11_TrapEnd()) reply.property = 0;
  }
  X11_TrapBegin();
  XSendEvent(gX.dpy, req->requestor, False, 0, (XEvent*)&reply);
  X11_TrapEnd();
}

void X11_HandleEvent(XEvent* ev) {
  if (ev->type == SelectionRequest) {
    ServeSelection(&ev->xselectionrequest);
    return;
  }
  if (ev->type == SelectionClear) {
    // A late clear from an ownership we already took back must not drop what we copied since.
    if (ev->xselectionclear.selection == gX.clipboard)
      gX.ownsClip = XGetSelectionOwner(gX.dpy, gX.clipboard) == gX.helper;
    return;
  }
  if (ev->type == MappingNotify) {
    XRefreshKeyboardMapping(&ev->xmapping);
    BuildKeyTables();
    return;
  }
  if (ev->xany.window == gX.root) {
    OnRootEvent(ev);
    return;
  }
  if (!gX.win || ev->xany.window != gX.win) return;
  switch (ev->type) {
    case KeyPress: OnKey(&ev->xkey, true); break;
    case KeyRelease:
      // Without detectable auto-repeat a held key sends release+press pairs: drop the release.
      if (!gX.detectableRepeat && XEventsQueued(gX.dpy, QueuedAfterReading)) {
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
      if (down && gX.dialogOpen) break;  // a release only clears the button in the key table
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
      if (gX.ic) XSetICFocus(gX.ic);
      gX.focused = true;
      PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_ACTIVE | (gX.minimised ? 1u << 16 : 0u), 0);
      PlatQueue_Push(&gPlat.queue, WM_SETFOCUS, 0, 0);
      RaiseDialog();  // a click on the game window, say: its dialog comes back over it
      break;
    case FocusOut:
      if (ev->xfocus.mode == NotifyGrab || ev->xfocus.mode == NotifyUngrab ||
          ev->xfocus.detail == NotifyPointer)
        break;
      if (gX.ic) XUnsetICFocus(gX.ic);
      memset(gX.vkHeld, 0, sizeof gX.vkHeld);
      gX.altGrHeld = false;
      if (!gX.focused) break;  // minimising already said so
      gX.focused = false;
      PlatQueue_Push(&gPlat.queue, WM_ACTIVATE, WA_INACTIVE | (gX.minimised ? 1u << 16 : 0u), 0);
      PlatQueue_Push(&gPlat.queue, WM_KILLFOCUS, 0, 0);
      break;
    case MapNotify:
      gX.mapped = true;
      RaiseDialog();  // restored while a dialog is open: the dialog comes back over it
      if (WmShowsHidden()) {
        SetMinimised(true);
      } else {
        gX.minimised = false;
        PlatQueue_Push(&gPlat.queue, WM_SIZE, SIZE_RESTORED, Plat_PackXY(gPlat.winW, gPlat.winH));
      }
      break;
    case UnmapNotify:
      if (!gX.mapped) break;
      gX.mapped = false;
      SetMinimised(true);
      break;
    case PropertyNotify:
      if (gX.mapped && (ev->xproperty.atom == gX.wmState || ev->xproperty.atom == gX.netWmState))
        SetMinimised(WmShowsHidden());
      break;
    case ClientMessage:
      if (ev->xclient.message_type == gX.wmProtocols && (Atom)ev->xclient.data.l[0] == gX.wmDelete) {
        PlatQueue_Push(&gPlat.queue, WM_CLOSE, 0, 0);
        if (gX.dialogOpen) gX.closing = true;  // the dialog ends as cancelled, then the run closes
      }
      break;
    case Expose:
      if (gX.dialogOpen && ev->xexpose.count == 0) DrawKept();  // no frame runs meanwhile
      break;
    case DestroyNotify:
      // Another client destroyed the window (we destroy ours only after the last pump): the run
      // ends as by the close button.
      if (ev->xdestroywindow.window != gX.win || gX.winGone) break;
      gX.winGone = true;
      if (gX.dialogOpen) gX.closing = true;
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
    if (gX.kcVk[kc] == vk || gX.kcSided[kc] == vk || gX.kcNumpad[kc] == vk) return 1;
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
  if (!gX.win) return;
  if (visible) XUndefineCursor(gX.dpy, gX.win);
  else XDefineCursor(gX.dpy, gX.win, gX.blank);
  XFlush(gX.dpy);
}

// ---- clipboard ----

int X11_ClipboardSetText(const char* text, int len) {
  if (!gX.dpy) return 0;
  gX.clipOwned.assign(text, (size_t)len);
  XSetSelectionOwner(gX.dpy, gX.clipboard, gX.helper, CurrentTime);
  gX.ownsClip = XGetSelectionOwner(gX.dpy, gX.clipboard) == gX.helper;
  return gX.ownsClip ? 1 : 0;
}

// Another program may have taken the selection since our last pump.
static void CheckOwnership() {
  if (gX.ownsClip && XGetSelectionOwner(gX.dpy, gX.clipboard) != gX.helper) gX.ownsClip = false;
}

static bool FetchSelection(Atom target, std::string* out, Atom* type);

// Whether another owner offers text: its TARGETS name a text form. Asked every frame by the paste
// button, so the answer is kept for half a second per owner.
static bool OwnerOffersText(Window owner) {
  uint32_t now = Plat_TimeMs();
  if (owner == gX.textOwner && now - gX.textOwnerMs < 500) return gX.textOwnerOffers;
  std::string raw;
  Atom type = 0;
  bool text = false;
  if (FetchSelection(gX.targets, &raw, &type) && type == XA_ATOM) {
    for (size_t i = 0; i + sizeof(long) <= raw.size(); i += sizeof(long)) {
      long a;
      memcpy(&a, raw.data() + i, sizeof a);  // format-32 items come as longs
      if ((Atom)a == gX.utf8 || (Atom)a == XA_STRING || (Atom)a == gX.text) text = true;
    }
  }
  gX.textOwner = owner;
  gX.textOwnerMs = Plat_TimeMs();
  gX.textOwnerOffers = text;
  return text;
}

int X11_ClipboardHasText() {
  if (!gX.dpy) return 0;
  CheckOwnership();
  if (gX.ownsClip) return gX.clipOwned.empty() ? 0 : 1;
  Window owner = XGetSelectionOwner(gX.dpy, gX.clipboard);
  return owner != 0 && OwnerOffersText(owner) ? 1 : 0;
}

// Waits (bounded) for a new value of our conversion property; false when none came.
static bool WaitNewValue() {
  XEvent ev;
  for (int i = 0; i < 200; i++) {
    while (XCheckTypedWindowEvent(gX.dpy, gX.helper, PropertyNotify, &ev))
      if (ev.xproperty.atom == gX.prop && ev.xproperty.state == PropertyNewValue) return true;
    Plat_SleepMs(5);
  }
  return false;
}

// A transfer in pieces (INCR): each piece is a new value of the property, deleted once read; an
// empty piece ends it.
static bool ReceiveIncr(std::string* out, Atom* type) {
  out->clear();
  for (;;) {
    if (!WaitNewValue()) return false;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(gX.dpy, gX.helper, gX.prop, 0, 0x7fffffff, True, AnyPropertyType, &actual,
                           &format, &count, &after, &data) != Success)
      return false;
    bool ok = format == 8 || count == 0;
    if (ok && count) out->append((const char*)data, count);
    if (data) XFree(data);
    if (!ok) return false;
    if (count == 0) return true;
    *type = actual;
    if (out->size() > 64u * 1024 * 1024) {  // a paste beyond reason ends the transfer
      fprintf(stderr, "platform: clipboard text too large to take\n");
      return false;
    }
  }
}

// Asks the owner for the text as target; bounded wait, other events stay queued.
static bool FetchSelection(Atom target, std::string* out, Atom* type) {
  XDeleteProperty(gX.dpy, gX.helper, gX.prop);
  XConvertSelection(gX.dpy, gX.clipboard, target, gX.prop, gX.helper, CurrentTime);
  XFlush(gX.dpy);
  XEvent ev;
  bool got = false;
  for (int i = 0; i < 100 && !got; i++) {
    if (XCheckTypedWindowEvent(gX.dpy, gX.helper, SelectionNotify, &ev)) got = true;
    else Plat_SleepMs(5);
  }
  if (!got || ev.xselection.property == 0) return false;
  Atom actual = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  // Stale notices of the property (our deletions) must not count as pieces of what follows.
  while (XCheckTypedWindowEvent(gX.dpy, gX.helper, PropertyNotify, &ev)) {
  }
  if (XGetWindowProperty(gX.dpy, gX.helper, gX.prop, 0, 4 * 1024 * 1024, True, AnyPropertyType, &actual,
                         &format, &count, &after, &data) != Success)
    return false;
  if (actual == gX.incr) {  // deleting the property (above) asked for the first piece
    if (data) XFree(data);
    *type = target;
    return ReceiveIncr(out, type);
  }
  bool ok = (format == 8 || (format == 32 && target == gX.targets)) && data;
  if (ok) out->assign((const char*)data, format == 32 ? count * sizeof(long) : count);
  if (data) XFree(data);
  *type = actual;
  return ok;
}

const char* X11_ClipboardGetText() {
  if (!gX.dpy) return nullptr;
  CheckOwnership();
  if (gX.ownsClip) {
    gPlat.clipOut = gX.clipOwned;
    return gPlat.clipOut.c_str();
  }
  Window owner = XGetSelectionOwner(gX.dpy, gX.clipboard);
  if (owner == 0 || !OwnerOffersText(owner)) return nullptr;
  std::string raw;
  Atom type = 0;
  std::string text;
  if (FetchSelection(gX.utf8, &raw, &type)) {
    text = Plat_1251FromUtf8(raw);
  } else if (FetchSelection(XA_STRING, &raw, &type)) {
    for (unsigned char c : raw) {
      int b = Plat_UnicodeTo1251(c);
      text.push_back(b < 0 ? '?' : (char)b);
    }
  } else {
    return nullptr;
  }
  // A zero byte would end the text early for the game: cut there.
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  gPlat.clipOut = Plat_LfToCrlf(text);
  return gPlat.clipOut.c_str();
}
