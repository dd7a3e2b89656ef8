// Files and directories in the scratch directory: backup policies (an old file survives every failed
// open), whole-file reads, text helpers and the directory stack.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/binfile.h"
#include "shell/clock.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/text.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

// Tests share one scratch directory and run again on every ctest: start from a clean slate.
void Clear(std::initializer_list<const char*> paths) {
  std::error_code ec;
  for (const char* p : paths) fs::remove_all(p, ec);
}

int FailOpen(const char*, int, unsigned) {
  errno = EACCES;
  return -1;
}

// Restores the real open even when an assertion leaves the test early.
struct FailingOpen {
  int (*real)(const char*, int, unsigned) = Files.OpenFd;
  FailingOpen() { Files.OpenFd = FailOpen; }
  ~FailingOpen() { Files.OpenFd = real; }
};

std::string Cwd() {
  char buf[PATH_MAX];
  return getcwd(buf, sizeof buf) ? buf : "";
}

}  // namespace

// Move (2) puts the old file in its backup's place (the name takes the ending), copy (3) copies it
// there and writes the file in place, delete (1) replaces it: every file of the folder after the
// write.
TEST(FileOpenBak, EachPolicyKeepsTheOldFileItsWay) {
  using Files = std::map<std::string, std::string>;
  const struct {
    const char *name, *ext;
    short policy;
    Files before;
    const char* text;
    Files after;
  } rows[] = {
      {"p2",
       ".etp",
       kFileBakMove,
       {{"p2.etp", "old"}, {"p2.etp_bak", "older"}},
       "new",
       {{"p2.etp", "new"}, {"p2.etp_bak", "old"}}},
      // the old tail stays behind the shorter write
      {"p3.bin",
       "",
       kFileBakCopy,
       {{"p3.bin", "abcdef"}},
       "XY",
       {{"p3.bin", "XYcdef"}, {"p3.bin_bak", "abcdef"}}},
      {"p1.bin", "", kFileBakDelete, {{"p1.bin", "old contents"}}, "n", {{"p1.bin", "n"}}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.policy);
    Clear({"bak"});
    for (const auto& [name, text] : r.before) WriteAll("bak/" + name, text);
    std::string name = std::string("bak/") + r.name;
    FILE* f = FileOpenBak(name, r.ext, r.policy, kFileBakWrite);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(name, std::string("bak/") + r.name + r.ext);
    std::fputs(r.text, f);
    EXPECT_EQ(FileCloseBak(f, name), 1);
    EXPECT_EQ(FolderTree("bak", [](const fs::path& p, const struct stat&) { return ReadAll(p); }),
              r.after);
  }
}

TEST(FileOpenBak, Policy3WithoutBackupDoesNotOpen) {
  Clear({"p3x.bin", "p3x.bin_bak"});
  WriteAll("p3x.bin", "keep");
  fs::create_directory("p3x.bin_bak");  // a directory cannot be overwritten by the copy
  WriteAll("p3x.bin_bak/inside", "x");
  std::string name = "p3x.bin";
  EXPECT_EQ(FileOpenBak(name, "", kFileBakCopy, kFileBakWrite), nullptr);
  EXPECT_EQ(ReadAll("p3x.bin"), "keep");
}

TEST(FileOpenBak, OtherPoliciesRefuseAnExistingFileUnlessAppending) {
  Clear({"p0.bin", "p0_fresh.bin"});
  WriteAll("p0.bin", "ab");
  std::string name = "p0.bin";
  EXPECT_EQ(FileOpenBak(name, "", kFileBakAppendOnly, kFileBakWrite), nullptr);
  EXPECT_EQ(FileOpenBak(name, "", 7, kFileBakReadWrite), nullptr);  // any other number
  FILE* f = FileOpenBak(name, "", kFileBakAppendOnly, kFileBakAppend);
  ASSERT_NE(f, nullptr);
  std::fputs("c", f);
  EXPECT_EQ(FileCloseBak(f, name), 1);
  EXPECT_EQ(ReadAll("p0.bin"), "abc");
  std::string fresh = "p0_fresh.bin";
  f = FileOpenBak(fresh, "", kFileBakAppendOnly, kFileBakWrite);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(FileCloseBak(f, fresh), 1);
  std::string empty;
  EXPECT_EQ(FileOpenBak(empty, ".bin", kFileBakMove, kFileBakWrite), nullptr);
  EXPECT_EQ(empty, "");
}

TEST(FileOpenBak, EveryPolicyKeepsTheOldFileWhenTheOpenFails) {
  for (short policy = kFileBakAppendOnly; policy <= kFileBakCopy; ++policy) {
    for (short mode = kFileBakWrite; mode <= kFileBakAppend; ++mode) {
      std::string name = "fail_" + std::to_string(policy) + "_" + std::to_string(mode);
      WriteAll(name, "precious");
      WriteAll(name + "_bak", "backup");
      FailingOpen failing;
      std::string n = name;
      EXPECT_EQ(FileOpenBak(n, "", policy, mode), nullptr);
      EXPECT_EQ(ReadAll(name), "precious") << "policy " << policy << " mode " << mode;
    }
  }
}

