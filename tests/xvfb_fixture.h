// A private Xvfb server for tests that need a real display, and the moves a user makes on it:
// finding a window by its name, answering a dialog by keys and typed text, pressing a window's close
// button, counting the frames a window draws. Every process a test starts here ends with the test: it is
// stopped by its process id when its guard goes, and killed by the kernel should the test process
// itself die first. Waits are for what the test needs to see; their limits only end a test that
// would otherwise hang, so they are generous for a busy machine.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "test_files.h"

// A window destroyed between our look-ups is no fault: the call just answers nothing. Without this
// Xlib's default handler ends the whole test process.
inline int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// The longest a test waits for something it needs to see before it gives up.
constexpr int kXWaitMs = 60000;

inline long long XNowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Polls done() every few milliseconds until it answers true (true) or ms pass (false).
template <class Done>
bool WaitUntil(Done done, int ms = kXWaitMs) {
  const long long end = XNowMs() + ms;
  for (;;) {
    if (done()) return true;
    if (XNowMs() >= end) return false;
    Plat_SleepMs(2);
  }
}

// In a child just forked by a test: it ends when the test process ends, whatever ends it.
inline void DieWithTest() {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() == 1) _exit(126);  // the test is gone already
}

// In a child just forked by a test: it dies with the test, works in dir and writes what it says to
// the file out there.
inline void ChildStartIn(const std::string& dir, const char* out) {
  DieWithTest();
  if (chdir(dir.c_str()) != 0) _exit(126);
  const int fd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd >= 0) {
    dup2(fd, 1);
    dup2(fd, 2);
  }
}

inline void StopProcess(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// Stops a process the test started when the guard goes (the test ended, passed or failed).
struct ProcessGuard {
  pid_t pid = 0;
  ProcessGuard() = default;
  explicit ProcessGuard(pid_t p) : pid(p) {}
  ProcessGuard(const ProcessGuard&) = delete;
  ProcessGuard& operator=(const ProcessGuard&) = delete;
  ~ProcessGuard() { Stop(); }
  void Stop() {
    StopProcess(pid);
    pid = 0;
  }
};

inline const char* FindXvfb() {
  static const char* paths[] = {"/usr/bin/Xvfb", "/usr/local/bin/Xvfb", "/bin/Xvfb"};
  for (const char* p : paths)
    if (access(p, X_OK) == 0) return p;
  return nullptr;
}

// One server on a display number it picks itself, so parallel tests never collide.
struct XvfbServer {
  pid_t pid = -1;
  std::string display;  // ":N" once started

  // Answers an empty string when the server runs, else why not. The screen is small unless a
  // test needs a whole game window on it.
  std::string Start(const char* bin, const char* screen = "640x480x24") {
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    pid = fork();
    if (pid < 0) {
      close(fds[0]);
      close(fds[1]);
      return "fork failed";
    }
    if (pid == 0) {
      DieWithTest();
      close(fds[0]);
      int devnull = open("/dev/null", O_WRONLY);
      if (devnull >= 0) dup2(devnull, 2);
      std::string fd = std::to_string(fds[1]);
      execl(bin, "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
            (char*)nullptr);
      _exit(127);
    }
    close(fds[1]);
    // The server writes its display number once it accepts connections.
    std::string num;
    pollfd p = {fds[0], POLLIN, 0};
    while (poll(&p, 1, kXWaitMs) > 0) {
      char c;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      num.push_back(c);
    }
    close(fds[0]);
    if (num.empty()) return "Xvfb did not start";
    display = ":" + num;
    return "";
  }

  void Stop() {
    StopProcess(pid);
    pid = -1;
  }
  ~XvfbServer() { Stop(); }
};

// Whether a window's name begins with caption: the UTF-8 name (_NET_WM_NAME) that desktop
// toolkits set, else WM_NAME, where Cyrillic reaches as '?' (it is Latin-1), so callers name the
// Latin start of a caption or its UTF-8 bytes.
inline bool NameStarts(Display* d, Window w, const char* caption) {
  bool same = false;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after,
                         &data) == Success &&
      data && format == 8) {
    same = std::string((const char*)data, count).compare(0, strlen(caption), caption) == 0;
    XFree(data);
    return same;
  }
  if (data) XFree(data);
  char* name = nullptr;
  same = XFetchName(d, w, &name) && name && strncmp(name, caption, strlen(caption)) == 0;
  if (name) XFree(name);
  return same;
}

