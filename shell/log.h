// The program's one diagnostic channel: printf-style lines appended to the log file.
#pragma once

#include <string>

struct t_Logger {
  std::string gsFileLog = "uni_files/log.txt";
  int logCount = 0;             // messages written this run (LogCount)
  bool saidUnwritable = false;  // the run has said on stderr that its log cannot be written (whole)
  int logHeld = 0;              // non-zero: messages are dropped (LogHold)
};
extern t_Logger Logger;

// Appends one message as written, adding no line break: a message starts its own line with a
// leading "\n", and one without it goes on with the line before. Silent after the cap of messages
// per run; an unopenable file loses the message without counting it. Either, or a message that does
// not go in whole (a full disk, a file size limit: the part written stays), is said once per run on
// stderr; later messages are tried all the same.
void LogInfo(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Holds the log shut (held non-zero) or opens it again; answers the hold it replaced. A load's
// check runs the game's own sweep on a scratch copy of the world, and what the sweep says of that
// copy is no line of the played world's log: messages while the log is held are dropped uncounted.
int LogHold(int held);

// Test hook: the number of messages written in this run, and a reset of that count (and of the
// word on stderr) as at the start of a run.
int LogCount();
void LogResetCount();