TEST(FileReadAll, ReadsWholeFilesAndRefusesTheRest) {
  WriteAll("whole.bin", std::string("\x05\0\0\0\x07", 5));
  ByteBuf b;
  std::string name = "whole";
  EXPECT_EQ(FileReadAll(&b, name, ".bin", "", 0), 1);
  EXPECT_EQ(name, "whole.bin");
  ASSERT_EQ(b.size, 5u);
  EXPECT_EQ(ByteBuf_ReadI32(&b, 1), 5);
  EXPECT_EQ(ByteBuf_ReadU8(&b, 1), 7);

  std::string again = "whole.bin";
  EXPECT_EQ(FileReadAll(&b, again, "", "", 0), 0);  // the buffer is not empty
  ByteBuf c;
  EXPECT_EQ(FileReadAll(&c, again, "", "abcd", 0), 1);
  ByteBuf d;
  EXPECT_EQ(FileReadAll(&d, again, "", "abcde", 0), 0);
  std::string missing = "missing.bin";
  EXPECT_EQ(FileReadAll(&d, missing, "", "", 0), 0);
  std::string none;
  EXPECT_EQ(FileReadAll(&d, none, "", "", 0), 0);
  EXPECT_EQ(FileReadAll(&d, again, "", "", 6), 0);  // not the expected size
  EXPECT_EQ(d.data, nullptr);
  EXPECT_EQ(FileReadAll(&d, again, "", "", 5), 1);
  WriteAll("empty.bin", "");
  ByteBuf e;
  std::string empty = "empty.bin";
  EXPECT_EQ(FileReadAll(&e, empty, "", "", 0), 0);
}

// Only a regular file is a file: a folder or a pipe in its place reads as missing, through every
// open and read helper, and neither blocks nor spins.
TEST(FileOpenRead, OnlyARegularFileOpens) {
  Clear({"reg.txt", "dir.txt", "pipe.txt", "gone.txt", "big.bin"});
  WriteAll("reg.txt", "12 rest\n");
  fs::create_directory("dir.txt");
  ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
  WriteAll("big.bin", std::string(9, 'x'));
  const struct {
    const char* path;
    int regular;
  } kPaths[] = {{"reg.txt", 1}, {"dir.txt", 0}, {"pipe.txt", 0}, {"gone.txt", 0}};
  for (const auto& p : kPaths) {
    EXPECT_EQ(FileIsRegular(p.path), p.regular) << p.path;
    FILE* f = FileOpenRead(p.path);
    EXPECT_EQ(f != nullptr, p.regular == 1) << p.path;
    if (f) std::fclose(f);
    std::ifstream in;
    EXPECT_EQ(FileOpenIn(in, p.path), p.regular) << p.path;
    EXPECT_EQ(in.is_open(), p.regular == 1) << p.path;
    ByteBuf b;
    EXPECT_EQ(FileReadWhole(&b, p.path, 100, 0), p.regular) << p.path;
    EXPECT_EQ(b.size, p.regular ? 8u : 0u) << p.path;
    std::string name = p.path;
    ByteBuf c;
    EXPECT_EQ(FileReadAll(&c, name, "", "", 0), p.regular) << p.path;
  }
  ByteBuf b;
  EXPECT_EQ(FileReadWhole(&b, "big.bin", 8, 0), 0);  // larger than the cap
  EXPECT_EQ(b.data, nullptr);
  EXPECT_EQ(FileReadWhole(&b, "big.bin", 9, 0), 1);
  // A folder in a saved file's place is left alone; nothing is written.
  std::string dir = "dir";
  EXPECT_EQ(FileOpenBak(dir, ".txt", kFileBakMove, kFileBakWrite), nullptr);
  EXPECT_TRUE(fs::is_directory("dir.txt"));
  EXPECT_FALSE(fs::exists("dir.txt_bak"));
}

TEST(FileReadAll, SaveFileRoundTripsThroughTheBackupPolicy) {
  Clear({"saved.bin", "saved.bin_bak", "none.bin"});
  ByteBuf b;
  ByteBuf_WriteI32(&b, 0x11223344, 1);
  ByteBuf_WriteI32(&b, 0x55667788, 1);
  b.pos = 4;
  EXPECT_EQ(ByteBuf_SaveFile(&b, "saved.bin", kFileBakMove, 0, 1), 8);
  EXPECT_EQ(ByteBuf_SaveFile(&b, "saved.bin", kFileBakMove, 0, 0), 4);  // from the position
  EXPECT_EQ(ReadAll("saved.bin").size(), 4u);
  EXPECT_EQ(ReadAll("saved.bin_bak").size(), 8u);
  EXPECT_EQ(ByteBuf_SaveFile(&b, "saved.bin", kFileBakMove, 2, 1), 2);
  ByteBuf empty;
  EXPECT_EQ(ByteBuf_SaveFile(&empty, "none.bin", kFileBakMove, 0, 1), 0);
  EXPECT_FALSE(fs::exists("none.bin"));
}

