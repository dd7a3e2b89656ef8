// The boxes and dialogs of the x11 backend are the desktop's own: the zenity program shows GTK's
// question, message, file chooser and colour chooser, as a child process whose answer is its exit
// code and what it prints. The game waits for it as behind a modal window: no frame runs, the game
// window drops the presses it is given and keeps its picture, the clipboard stays served, zenity's
// windows are made dialogs of the game window and kept above it, and the window's close ends the
// dialog as cancelled before the run closes. zenity's own chatter (GTK's
// warnings on a desktop without a session bus) reaches the terminal only when zenity fails. Texts
// go out as UTF-8 and names come back in Windows-1251, through the one conversion; a name that has
// no Windows-1251 form is refused, never mangled.
//
// The game window's side of the wait is here too, as it lasts exactly as long as the dialog: its
// picture kept and put back where it is uncovered, zenity's windows found by their process, made
// its dialogs and raised again whenever it is raised or activated, the root window heard
// meanwhile. backend_x11.cpp keeps the window and its events and hands over those of a dialog's
// time; x11_clipboard.cpp serves the clipboard from the same pump. The private helpers come
// first, in the order of the sections of the entry points that follow them.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/x11_internal.h"

extern char** environ;

namespace {

// ---- the game window while a dialog is open ----

// Reads the picture the window shows, as the server has it, once per frame drawn: a second dialog
// of the same frame (an error box after a chooser) keeps the first one's, since the chooser may
// still cover the window when it opens. Only the part on the screen can be read.
void KeepPicture() {
  if (!gX.window.win || gX.window.winGone || !gX.window.mapped || gX.window.minimised) return;
  if (gPlat.frames == 0 || gX.dialog.keptFrame == gPlat.frames) return;
  X11_ForgetPicture();
  int rx = 0, ry = 0;
  Window child;
  if (!XTranslateCoordinates(gX.dpy, gX.window.win, gX.root, 0, 0, &rx, &ry, &child)) return;
  const int x0 = rx < 0 ? -rx : 0, y0 = ry < 0 ? -ry : 0;
  const int x1 = std::min(gPlat.winW, DisplayWidth(gX.dpy, gX.screen) - rx);
  const int y1 = std::min(gPlat.winH, DisplayHeight(gX.dpy, gX.screen) - ry);
  if (x1 <= x0 || y1 <= y0) return;
  X11_TrapBegin();
  XImage* im = XGetImage(gX.dpy, gX.window.win, x0, y0, (unsigned)(x1 - x0), (unsigned)(y1 - y0),
                         AllPlanes, ZPixmap);
  if (X11_TrapEnd() || !im) {
    if (im) XDestroyImage(im);
    return;
  }
  gX.dialog.kept = im;
  gX.dialog.keptX = x0;
  gX.dialog.keptY = y0;
  gX.dialog.keptFrame = gPlat.frames;
}

// ---- the dialog's windows, kept above the game window ----
//
// A dialog stays above the window it belongs to, and a click on that window brings the dialog
// back. The toolkit does so only for the windows it ties to the game window itself (zenity does
// not tie its file chooser), so every window of the dialog's process, or of one it started,
// becomes a modal dialog of the game window as it appears, and while the dialog is open a raise or
// an activation of the game window is answered by activating the dialog again.

// A request to the window manager, which takes them as client messages to the root window.
void AskWindowManager(Window about, Atom what, long a, long b, long c, long d) {
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

long FirstItem(Window w, Atom property, Atom type) {
  const std::vector<long> items = X11_PropertyItems(w, property, type, 1);
  return items.empty() ? 0 : items[0];
}

constexpr long kNetWmStateAdd = 1;
constexpr long kSourceApplication = 1;  // who asks, as the window manager weighs requests
constexpr long kSourcePager = 2;
constexpr int kProcessGenerations = 16;  // how far up a window's process is followed to zenity's

// The parent of process pid as /proc has it, or 0 when it is gone.
long ParentProcess(long pid) {
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
bool OfDialogProcess(long pid) {
  for (int i = 0; i < kProcessGenerations && pid > 1; i++, pid = ParentProcess(pid))
    if (pid == gX.dialog.pid) return true;
  return false;
}

// The process a window says it belongs to: its own _NET_WM_PID, else its client leader's (the
// window that speaks for all the windows of its program); 0 when neither says.
long ProcessOf(Window w) {
  if (const long pid = FirstItem(w, gX.atom.netWmPid, XA_CARDINAL)) return pid;
  const Window leader = (Window)FirstItem(w, gX.atom.wmClientLeader, XA_WINDOW);
  return leader && leader != w ? FirstItem(leader, gX.atom.netWmPid, XA_CARDINAL) : 0;
}

// Whether w's class names zenity, as GTK names it after the program.
bool NamedZenity(Window w) {
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
bool OfDialog(Window w, bool appeared) {
  if (const long pid = ProcessOf(w)) return OfDialogProcess(pid);
  return appeared && NamedZenity(w);
}

// w, a top-level window that the window manager manages (managed) or that is shown (the root's
// own child without a window manager), is looked at once while the dialog is watched; appeared
// says it came after the dialog began. When it is the dialog's it becomes a modal dialog of the
// game window. A window the toolkit tied to another of its own (GTK's question over the chooser)
// keeps that tie, which keeps it above the chooser and so above the game window.
void AdoptDialogWindow(Window w, bool managed, bool appeared) {
  if (!gX.dialog.pid || w == gX.window.win || gX.dialog.winCount >= X11_DIALOG_WINS) return;
  if (std::find(gX.dialog.seen.begin(), gX.dialog.seen.end(), w) != gX.dialog.seen.end()) return;
  XWindowAttributes a;
  if (!XGetWindowAttributes(gX.dpy, w, &a) || a.override_redirect) return;  // gone, or a popup
  if (!managed && a.map_state != IsViewable) return;
  gX.dialog.seen.push_back(w);
  if (!OfDialog(w, appeared)) return;
  X11_TrapBegin();
  Window over = 0;
  if (!XGetTransientForHint(gX.dpy, w, &over) || !over || over == gX.root)
    XSetTransientForHint(gX.dpy, w, gX.window.win);
  // A mapped window's state changes only by a request to the window manager.
  AskWindowManager(w, gX.atom.netWmState, kNetWmStateAdd, (long)gX.atom.netWmStateModal, 0,
                   kSourceApplication);
  if (X11_TrapEnd()) return;
  gX.dialog.wins[gX.dialog.winCount++] = w;
}

void AdoptManagedWindows(bool appeared) {
  for (long w : X11_PropertyItems(gX.root, gX.atom.netClientList, XA_WINDOW, 4096))
    AdoptDialogWindow((Window)w, true, appeared);
}

void AdoptShownWindows() {
  Window root, parent, *kids = nullptr;
  unsigned n = 0;
  if (!XQueryTree(gX.dpy, gX.root, &root, &parent, &kids, &n)) return;
  for (unsigned i = 0; i < n; i++) AdoptDialogWindow(kids[i], false, false);
  if (kids) XFree(kids);
}

// The dialog's window to bring back: the last one shown that is still shown, else the last one
// that still exists (hidden with the game window, say); 0 when none does.
Window DialogWindowToRaise() {
  Window existing = 0;
  for (int i = gX.dialog.winCount - 1; i >= 0; i--) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(gX.dpy, gX.dialog.wins[i], &a)) continue;
    if (a.map_state == IsViewable) return gX.dialog.wins[i];
    if (!existing) existing = gX.dialog.wins[i];
  }
  return existing;
}

// ---- zenity ----

// zenity's exit codes: the first button (OK, Yes), the other one or the window closed, and its
// own timeout; anything else means it could not show the dialog.
constexpr int kZenityOk = 0;
constexpr int kZenityCancel = 1;
constexpr int kZenityTimeout = 5;

constexpr size_t kMaxAnswerBytes = 64 * 1024;   // a path or a colour; more is no answer of zenity's
constexpr size_t kMaxChatterBytes = 64 * 1024;  // what it says on stderr, kept for a failure
constexpr size_t kChatterLogBytes = 900;        // the part of it one log line holds
constexpr int kPumpMs = 50;                     // the longest the window's events wait meanwhile

enum ZenityEnd {
  ZENITY_ANSWERED,  // it ran; code and out hold its answer
  ZENITY_MISSING,   // no zenity on PATH
  ZENITY_FAILED,    // it could not be started, or ended without a dialog's answer
  ZENITY_CLOSING    // the run was asked to close (a signal, the window's close): cancelled
};

struct ZenityRun {
  int code;
  std::string out;
};

// The zenity program on PATH, or "" when there is none.
std::string FindZenity() {
  const char* path = getenv("PATH");
  if (!path) return "";
  std::string dirs = path;
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(start, end - start);
    if (dir.empty()) dir = ".";
    const std::string candidate = dir + "/zenity";
    struct stat st;
    if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(candidate.c_str(), X_OK) == 0)
      return candidate;
    start = end + 1;
  }
  return "";
}

