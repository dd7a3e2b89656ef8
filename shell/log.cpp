// Log: each message reopens the file in append mode so the file on disk is complete even when the
// program is killed; a cap keeps a runaway loop from filling the disk.
#include "shell/log.h"

#include <cstdarg>
#include <cstdio>

#include "shell/files.h"

t_Logger Logger;

namespace {
constexpr int kLogCap = 3500;
int logCount = 0;
}  // namespace

void LogInfo(const char* fmt, ...) {
  if (logCount >= kLogCap) return;
  FILE* f = FileOpen(Logger.gsFileLog, "a");
  if (!f) return;
  va_list ap;
  va_start(ap, fmt);
  std::vfprintf(f, fmt, ap);
  va_end(ap);
  ++logCount;
  if (logCount == kLogCap) std::fprintf(f, "\n(%d) so mach msgs and log-sys close ...\n", logCount);
  std::fclose(f);
}

int LogCount() { return logCount; }
void LogResetCount() { logCount = 0; }