TEST(TextHelpers, SkipLineHandlesEveryLineEnd) {
  std::istringstream in("a b\r\nc\rxd\ne");
  EXPECT_EQ(SkipLine(in), 1);
  EXPECT_EQ(in.get(), 'c');
  EXPECT_EQ(SkipLine(in), 1);  // the lone CR took the x with it, then d, then LF
  EXPECT_EQ(in.get(), 'e');
  EXPECT_EQ(SkipLine(in), 0);
  EXPECT_EQ(SkipLine(in), 0);
  std::istringstream bad("12");
  int v;
  bad >> v >> v;  // failed stream
  EXPECT_EQ(SkipLine(bad), 0);
}

TEST(TextHelpers, NumberConversionsClamp) {
  std::istringstream nums("7 -2000000 2000000 x");
  int v = 5;
  for (int want : {7, -1000000, 1000000}) {
    ASSERT_EQ(ReadIntClamped(nums, &v), 1);
    EXPECT_EQ(v, want);
  }
  EXPECT_EQ(ReadIntClamped(nums, &v), 0);  // not a number: v stays, the stream fails
  EXPECT_EQ(v, 1000000);
  EXPECT_TRUE(nums.fail());

  EXPECT_EQ(StrToU16("65535"), 65535);
  EXPECT_EQ(StrToU16("65536"), 0);
  EXPECT_EQ(StrToU16("-1"), 0);
  EXPECT_EQ(StrToU16(""), 0);
  EXPECT_EQ(StrToI16("40000"), 32767);
  EXPECT_EQ(StrToI16("-40000"), 0);
  EXPECT_EQ(StrToI16("-5"), -5);
  EXPECT_EQ(StrToU8("-1"), 255);
  EXPECT_EQ(StrToU8("-128"), 128);
  EXPECT_EQ(StrToU8("-129"), 0);
  EXPECT_EQ(StrToU8("300"), 255);
  EXPECT_EQ(StrToU8("42"), 42);
  EXPECT_EQ(StrToInt("  17xyz"), 17);
  EXPECT_EQ(StrToInt("abc"), 0);
  EXPECT_EQ(StrToInt("99999999999999"), INT_MAX);
  EXPECT_FLOAT_EQ(StrToFlo("2.5"), 2.5f);
  EXPECT_EQ(StrToLong("-7"), -7);
}

TEST(TextHelpers, StrWriteFixedCutsAndPads) {
  FILE* f = std::fopen("fixed.bin", "wb");
  std::string s = "abcdef";
  EXPECT_EQ(StrWriteFixed(s, 4, f), 8);
  EXPECT_EQ(s, "abc");
  std::string e;
  EXPECT_EQ(StrWriteFixed(e, 2, f), 6);
  std::string t = "hi";
  EXPECT_EQ(StrWriteFixed(t, -1, f), 7);
  EXPECT_EQ(StrWriteFixed(t, 0, f), 0);
  EXPECT_EQ(StrWriteFixed(t, 4, nullptr), 0);
  std::fclose(f);
  EXPECT_EQ(ReadAll("fixed.bin"), std::string("\x04\0\0\0abc\0"
                                              "\0\0\0\0\0\0"
                                              "\x03\0\0\0hi\0",
                                              21));
}

TEST(TextHelpers, TextLenAndPairAndMemFill) {
  int a = 1, b = 2, c = 0, d = 0, len = -1;
  EXPECT_EQ(TextLenAndPair("xyz", &a, &b, &c, &d, &len), 1);
  EXPECT_EQ(len, 3);
  EXPECT_EQ(c, 1);
  EXPECT_EQ(d, 2);
  c = d = 0;
  EXPECT_EQ(TextLenAndPair("", &a, &b, &c, &d, &len), 0);
  EXPECT_EQ(c, 0);
  int w[4] = {0, 0, 0, 0};
  MemFillRange(&w[1], &w[2], 0x01);
  EXPECT_EQ(w[0], 0);
  EXPECT_EQ(w[1], 0x01010101);
  EXPECT_EQ(w[2], 0x01010101);
  EXPECT_EQ(w[3], 0);
}

TEST(TextHelpers, FindImageFileTriesExtensionsInOrder) {
  Clear({"img"});
  fs::create_directory("img");
  WriteAll("img/a.png", "p");
  WriteAll("img/a.jpg", "j");
  std::string out;
  FindImageFile(out, "img/a.u");
  EXPECT_EQ(out, "img/a.png");
  WriteAll("img/a.bmp", "b");
  FindImageFile(out, "img/a.u");
  EXPECT_EQ(out, "img/a.bmp");
  FindImageFile(out, "img/none.u");
  EXPECT_EQ(out, "img/none.tex");
  FindImageFile(out, "img/a.tga");
  EXPECT_EQ(out, "img/a.tga");
  FindImageFile(out, "u");
  EXPECT_EQ(out, "u");
}

