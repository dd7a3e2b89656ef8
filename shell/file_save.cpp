// Saves over POSIX (the rules are in file_save.h): a backup is made before any old file is given
// up, a step that fails puts back what the save had changed, and only the files this run made are
// written over, moved or removed.
#include "shell/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "shell/files.h"
#include "shell/log.h"

namespace {

// ------------------------------------------------------------------------------------------------
// The saves' state
// How a save opens the files it makes and those that stand already, and the one record of what
// the saves keep between calls.

constexpr unsigned kNewFileMode = 0666;  // less the umask, as fopen makes files
constexpr int kNewFileFlags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
// A file that stands already, opened with one of the access modes: neither made nor cut, never
// through a link, and a pipe swapped in is not waited for.
constexpr int kOldFileFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// A file this run made (or a name it gave a file): its name (absolute, so a later change of the
// current folder does not lose it) and which file it is.
struct FileMade {
  std::string path;  // empty: none
  dev_t dev = 0;
  ino_t ino = 0;
  mode_t type = 0;  // S_IFREG, or S_IFLNK for a link linked as it stands
};

// What this run made for one saved name (the spare, and why it is kept: the commit's banner below).
// Each file is known by its identity, so one that is no longer the file we left (a save used it
// up, something else took the name) is neither written over nor removed.
struct SaveSlot {
  std::string name;  // the saved file's absolute name; empty: a free slot
  // The game's name that began the save under way: its scratch file is dropped by it however the
  // name's links changed since.
  std::string game;
  FileMade scratch;  // the scratch file of the save under way
  FileMade placed;   // the file the last commit put under name (none when it wrote in place)
  FileMade bak;      // name + "_bak" while it holds a file this run made
  FileMade spare;    // a superseded backup of this run, for the next save to write over
};

// A stream FileOpenBak handed out, until FileCloseBak closes it: the file it writes and, where the
// old content is kept as the backup, how it is put back should the write fail.
struct BakStream {
  FILE* f = nullptr;
  dev_t dev = 0;
  ino_t ino = 0;
  std::string path;      // the file written, as the file system names it
  std::string shown;     // ... and as a message names it
  bool inPlace = false;  // the old file itself is written: synced before it is closed
  bool restore = false;  // old is the old content, kept as path + "_bak", written back
  std::string old;
  // The old file itself, moved aside as path + "_bak", moved back: a rename needs no space, where
  // writing the content again meets the limit or the full disk that stopped the write.
  FileMade aside;
};

// The saves' state: the files each saved name has, the streams open, and what the last failure
// left to say.
struct FileSaveState {
  static constexpr int kSlots = 16;
  // Streams not closed by FileCloseBak are forgotten past this many, the oldest first.
  static constexpr size_t kStreams = 8;
  SaveSlot slot[kSlots];
  int cursor = 0;
  std::vector<BakStream> streams;
  FileSaveFail fail;
  unsigned long dropCount = 0;  // the names DropName has handed out
  ~FileSaveState();  // removes this run's scratch files and spares (below, with the files made)
} gSave;

// A failed save: logged, kept for the caller's message, errno left as err. Answers 0.
int Fail(const std::string& shown, const char* step, int err, const std::string& why = std::string()) {
  gSave.fail = {shown, why.empty() ? std::strerror(err) : why};
  LogInfo("\nfile: cannot %s %s (%s)", step, shown.c_str(), gSave.fail.why.c_str());
  errno = err;
  return 0;
}

FILE* NoStream(const std::string& shown, const char* step, int err) {
  Fail(shown, step, err);
  return nullptr;
}

// ------------------------------------------------------------------------------------------------
// Where a save writes, and what refuses it
// The name's links are followed to the file the save writes; what stands there must be a plain
// file (or nothing yet) that this process may write, and saves that go together must write two
// files. A refusal comes before anything is made.

// The reasons of a refusal, as the open gives them.
const char* const kWhyFolder = "is a folder";
const char* const kWhyNotPlain = "not a plain file";
const char* const kWhyOneFile = "two names of one file";

// Paths below are the file system's own (converted from the game's names by FsPath).

// The file a save of the game's name writes, as the file system names it: the name itself, or the
// file its links lead to (a relative target read from its link's folder), so a save changes what
// the user's link points at and leaves the link alone. A target that does not exist yet is the
// file the save makes. 0 with errno ELOOP past kFileLinkMax links; whatever else stops the walk is
// left for the save's own steps to meet and report.
bool SaveTarget(const std::string& name, std::string* target) {
  std::string p = FsPath(name);
  for (int links = 0;; links++) {
    struct stat st;
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    if (links == kFileLinkMax) {
      errno = ELOOP;
      return false;
    }
    char to[PATH_MAX];
    const ssize_t n = readlink(p.c_str(), to, sizeof to);
    if (n <= 0 || (size_t)n >= sizeof to) break;
    const size_t slash = p.rfind('/');
    p = to[0] == '/' || slash == std::string::npos ? std::string(to, (size_t)n)
                                                   : p.substr(0, slash + 1) + std::string(to, (size_t)n);
  }
  *target = p;
  return true;
}

// The game's name of a file system path; empty when the path has a character the game's names
// cannot hold.
std::string GameNameOf(const std::string& fsPath) {
  std::string out(fsPath.size() + 1, '\0');
  out.resize((size_t)Plat_Utf8To1251(fsPath.c_str(), out.data(), (int)out.size()));
  return FsPath(out) == fsPath ? out : std::string();
}

// The file a save of name writes, as the game names it: name itself, or where its links led.
std::string ShownFile(const std::string& name, const std::string& target) {
  const std::string led = target.empty() || target == FsPath(name) ? std::string() : GameNameOf(target);
  return led.empty() ? name : led;
}

// How a message names the file a save of name writes: as the game named it, and where its links
// led when they led elsewhere.
std::string ShownTarget(const std::string& name, const std::string& target) {
  const std::string file = ShownFile(name, target);
  return file == name ? name : name + " -> " + file;
}

// Why what stands at path (its links followed, or with lstat the name itself, where a link is
// given up as a file is) is nothing a save may write over: null when nothing stands there or a
// plain file does.
const char* NotPlainWhy(const std::string& path, bool followLinks) {
  struct stat st;
  if ((followLinks ? stat(path.c_str(), &st) : lstat(path.c_str(), &st)) != 0) return nullptr;
  if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) return nullptr;
  return S_ISDIR(st.st_mode) ? kWhyFolder : kWhyNotPlain;
}

