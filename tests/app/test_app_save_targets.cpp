// Every writer of the game against what may stand where a name's links end: a pipe, a device, a
// folder, a socket, a missing folder, a file the saver may not write (and a stage's two names of one
// file, or a part that leads to the other's backup) refuse the save with nothing made or moved; a
// file with a second hard link or another user's file in a sticky folder (also for a saver who may
// give files away but not rename another user's there) is written in place, keeping its links and
// its owner. Each save runs in a
// child process (as another user where the case needs one) on a folder of its own, which is compared
// whole before and after, with what the log and the message box say.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "app/startup.h"
#include "figures/org_files.h"
#include "figures/records.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "gui/gui_list.h"
#include "gui/paint_words.h"
#include "render/image.h"
#include "shell/file_names.h"
#include "shell/file_save.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kOtherUser = 65534;  // "nobody", the saver of another user's file
// The saver root without CAP_FOWNER, as a service given the capabilities it needs (CAP_CHOWN among
// them) and no more: it may give a file away but not rename another user's in a sticky folder.
constexpr int kRootWithoutFowner = -2;

// One writer of the game: saves under name as the game does; 1 or 0, or -1 where it answers nothing.
struct Writer {
  const char* what;
  int (*save)(const std::string& name);
  const char* box;    // the head of its message box; null where only the log says it
  bool keepsBackup;   // the old file stays as its name + "_bak"
  bool withLocation;  // it writes name + "01" too
};

int SaveText(const std::string& name) {
  GuiList list;
  list.rows = {{"a text window's rows", ""}, {"second row", ""}};
  return GuiList_SaveTxt(&list, name);
}

// The shipped coloured words, copied where the other user can read them too.
std::string gPaintWordsFile;

int SavePaintWords(const std::string& name) {
  FileNames.gsFileTestPaint = name;
  PaintWords_Load(gPaintWordsFile);
  return -1;
}

// As the game's request does: a failure is said in a box.
int SaveStage(const std::string& name) {
  if (Etap_Save(name)) return 1;
  Etap_SayFailure(kEtapFailSave);
  return 0;
}

int SaveShot(const std::string& name) {
  const uint8_t pixels[2 * 2 * 3] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  return SaveBmp24(name.c_str(), 2, 2, pixels, 0, 0, nullptr);
}

int SaveKeys(const std::string& name) {
  std::istringstream in("//==\nKlik\n1 1 2 0 1 7\n1\n1 250 100 1\n1\n2 5 2 300 4\n50 9 3 1\n");
  IKmd2 k;
  std::memset(&k, 0, sizeof k);
  Kmd_SkipToMarker(in);
  IKmd2_InitFromStream(k, in);
  return IKmd2_SaveBin(&k, name.c_str(), kFileBakMove);
}

int SaveVariables(const std::string& name) {
  OrgFiles.gsFileO2O3Bin = name;
  Org_SaveBin();
  return -1;
}

const Writer kWriters[] = {
    {"text window", SaveText, nullptr, false, false},
    {"coloured-word list", SavePaintWords, nullptr, false, false},
    {"stage", SaveStage, "Stage not saved: ", true, true},
    {"screenshot", SaveShot, "Save BMP24 image: ", false, false},
    {"key file", SaveKeys, nullptr, true, false},
    {"named variables' file", SaveVariables, nullptr, true, false},
};

// A file's entry in a folder's picture: its content (hashed), mode, owner and link count.
std::string FileEntry(const std::string& bytes, unsigned mode, unsigned uid, unsigned links) {
  std::ostringstream s;
  s << "file #" << std::hex << std::hash<std::string>()(bytes) << std::oct << " " << mode << std::dec
    << " u" << uid << " n" << links;
  return s.str();
}

// Every name under folder, a plain file with its content, mode, owner and link count.
std::map<std::string, std::string> Tree(const fs::path& folder) {
  return FolderTree(folder, [](const fs::path& p, const struct stat& st) {
    return FileEntry(ReadAll(p), st.st_mode & 07777, st.st_uid, st.st_nlink);
  });
}

// What stands where the saved name "d/s" leads; a thing a link leads to is made as "other/t".
enum class Target {
  kFifo,
  kDevice,
  kFolder,
  kSocket,
  kMissingFolder,
  kReadOnly,
  kReadOnlyLocation,
  kImmutable,
  kAppendOnly,
  kLocationIsBase,
  kLocationIsBaseBackup,
  kHardLink,
  kOthersInSticky,
  kOthersInOthersSticky
};