TEST(DirStack, PushesUpToCapacityAndPopsBack) {
  const std::string home = Cwd();
  fs::create_directories("ds/a");
  DirStack_Reset(&Files.Dirs);
  EXPECT_EQ(DirPushEnter("ds"), 1);
  EXPECT_EQ(DirPushEnter("a"), 1);
  EXPECT_EQ(Cwd(), home + "/ds/a");
  EXPECT_EQ(DirPushEnter("no_such_dir"), 0);
  EXPECT_EQ(Files.Dirs.top, 2);
  for (int i = 3; i <= 8; ++i) EXPECT_EQ(DirStack_Push(&Files.Dirs), i);
  EXPECT_EQ(DirStack_Push(&Files.Dirs), 0);  // the ninth push
  EXPECT_EQ(DirPushEnter(".."), 0);          // no room: stays where it is
  EXPECT_EQ(Cwd(), home + "/ds/a");
  for (int i = 8; i >= 3; --i) EXPECT_EQ(DirStack_Pop(&Files.Dirs), i);
  DirPop();
  EXPECT_EQ(Cwd(), home + "/ds");
  DirPop();
  EXPECT_EQ(Cwd(), home);
  EXPECT_EQ(DirStack_Pop(&Files.Dirs), 0);
  EXPECT_EQ(DirPushEnter("ds"), 1);
  EXPECT_EQ(DirStack_GoBase(&Files.Dirs), 1);
  EXPECT_EQ(Cwd(), home);
  DirStack_Clear(&Files.Dirs);
}

TEST(DirStack, SmallStacksHaveNoSlots) {
  DirStack s;
  DirStack_Init(&s, 2);
  EXPECT_EQ(s.slots, nullptr);
  EXPECT_EQ(DirStack_Push(&s), 0);
  EXPECT_EQ(DirStack_Pop(&s), 0);
  DirStack_Init(&s, 3);
  EXPECT_EQ(DirStack_Push(&s), 1);
  EXPECT_EQ(DirStack_Pop(&s), 1);
  DirStack_Release(&s);
}

TEST(DirBackup, RenamesOnlyMarkedDirectories) {
  Clock_SetManual(true, 4242);
  Clear({"maps", "maps_BAK__4242", "plain"});
  fs::create_directories("maps");
  WriteAll("maps/zaglav.bin", "m");
  fs::create_directories("plain");
  EXPECT_EQ(DirBackup("maps"), 1);
  EXPECT_TRUE(fs::exists("maps_BAK__4242/zaglav.bin"));
  EXPECT_FALSE(fs::exists("maps"));
  EXPECT_EQ(DirBackup("plain"), 1);
  EXPECT_TRUE(fs::exists("plain"));
  Clock_SetManual(false);
}

TEST(DirBackup, FailedRenameRefusesToEnterTheOldDirectory) {
  const std::string home = Cwd();
  Clock_SetManual(true, 777);
  Clear({"stage", "stage_BAK__777", "stage_BAK__778"});
  fs::create_directories("stage");
  WriteAll("stage/zaglav.bin", "m");
  WriteAll("stage/data.etp", "old stage");
  fs::create_directories("stage_BAK__777/occupied");  // the backup name is taken
  DirStack_Reset(&Files.Dirs);
  EXPECT_EQ(DirPushMakeEnter("stage"), 0);
  EXPECT_EQ(Cwd(), home);
  EXPECT_EQ(Files.Dirs.top, 0);
  EXPECT_EQ(ReadAll("stage/data.etp"), "old stage");

  Clock_Set(778);
  EXPECT_EQ(DirPushMakeEnter("stage"), 1);
  EXPECT_EQ(Cwd(), home + "/stage");
  EXPECT_FALSE(fs::exists("data.etp"));  // a fresh directory
  DirPop();
  EXPECT_EQ(Cwd(), home);
  EXPECT_TRUE(fs::exists("stage_BAK__778/data.etp"));
  Clock_SetManual(false);
}

// A folder that cannot be made is refused with mkdir's reason; one that is there already (a file
// in its place) with the reason it cannot be entered. The stack stays where it was.
TEST(DirBackup, MakeEnterSaysWhyTheFolderIsNotEntered) {
  Clear({"mk_file", "mk_ro"});
  WriteAll("mk_file", "a file where the folder goes");
  fs::create_directory("mk_ro");
  chmod("mk_ro", 0555);
  const struct {
    const char* dir;
    int err;
    bool needsUser;  // root makes folders anywhere
  } kCases[] = {
      {"mk_file", ENOTDIR, false}, {"mk_missing/sub", ENOENT, false}, {"mk_ro/sub", EACCES, true}};
  const std::string home = Cwd();
  DirStack_Reset(&Files.Dirs);
  for (const auto& c : kCases) {
    if (c.needsUser && geteuid() == 0) continue;
    errno = 0;
    EXPECT_EQ(DirPushMakeEnter(c.dir), 0) << c.dir;
    EXPECT_EQ(errno, c.err) << c.dir;
    EXPECT_EQ(Files.Dirs.top, 0) << c.dir;
    EXPECT_EQ(Cwd(), home) << c.dir;
  }
  chmod("mk_ro", 0755);
}