int ErrnoOf(const char* why) { return why == kWhyFolder ? EISDIR : EINVAL; }

// The plain file at path (when one stands there) may be written by this process, as the system
// answers for its effective ids: its mode (EACCES) and its immutable flag (EPERM); and, unless the
// save only adds to it (ask), its append-only flag (EPERM), which lets a file grow but neither be
// cut nor be moved aside, and which the system would otherwise answer only once a scratch file had
// been made. A file so refused is not replaced by a rename either, as the desktop's editors refuse
// it; a process that may write it writes it. Asked without an open: an open for writing, even one
// that writes nothing, ends in a close-after-write that every watcher of the file (an editor, a
// sync client) takes for a change. False (errno EACCES or EPERM) only for such a refusal: a
// read-only mount and other failures are left for the save's own steps to meet.
bool MayWrite(const std::string& path, short ask) {
  if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return errno != EACCES && errno != EPERM;
  struct statx sx;
  if (ask == kFileSaveAskAppend || statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS, &sx) != 0 ||
      !(sx.stx_attributes_mask & sx.stx_attributes & STATX_ATTR_APPEND))
    return true;
  errno = EPERM;
  return false;
}

// The file a save of name writes (target; links followed), or 0 (logged) when the links cannot be
// followed or lead to something that is not a plain file or (unless kFileSaveAsked) to a file
// this process may not write as ask says, or, for a save that keeps a backup, when what is not a
// plain file holds the backup's name.
bool SaveDestination(const std::string& name, std::string* target, bool withBackup, short ask) {
  if (!SaveTarget(name, target)) return Fail(name, "follow the links of", errno);
  if (const char* why = NotPlainWhy(*target, true))
    return Fail(ShownTarget(name, *target), "write", ErrnoOf(why), why);
  if (ask != kFileSaveAsked && !MayWrite(*target, ask))
    return Fail(ShownTarget(name, *target), "write", errno);
  if (!withBackup) return true;
  if (const char* why = NotPlainWhy(*target + "_bak", false))
    return Fail(ShownFile(name, *target) + "_bak", "keep a backup as", ErrnoOf(why), why);
  return true;
}

// The folder that path stands in, as the file system names it: "." for a bare name, "/" for a name
// at the root.
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash ? slash : 1);
}

// Which file a save's target is: the file itself where one stands, else the name in its folder,
// so two spellings of one path (Maps/x and Maps/../Maps/x) are one file too.
struct FileKey {
  dev_t dev = 0;
  ino_t ino = 0;
  std::string leaf;  // the name in the folder (dev, ino) of a file not made yet
  std::string path;  // where even the folder is missing: the path as it is spelled
  bool operator==(const FileKey&) const = default;
};

// The name path in its folder, whatever stands under it.
FileKey NameKeyOf(const std::string& path) {
  FileKey k;
  struct stat st;
  if (stat(FolderOf(path).c_str(), &st) != 0) {
    k.path = path;
    return k;
  }
  k.dev = st.st_dev;
  k.ino = st.st_ino;
  const size_t slash = path.rfind('/');
  k.leaf = slash == std::string::npos ? path : path.substr(slash + 1);
  return k;
}

FileKey KeyOf(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return NameKeyOf(path);
  FileKey k;
  k.dev = st.st_dev;
  k.ino = st.st_ino;
  return k;
}

// The saves of names (n of them, together) may go ahead: each passes SaveDestination (its links,
// a plain file or none, one it may write when asked, its backup's name) and no two lead to one file,
// which the second part would write over the first, nor one to the name of another's backup, which that
// part's commit would move away. A backup is known by its name, not by its file: a part that is a
// second hard link of another's backup is a file of its own and saves. Their targets in targets;
// 0 (logged) when not, with nothing made.
bool CheckAll(const std::string* names, int n, std::string* targets, short ask) {
  FileKey keys[kFileSaveCommitMax], nameKeys[kFileSaveCommitMax], bakKeys[kFileSaveCommitMax];
  for (int i = 0; i < n; i++) {
    if (!SaveDestination(names[i], &targets[i], true, ask)) return false;
    keys[i] = KeyOf(targets[i]);
    nameKeys[i] = NameKeyOf(targets[i]);
    bakKeys[i] = NameKeyOf(targets[i] + "_bak");
    for (int j = 0; j < i; j++) {
      std::string first = ShownTarget(names[j], targets[j]), second = ShownTarget(names[i], targets[i]);
      if (nameKeys[i] == bakKeys[j]) first = ShownFile(names[j], targets[j]) + "_bak";
      else if (nameKeys[j] == bakKeys[i]) second = ShownFile(names[i], targets[i]) + "_bak";
      else if (keys[j] != keys[i]) continue;
      return Fail(first + " and " + second, "save", EINVAL, kWhyOneFile);
    }
  }
  return true;
}

// ------------------------------------------------------------------------------------------------
// The files this run made
// Every scratch file, backup and spare a save makes is remembered by its name and its identity
// (device and inode), and is written over, moved or removed only while that name still holds it.

std::string Absolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd)) return path;
  return std::string(cwd) + "/" + path;
}

bool SameFile(const struct stat& st, const FileMade& m) {
  return (st.st_mode & S_IFMT) == m.type && st.st_dev == m.dev && st.st_ino == m.ino;
}

// The name still holds the file made: nothing has replaced it since.
bool StillMine(const FileMade& m) {
  struct stat st;
  return !m.path.empty() && lstat(m.path.c_str(), &st) == 0 && SameFile(st, m);
}