void SayMissing() {
  if (gX.dialog.missingSaid) return;
  gX.dialog.missingSaid = true;
  fprintf(stderr,
          "platform: zenity is not installed (tools/deps.sh installs it): questions answer No, "
          "messages go to the log, file and colour dialogs cancel\n");
  Plat_Log(
      "\nplatform: zenity is not installed: questions answer No, messages go to the log, file "
      "and colour dialogs cancel");
}

// Tied to the game window once it exists: kept above it and modal to it.
void AddOwner(std::vector<std::string>* args) {
  if (unsigned long owner = X11_DialogOwner()) {
    args->push_back("--attach=" + std::to_string(owner));
    args->push_back("--modal");
  }
}

bool Closing() { return Plat_SignalCaught() || X11_CloseAsked(); }

enum PipeRead { PIPE_GOT, PIPE_EMPTY, PIPE_ENDED };

// Appends what waits on fd, keeping at most cap bytes: PIPE_ENDED at its end (or an error),
// PIPE_EMPTY when nothing waits on a nonblocking pipe.
PipeRead TakeOutput(int fd, std::string* into, size_t cap) {
  char buf[4096];
  const ssize_t n = read(fd, buf, sizeof buf);
  if (n > 0) {
    if (into->size() < cap) into->append(buf, std::min((size_t)n, cap - into->size()));
    return PIPE_GOT;
  }
  if (n < 0 && errno == EINTR) return PIPE_GOT;
  return n < 0 && errno == EAGAIN ? PIPE_EMPTY : PIPE_ENDED;
}