namespace {

// Scratch files of a save of each name, with text: 1 when all were written.
int Scratch(std::initializer_list<std::pair<const char*, std::string>> parts) {
  for (const auto& [name, text] : parts) {
    FILE* f = FileSave_Begin(name);
    if (!f || std::fputs(text.c_str(), f) < 0 || !FileSave_Close(f, name)) return 0;
  }
  return 1;
}

// A whole save of the text under the name: 1 when it was made.
int BySave(const std::string& name, const std::string& text) {
  FILE* f = FileSave_Begin(name);
  if (!f) return 0;
  std::fputs(text.c_str(), f);
  return FileSave_End(f, name);
}

// Names starting with the two files' stem, the hidden ones included.
std::set<std::string> FilesOf(const std::string& stem) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(".")) {
    std::string n = e.path().filename().string();
    if (n.find(stem) != std::string::npos) out.insert(n);
  }
  return out;
}

}  // namespace

TEST(FileSave, TwoFilesReplaceTheirsTogetherOrNotAtAll) {
  for (const std::string& n : FilesOf("cm_")) fs::remove_all(n);
  WriteAll("cm_a", "a1");
  WriteAll("cm_a_bak", "a0");
  WriteAll("cm_b", "b1");
  WriteAll("cm_b_bak", "b0");
  const std::string both[2] = {"cm_a", "cm_b"};
  const std::set<std::string> before = {"cm_a", "cm_a_bak", "cm_b", "cm_b_bak"};

  // The second file cannot take its name after the first took its own: the first is put back.
  ASSERT_EQ(Scratch({{"cm_a", "a2"}}), 1);
  EXPECT_EQ(FileSave_CommitAll(both, 2), 0);
  EXPECT_EQ(FilesOf("cm_"), before);
  EXPECT_EQ(ReadAll("cm_a") + ReadAll("cm_a_bak") + ReadAll("cm_b") + ReadAll("cm_b_bak"), "a1a0b1b0");

  // A folder where the second backup goes, made while the scratch files were written, is not ours
  // to give up.
  ASSERT_EQ(Scratch({{"cm_a", "a2"}, {"cm_b", "b2"}}), 1);
  fs::remove("cm_b_bak");
  fs::create_directory("cm_b_bak");
  EXPECT_EQ(FileSave_CommitAll(both, 2), 0);
  EXPECT_EQ(FileSave_Failure().name + " (" + FileSave_Failure().why + ")", "cm_b_bak (is a folder)");
  EXPECT_EQ(FilesOf("cm_"), before);
  EXPECT_EQ(ReadAll("cm_a") + ReadAll("cm_a_bak") + ReadAll("cm_b"), "a1a0b1");
  EXPECT_TRUE(fs::is_directory("cm_b_bak"));
  fs::remove("cm_b_bak");
  WriteAll("cm_b_bak", "b0");

  // A file under the scratch name is not this run's: the save takes the next name and leaves it.
  WriteAll("cm_a_tmp", "left over by another run");
  ASSERT_EQ(Scratch({{"cm_a", "a2"}}), 1);
  EXPECT_EQ(FileSave_ScratchName("cm_a"), "cm_a_tmp1");
  ASSERT_EQ(Scratch({{"cm_b", "b2"}}), 1);
  ASSERT_EQ(FileSave_CommitAll(both, 2), 1);
  EXPECT_EQ(ReadAll("cm_a") + ReadAll("cm_a_bak") + ReadAll("cm_b") + ReadAll("cm_b_bak"), "a2a1b2b1");
  EXPECT_EQ(ReadAll("cm_a_tmp"), "left over by another run");
  fs::remove("cm_a_tmp");
  // The next saves write over what the last one superseded; every name keeps its bytes.
  for (const char* text : {"a3 longer than before", "a4"}) ASSERT_EQ(BySave("cm_a", text), 1);
  EXPECT_EQ(ReadAll("cm_a") + "|" + ReadAll("cm_a_bak"), "a4|a3 longer than before");
  for (const std::string& n : FilesOf("cm_")) EXPECT_NE(n[0], '.') << n;

  // Names changed after the scratch files were written: the commit looks again. Two names of one
  // file, or a file under the other's backup name, refuse it with nothing changed; a backup that is
  // a second name of its own file, or a file that is a second name of the other's backup, is a
  // name of its own, and the pair saves, each old file kept as its backup.
  const struct {
    const char* what;
    const char* name;  // the name made anew ...
    const char* from;  // ... as a hard link of this file, or with link, a link to it
    bool link;
    const char* refused;  // the failure; null: saved
  } looks[] = {
      {"the second file made a hard link of the first", "cm_b", "cm_a", false,
       "cm_a and cm_b (two names of one file)"},
      {"the second file made a link to the first's backup", "cm_b", "cm_a_bak", true,
       "cm_a_bak and cm_b -> cm_a_bak (two names of one file)"},
      {"the second file made a hard link of the first's backup", "cm_b", "cm_a_bak", false, nullptr},
      {"the first backup made a hard link of its file", "cm_a_bak", "cm_a", false, nullptr},
  };
  for (const auto& look : looks) {
    for (const std::string& n : FilesOf("cm_")) fs::remove(n);
    for (const char* n : {"cm_a", "cm_a_bak", "cm_b", "cm_b_bak"}) WriteAll(n, n);
    ASSERT_EQ(Scratch({{"cm_a", "a new"}, {"cm_b", "b new"}}), 1) << look.what;
    fs::remove(look.name);
    if (look.link) fs::create_symlink(look.from, look.name);
    else fs::create_hard_link(look.from, look.name);
    auto pair = [] {
      return ReadAll("cm_a") + "|" + ReadAll("cm_a_bak") + "|" + ReadAll("cm_b") + "|" +
             ReadAll("cm_b_bak");
    };
    const std::string a = ReadAll("cm_a"), b = ReadAll("cm_b"), was = pair();
    const int saved = FileSave_CommitAll(both, 2);
    const std::string now = pair();
    if (look.refused) {
      EXPECT_EQ(saved, 0) << look.what;
      EXPECT_EQ(FileSave_Failure().name + " (" + FileSave_Failure().why + ")", look.refused);
      EXPECT_EQ(now, was) << look.what;
    } else {
      EXPECT_EQ(saved, 1) << look.what;
      EXPECT_EQ(now, "a new|" + a + "|b new|" + b) << look.what;
    }
    for (const std::string& n : FilesOf("cm_")) EXPECT_EQ(n.find("_tmp"), std::string::npos) << n;
  }
}