void Remember(FileMade* m, const std::string& path, const struct stat& st) {
  m->path = Absolute(path);
  m->dev = st.st_dev;
  m->ino = st.st_ino;
  m->type = st.st_mode & S_IFMT;
}

// Removes the file made, only while its name still holds it; forgets it either way. Between the
// look and the unlink the name is the program's own scratch name, which nothing else should use.
void RemoveMine(FileMade* m) {
  if (StillMine(*m)) unlink(m->path.c_str());
  *m = FileMade{};
}

// The program's end takes this run's scratch files and spares with it.
FileSaveState::~FileSaveState() {
  for (SaveSlot& s : slot) {
    RemoveMine(&s.scratch);
    RemoveMine(&s.spare);
  }
}

// rename that never replaces: 0, or -1 with errno (EEXIST when the name is taken).
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // A file system without the flag: a second name is made only where none is, then the first goes;
  // without hard links either, the name is looked at just before the move.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return 0;
  }
  if (errno == EEXIST) return -1;
  if (FsPathTaken(to)) {
    errno = EEXIST;
    return -1;
  }
  return std::rename(from.c_str(), to.c_str());
}

// Moves the file made to `to`: over whatever stands there when replace, else only to a free name;
// only while the file is still under its name. 1 when moved.
int MoveMine(FileMade* m, const std::string& to, bool replace) {
  if (!StillMine(*m)) {
    errno = ENOENT;
    return 0;
  }
  int r = replace ? std::rename(m->path.c_str(), to.c_str()) : RenameNoReplace(m->path, to);
  if (r != 0) return 0;
  m->path = Absolute(to);
  return 1;
}

// The i-th scratch name beside base: base + "_tmp", then + "_tmp1" ...
std::string ScratchName(const std::string& base, int i) {
  return base + "_tmp" + (i ? std::to_string(i) : "");
}

// Makes a new scratch file beside base, exclusively and never through a link: the open descriptor,
// or -1 (errno kept; EEXIST when every scratch name was taken).
int ScratchCreate(const std::string& base, FileMade* m) {
  for (int i = 0; i < kFileScratchTries; i++) {
    const std::string p = ScratchName(base, i);
    int fd = Files.OpenFd(p.c_str(), kNewFileFlags, kNewFileMode);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
      int e = errno;
      close(fd);
      errno = e;
      return -1;  // a file we cannot tell is ours stays where it is
    }
    Remember(m, p, st);
    return fd;
  }
  errno = EEXIST;
  return -1;
}

// Moves a scratch file of ours to a free scratch name beside base, for a later write over it.
int MoveToScratchName(FileMade* m, const std::string& base) {
  for (int i = 0; i < kFileScratchTries; i++) {
    if (MoveMine(m, ScratchName(base, i), false)) return 1;
    if (errno != EEXIST) return 0;
  }
  return 0;
}

// The slot of an absolute name; with take, a new one when it has none (when all are in use, the
// next one without a save under way is given up, its spare file removed).
SaveSlot* SlotOf(const std::string& name, bool take) {
  for (SaveSlot& s : gSave.slot)
    if (s.name == name) return &s;
  if (!take) return nullptr;
  for (SaveSlot& s : gSave.slot)
    if (s.name.empty()) {
      s.name = name;
      return &s;
    }
  for (int t = 0; t < FileSaveState::kSlots; t++) {
    SaveSlot& s = gSave.slot[gSave.cursor];
    gSave.cursor = (gSave.cursor + 1) % FileSaveState::kSlots;
    if (!s.scratch.path.empty()) continue;
    RemoveMine(&s.spare);
    s = SaveSlot{};
    s.name = name;
    return &s;
  }
  errno = EBUSY;
  return nullptr;
}

// The slot of the file a save of the game's name writes; its file system path in target.
SaveSlot* SlotOfGameName(const std::string& name, bool take, std::string* target) {
  return SaveTarget(name, target) ? SlotOf(Absolute(*target), take) : nullptr;
}

// ------------------------------------------------------------------------------------------------
// Writing in place
// A new file takes the old one's place by a rename where that leaves the file as the user had it
// (its mode, owner and group passed on, its only name); else the new content is written into the
// file itself, its old content kept first and put back should the write fail.

