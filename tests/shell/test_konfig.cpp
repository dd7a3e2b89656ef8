// Settings file: window-size question and bounds, positional values, failed values keep defaults.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/platform.h"
#include "shell/konfig.h"
#include "shell/window_state.h"
#include "test_files.h"

namespace {

int gAnswer = IDNO;
int gAsked = 0;
std::string gQuestion;

int Answer(const char* text, const char*, int) {
  gAsked++;
  gQuestion = text;
  return gAnswer;
}

class KonfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir("uni_files", 0755);
    // tests run in parallel processes: one file each
    Konfig.gsFileKonfig = "uni_files/" + TestFileName("konfig.txt");
    Konfig.gKonfigAsk = Answer;
    gAsked = 0;
    Konfig_Defaults();
    Win.WinWidth = 800;
    Win.WinHeight = 600;
  }
  void TearDown() override { Konfig.gsFileKonfig = "uni_files/konfig.txt"; }
  void Write(const std::string& text) { WriteAll(Konfig.gsFileKonfig, text); }
};

TEST_F(KonfigTest, MissingFileAsksNothingAndKeepsDefaults) {
  std::remove(Konfig.gsFileKonfig.c_str());
  Konfig_Read();
  EXPECT_EQ(gAsked, 0);
  EXPECT_EQ(Win.WinWidth, 800);
  EXPECT_EQ(Win.WinHeight, 600);
  EXPECT_EQ(Konfig.FrameSleepMode1, 10);
  EXPECT_EQ(Konfig.KonfigTextFlag, 1);
  EXPECT_FLOAT_EQ(Konfig.KonfigSelRGB[2], 0.8f);
}

TEST_F(KonfigTest, TheAnswerChoosesTheSize) {
  Write("title\n1024 768 yes\n640 480 no\n");
  gAnswer = IDYES;
  Konfig_Read();
  EXPECT_EQ(Win.WinWidth, 1024);
  EXPECT_EQ(Win.WinHeight, 768);
  EXPECT_NE(gQuestion.find("1024 x 768"), std::string::npos);
  EXPECT_NE(gQuestion.find("640 x 480"), std::string::npos);
  gAnswer = IDNO;
  Konfig_Read();
  EXPECT_EQ(Win.WinWidth, 640);
  EXPECT_EQ(Win.WinHeight, 480);
}

TEST_F(KonfigTest, SizesOutsideTheBoundsAreRefused) {
  gAnswer = IDYES;
  struct Case {
    int w, h;
    bool ok;
  } cases[] = {{299, 600, false},  {4001, 600, false}, {800, 199, false},
               {800, 3001, false}, {300, 200, true},   {4000, 3000, true}};
  for (const Case& c : cases) {
    Win.WinWidth = 800;
    Win.WinHeight = 600;
    Write("t\n" + std::to_string(c.w) + " " + std::to_string(c.h) + "\n0 0\n");
    Konfig_Read();
    EXPECT_EQ(Win.WinWidth, c.ok ? c.w : 800) << c.w << "x" << c.h;
    EXPECT_EQ(Win.WinHeight, c.ok ? c.h : 600) << c.w << "x" << c.h;
  }
}

TEST_F(KonfigTest, EmptyFileStillAsksAndKeeps800x600) {
  Write("");
  gAnswer = IDYES;
  Konfig_Read();
  EXPECT_EQ(gAsked, 1);
  EXPECT_NE(gQuestion.find("0 x 0"), std::string::npos);
  EXPECT_EQ(Win.WinWidth, 800);
  EXPECT_EQ(Win.WinHeight, 600);
}

TEST_F(KonfigTest, EveryLineIsReadByPositionWithCommentsAfterTheValues) {
  Write(
      "title line\r\n"
      "1024 768 // yes\r\n"
      "800 600 // no\r\n"
      "1 2 3 // strip\r\n"
      "0.1 0.2 0.3 strip colour\r\n"
      "0.4 0.5 0.6 text\r\n"
      "0 codes off\r\n"
      "0.1 0.1 0.1 0.9 box\r\n"
      "0.2 0.2 0.2 0.8 odd\r\n"
      "0.3 0.3 0.3 0.7 even\r\n"
      "0.9 0.8 0.7 selection\r\n"
      "15 sleep\r\n"
      "1 edit\r\n"
      "99 ignored\r\n");
  Konfig_Read();
  EXPECT_EQ(Konfig.KonfigStrip[2], 3);
  EXPECT_FLOAT_EQ(Konfig.KonfigStripRGB[1], 0.2f);
  EXPECT_FLOAT_EQ(Konfig.KonfigTextRGB[2], 0.6f);
  EXPECT_EQ(Konfig.KonfigTextFlag, 0);
  EXPECT_FLOAT_EQ(Konfig.KonfigColours[0][3], 0.9f);
  EXPECT_FLOAT_EQ(Konfig.KonfigColours[2][0], 0.3f);
  EXPECT_FLOAT_EQ(Konfig.KonfigSelRGB[0], 0.9f);
  EXPECT_EQ(Konfig.FrameSleepMode1, 15);
  EXPECT_EQ(Konfig.KonfigEditFlag, 1);
}

TEST_F(KonfigTest, StripOffsetsBeyondTheWidestWindowAreHeldToIt) {
  Write("t\n1024 768\n800 600\n1 2147483647 -2147483648\n");
  Konfig_Read();
  EXPECT_EQ(Konfig.KonfigStrip[0], 1);
  EXPECT_EQ(Konfig.KonfigStrip[1], 4000);
  EXPECT_EQ(Konfig.KonfigStrip[2], -4000);
}

TEST_F(KonfigTest, AValueThatDoesNotParseKeepsItAndAllLaterDefaults) {
  Write(
      "t\n1024 768\n640 480\n1 2 3\n0.5 oops 0.5\n0.4 0.5 0.6\n0\n1 1 1 1\n1 1 1 1\n1 1 1 1\n"
      "0.1 0.1 0.1\n15\n1\n");
  gAnswer = IDYES;
  Konfig_Read();
  EXPECT_EQ(Win.WinWidth, 1024);  // read before the fault
  EXPECT_EQ(Konfig.KonfigStrip[1], 2);
  EXPECT_FLOAT_EQ(Konfig.KonfigStripRGB[0], 0.5f);
  EXPECT_FLOAT_EQ(Konfig.KonfigStripRGB[1], 0.0f);
  EXPECT_FLOAT_EQ(Konfig.KonfigTextRGB[0], 0.0f);
  EXPECT_EQ(Konfig.KonfigTextFlag, 1);
  EXPECT_FLOAT_EQ(Konfig.KonfigSelRGB[0], 0.3f);
  EXPECT_EQ(Konfig.FrameSleepMode1, 10);
}

TEST_F(KonfigTest, ShippedSettingsOfferTwoValidSizes) {
  Konfig.gsFileKonfig = std::string(TOLV_SOURCE_DIR) + "/uni_files/konfig.txt";
  gAnswer = IDNO;
  Konfig_Read();
  EXPECT_EQ(Win.WinWidth, 800);
  EXPECT_EQ(Win.WinHeight, 600);
  gAnswer = IDYES;
  Konfig_Read();
  EXPECT_EQ(Win.WinWidth, 1024);
  EXPECT_EQ(Win.WinHeight, 768);
  EXPECT_EQ(Konfig.FrameSleepMode1, 10);
}

}  // namespace
