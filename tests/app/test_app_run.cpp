// Headless runs of the whole program in a scratch copy of the shipped data: start-up, a script of
// frames, shutdown; the window size from the settings; a start-up that fails.
#include "app_run.h"

namespace {

TEST_F(AppRun, StartsRunsFramesAndClosesCleanly) {
  int rc = Run("answer no\nwait 10\nkey escape\nkey space\nclick left 100 100\nwait 5\nshot end.bmp\nwait 2\n"
               "no such command\nclose\n");
  EXPECT_EQ(rc, 0) << ReadAll(dir / "run.out");
  std::string log = Log();
  EXPECT_NE(log.find("//---\nStart in "), std::string::npos) << log;
  // the platform layer's lines join the game's log
  EXPECT_NE(log.find("\nplatform: script line 9 refused ("), std::string::npos) << log;
  EXPECT_NE(log.find("size_of_charP(8)"), std::string::npos) << log;
  EXPECT_EQ(log.find("not InitGL"), std::string::npos) << log;
  // the coloured words were read and written back, longest first
  std::string words = ReadAll(dir / "uni_files" / "test_paint.txt");
  EXPECT_EQ(words.rfind("LogInfo\n", 0), 0u) << words;
  EXPECT_NE(words.find("\n!\n"), std::string::npos) << words;
  EXPECT_EQ(words.find("-=end=-"), std::string::npos);
  EXPECT_EQ(BmpSize(dir / "end.bmp"), std::make_pair(800, 600));
  // the text screen's cleared picture, not an empty buffer
  int bgr = MiddlePixel(dir / "end.bmp");
  EXPECT_NE(bgr, -1);
  EXPECT_NE(bgr, 0);
}

TEST_F(AppRun, TheSettingsQuestionChoosesTheWindowSize) {
  EXPECT_EQ(Run("answer yes\nwait 3\nshot yes.bmp\nwait 1\nclose\n"), 0);
  EXPECT_EQ(BmpSize(dir / "yes.bmp"), std::make_pair(1024, 768));
}

TEST_F(AppRun, WithoutSettingsTheWindowIs800x600) {
  fs::remove(dir / "uni_files" / "konfig.txt");
  fs::remove(dir / "uni_files" / "res" / "paintword.txt");
  fs::remove(dir / "uni_files" / "res" / "msgbase.txt");
  EXPECT_EQ(Run("answer yes\nwait 3\nshot plain.bmp\nwait 1\nclose\n"), 0);
  EXPECT_EQ(BmpSize(dir / "plain.bmp"), std::make_pair(800, 600));
  EXPECT_FALSE(fs::exists(dir / "uni_files" / "test_paint.txt"));
}

TEST_F(AppRun, WithoutKeyCommandsStartUpFailsWithNonZeroExit) {
  fs::remove(dir / "uni_files" / "res" / "sig.txt");
  int rc = Run("answer no\nanswer ok\nwait 3\nclose\n");
  EXPECT_NE(rc, 0);
  EXPECT_NE(Log().find("not InitGL"), std::string::npos) << Log();
}

TEST_F(AppRun, AScriptWithoutCloseStillEnds) {
  EXPECT_EQ(Run("answer no\nwait 5\n"), 0);  // the close comes after the last command
}

}  // namespace