// The folder of path keeps its files for their owners (its sticky bit), and neither owner nor the
// folder's owner is this process: a file of owner's there is not this process's to rename or remove
// (without CAP_FOWNER), a scratch file given to owner included.
bool StickyKeepsFor(const std::string& path, uid_t owner) {
  struct stat folder;
  return stat(FolderOf(path).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
         owner != geteuid() && folder.st_uid != geteuid();
}

// The new file on fd takes the mode of the file it is to replace at path, and its owner and group
// where the process may give them: a private file stays private, a script stays runnable. The
// owner is not given in a folder whose sticky bit keeps that owner's files from this process: the
// file given away could be neither moved over the old one nor removed, nor its mode set after. A
// new name keeps the mode the umask leaves.
void TakeModeOf(int fd, const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  struct stat mine;
  const bool otherOwner =
      fstat(fd, &mine) == 0 && (mine.st_uid != st.st_uid || mine.st_gid != st.st_gid);
  if (otherOwner &&
      (StickyKeepsFor(path, st.st_uid) || (fchown(fd, st.st_uid, st.st_gid) != 0 && errno == EPERM))) {
    // The owner is not ours to give: the group alone, when the saver is one of it.
    [[maybe_unused]] const int group = fchown(fd, (uid_t)-1, st.st_gid);
  }
  // After the owner: a change of owner clears the set-id bits.
  if (fchmod(fd, st.st_mode & 07777) != 0)
    LogInfo("\nfile: the mode of %s not kept (%s)", path.c_str(), std::strerror(errno));
}

// The one decision of every save between a rename and a write in place: the scratch file made
// for the plain file at path (its mode, owner and group as TakeModeOf left them), moved over that
// file, would take it from its owner (the scratch file could not be given its owner and group, or
// was not, in a folder whose sticky bit would refuse the rename) or split its hard links: the new
// content goes into the file itself instead. A rename, where there is no such file yet or the
// scratch file is no longer ours to look at (the move then fails).
bool GoesInPlace(const std::string& path, const FileMade& scratch) {
  struct stat mine, st;
  if (lstat(scratch.path.c_str(), &mine) != 0 || !SameFile(mine, scratch)) return false;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return st.st_nlink > 1 || st.st_uid != mine.st_uid || st.st_gid != mine.st_gid;
}

// A new scratch file beside base (ScratchCreate) that takes the mode, owner and group of the file
// at like: the descriptor, or -1 (errno).
int ScratchLike(const std::string& base, const std::string& like, FileMade* m) {
  const int fd = ScratchCreate(base, m);
  if (fd >= 0) TakeModeOf(fd, like);
  return fd;
}

// bytes written at the start of the file open on fd, whole: false (errno) when a write fails.
bool WriteFd(int fd, const void* bytes, size_t size) {
  const char* p = static_cast<const char*>(bytes);
  for (size_t done = 0; done < size;) {
    const ssize_t n = pwrite(fd, p + done, size - done, (off_t)done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;
    if (n <= 0) return false;
    done += (size_t)n;
  }
  return true;
}

// The whole content of the file open on fd, from its start.
bool ReadFd(int fd, std::string* out) {
  out->clear();
  char buf[1 << 16];
  for (;;) {
    const ssize_t n = pread(fd, buf, sizeof buf, (off_t)out->size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out->append(buf, (size_t)n);
  }
}

// The whole plain file at path; false (errno) when it does not open, is not a plain file (a pipe
// swapped in is not waited for) or a read fails.
bool ReadPlain(const std::string& path, std::string* out) {
  const int fd = open(path.c_str(), O_RDONLY | kOldFileFlags);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (!ok) errno = EINVAL;
  ok = ok && ReadFd(fd, out);
  const int err = errno;
  close(fd);
  errno = err;
  return ok;
}

FILE* StreamOf(int fd, const char* how) {
  FILE* f = fd < 0 ? nullptr : fdopen(fd, how);
  if (!f && fd >= 0) close(fd);
  return f;
}

// bytes in a new scratch file beside base, with the mode of the file at like, synced and closed:
// a backup, or the copy that a file written in place keeps of its old content. False (errno;
// nothing left behind) when any step failed.
bool WriteScratch(const std::string& base, const std::string& like, const std::string& bytes,
                  FileMade* m) {
  const int fd = ScratchLike(base, like, m);  // a copy is no more readable than the file it keeps
  if (fd < 0) return false;
  bool ok = WriteFd(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (!ok) {
    const int err = errno;
    RemoveMine(m);
    errno = err;
  }
  return ok;
}

// bytes, the old content of the file at path, kept as its backup bak (m), a copy: over an older
// backup with replace, else only where none stands. False (errno; nothing left behind) on a failure.
bool KeepCopyAs(const std::string& bak, const std::string& path, const std::string& bytes, bool replace,
                FileMade* m) {
  if (WriteScratch(bak, path, bytes, m) && MoveMine(m, bak, replace)) return true;
  const int err = errno;
  RemoveMine(m);
  errno = err;
  return false;
}

// The plain file at path opened to be written in place, with its old content: the descriptor, or
// -1 (errno) when it does not open for reading and writing, is no longer a plain file or does not
// read.
int OpenInPlace(const std::string& path, std::string* old) {
  const int fd = Files.OpenFd(path.c_str(), O_RDWR | kOldFileFlags, 0);
  if (fd < 0) return -1;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (!ok) errno = EINVAL;
  if (ok && ReadFd(fd, old)) return fd;
  const int err = errno;
  close(fd);
  errno = err;
  return -1;
}

// bytes as the whole content of the file open on fd: written over it from its start, the file cut
// to their length, synced. Written over the old blocks before the cut, a full disk seldom stops it.
bool Rewrite(int fd, const void* bytes, size_t size) {
  return WriteFd(fd, bytes, size) && ftruncate(fd, (off_t)size) == 0 && fsync(fd) == 0;
}

// The reason of a write in place that failed: the old content was written back, or where its copy
// waits.
std::string InPlaceWhy(int err, bool restored, const std::string& copy) {
  const std::string why = std::strerror(err);
  if (restored) return why + ", written back as it was";
  const std::string shown = GameNameOf(copy);
  return why + ", the file is part-written: its old content is in " + (shown.empty() ? copy : shown);
}

// The content written into the file at path itself, its old content kept in a scratch copy beside
// it until the write has succeeded. 1 when written; 0 (logged) when not.
int WriteWholeInPlace(const std::string& name, const std::string& path, const void* bytes, size_t size) {
  const std::string shown = ShownTarget(name, path);
  std::string old;
  const int fd = OpenInPlace(path, &old);
  if (fd < 0) return Fail(shown, "open", errno);
  FileMade copy;
  if (!WriteScratch(path, path, old, &copy)) {
    const int err = errno;
    close(fd);
    return Fail(shown, "keep a copy of", err);
  }
  const bool ok = Rewrite(fd, bytes, size);
  const int err = errno;
  const bool restored = ok || Rewrite(fd, old.data(), old.size());
  const std::string copyPath = copy.path;
  if (restored) RemoveMine(&copy);
  close(fd);
  return ok ? 1 : Fail(shown, "write", err, InPlaceWhy(err, restored, copyPath));
}

// The old file back under the name of a stream whose write failed. Moved aside, it is moved back,
// only while the name still holds the new file and the backup the old one. Else its content is
// written back into the file the stream wrote: on fd, or (fd < 0) on the file opened again, only
// while its name still holds it.
bool PutBack(const BakStream& k, int fd) {
  if (!k.aside.path.empty()) {
    struct stat st;
    return lstat(k.path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == k.dev &&
           st.st_ino == k.ino && StillMine(k.aside) &&
           std::rename(k.aside.path.c_str(), k.path.c_str()) == 0;
  }
  if (fd < 0) fd = Files.OpenFd(k.path.c_str(), O_WRONLY | kOldFileFlags, 0);
  struct stat st;
  const bool ok = fd >= 0 && fstat(fd, &st) == 0 && st.st_dev == k.dev && st.st_ino == k.ino &&
                  Rewrite(fd, k.old.data(), k.old.size());
  if (fd >= 0) close(fd);
  return ok;
}

// ------------------------------------------------------------------------------------------------
// The commit's steps, and the spare backups
// FileSave_Begin writes into a scratch file, and the commit puts it in place with the old file
// kept as its "_bak": several files together, all of them or none. Why the spare exists: a stage's
// location file is megabytes of land, and freeing a large file's blocks (and writing a fresh file
// into new blocks) waits for the disk, while rewriting blocks a file already holds does not. So a
// backup this run made, once a later save supersedes it, is not deleted: it becomes the spare, the
// next save's scratch file, written over in place, and is removed when the program ends.

// The spare file opened to be written over: only when it is still the file we left, under no
// other name (a second name would be a user's link to it). Used up either way.
int ReopenSpare(SaveSlot* s) {
  FileMade m = s->spare;
  s->spare = FileMade{};
  if (m.path.empty()) return -1;
  int fd = Files.OpenFd(m.path.c_str(), O_WRONLY | kOldFileFlags, 0);
  struct stat st;
  if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && SameFile(st, m) && st.st_nlink == 1) {
    s->scratch = m;
    return fd;
  }
  if (fd >= 0) close(fd);
  return -1;
}

// Where a superseded backup waits while a commit runs: hidden beside it, named with the process id
// and a count, so it never meets a file of the game's or of another game's.
std::string DropName(const std::string& bak) {
  const size_t slash = bak.rfind('/');
  const size_t at = slash == std::string::npos ? 0 : slash + 1;
  return bak.substr(0, at) + "." + bak.substr(at) + "~" + std::to_string(getpid()) + "~" +
         std::to_string(++gSave.dropCount);
}

// One file of a commit and how far it went.
struct CommitStep {
  SaveSlot* slot = nullptr;
  std::string game;       // the name as the game gave it
  std::string name, bak;  // the file its links lead to, and its backup
  FileMade drop;          // the old backup while it waits (path empty when there was none)
  bool dropMine = false;  // ... and this run made it
  FileMade newBak;        // the second name (or copy) of the old file under name
  bool newBakMine = false;
  bool hadName = false, moved = false;
  // Written in place: the file open, its old content, and whether the writing has begun.
  bool inPlace = false;
  int fd = -1;
  std::string old;
  bool written = false;
};

// The old content (bytes) of the file under s->name kept as its backup, a copy.
bool CopyBackup(CommitStep* s, const std::string& bytes) {
  FileMade m;
  if (!KeepCopyAs(s->bak, s->name, bytes, false, &m)) return false;
  s->newBak = m;
  s->newBakMine = true;
  return true;
}

// The old file under s->name gets its second name: a hard link, or a copy where the file system
// has none. The link is the run's own file only when the old file was.
bool LinkBackup(CommitStep* s) {
  struct stat st;
  if (link(s->name.c_str(), s->bak.c_str()) == 0) {
    if (lstat(s->bak.c_str(), &st) != 0) return false;
    Remember(&s->newBak, s->bak, st);
    s->newBakMine = S_ISREG(st.st_mode) && StillMine(s->slot->placed) && SameFile(st, s->slot->placed);
    return true;
  }
  if (errno == EEXIST) return false;
  std::string bytes;
  return ReadPlain(s->name, &bytes) && CopyBackup(s, bytes);
}

// The new content of the scratch file written into the file itself.
bool WriteIntoFile(CommitStep* s) {
  std::string bytes;
  if (!StillMine(s->slot->scratch)) {
    errno = ENOENT;
    return false;
  }
  if (!ReadPlain(s->slot->scratch.path, &bytes)) return false;
  s->written = true;
  return Rewrite(s->fd, bytes.data(), bytes.size());
}

// Puts every step back as it was before the commit began, the scratch files removed. What a file
// written in place became is said in note.
void CommitUndo(CommitStep* steps, int n, std::string* note) {
  for (int i = n - 1; i >= 0; i--) {
    CommitStep& s = steps[i];
    if (!s.slot) continue;
    const std::string shown = ShownFile(s.game, s.name);
    if (s.written && !Rewrite(s.fd, s.old.data(), s.old.size())) {
      // The copy keeps the old content: it stays as the backup.
      LogInfo("\nfile: %s is part-written; its old content is in %s_bak", shown.c_str(), shown.c_str());
      *note += ", " + shown + " is part-written: its old content is in " + shown + "_bak";
      s.newBak = FileMade{};
    } else if (s.written) {
      *note += ", " + shown + " written back as it was";
      RemoveMine(&s.newBak);
    } else if (s.moved) {
      if (!s.hadName) {
        RemoveMine(&s.slot->scratch);
      } else if (StillMine(s.newBak) && std::rename(s.bak.c_str(), s.name.c_str()) == 0) {
        s.slot->scratch = FileMade{};  // the old file, under its own name again
      } else {
        LogInfo("\nfile: %s could not be put back", s.name.c_str());
        s.slot->placed = s.slot->scratch;  // the new file stays: the name never stands empty
        s.slot->scratch = FileMade{};
      }
    } else {
      RemoveMine(&s.newBak);  // a second name (or a copy) of the file still under name
    }
    if (!s.drop.path.empty() && (!StillMine(s.drop) || RenameNoReplace(s.drop.path, s.bak) != 0))
      LogInfo("\nfile: the older backup of %s waits as %s", s.name.c_str(), s.drop.path.c_str());
    RemoveMine(&s.slot->scratch);
  }
}

// What stopped a commit, for its message.
struct CommitFail {
  std::string shown;          // what failed, as a message names it
  const char* step = "";      // ... at which step
  const char* why = nullptr;  // ... and why, when not for errno's reason
};

// The commit's files: each name's target, looked at again (the links may have changed, a second
// name been made, since the scratch files were made; whether the files may be written was asked
// before), and its slot. On 0 (logged) every scratch file is gone.
bool CommitPrepare(const std::string* gameNames, int n, CommitStep* steps) {
  std::string targets[kFileSaveCommitMax];
  if (!CheckAll(gameNames, n, targets, kFileSaveAsked)) {
    const int err = errno;
    for (int j = 0; j < n; j++) FileSave_Drop(gameNames[j]);
    errno = err;
    return false;
  }
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    s.game = gameNames[i];
    s.name = targets[i];
    s.slot = SlotOf(Absolute(s.name), false);
    s.bak = s.name + "_bak";
  }
  return true;
}

// Each name has a scratch file of ours to put in place; a file the new content is to go into is
// opened, its old content read.
bool CommitOpen(CommitStep* steps, int n, CommitFail* fail) {
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    fail->shown = ShownTarget(s.game, s.name);
    fail->step = "put in place";
    if (!s.slot || !StillMine(s.slot->scratch)) {
      errno = ENOENT;
      return false;
    }
    s.hadName = FsPathTaken(s.name);
    if (s.hadName && GoesInPlace(s.name, s.slot->scratch)) {
      fail->step = "open";
      s.inPlace = true;
      s.fd = OpenInPlace(s.name, &s.old);
      if (s.fd < 0) return false;
    }
  }
  return true;
}

// Every old file gets its second name first, so no name ever stands empty: a hard link, or a copy
// where the new content is to go into the file itself. An older backup waits under a name of its
// own until the commit has succeeded.
bool CommitKeepBackups(CommitStep* steps, int n, CommitFail* fail) {
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    if (!s.hadName) continue;
    fail->shown = ShownFile(s.game, s.name) + "_bak";
    fail->step = "keep a backup as";
    struct stat st;
    if (lstat(s.bak.c_str(), &st) == 0) {
      if ((fail->why = NotPlainWhy(s.bak, false))) {
        errno = ErrnoOf(fail->why);  // not a backup of ours: left alone
        return false;
      }
      s.dropMine = S_ISREG(st.st_mode) && SameFile(st, s.slot->bak) && st.st_nlink == 1;
      const std::string drop = DropName(s.bak);
      if (RenameNoReplace(s.bak, drop) != 0) return false;
      Remember(&s.drop, drop, st);
    }
    if (!(s.inPlace ? CopyBackup(&s, s.old) : LinkBackup(&s))) return false;
  }
  return true;
}

// The new content takes the names: a scratch file moved over its file, or written into it.
bool CommitPlace(CommitStep* steps, int n, CommitFail* fail) {
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    fail->shown = ShownTarget(s.game, s.name);
    fail->step = s.inPlace ? "write" : "put in place";
    const bool ok = s.inPlace ? WriteIntoFile(&s) : (s.moved = MoveMine(&s.slot->scratch, s.name, true));
    if (!ok) return false;
  }
  return true;
}

