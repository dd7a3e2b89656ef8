// The boxes and dialogs of the x11 backend are the desktop's own: the zenity program shows GTK's
// question, message, file chooser and colour chooser, as a child process whose answer is its exit
// code and what it prints. The game waits for it as for a modal window: the game window's events
// still reach the message queue (a close asked for meanwhile is carried out after the answer) and
// the clipboard stays served. Texts go out as UTF-8 and names come back in Windows-1251, through
// the one conversion; a name that has no Windows-1251 form is refused, never mangled.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/internal.h"

extern char** environ;

namespace {

// zenity's exit codes: the first button (OK, Yes), the other one or the window closed, and its
// own timeout; anything else means it could not show the dialog.
constexpr int kZenityOk = 0;
constexpr int kZenityCancel = 1;
constexpr int kZenityTimeout = 5;

constexpr size_t kMaxAnswerBytes = 64 * 1024;  // a path or a colour; more is no answer of zenity's
constexpr int kPumpMs = 50;                    // the longest the window's events wait meanwhile

enum ZenityEnd {
  ZENITY_ANSWERED,  // it ran; code and out hold its answer
  ZENITY_MISSING,   // no zenity on PATH
  ZENITY_FAILED,    // it could not be started, or ended without a dialog's answer
  ZENITY_SIGNALLED  // the run was asked to close meanwhile: the dialog counts as cancelled
};

struct ZenityRun {
  int code;
  std::string out;
};

bool gMissingSaid = false;  // the one log line of a run without zenity

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
  if (gMissingSaid) return;
  gMissingSaid = true;
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

// Runs zenity with args and waits for it, taking the window's events meanwhile. A signal that asks
// the run to close ends the child (by its process id) and answers ZENITY_SIGNALLED.
ZenityEnd RunZenity(const std::vector<std::string>& args, ZenityRun* run) {
  run->code = -1;
  run->out.clear();
  if (Plat_SignalCaught()) return ZENITY_SIGNALLED;  // closing: no dialog opens any more
  const std::string bin = FindZenity();
  if (bin.empty()) return ZENITY_MISSING;

  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) {
    Plat_Log("\nplatform: no pipe for zenity (errno %d)", errno);
    return ZENITY_FAILED;
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>("zenity"));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  pid_t pid = -1;
  const int err = posix_spawn(&pid, bin.c_str(), &fa, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&fa);
  close(out[1]);
  if (err != 0) {
    close(out[0]);
    Plat_Log("\nplatform: zenity does not start (errno %d)", err);
    fprintf(stderr, "platform: zenity does not start: %s\n", strerror(err));
    return ZENITY_FAILED;
  }

  bool signalled = false, eof = false;
  while (!eof) {
    pollfd fds[3] = {{out[0], POLLIN, 0}, {Plat_SignalFd(), POLLIN, 0}, {X11_ConnectionFd(), POLLIN, 0}};
    poll(fds, 3, kPumpMs);  // a negative descriptor is skipped
    if (Plat_SignalCaught()) {
      signalled = true;
      kill(pid, SIGTERM);
      break;
    }
    if (fds[0].revents) {
      char buf[4096];
      const ssize_t n = read(out[0], buf, sizeof buf);
      if (n > 0 && run->out.size() < kMaxAnswerBytes) run->out.append(buf, (size_t)n);
      else if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) eof = true;
    }
    X11_Pump();
  }
  close(out[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  X11_FocusGameWindow();
  if (signalled) return ZENITY_SIGNALLED;
  if (!WIFEXITED(status)) return ZENITY_FAILED;
  run->code = WEXITSTATUS(status);
  if (run->code != kZenityOk && run->code != kZenityCancel && run->code != kZenityTimeout) {
    Plat_Log("\nplatform: zenity ended with %d", run->code);
    return ZENITY_FAILED;
  }
  return ZENITY_ANSWERED;
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

// An error box about a chosen name, in the words the player reads.
void RefuseName(const char* caption, const std::string& why, const std::string& nameUtf8) {
  const std::string text = why + "\n" + nameUtf8;
  Plat_Log("\nplatform: %s: %s", why.c_str(), Plat_1251FromUtf8(nameUtf8).c_str());
  std::vector<std::string> args = {"--error", "--no-markup", std::string("--title=") + caption,
                                   "--text=" + text};
  AddOwner(&args);
  ZenityRun run;
  if (RunZenity(args, &run) != ZENITY_ANSWERED)
    fprintf(stderr, "%s: %s\n", why.c_str(), nameUtf8.c_str());
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
    case ZENITY_SIGNALLED: break;
  }
  if (!yesNo) MessageElsewhere(text, caption);
  return yesNo ? IDNO : IDOK;
}

int X11_FileDialog(char* path, int cap, const char* title, int save) {
  const char* caption = save ? "Save" : "Open";
  std::vector<std::string> args = {"--file-selection", std::string("--title=") + caption,
                                   "--file-filter=" + Utf8Text(title) + " | *",
                                   "--filename=" + StartName(path)};
  if (save) args.push_back("--save");  // no overwrite question: the game's own save keeps a backup
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