// The window holding the keyboard focus when its name begins with caption, else 0.
inline Window FocusedNamed(Display* d, const char* caption) {
  Window focus;
  int revert;
  XGetInputFocus(d, &focus, &revert);
  return focus > PointerRoot && NameStarts(d, focus, caption) ? focus : 0;
}

// A mapped window of a program whose name begins with caption, else 0. Without a window manager
// the programs' windows are the root's own children; a window manager puts each into a frame of
// its own, a level or two down.
inline Window MappedNamedUnder(Display* d, Window under, const char* caption, int depth) {
  Window root, parent, *kids = nullptr, found = 0;
  unsigned n = 0;
  if (!XQueryTree(d, under, &root, &parent, &kids, &n)) return 0;
  for (unsigned i = 0; i < n && !found; i++) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, kids[i], &a) || a.map_state != IsViewable) continue;
    if (NameStarts(d, kids[i], caption)) found = kids[i];
    else if (depth > 0) found = MappedNamedUnder(d, kids[i], caption, depth - 1);
  }
  if (kids) XFree(kids);
  return found;
}
inline Window MappedNamed(Display* d, const char* caption) {
  return MappedNamedUnder(d, DefaultRootWindow(d), caption, 2);
}

// A mapped top-level window that a program shows over its window owner (transient for it, as
// GTK's question before a file is replaced), else 0.
inline Window MappedTransientFor(Display* d, Window owner) {
  Window root, parent, *kids = nullptr, found = 0;
  unsigned n = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &n)) return 0;
  for (unsigned i = 0; i < n && !found; i++) {
    XWindowAttributes a;
    Window over = 0;
    if (XGetWindowAttributes(d, kids[i], &a) && a.map_state == IsViewable &&
        XGetTransientForHint(d, kids[i], &over) && over == owner)
      found = kids[i];
  }
  if (kids) XFree(kids);
  return found;
}

// ---- a window manager of the test's own ----

inline const char* FindOpenbox() {
  return access("/usr/bin/openbox", X_OK) == 0 ? "/usr/bin/openbox" : nullptr;
}

// openbox with its stock configuration on display: its home, settings, cache and data are dir's
// (nothing of the user's), it runs in dir with its output in dir/openbox.out, and it finds the
// programs it starts on path. Its process id, or 0 when it is not installed; a ProcessGuard stops
// it.
inline pid_t StartOpenbox(const std::string& display, const std::string& dir, const std::string& path) {
  const char* openbox = FindOpenbox();
  if (!openbox) return 0;
  const pid_t pid = fork();
  if (pid != 0) return pid < 0 ? 0 : pid;
  ChildStartIn(dir, "openbox.out");
  setenv("DISPLAY", display.c_str(), 1);
  setenv("PATH", path.c_str(), 1);
  setenv("HOME", dir.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (dir + "/cache").c_str(), 1);
  setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
  unsetenv("XDG_CONFIG_DIRS");
  execl(openbox, "openbox", "--sm-disable", (char*)nullptr);
  _exit(127);
}

// The 32-bit items of w's property of the given type (at most max); none when it has none.
inline std::vector<long> PropertyItems(Display* d, Window w, const char* property, Atom type,
                                       long max = 4096) {
  Atom actual = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<long> items;
  if (XGetWindowProperty(d, w, XInternAtom(d, property, False), 0, max, False, type, &actual, &format,
                         &count, &after, &data) == Success &&
      data && format == 32)
    items.assign((long*)data, (long*)data + count);
  if (data) XFree(data);
  return items;
}

inline long FirstItemOf(Display* d, Window w, const char* property, Atom type) {
  const std::vector<long> items = PropertyItems(d, w, property, type, 1);
  return items.empty() ? 0 : items[0];
}