// What each name has once the commit has succeeded: the file placed, the backup made, and the
// superseded backup kept as the spare when this run made it, else given up.
void CommitDone(CommitStep* steps, int n) {
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    SaveSlot* slot = s.slot;
    if (s.inPlace) {
      close(s.fd);
      s.fd = -1;
      RemoveMine(&slot->scratch);
      slot->placed = FileMade{};
    } else {
      slot->placed = slot->scratch;
      slot->scratch = FileMade{};
    }
    slot->bak = s.hadName && s.newBakMine ? s.newBak : FileMade{};
    if (s.drop.path.empty()) continue;
    RemoveMine(&slot->spare);
    if (s.dropMine && MoveToScratchName(&s.drop, s.name)) slot->spare = s.drop;
    else RemoveMine(&s.drop);
  }
}

// ------------------------------------------------------------------------------------------------
// The streams FileOpenBak hands out
// One way to open for each file that may stand under the name and each policy: no file yet, a copy
// kept and the file updated in place, a file only appended to, a file replaced by a rename or
// written in place. Each stream remembers how its old file comes back should its write fail.

const char* OpenMode(short mode) {
  if (mode == kFileBakReadWrite) return "w+b";
  if (mode == kFileBakAppend) return "a+b";
  return "wb";
}

// The stream on fd, kept until FileCloseBak with what k says of the file it writes (its path, how
// messages name it, how its old content is put back). Null (logged) when the stream does not open:
// the name then keeps its old content.
FILE* Handed(int fd, const char* how, BakStream k) {
  struct stat st;
  const bool known = fstat(fd, &st) == 0;
  k.dev = st.st_dev;
  k.ino = st.st_ino;
  FILE* f = fdopen(fd, how);
  if (!f) {
    const int err = errno;
    if (known && (k.restore || !k.aside.path.empty())) PutBack(k, fd);
    close(fd);
    return NoStream(k.shown, "open", err);
  }
  std::vector<BakStream>& v = gSave.streams;
  std::erase_if(v, [f](const BakStream& s) { return s.f == f; });  // closed without FileCloseBak
  if (v.size() >= FileSaveState::kStreams) v.erase(v.begin());
  if (!known) return f;
  k.f = f;
  v.push_back(std::move(k));
  return f;
}

