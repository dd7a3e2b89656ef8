// Files of the whole program, headless: a text box opens and saves files whose names (and folder) are
// Russian, keeps the line ends of the file it opened, and says when a file does not open or save,
// the reason first; a refused save, or one past a file size limit, is said where the user looks and
// loses nothing; saves of stages, texts and screenshots leave every file and link that stands under
// their scratch names as it was; a signal closes a run that has saved without leaving its scratch
// files.
#include <sys/stat.h>

#include <set>

#include "app_run.h"
#include "figures/stage.h"
#include "platform/platform.h"

namespace {

using namespace at800;  // the screens' buttons

// UTF-8 text as the file system and the script name things.
std::string U8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

// The same text as the game holds it (Windows-1251).
std::string Cp1251(const std::string& utf8) {
  std::string out(utf8.size() + 1, '\0');
  out.resize((size_t)Plat_Utf8To1251(utf8.c_str(), out.data(), (int)out.size()));
  return out;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(folder)) out.insert(e.path().filename().string());
  return out;
}

TEST_F(AppRun, ATextBoxOpensAndSavesRussianNamesAndSaysWhenAFileFails) {
  const fs::path docs = dir / fs::path(u8"Документы");
  // "bbbbb" and "строка" in Windows-1251, as the game's texts are.
  WriteAll(docs / fs::path(u8"тест.txt"), "bbbbb\n\xF1\xF2\xF0\xEE\xEA\xE0\n");
  // Opened and saved under its own name and another: both come back byte for byte. The LF text
  // opened after it saves with LF.
  const std::string crlf = "one\r\n\r\n\xF1\xF2\r\n";
  WriteAll(docs / "crlf.txt", crlf);
  // A pipe passes the open dialog and reads as no file.
  ASSERT_EQ(mkfifo((docs / fs::path(u8"канал")).c_str(), 0600), 0);
  std::string tooLong = U8(u8"Документы/");  // 130 letters: 134 bytes for the game, 264 for the disk
  for (int i = 0; i < 130; i++) tooLong += U8(u8"я");
  tooLong += ".txt";
  std::string script = "answer no\nwait 3\n" + FileBy(U8(u8"Документы/crlf.txt"), kOpen, 2);
  script +=
      FileBy(U8(u8"Документы/crlf.txt"), kTextSave) + FileBy(U8(u8"Документы/crlf2.txt"), kTextSave);
  script += FileBy(U8(u8"Документы/тест.txt"), kOpen, 2);
  script += "click left 49 295\nwait 1\n" + U8(u8"type Ж\n");  // row 0, after its third letter
  script += FileBy(U8(u8"Документы/сохр.txt"), kTextSave) + "shot saved.bmp\n";
  script += FileBy(U8(u8"Нет/б.txt"), kTextSave);  // a missing folder: the dialog refuses it
  script += FileBy(U8(u8"Документы/канал"), kOpen, 2);
  script += FileBy(tooLong, kTextSave) + "shot failed.bmp\n";
  script += FileBy(tooLong.substr(tooLong.find('/') + 1), kTextSave) + "shot failed2.bmp\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");

  EXPECT_EQ(ReadAll(docs / fs::path(u8"сохр.txt")),
            "bbb\xC6"
            "bb\n\xF1\xF2\xF0\xEE\xEA\xE0\n");
  // Nothing under the game's own bytes of a name, no scratch file left, no missing folder made.
  EXPECT_EQ(Names(docs), (std::set<std::string>{U8(u8"тест.txt"), U8(u8"сохр.txt"), U8(u8"канал"),
                                                "crlf.txt", "crlf2.txt"}));
  EXPECT_EQ(ReadAll(docs / "crlf.txt"), crlf);
  EXPECT_EQ(ReadAll(docs / "crlf2.txt"), crlf);
  EXPECT_FALSE(fs::exists(dir / fs::path(u8"Нет")));
  EXPECT_NE(ReadAll(dir / "run.out").find("refused by the save dialog"), std::string::npos);
  const std::string log = Log();
  // A run without the variables' master has the Russian texts.
  EXPECT_NE(log.find(Cp1251(U8(u8"\ntext box: Не открыто: Документы/канал (not a plain file)"))),
            std::string::npos)
      << log;
  EXPECT_NE(log.find(Cp1251(U8(u8"\ntext box: Не сохранено: ") + tooLong + " (File name too long)")),
            std::string::npos)
      << log;
  // The box's upper line says it: its band of the window changed, and nothing else did.
  const Picture saved = ReadBmp((dir / "saved.bmp").string()),
                failed = ReadBmp((dir / "failed.bmp").string());
  ASSERT_EQ(saved.w, 800);
  ASSERT_EQ(failed.w, 800);
  int inLine = 0, elsewhere = 0;
  for (int y = 0; y < 600; y++)
    for (int x = 0; x < 800; x++) {
      const size_t at = ((size_t)y * 800 + x) * 3;
      int d = 0;
      for (int c = 0; c < 3; c++) d = std::max(d, std::abs(saved.rgb[at + c] - failed.rgb[at + c]));
      if (d > 24) (y >= 264 && y < 284 ? inLine : elsewhere)++;
    }
  EXPECT_GT(inLine, 200);
  EXPECT_LT(elsewhere, 100);  // the caret's pulse
  // Two saves refused for one reason under two long names: the line gives the reason before the
  // name, so the two lines agree beyond it.
  const Picture failed2 = ReadBmp((dir / "failed2.bmp").string());
  ASSERT_EQ(failed2.w, 800);
  int firstDiff = 800;
  for (int y = 264; y < 284; y++)
    for (int x = 0; x < firstDiff; x++)
      if (PicBoxDiff(failed, failed2, x, y, 1, 1, 24) > 0) firstDiff = x;
  EXPECT_GT(firstDiff, 250) << firstDiff;  // where the reason ends
}