struct Case {
  const char* what;
  Target target;
  const char* why;                            // the refusal; null: saved in place
  const char* shown = "d/s -> d/../other/t";  // how the log and the box name the refused save
  bool stageOnly = false;                     // a case of a save of two files
  const char* step = "write";                 // the step the log's line says cannot be done
};

const Case kCases[] = {
    {"a link to a pipe", Target::kFifo, "not a plain file"},
    {"a link to a device node (a copy of /dev/null's)", Target::kDevice, "not a plain file"},
    {"a link to a folder", Target::kFolder, "is a folder"},
    {"a link to a socket", Target::kSocket, "not a plain file"},
    // the writers meet it as they make their file: a scratch file, or the file itself
    {"a link into a missing folder", Target::kMissingFolder, "No such file or directory",
     "d/s -> d/../nodir/t", false, "make"},
    {"a file of mode 444", Target::kReadOnly, "Permission denied", "d/s"},
    {"a location file of mode 444", Target::kReadOnlyLocation, "Permission denied", "d/s01", true},
    {"an immutable file (chattr +i)", Target::kImmutable, "Operation not permitted", "d/s"},
    {"an append-only file (chattr +a)", Target::kAppendOnly, "Operation not permitted", "d/s"},
    {"a location file that is the base file's second name", Target::kLocationIsBase,
     "two names of one file", "d/s and d/s01", true, "save"},
    {"a location file that is a link to the base file's backup", Target::kLocationIsBaseBackup,
     "two names of one file", "d/s_bak and d/s01 -> d/s_bak", true, "save"},
    {"a file with a second hard link", Target::kHardLink, nullptr},
    {"another user's 666 file in a 1777 folder", Target::kOthersInSticky, nullptr},
    {"another user's 666 file in their 1777 folder, saved by root without CAP_FOWNER",
     Target::kOthersInOthersSticky, nullptr},
};

// The user a case saves as: another one where a file must be read-only for the saver (root may
// write any file) or another user's file is saved; -1: this process's own.
int SaverOf(const Case& c) {
  const bool readOnly = c.target == Target::kReadOnly || c.target == Target::kReadOnlyLocation;
  if (c.target == Target::kOthersInOthersSticky) return kRootWithoutFowner;
  return c.target == Target::kOthersInSticky || (readOnly && geteuid() == 0) ? kOtherUser : -1;
}