// zenity failed: what it said on stderr goes to the terminal and the log after all, since it may
// say why.
void PassOnChatter(const std::string& chatter) {
  if (chatter.empty()) return;
  fprintf(stderr, "platform: zenity said:\n%s%s", chatter.c_str(), chatter.back() == '\n' ? "" : "\n");
  Plat_Log("\nplatform: zenity said: %.*s", (int)std::min(chatter.size(), kChatterLogBytes),
           chatter.c_str());
}

// A zenity running: its process, the read ends of its output and its chatter, and how it ended.
struct ZenityChild {
  pid_t pid;
  int out, err;  // nonblocking, both read as their bytes come and once more when zenity has ended,
                 // never waited for (a helper zenity starts may keep them open after it)
  bool outOpen, errOpen;
  std::string chatter;  // what it said on stderr
  int status;           // its wait status, once reaped
};

// The two pipes zenity's stdout and stderr go into; false (said in the log) when there are none.
bool OpenPipes(int out[2], int err[2]) {
  if (pipe2(out, O_CLOEXEC | O_NONBLOCK) != 0) {
    Plat_Log("\nplatform: no pipe for zenity (errno %d)", errno);
    return false;
  }
  if (pipe2(err, O_CLOEXEC | O_NONBLOCK) != 0) {
    Plat_Log("\nplatform: no pipe for zenity (errno %d)", errno);
    close(out[0]);
    close(out[1]);
    return false;
  }
  return true;
}