// A client message about the window about, sent to the window to (with the mask, for a window
// manager's requests to the root window).
inline void SendClientMessage(Display* d, Window to, long mask, Window about, const char* type,
                              long l0) {
  XEvent ev = {};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = about;
  ev.xclient.message_type = XInternAtom(d, type, False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = l0;
  XSendEvent(d, to, False, mask, &ev);
  XSync(d, False);
}
constexpr long kToWindowManager = SubstructureRedirectMask | SubstructureNotifyMask;

// Whether a window manager runs: the check window it names on the root names itself.
inline bool WindowManagerRuns(Display* d) {
  const Window check =
      (Window)FirstItemOf(d, DefaultRootWindow(d), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  return check && (Window)FirstItemOf(d, check, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) == check;
}

// Waits until the window manager has handled everything it was sent before: it answers requests
// in order, and here it answers one for the frame of a window of the test's. False when it did not
// within the limit.
inline bool WindowManagerCaughtUp(Display* d) {
  const Window probe = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
  SendClientMessage(d, DefaultRootWindow(d), kToWindowManager, probe, "_NET_REQUEST_FRAME_EXTENTS", 0);
  const bool answered =
      WaitUntil([&] { return !PropertyItems(d, probe, "_NET_FRAME_EXTENTS", XA_CARDINAL, 4).empty(); });
  XDestroyWindow(d, probe);
  XSync(d, False);
  return answered;
}

// A window the window manager manages whose name begins with caption, else 0. Its own windows
// are not among them (openbox keeps one named "Openbox" mapped, which "Open" would find).
inline Window ManagedNamed(Display* d, const char* caption) {
  for (long w : PropertyItems(d, DefaultRootWindow(d), "_NET_CLIENT_LIST", XA_WINDOW)) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, (Window)w, &a) && a.map_state == IsViewable &&
        NameStarts(d, (Window)w, caption))
      return (Window)w;
  }
  return 0;
}

// Whether the window manager stacks upper above lower (both in its list, bottom first).
inline bool StackedAbove(Display* d, Window upper, Window lower) {
  const std::vector<long> order =
      PropertyItems(d, DefaultRootWindow(d), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
  const auto up = std::find(order.begin(), order.end(), (long)upper);
  const auto low = std::find(order.begin(), order.end(), (long)lower);
  return up != order.end() && low != order.end() && up > low;
}

// Whether w has the focus: the window manager says it is the active window, and the keyboard
// focus is w or a window inside it (GTK focuses a window of its own there).
inline bool HasFocus(Display* d, Window w) {
  if ((Window)FirstItemOf(d, DefaultRootWindow(d), "_NET_ACTIVE_WINDOW", XA_WINDOW) != w) return false;
  Window focus = 0;
  int revert;
  XGetInputFocus(d, &focus, &revert);
  while (focus > PointerRoot && focus != w) {
    Window root, parent = 0, *kids = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, focus, &root, &parent, &kids, &n)) return false;
    if (kids) XFree(kids);
    focus = parent;
  }
  return focus == w;
}

// The innermost window under the pointer.
inline Window WindowUnderPointer(Display* d) {
  Window w = DefaultRootWindow(d), root, child = 0;
  int rx, ry, wx, wy;
  unsigned mask;
  while (XQueryPointer(d, w, &root, &child, &rx, &ry, &wx, &wy, &mask) && child) w = child;
  return w;
}

// A restore as a task bar or `wmctrl -a` asks for it: the window activated, on a pager's word.
inline void ActivateAsPager(Display* d, Window w) {
  SendClientMessage(d, DefaultRootWindow(d), kToWindowManager, w, "_NET_ACTIVE_WINDOW", 2);
}

// What a window manager sends when its close button is pressed.
inline void SendDeleteWindow(Display* d, Window w) {
  SendClientMessage(d, w, 0, w, "WM_PROTOCOLS", (long)XInternAtom(d, "WM_DELETE_WINDOW", False));
}

