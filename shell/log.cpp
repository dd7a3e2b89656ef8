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

// Said where the player looks, once a run: a line for every lost message would fill the terminal.
void SayUnwritable(int err, const char* lost) {
  if (!Logger.saidUnwritable)
    std::fprintf(stderr, "log: cannot write %s (%s); this run's %s\n", FsPath(Logger.gsFileLog).c_str(),
                 std::strerror(err), lost);
  Logger.saidUnwritable = true;
}
}  // namespace

void LogInfo(const char* fmt, ...) {
  if (Logger.logHeld || Logger.logCount >= kLogCap) return;
  FILE* f = FileOpen(Logger.gsFileLog, "a");
  if (!f) {
    SayUnwritable(errno, "log lines are lost");
    return;
  }
  va_list ap;
  va_start(ap, fmt);
  bool whole = std::vfprintf(f, fmt, ap) >= 0;
  va_end(ap);
  ++Logger.logCount;
  if (Logger.logCount == kLogCap)
    whole =
        std::fprintf(f, "\n(%d) so mach msgs and log-sys close ...\n", Logger.logCount) >= 0 && whole;
  // A full disk or a file size limit shows at the flush. What went in stays: the log is only ever
  // added to, and the next message is tried again, as space may come back.
  whole = std::fflush(f) == 0 && whole;
  int err = errno;
  if (std::fclose(f) != 0 && whole) {
    whole = false;
    err = errno;
  }
  if (!whole) SayUnwritable(err, "later log lines may be lost");
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