// Starts zenity with args, its stdout and stderr into pipes of ours; false (said in the log) when
// it cannot be started.
bool StartZenity(const std::string& bin, const std::vector<std::string>& args, ZenityChild* c) {
  int out[2], err[2];
  if (!OpenPipes(out, err)) return false;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>("zenity"));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  posix_spawn_file_actions_adddup2(&fa, err[1], 2);
  // zenity meets a file size limit as the user's shell left it, not as the game set it.
  posix_spawnattr_t sa;
  posix_spawnattr_init(&sa);
  sigset_t defaults;
  Plat_ChildSignalDefaults(&defaults);
  posix_spawnattr_setsigdefault(&sa, &defaults);
  posix_spawnattr_setflags(&sa, POSIX_SPAWN_SETSIGDEF);
  c->pid = -1;
  const int spawned = posix_spawn(&c->pid, bin.c_str(), &fa, &sa, argv.data(), environ);
  posix_spawnattr_destroy(&sa);
  posix_spawn_file_actions_destroy(&fa);
  close(out[1]);
  close(err[1]);
  if (spawned != 0) {
    close(out[0]);
    close(err[0]);
    Plat_Log("\nplatform: zenity does not start (errno %d)", spawned);
    fprintf(stderr, "platform: zenity does not start: %s\n", strerror(spawned));
    return false;
  }
  c->out = out[0];
  c->err = err[0];
  c->outOpen = c->errOpen = true;
  c->chatter.clear();
  c->status = 0;
  return true;
}

// Waits for zenity to end, taking the window's events meanwhile (as a modal window's owner) and
// what zenity says as it comes. A signal or the game window's close ends zenity (by its process
// id) and answers false; true when it ended by itself.
bool WaitZenity(ZenityChild* c, std::string* out) {
  for (;;) {
    pollfd fds[4] = {{c->outOpen ? c->out : -1, POLLIN, 0},
                     {c->errOpen ? c->err : -1, POLLIN, 0},
                     {Plat_SignalFd(), POLLIN, 0},
                     {X11_ConnectionFd(), POLLIN, 0}};
    poll(fds, 4, kPumpMs);  // a negative descriptor is skipped
    X11_Pump();             // the window's close may be among its events
    if (Closing()) {
      kill(c->pid, SIGTERM);
      return false;
    }
    if (fds[0].revents) c->outOpen = TakeOutput(c->out, out, kMaxAnswerBytes) != PIPE_ENDED;
    if (fds[1].revents) c->errOpen = TakeOutput(c->err, &c->chatter, kMaxChatterBytes) != PIPE_ENDED;
    if (waitpid(c->pid, &c->status, WNOHANG) == c->pid) return true;
  }
}

// zenity has ended, or was told to (ended false): reaps it, then takes the rest of what it said,
// which is all in the pipes once it is gone.
void ReapZenity(ZenityChild* c, bool ended, std::string* out) {
  if (!ended) {
    while (waitpid(c->pid, &c->status, 0) < 0 && errno == EINTR) {
    }
  }
  while (c->outOpen && TakeOutput(c->out, out, kMaxAnswerBytes) == PIPE_GOT) {
  }
  while (c->errOpen && TakeOutput(c->err, &c->chatter, kMaxChatterBytes) == PIPE_GOT) {
  }
  close(c->out);
  close(c->err);
}

// What zenity's end means: a dialog's answer (its exit code in run), or a failure, whose chatter is
// passed on since it may say why.
ZenityEnd ZenityMeaning(const ZenityChild& c, ZenityRun* run) {
  if (!WIFEXITED(c.status)) {
    Plat_Log("\nplatform: zenity ended by signal %d", WTERMSIG(c.status));
    PassOnChatter(c.chatter);
    return ZENITY_FAILED;
  }
  run->code = WEXITSTATUS(c.status);
  if (run->code != kZenityOk && run->code != kZenityCancel && run->code != kZenityTimeout) {
    Plat_Log("\nplatform: zenity ended with %d", run->code);
    PassOnChatter(c.chatter);
    return ZENITY_FAILED;
  }
  return ZENITY_ANSWERED;
}

