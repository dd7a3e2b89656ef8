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
}  // namespace

void LogInfo(const char* fmt, ...) {
  if (Logger.logHeld || Logger.logCount >= kLogCap) return;
  FILE* f = FileOpen(Logger.gsFileLog, "a");
  if (!f) {
    // Said where the player looks, once: a line for every lost message would fill the terminal.
    const int err = errno;
    if (!Logger.saidUnwritable)
      std::fprintf(stderr, "log: cannot write %s (%s); this run's log lines are lost\n",
                   FsPath(Logger.gsFileLog).c_str(), std::strerror(err));
    Logger.saidUnwritable = true;
    return;
  }
  va_list ap;
  va_start(ap, fmt);
  std::vfprintf(f, fmt, ap);
  va_end(ap);
  ++Logger.logCount;
  if (Logger.logCount == kLogCap)
    std::fprintf(f, "\n(%d) so mach msgs and log-sys close ...\n", Logger.logCount);
  std::fclose(f);
}

int LogHold(int held) {
  const int was = Logger.logHeld;
  Logger.logHeld = held;
  return was;
}

int LogCount() { return Logger.logCount; }
void LogResetCount() {
  Logger.logCount = 0;
  Logger.saidUnwritable = false;
}