inline void TapCode(Display* d, KeyCode kc) {
  XTestFakeKeyEvent(d, kc, True, 0);
  XTestFakeKeyEvent(d, kc, False, 0);
  XSync(d, False);
}
inline void TapKey(Display* d, KeySym ks) { TapCode(d, XKeysymToKeycode(d, ks)); }

// The highest key code that has no symbol in the server's keymap, else 0.
inline KeyCode SpareKey(Display* d) {
  int lo = 0, hi = 0, per = 0;
  XDisplayKeycodes(d, &lo, &hi);
  KeySym* map = XGetKeyboardMapping(d, (KeyCode)lo, hi - lo + 1, &per);
  KeyCode spare = 0;
  for (int kc = hi; kc >= lo && !spare; kc--) {
    bool empty = true;
    for (int k = 0; k < per; k++) empty = empty && map[(kc - lo) * per + k] == NoSymbol;
    if (empty) spare = (KeyCode)kc;
  }
  XFree(map);
  return spare;
}

// Counts the frames a window draws, as the server's damage reports on it: each buffer swap of the
// program repaints the window. A test holds a key or a button until the program has drawn frames
// with it held, and goes on once the frames it waits for are drawn, however slow they come.
struct FrameWatch {
  Display* d = nullptr;
  Damage damage = 0;
  int eventBase = 0;
  long drawn = 0;  // reports so far

  // False when the server has no damage extension.
  bool Start(Display* display, Window w) {
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &eventBase, &errorBase)) return false;
    d = display;
    damage = XDamageCreate(d, w, XDamageReportNonEmpty);
    XSync(d, False);
    return damage != 0;
  }
  // Before the display is closed.
  void Stop() {
    if (d && damage) XDamageDestroy(d, damage);
    damage = 0;
    d = nullptr;
  }
  // Takes the reports that came; each is answered by emptying the damage, so that the next
  // drawing reports again.
  long Pump() {
    if (!d) return drawn;
    XEvent ev;
    bool any = false;
    while (XCheckTypedEvent(d, eventBase + XDamageNotify, &ev)) {
      drawn++;
      any = true;
    }
    if (any) {
      XDamageSubtract(d, damage, None, None);
      XFlush(d);
    }
    return drawn;
  }
  // Waits until the window has drawn n more times; false when it did not within the limit or
  // when alive() says the program is gone.
  template <class Alive>
  bool Frames(int n, Alive alive) {
    const long want = Pump() + n;
    return WaitUntil([&] { return Pump() >= want || !alive(); }) && drawn >= want;
  }
  bool Frames(int n) {
    return Frames(n, [] { return true; });
  }
};

// Types UTF-8 text by XTest as a user's keyboard would: ASCII by the keys of the server's layout
// (lower case, digits and punctuation without Shift), every other character by a spare key bound
// to it. Bind the text's characters before the program that reads them starts, so that its
// keymap has them.
struct Typist {
  Display* d = nullptr;
  std::vector<std::pair<unsigned, KeyCode>> bound;  // code point, spare key

  static std::vector<unsigned> CodePoints(const std::string& utf8) {
    std::vector<unsigned> cps;
    for (size_t i = 0; i < utf8.size();) {
      const unsigned char c = (unsigned char)utf8[i];
      const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
      unsigned cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
      for (int k = 1; k < n && i + k < utf8.size(); k++)
        cp = cp << 6 | ((unsigned char)utf8[i + k] & 0x3F);
      cps.push_back(cp);
      i += (size_t)n;
    }
    return cps;
  }

  KeyCode Find(Display* u, unsigned cp) const {
    if (cp < 0x80) return XKeysymToKeycode(u, (KeySym)cp);  // Latin-1 keysyms are the code points
    for (const auto& b : bound)
      if (b.first == cp) return b.second;
    return 0;
  }

