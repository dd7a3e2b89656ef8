// Message base: line budget, markers, cut texts, languages and the lookups' failure texts.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <string>

#include "shell/date_stamp.h"
#include "shell/msgbase.h"
#include "test_files.h"

namespace {

int engText = 1;

class MsgBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgBase_Clear();
    DateStamp.DateEngTextFlag = &engText;  // as start-up wires the game's language switch
    engText = 1;
  }
  void TearDown() override {
    MsgBase_Clear();
    DateStamp.DateEngTextFlag = nullptr;
  }
};

TEST_F(MsgBaseTest, EmptyBaseAnswersDotsAndNull) {
  MsgBase_Load("no_such_msgbase.txt");
  EXPECT_STREQ(MsgBase_Text(1), "...");
  EXPECT_STREQ(MsgBase_Text(0), "...");
  EXPECT_EQ(MsgBase_TextOrNull(1), nullptr);

  WriteAll("mb_one.txt", "1\n//==mbHello\nHello\nПривет\n");
  MsgBase_Load("mb_one.txt");  // a budget below 2 loads nothing
  EXPECT_TRUE(Msgs.MsgBase.empty());

  WriteAll("mb_text.txt", "many\n//==mbHello\nHello\nПривет\n");
  MsgBase_Load("mb_text.txt");
  EXPECT_TRUE(Msgs.MsgBase.empty());
}

TEST_F(MsgBaseTest, BudgetCountsScannedLinesButNotTexts) {
  const std::string body = "//==mbOne\nOne\nОдин\n// comment\n//==mbTwo\nTwo\nДва\n";
  WriteAll("mb2.txt", "2 budget\n" + body);
  MsgBase_Load("mb2.txt");
  EXPECT_EQ(Msgs.MsgBase.size(), 2u);  // only the first: the comment used the second line
  WriteAll("mb3.txt", "3\n" + body);
  MsgBase_Load("mb3.txt");
  EXPECT_EQ(Msgs.MsgBase.size(), 4u);
  WriteAll("mb2b.txt", "2\n//==mbOne\nOne\nОдин\n//==mbTwo\nTwo\nДва\n");
  MsgBase_Load("mb2b.txt");
  EXPECT_EQ(Msgs.MsgBase.size(), 4u);
}

TEST_F(MsgBaseTest, MarkersMayBeIndentedButNotPreceded) {
  WriteAll("mbm.txt", "99\n \t//==mbA\r\nA\r\nА\r\nx //==mbB\nB\nБ\n");
  MsgBase_Load("mbm.txt");
  ASSERT_EQ(Msgs.MsgBase.size(), 2u);
  EXPECT_STREQ(MsgBase_Text(1), "A");  // the CR of a CR LF line is not part of the text
  EXPECT_STREQ(MsgBase_Text(2), ".Z.");
}

TEST_F(MsgBaseTest, LanguagesNumbersAndLongTexts) {
  std::string longText(200, 'x');
  WriteAll("mbl.txt",
           "99\n//==mbA\nEnglish\nРусский\n//==mbB\n" + longText + "\n  untrimmed  \n//==mbC\nonly\n");
  MsgBase_Load("mbl.txt");
  ASSERT_EQ(Msgs.MsgBase.size(), 5u);  // the last message lacks its local text
  EXPECT_STREQ(MsgBase_Text(1), "English");
  engText = 0;
  EXPECT_STREQ(MsgBase_Text(1), "Русский");
  EXPECT_STREQ(MsgBase_Text(2), "  untrimmed  ");
  engText = 1;
  EXPECT_EQ(std::string(MsgBase_Text(2)), std::string(127, 'x'));
  EXPECT_STREQ(MsgBase_Text(0), ".0.");
  EXPECT_STREQ(MsgBase_Text(-4), ".0.");
  EXPECT_STREQ(MsgBase_Text(3), ".Z.");  // odd record count
  EXPECT_STREQ(MsgBase_Text(4), ".Z.");
  EXPECT_EQ(MsgBase_TextOrNull(0), nullptr);
  EXPECT_STREQ(MsgBase_TextOrNull(9), ".Z.");
  // 2n - 1 must not wrap round into a valid record
  EXPECT_STREQ(MsgBase_Text(INT_MAX), ".Z.");
  EXPECT_STREQ(MsgBase_Text(INT_MAX / 2 + 1), ".Z.");
  EXPECT_STREQ(MsgBase_TextOrNull(INT_MAX), ".Z.");
}

TEST_F(MsgBaseTest, AMissingFileLeavesTheBaseAsItWas) {
  WriteAll("mbk.txt", "9\n//==mbA\nA\nА\n");
  MsgBase_Load("mbk.txt");
  MsgBase_Load("no_such_msgbase.txt");
  EXPECT_EQ(Msgs.MsgBase.size(), 2u);
}

TEST_F(MsgBaseTest, ShippedBaseHasBothLanguagesForEveryUsedNumber) {
  MsgBase_Load(std::string(TOLV_SOURCE_DIR) + "/uni_files/res/msgbase.txt");
  ASSERT_GE(Msgs.MsgBase.size(), 2u * 108);
  EXPECT_EQ(Msgs.MsgBase.size() % 2, 0u);
  for (int n : {2, 3, 27, 36, 39, 74, 87, 92, 93, 94, 104, 108}) {
    engText = 1;
    std::string en = MsgBase_Text(n);
    engText = 0;
    std::string ru = MsgBase_Text(n);
    EXPECT_FALSE(en.empty()) << n;
    EXPECT_FALSE(ru.empty()) << n;
    EXPECT_NE(en, ".Z.") << n;
  }
  engText = 0;
  // Russian texts are Windows-1251 bytes: "Действие" begins with 0xC4.
  EXPECT_EQ((unsigned char)MsgBase_Text(3)[0], 0xC4);
}

}  // namespace