// No file stands at path yet: a new one, made exclusively.
FILE* OpenNew(const BakStream& k, const char* how) {
  const int fd = Files.OpenFd(k.path.c_str(), kNewFileFlags, kNewFileMode);
  return fd >= 0 ? Handed(fd, how, k) : NoStream(k.shown, "make", errno);
}

// kFileBakCopy: the old content kept as the backup, a copy, and the file itself opened to be
// updated ("r+b"), the old content put back should the write fail.
FILE* OpenKeepingCopy(BakStream k, std::string old, const std::string& shownBak) {
  FileMade m;
  if (!KeepCopyAs(k.path + "_bak", k.path, old, true, &m))
    return NoStream(shownBak, "keep a backup as", errno);
  const int fd = Files.OpenFd(k.path.c_str(), O_RDWR | O_CLOEXEC, 0);
  if (fd < 0) return NoStream(k.shown, "open", errno);
  k.inPlace = true;
  k.restore = true;
  k.old = std::move(old);
  return Handed(fd, "r+b", std::move(k));
}

// Any number but the backup policies: the file is not written over, only appended to (mode
// kFileBakAppend); else refused (EEXIST).
FILE* OpenToAppend(const BakStream& k, short mode) {
  errno = EEXIST;
  const int fd =
      mode == kFileBakAppend ? Files.OpenFd(k.path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC, 0) : -1;
  return fd >= 0 ? Handed(fd, OpenMode(mode), k) : NoStream(k.shown, "write over", errno);
}