  // Binds every non-ASCII character of text to a key that has no symbol; false when the server
  // has too few spare keys.
  bool Bind(Display* display, const std::string& text) {
    d = display;
    for (unsigned cp : CodePoints(text)) {
      if (Find(d, cp)) continue;
      const KeyCode spare = SpareKey(d);
      if (!spare) return false;
      KeySym ks = 0x01000000 | cp;  // the keysym of a Unicode character
      XChangeKeyboardMapping(d, spare, 1, &ks, 1);
      XSync(d, False);
      bound.push_back({cp, spare});
    }
    return true;
  }

  // On any connection to the server (the keys were bound on d).
  void Type(Display* u, const std::string& text) const {
    for (unsigned cp : CodePoints(text)) {
      const KeyCode kc = Find(u, cp);
      XTestFakeKeyEvent(u, kc, True, 0);
      XTestFakeKeyEvent(u, kc, False, 0);
    }
    XSync(u, False);
  }
};

// How long a dialog's window may take to draw itself once it has the focus.
constexpr int kDialogDrawnMs = 5000;

struct DialogStep {
  KeySym mod;        // held around key, or 0
  KeySym key;        // 0: text instead
  std::string text;  // typed by the typist
};

// Gives the window w the focus as a window manager would, and answers it: with a key held as a
// modifier (0 for none) and a key, with text typed, then with a last key.
inline void AnswerWindow(Display* u, Window w, const std::vector<DialogStep>& steps,
                         const Typist* typist = nullptr) {
  // A toolkit's window takes keys once it is set up, which it shows by drawing itself anew
  // when it gains the focus; without a drawing within a while the keys go anyway.
  FrameWatch drawn;
  const bool watched = drawn.Start(u, w);
  XSetInputFocus(u, w, RevertToParent, CurrentTime);
  XSync(u, False);
  if (watched) WaitUntil([&] { return drawn.Pump() >= 1; }, kDialogDrawnMs);
  drawn.Stop();
  for (const DialogStep& s : steps) {
    if (!s.key) {
      const Typist ascii;
      (typist ? typist : &ascii)->Type(u, s.text);
      continue;
    }
    if (s.mod) XTestFakeKeyEvent(u, XKeysymToKeycode(u, s.mod), True, 0);
    TapKey(u, s.key);
    if (s.mod) XTestFakeKeyEvent(u, XKeysymToKeycode(u, s.mod), False, 0);
    XSync(u, False);
  }
}

// Waits until a mapped window named caption is there and answers it; 0 when no such window came.
inline Window AnswerDialog(Display* u, const char* caption, const std::vector<DialogStep>& steps,
                           const Typist* typist = nullptr) {
  Window w = 0;
  if (!WaitUntil([&] { return (w = MappedNamed(u, caption)) != 0; })) return 0;
  AnswerWindow(u, w, steps, typist);
  return w;
}

// Whether the window w is gone or no longer mapped.
inline bool WindowGone(Display* u, Window w) {
  XWindowAttributes a;
  return !XGetWindowAttributes(u, w, &a) || a.map_state != IsViewable;
}

// Enter in a save chooser whose name leads to a file that exists, and the question GTK shows before
// it replaces the file answered by key (Return replaces, Escape goes back to the chooser): the
// question's window once it has gone, or 0 when the chooser ended without one. A key that came
// before its window took keys is given again while nothing happened; should the question still
// stay, it is closed (a chooser under a question cannot be), so that a fault fails the test
// instead of hanging it.
inline Window AnswerReplaceQuestion(Display* u, Window chooser, KeySym key) {
  const int kTryMs = 3 * kDialogDrawnMs;
  Window question = 0;
  for (int i = 0; i < 3 && !question && !WindowGone(u, chooser); i++) {
    XSetInputFocus(u, chooser, RevertToParent, CurrentTime);
    TapKey(u, XK_Return);
    WaitUntil([&] { return (question = MappedTransientFor(u, chooser)) != 0 || WindowGone(u, chooser); },
              kTryMs);
  }
  if (!question) return 0;
  AnswerWindow(u, question, {{0, key, ""}});
  for (int i = 0; i < 2 && !WaitUntil([&] { return WindowGone(u, question); }, kTryMs); i++) {
    XSetInputFocus(u, question, RevertToParent, CurrentTime);
    TapKey(u, key);
  }
  if (!WaitUntil([&] { return WindowGone(u, question); }, kTryMs)) SendDeleteWindow(u, question);
  return question;
}