TEST(FileSave, WritesOverOnlyTheBackupItMadeAndNeverThroughALink) {
  for (const std::string& n : FilesOf("ln_")) fs::remove_all(n);
  WriteAll("ln_target", "target");
  fs::create_symlink("ln_target", "ln_a_tmp");
  fs::create_symlink("ln_nowhere", "ln_a_tmp1");
  auto save = [](const char* text) { ASSERT_EQ(BySave("ln_a", text), 1); };
  save("s1");
  save("s2");
  save("s3");  // s1's file, the backup this run made, waits under the first free scratch name
  EXPECT_EQ(ReadAll("ln_a_tmp2"), "s1");
  // Something else takes that name: the next save neither writes into it nor removes it.
  WriteAll("ln_user", "user");
  fs::rename("ln_user", "ln_a_tmp2");
  save("s4");
  EXPECT_EQ(ReadAll("ln_a_tmp2"), "user");
  // A kept backup with a second name (a user's link to it) is not written over either.
  ASSERT_EQ(ReadAll("ln_a_tmp3"), "s2");
  fs::create_hard_link("ln_a_tmp3", "ln_keep");
  save("s5");
  EXPECT_EQ(ReadAll("ln_keep"), "s2");
  {
    FailingOpen failing;
    EXPECT_EQ(FileSave_Begin("ln_a"), nullptr);
  }
  EXPECT_EQ(ReadAll("ln_a") + ReadAll("ln_a_bak") + ReadAll("ln_target"), "s5s4target");
  EXPECT_EQ(fs::read_symlink("ln_a_tmp"), "ln_target");
  EXPECT_EQ(fs::read_symlink("ln_a_tmp1"), "ln_nowhere");
  EXPECT_EQ(FilesOf("ln_"),
            (std::set<std::string>{"ln_a", "ln_a_bak", "ln_a_tmp", "ln_a_tmp1", "ln_a_tmp2", "ln_a_tmp3",
                                   "ln_a_tmp4", "ln_keep", "ln_target"}));
}

