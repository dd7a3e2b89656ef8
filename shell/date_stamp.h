// Date and time stamps of the system clock for log lines, screenshot names and generated-file
// headers. A mode of 1000 or more reads local time (1000 taken off), a smaller one UTC. A run on
// the script's clock (shell/clock.h) reads 2000-01-01 00:00:00 at its start, local and UTC alike,
// and the script's clock from there.
#pragma once

#include <string>

struct t_DateStamp {
  char DateStampBuf[128];  // the last stamp; each DateTimeStamp overwrites it
  // The language flag of the month names when a caller passes language 0. Start-up points it at
  // the game's English-text variable; null means the Russian names.
  const int* DateEngTextFlag;
};
extern t_DateStamp DateStamp;

std::string TimeTxt(short mode);
std::string DateTxt(short mode, short language);
char* DateTimeStamp(short dateMode, short timeMode, short language);
char* DateTimeStampDef(short language);  // both local

// Test seam: while manual, the clock answers the given broken-down times instead of the system.
struct DateParts {
  int year, month, day, hour, minute, second;
};
void DateClock_SetManual(bool on, const DateParts& utc = {}, const DateParts& local = {});