// Waits until the dialog w, answered by its last key, is gone. A key the dialog did not take (it
// came before the toolkit took keys on a busy machine, or GTK's name completion took an Enter for
// its own popup) is given again while the dialog stays, a few times, when that key only ends the
// dialog (Return, Escape; 0 gives none). Should it still stay, it is closed, so that a lost key
// fails the test instead of hanging it.
inline void EndDialog(Display* u, Window w, KeySym lastKey) {
  for (int i = 0; lastKey && i < 3 && !WaitUntil([&] { return WindowGone(u, w); }, kDialogDrawnMs);
       i++) {
    XSetInputFocus(u, w, RevertToParent, CurrentTime);
    TapKey(u, lastKey);
    XSync(u, False);
  }
  if (!WaitUntil([&] { return WindowGone(u, w); })) SendDeleteWindow(u, w);
}

// The key that ends a dialog's answer when giving it again is harmless: Return or Escape alone.
inline KeySym RepeatableLastKey(const std::vector<DialogStep>& steps) {
  if (steps.empty() || steps.back().mod) return 0;
  const KeySym k = steps.back().key;
  return k == XK_Return || k == XK_Escape ? k : 0;
}

// AnswerDialog from a thread of the test, on a connection of its own, until the dialog is gone.
inline void AnswerDialogOn(const std::string& display, std::string caption,
                           std::vector<DialogStep> steps, const Typist* typist = nullptr) {
  Display* u = XOpenDisplay(display.c_str());
  if (!u) return;
  if (Window w = AnswerDialog(u, caption.c_str(), steps, typist))
    EndDialog(u, w, RepeatableLastKey(steps));
  XCloseDisplay(u);
}

inline bool HasXclip() { return access("/usr/bin/xclip", X_OK) == 0; }
inline bool HasZenity() { return access("/usr/bin/zenity", X_OK) == 0; }

// For the desktop's dialogs (zenity's GTK) on the test's server: no accessibility bus, nor the
// desktop's settings store.
inline void QuietDialogs() {
  setenv("NO_AT_BRIDGE", "1", 1);
  setenv("GSETTINGS_BACKEND", "memory", 1);
}

// An xclip of our own (started and stopped by its process id) owning the clipboard with the given
// bytes under the given target; 0 when xclip is not installed.
inline pid_t XclipOwner(const std::string& display, const std::string& target, const std::string& bytes,
                        const std::string& file) {
  if (!HasXclip() || !WriteAll(file, bytes)) return 0;
  pid_t pid = fork();
  if (pid == 0) {
    DieWithTest();
    int in = open(file.c_str(), O_RDONLY);
    int null = open("/dev/null", O_WRONLY);
    if (in < 0 || null < 0) _exit(126);
    dup2(in, 0);
    dup2(null, 1);
    dup2(null, 2);
    setenv("DISPLAY", display.c_str(), 1);
    execl("/usr/bin/xclip", "xclip", "-quiet", "-selection", "clipboard", "-t", target.c_str(), "-i",
          (char*)nullptr);
    _exit(127);
  }
  return pid;
}

// What `xclip -o` reads from the clipboard once it has ended, while pump (our own event loop, when
// the clipboard is ours and served from this process) runs.
template <class Pump>
std::string XclipRead(const std::string& display, const std::string& file, Pump pump) {
  pid_t reader = fork();
  if (reader == 0) {
    DieWithTest();
    int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) _exit(126);
    dup2(fd, 1);
    setenv("DISPLAY", display.c_str(), 1);
    execl("/usr/bin/xclip", "xclip", "-selection", "clipboard", "-o", (char*)nullptr);
    _exit(127);
  }
  ProcessGuard guard(reader);
  int status = 0;
  if (WaitUntil([&] {
        pump();
        return waitpid(reader, &status, WNOHANG) == reader;
      }))
    guard.pid = 0;
  return ReadAll(file);
}