// Drops CAP_FOWNER from every set of this process: false when the system refuses.
bool DropFowner() {
  __user_cap_header_struct head = {_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
  if (syscall(SYS_capget, &head, data) != 0) return false;
  for (__user_cap_data_struct& d : data) {
    d.effective &= ~CAP_TO_MASK(CAP_FOWNER);
    d.permitted &= ~CAP_TO_MASK(CAP_FOWNER);
    d.inheritable &= ~CAP_TO_MASK(CAP_FOWNER);
  }
  return syscall(SYS_capset, &head, data) == 0;
}

// Sets flag (FS_IMMUTABLE_FL, FS_APPEND_FL) of the file at p, or clears both, as chattr does:
// false where the file system or this process cannot.
bool SetFlag(const fs::path& p, int flag) {
  const int fd = open(p.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  int flags = 0;
  bool ok = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = flag ? flags | flag : flags & ~(FS_IMMUTABLE_FL | FS_APPEND_FL);
  ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  if (fd >= 0) close(fd);
  return ok;
}

// Makes the case's folder f; the name to save, or empty when this machine cannot make the case.
std::string MakeCase(const Case& c, const fs::path& f) {
  fs::create_directories(f / "d");
  fs::create_directories(f / "other");
  const fs::path t = f / "other" / "t";
  switch (c.target) {
    case Target::kFifo:
      if (mkfifo(t.c_str(), 0644) != 0) return "";
      break;
    case Target::kDevice:
      if (mknod(t.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) return "";  // needs root
      break;
    case Target::kFolder: WriteAll(t / "keep", "a file in the folder"); break;
    case Target::kSocket: {
      // Bound as "t" by a child in its folder: a socket's path has room for 107 bytes only.
      const pid_t pid = fork();
      if (pid == 0) {
        sockaddr_un a = {};
        a.sun_family = AF_UNIX;
        std::memcpy(a.sun_path, "t", 2);
        const int s = socket(AF_UNIX, SOCK_STREAM, 0);
        _exit(chdir(t.parent_path().c_str()) == 0 && s >= 0 &&
                      bind(s, (const sockaddr*)&a, sizeof a) == 0
                  ? 0
                  : 1);
      }
      int status = 1;
      if (pid < 0 || waitpid(pid, &status, 0) != pid || status != 0) return "";
      break;
    }
    case Target::kMissingFolder: fs::create_symlink("../nodir/t", f / "d" / "s"); return "d/s";
    case Target::kReadOnly:
    case Target::kReadOnlyLocation:
      WriteAll(f / "d" / "s", "the old text");
      WriteAll(f / "d" / "s01", "the old location");
      chmod((f / "d" / (c.target == Target::kReadOnly ? "s" : "s01")).c_str(), 0444);
      for (const char* p : {"d", "d/s", "d/s01"})  // the saver's own folder and files
        if (SaverOf(c) >= 0) chown((f / p).c_str(), SaverOf(c), SaverOf(c));
      return "d/s";
    case Target::kImmutable:
    case Target::kAppendOnly:
      WriteAll(f / "d" / "s", "the old text");
      WriteAll(f / "d" / "s01", "the old location");
      return SetFlag(f / "d" / "s", c.target == Target::kImmutable ? FS_IMMUTABLE_FL : FS_APPEND_FL)
                 ? "d/s"
                 : "";
    case Target::kLocationIsBase:
      WriteAll(f / "d" / "s", "the old text");
      fs::create_hard_link(f / "d" / "s", f / "d" / "s01");
      return "d/s";
    case Target::kLocationIsBaseBackup:
      WriteAll(f / "d" / "s", "the old text");
      WriteAll(f / "d" / "s_bak", "the older text");
      fs::create_symlink("s_bak", f / "d" / "s01");
      return "d/s";
    case Target::kHardLink:
      WriteAll(t, "the old text");
      chmod(t.c_str(), 0640);
      fs::create_hard_link(t, f / "d" / "s");
      return "d/s";
    case Target::kOthersInSticky:
      if (geteuid() != 0) return "";  // the test cannot make another user's file
      fs::create_directory(f / "tmp");
      chmod((f / "tmp").c_str(), 01777);
      WriteAll(f / "tmp" / "s", "the old text");
      chmod((f / "tmp" / "s").c_str(), 0666);
      return "tmp/s";
    case Target::kOthersInOthersSticky:
      if (geteuid() != 0) return "";
      fs::create_directory(f / "tmp");
      chmod((f / "tmp").c_str(), 01777);
      WriteAll(f / "tmp" / "s", "the old text");
      chmod((f / "tmp" / "s").c_str(), 0666);
      for (const char* p : {"tmp", "tmp/s"}) chown((f / p).c_str(), kOtherUser, kOtherUser);
      return "tmp/s";
  }
  fs::create_symlink("../other/t", f / "d" / "s");
  return "d/s";
}

// The writer run in a child process in folder f, as user uid (this process's own when -1), its
// stderr (where the message boxes are said) into box: its answer, or -3 when the child failed.
// kRootWithoutFowner: this process's own user, less CAP_FOWNER.
int SaveInChild(const Writer& w, const std::string& name, const fs::path& f, int uid,
                const fs::path& box) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(box.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (out < 0 || dup2(out, 2) < 0) _exit(100);
    if (uid >= 0 && (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0)) _exit(101);
    if (uid == kRootWithoutFowner && !DropFowner()) _exit(101);
    if (chdir(f.c_str()) != 0) _exit(102);
    LogResetCount();
    const int r = w.save(name);
    std::fflush(stderr);
    _exit(r + 10);  // without the exit's clean-up, which would hide a scratch file left behind
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -3;
  return WEXITSTATUS(status) >= 9 && WEXITSTATUS(status) <= 11 ? WEXITSTATUS(status) - 10 : -3;
}

class SaveTargets : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    // Another user saves in these folders, so they stand where every user can reach them: the
    // build tree may lie in a folder only its owner enters (a clone in a folder of mktemp's).
    dir = fs::temp_directory_path() / ("tolv_st_" + TestName() + "_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    gPaintWordsFile = (dir / "paintword.txt").string();
    fs::copy_file(SourcePath("uni_files/res/paintword.txt"), gPaintWordsFile);
    chmod(gPaintWordsFile.c_str(), 0644);
    // Logged where every user of the cases may write, outside the folders compared.
    Logger.gsFileLog = (dir / "log.txt").string();
    WriteAll(Logger.gsFileLog, "");
    chmod(Logger.gsFileLog.c_str(), 0666);
    // The shipped stage, loaded as the game loads it, is what the stage writer saves.
    Records_ResetPools();
    Fgrs.ResetAll();
    org2_Init();
    orgF_Init();
    ASSERT_EQ(EtapFile_Load(SourcePath("Maps/test.etp")), 1);
    ASSERT_EQ(StageReq.EtapLocationNom, 1);
    o2::EngText = 1;
  }
  void TearDown() override {
    SetFlag(dir / "f" / "d" / "s", 0);
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

TEST_F(SaveTargets, EveryWriterWritesOnlyPlainFilesAndKeepsOwnersAndLinks) {
  const mode_t umaskNow = umask(022);
  for (const Writer& w : kWriters) {
    // What the writer writes into a new file: the content a save in place must leave.
    const fs::path ref = dir / "ref";
    fs::remove_all(ref);
    fs::create_directories(ref);
    ASSERT_NE(SaveInChild(w, "s", ref, -1, dir / "box.txt"), 0) << w.what;
    const std::string bytes = ReadAll(ref / "s"), locBytes = ReadAll(ref / "s01");
    ASSERT_FALSE(bytes.empty()) << w.what;

    for (const Case& c : kCases) {
      const std::string trace = std::string(w.what) + ", " + c.what;
      if (c.stageOnly && !w.withLocation) continue;
      const fs::path f = dir / "f";
      SetFlag(f / "d" / "s", 0);
      fs::remove_all(f);
      const std::string name = MakeCase(c, f);
      if (name.empty()) {
        std::printf("skipped on this machine: %s\n", trace.c_str());
        continue;
      }
      const bool sticky =
          c.target == Target::kOthersInSticky || c.target == Target::kOthersInOthersSticky;
      const unsigned owner = c.target == Target::kOthersInOthersSticky ? kOtherUser : geteuid();
      const unsigned saver = SaverOf(c) >= 0 ? SaverOf(c) : geteuid();
      const auto before = Tree(f);
      const size_t logWas = ReadAll(Logger.gsFileLog).size();
      const int answer = SaveInChild(w, name, f, SaverOf(c), dir / "box.txt");
      const auto after = Tree(f);
      const std::string log = ReadAll(Logger.gsFileLog).substr(logWas);
      const std::string box = ReadAll(dir / "box.txt");
      ASSERT_NE(answer, -3) << trace;

      if (c.why) {
        // Refused: nothing made, moved or renamed, and said with where the link led, and why.
        EXPECT_NE(answer, 1) << trace;
        EXPECT_EQ(after, before) << trace;
        const std::string said = std::string(c.shown) + " (" + c.why + ")";
        const std::string head = "\nfile: cannot " + std::string(c.step) + " ";  // the saves' own line
        const size_t at = log.find(" " + said), line = log.rfind('\n', at);
        EXPECT_TRUE(at != std::string::npos && log.compare(line, head.size(), head) == 0)
            << trace << "\n"
            << log;
        const std::string shown =
            w.box ? "platform: box [Error] " + std::string(w.box) + said + " -> ok\n" : "";
        EXPECT_EQ(box, shown) << trace;
        continue;
      }
      // Written in place: the file keeps its links, mode and owner; a backup is a copy of the old
      // content beside it, made by the saver; a new location file is the saver's, as the umask
      // leaves it; no scratch file is left.
      EXPECT_NE(answer, 0) << trace << "\n" << log;
      const std::string old = "the old text";
      const unsigned mode = sticky ? 0666 : 0640;
      const unsigned links = sticky ? 1 : 2;
      auto want = before;
      want[name] = FileEntry(bytes, mode, owner, links);
      if (!sticky) want["other/t"] = want[name];
      if (w.keepsBackup) want[name + "_bak"] = FileEntry(old, mode, saver, 1);
      if (w.withLocation) want[name + "01"] = FileEntry(locBytes, 0644, saver, 1);
      EXPECT_EQ(after, want) << trace;
      EXPECT_EQ(log.find("\nfile: cannot"), std::string::npos) << trace << "\n" << log;
      EXPECT_EQ(box, "") << trace;
    }
  }
  umask(umaskNow);
}

}  // namespace
