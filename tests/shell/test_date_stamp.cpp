// Date and time stamps on a fixed clock: layouts by mode, UTC or local, month names, the tag.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/date_stamp.h"

namespace {
// 8 March 2010: 14:05:09 UTC, 15:05:09 local.
struct DateStampTest : ::testing::Test {
  int eng = 0;
  void SetUp() override {
    DateClock_SetManual(true, DateParts{2010, 3, 8, 14, 5, 9}, DateParts{2010, 3, 8, 15, 5, 9});
    DateStamp.DateEngTextFlag = &eng;
  }
  void TearDown() override {
    DateClock_SetManual(false);
    DateStamp.DateEngTextFlag = nullptr;
  }
};
}  // namespace

TEST_F(DateStampTest, TimeLayouts) {
  DateClock_SetManual(true, DateParts{2010, 3, 8, 9, 5, 7}, DateParts{2010, 3, 8, 23, 59, 0});
  EXPECT_EQ(TimeTxt(1), "9h_5min_7sec");
  EXPECT_EQ(TimeTxt(2), "09:05");
  EXPECT_EQ(TimeTxt(-1), "957");
  EXPECT_EQ(TimeTxt(0), "9_5m_7s");
  EXPECT_EQ(TimeTxt(7), "9_5m_7s");
  EXPECT_EQ(TimeTxt(1002), "23:59");
  EXPECT_EQ(TimeTxt(999), "9_5m_7s");  // below 1000 is still UTC
}

TEST_F(DateStampTest, DateLayouts) {
  EXPECT_EQ(DateTxt(0, 0), "8_m3_2010");
  EXPECT_EQ(DateTxt(2, 0), "2010_03_08_14_05_09");
  EXPECT_EQ(DateTxt(1002, 0), "2010_03_08_15_05_09");
  EXPECT_EQ(DateTxt(3, 1), "");
  EXPECT_EQ(DateTxt(1, 1), "2010_Mar-8");
  // Language 0 follows the English-text flag, else the Russian names in Windows-1251.
  EXPECT_EQ(DateTxt(1, 0), "2010_\xCC\xE0\xF0-8");
  eng = 1;
  EXPECT_EQ(DateTxt(1, 0), "2010_Mar-8");
  DateStamp.DateEngTextFlag = nullptr;
  EXPECT_EQ(DateTxt(1, 0), "2010_Мар-8");
}

TEST_F(DateStampTest, MonthNamesAndMonthsOutOfRange) {
  DateClock_SetManual(true, DateParts{2011, 10, 1, 0, 0, 0}, DateParts{2011, 13, 2, 0, 0, 0});
  EXPECT_EQ(DateTxt(1, 1), "2011_Okt-1");
  EXPECT_EQ(DateTxt(1, 0), "2011_Окт-1");
  EXPECT_EQ(DateTxt(1001, 1), "20112");  // no month 13: the name is left out
}

TEST_F(DateStampTest, StampsAndTheirTags) {
  EXPECT_STREQ(DateTimeStamp(0, 0, 1), "8_m3_2010<Gr>14_5m_9s");
  EXPECT_STREQ(DateTimeStampDef(1), "8_m3_2010<Loc>15_5m_9s");
  EXPECT_STREQ(DateTimeStamp(1000, 0, 1), "8_m3_2010<DGr_14_5m_9s");
  EXPECT_STREQ(DateTimeStamp(0, 1000, 1), "8_m3_2010_TGr>15_5m_9s");
  EXPECT_STREQ(DateTimeStamp(1001, 1001, 1), "2010_Mar-8<Loc>15h_5min_9sec");
}

TEST_F(DateStampTest, OneSharedBufferOverwrittenByEachStamp) {
  char* first = DateTimeStamp(1002, 1001, 1);
  EXPECT_STREQ(first, "2010_03_08_15_05_09<Loc>15h_5min_9sec");
  char* second = DateTimeStamp(3, 2, 1);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first, DateStamp.DateStampBuf);
  EXPECT_STREQ(first, "<Gr>14:05");
  // The rest of the buffer is cleared, not left over from the longer stamp.
  for (size_t i = strlen(first); i < sizeof DateStamp.DateStampBuf; i++)
    ASSERT_EQ(DateStamp.DateStampBuf[i], 0);
}

TEST(DateStampSystemClock, RealClockGivesPlausibleTexts) {
  DateClock_SetManual(false);
  std::string d = DateTxt(2, 0);
  ASSERT_EQ(d.size(), 19u);
  EXPECT_GE(d.substr(0, 4), "2020");
  std::string stamp = DateTimeStampDef(1);
  EXPECT_NE(stamp.find("<Loc>"), std::string::npos);
}