// kFileBakDelete, kFileBakMove by a rename: the new file m (open on fd) takes the name. Under
// move, the old file is first moved aside as the backup (an older one given up), to be moved back
// should the write fail, where the next start would read a part-written file.
FILE* OpenByRename(BakStream k, int fd, FileMade* m, short policy, const char* how,
                   const std::string& shownBak) {
  if (policy == kFileBakDelete && MoveMine(m, k.path, true)) return Handed(fd, how, std::move(k));
  const std::string bak = k.path + "_bak";
  struct stat st;
  if (policy == kFileBakMove && lstat(k.path.c_str(), &st) == 0 &&
      (!FsPathTaken(bak) || unlink(bak.c_str()) == 0) && std::rename(k.path.c_str(), bak.c_str()) == 0) {
    Remember(&k.aside, bak, st);
    if (MoveMine(m, k.path, false)) return Handed(fd, how, std::move(k));
    const int err = errno;
    RenameNoReplace(bak, k.path);  // no new file: the old one stays in place
    close(fd);
    RemoveMine(m);
    return NoStream(k.shown, "move the new file to", err);
  }
  const int err = errno;
  close(fd);
  RemoveMine(m);
  return policy == kFileBakMove ? NoStream(shownBak, "keep a backup as", err)
                                : NoStream(k.shown, "replace", err);
}

// kFileBakDelete, kFileBakMove in place: the file itself opened and cut. Under move its old
// content is kept first as the backup, a copy, and put back should the write fail; delete gives
// it up.
FILE* OpenInPlaceCut(BakStream k, short policy, const char* how, const std::string& shownBak) {
  std::string old;
  const int fd = OpenInPlace(k.path, &old);
  if (fd < 0) return NoStream(k.shown, "open", errno);
  FileMade m;
  if (policy == kFileBakMove && !KeepCopyAs(k.path + "_bak", k.path, old, true, &m)) {
    const int err = errno;
    close(fd);
    return NoStream(shownBak, "keep a backup as", err);
  }
  if (ftruncate(fd, 0) != 0) {
    const int err = errno;
    close(fd);
    return NoStream(k.shown, "write", err);
  }
  k.inPlace = true;
  k.restore = policy == kFileBakMove;
  if (k.restore) k.old = std::move(old);
  return Handed(fd, how, std::move(k));
}

// kFileBakDelete, kFileBakMove: the new file is made beside the old one first, which tells whether
// it can take the old one's place (GoesInPlace).
FILE* OpenReplacing(BakStream k, short policy, const char* how, const std::string& shownBak) {
  FileMade m;
  const int fd = ScratchLike(k.path, k.path, &m);
  if (fd < 0) return NoStream(k.shown, "make a scratch file beside", errno);
  if (!GoesInPlace(k.path, m)) return OpenByRename(std::move(k), fd, &m, policy, how, shownBak);
  close(fd);
  RemoveMine(&m);
  return OpenInPlaceCut(std::move(k), policy, how, shownBak);
}

}  // namespace

const FileSaveFail& FileSave_Failure() { return gSave.fail; }

// ------------------------------------------------------------------------------------------------
// The writers
// One call each, the file written whole or not at all: a stream under a backup policy
// (FileOpenBak, closed by FileCloseBak), bytes written whole (FileWriteWhole), a buffer
// (ByteBuf_SaveFile).

FILE* FileOpenBak(std::string& name, const std::string& ext, short policy, short mode) {
  if (name.empty()) return nullptr;
  if (!ext.empty()) name += ext;
  std::string path;
  const bool keepsBackup = policy == kFileBakMove || policy == kFileBakCopy;
  // Any other number never replaces or cuts a file that stands: it only appends, or is refused.
  const bool replaces = keepsBackup || policy == kFileBakDelete;
  const short ask = !replaces && mode == kFileBakAppend ? kFileSaveAskAppend : kFileSaveAskWrite;
  if (!SaveDestination(name, &path, keepsBackup, ask)) return nullptr;
  BakStream k;  // what FileCloseBak is to know of the file the stream writes
  k.path = path;
  k.shown = ShownTarget(name, path);
  const std::string shownBak = ShownFile(name, path) + "_bak";
  std::string old;
  if (!ReadPlain(path, &old)) return OpenNew(k, OpenMode(mode));  // it exists when it reads
  if (policy == kFileBakCopy) return OpenKeepingCopy(std::move(k), std::move(old), shownBak);
  if (!replaces) return OpenToAppend(k, mode);
  return OpenReplacing(std::move(k), policy, OpenMode(mode), shownBak);
}

int FileCloseBak(FILE* f, const std::string& name) {
  if (!f) return 0;
  BakStream k;
  std::vector<BakStream>& v = gSave.streams;
  const auto it = std::find_if(v.begin(), v.end(), [f](const BakStream& s) { return s.f == f; });
  if (it != v.end()) {
    k = std::move(*it);
    v.erase(it);
  }
  struct stat st;
  if (!k.f || fstat(fileno(f), &st) != 0 || st.st_dev != k.dev || st.st_ino != k.ino) {
    k = BakStream{};  // not a stream of FileOpenBak's: closed, and nothing more
    k.shown = name;
  }
  // A write that failed earlier left its reason in errno, unless the flush meets one of its own.
  bool ok = std::fflush(f) == 0 && !std::ferror(f) && (!k.inPlace || fsync(fileno(f)) == 0);
  int err = errno ? errno : EIO;
  // The put-back waits until the stream is closed: its close may try the failed write again.
  const int keep = !ok && k.restore ? dup(fileno(f)) : -1;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok) return 1;
  if (!k.restore && k.aside.path.empty()) return Fail(k.shown, "write", err);
  const bool restored = PutBack(k, keep);
  return Fail(k.shown, "write", err, InPlaceWhy(err, restored, k.path + "_bak"));
}

