// Headless runs of the whole program in a scratch copy of the shipped data: start-up, a script of
// frames, shutdown; the window size from the settings; a start-up that fails.
#include "app_run.h"

namespace {

TEST_F(AppRun, StartsRunsFramesAndClosesCleanly) {
  int rc =
      Run("answer no\nwait 10\nkey escape\nkey space\nclick left 100 100\nwait 5\nshot end.bmp\nwait 2\n"
          "no such command\nclose\n");
  EXPECT_EQ(rc, 0) << ReadAll(dir / "run.out");
  std::string log = Log();
  EXPECT_NE(log.find("//---\nStart in "), std::string::npos) << log;
  // the platform layer's lines join the game's log
  EXPECT_NE(log.find("\nplatform: script line 9 refused ("), std::string::npos) << log;
  EXPECT_NE(log.find("\n t_item(518)  t_UNIT(1442)  Fgr("), std::string::npos) << log;
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

  // Started under nice, the game keeps the niceness it was given instead of raising its priority.
  FreshData();
  niceness = 10;
  ASSERT_EQ(Run("answer no\nwait 2\nclose\n"), 0) << ReadAll(dir / "run.out");
  EXPECT_NE(Log().find("\nplatform: niceness 10 kept, as the program"), std::string::npos) << Log();
  EXPECT_EQ(Log().find("HIGH_PRIORITY_CLASS"), std::string::npos) << Log();
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

// A folder where a data file belongs reads as a missing file: a reader that opened it would see
// every read fail without an end of file, and the key-command loader then waited for ever.
TEST_F(AppRun, AFolderInPlaceOfARequiredFileFailsTheStartLikeAMissingOne) {
  for (const char* name :
       {"uni_files/res/sig.txt", "uni_files/res/pix_start.txt", "uni_files/res/_tfonts.txt"}) {
    FreshData();
    fs::remove(dir / name);
    fs::create_directory(dir / name);
    int rc = Run("answer no\nanswer ok\nanswer ok\nwait 3\nclose\n");
    EXPECT_NE(rc, kHung) << name;
    EXPECT_NE(rc, 0) << name;
    EXPECT_NE(Log().find("not InitGL"), std::string::npos) << name << Log();
    const std::string lacks =
        "not started in " + fs::canonical(dir).string() + ", which lacks " + name + " (";
    EXPECT_NE(ReadAll(dir / "run.out").find(lacks), std::string::npos)
        << lacks << ReadAll(dir / "run.out");
  }
}

// Started from another folder than the game's, the start fails as the box says, and the terminal
// (the log cannot be written there) says which folder it was and which of the game's files it lacks.
TEST_F(AppRun, StartedInAnotherFolderItSaysWhereAndWhatIsMissing) {
  for (const char* name : {"uni_files", "Maps", "_about_.txt"}) fs::remove_all(dir / name);
  const int rc = Run("answer no\nanswer ok\nwait 3\nclose\n");
  EXPECT_NE(rc, kHung);
  EXPECT_NE(rc, 0);
  const std::string out = ReadAll(dir / "run.out");
  EXPECT_NE(out.find("tolv: not started in " + fs::canonical(dir).string() +
                     ", which lacks uni_files/res/_tfonts.txt, uni_files/res/pix_start.txt, "
                     "uni_files/res/sig.txt ("),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("box [Error] not InitGL"), std::string::npos) << out;
}

TEST_F(AppRun, FoldersInPlaceOfOptionalFilesStartLikeMissingOnes) {
  for (const char* name :
       {"uni_files/konfig.txt", "uni_files/res/msgbase.txt", "uni_files/res/paintword.txt",
        "uni_files/res/o2o3.bin", "gm/__orgmix.txt", "uni_files/res/font_sans10.tga"}) {
    fs::remove(dir / name);
    fs::create_directories(dir / name);
  }
  int rc = Run("answer yes\nwait 3\nshot plain.bmp\nwait 1\nclose\n");
  EXPECT_EQ(rc, 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(BmpSize(dir / "plain.bmp"), std::make_pair(800, 600));
  EXPECT_FALSE(fs::exists(dir / "uni_files" / "test_paint.txt"));
  EXPECT_TRUE(fs::is_directory(dir / "uni_files/res/o2o3.bin"));  // no file is written over it
}

TEST_F(AppRun, AHugeFrameSleepInTheSettingsStillLetsTheTextScreenRun) {
  std::string k = ReadAll(dir / "uni_files" / "konfig.txt");
  size_t at = k.find("10                  // frame sleep");
  ASSERT_NE(at, std::string::npos);
  k.replace(at, 2, "2147483647");
  std::ofstream(dir / "uni_files" / "konfig.txt", std::ios::binary) << k;
  EXPECT_EQ(Run("answer no\nwait 20\nshot late.bmp\nclose\n"), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(BmpSize(dir / "late.bmp"), std::make_pair(800, 600));
}

TEST_F(AppRun, AltF4ClosesTheProgram) {
  EXPECT_EQ(Run("answer no\nwait 3\ndown Alt\nkey F4\nup Alt\nwait 10\nshot late.bmp\nclose\n"), 0);
  EXPECT_FALSE(fs::exists(dir / "late.bmp"));  // no frame after the keys
  EXPECT_NE(Log().find("//---\nStart in "), std::string::npos);
}

// The start directory is a file-system name (UTF-8); the game, its dialogs and its log see it in
// Windows-1251 like every other text.
TEST_F(AppRun, AStartDirectoryInCyrillicIsTheGamesOwnText) {
  fs::path cyr = dir / "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD1\x8B";  // UTF-8 on disk
  fs::create_directory(cyr);
  fs::rename(dir / "uni_files", cyr / "uni_files");
  fs::rename(dir / "_about_.txt", cyr / "_about_.txt");
  fs::path top = dir;
  dir = cyr;
  EXPECT_EQ(Run("answer no\nwait 3\nclose\n"), 0);
  EXPECT_NE(Log().find("\nStart in " + top.string() + "/Карты\n"), std::string::npos) << Log();
}

// A close followed in its frame by more moves than the message queue holds still ends the run (the
// suite's timeout is the only bound here). A message of ours starts its own line in the log: the
// box of a font image too large to decode is such a message.
TEST_F(AppRun, ACloseBehindTwoThousandMovesEndsTheRunAndOurLogLinesStandAlone) {
  std::string tga(18, '\0');  // a bare header: 8192 x 4096 at 32 bits decodes to 128 MiB
  tga[2] = 2;
  tga[13] = 0x20;
  tga[15] = 0x10;
  tga[16] = 32;
  WriteAll(dir / "uni_files" / "res" / "font_sans10.tga", tga);
  std::string script = "answer no\nwait 3\nclose\n";
  for (int i = 0; i < 2000; i++) script += "move " + std::to_string(i % 800) + " 300\n";
  const pid_t pid = Spawn(script);
  ASSERT_GT(pid, 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  const std::string out = ReadAll(dir / "run.out");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
  EXPECT_EQ(out.find("message queue full"), std::string::npos) << out;
  EXPECT_NE(Log().find("\n[Error] TGA image decodes to more than 64 MiB\n"), std::string::npos) << Log();
}

TEST_F(AppRun, AScriptWithoutCloseStillEnds) {
  EXPECT_EQ(Run("answer no\nwait 5\n"), 0);  // the close comes after the last command
}

}  // namespace