namespace {

// One of the program's ways of writing a whole file under a name: 1 when it wrote text.
struct Writer {
  const char* what;
  int (*write)(const std::string& name, const std::string& text);
  bool keepsBackup;  // the replaced file stays as its name + "_bak"
  bool saysWhy;      // errno tells why it failed
};

int ByWholeWrite(const std::string& name, const std::string& text) {
  return FileWriteWhole(name, text.data(), text.size());
}

int ByBackupPolicy(const std::string& name, const std::string& text, short policy) {
  std::string n = name;
  FILE* f = FileOpenBak(n, "", policy, kFileBakWrite);
  if (!f) return 0;
  std::fputs(text.c_str(), f);
  return FileCloseBak(f, n);
}

int ByPolicy2(const std::string& name, const std::string& text) {
  return ByBackupPolicy(name, text, kFileBakMove);
}
int ByPolicy1(const std::string& name, const std::string& text) {
  return ByBackupPolicy(name, text, kFileBakDelete);
}

// A link or a file made before the save, under the case's folder.
struct Thing {
  const char* name;
  const char* link;  // the link's target ("@..." from the case's folder as an absolute path); or null
  unsigned mode;     // a file's mode
};

// Every name under folder, with a link's target or a file's bytes and mode.
std::map<std::string, std::string> Tree(const fs::path& folder) {
  return FolderTree(folder, [](const fs::path& p, const struct stat& st) {
    return ReadAll(p) + " " + std::to_string(st.st_mode & 0777);
  });
}

}  // namespace

// Every save writes the file its name leads to and leaves the links on the way as they are; the
// file it replaces passes on its mode, a new one has the umask's; the backup is made beside the file
// it keeps. A loop, or a target whose folder is missing or not writable, fails the save and changes
// nothing.
TEST(FileSave, EverySaveWritesWhereTheLinksLeadAndKeepsTheMode) {
  const Writer writers[] = {{"whole write", ByWholeWrite, false, true},
                            {"save", BySave, true, true},
                            {"backup policy move", ByPolicy2, true, false},
                            {"backup policy delete", ByPolicy1, false, false}};
  const bool root = geteuid() == 0;
  const mode_t umaskWas = umask(022);
  const struct Case {
    const char* what;
    const char* save;     // the name saved
    const char* written;  // the file that holds the new text; null when the save fails
    unsigned mode;        // its mode after the save
    int err;              // errno of a failed save (the whole write and the save say it)
    bool needsUser;       // root writes anyway: only a user meets the refusal
    std::vector<Thing> things;
  } cases[] = {
      // clang-format off
      {"a relative link", "l", "t.txt", 0600, 0, false, {{"t.txt", nullptr, 0600}, {"l", "t.txt", 0}}},
      {"a chain, each target read from its link's folder", "l", "d/t.sh", 0755, 0, false,
       {{"d/t.sh", nullptr, 0755}, {"s/m", "../d/t.sh", 0}, {"l", "s/m", 0}}},
      {"an absolute link", "l", "d/t", 0640, 0, false, {{"d/t", nullptr, 0640}, {"l", "@d/t", 0}}},
      {"a plain file", "p.txt", "p.txt", 0604, 0, false, {{"p.txt", nullptr, 0604}}},
      {"a link to a file not made yet", "l", "d/new", 0644, 0, false,
       {{"d/keep", nullptr, 0600}, {"l", "d/new", 0}}},
      {"a link into a missing folder", "l", nullptr, 0, ENOENT, false, {{"l", "nodir/new", 0}}},
      {"a loop", "a", nullptr, 0, ELOOP, false, {{"a", "b", 0}, {"b", "a", 0}}},
      {"a link into a folder not writable", "l", nullptr, 0, EACCES, true,
       {{"ro/t", nullptr, 0644}, {"ro", nullptr, 0555}, {"l", "ro/t", 0}}},
      // clang-format on
  };
  for (const Writer& w : writers) {
    for (const Case& c : cases) {
      if (c.needsUser && root) continue;
      const fs::path folder = fs::absolute("lk");
      if (fs::exists("lk/ro")) fs::permissions("lk/ro", fs::perms::owner_all);
      Clear({"lk"});
      fs::create_directory(folder);
      for (const Thing& t : c.things) {
        const fs::path p = folder / t.name;
        fs::create_directories(p.parent_path());
        if (t.link) {
          fs::create_symlink(t.link[0] == '@' ? folder / (t.link + 1) : fs::path(t.link), p);
        } else if (fs::is_directory(p)) {
          chmod(p.c_str(), t.mode);
        } else {
          ASSERT_TRUE(WriteAll(p, "old") && chmod(p.c_str(), t.mode) == 0) << p;
        }
      }
      const std::string trace = std::string(w.what) + ", " + c.what;
      const auto before = Tree(folder);
      errno = 0;
      const int wrote = w.write("lk/" + std::string(c.save), "new");
      const int err = errno;
      auto after = Tree(folder);
      if (!c.written) {
        EXPECT_EQ(wrote, 0) << trace;
        EXPECT_EQ(w.saysWhy ? err : c.err, c.err) << trace;
        EXPECT_EQ(after, before) << trace;
        continue;
      }
      EXPECT_EQ(wrote, 1) << trace;
      // The new text in the file the name leads to, with its mode; its old bytes (and mode) beside it.
      EXPECT_EQ(after[c.written], "new " + std::to_string(c.mode)) << trace;
      auto want = before;
      want[c.written] = "new " + std::to_string(c.mode);
      const std::string bak = std::string(c.written) + "_bak";
      if (w.keepsBackup && before.count(c.written)) want[bak] = before.at(c.written);
      EXPECT_EQ(after, want) << trace;
    }
  }
  if (fs::exists("lk/ro")) fs::permissions("lk/ro", fs::perms::owner_all);
  umask(umaskWas);
  // The owner and group pass on too, where the process may give them.
  if (!root) return;
  for (const Writer& w : writers) {
    WriteAll("lk/owned", "old");
    ASSERT_EQ(chown("lk/owned", 4242, 4243), 0);
    ASSERT_EQ(w.write("lk/owned", "new"), 1) << w.what;
    struct stat st;
    ASSERT_EQ(stat("lk/owned", &st), 0);
    EXPECT_EQ(st.st_uid * 100000 + st.st_gid, 4242u * 100000 + 4243) << w.what;
  }
}