int FileWriteWhole(const std::string& name, const void* bytes, size_t size) {
  std::string path;
  if (!SaveDestination(name, &path, false, kFileSaveAskWrite)) return 0;
  const std::string shown = ShownTarget(name, path);
  FileMade m;
  const int fd = ScratchLike(path, path, &m);
  if (fd < 0) return Fail(shown, "make a scratch file beside", errno);
  if (GoesInPlace(path, m)) {
    close(fd);
    RemoveMine(&m);
    return WriteWholeInPlace(name, path, bytes, size);
  }
  bool ok = WriteFd(fd, bytes, size);
  ok = close(fd) == 0 && ok;
  if (!ok) {
    const int err = errno;
    RemoveMine(&m);
    return Fail(shown, "write a scratch file beside", err);
  }
  if (MoveMine(&m, path, true)) return 1;
  const int err = errno;
  RemoveMine(&m);
  return Fail(shown, "move the scratch file over", err);
}

int ByteBuf_SaveFile(ByteBuf* b, std::string name, short policy, int n, int fromStart) {
  if (!b->data) return 0;
  FILE* f = FileOpenBak(name, "", policy, kFileBakWrite);
  if (!f) return 0;
  uint32_t start = fromStart ? 0 : b->pos;
  uint32_t count = 0;
  if (start < b->size) {
    count = b->size - start;
    if (n >= 1 && b->pos <= b->size && b->size - b->pos >= static_cast<uint32_t>(n) &&
        static_cast<uint32_t>(n) <= count)
      count = static_cast<uint32_t>(n);
  }
  size_t done = count ? std::fwrite(b->data + start, 1, count, f) : 0;
  return FileCloseBak(f, name) ? static_cast<int>(done) : 0;
}

// ------------------------------------------------------------------------------------------------
// The two-step save
// A save that never leaves a part-written file under its name: scratch files written and read
// back, then put in place together by the commit.

int FileSave_CheckAll(const std::string* names, int n) {
  std::string targets[kFileSaveCommitMax];
  return names && n >= 1 && n <= kFileSaveCommitMax && CheckAll(names, n, targets, kFileSaveAskWrite)
             ? 1
             : 0;
}

FILE* FileSave_Begin(const std::string& name, short ask) {
  if (name.empty()) return nullptr;
  std::string path;
  if (!SaveDestination(name, &path, true, ask)) return nullptr;
  const std::string shown = ShownTarget(name, path);
  SaveSlot* s = SlotOf(Absolute(path), true);
  if (!s) return NoStream(shown, "make a scratch file beside", errno);
  RemoveMine(&s->scratch);  // of a save that never ended
  s->game = name;
  int fd = ReopenSpare(s);
  if (fd < 0) fd = ScratchCreate(path, &s->scratch);
  if (fd < 0) return NoStream(shown, "make a scratch file beside", errno);
  TakeModeOf(fd, path);
  FILE* f = StreamOf(fd, "wb");  // a kept file is written over: fdopen does not cut it
  if (!f) {
    const int err = errno;
    RemoveMine(&s->scratch);
    Fail(shown, "write a scratch file beside", err);
  }
  return f;
}

std::string FileSave_ScratchName(const std::string& name) {
  std::string path;
  const SaveSlot* s = SlotOfGameName(name, false, &path);
  if (!s || s->scratch.path.compare(0, s->name.size(), s->name) != 0) return std::string();
  const std::string tail = s->scratch.path.substr(s->name.size());  // the scratch name adds "_tmp..."
  return path == FsPath(name) ? name + tail : GameNameOf(path + tail);
}

int FileSave_Close(FILE* f, const std::string& name) {
  if (!f) return 0;
  bool ok = !std::ferror(f) && std::fflush(f) == 0;
  if (ok) {
    // The part ends where the stream stands; what a longer file held beyond it goes.
    long end = std::ftell(f);
    struct stat st;
    ok = end >= 0 && fstat(fileno(f), &st) == 0 && (st.st_size <= end || ftruncate(fileno(f), end) == 0);
  }
  // The bytes start on their way to the disk before the file takes its name, as the file system
  // does for a new file moved over an old one.
  if (ok) sync_file_range(fileno(f), 0, 0, SYNC_FILE_RANGE_WRITE);
  if (std::fclose(f) != 0) ok = false;
  if (ok) return 1;
  const int err = errno;
  std::string path;
  SaveTarget(name, &path);
  FileSave_Drop(name);
  return Fail(ShownTarget(name, path), "write a scratch file beside", err);
}

int FileSave_CommitAll(const std::string* gameNames, int n) {
  if (!gameNames || n < 1 || n > kFileSaveCommitMax) return 0;
  CommitStep steps[kFileSaveCommitMax];
  if (!CommitPrepare(gameNames, n, steps)) return 0;
  CommitFail fail;
  if (CommitOpen(steps, n, &fail) && CommitKeepBackups(steps, n, &fail) &&
      CommitPlace(steps, n, &fail)) {
    CommitDone(steps, n);
    return 1;
  }
  const int err = errno;
  std::string note;
  CommitUndo(steps, n, &note);
  for (CommitStep& s : steps)
    if (s.fd >= 0) close(s.fd);
  for (int i = 0; i < n; i++) FileSave_Drop(gameNames[i]);  // where a link led elsewhere meanwhile
  return Fail(fail.shown, fail.step, err, (fail.why ? fail.why : std::strerror(err)) + note);
}

int FileSave_Commit(const std::string& name) { return FileSave_CommitAll(&name, 1); }

void FileSave_Drop(const std::string& name) {
  for (SaveSlot& s : gSave.slot)
    if (s.game == name) RemoveMine(&s.scratch);
}

int FileSave_End(FILE* f, const std::string& name) {
  return FileSave_Close(f, name) && FileSave_Commit(name);
}