// Runs zenity with args and waits for its answer as a modal window's owner (X11_DialogBegin): the
// game window drops its input, and its windows are kept above the game window. A signal or the
// game window's close ends it and answers ZENITY_CLOSING.
ZenityEnd RunZenity(const std::vector<std::string>& args, ZenityRun* run) {
  run->code = -1;
  run->out.clear();
  if (Closing()) return ZENITY_CLOSING;  // no dialog opens any more
  const std::string bin = FindZenity();
  if (bin.empty()) return ZENITY_MISSING;
  ZenityChild child;
  if (!StartZenity(bin, args, &child)) return ZENITY_FAILED;
  X11_DialogBegin((int)child.pid);
  const bool ended = WaitZenity(&child, &run->out);
  ReapZenity(&child, ended, &run->out);
  X11_DialogEnd();
  X11_FocusGameWindow();
  return ended ? ZenityMeaning(child, run) : ZENITY_CLOSING;
}

std::string Utf8Text(const char* text1251) { return Plat_Utf8From1251(Plat_CrlfToLf(text1251)); }

// A message nobody could see in a dialog: the terminal and the log have it.
void MessageElsewhere(const char* text, const char* caption) {
  fprintf(stderr, "%s: %s\n", Utf8Text(caption).c_str(), Utf8Text(text).c_str());
  Plat_Log("\n%s: %s", caption, text);
}

const char* MessageKind(int flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: return "--error";
    case MB_ICONEXCLAMATION: return "--warning";
    default: return "--info";
  }
}

// A name as the log and the terminal may show it: a control byte (a line break in a file name is
// legal) would break the line or act on the terminal, so it is written as \xNN.
std::string Printable(const std::string& name) {
  std::string out;
  for (unsigned char c : name) {
    if (c >= 0x20 && c != 0x7F) {
      out += (char)c;
      continue;
    }
    char esc[5];
    snprintf(esc, sizeof esc, "\\x%02X", c);
    out += esc;
  }
  return out;
}

// An error box about a chosen name, in the words the player reads.
void RefuseName(const char* caption, const std::string& why, const std::string& nameUtf8) {
  const std::string text = why + "\n" + nameUtf8;
  Plat_Log("\nplatform: %s %s", why.c_str(), Printable(Plat_1251FromUtf8(nameUtf8)).c_str());
  std::vector<std::string> args = {"--error", "--no-markup", std::string("--title=") + caption,
                                   "--text=" + text};
  AddOwner(&args);
  ZenityRun run;
  if (RunZenity(args, &run) != ZENITY_ANSWERED)
    fprintf(stderr, "%s %s\n", why.c_str(), Printable(nameUtf8).c_str());
}

// Where the chooser starts: the folder of path proposing its name, or path itself (with the
// trailing slash by which the chooser knows a folder) when it names one. A relative path is taken
// from the current directory, which is the start directory whenever a dialog opens.
std::string StartName(const char* path1251) {
  std::string p = Plat_Utf8From1251(path1251);
  if (p.empty() || p[0] != '/') {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) p = std::string(cwd) + (p.empty() ? "" : "/") + p;
  }
  struct stat st;
  if (stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && p.back() != '/') p += '/';
  return p;
}

// "rgb(r,g,b)" or "rgba(r,g,b,a)" as GTK writes a colour; false for anything else.
bool ParseColour(const std::string& s, unsigned* colour) {
  double c[3] = {};
  if (sscanf(s.c_str(), "rgb(%lf,%lf,%lf)", &c[0], &c[1], &c[2]) != 3 &&
      sscanf(s.c_str(), "rgba(%lf,%lf,%lf", &c[0], &c[1], &c[2]) != 3)
    return false;
  unsigned v = 0;
  for (int i = 0; i < 3; i++) {
    if (!(c[i] >= 0 && c[i] <= 255)) return false;
    v |= (unsigned)std::lround(c[i]) << (8 * i);
  }
  *colour = v;
  return true;
}

}  // namespace

// ---- the game window while a dialog is open ----

void X11_ForgetPicture() {
  if (gX.dialog.kept) XDestroyImage(gX.dialog.kept);
  gX.dialog.kept = nullptr;
  gX.dialog.keptFrame = -1;
}

