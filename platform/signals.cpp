// Ctrl+C in the terminal, a kill and a closed terminal end the run as the window's close does: the
// first such signal makes the next look at the message queue take the close message (so the game
// saves nothing half and removes its scratch files on the way out), and cancels a dialog that is
// open; a second one ends the process at once, for a run that no longer answers.
//
// The handler only counts and writes a byte to a pipe: both are safe inside a signal handler, and
// the pipe wakes a dialog's wait at once.
//
// SIGXFSZ is ignored from the program's first line: a write past a file size limit then fails as a
// write to a full disk does, and the save that meets it puts back what it had changed.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/internal.h"

namespace {

constexpr int kCaught[] = {SIGINT, SIGTERM, SIGHUP};

struct PlatSignals {
  volatile sig_atomic_t count;  // signals caught since the handlers went in
  bool closeTaken;              // the close message of the first one was handed out
  bool installed;
  int pipe[2];       // the handler writes, a dialog's wait polls
  bool xfszIgnored;  // ... by Plat_IgnoreFileSizeSignal, which found it at its default
};

PlatSignals gSig = {0, false, false, {-1, -1}, false};

void OnSignal(int sig) {
  if (gSig.count > 0) _exit(128 + sig);  // the second: at once
  gSig.count = 1;
  if (gSig.pipe[1] >= 0) {
    const int saved = errno;
    const char byte = 1;
    if (write(gSig.pipe[1], &byte, 1) < 0) {
    }  // a full pipe has woken its reader already
    errno = saved;
  }
}

}  // namespace

// Once a process: the handlers stay for its whole life, so a signal that comes while the game
// shuts down still ends it cleanly. A signal ignored when the program started (a run under
// nohup) stays ignored.
void Plat_CatchSignals() {
  if (gSig.installed) return;
  gSig.installed = true;
  if (pipe2(gSig.pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    gSig.pipe[0] = gSig.pipe[1] = -1;
    Plat_Log("\nplatform: no pipe for the signals (errno %d)", errno);
  }
  struct sigaction sa = {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  for (int sig : kCaught) sigaddset(&sa.sa_mask, sig);  // one handler at a time
  sa.sa_flags = SA_RESTART;
  for (int sig : kCaught) {
    struct sigaction old = {};
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    sigaction(sig, &sa, nullptr);
  }
}

void Plat_IgnoreFileSizeSignal() {
  struct sigaction old = {};
  if (sigaction(SIGXFSZ, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) return;
  signal(SIGXFSZ, SIG_IGN);
  gSig.xfszIgnored = true;
}

void Plat_ChildSignalDefaults(sigset_t* set) {
  sigemptyset(set);
  if (gSig.xfszIgnored) sigaddset(set, SIGXFSZ);
}

int Plat_SignalCaught() { return gSig.count > 0 ? 1 : 0; }

int Plat_SignalFd() { return gSig.pipe[0]; }

int Plat_TakeSignalClose() {
  if (!gSig.count || gSig.closeTaken) return 0;
  gSig.closeTaken = true;
  return 1;
}
