// Log: each message reopens the file in append mode so the file on disk is complete even when the
// program is killed; a cap keeps a runaway loop from filling the disk.
#include "shell/log.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "shell/files.h"

t_Logger Logger;

namespace {
constexpr int kLogCap = 3500;
int logCount = 0;
bool saidUnwritable = false;  // the run has said on stderr that its log cannot be written
int logHeld = 0;              // non-zero: messages are dropped (LogHold)
}  // namespace

void LogInfo(const char* fmt, ...) {
  if (logHeld || logCount >= kLogCap) return;
  FILE* f = FileOpen(Logger.gsFileLog, "a");
  if (!f) {
    // Said where the player looks, once: a line for every lost message would fill the terminal.
    const int err = errno;
    if (!saidUnwritable)
      std::fprintf(stderr, "log: cannot write %s (%s); this run's log lines are lost\n",
                   FsPath(Logger.gsFileLog).c_str(), std::strerror(err));
    saidUnwritable = true;
    return;
  }
  va_list ap;
  va_start(ap, fmt);
  std::vfprintf(f, fmt, ap);
  va_end(ap);
  ++logCount;
  if (logCount == kLogCap) std::fprintf(f, "\n(%d) so mach msgs and log-sys close ...\n", logCount);
  std::fclose(f);
}

int LogHold(int held) {
  const int was = logHeld;
  logHeld = held;
  return was;
}

int LogCount() { return logCount; }
void LogResetCount() {
  logCount = 0;
  saidUnwritable = false;
}