// Puts the kept picture back where the window was uncovered. It goes around GL: the back buffer
// holds the frame that was being drawn when the dialog opened, and that frame goes on once the
// dialog has ended.
void X11_DrawKept() {
  if (!gX.dialog.kept || gX.window.winGone) return;
  X11_TrapBegin();
  GC gc = XCreateGC(gX.dpy, gX.window.win, 0, nullptr);
  XPutImage(gX.dpy, gX.window.win, gc, gX.dialog.kept, 0, 0, gX.dialog.keptX, gX.dialog.keptY,
            (unsigned)gX.dialog.kept->width, (unsigned)gX.dialog.kept->height);
  XFreeGC(gX.dpy, gc);
  X11_TrapEnd();
}

// ---- the dialog's windows, kept above the game window ----

// The game window was raised or activated while its dialog is open: the dialog is activated
// again, asked for as a pager asks (a window manager honours a pager where it may refuse an
// application that takes the focus back).
void X11_RaiseDialog() {
  if (!gX.dialog.pid) return;
  const Window w = DialogWindowToRaise();
  if (!w) return;
  AskWindowManager(w, gX.atom.netActiveWindow, kSourcePager, CurrentTime, 0, 0);
  XFlush(gX.dpy);
}

// What the root window says while a dialog is watched: a window shown, the window manager's list
// of its windows changed, another window activated.
void X11_DialogRootEvent(XEvent* ev) {
  if (!gX.dialog.pid) return;
  if (ev->type == MapNotify && !ev->xmap.override_redirect) {
    AdoptDialogWindow(ev->xmap.window, false, true);
  } else if (ev->type == PropertyNotify && ev->xproperty.atom == gX.atom.netClientList) {
    AdoptManagedWindows(true);  // the windows it had before were looked at already
  } else if (ev->type == PropertyNotify && ev->xproperty.atom == gX.atom.netActiveWindow &&
             (Window)FirstItem(gX.root, gX.atom.netActiveWindow, XA_WINDOW) == gX.window.win) {
    X11_RaiseDialog();
  }
}

// ---- the dialog's time ----

void X11_DialogReset() {
  gX.dialog.open = false;
  gX.dialog.pid = 0;
  gX.dialog.winCount = 0;
  gX.dialog.seen.clear();
  gX.dialog.rootMask = 0;
  gX.dialog.closing = false;
  gX.dialog.kept = nullptr;
  gX.dialog.keptFrame = -1;
}

void X11_DialogCloseAsked() {
  if (gX.dialog.open) gX.dialog.closing = true;
}

unsigned long X11_DialogOwner() {
  return gX.window.win && !gX.window.winGone ? (unsigned long)gX.window.win : 0;
}

void X11_FocusGameWindow() {
  if (!gX.dpy || !gX.window.win || gX.window.winGone || !gX.window.mapped) return;
  X11_TrapBegin();
  XRaiseWindow(gX.dpy, gX.window.win);
  XSetInputFocus(gX.dpy, gX.window.win, RevertToParent, CurrentTime);
  X11_TrapEnd();
}

void X11_DialogBegin(int pid) {
  KeepPicture();
  gX.dialog.open = true;
  gX.dialog.pid = 0;
  gX.dialog.winCount = 0;
  if (!X11_DialogOwner() || pid <= 0) return;  // the start-up question has no owner
  gX.dialog.pid = pid;
  gX.dialog.seen.clear();
  // From now on every window shown and every change of the managed list is heard, besides what
  // was heard of the root before; the windows that came before are looked at once, by their
  // process alone (zenity may have shown its window before this).
  XWindowAttributes a;
  gX.dialog.rootMask = XGetWindowAttributes(gX.dpy, gX.root, &a) ? a.your_event_mask : 0;
  XSelectInput(gX.dpy, gX.root, gX.dialog.rootMask | SubstructureNotifyMask | PropertyChangeMask);
  AdoptManagedWindows(false);
  AdoptShownWindows();
}

