// Date and time texts of the system clock, UTC or local by mode.
#include "shell/date_stamp.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "shell/clock.h"
#include "shell/text.h"

t_DateStamp DateStamp;

namespace {
struct DateClockState {
  bool manual = false;
  DateParts utc{};
  DateParts local{};
};
DateClockState dclk;

const char* const kMonthEn[12] = {"_Jan-", "_Feb-", "_Mar-", "_Apr-", "_May-", "_Jun-",
                                  "_Jul-", "_Aug-", "_Sep-", "_Okt-", "_Nov-", "_Dec-"};
const char* const kMonthRu[12] = {"_Янв-", "_Фев-", "_Мар-", "_Апр-", "_Май-", "_Июн-",
                                  "_Июл-", "_Авг-", "_Сен-", "_Окт-", "_Ноя-", "_Дек-"};

// A scripted run's dates start here, local and UTC alike, and follow the script's clock.
constexpr time_t kScriptDateStart = 946684800;  // 2000-01-01 00:00:00 UTC

// Reads the clock the mode asks for and takes the local offset off the mode.
DateParts ReadClock(int* mode) {
  bool local = *mode >= 1000;
  if (local) *mode -= 1000;
  if (dclk.manual) return local ? dclk.local : dclk.utc;
  time_t now = time(nullptr);
  tm t{};
  if (uint32_t s = 0; Clock_ScriptSeconds(&s)) {
    now = kScriptDateStart + (time_t)s;
    local = false;
  }
  if (local) localtime_r(&now, &t);
  else gmtime_r(&now, &t);
  return DateParts{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}
}  // namespace

void DateClock_SetManual(bool on, const DateParts& utc, const DateParts& local) {
  dclk.manual = on;
  dclk.utc = utc;
  dclk.local = local;
}

std::string TimeTxt(short mode) {
  int m = mode;
  DateParts d = ReadClock(&m);
  std::string h = IntToStr(d.hour), mi = IntToStr(d.minute), s = IntToStr(d.second);
  switch (m) {
    case 1: return h + "h_" + mi + "min_" + s + "sec";
    case 2: return StrFmtShort("%02d:%02d", d.hour, d.minute);
    case -1: return h + mi + s;
    default: return h + "_" + mi + "m_" + s + "s";
  }
}

std::string DateTxt(short mode, short language) {
  int m = mode;
  DateParts d = ReadClock(&m);
  switch (m) {
    case 1: {
      bool eng = language != 0 || (DateStamp.DateEngTextFlag && *DateStamp.DateEngTextFlag);
      std::string name;
      if (d.month >= 1 && d.month <= 12) name = (eng ? kMonthEn : kMonthRu)[d.month - 1];
      return IntToStr(d.year) + name + IntToStr(d.day);
    }
    case 2:
      return StrFmtShort("%04d_%02d_%02d_%02d_%02d_%02d", d.year, d.month, d.day, d.hour, d.minute,
                         d.second);
    case 3: return std::string();
    default: return IntToStr(d.day) + "_m" + IntToStr(d.month) + "_" + IntToStr(d.year);
  }
}

char* DateTimeStamp(short dateMode, short timeMode, short language) {
  std::string s = DateTxt(dateMode, language);
  memset(DateStamp.DateStampBuf, 0, sizeof DateStamp.DateStampBuf);
  if (dateMode + timeMode >= 2000) s += "<Loc>";
  else if (dateMode >= 1000) s += "<DGr_";
  else if (timeMode >= 1000) s += "_TGr>";
  else s += "<Gr>";
  s += TimeTxt(timeMode);
  snprintf(DateStamp.DateStampBuf, sizeof DateStamp.DateStampBuf, "%s", s.c_str());
  return DateStamp.DateStampBuf;
}

char* DateTimeStampDef(short language) { return DateTimeStamp(1000, 1000, language); }