// The file's mode bits.
unsigned ModeOf(const fs::path& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A text and a stage saved through links: each save writes the file its link leads to, keeps that
// file's mode and makes the backup beside it; the links stay, a link to a file not made yet makes
// it. A link into a missing folder fails the text's save, said on the box's line; nothing changes.
TEST_F(AppRun, SavesThroughLinksWriteTheFilesTheyLeadToAndKeepTheirModes) {
  WriteAll(dir / "docs" / "target.txt", "bbbbb\n");
  chmod((dir / "docs" / "target.txt").c_str(), 0600);
  fs::create_symlink("docs/target.txt", dir / "link.txt");
  fs::create_symlink("nodir/x.txt", dir / "broken.txt");
  const std::string stage = ReadAll(dir / "Maps" / "test.etp");
  WriteAll(dir / "stages" / "real.etp", stage);
  chmod((dir / "stages" / "real.etp").c_str(), 0640);
  fs::create_symlink("../stages/real.etp", dir / "Maps" / "test2.etp");
  fs::create_symlink("../stages/real.etp01", dir / "Maps" / "test2.etp01");  // not made yet
  const mode_t umaskNow = umask(0);
  umask(umaskNow);
  std::string script = "answer no\nwait 3\n" + FileBy("link.txt", kOpen, 2);
  script += "click left 49 295\nwait 1\ntype a\n";  // row 0, after its third letter
  script += FileBy("link.txt", kTextSave) + FileBy("broken.txt", kTextSave);
  script += Click("left", kPlayTest, 3) + Click("left", kSaveTest2, 3) + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");

  EXPECT_EQ(ReadAll(dir / "docs" / "target.txt"), "bbbabb\n");
  EXPECT_EQ(ModeOf(dir / "docs" / "target.txt"), 0600u);
  EXPECT_EQ(fs::read_symlink(dir / "link.txt"), "docs/target.txt");
  EXPECT_EQ(fs::read_symlink(dir / "broken.txt"), "nodir/x.txt");
  EXPECT_FALSE(fs::exists(dir / "nodir"));
  EXPECT_NE(Log().find(Cp1251(U8(
                u8"\ntext box: Не сохранено: broken.txt -> nodir/x.txt (No such file or directory)"))),
            std::string::npos)
      << Log();
  // The stage: both links stay, the files they lead to are saved and load, the old base is kept
  // beside its file with its mode, and only the links are in Maps/.
  EXPECT_EQ(fs::read_symlink(dir / "Maps" / "test2.etp"), "../stages/real.etp");
  EXPECT_EQ(fs::read_symlink(dir / "Maps" / "test2.etp01"), "../stages/real.etp01");
  EXPECT_EQ(Names(dir / "Maps"),
            (std::set<std::string>{"test.etp", "test.etp01", "test2.etp", "test2.etp01"}));
  EXPECT_EQ(Names(dir / "stages"), (std::set<std::string>{"real.etp", "real.etp_bak", "real.etp01"}));
  EXPECT_EQ(ReadAll(dir / "stages" / "real.etp_bak"), stage);
  EXPECT_EQ(ModeOf(dir / "stages" / "real.etp_bak"), 0640u);
  EXPECT_EQ(ModeOf(dir / "stages" / "real.etp"), 0640u);
  EXPECT_EQ(ModeOf(dir / "stages" / "real.etp01"), 0666u & ~umaskNow);
  EXPECT_EQ(EtapFile_Load((dir / "Maps" / "test2.etp").string()), 1);
}

// A refused save is said where the user looks, and changes nothing: a read-only text on the box's
// line, with the system's reason; Save Test2 of a stage whose location file is its base file under a
// second name in a box that names both. (Every writer against every such target: SaveTargets.)
TEST_F(AppRun, ARefusedSaveIsSaidWhereTheUserLooksAndChangesNothing) {
  RunAsAnotherUser();  // for whom the read-only file is so
  WriteAll(dir / "ro.txt", "bbbbb\n");
  chmod((dir / "ro.txt").c_str(), 0444);
  fs::copy_file(dir / "Maps" / "test.etp", dir / "Maps" / "test2.etp");
  fs::create_hard_link(dir / "Maps" / "test2.etp", dir / "Maps" / "test2.etp01");
  const std::string stage = ReadAll(dir / "Maps" / "test.etp");
  const std::set<std::string> namesBefore = Names(dir);

  std::string script = "answer no\nwait 3\n" + FileBy("ro.txt", kOpen, 2);
  script += "click left 49 295\nwait 1\ntype a\n" + FileBy("ro.txt", kTextSave);  // row 0, a letter in
  script += Click("left", kPlayTest, 3) + Click("left", kSaveTest2, 3) + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");

  EXPECT_EQ(ReadAll(dir / "ro.txt"), "bbbbb\n");
  EXPECT_EQ(ReadAll(dir / "Maps" / "test2.etp"), stage);
  EXPECT_EQ(fs::hard_link_count(dir / "Maps" / "test2.etp01"), 2u);
  EXPECT_EQ(Names(dir / "Maps"),
            (std::set<std::string>{"test.etp", "test.etp01", "test2.etp", "test2.etp01"}));
  std::set<std::string> namesWant = namesBefore;
  namesWant.insert({"run.out", "script.txt"});
  EXPECT_EQ(Names(dir), namesWant);
  // A run without the variables' master has the Russian texts.
  const std::string line = U8(u8"\ntext box: Не сохранено: ro.txt (Permission denied)");
  EXPECT_NE(Log().find(Cp1251(line)), std::string::npos) << line << "\n" << Log();
  const std::string box =
      U8(u8"platform: box [Error] Этап не сохранён: Maps/test2.etp and Maps/test2.etp01 "
         u8"(two names of one file) -> ok\n");
  EXPECT_NE(ReadAll(dir / "run.out").find(box), std::string::npos) << box << ReadAll(dir / "run.out");
}

// The game started under a file size limit (a shell's `ulimit -f 30`, the signal of a file past it
// at its default): a long text saved into a file with a second hard link (written in place) and into
// a file of one link, and Save Test2, fail past the limit without ending the game. Every file keeps
// its old content under all its names, nothing part-written is left beside it, and each failure is
// said where the user looks: the box's line, the stage's message box.
TEST_F(AppRun, SavesPastAFileSizeLimitFailAndKeepEveryOldFile) {
  fileSizeLimit = 30 * 1024;
  std::string oldText, newText;  // about 20 KB and 41 KB
  for (int i = 0; i < 640; i++)
    oldText += "old line " + std::to_string(10000 + i) + " of the first text\n";
  for (int i = 0; i < 940; i++)
    newText += "new line " + std::to_string(10000 + i) + " of a longer text ..\n";
  const fs::path other = dir / "other";
  WriteAll(other / "hard.txt", oldText);
  fs::create_hard_link(other / "hard.txt", dir / "hard.txt");
  WriteAll(dir / "one.txt", oldText);
  WriteAll(dir / "long.txt", newText);
  fs::copy_file(dir / "Maps" / "test.etp", dir / "Maps" / "test2.etp");
  fs::copy_file(dir / "Maps" / "test.etp01", dir / "Maps" / "test2.etp01");
  const std::string base = ReadAll(dir / "Maps" / "test2.etp");
  const std::string location = ReadAll(dir / "Maps" / "test2.etp01");
  std::string script = "answer no\nwait 3\n" + FileBy("long.txt", kOpen, 2);
  script += FileBy("hard.txt", kTextSave) + FileBy("one.txt", kTextSave);
  script += Click("left", kPlayTest, 3) + Click("left", kSaveTest2, 3) + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");

  EXPECT_EQ(ReadAll(dir / "hard.txt"), oldText);
  EXPECT_EQ(ReadAll(other / "hard.txt"), oldText);
  EXPECT_EQ(ReadAll(dir / "one.txt"), oldText);
  EXPECT_EQ(ReadAll(dir / "Maps" / "test2.etp"), base);
  EXPECT_EQ(ReadAll(dir / "Maps" / "test2.etp01"), location);
  EXPECT_EQ(Names(other), (std::set<std::string>{"hard.txt"}));
  EXPECT_EQ(Names(dir / "Maps"),
            (std::set<std::string>{"test.etp", "test.etp01", "test2.etp", "test2.etp01"}));
  const std::set<std::string> names = Names(dir);
  for (const std::string& n : names) EXPECT_EQ(n.find("_tmp"), std::string::npos) << n;
  // A run without the variables' master has the Russian texts.
  const std::string log = Log();
  for (const char8_t* line :
       {u8"\ntext box: Не сохранено: hard.txt (File too large, written back as it was)",
        u8"\ntext box: Не сохранено: one.txt (File too large)"})
    EXPECT_NE(log.find(Cp1251(U8(line))), std::string::npos) << U8(line) << "\n" << log;
  EXPECT_NE(
      ReadAll(dir / "run.out")
          .find(U8(u8"platform: box [Error] Этап не сохранён: Maps/test2.etp01 (File too large) -> ok")),
      std::string::npos)
      << ReadAll(dir / "run.out");
}

// The game started under a file size limit below the named variables' table that its start writes
// from the master: the write fails and the old table is back under its name, by a rename, no backup
// beside it; the log says so. A log that reaches the limit keeps what it had and the part of the
// message that went in, and the terminal (a file under the same limit) says once that later lines
// may be lost, however many are.
TEST_F(AppRun, AStartPastAFileSizeLimitKeepsTheOldTableAndSaysOnceThatTheLogIsFull) {
  fileSizeLimit = 1000;
  fs::create_directories(dir / "gm");
  fs::copy_file(SourcePath("gm/__orgmix.txt"), dir / "gm" / "__orgmix.txt");
  const fs::path table = dir / "uni_files" / "res" / "o2o3.bin";
  const std::string oldTable(1624, 'o');  // past the limit: writing it again would fail too
  const std::string said =
      "log: cannot write uni_files/log.txt (File too large); this run's later log lines may be lost\n";
  const struct {
    size_t logBefore;    // the log's size at the start
    const char* logHas;  // a line the log must hold; null: the log is full
    int saidOnTerminal;  // how often the terminal says that log lines may be lost
  } rows[] = {
      {0, "\nOrg_SaveBin: not written uni_files/res/o2o3.bin (File too large, written back as it was)",
       0},
      {990, nullptr, 1},
  };
  for (const auto& r : rows) {
    std::string oldLog;
    while (oldLog.size() < r.logBefore) oldLog += "\nan earlier run's line";
    oldLog.resize(r.logBefore);
    WriteAll(dir / "uni_files" / "log.txt", oldLog);
    WriteAll(table, oldTable);
    ASSERT_EQ(Run("answer no\nwait 3\nclose\n"), 0) << ReadAll(dir / "run.out");

    EXPECT_EQ(ReadAll(table), oldTable) << r.logBefore;
    EXPECT_FALSE(fs::exists(dir / "uni_files" / "res" / "o2o3.bin_bak")) << r.logBefore;
    const std::string log = Log(), out = ReadAll(dir / "run.out");
    EXPECT_EQ(log.compare(0, oldLog.size(), oldLog), 0) << log;
    if (r.logHas) {
      EXPECT_NE(log.find(r.logHas), std::string::npos) << log;
    } else {
      EXPECT_EQ(log.size(), 1000u) << log;  // to the limit: the part of a message that went in stays
    }
    EXPECT_EQ(CountOf(out, "log: cannot write"), r.saidOnTerminal) << out;
    EXPECT_EQ(CountOf(out, said), r.saidOnTerminal) << out;
  }
}

// A file or a link that a user keeps under a name the program uses for scratch files.
struct UserThing {
  const char* name;
  const char* link;  // the link's target, or null for a file
  const char* bytes;
};

TEST_F(AppRun, SavesLeaveWhatStandsUnderTheirScratchNamesAsItWas) {
  WriteAll(dir / "outside.txt", "a file of the user's, outside Maps/");
  WriteAll(dir / "Maps" / "bad.etp", "a stage that will not be replaced");
  fs::create_directory(dir / "Maps" / "bad.etp_bak");  // a folder where the backup goes: the save fails
  const UserThing things[] = {
      {"Maps/test2.etp_tmp", nullptr, "notes"},
      {"Maps/test2.etp_tmp1", "../outside.txt", nullptr},
      {"Maps/test2.etp01_tmp", "../outside.txt", nullptr},
      {"Maps/test2.etp01_tmp1", nullptr, "more notes"},
      {"Maps/bad.etp_tmp", nullptr, "notes"},
      {"Maps/bad.etp01_tmp", "../outside.txt", nullptr},
      {"notes.txt_tmp", "outside.txt", nullptr},
      {"shot.bmp_tmp", nullptr, "a picture"},
  };
  for (const UserThing& t : things) {
    if (t.link) fs::create_symlink(t.link, dir / t.name);
    else WriteAll(dir / t.name, t.bytes);
  }
  // A text saved from the start screen, a screenshot, three saves of the running game (the third
  // writes over the backup the first made), then the editor's save that fails.
  std::string script = "answer no\nwait 3\n" + FileBy("notes.txt", kTextSave);
  script += "shot shot.bmp\n" + Click("left", kPlayTest, 3);
  for (int i = 0; i < 3; i++) script += Click("left", kSaveTest2, 3);
  script += Click("left", kEsc, 2) + Click("left", kEditor, 5);
  // Palette tool 2 used on a cell arms the editor's save.
  script += "click left 119 386\nwait 1\nclick right 500 350\nwait 1\n";
  script += FileBy("Maps/bad.etp", kEditorSave, 3) + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");

  for (const UserThing& t : things) {
    if (t.link) EXPECT_EQ(fs::read_symlink(dir / t.name), t.link) << t.name;
    else EXPECT_EQ(ReadAll(dir / t.name), t.bytes) << t.name;
  }
  EXPECT_EQ(ReadAll(dir / "outside.txt"), "a file of the user's, outside Maps/");
  EXPECT_EQ(ReadAll(dir / "Maps" / "bad.etp"), "a stage that will not be replaced");
  EXPECT_NE(Log().find("\nSaveEtapFail: not open Maps/bad.etp"), std::string::npos) << Log();
  // ... and said in a box, naming the folder in the way (a run without the variables' master has
  // the Russian texts).
  EXPECT_NE(ReadAll(dir / "run.out")
                .find(U8(u8"platform: box [Error] Этап не сохранён: Maps/bad.etp_bak (is a "
                         u8"folder) -> ok")),
            std::string::npos)
      << ReadAll(dir / "run.out");
  EXPECT_GT(ReadAll(dir / "notes.txt").size(), 10u);
  EXPECT_EQ(BmpSize(dir / "shot.bmp"), std::make_pair(800, 600));
  // Nothing of the program's scratch files is left after the exit, and the stage loads.
  EXPECT_EQ(Names(dir / "Maps"),
            (std::set<std::string>{"test.etp", "test.etp01", "test2.etp", "test2.etp01", "test2.etp_bak",
                                   "test2.etp01_bak", "test2.etp_tmp", "test2.etp_tmp1",
                                   "test2.etp01_tmp", "test2.etp01_tmp1", "bad.etp", "bad.etp_bak",
                                   "bad.etp_tmp", "bad.etp01_tmp"}));
  EXPECT_EQ(EtapFile_Load((dir / "Maps" / "test2.etp").string()), 1);
}

// Ctrl+C (or a kill) in the middle of a run that has saved: the run closes as by the window's
// close, exit code 0, and takes its scratch files with it.
TEST_F(AppRun, ASignalClosesASavedRunCleanly) {
  std::string script = "answer no\nwait 3\nclick left " + std::string(kPlayTest) + "\nwait 3\n";
  for (int i = 0; i < 3; i++) script += "click left " + std::string(kSaveTest2) + "\nwait 3\n";
  script += "wait 10000000\nclose\n";  // the signal comes long before this ends
  const pid_t pid = Spawn(script);
  ASSERT_GE(pid, 0);
  // The third save keeps the second's backup under a scratch name until the next save or the exit.
  const fs::path maps = dir / "Maps";
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHangMs);
  while (!(fs::exists(maps / "test2.etp01_bak") && fs::exists(maps / "test2.etp_tmp") &&
           fs::exists(maps / "test2.etp01_tmp")) &&
         std::chrono::steady_clock::now() < end)
    usleep(5000);
  EXPECT_TRUE(fs::exists(maps / "test2.etp_tmp")) << ReadAll(dir / "run.out");
  kill(pid, SIGINT);
  EXPECT_EQ(Reap(pid), 0) << "the run did not end by its close after the signal\n"
                          << ReadAll(dir / "run.out");
  EXPECT_EQ(Names(maps), (std::set<std::string>{"test.etp", "test.etp01", "test2.etp", "test2.etp01",
                                                "test2.etp_bak", "test2.etp01_bak"}));
  EXPECT_EQ(EtapFile_Load((maps / "test2.etp").string()), 1);
}