void X11_DialogEnd() {
  // The dialog has ended: the focus the window manager hands back to the game window as its
  // windows go brings nothing back.
  if (gX.dialog.pid) XSelectInput(gX.dpy, gX.root, gX.dialog.rootMask);
  gX.dialog.pid = 0;
  gX.dialog.winCount = 0;
  gX.dialog.seen.clear();
  // Everything the server sent before the dialog ended belongs to the dialog's time: taken now,
  // with its presses dropped, so that none of it is carried out later.
  if (gX.dpy) {
    XSync(gX.dpy, False);
    X11_Pump();
  }
  gX.dialog.open = false;
}

int X11_CloseAsked() { return gX.dialog.closing ? 1 : 0; }

// ---- the boxes and dialogs, shown by zenity ----

int X11_MessageBox(const char* text, const char* caption, int flags) {
  const bool yesNo = (flags & MB_TYPEMASK) == MB_YESNO;
  std::vector<std::string> args = {yesNo ? "--question" : MessageKind(flags), "--no-markup",
                                   std::string("--title=") + Utf8Text(caption),
                                   "--text=" + Utf8Text(text)};
  AddOwner(&args);
  ZenityRun run;
  switch (RunZenity(args, &run)) {
    case ZENITY_ANSWERED: return yesNo ? (run.code == kZenityOk ? IDYES : IDNO) : IDOK;
    case ZENITY_MISSING: SayMissing(); break;
    case ZENITY_FAILED:
    case ZENITY_CLOSING: break;
  }
  if (!yesNo) MessageElsewhere(text, caption);
  return yesNo ? IDNO : IDOK;
}

int X11_FileDialog(char* path, int cap, const char* title, int save) {
  const char* caption = save ? "Save" : "Open";
  std::vector<std::string> args = {"--file-selection", std::string("--title=") + caption,
                                   "--file-filter=" + Utf8Text(title) + " | *",
                                   "--filename=" + StartName(path)};
  // GTK's own question before an existing file is replaced; its No goes back to the chooser.
  if (save) {
    args.push_back("--save");
    args.push_back("--confirm-overwrite");
  }
  AddOwner(&args);
  ZenityRun run;
  const ZenityEnd end = RunZenity(args, &run);
  if (end == ZENITY_MISSING) SayMissing();
  if (end != ZENITY_ANSWERED || run.code != kZenityOk) return 0;
  std::string chosen = run.out;
  if (!chosen.empty() && chosen.back() == '\n') chosen.pop_back();
  if (chosen.empty()) return 0;
  std::string name1251;
  if (!Plat_1251FromUtf8Exact(chosen, &name1251) || name1251.find('\0') != std::string::npos) {
    RefuseName(caption, "This name has characters the game cannot use (outside Windows-1251):", chosen);
    return 0;
  }
  if ((int)name1251.size() > cap - 1) {
    RefuseName(
        caption,
        "This path is too long for the game (" + std::to_string(cap - 1) + " bytes at most):", chosen);
    return 0;
  }
  memcpy(path, name1251.c_str(), name1251.size() + 1);
  return 1;
}

// The desktop's chooser keeps its own custom colours (the desktop's settings): zenity takes none
// and reports none, so the 16 colours given here are left as they are.
int X11_ChooseColor(unsigned* colour, unsigned custom[16]) {
  (void)custom;
  char start[40];
  snprintf(start, sizeof start, "--color=rgb(%u,%u,%u)", *colour & 0xFF, (*colour >> 8) & 0xFF,
           (*colour >> 16) & 0xFF);
  std::vector<std::string> args = {"--color-selection", "--title=Colour", start};
  AddOwner(&args);
  ZenityRun run;
  const ZenityEnd end = RunZenity(args, &run);
  if (end == ZENITY_MISSING) SayMissing();
  if (end != ZENITY_ANSWERED || run.code != kZenityOk) return 0;
  unsigned chosen = 0;
  if (!ParseColour(run.out, &chosen)) {
    Plat_Log("\nplatform: the colour chooser answered \"%s\"", run.out.c_str());
    return 0;
  }
  *colour = chosen;
  return 1;
}