namespace {

// No file may grow past limit bytes from here on (RLIM_INFINITY: again without a limit), as a
// user's `ulimit -f` sets it: with the signal as the program's start sets it, a write past it fails,
// as on a full disk.
void LimitFileSize(rlim_t limit) {
  Plat_IgnoreFileSizeSignal();
  rlimit cut;
  getrlimit(RLIMIT_FSIZE, &cut);
  cut.rlim_cur = limit;
  setrlimit(RLIMIT_FSIZE, &cut);
}

// A stream of FileOpenBak (kFileBakMove) whose write fails part-way: FileCloseBak's answer.
int ByStreamPastTheLimit(const std::string& name, const std::string& big) {
  std::string n = name;
  FILE* f = FileOpenBak(n, "", kFileBakMove, kFileBakWrite);
  if (!f) return -1;
  LimitFileSize(50);
  std::fwrite(big.data(), 1, big.size(), f);
  return FileCloseBak(f, n);
}

}  // namespace

// A file written in place (it has a second hard link) whose write fails part-way gets its old
// content back and says so, its copy gone: a file written whole, a pair of saves whose second file
// fails after the first was written, and a stream of FileOpenBak, whose backup keeps the old content.
// A file that a stream replaced by a rename gets its old file back under its name, no backup left.
// Each runs in a child process, under a file size limit.
TEST(FileSave, AWriteInPlaceThatFailsPartWayPutsTheOldContentBack) {
  const fs::path folder = fs::absolute("wp");
  const std::string big(100, 'x');
  const struct {
    const char* what;
    int (*save)(const std::string& big);
    const char* said;    // the failure, as a message says it
    const char* backup;  // the file whose backup now holds its old content; or null
  } cases[] = {
      {"a file written whole",
       [](const std::string& big) {
         LimitFileSize(50);
         return FileWriteWhole("wp/a", big.data(), big.size());
       },
       "wp/a (File too large, written back as it was)", nullptr},
      {"the second file of a pair",
       [](const std::string& big) {
         if (!Scratch({{"wp/a", "a new"}, {"wp/b", big}})) return -1;
         LimitFileSize(50);
         const std::string both[2] = {"wp/a", "wp/b"};
         return FileSave_CommitAll(both, 2);
       },
       "wp/b (File too large, wp/b written back as it was, wp/a written back as it was)", nullptr},
      {"a stream of FileOpenBak",
       [](const std::string& big) { return ByStreamPastTheLimit("wp/b", big); },
       "wp/b (File too large, written back as it was)", "b"},
      {"a stream of FileOpenBak, the file replaced by a rename",
       [](const std::string& big) { return ByStreamPastTheLimit("wp/c", big); },
       "wp/c (File too large, written back as it was)", nullptr},
  };
  for (const auto& c : cases) {
    Clear({"wp", "wp_said.txt"});
    WriteAll("wp/a", "a old");
    WriteAll("wp/b", "b old");
    WriteAll("wp/b_bak", "b older");
    WriteAll("wp/c", "c old");  // its only name
    fs::create_directory("wp/links");
    fs::create_hard_link("wp/a", "wp/links/a");
    fs::create_hard_link("wp/b", "wp/links/b");
    const auto before = Tree(folder);
    const pid_t pid = fork();
    if (pid == 0) {
      const int saved = c.save(big);
      LimitFileSize(RLIM_INFINITY);
      WriteAll("wp_said.txt", std::to_string(saved) + " " + FileSave_Failure().name + " (" +
                                  FileSave_Failure().why + ")");
      _exit(0);  // without the exit's clean-up, which would hide a scratch file left behind
    }
    int status = 1;
    ASSERT_EQ(waitpid(pid, &status, 0), pid) << c.what;
    EXPECT_EQ(status, 0) << c.what;
    EXPECT_EQ(ReadAll("wp_said.txt"), "0 " + std::string(c.said)) << c.what;
    auto want = before;
    if (c.backup) want[std::string(c.backup) + "_bak"] = before.at(c.backup);
    EXPECT_EQ(Tree(folder), want) << c.what;
  }
}