// Screenshots, loads and saves that fail are said in a message box with the file, as the game
// named it, and the reason; nothing is written in their place. The screenshot folder is a file, a
// named picture's folder is missing, the second stage is not a stage and a folder stands under its
// backup's name, a stage opened in the editor has no location file.
TEST_F(AppRun, AFailedScreenshotLoadOrSaveIsSaidInAMessageBox) {
  WriteAll(dir / "screens1", "a file where the pictures go");
  fs::copy_file(dir / "Maps" / "test.etp", dir / "Maps" / "other.etp");
  WriteAll(dir / "Maps" / "test2.etp", "not a stage");
  fs::create_directory(dir / "Maps" / "test2.etp_bak");
  std::string script = "answer no\nwait 3\nkey Print\nwait 3\nshot nodir/x.bmp\n";
  script += std::string("click left ") + kPlayTest + "\nwait 3\nclick left " + kLoadTest2 + "\nwait 3\n";
  script += std::string("click left ") + kSaveTest2 + "\nwait 3\nclick left " + kEsc + "\nwait 2\n";
  // The editor's button, right click: a new world, then a stage from the open dialog.
  script += std::string("file Maps/other.etp\nclick right ") + kEditor + "\nwait 3\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  const std::string out = ReadAll(dir / "run.out");
  const char8_t* boxes[] = {
      u8"Save BMP24 image: screens1 (Not a directory)",
      u8"Save BMP24 image: nodir/x.bmp (No such file or directory)",
      u8"Этап не загружен: Maps/test2.etp (refused: not a stage file of this game, or a broken one)",
      u8"Этап не сохранён: Maps/test2.etp_bak (is a folder)",
      u8"Этап не загружен: Maps/other.etp01 (No such file or directory)",
  };
  size_t at = 0;
  for (const char8_t* box : boxes) {
    at = out.find("platform: box [Error] " + U8(box) + " -> ok\n", at);
    EXPECT_NE(at, std::string::npos) << U8(box) << "\n" << out;  // in this order
    if (at == std::string::npos) at = 0;
  }
  EXPECT_EQ(ReadAll(dir / "screens1"), "a file where the pictures go");
  EXPECT_EQ(ReadAll(dir / "Maps" / "test2.etp"), "not a stage");
  EXPECT_EQ(Names(dir / "Maps"), (std::set<std::string>{"test.etp", "test.etp01", "other.etp",
                                                        "test2.etp", "test2.etp_bak"}));
  EXPECT_FALSE(fs::exists(dir / "nodir"));
}

}  // namespace
